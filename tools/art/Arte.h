// The art tool's model: pictures drawn by painters, sprite packages made of
// them, and the registry of painters by catalogue name.
//
// Every package and picture is a row of a content catalogue
// (engine/core/CatalogoMotor.def, game/CatalogoJuego.def); the build runs
// `mg_art <stage> <name>` for each row. A package's painter is a
// description: a list of sprites (slot, size, hotspot, painter) and its
// animations. The tool packs the sprites into one PNG atlas beside the .SPM
// (same name, extension .png) and writes the .SPM that points into it.
#pragma once
#include <cairo.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace art {

// Draws into a cleared ARGB surface of w by h pixels.
using Painter = std::function<void(cairo_t* cr, double w, double h)>;

// Sprite modes of the .SPM format.
enum { MODO_NORMAL = 0, MODO_ESPEJO = 1, MODO_OPACO = 2 };

struct Sprite {
    int slot = 0;
    int w = 0, h = 0;
    double hx = 0, hy = 0;
    Painter paint;
    int mode = MODO_NORMAL;
};

// A slot that is a text of the text tables, rendered by the game in the
// current language (a TXTFLI record): a box of w by h points, alignments 0
// left/top, 1 centre, 2 right/bottom, a font, the four-character code.
struct TextoFLI {
    int slot = 0;
    double w = 0, h = 0;
    int alineaH = 1, alineaV = 1;
    int font = 0;
    std::string codigo;
    double hx = 0, hy = 0;
    double escalaX = 1, escalaY = 1;
};

struct Animacion {
    int index = 0;
    std::vector<std::pair<int, int>> frames; // (slot, milliseconds)
};

struct Paquete {
    std::string spm;   // data name of the package, Windows form (filled in from its row)
    std::string atlas; // data name of its picture, Windows form (likewise)
    std::string comment;
    std::vector<Sprite> sprites;
    std::vector<TextoFLI> textos;
    std::vector<Animacion> animations;
};

// A lone picture (not a package), such as the engine's placeholders.
struct Imagen {
    std::string name; // data name, Windows form
    int w = 0, h = 0;
    Painter paint;
};

// ---- the registry: one painter per catalogue row ----

// Registers the description of the package `name`, a PAQUETE row's
// constant; its .SPM and atlas names are filled in from the row.
struct RegistroPaquete {
    RegistroPaquete(const char* name, std::function<Paquete()> describe);
};

// Registers the painter of the lone picture `name`, an IMAGEN or MARCADOR
// row's constant, drawn at w by h pixels.
struct RegistroImagen {
    RegistroImagen(const char* name, int w, int h, Painter paint);
};

// Draws the catalogue row `name` (Windows or '/' form) into the stage: its
// registered painter, or a placeholder when it has none yet (the engine's
// "package not found" or "picture not found" picture, which the content
// audit reports). False when the name is no package or picture row of a
// catalogue, or when a file cannot be written.
bool Dibuja(const std::string& stage, const std::string& name);

// False (with a message) when a painter is registered under a name that is
// no package or picture row of the catalogues.
bool CompruebaRegistro();

// Every package and picture row, and whether a painter is registered for it.
std::vector<std::pair<std::string, bool>> Filas();

// ---- building blocks for descriptions ----

// n frames of one animated sprite, slots first..first+n-1; the painter gets
// the frame number and the count.
using PainterFrame = std::function<void(cairo_t* cr, double w, double h, int frame, int count)>;
void AnadeFrames(Paquete& p, int first, int count, int w, int h, double hx, double hy,
                 const PainterFrame& paint);

// A nine-slice frame in slots first..first+8 (corners 0-3: top-left,
// top-right, bottom-left, bottom-right; edges 4-7: top, bottom, left,
// right; 8 centre), every piece with its hotspot at its top-left corner.
// `panel` draws a whole panel of (left + mid + right) by (top + mid +
// bottom) pixels, which is cut into the nine pieces; what it draws along
// the middle band must not vary along the edge, so that edges stretch.
struct Bordes {
    int left, right, top, bottom, mid;
};
void AnadeNueveTrozos(Paquete& p, int first, const Bordes& b, const Painter& panel);

// An ARGB surface painted once (shared by the painters that cut it).
std::shared_ptr<cairo_surface_t> Pinta(int w, int h, const Painter& paint);

// ---- writing ----

// Turns a Windows-style data name into a path below the stage folder.
std::string RutaEnStage(const std::string& stage, const std::string& name);
bool EscribeImagen(const std::string& stage, const Imagen& img);
bool EscribePaquete(const std::string& stage, const Paquete& p);


} // namespace art
