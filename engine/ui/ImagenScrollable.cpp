#include "engine/ui/ImagenScrollable.h"

#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/ScrollBar.h"

namespace {

constexpr float kRangoInicial = 20.0f;
constexpr uint8_t kGrisLienzo = 128;

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

bool Graficos() { return g_pSistema2D && g_pSistema2D->EstaIniciat(); }

} // namespace

CImagenScrollable::~CImagenScrollable() { LiberaSiCreado(); }

void CImagenScrollable::InicializaCampos()
{
    m_pLienzo = m_pImagen = nullptr;
    m_pSPM = nullptr;
    m_pBarraX = m_pBarraY = m_pBarraZoom = nullptr;
    m_fLienzoX = m_fLienzoY = 0.0f;
    m_fUltimoX = m_fUltimoY = 0.0f;
}

void CImagenScrollable::LiberaContenido()
{
    if (m_pImagen && Graficos()) g_pSistema2D->AlliberaSprite(m_pImagen, false);
    m_pImagen = nullptr;
    Borra(m_pSPM);
}

void CImagenScrollable::Libera()
{
    LiberaContenido();
    if (m_pLienzo && Graficos()) g_pSistema2D->AlliberaSprite(m_pLienzo, true);
    m_pLienzo = nullptr;
    Borra(m_pBarraX);
    Borra(m_pBarraY);
    Borra(m_pBarraZoom);
}

void CImagenScrollable::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CImagenScrollable::Inicia(float x, float y, float ancho, float alto, float grosor, int estilo,
                               int estiloBotones, int estiloBarras, int flags, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho + 2.0f * grosor, alto + grosor}, estilo)) return false;
    m_fLienzoX = x + grosor;
    m_fLienzoY = y;
    m_pBarraX = new CScrollBar;
    m_pBarraY = new CScrollBar;
    m_pBarraZoom = new CScrollBar;
    bool bOk = Graficos() &&
               (m_pLienzo = g_pSistema2D->CreaSpriteDestino(false, ancho, alto, 0.0f, 0.0f, true)) != nullptr;
    bOk = bOk &&
          m_pBarraX->Inicia(x + grosor, y + alto, ancho, grosor, true, estiloBarras, estiloBotones, 0.0f,
                            kRangoInicial, 1.0f, 0, kNombreBarraX) &&
          m_pBarraY->Inicia(x + grosor + ancho, y, grosor, alto, false, estiloBarras, estiloBotones, 0.0f,
                            kRangoInicial, 1.0f, 1, kNombreBarraY) &&
          m_pBarraZoom->Inicia(x, y, grosor, alto, false, estiloBarras, estiloBotones, 0.0f, kRangoInicial, 1.0f, 2,
                               kNombreBarraZoom);
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    if (flags & FLAG_BARRA_X) AnadeHijo(false, m_pBarraX, false, false);
    if (flags & FLAG_BARRA_Y) AnadeHijo(false, m_pBarraY, false, false);
    if (flags & FLAG_BARRA_ZOOM) AnadeHijo(false, m_pBarraZoom, false, false);
    m_bCreado = true;
    return true;
}

void CImagenScrollable::AjustaBarras(float w, float h)
{
    m_pBarraX->PonRango(-w, 2.0f * w, w / 10.0f);
    m_pBarraY->PonRango(-h, 2.0f * h, h / 10.0f);
}

void CImagenScrollable::PonImagen(const Sprite* pImagen)
{
    if (!m_bCreado) return;
    LiberaContenido();
    if (!pImagen || !Graficos()) return;
    m_pImagen = g_pSistema2D->CopiaSprite(pImagen);
    if (!m_pImagen) return;
    if (RecursosCargados()) {
        g_pSistema2D->MarcaSpriteEnUs(m_pImagen);
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    AjustaBarras(m_pImagen->GetAmplada(), m_pImagen->GetAlcada());
}

void CImagenScrollable::PonSPM(const CSPM* pSPM)
{
    if (!m_bCreado) return;
    LiberaContenido();
    if (!pSPM) return;
    m_pSPM = new CSPM;
    if (!m_pSPM->Copia(pSPM)) {
        Borra(m_pSPM);
        return;
    }
    if (RecursosCargados() && Graficos()) {
        m_pSPM->MarcaEnUso();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    AjustaBarras(m_pSPM->GetAnchoMaximo(), m_pSPM->GetAltoMaximo());
}

void CImagenScrollable::PonAnimacion(int i)
{
    if (m_pSPM) m_pSPM->IniciaAnimacion(i);
}

void CImagenScrollable::PuntoDibujo(float* px, float* py) const
{
    const float cw = m_pLienzo ? m_pLienzo->GetAmplada() : 0.0f, ch = m_pLienzo ? m_pLienzo->GetAlcada() : 0.0f;
    const float vx = m_pBarraX ? m_pBarraX->Valor() : 0.0f, vy = m_pBarraY ? m_pBarraY->Valor() : 0.0f;
    if (m_pImagen) {
        *px = m_pImagen->m_fHotspotX + vx + cw / 2.0f - m_pImagen->GetAmplada();
        *py = m_pImagen->m_fHotspotY + vy + ch / 2.0f - m_pImagen->GetAlcada();
    } else {
        *px = vx + cw / 2.0f;
        *py = vy + ch / 2.0f;
    }
}

void CImagenScrollable::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    if (!m_pLienzo || !Graficos()) return;
    g_pSistema2D->Omple(m_pLienzo, 255, kGrisLienzo, kGrisLienzo, kGrisLienzo);
    PuntoDibujo(&m_fUltimoX, &m_fUltimoY);
    if (m_pImagen)
        g_pSistema2D->DibuixaSpriteEX(m_pLienzo, m_pImagen, m_fUltimoX, m_fUltimoY, false, 255, 0.0f, 1.0f, 1.0f);
    else if (m_pSPM)
        m_pSPM->DibujaEnDestino(m_pLienzo, m_fUltimoX, m_fUltimoY);
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pLienzo, m_fLienzoX, m_fLienzoY, false, 255, 0.0f, 1.0f, 1.0f);
}

void CImagenScrollable::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    if (bEnfocado && !HijoEnfocado()) EnfocaHijo(m_pBarraX);
}

void CImagenScrollable::CargaRecursos()
{
    if (Graficos()) {
        if (m_pImagen) g_pSistema2D->MarcaSpriteEnUs(m_pImagen);
        if (m_pLienzo) g_pSistema2D->MarcaSpriteEnUs(m_pLienzo);
    }
    if (m_pSPM) m_pSPM->MarcaEnUso();
    CMenuObj::CargaRecursos();
}

void CImagenScrollable::DescargaRecursos()
{
    if (Graficos() && m_pImagen) g_pSistema2D->DesmarcaSpriteEnUs(m_pImagen);
    if (m_pSPM) m_pSPM->DesmarcaEnUso();
    CMenuObj::DescargaRecursos();
}
