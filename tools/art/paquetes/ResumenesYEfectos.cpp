// The pictures of the level summaries and of the effects of play: the
// plates the start and the final summaries are written on, the rule between
// their lines, the sparkles that fly off the pieces, the firework bloom of a
// victory.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

using namespace paleta;

// A plate of night with a double gold frame, studs at the corners, a band of
// light behind the title and a faint seal in its middle.
void Placa(cairo_t* cr, double w, double h, double yTitulo)
{
    const double m = 10, r = 26;
    // A soft shadow around the plate.
    for (int i = 0; i < 6; ++i) {
        RectRedondeado(cr, m - 6 + i, m - 2 + i, w - 2 * (m - 6 + i), h - 2 * (m - 2 + i) + 4, r + 6 - i);
        Fuente(cr, Hex(0x000000, 0.06));
        cairo_fill(cr);
    }
    RectRedondeado(cr, m, m, w - 2 * m, h - 2 * m, r);
    DegradadoV(cr, m, h - m, {{0, Hex(0x1A2450, 0.95)}, {0.45, Hex(0x110F33, 0.95)}, {1, Hex(0x07061A, 0.96)}});
    cairo_fill(cr);

    // The faint seal: two rings and a rune star.
    const double cx = w / 2, cy = h * 0.55, rs = std::min(w, h) * 0.34;
    cairo_save(cr);
    RectRedondeado(cr, m, m, w - 2 * m, h - 2 * m, r);
    cairo_clip(cr);
    Resplandor(cr, cx, cy, rs * 1.2, Hex(0x7A5CB8, 0.35));
    cairo_set_line_width(cr, 2);
    Fuente(cr, Hex(0xB9A6E8, 0.22));
    cairo_arc(cr, cx, cy, rs, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, rs * 0.82, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        const double a0 = -M_PI / 2 + i * 2 * M_PI / 7, a1 = a0 + 3 * 2 * M_PI / 7;
        cairo_move_to(cr, cx + std::cos(a0) * rs * 0.82, cy + std::sin(a0) * rs * 0.82);
        cairo_line_to(cr, cx + std::cos(a1) * rs * 0.82, cy + std::sin(a1) * rs * 0.82);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14;
        Runa(cr, i % 6, cx + std::cos(a) * rs * 0.91, cy + std::sin(a) * rs * 0.91, rs * 0.07, a + M_PI / 2, 1.2);
    }
    // The band of candlelight behind the title.
    DegradadoRadial(cr, cx, yTitulo, w * 0.45, {{0, Hex(0xF2A93B, 0.22)}, {0.5, Hex(0xF2A93B, 0.08)}, {1, Hex(0xF2A93B, 0)}});
    cairo_paint(cr);
    Estrellas(cr, m, m, w - 2 * m, h - 2 * m, 40, 913, 0, 0);
    cairo_restore(cr);

    MarcoDorado(cr, m, m, w - 2 * m, h - 2 * m, r, 5);
    RectRedondeado(cr, m + 14, m + 14, w - 2 * m - 28, h - 2 * m - 28, r - 10);
    cairo_set_line_width(cr, 1.5);
    Fuente(cr, Hex(0xD9A441, 0.55));
    cairo_stroke(cr);
    for (double x : {m + 14.0, w - m - 14.0})
        for (double y : {m + 14.0, h - m - 14.0}) Tachuela(cr, x, y, 7);
    // A rule of gold under the title, a small diamond in its middle.
    const double yr = yTitulo + 32;
    DegradadoH(cr, cx - 200, cx + 200, {{0, Hex(0xC48B30, 0)}, {0.5, Hex(0xFFE9A8, 1)}, {1, Hex(0xC48B30, 0)}});
    cairo_rectangle(cr, cx - 200, yr - 1, 400, 2);
    cairo_fill(cr);
    cairo_move_to(cr, cx, yr - 6);
    cairo_line_to(cr, cx + 9, yr);
    cairo_line_to(cr, cx, yr + 6);
    cairo_line_to(cr, cx - 9, yr);
    cairo_close_path(cr);
    Fuente(cr, OroMedio);
    cairo_fill(cr);
}

Paquete PlacaResumen(const char* comentario, int w, int h, double yCentro, double yTitulo)
{
    Paquete p;
    p.comment = comentario;
    p.sprites.push_back({0, w, h, w / 2.0, yCentro, [yTitulo](cairo_t* cr, double pw, double ph) {
                             Placa(cr, pw, ph, yTitulo);
                         }});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}

// The plates are drawn with their hotspot on the field's centre (512, 384):
// the start summary's spans y 110..720 (title at 175, button at 650), the
// final one's y 16..712 (title at 64, lines from 128, buttons at 720 below).
RegistroPaquete g_resumenInicial(juego::paquete::RESUMEN_INICIAL, [] {
    return PlacaResumen("The start summary's plate", 640, 610, 384 - 110, 175 - 110);
});
RegistroPaquete g_resumenFinal(juego::paquete::RESUMEN_FINAL, [] {
    return PlacaResumen("The final summary's plate", 700, 696, 384 - 16, 64 - 16);
});

