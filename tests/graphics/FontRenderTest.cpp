// Fonts on the real graphics system: a small grid font written by the test,
// glyph cutting, the font slots, and text sprites read back from the screen
// (glyphs, alignment box, colour markup, shadow, wrap, language change).
#include "Ajudes.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GestorFonts.h"
#include "kit/ServeisFitxers.h"

#include <png.h>

#include <string>
#include <vector>

namespace {

// Grid font "Data\Prova\G.Set": 32-pixel cells, line height 20, spacing 2.
// Each drawn glyph is a solid white block exactly its advance wide and 20
// high, centred in its cell as the font tool does.
constexpr int kCelda = 32;
constexpr int kAlto = 20;
constexpr float kSeparacion = 2.0f;
struct GlifoPrueba {
    int codigo, avance;
};
const GlifoPrueba kGlifos[] = {{'A', 10}, {'B', 12}, {'<', 6}, {'W', 16}};
constexpr int kAvanceEspacio = 8;

void EscribeFuentePrueba(bool conSombra, bool conImagen = true)
{
    std::vector<uint8_t> rgba(static_cast<size_t>(kCelda * 16) * kCelda * 16 * 4, 0);
    int16_t anchos[256] = {};
    anchos[' '] = kAvanceEspacio;
    for (const GlifoPrueba& g : kGlifos) {
        anchos[g.codigo] = static_cast<int16_t>(g.avance);
        const int x0 = (g.codigo % 16) * kCelda + (kCelda - g.avance) / 2, y0 = (g.codigo / 16) * kCelda;
        for (int y = y0; y < y0 + kAlto; ++y)
            for (int x = x0; x < x0 + g.avance; ++x)
                for (int c = 0; c < 4; ++c) rgba[(static_cast<size_t>(y) * kCelda * 16 + x) * 4 + c] = 255;
    }
    if (conImagen) EscriuPNG("Data/Prova/G.png", kCelda * 16, kCelda * 16, PNG_COLOR_TYPE_RGBA, 8, rgba);
    std::string bytes;
    for (int16_t a : anchos) {
        bytes += static_cast<char>(a & 0xFF);
        bytes += static_cast<char>((a >> 8) & 0xFF);
    }
    mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / "Data" / "Prova" / "G.ANC", bytes);
    std::string set = "FONTSETTYPE = 1;\n"
                      "IMAGEN = \"Data\\Prova\\G.png\";\n"
                      "ANCHOS = \"Data\\Prova\\G.ANC\";\n"
                      "ALTO = 20;\nSEPARACION = 2;\nDESPLAZAMIENTO = 0, 0;\n";
    if (conSombra) {
        EscriuPNGPla("Data/Prova/S.png", 8, 8, 255, 255, 255, 255);
        set += "SOMBRA = \"Data\\Prova\\S.png\", 0, 0, 255, 255;\n";
    }
    mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / "Data" / "Prova" / "G.Set", set);
}

class FontRender : public ProvaGrafics {
protected:
    // Loads the test font into slot 0 of the graphics system.
    void CargaFuente(bool conSombra)
    {
        EscribeFuentePrueba(conSombra);
        const char* lista[NUM_FONTS] = {"Data\\Prova\\G.Set"};
        ASSERT_TRUE(m_pSis->CarregaFonts(lista));
        ASSERT_TRUE(m_pSis->GetFont(0)->EstaCargada());
    }

    // A text sprite of the test font, rendered and drawn at (x, y) on black,
    // then the screen is read back.
    Sprite* Dibuja(const char* texto, int flags, float w, float h, float x = 100, float y = 100, int codigo = -1)
    {
        Sprite* s = m_pSis->CreaSpriteText(0, texto, codigo, flags, 1.0f, 1.0f, w, h, 0, 0, 0, 0, -1, -1, true);
        EXPECT_NE(s, nullptr);
        if (!s) return nullptr;
        m_pSis->MarcaSpriteEnUs(s);
        Pinta(s, x, y);
        return s;
    }
    void Pinta(Sprite* s, float x, float y)
    {
        Fons(0, 0, 0);
        m_pSis->DibuixaSprite(s, x, y);
        LlegeixPantalla();
    }
    bool Blanco(int x, int y) const
    {
        Pixel p = At(x, y);
        return p.r > 240 && p.g > 240 && p.b > 240;
    }
    bool Negro(int x, int y) const
    {
        Pixel p = At(x, y);
        return p.r < 15 && p.g < 15 && p.b < 15;
    }
};

