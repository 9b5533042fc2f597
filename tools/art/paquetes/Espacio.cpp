// The engine's pictures for drawing in space: the plain texture of the
// debug cube, and a small lantern bearer seen from eight sides (the example
// of a package with direction frames that piece-animated sprites turn
// round).
#include "Arte.h"
#include "Pinceles.h"
#include "engine/core/CatalogoMotor.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {
namespace {

// ---- the debug cube's texture: plain white, tinted by the cube's colour ----

RegistroImagen g_cubo(motor::imagen::TEXTURA_CUBO, 8, 8, [](cairo_t* cr, double, double) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
});

// ---- the lantern bearer: one model painted from eight sides ----
//
// The figure stands on its hotspot and faces the viewer in direction 0;
// direction d sees it from d eighths of a turn further round (2: its right
// side, the figure looking to the right; 4: its back; 6: its left side).
// Features are points of the figure turned for the view and painted from
// the farthest to the nearest.

constexpr int kAncho = 56, kAlto = 80;
constexpr double kPiesX = 28, kPiesY = 76;

struct Vista {
    double co, si; // of the view's turn
    // Screen x and depth (larger: farther) of a point of the figure.
    double X(double x, double z) const { return kPiesX + x * co - z * si; }
    double Z(double x, double z) const { return x * si + z * co; }
    static double Y(double y) { return kPiesY - y; }
};

struct Trazo {
    double profundidad;
    std::function<void(cairo_t*)> pinta;
};

