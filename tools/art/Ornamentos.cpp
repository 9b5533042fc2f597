#include "Ornamentos.h"

#include "Paleta.h"

#include <cmath>

namespace art {

double Azar(unsigned semilla, int i)
{
    unsigned x = semilla * 2654435761u + static_cast<unsigned>(i) * 40503u + 0x9E3779B9u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    x *= 3266489917u;
    x ^= x >> 16;
    return (x & 0xFFFFFF) / double(0x1000000);
}

void MarcoDorado(cairo_t* cr, double x, double y, double w, double h, double r, double borde)
{
    using namespace paleta;
    // the drop under the frame
    RectRedondeado(cr, x + 1, y + 3, w - 2, h - 3, r);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    // the rim, lit from above
    RectRedondeado(cr, x, y, w, h - 2, r);
    DegradadoV(cr, y, y + h,
               {{0, OroClaro}, {0.10, OroMedio}, {0.5, Oro}, {0.55, OroOscuro}, {0.9, OroMedio}, {1, OroOscuro}});
    cairo_fill(cr);
    RectRedondeado(cr, x + 0.5, y + 0.5, w - 1, h - 3, r);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // the body
    const double rb = std::fmax(r - borde * 0.6, 2.0);
    RectRedondeado(cr, x + borde, y + borde, w - 2 * borde, h - 2 * borde - 2, rb);
    DegradadoV(cr, y + borde, y + h - borde, {{0, Violeta}, {0.45, NocheAzul}, {1, Noche}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x05040F, 0.9));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // a fine light line inside the rim, and a sheen on the body's top half
    RectRedondeado(cr, x + borde + 3.5, y + borde + 3.5, w - 2 * borde - 7, h - 2 * borde - 9, std::fmax(rb - 3, 1.0));
    Fuente(cr, Hex(0xFFE9A8, 0.28));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_save(cr);
    RectRedondeado(cr, x + borde, y + borde, w - 2 * borde, (h - 2 * borde) * 0.45, rb);
    cairo_clip(cr);
    DegradadoV(cr, y + borde, y + borde + (h - 2 * borde) * 0.45,
               {{0, Hex(0xFFFFFF, 0.16)}, {1, Hex(0xFFFFFF, 0.0)}});
    cairo_paint(cr);
    cairo_restore(cr);
}

void Voluta(cairo_t* cr, double x, double y, double largo, double ang, int lado, double grosor)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, ang);
    if (lado < 0) cairo_scale(cr, 1, -1);
    const double l = largo;
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, l * 0.25, -l * 0.30, l * 0.55, -l * 0.30, l * 0.62, -l * 0.08);
    cairo_curve_to(cr, l * 0.68, l * 0.10, l * 0.52, l * 0.14, l * 0.48, l * 0.02);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, l * 0.35, l * 0.22, l * 0.75, l * 0.20, l, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, grosor * 2.2);
    Fuente(cr, Hex(0x000000, 0.35));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, grosor);
    DegradadoV(cr, -l * 0.3, l * 0.3, {{0, paleta::OroClaro}, {0.5, paleta::OroMedio}, {1, paleta::OroOscuro}});
    cairo_stroke(cr);
    cairo_arc(cr, l, 0, grosor * 1.1, 0, 2 * M_PI);
    Fuente(cr, paleta::OroClaro);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Tachuela(cairo_t* cr, double cx, double cy, double r)
{
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r, cy);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r, cy);
    cairo_close_path(cr);
    DegradadoV(cr, cy - r, cy + r, {{0, paleta::OroClaro}, {0.5, paleta::OroMedio}, {1, paleta::OroOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, paleta::Tinta);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, cy - r * 0.6);
    cairo_line_to(cr, cx - r * 0.45, cy);
    Fuente(cr, Hex(0xFFFFFF, 0.7));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void Runa(cairo_t* cr, int n, double cx, double cy, double alto, double ang, double grosor)
{
    // Every rune has a stem; its number picks which of seven marks it bears,
    // and at least two of them.
    unsigned m = static_cast<unsigned>(n) * 2654435761u;
    m = (m >> 13) ^ (m >> 5) ^ m;
    unsigned marcas = m & 0x7F;
    if (__builtin_popcount(marcas) < 2) marcas |= (1u << (n % 7)) | (1u << ((n + 3) % 7));
    const double h = alto / 2, w = alto * 0.32;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, ang);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, grosor);
    cairo_move_to(cr, 0, -h);
    cairo_line_to(cr, 0, h);
    if (marcas & 0x01) { // branch up-left
        cairo_move_to(cr, 0, -h * 0.35);
        cairo_line_to(cr, -w, -h);
    }
    if (marcas & 0x02) { // branch up-right
        cairo_move_to(cr, 0, -h * 0.1);
        cairo_line_to(cr, w, -h * 0.7);
    }
    if (marcas & 0x04) { // crossbar
        cairo_move_to(cr, -w * 0.8, h * 0.05);
        cairo_line_to(cr, w * 0.8, h * 0.05);
    }
    if (marcas & 0x08) { // hook at the foot
        cairo_move_to(cr, 0, h);
        cairo_curve_to(cr, w * 0.9, h, w, h * 0.5, w * 0.5, h * 0.35);
    }
    if (marcas & 0x10) { // chevron
        cairo_move_to(cr, -w * 0.7, h * 0.55);
        cairo_line_to(cr, 0, h * 0.2);
        cairo_line_to(cr, w * 0.7, h * 0.55);
    }
    cairo_stroke(cr);
    if (marcas & 0x20) { // ring at the head
        cairo_arc(cr, 0, -h - grosor * 1.6, grosor * 1.5, 0, 2 * M_PI);
        cairo_stroke(cr);
    }
    if (marcas & 0x40) { // dot beside the stem
        cairo_arc(cr, -w * 0.7, h * 0.2, grosor * 0.9, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Resplandor(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    DegradadoRadial(cr, cx, cy, r,
                    {{0, c}, {0.35, Color{c.r, c.g, c.b, c.a * 0.45}}, {1, Color{c.r, c.g, c.b, 0}}});
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Estrellas(cairo_t* cr, double x, double y, double w, double h, int n, unsigned semilla, double rx, double ry)
{
    for (int i = 0; i < n; ++i) {
        const double sx = x + Azar(semilla, 3 * i) * w;
        const double sy = y + Azar(semilla, 3 * i + 1) * h;
        if (rx > 0 && ry > 0) {
            const double dx = (sx - 512) / rx, dy = (sy - 384) / ry;
            if (dx * dx + dy * dy < 1) continue;
        }
        const double b = Azar(semilla, 3 * i + 2);
        if (b > 0.93)
            Destello(cr, sx, sy, 4 + 5 * b, Mezcla(paleta::LuzDeLuna, paleta::LuzDeVela, 0.3));
        Fuente(cr, Color{paleta::LuzDeLuna.r, paleta::LuzDeLuna.g, paleta::LuzDeLuna.b, 0.25 + 0.6 * b});
        cairo_arc(cr, sx, sy, 0.5 + 1.1 * b, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Luna(cairo_t* cr, double cx, double cy, double r, double creciente)
{
    Resplandor(cr, cx, cy, r * 3.2, Hex(0xDCE6FF, 0.22));
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.4,
                    {{0, Hex(0xFFFFFF)}, {0.6, paleta::LuzDeLuna}, {1, Hex(0xA9B8E0)}});
    cairo_paint(cr);
    // soft seas on its face
    for (int i = 0; i < 5; ++i) {
        Fuente(cr, Hex(0x8A98C8, 0.22));
        cairo_arc(cr, cx + (Azar(7, i) - 0.5) * r, cy + (Azar(11, i) - 0.5) * r, r * (0.15 + 0.2 * Azar(13, i)), 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
    if (creciente > 0) {
        DegradadoRadial(cr, cx + r * creciente, cy - r * 0.1, r * 1.05,
                        {{0, paleta::Noche}, {0.9, paleta::Noche}, {1, Color{0.07, 0.06, 0.2, 0}}});
        cairo_arc(cr, cx + r * creciente, cy - r * 0.1, r * 1.05, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

} // namespace art
