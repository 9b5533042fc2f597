// The menu manager over the real game: the first screen fades in from
// black; screen changes go through black, attach only the last screen asked
// for, reopen the current screen when it is asked for again, wait for a
// screen that closes slowly, and empty the effects cache; the key/value
// store is written on a first run and at the end, and its volumes become
// the master volumes, clamped; the sound manager runs every step; a screen
// that fails to build stops the program with status 1.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/CanalMusica.h"
#include "engine/audio/GestorSonido.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/CatalogoJuego.h"
#include "game/Programa.h"
#include "game/screens/BaseMenu.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuSellos.h"
#include "game/screens/widgets/CartelCargando.h"
#include "kit/BucleAplicacion.h"
#include "kit/ServeisFitxers.h"
#include "kit/game/JuegoPrueba.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// A screen whose closing lasts as long as it is told.
class CPantallaLenta : public CMenuObj {
public:
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override { return m_iRestante > 0 || CMenuObj::EnTransicion(); }
    void IniciaTransicion(bool bEntrada) override
    {
        m_iRestante = bEntrada ? 0 : m_iCierre;
        CMenuObj::IniciaTransicion(bEntrada);
    }
    void Actualiza() override
    {
        if (m_iRestante > 0) --m_iRestante;
        CMenuObj::Actualiza();
    }
    int m_iCierre = 45;
    int m_iRestante = 0;
};

int Efectos()
{
    int n = 0;
    for (int i = 0; i < CSistemaCacheEfectos::kNumCapas; ++i) n += g_pSistemaCacheEfectos->NumActivos(i);
    return n;
}

// Steps until the manager has no change under way (at most 200).
int HastaQuieto(kit::CJuegoPrueba& juego)
{
    int n = 0;
    while (n < 200 && (g_pMenuMaestro->m_iEstadoTransicion != TRANSICION_NINGUNA ||
                       g_pMenuMaestro->m_pMenuActual->EnTransicion())) {
        juego.Pasos(1);
        ++n;
    }
    return n;
}

} // namespace

TEST(MenuMaestro, ScreenChangesGoThroughBlackAndAttachOnlyTheLastScreenAskedFor)
{
    kit::CJuegoPrueba juego("maestro_cambios");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->m_pMenuActual, nullptr);
    EXPECT_EQ(g_pAplicacion->NivelFundido(), 1.0f);

    // The first update opens the title screen, fading in from black without
    // a fade-out first.
    juego.Pasos(1);
    EXPECT_EQ(juego.Pantalla(), m->m_pMenuPresentacion);
    EXPECT_EQ(m->m_iEstadoTransicion, TRANSICION_ENTRANDO);
    EXPECT_EQ(juego.AlfaFundido(), 255);
    EXPECT_LE(HastaQuieto(juego), 25);
    EXPECT_EQ(juego.AlfaFundido(), 0);

    // Two changes in one fade-out: only the second screen is ever attached.
    CMenuObj* pCofre = m->m_pMenuCofreTesoro;
    CMenuObj* pSellos = m->m_pMenuSellos;
    m->CambiaMenu(pCofre);
    juego.Pasos(3);
    m->CambiaMenu(pSellos);
    bool bCofreVisto = false, bNegro = false;
    int iCambio = -1;
    for (int i = 0; i < 80; ++i) {
        juego.Pasos(1);
        bCofreVisto = bCofreVisto || pCofre->Padre() == m;
        bNegro = bNegro || juego.AlfaFundido() == 255;
        // The step the next screen comes: nothing left of the old effects.
        if (iCambio < 0 && m->m_pMenuActual == pSellos) {
            iCambio = i;
            EXPECT_EQ(Efectos(), 0);
        }
    }
    EXPECT_FALSE(bCofreVisto);
    EXPECT_TRUE(bNegro);
    EXPECT_GE(iCambio, CMenuMaestro::kPasosFundido);
    EXPECT_EQ(juego.Pantalla(), pSellos);
    EXPECT_EQ(m->m_pMenuActual, pSellos);
    EXPECT_GT(Efectos(), 0); // the new screen's own sparkles

    // Asking for the current screen closes it, fades to black and opens it
    // again.
    m->CambiaMenu(pSellos);
    EXPECT_EQ(pSellos->Padre(), nullptr);
    bNegro = false;
    for (int i = 0; i < 60; ++i) {
        juego.Pasos(1);
        bNegro = bNegro || juego.AlfaFundido() == 255;
    }
    EXPECT_TRUE(bNegro);
    EXPECT_EQ(pSellos->Padre(), m);
    EXPECT_EQ(juego.AlfaFundido(), 0);

    // A screen that could not be made is no screen: nothing changes.
    m->CambiaMenu(nullptr);
    juego.Pasos(5);
    EXPECT_EQ(juego.Pantalla(), pSellos);
    EXPECT_EQ(m->m_iEstadoTransicion, TRANSICION_NINGUNA);
}