void Figura(cairo_t* cr, int direccion, double vaiven, double salto)
{
    const double a = direccion * M_PI / 4;
    const Vista v{std::cos(a), std::sin(a)};
    const Color capa = Hex(0x5B3C8C), capaOscura = Hex(0x2A1A4E), oro = Hex(0xD9A441);
    const Color piel = Hex(0xF3D6B5), pelo = Hex(0x3A2418), luz = Hex(0xFFD37A);
    std::vector<Trazo> trazos;
    const double s = salto; // the whole figure rises on a step

    // Cloak: a bell seen from every side, lit on its front.
    trazos.push_back({0.0, [=](cairo_t* c) {
                          const double base = Vista::Y(s), hombro = Vista::Y(40 + s);
                          cairo_move_to(c, kPiesX - 14, base);
                          cairo_curve_to(c, kPiesX - 13, base - 14, kPiesX - 8, hombro + 8, kPiesX - 7, hombro);
                          cairo_line_to(c, kPiesX + 7, hombro);
                          cairo_curve_to(c, kPiesX + 8, hombro + 8, kPiesX + 13, base - 14, kPiesX + 14, base);
                          cairo_close_path(c);
                          // The lit side turns with the figure.
                          const double luzX = kPiesX + 10 * v.si;
                          cairo_pattern_t* g = cairo_pattern_create_linear(luzX - 16, 0, luzX + 16, 0);
                          const Color frente = v.co > -0.2 ? capa : capaOscura;
                          cairo_pattern_add_color_stop_rgba(g, 0, capaOscura.r, capaOscura.g, capaOscura.b, 1);
                          cairo_pattern_add_color_stop_rgba(g, 0.5, frente.r, frente.g, frente.b, 1);
                          cairo_pattern_add_color_stop_rgba(g, 1, capaOscura.r, capaOscura.g, capaOscura.b, 1);
                          cairo_set_source(c, g);
                          cairo_fill_preserve(c);
                          cairo_pattern_destroy(g);
                          Fuente(c, oro);
                          cairo_set_line_width(c, 1.0);
                          cairo_stroke(c);
                      }});
    // The hem's golden band, on the near side of the cloak.
    trazos.push_back({-0.5, [=](cairo_t* c) {
                          cairo_move_to(c, kPiesX - 13.5, Vista::Y(3 + s));
                          cairo_curve_to(c, kPiesX - 6, Vista::Y(1 + s), kPiesX + 6, Vista::Y(1 + s), kPiesX + 13.5,
                                         Vista::Y(3 + s));
                          Fuente(c, Hex(0xF2C24A, 0.9));
                          cairo_set_line_width(c, 1.6);
                          cairo_stroke(c);
                      }});
    // Hair behind the head, the head, then the face where it shows.
    const double cabezaY = Vista::Y(51 + s);
    trazos.push_back({1.5, [=](cairo_t* c) {
                          cairo_arc(c, v.X(0, 1.5), cabezaY + 0.5, 9.5, 0, 2 * M_PI);
                          Fuente(c, pelo);
                          cairo_fill(c);
                      }});
    trazos.push_back({0.2, [=](cairo_t* c) {
                          cairo_arc(c, kPiesX, cabezaY, 8, 0, 2 * M_PI);
                          DegradadoRadial(c, kPiesX - 2, cabezaY - 3, 11, {{0, Hex(0xFFF0DC)}, {1, piel}});
                          cairo_fill(c);
                      }});
    // Hair over the head from behind and above: covers all but the face.
    trazos.push_back({0.1, [=](cairo_t* c) {
                          cairo_save(c);
                          cairo_arc(c, kPiesX, cabezaY, 8.6, 0, 2 * M_PI);
                          cairo_clip(c);
                          // The face is a disc towards the front; the rest is hair.
                          cairo_rectangle(c, 0, 0, kAncho, kAlto);
                          if (v.co > -0.2) {
                              const double fx = v.X(0, -8), r = 6.0 * std::max(0.3, v.co) + 1.5;
                              cairo_new_sub_path(c);
                              cairo_arc_negative(c, fx, cabezaY + 2, r, 2 * M_PI, 0);
                          }
                          cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
                          Fuente(c, pelo);
                          cairo_fill(c);
                          cairo_restore(c);
                      }});
    for (double lado : {-1.0, 1.0}) {
        const double ex = lado * 3.2, ez = -7.2;
        const double d = v.Z(ex, ez);
        if (d > -2.5) continue; // turned away
        trazos.push_back({d - 3, [=](cairo_t* c) {
                              const double x = v.X(ex, ez);
                              cairo_save(c);
                              cairo_translate(c, x, cabezaY + 1.5);
                              cairo_scale(c, std::max(0.35, std::fabs(v.co)), 1.0);
                              cairo_arc(c, 0, 0, 1.4, 0, 2 * M_PI);
                              cairo_restore(c);
                              Fuente(c, Hex(0x24160E));
                              cairo_fill(c);
                          }});
    }
    if (v.co > 0.3) { // a small smile from the front
        trazos.push_back({-9, [=](cairo_t* c) {
                              const double x = v.X(0, -8);
                              cairo_arc(c, x, cabezaY + 3.5, 2.2 * v.co, 0.2 * M_PI, 0.8 * M_PI);
                              Fuente(c, Hex(0x9A4A3A));
                              cairo_set_line_width(c, 0.9);
                              cairo_stroke(c);
                          }});
    }
    // The hood's golden rim around the face.
    trazos.push_back({-1, [=](cairo_t* c) {
                          cairo_arc(c, kPiesX, cabezaY, 9.6, 0, 2 * M_PI);
                          Fuente(c, Hex(0xD9A441, 0.85));
                          cairo_set_line_width(c, 1.1);
                          cairo_stroke(c);
                      }});
    // The lantern in the right hand, swinging, with its arm.
    const double lx = -15 + 2 * vaiven, ly = 24 + s - std::fabs(vaiven), lz = -6;
    const double hombroX = -7, hombroY = 38 + s;
    trazos.push_back({v.Z((hombroX + lx) / 2, lz / 2), [=](cairo_t* c) {
                          cairo_move_to(c, v.X(hombroX, 0), Vista::Y(hombroY));
                          cairo_line_to(c, v.X(lx, lz), Vista::Y(ly + 7));
                          Fuente(c, capaOscura);
                          cairo_set_line_width(c, 3.2);
                          cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
                          cairo_stroke(c);
                      }});
    trazos.push_back({v.Z(lx, lz) - 0.5, [=](cairo_t* c) {
                          const double x = v.X(lx, lz), y = Vista::Y(ly);
                          // The glow, then the body of the lantern and its flame.
                          DegradadoRadial(c, x, y, 13, {{0, Hex(0xFFD37A, 0.75)}, {1, Hex(0xFFD37A, 0)}});
                          cairo_arc(c, x, y, 13, 0, 2 * M_PI);
                          cairo_fill(c);
                          RectRedondeado(c, x - 3.5, y - 5, 7, 10, 1.5);
                          Fuente(c, Hex(0xFFF2C0));
                          cairo_fill_preserve(c);
                          Fuente(c, oro);
                          cairo_set_line_width(c, 1.1);
                          cairo_stroke(c);
                          cairo_move_to(c, x - 3, y - 6.5);
                          cairo_line_to(c, x + 3, y - 6.5);
                          cairo_move_to(c, x, y - 6.5);
                          cairo_line_to(c, x, y - 8.5);
                          cairo_stroke(c);
                          Destello(c, x, y, 3, luz);
                      }});
    std::stable_sort(trazos.begin(), trazos.end(),
                     [](const Trazo& p, const Trazo& q) { return p.profundidad > q.profundidad; });
    for (const Trazo& t : trazos) t.pinta(cr);
}

Paquete Farolera()
{
    Paquete p;
    p.comment = "A lantern bearer seen from eight sides: each frame at slot s has its sides at s to s + 7; "
                "animation 0 stands, 1 walks";
    // Frame 0 stands still; frames 1 and 2 are the two steps of the walk.
    const struct {
        int slot;
        double vaiven, salto;
    } frames[3] = {{0, 0.0, 0.0}, {8, 1.5, 1.0}, {16, -1.5, 0.0}};
    for (const auto& f : frames) {
        for (int d = 0; d < 8; ++d) {
            Sprite s;
            s.slot = f.slot + d;
            s.w = kAncho;
            s.h = kAlto;
            s.hx = kPiesX;
            s.hy = kPiesY;
            const double vaiven = f.vaiven, salto = f.salto;
            s.paint = [d, vaiven, salto](cairo_t* cr, double, double) { Figura(cr, d, vaiven, salto); };
            p.sprites.push_back(std::move(s));
        }
    }
    p.animations.push_back({0, {{0, 10000}}});
    p.animations.push_back({1, {{8, 260}, {16, 260}}});
    return p;
}
RegistroPaquete g_farolera(motor::paquete::FAROLERA, Farolera);

} // namespace
} // namespace art
