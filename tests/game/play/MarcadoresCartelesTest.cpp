// The HUD, the banners, the fanfares and the visual help: their rules as
// tables, then through a story stage with update and draw on every step;
// and a stage whose tools all failed to load still plays.
#include "engine/audio/CanalMusica.h"
#include "engine/audio/GestorSonido.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/FalloHerramientas.h"
#include "game/play/herramientas/HerramientaAsistenciaVisual.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using kit::CPartidaPrueba;

// A stage of chapter 1 started and its diamonds begun, with no hint to answer.
bool EnDiamantes(CPartidaPrueba& p)
{
    p.SinAvisos();
    return p.EmpiezaEtapa(0, 1) && p.Continua() && p.EsperaFase(FASE_DIAMANTES, 60);
}

} // namespace

TEST(Hud, DefaultMoodLayersAndCharacters)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Caso {
        bool fin;
        float fraccion;
        int animo;
    } casos[] = {
        {true, 0.9f, ANIMO_ALEGRIA},  {false, -1.0f, ANIMO_ALEGRIA}, {false, nan, ANIMO_ALEGRIA},
        {false, inf, ANIMO_ALEGRIA},  {false, 0.0f, ANIMO_ALEGRIA},  {false, 0.09f, ANIMO_ALEGRIA},
        {false, 0.1f, ANIMO_NEUTRO},  {false, 0.79f, ANIMO_NEUTRO},  {false, 0.8f, ANIMO_TRISTEZA},
        {false, 1.0f, ANIMO_TRISTEZA},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CHerramientaMarcadores::AnimoPorDefecto(c.fin, c.fraccion), c.animo) << c.fin << " " << c.fraccion;

    const int capas[NUM_ANIMOS] = {2, 0, 1, 2, 2, 0, 2};
    for (int a = 0; a < NUM_ANIMOS; ++a) EXPECT_EQ(CHerramientaMarcadores::CapaDeAnimo(a), capas[a]);
    EXPECT_EQ(CHerramientaMarcadores::CapaDeAnimo(7), -1);
    EXPECT_EQ(CHerramientaMarcadores::CapaDeAnimo(-1), -1);

    // The level files' key values reach the portrait folder and the voices'
    // prefix of the same character.
    const char* const sufijos[NUM_ANIMOS] = {"_SALUDO", "_TRISTEZA", "_NEUTRO", "_ALEGRIA",
                                             "_VICTORIA", "_DERROTA", "_EUFORIA"};
    for (int k = 0; k < NUM_PERSONAJES; ++k) {
        const Personaje* p = PersonajePorClaveNivel(k);
        ASSERT_NE(p, nullptr);
        const int n = TablaIdPerso[static_cast<size_t>(k)];
        EXPECT_EQ(n, p->m_iNumero);
        const std::string paquete = CHerramientaMarcadores::PaqueteRetrato(n);
        EXPECT_EQ(paquete, std::string("Data\\Personajes\\") + p->m_pszCarpeta + "\\Chiqui.SPM") << k;
        for (int a = 0; a < NUM_ANIMOS; ++a)
            EXPECT_EQ(std::string(CHerramientaMarcadores::RanuraVoz(n, a)), std::string(p->m_pszPrefijoVoz) + sufijos[a]);
    }
    for (int n : {-1, 11, 255}) {
        EXPECT_EQ(CHerramientaMarcadores::PaqueteRetrato(n), nullptr);
        EXPECT_EQ(CHerramientaMarcadores::RanuraVoz(n, 0), nullptr);
    }
    EXPECT_EQ(CHerramientaMarcadores::RanuraVoz(0, 7), nullptr);
}

