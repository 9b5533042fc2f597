#include "engine/core/GestorRatones.h"

#include "engine/core/ReceptorEntrada.h"
#include "platform/Input.h"

#include <algorithm>

CGestorRatones* g_pRatones = nullptr;

namespace {

using plat::InputMessageType;

constexpr uint32_t kMovimientoPendiente = 1u << 6;

// The button event of a button message, or -1.
int EventoBoton(InputMessageType t)
{
    switch (t) {
    case InputMessageType::LeftDown: return RATON_IZQUIERDO_ABAJO;
    case InputMessageType::LeftUp: return RATON_IZQUIERDO_ARRIBA;
    case InputMessageType::RightDown: return RATON_DERECHO_ABAJO;
    case InputMessageType::RightUp: return RATON_DERECHO_ARRIBA;
    case InputMessageType::MiddleDown: return RATON_CENTRAL_ABAJO;
    case InputMessageType::MiddleUp: return RATON_CENTRAL_ARRIBA;
    default: return -1;
    }
}

// The held byte a button event changes; even events press, odd ones release.
uint8_t* Boton(CRaton& r, int evento)
{
    switch (evento / 2) {
    case 0: return &r.m_bIzquierdo;
    case 1: return &r.m_bDerecho;
    default: return &r.m_bCentral;
    }
}

void HookMensajes(const plat::InputMessage& mensaje, void* user)
{
    static_cast<CGestorRatones*>(user)->MensajeVentana(mensaje);
}

} // namespace

// ---- CRaton -------------------------------------------------------------------

bool CRaton::Inicia(int iIndice, uint32_t dispositivo, bool bRaw)
{
    *this = CRaton{};
    m_iIndice = iIndice;
    m_Dispositivo = dispositivo;
    m_bRaw = bRaw ? 1 : 0;
    m_bIniciado = 1;
    return true;
}

bool CRaton::MensajeVentana(const plat::InputMessage& mensaje)
{
    CReceptorEntrada* receptor = ReceptorEntrada();
    // The pointer first, so that a move reaches the core before the press
    // that came with it. While the window has no area (minimised) the last
    // position stays.
    if (mensaje.cursorX != m_iCursorX || mensaje.cursorY != m_iCursorY) {
        float x, y;
        if (plat::MainWindowToField(mensaje.cursorX, mensaje.cursorY, &x, &y)) {
            m_iCursorX = mensaje.cursorX;
            m_iCursorY = mensaje.cursorY;
            m_fX = x;
            m_fY = y;
            receptor->ProcesaMovimientoRaton(m_iIndice, m_fX, m_fY);
        }
    }
    const int evento = EventoBoton(mensaje.type);
    if (evento >= 0) {
        CambiaBoton(evento);
        receptor->ProcesaBotonRaton(m_iIndice, evento, m_fX, m_fY);
        return true;
    }
    if (mensaje.type == InputMessageType::MouseWheel) {
        m_iRueda = static_cast<uint16_t>(m_iRueda + static_cast<uint16_t>(mensaje.value));
        return true;
    }
    return false;
}

void CRaton::ActualizaRaw(const plat::InputMessage& mensaje)
{
    if (mensaje.type == InputMessageType::MouseMove) {
        m_fX = std::clamp(m_fX + static_cast<float>(mensaje.dx), 0.0f, 1023.0f);
        m_fY = std::clamp(m_fY + static_cast<float>(mensaje.dy), 0.0f, 767.0f);
        m_iPendientes |= kMovimientoPendiente;
        return;
    }
    if (mensaje.type == InputMessageType::MouseWheel) {
        m_iRueda = static_cast<uint16_t>(mensaje.value);
        return;
    }
    const int evento = EventoBoton(mensaje.type);
    if (evento < 0) return;
    const uint8_t abajo = (evento % 2 == 0) ? 1 : 0;
    if (*Boton(*this, evento) == abajo) return; // no real change
    CambiaBoton(evento);
    m_iPendientes |= 1u << evento;
}

bool CRaton::Pulsado(int iBoton) const
{
    if (iBoton < 0 || iBoton > 2) return false;
    return *Boton(const_cast<CRaton&>(*this), 2 * iBoton) || (m_iPulsadosSinPaso & (1u << iBoton));
}

void CRaton::CambiaBoton(int evento)
{
    const bool abajo = evento % 2 == 0;
    *Boton(*this, evento) = abajo ? 1 : 0;
    if (abajo) m_iPulsadosSinPaso = static_cast<uint8_t>(m_iPulsadosSinPaso | (1u << (evento / 2)));
}

void CRaton::EnviaEventos()
{
    CReceptorEntrada* receptor = ReceptorEntrada();
    const uint32_t pendientes = m_iPendientes;
    m_iPendientes = 0;
    if (pendientes & kMovimientoPendiente) receptor->ProcesaMovimientoRaton(m_iIndice, m_fX, m_fY);
    for (int e = 0; e < 6; ++e)
        if (pendientes & (1u << e)) receptor->ProcesaBotonRaton(m_iIndice, e, m_fX, m_fY);
}

void CRaton::CambiaX(float x)
{
    m_fX = std::clamp(x, 0.0f, 1023.0f);
    if (m_iIndice == 0 && !m_bRaw) plat::WarpCursorToField(m_fX, m_fY);
}

void CRaton::CambiaY(float y)
{
    m_fY = std::clamp(y, 0.0f, 768.0f);
    if (m_iIndice == 0 && !m_bRaw) plat::WarpCursorToField(m_fX, m_fY);
}

