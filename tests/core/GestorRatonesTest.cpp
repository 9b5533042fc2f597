#include "engine/core/GestorRatones.h"
#include "kit/Entrada.h"
#include "platform/Input.h"
#include "platform/InputInjection.h"

#include <gtest/gtest.h>

using kit::LlamadaEntrada;

namespace {

class Ratones : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ventana.ok);
        ASSERT_TRUE(ratones.Inicia());
    }

    kit::VentanaPrueba ventana;
    kit::ReceptorGrabador receptor;
    CGestorRatones ratones;
};

} // namespace

TEST_F(Ratones, SystemModeHasOnlyMouseZero)
{
    ASSERT_NE(ratones.Raton(0), nullptr);
    EXPECT_EQ(ratones.Raton(1), nullptr);
    EXPECT_EQ(ratones.Raton(-1), nullptr);
    // It starts where the system pointer is, read at start, not at a corner
    // until the first move.
    int x = -1, y = -1;
    plat::CursorPosition(&x, &y);
    EXPECT_EQ(ratones.Raton(0)->m_iCursorX, x);
    EXPECT_EQ(ratones.Raton(0)->m_iCursorY, y);
}

TEST_F(Ratones, ClickReachesTheCoreScaledMoveFirst)
{
    ASSERT_TRUE(plat::inject::ResizeWindow(2048, 1536));
    kit::BotonRaton(0, true, 1024, 768);
    kit::BotonRaton(0, false, 1024, 768);
    ASSERT_EQ(receptor.llamadas.size(), 3u) << receptor.Resumen();
    const LlamadaEntrada& mov = receptor.llamadas[0];
    EXPECT_EQ(mov.tipo, LlamadaEntrada::MovimientoRaton);
    EXPECT_EQ(mov.a, 0);
    EXPECT_FLOAT_EQ(mov.x, 512);
    EXPECT_FLOAT_EQ(mov.y, 384);
    const LlamadaEntrada& abajo = receptor.llamadas[1];
    EXPECT_EQ(abajo.tipo, LlamadaEntrada::BotonRaton);
    EXPECT_EQ(abajo.b, RATON_IZQUIERDO_ABAJO);
    EXPECT_FLOAT_EQ(abajo.x, 512);
    EXPECT_FLOAT_EQ(abajo.y, 384);
    EXPECT_EQ(receptor.llamadas[2].b, RATON_IZQUIERDO_ARRIBA);
    EXPECT_FLOAT_EQ(ratones.Raton(0)->X(), 512);
    EXPECT_FLOAT_EQ(ratones.Raton(0)->Y(), 384);
}

TEST_F(Ratones, LetterboxBarsHoldThePointerAtTheEdge)
{
    // 1280x768: the field is 1024 wide with bars of 128 on each side.
    ASSERT_TRUE(plat::inject::ResizeWindow(1280, 768));
    struct Case {
        int x, y;
        float fx, fy;
    } cases[] = {{128, 0, 0, 0}, {640, 384, 512, 384}, {20, 100, 0, 100}, {1270, 700, 1023, 700}};
    for (const Case& c : cases) {
        receptor.llamadas.clear();
        kit::MueveRaton(c.x, c.y);
        ASSERT_EQ(receptor.llamadas.size(), 1u) << c.x;
        EXPECT_FLOAT_EQ(receptor.llamadas[0].x, c.fx) << c.x;
        EXPECT_FLOAT_EQ(receptor.llamadas[0].y, c.fy) << c.x;
    }
}

