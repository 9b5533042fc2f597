// The shared menu look: an opening and a closing last 20 steps at least, so
// a fully open screen's removal never completes at once; the background is
// picked once per Crea, the circle's place and scale at every opening; the
// title pieces fly into the corners; a screen that does not draw itself
// draws only what comes before.
#include "engine/graphics/Bitmap.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/screens/BaseMenu.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/EntornoPantallas.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class BaseMenu : public pantallas::EntornoPantallas {
protected:
    // Steps until the screen is out of transition (at most 100).
    int PasosHastaQuieta(CMenuObj* p)
    {
        int n = 0;
        do {
            m_arbol->Pasos(1);
            ++n;
        } while (p->EnTransicion() && n < 100);
        return n;
    }
};

// A screen that draws a red square before everything and nothing else.
class CPantallaMuda : public CBaseMenu {
public:
    bool SeDibuja() override { return false; }
    void DibujaAntes(Sprite* pDestino) override
    {
        g_pSistema2D->DibuixaQuadre(pDestino, 100, 100, 50, 50, CSistema2D::FesColorARGB(255, 0, 0, 255), true);
    }
};

} // namespace

TEST_F(BaseMenu, OpeningAndClosingTakeTwentyStepsAtLeast)
{
    auto* p = Nuevo<CMenuCreditos>();
    ASSERT_TRUE(p->Crea());
    EXPECT_FLOAT_EQ(p->ProgresoApertura(), 0.0f);
    Anade(p);
    m_arbol->Pasos(1); // the root attaches a screen at its next update
    ASSERT_EQ(p->Padre(), Raiz());
    EXPECT_TRUE(p->EnTransicion());
    EXPECT_GE(PasosHastaQuieta(p), 19);
    EXPECT_FLOAT_EQ(p->ProgresoApertura(), 1.0f);

    // Fully open: the removal starts a closing at once and completes only
    // when the closing has run.
    Raiz()->QuitaHijo(false, p);
    EXPECT_TRUE(p->EnTransicion());
    int n = 0;
    while (Raiz()->m_lHijos.m_iNumElementos > 0 && n < 100) {
        m_arbol->Pasos(1);
        ++n;
    }
    EXPECT_GE(n, 20);
    EXPECT_LT(n, 40);
    EXPECT_FLOAT_EQ(p->ProgresoApertura(), 0.0f);
}

TEST_F(BaseMenu, BackgroundStaysForTheRunCircleMovesAtEveryOpening)
{
    auto* p = Nuevo<CMenuCreditos>();
    ASSERT_TRUE(p->Crea());
    const int fondo = p->Fondo();
    EXPECT_GE(fondo, 0);
    EXPECT_LT(fondo, CBaseMenu::kNumFondos);
    float x[3], y[3], s[3];
    for (int i = 0; i < 3; ++i) {
        Anade(p);
        m_arbol->Pasos(25);
        x[i] = p->CirculoX();
        y[i] = p->CirculoY();
        s[i] = p->EscalaCirculo();
        EXPECT_EQ(p->Fondo(), fondo);
        // Somewhere 300 to 800 points from the middle, 2.5 to 4.5 times.
        const float d = std::hypot(x[i] - 512, y[i] - 384);
        EXPECT_GE(d, 299.9f);
        EXPECT_LE(d, 800.1f);
        EXPECT_GE(s[i], 2.5f);
        EXPECT_LE(s[i], 4.5f);
        Raiz()->QuitaHijo(false, p);
        m_arbol->Pasos(25);
    }
    EXPECT_FALSE(x[0] == x[1] && y[0] == y[1]);
    EXPECT_FALSE(x[1] == x[2] && y[1] == y[2]);

    // The circle's place for a distance and an angle.
    float cx, cy;
    CBaseMenu::PosicionCirculo(300, 0, &cx, &cy);
    EXPECT_FLOAT_EQ(cx, 512);
    EXPECT_FLOAT_EQ(cy, 684);
    CBaseMenu::PosicionCirculo(500, 3.1415927f / 2, &cx, &cy);
    EXPECT_NEAR(cx, 1012, 1e-3);
    EXPECT_NEAR(cy, 384, 1e-3);
}

