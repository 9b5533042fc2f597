// One frame of a busy story scene, as its host runs it: four characters
// talking and moving, a background and an illustration fading, the crumbs,
// the wandering spirits and the falling petals, an animated sequence shown
// under the text, and a long line scrolling in the text box.
//   frame_fraction: update + draw (finished on the device) over the 33.3 ms
//                   of a logic step (the target is under 0.5 on llvmpipe)
//   draw_calls:     the device draws one frame makes
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "game/Programa.h"
#include "game/story/JapSecTazmo.h"
#include "platform/Paths.h"
#include "platform/RawQuads.h"
#include "platform/RenderDevice.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr double kPasoMs = 1000.0 / 30.0;

// The scene: two long lines in the text box, the second jumping back to the
// first; the host clicks whenever a line waits.
std::string Guion(const std::string& secuencia)
{
    std::string s;
    for (const char* p : {"Maida", "Stokinnen", "Adeletia", "Irina"}) s += std::string("TAZMO_PREDECLARAPERSONAJE = \"") + p + "\";\n";
    s += "TAZMO_PREDECLARAFONDO = \"FondoJardin\";\nTAZMO_PREDECLARAIMAGEN = \"IlusStokinnenMaidaJuegan\";\n";
    for (const char* e : {"FuenteMigas", "EsperitosLimbo", "PetalosDeRosaCayendo"})
        s += std::string("TAZMO_PREDECLARAEFECTO = \"") + e + "\";\n";
    s += "JAPTXTSECUENCIA = 1, \"" + secuencia + "\", 0;\n";
    s += "ETIQUETA = \"inicio\";\nJAPTXTLINE = \"NONE\", \"QB01\", 1;\nJAPTXTLINE = \"NONE\", \"QB02\", 1;\n";
    s += "GOTOETIQUETA = \"inicio\";\n";
    return s;
}

std::string Entrada()
{
    std::string s = "<SECUENCIA=1,0,0,0><VQ_FONDO_FADETO=FondoJardin,1,60><VQ_FONDO_FADETO=IlusStokinnenMaidaJuegan,0.6,90>"
                    "<VQ_LANZA_EFECTO=FuenteMigas><VQ_LANZA_EFECTO=EsperitosLimbo><VQ_LANZA_EFECTO=PetalosDeRosaCayendo>";
    const char* const nombres[] = {"Maida", "Stokinnen", "Adeletia", "Irina"};
    for (int i = 0; i < 4; ++i) {
        const std::string n = nombres[i];
        s += "<VQ_PERSO_FADE_IN=" + n + "><VQ_PERSO_HABLA=" + n + "><VQ_PERSO_VE_A_POS_X=" + n + "," +
             std::to_string(160 + 230 * i) + ",40>";
    }
    for (int i = 0; i < 40; ++i) s += "The garden hums with the small talk of evening. ";
    return s;
}

std::string Salida()
{
    std::string s = "<VQ_FONDO_FADETO=IlusStokinnenMaidaJuegan,0.1,90>";
    const char* const nombres[] = {"Maida", "Stokinnen", "Adeletia", "Irina"};
    for (int i = 0; i < 4; ++i)
        s += std::string("<VQ_PERSO_VE_A_POS_X=") + nombres[i] + "," + std::to_string(860 - 230 * i) + ",40>";
    for (int i = 0; i < 40; ++i) s += "Petals drift over the path while the lamps come on. ";
    return s;
}

struct Entorno {
    CJapSecTazmo escena;
    fs::path carpeta;
    bool bSistemas = false;
    bool bFet = false;

    Entorno()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        plat::SetDataRoot(MG_BENCH_DATA_ROOT);
        carpeta = fs::temp_directory_path() / ("mg_bench_escena_" + std::to_string(getpid()));
        fs::create_directories(carpeta);
        setenv("XDG_DATA_HOME", carpeta.string().c_str(), 1);
        FijaRelojManual(true, 1000);
        bSistemas = IniciaPrograma();
        if (!bSistemas) return;
        g_GestorFLIs.AnadeTexto(2, "QB01", Entrada().c_str());
        g_GestorFLIs.AnadeTexto(2, "QB02", Salida().c_str());
        g_GestorFLIs.SeleccionaIdioma(2);
        // A sequence of 64 squares turning under the text.
        const fs::path spm = carpeta / "blanco.spm";
        std::ofstream(spm) << "SPMVER = 1;\nSPRITE = 0, \"" << AtlasDePaquete(motor::paquete::CUADRO_BLANCO)
                           << "\", 2, 2, 16, 16, 8, 8, 0;\nANIMACIO = 0, 0, 10000;\n";
        std::string sec = "LOOP = 120;\n";
        for (int i = 0; i < 64; ++i)
            sec += "OBJETO = " + std::to_string(i) + ", \"" + spm.string() + "\"; SETPOS = " + std::to_string(i) +
                   ", 0, " + std::to_string(16 * i) + ", 100; SETALFA = " + std::to_string(i) +
                   ", 0, 200; SETVELANG = " + std::to_string(i) + ", 0, 0.05;\n";
        std::ofstream(carpeta / "cuadros.sec") << sec;
        std::ofstream(carpeta / "escena.txt") << Guion((carpeta / "cuadros.sec").string());
        const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
        if (!escena.Carga((carpeta / "escena.txt").string().c_str(), &c, 1)) return;
        escena.CargaRecursos();
        g_pSistema2D->CarregaBitmapsEnUs();
        bFet = true;
    }
    ~Entorno()
    {
        escena.Libera();
        if (bSistemas) LiberaSistemas();
        FijaRelojManual(false);
        std::error_code ec;
        fs::remove_all(carpeta, ec);
    }
    // One step of the host: an update, a draw, the frame count, the sounds.
    void Paso()
    {
        if (escena.Estado() == SECUENCIADOR_ESPERA_JUGADOR) escena.TrataBotonRaton(0, 0, 500.0f, 600.0f);
        escena.Actualiza();
        escena.Dibuja(nullptr);
        AvanzaFrame();
        AvanzaRelojManual(33);
        if (g_pGestorSonido) g_pGestorSonido->Actualiza();
    }
};

Entorno& Env()
{
    static Entorno e;
    return e;
}

void Escena(benchmark::State& state)
{
    Entorno& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics device or data");
        return;
    }
    // Into the thick of it: everything launched, the spirits out, text scrolling.
    for (int i = 0; i < 120; ++i) e.Paso();
    plat::FlushQuads();
    plat::FinishRendering();
    double segundos = 0.0;
    uint64_t dibujos = 0;
    for (auto _ : state) {
        const uint64_t antes = plat::DrawCallCount();
        const auto t0 = std::chrono::steady_clock::now();
        e.Paso();
        plat::FlushQuads();
        plat::FinishRendering();
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        dibujos += plat::DrawCallCount() - antes;
    }
    const double n = double(state.iterations());
    state.counters["frame_fraction"] = segundos * 1e3 / n / kPasoMs;
    state.counters["draw_calls"] = double(dibujos) / n;
}
BENCHMARK(Escena)->Iterations(600)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
