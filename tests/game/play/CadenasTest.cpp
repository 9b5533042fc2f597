// The rules of chains, without a screen: crossings of a new move, the
// markers of the crossings to come, the shards' order, a line's end and the
// mood it leaves.
#include "game/play/JugadaTrazada.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A zigzag over a square: 0 (0,0), 1 (100,100), 2 (100,0), 3 (0,100). The
// segment 2 -> 3 crosses 0 -> 1.
const std::vector<Punt2D> kCuadrado = {{0, 0}, {100, 100}, {100, 0}, {0, 100}};

} // namespace

TEST(Cadenas, TablaMaximoCrucesFollowsItsRuleBeyondFourteen)
{
    const struct {
        int n, maximo;
    } casos[] = {{-1, 0}, {0, 0}, {3, 0}, {4, 1}, {5, 3}, {6, 6}, {14, 66}, {15, 78}, {20, 153}};
    for (const auto& c : casos) EXPECT_EQ(TablaMaximoCruces(c.n), c.maximo) << c.n;
}

TEST(Cadenas, CrossingsOfANewMove)
{
    const struct {
        const char* caso;
        std::vector<Punt2D> centros;
        Punt2D puntero;
        int cruces;
    } casos[] = {
        // Three moves never cross, wherever the pointer is.
        {"three moves", {{0, 0}, {100, 100}, {100, 0}}, {-50, 200}, 0},
        {"a fourth across the first segment", kCuadrado, {0, 100}, 1},
        // The pointer, not the piece's centre, ends the new segment.
        {"the pointer short of the first segment", kCuadrado, {90, 10}, 0},
        // The segment next to the new one is never tested.
        {"along the adjacent segment", {{0, 0}, {50, 0}, {100, 100}, {100, 0}}, {100, 200}, 0},
        {"a fifth leading away", {{0, 0}, {100, 100}, {100, 0}, {0, 100}, {-100, 50}}, {-100, 50}, 0},
        // A level segment crossed exactly at its middle, its far end a
        // rounding away from level.
        {"across a level segment", {{712, 384}, {312, 383.99997f}, {612, 557.2f}, {412, 210.8f}}, {412, 210.8f}, 1},
        {"a fifth back across both", {{0, 0}, {100, 100}, {100, 0}, {0, 100}, {150, 50}}, {150, 50}, 2},
    };
    for (const auto& c : casos) EXPECT_EQ(CrucesNuevaJugada(c.centros, c.puntero), c.cruces) << c.caso;

    // Five points in convex position pressed in zigzag order cross every
    // non-adjacent pair: 0 + 0 + 0 + 1 + 2 = 3 = X(5).
    const std::vector<Punt2D> estrella = {{0, -100}, {59, 81}, {-95, -31}, {95, -31}, {-59, 81}};
    int total = 0;
    for (size_t n = 1; n <= estrella.size(); ++n) {
        const std::vector<Punt2D> c(estrella.begin(), estrella.begin() + static_cast<long>(n));
        total += CrucesNuevaJugada(c, c.back());
    }
    EXPECT_EQ(total, TablaMaximoCruces(5));
}

TEST(Cadenas, MarkersShowWhereThePointerWouldCross)
{
    // Three moves: the segment from the newest to the pointer is tested
    // against 0 -> 1 only (1 -> 2 ends at the newest).
    const std::vector<Punt2D> tres = {{0, 0}, {100, 100}, {100, 0}};
    const std::vector<MarcaCruce> m = MarcasDeCruce(tres, Punt2D{0, 100});
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NEAR(m[0].punto.x, 50.0f, 0.01f);
    EXPECT_NEAR(m[0].punto.y, 50.0f, 0.01f);
    EXPECT_EQ(m[0].k, 0);
    EXPECT_TRUE(MarcasDeCruce(tres, Punt2D{200, 0}).empty());
    EXPECT_TRUE(MarcasDeCruce({{0, 0}, {100, 100}}, Punt2D{0, 100}).empty());
}

TEST(Cadenas, ShardOrder)
{
    const DatosRush sinRush;
    const struct {
        const char* caso;
        int orden, ultima;
        bool esperado;
    } casos[] = {
        {"any shard first", 5, -1, true},
        {"after 0, the last wraps round", 9, 0, true},
        {"after 0, the next", 1, 0, true},
        {"after 0, not two ahead", 2, 0, false},
        {"after 1, the next", 2, 1, true},
        {"after 9, 0 wraps", 0, 9, true},
    };
    for (const auto& c : casos) EXPECT_EQ(EsquirlaSiguiente(c.orden, c.ultima, 10, false, sinRush, -1), c.esperado) << c.caso;

    // A rush of three runs: 0..3 colour 0, 4..6 colour 1, 7..9 colour 2.
    const DatosRush rush = PreparaSellosRush({0, 0, 0, 0, 1, 1, 1, 2, 2, 2});
    EXPECT_EQ(rush.m_aiCuenta[1], 3);
    EXPECT_EQ(rush.m_aiPrimera[1], 4);
    EXPECT_EQ(rush.m_aiUltima[1], 6);
    EXPECT_EQ(rush.m_aiCuenta[3], 0);
    EXPECT_EQ(rush.m_aiPrimera[3], -1);
    // Inside colour 1, its first wraps to its last and back.
    EXPECT_TRUE(EsquirlaSiguiente(6, 4, 10, true, rush, 1));
    EXPECT_TRUE(EsquirlaSiguiente(4, 6, 10, true, rush, 1));
    EXPECT_FALSE(EsquirlaSiguiente(3, 4, 10, true, rush, 1));
    EXPECT_FALSE(EsquirlaSiguiente(7, 6, 10, true, rush, 1));
    // A colour outside the rush data qualifies nothing.
    EXPECT_FALSE(EsquirlaSiguiente(5, 4, 10, true, rush, 7));
}

TEST(Cadenas, MoodOfAFinishedLine)
{
    // X(8) = 15: a quarter truncates to 3, a half to 7.
    const struct {
        int cruces, movimientos, animo;
    } casos[] = {{0, 8, 1}, {2, 8, 2}, {3, 8, 3}, {6, 8, 3}, {7, 8, 6}, {15, 8, 6}, {1, 4, 6}, {1, 5, 6}};
    for (const auto& c : casos)
        EXPECT_EQ(AnimoPorCalidad(c.cruces, c.movimientos), c.animo) << c.cruces << " of " << c.movimientos;
}

TEST(Cadenas, LineCheck)
{
    const struct {
        const char* caso;
        bool diamantes;
        int piezas, asentadas, cogidas, maximo;
        bool terminada, completa;
    } casos[] = {
        {"under way", true, 10, 2, 3, 6, false, false},
        {"taken to the maximum, not settled", true, 10, 5, 6, 6, false, true},
        {"settled at the maximum", true, 10, 6, 6, 6, true, true},
        // A colour with fewer pieces than the maximum is taken whole.
        {"a small colour taken whole", true, 3, 3, 3, 6, true, true},
        {"a small colour, one settling", true, 3, 2, 3, 6, false, true},
        // The shards' line is complete only with every shard, and never
        // finishes as a diamond line does.
        {"shards at the maximum", false, 10, 6, 6, 6, false, false},
        {"every shard", false, 10, 10, 10, 6, false, true},
    };
    for (const auto& c : casos) {
        const EstadoLinea e = EvaluaLinea(c.diamantes, c.piezas, c.asentadas, c.cogidas, c.maximo);
        EXPECT_EQ(e.bTerminada, c.terminada) << c.caso;
        EXPECT_EQ(e.bCompleta, c.completa) << c.caso;
    }
}
