#include "engine/ui/MenuObj.h"

#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/EnlaceAplicacion.h"
#include "engine/core/GestorComandes.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"
#include "engine/ui/TiposMenuObj.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Lists: the children lists are walked without their cursor, and every walk
// that calls out to other objects works on a copy taken first, so that an
// object may attach, remove or delete children from inside the walk.

namespace {

bool EnLista(const CLista& l, const void* p)
{
    for (const NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente)
        if (n->m_pItem == p) return true;
    return false;
}

// Takes every occurrence of p out of l; true when there was one.
bool SacaDeLista(CLista& l, void* p)
{
    bool bHabia = false;
    while (l.BuscaYBorra(p)) bHabia = true;
    return bHabia;
}

// The items of l from the head (top) to the tail.
std::vector<CMenuObj*> Copia(const CLista& l)
{
    std::vector<CMenuObj*> v;
    v.reserve(static_cast<size_t>(l.m_iNumElementos > 0 ? l.m_iNumElementos : 0));
    for (const NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente) v.push_back(static_cast<CMenuObj*>(n->m_pItem));
    return v;
}

// Inserts p just before (toward the head of) the node holding pAntesDe;
// at the head when pAntesDe is not in the list.
void InsertaAntesDe(CLista& l, void* p, const void* pAntesDe)
{
    for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente) {
        if (n->m_pItem == pAntesDe) {
            l.m_pActual = n;
            l.InsertaAntes(p);
            return;
        }
    }
    l.InsertaAlPrincipio(p);
}

// Textures of the images in use are made again and those no longer used are
// freed; the sound system reloads its samples in use.
void RecargaRecursosEnUso()
{
    if (g_pSistema2D && g_pSistema2D->EstaIniciat()) {
        g_pSistema2D->CarregaBitmapsEnUs();
        g_pSistema2D->DescarregaBitmapsSenseUs();
    }
    if (g_pSistemaSonido && g_pSistemaSonido->EstaIniciado()) g_pSistemaSonido->RecargaMuestrasEnUso();
}

// An event that reached the top of its tree goes to the application core's
// list; without a core it is dropped.
void PublicaEvento(int iTipo, int iValor, const char* szTexto)
{
    EnlaceAplicacion()->EnviaEvento(iTipo, iValor, szTexto, -1);
}

// One frame layer's share of the style's flag bits (layer 1: the low byte).
void AnimaCapa(CSPM* pCapa, int iBits, int32_t& iAlfa, bool& bOculta, const uint8_t aColorEstilo[3], uint8_t r,
               uint8_t g, uint8_t b)
{
    if (iBits & ESTILO_APARECE)
        iAlfa = iAlfa + 25 > 255 ? 255 : iAlfa + 25;
    else if (iBits & ESTILO_DESVANECE)
        iAlfa = iAlfa - 25 < 0 ? 0 : iAlfa - 25;
    pCapa->PonFusion((iBits & ESTILO_FUSION_BLANCA) ? 1 : 0, ColorRGB(255, 255, 255));
    if (iBits & ESTILO_PARPADEA)
        bOculta = !bOculta;
    else
        bOculta = (iBits & ESTILO_OCULTO) != 0;
    if (iBits & ESTILO_COLOR_ESTILO)
        pCapa->PonColor(aColorEstilo[0], aColorEstilo[1], aColorEstilo[2]);
    else
        pCapa->PonColor(r, g, b);
    // The stored alpha itself is not halved.
    pCapa->PonAlfa(static_cast<uint8_t>((iBits & ESTILO_MEDIO_ALFA) ? iAlfa / 2 : iAlfa));
}

} // namespace