TEST(MenuMaestro, AScreenClosingSlowerThanTheFadeKeepsThePictureBlack)
{
    kit::CJuegoPrueba juego("maestro_lenta");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    CPantallaLenta lenta;
    ASSERT_TRUE(lenta.Inicia(-1, "Lenta", Rectangulo{0, 0, 1024, 768}, -1));
    juego.Pasos(1);
    m->CambiaMenu(&lenta);
    HastaQuieto(juego);
    ASSERT_EQ(m->m_pMenuActual, &lenta);

    m->CambiaMenu(m->m_pMenuPresentacion);
    juego.Pasos(12);
    EXPECT_EQ(juego.AlfaFundido(), 255);
    // Black for as long as it closes; then the next screen comes in.
    while (lenta.m_iRestante > 0) {
        EXPECT_EQ(juego.AlfaFundido(), 255);
        EXPECT_NE(m->m_pMenuPresentacion->Padre(), m);
        juego.Pasos(1);
    }
    juego.Pasos(2);
    EXPECT_EQ(m->m_pMenuActual, m->m_pMenuPresentacion);
    EXPECT_LT(juego.AlfaFundido(), 255);
    HastaQuieto(juego);
    EXPECT_EQ(juego.AlfaFundido(), 0);
}

TEST(MenuMaestro, TheSoundManagerRunsEveryStep)
{
    kit::CJuegoPrueba juego("maestro_sonido");
    ASSERT_TRUE(juego.Iniciado());
    ASSERT_NE(g_pGestorSonido, nullptr);
    // The title screen asks for its music at its opening: a crossfade of 30
    // steps, which moves on every step.
    juego.Pasos(2);
    CCanalMusica* canal = g_pGestorSonido->GetCanal(CBaseMenu::kCanalMusica);
    ASSERT_NE(canal, nullptr);
    float fAntes = -1.0f, fPesoAntes = g_pGestorSonido->PesoMusicaSuavizado();
    int iSubidas = 0;
    for (int i = 0; i < 30; ++i) {
        juego.Pasos(1);
        NodoLista* n = canal->Instancias().m_pCabeza;
        ASSERT_NE(n, nullptr) << i;
        auto* r = static_cast<CRanuraMusica*>(n->m_pItem);
        EXPECT_STREQ(r->m_szNombre, ::juego::musica::RAN_MENU_PRESENTACION);
        const float f = r->GetNivelFade();
        if (f < 1.0f) {
            EXPECT_GT(f, fAntes) << i;
            ++iSubidas;
        }
        fAntes = f;
        EXPECT_NE(g_pGestorSonido->PesoMusicaSuavizado(), fPesoAntes) << i;
        fPesoAntes = g_pGestorSonido->PesoMusicaSuavizado();
    }
    EXPECT_GE(iSubidas, 27);
    EXPECT_EQ(juego.MusicaCanal(CBaseMenu::kCanalMusica), ::juego::musica::RAN_MENU_PRESENTACION);
}

TEST(MenuMaestro, FirstRunWritesTheStoreAndQuittingWritesItAgain)
{
    std::filesystem::path fichero;
    {
        kit::CJuegoPrueba juego("maestro_almacen");
        ASSERT_TRUE(juego.Iniciado());
        fichero = juego.CarpetaUsuario() / "MultiPrefs.PRF";
        const std::string texto = juego.LeeFicheroUsuario("MultiPrefs.PRF");
        EXPECT_NE(texto.find("Version = \"0.0001a\";"), std::string::npos) << texto;
        EXPECT_NE(texto.find("VOLSONIDO = \"50\";"), std::string::npos) << texto;
        EXPECT_NE(texto.find("VOLMUSICA = \"25\";"), std::string::npos) << texto;
        std::filesystem::remove(fichero);
        juego.Pasos(3);
    }
    EXPECT_NE(mgtest::LlegeixFitxer(fichero).find("Version = \"0.0001a\";"), std::string::npos);
}

