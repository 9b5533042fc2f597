#include "game/play/herramientas/HerramientaCarteles.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Lineas.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/FalloHerramientas.h"

#include <algorithm>
#include <array>

namespace {

constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kAncho = 1024.0f;
// The fades take the first and the last tenth of the banner's time.
constexpr float kFundido = 0.1f;

// The picture of each kind 0..6 (-1: none).
constexpr std::array<int, 7> kSprites = {2, 3, -1, 1, 4, 5, 6};

// The shine's streaks: length and alpha at their end.
struct Raya {
    float fLargo;
    int iAlfa;
};
constexpr Raya kRayas[] = {{512.0f, 32}, {50.0f, 100}, {75.0f, 100}, {256.0f, 64}};
constexpr int kFusionPlana = 0x01;
const ColorRGB kBlanco{255, 255, 255};

} // namespace

CHerramientaCarteles::~CHerramientaCarteles()
{
    if (m_bCreado) Libera();
}

int CHerramientaCarteles::SpriteDeCartel(int iTipo)
{
    return iTipo >= 0 && iTipo < static_cast<int>(kSprites.size()) ? kSprites[static_cast<size_t>(iTipo)] : -1;
}

float CHerramientaCarteles::Alfa(int iContador, int iDuracion)
{
    if (iDuracion <= 0) return 0.0f;
    const float p = static_cast<float>(iContador) / static_cast<float>(iDuracion);
    if (p < kFundido) return std::max(0.0f, p / kFundido);
    if (p > 1.0f - kFundido) return std::max(0.0f, 1.0f - (p - (1.0f - kFundido)) / kFundido);
    return 1.0f;
}

bool CHerramientaCarteles::Carga(CMenuJuego*, RegistroNivel*)
{
    if (m_bCreado) Libera();
    m_iTipo = kNinguno;
    m_iDuracion = m_iContador = 0;
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(juego::paquete::CARTELES) : nullptr;
    if (!pOrigen || !m_SPM.Copia(pOrigen) || g_bFallaCargaHerramientas) {
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CHerramientaCarteles::Libera()
{
    m_SPM.Libera();
    m_iTipo = kNinguno;
    m_bCreado = false;
}

void CHerramientaCarteles::CargaRecursos()
{
    if (m_bCreado) m_SPM.MarcaEnUso();
}

void CHerramientaCarteles::DescargaRecursos()
{
    if (m_bCreado) m_SPM.DesmarcaEnUso();
}

void CHerramientaCarteles::Muestra(int iTipo, int iPasos)
{
    if (!m_bCreado) return;
    if (SpriteDeCartel(iTipo) < 0 || iPasos <= 0) {
        m_iTipo = kNinguno;
        return;
    }
    m_iTipo = iTipo;
    m_iDuracion = iPasos;
    m_iContador = 0;
}

void CHerramientaCarteles::Actualiza()
{
    if (!m_bCreado || m_iTipo == kNinguno) return;
    if (m_iContador < m_iDuracion)
        ++m_iContador;
    else
        m_iTipo = kNinguno;
}

void CHerramientaCarteles::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    const int iSprite = SpriteDeCartel(m_iTipo);
    if (iSprite < 0 || m_iDuracion <= 0) return;
    const float a = Alfa(m_iContador, m_iDuracion);
    m_SPM.PonAlfa(static_cast<uint8_t>(std::clamp(255.0f * a, 0.0f, 255.0f)));
    m_SPM.DibujaSpriteEnDestino(pDestino, iSprite, kCentroX, kCentroY);
    m_SPM.PonAlfa(255);

    const float p = static_cast<float>(m_iContador) / static_cast<float>(m_iDuracion);
    Sprite* pSprite = m_SPM.GetSprite(iSprite);
    if (!pSprite || p <= kFundido || p >= 1.0f - kFundido) return;
    const float q = (p - kFundido) / (1.0f - 2.0f * kFundido);
    for (const Raya& r : kRayas) {
        const float x = (2.0f * r.fLargo + kAncho) * q - r.fLargo;
        DibuixaLiniaSprites(pDestino, pSprite, x, kCentroY, x + r.fLargo, kCentroY, 1.0f, 1.0f, x / kAncho, r.iAlfa / 4,
                            r.iAlfa, kFusionPlana, &kBlanco);
    }
}
