// The fonts of the graphics system: a default font and ten numbered slots
// filled from a list of font files at start-up. Fetching an empty slot, an
// unloaded font or an index outside 0..9 gives the default font.
#pragma once
#include <cstdint>

class CFont;

constexpr int NUM_FONTS = 10;
constexpr int FONT_DEFECTO = -3;

class CGestorFonts {
public:
    CGestorFonts() = default;
    ~CGestorFonts();
    CGestorFonts(const CGestorFonts&) = delete;
    CGestorFonts& operator=(const CGestorFonts&) = delete;

    // Releases a previous load, clears the slots and creates the default font
    // (whether its file loads or not).
    bool Inicia();
    // Creates and loads the font of an empty slot 0..9; a font that does not
    // load leaves the slot empty.
    bool CargaFont(int i, const char* fichero);
    // Inicia, then every named slot of the list (NUM_FONTS names, null or
    // empty = none).
    bool CargaFonts(const char* const* lista);
    CFont* GetFont(int i) const;
    bool EstaCargado() const { return m_bCargado != 0; }

    void Vacia();
    void Libera();

    uint8_t m_bCargado = 0;
    CFont* m_pFontDefecto = nullptr;
    CFont* m_apFonts[NUM_FONTS] = {};
};
