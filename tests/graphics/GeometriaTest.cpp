// Plane geometry, segment crossings and the layout of panels and bands.
#include "engine/graphics/Geometria.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Geometria, RotaYDistancias)
{
    Punt2D r = RotaPunt(1.0f, 0.0f, kPi / 2);
    EXPECT_NEAR(r.x, 0.0f, 1e-5f);
    EXPECT_NEAR(r.y, 1.0f, 1e-5f);
    r = RotaPunt(2.0f, 3.0f, kPi);
    EXPECT_NEAR(r.x, -2.0f, 1e-5f);
    EXPECT_NEAR(r.y, -3.0f, 1e-5f);

    EXPECT_FLOAT_EQ(Distancia(0, 0, 3, 4), 5.0f);
    EXPECT_FLOAT_EQ(DistanciaQuadrat(1, 1, 4, 5), 25.0f);
    const float p[2] = {1, 1}, q[2] = {4, 5};
    EXPECT_FLOAT_EQ(DistanciaPunts(p, q), 5.0f);
    EXPECT_EQ(DistanciaPunts(nullptr, q), 0.0f);
    EXPECT_EQ(DistanciaPunts(p, nullptr), 0.0f);
}

TEST(Geometria, Angulos)
{
    struct {
        float in, out;
    } casos[] = {
        {0.0f, 0.0f},         {1.0f, 1.0f},         {-1.0f, kDosPi - 1.0f}, {kDosPi, 0.0f},
        {kDosPi + 1.0f, 1.0f}, {-kDosPi, 0.0f},     {3 * kDosPi + 0.5f, 0.5f},
    };
    for (const auto& c : casos) EXPECT_NEAR(NormalitzaAngle(c.in), c.out, 2e-5f) << c.in;
    // No stall and a value in range for huge or broken angles.
    for (float a : {1e30f, -1e30f, INFINITY, -INFINITY, NAN}) {
        float n = NormalitzaAngle(a);
        EXPECT_TRUE(n >= 0.0f && n < kDosPi) << a;
    }
    EXPECT_NEAR(DiferenciaAngles(0.1f, kDosPi - 0.1f), 0.2f, 1e-5f);
    EXPECT_NEAR(DiferenciaAngles(kDosPi - 0.1f, 0.1f), -0.2f, 1e-5f);
    EXPECT_NEAR(DiferenciaAngles(3.0f, 1.0f), 2.0f, 1e-5f);
    EXPECT_NEAR(DiferenciaAngles(1.0f, 3.0f), -2.0f, 1e-5f);
}

TEST(Geometria, InterseccioSegments)
{
    struct Caso {
        const char* nom;
        Punt2D a, b, c, d;
        int codi;
        Punt2D punt;
    };
    const Caso casos[] = {
        {"diagonals of a square", {0, 0}, {10, 10}, {0, 10}, {10, 0}, INTERSECCIO_CREUEN, {5, 5}},
        {"parallel lines", {0, 0}, {10, 0}, {0, 5}, {10, 5}, INTERSECCIO_PARALLELS, {0, 0}},
        {"collinear, other ends", {0, 0}, {10, 0}, {2, 0}, {20, 0}, INTERSECCIO_PARALLELS, {0, 0}},
        {"itself reversed", {1, 2}, {7, 9}, {7, 9}, {1, 2}, INTERSECCIO_IGUALS, {0, 0}},
        {"itself", {1, 2}, {7, 9}, {1, 2}, {7, 9}, INTERSECCIO_IGUALS, {0, 0}},
        {"lines cross outside", {0, 0}, {1, 1}, {10, 0}, {9, 1}, INTERSECCIO_CAP, {0, 0}},
        {"touching at an end", {0, 0}, {10, 0}, {10, -5}, {10, 5}, INTERSECCIO_CREUEN, {10, 0}},
        {"T junction", {0, 0}, {10, 0}, {4, 0}, {4, 8}, INTERSECCIO_CREUEN, {4, 0}},
    };
    for (const auto& c : casos) {
        Interseccio r;
        r.codi = 99;
        r.punt = {42, 42};
        EXPECT_EQ(InterseccioSegments(&r, c.a, c.b, c.c, c.d), c.codi) << c.nom;
        EXPECT_EQ(r.codi, c.codi) << c.nom;
        EXPECT_NEAR(r.punt.x, c.punt.x, 1e-4f) << c.nom;
        EXPECT_NEAR(r.punt.y, c.punt.y, 1e-4f) << c.nom;
    }
    // A null result is allowed.
    EXPECT_EQ(InterseccioSegments(nullptr, {0, 0}, {10, 10}, {0, 10}, {10, 0}), INTERSECCIO_CREUEN);
}

