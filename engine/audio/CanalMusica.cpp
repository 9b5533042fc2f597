#include "engine/audio/CanalMusica.h"

#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>

namespace {

// Silent for good: not playing, or faded out. An instance whose fader is
// still rising from 0 has only just started and is kept.
bool EstaCallada(CRanuraMusica* r)
{
    if (!r->EstaSonando()) return true;
    return r->GetNivelFade() < CRanuraMusica::kNivelSilencio && r->m_pFader && r->m_pFader->m_iDireccion != 1;
}

} // namespace

CCanalMusica::~CCanalMusica() { Libera(); }

bool CCanalMusica::Inicia(const char* nombre, CBancoRanuras* banco)
{
    Libera();
    m_iModo = 1;
    m_iGuardaReinicio = 1;
    m_Instancias.Inicia();
    m_pEnCola = nullptr;
    m_iRepeticionesCola = -1;
    m_pBanco = banco;
    std::snprintf(m_szNombre, sizeof m_szNombre, "%s", nombre ? nombre : "");
    m_szUltimaRanura[0] = 0;
    m_fPesoMaximo = 0.0f;
    m_fFactorGeneral = 1.0f;
    return true;
}

void CCanalMusica::Libera()
{
    delete m_pEnCola;
    m_pEnCola = nullptr;
    while (NodoLista* n = m_Instancias.m_pCabeza) {
        delete static_cast<CRanuraMusica*>(n->m_pItem);
        m_Instancias.m_pActual = n;
        m_Instancias.BorraActual();
    }
    m_Instancias.Libera();
}

void CCanalMusica::TocaRanura(const char* nombre, int repeticiones)
{
    if (!nombre) nombre = "";
    CRanuraMusica* antigua = m_Instancias.m_pCabeza ? static_cast<CRanuraMusica*>(m_Instancias.m_pCabeza->m_pItem) : nullptr;
    if (m_iGuardaReinicio == 1 && strcasecmp(nombre, m_szUltimaRanura) == 0) {
        // The music asked for again: not restarted, only brought back up.
        if (antigua && antigua->EstaSonando() && strcasecmp(antigua->m_szNombre, nombre) == 0) {
            antigua->FadeIn(CRanuraMusica::kPasosFundido);
            antigua->m_iRepeticiones = repeticiones;
        }
        return;
    }
    delete m_pEnCola;
    m_pEnCola = nullptr;
    CRanuraMusica* definicion = m_pBanco ? m_pBanco->GetRanuraMusicaPorNombre(nombre) : nullptr;
    if (definicion) {
        m_pEnCola = new CRanuraMusica;
        m_pEnCola->CopiaDe(*definicion);
        m_iRepeticionesCola = repeticiones;
    }
    std::snprintf(m_szUltimaRanura, sizeof m_szUltimaRanura, "%s", nombre);
    if (antigua && antigua->EstaSonando() && !(antigua->EstaApagandose() && antigua->GetNivelFade() > 0.0f))
        antigua->FadeOut(CRanuraMusica::kPasosFundido);
}

void CCanalMusica::Para()
{
    CRanuraMusica* antigua = m_Instancias.m_pCabeza ? static_cast<CRanuraMusica*>(m_Instancias.m_pCabeza->m_pItem) : nullptr;
    if (!antigua) return;
    if (m_iModo == 0)
        antigua->Para();
    else
        antigua->FadeOut(CRanuraMusica::kPasosFundido);
}

bool CCanalMusica::HaTerminado()
{
    if (!m_Instancias.m_pCola) return true;
    return EstaCallada(static_cast<CRanuraMusica*>(m_Instancias.m_pCola->m_pItem));
}

void CCanalMusica::Actualiza(float pesoMaximo)
{
    // 1. The loudest weight, from the oldest up to the first audible one.
    bool audible = false;
    m_fPesoMaximo = 0.0f;
    for (NodoLista* n = m_Instancias.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* r = static_cast<CRanuraMusica*>(n->m_pItem);
        m_fPesoMaximo = std::max(m_fPesoMaximo, r->GetPeso());
        if (r->EstaSonando() && r->GetNivelFade() > 0.0f) {
            audible = true;
            break;
        }
    }
    // 2. The queued music starts according to the mode.
    if (m_pEnCola) {
        bool empieza = false;
        switch (m_iModo) {
        case 0:
        case 1:
            empieza = true;
            break;
        case 2:
            if (!audible) {
                m_pEnCola->FadeIn(CRanuraMusica::kPasosFundido);
                empieza = true;
            }
            break;
        case 3:
            empieza = !audible;
            break;
        default:
            break;
        }
        if (empieza) {
            m_pEnCola->Toca(m_iRepeticionesCola);
            if (!m_Instancias.m_bIniciada) m_Instancias.Inicia();
            m_Instancias.InsertaAlFinal(m_pEnCola);
            m_pEnCola = nullptr;
        }
    }
    // 3. Silent ones go; the others play on.
    for (NodoLista* n = m_Instancias.m_pCabeza; n;) {
        NodoLista* sig = n->m_pSiguiente;
        auto* r = static_cast<CRanuraMusica*>(n->m_pItem);
        if (EstaCallada(r)) {
            delete r;
            m_Instancias.m_pActual = n;
            m_Instancias.BorraActual();
        } else {
            r->FijaVolumenGeneral(m_fFactorGeneral);
            r->Actualiza(pesoMaximo);
        }
        n = sig;
    }
}
