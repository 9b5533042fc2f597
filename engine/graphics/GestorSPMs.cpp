// The sprite-package cache.
#include "engine/graphics/GestorSPMs.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

CGestorSPMs* g_pGestorSPMs = nullptr;

CGestorSPMs::~CGestorSPMs()
{
    Vacia();
}

bool CGestorSPMs::Inicia()
{
    Vacia();
    m_bIniciado = true;
    return true;
}

void CGestorSPMs::Reinicia()
{
    Vacia();
    m_bIniciado = false;
}

NodoSPM* CGestorSPMs::Busca(const char* szRuta) const
{
    if (!szRuta) return nullptr;
    for (NodoSPM* n = m_pPrimero; n; n = n->m_pSiguiente)
        if (n->m_bValido && strcasecmp(n->m_szRuta, szRuta) == 0) return n;
    return nullptr;
}

bool CGestorSPMs::BuscaNodo(const char* szRuta) const
{
    return Busca(szRuta) != nullptr;
}

NodoSPM* CGestorSPMs::NuevoNodo(const char* szRuta)
{
    auto* n = new NodoSPM();
    std::snprintf(n->m_szRuta, sizeof n->m_szRuta, "%s", szRuta);
    n->m_pSPM = new CSPM();
    n->m_pSPM->Carga(szRuta);
    n->m_bValido = true;
    n->m_pSiguiente = m_pPrimero;
    m_pPrimero = n;
    return n;
}

CSPM* CGestorSPMs::GetSPM(const char* szRuta)
{
    // A path the node cannot hold whole would be confused with another.
    if (!szRuta || std::strlen(szRuta) >= size_t(kLongitudRutaSPM)) return nullptr;
    NodoSPM* n = Busca(szRuta);
    if (!n) n = NuevoNodo(szRuta);
    return n->m_pSPM;
}

bool CGestorSPMs::Carga(const char* szRuta, bool bMarcaEnUso)
{
    if (!szRuta || std::strlen(szRuta) >= size_t(kLongitudRutaSPM)) return false;
    if (Busca(szRuta)) return true;
    NodoSPM* n = NuevoNodo(szRuta);
    if (bMarcaEnUso) n->m_pSPM->MarcaEnUso();
    return true;
}

void CGestorSPMs::Vacia()
{
    while (m_pPrimero) {
        NodoSPM* n = m_pPrimero;
        m_pPrimero = n->m_pSiguiente;
        delete n->m_pSPM;
        delete n;
    }
}

int CGestorSPMs::NumPaquetes() const
{
    int c = 0;
    for (NodoSPM* n = m_pPrimero; n; n = n->m_pSiguiente) ++c;
    return c;
}

std::unique_ptr<CSPM> CopiaPaqueteCache(const char* szRuta)
{
    if (!g_pGestorSPMs || !szRuta || !szRuta[0]) return nullptr;
    CSPM* pCache = g_pGestorSPMs->GetSPM(szRuta);
    if (!pCache) return nullptr;
    auto p = std::make_unique<CSPM>();
    if (!p->Copia(pCache)) return nullptr;
    return p;
}