TEST_F(FontRender, GridFontCutsCentredCellsWithAdvanceHotspots)
{
    EscribeFuentePrueba(false);
    CFont font;
    ASSERT_TRUE(font.Carga("Data\\Prova\\G.Set"));
    EXPECT_TRUE(font.EstaCargada());
    for (int c = 0; c < 256; ++c) ASSERT_NE(font.m_apLetras[c], nullptr) << c;
    // Advance 10 in 32-pixel cells: hotspot x 11, so the visible 10 pixels
    // start at the drawing x.
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->m_fHotspotX, 11.0f);
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->m_fX, 1 * kCelda);
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->m_fY, 4 * kCelda);
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->GetAmplada(), kCelda);
    EXPECT_FLOAT_EQ(font.m_apLetras['B']->m_fHotspotX, 10.0f);
    // The space is advance wide and one line high.
    EXPECT_FLOAT_EQ(font.m_apLetras[' ']->GetAmplada(), kAvanceEspacio);
    EXPECT_FLOAT_EQ(font.m_apLetras[' ']->GetAlcada(), kAlto);
    EXPECT_FLOAT_EQ(font.m_apLetras[' ']->m_fHotspotX, 0.0f);
    EXPECT_TRUE(font.m_apLetras['A']->m_bEnUs);
    EXPECT_EQ(font.m_pSombra, nullptr);

    EXPECT_FLOAT_EQ(font.AltoLinea(), kAlto);
    EXPECT_FLOAT_EQ(font.m_fSeparacion, kSeparacion);
    EXPECT_FLOAT_EQ(font.AnchoLetra('A'), 10.0f);
    EXPECT_FLOAT_EQ(font.AnchoLetra(300), 0.0f);
    EXPECT_FLOAT_EQ(font.CalculaAncho("AB"), 12.0f + 14.0f);
    EXPECT_FLOAT_EQ(font.CalculaAncho("<R255>A\nAB"), 26.0f);
    EXPECT_FLOAT_EQ(font.CalculaAlto("A"), 20.0f);
    EXPECT_FLOAT_EQ(font.CalculaAlto("A\nB\n"), 60.0f);
    std::string ajustado;
    font.AjustaTexto(ajustado, "A A A", 30.0f);
    EXPECT_EQ(ajustado, "A \nA \nA");

    // Loading again releases the first load's sprites.
    ASSERT_TRUE(font.Carga("Data\\Prova\\G.Set"));
    font.Libera(true);
    EXPECT_FALSE(font.EstaCargada());
    EXPECT_EQ(font.m_apLetras['A'], nullptr);
}

TEST_F(FontRender, FontsThatCannotLoad)
{
    CFont font;
    EXPECT_FALSE(font.Carga("Data\\Prova\\Nowhere.Set"));
    EXPECT_FALSE(font.EstaCargada());
    EXPECT_FLOAT_EQ(font.CalculaAlto("A"), 0.0f);

    // A grid whose image is missing cuts nothing from the placeholder.
    EscribeFuentePrueba(false, false);
    EXPECT_FALSE(font.Carga("Data\\Prova\\G.Set"));
    for (Sprite* s : font.m_apLetras) EXPECT_EQ(s, nullptr);
    EXPECT_EQ(m_pSis->PrimerSprite(), nullptr); // nothing left behind
}

