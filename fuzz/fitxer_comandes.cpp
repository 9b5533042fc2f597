// The command-file reader: every command of any byte sequence, with every
// parameter read as text, integer, real and code.
#include "engine/core/GestorComandes.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CGestorComandes g;
    g.Inicia();
    FitxerComandes f;
    f.m_bLectura = 1;
    size_t pos = 0;
    while (pos <= size) {
        size_t usats = 0;
        if (!CGestorComandes::LlegeixComandaDe(data ? data + pos : nullptr, size - pos, &usats, &f)) break;
        pos += usats;
        g.NomComanda(&f);
        while (!g.FiParametres(&f)) g.LlegeixText(&f);
        g.RebobinaParametres(&f);
        while (!g.FiParametres(&f)) g.LlegeixEnter(&f);
        g.RebobinaParametres(&f);
        while (!g.FiParametres(&f)) g.LlegeixReal(&f);
        g.RebobinaParametres(&f);
        while (!g.FiParametres(&f)) g.LlegeixCodi(&f);
        if (usats == 0) break;
    }
    return 0;
}
