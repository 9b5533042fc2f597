#include "engine/ui/TransSecuencia.h"

#include "engine/sequences/Secuencia.h"

#include <new>

namespace {

// A loaded sequence of the file, or null (a file that does not load, or one
// without an end frame).
CSecuencia* CargaConFin(const char* szFichero, bool* pbFallo)
{
    if (!szFichero || !szFichero[0]) return nullptr;
    auto* p = new (std::nothrow) CSecuencia;
    if (!p || !p->Carga(szFichero) || p->FrameFin() < 0) {
        delete p;
        *pbFallo = true;
        return nullptr;
    }
    return p;
}

} // namespace

CTransSecuencia::~CTransSecuencia() { LiberaSiCreado(); }

void CTransSecuencia::LiberaSiCreado()
{
    if (!m_bCreado) return;
    Libera();
}

void CTransSecuencia::Libera()
{
    delete m_pEntrada;
    delete m_pSalida;
    m_pEntrada = m_pSalida = nullptr;
    m_iEstado = ESTADO_QUIETO;
    m_iPasos = 0;
    LiberaSiIniciado();
    m_bCreado = false;
}

bool CTransSecuencia::Inicia(const char* szSecuenciaEntrada, const char* szSecuenciaSalida)
{
    LiberaSiCreado();
    m_iEstado = ESTADO_QUIETO;
    m_iPasos = 0;
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    bool bFallo = false;
    m_pEntrada = CargaConFin(szSecuenciaEntrada, &bFallo);
    m_pSalida = CargaConFin(szSecuenciaSalida, &bFallo);
    m_bCreado = true;
    if (bFallo) {
        Libera();
        return false;
    }
    return true;
}

CSecuencia* CTransSecuencia::EnCurso() const
{
    if (m_iEstado == ESTADO_ENTRADA) return m_pEntrada;
    if (m_iEstado == ESTADO_SALIDA) return m_pSalida;
    return nullptr;
}

void CTransSecuencia::IniciaTransicion(bool bEntrada)
{
    CSecuencia* p = bEntrada ? m_pEntrada : m_pSalida;
    if (p) {
        m_iEstado = bEntrada ? ESTADO_ENTRADA : ESTADO_SALIDA;
        m_iPasos = 0;
        p->Rebobina();
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CTransSecuencia::Actualiza()
{
    CSecuencia* p = EnCurso();
    if (!p) return;
    p->Actualiza();
    ++m_iPasos;
    if (p->HaTerminado() || m_iPasos > p->FrameFin() + kPasosDeGracia) m_iEstado = ESTADO_QUIETO;
}

void CTransSecuencia::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (CSecuencia* p = EnCurso()) p->Dibuja(pDestino);
}

bool CTransSecuencia::EnTransicion() { return m_iEstado != ESTADO_QUIETO; }

bool CTransSecuencia::Contiene(float, float) { return false; }

void CTransSecuencia::CargaRecursos()
{
    if (m_pEntrada) m_pEntrada->CargaRecursos();
    if (m_pSalida) m_pSalida->CargaRecursos();
    CMenuObj::CargaRecursos();
}

void CTransSecuencia::DescargaRecursos()
{
    if (m_pEntrada) m_pEntrada->DescargaRecursos();
    if (m_pSalida) m_pSalida->DescargaRecursos();
    CMenuObj::DescargaRecursos();
}
