// The sound manager: sound slots as state machines, weights, channels and
// their crossfades, counted in logic steps.
#include "EntornoSonido.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/CanalMusica.h"
#include "engine/audio/GestorSonido.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/RanuraSonido.h"
#include "engine/core/CatalogoMotor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

using audiotest::EntornoSonido;

namespace {

std::string Sonido(const std::string& nombre, const std::string& cuerpo)
{
    return "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"" + nombre + "\";\n" + cuerpo +
           "RANURASONIDO_FIN = ;\n";
}

std::string Musica(const std::string& nombre, const std::string& pieza, const std::string& extra = "")
{
    return "RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"" + nombre + "\";\nRANURAMUSICA_PIEZA = \"" +
           pieza + "\";\n" + extra + "RANURAMUSICA_FIN = ;\n";
}

// The sound system, a bank of test slots and the manager; each step mixes a
// thirtieth of a second, updates the sound system, advances the frame count
// and updates the manager.
class Gestor : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A folder of its own: the tests run side by side in separate processes.
        m_entorno = std::make_unique<EntornoSonido>(std::string("gestor_") +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(m_entorno->Correcto());
        EntornoSonido& e = *m_entorno;
        e.Escribe(mgtest::RutaDeDades(motor::muestra::RANURA_SONIDO_NO_EXISTE), audiotest::WavConstante(1, 0.1f));
        e.Escribe("Corto.wav", audiotest::WavConstante(1, 0.1f));
        e.Escribe("Largo.wav", audiotest::WavConstante(1, 3.0f));
        const std::string una = audiotest::Tono("UnaMitad.ogg");
        const std::string tres = audiotest::Tono("TresMitades.ogg");
        e.Escribe("M.crm", Musica("M1", tres) + Musica("M2", tres) + Musica("M3", tres) + Musica("CORTA", una));
        e.Escribe("S.crs",
                  Sonido("ENTRADA_SALIDA", "RANURASONIDO_MUESTRA_ENTRADA = \"Corto.wav\";\n"
                                           "RANURASONIDO_MUESTRA_SALIDA = \"Corto.wav\";\n") +
                      Sonido("LIGERO", "RANURASONIDO_MUESTRA_BUCLE = \"Largo.wav\";\nRANURASONIDO_PESO = 1;\n") +
                      Sonido("PESADO", "RANURASONIDO_MUESTRA_BUCLE = \"Largo.wav\";\nRANURASONIDO_PESO = 4;\n") +
                      Sonido("APAGADO", "RANURASONIDO_MUESTRA_ENTRADA = \"Corto.wav\";\n"
                                        "RANURASONIDO_MUESTRA_SALIDA = \"Largo.wav\";\n"
                                        "RANURASONIDO_FADE_OUT_SALIDA = 10;\n") +
                      // A position so far out that its distance overflows.
                      Sonido("LEJANO", "RANURASONIDO_MUESTRA_BUCLE = \"Largo.wav\";\n"
                                       "RANURASONIDO_ATENDER_OYENTE = 1;\nRANURASONIDO_POSICION = 1e30, 0, 0;\n"));
        g_pBancoRanuras = new CBancoRanuras;
        ASSERT_TRUE(g_pBancoRanuras->Carga("M.crm", "S.crs"));
        g_pGestorSonido = new CGestorSonido;
        ASSERT_TRUE(g_pGestorSonido->Inicia(g_pBancoRanuras));
    }
    void TearDown() override
    {
        delete g_pGestorSonido;
        g_pGestorSonido = nullptr;
        delete g_pBancoRanuras;
        g_pBancoRanuras = nullptr;
        m_entorno.reset();
    }
    void Paso(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            m_entorno->Paso();
            AvanzaFrame();
            g_pGestorSonido->Actualiza();
        }
    }
    CRanuraMusica* Instancia(CCanalMusica* c, int i)
    {
        return static_cast<CRanuraMusica*>(c->Instancias().Elemento(i));
    }

    std::unique_ptr<EntornoSonido> m_entorno;
};

