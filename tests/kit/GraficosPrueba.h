// The real graphics system for widget tests: the data file system over the
// test data, the main window (offscreen), the graphics system with the
// game's fonts and a sprite-package cache, installed as the globals for the
// lifetime of the object; and a reader of the pixels drawn.
#pragma once
#include "kit/ServeisFitxers.h"

#include <cstdint>
#include <memory>
#include <vector>

class CGestorSPMs;

namespace kit {

struct Pixel {
    int r, g, b;
};

class CGraficosPrueba {
public:
    CGraficosPrueba();
    ~CGraficosPrueba();
    CGraficosPrueba(const CGraficosPrueba&) = delete;
    CGraficosPrueba& operator=(const CGraficosPrueba&) = delete;
    bool Correcte() const { return m_bCorrecte; }

    // Fills the screen with one colour.
    void Fondo(uint8_t r, uint8_t g, uint8_t b);
    // A pixel of the frame drawn so far (read once until Olvida).
    Pixel En(int x, int y);
    void Olvida() { m_pantalla.clear(); }

private:
    std::unique_ptr<mgtest::ServeisFitxers> m_fitxers;
    std::unique_ptr<CGestorSPMs> m_cache;
    std::vector<uint8_t> m_pantalla;
    bool m_bCorrecte = false;
};

} // namespace kit
