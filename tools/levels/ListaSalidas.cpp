// Lists the level tool's outputs from its sources, for the build:
//   mg_levels_lista <data folder>
#include "Salidas.h"

#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    try {
        for (const std::string& s : niveles::SalidasNiveles(argv[1]))
            std::printf("%s\n", s.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