TEST(Carteles, AlphaKindsAndRestart)
{
    EXPECT_LT(CHerramientaCarteles::Alfa(11, 120), 1.0f);
    EXPECT_FLOAT_EQ(CHerramientaCarteles::Alfa(12, 120), 1.0f);
    EXPECT_FLOAT_EQ(CHerramientaCarteles::Alfa(108, 120), 1.0f);
    EXPECT_LT(CHerramientaCarteles::Alfa(109, 120), 1.0f);
    EXPECT_FLOAT_EQ(CHerramientaCarteles::Alfa(0, 120), 0.0f);
    EXPECT_FLOAT_EQ(CHerramientaCarteles::Alfa(120, 120), 0.0f);
    EXPECT_FLOAT_EQ(CHerramientaCarteles::Alfa(0, 0), 0.0f);

    CHerramientaCarteles c;
    c.m_bCreado = true;
    c.Muestra(0, 120);
    for (int i = 0; i < 50; ++i) c.Actualiza();
    EXPECT_EQ(c.Tipo(), 0);
    EXPECT_EQ(c.Contador(), 50);
    c.Muestra(4, 180);  // a new banner starts over at once
    EXPECT_EQ(c.Tipo(), 4);
    EXPECT_EQ(c.Contador(), 0);
    for (int i = 0; i < 181; ++i) c.Actualiza();
    EXPECT_EQ(c.Tipo(), CHerramientaCarteles::kNinguno);
    // Nothing to show: no frames, or a kind without a picture.
    for (auto [tipo, pasos] : {std::pair{1, 0}, {1, -5}, {2, 120}, {7, 120}, {9, 120}, {-1, 120}}) {
        c.Muestra(1, 120);
        c.Muestra(tipo, pasos);
        EXPECT_EQ(c.Tipo(), CHerramientaCarteles::kNinguno) << tipo << " " << pasos;
    }
    c.m_bCreado = false;

    // Fanfares outside 0..6 play nothing.
    CHerramientaEventoSonido f;
    f.Carga(nullptr, nullptr);
    f.TocaFanfarria(7);
    f.TocaFanfarria(-1);
    EXPECT_EQ(f.m_iUltima, -1);
    for (int i = 0; i < CHerramientaEventoSonido::kNumFanfarrias; ++i)
        EXPECT_NE(CHerramientaEventoSonido::RanuraFanfarria(i), nullptr);
}

TEST(AsistenciaVisual, ShownAfterALineWithoutCrossingsInTheFirstTwoChapters)
{
    RegistroNivel nivel;
    CHerramientaAsistenciaVisual a;
    a.m_bCreado = true;
    a.m_pNivel = &nivel;
    struct Caso {
        int modo, grupo;
        bool muestra;
    } casos[] = {{MODO_HISTORIA, 0, true},  {MODO_HISTORIA, 1, true},         {MODO_HISTORIA, 2, false},
                 {MODO_HISTORIA, 11, false}, {MODO_SOLO_CONCENTRAR, 0, false}, {MODO_SOLO_SELLOS, 1, false}};
    for (const Caso& c : casos) {
        nivel.MODOJUEGO = c.modo;
        nivel.m_iGrupo = c.grupo;
        a.m_bMostrando = false;
        a.FinDeLinea(0);
        EXPECT_EQ(a.Mostrando(), c.muestra) << c.modo << " " << c.grupo;
    }
    nivel.MODOJUEGO = MODO_HISTORIA;
    nivel.m_iGrupo = 0;
    a.FinDeLinea(0);
    for (int i = 0; i < 3; ++i) {
        a.FinDeLinea(2);
        EXPECT_TRUE(a.Mostrando()) << i;
    }
    a.FinDeLinea(1);
    EXPECT_FALSE(a.Mostrando());
    // The level fades in and out with it.
    a.FinDeLinea(0);
    for (int i = 0; i < 30; ++i) a.Actualiza();
    EXPECT_FLOAT_EQ(a.Nivel(), 1.0f);
    a.Desactiva();
    EXPECT_FALSE(a.Mostrando());
    a.FinDeLinea(0);
    EXPECT_FALSE(a.Mostrando());
    for (int i = 0; i < 30; ++i) a.Actualiza();
    EXPECT_FLOAT_EQ(a.Nivel(), 0.0f);
    a.Activa();
    a.FinDeLinea(0);
    EXPECT_TRUE(a.Mostrando());
    a.m_bCreado = false;
}

