// The levels: from what the sources say each chapter introduces and how each
// difficulty hardens, the tool derives every number of the 276 level files.
// Targets are what the player model scores in the lines a stage asks for;
// time limits are the worst of 64 seeds of the game's generator plus the
// difficulty's margin; par is the median seed's line count.
#pragma once
#include "Formas.h"

#include <map>
#include <string>
#include <vector>

namespace niveles {

struct Salida {
    std::string ruta;     // below the data stage, '\' separators
    std::string texto;
};

struct ResultadoCurva {
    std::vector<Salida> ficheros;
    std::string informe;  // by chapter and difficulty
};

// Figures already built from their sources, by file name below Data\Tapices.
using Figuras = std::map<std::string, const Figura*>;

ResultadoCurva GeneraNiveles(const std::string& fuentes, const Figuras& figuras);

} // namespace niveles