TEST_F(Gestor, FireAndForgetEntryThenExitThenDeleted)
{
    int i = g_pGestorSonido->BuscaRanuraSonido("ENTRADA_SALIDA");
    ASSERT_GT(i, 0);
    EXPECT_EQ(g_pGestorSonido->TocaRanuraSonido(i, true), nullptr);
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 1);
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 1); // the entry sample
    int pasos = 0;
    while (g_pGestorSonido->NumSonidos() > 0 && pasos < 60) {
        Paso();
        ++pasos;
    }
    // Entry (0.1 s) then exit (0.1 s): about six steps, then deleted.
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 0);
    EXPECT_GE(pasos, 5);
    EXPECT_LE(pasos, 10);
    EXPECT_EQ(g_pGestorSonido->TocaRanuraSonido(-1, true), nullptr);
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 0);
}

TEST_F(Gestor, FireAndForgetOfALoopingSlotDoesNotLeak)
{
    // Unknown names play the default slot, whose only sample is a loop one.
    int i = g_pGestorSonido->BuscaRanuraSonido("NO_EXISTE");
    EXPECT_EQ(i, 0);
    for (int k = 0; k < 3; ++k) g_pGestorSonido->TocaRanuraSonido(i, true);
    g_pGestorSonido->TocaRanuraSonidoBucle(i, -1, true);
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 4);
    Paso(30);
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 0);
    Paso(2);
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 0);
}

TEST_F(Gestor, HeldSlotFadesOutOverItsSteps)
{
    CRanuraSonido* r = g_pGestorSonido->TocaRanuraSonido(g_pGestorSonido->BuscaRanuraSonido("APAGADO"), false);
    ASSERT_NE(r, nullptr);
    r->FijaVolumen(1.0f);
    int pasos = 0;
    while (r->m_iEstado != CRanuraSonido::ESTADO_SALIDA && pasos++ < 30) Paso();
    ASSERT_EQ(r->m_iEstado, CRanuraSonido::ESTADO_SALIDA);
    EXPECT_FLOAT_EQ(r->m_fVolActual, 1.0f);
    Paso(5);
    EXPECT_NEAR(r->m_fVolActual, 0.5f, 1e-5f);
    Paso(5);
    EXPECT_NEAR(r->m_fVolActual, 0.0f, 1e-5f);
    EXPECT_EQ(r->m_iEstado, CRanuraSonido::ESTADO_SALIDA); // the exit sample plays on, silent
    g_pGestorSonido->LiberaInstanciaSonido(r);
    Paso();
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 0);
}

TEST_F(Gestor, LighterSoundGivesWayToAHeavierOne)
{
    CRanuraSonido* ligero = g_pGestorSonido->TocaRanuraSonido(g_pGestorSonido->BuscaRanuraSonido("LIGERO"), false);
    CRanuraSonido* pesado = g_pGestorSonido->TocaRanuraSonido(g_pGestorSonido->BuscaRanuraSonido("PESADO"), false);
    ASSERT_NE(ligero, nullptr);
    ASSERT_NE(pesado, nullptr);
    Paso();
    // The smoothed loudest weight starts at 1 and moves an eighth of the way
    // towards 4 each step.
    EXPECT_NEAR(g_pGestorSonido->PesoSonidoSuavizado(), 1.0f + 3.0f * 0.125f, 1e-5f);
    Paso(60);
    EXPECT_NEAR(g_pGestorSonido->PesoSonidoSuavizado(), 4.0f, 0.01f);
    EXPECT_NEAR(ligero->m_fVolumenFinal, 0.25f, 0.01f);
    EXPECT_NEAR(pesado->m_fVolumenFinal, 1.0f, 1e-5f);
    g_pGestorSonido->LiberaInstanciaSonido(ligero);
    g_pGestorSonido->LiberaInstanciaSonido(pesado);
    Paso();
    EXPECT_EQ(g_pGestorSonido->NumSonidos(), 0);

    // A slot whose weight overflows leaves the smoothed weight a number
    // that falls again once it has gone (infinity would turn into not a
    // number and switch the weights off for good).
    CRanuraSonido* lejano = g_pGestorSonido->TocaRanuraSonido(g_pGestorSonido->BuscaRanuraSonido("LEJANO"), false);
    ASSERT_NE(lejano, nullptr);
    Paso(5);
    const float alto = g_pGestorSonido->PesoSonidoSuavizado();
    EXPECT_TRUE(std::isfinite(alto));
    g_pGestorSonido->LiberaInstanciaSonido(lejano);
    Paso(5);
    EXPECT_LT(g_pGestorSonido->PesoSonidoSuavizado(), alto);
}

