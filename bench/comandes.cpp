// Reading and parsing command files from disk and from the packed archive.
// Reports bytes per second of command-file text.
#include "engine/core/ArxiuEmpaquetat.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A level-like command file of about 1 MB: records with numbers, codes,
// quoted texts and comments, CR LF line ends.
std::string TextoDePrueba()
{
    std::string s;
    for (int i = 0; s.size() < (1u << 20); ++i) {
        s += "// record " + std::to_string(i) + "\r\n";
        s += "PIEZA = " + std::to_string(i % 97) + ", " + std::to_string(i * 13 % 1024) + ", -" +
             std::to_string(i % 7) + ", 0.250, ACEP;\r\n";
        s += "TEXTO = \"Nivel " + std::to_string(i) + ", con texto; y comas\", NONE;\r\n";
    }
    return s;
}

struct Datos {
    fs::path arrel;
    size_t mida = 0;
    Datos()
    {
        fs::path base = fs::temp_directory_path() / "mg_bench_comandes";
        fs::remove_all(base);
        arrel = base / "data";
        fs::path stage = base / "stage";
        fs::create_directories(stage / "Data" / "Bench");
        fs::create_directories(arrel / "Disc");
        std::string text = TextoDePrueba();
        mida = text.size();
        std::ofstream(stage / "Data" / "Bench" / "nivel.lvl", std::ios::binary) << text;
        std::ofstream(arrel / "Disc" / "nivel.lvl", std::ios::binary) << text;
        EmpaquetaCarpeta(stage.string(), (arrel / motor::fichero::ARCHIVO).string(), (arrel / motor::fichero::INDICE_ARCHIVO).string(),
                         nullptr, nullptr);
        plat::SetDataRoot(arrel.string());
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pSistemaFitxers->IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate");
        g_pGestorComandes = new CGestorComandes;
        g_pGestorComandes->Inicia();
    }
};

Datos& D()
{
    static Datos d;
    return d;
}

void LlegeixFitxer(benchmark::State& state, const char* nom)
{
    Datos& d = D();
    for (auto _ : state) {
        FitxerComandes* f = g_pGestorComandes->ObreLectura(nom);
        if (!f) {
            state.SkipWithError("cannot open");
            return;
        }
        long suma = 0;
        do {
            while (!g_pGestorComandes->FiParametres(f)) suma += g_pGestorComandes->LlegeixEnter(f);
        } while (g_pGestorComandes->LlegeixComanda(f));
        g_pGestorComandes->Tanca(f);
        benchmark::DoNotOptimize(suma);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(d.mida));
}

void BM_ComandesDesdeDisco(benchmark::State& state) { LlegeixFitxer(state, "Disc\\nivel.lvl"); }
void BM_ComandesDesdeArchivo(benchmark::State& state) { LlegeixFitxer(state, "Data\\Bench\\nivel.lvl"); }

// The raw file system read alone, in 4 KB blocks.
void BM_LecturaArchivo(benchmark::State& state)
{
    Datos& d = D();
    char buf[4096];
    for (auto _ : state) {
        EntradaFitxer* f = g_pSistemaFitxers->Obre("Data\\Bench\\nivel.lvl", FITXER_LECTURA | FITXER_BINARI);
        while (g_pSistemaFitxers->Llegeix(buf, 1, sizeof buf, f) > 0) benchmark::DoNotOptimize(buf[0]);
        g_pSistemaFitxers->Tanca(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(d.mida));
}

} // namespace

BENCHMARK(BM_ComandesDesdeDisco)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComandesDesdeArchivo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LecturaArchivo)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
