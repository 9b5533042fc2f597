// The game's key/value store: whatever MultiPrefs.PRF holds, reading it
// never fails in a way that stops the game, and the master volumes the
// start derives from it stay in 0..1.
#include "ServiciosFuzz.h"
#include "engine/core/MultiPreferencias.h"
#include "game/screens/MenuMaestro.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosFicheros()) return 0;
    if (!fuzz::EscribeEntrada("MultiPrefs.PRF", data, size)) return 0;
    static const ParDefecto kDefectos[] = {{CMenuMaestro::kClaveVolumenSonido, "50"},
                                           {CMenuMaestro::kClaveVolumenMusica, "25"}};
    CMultiPreferencias m;
    if (!m.Inicia(2, kDefectos)) std::abort();
    m.Carga("MultiPrefs.PRF");
    for (const char* clave : {CMenuMaestro::kClaveVolumenSonido, CMenuMaestro::kClaveVolumenMusica, "Version"}) {
        const float v = CMenuMaestro::VolumenDeAlmacen(m.LeeTexto(clave), 50);
        if (!(v >= 0.0f && v <= 1.0f)) std::abort();
        m.LeeEntero(clave);
    }
    return 0;
}
