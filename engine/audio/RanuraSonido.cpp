#include "engine/audio/RanuraSonido.h"

#include "engine/audio/SistemaSonido.h"
#include "engine/core/Temporizador.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kMaxInstanciasRanura = 3;
}

CRanuraSonido::~CRanuraSonido() { LiberaMuestras(); }

void CRanuraSonido::PonNombre(const char* nombre)
{
    std::snprintf(m_szNombre, sizeof m_szNombre, "%s", nombre ? nombre : "");
}

bool CRanuraSonido::Agrega(CMuestraSonido** lista, int* num, const char* fichero)
{
    if (!fichero || *num >= MAX_MUESTRAS || !g_pSistemaSonido) return false;
    // Registered now, loaded only when a screen marks the slot in use.
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra(fichero, kMaxInstanciasRanura, false);
    if (!m) return false;
    lista[(*num)++] = m;
    return true;
}

bool CRanuraSonido::AgregaMuestraEntrada(const char* f) { return Agrega(m_pEntrada, &m_iNumEntrada, f); }
bool CRanuraSonido::AgregaMuestraBucle(const char* f) { return Agrega(m_pBucle, &m_iNumBucle, f); }
bool CRanuraSonido::AgregaMuestraSalida(const char* f) { return Agrega(m_pSalida, &m_iNumSalida, f); }

void CRanuraSonido::LiberaMuestras()
{
    CMuestraSonido** listas[3] = {m_pEntrada, m_pBucle, m_pSalida};
    int* nums[3] = {&m_iNumEntrada, &m_iNumBucle, &m_iNumSalida};
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < *nums[k]; ++i) {
            if (g_pSistemaSonido) g_pSistemaSonido->LiberaMuestra(listas[k][i]);
            listas[k][i] = nullptr;
        }
        *nums[k] = 0;
    }
}

void CRanuraSonido::CopiaDe(const CRanuraSonido& d)
{
    LiberaMuestras();
    for (int i = 0; i < MAX_MUESTRAS; ++i) {
        m_pEntrada[i] = d.m_pEntrada[i];
        m_pBucle[i] = d.m_pBucle[i];
        m_pSalida[i] = d.m_pSalida[i];
    }
    m_iNumEntrada = d.m_iNumEntrada;
    m_iNumBucle = d.m_iNumBucle;
    m_iNumSalida = d.m_iNumSalida;
    if (g_pSistemaSonido) {
        for (int i = 0; i < m_iNumEntrada; ++i) g_pSistemaSonido->RetieneMuestra(m_pEntrada[i]);
        for (int i = 0; i < m_iNumBucle; ++i) g_pSistemaSonido->RetieneMuestra(m_pBucle[i]);
        for (int i = 0; i < m_iNumSalida; ++i) g_pSistemaSonido->RetieneMuestra(m_pSalida[i]);
    }
    std::memcpy(m_szNombre, d.m_szNombre, sizeof m_szNombre);
    m_fVolumen = d.m_fVolumen;
    m_fPeso = d.m_fPeso;
    m_fX = d.m_fX;
    m_fY = d.m_fY;
    m_fZ = d.m_fZ;
    m_bAtenderOyente = d.m_bAtenderOyente;
    m_iFadeIn = d.m_iFadeIn;
    m_iFadeOut = d.m_iFadeOut;
    m_iCriterioBucle = d.m_iCriterioBucle;
    m_iEstado = ESTADO_INACTIVO;
    m_iInstancia = -1;
    m_iBucles = 0;
    m_iUltimoBucle = -1;
    m_iSiguienteBucle = 0;
    std::memset(m_bBucleTocado, 0, sizeof m_bBucleTocado);
    m_fVolActual = m_fVolObjetivo = d.m_fVolumen;
    m_fVolPaso = 0.0f;
    m_fFactorGeneral = 1.0f;
    m_fPesoCalculado = 0.0f;
    m_fVolumenFinal = 0.0f;
}

