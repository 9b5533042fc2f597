// The cast's models (skin, hair and its cut, clothes, headwear, eyes), one
// per character, shared by every painter of a character so that a portrait,
// an illustration, a mood picture and a whole figure match. Models are
// numbered in the level files' key order: 0 Maida, 1 Aldunia, 2 Irina,
// 3 Adeletia, 4 Alfatima, 5 Franz, 6 Stokinnen, 7 the assassin, 8 Teresia,
// 9 the soldier, 10 Teresia saved.
#pragma once
#include "Pinceles.h"

#include <cairo.h>

namespace art {

int NumModelos();
// The shoulders' half width, in head radii.
double AnchoModelo(int modelo);
// The hooded assassin: eyes that glow out of the shadow.
bool ModeloEncapuchado(int modelo);
Color IrisModelo(int modelo);
// A standing figure's height from its feet to the top of its head (or hat),
// in head radii.
double AltoFiguraModelo(int modelo);

// A standing figure, feet at `pies`, head radius r, centred on cx; its head
// centre is 6.2 r above the feet and its eyes 0.36 r each side of cx and
// 0.08 r below the head centre. gesto: 0 normal, 1 happy, 2 sad. `vuelo`
// is the hem's width in shoulders (1.5 the portraits' own).
void FiguraModelo(cairo_t* cr, int modelo, double cx, double pies, double r, int gesto, double vuelo,
                  bool bSinOjosNiBoca);
// The model of a character of the registry (game/Personajes.h) by its name;
// Maida's for a name it lacks.
int ModeloDePersonaje(const char* nombre);
// The model's clothes: their colour, their shade and their trim.
void RopaModelo(int modelo, Color* ropa, Color* oscura, Color* adorno);

// Where a whole figure stands and how wide it is, for what a picture paints
// round it (a shadow, a mantle's train).
struct GeometriaFigura {
    double hombroY = 0;      // the shoulders' height
    double medioHombros = 0; // half the shoulders' width
    double medioBajo = 0;    // half the hem's width
    double cabezaY = 0;      // the head's centre
};
// A story character's whole figure, face included, in its normal mood,
// standing with its feet at (pieX, pieY), at most `alto` high from its feet
// to the top of its head or hat and `medioAncho` wide on each side of pieX.
// It is painted by the painter of the character's scene pictures (Maida's
// and Stokinnen's own, the portraits' models for the rest), so a whole
// figure is the character the scenes and the portraits show. `nombre` is
// the character registry's name.
GeometriaFigura MideFiguraEntera(const char* nombre, double pieX, double pieY, double alto, double medioAncho);
GeometriaFigura FiguraEntera(cairo_t* cr, const char* nombre, double pieX, double pieY, double alto,
                             double medioAncho);

// One eye of the model at (x, y) for head radius r, open by `abierto`
// (1 open .. 0 closed).
void OjoModelo(cairo_t* cr, int modelo, double x, double y, double r, double abierto);

} // namespace art
