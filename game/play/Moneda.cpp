#include "game/play/Moneda.h"

#include <algorithm>

namespace {
constexpr float kVelocidadSalida = 5.0f;
constexpr float kGravedad = 1.0f;
constexpr float kVelocidadRebote = -5.0f;   // a fall at least this fast bounces
} // namespace

void CMoneda::Reinicia()
{
    m_iTipo = 2;
    m_fX = m_fY = m_fAltura = 0.0f;
    m_fVX = m_fVY = 0.0f;
    m_fVZ = kVelocidadSalida;
    m_iDesvanecer = -1;
    m_iEdad = 0;
    m_iIndice = 0;
    m_fEscala = 0.35f;
    m_bPosada = 0;
}

bool CMoneda::Inicia(int iTipo, float x, float y, int iIndice)
{
    Reinicia();
    m_iTipo = std::clamp(iTipo, 0, 2);
    m_fX = x;
    m_fY = y;
    m_iIndice = iIndice;
    m_fEscala = static_cast<float>(iIndice + 1) * 0.05f + 0.3f;
    m_bCreado = 1;
    return true;
}

void CMoneda::Actualiza()
{
    if (!m_bPosada) {
        m_fX += m_fVX;
        m_fY += m_fVY;
        m_fAltura += m_fVZ;
        m_fVX -= m_fVX / 3.0f;
        m_fVY -= m_fVY / 3.0f;
        m_fVZ -= kGravedad;
        if (m_fAltura < 0.0f) {
            m_fAltura = 0.0f;
            if (m_fVZ <= kVelocidadRebote)
                m_fVZ = -m_fVZ / 2.0f;
            else
                m_bPosada = 1;
        }
    }
    ++m_iEdad;
    if (m_iDesvanecer == -1) {
        if (m_iEdad > kVidaRecogible) m_iDesvanecer = 0;
    } else {
        ++m_iDesvanecer;
    }
}