bool EventoLlevaPuntero(int iTipo)
{
    return iTipo == EVENTO_CASILLA_PULSADA || iTipo == EVENTO_ARRASTRANDO || iTipo == EVENTO_ARRASTRE_INICIO ||
           iTipo == EVENTO_ARRASTRE_FIN;
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuObj::CMenuObj() = default;

CMenuObj::~CMenuObj()
{
    LiberaSiIniciado();
    // A parent that still holds this object (attached, closing or waiting to
    // be attached) forgets it now, so that deleting a child right after
    // removing it leaves nothing dangling.
    if (m_pPendienteDe) m_pPendienteDe->OlvidaHijo(this);
    if (m_pContenedor) m_pContenedor->OlvidaHijo(this);
    if (m_pDueno) m_pDueno->OlvidaHijo(this);
}

void CMenuObj::InicializaCampos()
{
    m_iId = -1;
    m_iPulsacion = -1;
    m_bEnfocado = false;
    m_bVisible = true;
    m_bMarcado = false;
    m_iAlfaCapa1 = 255;
    m_iAlfaCapa2 = 255;
    m_pCapa1 = m_pCapa2 = m_pIcono = nullptr;
    m_pArriba = m_pAbajo = m_pIzquierda = m_pDerecha = nullptr;
    // An object initialised again while attached keeps its parent: the
    // parent still lists it, and a lost link would leave it stuck there.
    m_pPadre = (m_pContenedor && !EnLista(m_pContenedor->m_lBajas, this)) ? m_pContenedor : nullptr;
    m_rect = Rectangulo();
    m_pSonidoFoco = m_pSonidoPulsar = nullptr;
    m_iFlagsEstilo = 0;
    m_iTiempoPulsado = -1;
    m_bEnfocadoAntes = false;
    m_bOcultaCapa1 = m_bOcultaCapa2 = false;
    m_bRecursosCargados = false;
    std::memset(m_aColorPropio, 255, sizeof m_aColorPropio);
    m_iEstilo = -1;
    m_pHijoEnfocado = m_pFocoGuardado = m_pCursorDibujo = m_pCancelar = nullptr;
    m_iFrameIcono = -1;
    m_szNombre[0] = '\0';
    m_bRecargaAlAnadir = m_bRecargaAlQuitar = false;
    m_edicion = EstadoEdicion();
}

bool CMenuObj::Inicia(int iId, const char* szNombre, const Rectangulo& rect, int iEstilo)
{
    LiberaSiIniciado();
    InicializaCampos();
    m_iId = iId;
    bool bOk = m_lHijos.Inicia() && m_lBajas.Inicia() && m_lAltasPendientes.Inicia() && m_lPropios.Inicia();
    if (bOk) {
        std::snprintf(m_szNombre, sizeof m_szNombre, "%s", szNombre ? szNombre : "");
        if (iEstilo < -1 || iEstilo > 9) bOk = false;
    }
    if (bOk) {
        m_iEstilo = iEstilo;
        bOk = CreaPaquetes();
    }
    if (!bOk) {
        Libera();
        return false;
    }
    m_rect = rect;
    m_bIniciado = true;
    return true;
}

void CMenuObj::LiberaSiIniciado()
{
    if (m_bIniciado) Libera();
    m_bIniciado = false;
}

void CMenuObj::Libera()
{
    // Owned children are deleted; each forgets itself here as it goes.
    while (m_lPropios.m_pCabeza) {
        auto* pHijo = static_cast<CMenuObj*>(m_lPropios.m_pCabeza->m_pItem);
        SacaDeLista(m_lPropios, pHijo);
        if (pHijo->m_pDueno == this) pHijo->m_pDueno = nullptr;
        if (pHijo->SeBorraConPadre()) delete pHijo;
    }
    LiberaPaquetes();
    LiberaSonidos();
    SueltaHijos();
    m_lHijos.Libera();
    m_lBajas.Libera();
    m_lAltasPendientes.Libera();
    m_lPropios.Libera();
    m_pHijoEnfocado = m_pFocoGuardado = m_pCursorDibujo = m_pCancelar = nullptr;
    m_bRecursosCargados = false;
}

void CMenuObj::SueltaHijos()
{
    for (CLista* l : {&m_lHijos, &m_lBajas, &m_lAltasPendientes}) {
        for (CMenuObj* p : Copia(*l)) {
            if (p->m_pContenedor == this) p->m_pContenedor = nullptr;
            if (p->m_pPendienteDe == this) p->m_pPendienteDe = nullptr;
            if (p->m_pPadre == this) p->m_pPadre = nullptr;
        }
    }
}

void CMenuObj::OlvidaHijo(CMenuObj* pHijo)
{
    SacaDeLista(m_lHijos, pHijo);
    SacaDeLista(m_lBajas, pHijo);
    SacaDeLista(m_lAltasPendientes, pHijo);
    SacaDeLista(m_lPropios, pHijo);
    OlvidaReferencias(pHijo);
    if (pHijo->m_pContenedor == this) pHijo->m_pContenedor = nullptr;
    if (pHijo->m_pPendienteDe == this) pHijo->m_pPendienteDe = nullptr;
    if (pHijo->m_pDueno == this) pHijo->m_pDueno = nullptr;
    if (pHijo->m_pPadre == this) pHijo->m_pPadre = nullptr;
}

void CMenuObj::OlvidaReferencias(CMenuObj* pHijo)
{
    if (m_pHijoEnfocado == pHijo) m_pHijoEnfocado = nullptr;
    if (m_pFocoGuardado == pHijo) m_pFocoGuardado = nullptr;
    if (m_pCursorDibujo == pHijo) m_pCursorDibujo = nullptr;
    if (m_pCancelar == pHijo) m_pCancelar = nullptr;
    for (CMenuObj* p : Copia(m_lHijos)) {
        if (p->m_pArriba == pHijo) p->m_pArriba = nullptr;
        if (p->m_pAbajo == pHijo) p->m_pAbajo = nullptr;
        if (p->m_pIzquierda == pHijo) p->m_pIzquierda = nullptr;
        if (p->m_pDerecha == pHijo) p->m_pDerecha = nullptr;
    }
}

void CMenuObj::Adopta(CMenuObj* pHijo)
{
    if (!pHijo->SeBorraConPadre()) return;
    if (pHijo->m_pDueno && pHijo->m_pDueno != this) SacaDeLista(pHijo->m_pDueno->m_lPropios, pHijo);
    SacaDeLista(m_lPropios, pHijo);
    m_lPropios.InsertaAlPrincipio(pHijo);
    pHijo->m_pDueno = this;
}

// ---------------------------------------------------------------------------
// Simple state

void CMenuObj::PonEnfocado(bool bEnfocado)
{
    m_bEnfocado = bEnfocado;
    if (bEnfocado) return;
    for (CMenuObj* p : Copia(m_lHijos)) p->PonEnfocado(false);
    m_pHijoEnfocado = nullptr;
}

bool CMenuObj::EstaEnfocado() { return m_bEnfocado; }

void CMenuObj::Pulsa(int iOrigen) { m_iPulsacion = iOrigen; }

void CMenuObj::PonVisible(bool bVisible) { m_bVisible = bVisible; }

bool CMenuObj::EsVisible()
{
    if (!m_bVisible) return false;
    return m_pPadre ? m_pPadre->EsVisible() : true;
}

void CMenuObj::PonMarcado(bool bMarcado) { m_bMarcado = bMarcado; }

bool CMenuObj::EstaMarcado() { return m_bMarcado; }

bool CMenuObj::Contiene(float x, float y)
{
    return x >= m_rect.x && x <= m_rect.x + m_rect.ancho && y >= m_rect.y && y <= m_rect.y + m_rect.alto;
}

bool CMenuObj::EsExclusivo() { return false; }
bool CMenuObj::EsModal() { return false; }
bool CMenuObj::UsaTransicion() { return false; }
bool CMenuObj::SeBorraConPadre() { return false; }

void CMenuObj::Cierra(bool bRecarga)
{
    if (m_pPadre) m_pPadre->QuitaHijo(bRecarga, this);
}

void CMenuObj::PonRect(float x, float y, float ancho, float alto)
{
    m_rect.x = x;
    m_rect.y = y;
    m_rect.ancho = ancho;
    m_rect.alto = alto;
}

CMenuObj* CMenuObj::Padre() { return m_pPadre; }

void CMenuObj::PonPadre(CMenuObj* pPadre) { m_pPadre = pPadre; }

void CMenuObj::NotificaQuitado() {}

void CMenuObj::NotificaHijoQuitado(CMenuObj*) {}

void CMenuObj::PulsaHijo(int iOrigen, CMenuObj* pHijo)
{
    if (pHijo) pHijo->Pulsa(iOrigen);
}

void CMenuObj::PonColorPropio(bool bCapa1, uint8_t r, uint8_t g, uint8_t b)
{
    int i = bCapa1 ? 0 : 1;
    m_aColorPropio[i] = r;
    m_aColorPropio[2 + i] = g;
    m_aColorPropio[4 + i] = b;
}

bool CMenuObj::EsSoltarBoton(int iEvento)
{
    return iEvento == BOTON_IZQUIERDO_ARRIBA || iEvento == BOTON_DERECHO_ARRIBA || iEvento == BOTON_CENTRAL_ARRIBA;
}

// ---------------------------------------------------------------------------
// The tree

void CMenuObj::AnadeHijo(bool bRecarga, CMenuObj* pHijo, bool bSobreElPrimero, bool bDebajo)
{
    if (!pHijo || !pHijo->m_bIniciado) return;
    pHijo->m_bRecargaAlAnadir = bRecarga;
    if (bSobreElPrimero)
        InsertaHijo(bRecarga, pHijo, m_lHijos.m_pCabeza ? static_cast<CMenuObj*>(m_lHijos.m_pCabeza->m_pItem) : nullptr,
                    false);
    else
        InsertaHijo(bRecarga, pHijo, nullptr, bDebajo);
}

bool CMenuObj::PuedeContener(CMenuObj* pHijo)
{
    if (!pHijo || !pHijo->m_bIniciado || !m_bIniciado) return false;
    // An object never goes below itself (the tree would loop). A child that
    // is closing after its removal has no parent link but is still listed
    // by its parent, so the walk up follows the lists.
    for (CMenuObj* p = this; p; p = p->m_pContenedor ? p->m_pContenedor : p->m_pPadre)
        if (p == pHijo) return false;
    return true;
}

void CMenuObj::AnadeHijoDiferido(CMenuObj* pHijo)
{
    if (!PuedeContener(pHijo)) return;
    Pendiente(pHijo);
}

void CMenuObj::Pendiente(CMenuObj* pHijo)
{
    // Waiting in one parent at a time: the later request wins. The parent it
    // waited in no longer waits for it, and forgets it unless it is still
    // attached there (it leaves that parent when it is attached here).
    CMenuObj* pAntes = pHijo->m_pPendienteDe;
    if (pAntes && pAntes != this) {
        pAntes->CancelaAlta(pHijo);
        if (pHijo->m_pContenedor != pAntes) pAntes->OlvidaReferencias(pHijo);
    }
    Adopta(pHijo);
    m_lAltasPendientes.InsertaAlFinal(pHijo);
    pHijo->m_pPendienteDe = this;
}

void CMenuObj::CancelaAlta(CMenuObj* pHijo)
{
    SacaDeLista(m_lAltasPendientes, pHijo);
    if (pHijo->m_pPendienteDe == this) pHijo->m_pPendienteDe = nullptr;
    // This object closed for the screen: with none left waiting it opens
    // again.
    if (pHijo->EsExclusivo() && UsaTransicion() && !m_lAltasPendientes.m_pCabeza) IniciaTransicion(true);
}

void CMenuObj::InsertaHijo(bool bRecarga, CMenuObj* pHijo, CMenuObj* pEncimaDe, bool bDebajo)
{
    if (!PuedeContener(pHijo)) return;
    pHijo->m_bRecargaAlAnadir = bRecarga;
    Adopta(pHijo);
    if (pHijo->EsExclusivo()) {
        // A screen: this object closes first, and the screen is attached
        // once it has.
        if (UsaTransicion()) IniciaTransicion(false);
        if (!EnLista(m_lAltasPendientes, pHijo)) Pendiente(pHijo);
        return;
    }
    ConectaHijo(pHijo, pEncimaDe, bDebajo);
    if (pHijo->UsaTransicion()) pHijo->IniciaTransicion(true);
}

void CMenuObj::ConectaHijo(CMenuObj* pHijo, CMenuObj* pEncimaDe, bool bDebajo)
{
    // Held by another parent (attached, closing or waiting there): that
    // parent lets it go first, so no list keeps a stale pointer.
    if (pHijo->m_pContenedor && pHijo->m_pContenedor != this) pHijo->m_pContenedor->OlvidaHijo(pHijo);
    if (CMenuObj* pEspera = pHijo->m_pPendienteDe) {
        pEspera->CancelaAlta(pHijo);
        if (pEspera != this) pEspera->OlvidaReferencias(pHijo);
    }
    // Closing after a removal: the removal is cancelled. Already attached:
    // it moves to its new place rather than being listed twice.
    SacaDeLista(m_lBajas, pHijo);
    SacaDeLista(m_lHijos, pHijo);
    if (pEncimaDe && pEncimaDe != pHijo && EnLista(m_lHijos, pEncimaDe))
        InsertaAntesDe(m_lHijos, pHijo, pEncimaDe);
    else if (bDebajo)
        m_lHijos.InsertaAlFinal(pHijo);
    else
        m_lHijos.InsertaAlPrincipio(pHijo);
    pHijo->m_pContenedor = this;
    Adopta(pHijo);
    if (m_bRecursosCargados && !pHijo->m_bRecursosCargados) {
        pHijo->CargaRecursos();
        // A child built beforehand and kept aside may have lost its textures
        // at an earlier reload, when none of its pictures was in use: those
        // now in use are made again, so it never shows as an empty frame.
        if (!pHijo->m_bRecargaAlAnadir && g_pSistema2D && g_pSistema2D->EstaIniciat())
            g_pSistema2D->CarregaBitmapsEnUs();
    }
    if (pHijo->EsModal() && m_pHijoEnfocado != pHijo) m_pFocoGuardado = m_pHijoEnfocado;
    pHijo->PonPadre(this);
    EnfocaHijo(pHijo);
    if (pHijo->m_bRecargaAlAnadir) {
        RecargaRecursosEnUso();
    }
}

void CMenuObj::ProcesaAltasPendientes()
{
    if (!m_lAltasPendientes.m_pCabeza || EnTransicion()) return;
    while (m_lAltasPendientes.m_pCabeza) {
        auto* pHijo = static_cast<CMenuObj*>(m_lAltasPendientes.m_pCabeza->m_pItem);
        SacaDeLista(m_lAltasPendientes, pHijo);
        if (pHijo->m_pPendienteDe == this) pHijo->m_pPendienteDe = nullptr;
        if (!PuedeContener(pHijo)) {
            if (pHijo->m_pContenedor != this) OlvidaReferencias(pHijo);
            continue;
        }
        ConectaHijo(pHijo, nullptr, false);
        if (pHijo->UsaTransicion()) pHijo->IniciaTransicion(true);
    }
}

void CMenuObj::QuitaHijo(bool bRecarga, CMenuObj* pHijo)
{
    if (!pHijo) return;
    // Still waiting to be attached: the attach is cancelled, and when no
    // screen is left waiting this object opens again (it closed for it).
    if (EnLista(m_lAltasPendientes, pHijo)) {
        CancelaAlta(pHijo);
        // Not attached here either: nothing here may point at it.
        if (pHijo->m_pContenedor != this) OlvidaReferencias(pHijo);
    }
    if (!pHijo->m_bIniciado || pHijo->m_pPadre != this) return;
    pHijo->m_bRecargaAlQuitar = bRecarga;
    if (m_pCancelar == pHijo) m_pCancelar = nullptr;
    if (m_pFocoGuardado == pHijo) m_pFocoGuardado = nullptr;
    if (m_pCursorDibujo == pHijo) m_pCursorDibujo = nullptr;
    if (m_pHijoEnfocado == pHijo) {
        if (pHijo->EsModal() && m_pFocoGuardado) {
            CMenuObj* pFoco = m_pFocoGuardado;
            m_pFocoGuardado = nullptr;
            EnfocaHijo(pFoco);
        } else {
            EnfocaHijo(nullptr);
        }
    }
    if (!EnLista(m_lBajas, pHijo)) m_lBajas.InsertaAlPrincipio(pHijo);
    pHijo->PonPadre(nullptr);
    if (pHijo->UsaTransicion()) pHijo->IniciaTransicion(false);
}

void CMenuObj::ProcesaBajas()
{
    if (!m_lBajas.m_pCabeza) return;
    bool bRecarga = false;
    for (CMenuObj* pHijo : Copia(m_lBajas)) {
        if (!EnLista(m_lBajas, pHijo) || pHijo->EnTransicion()) continue;
        // Deleted by the parent that owns it; one that another parent has
        // asked for meanwhile is that parent's now.
        bool bBorrar = pHijo->SeBorraConPadre() && pHijo->m_pDueno == this;
        SacaDeLista(m_lHijos, pHijo);
        if (bBorrar) SacaDeLista(m_lPropios, pHijo);
        if (pHijo->EsExclusivo() && UsaTransicion()) IniciaTransicion(true);
        SacaDeLista(m_lBajas, pHijo);
        if (pHijo->m_pContenedor == this) pHijo->m_pContenedor = nullptr;
        pHijo->DescargaRecursos();
        if (m_pHijoEnfocado == pHijo) EnfocaHijo(nullptr);
        // Gone from the lists: nothing here may point at it any more (it
        // may have taken the focus from the pointer, been saved by a modal
        // child or named as a target while it closed).
        OlvidaReferencias(pHijo);
        if (pHijo->m_bRecargaAlQuitar) bRecarga = true;
        pHijo->NotificaQuitado();
        NotificaHijoQuitado(pHijo);
        if (bBorrar) {
            // Its container link is already cleared, so its destructor would
            // not reach this object: the siblings' links to it go now.
            OlvidaHijo(pHijo);
            delete pHijo;
        }
    }
    if (bRecarga) {
        RecargaRecursosEnUso();
    }
}

// Queries: they walk the list itself (nothing is attached or removed from
// inside them).
bool CMenuObj::EnTransicion()
{
    for (const NodoLista* n = m_lHijos.m_pCabeza; n; n = n->m_pSiguiente)
        if (static_cast<CMenuObj*>(n->m_pItem)->EnTransicion()) return true;
    return false;
}

bool CMenuObj::EntradaBloqueada()
{
    for (const NodoLista* n = m_lHijos.m_pCabeza; n; n = n->m_pSiguiente)
        if (static_cast<CMenuObj*>(n->m_pItem)->EntradaBloqueada()) return true;
    return false;
}

void CMenuObj::EnviaEvento(int iTipo, int iValor, const char* szTexto, int)
{
    if (EnTransicion() || EntradaBloqueada()) return;
    if (m_pPadre) {
        // The parent sees the direct child that passed the event on.
        m_pPadre->EnviaEvento(iTipo, iValor, szTexto, m_iId);
        return;
    }
    // A pointer carried in the text argument is not a text.
    PublicaEvento(iTipo, iValor, EventoLlevaPuntero(iTipo) ? nullptr : szTexto);
}

void CMenuObj::EnfocaHijo(CMenuObj* pHijo)
{
    if (pHijo == m_pHijoEnfocado) return;
    CMenuObj* pViejo = m_pHijoEnfocado;
    if (pViejo) pViejo->PonEnfocado(false);
    m_pHijoEnfocado = pHijo;
    if (pHijo) pHijo->PonEnfocado(true);
}

void CMenuObj::IniciaTransicion(bool bEntrada)
{
    for (CMenuObj* p : Copia(m_lHijos))
        if (EnLista(m_lHijos, p)) p->IniciaTransicion(bEntrada);
}

// ---------------------------------------------------------------------------
// Update and drawing

void CMenuObj::Actualiza()
{
    ActualizaSonidosYPulsacion();
    AnimaEstilo();
    for (CMenuObj* p : Copia(m_lHijos))
        if (EnLista(m_lHijos, p)) p->Actualiza();
    ProcesaBajas();
    ProcesaAltasPendientes();
}

void CMenuObj::ActualizaSonidosYPulsacion()
{
    if (m_iPulsacion != -1) {
        m_iPulsacion = -1;
        TocaSonido(m_pSonidoPulsar);
        m_iTiempoPulsado = kPasosPulsado;
    }
    if (m_iTiempoPulsado != -1) --m_iTiempoPulsado;
    if (m_bEnfocado && !m_bEnfocadoAntes) TocaSonido(m_pSonidoFoco);
    m_bEnfocadoAntes = m_bEnfocado;
}

void CMenuObj::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    std::vector<CMenuObj*> hijos = Copia(m_lHijos);
    // The children are drawn from the tail (bottom) to the head (top); a
    // partial draw resumes at the child where the last one stopped.
    size_t i = hijos.size();
    if (m_pCursorDibujo) {
        for (size_t k = 0; k < hijos.size(); ++k)
            if (hijos[k] == m_pCursorDibujo) i = k + 1;
    } else {
        DibujaCapas(pDestino);
    }
    DibujaIcono(pDestino);
    for (; i > 0; --i) {
        CMenuObj* p = hijos[i - 1];
        if (p == pHastaHijo) {
            m_pCursorDibujo = p;
            return;
        }
        if (EnLista(m_lHijos, p)) p->Dibuja(nullptr, pDestino);
    }
    m_pCursorDibujo = nullptr;
}

