// The art tool's model: pictures drawn by painters, sprite packages made of
// them, and the registry of the steps that the build runs.
//
// A new package is a description: its .SPM and atlas names, a list of
// sprites (slot, size, hotspot, painter) and its animations. The tool packs
// the sprites into one PNG atlas and writes the .SPM that points into it.
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

struct Animacion {
    int index = 0;
    std::vector<std::pair<int, int>> frames; // (slot, milliseconds)
};

struct Paquete {
    std::string spm;   // data name of the package, Windows form
    std::string atlas; // data name of its picture, Windows form
    std::string comment;
    std::vector<Sprite> sprites;
    std::vector<Animacion> animations;
};

// A lone picture (not a package): the engine's placeholders.
struct Imagen {
    std::string name; // data name, Windows form
    int w = 0, h = 0;
    Painter paint;
};

struct Salida {
    std::vector<Paquete> packages;
    std::vector<Imagen> images;
};

// Registers a step under a name; the build runs `mg_art <stage> <name>`.
struct RegistroPaso {
    RegistroPaso(const char* name, std::function<Salida()> make);
};

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

// Runs one registered step, named alone or as "name=argument"; the names of
// all steps.
bool EjecutaPaso(const std::string& stage, const std::string& paso);
// The argument of the step that runs (empty without one): the file a step
// draws from when another tool made its input.
const std::string& ArgumentoPaso();
std::vector<std::string> NombresPasos();

} // namespace art