TEST(GeometriaPanel, PiezasEnSuSitio)
{
    // Corners 10x8 (top) / 10x6 (bottom), edges 4 long, centre 4x4.
    const float anchos[9] = {10, 12, 10, 12, 4, 4, 10, 12, 4};
    const float altos[9] = {8, 8, 6, 6, 8, 6, 4, 4, 4};
    PiezaPanel p[9];
    CalculaPanel(100, 50, 122, 64, anchos, altos, p);
    const float iw = 122 - 10 - 12, ih = 64 - 8 - 6;
    const struct {
        float x, y, sx, sy;
    } esperado[9] = {
        {100, 50, 1, 1},          {100 + 122 - 12, 50, 1, 1},      {100, 50 + 64 - 6, 1, 1},
        {210, 108, 1, 1},         {110, 50, iw / 4, 1},           {110, 108, iw / 4, 1},
        {100, 58, 1, ih / 4},     {110 + iw, 58, 1, ih / 4},      {110, 58, iw / 4, ih / 4},
    };
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(p[i].dibuja) << i;
        EXPECT_FLOAT_EQ(p[i].x, esperado[i].x) << i;
        EXPECT_FLOAT_EQ(p[i].y, esperado[i].y) << i;
        EXPECT_FLOAT_EQ(p[i].escalaX, esperado[i].sx) << i;
        EXPECT_FLOAT_EQ(p[i].escalaY, esperado[i].sy) << i;
    }
}

TEST(GeometriaPanel, TamanoDeLasEsquinasYHuecos)
{
    const float anchos[9] = {10, 10, 10, 10, 4, 4, 10, 10, 4};
    const float altos[9] = {10, 10, 10, 10, 10, 10, 4, 4, 4};
    PiezaPanel p[9];
    // Exactly the corners' size: edges and centre at scale 0.
    CalculaPanel(0, 0, 20, 20, anchos, altos, p);
    for (int i = 4; i < 9; ++i) EXPECT_TRUE(p[i].dibuja);
    EXPECT_EQ(p[4].escalaX, 0.0f);
    EXPECT_EQ(p[6].escalaY, 0.0f);
    EXPECT_EQ(p[8].escalaX, 0.0f);
    EXPECT_EQ(p[8].escalaY, 0.0f);

    // Empty edge and centre slots are skipped rather than scaled by x / 0.
    float a2[9], h2[9];
    std::copy(anchos, anchos + 9, a2);
    std::copy(altos, altos + 9, h2);
    a2[4] = 0;
    h2[4] = 0;
    a2[8] = 0;
    h2[8] = 0;
    CalculaPanel(0, 0, 100, 60, a2, h2, p);
    EXPECT_FALSE(p[4].dibuja);
    EXPECT_FALSE(p[8].dibuja);
    EXPECT_TRUE(std::isfinite(p[4].escalaX) && std::isfinite(p[8].escalaY));
    // Without a top edge the inner area starts at the top.
    EXPECT_FLOAT_EQ(p[6].y, 0.0f);
    EXPECT_FLOAT_EQ(p[6].escalaY, (60.0f - 0 - 10) / 4);
}

