#include "engine/ui/Arrastrable.h"

#include "engine/core/GestorComandes.h"

CArrastrable::~CArrastrable()
{
    // The derived part is gone by now: release this level's own build.
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
        m_bCreado = false;
    }
}

void CArrastrable::InicializaCampos()
{
    m_bArrastrando = false;
    m_fX = m_fY = -1.0f;
    m_fAgarreX = m_fAgarreY = -1.0f;
    m_fXMin = m_fXMax = m_fYMin = m_fYMax = -1.0f;
}

void CArrastrable::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CArrastrable::EstaCreado() { return m_bCreado; }

bool CArrastrable::Inicia(float x, float y, float ancho, float alto, float xMin, float yMin, float xMax, float yMax,
                          int iEstilo, int iId, const char* szNombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(iId, szNombre, Rectangulo{x, y, ancho, alto}, iEstilo)) return false;
    m_fX = x;
    m_fY = y;
    m_fXMin = xMin;
    m_fYMin = yMin;
    m_fXMax = xMax;
    m_fYMax = yMax;
    m_bCreado = true;
    return true;
}

void CArrastrable::Limita(float* px, float* py) const
{
    if (*px < m_fXMin) *px = m_fXMin;
    if (*px > m_fXMax) *px = m_fXMax;
    if (*py < m_fYMin) *py = m_fYMin;
    if (*py > m_fYMax) *py = m_fYMax;
}

void CArrastrable::PonPosicion(float x, float y)
{
    Limita(&x, &y);
    m_fX = x;
    m_fY = y;
    PonRect(x, y, m_rect.ancho, m_rect.alto);
}

void CArrastrable::PonFraccionX(float f) { PonPosicion(m_fXMin + (m_fXMax - m_fXMin) * f, m_fY); }

void CArrastrable::Envia(int iTipo) { EnviaEvento(iTipo, 0, reinterpret_cast<const char*>(this), m_iId); }

bool CArrastrable::TrataBotonRaton(int, int iEvento, float x, float y)
{
    if (m_bArrastrando) {
        if (iEvento != BOTON_IZQUIERDO_ARRIBA) return false;
        m_bArrastrando = false;
        Envia(EVENTO_ARRASTRE_FIN);
        return true;
    }
    if (iEvento != BOTON_IZQUIERDO_ABAJO || !Contiene(x, y)) return false;
    m_bArrastrando = true;
    m_fAgarreX = m_rect.x - x;
    m_fAgarreY = m_rect.y - y;
    Envia(EVENTO_ARRASTRE_INICIO);
    return true;
}

bool CArrastrable::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (m_bArrastrando) {
        float nx = x + m_fAgarreX;
        float ny = y + m_fAgarreY;
        Limita(&nx, &ny);
        if (nx != m_fX || ny != m_fY) {
            // The receiver reads the new place from the position; the
            // rectangle still holds the old one while it handles the event.
            m_fX = nx;
            m_fY = ny;
            Envia(EVENTO_ARRASTRANDO);
            PonRect(nx, ny, m_rect.ancho, m_rect.alto);
        }
    }
    // The dragged object reports every move used, so it keeps the focus and
    // the release reaches it even when the pointer has left it.
    bool bBase = CMenuObj::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
    return m_bArrastrando || bBase;
}

void CArrastrable::Dibuja(CMenuObj* pHastaHijo, Sprite*)
{
    // Always on the screen.
    CMenuObj::Dibuja(pHastaHijo, nullptr);
}

bool CArrastrable::LeeParametros(FitxerComandes* f)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!LeeParametrosConVersion(f, kVersionParametros)) return false;
    float* apCampos[] = {&m_fX, &m_fY, &m_fAgarreX, &m_fAgarreY, &m_fXMin, &m_fXMax, &m_fYMin, &m_fYMax};
    for (float* p : apCampos) *p = g_pGestorComandes->LlegeixReal(f);
    m_bCreado = true;
    return true;
}

void CArrastrable::EscribeParametros(FitxerComandes* f)
{
    if (!EscribeParametrosConVersion(f, kVersionParametros)) return;
    for (float v : {m_fX, m_fY, m_fAgarreX, m_fAgarreY, m_fXMin, m_fXMax, m_fYMin, m_fYMax})
        g_pGestorComandes->EscriuReal(f, v);
}
