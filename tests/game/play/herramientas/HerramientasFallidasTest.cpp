// The play screen with tools that could not load (curses and bonuses too),
// and the content audit
// over a story stage with the summaries, the circle's burst and every effect
// of the effect launcher.
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/FalloHerramientas.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every tool's package copies fail while it lives.
struct FalloCarga {
    FalloCarga() { g_bFallaCargaHerramientas = true; }
    ~FalloCarga() { g_bFallaCargaHerramientas = false; }
};

// Every package copy from now on fails while it lives.
struct FalloCopias {
    FalloCopias() { g_iCopiasHerramientasHastaFallo = 0; }
    ~FalloCopias() { g_iCopiasHerramientasHastaFallo = -1; }
};

} // namespace

// Tools whose load failed do nothing and answer neutrally: a stage still
// starts, plays its lines and its seal, is won and ends on its final
// summary.
TEST(HerramientasFallidas, AStagePlaysOnWithToolsThatFailedToLoad)
{
    kit::CPartidaPrueba p("herramientas_fallidas");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    FalloCarga fallo;
    ASSERT_TRUE(p.EmpiezaEtapa(0, 2));
    CMenuJuego* j = p.Juego();
    ASSERT_NE(j->m_pCirculo, nullptr);
    EXPECT_FALSE(j->m_pCirculo->EstaCreado());
    ASSERT_NE(j->Efectos(), nullptr);
    EXPECT_FALSE(j->Efectos()->EstaCreado());
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    EXPECT_GE(p.JuegaLinea(), 0);
    p.JuegoPrueba().Pasos(200);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_GT(j->TiempoUsado(), 200);

    j->m_iObjetivo = 0;
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_TRAZADO, 300)) << "phase " << j->Fase();
    p.EsperaTableroQuieto(300);
    p.TrazaSello();
    // Won while it is the next stage, this stage first tells in a message
    // that the lines grow longer.
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_MENSAJE_FINAL, 300)) << "phase " << j->Fase();
    ASSERT_TRUE(p.CierraAviso());
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 300)) << "phase " << j->Fase();
    EXPECT_GE(j->m_iPasosJugados, 300);
    EXPECT_EQ(j->Efectos()->m_iFuegos, 0);
    ASSERT_TRUE(p.Continua());
    p.JuegoPrueba().Pasos(5);
    EXPECT_EQ(j->Resultado(), RESULTADO_VICTORIA);
}

