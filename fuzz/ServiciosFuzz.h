// Shared by the fuzz targets of file readers: the data file system (disk
// only, over a private temporary folder) and the command-file reader, started
// once; each input is written to a file there and read back by name.
#pragma once
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzz {

inline bool IniciaServiciosFicheros()
{
    static bool iniciado = false;
    if (iniciado) return true;
    std::string carpeta = "/tmp/mg_fuzz_" + std::to_string(getpid());
    if (!plat::MakeFolders(carpeta)) return false;
    plat::SetDataRoot(carpeta);
    g_pSistemaFitxers = new CSistemaFitxers;
    g_pGestorComandes = new CGestorComandes;
    std::atexit([] {
        delete g_pGestorComandes;
        g_pGestorComandes = nullptr;
        delete g_pSistemaFitxers;
        g_pSistemaFitxers = nullptr;
        std::error_code ec;
        std::filesystem::remove_all(plat::DataRoot(), ec);
    });
    iniciado = g_pSistemaFitxers->Inicia("Kestrune", "Marrowgate") && g_pGestorComandes->Inicia();
    return iniciado;
}

// Writes the input as `nom` below the data root; false on failure.
inline bool EscribeEntrada(const char* nom, const uint8_t* datos, size_t mida)
{
    std::string ruta = plat::DataRoot() + "/" + nom;
    FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) return false;
    bool ok = mida == 0 || std::fwrite(datos, 1, mida, f) == mida;
    return std::fclose(f) == 0 && ok;
}

} // namespace fuzz