// The rule between summary lines: a thread of gold fading at both ends with
// a small diamond in its middle.
RegistroImagen g_lineaResumen(juego::imagen::LINEA_RESUMEN, 512, 16, [](cairo_t* cr, double w, double h) {
    const double cy = h / 2;
    DegradadoH(cr, 0, w,
               {{0, Hex(0xC48B30, 0)}, {0.2, Hex(0xC48B30, 0.7)}, {0.5, Hex(0xFFE9A8, 1)}, {0.8, Hex(0xC48B30, 0.7)},
                {1, Hex(0xC48B30, 0)}});
    cairo_rectangle(cr, 0, cy - 1, w, 2);
    cairo_fill(cr);
    DegradadoH(cr, 0, w, {{0, Hex(0xFFD27A, 0)}, {0.5, Hex(0xFFD27A, 0.25)}, {1, Hex(0xFFD27A, 0)}});
    cairo_rectangle(cr, 0, cy - 4, w, 8);
    cairo_fill(cr);
    const double cx = w / 2, r = h * 0.42;
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r * 1.6, cy);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r * 1.6, cy);
    cairo_close_path(cr);
    DegradadoRadial(cr, cx, cy, r * 1.6, {{0, OroClaro}, {1, Oro}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    Fuente(cr, OroOscuro);
    cairo_stroke(cr);
});

// Eight sparkles of candle and moonlight, each its own shape.
void Brillo(cairo_t* cr, double w, double h, int k)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 1;
    const Color colores[8] = {LuzDeVela, LuzDeLuna, OroClaro, Lavanda, Ambar, Hex(0xFFFFFF), Hex(0xA8E6FF), OroMedio};
    const Color c = colores[k];
    Resplandor(cr, cx, cy, r, Color{c.r, c.g, c.b, 0.55});
    switch (k % 4) {
    case 0: Destello(cr, cx, cy, r * 0.95, c); break;
    case 1: {
        // Six thin rays.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 3; ++i) {
            const double a = i * M_PI / 3;
            cairo_move_to(cr, cx - std::cos(a) * r * 0.9, cy - std::sin(a) * r * 0.9);
            cairo_line_to(cr, cx + std::cos(a) * r * 0.9, cy + std::sin(a) * r * 0.9);
        }
        cairo_set_line_width(cr, w * 0.06);
        Fuente(cr, c);
        cairo_stroke(cr);
        break;
    }
    case 2:
        Destello(cr, cx, cy, r * 0.95, c);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, M_PI / 4);
        Destello(cr, 0, 0, r * 0.55, c);
        cairo_restore(cr);
        break;
    default: break;
    }
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r * 0.16, {{0, Hex(0xFFFFFF)}, {1, c}});
    cairo_fill(cr);
}

RegistroPaquete g_brillos(juego::paquete::BRILLOS, [] {
    Paquete p;
    p.comment = "Sparkles that fly off the pieces and along the traced line, 0..7";
    for (int k = 0; k < 8; ++k)
        p.sprites.push_back({k, 32, 32, 16, 16, [k](cairo_t* cr, double w, double h) { Brillo(cr, w, h, k); }});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
});

// A firework's bloom: rays of sparks from a bright heart, gold with a
// rose and a moonlit ring.
RegistroPaquete g_fuegos(juego::paquete::FUEGOS_ARTIFICIALES, [] {
    Paquete p;
    p.comment = "A firework's bloom";
    p.sprites.push_back({0, 128, 128, 64, 64, [](cairo_t* cr, double w, double h) {
                             const double cx = w / 2, cy = h / 2, r = w / 2 - 2;
                             Resplandor(cr, cx, cy, r * 0.75, Hex(0xF2A93B, 0.5));
                             cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                             for (int i = 0; i < 24; ++i) {
                                 const double a = i * 2 * M_PI / 24 + 0.3 * Azar(51, i);
                                 const double l = r * (0.7 + 0.28 * Azar(52, i));
                                 const Color c = i % 3 == 0 ? Hex(0xFF8FA3) : i % 3 == 1 ? LuzDeVela : LuzDeLuna;
                                 cairo_pattern_t* g = cairo_pattern_create_linear(
                                     cx + std::cos(a) * r * 0.15, cy + std::sin(a) * r * 0.15, cx + std::cos(a) * l,
                                     cy + std::sin(a) * l);
                                 cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.0);
                                 cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0.95);
                                 cairo_set_source(cr, g);
                                 cairo_set_line_width(cr, 2.2);
                                 cairo_move_to(cr, cx + std::cos(a) * r * 0.15, cy + std::sin(a) * r * 0.15);
                                 cairo_line_to(cr, cx + std::cos(a) * l, cy + std::sin(a) * l);
                                 cairo_stroke(cr);
                                 cairo_pattern_destroy(g);
                                 cairo_arc(cr, cx + std::cos(a) * l, cy + std::sin(a) * l, 2.6, 0, 2 * M_PI);
                                 Fuente(cr, Hex(0xFFFFFF, 0.95));
                                 cairo_fill(cr);
                             }
                             Resplandor(cr, cx, cy, r * 0.25, Hex(0xFFFFFF, 0.9));
                         }});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
});

} // namespace
} // namespace art
