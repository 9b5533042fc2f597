// The settings screens' art: the options screen's icons (harp for the
// music, drum for the sounds, the eye of high contrast, full screen and
// window, the language's book and its four banners), the volume sliders'
// track and knob, the title bar's cog, the wordless title cartouches of the
// options, languages, credits and controls screens, and the nine-slice panel
// of the controls screen's prompt. Gold on night blue, as the palette says.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>
#include <functional>

namespace art {
namespace {

using namespace paleta;

// ---- the harp ----

void Arpa(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 112;
    Medallon(cr, cx, cy, r);
    Resplandor(cr, cx, cy, 70, Hex(0xFFD27A, 0.25));
    // Frame: the pillar on the left, the curved neck on top, the sound box
    // slanting down to the right.
    const double px = cx - 42, top = cy - 66, bot = cy + 66;
    const double bx0 = cx - 36, by0 = bot - 4, bx1 = cx + 52, by1 = cy - 40;
    // strings first, behind the frame
    const int n = 8;
    for (int i = 0; i < n; ++i) {
        const double t = (i + 1.0) / (n + 1.0);
        const double sx = bx0 + (bx1 - bx0) * t, sy = by0 + (by1 - by0) * t;
        const double tx = px + 8 + (bx1 - px - 6) * t;
        const double ty = top + 8 + std::sin(t * M_PI) * -10 + t * 8;
        cairo_move_to(cr, tx, ty);
        cairo_line_to(cr, sx, sy);
    }
    Fuente(cr, Hex(0xFFF1C8, 0.85));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // neck
    cairo_move_to(cr, px - 6, top + 4);
    cairo_curve_to(cr, cx - 10, top - 26, cx + 20, top + 22, bx1 + 10, by1 - 14);
    cairo_line_to(cr, bx1 + 2, by1 + 2);
    cairo_curve_to(cr, cx + 14, top + 34, cx - 10, top - 8, px + 6, top + 16);
    cairo_close_path(cr);
    OroV(cr, top - 20, top + 30);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    // pillar with a scroll at its head and a foot
    RectRedondeado(cr, px - 8, top + 4, 16, bot - top - 2, 6);
    DegradadoH(cr, px - 8, px + 8, {{0, OroOscuro}, {0.4, OroClaro}, {1, Oro}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    Voluta(cr, px - 2, top + 6, 30, -M_PI / 2 - 0.5, 1, 2.2);
    // the sound box
    cairo_move_to(cr, bx0 - 10, by0 + 8);
    cairo_line_to(cr, bx1 + 10, by1 - 6);
    cairo_line_to(cr, bx1 + 2, by1 + 12);
    cairo_line_to(cr, bx0 - 6, by0 + 18);
    cairo_close_path(cr);
    DegradadoV(cr, by1, by0 + 18, {{0, Hex(0xB0562A)}, {1, Hex(0x5A240E)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    Destello(cr, px + 46, top + 10, 12, Hex(0xFFF6D0, 0.9));
    Destello(cr, cx + 30, cy + 36, 8, Hex(0xFFF6D0, 0.8));
}

// ---- the drum and its two sticks ----

void Tambor(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 112;
    Medallon(cr, cx, cy, r);
    Resplandor(cr, cx, cy, 70, Hex(0xF2A93B, 0.22));
    const double rx = 52, ry = 17, top = cy - 22, bot = cy + 42;
    // the shell
    cairo_move_to(cr, cx - rx, top);
    cairo_line_to(cr, cx - rx, bot);
    cairo_curve_to(cr, cx - rx, bot + ry * 1.3, cx + rx, bot + ry * 1.3, cx + rx, bot);
    cairo_line_to(cr, cx + rx, top);
    cairo_close_path(cr);
    DegradadoH(cr, cx - rx, cx + rx, {{0, Hex(0x5A1620)}, {0.35, Rubi}, {0.6, Hex(0xE8606A)}, {1, Hex(0x5A1620)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    // the cords, in a zigzag between the hoops
    for (int i = 0; i < 6; ++i) {
        const double a0 = M_PI * (0.1 + i * 0.16), a1 = M_PI * (0.18 + i * 0.16);
        cairo_move_to(cr, cx - std::cos(a0) * rx, top + std::sin(a0) * ry + 6);
        cairo_line_to(cr, cx - std::cos(a1) * rx, bot + std::sin(a1) * ry - 4);
    }
    Fuente(cr, Pergamino);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // hoops
    for (double y : {top, bot}) {
        cairo_save(cr);
        cairo_translate(cr, cx, y);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, y == top ? 2 * M_PI : M_PI);
        cairo_restore(cr);
        Fuente(cr, OroMedio);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    // the skin on top
    cairo_save(cr);
    cairo_translate(cr, cx, top);
    cairo_scale(cr, rx - 3, ry - 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, cx - 10, top - 4, rx, {{0, Pergamino}, {1, PergaminoOscuro}});
    cairo_fill(cr);
    // two sticks resting crossed over it
    for (int lado : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx + lado * 8, top - 8);
        cairo_rotate(cr, lado * -0.75);
        RectRedondeado(cr, -4, -68, 8, 70, 4);
        DegradadoH(cr, -4, 4, {{0, Hex(0x6B3A12)}, {0.5, Hex(0xC98A4A)}, {1, Hex(0x6B3A12)}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
        cairo_arc(cr, 0, -68, 7, 0, 2 * M_PI);
        DegradadoRadial(cr, -2, -70, 8, {{0, OroClaro}, {1, Oro}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
        cairo_restore(cr);
    }
    // the sound: three arcs of light
    for (int i = 0; i < 3; ++i) {
        for (double a0 : {M_PI * 1.14, M_PI * 1.70}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, top - 6, 62 + i * 9, a0, a0 + M_PI * 0.16);
        }
    }
    Fuente(cr, Hex(0xFFE9A8, 0.7));
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// ---- the eye of high contrast: an eye over four pieces told apart by
// their shapes ----

void Figura(cairo_t* cr, int forma, double cx, double cy, double r)
{
    switch (forma) {
    case 0:
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        break;
    case 1:
        cairo_move_to(cr, cx, cy - r * 1.1);
        cairo_line_to(cr, cx + r, cy + r * 0.75);
        cairo_line_to(cr, cx - r, cy + r * 0.75);
        cairo_close_path(cr);
        break;
    case 2:
        cairo_rectangle(cr, cx - r * 0.85, cy - r * 0.85, r * 1.7, r * 1.7);
        break;
    default:
        cairo_move_to(cr, cx, cy - r * 1.15);
        cairo_line_to(cr, cx + r * 0.9, cy);
        cairo_line_to(cr, cx, cy + r * 1.15);
        cairo_line_to(cr, cx - r * 0.9, cy);
        cairo_close_path(cr);
        break;
    }
}

void Ojo(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 112;
    Medallon(cr, cx, cy, r);
    const double ey = cy - 18;
    Resplandor(cr, cx, ey, 64, Hex(0xDCE6FF, 0.25));
    // the almond of the eye
    auto Almendra = [&] {
        cairo_move_to(cr, cx - 62, ey);
        cairo_curve_to(cr, cx - 30, ey - 40, cx + 30, ey - 40, cx + 62, ey);
        cairo_curve_to(cr, cx + 30, ey + 40, cx - 30, ey + 40, cx - 62, ey);
        cairo_close_path(cr);
    };
    Almendra();
    Fuente(cr, Hex(0xFBF8F2));
    cairo_fill(cr);
    cairo_save(cr);
    Almendra();
    cairo_clip(cr);
    cairo_arc(cr, cx, ey, 24, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 6, ey - 6, 26, {{0, Hex(0x9FE0C8)}, {0.6, Esmeralda}, {1, Hoja}});
    cairo_fill(cr);
    cairo_arc(cr, cx, ey, 10, 0, 2 * M_PI);
    Fuente(cr, Tinta);
    cairo_fill(cr);
    cairo_arc(cr, cx - 8, ey - 8, 5, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
    cairo_restore(cr);
    Almendra();
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    ContornoTinta(cr, 1.4);
    // lashes
    for (int i = -2; i <= 2; ++i) {
        const double a = -M_PI / 2 + i * 0.32;
        cairo_move_to(cr, cx + std::cos(a) * 36, ey + 8 + std::sin(a) * 36);
        cairo_line_to(cr, cx + std::cos(a) * 48, ey + 8 + std::sin(a) * 48);
    }
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // four pieces under it: a colour and a shape each
    const unsigned colores[4] = {0xD7263D, 0x2E6FD8, 0x1FA37A, 0xF2C230};
    for (int i = 0; i < 4; ++i) {
        const double x = cx - 45 + i * 30, y = cy + 50;
        Figura(cr, i, x, y, 11);
        Fuente(cr, Hex(colores[i]));
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0x05040F));
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
}

// ---- full screen and window: both drawn small in their 256 square, since
// the screen shows them at full size and the others at 0.6 ----

// A little screen (a gilded frame round a glimpse of night sky).
void Pantallita(cairo_t* cr, double x, double y, double w, double h)
{
    MarcoDorado(cr, x, y, w, h, 6, 5);
    cairo_save(cr);
    cairo_rectangle(cr, x + 6, y + 6, w - 12, h - 14);
    cairo_clip(cr);
    Estrellas(cr, x + 6, y + 6, w - 12, h - 14, 10, 7, 0, 0);
    Luna(cr, x + w * 0.72, y + h * 0.32, h * 0.14, 0.5);
    cairo_restore(cr);
}

void Flecha(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, x1 + std::cos(a) * 4, y1 + std::sin(a) * 4);
    cairo_line_to(cr, x1 + std::cos(a + 2.5) * 12, y1 + std::sin(a + 2.5) * 12);
    cairo_line_to(cr, x1 + std::cos(a - 2.5) * 12, y1 + std::sin(a - 2.5) * 12);
    cairo_close_path(cr);
    Fuente(cr, OroClaro);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1);
}

void PantallaCompleta(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 68;
    Medallon(cr, cx, cy, r);
    Pantallita(cr, cx - 24, cy - 18, 48, 36);
    // arrows out to the four corners
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) Flecha(cr, cx + sx * 24, cy + sy * 18, cx + sx * 40, cy + sy * 34);
}

void Ventana(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 68;
    Medallon(cr, cx, cy, r);
    // an arched window with its mullions, moonlight behind the panes
    const double x0 = cx - 24, x1 = cx + 24, y0 = cy - 10, y1 = cy + 38;
    auto Arco = [&](double m) {
        cairo_move_to(cr, x0 - m, y1 + m);
        cairo_line_to(cr, x0 - m, y0);
        cairo_arc(cr, cx, y0, 24 + m, M_PI, 2 * M_PI);
        cairo_line_to(cr, x1 + m, y1 + m);
        cairo_close_path(cr);
    };
    Arco(6);
    OroV(cr, y0 - 30, y1 + 6);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.4);
    Arco(0);
    DegradadoV(cr, y0 - 24, y1, {{0, LuzDeLuna}, {0.5, Lavanda}, {1, VioletaClaro}});
    cairo_fill(cr);
    cairo_move_to(cr, cx, y0 - 24);
    cairo_line_to(cr, cx, y1);
    cairo_move_to(cr, x0, y0 + 12);
    cairo_line_to(cr, x1, y0 + 12);
    Fuente(cr, OroOscuro);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, cx, y0 - 6, 6, 0, 2 * M_PI);
    Fuente(cr, OroMedio);
    cairo_fill(cr);
    // the sill
    RectRedondeado(cr, x0 - 12, y1 + 4, 72, 8, 3);
    OroV(cr, y1 + 4, y1 + 12);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1);
}

// ---- the language: an open book with lines in three scripts, and four
// banners ----

void Libro(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 112;
    Medallon(cr, cx, cy, r);
    Resplandor(cr, cx, cy, 70, Hex(0xFFE9A8, 0.3));
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx, cy - 34);
        cairo_curve_to(cr, cx + lado * 24, cy - 48, cx + lado * 52, cy - 44, cx + lado * 66, cy - 36);
        cairo_line_to(cr, cx + lado * 66, cy + 40);
        cairo_curve_to(cr, cx + lado * 52, cy + 32, cx + lado * 24, cy + 30, cx, cy + 44);
        cairo_close_path(cr);
        DegradadoH(cr, cx - 66, cx + 66, {{0, PergaminoOscuro}, {0.45, Pergamino}, {0.55, Pergamino}, {1, PergaminoOscuro}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.6);
        // the lines of writing: runes, waves, dots
        for (int k = 0; k < 5; ++k) {
            const double y = cy - 26 + k * 13;
            Fuente(cr, Hex(0x2E1B05, 0.7));
            if (lado < 0) {
                for (int j = 0; j < 4; ++j) Runa(cr, k * 4 + j + 3, cx - 54 + j * 12, y, 9, 0, 1.2);
            } else {
                cairo_move_to(cr, cx + 12, y);
                for (int j = 0; j < 6; ++j) cairo_rel_curve_to(cr, 2, -4, 6, -4, 8, 0);
                cairo_set_line_width(cr, 1.4);
                cairo_stroke(cr);
            }
        }
    }
    // the ribbon marking the page
    cairo_move_to(cr, cx - 2, cy + 40);
    cairo_curve_to(cr, cx - 6, cy + 60, cx + 8, cy + 64, cx + 4, cy + 80);
    Fuente(cr, Rubi);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

// A swallow-tailed banner on a gold staff: field, a band and a charge.
void Bandera(cairo_t* cr, double w, double h, unsigned campo, unsigned banda, int carga)
{
    const double x0 = 14, y0 = 12, x1 = w - 6, y1 = h - 20;
    // staff
    RectRedondeado(cr, x0 - 6, y0 - 6, 5, h - y0, 2);
    OroV(cr, y0, h);
    cairo_fill(cr);
    cairo_arc(cr, x0 - 3.5, y0 - 7, 4, 0, 2 * M_PI);
    Fuente(cr, OroClaro);
    cairo_fill(cr);
    auto Tela = [&] {
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.4, y0 - 6, x0 + (x1 - x0) * 0.7, y0 + 6, x1, y0);
        cairo_line_to(cr, x1 - 14, (y0 + y1) / 2);
        cairo_line_to(cr, x1, y1);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.7, y1 + 6, x0 + (x1 - x0) * 0.4, y1 - 6, x0, y1);
        cairo_close_path(cr);
    };
    Tela();
    Fuente(cr, Hex(campo));
    cairo_fill(cr);
    cairo_save(cr);
    Tela();
    cairo_clip(cr);
    cairo_rectangle(cr, x0, (y0 + y1) / 2 - 6, x1 - x0, 12);
    Fuente(cr, Hex(banda));
    cairo_fill(cr);
    DegradadoV(cr, y0, y1, {{0, Hex(0xFFFFFF, 0.2)}, {0.5, Hex(0xFFFFFF, 0)}, {1, Hex(0x000000, 0.25)}});
    cairo_paint(cr);
    cairo_restore(cr);
    // the charge: a star, a moon or a rune
    const double ccx = x0 + (x1 - x0) * 0.42, ccy = (y0 + y1) / 2;
    if (carga == 0) {
        Destello(cr, ccx, ccy, 11, Hex(0xFFF1C8));
    } else if (carga == 1) {
        Luna(cr, ccx, ccy, 8, 0.6);
    } else {
        Fuente(cr, Hex(0xFFF1C8));
        Runa(cr, 40 + carga, ccx, ccy, 16, 0, 2.2);
    }
    Tela();
    ContornoTinta(cr, 1.4);
}

Paquete IconoIdioma()
{
    Paquete p;
    p.comment = "The language: 0 an open book, 1..4 the banners that turn under it";
    p.sprites.push_back(Centrado(0, 256, 256, Libro));
    const struct {
        unsigned campo, banda;
        int carga;
    } banderas[4] = {{0xD9A441, 0x9E1B2E, 0}, {0x9E1B2E, 0xD9A441, 1}, {0x1F3A7A, 0xF3E6C4, 2}, {0x1E5B46, 0xF3E6C4, 3}};
    for (int i = 0; i < 4; ++i)
        p.sprites.push_back(Centrado(i + 1, 64, 64, [b = banderas[i]](cairo_t* cr, double w, double h) {
            Bandera(cr, w, h, b.campo, b.banda, b.carga);
        }));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- the volume sliders: a sunken track with eleven notches, and a knob
// whose corner is the sprite's, sitting on the track ----

constexpr int kAnchoPista = 280, kAltoPista = 40;

void Pista(cairo_t* cr, double w, double h)
{
    const double y = h / 2;
    RectRedondeado(cr, 2, y - 11, w - 4, 22, 11);
    OroV(cr, y - 11, y + 11);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    RectRedondeado(cr, 7, y - 6, w - 14, 12, 6);
    DegradadoV(cr, y - 6, y + 6, {{0, Hex(0x05040F)}, {1, Noche}});
    cairo_fill(cr);
    // the notches of the tenths, under the knob's path (the knob's centre
    // runs 200 points between x 40 and 240 of the track)
    for (int i = 0; i <= 10; ++i) {
        const double x = 40 + i * 20.0;
        cairo_move_to(cr, x, y - 3);
        cairo_line_to(cr, x, y + 3);
    }
    Fuente(cr, Hex(0xFFE9A8, 0.55));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // a glow that grows to the right: louder
    cairo_move_to(cr, 12, y + 1);
    cairo_line_to(cr, w - 12, y - 2);
    cairo_line_to(cr, w - 12, y + 4);
    cairo_close_path(cr);
    DegradadoH(cr, 12, w - 12, {{0, Hex(0xF2A93B, 0.0)}, {1, Hex(0xF2A93B, 0.6)}});
    cairo_fill(cr);
}

// The knob is drawn at its corner; its centre line is 75 points down, on
// the track (which sits 75 points below the corner's row).
void Pomo(cairo_t* cr, double w, double)
{
    const double cx = w / 2, cy = 75;
    Resplandor(cr, cx, cy, 30, Hex(0xFFD27A, 0.35));
    // a gem-cut knob: a gold bezel round a ruby
    cairo_move_to(cr, cx, cy - 30);
    cairo_line_to(cr, cx + 20, cy - 12);
    cairo_line_to(cr, cx + 20, cy + 12);
    cairo_line_to(cr, cx, cy + 30);
    cairo_line_to(cr, cx - 20, cy + 12);
    cairo_line_to(cr, cx - 20, cy - 12);
    cairo_close_path(cr);
    OroV(cr, cy - 30, cy + 30);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.4);
    cairo_move_to(cr, cx, cy - 20);
    cairo_line_to(cr, cx + 12, cy - 7);
    cairo_line_to(cr, cx + 12, cy + 7);
    cairo_line_to(cr, cx, cy + 20);
    cairo_line_to(cr, cx - 12, cy + 7);
    cairo_line_to(cr, cx - 12, cy - 7);
    cairo_close_path(cr);
    DegradadoRadial(cr, cx - 3, cy - 6, 20, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1);
    Destello(cr, cx - 4, cy - 8, 7, Hex(0xFFFFFF, 0.9));
}

Paquete Volumen()
{
    Paquete p;
    p.comment = "The volume sliders: 0 the track, 1 the knob (64x128, drawn at its corner)";
    p.sprites.push_back(Centrado(0, kAnchoPista, kAltoPista, Pista));
    Sprite pomo;
    pomo.slot = 1;
    pomo.w = 64;
    pomo.h = 128;
    pomo.hx = 0;
    pomo.hy = 0;
    pomo.paint = Pomo;
    p.sprites.push_back(pomo);
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- the options' icon in the title bar: a gilded cog ----

void Rueda(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    Resplandor(cr, cx, cy, 56, Hex(0xF2A93B, 0.3));
    const int dientes = 10;
    const double r0 = 34, r1 = 46;
    for (int i = 0; i < dientes * 2; ++i) {
        const double a0 = i * M_PI / dientes, a1 = (i + 1) * M_PI / dientes;
        const double r = i % 2 ? r0 : r1;
        if (i == 0) cairo_move_to(cr, cx + std::cos(a0) * r, cy + std::sin(a0) * r);
        cairo_line_to(cr, cx + std::cos(a0) * r, cy + std::sin(a0) * r);
        cairo_line_to(cr, cx + std::cos(a1) * r, cy + std::sin(a1) * r);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 14, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    OroV(cr, cy - r1, cy + r1);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.4);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_arc(cr, cx, cy, 26, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFE9A8, 0.4));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 2, cy - 2, 10, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
    cairo_fill(cr);
}

// ---- the wordless titles (the cartouche is shared, Piezas.h) ----

void TituloOpciones(cairo_t* cr, double w, double h)
{
    Cartela(cr, w, h, [&](double cx, double cy) {
        Escudo(cr, cx, cy, 21);
        // a small cog
        const int dientes = 8;
        for (int i = 0; i < dientes * 2; ++i) {
            const double a = i * M_PI / dientes;
            const double r = i % 2 ? 11 : 15;
            if (i == 0)
                cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
            else
                cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
        cairo_close_path(cr);
        OroV(cr, cy - 15, cy + 15);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, 5, 0, 2 * M_PI);
        Fuente(cr, Rubi);
        cairo_fill(cr);
    });
}

void TituloIdiomas(cairo_t* cr, double w, double h)
{
    Cartela(cr, w, h, [&](double cx, double cy) {
        Escudo(cr, cx, cy, 21);
        // three little banners fanned out
        for (int i = -1; i <= 1; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx + i * 7, cy + 12);
            cairo_rotate(cr, i * 0.45);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, 0, -24);
            Fuente(cr, OroClaro);
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            cairo_move_to(cr, 0, -24);
            cairo_line_to(cr, 11, -21);
            cairo_line_to(cr, 8, -17);
            cairo_line_to(cr, 11, -13);
            cairo_line_to(cr, 0, -13);
            cairo_close_path(cr);
            Fuente(cr, Hex(i == -1 ? 0xD9A441 : i == 0 ? 0x9E1B2E : 0x2E6FD8));
            cairo_fill(cr);
            cairo_restore(cr);
        }
    });
}

void TituloCreditos(cairo_t* cr, double w, double h)
{
    Cartela(cr, w, h, [&](double cx, double cy) {
        Escudo(cr, cx, cy, 21);
        // a quill over a rolled scroll
        RectRedondeado(cr, cx - 13, cy + 2, 26, 10, 5);
        Fuente(cr, Pergamino);
        cairo_fill(cr);
        cairo_move_to(cr, cx - 8, cy + 8);
        cairo_curve_to(cr, cx - 2, cy - 4, cx + 6, cy - 12, cx + 13, cy - 16);
        cairo_curve_to(cr, cx + 8, cy - 8, cx + 2, cy - 2, cx - 8, cy + 8);
        Fuente(cr, LuzDeLuna);
        cairo_fill(cr);
        Destello(cr, cx - 9, cy + 8, 4, Hex(0xFFF1C8));
    });
}

void TituloControles(cairo_t* cr, double w, double h)
{
    Cartela(cr, w, h, [&](double cx, double cy) {
        Escudo(cr, cx, cy, 21);
        // four arrows round a dot: the directions of a control
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 2;
            cairo_move_to(cr, cx + std::cos(a) * 15, cy + std::sin(a) * 15);
            cairo_line_to(cr, cx + std::cos(a + 0.5) * 9, cy + std::sin(a + 0.5) * 9);
            cairo_line_to(cr, cx + std::cos(a - 0.5) * 9, cy + std::sin(a - 0.5) * 9);
            cairo_close_path(cr);
        }
        OroV(cr, cy - 15, cy + 15);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, 4, 0, 2 * M_PI);
        Fuente(cr, Rubi);
        cairo_fill(cr);
    });
}


// ---- the prompt's panel: nine pieces of a night-blue plate in gold ----

Paquete PanelMsgBox()
{
    Paquete p;
    p.comment = "A panel of any size: nine pieces of a gilded night-blue plate (0..3 corners, 4..7 edges, 8 centre)";
    const Bordes b = {20, 20, 20, 20, 16};
    AnadeNueveTrozos(p, 0, b, [](cairo_t* cr, double w, double h) {
        MarcoDorado(cr, 1, 1, w - 2, h - 1, 12, 6);
    });
    p.animations.push_back({0, {{8, 10000}}});
    return p;
}

RegistroPaquete g_arpa(juego::paquete::ICONO_ARPA,
                       [] { return UnSprite("Music: a gold harp in a medallion", Centrado(0, 256, 256, Arpa)); });
RegistroPaquete g_tambor(juego::paquete::ICONO_TAMBOR,
                         [] { return UnSprite("Sounds: a drum and its sticks", Centrado(0, 256, 256, Tambor)); });
RegistroPaquete g_ojo(juego::paquete::ICONO_OJO, [] {
    return UnSprite("High contrast: an eye over four pieces told apart by their shapes", Centrado(0, 256, 256, Ojo));
});
RegistroPaquete g_pantallaCompleta(juego::paquete::ICONO_PANTALLA_COMPLETA, [] {
    return UnSprite("Full screen: a little screen and four arrows out", Centrado(0, 256, 256, PantallaCompleta));
});
RegistroPaquete g_ventana(juego::paquete::ICONO_VENTANA, [] {
    return UnSprite("In a window: an arched window with moonlight", Centrado(0, 256, 256, Ventana));
});
RegistroPaquete g_idioma(juego::paquete::ICONO_IDIOMA, IconoIdioma);
RegistroPaquete g_volumen(juego::paquete::VOLUMEN, Volumen);
RegistroPaquete g_iconosOpciones(juego::paquete::ICONOS_OPCIONES,
                                 [] { return UnSprite("The options' cog", Centrado(0, 120, 120, Rueda)); });
RegistroPaquete g_tituloOpciones(juego::paquete::TITULO_OPCIONES, [] {
    return UnSprite("The options' title: scrolls round a cog", Centrado(0, kAnchoTitulo, kAltoTitulo, TituloOpciones));
});
RegistroPaquete g_tituloIdiomas(juego::paquete::TITULO_IDIOMAS, [] {
    return UnSprite("The languages' title: scrolls round three banners",
                    Centrado(0, kAnchoTitulo, kAltoTitulo, TituloIdiomas));
});
RegistroPaquete g_tituloCreditos(juego::paquete::TITULO_CREDITOS, [] {
    return UnSprite("The credits' title: scrolls round a quill", Centrado(0, kAnchoTitulo, kAltoTitulo, TituloCreditos));
});
RegistroPaquete g_tituloControles(juego::paquete::TITULO_CONTROLES, [] {
    return UnSprite("The controls' title: scrolls round four arrows",
                    Centrado(0, kAnchoTitulo, kAltoTitulo, TituloControles));
});
RegistroPaquete g_msgBox(juego::paquete::MSGBOX, PanelMsgBox);

} // namespace
} // namespace art
