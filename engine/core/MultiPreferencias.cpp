#include "engine/core/MultiPreferencias.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/NumerosC.h"

#include <strings.h>

CMultiPreferencias::~CMultiPreferencias()
{
    if (m_bIniciado) Libera();
}

bool CMultiPreferencias::Inicia(int n, const ParDefecto* pares)
{
    if (m_bIniciado) Libera();
    m_lista.Inicia();
    m_bIniciado = 1;
    for (int i = 0; pares && i < n; ++i) AsignaTexto(pares[i].m_szClave, pares[i].m_szValor);
    return true;
}

ParClaveValor* CMultiPreferencias::Busca(const char* clave)
{
    if (!m_bIniciado || !clave || m_lista.EstaVacia()) return nullptr;
    for (NodoLista* n = m_lista.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* par = static_cast<ParClaveValor*>(n->m_pItem);
        if (strcasecmp(par->m_sClave.c_str(), clave) == 0) return par;
    }
    return nullptr;
}

void CMultiPreferencias::AsignaTexto(const char* clave, const char* valor)
{
    if (!m_bIniciado || !clave || !valor) return;
    if (ParClaveValor* par = Busca(clave)) {
        par->m_sValor = valor;
        return;
    }
    m_lista.InsertaAlPrincipio(new ParClaveValor{clave, valor});
}

void CMultiPreferencias::AsignaEntero(const char* clave, int valor)
{
    AsignaTexto(clave, FormatoC("%d", valor).c_str());
}

const char* CMultiPreferencias::LeeTexto(const char* clave)
{
    ParClaveValor* par = Busca(clave);
    return par ? par->m_sValor.c_str() : "";
}

int CMultiPreferencias::LeeEntero(const char* clave)
{
    ParClaveValor* par = Busca(clave);
    return par ? EnteroDeTexto(par->m_sValor.c_str()) : 0;
}

bool CMultiPreferencias::Carga(const char* ruta)
{
    if (!m_bIniciado || !g_pGestorComandes) return false;
    // What a save cut short left beside the file is never read.
    CGestorComandes::BorraTemporal(ruta);
    FitxerComandes* f = g_pGestorComandes->ObreLectura(ruta);
    if (!f) return false;
    do {
        const char* clave = g_pGestorComandes->NomComanda(f);
        const char* valor = g_pGestorComandes->LlegeixText(f);
        if (!clave || !valor) continue;
        // A key read from the file that is not held yet goes to the tail.
        if (ParClaveValor* par = Busca(clave))
            par->m_sValor = valor;
        else
            m_lista.InsertaAlFinal(new ParClaveValor{clave, valor});
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return true;
}

bool CMultiPreferencias::Guarda(const char* ruta)
{
    if (!m_bIniciado || !g_pGestorComandes) return false;
    // Through a file beside the old one, renamed over it: a cut write keeps
    // the previous settings.
    return g_pGestorComandes->EscriuFitxerSegur(ruta, [this](FitxerComandes* f) {
        bool ok = true;
        for (NodoLista* n = m_lista.m_pCabeza; n; n = n->m_pSiguiente) {
            auto* par = static_cast<ParClaveValor*>(n->m_pItem);
            g_pGestorComandes->EscriuNomComanda(f, par->m_sClave.c_str());
            g_pGestorComandes->EscriuText(f, par->m_sValor.c_str());
            ok = g_pGestorComandes->EscriuComanda(f) && ok;
        }
        return ok;
    });
}

void CMultiPreferencias::Vacia()
{
    for (NodoLista* n = m_lista.m_pCabeza; n; n = n->m_pSiguiente) delete static_cast<ParClaveValor*>(n->m_pItem);
    m_lista.Vacia();
}

void CMultiPreferencias::Libera()
{
    Vacia();
    m_lista.Libera();
    m_bIniciado = 0;
}
