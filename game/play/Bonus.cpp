#include "game/play/Bonus.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/Herramienta.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kRadioVagar = 250.0f;
constexpr float kCercaObjetivo2 = 2500.0f;   // 50 points, squared
constexpr float kGiroMaximo = 0.017453289f;  // a degree a frame
constexpr float kVelocidadMaxima = 2.0f;
constexpr float kAceleracion = 0.1f;

// Sprites of Bonuses.SPM.
enum { SPR_HALO = 0, SPR_BRILLO = 1, SPR_ICONO = 10 };

float Fraccion(float x) { return x - std::floor(x); }

uint8_t Alfa(float a) { return static_cast<uint8_t>(std::clamp(a, 0.0f, 255.0f)); }

void Suena(int iRanura)
{
    if (g_pGestorSonido && iRanura >= 0) g_pGestorSonido->TocaRanuraSonido(iRanura, true);
}

} // namespace

CBonus::~CBonus()
{
    if (m_bCreado || m_SPM.EstaCargado()) Libera();
}

void CBonus::Libera()
{
    if (m_bEnUso) DesmarcaEnUso();
    m_SPM.Libera();
    m_pSPM = nullptr;
    m_bCreado = 0;
}

bool CBonus::Inicia(CMenuJuego* pJuego, int iTipo, float x, float y, CSPM* pOrigen, bool bCompartido)
{
    Libera();
    m_iEstado = BONUS_APARECIENDO;
    m_iEdad = m_iCuentaEstado = m_iCuentaVagar = 0;
    m_fObjetivoX = kCentroX;
    m_fObjetivoY = kCentroY;
    m_fRumbo = RealAleatorio(0.0f, kDosPi);
    m_fVelocidad = 0.0f;
    m_pJuego = pJuego;
    m_iTipo = iTipo;
    m_fX = x;
    m_fY = y;
    if (!pOrigen) return false;
    if (bCompartido) {
        m_pSPM = pOrigen;
    } else {
        if (!CopiaPaqueteHerramienta(m_SPM, pOrigen)) {
            Libera();
            return false;
        }
        m_pSPM = &m_SPM;
    }
    if (g_pGestorSonido) {
        m_iSonidoAparicion = g_pGestorSonido->BuscaRanuraSonido(juego::sonido::APARICION_BONUS);
        m_iSonidoCoger = g_pGestorSonido->BuscaRanuraSonido(juego::sonido::COGER_BONUS);
    }
    m_bCreado = 1;
    return true;
}

void CBonus::CambiaEstado(int iEstado)
{
    m_iEstado = iEstado;
    m_iCuentaEstado = 0;
}

void CBonus::Actualiza()
{
    if (!m_bCreado) return;
    switch (m_iEstado) {
    case BONUS_APARECIENDO:
        if (m_iCuentaEstado == 0) Suena(m_iSonidoAparicion);
        if (m_iCuentaEstado >= kPasosAparecer) CambiaEstado(BONUS_DISPONIBLE);
        break;
    case BONUS_DISPONIBLE:
        if (m_iCuentaEstado > kPasosDisponible) CambiaEstado(BONUS_DESAPARECIENDO);
        break;
    case BONUS_RECOGIDO:
        if (m_iCuentaEstado == 0) Suena(m_iSonidoCoger);
        if (m_iCuentaEstado >= kPasosRecogido) CambiaEstado(BONUS_DESAPARECIENDO);
        break;
    case BONUS_DESAPARECIENDO:
        if (m_iCuentaEstado >= kPasosDesaparecer) CambiaEstado(BONUS_MUERTO);
        break;
    default: break;
    }

    // Wandering towards a target near the centre.
    if (m_iCuentaVagar < 1 || DistanciaCuadrado(m_fX, m_fY, m_fObjetivoX, m_fObjetivoY) < kCercaObjetivo2) {
        m_iCuentaVagar = EnteroAleatorio(300, 900);
        const float a = RealAleatorio(0.0f, kDosPi);
        const float r = RealAleatorio(0.0f, kRadioVagar);
        m_fObjetivoX = kCentroX + r * std::cos(a);
        m_fObjetivoY = kCentroY + r * std::sin(a);
    }
    const float d = DiferenciaAngles(std::atan2(m_fObjetivoY - m_fY, m_fObjetivoX - m_fX), m_fRumbo);
    if (d > kGiroMaximo)
        m_fRumbo += kGiroMaximo;
    else if (d < -kGiroMaximo)
        m_fRumbo -= kGiroMaximo;
    if (m_iEstado == BONUS_APARECIENDO || m_iEstado == BONUS_DISPONIBLE)
        m_fVelocidad = std::min(kVelocidadMaxima, m_fVelocidad + kAceleracion);
    else
        m_fVelocidad = std::max(0.0f, m_fVelocidad - kAceleracion);
    m_fX += std::cos(m_fRumbo) * m_fVelocidad;
    m_fY += std::sin(m_fRumbo) * m_fVelocidad;
    ++m_iEdad;
    ++m_iCuentaEstado;
    --m_iCuentaVagar;
}

