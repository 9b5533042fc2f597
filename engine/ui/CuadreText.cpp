#include "engine/ui/CuadreText.h"

#include "engine/core/CopiaTexto.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"

#include <cstring>

// ---------------------------------------------------------------------------
// Text sprites of the widgets

namespace texto_widget {

Sprite* Crea(int iFuente, float fEscalaX, float fEscalaY, float fAncho, float fAlto, bool bCargaAra)
{
    if (!g_pSistema2D) return nullptr;
    return g_pSistema2D->CreaSpriteText(iFuente, "", -1, 0, fEscalaX, fEscalaY, fAncho, fAlto, 0.0f, 0.0f, 0.0f,
                                        0.0f, -1.0f, -1.0f, bCargaAra);
}

void Muestra(Sprite* pSprite, const char* szLiteral, int iCodigo, int iFlags, float fEscalaX, float fEscalaY)
{
    if (!pSprite || !g_pSistema2D) return;
    g_pSistema2D->CanviaTextSprite(pSprite, szLiteral, szLiteral ? -1 : iCodigo, iFlags, fEscalaX, fEscalaY, 0.0f,
                                   0.0f, -1.0f, -1.0f);
}

void Marca(Sprite* pSprite, bool bEnUso)
{
    if (!pSprite || !g_pSistema2D) return;
    if (bEnUso)
        g_pSistema2D->MarcaSpriteEnUs(pSprite);
    else
        g_pSistema2D->DesmarcaSpriteEnUs(pSprite);
}

void Libera(Sprite*& pSprite)
{
    if (pSprite && g_pSistema2D) g_pSistema2D->AlliberaSprite(pSprite, false);
    pSprite = nullptr;
}

void Dibuja(Sprite* pDestino, Sprite* pSprite, const Rectangulo& r)
{
    if (!pSprite || !g_pSistema2D) return;
    g_pSistema2D->DibuixaSpriteEX(pDestino, pSprite, r.x, r.y, false, 255, 0.0f, 1.0f, 1.0f);
}

void DibujaObjeto(CMenuObj& obj, Sprite* pSprite, CMenuObj* pHastaHijo, Sprite* pDestino)
{
    obj.CMenuObj::Dibuja(pHastaHijo, pDestino);
    Dibuja(pDestino, pSprite, obj.Rect());
}

void CargaRecursos(CMenuObj& obj, Sprite* pSprite)
{
    Marca(pSprite, true);
    obj.CMenuObj::CargaRecursos();
}

void DescargaRecursos(CMenuObj& obj, Sprite* pSprite)
{
    Marca(pSprite, false);
    obj.CMenuObj::DescargaRecursos();
}

} // namespace texto_widget

// ---------------------------------------------------------------------------
// CCuadreText

CCuadreText::~CCuadreText() { LiberaSiCreado(); }

void CCuadreText::InicializaCampos()
{
    m_szTexto = nullptr;
    m_iFuente = -1;
    m_pSprite = nullptr;
    m_iFormato = 0;
    m_fEscalaX = m_fEscalaY = 1.0f;
    m_iIdTexto = -1;
    m_ucAlfa = m_ucRojo = m_ucVerde = m_ucAzul = 255;
}

void CCuadreText::Libera()
{
    texto_widget::Libera(m_pSprite);
    delete[] m_szTexto;
    m_szTexto = nullptr;
}

void CCuadreText::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CCuadreText::IniciaComun(float x, float y, float ancho, float alto, int estilo, int fuente,
                              const char* nombre, int formato, float escalaX, float escalaY)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, nombre, Rectangulo{x, y, ancho, alto}, estilo)) return false;
    m_iFuente = fuente;
    m_iFormato = formato;
    m_fEscalaX = escalaX;
    m_fEscalaY = escalaY;
    return true;
}

bool CCuadreText::IniciaConTexto(float x, float y, float ancho, float alto, int estilo, int fuente,
                                 const char* texto, int formato, float escalaX, float escalaY)
{
    if (!IniciaComun(x, y, ancho, alto, estilo, fuente, kNombreTexto, formato, escalaX, escalaY)) return false;
    m_szTexto = CopiaTexto(texto);
    CreaTextura();
    m_bCreado = true;
    return true;
}

bool CCuadreText::IniciaConIdTexto(float x, float y, float ancho, float alto, int estilo, int fuente, int idTexto,
                                   int formato, float escalaX, float escalaY)
{
    if (!IniciaComun(x, y, ancho, alto, estilo, fuente, kNombreIdTexto, formato, escalaX, escalaY)) return false;
    m_iIdTexto = idTexto;
    CreaTextura();
    m_bCreado = true;
    return true;
}

void CCuadreText::CreaTextura()
{
    if (!m_szTexto && m_iIdTexto == -1) return;
    m_pSprite = texto_widget::Crea(m_iFuente, m_fEscalaX, m_fEscalaY, m_rect.ancho, m_rect.alto, false);
    Muestra();
    AplicaColor();
}

void CCuadreText::Muestra()
{
    texto_widget::Muestra(m_pSprite, m_szTexto, m_iIdTexto, m_iFormato, m_fEscalaX, m_fEscalaY);
}

void CCuadreText::PonTexto(const char* texto, int formato, float escalaX, float escalaY)
{
    delete[] m_szTexto;
    m_szTexto = nullptr;
    if (!texto) return;
    m_szTexto = CopiaTexto(texto);
    m_iFormato = formato;
    m_fEscalaX = escalaX;
    m_fEscalaY = escalaY;
    Muestra();
}

void CCuadreText::PonIdTexto(int idTexto, int formato, float escalaX, float escalaY)
{
    delete[] m_szTexto;
    m_szTexto = nullptr;
    m_iIdTexto = idTexto;
    m_iFormato = formato;
    m_fEscalaX = escalaX;
    m_fEscalaY = escalaY;
    Muestra();
}

void CCuadreText::AplicaColor()
{
    if (m_pSprite && g_pSistema2D)
        g_pSistema2D->PosaColorSprite(m_pSprite, ColorARGB(m_ucAlfa, m_ucRojo, m_ucVerde, m_ucAzul));
}

void CCuadreText::PonColor(uint8_t r, uint8_t g, uint8_t b)
{
    m_ucRojo = r;
    m_ucVerde = g;
    m_ucAzul = b;
    AplicaColor();
}

void CCuadreText::PonAlfa(uint8_t a)
{
    m_ucAlfa = a;
    AplicaColor();
}

void CCuadreText::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    texto_widget::DibujaObjeto(*this, m_pSprite, pHastaHijo, pDestino);
}

void CCuadreText::CargaRecursos() { texto_widget::CargaRecursos(*this, m_pSprite); }

void CCuadreText::DescargaRecursos() { texto_widget::DescargaRecursos(*this, m_pSprite); }
