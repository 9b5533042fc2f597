// mg_art <stage folder> <step>...: draws the pictures and packages of the
// named steps into the stage folder ("step=file" for a step that draws from
// another tool's output). `mg_art --list` names the steps.
#include "Arte.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& n : art::NombresPasos()) std::printf("%s\n", n.c_str());
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: mg_art <stage folder> <step>...\n       mg_art --list\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i)
        if (!art::EjecutaPaso(argv[1], argv[i])) return 1;
    return 0;
}
