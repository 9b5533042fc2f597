// Shared by the widget tests that draw on the real graphics system: the demo
// data's files, the main window with the graphics system, the package cache
// and a tree of the test kit, with the screen read back pixel by pixel.
#pragma once
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "kit/ArbolMenus.h"
#include "kit/Pixel.h"
#include "kit/ServeisFitxers.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace uitest {

using kit::Pixel;

class EntornoGrafico : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_fitxers = std::make_unique<mgtest::ServeisFitxers>(MG_TEST_DATA_ROOT);
        ASSERT_TRUE(m_fitxers->Correcte());
        ASSERT_TRUE(plat::CreateMainWindow("test", false));
        g_pSistema2D = new CSistema2D;
        ASSERT_TRUE(g_pSistema2D->Inicia(true, true));
        g_pGestorSPMs = &m_cache;
        ASSERT_TRUE(m_cache.Inicia());
        m_arbol = std::make_unique<kit::CArbolPrueba>();
    }
    void TearDown() override
    {
        m_arbol.reset();
        m_cache.Vacia();
        g_pGestorSPMs = nullptr;
        delete g_pSistema2D;
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
        m_fitxers.reset();
    }

    // Fills the field with an opaque colour; the screen is read again next.
    void Fondo(uint8_t r, uint8_t g, uint8_t b)
    {
        g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(r, g, b, 255), true);
        m_pantalla.clear();
    }
    // A pixel of the screen as read at the first call since the last Fondo
    // or Olvida.
    Pixel En(int x, int y)
    {
        if (m_pantalla.empty()) {
            EXPECT_TRUE(plat::ReadFrame(&m_pantalla));
        }
        return kit::PixelDe(m_pantalla, x, y);
    }
    void Olvida() { m_pantalla.clear(); }

    std::unique_ptr<mgtest::ServeisFitxers> m_fitxers;
    CGestorSPMs m_cache;
    std::unique_ptr<kit::CArbolPrueba> m_arbol;
    std::vector<uint8_t> m_pantalla;
};

} // namespace uitest
