// Pieces that many packages share: a sprite centred on its hotspot, a
// package of one sprite, the gold of the frames, the icons' medallion and
// the wordless title cartouche that sits on the title bar's dark pill.
#pragma once
#include "Arte.h"
#include "Pinceles.h"

#include <functional>

namespace art {

// Sprite `slot` of w by h with its hotspot in the middle.
Sprite Centrado(int slot, int w, int h, Painter p);
// A package of that one sprite, shown still.
Paquete UnSprite(const char* comentario, Sprite s);
// Strokes the current path in ink.
void ContornoTinta(cairo_t* cr, double ancho);
// Fills the current path with the current source, then strokes its edge
// `ancho` wide in `borde`.
void RellenaYPerfila(cairo_t* cr, const Color& borde, double ancho);
// Gold from light to shadow down a span, as the frames' metal: the source.
void OroV(cairo_t* cr, double y0, double y1);
// The icons' medallion: a gilded ring round a night-blue disc with a soft
// light behind whatever it holds, radius r. The disc covers what lies behind
// it with the given opacity.
void Medallon(cairo_t* cr, double cx, double cy, double r, double opacidadDisco = 1.0);
// The disc's opacity of icons that may show locked: a locked icon is drawn
// all black, and what its medallion holds then stands out as a silhouette
// against the dimmed disc instead of vanishing into one black disc.
constexpr double kDiscoIconoBloqueable = 0.3;

// The wordless titles: a cartouche of gold scrolls round an emblem that
// `emblema` paints at the centre it is given, in a w by h sprite of
// kAnchoTitulo by kAltoTitulo.
constexpr int kAnchoTitulo = 380, kAltoTitulo = 48;
void Cartela(cairo_t* cr, double w, double h, const std::function<void(double, double)>& emblema);
// The round gold shield at the middle of a cartouche.
void Escudo(cairo_t* cr, double cx, double cy, double r);
// A title package: the cartouche round an emblem.
Paquete Titulo(const char* comentario, const std::function<void(cairo_t*, double, double)>& emblema);

} // namespace art
