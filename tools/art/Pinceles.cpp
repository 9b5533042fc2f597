// Painting helpers shared by the package descriptions.
#include "Pinceles.h"

#include <cmath>
#include <cstring>

namespace art {

Color Hex(unsigned rgb, double a)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, a};
}

Color Mezcla(const Color& x, const Color& y, double t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

void Fuente(cairo_t* cr, const Color& c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void RectRedondeado(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::fmin(r, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

static void Paradas(cairo_pattern_t* p, std::initializer_list<Parada> stops)
{
    for (const auto& s : stops) cairo_pattern_add_color_stop_rgba(p, s.at, s.c.r, s.c.g, s.c.b, s.c.a);
}

static void UsaPatron(cairo_t* cr, cairo_pattern_t* p)
{
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void DegradadoV(cairo_t* cr, double y0, double y1, std::initializer_list<Parada> stops)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    Paradas(p, stops);
    UsaPatron(cr, p);
}

void DegradadoH(cairo_t* cr, double x0, double x1, std::initializer_list<Parada> stops)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    Paradas(p, stops);
    UsaPatron(cr, p);
}

void DegradadoRadial(cairo_t* cr, double cx, double cy, double r, std::initializer_list<Parada> stops)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    Paradas(p, stops);
    UsaPatron(cr, p);
}

void Ajedrez(cairo_t* cr, double w, double h, double cell, const Color& a, const Color& b)
{
    Fuente(cr, a);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    Fuente(cr, b);
    for (int j = 0; j * cell < h; ++j)
        for (int i = 0; i * cell < w; ++i)
            if ((i + j) % 2) cairo_rectangle(cr, i * cell, j * cell, cell, cell);
    cairo_fill(cr);
}

namespace {

// Glyphs on a grid 2 wide and 4 tall (y down): polylines separated by '|'.
struct Glifo {
    char c;
    const char* trazos;
};
const Glifo kGlifos[] = {
    {'A', "0,4 0,0 2,0 2,4|0,2 2,2"},
    {'E', "2,0 0,0 0,4 2,4|0,2 1.5,2"},
    {'G', "2,0 0,0 0,4 2,4 2,2 1,2"},
    {'I', "1,0 1,4|0.4,0 1.6,0|0.4,4 1.6,4"},
    {'M', "0,4 0,0 1,2 2,0 2,4"},
    {'N', "0,4 0,0 2,4 2,0"},
    {'O', "0,0 2,0 2,4 0,4 0,0"},
    {'P', "0,4 0,0 2,0 2,2 0,2"},
    {'R', "0,4 0,0 2,0 2,2 0,2|1,2 2,4"},
    {'S', "2,0 0,0 0,2 2,2 2,4 0,4"},
    {'T', "0,0 2,0|1,0 1,4"},
    {'?', "0,1 0,0 2,0 2,2 1,2 1,3|1,3.6 1,4"},
};

const char* Trazos(char c)
{
    for (const auto& g : kGlifos)
        if (g.c == c) return g.trazos;
    return nullptr;
}

} // namespace

double AnchoLetras(const std::string& text, double size)
{
    const double u = size / 4;
    return text.empty() ? 0 : text.size() * 2 * u + (text.size() - 1) * u;
}

void Letras(cairo_t* cr, const std::string& text, double x, double y, double size)
{
    const double u = size / 4;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (char c : text) {
        if (const char* t = Trazos(c)) {
            bool nuevo = true;
            while (*t) {
                if (*t == '|') {
                    nuevo = true;
                    ++t;
                    continue;
                }
                char* fin = nullptr;
                double gx = std::strtod(t, &fin);
                t = fin + 1; // the comma
                double gy = std::strtod(t, &fin);
                t = fin;
                while (*t == ' ') ++t;
                if (nuevo) cairo_move_to(cr, x + gx * u, y + gy * u);
                else cairo_line_to(cr, x + gx * u, y + gy * u);
                nuevo = false;
            }
        }
        x += 3 * u;
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Destello(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    cairo_save(cr);
    DegradadoRadial(cr, cx, cy, r, {{0, c}, {1, Color{c.r, c.g, c.b, 0}}});
    const double k = r * 0.18;
    cairo_move_to(cr, cx, cy - r);
    cairo_curve_to(cr, cx + k, cy - k, cx + k, cy - k, cx + r, cy);
    cairo_curve_to(cr, cx + k, cy + k, cx + k, cy + k, cx, cy + r);
    cairo_curve_to(cr, cx - k, cy + k, cx - k, cy + k, cx - r, cy);
    cairo_curve_to(cr, cx - k, cy - k, cx - k, cy - k, cx, cy - r);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace art
