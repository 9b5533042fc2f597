// Text bitmaps: the graphics system's fonts and the rendering of a text into
// a text bitmap's texture (wrapped, aligned, coloured by its markup, with a
// shadow pass).
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GestorFonts.h"
#include "engine/graphics/Sistema2D.h"
#include "platform/RenderDevice.h"

#include <string>

bool CSistema2D::CarregaFonts(const char* const* ppszFonts)
{
    if (!m_bIniciat) return false;
    if (!m_pGestorFonts) m_pGestorFonts = new CGestorFonts;
    return m_pGestorFonts->CargaFonts(ppszFonts);
}

CFont* CSistema2D::GetFont(int i)
{
    return m_pGestorFonts ? m_pGestorFonts->GetFont(i) : nullptr;
}


namespace {

// Start x of a line of width `ancho` in a box of width `caja`.
float InicioLinea(int flags, float caja, float ancho, float escala)
{
    if (flags & TEXTO_IZQUIERDA) return 0.0f;
    if (flags & TEXTO_CENTRADO) return caja / 2.0f - ancho * 0.5f * escala;
    if (flags & TEXTO_DERECHA) return caja - ancho * escala;
    return 0.0f;
}

// Top of a block of height `alto` in a box of height `caja`.
float InicioBloque(int flags, float caja, float alto, float escala)
{
    if (flags & TEXTO_ARRIBA) return 0.0f;
    if (flags & TEXTO_MEDIO) return caja / 2.0f - alto * 0.5f * escala;
    if (flags & TEXTO_ABAJO) return caja - alto * escala;
    return 0.0f;
}

void DibuixaTextoEnSprite(CSistema2D& s2d, Bitmap* pBitmap, CFont* font, const char* texto)
{
    Sprite* propio = pBitmap->m_pSpritePropi;
    const float sx = pBitmap->m_fEscalaX, sy = pBitmap->m_fEscalaY;
    const int flags = pBitmap->m_iFlagsText;
    const float cajaW = pBitmap->m_fCaixaAmplada < 0 ? propio->GetAmplada() : pBitmap->m_fCaixaAmplada;
    const float cajaH = pBitmap->m_fCaixaAlcada < 0 ? propio->GetAlcada() : pBitmap->m_fCaixaAlcada;

    std::string buffer = texto;
    if ((flags & TEXTO_AJUSTA) && sx != 0.0f) font->AjustaComoCaja(buffer, texto, cajaW / sx);
    const float y0 = InicioBloque(flags, cajaH, font->CalculaAlto(buffer.c_str()), sy);
    const float yInicio = font->m_fDesplazamientoY + y0 + pBitmap->m_fOffsetY;

    for (int pasada = font->m_pSombra ? 0 : 1; pasada <= 1; ++pasada) {
        float y = yInicio;
        size_t inicio = 0;
        while (inicio <= buffer.size()) {
            size_t fin = buffer.find('\n', inicio);
            if (fin == std::string::npos) fin = buffer.size();
            const std::string linea = buffer.substr(inicio, fin - inicio);
            ColorARGB color(255, 255, 255, 255);
            float x = InicioLinea(flags, cajaW, font->CalculaAncho(linea.c_str()), sx) + pBitmap->m_fOffsetX +
                      font->m_fDesplazamientoX;
            for (ElementoTexto e = LeeElementoTexto(linea.c_str()); e.m_iTipo != ELEMENTO_FIN;
                 e = LeeElementoTexto(e.m_pSiguiente)) {
                const uint8_t v = static_cast<uint8_t>(e.m_iValor & 0xFF);
                switch (e.m_iTipo) {
                case ELEMENTO_ALFA: color.a = v; continue;
                case ELEMENTO_ROJO: color.r = v; continue;
                case ELEMENTO_VERDE: color.g = v; continue;
                case ELEMENTO_AZUL: color.b = v; continue;
                case ELEMENTO_CARACTER: break;
                default: continue;
                }
                Sprite* letra = font->m_apLetras[e.m_iValor];
                if (!letra) continue;
                const float avance = font->AnchoLetra(e.m_iValor);
                const bool espacio = e.m_iValor == ' ';
                if (pasada == 1) {
                    s2d.PosaColorSprite(letra, color);
                    if (!espacio) s2d.DibuixaSpriteEX(propio, letra, x, y, false, 255, 0.0f, sx, sy);
                } else if (!espacio) {
                    Sprite* sombra = font->m_pSombra;
                    const float ew = sombra->GetAmplada() > 0 ? letra->GetAmplada() / sombra->GetAmplada() : 0.0f;
                    const float eh = sombra->GetAlcada() > 0 ? letra->GetAlcada() / sombra->GetAlcada() : 0.0f;
                    s2d.DibuixaSpriteEX(propio, sombra, x + avance / 2.0f, y, false, 255, 0.0f, ew * sx, eh * sy);
                }
                x += (avance + font->m_fSeparacion) * sx;
            }
            y += sy * font->AltoLinea();
            inicio = fin + 1;
        }
    }
}

} // namespace

void CSistema2D::DibuixaBitmapText(Bitmap* pBitmap)
{
    if (!pBitmap || pBitmap->m_iTipus != BITMAP_TEXT || !pBitmap->m_pTextura) return;
    // The whole text is drawn under the device lock: glyph colours are set
    // per character on sprites that every text shares.
    Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaBitmapText");
    const bool bilineal = m_bBilineal;
    PosaFiltratLineal(true);
    OmpleTextura(pBitmap, 0);
    Sprite* propio = pBitmap->m_pSpritePropi;
    CFont* font = GetFont(pBitmap->m_iFont);
    const char* texto = pBitmap->m_szText;
    if (!texto && pBitmap->m_iCodiFLI != -1) texto = g_GestorFLIs.GetTexto(pBitmap->m_iCodiFLI, -1);
    if (propio && font && texto && *texto) DibuixaTextoEnSprite(*this, pBitmap, font, texto);
    PosaFiltratLineal(bilineal);
    // The letters reach the texture before the device is let go, and the
    // screen is the target again: a text is rendered outside the frames,
    // where the loading sign's thread may draw next with a context of its
    // own, which must find no letters of ours waiting nor our target set.
    plat::FlushQuads();
    PassaAPantalla();
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}


void CSistema2D::AlliberaFonts()
{
    delete m_pGestorFonts;
    m_pGestorFonts = nullptr;
}

void CSistema2D::MideBitmapText(Bitmap* pBitmap)
{
    if (!pBitmap || pBitmap->m_iTipus != BITMAP_TEXT || !pBitmap->m_szText) return;
    if (pBitmap->m_fAmplada >= 0.0f && pBitmap->m_fAlcada >= 0.0f) return;
    CFont* font = GetFont(pBitmap->m_iFont);
    if (!font) return;
    if (pBitmap->m_fAmplada < 0.0f) pBitmap->m_fAmplada = font->CalculaAncho(pBitmap->m_szText);
    if (pBitmap->m_fAlcada < 0.0f) pBitmap->m_fAlcada = font->CalculaAlto(pBitmap->m_szText);
}