// A logout or Ctrl+C in a terminal ends the game as the window's close does:
// the next step quits and the release writes the store again.
TEST(MenuMaestro, ATerminationSignalClosesTheGameAndSavesTheStore)
{
    struct Senales {
        Senales() { plat::CloseOnTerminationSignals(true); }
        ~Senales() { plat::CloseOnTerminationSignals(false); }
    } senales;
    std::filesystem::path fichero;
    {
        kit::CJuegoPrueba juego("maestro_senal");
        ASSERT_TRUE(juego.Iniciado());
        fichero = juego.CarpetaUsuario() / "MultiPrefs.PRF";
        std::filesystem::remove(fichero);
        juego.Pasos(2);
        ASSERT_FALSE(juego.Terminado());
        std::raise(SIGTERM);
        EXPECT_TRUE(juego.Pasos(3));
    }
    EXPECT_NE(mgtest::LlegeixFitxer(fichero).find("Version = \"0.0001a\";"), std::string::npos);
}

TEST(VolumenAlmacen, StoreValuesBecomeMasterVolumesClamped)
{
    struct Caso {
        const char* valor;
        int defecto;
        float volumen;
    };
    const Caso casos[] = {
        {"70", 25, 0.7f}, {"0", 25, 0.0f},  {"100", 25, 1.0f}, {"500", 25, 1.0f}, {"-3", 50, 0.0f},
        {"x", 25, 0.25f}, {"", 50, 0.5f},   {nullptr, 50, 0.5f}, {" 42abc", 25, 0.42f},
        {"99999999999999999999", 25, 1.0f},
    };
    for (const Caso& c : casos)
        EXPECT_FLOAT_EQ(CMenuMaestro::VolumenDeAlmacen(c.valor, c.defecto), c.volumen) << (c.valor ? c.valor : "null");
}

TEST(MenuMaestro, TheStoresVolumesAreTheMasterVolumesAtStart)
{
    mgtest::CarpetaUsuariProva carpeta("maestro_volumenes");
    std::filesystem::create_directories(carpeta.Carpeta());
    mgtest::EscriuFitxer(carpeta.Carpeta() / "MultiPrefs.PRF", "VOLMUSICA = \"500\";\nVOLSONIDO = \"x\";\n");
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    ASSERT_TRUE(IniciaPrograma());
    ASSERT_TRUE(CreaBuclePrincipal());
    ASSERT_NE(g_pSistemaSonido, nullptr);
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenFlujos(), 1.0f);
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenMuestras(), 0.5f);
    LiberaBuclePrincipal();
    LiberaSistemas();
}

TEST(MenuMaestro, AScreenThatFailsItsCreaStopsTheProgramWithStatusOne)
{
    mgtest::CarpetaUsuariProva carpeta("maestro_fallo");
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    CMenuMaestro::FuerzaFalloPantalla("m_pMenuCreditos");
    testing::internal::CaptureStderr();
    const int iEstado = EjecutaPrograma();
    const std::string err = testing::internal::GetCapturedStderr();
    CMenuMaestro::FuerzaFalloPantalla(nullptr);
    EXPECT_EQ(iEstado, 1);
    EXPECT_NE(err.find("start-up failed: menu manager: m_pMenuCreditos could not be made"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(g_pMenuMaestro, nullptr);
    EXPECT_EQ(g_pAplicacion, nullptr);
    // What it built is gone, the store written on the way out included.
    EXPECT_TRUE(std::filesystem::exists(carpeta.Carpeta() / "MultiPrefs.PRF"));
}

TEST(MenuMaestro, AStallShowsTheLoadingSignAndLeavesTheScreenAsItWas)
{
    kit::CJuegoPrueba juego("maestro_parada");
    ASSERT_TRUE(juego.Iniciado());
    // Two seconds in, the title shows the publisher's mark in full.
    juego.Pasos(60);
    auto Claros = [&](const std::vector<uint8_t>& f) {
        int n = 0;
        for (int y = 340; y < 380; ++y)
            for (int x = 300; x < 720; ++x) {
                const uint8_t* p = &f[(size_t(y) * 1024 + size_t(x)) * 4];
                n += p[0] > 200 && p[1] > 200 && p[2] > 200;
            }
        return n;
    };
    const int iAntes = Claros(juego.Fotograma());
    ASSERT_GT(iAntes, 50);

    // The loop stalls for long: the sign shows over a capture of the screen.
    CCartelCargando* pCartel = g_pMenuMaestro->m_pCartelCargando;
    AvanzaRelojManual(400);
    ASSERT_TRUE(kit::EsperaHasta([&] { return pCartel->EstaActivo(); }, 20000));
    for (int i = 0; i < 5; ++i) {
        AvanzaRelojManual(34);
        plat::Sleep(30);
    }
    // The loop runs again: the sign goes, the screen is as it was.
    juego.Pasos(20);
    EXPECT_FALSE(pCartel->EstaActivo());
    EXPECT_EQ(pCartel->Alfa(), 0.0f);
    EXPECT_NEAR(Claros(juego.Fotograma()), iAntes, iAntes / 10);
}
