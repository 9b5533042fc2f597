// The player model: crossings as play counts them, the best line through a
// colour's pieces, and whole phases played on the game's generator.
#include "engine/core/Temporizador.h"
#include "game/play/Solucionador.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

std::vector<Punt2D> Circulo(int k, float radio, float cx = 512.0f, float cy = 384.0f, float giro = 0.3f)
{
    std::vector<Punt2D> p;
    for (int i = 0; i < k; ++i) {
        const float a = giro + static_cast<float>(i) * 2.0f * static_cast<float>(M_PI) / static_cast<float>(k);
        p.push_back({cx + radio * std::cos(a), cy + radio * std::sin(a)});
    }
    return p;
}

std::vector<int> Todos(size_t n)
{
    std::vector<int> v(n);
    std::iota(v.begin(), v.end(), 0);
    return v;
}

TEST(Solucionador, ConvexPointsInZigzagCrossEveryPair)
{
    EXPECT_EQ(OrdenZigzag(5), (std::vector<int>{0, 3, 1, 4, 2}));
    EXPECT_EQ(OrdenZigzag(6), (std::vector<int>{0, 3, 1, 4, 2, 5}));
    for (int k = 4; k <= 12; ++k) {
        SCOPED_TRACE(k);
        // On a circle, and on an uneven convex curve (an ellipse with uneven
        // gaps): the zigzag of the cyclic order crosses every non-adjacent pair.
        std::vector<Punt2D> elipse;
        for (int i = 0; i < k; ++i) {
            const float a = static_cast<float>(i) * 2.0f * static_cast<float>(M_PI) / static_cast<float>(k) +
                            0.15f * std::sin(static_cast<float>(3 * i));
            elipse.push_back({512.0f + 300.0f * std::cos(a), 384.0f + 200.0f * std::sin(a)});
        }
        for (const auto& puntos : {Circulo(k, 250.0f), elipse}) {
            std::vector<Punt2D> camino;
            for (int i : OrdenZigzag(k)) camino.push_back(puntos[static_cast<size_t>(i)]);
            EXPECT_EQ(CrucesCamino(camino, 0.0f), MaximoCruces(k));
            EXPECT_EQ(CrucesCamino(camino, HOLGURA_TOQUE), MaximoCruces(k));
            EXPECT_EQ(MejorLinea(puntos, Todos(puntos.size()), k).m_iCruces, MaximoCruces(k));
        }
    }
    EXPECT_EQ(MaximoCruces(3), 0);
    EXPECT_EQ(MaximoCruces(6), 6);
    EXPECT_EQ(MaximoCruces(14), 66);
}

TEST(Solucionador, FourPointsWithOneInsideNeverCross)
{
    const std::vector<Punt2D> p = {{300, 500}, {700, 500}, {500, 150}, {500, 380}};
    std::vector<int> orden = Todos(4);
    do {
        std::vector<Punt2D> camino;
        for (int i : orden) camino.push_back(p[static_cast<size_t>(i)]);
        EXPECT_EQ(CrucesCamino(camino, 0.0f), 0);
    } while (std::next_permutation(orden.begin(), orden.end()));
    EXPECT_EQ(MejorLinea(p, Todos(4), 6).m_iCruces, 0);
    // Four in convex position give the one crossing.
    const std::vector<Punt2D> q = {{300, 500}, {700, 500}, {700, 150}, {300, 150}};
    EXPECT_EQ(MejorLinea(q, Todos(4), 6).m_iCruces, 1);
}

TEST(Solucionador, ColourWithFewerPiecesThanTheMaximumIsTakenWhole)
{
    const auto p = Circulo(10, 250.0f);
    const PlanLinea pocos = MejorLinea(p, {1, 4, 7}, 6);
    EXPECT_EQ(pocos.m_aPiezas.size(), 3u);
    EXPECT_EQ(pocos.m_iCruces, 0);
    const PlanLinea justos = MejorLinea(p, {0, 2, 4, 6, 8}, 6);
    EXPECT_EQ(justos.m_aPiezas.size(), 5u);
    EXPECT_EQ(justos.m_iCruces, 3);
    const PlanLinea largos = MejorLinea(p, Todos(10), 6);
    EXPECT_EQ(largos.m_aPiezas.size(), 6u);
    EXPECT_EQ(largos.m_iCruces, 6);
    std::vector<int> vistos = largos.m_aPiezas;
    std::sort(vistos.begin(), vistos.end());
    EXPECT_EQ(std::unique(vistos.begin(), vistos.end()), vistos.end());
}