// ---------------------------------------------------------------------------
// Input

bool CMenuObj::Traga() { return EsExclusivo() || EsModal(); }

bool CMenuObj::EntradaRechazada() { return EnTransicion() || EntradaBloqueada(); }

bool CMenuObj::MueveFoco(CMenuObj* pVecino)
{
    // A neighbour link may outlive its object (removed, then deleted by its
    // owner): it is looked for among the children before it is read.
    if (!pVecino || !EnLista(m_lHijos, pVecino) || pVecino->m_pPadre != this) return false;
    EnfocaHijo(pVecino);
    return true;
}

// Set by the application core while it offers the pointer's resting place
// again (engine/app/Aplicacion.cpp).
bool g_bPunteroReofrecido = false;

bool CMenuObj::BajoModal()
{
    int iProfundidad = 0;
    for (CMenuObj* p = this; p->m_pPadre && iProfundidad < 64; p = p->m_pPadre, ++iProfundidad) {
        // The head of the list is the top child: those before p lie above it.
        for (NodoLista* n = p->m_pPadre->m_lHijos.m_pCabeza; n && n->m_pItem != p; n = n->m_pSiguiente) {
            auto* pEncima = static_cast<CMenuObj*>(n->m_pItem);
            if (pEncima->EsModal() && pEncima->EsVisible()) return true;
        }
    }
    return false;
}

