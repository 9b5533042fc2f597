// A text of a table put in place for a test under a code of the test's own
// (replacing the code's text when the table holds it already; the tables
// keep the first text of a code).
#pragma once
#include "engine/core/GestorFLIs.h"

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

} // namespace mgtest