TEST_F(FontRender, ClassicFormCutsNamedRectangles)
{
    EscriuPNGPla("Data/Prova/K.png", 64, 32, 255, 255, 255, 255);
    EscriuPNGPla("Data/Prova/O.png", 4, 4, 0, 0, 0, 255);
    mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / "Data" / "Prova" / "K.Set",
                         "SET_DE_LETRAS = \"Data\\Prova\\K.bmp\";\n"
                         "LETRA = 65, 0, 0, 9, 20;\n"
                         "LETRA = 65, 10, 0, 11, 20;\n" // the same character again: the last one stays
                         "LETRA = 300, 0, 0, 5, 5;\n"    // no such character
                         "SEPARACION = 3;\n"
                         "OSCURECEDOR = \"Data\\Prova\\O.png\", 1, 2, 3, 100;\n");
    CFont font;
    ASSERT_TRUE(font.Carga("Data\\Prova\\K.Set"));
    ASSERT_NE(font.m_apLetras['A'], nullptr);
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->m_fX, 10.0f);
    EXPECT_FLOAT_EQ(font.m_apLetras['A']->m_fHotspotX, 0.0f);
    EXPECT_FLOAT_EQ(font.AnchoLetra('A'), 11.0f);
    EXPECT_EQ(font.m_apLetras['B'], nullptr);
    EXPECT_FLOAT_EQ(font.m_fSeparacion, 3.0f);
    ASSERT_NE(font.m_pSombra, nullptr);
    EXPECT_FLOAT_EQ(font.m_pSombra->m_fHotspotX, 0.0f);
    ColorARGB c;
    m_pSis->LlegeixColorCantonada(font.m_pSombra, 0, &c);
    EXPECT_EQ(c.a, 100);
    EXPECT_EQ(c.r, 1);
    EXPECT_EQ(c.b, 3);
    // A character without a glyph draws nothing and has no width.
    EXPECT_FLOAT_EQ(font.CalculaAncho("AZ"), 14.0f);
    EXPECT_FLOAT_EQ(font.CalculaAlto("A"), 0.0f); // no space glyph
}

TEST_F(FontRender, SlotsFallBackToTheDefaultFont)
{
    EscribeFuentePrueba(false);
    const char* lista[NUM_FONTS] = {"Data\\Prova\\G.Set", "Data\\Prova\\Missing.Set", nullptr, ""};
    ASSERT_TRUE(m_pSis->CarregaFonts(lista));
    CFont* defecto = m_pSis->GetFont(FONT_DEFECTO);
    ASSERT_NE(defecto, nullptr);
    EXPECT_FALSE(defecto->EstaCargada()); // no default font file in this data root
    EXPECT_NE(m_pSis->GetFont(0), defecto);
    for (int i : {1, 2, 3, 9, 10, -1, -3, 1000}) EXPECT_EQ(m_pSis->GetFont(i), defecto) << i;

    CGestorFonts gestor;
    EXPECT_EQ(gestor.GetFont(0), nullptr); // nothing before Inicia
    ASSERT_TRUE(gestor.Inicia());
    EXPECT_TRUE(gestor.CargaFont(4, "Data\\Prova\\G.Set"));
    EXPECT_FALSE(gestor.CargaFont(4, "Data\\Prova\\G.Set")); // slot taken
    EXPECT_FALSE(gestor.CargaFont(10, "Data\\Prova\\G.Set"));
    EXPECT_NE(gestor.GetFont(4), gestor.GetFont(FONT_DEFECTO));
}

