// Lists the level tool's outputs from its sources, for the build:
//   mg_levels_lista <data folder> niveles|sellos
#include "Salidas.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder> niveles|sellos\n", argv[0]);
        return 2;
    }
    try {
        const bool sellos = std::strcmp(argv[2], "sellos") == 0;
        for (const std::string& s : sellos ? niveles::SalidasSellos(argv[1]) : niveles::SalidasNiveles(argv[1]))
            std::printf("%s\n", s.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
