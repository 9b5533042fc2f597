// Inline markup of the texts drawn with bitmap fonts, and the font-independent
// part of measuring and wrapping them.
//
// Markup, read one token at a time by LeeElementoTexto:
//   <A n> <R n> <G n> <B n>  (written without spaces: <R255>) set the alpha,
//                            red, green or blue component of the colour to n
//   <c n>                    the character of code n (0..255)
//   <x ...>                  any other letter: ignored
//   \<                       the character '<' itself
// Every other byte stands for itself. Texts are single-byte (Windows-1252).
#pragma once
#include <string>

// Text flags of a text bitmap: alignment of each line and of the block, and
// word wrap. Horizontally TEXTO_IZQUIERDA wins over TEXTO_CENTRADO over
// TEXTO_DERECHA (none: x 0); vertically TEXTO_ARRIBA over TEXTO_MEDIO over
// TEXTO_ABAJO (none: y 0).
enum {
    TEXTO_CENTRADO = 0x01,  // each line centred in the box
    TEXTO_DERECHA = 0x02,   // each line against the right of the box
    TEXTO_IZQUIERDA = 0x04, // each line at x 0
    TEXTO_MEDIO = 0x08,     // the block centred vertically
    TEXTO_ABAJO = 0x10,     // the block against the bottom
    TEXTO_ARRIBA = 0x20,    // the block at y 0
    TEXTO_AJUSTA = 0x40,    // word wrap to the box width
};

enum TipoElementoTexto {
    ELEMENTO_DESCONOCIDO = -1, // an unknown or malformed tag: ignored
    ELEMENTO_ALFA = 0,
    ELEMENTO_ROJO = 1,
    ELEMENTO_VERDE = 2,
    ELEMENTO_AZUL = 3,
    ELEMENTO_CARACTER = 4, // value = character code 0..255
    ELEMENTO_FIN = 5,
};

// One markup token. Returned by value, so several threads may lay out texts
// at once.
struct ElementoTexto {
    int m_iTipo = ELEMENTO_DESCONOCIDO;
    int m_iValor = -1;
    const char* m_pSiguiente = nullptr; // position after the token
};

// The token at `texto` (a null text is at its end). At the end the position
// does not move.
ElementoTexto LeeElementoTexto(const char* texto);

// Width of the widest line of `texto`: per line the sum of (spacing + advance)
// over its characters whose advance is positive. A newline ends a line;
// colour tokens count nothing. `anchos` holds the 256 advance widths.
float AnchoTextoMarcado(const char* texto, const float* anchos, float separacion);

// Word wrap of `texto` to `ancho` into `destino` (see CFont::AjustaTexto).
// An empty text or a width of 0 or less gives an empty result.
void AjustaTextoMarcado(std::string& destino, const char* texto, float ancho, const float* anchos,
                        float separacion);
