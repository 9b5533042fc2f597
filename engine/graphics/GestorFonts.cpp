#include "engine/graphics/GestorFonts.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/Font.h"

CGestorFonts::~CGestorFonts()
{
    Libera();
}

bool CGestorFonts::Inicia()
{
    Libera();
    Vacia();
    m_pFontDefecto = new CFont;
    m_pFontDefecto->Carga(motor::fuente::FIXED_SYS); // the default font exists even when its file is missing
    m_bCargado = 1;
    return true;
}

bool CGestorFonts::CargaFont(int i, const char* fichero)
{
    if (i < 0 || i >= NUM_FONTS || m_apFonts[i] || !fichero) return false;
    CFont* font = new CFont;
    if (!font->Carga(fichero)) {
        delete font;
        return false;
    }
    m_apFonts[i] = font;
    return true;
}

bool CGestorFonts::CargaFonts(const char* const* lista)
{
    Inicia();
    for (int i = 0; lista && i < NUM_FONTS; ++i)
        if (lista[i] && lista[i][0]) CargaFont(i, lista[i]);
    return m_bCargado != 0;
}

CFont* CGestorFonts::GetFont(int i) const
{
    if (i >= 0 && i < NUM_FONTS && m_apFonts[i] && m_apFonts[i]->EstaCargada()) return m_apFonts[i];
    return m_pFontDefecto;
}

void CGestorFonts::Vacia()
{
    m_pFontDefecto = nullptr;
    for (CFont*& f : m_apFonts) f = nullptr;
    m_bCargado = 0;
}

void CGestorFonts::Libera()
{
    delete m_pFontDefecto;
    for (CFont* f : m_apFonts) delete f;
    Vacia();
}