bool CBonus::Recoge(float px, float py)
{
    if (!m_bCreado || m_iEstado != BONUS_DISPONIBLE) return false;
    if (DistanciaCuadrado(px, py, m_fX, m_fY) >= kRadioRecogida2) return false;
    CambiaEstado(BONUS_RECOGIDO);
    return true;
}

bool CBonus::Duplicable() const
{
    return m_bCreado && m_iEstado == BONUS_DISPONIBLE && TipoDuplicable(m_iTipo);
}

void CBonus::MarcaEnUso()
{
    if (m_bEnUso || !m_bCreado) return;
    if (m_pSPM == &m_SPM) m_SPM.MarcaEnUso();
    if (g_pGestorSonido) {
        if (m_iSonidoAparicion >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonidoAparicion);
        if (m_iSonidoCoger >= 0) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iSonidoCoger);
    }
    m_bEnUso = true;
}

void CBonus::DesmarcaEnUso()
{
    if (!m_bEnUso) return;
    if (m_pSPM == &m_SPM) m_SPM.DesmarcaEnUso();
    if (g_pGestorSonido) {
        if (m_iSonidoAparicion >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonidoAparicion);
        if (m_iSonidoCoger >= 0) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iSonidoCoger);
    }
    m_bEnUso = false;
}

void CBonus::Dibuja(Sprite* pDestino, float fFundido)
{
    if (!m_bCreado || !m_pSPM) return;
    CSPM& s = *m_pSPM;
    float A = 1.0f - std::clamp(fFundido, 0.0f, 1.0f);
    float S = 1.0f;
    const float c = static_cast<float>(m_iCuentaEstado);
    switch (m_iEstado) {
    case BONUS_APARECIENDO: A *= std::clamp(c / kPasosAparecer, 0.0f, 1.0f); break;
    case BONUS_DISPONIBLE:
        if (kPasosDisponible - m_iCuentaEstado < kPasosParpadeo) A *= 0.5f + 0.5f * std::sin(0.6283184f * c);
        break;
    case BONUS_RECOGIDO: {
        const float p60 = Fraccion(c / 60.0f), p15 = Fraccion(c / 15.0f);
        S = (1.0f - p60) * (0.5f + 0.5f * std::sin(kDosPi * p15)) + 1.0f;
        break;
    }
    case BONUS_DESAPARECIENDO: A *= 1.0f - std::clamp(c / kPasosDesaparecer, 0.0f, 1.0f); break;
    default: A = 0.0f; break;
    }
    if (A <= 0.0f) return;

    const ColorRGB blanco{255, 255, 255};
    s.PonFusion(0, blanco);
    s.PonFusion2(0, blanco);
    s.DesactivaEspejo();
    s.PonColor(255, 255, 255);

    // Three halos turning at their own rates.
    float b = kDosPi * Fraccion(static_cast<float>(m_iEdad) / 60.0f);
    for (int k = 0; k < 3; ++k) {
        b += kDosPi / 3.0f;
        if (k == 1) b = -(b - kPi / 8.0f);
        if (k == 2) b = -2.0f * (b + kPi / 8.0f);
        s.PonEscala(S, S);
        s.PonAlfa(Alfa(255.0f * A));
        s.PonRotacion(b);
        s.DibujaSpriteEnDestino(pDestino, SPR_HALO, m_fX, m_fY);
    }
    // A glow that swells and fades twice a second.
    const float p = Fraccion(static_cast<float>(m_iEdad) / 30.0f);
    s.PonEscala(2.0f * S * p, 2.0f * S * p);
    s.PonAlfa(Alfa(255.0f * A * std::sin(kPi * p) / 2.0f));
    s.PonRotacion(0.0f);
    s.DibujaSpriteEnDestino(pDestino, SPR_BRILLO, m_fX, m_fY);
    // The icon.
    s.PonEscala(S, S);
    s.PonAlfa(Alfa(255.0f * A));
    s.DibujaSpriteEnDestino(pDestino, SPR_ICONO + m_iTipo, m_fX, m_fY);
    s.PonEscala(1.0f, 1.0f);
}
