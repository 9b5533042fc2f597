#include "engine/ui/TransTiempo.h"

CTransTiempo::~CTransTiempo() { LiberaSiCreado(); }

void CTransTiempo::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    m_bCreado = false;
}

bool CTransTiempo::Inicia(int iFramesEntrada, int iFramesSalida)
{
    LiberaSiCreado();
    m_iFramesEntrada = m_iFramesSalida = m_iContador = -1;
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    // A count below -1 would never reach the idle value and hold the parent
    // for ever: it holds nothing, as -1 does.
    m_iFramesEntrada = iFramesEntrada < -1 ? -1 : iFramesEntrada;
    m_iFramesSalida = iFramesSalida < -1 ? -1 : iFramesSalida;
    m_bCreado = true;
    return true;
}

void CTransTiempo::IniciaTransicion(bool bEntrada) { m_iContador = bEntrada ? m_iFramesEntrada : m_iFramesSalida; }

void CTransTiempo::Actualiza()
{
    if (m_iContador != -1) --m_iContador;
    CMenuObj::Actualiza();
}

bool CTransTiempo::EnTransicion() { return m_iContador != -1; }

bool CTransTiempo::Contiene(float, float) { return false; }
