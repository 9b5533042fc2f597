#include "game/screens/widgets/CartelCargando.h"

#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kVuelta = 6.2831853f;
// The capture darkens to about half as the sign fades in.
constexpr float kOscurecimiento = 128.0f;
// Without a capture the field goes this dark.
const ColorARGB kVelo(200, 0, 0, 0);
} // namespace

CCartelCargando::~CCartelCargando() { LiberaSiCreado(); }

void CCartelCargando::LiberaSiCreado()
{
    if (!m_bCreado) return;
    CCargandoObj::LiberaSiCreado();
    tazmo::BorraSPM(m_pAro);
    m_bCreado = false;
}

bool CCartelCargando::Inicia()
{
    LiberaSiCreado();
    m_iQuintos.store(0);
    m_fGiro.store(0.0f);
    if (!CCargandoObj::Inicia()) return false;
    m_pAro = tazmo::CopiaSPM(juego::paquete::ARO_DE_TEXTO);
    m_bCreado = true;
    return true;
}

void CCartelCargando::Actualiza()
{
    const int q = m_iQuintos.load();
    m_iQuintos.store(EstaActivo() ? std::min(kQuintos, q + 1) : std::max(0, q - 1));
    float fGiro = m_fGiro.load() + kPasoGiro;
    if (fGiro > 1.0f) fGiro -= 1.0f;
    m_fGiro.store(fGiro);
}

void CCartelCargando::DibujaAro(Sprite* pDestino, float fAlfa, float fGiro, bool bTriple)
{
    if (!m_pAro) return;
    const float th = fGiro * kVuelta;
    m_pAro->PonRotacion(th);
    if (!bTriple) {
        m_pAro->PonAlfa(255);
        m_pAro->PonEscala(1.0f, 1.0f);
        m_pAro->DibujaSpriteEnDestino(pDestino, 0, kX, kY);
        return;
    }
    // Three passes, flat and squeezed by the sine and the cosine of the
    // turn, give the ring its turning, solid look.
    const float c = std::sin(th) * 0.33f + 0.66f;
    m_pAro->PonAlfa(static_cast<uint8_t>(std::clamp(c * fAlfa * 255.0f, 0.0f, 255.0f)));
    for (float sx : {1.0f, std::sin(th), std::cos(th)}) {
        m_pAro->PonEscala(sx, 1.0f);
        m_pAro->DibujaSpriteEnDestino(pDestino, 0, kX, kY);
    }
}

void CCartelCargando::DibujaSobreCaptura(Sprite* pDestino, Sprite* pCaptura)
{
    const float fAlfa = Alfa();
    if (!(fAlfa > 0.0f)) return;
    if (EstaActivo() && pCaptura && g_pSistema2D) {
        const auto k = static_cast<uint8_t>(255.0f - fAlfa * kOscurecimiento);
        g_pSistema2D->PosaColorSprite(pCaptura, ColorARGB(255, k, k, k));
        g_pSistema2D->DibuixaSpriteEX(pDestino, pCaptura, 512.0f, 384.0f, false, 255, 0.0f, 1.0f, 1.0f);
    }
    DibujaAro(pDestino, fAlfa, m_fGiro.load(), true);
}

void CCartelCargando::DibujaSinCaptura(Sprite* pDestino)
{
    if (!(Alfa() > 0.0f)) return;
    if (EstaActivo()) DibuixaRectangle(pDestino, 0.0f, 0.0f, 1024.0f, 768.0f, true, kVelo);
    DibujaAro(pDestino, 1.0f, m_fGiro.load(), false);
}

void CCartelCargando::CargaRecursos()
{
    if (RecursosCargados()) return;
    tazmo::MarcaSPM(m_pAro, true);
    CCargandoObj::CargaRecursos();
}

void CCartelCargando::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSPM(m_pAro, false);
    CCargandoObj::DescargaRecursos();
}
