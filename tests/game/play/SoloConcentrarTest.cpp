// The concentration play screen: its colour, pool and target rules, and as
// a player meets it from the extra-modes menu: levels chained by their
// targets, time given back, the last level's victory, and the endless
// level's time-out with the score kept.
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "kit/game/ModosPrueba.h"

#include <gtest/gtest.h>

#include <vector>

using C = CMenuJuegoSoloConcentrar;
using M = CMenuParametrosModosExtra;

TEST(SoloConcentrar, ColoursPoolsAndLineMaximumFollowTheirRules)
{
    int c = 3, bajo = 2, alto = 5;
    std::vector<int> v;
    for (int i = 0; i < 20; ++i) {
        C::SiguientesColores(c, bajo, alto);
        v.push_back(c);
    }
    const std::vector<int> esperado = {4, 2, 3, 4, 5, 3, 4, 5, 6, 4, 5, 6, 5, 6, 6, 7, 7, 7, 7, 7};
    EXPECT_EQ(v, esperado);

    for (int l = 0; l < 7; ++l) EXPECT_EQ(C::PoolDeNivel(l), 0) << l;
    for (int l = 7; l < 14; ++l) EXPECT_EQ(C::PoolDeNivel(l), 1) << l;
    for (int l : {14, 20, 100}) EXPECT_EQ(C::PoolDeNivel(l), 2) << l;
    // An empty pool falls back to the one before it.
    EXPECT_EQ(C::PoolConFiguras(2, {10, 10, 10}), 2);
    EXPECT_EQ(C::PoolConFiguras(2, {10, 10, 0}), 1);
    EXPECT_EQ(C::PoolConFiguras(2, {10, 0, 0}), 0);
    EXPECT_EQ(C::PoolConFiguras(0, {0, 3, 0}), 1);
    EXPECT_EQ(C::PoolConFiguras(1, {0, 0, 0}), -1);

    EXPECT_EQ(C::MaximoTrasLineaMaxima(6), 7);
    EXPECT_EQ(C::MaximoTrasLineaMaxima(11), 12);
    EXPECT_EQ(C::MaximoTrasLineaMaxima(12), 12);

    // Past the level file's twenty levels, its values for every further one.
    RegistroNivel n;
    for (int i = 0; i < NIVELES_TABLA_CONCENTRAR; ++i) {
        n.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR[static_cast<size_t>(i)] = 1000 + 500 * i;
        n.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[static_cast<size_t>(i)] = 30 * i;
    }
    n.INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR = 77;
    n.TIEMPOEXTRAALACABARSOLOCONCENTRAR = 44;
    EXPECT_EQ(C::IncrementoObjetivo(n, 0), 1000);
    EXPECT_EQ(C::IncrementoObjetivo(n, 19), 10500);
    EXPECT_EQ(C::IncrementoObjetivo(n, 20), 77);
    EXPECT_EQ(C::TiempoExtra(n, 19), 570);
    EXPECT_EQ(C::TiempoExtra(n, 25), 44);
}

namespace {

// The level table's concentration entry of a difficulty, with targets of
// 1000, 1500, ... and the extra time given.
EntradaNivel* Entrada(int d, int parte)
{
    EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(d, 15, parte);
    if (!e) return nullptr;
    for (int i = 0; i < NIVELES_TABLA_CONCENTRAR; ++i)
        e->m_Registro.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR[static_cast<size_t>(i)] = 1000 + 500 * i;
    return e;
}

// Reaches the present board's target: the next step's line check goes on.
void AlcanzaObjetivo(kit::CModosPrueba& m)
{
    CMenuJuego* j = m.Juego();
    j->m_iPuntuacion = j->Objetivo();
    m.JuegoPrueba().Paso();
}

} // namespace

