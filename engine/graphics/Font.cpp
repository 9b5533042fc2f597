#include "engine/graphics/Font.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/DescripcionFont.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"

#include <algorithm>

namespace {

// A sprite kept loaded while the font lives: marked in use, and its texture
// made at once so that texts can be rendered before the next loading pass.
Sprite* SpriteDeFont(const char* imagen, float x, float y, float w, float h, float hx, float hy)
{
    Sprite* s = g_pSistema2D->CreaSpriteFitxer(imagen, x, y, w, h, hx, hy, true, false);
    if (s) g_pSistema2D->MarcaSpriteEnUs(s);
    return s;
}

} // namespace

CFont::CFont()
{
    LimpiaCampos();
}

CFont::~CFont()
{
    Libera(true);
}

void CFont::LimpiaCampos()
{
    std::fill(std::begin(m_apLetras), std::end(m_apLetras), nullptr);
    std::fill(std::begin(m_afAnchos), std::end(m_afAnchos), 0.0f);
    m_pSombra = nullptr;
    m_fSeparacion = 0.0f;
    m_fDesplazamientoX = m_fDesplazamientoY = 0.0f;
}

void CFont::Libera(bool liberaSprites)
{
    if (liberaSprites && g_pSistema2D) {
        for (Sprite*& s : m_apLetras) {
            if (s) g_pSistema2D->AlliberaSprite(s, false);
            s = nullptr;
        }
        if (m_pSombra) g_pSistema2D->AlliberaSprite(m_pSombra, false);
        m_pSombra = nullptr;
    }
    m_bCargada = 0;
}

bool CFont::Carga(const char* fichero)
{
    m_sFichero = fichero ? fichero : "";
    Libera(true);
    LimpiaCampos();
    DescripcionFont d;
    if (!g_pSistema2D || !LeeDescripcionFont(fichero, d)) return false;
    bool ok;
    if (d.m_bRejilla) {
        ok = CargaRejilla(d.m_bTieneImagen ? d.m_sImagen.c_str() : nullptr,
                          d.m_bTieneAnchos ? d.m_sAnchos.c_str() : nullptr, d.m_fAlto, d.m_fSeparacion,
                          d.m_fDesplazamientoX, d.m_fDesplazamientoY);
    } else {
        ok = CargaClasica(d);
    }
    if (ok) CreaSombra(d);
    return ok;
}

bool CFont::CargaClasica(const DescripcionFont& d)
{
    for (const LetraFont& l : d.m_aLetras) {
        Sprite* s = SpriteDeFont(d.m_asImagenes[l.m_iImagen].c_str(), l.m_fX, l.m_fY, l.m_fW, l.m_fH, 0.0f, 0.0f);
        if (!s) {
            Libera(true);
            return false;
        }
        // A character described twice keeps its last glyph.
        if (m_apLetras[l.m_iCodigo]) g_pSistema2D->AlliberaSprite(m_apLetras[l.m_iCodigo], false);
        m_apLetras[l.m_iCodigo] = s;
        m_afAnchos[l.m_iCodigo] = l.m_fW;
    }
    m_fSeparacion = d.m_fSeparacion;
    m_bCargada = 1;
    return true;
}

void CFont::CreaSombra(const DescripcionFont& d)
{
    if (!d.m_bSombra) return;
    Sprite* s = SpriteDeFont(d.m_sSombra.c_str(), -1.0f, -1.0f, -1.0f, -1.0f, 0.0f, 0.0f);
    if (!s) return;
    if (d.m_bRejilla) g_pSistema2D->PosaHotspot(s, s->GetAmplada() / 2.0f, 0.0f);
    const int* c = d.m_aiColorSombra;
    g_pSistema2D->PosaColorSprite(s, ColorARGB(static_cast<uint8_t>(c[3]), static_cast<uint8_t>(c[0]),
                                               static_cast<uint8_t>(c[1]), static_cast<uint8_t>(c[2])));
    m_pSombra = s;
}

bool CFont::CargaRejilla(const char* imagen, const char* anchos, float alto, float separacion,
                         float desplazamientoX, float desplazamientoY)
{
    if (!g_pSistema2D || !imagen) return false;
    Sprite* entera = SpriteDeFont(imagen, -1.0f, -1.0f, -1.0f, -1.0f, 0.0f, 0.0f);
    if (!entera) return false;
    // A missing image would give the placeholder: no glyphs can be cut.
    const bool imagenValida = entera->m_pBitmap != g_pSistema2D->GetPlaceholder() && entera->GetAmplada() > 0 &&
                              entera->GetAlcada() > 0;
    LeeAnchosFont(anchos, m_afAnchos);
    const float celdaW = entera->GetAmplada() / 16.0f, celdaH = entera->GetAlcada() / 16.0f;
    int hechas = 0;
    for (int c = 0; imagenValida && c < 256; ++c) {
        const float x = static_cast<float>(c % 16) * celdaW, y = static_cast<float>(c / 16) * celdaH;
        Sprite* s = c == ' ' ? SpriteDeFont(imagen, x, y, m_afAnchos[c], alto, 0.0f, 0.0f)
                             : SpriteDeFont(imagen, x, y, celdaW, celdaH, (celdaW - m_afAnchos[c]) / 2.0f, 0.0f);
        if (!s) break;
        m_apLetras[c] = s;
        ++hechas;
    }
    g_pSistema2D->AlliberaSprite(entera, false);
    if (hechas < 256) {
        Libera(true);
        return false;
    }
    m_fDesplazamientoX = desplazamientoX;
    m_fDesplazamientoY = desplazamientoY;
    m_fSeparacion = separacion;
    m_bCargada = 1;
    return true;
}

float CFont::AltoLinea() const
{
    return m_apLetras[' '] ? m_apLetras[' ']->GetAlcada() : 0.0f;
}

float CFont::CalculaAncho(const char* texto) const
{
    return AnchoTextoMarcado(texto, m_afAnchos, m_fSeparacion);
}

float CFont::CalculaAlto(const char* texto) const
{
    int lineas = 1;
    for (const char* p = texto; p && *p; ++p)
        if (*p == '\n') ++lineas;
    return static_cast<float>(lineas) * AltoLinea();
}

float CFont::CalculaAltoFLI(int32_t codigo) const
{
    return CalculaAlto(g_GestorFLIs.GetTexto(codigo, -1));
}

void CFont::AjustaTexto(std::string& destino, const char* texto, float ancho) const
{
    AjustaTextoMarcado(destino, texto, ancho, m_afAnchos, m_fSeparacion);
}

void CFont::AjustaComoCaja(std::string& destino, const char* texto, float ancho) const
{
    destino = texto ? texto : "";
    if (static_cast<int>(CalculaAncho(destino.c_str())) >= static_cast<int>(ancho)) AjustaTexto(destino, texto, ancho);
}
