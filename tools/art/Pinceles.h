// Painting helpers shared by the package descriptions.
#pragma once
#include <cairo.h>

#include <initializer_list>
#include <string>

namespace art {

struct Color {
    double r, g, b, a = 1.0;
};
// 0xRRGGBB with an alpha.
Color Hex(unsigned rgb, double a = 1.0);
Color Mezcla(const Color& x, const Color& y, double t);

void Fuente(cairo_t* cr, const Color& c);

// Path of a rounded rectangle.
void RectRedondeado(cairo_t* cr, double x, double y, double w, double h, double r);

struct Parada {
    double at;
    Color c;
};
// Vertical (y0 to y1) or horizontal linear gradient as the current source.
void DegradadoV(cairo_t* cr, double y0, double y1, std::initializer_list<Parada> stops);
void DegradadoH(cairo_t* cr, double x0, double x1, std::initializer_list<Parada> stops);
// Radial gradient from (cx, cy) out to radius r.
void DegradadoRadial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Parada> stops);

// A checkerboard of two colours over the whole w by h area.
void Ajedrez(cairo_t* cr, double w, double h, double cell, const Color& a, const Color& b);

// Capital letters, digits and '?' drawn as strokes, each glyph `size`
// tall and size * 0.6 wide, starting at (x, y) (top-left); the current
// source and line width are used.
void Letras(cairo_t* cr, const std::string& text, double x, double y, double size);
double AnchoLetras(const std::string& text, double size);

// A four-pointed sparkle centred on (cx, cy).
void Destello(cairo_t* cr, double cx, double cy, double r, const Color& c);

} // namespace art
