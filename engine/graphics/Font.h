// A bitmap font: 256 glyph sprites cut from the images a .Set file names,
// with an advance width per character, a letter spacing, a drawing offset and
// an optional shadow sprite drawn behind every glyph.
#pragma once

#include <cstdint>
#include <string>

class Sprite;
struct DescripcionFont;

class CFont {
public:
    CFont();
    virtual ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Loads a .Set file (grid or classic form); a previous load is released
    // first. False when the file cannot be opened or a grid font cannot make
    // all 256 glyphs (every glyph made so far is then freed).
    bool Carga(const char* fichero);
    // The grid form: the image's 16 x 16 cells, the widths file's advances.
    bool CargaRejilla(const char* imagen, const char* anchos, float alto, float separacion,
                      float desplazamientoX, float desplazamientoY);
    // Frees the glyphs and the shadow when asked (and while the graphics
    // system exists); the font is then not loaded.
    void Libera(bool liberaSprites);

    bool EstaCargada() const { return m_bCargada != 0; }
    float AnchoLetra(int c) const { return c >= 0 && c <= 255 ? m_afAnchos[c] : 0.0f; }
    // The height of a line: that of the space glyph (0 without one).
    float AltoLinea() const;

    // Width of the widest line (markup counts nothing).
    float CalculaAncho(const char* texto) const;
    // (1 + newlines) x the line height.
    float CalculaAlto(const char* texto) const;
    // CalculaAlto of the code's text in the current language.
    float CalculaAltoFLI(int32_t codigo) const;
    // Word wrap to `ancho`: pieces end after a space or a newline; a piece
    // that does not fit after the running width starts a new line (a first
    // piece too wide is preceded by an empty line; one wider than the whole
    // width keeps its own line). Empty for an empty text or a width of 0.
    void AjustaTexto(std::string& destino, const char* texto, float ancho) const;
    // As a text box lays a text out: unchanged when it is narrower than
    // `ancho`, otherwise word-wrapped to it.
    void AjustaComoCaja(std::string& destino, const char* texto, float ancho) const;

    std::string m_sFichero;
    Sprite* m_apLetras[256];
    uint8_t m_bCargada = 0;
    float m_fSeparacion = 0.0f;
    float m_fDesplazamientoX = 0.0f, m_fDesplazamientoY = 0.0f;
    float m_afAnchos[256];
    Sprite* m_pSombra = nullptr;

private:
    bool CargaClasica(const DescripcionFont& d);
    void CreaSombra(const DescripcionFont& d);
    void LimpiaCampos();
};
