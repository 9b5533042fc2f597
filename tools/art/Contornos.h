// Words of a TrueType font as Cairo paths: the glyphs' outlines read with
// FreeType (no font configuration, nothing cached), for the few pictures
// that carry a name (the game's title and its makers' marks).
#pragma once
#include <cairo.h>

#include <string>

namespace art {

// Appends the outline of the text (one line, Latin-1 capitals and digits
// at least) to the current path: `tam` pixels high, its baseline centred
// on (cx, y), with `espacio` more pixels between letters. False when the
// font cannot be read.
bool PalabraTrueType(cairo_t* cr, const char* szFuente, const std::string& texto, double cx, double y, double tam,
                     double espacio);

} // namespace art