bool CMenuObj::MueveFocoCercano(int dx, int dy)
{
    CMenuObj* pFoco = m_pHijoEnfocado;
    // Links laid by the screen are its keyboard map: they are kept as they are.
    if (pFoco && (pFoco->m_pArriba || pFoco->m_pAbajo || pFoco->m_pIzquierda || pFoco->m_pDerecha)) return false;
    auto Centro = [](CMenuObj* p, float* x, float* y) {
        *x = p->m_rect.x + p->m_rect.ancho / 2.0f;
        *y = p->m_rect.y + p->m_rect.alto / 2.0f;
    };
    float x0 = 0.0f, y0 = 0.0f;
    if (pFoco) Centro(pFoco, &x0, &y0);
    CMenuObj* pMejor = nullptr;
    float fMejor = 0.0f;
    for (NodoLista* n = m_lHijos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* p = static_cast<CMenuObj*>(n->m_pItem);
        if (p == pFoco || !dynamic_cast<CButo*>(p) || !p->EsVisible()) continue;
        float x = 0.0f, y = 0.0f;
        Centro(p, &x, &y);
        float fCoste;
        if (pFoco) {
            // Along the direction, and off it counted twice.
            const float fAvance = (x - x0) * static_cast<float>(dx) + (y - y0) * static_cast<float>(dy);
            if (fAvance <= 0.5f) continue;
            const float fLado = std::fabs((x - x0) * static_cast<float>(dy) - (y - y0) * static_cast<float>(dx));
            fCoste = fAvance + 2.0f * fLado;
        } else {
            // Reading order: rows of 40 points, then left to right.
            fCoste = std::floor(y / 40.0f) * 4096.0f + x;
        }
        if (!pMejor || fCoste < fMejor) {
            pMejor = p;
            fMejor = fCoste;
        }
    }
    if (!pMejor) return false;
    EnfocaHijo(pMejor);
    return true;
}