TEST_F(Gestor, UpdatesOnlyOncePerLogicStep)
{
    CRanuraSonido* r = g_pGestorSonido->TocaRanuraSonido(g_pGestorSonido->BuscaRanuraSonido("LIGERO"), false);
    r->CambiaVolumen(0.0f, 10);
    Paso();
    float v = r->m_fVolActual;
    // The main loop calls the update on every pass: without a new step
    // nothing moves.
    for (int k = 0; k < 50; ++k) g_pGestorSonido->Actualiza();
    EXPECT_FLOAT_EQ(r->m_fVolActual, v);
    Paso();
    EXPECT_NEAR(r->m_fVolActual, v - 0.1f, 1e-5f);
    g_pGestorSonido->LiberaInstanciaSonido(r);
}

TEST_F(Gestor, LoopCriteria)
{
    CRanuraSonido r;
    r.m_iNumBucle = 3;
    struct Caso {
        int criterio;
    } casos[] = {{0}, {1}, {2}, {3}};
    for (const Caso& c : casos) {
        r.m_iCriterioBucle = c.criterio;
        r.m_iSiguienteBucle = 0;
        r.m_iUltimoBucle = -1;
        std::memset(r.m_bBucleTocado, 0, sizeof r.m_bBucleTocado);
        std::vector<int> v;
        for (int k = 0; k < 30; ++k) v.push_back(r.EligeMuestraBucle());
        for (int x : v) {
            ASSERT_TRUE(x >= 0 && x < 3) << c.criterio;
        }
        if (c.criterio == 0) {
            EXPECT_EQ(std::vector<int>(v.begin(), v.begin() + 6), (std::vector<int>{0, 1, 2, 0, 1, 2}));
        }
        if (c.criterio == 1 || c.criterio == 2) {
            // Every round of three plays each one once.
            for (size_t k = 0; k + 3 <= v.size(); k += 3) {
                EXPECT_EQ(std::set<int>(v.begin() + long(k), v.begin() + long(k) + 3).size(), 3u) << c.criterio;
            }
        }
        if (c.criterio == 2) {
            for (size_t k = 1; k < v.size(); ++k) {
                EXPECT_NE(v[k], v[k - 1]);
            }
        }
    }
    r.m_iNumBucle = 0;
    EXPECT_EQ(r.EligeMuestraBucle(), -1);
}

TEST_F(Gestor, CrossfadeLastsThirtySteps)
{
    g_pGestorSonido->TocaRanuraMusica("M1", "CANAL_MUSICA_ODL", -1);
    CCanalMusica* c = g_pGestorSonido->GetCanal("canal_musica_odl");
    EXPECT_EQ(g_pGestorSonido->NumCanales(), 1);
    Paso(31);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 1);
    CRanuraMusica* m1 = Instancia(c, 0);
    EXPECT_FLOAT_EQ(m1->GetNivelFade(), 1.0f);

    g_pGestorSonido->TocaRanuraMusica("M2", "CANAL_MUSICA_ODL", -1);
    Paso(15);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 2);
    CRanuraMusica* m2 = Instancia(c, 1);
    EXPECT_STREQ(m2->m_szNombre, "M2");
    // Half way: both heard, one falling, one rising.
    EXPECT_NEAR(m1->GetNivelFade(), 0.5f, 0.04f);
    EXPECT_NEAR(m2->GetNivelFade(), 0.5f, 0.04f);
    EXPECT_TRUE(m1->EstaApagandose());
    Paso(16);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 1);
    EXPECT_EQ(Instancia(c, 0), m2);
    EXPECT_FLOAT_EQ(m2->GetNivelFade(), 1.0f);

    // Asking again for what plays does not restart it.
    g_pGestorSonido->TocaRanuraMusica("m2", "CANAL_MUSICA_ODL", -1);
    Paso(2);
    EXPECT_EQ(c->Instancias().m_iNumElementos, 1);
    EXPECT_EQ(Instancia(c, 0), m2);
}

