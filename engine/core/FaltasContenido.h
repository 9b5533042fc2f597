// What the running game asked for and did not find: a sprite package whose
// file is missing, a sprite a package does not hold, a picture file, a text
// code missing from a language's table, a sound or music slot name the bank
// does not hold. Each stands in for something (a placeholder picture, a
// marker text, the bank's default slot), so nothing fails; the list says
// what to make. The content audit reads it after opening every screen.
#pragma once
#include <string>
#include <vector>

enum class TipoFalta {
    Paquete,      // a package whose file is missing
    Sprite,       // "package#slot": a slot the package does not hold
    Imagen,       // a picture file that is missing or does not decode whole
    Texto,        // "CODE@language key"
    RanuraSonido, // a sound slot name
    RanuraMusica, // a music slot name
};

struct FaltaContenido {
    TipoFalta tipo;
    std::string nombre;
    bool operator==(const FaltaContenido&) const = default;
};

// Notes a fault once (later notes of the same one are dropped): true when
// it was not noted yet. Any thread.
bool AnotaFaltaContenido(TipoFalta tipo, const std::string& nombre);
// The faults noted so far, in order, and a fresh start.
std::vector<FaltaContenido> FaltasContenido();
void OlvidaFaltasContenido();
const char* NombreTipoFalta(TipoFalta tipo);