void CMenuObj::PulsaCancelar(int iOrigen)
{
    CMenuObj* pCancelar = m_pCancelar;
    EnfocaHijo(pCancelar);
    PulsaHijo(iOrigen, pCancelar);
}

bool CMenuObj::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataBotonRaton(iRaton, iEvento, x, y)) return true;
    // The focus first moves to the child under the point.
    TrataMovimientoRaton(iRaton, x, y, true);
    CMenuObj* pFoco = m_pHijoEnfocado;
    if (pFoco && (pFoco->Contiene(x, y) || EsSoltarBoton(iEvento))) {
        if (iEvento == BOTON_IZQUIERDO_ABAJO && Contiene(x, y)) {
            PulsaHijo(iRaton, pFoco);
            return true;
        }
        if (iEvento == BOTON_DERECHO_ABAJO && m_pCancelar) {
            PulsaCancelar(iRaton);
            return true;
        }
    }
    return Traga();
}

bool CMenuObj::TrataTecla(int iTecla)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataTecla(iTecla)) return true;
    CMenuObj* pFoco = m_pHijoEnfocado;
    switch (iTecla) {
    case TECLA_ESCAPE:
        if (m_pCancelar) {
            PulsaCancelar(0);
            return true;
        }
        break;
    case TECLA_ENTER:
        if (pFoco) {
            PulsaHijo(0, pFoco);
            return true;
        }
        break;
    case TECLA_ARRIBA:
        if (pFoco && MueveFoco(pFoco->m_pArriba)) return true;
        if (MueveFocoCercano(0, -1)) return true;
        break;
    case TECLA_ABAJO:
        if (pFoco && MueveFoco(pFoco->m_pAbajo)) return true;
        if (MueveFocoCercano(0, 1)) return true;
        break;
    case TECLA_IZQUIERDA:
        if (pFoco && MueveFoco(pFoco->m_pIzquierda)) return true;
        if (MueveFocoCercano(-1, 0)) return true;
        break;
    case TECLA_DERECHA:
        if (pFoco && MueveFoco(pFoco->m_pDerecha)) return true;
        if (MueveFocoCercano(1, 0)) return true;
        break;
    default:
        break;
    }
    return Traga();
}

bool CMenuObj::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataMovimientoRaton(iRaton, x, y, bPorPulsacion)) return true;
    // The focus follows the pointer to the topmost child that takes it; the
    // pointer's resting place offered again after a change moves no focus
    // (a screen's own first focus stays): it only lets what is focused see
    // whether the pointer is still over it.
    for (CMenuObj* p : Copia(m_lHijos)) {
        if (!EnLista(m_lHijos, p)) continue;
        if (p->TrataMovimientoRaton(iRaton, x, y, bPorPulsacion)) {
            if (!g_bPunteroReofrecido) EnfocaHijo(p);
            return true;
        }
    }
    if (Contiene(x, y)) return true;
    return Traga();
}

bool CMenuObj::TrataCaracter(char c)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataCaracter(c)) return true;
    return Traga();
}

