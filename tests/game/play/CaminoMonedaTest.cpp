// The wandering coin path: its first target and retarget come from the
// defaults whatever it is started with; it turns at most its maximum turn
// per frame, keeps its heading in [0, 2pi] and moves at its speed.
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "game/play/CaminoMoneda.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(CaminoMoneda, FirstTargetAndRetargetComeFromTheDefaults)
{
    ReiniciaAleatorio();
    for (int prueba = 0; prueba < 20; ++prueba) {
        CCaminoMoneda c;
        ASSERT_TRUE(c.Inicia(10.0f, -20.0f, 32.0f, 512.0f, 0.05f, 10.0f, 180));
        EXPECT_EQ(c.m_fX, 10.0f);
        EXPECT_EQ(c.m_fY, -20.0f);
        const float r = std::hypot(c.m_fObjetivoX, c.m_fObjetivoY);
        EXPECT_GE(r, 200.0f - 1e-3f);
        EXPECT_LE(r, 275.0f + 1e-3f);
        EXPECT_EQ(c.m_iCuenta, 600);
        const float ox = c.m_fObjetivoX, oy = c.m_fObjetivoY;
        for (int i = 0; i < 599; ++i) c.Actualiza();
        EXPECT_EQ(c.m_fObjetivoX, ox);
        EXPECT_EQ(c.m_fObjetivoY, oy);
        // The 600th frame draws a target with the given radii and period.
        c.Actualiza();
        EXPECT_EQ(c.m_iCuenta, 180);
        const float r2 = std::hypot(c.m_fObjetivoX, c.m_fObjetivoY);
        EXPECT_GE(r2, 32.0f - 1e-3f);
        EXPECT_LE(r2, 512.0f + 1e-3f);
    }
}

TEST(CaminoMoneda, TurnsAtMostItsMaximumAndMovesAtItsSpeed)
{
    ReiniciaAleatorio(7);
    CCaminoMoneda c;
    c.Inicia(0.0f, 0.0f, 200.0f, 275.0f, 0.05f, 3.0f, 50);
    for (int i = 0; i < 2000; ++i) {
        const float rumbo = c.m_fRumbo, x = c.m_fX, y = c.m_fY;
        c.Actualiza();
        EXPECT_LE(std::fabs(DiferenciaAngles(c.m_fRumbo, rumbo)), 0.05f + 1e-4f) << i;
        EXPECT_GE(c.m_fRumbo, 0.0f);
        EXPECT_LE(c.m_fRumbo, kDosPi);
        EXPECT_NEAR(std::hypot(c.m_fX - x, c.m_fY - y), 3.0f, 1e-3f);
    }
    // It keeps near its ring instead of drifting away.
    EXPECT_LT(std::hypot(c.m_fX, c.m_fY), 400.0f);
}
