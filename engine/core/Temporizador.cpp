#include "engine/core/Temporizador.h"

#include "platform/Platform.h"

#include <atomic>
#include <cmath>

namespace {
// The time base is taken when the program is loaded.
const uint32_t g_uBaseTiempo = plat::Milliseconds();
std::atomic<bool> g_bRelojManual{false};
std::atomic<int> g_iRelojManual{0};
std::atomic<int> g_iFrame{0};
uint32_t g_uEstadoAleatorio = 1;
} // namespace

void IniciaReloj() {}
void TerminaReloj() {}

int TiempoReal()
{
    if (g_bRelojManual.load(std::memory_order_acquire)) return g_iRelojManual.load(std::memory_order_acquire);
    return static_cast<int>(plat::Milliseconds() - g_uBaseTiempo);
}

int TiempoJuego() { return TiempoReal(); }

void Espera(int ms)
{
    if (ms > 0) plat::Sleep(static_cast<uint32_t>(ms));
}

int FrameActual() { return g_iFrame.load(std::memory_order_relaxed); }
void AvanzaFrame() { g_iFrame.fetch_add(1, std::memory_order_relaxed); }

void FijaRelojManual(bool manual, int startMs)
{
    g_iRelojManual.store(startMs, std::memory_order_release);
    g_bRelojManual.store(manual, std::memory_order_release);
}

bool RelojManual() { return g_bRelojManual.load(std::memory_order_acquire); }

void AvanzaRelojManual(int ms) { g_iRelojManual.fetch_add(ms, std::memory_order_acq_rel); }
void ReiniciaFrames(int frame) { g_iFrame.store(frame, std::memory_order_relaxed); }

float CalculaProgreso(float valor, float total, int modo)
{
    // A timer without length is finished rather than 0/0.
    if (!(total > 0.0f)) {
        if (modo == PROGRESO_LIMITADO || modo == PROGRESO_CICLICO || modo == PROGRESO_VAIVEN) return 1.0f;
    }
    float f = valor / total;
    switch (modo) {
    case PROGRESO_LIMITADO:
        return f < 0.0f ? 0.0f : (f > 1.0f ? 1.0f : f);
    case PROGRESO_CICLICO:
        return std::fmod(f, 1.0f);
    case PROGRESO_VAIVEN: {
        float r = std::fmod(f, 2.0f);
        return r > 1.0f ? 1.0f - (r - 1.0f) : r;
    }
    default:
        return f;
    }
}

void CTemporizador::Crea()
{
    Limpia();
    m_bIniciado = 1;
}

void CTemporizador::Limpia()
{
    m_iFrameReferencia = -1;
    m_iCuenta = -1;
    m_iDuracion = -1;
    m_iDireccion = 1;
    m_bPausado = 0;
}

void CTemporizador::Inicia(int duracion, int inferior, int superior)
{
    m_iDuracion = duracion;
    m_iInferior = inferior;
    m_iSuperior = superior;
    m_iCuenta = 0;
    m_iDireccion = 1;
    m_bPausado = 0;
    m_iFrameReferencia = FrameActual();
}

void CTemporizador::CambiaFraccion(float fraccion)
{
    int c = static_cast<int>(static_cast<float>(m_iDuracion) * fraccion);
    if (c < m_iInferior) c = m_iInferior;
    if (c > m_iSuperior) c = m_iSuperior;
    m_iCuenta = c;
    m_iFrameReferencia = FrameActual();
}

void CTemporizador::Actualiza()
{
    int ahora = FrameActual();
    if (!m_bPausado) {
        // Wrap-around arithmetic: counts are bounded by the caller's limits.
        int transcurrido = static_cast<int>(static_cast<uint32_t>(ahora) - static_cast<uint32_t>(m_iFrameReferencia));
        int64_t c = m_iCuenta;
        if (m_iDireccion == 1)
            c += transcurrido;
        else
            c -= transcurrido;
        if (c < m_iInferior)
            c = 0;
        else if (c > m_iSuperior)
            c = m_iDuracion;
        m_iCuenta = static_cast<int32_t>(c);
    }
    m_iFrameReferencia = ahora;
}

float CTemporizador::Fraccion(int modo)
{
    Actualiza();
    if (m_iDuracion == -1) return 0.0f;
    return CalculaProgreso(static_cast<float>(m_iCuenta), static_cast<float>(m_iDuracion), modo);
}

int SiguienteAleatorio()
{
    g_uEstadoAleatorio = g_uEstadoAleatorio * 214013u + 2531011u;
    return static_cast<int>((g_uEstadoAleatorio >> 16) & 0x7FFF);
}

void ReiniciaAleatorio(uint32_t estado) { g_uEstadoAleatorio = estado; }

int EnteroAleatorio(int a, int b)
{
    if (a == b) return a;
    float r = static_cast<float>(SiguienteAleatorio());
    float span = static_cast<float>(b) - static_cast<float>(a) + 1.0f;
    int v = a + static_cast<int>(std::floor(r / 32767.0f * span));
    return v < b ? v : b;
}

float RealAleatorio(float a, float b)
{
    if (a == b) return a;
    float r = static_cast<float>(SiguienteAleatorio());
    float v = a + r / 32767.0f * (b - a);
    return v < b ? v : b;
}

float DistanciaCuadrado(float x1, float y1, float x2, float y2)
{
    float dx = x1 - x2, dy = y1 - y2;
    return dx * dx + dy * dy;
}