void CRanuraSonido::MarcaEnUso(bool enUso)
{
    if (!g_pSistemaSonido) return;
    CMuestraSonido* const* listas[3] = {m_pEntrada, m_pBucle, m_pSalida};
    const int nums[3] = {m_iNumEntrada, m_iNumBucle, m_iNumSalida};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < nums[k]; ++i) {
            if (enUso)
                g_pSistemaSonido->MarcaMuestraEnUso(listas[k][i]);
            else
                g_pSistemaSonido->DesmarcaMuestraEnUso(listas[k][i]);
        }
}

// ---- playing -------------------------------------------------------------------

bool CRanuraSonido::TocaMuestraDe(CMuestraSonido* m)
{
    m_iInstancia = g_pSistemaSonido ? g_pSistemaSonido->TocaMuestra(m, m_fVolumenFinal) : -1;
    return m_iInstancia >= 0;
}

bool CRanuraSonido::Terminando()
{
    if (!g_pSistemaSonido) return true;
    return g_pSistemaSonido->GetTiempoRestante(m_iInstancia) < kFinCercano;
}

void CRanuraSonido::Toca()
{
    if (m_iEstado != ESTADO_INACTIVO) return;
    m_iBucles = 1;
    Entrada();
}

void CRanuraSonido::Entrada()
{
    m_iInstancia = -1;
    if (m_iFadeIn > 0) {
        m_fVolActual = 0.0f;
        m_fVolObjetivo = 1.0f;
        m_fVolPaso = 1.0f / float(m_iFadeIn);
    }
    if (m_iNumEntrada > 0 && TocaMuestraDe(m_pEntrada[EnteroAleatorio(0, m_iNumEntrada - 1)])) {
        m_iEstado = ESTADO_ENTRADA;
        return;
    }
    Bucle();
}

void CRanuraSonido::Bucle()
{
    int i = EligeMuestraBucle();
    if (i >= 0 && TocaMuestraDe(m_pBucle[i])) {
        m_iEstado = ESTADO_BUCLE;
        return;
    }
    Salida();
}

void CRanuraSonido::Salida()
{
    if (m_iFadeOut > 0) {
        m_fVolObjetivo = 0.0f;
        m_fVolPaso = (0.0f - m_fVolActual) / float(m_iFadeOut);
    }
    if (m_iNumSalida > 0 && TocaMuestraDe(m_pSalida[EnteroAleatorio(0, m_iNumSalida - 1)])) {
        m_iEstado = ESTADO_SALIDA;
        return;
    }
    if (m_iFadeOut > 0) {
        Apagado();
        return;
    }
    m_iEstado = ESTADO_INACTIVO;
}

void CRanuraSonido::Apagado()
{
    int i = EligeMuestraBucle();
    m_iEstado = (i >= 0 && TocaMuestraDe(m_pBucle[i])) ? ESTADO_APAGANDO : ESTADO_INACTIVO;
}

int CRanuraSonido::EligeMuestraBucle()
{
    const int n = m_iNumBucle;
    if (n <= 0) return -1;
    if (n == 1) return m_iUltimoBucle = 0;
    int elegida = -1;
    switch (m_iCriterioBucle) {
    case 0:
        elegida = m_iSiguienteBucle % n;
        m_iSiguienteBucle = (elegida + 1) % n;
        break;
    case 1:
    case 2: {
        const bool evitaUltima = m_iCriterioBucle == 2;
        int inicio = EnteroAleatorio(0, n - 1);
        for (int pasada = 0; pasada < 2 && elegida < 0; ++pasada) {
            for (int k = 0; k < n; ++k) {
                int i = (inicio + k) % n;
                if (m_bBucleTocado[i] || (evitaUltima && i == m_iUltimoBucle)) continue;
                elegida = i;
                break;
            }
            // Only the last one was left unplayed: start a new round.
            if (elegida < 0) std::memset(m_bBucleTocado, 0, sizeof m_bBucleTocado);
        }
        if (elegida < 0) elegida = inicio;
        m_bBucleTocado[elegida] = 1;
        bool todas = true;
        for (int i = 0; i < n; ++i) todas = todas && m_bBucleTocado[i];
        if (todas) std::memset(m_bBucleTocado, 0, sizeof m_bBucleTocado);
        break;
    }
    default:
        elegida = EnteroAleatorio(0, n - 1);
        break;
    }
    m_iUltimoBucle = elegida;
    return elegida;
}