TEST_F(Gestor, ThirdMusicDuringACrossfadeTreatsOnlyTheOldest)
{
    g_pGestorSonido->TocaRanuraMusica("M1", "CANAL_A_ODL", -1);
    CCanalMusica* c = g_pGestorSonido->GetCanal("CANAL_A_ODL");
    Paso(31);
    g_pGestorSonido->TocaRanuraMusica("M2", "CANAL_A_ODL", -1);
    Paso(10);
    g_pGestorSonido->TocaRanuraMusica("M3", "CANAL_A_ODL", -1);
    Paso(1);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 3);
    EXPECT_STREQ(Instancia(c, 1)->m_szNombre, "M2");
    EXPECT_FALSE(Instancia(c, 1)->EstaApagandose()); // the second keeps playing
    Paso(30);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 2);
    EXPECT_STREQ(Instancia(c, 0)->m_szNombre, "M2");
    EXPECT_STREQ(Instancia(c, 1)->m_szNombre, "M3");
}

TEST_F(Gestor, RepeatCountAndChannelStop)
{
    // A slot played twice plays two pieces and stops.
    g_pGestorSonido->TocaRanuraMusica("CORTA", "CANAL_F_ODL", 2);
    CCanalMusica* c = g_pGestorSonido->GetCanal("CANAL_F_ODL");
    Paso(1);
    ASSERT_EQ(c->Instancias().m_iNumElementos, 1);
    EXPECT_EQ(Instancia(c, 0)->m_iRepeticiones, 2);
    int pasos = 0;
    bool segunda = false; // the second piece started, one repeat left
    while (c->Instancias().m_iNumElementos > 0 && pasos++ < 120) {
        CRanuraMusica* r = Instancia(c, 0);
        if (r->m_iRepeticiones == 1 && r->EstaSonando()) segunda = true;
        Paso();
    }
    EXPECT_TRUE(segunda);
    EXPECT_EQ(c->Instancias().m_iNumElementos, 0);
    EXPECT_TRUE(c->HaTerminado());

    // With -1 it goes on; stopping fades it out and the channel goes.
    g_pGestorSonido->TocaRanuraMusica("CORTA", "CANAL_G_ODL", -1);
    CCanalMusica* g = g_pGestorSonido->GetCanal("CANAL_G_ODL");
    Paso(60);
    EXPECT_EQ(g->Instancias().m_iNumElementos, 1);
    int canales = g_pGestorSonido->NumCanales();
    g_pGestorSonido->ParaCanal(g, false);
    Paso(35);
    EXPECT_EQ(g_pGestorSonido->NumCanales(), canales - 1);
    g_pGestorSonido->ParaCanal(c, true);
    Paso();
    EXPECT_EQ(g_pGestorSonido->NumCanales(), canales - 2);
    Paso(2);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
    // A screen that kept a channel it stopped may play on it again: the
    // channel is gone, so nothing plays (and nothing freed is touched).
    g_pGestorSonido->TocaRanuraMusicaEnCanal(c, "M1", -1);
    Paso();
    EXPECT_EQ(g_pGestorSonido->NumCanales(), canales - 2);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}

TEST_F(Gestor, UnknownMusicPlaysTheDefaultSlot)
{
    g_pGestorSonido->TocaRanuraMusica("NO_EXISTE", "CANAL_MUSICA_ODL", -1);
    CCanalMusica* c = g_pGestorSonido->GetCanal("CANAL_MUSICA_ODL");
    ASSERT_NE(c->m_pEnCola, nullptr);
    EXPECT_STREQ(c->m_pEnCola->m_szNombre, "RANURA_MUSICA_ESTANDAR");
    EXPECT_EQ(c->m_pEnCola->m_iNumPiezas, 3);
}

} // namespace