bool CMenuObj::TrataEjeMando(CMando* pMando, int iEje, int iValor)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataEjeMando(pMando, iEje, iValor)) return true;
    CMenuObj* pFoco = m_pHijoEnfocado;
    if (pFoco) {
        CMenuObj* pVecino = nullptr;
        if (iEje == EJE_MANDO_VERTICAL)
            pVecino = iValor < -UMBRAL_EJE_MANDO ? pFoco->m_pArriba : iValor > UMBRAL_EJE_MANDO ? pFoco->m_pAbajo : nullptr;
        else if (iEje == EJE_MANDO_HORIZONTAL)
            pVecino =
                iValor < -UMBRAL_EJE_MANDO ? pFoco->m_pIzquierda : iValor > UMBRAL_EJE_MANDO ? pFoco->m_pDerecha : nullptr;
        if (MueveFoco(pVecino)) return true;
    }
    if (iEje == EJE_MANDO_VERTICAL && (iValor < -UMBRAL_EJE_MANDO || iValor > UMBRAL_EJE_MANDO)) {
        if (MueveFocoCercano(0, iValor < 0 ? -1 : 1)) return true;
    } else if (iEje == EJE_MANDO_HORIZONTAL && (iValor < -UMBRAL_EJE_MANDO || iValor > UMBRAL_EJE_MANDO)) {
        if (MueveFocoCercano(iValor < 0 ? -1 : 1, 0)) return true;
    }
    return Traga();
}

bool CMenuObj::TrataBotonMando(CMando* pMando, int iBoton)
{
    if (EntradaRechazada()) return false;
    if (m_pHijoEnfocado && m_pHijoEnfocado->TrataBotonMando(pMando, iBoton)) return true;
    if (iBoton == BOTON_MANDO_CANCELAR && m_pCancelar) {
        PulsaCancelar(0);
        return true;
    }
    if (iBoton == BOTON_MANDO_PULSAR && m_pHijoEnfocado) {
        PulsaHijo(0, m_pHijoEnfocado);
        return true;
    }
    return Traga();
}

// ---------------------------------------------------------------------------
// Layout editor: outside edit mode every hook leaves the input to the
// children, so the normal dispatch receives it.

template <class F>
bool CMenuObj::OfreceAHijosEditor(F f)
{
    for (CMenuObj* p : Copia(m_lHijos))
        if (EnLista(m_lHijos, p) && f(p)) return true;
    return false;
}

void CMenuObj::CalculaAsas()
{
    EstadoEdicion& e = m_edicion;
    const Rectangulo& r = m_rect;
    float xIzq = r.x, xDer = r.x + r.ancho;
    if (!(r.ancho >= 2.0f * kRadioAsa)) {
        xIzq = r.x + r.ancho / 2.0f - kRadioAsa;
        xDer = r.x + r.ancho / 2.0f + kRadioAsa;
    }
    float yArr = r.y, yAba = r.y + r.alto;
    if (!(r.alto >= 2.0f * kRadioAsa)) {
        yArr = r.y + r.alto / 2.0f - kRadioAsa;
        yAba = r.y + r.alto / 2.0f + kRadioAsa;
    }
    const float xs[4] = {xIzq, xDer, xDer, xIzq}, ys[4] = {yArr, yAba, yArr, yAba};
    for (int i = 0; i < 4; ++i) {
        e.m_afAsaX[i] = xs[i];
        e.m_afAsaY[i] = ys[i];
    }
}

int CMenuObj::AsaEnPunto(float x, float y)
{
    CalculaAsas();
    for (int i = 0; i < 4; ++i) {
        const float dx = x - m_edicion.m_afAsaX[i], dy = y - m_edicion.m_afAsaY[i];
        if (dx * dx + dy * dy < kRadioAsa * kRadioAsa) return i;
    }
    return EstadoEdicion::kNingunaAsa;
}

bool CMenuObj::TrataBotonRatonEditor(int iRaton, int iEvento, float x, float y)
{
    if (m_edicion.m_bEdicion && EsEditable()) {
        if (iEvento == BOTON_IZQUIERDO_ABAJO) {
            const int asa = AsaEnPunto(x, y);
            // The move and resize handles take the press; the other two
            // corners take it without effect. A handle the object does not
            // allow is not there.
            if ((asa == 0 || asa == 1) && PermiteAsa(asa)) {
                m_edicion.m_iAsa = asa;
                return true;
            }
            if ((asa == 2 || asa == 3) && PermiteAsa(asa)) return true;
        } else if (iEvento == BOTON_IZQUIERDO_ARRIBA) {
            m_edicion.m_iAsa = EstadoEdicion::kNingunaAsa;
        } else {
            return true;
        }
    }
    return OfreceAHijosEditor([&](CMenuObj* p) { return p->TrataBotonRatonEditor(iRaton, iEvento, x, y); });
}

bool CMenuObj::TrataTeclaEditor(int iTecla)
{
    return OfreceAHijosEditor([&](CMenuObj* p) { return p->TrataTeclaEditor(iTecla); });
}

bool CMenuObj::TrataMovimientoRatonEditor(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (m_edicion.m_bEdicion && EsEditable()) {
        if (m_edicion.m_iAsa == 0) {
            PonRect(x, y, m_rect.ancho, m_rect.alto);
            return true;
        }
        if (m_edicion.m_iAsa == 1) {
            // Never narrower or lower than one point.
            PonRect(m_rect.x, m_rect.y, std::max(x - m_rect.x, 1.0f), std::max(y - m_rect.y, 1.0f));
            return true;
        }
    }
    return OfreceAHijosEditor(
        [&](CMenuObj* p) { return p->TrataMovimientoRatonEditor(iRaton, x, y, bPorPulsacion); });
}

bool CMenuObj::TrataCaracterEditor(char c)
{
    return OfreceAHijosEditor([&](CMenuObj* p) { return p->TrataCaracterEditor(c); });
}

bool CMenuObj::TrataEjeMandoEditor(CMando* pMando, int iEje, int iValor)
{
    return OfreceAHijosEditor([&](CMenuObj* p) { return p->TrataEjeMandoEditor(pMando, iEje, iValor); });
}

bool CMenuObj::TrataBotonMandoEditor(CMando* pMando, int iBoton)
{
    return OfreceAHijosEditor([&](CMenuObj* p) { return p->TrataBotonMandoEditor(pMando, iBoton); });
}

void CMenuObj::ActualizaEditor()
{
    OfreceAHijosEditor([](CMenuObj* p) {
        p->ActualizaEditor();
        return false;
    });
}

