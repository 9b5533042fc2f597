#include "game/play/HudModo.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"

#include <cstdio>

namespace {
// The HUD's font is not loaded with the others: its texts use the default.
constexpr int kFuente = 9;
constexpr int kFormato = 0x01 | 0x08;
constexpr float kAncho = 256.0f, kAlto = 64.0f;
// The default font is small: labels are drawn larger in candle gold, values
// larger still in white, so that both read from across the board.
constexpr float kEscalaEtiqueta = 1.25f, kEscalaValor = 2.0f;
const ColorARGB kColorEtiqueta(255, 255, 214, 138);
const ColorARGB kColorValor(255, 255, 255, 255);
const std::string kNada;
} // namespace

std::string CHudModo::Reloj(int iPasos)
{
    if (iPasos < 0) iPasos = 0;
    const int iMinutos = iPasos / 1800;
    const int iSegundos = iPasos / 30 - 60 * iMinutos;
    char sz[32];
    std::snprintf(sz, sizeof sz, "%02d:%02d", iMinutos, iSegundos);
    return sz;
}

bool CHudModo::Crea(const std::vector<FilaTexto>& textos, const std::vector<Placa>& placas)
{
    Libera();
    m_Filas = textos;
    m_Placas = placas;
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(juego::paquete::HUD) : nullptr;
    if (!pOrigen || !m_SPM.Copia(pOrigen) || !g_pSistema2D) {
        Libera();
        return false;
    }
    for (const FilaTexto& f : m_Filas) {
        Sprite* s = g_pSistema2D->CreaSpriteText(kFuente, f.iCodigo == -1 ? " " : nullptr, f.iCodigo, kFormato, 1.0f,
                                                 1.0f, kAncho, kAlto, kAncho / 2.0f, kAlto / 2.0f, 0.0f, 0.0f, -1.0f,
                                                 -1.0f, false);
        m_apTextos.push_back(s);
        m_asTextos.emplace_back();
        if (!s) {
            Libera();
            return false;
        }
    }
    m_bCreado = true;
    return true;
}

void CHudModo::Libera()
{
    for (Sprite* s : m_apTextos)
        if (s && g_pSistema2D) g_pSistema2D->AlliberaSprite(s, false);
    m_apTextos.clear();
    m_asTextos.clear();
    m_SPM.Libera();
    m_bCreado = false;
}

void CHudModo::CargaRecursos()
{
    if (!m_bCreado) return;
    m_SPM.MarcaEnUso();
    for (Sprite* s : m_apTextos) g_pSistema2D->MarcaSpriteEnUs(s);
}

void CHudModo::DescargaRecursos()
{
    if (!m_bCreado) return;
    m_SPM.DesmarcaEnUso();
    for (Sprite* s : m_apTextos) g_pSistema2D->DesmarcaSpriteEnUs(s);
}

void CHudModo::Escribe(size_t i, const std::string& texto)
{
    if (!m_bCreado || i >= m_apTextos.size() || m_asTextos[i] == texto) return;
    m_asTextos[i] = texto;
    g_pSistema2D->CanviaTextSprite(m_apTextos[i], texto.empty() ? " " : texto.c_str(), -1, kFormato, 1.0f, 1.0f, 0.0f,
                                   0.0f, -1.0f, -1.0f);
}

const std::string& CHudModo::Texto(size_t i) const { return i < m_asTextos.size() ? m_asTextos[i] : kNada; }

void CHudModo::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    for (const Placa& p : m_Placas) {
        m_SPM.PonEscala(p.fEscalaX, p.fEscalaY);
        m_SPM.DibujaSpriteEnDestino(pDestino, kSlotPlaca, p.x, p.y);
    }
    m_SPM.PonEscala(1.0f, 1.0f);
    for (size_t i = 0; i < m_apTextos.size(); ++i) {
        const bool bValor = m_Filas[i].iCodigo == -1;
        const float e = bValor ? kEscalaValor : kEscalaEtiqueta;
        g_pSistema2D->PosaColorSprite(m_apTextos[i], bValor ? kColorValor : kColorEtiqueta);
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_apTextos[i], m_Filas[i].x, m_Filas[i].y, false, 255, 0.0f, e, e);
    }
}
