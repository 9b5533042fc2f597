#include "engine/audio/GestorSonido.h"

#include "engine/audio/BancoRanuras.h"
#include "engine/audio/CanalMusica.h"
#include "engine/audio/RanuraSonido.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/Temporizador.h"

#include <algorithm>
#include <strings.h>

CGestorSonido* g_pGestorSonido = nullptr;

namespace {

bool Contiene(CLista& l, void* x)
{
    for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente)
        if (n->m_pItem == x) return true;
    return false;
}

void Quita(CLista& l, void* x)
{
    for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente)
        if (n->m_pItem == x) {
            l.m_pActual = n;
            l.BorraActual();
            return;
        }
}

} // namespace

CGestorSonido::~CGestorSonido() { Libera(); }

bool CGestorSonido::Inicia(CBancoRanuras* banco)
{
    Libera();
    m_fFactorVolumen = 1.0f;
    m_fPesoMusicaObjetivo = m_fPesoSonidoObjetivo = 0.0f;
    m_fPesoMusica = m_fPesoSonido = 1.0f;
    m_bPasoVisto = false;
    if (!banco) return false;
    m_pBanco = banco;
    m_Sonidos.Inicia();
    m_SinDueno.Inicia();
    m_SonidosBorrar.Inicia();
    m_Canales.Inicia();
    m_CanalesParando.Inicia();
    m_CanalesBorrar.Inicia();
    m_bIniciado = 1;
    return true;
}

void CGestorSonido::Libera()
{
    while (NodoLista* n = m_Sonidos.m_pCabeza) {
        delete static_cast<CRanuraSonido*>(n->m_pItem);
        m_Sonidos.m_pActual = n;
        m_Sonidos.BorraActual();
    }
    while (NodoLista* n = m_Canales.m_pCabeza) {
        delete static_cast<CCanalMusica*>(n->m_pItem);
        m_Canales.m_pActual = n;
        m_Canales.BorraActual();
    }
    m_Sonidos.Libera();
    m_SinDueno.Libera();
    m_SonidosBorrar.Libera();
    m_Canales.Libera();
    m_CanalesParando.Libera();
    m_CanalesBorrar.Libera();
    m_pBanco = nullptr;
    m_bIniciado = 0;
}

int CGestorSonido::BuscaRanuraSonido(const char* nombre)
{
    if (!nombre || !m_pBanco) return -1;
    return m_pBanco->BuscaRanuraSonido(nombre);
}

void CGestorSonido::MarcaRanuraSonidoEnUso(int indice)
{
    if (!m_pBanco) return;
    if (CRanuraSonido* r = m_pBanco->GetRanuraSonido(indice)) r->MarcaEnUso(true);
}

void CGestorSonido::DesmarcaRanuraSonidoEnUso(int indice)
{
    if (!m_pBanco) return;
    if (CRanuraSonido* r = m_pBanco->GetRanuraSonido(indice)) r->MarcaEnUso(false);
}

void CGestorSonido::RecargaMuestrasSonido()
{
    if (g_pSistemaSonido) g_pSistemaSonido->RecargaMuestrasEnUso();
}

CRanuraSonido* CGestorSonido::Lanza(int indice, bool sinDueno)
{
    if (!m_bIniciado) return nullptr;
    CRanuraSonido* definicion = m_pBanco->GetRanuraSonido(indice);
    if (!definicion) return nullptr;
    auto* r = new CRanuraSonido;
    r->CopiaDe(*definicion);
    r->m_bSinDueno = sinDueno ? 1 : 0;
    r->FijaVolumenGeneral(m_fFactorVolumen);
    r->Toca();
    m_Sonidos.InsertaAlFinal(r);
    if (!sinDueno) return r;
    m_SinDueno.InsertaAlFinal(r);
    return nullptr;
}

CRanuraSonido* CGestorSonido::TocaRanuraSonido(int indice, bool sinDueno)
{
    if (indice == -1) return nullptr;
    return Lanza(indice, sinDueno);
}

CRanuraSonido* CGestorSonido::TocaRanuraSonidoBucle(int indice, int, bool sinDueno)
{
    return Lanza(indice, sinDueno);
}

void CGestorSonido::LiberaInstanciaSonido(CRanuraSonido* instancia)
{
    if (!instancia || !m_bIniciado || !Contiene(m_Sonidos, instancia)) return;
    if (!Contiene(m_SonidosBorrar, instancia)) m_SonidosBorrar.InsertaAlFinal(instancia);
}

CCanalMusica* CGestorSonido::GetCanal(const char* nombre)
{
    if (!m_bIniciado) return nullptr;
    if (!nombre) nombre = "";
    for (NodoLista* n = m_Canales.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* c = static_cast<CCanalMusica*>(n->m_pItem);
        if (strcasecmp(c->GetNombre(), nombre) == 0) {
            // Asking for a channel that was stopping revives it.
            Quita(m_CanalesParando, c);
            Quita(m_CanalesBorrar, c);
            return c;
        }
    }
    auto* c = new CCanalMusica;
    c->Inicia(nombre, m_pBanco);
    m_Canales.InsertaAlFinal(c);
    return c;
}

