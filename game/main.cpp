// The program's entry.
#include "engine/core/Temporizador.h"
#include "platform/Platform.h"
#include "platform/Window.h"

namespace {
bool g_bSalir = false;
void AlMensaje(plat::WindowMessage m, void*)
{
    if (m == plat::WindowMessage::Close) g_bSalir = true;
}
} // namespace

int main()
{
    IniciaReloj();
    if (!plat::CreateMainWindow("Orrindale", false)) return 1;
    plat::SetWindowMessageHandler(AlMensaje, nullptr);
    int siguiente = TiempoReal();
    while (!g_bSalir) {
        plat::PumpMessages();
        if (TiempoReal() >= siguiente) {
            siguiente += 1000 / 30;
            plat::ClearBackBuffer(0.0f, 0.0f, 0.0f, 1.0f);
            plat::PresentBackBuffer();
        } else {
            Espera(1);
        }
    }
    plat::DestroyMainWindow();
    TerminaReloj();
    return 0;
}
