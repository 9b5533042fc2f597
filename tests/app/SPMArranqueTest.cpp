// Start-up brings up the effects cache and the package cache at their rows;
// the application core's pointer cursors and fade overlay draw from their
// packages; shutdown takes both down.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorRatones.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "kit/ServeisFitxers.h"
#include "platform/Paths.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SPMArranque, CursoresYVeloDesdeSusPaquetes)
{
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    mgtest::CarpetaUsuariProva carpeta("spm-arranque");
    ASSERT_TRUE(IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                               motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true, ListaFonts));
    ASSERT_NE(g_pSistemaCacheEfectos, nullptr);
    EXPECT_TRUE(g_pSistemaCacheEfectos->EstaIniciado());
    ASSERT_NE(g_pGestorSPMs, nullptr);
    EXPECT_TRUE(g_pGestorSPMs->EstaIniciado());
    EXPECT_TRUE(g_pGestorSPMs->BuscaNodo(motor::paquete::CURSOR_INGAME));
    EXPECT_TRUE(g_pGestorSPMs->BuscaNodo(motor::paquete::CUADRO_BLANCO));

    std::vector<uint8_t> px;
    auto en = [&](int x, int y) { return &px[(size_t(y) * plat::kFieldWidth + size_t(x)) * 4]; };
    ASSERT_NE(g_pRatones->Raton(0), nullptr);
    g_pRatones->Raton(0)->CambiaX(300);
    g_pRatones->Raton(0)->CambiaY(300);
    g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(0, 0, 0, 255), true);
    g_pAplicacion->CambiaFundido(0.0f, 0, 0, 0);
    g_pAplicacion->Dibuja();
    ASSERT_TRUE(plat::ReadFrame(&px));
    const uint8_t* oro = en(304, 315); // inside the gilded arrow, below its tip at the pointer
    EXPECT_GT(oro[0], 150);
    EXPECT_GT(oro[1], 100);
    EXPECT_GT(oro[0], oro[2] + 60);
    EXPECT_EQ(en(290, 312)[0], 0); // nothing left of the tip
    EXPECT_EQ(en(600, 600)[0], 0);

    g_pAplicacion->CambiaFundido(1.0f, 255, 0, 0);
    g_pAplicacion->Dibuja();
    ASSERT_TRUE(plat::ReadFrame(&px));
    for (auto [x, y] : {std::pair{0, 0}, {1023, 767}, {512, 384}, {304, 315}}) {
        EXPECT_GT(en(x, y)[0], 250) << x << "," << y;
        EXPECT_LT(en(x, y)[1], 5) << x << "," << y;
    }

    LiberaSistemas();
    EXPECT_EQ(g_pGestorSPMs, nullptr);
    EXPECT_EQ(g_pSistemaCacheEfectos, nullptr);
    EXPECT_EQ(CSPM::UsuariosPlaceholders(), 0);
}
