// The scrolling background and the sprite ring: offsets and turns step by
// step, and the ring's centre on the captured frame.
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Geometria.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "engine/graphics/Sprite3D.h"
#include "engine/ui/CirculoSprites.h"
#include "engine/ui/FondoScroll.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const char* const kFarolera = motor::paquete::FAROLERA;    // 56 x 80
const char* const kCuadro = motor::paquete::CUADRO_BLANCO; // 16 x 16, centred

class FondoCirculo : public uitest::EntornoGrafico {};

} // namespace

// Tiles 100 wide at velocity -1 run 0 > -1 ... -200 and back to -1; at +1 the
// first step gives -199; any velocity stays within one period.
TEST(FondoScrollPasos, OffsetsWrapRound)
{
    float x = 0.0f;
    for (int i = 1; i <= 200; ++i) {
        x = CFondoScroll::Desplaza(x, -1.0f, 200.0f);
        ASSERT_EQ(x, float(-i)) << i;
    }
    EXPECT_EQ(CFondoScroll::Desplaza(x, -1.0f, 200.0f), -1.0f);
    EXPECT_EQ(CFondoScroll::Desplaza(0.0f, 1.0f, 200.0f), -199.0f);
    struct Cas {
        float desde, v;
    } casos[] = {{-10, 5000}, {-10, -5000}, {-199, 1e30f}, {-5, NAN}};
    for (const Cas& c : casos) {
        float r = CFondoScroll::Desplaza(c.desde, c.v, 200.0f);
        EXPECT_GE(r, -200.0f) << c.v;
        EXPECT_LT(r, 0.0f) << c.v;
    }
}

TEST_F(FondoCirculo, BackgroundTilesTheField)
{
    CFondoScroll f;
    ASSERT_TRUE(f.Inicia(kFarolera, -1.0f, 0.5f));
    EXPECT_STREQ(f.Nombre(), "GEN_FondoScroll");
    EXPECT_EQ(f.m_iColumnas, 1024 / 56 + 3);
    EXPECT_EQ(f.m_iFilas, 768 / 80 + 3);
    EXPECT_FALSE(f.Contiene(10, 10));
    for (int i = 0; i < 112; ++i) f.Actualiza();
    EXPECT_EQ(f.m_fOffsetX, -112.0f);
    EXPECT_EQ(f.m_fOffsetY, -24.0f); // 56 over a period of 80
    f.Actualiza();
    EXPECT_EQ(f.m_fOffsetX, -1.0f);
    // A missing package tiles its placeholder.
    ASSERT_TRUE(f.Inicia("Data\\NoHay.SPM", 1, 1));
    EXPECT_EQ(f.m_fAnchoTesela, 64.0f);
    // Drawn, it covers the whole field.
    CFondoScroll blanco;
    ASSERT_TRUE(blanco.Inicia(kCuadro, 3, 0));
    m_arbol->Raiz()->AnadeHijo(true, &blanco, false, false);
    blanco.Actualiza();
    Fondo(0, 0, 0);
    blanco.Dibuja(nullptr, nullptr);
    int negros = 0;
    for (int y = 0; y < 768; y += 7)
        for (int x = 0; x < 1024; x += 7)
            if (En(x, y).r < 200) ++negros;
    EXPECT_EQ(negros, 0);
    m_arbol->Raiz()->QuitaHijo(false, &blanco);
    m_arbol->Pasos(1);
}

// Turning to a piece accelerates up to the top speed and lands exactly on
// it; a piece within the dead zone is no turn at all; without pieces there
// is nowhere to turn.
TEST_F(FondoCirculo, RingTurnsToAPiece)
{
    CCirculoSprites c;
    ASSERT_TRUE(c.Inicia(512, 384, 200, 800));
    EXPECT_STREQ(c.Nombre(), "GEN_CirculoSprites");
    c.GiraA(1); // no pieces: nothing, no division
    c.Actualiza();
    EXPECT_EQ(c.EstadoGiro(), CCirculoSprites::QUIETO);
    EXPECT_EQ(c.Angulo(), 0.0f);
    CSPM* spm = m_cache.GetSPM(kCuadro);
    EXPECT_EQ(c.AnadeSPM(nullptr), 0);
    EXPECT_EQ(c.AnadeSPM(spm), 1);
    EXPECT_EQ(c.AnadeSPM(spm), 2);
    c.GiraA(1); // half a turn
    c.Actualiza();
    EXPECT_EQ(c.EstadoGiro(), CCirculoSprites::GIRANDO_A);
    float velocidad = 0.0f;
    int pasos = 0;
    while (c.EstadoGiro() == CCirculoSprites::GIRANDO_A && pasos < 1000) {
        float antes = c.Velocidad();
        c.Actualiza();
        ++pasos;
        if (c.EstadoGiro() != CCirculoSprites::GIRANDO_A) break;
        velocidad = c.Velocidad();
        EXPECT_NEAR(velocidad, std::fmin(antes + CCirculoSprites::kAceleracion, CCirculoSprites::kVelocidadMaxima),
                    1e-6);
    }
    EXPECT_EQ(velocidad, CCirculoSprites::kVelocidadMaxima);
    EXPECT_EQ(c.Angulo(), NormalitzaAngle(kDosPi / 2));
    EXPECT_EQ(c.Velocidad(), 0.0f);
    EXPECT_LT(pasos, 60);
    // Another piece 0.09 radians away: inside the dead zone.
    for (int i = 2; i < 70; ++i) c.AnadeSPM(spm); // 70 pieces: 0.0898 apart
    c.GiraA(36);                                  // 0.0898 past the present angle
    c.Actualiza();
    EXPECT_EQ(c.EstadoGiro(), CCirculoSprites::QUIETO);
    c.Gira(0.1f);
    c.Actualiza();
    EXPECT_NEAR(c.Angulo(), NormalitzaAngle(kDosPi / 2 + 0.1f), 1e-5);
}

// The ring's centre lands on the point it was given: the pieces' hotspots
// lie on its horizontal line, spread evenly either side of it.
TEST_F(FondoCirculo, RingCentredOnItsPoint)
{
    struct Cas {
        int x, y;
    } casos[] = {{512, 384}, {300, 500}, {700, 200}};
    for (const Cas& k : casos) {
        SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
        CCirculoSprites c;
        ASSERT_TRUE(c.Inicia(k.x, k.y, 150, 700));
        // Lone sprites: a package would show its direction frames.
        Sprite* s = m_cache.GetSPM(kCuadro)->m_apSprites[0];
        for (int i = 0; i < 4; ++i) ASSERT_EQ(c.AnadeSprite(s), i + 1);
        c.Piezas()->PonDepuracion(false);
        m_arbol->Raiz()->AnadeHijo(true, &c, false, false);
        Fondo(0, 0, 0);
        c.Dibuja(nullptr, nullptr);
        int x0 = 2000, x1 = -1, y0 = 2000, y1 = -1;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                if (En(x, y).r > 128) {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                    y0 = std::min(y0, y);
                    y1 = std::max(y1, y);
                }
        ASSERT_GE(x1, 0);
        EXPECT_NEAR((x0 + x1) / 2.0, k.x, 1.5);
        EXPECT_NEAR((y0 + y1) / 2.0, k.y, 1.5);
        EXPECT_GT(x1 - x0, 150); // the side pieces spread out
        m_arbol->Raiz()->QuitaHijo(false, &c);
        m_arbol->Pasos(1);
    }
}
