#include "game/screens/cofre/Paginacion.h"

void CPaginacion::Reinicia()
{
    m_iEstado = CONSTRUYE;
    m_iPagina = -1;
    m_iPaginaNueva = 0;
    m_iElegido = m_iAbriendo = -1;
    m_bSiguiente = m_bAnterior = false;
}

CPaginacion::Accion CPaginacion::Paso(bool bIconosEnTransicion, bool bElementoAbierto)
{
    Accion a = NADA;
    switch (m_iEstado) {
    case CONSTRUYE:
        m_iPaginaNueva = 0;
        m_iPagina = 0;
        m_iEstado = LLEGANDO;
        a = CONSTRUYE_PAGINA;
        break;
    case LLEGANDO:
        if (!bIconosEnTransicion) m_iEstado = QUIETA;
        break;
    case QUIETA:
        if (m_iElegido >= 0) {
            m_iAbriendo = m_iElegido;
            m_iEstado = ABIERTO;
            a = ABRE_ELEMENTO;
        } else if (m_bSiguiente || m_bAnterior) {
            const int p = m_iPagina + (m_bSiguiente ? 1 : -1);
            m_iPaginaNueva = (p + m_nPaginas) % m_nPaginas;
            m_iEstado = SALIENDO;
            a = QUITA_PAGINA;
        }
        break;
    case ABIERTO:
        if (!bElementoAbierto) m_iEstado = QUIETA;
        break;
    case SALIENDO:
        if (!bIconosEnTransicion) {
            m_iPagina = m_iPaginaNueva;
            m_iEstado = LLEGANDO;
            a = CONSTRUYE_PAGINA;
        }
        break;
    default: m_iEstado = CONSTRUYE; break;
    }
    m_iElegido = -1;
    m_bSiguiente = m_bAnterior = false;
    return a;
}
