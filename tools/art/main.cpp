// mg_art <stage folder> <name>...: draws the packages and pictures of the
// named catalogue rows into the stage folder. `mg_art --list` names every
// package and picture row and whether a painter is registered for it.
#include "Arte.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (!art::CompruebaRegistro()) return 1;
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& [name, painted] : art::Filas())
            std::printf("%s%s\n", name.c_str(), painted ? "" : "  (no painter: placeholder)");
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: mg_art <stage folder> <name>...\n       mg_art --list\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i)
        if (!art::Dibuja(argv[1], argv[i])) return 1;
    return 0;
}
