#include "game/play/herramientas/HerramientaAsistenciaVisual.h"

#include "engine/graphics/GestorSPMs.h"
#include "game/CatalogoJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/FalloHerramientas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPiAyuda = 3.14159265358979f;
constexpr float kX = 900.0f, kY0 = 370.0f, kY1 = 480.0f;
constexpr float kPasoNivel = 0.04f;
constexpr float kPasoAparicion = 1.0f / 30.0f;
constexpr float kPasoPulso = 0.01f;
constexpr float kEscalaBase = 0.75f, kLatido = 0.1f, kPulso = 0.2f;

} // namespace

CHerramientaAsistenciaVisual::~CHerramientaAsistenciaVisual()
{
    if (m_bCreado) Libera();
}

bool CHerramientaAsistenciaVisual::Carga(CMenuJuego*, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_pNivel = pNivel;
    m_bActiva = true;
    m_fNivel = m_fAparicion = m_fPulsoA = m_fPulsoB = 0.0f;
    m_bMostrando = m_bPulsoA = m_bPulsoB = false;
    m_iRacha = 0;
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(juego::paquete::ELEMS_TUTO) : nullptr;
    if (!pOrigen || !m_SPM.Copia(pOrigen) || g_bFallaCargaHerramientas) {
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CHerramientaAsistenciaVisual::Libera()
{
    m_SPM.Libera();
    m_bMostrando = false;
    m_fNivel = 0.0f;
    m_bCreado = false;
}

void CHerramientaAsistenciaVisual::CargaRecursos()
{
    if (m_bCreado) m_SPM.MarcaEnUso();
}

void CHerramientaAsistenciaVisual::DescargaRecursos()
{
    if (m_bCreado) m_SPM.DesmarcaEnUso();
}

void CHerramientaAsistenciaVisual::Activa() { m_bActiva = true; }

void CHerramientaAsistenciaVisual::Desactiva()
{
    m_bActiva = false;
    m_bMostrando = false;
}

void CHerramientaAsistenciaVisual::FinDeLinea(int iCruces)
{
    if (!m_bCreado) return;
    if (iCruces > 0) {
        if (++m_iRacha >= kRachaOculta) m_bMostrando = false;
        m_bPulsoA = true;
        m_fPulsoA = 0.0f;
        return;
    }
    m_iRacha = 0;
    const bool bCapitulo = m_pNivel && m_pNivel->MODOJUEGO == MODO_HISTORIA && m_pNivel->m_iGrupo >= 0 &&
                           m_pNivel->m_iGrupo < kGruposConAyuda;
    if (!bCapitulo) return;
    if (!m_bMostrando) m_fAparicion = 0.0f;
    if (m_bActiva) m_bMostrando = true;
    m_bPulsoB = true;
    m_fPulsoB = 0.0f;
}

void CHerramientaAsistenciaVisual::Actualiza()
{
    if (!m_bCreado) return;
    if (m_bMostrando) {
        m_fNivel = std::min(1.0f, m_fNivel + kPasoNivel);
        m_fAparicion = std::min(1.0f, m_fAparicion + kPasoAparicion);
    } else {
        m_fNivel = std::max(0.0f, m_fNivel - kPasoNivel);
    }
    if (m_bPulsoA) m_fPulsoA = std::min(1.0f, m_fPulsoA + kPasoPulso);
    if (m_bPulsoB) m_fPulsoB = std::min(1.0f, m_fPulsoB + kPasoPulso);
}

void CHerramientaAsistenciaVisual::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado || m_fNivel <= 0.0f) return;
    m_SPM.PonAlfa(static_cast<uint8_t>(std::clamp(255.0f * m_fNivel, 0.0f, 255.0f)));
    const float s = kEscalaBase + kLatido * std::sin(3.0f * kPiAyuda * m_fAparicion);
    const float sA = s + kPulso * std::sin(8.0f * kPiAyuda * m_fPulsoA);
    const float sB = s + kPulso * std::sin(8.0f * kPiAyuda * m_fPulsoB);
    m_SPM.PonEscala(s, s);
    m_SPM.DibujaSpriteEnDestino(pDestino, 0, kX, kY0);
    m_SPM.DibujaSpriteEnDestino(pDestino, 2, kX, kY1);
    m_SPM.PonEscala(sA, sA);
    m_SPM.DibujaSpriteEnDestino(pDestino, 1, kX, kY0);
    m_SPM.PonEscala(sB, sB);
    m_SPM.DibujaSpriteEnDestino(pDestino, 3, kX, kY1);
    m_SPM.PonEscala(1.0f, 1.0f);
    m_SPM.PonAlfa(255);
}