TEST_F(Ratones, ButtonsAndWheel)
{
    struct Case {
        int boton;
        bool abajo;
        int evento;
    } cases[] = {{0, true, 0}, {0, false, 1}, {1, true, 2}, {1, false, 3}, {2, true, 4}, {2, false, 5}};
    for (const Case& c : cases) kit::BotonRaton(c.boton, c.abajo, 10, 10);
    auto botones = receptor.De(LlamadaEntrada::BotonRaton);
    ASSERT_EQ(botones.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(botones[i].b, cases[i].evento);
    // One move only: the pointer did not move between the buttons.
    EXPECT_EQ(receptor.De(LlamadaEntrada::MovimientoRaton).size(), 1u);

    kit::BotonRaton(1, true, 10, 10);
    EXPECT_EQ(ratones.Raton(0)->m_bDerecho, 1);
    EXPECT_EQ(ratones.Raton(0)->m_bIzquierdo, 0);

    plat::inject::MouseWheel(2);
    kit::Bombea();
    EXPECT_EQ(ratones.Raton(0)->m_iRueda, 240);
    plat::inject::MouseWheel(-3);
    kit::Bombea();
    EXPECT_EQ(ratones.Raton(0)->m_iRueda, static_cast<uint16_t>(-120));
}

// A press and release that both come before a step reads as pressed until
// the step has seen it; a held button reads as pressed across steps; a
// release after a step has seen the press reads as up at once.
TEST_F(Ratones, AQuickClickReadsAsPressedUntilAStepHasSeenIt)
{
    CRaton* r = ratones.Raton(0);
    ASSERT_NE(r, nullptr);
    for (int boton = 0; boton < 3; ++boton) {
        SCOPED_TRACE(boton);
        kit::BotonRaton(boton, true, 10, 10);
        kit::BotonRaton(boton, false, 10, 10);
        EXPECT_TRUE(r->Pulsado(boton));
        ratones.PasoVisto();
        EXPECT_FALSE(r->Pulsado(boton));

        kit::BotonRaton(boton, true, 10, 10);
        ratones.PasoVisto();
        EXPECT_TRUE(r->Pulsado(boton));
        kit::BotonRaton(boton, false, 10, 10);
        EXPECT_FALSE(r->Pulsado(boton));
    }
    EXPECT_FALSE(r->Pulsado(3));
    EXPECT_FALSE(r->Pulsado(-1));

    // Raw mice the same.
    ratones.SeleccionaModo(false);
    ratones.Actualiza();
    plat::inject::MouseButton(0, true, 10, 10);
    plat::inject::MouseButton(0, false, 10, 10);
    kit::Bombea();
    ASSERT_NE(ratones.Raton(0), nullptr);
    EXPECT_TRUE(ratones.Raton(0)->Pulsado(0));
    ratones.Actualiza();
    ratones.PasoVisto();
    EXPECT_FALSE(ratones.Raton(0)->Pulsado(0));
    ratones.SeleccionaModo(true);
}

TEST_F(Ratones, NothingWhileTheCoreIsInactive)
{
    receptor.activo = false;
    kit::BotonRaton(0, true, 300, 200);
    EXPECT_TRUE(receptor.llamadas.empty());
    receptor.activo = true;
    kit::MueveRaton(300, 201);
    EXPECT_EQ(receptor.llamadas.size(), 1u);
}

TEST_F(Ratones, MovingThePointerFromTheProgram)
{
    ASSERT_TRUE(plat::inject::ResizeWindow(2048, 1536));
    kit::Bombea();
    CRaton* r = ratones.Raton(0);
    r->CambiaX(2000);
    r->CambiaY(-5);
    EXPECT_FLOAT_EQ(r->X(), 1023);
    EXPECT_FLOAT_EQ(r->Y(), 0);
    r->CambiaY(900);
    EXPECT_FLOAT_EQ(r->Y(), 768);
    r->CambiaX(300);
    r->CambiaY(200);
    kit::Bombea();
    // The system pointer went to the matching window pixel.
    int x, y;
    plat::CursorPosition(&x, &y);
    EXPECT_EQ(x, 600);
    EXPECT_EQ(y, 400);
    EXPECT_FLOAT_EQ(r->X(), 300);
    EXPECT_FLOAT_EQ(r->Y(), 200);
}

// Moving one coordinate at a time reports the point between the old and the
// new place as a move of the pointer; both at once report nothing: the
// program put the pointer there.
TEST_F(Ratones, BothCoordinatesAtOnceMoveThePointerOnce)
{
    kit::MueveRaton(100, 100);
    CRaton* r = ratones.Raton(0);
    receptor.llamadas.clear();
    r->CambiaX(300);
    r->CambiaY(200);
    kit::Bombea();
    const auto pares = receptor.De(LlamadaEntrada::MovimientoRaton);
    ASSERT_FALSE(pares.empty());
    EXPECT_FLOAT_EQ(pares.front().x, 300);
    EXPECT_FLOAT_EQ(pares.front().y, 100) << receptor.Resumen();

    receptor.llamadas.clear();
    r->Cambia(500, 600);
    kit::Bombea();
    EXPECT_TRUE(receptor.De(LlamadaEntrada::MovimientoRaton).empty()) << receptor.Resumen();
    EXPECT_FLOAT_EQ(r->X(), 500);
    EXPECT_FLOAT_EQ(r->Y(), 600);
    int x = 0, y = 0;
    plat::CursorPosition(&x, &y);
    EXPECT_EQ(x, 500);
    EXPECT_EQ(y, 600);
    // The player's next move is a move again.
    kit::MueveRaton(510, 600);
    EXPECT_EQ(receptor.De(LlamadaEntrada::MovimientoRaton).size(), 1u);
}

TEST_F(Ratones, RawModeHandsInputOverOncePerPass)
{
    kit::MueveRaton(100, 100);
    receptor.llamadas.clear();
    ratones.SeleccionaModo(false);
    ratones.Actualiza();
    EXPECT_EQ(ratones.Raton(0), nullptr);

    plat::inject::MouseMove(110, 95); // moves by (10, -5)
    plat::inject::MouseButton(0, true, 110, 95);
    plat::inject::MouseButton(0, true, 110, 95); // no real change
    plat::inject::MouseButton(1, true, 110, 95);
    kit::Bombea();
    EXPECT_TRUE(receptor.llamadas.empty()); // nothing before the pass
    ASSERT_NE(ratones.Raton(0), nullptr);
    EXPECT_EQ(ratones.Raton(1), nullptr);
    ratones.Actualiza();
    ASSERT_EQ(receptor.llamadas.size(), 3u) << receptor.Resumen();
    EXPECT_EQ(receptor.llamadas[0].tipo, LlamadaEntrada::MovimientoRaton);
    EXPECT_FLOAT_EQ(receptor.llamadas[0].x, ratones.Raton(0)->X());
    EXPECT_EQ(receptor.llamadas[1].b, RATON_IZQUIERDO_ABAJO);
    EXPECT_EQ(receptor.llamadas[2].b, RATON_DERECHO_ABAJO);
    receptor.llamadas.clear();
    ratones.Actualiza();
    EXPECT_TRUE(receptor.llamadas.empty());

    ratones.SeleccionaModo(true);
    EXPECT_EQ(ratones.Raton(0), &ratones.m_RatonSistema);
    EXPECT_EQ(ratones.m_iNumRatones, 0);
}
