// Bonuses and their generators: which kind a draw gives, how long a bonus
// lives in each state, and what each pick does (the multiplier and its
// badge, time back, duplication, longer lines, the purge); picks are not
// possible while the cursor forbids contact. Update and draw run on every
// step.
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "game/play/Bonus.h"
#include "game/play/GeneradorBonus.h"
#include "game/play/Maldicion.h"
#include "game/play/MenuJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Bonuses : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pJuego = new kit::CJuegoPrueba("bonuses"); }
    static void TearDownTestSuite()
    {
        delete s_pJuego;
        s_pJuego = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_pJuego && s_pJuego->Iniciado());
        ReiniciaAleatorio(5);
    }
    static kit::CJuegoPrueba* s_pJuego;
};
kit::CJuegoPrueba* Bonuses::s_pJuego = nullptr;

PorcentajesBonus Registro(std::array<float, 9> a, int iPeriodo)
{
    PorcentajesBonus r;
    r.m_afPorcentajes = a;
    r.m_iPeriodo = iPeriodo;
    r.m_bValido = true;
    return r;
}

// The tool and a level (and a play screen for what the picks reach).
struct Banco {
    RegistroNivel nivel;
    CMenuJuego juego;
    CHerramientaBonuses h;
    explicit Banco(int iLimite = -1)
    {
        nivel.TIEMPOLIMITE = iLimite;
        h.Carga(&juego, &nivel);
    }
    void Paso(float px = -100.0f, float py = -100.0f, bool bCoger = true)
    {
        h.Actualiza(px, py, bCoger);
        h.Dibuja(nullptr, 0.0f);
    }
    // A bonus of the kind, available at (x, y) and standing still.
    CBonus* Disponible(int iTipo, float x, float y)
    {
        h.CreaBonus(iTipo, x, y);
        auto* b = static_cast<CBonus*>(h.Bonus().m_pCabeza->m_pItem);
        for (int i = 0; i < 16; ++i) b->Actualiza();
        b->m_fX = x;
        b->m_fY = y;
        b->m_fVelocidad = 0.0f;
        return b;
    }
    // Picks a bonus of the kind where nothing else is.
    void Coge(int iTipo)
    {
        CBonus* b = Disponible(iTipo, 900.0f, 700.0f);
        ASSERT_EQ(b->Estado(), BONUS_DISPONIBLE);
        h.Actualiza(b->m_fX, b->m_fY, true);
        ASSERT_EQ(b->Estado(), BONUS_RECOGIDO);
    }
};

TEST_F(Bonuses, TheSharesPickAKind)
{
    struct Caso {
        std::array<float, 9> a;
        float u;
        int iTipo;
    };
    const std::vector<Caso> casos = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.0f, -1},           // all weights 0: nothing ever
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.5f, -1},
        {{0.5f, 0.25f, 0.25f, 0, 0, 0, 0, 0, 0}, 1.0f, -1}, // u = 1 with a sum of exactly 1
        {{0.5f, 0.25f, 0.25f, 0, 0, 0, 0, 0, 0}, 0.0f, 0},
        {{0.5f, 0.25f, 0.25f, 0, 0, 0, 0, 0, 0}, 0.5f, 1},
        {{0.5f, 0.25f, 0.25f, 0, 0, 0, 0, 0, 0}, 0.99f, 2},
        {{0, 0, 0, 0, 0, 0, 0, 0.5f, 0.5f}, 0.75f, 8},      // the ninth share
        {{0, 0, 0, 0, 0, 0, 0, 0, 1.0f}, 0.0f, 8},
    };
    for (const Caso& c : casos) EXPECT_EQ(CGeneradorBonus::EligeTipo(Registro(c.a, 10), c.u), c.iTipo) << c.u;

    // A generator whose weights are all 0 never releases; one of period 0 neither.
    Banco b;
    const PorcentajesBonus cero = Registro({0, 0, 0, 0, 0, 0, 0, 0, 0}, 5);
    const PorcentajesBonus sinPeriodo = Registro({1, 0, 0, 0, 0, 0, 0, 0, 0}, 0);
    const PorcentajesBonus todo3 = Registro({0, 0, 0, 1, 0, 0, 0, 0, 0}, 20);
    b.h.ActivaGenerador(0, &cero);
    b.h.ActivaGenerador(1, &sinPeriodo);
    for (int i = 0; i < 200; ++i) b.Paso();
    EXPECT_EQ(b.h.Creados(), 0);
    // One that releases every 20 steps, at its place; indices outside 0..4 are ignored.
    b.h.ActivaGenerador(3, &todo3);
    b.h.ActivaGenerador(5, &todo3);
    b.h.ActivaGenerador(-1, &todo3);
    for (int i = 0; i < 19; ++i) b.Paso();
    EXPECT_EQ(b.h.Creados(), 0);
    b.Paso();
    ASSERT_EQ(b.h.NumBonus(), 1);
    const auto* nuevo = static_cast<CBonus*>(b.h.Bonus().m_pCabeza->m_pItem);
    EXPECT_EQ(nuevo->Tipo(), 3);
    EXPECT_NEAR(nuevo->m_fX, 300.0f, 3.0f);
    EXPECT_NEAR(nuevo->m_fY, 103.0f, 3.0f);
    EXPECT_EQ(b.h.Generador(5), nullptr);
    // Kinds outside 0..8 make nothing and count nothing.
    b.h.CreaBonus(9, 0, 0);
    b.h.CreaBonus(-1, 0, 0);
    EXPECT_EQ(b.h.Creados(), 1);
}