void CRaton::Cambia(float x, float y)
{
    m_fX = std::clamp(x, 0.0f, 1023.0f);
    m_fY = std::clamp(y, 0.0f, 768.0f);
    if (m_iIndice != 0 || m_bRaw) return;
    int px = 0, py = 0;
    if (!plat::MainFieldToWindow(m_fX, m_fY, &px, &py)) return;
    plat::WarpCursorToField(m_fX, m_fY);
    m_iCursorX = px;
    m_iCursorY = py;
}

// ---- CGestorRatones -------------------------------------------------------------

CGestorRatones::CGestorRatones() = default;

CGestorRatones::~CGestorRatones()
{
    if (m_bIniciado) Libera();
    BorraRatonesRaw();
}

void CGestorRatones::Limpia()
{
    m_bModoSistema = 1;
    m_bAceptaNuevos = 1;
    m_bPideReinicio = 0;
}

bool CGestorRatones::Inicia()
{
    if (m_bIniciado) Libera();
    Limpia();
    m_lRatones.Inicia();
    m_iNumRatones = 0;
    // Every mouse event names its device and its own motion, so raw mode is
    // always at hand.
    m_bRawDisponible = 1;
    m_RatonSistema.Inicia(0, 0, false);
    plat::AddInputMessageHandler(HookMensajes, this);
    m_bIniciado = 1;
    LeePunteroReal();
    return true;
}

void CGestorRatones::LeePunteroReal()
{
    int x = 0, y = 0;
    float fx = 0.0f, fy = 0.0f;
    if (!m_bIniciado || !plat::ReadPointerPosition(&x, &y) || !plat::MainWindowToField(x, y, &fx, &fy)) return;
    m_RatonSistema.m_iCursorX = x;
    m_RatonSistema.m_iCursorY = y;
    m_RatonSistema.m_fX = fx;
    m_RatonSistema.m_fY = fy;
}

void CGestorRatones::Libera()
{
    if (!m_bIniciado) return;
    plat::RemoveInputMessageHandler(HookMensajes, this);
    if (!m_bModoSistema) plat::CaptureMouse(false);
    BorraRatonesRaw();
    m_lRatones.Libera();
    m_RatonSistema.m_bIniciado = 0;
    m_bIniciado = 0;
}

void CGestorRatones::BorraRatonesRaw()
{
    for (int i = 0; i < m_lRatones.m_iNumElementos; ++i) delete static_cast<CRaton*>(m_lRatones.Elemento(i));
    m_lRatones.Vacia();
    m_iNumRatones = 0;
}

void CGestorRatones::SeleccionaModo(bool bSistema)
{
    if (!bSistema && !m_bRawDisponible) return;
    m_bModoSistema = bSistema ? 1 : 0;
    // In raw mode the system pointer stays where it is while the mice report
    // their own motion.
    plat::CaptureMouse(!bSistema);
    // Raw mice are made afresh from the devices that report from now on.
    m_bPideReinicio = bSistema ? 0 : 1;
    if (bSistema) {
        BorraRatonesRaw();
        m_bAceptaNuevos = 1;
    }
}

CRaton* CGestorRatones::RatonRaw(uint32_t dispositivo)
{
    for (int i = 0; i < m_lRatones.m_iNumElementos; ++i) {
        auto* r = static_cast<CRaton*>(m_lRatones.Elemento(i));
        if (r->m_Dispositivo == dispositivo) return r;
    }
    if (!m_bAceptaNuevos || m_iNumRatones >= kMaxRatonesRaw) return nullptr;
    auto* r = new CRaton;
    r->Inicia(m_iNumRatones, dispositivo, true);
    r->m_fX = m_RatonSistema.m_fX;
    r->m_fY = m_RatonSistema.m_fY;
    m_lRatones.InsertaAlFinal(r);
    ++m_iNumRatones;
    return r;
}

bool CGestorRatones::MensajeVentana(const plat::InputMessage& mensaje)
{
    if (!m_bIniciado || !ReceptorEntrada()->Activo()) return false;
    if (m_bModoSistema) return m_RatonSistema.MensajeVentana(mensaje);
    if (mensaje.type == InputMessageType::Character) return false;
    if (CRaton* r = RatonRaw(mensaje.device)) r->ActualizaRaw(mensaje);
    return mensaje.type != InputMessageType::MouseMove;
}

void CGestorRatones::Actualiza()
{
    if (!m_bIniciado) return;
    for (int i = 0; i < m_lRatones.m_iNumElementos; ++i) static_cast<CRaton*>(m_lRatones.Elemento(i))->EnviaEventos();
    if (m_bPideReinicio && !m_bModoSistema) {
        m_bPideReinicio = 0;
        BorraRatonesRaw();
        m_bAceptaNuevos = 1;
    }
}

void CGestorRatones::PasoVisto()
{
    if (!m_bIniciado) return;
    m_RatonSistema.PasoVisto();
    for (int i = 0; i < m_lRatones.m_iNumElementos; ++i) static_cast<CRaton*>(m_lRatones.Elemento(i))->PasoVisto();
}

CRaton* CGestorRatones::Raton(int i)
{
    if (!m_bIniciado || i < 0) return nullptr;
    if (m_bModoSistema) return i == 0 ? &m_RatonSistema : nullptr;
    if (i > 3) return nullptr;
    return static_cast<CRaton*>(m_lRatones.Elemento(i));
}