TEST(PiezasTitulo, FlyFromTheEdgesIntoTheCorners)
{
    struct Caso {
        float t;
        int i;
        float x, y;
    };
    const Caso casos[] = {
        {0, 0, 0, 135},      {1, 0, 75, 210},    {0.5f, 0, 37.5f, 172.5f}, {0, 1, 1023, 135},
        {1, 1, 948, 210},    {0, 2, 1023, 725},  {1, 2, 948, 650},         {0.5f, 2, 985.5f, 687.5f},
        {0, 3, 0, 725},      {1, 3, 75, 650},
    };
    for (const Caso& c : casos) {
        float x, y;
        CBaseMenu::PosicionPiezaTitulo(c.t, c.i, &x, &y);
        EXPECT_FLOAT_EQ(x, c.x) << c.i << " at " << c.t;
        EXPECT_FLOAT_EQ(y, c.y) << c.i << " at " << c.t;
    }
}

// The title bar's icon sits at (900, 90), right of the pill. The chest's
// screens show their big medallions there: drawn at the usual 0.85 they ran
// off the top of the screen, over the pill's end and onto the corner piece.
TEST_F(BaseMenu, TheTitleBarIconStaysInsideTheBar)
{
    const char* const paquetes[] = {
        juego::paquete::ICONO_COFRE,     juego::paquete::ICO_PERSONAJES, juego::paquete::ICO_CAPITULOS,
        juego::paquete::ICO_GALERIA,     juego::paquete::ICO_TROFEOS,    juego::paquete::ICO_SELLOS,
        juego::paquete::ICO_BOLSA,       juego::paquete::ICONOS_OPCIONES, juego::paquete::ICONOS_PERFILES,
        juego::paquete::ICONO_IDIOMA,
    };
    for (const char* szPaquete : paquetes) {
        CSPM* spm = tazmo::CopiaSPM(szPaquete);
        ASSERT_NE(spm, nullptr) << szPaquete;
        const float w = spm->GetAnchoMaximo(), h = spm->GetAltoMaximo();
        const float e = CBaseMenu::EscalaIcono(w, h);
        EXPECT_GE(90.0f - h * e / 2.0f, 38.0f) << szPaquete;  // under the screen's top, in the bar
        EXPECT_LE(90.0f + h * e / 2.0f, 142.0f) << szPaquete; // clear of the corner piece at y 150 and more
        EXPECT_GE(900.0f - w * e / 2.0f, 848.0f) << szPaquete;
        EXPECT_LE(e, 0.85f) << szPaquete;
        delete spm;
    }
    // A picture that fits keeps the usual scale; a bigger one shrinks to fit.
    EXPECT_FLOAT_EQ(CBaseMenu::EscalaIcono(120, 120), 0.85f);
    EXPECT_FLOAT_EQ(CBaseMenu::EscalaIcono(200, 250), 104.0f / 250.0f);
}

TEST_F(BaseMenu, AScreenThatDoesNotDrawItselfDrawsOnlyWhatComesBefore)
{
    auto* p = Nuevo<CPantallaMuda>();
    ASSERT_TRUE(p->Crea("Muda", nullptr, nullptr, "RAN_MENUS", nullptr, true, true, true));
    Anade(p);
    m_arbol->Pasos(25);
    Fondo(0, 0, 255);
    p->Dibuja(nullptr, nullptr);
    uitest::Pixel rojo = En(125, 125);
    EXPECT_EQ(rojo.r, 255);
    EXPECT_EQ(rojo.b, 0);
    // Neither background, bars nor title bar: the blue stays.
    EXPECT_EQ(Distintos(0, 0, 1024, 90, {0, 0, 255}), 0);
    EXPECT_EQ(Distintos(300, 300, 700, 500, {0, 0, 255}), 0);
}

