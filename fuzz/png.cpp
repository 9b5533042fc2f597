// Fuzzes the PNG reader: any byte sequence stored as a data file and read
// through the data file system and our read callback, header alone and
// whole, with and without the opacity key.
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/LectorPNG.h"
#include "platform/Paths.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct Entorn {
    std::string carpeta;
    CSistemaFitxers fitxers;
    Entorn()
    {
        carpeta = (std::filesystem::temp_directory_path() / ("mg_fuzz_png_" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(carpeta);
        plat::SetDataRoot(carpeta);
        fitxers.Inicia("Kestrune", "Marrowgate");
        g_pSistemaFitxers = &fitxers;
    }
    ~Entorn()
    {
        g_pSistemaFitxers = nullptr;
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Entorn entorn;
    std::string ruta = entorn.carpeta + "/Imatge.png";
    FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    ImatgePNG capcalera;
    bool bCapcalera = LlegeixFitxerPNG("IMATGE.PNG", true, false, &capcalera);
    if (bCapcalera && (capcalera.iAmplada < 1 || capcalera.iAlcada < 1 || capcalera.iAmplada > kMidaMaximaPNG ||
                       capcalera.iAlcada > kMidaMaximaPNG || !capcalera.aTexels.empty()))
        __builtin_trap();
    for (bool bOpac : {false, true}) {
        ImatgePNG imatge;
        if (!LlegeixFitxerPNG("Imatge.png", false, bOpac, &imatge)) continue;
        // Whatever was converted covers the image exactly.
        if (!imatge.aTexels.empty() &&
            imatge.aTexels.size() != static_cast<size_t>(imatge.iAmplada) * static_cast<size_t>(imatge.iAlcada))
            __builtin_trap();
        if (imatge.iAmplada != capcalera.iAmplada || imatge.iAlcada != capcalera.iAlcada) __builtin_trap();
        for (uint32_t t : imatge.aTexels) {
            if (bOpac && (t >> 24) != 255) __builtin_trap();
            if (!bOpac && (t >> 24) == 0 && t != 0) __builtin_trap(); // transparent texels are black
        }
    }
    return 0;
}