TEST(Solucionador, CrossingsThatAnImpreciseHandLoses)
{
    const Punt2D a{100, 100}, b{300, 100}, c{200, 300};
    const struct {
        Punt2D d;
        bool juego, firme;
    } casos[] = {
        {{200, 0}, true, true},     // straight through the middle
        {{104, 95}, true, false},   // grazes the end of the segment
        {{200, 96}, true, false},   // stops just past the segment
        {{200, 110}, false, false}, // stops short
        {{400, 0}, false, false},   // passes beside it
    };
    for (const auto& c2 : casos) {
        EXPECT_EQ(SeCruzan(a, b, c, c2.d), c2.juego) << c2.d.x << "," << c2.d.y;
        EXPECT_EQ(CruceFirme(a, b, c, c2.d, HOLGURA_TOQUE), c2.firme) << c2.d.x << "," << c2.d.y;
    }
}

TEST(Solucionador, DiamondPhaseOnTheGamesGenerator)
{
    ParametrosDiamantes p;
    p.m_aTablero = Circulo(24, 250.0f);
    p.m_iColores = 3;
    p.m_iMaximo = 5;
    p.m_iObjetivo = 12;
    ModeloJugador jugador;
    jugador.m_iPasosPorToque = 30;

    ReiniciaAleatorio(11);
    const ResultadoDiamantes a = SimulaDiamantes(p, jugador);
    ReiniciaAleatorio(11);
    const ResultadoDiamantes b = SimulaDiamantes(p, jugador);
    ASSERT_TRUE(a.m_bCompletada);
    EXPECT_EQ(a.m_iPasos, b.m_iPasos);
    EXPECT_EQ(a.m_iLineas, b.m_iLineas);
    // A line of 5 scores at most 3: at least four lines, each of at least
    // four presses 30 steps apart, with settling and dissolving between them.
    EXPECT_GE(a.m_iLineas, 4);
    EXPECT_GE(a.m_iPasos, 3 * (5 * 30 + PASOS_ASENTAR + PASOS_DISOLVER) + 4 * 30);

    // A quicker hand takes less time.
    jugador.m_iPasosPorToque = 24;
    ReiniciaAleatorio(11);
    EXPECT_LT(SimulaDiamantes(p, jugador).m_iPasos, a.m_iPasos);

    // Lines of three never cross: the target is never reached.
    p.m_iMaximo = 3;
    p.m_iPasosTope = 20000;
    ReiniciaAleatorio(11);
    EXPECT_FALSE(SimulaDiamantes(p, jugador).m_bCompletada);

    // A line with every crossing raises the maximum up to its cap.
    p.m_iMaximo = 4;
    p.m_iMaximoTope = 6;
    p.m_iColores = 1;
    p.m_iObjetivo = 40;
    p.m_iPasosTope = 30 * 60 * 30;
    ReiniciaAleatorio(3);
    const ResultadoDiamantes c = SimulaDiamantes(p, jugador);
    EXPECT_TRUE(c.m_bCompletada);
    EXPECT_EQ(c.m_iMaximo, 6);
}

TEST(Solucionador, TracingWaitsForTheShardsAndTheHand)
{
    ModeloJugador jugador;
    jugador.m_iPasosPorToque = 30;
    EXPECT_EQ(SimulaTrazado(10, jugador), 300);
    // Shard i appears at step i + 15: a quick hand waits for each.
    jugador.m_iPasosPorToque = 1;
    EXPECT_EQ(SimulaTrazado(10, jugador), 24);
    jugador.m_iPasosPorToque = 5;
    EXPECT_EQ(SimulaTrazado(10, jugador), 15 + 9 * 5);
    jugador.m_iPasosPorToque = 30;
    EXPECT_EQ(SimulaTrazadoRush({4, 3, 3}, jugador), 300);
    EXPECT_EQ(SimulaTrazado(0, jugador), 0);
}

} // namespace
