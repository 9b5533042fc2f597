// The menus' own art: the shared look of the menu screens (bars, title
// pieces, title bar, the gradient over the background, sparkles), the
// game's buttons, the frames of its message boxes, the difficulty icons,
// the cabalistic circle that turns behind the menus and the ring of runes of
// the loading sign. Gold on night blue, as the palette says.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

using namespace paleta;

// ---- buttons: a gilded capsule around a night-blue body, and its glow ----

// The button's own rectangle is 80 high, but it shows in its top band: the
// caption sits 5 points above the rectangle's middle and the glow 10 below
// it, so the capsule fills rows 12 to 58 of the 80.
constexpr double kCapsulaArriba = 12, kCapsulaAlto = 46;

void MarcoBoton(cairo_t* cr, double w, double)
{
    const double m = 6;
    MarcoDorado(cr, m, kCapsulaArriba, w - 2 * m, kCapsulaAlto, kCapsulaAlto / 2 - 2, 4);
    // studs at both ends, where the caption never reaches
    const double cy = kCapsulaArriba + kCapsulaAlto / 2 - 1;
    Tachuela(cr, m + 14, cy, 4.5);
    Tachuela(cr, w - m - 14, cy, 4.5);
}

// Drawn 10 points below the rectangle's middle: its light is centred 15
// points above its own middle, on the capsule.
void BrilloBoton(cairo_t* cr, double w, double h)
{
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2 - 15);
    cairo_scale(cr, w / 2, h / 2 - 15);
    DegradadoRadial(cr, 0, 0, 1,
                    {{0, Hex(0xFFD27A, 0.9)}, {0.45, Hex(0xF2A93B, 0.55)}, {0.8, Hex(0xC46A1E, 0.18)}, {1, Hex(0x000000, 0)}});
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

