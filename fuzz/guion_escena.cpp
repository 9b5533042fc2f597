// Fuzzes the story-scene player with whole scripts: any bytes loaded as a
// scene (declarations, lines, labels, jumps, sequences; a sequence named
// "s.sec" is the same input again), then played for 2000 frames with clicks.
// Nothing may crash, and every frame must return.
#include "ServiciosEscenaFuzz.h"
#include "game/story/JapSecTazmo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosEscena()) return 0;
    if (!fuzz::EscribeEntrada("escena.txt", data, size) || !fuzz::EscribeEntrada("s.sec", data, size)) return 0;
    CJapSecTazmo escena;
    const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
    if (!escena.Carga("escena.txt", &c, 0)) return 0;
    fuzz::JuegaEscena(escena, 2000);
    escena.Reinicia();
    fuzz::JuegaEscena(escena, 50);
    return 0;
}
