#include "game/play/herramientas/HerramientaMarcadores.h"

#include "engine/graphics/Sistema2D.h"
#include "game/play/RegistroNivel.h"

#include <cstdio>

namespace {

constexpr int kFuente = 0;
constexpr int kFormato = 9;  // centred both ways
constexpr float kEscala = 0.7f;
constexpr float kAncho = 300.0f, kAlto = 32.0f;
constexpr float kPuntosX = 512.0f, kPuntosY = 18.0f;
constexpr float kTiempoX = 512.0f, kTiempoY = 45.0f;
constexpr int kPasosPorMinuto = 1800;
constexpr int kPasosPorSegundo = 30;

Sprite* CreaTexto()
{
    if (!g_pSistema2D) return nullptr;
    return g_pSistema2D->CreaSpriteText(kFuente, " ", -1, kFormato, kEscala, kEscala, kAncho, kAlto, kAncho / 2.0f,
                                        kAlto / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false);
}

void Cambia(Sprite* pSprite, std::string& actual, const std::string& nuevo)
{
    if (!pSprite || actual == nuevo) return;
    actual = nuevo;
    g_pSistema2D->CanviaTextSprite(pSprite, actual.c_str(), -1, kFormato, kEscala, kEscala, 0.0f, 0.0f, -1.0f, -1.0f);
}

} // namespace

CHerramientaMarcadores::~CHerramientaMarcadores()
{
    if (m_bCreado) Libera();
}

std::string CHerramientaMarcadores::TextoPuntos(int iPuntuacion, int iObjetivo)
{
    char sz[48];
    std::snprintf(sz, sizeof sz, "%d/%d", iPuntuacion, iObjetivo);
    return sz;
}

std::string CHerramientaMarcadores::TextoTiempo(int iPasosRestantes)
{
    if (iPasosRestantes < 0) return "--:--";
    char sz[32];
    std::snprintf(sz, sizeof sz, "%02d:%02d", iPasosRestantes / kPasosPorMinuto,
                  (iPasosRestantes % kPasosPorMinuto) / kPasosPorSegundo);
    return sz;
}

bool CHerramientaMarcadores::Carga(CMenuJuego*, RegistroNivel*)
{
    if (m_bCreado) Libera();
    m_pPuntos = CreaTexto();
    m_pTiempo = CreaTexto();
    if (!m_pPuntos || !m_pTiempo) {
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CHerramientaMarcadores::Libera()
{
    if (g_pSistema2D) {
        if (m_pPuntos) g_pSistema2D->AlliberaSprite(m_pPuntos, false);
        if (m_pTiempo) g_pSistema2D->AlliberaSprite(m_pTiempo, false);
    }
    m_pPuntos = m_pTiempo = nullptr;
    m_sPuntos.clear();
    m_sTiempo.clear();
    m_bCreado = false;
}

void CHerramientaMarcadores::CargaRecursos()
{
    if (!m_bCreado) return;
    g_pSistema2D->MarcaSpriteEnUs(m_pPuntos);
    g_pSistema2D->MarcaSpriteEnUs(m_pTiempo);
}

void CHerramientaMarcadores::DescargaRecursos()
{
    if (!m_bCreado) return;
    g_pSistema2D->DesmarcaSpriteEnUs(m_pPuntos);
    g_pSistema2D->DesmarcaSpriteEnUs(m_pTiempo);
}

void CHerramientaMarcadores::Dibuja(Sprite* pDestino, int iPuntuacion, int iObjetivo, int iPasosRestantes, float,
                                    float, float fFraccionTiempo, int, int, int, bool, int, bool, int, bool)
{
    if (!m_bCreado) return;
    if (iObjetivo != PUNTUACION_SIN_OBJETIVO) {
        Cambia(m_pPuntos, m_sPuntos, TextoPuntos(iPuntuacion, iObjetivo));
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pPuntos, kPuntosX, kPuntosY, false, 255, 0.0f, 1.0f, 1.0f);
    }
    // A fraction of -1 is a level without a limit: no clock.
    if (fFraccionTiempo > 0.0f && fFraccionTiempo < 1.0f) {
        Cambia(m_pTiempo, m_sTiempo, TextoTiempo(iPasosRestantes));
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTiempo, kTiempoX, kTiempoY, false, 255, 0.0f, 1.0f, 1.0f);
    }
}