TEST(GeometriaBanda, Tessellacio)
{
    struct Caso {
        const char* nom;
        float L, W, escala, offset;
        int trossos;
        float primer;                      // screen length of the first tile
        float u0primer;                    // its first texel
        float ultimaLongitud, ultimaU1;    // the last tile
    };
    const Caso casos[] = {
        {"40 wide over 100", 100, 40, 1, 0, 3, 40, 0, 20, 20},
        {"shorter than a tile", 30, 40, 1, 0, 1, 30, 0, 30, 30},
        {"exact multiple", 80, 40, 1, 0, 2, 40, 0, 40, 40},
        {"offset 0.25", 100, 40, 1, 0.25f, 3, 30, 10, 30, 30},
        {"offset 1.25 keeps the phase", 100, 40, 1, 1.25f, 3, 30, 10, 30, 30},
        {"negative offset", 100, 40, 1, -0.25f, 4, 10, 30, 10, 10},
        {"scale 2", 200, 40, 2, 0.5f, 3, 40, 20, 80, 40},
        {"scale 0.5", 50, 40, 0.5f, 0.5f, 3, 10, 20, 20, 40},
    };
    for (const auto& c : casos) {
        PlanBanda p = PlanificaBanda(c.L, c.W, c.escala, c.offset);
        ASSERT_EQ(p.trossos, c.trossos) << c.nom;
        TrosBanda t0 = TrosDeBanda(p, 0, c.W);
        EXPECT_FLOAT_EQ(t0.inici, 0.0f) << c.nom;
        EXPECT_FLOAT_EQ(t0.fi - t0.inici, c.primer) << c.nom;
        EXPECT_FLOAT_EQ(t0.u0, c.u0primer) << c.nom;
        // Each tile shows texels in proportion to its length on screen, and
        // the tiles cover the band end to end.
        float s = 0;
        for (int i = 0; i < p.trossos; ++i) {
            TrosBanda t = TrosDeBanda(p, i, c.W);
            EXPECT_FLOAT_EQ(t.inici, s) << c.nom << " tile " << i;
            EXPECT_NEAR((t.u1 - t.u0) * c.escala, t.fi - t.inici, 1e-4f) << c.nom << " tile " << i;
            EXPECT_LE(t.u1, c.W + 1e-4f) << c.nom;
            if (i > 0) {
                EXPECT_EQ(t.u0, 0.0f) << c.nom;
            }
            EXPECT_GT(t.fi, t.inici) << c.nom;
            s = t.fi;
        }
        EXPECT_FLOAT_EQ(s, c.L) << c.nom;
        if (c.ultimaLongitud > 0) {
            TrosBanda u = TrosDeBanda(p, p.trossos - 1, c.W);
            EXPECT_FLOAT_EQ(u.fi - u.inici, c.ultimaLongitud) << c.nom;
            EXPECT_FLOAT_EQ(u.u1, c.ultimaU1) << c.nom;
        }
    }
}

TEST(GeometriaBanda, NadaQueDibujar)
{
    for (auto p : {PlanificaBanda(0, 40, 1, 0), PlanificaBanda(100, 0, 1, 0), PlanificaBanda(100, 40, 0, 0),
                   PlanificaBanda(100, 40, -1, 0), PlanificaBanda(NAN, 40, 1, 0), PlanificaBanda(100, 40, 1, INFINITY),
                   PlanificaBanda(1e9f, 40, 1e-6f, 0)})
        EXPECT_EQ(p.trossos, 0);
    EXPECT_EQ(TrosDeBanda(PlanificaBanda(100, 40, 1, 0), 5, 40).fi, 0.0f);
}

TEST(GeometriaBanda, Alfa)
{
    EXPECT_EQ(AlfaBanda(50, 100, 255, 0), 128); // −127.5 truncates to −127
    EXPECT_EQ(AlfaBanda(0, 100, 255, 0), 255);
    EXPECT_EQ(AlfaBanda(100, 100, 255, 0), 0);
    EXPECT_EQ(AlfaBanda(50, 100, 0, 255), 127);
    EXPECT_EQ(AlfaBanda(10, 0, 200, 0), 200);
    EXPECT_EQ(AlfaBanda(200, 100, 0, 255), 255); // limited
}