TEST_F(Bonuses, ABonusLivesItsStates)
{
    // Steps in each state when it is not picked, then when picked.
    Banco b;
    b.h.CreaBonus(0, 512.0f, 384.0f);
    auto* bonus = static_cast<CBonus*>(b.h.Bonus().m_pCabeza->m_pItem);
    std::vector<std::pair<int, int>> estados;   // (state, steps in it)
    for (int i = 0; i < 600 && b.h.NumBonus() > 0; ++i) {
        const int e = bonus->Estado();
        b.Paso();
        if (b.h.NumBonus() == 0) break;
        if (estados.empty() || estados.back().first != e) estados.push_back({e, 0});
        ++estados.back().second;
    }
    const std::vector<std::pair<int, int>> esperado = {
        {BONUS_APARECIENDO, 16}, {BONUS_DISPONIBLE, 451}, {BONUS_DESAPARECIENDO, 15}};
    ASSERT_GE(estados.size(), 3u);
    for (size_t i = 0; i < esperado.size(); ++i) {
        EXPECT_EQ(estados[i].first, esperado[i].first) << i;
        EXPECT_EQ(estados[i].second, esperado[i].second) << i;
    }
    // It wanders near the centre meanwhile.
    EXPECT_EQ(b.h.NumBonus(), 0);

    // While the cursor forbids contact nothing is picked, yet bonuses age and go.
    CBonus* c = b.Disponible(6, 400.0f, 400.0f);
    for (int i = 0; i < 455; ++i) b.Paso(c->m_fX, c->m_fY, false);
    EXPECT_EQ(b.h.Cogidos(), 0);
    EXPECT_EQ(c->Estado(), BONUS_DESAPARECIENDO);
}

TEST_F(Bonuses, TheMultiplierClimbsToSixAndRunsOut)
{
    Banco b;
    EXPECT_EQ(b.h.Multiplicador(), 1);
    const int esperado[] = {2, 4, 6, 6};
    for (int k = 0; k < 4; ++k) {
        b.Coge(1);
        EXPECT_EQ(b.h.Multiplicador(), esperado[k]);
        EXPECT_EQ(b.h.m_iPasosMultiplicador, 449);   // restarted by each pick
        for (int i = 0; i < 100; ++i) b.Paso();
    }
    EXPECT_EQ(b.h.Cogidos(), 4);
    // The badge settles at its rest size, pulses, and goes when the multiplier does.
    EXPECT_EQ(b.h.m_iInsignia, CHerramientaBonuses::kInsigniaReposo);
    b.h.PulsaInsignia();
    b.Paso();
    EXPECT_EQ(b.h.m_iInsignia, 44);
    for (int i = 0; i < 348; ++i) b.Paso();
    EXPECT_EQ(b.h.Multiplicador(), 6);
    b.Paso();
    EXPECT_EQ(b.h.Multiplicador(), 1);
    for (int i = 0; i < 40; ++i) b.Paso();
    EXPECT_EQ(b.h.m_iInsignia, 0);
}

