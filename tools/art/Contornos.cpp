#include "Contornos.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <vector>

namespace art {
namespace {

// FreeType works in 26.6 fixed point, y up.
struct Trazo {
    cairo_t* cr;
    double x0, y0, escala;
    double X(const FT_Vector* v) const { return x0 + v->x / 64.0 * escala; }
    double Y(const FT_Vector* v) const { return y0 - v->y / 64.0 * escala; }
};

int Mueve(const FT_Vector* to, void* u)
{
    auto* t = static_cast<Trazo*>(u);
    cairo_close_path(t->cr);
    cairo_move_to(t->cr, t->X(to), t->Y(to));
    return 0;
}

int Linea(const FT_Vector* to, void* u)
{
    auto* t = static_cast<Trazo*>(u);
    cairo_line_to(t->cr, t->X(to), t->Y(to));
    return 0;
}

int Conica(const FT_Vector* c, const FT_Vector* to, void* u)
{
    auto* t = static_cast<Trazo*>(u);
    double x0 = 0, y0 = 0;
    cairo_get_current_point(t->cr, &x0, &y0);
    const double cx = t->X(c), cy = t->Y(c), x = t->X(to), y = t->Y(to);
    cairo_curve_to(t->cr, x0 + 2.0 / 3.0 * (cx - x0), y0 + 2.0 / 3.0 * (cy - y0), x + 2.0 / 3.0 * (cx - x),
                   y + 2.0 / 3.0 * (cy - y), x, y);
    return 0;
}

int Cubica(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* u)
{
    auto* t = static_cast<Trazo*>(u);
    cairo_curve_to(t->cr, t->X(c1), t->Y(c1), t->X(c2), t->Y(c2), t->X(to), t->Y(to));
    return 0;
}

} // namespace

bool PalabraTrueType(cairo_t* cr, const char* szFuente, const std::string& texto, double cx, double y, double tam,
                     double espacio)
{
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib)) return false;
    FT_Face cara = nullptr;
    if (FT_New_Face(lib, szFuente, 0, &cara)) {
        FT_Done_FreeType(lib);
        return false;
    }
    // Glyphs are read at a fixed size and scaled, so the shapes do not
    // depend on hinting.
    constexpr int kTamLectura = 256;
    FT_Set_Pixel_Sizes(cara, 0, kTamLectura);
    const double escala = tam / kTamLectura;
    // The width first, to centre the line.
    std::vector<double> avances;
    double ancho = 0;
    for (unsigned char c : texto) {
        double a = 0;
        if (!FT_Load_Char(cara, c, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING)) a = cara->glyph->advance.x / 64.0 * escala;
        avances.push_back(a);
        ancho += a + espacio;
    }
    if (!texto.empty()) ancho -= espacio;
    const FT_Outline_Funcs funcs = {Mueve, Linea, Conica, Cubica, 0, 0};
    double x = cx - ancho / 2;
    size_t i = 0;
    for (unsigned char c : texto) {
        if (!FT_Load_Char(cara, c, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING)) {
            Trazo t{cr, x, y, escala};
            cairo_new_sub_path(cr);
            FT_Outline_Decompose(&cara->glyph->outline, &funcs, &t);
            cairo_close_path(cr);
        }
        x += avances[i++] + espacio;
    }
    FT_Done_Face(cara);
    FT_Done_FreeType(lib);
    return true;
}

} // namespace art
