// Shared by the widget tests that show text: the demo data's files, the main
// window with the graphics system and the game's three fonts, the package
// cache, the text tables of the three languages (English selected), and a
// tree of the test kit whose application core holds the game's base styles,
// with style 0 dressed as the buttons' frame. Reading the screen back and
// the text a sprite shows are at hand.
#pragma once
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Bitmap.h"
#include "engine/graphics/GestorFonts.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "kit/ArbolMenus.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace uitest {

// The game's fonts: 0 the body text, 1 titles, 2 big numbers.
constexpr int kFuenteTexto = 0;
constexpr int kFuenteTitulo = 1;

class EntornoTexto : public EntornoGrafico {
protected:
    void SetUp() override
    {
        EntornoGrafico::SetUp();
        if (HasFatalFailure()) return;
        const char* fuentes[NUM_FONTS] = {motor::fuente::LA_BRIT, motor::fuente::VILLAGE_FONT,
                                          motor::fuente::LA_BRIT_NUMEROS_GRANDES};
        ASSERT_TRUE(g_pSistema2D->CarregaFonts(fuentes));
        g_GestorFLIs.Libera();
        g_GestorFLIs.CargaFichero(motor::fichero::TEXTOS_CATALA, 0);
        g_GestorFLIs.CargaFichero(motor::fichero::TEXTOS_CASTELLANO, 1);
        g_GestorFLIs.CargaFichero(motor::fichero::TEXTOS_ENGLISH, 2);
        g_GestorFLIs.SeleccionaIdioma(2);
        CreaEstilosBase();
        // Buttons framed as the game's: the fine double line, lit when focused.
        EstiloObjeto e = *g_pAplicacion->Estilo(1);
        g_pAplicacion->CambiaEstilo(0, e);
    }
    void TearDown() override
    {
        EntornoGrafico::TearDown();
        g_GestorFLIs.Libera();
    }

    kit::CObjetoArbol* Raiz() { return m_arbol->Raiz(); }

    // Attaches a widget on top of the root with the reload of the images in
    // use, so that its text sprites get their textures.
    void Anade(CMenuObj* p) { Raiz()->AnadeHijo(true, p, false, false); }

    // How many pixels of a rectangle differ from a colour.
    int Distintos(int x0, int y0, int x1, int y1, Pixel c)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                Pixel p = En(x, y);
                if (p.r != c.r || p.g != c.g || p.b != c.b) ++n;
            }
        return n;
    }
};

// The text a text sprite shows: its literal, or "#CODE" for a text code,
// or "-" without a sprite.
inline std::string Muestra(const Sprite* s)
{
    if (!s || !s->m_pBitmap) return "-";
    const Bitmap* b = s->m_pBitmap;
    if (b->m_szText) return b->m_szText;
    int c = b->m_iCodiFLI;
    std::string r = "#";
    for (int i = 3; i >= 0; --i) r.push_back(char((c >> (8 * i)) & 0xff));
    return r;
}

} // namespace uitest