TEST_F(Bonuses, TimeBackAndLongerLines)
{
    Banco conLimite(3000);
    conLimite.juego.m_iTiempoUsado = 1000;
    conLimite.Coge(2);
    EXPECT_EQ(conLimite.juego.m_iTiempoUsado, 850);
    conLimite.juego.m_iTiempoUsado = 100;
    conLimite.Coge(2);
    EXPECT_EQ(conLimite.juego.m_iTiempoUsado, 0);

    Banco sinLimite(-1);
    sinLimite.juego.m_iTiempoUsado = 1000;
    sinLimite.Coge(2);
    EXPECT_EQ(sinLimite.juego.m_iTiempoUsado, 1000);

    // Two picks 100 steps apart: +2 pieces until 900 steps after the second.
    Banco b;
    b.Coge(5);
    EXPECT_EQ(b.h.PiezasExtra(), 1);
    for (int i = 0; i < 99; ++i) b.Paso();
    b.Coge(5);
    EXPECT_EQ(b.h.PiezasExtra(), 2);
    for (int i = 0; i < 898; ++i) b.Paso();
    EXPECT_EQ(b.h.PiezasExtra(), 2);
    b.Paso();
    EXPECT_EQ(b.h.PiezasExtra(), 0);
}

TEST_F(Bonuses, DuplicationDoublesWhatMayBeDoubled)
{
    Banco vacio;
    vacio.Coge(4);
    vacio.Paso();
    EXPECT_EQ(vacio.h.Creados(), 1);
    EXPECT_EQ(vacio.h.Duplicaciones(), 0);

    Banco b;
    b.Disponible(1, 200.0f, 200.0f);
    b.Disponible(7, 300.0f, 200.0f);
    b.Disponible(8, 400.0f, 200.0f);
    b.Disponible(0, 500.0f, 200.0f);   // kind 0 is never doubled
    b.Coge(4);                          // neither is kind 4
    EXPECT_EQ(b.h.Creados(), 5 + 6);
    EXPECT_EQ(b.h.Duplicaciones(), 3);
    EXPECT_EQ(b.h.CreadosTipo4(), 1);
    int iDeTipo1 = 0;
    for (NodoLista* p = b.h.Bonus().m_pCabeza; p; p = p->m_pSiguiente)
        if (static_cast<CBonus*>(p->m_pItem)->Tipo() == 1) ++iDeTipo1;
    EXPECT_EQ(iDeTipo1, 3);
    for (int i = 0; i < 30; ++i) b.Paso();
}

TEST_F(Bonuses, ThePurgeEndsEveryCurseWithAWhiteFlash)
{
    Banco b;
    b.nivel.ATAQUEENEMIGO.m_aiTipo = {4, 0, 2};
    b.nivel.ATAQUEENEMIGO.m_aiEspera = {10, 0, 10};
    b.nivel.ATAQUEENEMIGO.m_aiDuracion = {1000, 0, 1000};
    b.nivel.ATAQUEENEMIGO.m_aiIntervalo = {5, 0, 5};
    b.juego.m_pAtaques = new CHerramientaAtaques;
    CHerramientaAtaques& a = *b.juego.m_pAtaques;
    ASSERT_TRUE(a.Carga(nullptr, &b.nivel));
    for (int i = 0; i < 60; ++i) a.Actualiza(-100.0f, -100.0f, true);
    ASSERT_GT(a.NumMaldiciones(), 0);
    ASSERT_EQ(a.RanuraActual(), 0);
    b.Coge(8);
    for (NodoLista* p = a.Maldiciones().m_pCabeza; p; p = p->m_pSiguiente)
        EXPECT_EQ(static_cast<CMaldicion*>(p->m_pItem)->Estado(), MALDICION_MUERTA);
    EXPECT_EQ(a.RanuraActual(), 2);
    EXPECT_TRUE(a.Esperando());
    a.Actualiza(-100.0f, -100.0f, true);
    EXPECT_EQ(a.NumMaldiciones(), 0);
    // The screen is white and clears.
    ASSERT_NE(g_pAplicacion, nullptr);
    EXPECT_GT(g_pAplicacion->NivelFundido(), 0.9f);

    // In a level without attacks the purge ends nothing and returns.
    Banco sinAtaques;
    sinAtaques.juego.m_pAtaques = new CHerramientaAtaques;
    ASSERT_TRUE(sinAtaques.juego.m_pAtaques->Carga(nullptr, &sinAtaques.nivel));
    sinAtaques.Coge(8);
    EXPECT_EQ(sinAtaques.juego.m_pAtaques->RanuraActual(), -1);
    s_pJuego->Pasos(100);
}

} // namespace
