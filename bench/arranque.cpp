// The game's start-up: from IniciaPrograma to the first frame presented,
// off-screen, next to the least an SDL2 + OpenGL 3.3 program does to
// present its first frame, measured in turn in the same run.
//   ratio        the game's time over the bare program's (goal: 4 at most)
//   peak_rss_mb  the process's peak resident memory once the first screen
//                has faded in (goal: under 200)
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "game/Programa.h"
#include "platform/BareGL.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

double Ahora()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The peak resident memory of the process so far, in megabytes.
double PicoMemoriaMb()
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char linea[256];
    double kb = 0;
    while (std::fgets(linea, sizeof linea, f))
        if (std::strncmp(linea, "VmHWM:", 6) == 0) kb = std::atof(linea + 6);
    std::fclose(f);
    return kb / 1024.0;
}

// Off-screen, silent, over the built data, in a per-user folder of the
// run's own (so every start is a first run).
struct Entorno {
    std::filesystem::path carpeta;
    Entorno()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        carpeta = std::filesystem::temp_directory_path() / ("mg_bench_arranque_" + std::to_string(getpid()));
        setenv("XDG_DATA_HOME", carpeta.c_str(), 1);
        plat::SetDataRoot(MG_BENCH_DATA_ROOT);
    }
    ~Entorno()
    {
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
    void Limpia()
    {
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
};

// Steps of the loop until one has drawn and presented a frame; false when
// the program asked to quit first.
bool PasoConFrame()
{
    const float fUltimo = g_pAplicacion->UltimoFrame();
    while (g_pAplicacion->UltimoFrame() == fUltimo)
        if (g_pAplicacion->Ciclo()) return false;
    return true;
}

// Seconds from start-up to the first frame presented, -1 on failure. With
// pfPico, the peak memory once the first screen has faded in.
double ArranqueJuego(double* pfPico)
{
    const double t0 = Ahora();
    if (!IniciaPrograma()) return -1;
    if (!CreaBuclePrincipal()) {
        LiberaSistemas();
        return -1;
    }
    const bool bFrame = PasoConFrame();
    const double t = Ahora() - t0;
    if (pfPico && bFrame) {
        for (int i = 0; i < 15 && PasoConFrame(); ++i) {
        }
        *pfPico = PicoMemoriaMb();
    }
    LiberaBuclePrincipal();
    LiberaSistemas();
    return bFrame ? t : -1;
}

double ArranqueMinimo()
{
    const double t0 = Ahora();
    if (!plat::PresentBareFirstFrame()) return -1;
    return Ahora() - t0;
}

void Arranque(benchmark::State& state)
{
    Entorno entorno;
    double juego = 0, minimo = 0, pico = 0;
    bool bPrimero = true;
    for (auto _ : state) {
        entorno.Limpia();
        const double t = ArranqueJuego(bPrimero ? &pico : nullptr);
        state.PauseTiming();
        if (t < 0) {
            state.SkipWithError("the game did not start");
            break;
        }
        juego += t;
        const double m = ArranqueMinimo();
        if (m < 0) {
            state.SkipWithError("no bare OpenGL context");
            break;
        }
        minimo += m;
        bPrimero = false;
        state.ResumeTiming();
    }
    if (minimo > 0) state.counters["ratio"] = juego / minimo;
    state.counters["peak_rss_mb"] = pico;
    state.counters["game_ms"] = 1000.0 * juego / double(state.iterations());
    state.counters["bare_ms"] = 1000.0 * minimo / double(state.iterations());
}

} // namespace

BENCHMARK(Arranque)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
