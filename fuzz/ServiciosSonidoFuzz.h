// Shared by the audio fuzz targets: the file services of ServiciosFuzz.h and
// the sound system on the manual device (no output, nothing heard), started
// once for the process.
#pragma once
#include "ServiciosFuzz.h"
#include "engine/audio/SistemaSonido.h"
#include "platform/Audio.h"

namespace fuzz {

inline bool IniciaServiciosSonido()
{
    static bool iniciado = false;
    if (iniciado) return true;
    if (!IniciaServiciosFicheros()) return false;
    plat::UseManualAudio(true);
    g_pSistemaSonido = new CSistemaSonido;
    // Registered after the file services, so it runs before them at exit.
    std::atexit([] {
        delete g_pSistemaSonido;
        g_pSistemaSonido = nullptr;
    });
    iniciado = g_pSistemaSonido->Inicia(1.0f, 1.0f);
    return iniciado;
}

} // namespace fuzz
