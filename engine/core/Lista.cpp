#include "engine/core/Lista.h"

CLista::~CLista() { Libera(); }

bool CLista::Inicia()
{
    Vacia();
    m_pCabeza = m_pCola = m_pActual = nullptr;
    m_bFinal = m_bPrincipio = 0;
    m_iNumElementos = 0;
    m_bIniciada = 1;
    return true;
}

void CLista::Libera()
{
    if (!m_bIniciada) return;
    Vacia();
    m_bIniciada = 0;
}

void CLista::Vacia()
{
    m_pActual = m_pCola;
    while (m_pActual) BorraActual();
    m_iNumElementos = 0;
}

NodoLista* CLista::NuevoNodo(void* item)
{
    NodoLista* n = new NodoLista;
    n->m_pItem = item;
    ++m_iNumElementos;
    return n;
}

void CLista::InsertaAlPrincipio(void* item)
{
    NodoLista* n = NuevoNodo(item);
    n->m_pSiguiente = m_pCabeza;
    if (m_pCabeza)
        m_pCabeza->m_pAnterior = n;
    else
        m_pCola = m_pActual = n;
    m_pCabeza = n;
}

void CLista::InsertaAlFinal(void* item)
{
    NodoLista* n = NuevoNodo(item);
    n->m_pAnterior = m_pCola;
    if (m_pCola)
        m_pCola->m_pSiguiente = n;
    else
        m_pCabeza = m_pActual = n;
    m_pCola = n;
}

void CLista::InsertaAntes(void* item)
{
    if (!m_pActual) {
        InsertaAlPrincipio(item);
        return;
    }
    NodoLista* n = NuevoNodo(item);
    n->m_pSiguiente = m_pActual;
    n->m_pAnterior = m_pActual->m_pAnterior;
    if (m_pActual->m_pAnterior)
        m_pActual->m_pAnterior->m_pSiguiente = n;
    else
        m_pCabeza = n;
    m_pActual->m_pAnterior = n;
}

void CLista::InsertaDespues(void* item)
{
    if (!m_pActual) {
        InsertaAlFinal(item);
        return;
    }
    NodoLista* n = NuevoNodo(item);
    n->m_pAnterior = m_pActual;
    n->m_pSiguiente = m_pActual->m_pSiguiente;
    if (m_pActual->m_pSiguiente)
        m_pActual->m_pSiguiente->m_pAnterior = n;
    else
        m_pCola = n;
    m_pActual->m_pSiguiente = n;
}

void CLista::VaAlPrincipio()
{
    m_bFinal = m_bPrincipio = 0;
    m_pActual = m_pCabeza;
}

void CLista::VaAlFinal()
{
    m_bFinal = m_bPrincipio = 0;
    m_pActual = m_pCola;
}

void CLista::Avanza()
{
    m_bFinal = m_bPrincipio = 0;
    if (m_pActual && m_pActual->m_pSiguiente)
        m_pActual = m_pActual->m_pSiguiente;
    else
        m_bFinal = 1;
}

void CLista::Retrocede()
{
    m_bFinal = m_bPrincipio = 0;
    if (m_pActual && m_pActual->m_pAnterior)
        m_pActual = m_pActual->m_pAnterior;
    else
        m_bPrincipio = 1;
}

void* CLista::Elemento(int n)
{
    if (n < 0 || n >= m_iNumElementos) return nullptr;
    NodoLista* p = m_pCabeza;
    for (int i = 0; i < n && p; ++i) p = p->m_pSiguiente;
    if (!p) return nullptr;
    m_pActual = p;
    return p->m_pItem;
}

bool CLista::Busca(void* item)
{
    if (!item || !m_pCabeza) return false;
    VaAlPrincipio();
    while (!EsFinal()) {
        if (m_pActual->m_pItem == item) return true;
        Avanza();
    }
    return false;
}

void CLista::BorraActual()
{
    NodoLista* n = m_pActual;
    if (!n) return;
    if (n->m_pAnterior)
        n->m_pAnterior->m_pSiguiente = n->m_pSiguiente;
    else
        m_pCabeza = n->m_pSiguiente;
    if (n->m_pSiguiente)
        n->m_pSiguiente->m_pAnterior = n->m_pAnterior;
    else
        m_pCola = n->m_pAnterior;
    m_pActual = n->m_pAnterior ? n->m_pAnterior : n->m_pSiguiente;
    delete n;
    --m_iNumElementos;
    if (!m_pActual) m_bFinal = 1;
}

bool CLista::BuscaYBorra(void* item)
{
    if (!Busca(item)) return false;
    BorraActual();
    return true;
}

void* CLista::ElementoAnterior() const
{
    if (!m_pActual || !m_pActual->m_pAnterior) return nullptr;
    return m_pActual->m_pAnterior->m_pItem;
}

NodoLista* CLista::AdelantaActual()
{
    NodoLista* n = m_pActual;
    if (!n || !n->m_pAnterior) return nullptr;
    NodoLista* prev = n->m_pAnterior;
    // prev <-> n becomes n <-> prev.
    NodoLista* before = prev->m_pAnterior;
    NodoLista* after = n->m_pSiguiente;
    if (before)
        before->m_pSiguiente = n;
    else
        m_pCabeza = n;
    if (after)
        after->m_pAnterior = prev;
    else
        m_pCola = prev;
    n->m_pAnterior = before;
    n->m_pSiguiente = prev;
    prev->m_pAnterior = n;
    prev->m_pSiguiente = after;
    return prev;
}