void CMenuObj::DibujaEditor(CMenuObj*, Sprite* pDestino)
{
    if (m_edicion.m_bEdicion && m_edicion.m_pIconos) {
        CalculaAsas();
        // The handles always show on the screen.
        for (int i = 0; i < 4; ++i)
            if (PermiteAsa(i)) m_edicion.m_pIconos->DibujaSprite(i, m_edicion.m_afAsaX[i], m_edicion.m_afAsaY[i]);
    }
    std::vector<CMenuObj*> hijos = Copia(m_lHijos);
    for (size_t i = hijos.size(); i > 0; --i)
        if (EnLista(m_lHijos, hijos[i - 1])) hijos[i - 1]->DibujaEditor(nullptr, pDestino);
}

void CMenuObj::EntraEdicion()
{
    if (EsEditable()) m_edicion.m_bEdicion = true;
}

void CMenuObj::SaleEdicion()
{
    if (EsEditable()) m_edicion.m_bEdicion = false;
}

bool CMenuObj::EsEditable() { return true; }
bool CMenuObj::PermiteMover() { return true; }
bool CMenuObj::PermiteRedimensionar() { return true; }
bool CMenuObj::PermiteAsaInfIzq() { return true; }
bool CMenuObj::PermiteAsaSupDer() { return true; }

bool CMenuObj::PermiteAsa(int i)
{
    if (!m_edicion.m_bEdicion || !EsEditable()) return false;
    switch (i) {
    case 0: return PermiteMover();
    case 1: return PermiteRedimensionar();
    case 2: return PermiteAsaSupDer();
    case 3: return PermiteAsaInfIzq();
    default: return false;
    }
}

// ---------------------------------------------------------------------------
// Object files

namespace {
constexpr const char* kVersionParametros = "CMENUOBJPAR_V001";
}

bool CMenuObj::LeeParametros(FitxerComandes* f)
{
    if (!g_pGestorComandes || !f) return EstaIniciado();
    const char* szVersion = g_pGestorComandes->LlegeixText(f);
    if (!szVersion || std::strcmp(szVersion, kVersionParametros) != 0) return EstaIniciado();
    int iId = g_pGestorComandes->LlegeixEnter(f);
    const char* szNombre = g_pGestorComandes->LlegeixText(f);
    std::string sNombre = szNombre ? szNombre : "";
    Rectangulo r;
    r.x = g_pGestorComandes->LlegeixReal(f);
    r.y = g_pGestorComandes->LlegeixReal(f);
    r.ancho = g_pGestorComandes->LlegeixReal(f);
    r.alto = g_pGestorComandes->LlegeixReal(f);
    int iEstilo = g_pGestorComandes->LlegeixEnter(f);
    if (Inicia(iId, sNombre.c_str(), r, iEstilo)) {
        m_iFrameIcono = g_pGestorComandes->LlegeixEnter(f);
        m_bVisible = g_pGestorComandes->LlegeixEnter(f) != 0;
        m_bMarcado = g_pGestorComandes->LlegeixEnter(f) != 0;
        // The neighbours' names are written for information only.
        for (int i = 0; i < 4; ++i) g_pGestorComandes->LlegeixText(f);
    }
    return EstaIniciado();
}

void CMenuObj::EscribeParametros(FitxerComandes* f)
{
    if (!g_pGestorComandes || !f) return;
    g_pGestorComandes->EscriuText(f, kVersionParametros);
    g_pGestorComandes->EscriuEnter(f, m_iId);
    g_pGestorComandes->EscriuText(f, m_szNombre);
    g_pGestorComandes->EscriuReal(f, m_rect.x);
    g_pGestorComandes->EscriuReal(f, m_rect.y);
    g_pGestorComandes->EscriuReal(f, m_rect.ancho);
    g_pGestorComandes->EscriuReal(f, m_rect.alto);
    g_pGestorComandes->EscriuEnter(f, m_iEstilo);
    g_pGestorComandes->EscriuEnter(f, m_iFrameIcono);
    g_pGestorComandes->EscriuEnter(f, m_bVisible ? 1 : 0);
    g_pGestorComandes->EscriuEnter(f, m_bMarcado ? 1 : 0);
    for (CMenuObj* p : {m_pArriba, m_pAbajo, m_pIzquierda, m_pDerecha})
        g_pGestorComandes->EscriuText(f, p ? p->m_szNombre : "");
}

void CMenuObj::FinEscrituraParametros(FitxerComandes*) {}

bool CMenuObj::LeeParametrosConVersion(FitxerComandes* f, const char* szVersion)
{
    if (!CMenuObj::LeeParametros(f) || !g_pGestorComandes) return false;
    const char* szLeida = g_pGestorComandes->LlegeixText(f);
    return szLeida && std::strcmp(szLeida, szVersion) == 0;
}

bool CMenuObj::EscribeParametrosConVersion(FitxerComandes* f, const char* szVersion)
{
    CMenuObj::EscribeParametros(f);
    if (!g_pGestorComandes || !f) return false;
    g_pGestorComandes->EscriuText(f, szVersion);
    return true;
}

void CMenuObj::EscribeClase(FitxerComandes* f, const char* szTipo)
{
    if (!g_pGestorComandes || !f) return;
    g_pGestorComandes->EscriuNomComanda(f, "CLASE");
    g_pGestorComandes->EscriuText(f, szTipo ? szTipo : "");
    g_pGestorComandes->EscriuComanda(f);
    g_pGestorComandes->EscriuNomComanda(f, "PARAMS");
    EscribeParametros(f);
    g_pGestorComandes->EscriuComanda(f);
    // The children from the bottom up: read back, each goes on top of the
    // ones before it, as they stand now.
    std::vector<CMenuObj*> hijos = Copia(m_lHijos);
    for (size_t i = hijos.size(); i > 0; --i)
        if (const char* szTipoHijo = TipoMenuObj(hijos[i - 1])) hijos[i - 1]->EscribeClase(f, szTipoHijo);
    g_pGestorComandes->EscriuNomComanda(f, "FINCLASE");
    g_pGestorComandes->EscriuEnter(f, 1);
    g_pGestorComandes->EscriuComanda(f);
    FinEscrituraParametros(f);
}

// ---------------------------------------------------------------------------
// Styles, resources and drawing

const EstiloObjeto* CMenuObj::EstiloActual() const
{
    if (m_iEstilo == -1) return nullptr;
    return EnlaceAplicacion()->Estilo(m_iEstilo);
}