TEST_F(FontRender, GlyphsDrawnAtTheirAdvancesInTheAlignmentBox)
{
    CargaFuente(false);
    struct Caso {
        int flags;
        int inicio; // x of the first glyph inside the sprite
    } casos[] = {
        {TEXTO_IZQUIERDA | TEXTO_ARRIBA, 0},
        {TEXTO_CENTRADO | TEXTO_ARRIBA, 50 - 13},                  // line width 26 in a box 100 wide
        {TEXTO_DERECHA | TEXTO_ARRIBA, 100 - 26},
        {TEXTO_IZQUIERDA | TEXTO_CENTRADO | TEXTO_DERECHA, 0},     // left wins
        {TEXTO_CENTRADO | TEXTO_DERECHA, 50 - 13},                 // centre wins over right
        {0, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.flags);
        Sprite* s = Dibuja("AB", c.flags, 100, 40);
        const int x = 100 + c.inicio;
        EXPECT_TRUE(Negro(x - 1, 110));
        EXPECT_TRUE(Blanco(x, 110));
        EXPECT_TRUE(Blanco(x + 9, 119));
        EXPECT_TRUE(Negro(x + 10, 110));          // advance 10, then spacing 2
        EXPECT_TRUE(Negro(x + 11, 110));
        EXPECT_TRUE(Blanco(x + 12, 110));         // B
        EXPECT_TRUE(Blanco(x + 23, 110));
        EXPECT_TRUE(Negro(x + 24, 110));
        EXPECT_TRUE(Negro(x + 5, 120));           // 20 rows high
        m_pSis->AlliberaSprite(s, true);
    }
}

TEST_F(FontRender, BlockAlignedVertically)
{
    CargaFuente(false);
    struct Caso {
        int flags;
        int arriba;
    } casos[] = {
        {TEXTO_IZQUIERDA | TEXTO_ARRIBA, 0},
        {TEXTO_IZQUIERDA | TEXTO_MEDIO, 50 - 30}, // three lines of 20 in a box of 100
        {TEXTO_IZQUIERDA | TEXTO_ABAJO, 100 - 60},
        {TEXTO_IZQUIERDA | TEXTO_ARRIBA | TEXTO_MEDIO, 0},
        {TEXTO_IZQUIERDA | TEXTO_MEDIO | TEXTO_ABAJO, 20},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.flags);
        Sprite* s = Dibuja("A\nA\nA", c.flags, 64, 100);
        const int y = 100 + c.arriba;
        if (c.arriba > 0) {
            EXPECT_TRUE(Negro(105, y - 1));
        }
        EXPECT_TRUE(Blanco(105, y));
        EXPECT_TRUE(Blanco(105, y + 59));
        EXPECT_TRUE(Negro(105, y + 60));
        m_pSis->AlliberaSprite(s, true);
    }
}

TEST_F(FontRender, ColourMarkupAndEscapes)
{
    CargaFuente(false);
    // Red, green and blue set before a word draw it red; the next line starts white.
    Sprite* s = Dibuja("<R255><G0><B0>A<B300>A\nA", TEXTO_IZQUIERDA | TEXTO_ARRIBA, 64, 40);
    EXPECT_RGB(At(105, 105), 255, 0, 0);
    EXPECT_RGB(At(117, 105), 255, 0, 44); // 300 taken modulo 256
    EXPECT_RGB(At(105, 125), 255, 255, 255);
    m_pSis->AlliberaSprite(s, true);

    // A backslash before '<' draws '<'; <c65> draws the glyph of code 65;
    // a half-transparent alpha tag.
    s = Dibuja("\\<<c65><A128>A", TEXTO_IZQUIERDA | TEXTO_ARRIBA, 64, 40);
    EXPECT_TRUE(Blanco(100, 105));        // '<' is 6 wide
    EXPECT_TRUE(Blanco(105, 105));
    EXPECT_TRUE(Negro(106, 105));
    EXPECT_TRUE(Blanco(108, 105));        // 'A' after 6 + 2
    EXPECT_TRUE(Negro(118, 105));
    Pixel medio = At(125, 105);           // the last 'A' half transparent over black
    EXPECT_GT(medio.r, 15);
    EXPECT_LT(medio.r, 200);
    m_pSis->AlliberaSprite(s, true);
}

