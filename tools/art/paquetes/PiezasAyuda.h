// The pieces of play as the help draws them: the animated pages move them
// (Secuencias.cpp) and the help panel's pictures show them (Ayuda.cpp).
#pragma once
#include "Arte.h"

namespace art::piezas {

// A faceted diamond of one piece colour (light, middle and dark tones).
Painter Diamante(unsigned claro, unsigned medio, unsigned oscuro);
void Esquirla(cairo_t* cr, double w, double h);
// The wand; its tip (the hotspot) at (6, 6).
void Varita(cairo_t* cr, double w, double h);
void Sello(cairo_t* cr, double w, double h);
void Maldicion(cairo_t* cr, double w, double h);
void Moneda(cairo_t* cr, double w, double h);

} // namespace art::piezas
