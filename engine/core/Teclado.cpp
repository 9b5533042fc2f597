#include "engine/core/Teclado.h"

#include "engine/core/ReceptorEntrada.h"
#include "platform/Input.h"

#include <cstring>

CTeclado* g_pTeclado = nullptr;

namespace {

void HookMensajes(const plat::InputMessage& mensaje, void* user)
{
    static_cast<CTeclado*>(user)->MensajeVentana(mensaje);
}

bool Abajo(const uint8_t* estado, int iTecla) { return iTecla >= 0 && iTecla < 256 && (estado[iTecla] & 0x80); }

} // namespace

int TeclaEscape() { return plat::kKeyEscape; }

CTeclado::CTeclado() = default;

CTeclado::~CTeclado()
{
    if (m_bIniciado) Libera();
}

bool CTeclado::Inicia()
{
    if (m_bIniciado) Libera();
    std::memset(m_EstadoAnterior, 0, sizeof m_EstadoAnterior);
    std::memset(m_Estado, 0, sizeof m_Estado);
    if (!plat::OpenKeyboard()) return false;
    plat::AddInputMessageHandler(HookMensajes, this);
    m_bIniciado = 1;
    return true;
}

void CTeclado::Libera()
{
    if (!m_bIniciado) return;
    plat::RemoveInputMessageHandler(HookMensajes, this);
    plat::CloseKeyboard();
    m_bIniciado = 0;
}

void CTeclado::Actualiza()
{
    if (!m_bIniciado) return;
    std::memcpy(m_EstadoAnterior, m_Estado, sizeof m_Estado);
    if (!plat::ReadKeyboardState(m_Estado)) {
        // Lost (the window lost the focus): take it back; this step's keys
        // are gone.
        plat::AcquireKeyboard();
        return;
    }
    CReceptorEntrada* receptor = ReceptorEntrada();
    plat::KeyChange cambio;
    for (;;) {
        const plat::KeyRead r = plat::ReadKeyChange(&cambio);
        if (r != plat::KeyRead::Ok && r != plat::KeyRead::Overflow) break;
        if (!cambio.down) continue;
        // The chord as the keys came, not as they are now: Alt may be up
        // already when a quick Alt+Enter is read.
        if (cambio.key == plat::kKeyEnter && cambio.leftAlt)
            receptor->AlternaPantallaCompleta();
        else
            receptor->ProcesaTecla(cambio.key);
    }
}

bool CTeclado::TeclaAbajo(int iTecla) const { return Abajo(m_Estado, iTecla); }

bool CTeclado::TeclaPulsada(int iTecla) const { return Abajo(m_Estado, iTecla) && !Abajo(m_EstadoAnterior, iTecla); }

void CTeclado::VaciaBuffer()
{
    std::memset(m_Estado, 0, sizeof m_Estado);
    if (m_bIniciado) plat::FlushKeyboard();
}

bool CTeclado::MensajeVentana(const plat::InputMessage& mensaje)
{
    CReceptorEntrada* receptor = ReceptorEntrada();
    if (mensaje.type != plat::InputMessageType::Character || !receptor->Activo()) return false;
    receptor->ProcesaCaracter(static_cast<char>(mensaje.value));
    return true;
}
