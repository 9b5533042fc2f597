// Content catalogues: every content name the code uses (sprite packages,
// pictures, fonts, text codes, sound and music slots, samples and data
// files) is written once, as a row of a catalogue file (.def), and taken
// from there by code, tools, tests and the build:
//   - code reads a row as a named constant, motor::paquete::CURSOR_INGAME;
//   - tests walk a catalogue as an array of FilaCatalogo (the content audit);
//   - the data tools find what to make from the rows, and cmake/Catalogo.cmake
//     reads the same rows for the data pipeline's output lists.
// The engine's rows are engine/core/CatalogoMotor.def (namespace motor), the
// game's game/CatalogoJuego.def (namespace juego). This header only holds
// what both share; it is header-only, so the data tools use it without
// linking the engine.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The kinds of row, one per macro of a .def file.
enum class TipoContenido {
    Paquete,        // PAQUETE: sprite package (.SPM) drawn by tools/art, with its atlas
    Imagen,         // IMAGEN: lone picture (.png) drawn by tools/art
    Marcador,       // MARCADOR: picture the engine shows in place of missing art
    Fuente,         // FUENTE: bitmap font (.Set) rendered by tools/fonts
    TablaTextos,    // TABLA_TEXTOS: text table (.FLI) converted from data/Textos
    Texto,          // TEXTO: four-character text code
    TextosTecla,    // TEXTOS_TECLA: one text code per key, from a format of the key code
    RanuraSonido,   // RANURA_SONIDO: sound slot name
    RanuraMusica,   // RANURA_MUSICA: music slot name
    Muestra,        // MUESTRA: sound sample (.wav) synthesised by tools/sounds
    Pieza,          // PIEZA: music piece (.ogg) composed by tools/sounds
    Fichero,        // FICHERO: data file written in data/ or by the pipeline
    FicheroUsuario, // FICHERO_USUARIO: file of the per-user folder (a format when numbered)
};

struct FilaCatalogo {
    TipoContenido tipo;
    const char* clase;  // the class (or function) that uses the name
    const char* id;     // its constant, "paquete::CURSOR_INGAME"
    const char* nombre; // the name itself
};

constexpr const char* NombreTipoContenido(TipoContenido t)
{
    switch (t) {
    case TipoContenido::Paquete: return "package";
    case TipoContenido::Imagen: return "picture";
    case TipoContenido::Marcador: return "placeholder picture";
    case TipoContenido::Fuente: return "font";
    case TipoContenido::TablaTextos: return "text table";
    case TipoContenido::Texto: return "text code";
    case TipoContenido::TextosTecla: return "key names";
    case TipoContenido::RanuraSonido: return "sound slot";
    case TipoContenido::RanuraMusica: return "music slot";
    case TipoContenido::Muestra: return "sound sample";
    case TipoContenido::Pieza: return "music piece";
    case TipoContenido::Fichero: return "data file";
    case TipoContenido::FicheroUsuario: return "per-user file";
    }
    return "?";
}

// The atlas picture that tools/art writes beside a package: the package's
// name with the extension .png.
inline std::string AtlasDePaquete(std::string_view paquete)
{
    const size_t punto = paquete.find_last_of('.');
    const size_t barra = paquete.find_last_of("\\/");
    const bool conExtension = punto != std::string_view::npos && (barra == std::string_view::npos || punto > barra);
    return std::string(conExtension ? paquete.substr(0, punto) : paquete) + ".png";
}

// A catalogue header expands its .def file inside its namespace:
//   namespace motor {
//   #define MG_CATALOGO_DEF "engine/core/CatalogoMotor.def"
//   #include "engine/core/CatalogoFilas.inc"
//   #undef MG_CATALOGO_DEF
//   }
// Each row becomes `namespace <kind> { inline constexpr const char* ID = name; }`
// and the entry {kind, "Class", "kind::ID", name} of the array kCatalogo.
