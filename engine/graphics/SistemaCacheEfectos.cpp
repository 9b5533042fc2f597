// The sprite effects cache: layers of effects recycled through one pool.
#include "engine/graphics/SistemaCacheEfectos.h"

#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"

#include <cmath>

CSistemaCacheEfectos* g_pSistemaCacheEfectos = nullptr;

void CEfectoCacheado::Reinicia()
{
    m_Desc = DescripcionEfecto();
    m_iFrames = 0;
    m_fX = m_fY = 0;
    m_fAlfa = 1;
    m_fEscalaX = m_fEscalaY = 1;
    m_fRotacion = 0;
    m_pSPM = nullptr;
    m_pSprite = nullptr;
    m_bTerminado = false;
    m_bActivo = false;
}

bool CEfectoCacheado::Inicia(const DescripcionEfecto& d)
{
    Reinicia();
    m_Desc = d;
    m_pSPM = d.m_pSPM;
    m_pSprite = d.m_pSprite;
    m_fAlfa = 1;
    m_fX = d.m_fDesdeX;
    m_fY = d.m_fDesdeY;
    m_fEscalaX = d.m_fEscalaDesdeX;
    m_fEscalaY = d.m_fEscalaDesdeY;
    m_fRotacion = d.m_fRotacion;
    m_bActivo = true;
    return true;
}

namespace {

// (n − a) / (b − a); a range of no length is already at its end.
float Fraccion(int n, int a, int b)
{
    return b != a ? float(n - a) / float(b - a) : 1.0f;
}

} // namespace

bool CEfectoCacheado::Actualiza()
{
    const DescripcionEfecto& d = m_Desc;
    const int n = m_iFrames;

    bool fadeAcabado = false;
    if (n < d.m_iInicioFadeIn) m_fAlfa = 0;
    else if (n < d.m_iFinFadeIn) m_fAlfa = Fraccion(n, d.m_iInicioFadeIn, d.m_iFinFadeIn);
    else if (n < d.m_iInicioFadeOut) m_fAlfa = 1;
    else if (n < d.m_iFinFadeOut) m_fAlfa = 1.0f - Fraccion(n, d.m_iInicioFadeOut, d.m_iFinFadeOut);
    else {
        m_fAlfa = 0;
        fadeAcabado = true;
    }

    bool movAcabado = false;
    if (n >= d.m_iFinMovimiento) {
        m_fX = d.m_fHastaX;
        m_fY = d.m_fHastaY;
        movAcabado = true;
    } else if (n >= d.m_iInicioMovimiento) {
        const float f = Fraccion(n, d.m_iInicioMovimiento, d.m_iFinMovimiento);
        const float g = std::sin(f * 3.141592f);
        m_fX = d.m_fDesdeX + f * (d.m_fHastaX - d.m_fDesdeX) + d.m_fOndulacionX * g;
        m_fY = d.m_fDesdeY + f * (d.m_fHastaY - d.m_fDesdeY) + d.m_fOndulacionY * g;
    }

    bool escalaAcabada = false;
    if (n >= d.m_iFinEscala) {
        m_fEscalaX = d.m_fEscalaHastaX;
        m_fEscalaY = d.m_fEscalaHastaY;
        escalaAcabada = true;
    } else if (n >= d.m_iInicioEscala) {
        const float g = Fraccion(n, d.m_iInicioEscala, d.m_iFinEscala);
        m_fEscalaX = d.m_fEscalaDesdeX + g * (d.m_fEscalaHastaX - d.m_fEscalaDesdeX);
        m_fEscalaY = d.m_fEscalaDesdeY + g * (d.m_fEscalaHastaY - d.m_fEscalaDesdeY);
    }

    ++m_iFrames;
    m_fRotacion += d.m_fPasoRotacion;
    m_bTerminado = fadeAcabado && movAcabado && escalaAcabada;
    return m_bTerminado;
}

int CEfectoCacheado::Alfa() const
{
    const float a = m_fAlfa * float(m_Desc.m_ucAlfaMaximo);
    return a <= 0 ? 0 : (a >= 255 ? 255 : int(a));
}

