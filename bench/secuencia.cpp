// One frame of a busy animated sequence: 256 objects moving, fading,
// scaling and turning, 10 moving tiled layers, 64 lines and 128 sound
// events over a looping timeline.
//   update_us:  one Actualiza (the target is under 100 us)
//   draw_calls: the device draws one Dibuja makes
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/sequences/Secuencia.h"
#include "platform/Audio.h"
#include "platform/Paths.h"
#include "platform/RawQuads.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The sequence's file: every object and layer draws a white square.
std::string Fuente(const std::string& paquete)
{
    std::string s = "LOOP = 240;\n";
    auto linea = [&s](const std::string& l) { s += l + "\n"; };
    char b[256];
    for (int i = 0; i < 256; ++i) {
        const int x = (i * 37) % 1024, y = (i * 53) % 768;
        std::snprintf(b, sizeof b, "OBJETO = %d, \"%s\";", i, paquete.c_str());
        linea(b);
        std::snprintf(b, sizeof b, "SETPOS = %d, 0, %d, %d; VEPOS = %d, 0, 119, %d, %d; VEPOS = %d, 120, 239, %d, %d;",
                      i, x, y, i, 1023 - x, 767 - y, i, x, y);
        linea(b);
        std::snprintf(b, sizeof b, "INTERPOLAALFA = %d, 0, 119, 0, 255; INTERPOLAALFA = %d, 120, 239, 255, 0;", i, i);
        linea(b);
        std::snprintf(b, sizeof b, "INTERPOLAESCALA = %d, 0, 239, 0.5, 0.5, 2, 2; SETVELANG = %d, 0, 0.05;", i, i);
        linea(b);
    }
    for (int c = 0; c < 10; ++c) {
        std::snprintf(b, sizeof b, "SCROLL = %d, \"%s\"; SCROLLSETESCALA = %d, 0, 8, 8; SCROLLMOSTRAR = %d, 0;", c,
                      paquete.c_str(), c, c);
        linea(b);
        std::snprintf(b, sizeof b, "SCROLLMOV = %d, 0, %d, %d; SCROLLINTERPOLAALFA = %d, 0, 239, 10, 40;", c, c + 1,
                      -c, c);
        linea(b);
    }
    for (int l = 0; l < 64; ++l) {
        std::snprintf(b, sizeof b, "PONLINEA = %d, 0, %d, %d, 0, 0;", l, l * 4, l * 4 + 2);
        linea(b);
    }
    for (int m = 0; m < 8; ++m) {
        std::snprintf(b, sizeof b, "SONIDO = %d, \"%s\";", m, motor::muestra::EJEMPLO_CAMPANILLA);
        linea(b);
    }
    for (int e = 0; e < 128; ++e) {
        std::snprintf(b, sizeof b, "TOCASONIDO = %d, %d;", e % 8, e * 239 / 128);
        linea(b);
    }
    return s;
}

struct Entorno {
    CSistema2D sistema;
    CGestorSPMs cache;
    CSecuencia secuencia;
    fs::path carpeta;
    bool bFet = false;

    Entorno()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        plat::SetDataRoot(MG_BENCH_DATA_ROOT);
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pGestorComandes = new CGestorComandes;
        if (!g_pSistemaFitxers->IniciaAmbArxiu("CompactData.CMP", "CompactData.IND", "Kestrune", "Marrowgate") ||
            !g_pGestorComandes->Inicia())
            return;
        plat::UseManualAudio(true);
        g_pSistemaSonido = new CSistemaSonido;
        g_pSistemaSonido->Inicia(1.0f, 1.0f);
        if (!plat::CreateMainWindow("bench", false) || !sistema.Inicia(true, true)) return;
        g_pSistema2D = &sistema;
        g_pGestorSPMs = &cache;
        cache.Inicia();
        carpeta = fs::temp_directory_path() / ("mg_bench_secuencia_" + std::to_string(getpid()));
        fs::create_directories(carpeta);
        const fs::path spm = carpeta / "blanco.spm";
        // A white square cut from the fade veil's picture.
        std::ofstream(spm) << "SPMVER = 1;\nSPRITE = 0, \"" << AtlasDePaquete(motor::paquete::CUADRO_BLANCO)
                           << "\", 2, 2, 16, 16, 8, 8, 0;\nANIMACIO = 0, 0, 10000;\nANIMACIO = 1, 0, 10000;\n";
        const fs::path sec = carpeta / "banco.sec";
        std::ofstream(sec) << Fuente(spm.string());
        if (!secuencia.Carga(sec.string().c_str())) return;
        secuencia.CargaRecursos();
        sistema.CarregaBitmapsEnUs();
        bFet = true;
    }
    ~Entorno()
    {
        secuencia.Libera();
        cache.Vacia();
        g_pGestorSPMs = nullptr;
        sistema.Allibera();
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
        delete g_pSistemaSonido;
        g_pSistemaSonido = nullptr;
        delete g_pGestorComandes;
        g_pGestorComandes = nullptr;
        delete g_pSistemaFitxers;
        g_pSistemaFitxers = nullptr;
        std::error_code ec;
        fs::remove_all(carpeta, ec);
    }
};

Entorno& Env()
{
    static Entorno e;
    return e;
}

// Each iteration times one update; the draw that goes with it (the angular
// speeds turn what was drawn) is counted, untimed.
void Secuencia(benchmark::State& state)
{
    Entorno& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics device or data");
        return;
    }
    double segundos = 0.0;
    uint64_t dibujos = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        e.secuencia.Actualiza();
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.PauseTiming();
        plat::FlushQuads();
        const uint64_t antes = plat::DrawCallCount();
        e.secuencia.Dibuja(nullptr);
        plat::FlushQuads();
        dibujos += plat::DrawCallCount() - antes;
        plat::FinishRendering();
        g_pSistemaSonido->Actualiza();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["update_us"] = segundos * 1e6 / n;
    state.counters["draw_calls"] = double(dibujos) / n;
}
BENCHMARK(Secuencia)->Iterations(2400)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
