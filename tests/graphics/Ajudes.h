// Shared pieces of the graphics tests: PNG files written on the fly, the
// window fixture over them, and pixel reading.
#pragma once
#include "engine/graphics/Sistema2D.h"
#include "kit/EntornoVentana.h"
#include "kit/Pixel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

struct ColorPalet {
    uint8_t r, g, b;
};

// Writes a PNG under the test data root. `bytes` are the rows as libpng
// takes them for that colour type and depth.
void EscriuPNG(const std::string& nom, int w, int h, int iTipusColor, int iBits, const std::vector<uint8_t>& bytes,
               const std::vector<ColorPalet>& paleta = {});
// An RGBA image of one colour.
void EscriuPNGPla(const std::string& nom, int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
// The folder the tests write their data into (the data root).
std::string CarpetaDades();

using kit::Pixel;

// The window fixture over a fresh data folder of this process's own.
class ProvaGrafics : public kit::EntornoVentana {
protected:
    void SetUp() override;
    void TearDown() override;
    // Reads the back buffer after drawing what is queued.
    void LlegeixPantalla() { LeePantalla(); }
    Pixel At(int x, int y) const;
    // Fills the field with an opaque colour.
    void Fons(uint8_t r, uint8_t g, uint8_t b) { Fondo(r, g, b); }
    // A sprite on a file, loaded and in use.
    Sprite* SpriteEnUs(const char* szFitxer, bool bOpac = false);
};

// Expects a pixel within 1 per channel of r, g, b.
#define EXPECT_RGB(px, R, G, B)                                                                                     \
    do {                                                                                                             \
        Pixel p_ = (px);                                                                                             \
        EXPECT_NEAR(p_.r, (R), 1) << "red";                                                                          \
        EXPECT_NEAR(p_.g, (G), 1) << "green";                                                                        \
        EXPECT_NEAR(p_.b, (B), 1) << "blue";                                                                         \
    } while (0)
