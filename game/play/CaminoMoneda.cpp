#include "game/play/CaminoMoneda.h"

#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"

#include <cmath>

bool CCaminoMoneda::Reinicia()
{
    m_fRadioMinimo = kRadioMinimoDefecto;
    m_fRadioMaximo = kRadioMaximoDefecto;
    m_fGiroMaximo = kGiroMaximoDefecto;
    m_fVelocidad = kVelocidadDefecto;
    m_iPeriodo = kPeriodoDefecto;
    m_fRumbo = RealAleatorio(0.0f, kDosPi);
    m_fX = m_fY = 0.0f;
    NuevoObjetivo();
    m_bCreado = 1;
    return true;
}

bool CCaminoMoneda::Inicia(float x, float y, float fRadioMinimo, float fRadioMaximo, float fGiroMaximo,
                           float fVelocidad, int iPeriodo)
{
    Reinicia();
    m_fX = x;
    m_fY = y;
    m_fRadioMinimo = fRadioMinimo;
    m_fRadioMaximo = fRadioMaximo;
    m_fGiroMaximo = fGiroMaximo;
    m_fVelocidad = fVelocidad;
    m_iPeriodo = iPeriodo;
    return true;
}

void CCaminoMoneda::NuevoObjetivo()
{
    m_iCuenta = m_iPeriodo;
    const float a = RealAleatorio(0.0f, kDosPi);
    const float r = RealAleatorio(m_fRadioMinimo, m_fRadioMaximo);
    m_fObjetivoX = r * std::cos(a);
    m_fObjetivoY = r * std::sin(a);
}

void CCaminoMoneda::Actualiza()
{
    if (--m_iCuenta <= 0) NuevoObjetivo();
    const float fDeseado = std::atan2(m_fObjetivoY - m_fY, m_fObjetivoX - m_fX);
    const float d = DiferenciaAngles(fDeseado, m_fRumbo);
    if (d > m_fGiroMaximo)
        m_fRumbo += m_fGiroMaximo;
    else if (d < -m_fGiroMaximo)
        m_fRumbo -= m_fGiroMaximo;
    else
        m_fRumbo = fDeseado;
    if (m_fRumbo < 0.0f) m_fRumbo += kDosPi;
    if (m_fRumbo > kDosPi) m_fRumbo -= kDosPi;
    m_fX += std::cos(m_fRumbo) * m_fVelocidad;
    m_fY += std::sin(m_fRumbo) * m_fVelocidad;
}
