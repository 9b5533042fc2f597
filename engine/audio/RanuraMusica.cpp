#include "engine/audio/RanuraMusica.h"

#include "engine/audio/SistemaSonido.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kPrioridadMusica = 128;
}

CRanuraMusica::~CRanuraMusica() { Libera(); }

void CRanuraMusica::PonNombre(const char* nombre)
{
    std::snprintf(m_szNombre, sizeof m_szNombre, "%s", nombre ? nombre : "");
}

bool CRanuraMusica::AgregaPieza(const char* fichero)
{
    // A name cut short would open another file, or none.
    if (!fichero || m_iNumPiezas >= MAX_PIEZAS || std::strlen(fichero) >= LONG_PIEZA) return false;
    std::snprintf(m_szPiezas[m_iNumPiezas++], LONG_PIEZA, "%s", fichero);
    return true;
}

void CRanuraMusica::CreaFader()
{
    delete m_pFader;
    m_pFader = new CTemporizador;
    m_pFader->Crea();
    // A new instance rises from silence by 1/30 per step and stays at 1.
    m_pFader->Inicia(kPasosFundido, 0, kPasosFundido);
}

void CRanuraMusica::CopiaDe(const CRanuraMusica& d)
{
    Libera();
    std::memcpy(m_szNombre, d.m_szNombre, sizeof m_szNombre);
    std::memcpy(m_szPiezas, d.m_szPiezas, sizeof m_szPiezas);
    m_iNumPiezas = d.m_iNumPiezas;
    m_iModo = d.m_iModo;
    m_fVolumen = d.m_fVolumen;
    m_fPeso = d.m_fPeso;
    m_bSonando = 0;
    std::memset(m_bTocada, 0, sizeof m_bTocada);
    m_iSiguiente = 0;
    m_fFactorGeneral = 1.0f;
    m_fUltimoPeso = d.m_fPeso;
    m_iRepeticiones = -1;
    m_iPieza = -1;
    CreaFader();
}

float CRanuraMusica::GetNivelFade()
{
    if (!m_pFader) return 0.0f;
    return m_pFader->Fraccion(PROGRESO_LIMITADO);
}

bool CRanuraMusica::EstaApagandose()
{
    return m_pFader && GetNivelFade() > 0.0f && m_pFader->m_iDireccion != 1;
}

void CRanuraMusica::FadeIn(int pasos)
{
    if (!m_pFader) CreaFader();
    float nivel = GetNivelFade();
    pasos = std::max(pasos, 1);
    m_pFader->Inicia(pasos, 0, pasos);
    m_pFader->CambiaFraccion(nivel);
    m_pFader->m_iDireccion = 1;
}

void CRanuraMusica::FadeOut(int pasos)
{
    if (!m_pFader) CreaFader();
    float nivel = GetNivelFade();
    pasos = std::max(pasos, 1);
    m_pFader->Inicia(pasos, 0, pasos);
    m_pFader->CambiaFraccion(nivel);
    m_pFader->m_iDireccion = -1;
}

void CRanuraMusica::Toca(int repeticiones)
{
    if (!m_pFader) CreaFader();
    m_iRepeticiones = repeticiones;
    m_iSiguiente = 0;
    std::memset(m_bTocada, 0, sizeof m_bTocada);
    SiguientePieza();
}

void CRanuraMusica::SiguientePieza()
{
    if (m_pFlujo && g_pSistemaSonido) g_pSistemaSonido->CierraFlujo(m_pFlujo);
    m_pFlujo = nullptr;
    m_bSonando = 0;
    const int n = std::min(m_iNumPiezas, int(MAX_PIEZAS));
    // A slot without pieces has nothing to play (and nothing to wrap over).
    if (n <= 0) return;
    int pieza = -1;
    if (m_iModo == 0) {
        pieza = m_iSiguiente % n;
        m_iSiguiente = (pieza + 1) % n;
    } else if (m_iModo == 1) {
        bool todas = true;
        for (int i = 0; i < n; ++i) todas = todas && m_bTocada[i];
        if (todas) std::memset(m_bTocada, 0, sizeof m_bTocada);
        int inicio = EnteroAleatorio(0, n - 1);
        for (int k = 0; k < n; ++k) {
            int i = (inicio + k) % n;
            if (!m_bTocada[i]) {
                pieza = i;
                break;
            }
        }
        if (pieza >= 0) m_bTocada[pieza] = 1;
    }
    if (pieza < 0 || !g_pSistemaSonido) return;
    m_iPieza = pieza;
    float razon = 1.0f;
    if (m_fUltimoPeso > 0.0f) razon = std::clamp(m_fPeso / m_fUltimoPeso, 0.0f, 1.0f);
    float v = std::clamp(m_fVolumen * m_fFactorGeneral * razon * GetNivelFade(), 0.0f, 1.0f);
    m_pFlujo = g_pSistemaSonido->AbreFlujo(m_szPiezas[pieza], v, kPrioridadMusica);
    m_bSonando = m_pFlujo != nullptr;
}

void CRanuraMusica::Para()
{
    if (m_pFlujo && g_pSistemaSonido) g_pSistemaSonido->RebobinaFlujo(m_pFlujo);
    m_bSonando = 0;
}

void CRanuraMusica::Actualiza(float pesoMaximo)
{
    float maximo = pesoMaximo < 0.0f ? m_fPeso : pesoMaximo;
    m_fUltimoPeso = maximo;
    // A loudest weight of 0 (everything silent for a while) divides nothing.
    float razon = 1.0f;
    if (maximo > 0.0f && std::isfinite(maximo)) razon = std::clamp(m_fPeso / maximo, 0.0f, 1.0f);
    if (!std::isfinite(razon)) razon = 0.0f;
    float v = m_fVolumen * m_fFactorGeneral * razon * GetNivelFade();
    if (!std::isfinite(v)) v = 0.0f;
    v = std::clamp(v, 0.0f, 1.0f);
    if (m_pFlujo && g_pSistemaSonido) g_pSistemaSonido->CambiaVolumenFlujo(m_pFlujo, v);
    if (m_bSonando && m_pFlujo && g_pSistemaSonido && g_pSistemaSonido->GetFinalesFlujo(m_pFlujo) >= 1) {
        if (m_iRepeticiones == -1) {
            SiguientePieza();
        } else {
            int antes = m_iRepeticiones--;
            if (antes <= 1)
                m_bSonando = 0;
            else
                SiguientePieza();
        }
    }
}

void CRanuraMusica::Libera()
{
    Para();
    delete m_pFader;
    m_pFader = nullptr;
    if (m_pFlujo && g_pSistemaSonido) g_pSistemaSonido->CierraFlujo(m_pFlujo);
    m_pFlujo = nullptr;
}