// A stage of curses and bonuses whose tools could not load: no gauge, curse
// or bonus comes, what is asked of the tools is refused, and the lines play
// on past the first attack's wait and the generators' period. Tools that
// loaded but whose curses and bonuses cannot copy their packages launch and
// release nothing.
TEST(HerramientasFallidas, AStageOfCursesAndBonusesPlaysOnWhenTheyFailToLoad)
{
    kit::CPartidaPrueba p("herramientas_fallidas_ataques");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    {
        FalloCarga fallo;
        ASSERT_TRUE(p.EmpiezaEtapa(4, 1));
    }
    CMenuJuego* j = p.Juego();
    RegistroNivel& n = j->m_Nivel;
    ASSERT_NE(CHerramientaAtaques::TipoValido(n.ATAQUEENEMIGO.m_aiTipo[0]), 0);
    ASSERT_TRUE(n.PORCENTAJEBONUSES[0].m_bValido);
    // Short waits: tools that worked would launch and release within a few
    // steps.
    n.ATAQUEENEMIGO.m_aiEspera[0] = 10;
    n.ATAQUEENEMIGO.m_aiIntervalo[0] = 5;
    n.PORCENTAJEBONUSES[0].m_iPeriodo = 20;
    CHerramientaAtaques* a = j->m_pAtaques;
    CHerramientaBonuses* b = j->m_pBonuses;
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(a->m_bCreado);
    EXPECT_FALSE(b->m_bCreado);
    EXPECT_EQ(a->LanzaMaldicionEn(1, false, 300.0f, 300.0f, 0.0f), nullptr);
    EXPECT_FALSE(a->CargaIndicador(0, 1));
    b->CreaBonus(1, 300.0f, 300.0f);
    b->ActivaGenerador(0, &n.PORCENTAJEBONUSES[0]);
    EXPECT_EQ(b->Generador(0), nullptr);

    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    EXPECT_GE(p.JuegaLinea(), 0);
    const int iPasos = 120;
    p.JuegoPrueba().Pasos(iPasos);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_GT(j->TiempoUsado(), iPasos);
    EXPECT_EQ(a->MaldicionesLanzadas(), 0);
    EXPECT_EQ(a->NumMaldiciones(), 0);
    EXPECT_EQ(b->NumBonus(), 0);
    EXPECT_EQ(b->Creados(), 0);

    // Loaded tools whose curses and bonuses cannot take their own copies.
    CHerramientaAtaques ataques;
    CHerramientaBonuses bonuses;
    ASSERT_TRUE(ataques.Carga(nullptr, &n));
    ASSERT_TRUE(bonuses.Carga(nullptr, &n));
    {
        FalloCopias fallo;
        EXPECT_EQ(ataques.LanzaMaldicionEn(1, false, 300.0f, 300.0f, 0.0f), nullptr);
        EXPECT_FALSE(ataques.CargaIndicador(1, 4));
        bonuses.CreaBonus(1, 300.0f, 300.0f);
        for (int i = 0; i < 30; ++i) {
            ataques.Actualiza(512.0f, 384.0f, true);
            ataques.Dibuja(nullptr);
            bonuses.Actualiza(512.0f, 384.0f, true);
            bonuses.Dibuja(nullptr);
        }
        EXPECT_EQ(ataques.NumMaldiciones(), 0);
        EXPECT_EQ(bonuses.NumBonus(), 0);
    }
    EXPECT_NE(ataques.LanzaMaldicionEn(1, false, 300.0f, 300.0f, 0.0f), nullptr);
    bonuses.CreaBonus(1, 300.0f, 300.0f);
    EXPECT_EQ(bonuses.NumBonus(), 1);
}

// Every picture the summaries, the circle and the launcher's effects show
// is built, in every language.
TEST(HerramientasFallidas, TheSummariesCircleAndEffectsFindAllTheirContent)
{
    kit::CJuegoPrueba juego("auditoria_herramientas");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    const auto abre = [] {
        CMenuMaestro* m = g_pMenuMaestro;
        m->EligeNivel(0, 2, 0);
        CMenuJuego* j = m->m_pMenuJuego;
        if (!j->IniciaNivel(m->m_NivelActual, true, false)) return static_cast<CMenuObj*>(nullptr);
        j->PreparaResumenInicial();
        j->PreparaResumenFinal();
        if (CHerramientaCirculoCabalistico* c = j->m_pCirculo) {
            c->PonObjetivo(100);
            c->PonPuntuacion(50);
            c->Actualiza();
            c->Destella(0);
            for (int i = 0; i < 20; ++i) c->Actualiza();
        }
        if (CHerramientaEfectos* e = j->Efectos()) {
            e->ChispasPieza(300, 300);
            e->DestelloPieza(300, 300);
            e->Estallido(300, 300);
            e->Rastro(100, 100, 400, 100);
            e->RastroDeshacer(100, 100, 100, 1200);
            e->Fuegos(512, 300);
            e->LineaMaxima(512, 300, 6, 1);
            e->CruzAlMarcador(512, 300);
            for (bool bQuemada : {false, true})
                for (bool bBrillante : {false, true}) e->Chispa(512, 300, bQuemada, bBrillante);
            for (int i = 0; i < 8; ++i) e->Hielo(512, 300);
            e->Marca(512, 300);
            e->Actualiza();
            e->Marca(512, 300);
            e->Golpe(512, 300);
            for (int i = 0; i < 6; ++i) e->Actualiza();
        }
        return static_cast<CMenuObj*>(j);
    };
    const std::vector<std::string> faltas = kit::AuditaPantallas({{"CMenuJuego", abre}}, {});
    std::string informe;
    for (const auto& l : faltas) informe += "  " + l + "\n";
    EXPECT_TRUE(faltas.empty()) << informe;
    g_pMenuMaestro->m_pMenuJuego->LiberaNivel();
}
