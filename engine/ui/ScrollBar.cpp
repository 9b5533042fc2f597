#include "engine/ui/ScrollBar.h"

#include "engine/ui/Arrastrable.h"
#include "engine/ui/Buto.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

// The value as an event carries it: truncated, within the int range.
int Truncado(float v)
{
    if (!(v > float(INT_MIN))) return v != v ? 0 : INT_MIN;
    if (!(v < float(INT_MAX))) return INT_MAX;
    return int(v);
}

} // namespace

CScrollBar::~CScrollBar() { LiberaSiCreado(); }

void CScrollBar::InicializaCampos()
{
    m_pRePag = m_pAvPag = nullptr;
    m_pArrastrable = nullptr;
    m_fMinimo = m_fMaximo = m_fPaso = m_fValor = 0.0f;
    m_bHorizontal = true;
    m_fInicioPista = m_fLargoPista = 0.0f;
}

void CScrollBar::Libera()
{
    Borra(m_pRePag);
    Borra(m_pAvPag);
    Borra(m_pArrastrable);
}

void CScrollBar::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

void CScrollBar::GuardaRango(float minimo, float maximo, float paso)
{
    if (!std::isfinite(minimo)) minimo = 0.0f;
    if (!std::isfinite(maximo)) maximo = minimo;
    if (maximo < minimo) std::swap(minimo, maximo);
    m_fMinimo = minimo;
    m_fMaximo = maximo;
    m_fPaso = std::isfinite(paso) ? paso : 0.0f;
}

bool CScrollBar::Inicia(float x, float y, float ancho, float alto, bool bHorizontal, int estilo, int estiloBotones,
                        float minimo, float maximo, float paso, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho, alto}, estilo)) return false;
    m_bHorizontal = bHorizontal;
    const float b = bHorizontal ? alto : ancho;
    const float largo = bHorizontal ? ancho : alto;
    const float inicio = bHorizontal ? x : y;
    m_fInicioPista = inicio + b;
    m_fLargoPista = largo - 3.0f * b;
    const float medio = inicio + (largo - b) / 2.0f;
    m_pRePag = new CButo;
    m_pAvPag = new CButo;
    m_pArrastrable = new CArrastrable;
    const float finX = bHorizontal ? x + ancho - b : x, finY = bHorizontal ? y : y + alto - b;
    const float pistaFin = m_fInicioPista + std::max(m_fLargoPista, 0.0f);
    bool bOk = m_pRePag->Inicia(x, y, b, b, estiloBotones, kIdRePag, kNombreRePag) &&
               m_pAvPag->Inicia(finX, finY, b, b, estiloBotones, kIdAvPag, kNombreAvPag);
    if (bOk) {
        if (bHorizontal)
            bOk = m_pArrastrable->Inicia(medio, y, b, b, m_fInicioPista, y, pistaFin, y, estiloBotones,
                                         kIdArrastrable, kNombreArrastrable);
        else
            bOk = m_pArrastrable->Inicia(x, medio, b, b, x, m_fInicioPista, x, pistaFin, estiloBotones,
                                         kIdArrastrable, kNombreArrastrable);
    }
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    AnadeHijo(false, m_pRePag, false, false);
    AnadeHijo(false, m_pAvPag, false, false);
    AnadeHijo(false, m_pArrastrable, false, false);
    GuardaRango(minimo, maximo, paso);
    m_fValor = 0.0f;
    // The thumb shows where the value stands.
    ColocaArrastrable();
    m_bCreado = true;
    return true;
}

void CScrollBar::ColocaArrastrable()
{
    if (!m_pArrastrable) return;
    const float rango = m_fMaximo - m_fMinimo;
    // An empty range keeps the thumb at the track's start.
    float offset = 0.0f;
    if (rango > 0.0f) offset = std::trunc((m_fValor - m_fMinimo) / rango * m_fLargoPista);
    if (!std::isfinite(offset)) offset = 0.0f;
    const float pos = m_fInicioPista + offset;
    if (m_bHorizontal)
        m_pArrastrable->PonPosicion(pos, m_pArrastrable->PosicionY());
    else
        m_pArrastrable->PonPosicion(m_pArrastrable->PosicionX(), pos);
}

void CScrollBar::PonRango(float minimo, float maximo, float paso)
{
    GuardaRango(minimo, maximo, paso);
    m_fValor = m_fMinimo + (m_fMaximo - m_fMinimo) / 2.0f;
    ColocaArrastrable();
}

void CScrollBar::PonValor(float v)
{
    if (!std::isfinite(v)) return;
    m_fValor = std::clamp(v, m_fMinimo, m_fMaximo);
    ColocaArrastrable();
}

void CScrollBar::EnviaValor() { CMenuObj::EnviaEvento(EVENTO_VALOR_SCROLL, Truncado(m_fValor), nullptr, m_iId); }

void CScrollBar::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    switch (iIdEmisor) {
    case kIdAvPag:
        m_fValor = std::min(m_fValor + m_fPaso, m_fMaximo);
        EnviaValor();
        ColocaArrastrable();
        return;
    case kIdRePag:
        m_fValor = std::max(m_fValor - m_fPaso, m_fMinimo);
        EnviaValor();
        ColocaArrastrable();
        return;
    case kIdArrastrable: {
        if (iTipo != EVENTO_ARRASTRANDO || !m_pArrastrable) return;
        const float pos = m_bHorizontal ? m_pArrastrable->PosicionX() : m_pArrastrable->PosicionY();
        const float f = m_fLargoPista > 0.0f ? (pos - m_fInicioPista) / m_fLargoPista : 0.0f;
        // The ends give the ends exactly; an empty range stays at its minimum.
        if (!(f > 0.0f) || m_fMaximo <= m_fMinimo)
            m_fValor = m_fMinimo;
        else if (f >= 1.0f)
            m_fValor = m_fMaximo;
        else
            m_fValor = m_fMinimo + f * (m_fMaximo - m_fMinimo);
        EnviaValor();
        return;
    }
    default:
        CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
}

void CScrollBar::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    // A part that took the focus on its own (the thumb under the pointer)
    // keeps it.
    if (bEnfocado && !HijoEnfocado()) EnfocaHijo(m_pRePag);
}