const char* CGestorSonido::MusicaDeCanal(const char* nombre)
{
    if (!m_bIniciado || !nombre) return "";
    for (NodoLista* n = m_Canales.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* c = static_cast<CCanalMusica*>(n->m_pItem);
        if (strcasecmp(c->GetNombre(), nombre) != 0) continue;
        if (Contiene(m_CanalesParando, c) || Contiene(m_CanalesBorrar, c) || c->HaTerminado()) return "";
        return c->m_szUltimaRanura;
    }
    return "";
}

void CGestorSonido::TocaRanuraMusica(const char* ranura, const char* canal, int repeticiones)
{
    if (CCanalMusica* c = GetCanal(canal)) c->TocaRanura(ranura, repeticiones);
}

void CGestorSonido::TocaRanuraMusicaEnCanal(CCanalMusica* canal, const char* ranura, int repeticiones)
{
    // A channel stopped at once, or one that finished fading out, has been
    // deleted: a screen still holding it plays nothing.
    if (!canal || !m_bIniciado || !Contiene(m_Canales, canal)) return;
    // A held channel that was being stopped comes back.
    Quita(m_CanalesParando, canal);
    Quita(m_CanalesBorrar, canal);
    canal->TocaRanura(ranura, repeticiones);
}

void CGestorSonido::ParaCanal(CCanalMusica* canal, bool deInmediato)
{
    if (!canal || !m_bIniciado || !Contiene(m_Canales, canal)) return;
    if (deInmediato) {
        Quita(m_CanalesParando, canal);
        if (!Contiene(m_CanalesBorrar, canal)) m_CanalesBorrar.InsertaAlFinal(canal);
        return;
    }
    canal->Para();
    if (!Contiene(m_CanalesParando, canal) && !Contiene(m_CanalesBorrar, canal)) m_CanalesParando.InsertaAlFinal(canal);
}

void CGestorSonido::Actualiza()
{
    if (!m_bIniciado) return;
    // The main loop calls this on every pass; the ramps and crossfades are
    // counted in logic steps, so the work runs once per step.
    int paso = FrameActual();
    if (m_bPasoVisto && paso == m_iUltimoPaso) return;
    m_bPasoVisto = true;
    m_iUltimoPaso = paso;

    for (NodoLista* n = m_Sonidos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* r = static_cast<CRanuraSonido*>(n->m_pItem);
        r->FijaVolumenGeneral(m_fFactorVolumen);
        r->Actualiza(m_fPesoSonido);
    }
    for (NodoLista* n = m_Canales.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* c = static_cast<CCanalMusica*>(n->m_pItem);
        c->FijaVolumenGeneral(m_fFactorVolumen);
        c->Actualiza(m_fPesoMusica);
    }
    for (NodoLista* n = m_SinDueno.m_pCabeza; n;) {
        NodoLista* sig = n->m_pSiguiente;
        auto* r = static_cast<CRanuraSonido*>(n->m_pItem);
        if (r->EstaInactiva()) {
            if (!Contiene(m_SonidosBorrar, r)) m_SonidosBorrar.InsertaAlFinal(r);
            m_SinDueno.m_pActual = n;
            m_SinDueno.BorraActual();
        }
        n = sig;
    }
    while (NodoLista* n = m_SonidosBorrar.m_pCabeza) {
        auto* r = static_cast<CRanuraSonido*>(n->m_pItem);
        Quita(m_Sonidos, r);
        Quita(m_SinDueno, r);
        delete r; // drops its sample references
        m_SonidosBorrar.m_pActual = n;
        m_SonidosBorrar.BorraActual();
    }
    for (NodoLista* n = m_CanalesParando.m_pCabeza; n;) {
        NodoLista* sig = n->m_pSiguiente;
        auto* c = static_cast<CCanalMusica*>(n->m_pItem);
        if (c->HaTerminado()) {
            if (!Contiene(m_CanalesBorrar, c)) m_CanalesBorrar.InsertaAlFinal(c);
            m_CanalesParando.m_pActual = n;
            m_CanalesParando.BorraActual();
        }
        n = sig;
    }
    while (NodoLista* n = m_CanalesBorrar.m_pCabeza) {
        auto* c = static_cast<CCanalMusica*>(n->m_pItem);
        Quita(m_Canales, c);
        delete c;
        m_CanalesBorrar.m_pActual = n;
        m_CanalesBorrar.BorraActual();
    }

    m_fPesoSonidoObjetivo = 0.0f;
    for (NodoLista* n = m_Sonidos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* r = static_cast<CRanuraSonido*>(n->m_pItem);
        if (!r->EstaInactiva()) m_fPesoSonidoObjetivo = std::max(m_fPesoSonidoObjetivo, r->m_fPesoCalculado);
    }
    m_fPesoMusicaObjetivo = 0.0f;
    for (NodoLista* n = m_Canales.m_pCabeza; n; n = n->m_pSiguiente)
        m_fPesoMusicaObjetivo = std::max(m_fPesoMusicaObjetivo, static_cast<CCanalMusica*>(n->m_pItem)->GetPesoMaximo());
    m_fPesoSonido += (m_fPesoSonidoObjetivo - m_fPesoSonido) * 0.125f;
    m_fPesoMusica += (m_fPesoMusicaObjetivo - m_fPesoMusica) * 0.125f;
}
