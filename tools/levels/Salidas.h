// What the tool writes, worked out from the sources alone: the build lists
// these as the data step's outputs.
#pragma once
#include <string>
#include <vector>

namespace niveles {

// Below the data stage, with '/' separators: the level files, the figure
// files and the wave files.
std::vector<std::string> SalidasNiveles(const std::string& fuentes);
// Picture names of the seal sources, in order.
std::vector<std::string> ImagenesSellos(const std::string& fuentes);

// The wave file of a difficulty's attacks levels.
std::string RutaOleadas(int dificultad);
std::string RutaImagenSello(const std::string& imagen);

} // namespace niveles
