// What a .Set font file describes, read before any sprite is made.
//
// Grid form (first record FONTSETTYPE); the following records are taken by
// position, whatever their names:
//   2nd  image: 16 x 16 equal cells, character code = row * 16 + column
//   3rd  widths file: 256 little-endian signed 16-bit advance widths
//   4th  line height (the height of the space glyph)
//   5th  letter spacing
//   6th  x offset, y offset
//   7th  (optional) shadow image, shadow colour r, g, b, a
// Classic form (any other first record), record by record:
//   SET_DE_LETRAS = image;            the image the next LETRA records cut
//                                     (its name ends in "PNG" whatever it says)
//   LETRA = code, x, y, w, h;         a glyph rectangle; its advance is w
//   SEPARACION = spacing;
//   OSCURECEDOR = image, r, g, b, a;  the shadow
#pragma once
#include <string>
#include <vector>

struct LetraFont {
    int m_iCodigo = 0; // 0..255
    float m_fX = 0, m_fY = 0, m_fW = 0, m_fH = 0;
    int m_iImagen = 0; // index into DescripcionFont::m_asImagenes
};

struct DescripcionFont {
    bool m_bRejilla = false;
    // Grid form.
    std::string m_sImagen, m_sAnchos;
    bool m_bTieneImagen = false, m_bTieneAnchos = false;
    float m_fAlto = -1.0f;
    float m_fDesplazamientoX = 0.0f, m_fDesplazamientoY = 0.0f;
    // Both forms.
    float m_fSeparacion = 0.0f;
    bool m_bSombra = false;
    std::string m_sSombra;
    int m_aiColorSombra[4] = {0, 0, 0, 0}; // r, g, b, a
    // Classic form, in file order.
    std::vector<std::string> m_asImagenes;
    std::vector<LetraFont> m_aLetras;
};

// Reads a .Set file through the command-file reader; false when it cannot be
// opened. LETRA records with a code outside 0..255, or before any
// SET_DE_LETRAS, are skipped.
bool LeeDescripcionFont(const char* fichero, DescripcionFont& d);

// Reads up to 256 advance widths from a widths file (stopping at its end);
// the rest stay 0. False when the file cannot be opened.
bool LeeAnchosFont(const char* fichero, float anchos[256]);
