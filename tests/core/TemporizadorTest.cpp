#include "engine/core/Temporizador.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(Aleatorio, SequenceIsTheClassicGenerator)
{
    ReiniciaAleatorio();
    // state := state * 214013 + 2531011 from 1; result := (state >> 16) & 0x7FFF.
    const int first[] = {41, 18467, 6334, 26500, 19169};
    for (int v : first) EXPECT_EQ(SiguienteAleatorio(), v);
}

TEST(Aleatorio, RangesIncludeBothBounds)
{
    ReiniciaAleatorio();
    EXPECT_EQ(EnteroAleatorio(3, 3), 3);
    EXPECT_EQ(SiguienteAleatorio(), 41); // EnteroAleatorio(3,3) drew nothing
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(EnteroAleatorio(5, 1), 1);
        EXPECT_FLOAT_EQ(RealAleatorio(5.0f, 1.0f), 1.0f);
    }
    bool seen0 = false, seen3 = false;
    for (int i = 0; i < 2000; ++i) {
        int v = EnteroAleatorio(0, 3);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 3);
        seen0 |= v == 0;
        seen3 |= v == 3;
        float r = RealAleatorio(-1.0f, 1.0f);
        ASSERT_GE(r, -1.0f);
        ASSERT_LE(r, 1.0f);
    }
    EXPECT_TRUE(seen0);
    EXPECT_TRUE(seen3);
}

TEST(Progreso, Modes)
{
    struct Case {
        float v, t;
        int mode;
        float expect;
    } cases[] = {
        {5, 10, PROGRESO_LIMITADO, 0.5f},   {15, 10, PROGRESO_LIMITADO, 1.0f},
        {-3, 10, PROGRESO_LIMITADO, 0.0f},  {15, 10, PROGRESO_CICLICO, 0.5f},
        {-5, 10, PROGRESO_CICLICO, -0.5f},  {15, 10, PROGRESO_VAIVEN, 0.5f},
        {5, 10, PROGRESO_VAIVEN, 0.5f},     {25, 10, PROGRESO_VAIVEN, 0.5f},
        {30, 10, 7, 3.0f},
        // A zero or negative total is a finished timer, never 0/0.
        {0, 0, PROGRESO_LIMITADO, 1.0f},    {0, 0, PROGRESO_VAIVEN, 1.0f},
    };
    for (const Case& c : cases) {
        float r = CalculaProgreso(c.v, c.t, c.mode);
        EXPECT_FALSE(std::isnan(r));
        EXPECT_FLOAT_EQ(r, c.expect) << c.v << "/" << c.t << " mode " << c.mode;
    }
}

TEST(Temporizador, OneShotCountdownAndOvershoot)
{
    ReiniciaFrames(100);
    CTemporizador t;
    t.Crea();
    EXPECT_EQ(t.Fraccion(PROGRESO_LIMITADO), 0.0f); // never started
    t.Inicia(10, 0, 10);
    EXPECT_FLOAT_EQ(t.Fraccion(PROGRESO_LIMITADO), 0.0f);
    for (int i = 0; i < 5; ++i) AvanzaFrame();
    EXPECT_FLOAT_EQ(t.Fraccion(PROGRESO_LIMITADO), 0.5f);
    for (int i = 0; i < 7; ++i) AvanzaFrame();
    EXPECT_FLOAT_EQ(t.Fraccion(PROGRESO_LIMITADO), 1.0f);
    EXPECT_EQ(t.m_iCuenta, 10);

    // Past the upper bound the count jumps to the duration, not the bound.
    CTemporizador u;
    u.Crea();
    u.Inicia(20, 0, 8);
    for (int i = 0; i < 9; ++i) AvanzaFrame();
    u.Actualiza();
    EXPECT_EQ(u.m_iCuenta, 20);

    // Counting down below the lower bound stops at 0.
    CTemporizador d;
    d.Crea();
    d.Inicia(10, 0, 10);
    d.m_iCuenta = 3;
    d.m_iDireccion = -1;
    for (int i = 0; i < 5; ++i) AvanzaFrame();
    d.Actualiza();
    EXPECT_EQ(d.m_iCuenta, 0);

    // Paused timers do not count but keep their reference.
    CTemporizador p;
    p.Crea();
    p.Inicia(10, 0, 10);
    p.m_bPausado = 1;
    for (int i = 0; i < 4; ++i) AvanzaFrame();
    EXPECT_FLOAT_EQ(p.Fraccion(PROGRESO_LIMITADO), 0.0f);
    p.m_bPausado = 0;
    AvanzaFrame();
    EXPECT_FLOAT_EQ(p.Fraccion(PROGRESO_LIMITADO), 0.1f);

    // Duration 0: finished, not NaN.
    CTemporizador z;
    z.Crea();
    z.Inicia(0, 0, 0);
    EXPECT_FLOAT_EQ(z.Fraccion(PROGRESO_LIMITADO), 1.0f);
}

TEST(Temporizador, RepeatingAndBackAndForth)
{
    ReiniciaFrames(0);
    CTemporizador t;
    t.Crea();
    t.Inicia(10, -2147483647, 2147483646);
    for (int i = 0; i < 15; ++i) AvanzaFrame();
    EXPECT_FLOAT_EQ(t.Fraccion(PROGRESO_CICLICO), 0.5f);
    EXPECT_FLOAT_EQ(t.Fraccion(PROGRESO_VAIVEN), 0.5f);
    t.CambiaFraccion(0.25f);
    EXPECT_EQ(t.m_iCuenta, 2);
    // CambiaFraccion keeps the count inside the bounds.
    CTemporizador b;
    b.Crea();
    b.Inicia(10, 0, 10);
    b.CambiaFraccion(3.0f);
    EXPECT_EQ(b.m_iCuenta, 10);
}

TEST(Reloj, ManualClock)
{
    FijaRelojManual(true, 1000);
    EXPECT_EQ(TiempoReal(), 1000);
    AvanzaRelojManual(33);
    EXPECT_EQ(TiempoReal(), 1033);
    EXPECT_EQ(TiempoJuego(), 1033);
    FijaRelojManual(false);
    EXPECT_NE(TiempoReal(), 1033 + 1000000);
    EXPECT_FLOAT_EQ(DistanciaCuadrado(1, 2, 4, 6), 25.0f);
}
