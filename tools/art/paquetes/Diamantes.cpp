// The board pieces (juego::paquete::DIAMANTES). Slots 0..7
// are the eight piece colours (7 is also the seal's shard), slots 10..17 the
// same pieces in high contrast. Every colour has a cut of its own, so that a
// piece reads by its shape as well as by its hue; the high-contrast set
// paints the cuts flat and bright inside a heavy dark outline.
#include "Arte.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr int kLado = 52;

struct Punto {
    double x, y;
};


std::vector<Punto> Regular(int lados, double giro, double rx, double ry)
{
    std::vector<Punto> p;
    for (int i = 0; i < lados; ++i) {
        const double a = giro + 2 * M_PI * i / lados;
        p.push_back({rx * std::cos(a), ry * std::sin(a)});
    }
    return p;
}

// The outline of each cut, in a unit box around the centre (y down).
std::vector<Punto> Talla(int color)
{
    switch (color) {
    case 0: return Regular(8, M_PI / 8, 0.92, 0.92);              // round brilliant
    case 1: return Regular(4, M_PI / 4, 1.12, 1.12);              // square
    case 2: {                                                      // triangle
        auto p = Regular(3, -M_PI / 2, 1.05, 1.05);
        for (auto& q : p) q.y += 0.16;
        return p;
    }
    case 3: return Regular(6, 0, 0.95, 0.95);                     // hexagon
    case 4: return Regular(5, -M_PI / 2, 0.98, 0.98);             // pentagon
    case 5: {                                                      // marquise
        std::vector<Punto> p;
        for (int i = 0; i < 16; ++i) {
            const double t = 2 * M_PI * i / 16;
            p.push_back({0.62 * std::cos(t) * std::fabs(std::cos(t)), -0.98 * std::sin(t)});
        }
        return p;
    }
    case 6: return {{0, -1.0}, {0.66, 0}, {0, 1.0}, {-0.66, 0}};  // lozenge
    default: return {{0.05, -1.0}, {0.38, -0.2}, {0.12, 1.0}, {-0.34, 0.05}};  // a splinter of crystal
    }
}

void Trazado(cairo_t* cr, const std::vector<Punto>& p, double cx, double cy, double r)
{
    cairo_new_path(cr);
    for (size_t i = 0; i < p.size(); ++i)
        (i ? cairo_line_to : cairo_move_to)(cr, cx + p[i].x * r, cy + p[i].y * r);
    cairo_close_path(cr);
}

Painter Gema(int color, bool contraste)
{
    return [color, contraste](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2, r = w * 0.40;
        const Color base = Hex(paleta::ColoresPieza[color]);
        const std::vector<Punto> talla = Talla(color);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (contraste) {
            // Flat and bright, in a heavy dark outline, with white facet lines.
            Trazado(cr, talla, cx, cy, r);
            Fuente(cr, Mezcla(base, Hex(0xFFFFFF), 0.15));
            cairo_fill_preserve(cr);
            Fuente(cr, Hex(0x000000));
            cairo_set_line_width(cr, 4.5);
            cairo_stroke(cr);
            Fuente(cr, Hex(0xFFFFFF, 0.95));
            cairo_set_line_width(cr, 2.0);
            Trazado(cr, talla, cx, cy, r * 0.45);
            cairo_stroke(cr);
            return;
        }
        // A soft glow of its own colour, the stone, its facets and a glint.
        DegradadoRadial(cr, cx, cy, w / 2, {{0.0, {base.r, base.g, base.b, 0.45}}, {1.0, {base.r, base.g, base.b, 0.0}}});
        cairo_paint(cr);
        Trazado(cr, talla, cx, cy, r);
        DegradadoRadial(cr, cx - r * 0.35, cy - r * 0.4, r * 1.6,
                        {{0.0, Mezcla(base, Hex(0xFFFFFF), 0.6)}, {0.45, base}, {1.0, Mezcla(base, Hex(0x07061A), 0.55)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Mezcla(base, Hex(0x07061A), 0.65));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        // Facets: from every corner to the table.
        cairo_set_line_width(cr, 1.0);
        Fuente(cr, Mezcla(base, Hex(0xFFFFFF), 0.5));
        for (const Punto& p : talla) {
            cairo_move_to(cr, cx + p.x * r, cy + p.y * r);
            cairo_line_to(cr, cx + p.x * r * 0.45, cy + p.y * r * 0.45);
        }
        cairo_stroke(cr);
        Trazado(cr, talla, cx, cy, r * 0.45);
        Fuente(cr, Mezcla(base, Hex(0xFFFFFF), 0.3));
        cairo_fill_preserve(cr);
        Fuente(cr, Mezcla(base, Hex(0xFFFFFF), 0.7));
        cairo_stroke(cr);
        Destello(cr, cx - r * 0.32, cy - r * 0.38, r * 0.42, Hex(0xFFF8E8, 0.95));
    };
}

Paquete Diamantes()
{
    Paquete p;
    p.comment = "Board pieces: colours 0..7 (7 the shard), high contrast 10..17";
    for (int c = 0; c < 8; ++c) {
        p.sprites.push_back({c, kLado, kLado, kLado / 2.0, kLado / 2.0, Gema(c, false)});
        p.sprites.push_back({10 + c, kLado, kLado, kLado / 2.0, kLado / 2.0, Gema(c, true)});
    }
    return p;
}
RegistroPaquete g_diamantes(juego::paquete::DIAMANTES, Diamantes);

} // namespace
} // namespace art