// The character left in its default mood reacts once after 601 frames and
// comes back 301 frames later; the mood it already shows does nothing
// unless forced; the texts are made anew only when they change.
TEST(Hud, MoodsAndTextsInAStage)
{
    CPartidaPrueba p("animos");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    ASSERT_TRUE(p.Continua());
    CMenuJuego* j = p.Juego();
    kit::CJuegoPrueba& juego = p.JuegoPrueba();
    // Banner 0 and fanfare 2 open the diamonds.
    EXPECT_EQ(j->m_pCarteles->Tipo(), 0);
    EXPECT_EQ(j->m_pEventoSonido->m_iUltima, 2);
    ASSERT_NE(g_pGestorSonido->GetCanal(CHerramientaEventoSonido::kCanal), nullptr);
    EXPECT_STREQ(g_pGestorSonido->GetCanal(CHerramientaEventoSonido::kCanal)->m_szUltimaRanura,
                 juego::musica::RAN_FANFARRIA_CONCENTRA_ENERGIA);
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    CHerramientaMarcadores* m = j->m_pMarcadores;
    ASSERT_TRUE(m && m->m_bCreado);
    ASSERT_TRUE(m->m_bPersonaje);
    // Every tool's pictures are in use while the level shows, so they draw.
    EXPECT_TRUE(m->m_SPMHud.EstaEnUso());
    EXPECT_TRUE(m->m_SPMPersonaje.EstaEnUso());
    EXPECT_TRUE(j->m_pCarteles->m_SPM.EstaEnUso());
    EXPECT_TRUE(j->m_pAsistencia->m_SPM.EstaEnUso());
    EXPECT_TRUE(j->m_pEstadosCursor->m_SPMCursor.EstaEnUso());

    // Keep the clock at its start: the default mood stays joy.
    const auto paso = [&] {
        j->m_iTiempoUsado = 1;
        juego.Paso();
    };
    paso();
    EXPECT_EQ(m->AnimoDefecto(), ANIMO_ALEGRIA);
    m->PonAnimo(ANIMO_ALEGRIA, true);
    const int v0 = m->VocesTocadas();
    for (int i = 0; i < 100; ++i) paso();
    m->PonAnimo(ANIMO_ALEGRIA);
    EXPECT_EQ(m->VocesTocadas(), v0);
    EXPECT_EQ(m->ContadorAnimo(), 100);
    // The counts skip ahead to just before their limits.
    m->m_iContadorAnimo = 590;
    for (int i = 590; i < 600; ++i) paso();
    EXPECT_EQ(m->Animo(), ANIMO_ALEGRIA);
    paso();
    EXPECT_EQ(m->Animo(), ANIMO_EUFORIA);
    EXPECT_EQ(m->VocesTocadas(), v0 + 1);
    for (int i = 0; i < 10; ++i) paso();
    m->m_iContadorAnimo = 290;
    for (int i = 290; i < 300; ++i) paso();
    EXPECT_EQ(m->Animo(), ANIMO_EUFORIA);
    paso();
    EXPECT_EQ(m->Animo(), ANIMO_ALEGRIA);
    EXPECT_EQ(m->AnimoAnterior(), ANIMO_EUFORIA);
    EXPECT_EQ(m->VocesTocadas(), v0 + 2);
    // Moods outside 0..6 are ignored; the portrait's layers follow the mood.
    m->PonAnimo(7, true);
    m->PonAnimo(-1, true);
    EXPECT_EQ(m->Animo(), ANIMO_ALEGRIA);
    m->PonAnimo(ANIMO_TRISTEZA);
    for (int i = 0; i < 20; ++i) paso();
    EXPECT_FLOAT_EQ(m->m_afCapas[0], 1.0f);
    EXPECT_FLOAT_EQ(m->m_afCapas[2], 0.0f);

    // The time text changes once a second, the score text never while idle.
    j->m_iTiempoUsado = 0;
    juego.Paso();
    const int rp = m->RenderPuntos(), rt = m->RenderTiempo();
    juego.Pasos(90);
    EXPECT_EQ(m->RenderPuntos(), rp);
    EXPECT_GE(m->RenderTiempo() - rt, 2);
    EXPECT_LE(m->RenderTiempo() - rt, 4);
    // The score bar eases towards the score by 0.005 a frame.
    const float b0 = m->m_fBarraPuntos;
    j->m_iPuntuacion = j->Objetivo() / 2;
    juego.Pasos(10);
    EXPECT_NEAR(m->m_fBarraPuntos - b0, 0.05f, 0.006f);
    EXPECT_EQ(m->m_sPuntos, CHerramientaMarcadores::TextoPuntos(j->Objetivo() / 2, j->Objetivo()));

    // No target and no limit: no score text, a full score bar, no clock and
    // a joyful default.
    j->m_iObjetivo = PUNTUACION_SIN_OBJETIVO;
    j->m_Nivel.TIEMPOLIMITE = -1;
    const int rp2 = m->RenderPuntos(), rt2 = m->RenderTiempo();
    m->m_fBarraPuntos = 0.98f;
    juego.Pasos(65);
    EXPECT_EQ(m->RenderPuntos(), rp2);
    EXPECT_EQ(m->RenderTiempo(), rt2);
    EXPECT_FLOAT_EQ(m->m_fBarraPuntos, 1.0f);
    EXPECT_EQ(m->AnimoDefecto(), ANIMO_ALEGRIA);

    // The attacks mode's bars: fractions held to 0..1, eased.
    for (int i = 0; i < 10; ++i) m->DibujaModoAtaques(nullptr, 0.0f, 3.0f, 0.7f);
    EXPECT_NEAR(m->m_fBarraAtaques1, 0.05f, 1e-4);
    EXPECT_NEAR(m->m_fBarraAtaques2, 0.05f, 1e-4);
    for (int i = 0; i < 10; ++i) m->DibujaModoAtaques(nullptr, 0.5f, std::nanf(""), -2.0f);
    EXPECT_NEAR(m->m_fBarraAtaques1, 0.0f, 1e-4);
    EXPECT_NEAR(m->m_fBarraAtaques2, 0.0f, 1e-4);

    // A level without a character: no portrait, no voice; the rest shows.
    RegistroNivel sinNadie = j->Nivel();
    sinNadie.m_Personaje.Inicializa();
    sinNadie.IDPERSOVS = -1;
    ASSERT_TRUE(m->Carga(j, &sinNadie));
    EXPECT_FALSE(m->m_bPersonaje);
    EXPECT_FALSE(m->m_bRival);
    m->PonAnimo(ANIMO_EUFORIA, true);
    m->PonAnimo(ANIMO_TRISTEZA, true);
    EXPECT_EQ(m->VocesTocadas(), 0);
    EXPECT_EQ(m->Animo(), ANIMO_TRISTEZA);
    j->m_iObjetivo = 40;
    juego.Pasos(5);
    EXPECT_EQ(m->m_sPuntos, CHerramientaMarcadores::TextoPuntos(j->Puntuacion(), 40));
    ASSERT_TRUE(m->Carga(j, &j->m_Nivel));
}

