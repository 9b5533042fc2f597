// The engine preferences file: whatever Preferencias.PRF holds, every
// binding that is loaded lies in the ranges its users index with, and the
// volumes stay in 0..1.
#include "engine/core/GestorComandes.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Paths.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
std::filesystem::path g_home;
void BorraCarpeta()
{
    std::error_code ec;
    std::filesystem::remove_all(g_home, ec);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::string ruta = [] {
        g_home = std::filesystem::temp_directory_path() / ("mg_fuzz_prefs_" + std::to_string(getpid()));
        setenv("XDG_DATA_HOME", g_home.c_str(), 1);
        std::atexit(BorraCarpeta);
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pSistemaFitxers->Inicia("Kestrune", "Marrowgate");
        g_pGestorComandes = new CGestorComandes;
        g_pGestorComandes->Inicia();
        return plat::ResolvePath(CPreferencias::RutaFichero());
    }();
    if (FILE* f = std::fopen(ruta.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    CPreferencias p;
    p.Carga();
    for (AsignacionControl& a : p.m_aControles) {
        if (!a.EsValida()) std::abort();
        a.NombreVisible();
    }
    if (!(p.m_fVolMusica >= 0.0f && p.m_fVolMusica <= 1.0f) || !(p.m_fVolSonido >= 0.0f && p.m_fVolSonido <= 1.0f))
        std::abort();
    return 0;
}
