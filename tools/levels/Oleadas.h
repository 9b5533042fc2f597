// The wave files of the attacks levels: fifty stored waves per difficulty,
// growing in number and kinds of curses through the game. A wave file saved
// by the wave editor and put among the sources takes the place of the
// generated one.
#pragma once
#include "Curva.h"

namespace niveles {

std::vector<Salida> GeneraOleadas(const std::string& fuentes);

} // namespace niveles