// With every tool's loading made to fail the stage plays on: the tools
// answer as if nothing happened and draw nothing.
TEST(Herramientas, AStageRunsWithToolsThatFailedToLoad)
{
    CPartidaPrueba p("fallo");
    ASSERT_TRUE(p.Iniciado());
    g_bFallaCargaHerramientas = true;
    const bool bEmpieza = EnDiamantes(p);
    g_bFallaCargaHerramientas = false;
    ASSERT_TRUE(bEmpieza);
    CMenuJuego* j = p.Juego();
    CHerramientaEstadosCursor* c = j->m_pEstadosCursor;
    EXPECT_FALSE(c->m_bCreado);
    EXPECT_FALSE(j->m_pMarcadores->m_bCreado);
    EXPECT_FALSE(j->m_pCarteles->m_bCreado);
    EXPECT_FALSE(j->m_pAsistencia->m_bCreado);
    c->AplicaMaldicion(7);
    c->Escudo();
    EXPECT_TRUE(c->PuedeTrazar());
    EXPECT_TRUE(c->PermiteContacto());
    EXPECT_TRUE(c->PermiteMaldiciones());
    EXPECT_FALSE(c->EnPersecucion());
    EXPECT_FALSE(c->EscudoActivo());
    EXPECT_EQ(c->Oscurecimiento(), 0.0f);
    j->m_pMarcadores->PonAnimo(ANIMO_EUFORIA, true);
    j->m_pCarteles->Muestra(4, 120);
    EXPECT_EQ(j->m_pCarteles->Tipo(), CHerramientaCarteles::kNinguno);
    j->m_pAsistencia->FinDeLinea(0);
    EXPECT_FALSE(j->m_pAsistencia->Mostrando());
    int iLineas = 0;
    for (int i = 0; i < 300; i += 30) {
        if (j->Fase() == FASE_DIAMANTES && p.JuegaLinea() >= 0) ++iLineas;
        p.JuegoPrueba().Pasos(30);
    }
    EXPECT_GT(iLineas, 0);
    EXPECT_GT(j->LineasUsadas(), 0);
    EXPECT_TRUE(p.JuegoAbierto());
}
