// Fuzzes the piece-animated sprite reader: any byte sequence read as a
// SPRITE3D file, every record checked, the puppet built (with a package
// cache, without graphics) and its timelines run far beyond their ends.
#include "ServiciosFuzz.h"

#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/RegistroSprite3D.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite3D.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Every record on its own: what the puppet then indexes is in range.
    CGestorComandes g;
    FitxerComandes f;
    f.m_bLectura = 1;
    size_t pos = 0;
    while (pos <= size) {
        size_t usados = 0;
        if (!CGestorComandes::LlegeixComandaDe(data ? data + pos : nullptr, size - pos, &usados, &f)) break;
        pos += usados;
        RegistroSprite3D r;
        if (InterpretaRegistroSprite3D(&g, &f, true, &r)) {
            if (r.tipo == RegistroSprite3D::PIEZA && (r.iPieza < 0 || r.iPieza >= kNumPiezasSprite3D))
                __builtin_trap();
            if ((r.tipo == RegistroSprite3D::ORDEN || r.tipo == RegistroSprite3D::DURACION) &&
                (r.iLista < 0 || r.iLista >= kNumListasSprite3D))
                __builtin_trap();
            if (r.tipo == RegistroSprite3D::ORDEN && (r.orden.iTipo < 0 || r.orden.iTipo > ORDEN_GIRAR_A))
                __builtin_trap();
        }
        if (usados == 0) break;
    }

    // The whole puppet, read from a file.
    if (!fuzz::IniciaServiciosFicheros() || !fuzz::EscribeEntrada("entrada.S3D", data, size)) return 0;
    static CGestorSPMs* cache = [] {
        auto* c = new CGestorSPMs;
        c->Inicia();
        return c;
    }();
    g_pGestorSPMs = cache;
    FijaRelojManual(true, 0);
    {
        CSprite3D s;
        if (s.Carga("entrada.S3D", true)) {
            for (int i = 0; i < kNumListasSprite3D; ++i)
                if (s.GetLista(i)->m_ordenes.size() > size_t(kMaxOrdenesLista)) __builtin_trap();
            CSprite3D copia;
            copia.Copia(&s, false);
            for (int paso : {0, 1, 16, 1000, 100000, 2000000000}) {
                AvanzaRelojManual(paso);
                s.Avanza();
                copia.Avanza();
            }
            for (int i = 0; i < kNumPiezasSprite3D; ++i) {
                const int d = CSprite3D::Direccion(s.GetPieza(i)->m_actual.fRotacion, (i & 1) != 0);
                if (d < 0 || d > 7) __builtin_trap();
            }
        }
    }
    FijaRelojManual(false);
    // Packages are cached once per name: keep the cache small.
    if (cache->NumPaquetes() > 64) cache->Vacia();
    return 0;
}