void CEfectoCacheado::Dibuja(Sprite* pDestino)
{
    if (m_iFrames <= m_Desc.m_iInicioMovimiento) return;
    const int alfa = Alfa();
    if (m_pSPM) {
        m_pSPM->PonFusion(m_Desc.m_iFusion, m_Desc.m_ColorFusion);
        m_pSPM->PonRotacion(m_Desc.m_fRotacion);
        m_pSPM->PonEscala(m_fEscalaX, m_fEscalaY);
        m_pSPM->PonAlfa(uint8_t(alfa));
        m_pSPM->DibujaEnDestino(pDestino, m_fX, m_fY);
    }
    if (m_pSprite && g_pSistema2D && g_pSistema2D->EstaIniciat())
        g_pSistema2D->DibuixaSpriteEX2(pDestino, m_pSprite, m_Desc.m_iFusion, &m_Desc.m_ColorFusion, m_fX, m_fY,
                                       false, alfa, m_fRotacion, m_fEscalaX, m_fEscalaY);
}

// ---------------------------------------------------------------------------

CSistemaCacheEfectos::~CSistemaCacheEfectos()
{
    if (m_bIniciado) Libera();
}

bool CSistemaCacheEfectos::Inicia()
{
    if (m_bIniciado) Libera();
    for (int i = 0; i < kNumCapas; ++i) {
        m_alActivos[i].Inicia();
        m_alTerminados[i].Inicia();
    }
    m_lReserva.Inicia();
    m_bIniciado = true;
    return true;
}

CEfectoCacheado* CSistemaCacheEfectos::CreaEfecto(int iCapa)
{
    if (!m_bIniciado || !CapaValida(iCapa)) return nullptr;
    CEfectoCacheado* e = nullptr;
    if (!m_lReserva.EstaVacia()) {
        m_lReserva.VaAlPrincipio();
        e = static_cast<CEfectoCacheado*>(m_lReserva.Actual());
        m_lReserva.BorraActual();
    } else {
        e = new CEfectoCacheado();
    }
    m_alActivos[iCapa].InsertaAlFinal(e);
    return e;
}

void CSistemaCacheEfectos::ActualizaCapa(int iCapa)
{
    if (!m_bIniciado || !CapaValida(iCapa)) return;
    CLista& activos = m_alActivos[iCapa];
    CLista& terminados = m_alTerminados[iCapa];
    // Those that finished last step go back to the pool.
    for (terminados.VaAlPrincipio(); !terminados.EstaVacia() && !terminados.EsFinal(); terminados.Avanza()) {
        void* e = terminados.Actual();
        if (activos.BuscaYBorra(e)) {
            static_cast<CEfectoCacheado*>(e)->m_bActivo = false;
            m_lReserva.InsertaAlFinal(e);
        }
    }
    terminados.Vacia();
    for (activos.VaAlPrincipio(); !activos.EstaVacia() && !activos.EsFinal(); activos.Avanza()) {
        auto* e = static_cast<CEfectoCacheado*>(activos.Actual());
        if (e->Actualiza()) terminados.InsertaAlFinal(e);
    }
}

void CSistemaCacheEfectos::DibujaCapa(int iCapa, Sprite* pDestino)
{
    if (!m_bIniciado || !CapaValida(iCapa)) return;
    CLista& activos = m_alActivos[iCapa];
    for (activos.VaAlPrincipio(); !activos.EstaVacia() && !activos.EsFinal(); activos.Avanza())
        static_cast<CEfectoCacheado*>(activos.Actual())->Dibuja(pDestino);
}

void CSistemaCacheEfectos::LimpiaCapa(int iCapa)
{
    if (!m_bIniciado || !CapaValida(iCapa)) return;
    m_alTerminados[iCapa].Vacia();
    CLista& activos = m_alActivos[iCapa];
    for (activos.VaAlPrincipio(); !activos.EstaVacia() && !activos.EsFinal(); activos.Avanza()) {
        static_cast<CEfectoCacheado*>(activos.Actual())->m_bActivo = false;
        m_lReserva.InsertaAlFinal(activos.Actual());
    }
    activos.Vacia();
}

void CSistemaCacheEfectos::LimpiaTodo()
{
    for (int i = 0; i < kNumCapas; ++i) LimpiaCapa(i);
}

namespace {

void BorraEfectos(CLista& l)
{
    for (l.VaAlPrincipio(); !l.EstaVacia() && !l.EsFinal(); l.Avanza()) delete static_cast<CEfectoCacheado*>(l.Actual());
    l.Vacia();
}

} // namespace

void CSistemaCacheEfectos::Libera()
{
    for (int i = 0; i < kNumCapas; ++i) {
        BorraEfectos(m_alActivos[i]);
        m_alTerminados[i].Vacia();
    }
    BorraEfectos(m_lReserva);
    m_bIniciado = false;
}

int CSistemaCacheEfectos::NumActivos(int iCapa) const
{
    return CapaValida(iCapa) ? m_alActivos[iCapa].m_iNumElementos : 0;
}