TEST_F(FontRender, ShadowDrawnBehindEachGlyphOverItsCell)
{
    CargaFuente(true);
    CFont* font = m_pSis->GetFont(0);
    ASSERT_NE(font->m_pSombra, nullptr);
    EXPECT_FLOAT_EQ(font->m_pSombra->m_fHotspotX, 4.0f); // half the shadow's width
    // 'A' at x 0: the shadow is centred on x + advance / 2 = 5 and scaled to
    // the 32 x 32 cell, so it covers x -11..20 and y 0..31.
    Sprite* s = Dibuja("A", TEXTO_IZQUIERDA | TEXTO_ARRIBA, 64, 40, 100, 100);
    EXPECT_RGB(At(105, 105), 255, 255, 255); // glyph over the shadow
    EXPECT_RGB(At(115, 105), 0, 0, 255);     // shadow beside the glyph
    EXPECT_RGB(At(105, 125), 0, 0, 255);     // and below it
    EXPECT_RGB(At(123, 105), 0, 0, 0);
    EXPECT_RGB(At(105, 135), 0, 0, 0);
    m_pSis->AlliberaSprite(s, true);
    // A space draws no shadow.
    s = Dibuja(" ", TEXTO_IZQUIERDA | TEXTO_ARRIBA, 64, 40, 100, 100);
    EXPECT_RGB(At(104, 105), 0, 0, 0);
    m_pSis->AlliberaSprite(s, true);
}

TEST_F(FontRender, WrapOnlyWhenWiderThanTheBox)
{
    CargaFuente(false);
    // "A A A" is 12 + 10 + 12 + 10 + 12 = 56 wide: in a box of 30 it takes
    // three lines.
    Sprite* s = Dibuja("A A A", TEXTO_IZQUIERDA | TEXTO_ARRIBA | TEXTO_AJUSTA, 30, 64);
    for (int linea = 0; linea < 3; ++linea) EXPECT_TRUE(Blanco(105, 105 + 20 * linea)) << linea;
    EXPECT_TRUE(Negro(100 + 22 + 5, 105));
    m_pSis->AlliberaSprite(s, true);
    // Narrower than its box: one line even with the wrap flag.
    s = Dibuja("A A A", TEXTO_IZQUIERDA | TEXTO_ARRIBA | TEXTO_AJUSTA, 100, 64);
    EXPECT_TRUE(Blanco(100 + 22 + 5, 105));
    EXPECT_TRUE(Blanco(100 + 44 + 5, 105));
    EXPECT_TRUE(Negro(105, 125));
    m_pSis->AlliberaSprite(s, true);
}

TEST_F(FontRender, TextSizeMeasuredAndCodesFollowTheLanguage)
{
    CargaFuente(false);
    Sprite* s = m_pSis->CreaSpriteText(0, "AB\nA", -1, 0, 1, 1, -1, -1, 0, 0, 0, 0, -1, -1, false);
    ASSERT_NE(s, nullptr);
    EXPECT_FLOAT_EQ(s->GetAmplada(), 26.0f);
    EXPECT_FLOAT_EQ(s->GetAlcada(), 40.0f);
    m_pSis->AlliberaSprite(s, true);

    g_GestorFLIs.Libera();
    ASSERT_TRUE(g_GestorFLIs.AnadeTexto(0, "TXTA", "A"));
    ASSERT_TRUE(g_GestorFLIs.AnadeTexto(1, "TXTA", "B B"));
    g_GestorFLIs.SeleccionaIdioma(0);
    s = Dibuja(nullptr, TEXTO_IZQUIERDA | TEXTO_ARRIBA, 64, 32, 100, 100, CodigoFLI("TXTA"));
    EXPECT_TRUE(Blanco(105, 105));
    EXPECT_TRUE(Negro(111, 105));
    EXPECT_TRUE(Negro(100 + 22 + 5, 105));
    EXPECT_FLOAT_EQ(m_pSis->GetFont(0)->CalculaAltoFLI(CodigoFLI("TXTA")), 20.0f);
    // Another language: the text images are rendered again.
    g_GestorFLIs.SeleccionaIdioma(1);
    m_pSis->RecargaBitmapsTexto();
    m_pSis->CarregaBitmapsEnUs();
    Pinta(s, 100, 100);
    EXPECT_TRUE(Blanco(111, 105));
    EXPECT_TRUE(Blanco(100 + 22 + 5, 105));
    m_pSis->AlliberaSprite(s, true);
    g_GestorFLIs.Libera();
    g_GestorFLIs.SeleccionaIdioma(0);
}

} // namespace
