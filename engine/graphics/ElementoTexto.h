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
