// The fixture of every test that draws on the real graphics system: the file
// services started over a data root, the main window (1024x768, windowed)
// and the graphics system started on it and installed as g_pSistema2D, and
// the screen read back after drawing. Derived fixtures add what they draw
// with (a tree of objects, the package cache, their own data).
#pragma once
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CSistema2D;

namespace kit {

class EntornoVentana : public ::testing::Test {
protected:
    // Starts over the game's built data.
    void SetUp() override { IniciaVentana(MG_TEST_DATA_ROOT); }
    // Releases whatever was started, in reverse order (also after a start
    // that failed part way).
    void TearDown() override;

    // The file services over `arrel`, the window and the graphics system
    // (windowed, 32-bit textures).
    void IniciaVentana(const std::string& arrel);
    // Starts the graphics system again with these options.
    void Reinicia(bool bVentana, bool bTextures32);
    // Fills the field with an opaque colour.
    void Fondo(uint8_t r, uint8_t g, uint8_t b);
    // Reads the back buffer after drawing what is queued into m_aPantalla.
    void LeePantalla();

    std::unique_ptr<mgtest::ServeisFitxers> m_pFitxers;
    CSistema2D* m_pSis = nullptr;
    bool m_bVentana = false;
    // RGBA, row 0 on top, as last read.
    std::vector<uint8_t> m_aPantalla;
};

} // namespace kit
