#include "game/play/GeneradorBonus.h"

#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "game/CatalogoJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/herramientas/HerramientaBonuses.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum { LUGAR_PUNTO = 1, LUGAR_DISCO = 2 };

// GENERAL, ALFATIMA, ALDUNIA, ADELETIA, STOKINNEN.
constexpr std::array<LugarBonus, CGeneradorBonus::kNumGeneradores> kLugares = {{
    {LUGAR_DISCO, 512.0f, 384.0f, 250.0f},
    {LUGAR_PUNTO, 240.0f, 600.0f, 0.0f},
    {LUGAR_PUNTO, 240.0f, 168.0f, 0.0f},
    {LUGAR_PUNTO, 300.0f, 103.0f, 0.0f},
    {LUGAR_PUNTO, 300.0f, 665.0f, 0.0f},
}};

} // namespace

const LugarBonus& CGeneradorBonus::Lugar(int i)
{
    return kLugares[static_cast<size_t>(std::clamp(i, 0, kNumGeneradores - 1))];
}

int CGeneradorBonus::EligeTipo(const PorcentajesBonus& r, float u)
{
    float fSuma = 0.0f;
    for (int i = 0; i < NUM_TIPOS_BONUS; ++i) {
        fSuma += r.m_afPorcentajes[static_cast<size_t>(i)];
        if (fSuma > u) return i;
    }
    return -1;
}

CGeneradorBonus::~CGeneradorBonus()
{
    if (m_bCreado || m_SPM.EstaCargado()) Libera();
}

void CGeneradorBonus::Libera()
{
    if (m_bEnUso) DesmarcaEnUso();
    m_SPM.Libera();
    m_bCreado = 0;
}

bool CGeneradorBonus::Inicia(CMenuJuego* pJuego, CHerramientaBonuses* pHerramienta, const PorcentajesBonus* pRegistro,
                             int iIndice)
{
    const bool bEnUso = m_bEnUso;
    Libera();
    m_iCuenta = 0;
    m_fAlfa = 0.0f;
    m_bVisible = 1;
    m_pJuego = pJuego;
    m_pHerramienta = pHerramienta;
    m_pRegistro = pRegistro;
    m_iIndice = std::clamp(iIndice, 0, kNumGeneradores - 1);
    m_pLugar = &Lugar(m_iIndice);
    m_bCreado = 1;
    const bool bCopia = CopiaPaqueteHerramienta(m_SPM, juego::paquete::AYUDAS_ESPECIALES);
    if (bEnUso) MarcaEnUso();
    return bCopia;
}

void CGeneradorBonus::Actualiza()
{
    if (!m_bCreado || !m_pRegistro) return;
    if (++m_iCuenta == m_pRegistro->m_iPeriodo) {
        m_iCuenta = 0;
        float x = m_pLugar->x, y = m_pLugar->y;
        if (m_pLugar->iTipo == LUGAR_DISCO) {
            const float r = RealAleatorio(0.0f, m_pLugar->fRadio);
            const float a = RealAleatorio(0.0f, kDosPi);
            x = m_pLugar->x + r * std::sin(a);
            y = m_pLugar->y + r * std::cos(a);
        }
        const int iTipo = EligeTipo(*m_pRegistro, RealAleatorio(0.0f, 1.0f));
        if (iTipo >= 0 && m_pHerramienta) m_pHerramienta->CreaBonus(iTipo, x, y);
    }
    if (m_bVisible)
        m_fAlfa = std::min(1.0f, m_fAlfa + 0.1f);
    else
        m_fAlfa = std::max(0.0f, m_fAlfa - 0.1f);
}

void CGeneradorBonus::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado || m_iIndice < 1 || m_fAlfa <= 0.0f || !m_SPM.EstaCargado()) return;
    const ColorRGB blanco{255, 255, 255};
    m_SPM.PonColor(255, 255, 255);
    m_SPM.PonRotacion(0.0f);
    m_SPM.PonFusion(0, blanco);
    m_SPM.PonAlfa(static_cast<uint8_t>(255.0f * m_fAlfa));
    const float e = 1.5f - 0.5f * m_fAlfa;
    m_SPM.PonEscala(e, e);
    m_SPM.DibujaSpriteEnDestino(pDestino, m_iIndice, m_pLugar->x, m_pLugar->y);
    // The glow that announces a release.
    const int iPeriodo = m_pRegistro ? m_pRegistro->m_iPeriodo : 0;
    if (iPeriodo > 0 && m_iCuenta > iPeriodo - kPasosAviso) {
        const float a = 128.0f + 128.0f * std::sin(0.6283184f * static_cast<float>(m_iCuenta - kPasosAviso));
        m_SPM.PonEscala(1.0f, 1.0f);
        m_SPM.PonFusion(0x02, blanco);
        m_SPM.PonAlfa(static_cast<uint8_t>(std::clamp(static_cast<int>(a), 0, 255)));
        m_SPM.DibujaSpriteEnDestino(pDestino, m_iIndice, m_pLugar->x, m_pLugar->y);
        m_SPM.PonFusion(0, blanco);
    }
    m_SPM.PonEscala(1.0f, 1.0f);
}

void CGeneradorBonus::MarcaEnUso()
{
    if (m_bEnUso) return;
    if (m_SPM.EstaCargado()) m_SPM.MarcaEnUso();
    m_bEnUso = true;
}

void CGeneradorBonus::DesmarcaEnUso()
{
    if (!m_bEnUso) return;
    if (m_SPM.EstaCargado()) m_SPM.DesmarcaEnUso();
    m_bEnUso = false;
}