void CMenuObj::AnimaEstilo()
{
    m_iFlagsEstilo = 0;
    const EstiloObjeto* e = EstiloActual();
    if (!e) return;
    int32_t f = m_bEnfocado ? e->m_iFlagsConFoco : e->m_iFlagsSinFoco;
    if (!EsVisible()) f |= e->m_iFlagsOculto;
    if (m_iTiempoPulsado >= 0) f |= e->m_iFlagsPulsado;
    if (m_bMarcado) f |= e->m_iFlagsMarcado;
    m_iFlagsEstilo = f;
    // Own tints: red, green, blue of layer 1 at 0, 2, 4 and of layer 2 at 1, 3, 5.
    if (m_pCapa1)
        AnimaCapa(m_pCapa1, f & 0xff, m_iAlfaCapa1, m_bOcultaCapa1, e->m_aColorCapa1, m_aColorPropio[0],
                  m_aColorPropio[2], m_aColorPropio[4]);
    if (m_pCapa2)
        AnimaCapa(m_pCapa2, (f >> 8) & 0xff, m_iAlfaCapa2, m_bOcultaCapa2, e->m_aColorCapa2, m_aColorPropio[1],
                  m_aColorPropio[3], m_aColorPropio[5]);
}

namespace {

// Most instances of a focus or press sound playing at once.
constexpr int kInstanciasSonido = 3;

// A copy of the cached package of that path into *pp; false when it cannot
// be made (no package cache, or the copy failed).
bool CopiaPaquete(const char* szRuta, CSPM** pp)
{
    *pp = nullptr;
    if (!g_pGestorSPMs) return false;
    CSPM* pOrigen = g_pGestorSPMs->GetSPM(szRuta);
    if (!pOrigen) return false;
    auto* p = new CSPM;
    if (!p->Copia(pOrigen)) {
        delete p;
        return false;
    }
    *pp = p;
    return true;
}

void BorraPaquete(CSPM*& p)
{
    delete p;
    p = nullptr;
}

void MarcaPaquete(CSPM* p, bool bEnUso)
{
    if (!p) return;
    if (bEnUso)
        p->MarcaEnUso();
    else
        p->DesmarcaEnUso();
}

CMuestraSonido* CargaSonido(const char* szNombre)
{
    if (!g_pSistemaSonido || !szNombre || !szNombre[0]) return nullptr;
    return g_pSistemaSonido->CargaMuestra(szNombre, kInstanciasSonido, false);
}

void DevuelveSonido(CMuestraSonido*& p)
{
    if (p && g_pSistemaSonido) g_pSistemaSonido->LiberaMuestra(p);
    p = nullptr;
}

} // namespace

bool CMenuObj::CreaPaquetes()
{
    if (const EstiloObjeto* e = EstiloActual()) {
        if (!CopiaNombrada(e->m_szCapa1, &m_pCapa1) || !CopiaNombrada(e->m_szCapa2, &m_pCapa2) ||
            !CopiaNombrada(e->m_szIcono, &m_pIcono))
            return false;
    }
    // The editor's handle icons; without a package cache there are none.
    CopiaPaquete(motor::paquete::ICONOS_EDITOR, &m_edicion.m_pIconos);
    return true;
}

bool CMenuObj::CopiaNombrada(const char* szNombre, CSPM** pp)
{
    *pp = nullptr;
    if (!szNombre || !szNombre[0]) return true;
    return CopiaPaquete(szNombre, pp);
}

void CMenuObj::LiberaPaquetes()
{
    BorraPaquete(m_pCapa1);
    BorraPaquete(m_pCapa2);
    BorraPaquete(m_pIcono);
    BorraPaquete(m_edicion.m_pIconos);
}

void CMenuObj::LiberaSonidos()
{
    DevuelveSonido(m_pSonidoFoco);
    DevuelveSonido(m_pSonidoPulsar);
}

void CMenuObj::TocaSonido(CMuestraSonido* pSonido)
{
    if (pSonido && g_pSistemaSonido) g_pSistemaSonido->TocaMuestra(pSonido, 1.0f);
}

void CMenuObj::DibujaCapas(Sprite* pDestino)
{
    if (m_pCapa1 && !m_bOcultaCapa1) DibujaPanelSPM(pDestino, m_pCapa1, m_rect.x, m_rect.y, m_rect.ancho, m_rect.alto);
    if (m_pCapa2 && !m_bOcultaCapa2) DibujaPanelSPM(pDestino, m_pCapa2, m_rect.x, m_rect.y, m_rect.ancho, m_rect.alto);
}

void CMenuObj::DibujaIcono(Sprite* pDestino)
{
    if (m_iFrameIcono == -1 || !m_pIcono) return;
    m_pIcono->DibujaSpriteEnDestino(pDestino, m_iFrameIcono, m_rect.x + m_rect.ancho / 2.0f,
                                    m_rect.y + m_rect.alto / 2.0f);
}

void CMenuObj::CargaRecursos()
{
    if (m_bRecursosCargados) return;
    MarcaPaquete(m_pCapa1, true);
    MarcaPaquete(m_pCapa2, true);
    MarcaPaquete(m_pIcono, true);
    MarcaPaquete(m_edicion.m_pIconos, true);
    if (const EstiloObjeto* e = EstiloActual()) {
        const char* szFoco = e->m_szSonidoFoco;
        m_pSonidoFoco = CargaSonido(szFoco);
        // The press sound only once the focus sound, when named, has loaded.
        if (!szFoco || !szFoco[0] || m_pSonidoFoco) m_pSonidoPulsar = CargaSonido(e->m_szSonidoPulsar);
    }
    for (CMenuObj* p : Copia(m_lHijos))
        if (EnLista(m_lHijos, p)) p->CargaRecursos();
    m_bRecursosCargados = true;
}

void CMenuObj::DescargaRecursos()
{
    if (!m_bRecursosCargados) return;
    MarcaPaquete(m_pCapa1, false);
    MarcaPaquete(m_pCapa2, false);
    MarcaPaquete(m_pIcono, false);
    MarcaPaquete(m_edicion.m_pIconos, false);
    LiberaSonidos();
    for (CMenuObj* p : Copia(m_lHijos))
        if (EnLista(m_lHijos, p) && !p->EsExclusivo()) p->DescargaRecursos();
    m_bRecursosCargados = false;
}