TEST(SoloConcentrar, LevelsChainByTheirTargetsToTheLastOne)
{
    kit::CModosPrueba m("concentrar");
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(0);
    EntradaNivel* e = Entrada(0, 0);
    ASSERT_NE(e, nullptr);
    e->m_Registro.MAXNIVEL_SOLOCONCENTRAR = 4;
    e->m_Registro.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR.fill(0);
    e->m_Registro.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[1] = 100000;
    e->m_Registro.NIVELACTIVACIONBONUSESSOLOCONCENTRAR = {-1, 2, 3, 8, 12};
    ASSERT_TRUE(m.AbreMenu(M::MODO_CONCENTRAR));
    ASSERT_TRUE(m.EmpiezaNivel(0)) << m.JuegoPrueba().Widgets();
    auto* j = dynamic_cast<C*>(m.Juego());
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->ContadorNivel(), 1);
    EXPECT_EQ(j->Objetivo(), 1000);
    EXPECT_EQ(j->Colores(), 4);
    EXPECT_EQ(j->Nivel().NUMCOLORES, 4);
    EXPECT_EQ(j->MaximoLinea(), C::kMaximoLineaInicial);
    EXPECT_EQ(j->GeneradoresActivados(), std::vector<int>{0});
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_DIAMANTES, 60));

    // Level 2: the target accumulates, the score starts again, and extra
    // time larger than the time used gives 0.
    m.JuegoPrueba().Pasos(40);
    EXPECT_GT(j->TiempoUsado(), 0);
    AlcanzaObjetivo(m);
    EXPECT_EQ(j->ContadorNivel(), 2);
    EXPECT_EQ(j->Objetivo(), 2500);
    EXPECT_EQ(j->Puntuacion(), 0);
    EXPECT_EQ(j->TiempoUsado(), 0);
    EXPECT_EQ(j->Colores(), 2);
    const std::vector<int> colores = {4, 2, 3, 4};
    for (int l = 2; l <= 4; ++l) {
        ASSERT_TRUE(m.EsperaFase(FASE_DIAMANTES, 300)) << "level " << l << " phase " << j->Fase();
        EXPECT_EQ(j->Colores(), colores[static_cast<size_t>(l - 1)]) << l;
        EXPECT_EQ(j->PoolUsado(), C::PoolDeNivel(l - 1)) << l;
        if (l < 4) AlcanzaObjetivo(m);
    }
    EXPECT_EQ(j->GeneradoresActivados(), (std::vector<int>{0, 1, 2}));
    // The bonuses tool runs a generator for each one started.
    for (int g : {0, 1, 2}) EXPECT_NE(j->m_pBonuses->Generador(g), nullptr) << g;
    // The last board's target wins (the level file's maximum, 4 here).
    AlcanzaObjetivo(m);
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
}

TEST(SoloConcentrar, TheEndlessLevelEndsAtTheTimeOutAndKeepsTheScore)
{
    kit::CModosPrueba m("sinfin");
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(1);
    ASSERT_NE(Entrada(0, 1), nullptr);
    ASSERT_TRUE(m.AbreMenu(M::MODO_CONCENTRAR));
    ASSERT_TRUE(m.EmpiezaNivel(1));
    auto* j = dynamic_cast<C*>(m.Juego());
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->NivelModo().MAXNIVEL_SOLOCONCENTRAR, -1);
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_DIAMANTES, 60));
    // A few lines by the bot; a line's points at the multiplier.
    j->PuntuaLinea(10);
    EXPECT_EQ(j->PuntuacionModo(), 10 * (j->ContadorNivel() + j->MaximoLinea()));
    // A maximum line raises the maximum to 12 at most.
    j->AlcanzaLineaMaxima(11);
    EXPECT_EQ(j->MaximoLinea(), 12);
    j->AlcanzaLineaMaxima(12);
    EXPECT_EQ(j->MaximoLinea(), 12);
    const int iPuntos = j->PuntuacionModo();
    ASSERT_GT(j->Nivel().TIEMPOLIMITE, 0);
    j->m_iTiempoUsado = j->Nivel().TIEMPOLIMITE;
    ASSERT_TRUE(m.EsperaFase(FASE_TIEMPO_AGOTADO, 10));
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
    EXPECT_EQ(m.Perfil().Puntuacion(0, 3, 0), iPuntos);
}
