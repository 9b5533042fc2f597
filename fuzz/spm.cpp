// Fuzzes the sprite-package reader: every record of any byte sequence read
// through the command-file reader and checked as an .SPM record.
#include "engine/core/GestorComandes.h"
#include "engine/graphics/RegistroSPM.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CGestorComandes g;
    FitxerComandes f;
    f.m_bLectura = 1;
    int version = 0;
    size_t pos = 0;
    while (pos <= size) {
        size_t usados = 0;
        if (!CGestorComandes::LlegeixComandaDe(data ? data + pos : nullptr, size - pos, &usados, &f)) break;
        pos += usados;
        RegistroSPM r;
        if (InterpretaRegistroSPM(&g, &f, version, &r)) {
            if (r.tipo == RegistroSPM::VERSION) version = r.version;
            // What the package then indexes must be in range.
            if ((r.tipo == RegistroSPM::SPRITE || r.tipo == RegistroSPM::TXT || r.tipo == RegistroSPM::TXTFLI) &&
                (r.slot < 0 || r.slot >= kNumSlotsSPM))
                __builtin_trap();
            if (r.tipo == RegistroSPM::SPRITE && (r.fichero.size() < 3 || r.fichero.size() >= size_t(kLongitudRutaSPM)))
                __builtin_trap();
            if (r.tipo == RegistroSPM::ANIMACIO &&
                (r.animacion < 0 || r.animacion >= kNumAnimacionesSPM || r.frames.m_ucNumFrames > kMaxFramesAnimacion))
                __builtin_trap();
        }
        if (usados == 0) break;
    }
    return 0;
}
