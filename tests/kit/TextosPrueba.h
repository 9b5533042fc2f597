// A text of a table put in place for a test under a code of the test's own
// (replacing the code's text when the table holds it already; the tables
// keep the first text of a code).
//
// And what the layout tests share: a table code as its letters, and a text
// wrapped as a box wraps it.
#pragma once
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"

#include <cstdint>
#include <string>

namespace mgtest {

inline void PonTexto(int idioma, const char* codigo, const char* texto)
{
    const int t = g_GestorFLIs.BuscaIndice(idioma);
    if (t >= 0) {
        TablaFLI& tabla = g_GestorFLIs.m_aTablas[t];
        for (int i = 0; i < tabla.m_iNumTextos; ++i)
            if (tabla.m_aEntradas[i].m_iCodigo == CodigoFLI(codigo)) {
                tabla.m_aEntradas[i].m_sTexto = texto;
                return;
            }
    }
    g_GestorFLIs.AnadeTexto(idioma, codigo, texto);
}

// The letters of a table code, high byte first ("TX00"); zero bytes are left out.
inline std::string LetrasCodigo(uint32_t codigo)
{
    std::string letras;
    for (int b = 3; b >= 0; --b)
        if (const char c = static_cast<char>((codigo >> (8 * b)) & 0xFF)) letras += c;
    return letras;
}

// `texto` as a box `ancho` points wide lays it out with font f at scale
// `escala`: unchanged when it fits on one line, else wrapped.
inline std::string AjustaComoCaja(const CFont& f, const std::string& texto, float ancho, float escala)
{
    std::string ajustado;
    f.AjustaComoCaja(ajustado, texto.c_str(), ancho / escala);
    return ajustado;
}

} // namespace mgtest
