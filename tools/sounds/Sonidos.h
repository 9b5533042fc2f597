// The sound tool's registry: one recipe per sample or music piece, each
// under the name of its catalogue row (a MUESTRA or PIEZA row of
// engine/core/CatalogoMotor.def or game/CatalogoJuego.def). The build runs
// `mg_sounds <stage> <name>` for every such row.
#pragma once
#include "Sintesis.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sintesis {

// A sample: synthesised stereo, written as a WAV of 1 or 2 channels.
struct RegistroMuestra {
    RegistroMuestra(const char* nombre, int canales, std::function<Pista()> sintetiza);
};

// A music piece: written as a stereo Ogg Vorbis at the given quality.
struct RegistroPieza {
    RegistroPieza(const char* nombre, float calidad, std::function<Pista()> compone);
};

// Makes the row `nombre` (Windows or '/' form) below the stage: its recipe,
// or silence when it has none yet (which the content audit reports). False
// when the name is no sample or piece row, or the file cannot be written.
bool Hace(const std::string& etapa, const std::string& nombre);

// False (with a message) when a recipe is registered under a name that is
// no sample or piece row of the catalogues.
bool CompruebaRegistro();

// Every sample and piece row, and whether a recipe is registered for it.
std::vector<std::pair<std::string, bool>> Filas();

// ---- shared by the recipes ----

// A quarter of a second: the music files last whole quarters so that the
// streamer's halves end exactly where the music does.
constexpr size_t kCuarto = kTasa / 4;

struct Nota {
    float tiempo; // beats from the start of the bar
    int tono;     // MIDI
    float dur;    // beats
};

struct Compas {
    std::vector<int> acorde; // pad notes
    int bajo;
    std::vector<Nota> melodia;
};

enum Instrumentos { CAMPANA = 1, PULSADA = 2, CAJA = 4, COLCHON = 8, ARPEGIO_CORCHEAS = 16 };

// Renders bars at `bpm` (4 beats a bar) into a seamless loop of whole
// quarters of a second.
Pista Compone(const std::vector<Compas>& compases, float bpm, int inst, float reverb);

} // namespace sintesis
