// Shapes the menus, boxes and backgrounds share: gilded frames around a
// night-blue body, gold scrollwork, the invented runes of the seals, stars,
// soft glows and the moon.
#pragma once
#include "Pinceles.h"

namespace art {

// A rounded panel: a bevelled gold rim of width `borde` around a night-blue
// body, with a fine light line inside the rim.
void MarcoDorado(cairo_t* cr, double x, double y, double w, double h, double r, double borde);

// A gold scroll (an S of two curls) from (x, y) along the direction `ang`,
// `largo` long; `lado` flips it.
void Voluta(cairo_t* cr, double x, double y, double largo, double ang, int lado, double grosor);

// A small four-sided gold stud with a light facet.
void Tachuela(cairo_t* cr, double cx, double cy, double r);

// Rune n of the seals' invented script, `alto` tall, centred on (cx, cy),
// upright when `ang` is 0. Stroked with the current source.
void Runa(cairo_t* cr, int n, double cx, double cy, double alto, double ang, double grosor);

// A soft round glow: colour c at the centre fading out at radius r.
void Resplandor(cairo_t* cr, double cx, double cy, double r, const Color& c);

// n stars scattered (by a fixed seed) in the rectangle, avoiding the ellipse
// of radii (rx, ry) around the field's middle when they are not 0.
void Estrellas(cairo_t* cr, double x, double y, double w, double h, int n, unsigned semilla, double rx, double ry);

// The moon: a glowing disc, with a shadow that makes a crescent when
// `creciente` is above 0.
void Luna(cairo_t* cr, double cx, double cy, double r, double creciente);

// A deterministic random number in [0, 1) for a seed and an index.
double Azar(unsigned semilla, int i);

} // namespace art
