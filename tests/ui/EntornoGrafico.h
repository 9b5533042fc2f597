// Shared by the widget tests that draw on the real graphics system: the
// kit's window fixture over the demo data, the package cache and a tree of
// the test kit, with the screen read back pixel by pixel.
#pragma once
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "kit/ArbolMenus.h"
#include "kit/EntornoVentana.h"
#include "kit/Pixel.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace uitest {

using kit::Pixel;

// The window fixture over the game's data, with the package cache and a
// tree of the test kit.
class EntornoGrafico : public kit::EntornoVentana {
protected:
    void SetUp() override
    {
        kit::EntornoVentana::SetUp();
        if (HasFatalFailure()) return;
        g_pGestorSPMs = &m_cache;
        ASSERT_TRUE(m_cache.Inicia());
        m_arbol = std::make_unique<kit::CArbolPrueba>();
    }
    void TearDown() override
    {
        m_arbol.reset();
        m_cache.Vacia();
        g_pGestorSPMs = nullptr;
        kit::EntornoVentana::TearDown();
    }

    // Fills the field with an opaque colour; the screen is read again next.
    void Fondo(uint8_t r, uint8_t g, uint8_t b)
    {
        kit::EntornoVentana::Fondo(r, g, b);
        Olvida();
    }
    // A pixel of the screen as read at the first call since the last Fondo
    // or Olvida.
    Pixel En(int x, int y)
    {
        if (m_aPantalla.empty()) LeePantalla();
        return kit::PixelDe(m_aPantalla, x, y);
    }
    void Olvida() { m_aPantalla.clear(); }

    CGestorSPMs m_cache;
    std::unique_ptr<kit::CArbolPrueba> m_arbol;
};

} // namespace uitest
