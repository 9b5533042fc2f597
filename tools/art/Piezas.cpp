#include "Piezas.h"

#include "Ornamentos.h"
#include "Paleta.h"

#include <cmath>
#include <utility>

namespace art {

using namespace paleta;

void ContornoTinta(cairo_t* cr, double ancho)
{
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

void RellenaYPerfila(cairo_t* cr, const Color& borde, double ancho)
{
    cairo_fill_preserve(cr);
    Fuente(cr, borde);
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

Sprite Centrado(int slot, int w, int h, Painter p)
{
    Sprite s;
    s.slot = slot;
    s.w = w;
    s.h = h;
    s.hx = w / 2.0;
    s.hy = h / 2.0;
    s.paint = std::move(p);
    return s;
}

Paquete UnSprite(const char* comentario, Sprite s)
{
    Paquete p;
    p.comment = comentario;
    const int slot = s.slot;
    p.sprites.push_back(std::move(s));
    p.animations.push_back({0, {{slot, 10000}}});
    return p;
}

// Gold from light to shadow down a span, as the frames' metal.
void OroV(cairo_t* cr, double y0, double y1)
{
    DegradadoV(cr, y0, y1, {{0, OroClaro}, {0.45, OroMedio}, {1, OroOscuro}});
}

void Medallon(cairo_t* cr, double cx, double cy, double r, double opacidadDisco)
{
    const double rInt = r - r * 0.1;
    Resplandor(cr, cx, cy, r * 1.18, Hex(0xF2A93B, 0.22));
    // The shadow and the gold: a whole disc under an opaque disc, only a
    // ring round one that lets what lies behind show through.
    const bool bOpaco = opacidadDisco >= 1.0;
    auto forma = [&](double y) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, y, r, 0, 2 * M_PI);
        if (bOpaco) return;
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, cx, y, rInt, 2 * M_PI, 0);
    };
    forma(cy + 3);
    Fuente(cr, Hex(0x000000, 0.5));
    cairo_fill(cr);
    forma(cy);
    OroV(cr, cy - r, cy + r);
    cairo_fill(cr);
    cairo_push_group(cr);
    cairo_arc(cr, cx, cy, rInt, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - r * 0.35, r, {{0, Azul}, {0.55, NocheAzul}, {1, Noche}});
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacidadDisco);
    cairo_arc(cr, cx, cy, rInt, 0, 2 * M_PI);
    ContornoTinta(cr, 1.4);
    // a fine light line inside the ring, and eight studs on it
    cairo_arc(cr, cx, cy, r - r * 0.14, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFE9A8, 0.3));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 + M_PI / 8;
        Tachuela(cr, cx + std::cos(a) * r * 0.95, cy + std::sin(a) * r * 0.95, r * 0.045 + 1.5);
    }
    // the sheen of the disc's upper half
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r * 0.86, 0, 2 * M_PI);
    cairo_clip(cr);
    DegradadoV(cr, cy - r, cy, {{0, Hex(0xFFFFFF, 0.12)}, {1, Hex(0xFFFFFF, 0)}});
    cairo_paint(cr);
    cairo_restore(cr);
}

void Cartela(cairo_t* cr, double w, double h, const std::function<void(double, double)>& emblema)
{
    const double cx = w / 2, cy = h / 2;
    // a thin gold rule each side ending in scrolls, with studs
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx + lado * 34, cy);
        cairo_line_to(cr, cx + lado * (w / 2 - 40), cy);
        Fuente(cr, Hex(0x000000, 0.4));
        cairo_set_line_width(cr, 5);
        cairo_stroke_preserve(cr);
        DegradadoH(cr, cx, cx + lado * (w / 2), {{0, OroClaro}, {1, OroOscuro}});
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        Voluta(cr, cx + lado * (w / 2 - 42), cy, 34, lado > 0 ? 0 : M_PI, lado, 2.2);
        Voluta(cr, cx + lado * (w / 2 - 42), cy, 34, lado > 0 ? 0 : M_PI, -lado, 2.2);
        for (int k = 1; k <= 3; ++k) Tachuela(cr, cx + lado * (34 + k * (w / 2 - 80) / 4.0), cy, 3.5);
    }
    emblema(cx, cy);
}

void Escudo(cairo_t* cr, double cx, double cy, double r)
{
    Resplandor(cr, cx, cy, r * 1.6, Hex(0xF2A93B, 0.35));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    OroV(cr, cy - r, cy + r);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - 4, r, {{0, Azul}, {1, Noche}});
    cairo_fill(cr);
}

Paquete Titulo(const char* comentario, const std::function<void(cairo_t*, double, double)>& emblema)
{
    return UnSprite(comentario, Centrado(0, kAnchoTitulo, kAltoTitulo, [emblema](cairo_t* cr, double w, double h) {
                        Cartela(cr, w, h, [&](double cx, double cy) {
                            Escudo(cr, cx, cy, 21);
                            emblema(cr, cx, cy);
                        });
                    }));
}

} // namespace art
