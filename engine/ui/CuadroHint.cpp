#include "engine/ui/CuadroHint.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorRatones.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"

#include <string>

namespace {

// Text flags of the hint: centred, in the middle, wrapped.
constexpr int kFlagsTexto = TEXTO_CENTRADO | TEXTO_MEDIO | TEXTO_AJUSTA;

// The box lies wholly inside the field.
bool DentroDelCampo(float x, float y, float w, float h)
{
    auto Dentro = [](float px, float py) { return px > 0.0f && py > 0.0f && px < 1024.0f && py < 768.0f; };
    return Dentro(x, y) && Dentro(x + w, y + h);
}

uint32_t ColorConFundido(const ColorARGB& c, float fFundido)
{
    return CSistema2D::FesColorARGB(c.r, c.g, c.b, static_cast<uint8_t>(static_cast<float>(c.a) * fFundido));
}

} // namespace

CCuadroHint::~CCuadroHint() { LiberaSiCreado(); }

void CCuadroHint::Libera()
{
    if (m_pTexto && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pTexto, false);
    m_pTexto = nullptr;
    m_colorBorde = ColorARGB();
    m_colorFondo = ColorARGB();
}

void CCuadroHint::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CCuadroHint::Inicia(int iFuente, const ColorARGB* pColorBorde, const ColorARGB* pColorFondo)
{
    LiberaSiCreado();
    m_pTexto = nullptr;
    m_iRetencion = 0;
    m_fFundido = 0.0f;
    m_iCodigoMostrado = m_iCodigoPedido = -1;
    m_fX = m_fY = m_fXObjetivo = m_fYObjetivo = kSinColocar;
    m_iRaton = 0;
    m_colorBorde = pColorBorde ? *pColorBorde : ColorARGB();
    m_colorFondo = pColorFondo ? *pColorFondo : ColorARGB();
    m_iFuente = iFuente;
    m_bCreado = true;
    return true;
}

void CCuadroHint::PideTexto(int idTexto, int iRaton)
{
    m_iRetencion = kPasosRetencion;
    m_iRaton = iRaton;
    m_iCodigoPedido = idTexto;
}

void CCuadroHint::Actualiza()
{
    if (m_iRetencion > 0) --m_iRetencion;
    if (m_iRetencion > 0 && m_iCodigoMostrado == m_iCodigoPedido && m_iCodigoMostrado != -1) {
        m_fFundido += kPasoFundido;
        if (m_fFundido > 1.0f) m_fFundido = 1.0f;
    } else {
        m_fFundido -= kPasoFundido;
        if (m_fFundido <= 0.0f) {
            m_fFundido = 0.0f;
            // A new text is built only once the old one has faded out.
            if (m_iCodigoMostrado != m_iCodigoPedido) {
                m_iCodigoMostrado = m_iCodigoPedido;
                CreaTextura();
            }
        }
    }
    if (m_pTexto) {
        CRaton* pRaton = g_pRatones ? g_pRatones->Raton(m_iRaton) : nullptr;
        if (pRaton) ColocaJuntoA(pRaton->X(), pRaton->Y());
        // The first placement jumps to the target.
        if (m_fX < -100.0f) {
            m_fX = m_fXObjetivo;
            m_fY = m_fYObjetivo;
        }
    }
    m_fX = (m_fXObjetivo + m_fX) / 2.0f;
    m_fY = (m_fYObjetivo + m_fY) / 2.0f;
}

void CCuadroHint::ColocaJuntoA(float px, float py)
{
    float w = m_pTexto->GetAmplada();
    float h = m_pTexto->GetAlcada();
    // Right of and below the pointer; near the right edge to its left; near
    // the bottom above it; near both to its upper left.
    const float aCandidatos[3][2] = {
        {px + kDesplazamientoX, py + kDesplazamientoY},
        {px - w, py + kDesplazamientoY},
        {px + kDesplazamientoX, py - h},
    };
    m_fXObjetivo = px - w;
    m_fYObjetivo = py - h;
    for (const auto& c : aCandidatos) {
        if (DentroDelCampo(c[0], c[1], w, h)) {
            m_fXObjetivo = c[0];
            m_fYObjetivo = c[1];
            return;
        }
    }
}

void CCuadroHint::CalculaCaja(const CFont* pFont, const char* szTexto, float* pfEscala, float* pfAlto)
{
    float s = 1.0f;
    *pfAlto = kAltoDefecto;
    if (pFont && szTexto) {
        std::string sAjustado;
        for (;;) {
            pFont->AjustaTexto(sAjustado, szTexto, kAnchoTexto / s);
            float h = pFont->CalculaAlto(sAjustado.c_str()) * s;
            if (h * s <= kAltoMaximo) {
                *pfAlto = h + 10.0f;
                break;
            }
            s -= kPasoEscala;
            if (s < kPasoEscala) {
                s = 1.0f;
                break;
            }
        }
    }
    *pfEscala = s;
}

void CCuadroHint::CreaTextura()
{
    if (!g_pSistema2D) return;
    if (m_pTexto) g_pSistema2D->AlliberaSprite(m_pTexto, false);
    m_pTexto = nullptr;
    if (m_iCodigoMostrado != -1) {
        float s = 1.0f, fAlto = kAltoDefecto;
        CalculaCaja(g_pSistema2D->GetFont(m_iFuente), g_GestorFLIs.GetTexto(m_iCodigoMostrado, -1), &s, &fAlto);
        m_pTexto = g_pSistema2D->CreaSpriteText(m_iFuente, nullptr, m_iCodigoMostrado, kFlagsTexto, s, s,
                                                kAnchoTexto, fAlto, 0, 0, 0, 0, -1, -1, false);
        if (m_pTexto) g_pSistema2D->MarcaSpriteEnUs(m_pTexto);
    }
    // The new text is ready for the next draw.
    g_pSistema2D->DescarregaBitmapsSenseUs();
    g_pSistema2D->CarregaBitmapsEnUs();
}

void CCuadroHint::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (!m_pTexto || !g_pSistema2D || m_fFundido <= 0.0f) return;
    const float a = m_fFundido;
    uint32_t uBorde = ColorConFundido(m_colorBorde, a);
    uint32_t uFondo = ColorConFundido(m_colorFondo, a);
    const float x = m_fX, y = m_fY;
    const float w = m_pTexto->GetAmplada(), h = m_pTexto->GetAlcada();
    g_pSistema2D->DibuixaQuadre(pDestino, x, y + 10.0f, w, h - 10.0f, uFondo, true);
    g_pSistema2D->DibuixaQuadre(pDestino, x, y + 10.0f, 1.0f, h - 10.0f, uBorde, true);
    g_pSistema2D->DibuixaQuadre(pDestino, x + w, y + 10.0f, 1.0f, h - 10.0f, uBorde, true);
    g_pSistema2D->DibuixaQuadre(pDestino, x, y + 10.0f, w, 1.0f, uBorde, true);
    g_pSistema2D->DibuixaQuadre(pDestino, x, y + h, w, 1.0f, uBorde, true);
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTexto, x, y, false, static_cast<int>(a * 255.0f), 0.0f, 1.0f, 1.0f);
}

void CCuadroHint::CargaRecursos()
{
    if (m_pTexto && g_pSistema2D) g_pSistema2D->MarcaSpriteEnUs(m_pTexto);
}

void CCuadroHint::DescargaRecursos()
{
    if (m_pTexto && g_pSistema2D) g_pSistema2D->DesmarcaSpriteEnUs(m_pTexto);
    CMenuObj::DescargaRecursos();
}
