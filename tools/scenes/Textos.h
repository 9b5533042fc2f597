// The text tables the game reads: each language's table written in data/
// (UTF-8) with the texts of every scene appended, stored in the game's
// character set. A code written twice, or a table over the 4096 texts the
// game keeps (it would drop the rest without a word), fails the build.
#pragma once
#include "FuenteEscena.h"

#include <string>
#include <vector>

namespace escena {

constexpr int kMaxTextosTabla = 4096;

struct LineaEscena {
    std::string codigo;
    std::string texto; // UTF-8
    std::string origen;
    int linea = 0;
};

// The table source's text with the scenes' lines of one language appended,
// in Windows-1252; false with the faults when it cannot be made.
bool ConstruyeTabla(const std::string& base, const std::string& nombreBase, const std::vector<LineaEscena>& lineas,
                    std::string* salida, std::vector<Fallo>* fallos);

} // namespace escena
