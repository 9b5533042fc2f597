// The level table read from the built archive, as every start-up reads it
// before its first frame: the 276 level files of the catalogue.
// Counters: catalogue_ms (the whole read, target 25 or less) and table_bytes
// (the table's memory with the texts it owns, target 4 MB or less).
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "game/play/TablaNiveles.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

bool IniciaServicios()
{
    static bool iniciado = [] {
        plat::SetDataRoot(MG_BENCH_DATA_ROOT);
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pGestorComandes = new CGestorComandes;
        return g_pSistemaFitxers->IniciaAmbArxiu("CompactData.CMP", "CompactData.IND", "Kestrune", "Marrowgate") &&
               g_pGestorComandes->Inicia();
    }();
    return iniciado;
}

void CargaNiveles(benchmark::State& state)
{
    if (!IniciaServicios()) {
        state.SkipWithError("no built archive (build demo_data first)");
        return;
    }
    auto tabla = std::make_unique<CTablaNiveles>();
    double total = 0.0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const bool bien = tabla->CargaNiveles(*g_pGestorComandes);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        if (!bien) {
            state.SkipWithError("a level file is missing");
            return;
        }
        benchmark::DoNotOptimize(tabla.get());
    }
    state.counters["catalogue_ms"] = total / static_cast<double>(state.iterations());
    state.counters["table_bytes"] = static_cast<double>(tabla->BytesTabla());
}
BENCHMARK(CargaNiveles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