Paquete Botones()
{
    Paquete p;
    p.comment = "The game's buttons: 0 frame 300x80, 1 its glow, 2 the 150-wide frame, 3 its glow";
    p.sprites.push_back(Centrado(0, 300, 80, MarcoBoton));
    p.sprites.push_back(Centrado(1, 330, 110, BrilloBoton));
    p.sprites.push_back(Centrado(2, 150, 80, MarcoBoton));
    p.sprites.push_back(Centrado(3, 180, 110, BrilloBoton));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- message boxes: a big gilded frame with scrollwork in its corners ----

void MarcoCaja(cairo_t* cr, double w, double h)
{
    const double m = 10;
    MarcoDorado(cr, m, m, w - 2 * m, h - 2 * m, 22, 9);
    // a parchment-coloured inner border, as on an old charter
    RectRedondeado(cr, m + 22.5, m + 22.5, w - 2 * m - 45, h - 2 * m - 47, 10);
    Fuente(cr, Hex(0xF3E6C4, 0.22));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // scrolls leaving each corner along both edges
    const double c = m + 26;
    Voluta(cr, c, c, 70, 0, 1, 2.2);
    Voluta(cr, c, c, 70, M_PI / 2, -1, 2.2);
    Voluta(cr, w - c, c, 70, M_PI, -1, 2.2);
    Voluta(cr, w - c, c, 70, M_PI / 2, 1, 2.2);
    Voluta(cr, c, h - c - 2, 70, 0, -1, 2.2);
    Voluta(cr, c, h - c - 2, 70, -M_PI / 2, 1, 2.2);
    Voluta(cr, w - c, h - c - 2, 70, M_PI, 1, 2.2);
    Voluta(cr, w - c, h - c - 2, 70, -M_PI / 2, -1, 2.2);
    // a gem on the top and bottom edges
    for (double gy : {m + 4.5, h - m - 6.5}) {
        cairo_arc(cr, w / 2, gy, 8, 0, 2 * M_PI);
        Fuente(cr, Tinta);
        cairo_fill(cr);
        cairo_arc(cr, w / 2, gy, 6.5, 0, 2 * M_PI);
        DegradadoRadial(cr, w / 2 - 2, gy - 2, 8, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
        cairo_fill(cr);
    }
}

Paquete CajaMensaje(const char* comment, int w)
{
    Paquete p;
    p.comment = comment;
    p.sprites.push_back(Centrado(0, w, 450, MarcoCaja));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- the difficulty icons: a gold medallion each, gentle to fierce ----

void MedallonDificultad(cairo_t* cr, double cx, double cy, double r)
{
    cairo_arc(cr, cx, cy + 2, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    OroV(cr, cy - r, cy + r);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 6, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - r * 0.3, r, {{0, Azul}, {0.7, NocheAzul}, {1, Noche}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
}

void IconoPasatiempos(cairo_t* cr, double w, double h)
{
    MedallonDificultad(cr, w / 2, h / 2, 44);
    Luna(cr, w / 2 - 4, h / 2, 22, 0.55);
    Destello(cr, w / 2 + 20, h / 2 - 16, 8, Hex(0xFFF4C0));
}

void IconoPuzzle(cairo_t* cr, double w, double h)
{
    MedallonDificultad(cr, w / 2, h / 2, 44);
    const double cx = w / 2, cy = h / 2 + 2;
    // a cut gem seen from the side: crown above, pavilion below
    const double pts[][2] = {{-26, -6}, {-14, -22}, {14, -22}, {26, -6}, {0, 26}};
    cairo_move_to(cr, cx + pts[0][0], cy + pts[0][1]);
    for (const auto& q : pts) cairo_line_to(cr, cx + q[0], cy + q[1]);
    cairo_close_path(cr);
    DegradadoV(cr, cy - 22, cy + 26, {{0, Hex(0xC8B8FF)}, {0.4, VioletaClaro}, {1, Violeta}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x1A0E3A));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // facets
    cairo_move_to(cr, cx - 26, cy - 6);
    cairo_line_to(cr, cx + 26, cy - 6);
    cairo_move_to(cr, cx - 14, cy - 22);
    cairo_line_to(cr, cx - 8, cy - 6);
    cairo_line_to(cr, cx, cy + 26);
    cairo_line_to(cr, cx + 8, cy - 6);
    cairo_line_to(cr, cx + 14, cy - 22);
    Fuente(cr, Hex(0xFFFFFF, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Destello(cr, cx - 10, cy - 14, 9, Hex(0xFFFFFF, 0.95));
}

void IconoDesafio(cairo_t* cr, double w, double h)
{
    MedallonDificultad(cr, w / 2, h / 2, 44);
    const double cx = w / 2, cy = h / 2 + 8;
    Resplandor(cr, cx, cy - 6, 30, Hex(0xF2A93B, 0.45));
    // a candle flame: outer, then the brighter heart
    auto Llama = [&](double s) {
        cairo_move_to(cr, cx, cy - 30 * s);
        cairo_curve_to(cr, cx + 6 * s, cy - 16 * s, cx + 20 * s, cy - 6 * s, cx + 16 * s, cy + 8 * s);
        cairo_curve_to(cr, cx + 12 * s, cy + 20 * s, cx - 12 * s, cy + 20 * s, cx - 16 * s, cy + 8 * s);
        cairo_curve_to(cr, cx - 20 * s, cy - 6 * s, cx - 4 * s, cy - 14 * s, cx, cy - 30 * s);
        cairo_close_path(cr);
    };
    Llama(1.0);
    DegradadoV(cr, cy - 30, cy + 20, {{0, LuzDeVela}, {0.5, Ambar}, {1, Brasa}});
    cairo_fill(cr);
    Llama(0.55);
    cairo_save(cr);
    cairo_translate(cr, 0, 6);
    DegradadoV(cr, cy - 17, cy + 12, {{0, Hex(0xFFFFFF)}, {1, LuzDeVela}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void IconoHeroico(cairo_t* cr, double w, double h)
{
    MedallonDificultad(cr, w / 2, h / 2, 44);
    const double cx = w / 2, cy = h / 2 + 4;
    // a crown of five points with a ruby
    cairo_move_to(cr, cx - 26, cy + 14);
    cairo_line_to(cr, cx - 28, cy - 16);
    cairo_line_to(cr, cx - 14, cy - 2);
    cairo_line_to(cr, cx - 8, cy - 24);
    cairo_line_to(cr, cx, cy - 6);
    cairo_line_to(cr, cx + 8, cy - 24);
    cairo_line_to(cr, cx + 14, cy - 2);
    cairo_line_to(cr, cx + 28, cy - 16);
    cairo_line_to(cr, cx + 26, cy + 14);
    cairo_close_path(cr);
    DegradadoV(cr, cy - 24, cy + 14, {{0, OroClaro}, {0.5, OroMedio}, {1, OroOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_rectangle(cr, cx - 26, cy + 8, 52, 7);
    Fuente(cr, OroOscuro);
    cairo_fill(cr);
    for (double px : {-28.0, -8.0, 8.0, 28.0}) {
        cairo_arc(cr, cx + px, cy - (std::fabs(px) > 20 ? 17 : 25), 3, 0, 2 * M_PI);
        Fuente(cr, OroClaro);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + 2, 6, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 2, cy, 7, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
    cairo_fill(cr);
}

Paquete IconosDificultad()
{
    Paquete p;
    p.comment = "The four difficulties: 0 a quiet moon, 1 a cut gem, 2 a flame, 3 a crown";
    p.sprites.push_back(Centrado(0, 100, 100, IconoPasatiempos));
    p.sprites.push_back(Centrado(1, 100, 100, IconoPuzzle));
    p.sprites.push_back(Centrado(2, 100, 100, IconoDesafio));
    p.sprites.push_back(Centrado(3, 100, 100, IconoHeroico));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- sparks and sparkles the menus throw about ----

Paquete Efectos()
{
    Paquete p;
    p.comment = "Menu effects: 0 a spark's streak, 1 the pointer's sparkle, 4 a soft mote of light";
    p.sprites.push_back(Centrado(0, 64, 20, [](cairo_t* cr, double w, double h) {
        cairo_save(cr);
        cairo_translate(cr, w / 2, h / 2);
        cairo_scale(cr, w / 2, h / 2);
        DegradadoRadial(cr, 0, 0, 1, {{0, Hex(0xFFFFFF)}, {0.3, Hex(0xFFE9A8, 0.8)}, {1, Hex(0xF2A93B, 0)}});
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
    }));
    p.sprites.push_back(Centrado(1, 32, 32, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, 12, Hex(0xFFD27A, 0.5));
        Destello(cr, w / 2, h / 2, 15, Hex(0xFFF6DA));
    }));
    p.sprites.push_back(Centrado(4, 24, 24, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, 11.5, Hex(0xFFE9A8, 0.95));
    }));
    p.animations.push_back({0, {{1, 10000}}});
    return p;
}

// ---- the shared menu look ----

Paquete GradienteFondo()
{
    Paquete p;
    p.comment = "The darkening over a menu's background: clear in the middle, deep at the edges";
    p.sprites.push_back(Centrado(0, 256, 200, [](cairo_t* cr, double w, double h) {
        cairo_save(cr);
        cairo_translate(cr, w / 2, h / 2);
        cairo_scale(cr, w / 2, h / 2);
        DegradadoRadial(cr, 0, 0, 1.42,
                        {{0, Hex(0xFFFFFF, 0.30)}, {0.45, Hex(0xFFFFFF, 0.42)}, {0.75, Hex(0xFFFFFF, 0.78)},
                         {1, Hex(0xFFFFFF, 0.95)}});
        cairo_paint(cr);
        cairo_restore(cr);
    }));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

void PiezaTitulo(cairo_t* cr, double w, double h)
{
    // An arrowhead of gold pointing along +x with two scrolls behind it: the
    // menus turn it to point from each corner to the middle.
    const double cy = h / 2, punta = w - 4;
    Voluta(cr, w * 0.42, cy, w * 0.40, M_PI - 0.5, 1, 2.6);
    Voluta(cr, w * 0.42, cy, w * 0.40, M_PI + 0.5, -1, 2.6);
    cairo_move_to(cr, punta, cy);
    cairo_line_to(cr, w * 0.45, cy - 13);
    cairo_line_to(cr, w * 0.36, cy);
    cairo_line_to(cr, w * 0.45, cy + 13);
    cairo_close_path(cr);
    DegradadoV(cr, cy - 13, cy + 13, {{0, OroClaro}, {0.5, OroMedio}, {1, OroOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_move_to(cr, punta - 3, cy);
    cairo_line_to(cr, w * 0.40, cy);
    Fuente(cr, Hex(0xFFFFFF, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, w * 0.36, cy, 5, 0, 2 * M_PI);
    DegradadoRadial(cr, w * 0.36 - 1, cy - 1, 6, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
    cairo_fill(cr);
}

Paquete PiezasTitulo()
{
    Paquete p;
    p.comment = "Title pieces: a gilded arrowhead with scrolls (1), and a smaller one (0)";
    p.sprites.push_back(Centrado(0, 80, 40, PiezaTitulo));
    p.sprites.push_back(Centrado(1, 130, 64, PiezaTitulo));
    p.animations.push_back({0, {{1, 10000}}});
    return p;
}

void Blason(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    Voluta(cr, cx - 36, cy + 8, 38, M_PI - 0.2, 1, 2.4);
    Voluta(cr, cx + 36, cy + 8, 38, 0.2, -1, 2.4);
    MedallonDificultad(cr, cx, cy, 42);
    // the seal's star inside
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    const int puntas = 8;
    for (int i = 0; i <= puntas; ++i) {
        const double a = -M_PI / 2 + i * 3 * 2 * M_PI / puntas;
        if (i == 0)
            cairo_move_to(cr, 26 * std::cos(a), 26 * std::sin(a));
        else
            cairo_line_to(cr, 26 * std::cos(a), 26 * std::sin(a));
    }
    Fuente(cr, Hex(0xFFE9A8, 0.9));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, 29, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, 6, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 2, cy - 2, 7, {{0, Hex(0xFFB0C0)}, {0.5, Rubi}, {1, Hex(0x5A0612)}});
    cairo_fill(cr);
}

Paquete TituloYPastilla()
{
    Paquete p;
    p.comment = "The title bar: 0 the seal's crest, 1 the dark pill behind a screen's title";
    p.sprites.push_back(Centrado(0, 170, 110, Blason));
    p.sprites.push_back(Centrado(1, 256, 96, [](cairo_t* cr, double w, double h) {
        RectRedondeado(cr, 3, 3, w - 6, h - 6, (h - 6) / 2);
        DegradadoV(cr, 0, h, {{0, Hex(0x1A1636)}, {0.5, Hex(0x000000)}, {1, Hex(0x0B0918)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0xD9A441, 0.8));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

void Barra(cairo_t* cr, double w, double h, bool bArriba)
{
    // a dark band, deepest away from the screen's middle, edged in gold
    DegradadoV(cr, 0, h,
               bArriba ? std::initializer_list<Parada>{{0, Hex(0x07061A, 0.92)}, {1, Hex(0x110F33, 0.55)}}
                       : std::initializer_list<Parada>{{0, Hex(0x110F33, 0.55)}, {1, Hex(0x07061A, 0.92)}});
    cairo_paint(cr);
    const double y = bArriba ? h - 7 : 5;
    for (double dy : {-1.5, 1.5}) {
        cairo_move_to(cr, 0, y + dy);
        cairo_line_to(cr, w, y + dy);
    }
    DegradadoH(cr, 0, w, {{0, Hex(0x6B4411, 0.6)}, {0.5, OroClaro}, {1, Hex(0x6B4411, 0.6)}});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double x = 64; x < w; x += 128) Tachuela(cr, x, y, 4.5);
}

void BarraSuperior(cairo_t* cr, double w, double h) { Barra(cr, w, h, true); }
void BarraInferior(cairo_t* cr, double w, double h) { Barra(cr, w, h, false); }

// ---- the cabalistic circle: rings, runes and a star of eight points ----

void CirculoCabalistico(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    // Faint: it turns behind every menu, several times its size.
    const Color linea = Hex(0xFFD98A, 0.28);
    const Color halo = Hex(0xF2A93B, 0.06);
    auto Anillo = [&](double r, double grosor) {
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        Fuente(cr, halo);
        cairo_set_line_width(cr, grosor * 5);
        cairo_stroke_preserve(cr);
        Fuente(cr, linea);
        cairo_set_line_width(cr, grosor);
        cairo_stroke(cr);
    };
    Anillo(244, 2.0);
    Anillo(236, 1.0);
    Anillo(204, 1.6);
    // the runes between the outer rings, standing on the inner one
    const int n = 30;
    for (int i = 0; i < n; ++i) {
        const double a = i * 2 * M_PI / n;
        Fuente(cr, linea);
        Runa(cr, i + 17, cx + 220 * std::sin(a), cy - 220 * std::cos(a), 20, a, 1.6);
    }
    // a star of eight points, and its inner octagon
    for (int paso : {3, 1}) {
        const double r = paso == 3 ? 200 : 118;
        for (int i = 0; i <= 8; ++i) {
            const double a = -M_PI / 2 + i * paso * 2 * M_PI / 8;
            if (i == 0)
                cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
            else
                cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
        cairo_close_path(cr);
        Fuente(cr, halo);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        Fuente(cr, linea);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    Anillo(108, 1.2);
    // small circles on the star's points, and runes at the inner ring
    for (int i = 0; i < 8; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 8;
        cairo_arc(cr, cx + 200 * std::cos(a), cy + 200 * std::sin(a), 9, 0, 2 * M_PI);
        Fuente(cr, linea);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        Runa(cr, 101 + i, cx + 84 * std::cos(a + M_PI / 8), cy + 84 * std::sin(a + M_PI / 8), 18, a + M_PI / 8 + M_PI / 2,
             1.5);
    }
    Anillo(46, 1.4);
    // the eye at the heart
    cairo_move_to(cr, cx - 30, cy);
    cairo_curve_to(cr, cx - 12, cy - 18, cx + 12, cy - 18, cx + 30, cy);
    cairo_curve_to(cr, cx + 12, cy + 18, cx - 12, cy + 18, cx - 30, cy);
    Fuente(cr, linea);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    Resplandor(cr, cx, cy, 14, Hex(0xFFD27A, 0.6));
}

Paquete Circulo()
{
    Paquete p;
    p.comment = "The cabalistic circle: rings of runes around a star of eight points, faint gold";
    p.sprites.push_back(Centrado(0, 500, 500, CirculoCabalistico));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- the loading sign's ring of runes ----

Paquete AroDeTexto()
{
    Paquete p;
    p.comment = "The loading sign: a glowing ring of runes";
    p.sprites.push_back(Centrado(0, 128, 128, [](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2;
        Resplandor(cr, cx, cy, 62, Hex(0xF2A93B, 0.25));
        for (double r : {34.0, 59.0}) {
            cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
            Fuente(cr, Hex(0xFFE9A8, 0.85));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
        const int n = 12;
        for (int i = 0; i < n; ++i) {
            const double a = i * 2 * M_PI / n;
            Fuente(cr, Hex(0xF2A93B, 0.4));
            Runa(cr, i * 5 + 3, cx + 46.5 * std::sin(a), cy - 46.5 * std::cos(a), 16, a, 4.2);
            Fuente(cr, Hex(0xFFF1C8));
            Runa(cr, i * 5 + 3, cx + 46.5 * std::sin(a), cy - 46.5 * std::cos(a), 16, a, 1.8);
        }
    }));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

Paquete MsgBoxGrande() { return CajaMensaje("The big message box: a gilded frame of 900 by 450", 900); }
Paquete MsgBoxPequena() { return CajaMensaje("The small message box: a gilded frame of 400 by 450", 400); }

RegistroPaquete g_botones(juego::paquete::BOTONES, Botones);
RegistroPaquete g_msgBoxGrande(juego::paquete::MSGBOX_GRANDE, MsgBoxGrande);
RegistroPaquete g_msgBoxPequena(juego::paquete::MSGBOX_PEQUENA, MsgBoxPequena);
RegistroPaquete g_iconosDificultad(juego::paquete::ICONOS_DIFICULTAD, IconosDificultad);
RegistroPaquete g_efectos(juego::paquete::EFECTOS, Efectos);
RegistroPaquete g_gradiente(juego::paquete::GRADIENTE_FONDO, GradienteFondo);
RegistroPaquete g_piezasTitulo(juego::paquete::PIEZAS_TITULO, PiezasTitulo);
RegistroPaquete g_barraTitulo(juego::paquete::BARRA_TITULO, TituloYPastilla);
RegistroImagen g_barraSuperior(juego::imagen::BARRA_SUPERIOR, 1024, 96, BarraSuperior);
RegistroImagen g_barraInferior(juego::imagen::BARRA_INFERIOR, 1024, 53, BarraInferior);
RegistroPaquete g_circulo(juego::paquete::CIRCULO_CABALISTICO, Circulo);
RegistroPaquete g_aro(juego::paquete::ARO_DE_TEXTO, AroDeTexto);

} // namespace
} // namespace art
