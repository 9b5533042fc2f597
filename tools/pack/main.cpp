// mg_pack STAGE DATAROOT
// Packs the folder tree STAGE into the archive and its index in DATAROOT
// (the catalogue's fichero::ARCHIVO and fichero::INDICE_ARCHIVO); files at
// the top of STAGE are copied loose into DATAROOT. A missing or empty STAGE
// gives an empty archive.
#include "engine/core/ArxiuEmpaquetat.h"
#include "engine/core/CatalogoMotor.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mg_pack STAGE DATAROOT\n");
        return 2;
    }
    fs::path stage = argv[1], arrel = argv[2];
    std::error_code ec;
    fs::create_directories(arrel, ec);
    // Written beside the final names and renamed once complete, so that a
    // failed run never leaves half an archive behind.
    const fs::path arxiu = arrel / motor::fichero::ARCHIVO, index = arrel / motor::fichero::INDICE_ARCHIVO;
    fs::path arxiuTmp = arxiu, indexTmp = index;
    arxiuTmp += ".tmp";
    indexTmp += ".tmp";
    std::vector<std::string> solts;
    std::string error;
    if (!EmpaquetaCarpeta(stage.string(), arxiuTmp.string(), indexTmp.string(), &solts, &error)) {
        std::fprintf(stderr, "mg_pack: %s\n", error.c_str());
        fs::remove(arxiuTmp, ec);
        fs::remove(indexTmp, ec);
        return 1;
    }
    fs::rename(arxiuTmp, arxiu, ec);
    if (!ec) fs::rename(indexTmp, index, ec);
    if (ec) {
        std::fprintf(stderr, "mg_pack: cannot place the archive in %s: %s\n", arrel.string().c_str(), ec.message().c_str());
        return 1;
    }
    for (const std::string& nom : solts) {
        fs::copy_file(stage / nom, arrel / nom, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "mg_pack: cannot copy %s: %s\n", nom.c_str(), ec.message().c_str());
            return 1;
        }
    }
    return 0;
}
