// The text box: default names, a literal or a code, a box made with neither,
// colour and alpha on the sprite's corners, the sprite marked with the
// resources and drawn at the rectangle's top-left.
#include "engine/core/CatalogoMotor.h"
#include "engine/ui/CuadreText.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

namespace {
class CuadreText : public uitest::EntornoTexto {};

void EsperaColor(const Sprite* s, ColorARGB c)
{
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s->m_aColors[i].a, c.a) << i;
        EXPECT_EQ(s->m_aColors[i].r, c.r) << i;
        EXPECT_EQ(s->m_aColors[i].g, c.g) << i;
        EXPECT_EQ(s->m_aColors[i].b, c.b) << i;
    }
}
} // namespace

TEST_F(CuadreText, EachInitialiserGivesItsOwnDefaultName)
{
    CCuadreText a, b;
    ASSERT_TRUE(a.IniciaConTexto(10, 20, 300, 40, -1, 0, "Hello", 73, 1.0f, 0.5f));
    ASSERT_TRUE(b.IniciaConIdTexto(10, 20, 300, 40, -1, 0, CodigoFLI(motor::texto::CANCELAR), 1, 0.8f, 0.8f));
    EXPECT_STREQ(a.Nombre(), "GEN_QuadreText");
    EXPECT_STREQ(b.Nombre(), "GEN_CuadreText");
    EXPECT_EQ(a.m_iId, -1);
    EXPECT_EQ(b.m_iId, -1);
    EXPECT_EQ(uitest::Muestra(a.SpriteTexto()), "Hello");
    EXPECT_EQ(uitest::Muestra(b.SpriteTexto()), std::string("#") + motor::texto::CANCELAR);
    const Bitmap* bm = a.SpriteTexto()->m_pBitmap;
    EXPECT_EQ(bm->m_iFlagsText, 73);
    EXPECT_FLOAT_EQ(bm->m_fEscalaY, 0.5f);
    EXPECT_FLOAT_EQ(a.SpriteTexto()->GetAmplada(), 300.0f);
    EXPECT_FLOAT_EQ(a.SpriteTexto()->GetAlcada(), 40.0f);
}

TEST_F(CuadreText, LiteralAndCodeTakeTurns)
{
    CCuadreText t;
    ASSERT_TRUE(t.IniciaConIdTexto(0, 0, 300, 40, -1, 0, CodigoFLI(motor::texto::ACEPTAR), 0, 1, 1));
    t.PonTexto("Typed", 1, 0.9f, 0.9f);
    EXPECT_EQ(uitest::Muestra(t.SpriteTexto()), "Typed");
    EXPECT_EQ(t.SpriteTexto()->m_pBitmap->m_iFlagsText, 1);
    t.PonIdTexto(CodigoFLI(motor::texto::CANCELAR), 8, 1, 1);
    EXPECT_EQ(t.Literal(), nullptr);
    EXPECT_EQ(uitest::Muestra(t.SpriteTexto()), std::string("#") + motor::texto::CANCELAR);
    // Null only drops the literal.
    t.PonTexto("x", 0, 1, 1);
    t.PonTexto(nullptr, 0, 1, 1);
    EXPECT_EQ(t.Literal(), nullptr);
}

TEST_F(CuadreText, BoxMadeWithNeitherNeverShowsAText)
{
    CCuadreText t;
    ASSERT_TRUE(t.IniciaConTexto(0, 0, 300, 40, -1, 0, nullptr, 0, 1, 1));
    EXPECT_EQ(t.SpriteTexto(), nullptr);
    t.PonTexto("Later", 0, 1, 1);
    t.PonIdTexto(CodigoFLI(motor::texto::ACEPTAR), 0, 1, 1);
    t.PonColor(1, 2, 3);
    EXPECT_EQ(t.SpriteTexto(), nullptr);
    EXPECT_EQ(t.IdTexto(), CodigoFLI(motor::texto::ACEPTAR));
    t.Dibuja(nullptr, nullptr);
    // An empty literal is a text: the box gets its sprite.
    ASSERT_TRUE(t.IniciaConTexto(0, 0, 300, 40, -1, 0, "", 0, 1, 1));
    EXPECT_NE(t.SpriteTexto(), nullptr);
}

TEST_F(CuadreText, ColourAndAlphaOnEveryCorner)
{
    CCuadreText t;
    ASSERT_TRUE(t.IniciaConTexto(0, 0, 300, 40, -1, 0, "Hue", 0, 1, 1));
    EsperaColor(t.SpriteTexto(), ColorARGB(255, 255, 255, 255));
    t.PonAlfa(100);
    t.PonColor(10, 20, 30);
    EsperaColor(t.SpriteTexto(), ColorARGB(100, 10, 20, 30));
    t.PonAlfa(7);
    EsperaColor(t.SpriteTexto(), ColorARGB(7, 10, 20, 30));
    // Initialised again: back to white.
    ASSERT_TRUE(t.IniciaConTexto(0, 0, 300, 40, -1, 0, "Hue", 0, 1, 1));
    EsperaColor(t.SpriteTexto(), ColorARGB(255, 255, 255, 255));
}

TEST_F(CuadreText, DrawnAtTheTopLeftWithItsResources)
{
    CCuadreText t;
    ASSERT_TRUE(t.IniciaConTexto(200, 200, 400, 60, -1, uitest::kFuenteTitulo, "MARROWGATE", 4 | 32, 1, 1));
    EXPECT_FALSE(t.SpriteTexto()->m_bEnUs);
    Anade(&t);
    EXPECT_TRUE(t.SpriteTexto()->m_bEnUs);
    Fondo(0, 0, 0);
    t.Dibuja(nullptr, nullptr);
    const uitest::Pixel negro{0, 0, 0};
    // Left- and top-aligned: ink near the top-left corner, none outside the box.
    EXPECT_GT(Distintos(200, 200, 400, 260, negro), 200);
    EXPECT_EQ(Distintos(150, 150, 200, 300, negro), 0);
    EXPECT_EQ(Distintos(200, 150, 600, 199, negro), 0);
    // A colour tints the text: no pixel keeps more red than the tint lets.
    t.PonColor(0, 0, 255);
    Fondo(0, 0, 0);
    t.Dibuja(nullptr, nullptr);
    int iRojos = 0, iAzules = 0;
    for (int y = 200; y < 260; ++y)
        for (int x = 200; x < 600; ++x) {
            uitest::Pixel p = En(x, y);
            if (p.r > 8) ++iRojos;
            if (p.b > 100) ++iAzules;
        }
    EXPECT_EQ(iRojos, 0);
    EXPECT_GT(iAzules, 100);
    Raiz()->QuitaHijo(false, &t);
    m_arbol->Pasos(1);
    EXPECT_FALSE(t.SpriteTexto()->m_bEnUs);
}
