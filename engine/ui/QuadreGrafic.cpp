#include "engine/ui/QuadreGrafic.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"

CQuadreGrafic::~CQuadreGrafic() { LiberaSiCreado(); }

void CQuadreGrafic::InicializaCampos()
{
    m_pSPM = nullptr;
    m_pImagen = nullptr;
    m_fXFuera = m_fYFuera = -1.0f;
    m_fX = m_fY = -1.0f;
    m_iFrames = -1;
    m_iContador = -1;
    m_iAnimacion = 0;
    m_bEspera = false;
    m_iPaso = -1;
}

void CQuadreGrafic::Libera()
{
    delete m_pSPM;
    m_pSPM = nullptr;
    if (m_pImagen && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pImagen, false);
    m_pImagen = nullptr;
}

void CQuadreGrafic::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CQuadreGrafic::IniciaBase(float x, float y)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{x, y, 10.0f, 10.0f}, -1)) return false;
    m_fX = x;
    m_fY = y;
    return true;
}

bool CQuadreGrafic::CreaPaquete(const char* szRuta, int iAnimacion)
{
    CSPM* pOrigen = g_pGestorSPMs && szRuta ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    if (!pOrigen) return false;
    m_pSPM = new CSPM;
    if (!m_pSPM->Copia(pOrigen)) return false;
    m_iAnimacion = iAnimacion;
    m_pSPM->IniciaAnimacion(iAnimacion);
    return true;
}

bool CQuadreGrafic::CreaImagen(const char* szFichero, bool bOpaco)
{
    if (!g_pSistema2D || !szFichero) return false;
    m_pImagen = g_pSistema2D->CreaSpriteFitxer(szFichero, -1, -1, -1, -1, 0, 0, false, bOpaco);
    return m_pImagen != nullptr;
}

void CQuadreGrafic::PonMovimiento(bool bEspera, float xFuera, float yFuera, int nFrames)
{
    m_bEspera = bEspera;
    m_fXFuera = xFuera;
    m_fYFuera = yFuera;
    // A slide of no steps would divide by zero: such a picture does not slide.
    m_iFrames = nFrames >= 1 ? nFrames : -1;
}

bool CQuadreGrafic::TerminaInicio(bool bHecho, bool bEspera, float xFuera, float yFuera, int nFrames)
{
    if (!bHecho) {
        Libera();
        LiberaSiIniciado();
        return false;
    }
    PonMovimiento(bEspera, xFuera, yFuera, nFrames);
    m_bCreado = true;
    return true;
}

bool CQuadreGrafic::IniciaSPM(float x, float y, const char* szRuta)
{
    return IniciaSPMMovil(false, -1.0f, -1.0f, x, y, -1, szRuta, 0);
}

bool CQuadreGrafic::IniciaImagen(float x, float y, const char* szFichero, bool bOpaco)
{
    return IniciaImagenMovil(false, -1.0f, -1.0f, x, y, -1, szFichero, bOpaco);
}

bool CQuadreGrafic::IniciaImagenMovil(bool bEspera, float xFuera, float yFuera, float x, float y, int nFrames,
                                      const char* szFichero, bool bOpaco)
{
    bool bHecho = IniciaBase(x, y) && CreaImagen(szFichero, bOpaco);
    return TerminaInicio(bHecho, bEspera, xFuera, yFuera, nFrames);
}

bool CQuadreGrafic::IniciaSPMMovil(bool bEspera, float xFuera, float yFuera, float x, float y, int nFrames,
                                   const char* szRuta, int iAnimacion)
{
    bool bHecho = IniciaBase(x, y) && CreaPaquete(szRuta, iAnimacion);
    return TerminaInicio(bHecho, bEspera, xFuera, yFuera, nFrames);
}

void CQuadreGrafic::IniciaTransicion(bool bEntrada)
{
    // A picture that does not slide stays at its resting point whatever
    // transition it is given. It has no children to tell.
    if (m_iFrames < 1) return;
    if (bEntrada) {
        m_iContador = m_iFrames;
        m_iPaso = -1;
    } else {
        m_iContador = 0;
        m_iPaso = 1;
    }
}

void CQuadreGrafic::Actualiza()
{
    // An opening slide runs frames .. 0 and ends at -1; a closing one runs
    // 0 .. frames and ends there.
    if (m_iFrames >= 1) {
        if (m_iPaso < 0 && m_iContador != -1)
            --m_iContador;
        else if (m_iPaso > 0 && m_iContador < m_iFrames)
            ++m_iContador;
    }
    CMenuObj::Actualiza();
}

bool CQuadreGrafic::EnTransicion()
{
    if (!m_bEspera) return false;
    return m_iContador != -1 && m_iContador != m_iFrames;
}

bool CQuadreGrafic::Contiene(float, float) { return false; }

void CQuadreGrafic::PuntoDibujo(float* px, float* py) const
{
    if (m_iContador == -1 || m_iFrames < 1) {
        *px = m_fX;
        *py = m_fY;
        return;
    }
    float f = static_cast<float>(m_iContador) / static_cast<float>(m_iFrames);
    *px = m_fX + f * (m_fXFuera - m_fX);
    *py = m_fY + f * (m_fYFuera - m_fY);
}

void CQuadreGrafic::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    float x = 0.0f, y = 0.0f;
    PuntoDibujo(&x, &y);
    if (m_pSPM)
        m_pSPM->DibujaEnDestino(pDestino, x, y);
    else if (m_pImagen && g_pSistema2D)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pImagen, x, y, false, 255, 0.0f, 1.0f, 1.0f);
}

void CQuadreGrafic::CargaRecursos()
{
    if (RecursosCargados()) return;
    if (m_pSPM) m_pSPM->MarcaEnUso();
    if (m_pImagen && g_pSistema2D) g_pSistema2D->MarcaSpriteEnUs(m_pImagen);
    CMenuObj::CargaRecursos();
}

void CQuadreGrafic::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    if (m_pSPM) m_pSPM->DesmarcaEnUso();
    if (m_pImagen && g_pSistema2D) g_pSistema2D->DesmarcaSpriteEnUs(m_pImagen);
    CMenuObj::DescargaRecursos();
}