void CRanuraSonido::Para(int modo)
{
    if (m_iEstado == ESTADO_INACTIVO) return;
    switch (modo) {
    case 0:
        if (g_pSistemaSonido) g_pSistemaSonido->ParaInstancia(m_iInstancia);
        m_iEstado = ESTADO_INACTIVO;
        break;
    case 1:
        m_iBucles = 0;
        break;
    case 2:
        if (m_iEstado == ESTADO_ENTRADA || m_iEstado == ESTADO_BUCLE) {
            if (g_pSistemaSonido) g_pSistemaSonido->ParaInstancia(m_iInstancia);
            m_iBucles = 0;
            m_iEstado = ESTADO_BUCLE;
        }
        break;
    default:
        break;
    }
}

void CRanuraSonido::FijaVolumen(float v)
{
    if (m_iEstado == ESTADO_APAGANDO) return;
    m_fVolActual = m_fVolObjetivo = v;
    m_fVolPaso = 0.0f;
}

void CRanuraSonido::CambiaVolumen(float objetivo, int pasos)
{
    if (m_iEstado == ESTADO_APAGANDO) return;
    if (pasos <= 0) {
        FijaVolumen(objetivo);
        return;
    }
    m_fVolObjetivo = objetivo;
    m_fVolPaso = (objetivo - m_fVolActual) / float(pasos);
}

void CRanuraSonido::Actualiza(float pesoMaximo)
{
    if (m_iEstado != ESTADO_INACTIVO && m_fVolPaso != 0.0f) {
        m_fVolActual += m_fVolPaso;
        if ((m_fVolPaso > 0.0f && m_fVolActual >= m_fVolObjetivo) ||
            (m_fVolPaso < 0.0f && m_fVolActual <= m_fVolObjetivo)) {
            m_fVolActual = m_fVolObjetivo;
            m_fVolPaso = 0.0f;
        }
    }
    float d = 1.0f;
    if (m_bAtenderOyente) d = std::sqrt(m_fX * m_fX + m_fY * m_fY + m_fZ * m_fZ);
    m_fPesoCalculado = m_fPeso * d;
    // A position far enough out overflows the distance: the weight stays the
    // largest number, so that the manager's smoothed weight never becomes
    // infinite (and then not a number for good).
    if (std::isnan(m_fPesoCalculado)) m_fPesoCalculado = 0.0f;
    m_fPesoCalculado = std::min(m_fPesoCalculado, FLT_MAX);
    // After a long silence the loudest weight is 0: nothing is louder, so
    // the slot keeps its own volume.
    float razon = 1.0f;
    if (pesoMaximo > 0.0f && std::isfinite(pesoMaximo)) razon = std::min(m_fPesoCalculado / pesoMaximo, 1.0f);
    if (!std::isfinite(razon) || razon < 0.0f) razon = 0.0f;
    m_fVolumenFinal = d * m_fFactorGeneral * m_fVolActual * razon;
    if (!std::isfinite(m_fVolumenFinal)) m_fVolumenFinal = 0.0f;
    if (m_iInstancia >= 0 && g_pSistemaSonido) g_pSistemaSonido->CambiaVolumenInstancia(m_iInstancia, m_fVolumenFinal);

    switch (m_iEstado) {
    case ESTADO_ENTRADA:
        if (Terminando()) Bucle();
        break;
    case ESTADO_BUCLE:
        if (m_iNumBucle > 0 && m_iBucles > 0 && Terminando()) {
            --m_iBucles;
            Bucle();
        } else if (m_bSinDueno && m_iBucles <= 0 && Terminando()) {
            // Nobody holds this one to stop it: once its loop has run out
            // it leaves through its exit instead of staying silent for ever.
            Salida();
        }
        break;
    case ESTADO_SALIDA:
        if (Terminando()) m_iEstado = ESTADO_INACTIVO;
        break;
    case ESTADO_APAGANDO:
        if (m_fVolActual < 0.001f) {
            m_fVolActual = 0.0f;
            if (g_pSistemaSonido) g_pSistemaSonido->ParaInstancia(m_iInstancia);
            m_iEstado = ESTADO_INACTIVO;
        }
        break;
    default:
        break;
    }
}
