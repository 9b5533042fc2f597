// Makes the sounds and music.
//   mg_sounds STAGE NAME...     the sample or piece rows NAME below STAGE
//   mg_sounds --list            every sample and piece row, and whether it has a recipe
//   mg_sounds --pruebas DIR     short Ogg tones of exact lengths for the tests
// Recipes are registered by catalogue row in sonidos/*.cpp.
#include "Sonidos.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

using namespace sintesis;
namespace fs = std::filesystem;

namespace {

// Tones of exact lengths for the streamer's tests: one half of the stream
// buffer, three halves, and a mono file at an odd rate; and a second of
// silence for the content audit's test.
bool Pruebas(const fs::path& dir)
{
    fs::create_directories(dir);
    bool ok = true;
    ok &= EscribeOggTono((dir / "UnaMitad.ogg").string(), 2, kTasa, kCuarto, 440.0f);
    ok &= EscribeOggTono((dir / "TresMitades.ogg").string(), 2, kTasa, 3 * kCuarto, 440.0f);
    ok &= EscribeOggTono((dir / "MonoImpar.ogg").string(), 1, 22051, 22051, 330.0f);
    ok &= EscribeOggTono((dir / "Silencio.ogg").string(), 2, kTasa, 4 * kCuarto, 0.0f);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--pruebas") == 0) return Pruebas(argv[2]) ? 0 : 1;
    if (!CompruebaRegistro()) return 1;
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& [nombre, receta] : Filas())
            std::printf("%s%s\n", nombre.c_str(), receta ? "" : "  (no recipe: silence)");
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: mg_sounds STAGE NAME... | mg_sounds --list | mg_sounds --pruebas DIR\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i)
        if (!Hace(argv[1], argv[i])) return 1;
    return 0;
}
