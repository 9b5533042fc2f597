// Pictures of the animated sequences: the example sequence's figure, prop,
// sparkle and thread with its two tiling layers (night sky, drifting mist),
// and the pieces that the animated help pages move about (diamonds, a shard,
// the wand that traces, the gold chain, a seal, a curse, a coin).
#include "Arte.h"
#include "Pinceles.h"
#include "paquetes/PiezasAyuda.h"
#include "engine/core/CatalogoMotor.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

// The game's palette for these pictures.
const Color kNoche = Hex(0x141A3A);
const Color kVioleta = Hex(0x3A2A6A);
const Color kOro = Hex(0xE8B84A);
const Color kOroClaro = Hex(0xFFE9A8);
const Color kOroOscuro = Hex(0x7A4E12);
const Color kPergamino = Hex(0xF3E6C4);
const Color kContorno = Hex(0x2A1A06);

// A single-sprite animation for every slot listed.
void AnimacionesDeSlots(Paquete& p, std::initializer_list<std::pair<int, int>> animacionSlot)
{
    for (const auto& [a, s] : animacionSlot) p.animations.push_back({a, {{s, 10000}}});
}

// ---- the example's girl: head, hair, dress, arms swinging between frames ----

void Figura(cairo_t* cr, double w, double h, int frame, int)
{
    const double cx = w / 2;
    // soft shadow at the feet
    cairo_save(cr);
    cairo_translate(cr, cx, h - 4);
    cairo_scale(cr, 1.0, 0.3);
    cairo_arc(cr, 0, 0, 14, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    // dress
    cairo_move_to(cr, cx - 5, 26);
    cairo_line_to(cr, cx + 5, 26);
    cairo_line_to(cr, cx + 15, h - 6);
    cairo_line_to(cr, cx - 15, h - 6);
    cairo_close_path(cr);
    DegradadoV(cr, 26, h - 6, {{0, Hex(0x6C8CE8)}, {1, Hex(0x2C3C8C)}});
    cairo_fill_preserve(cr);
    Fuente(cr, kOro);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // arms: frame 1 swings them
    const double s = frame == 0 ? 0.0 : 6.0;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.0);
    Fuente(cr, Hex(0xF2D2B6));
    cairo_move_to(cr, cx - 5, 30);
    cairo_line_to(cr, cx - 11 - s, 42 - s);
    cairo_move_to(cr, cx + 5, 30);
    cairo_line_to(cr, cx + 11 + s * 0.5, 42 + s * 0.3);
    cairo_stroke(cr);
    // head and hair
    cairo_arc(cr, cx, 17, 8, 0, 2 * M_PI);
    Fuente(cr, Hex(0xF6DCC4));
    cairo_fill(cr);
    cairo_arc(cr, cx, 15, 9, M_PI, 2 * M_PI);
    cairo_curve_to(cr, cx + 10, 22, cx + 8, 28, cx + 6, 30);
    cairo_line_to(cr, cx + 4, 20);
    cairo_line_to(cr, cx - 4, 20);
    cairo_line_to(cr, cx - 6, 30);
    cairo_curve_to(cr, cx - 8, 28, cx - 10, 22, cx - 9, 15);
    Fuente(cr, Hex(0x5A2E16));
    cairo_fill(cr);
    // eyes
    Fuente(cr, Hex(0x22140A));
    cairo_arc(cr, cx - 3, 18, 1.1, 0, 2 * M_PI);
    cairo_arc(cr, cx + 3, 18, 1.1, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A lantern: gilded frame and a warm glowing pane.
void Farol(cairo_t* cr, double w, double h)
{
    const double cx = w / 2;
    Destello(cr, cx, h * 0.55, w * 0.5, Hex(0xFFD27A, 0.45));
    RectRedondeado(cr, cx - 9, 14, 18, 24, 3);
    DegradadoRadial(cr, cx, 26, 14, {{0, Hex(0xFFF6D0)}, {0.6, Hex(0xFFC44A)}, {1, Hex(0xC8761A)}});
    cairo_fill_preserve(cr);
    Fuente(cr, kOroOscuro);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // cap and ring
    cairo_move_to(cr, cx - 12, 14);
    cairo_line_to(cr, cx, 5);
    cairo_line_to(cr, cx + 12, 14);
    cairo_close_path(cr);
    Fuente(cr, kOro);
    cairo_fill_preserve(cr);
    Fuente(cr, kContorno);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, 4, 3, 0, 2 * M_PI);
    Fuente(cr, kOro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RectRedondeado(cr, cx - 10, 38, 20, 5, 2);
    Fuente(cr, kOro);
    cairo_fill(cr);
}

void Chispa(cairo_t* cr, double w, double h, int frame, int count)
{
    const double t = double(frame) / count;
    Destello(cr, w / 2, h / 2, w * (0.30 + 0.18 * std::sin(t * M_PI)), Hex(0xFFFFFF, 0.95));
    Destello(cr, w / 2, h / 2, w * 0.5, Hex(0xFFE08A, 0.35));
}

// A strand of gold light stretched along its width: lines between objects.
void Hilo(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h, {{0, Hex(0xFFD27A, 0)}, {0.5, Hex(0xFFF0C0, 0.95)}, {1, Hex(0xFFD27A, 0)}});
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
}

Paquete PaqueteEjemplo()
{
    Paquete p;
    p.comment = "The example sequence: a girl (0 stands, 1 walks), a lantern (2), a sparkle (3) and a gold thread "
                "(slot 20, for lines)";
    AnadeFrames(p, 0, 2, 48, 64, 24, 60, Figura);
    p.sprites.push_back({10, 40, 48, 20, 24, Farol});
    AnadeFrames(p, 11, 4, 32, 32, 16, 16, Chispa);
    p.sprites.push_back({20, 32, 12, 0, 6, Hilo});
    p.animations.push_back({0, {{0, 10000}}});
    p.animations.push_back({1, {{0, 220}, {1, 220}}});
    p.animations.push_back({2, {{10, 10000}}});
    p.animations.push_back({3, {{11, 90}, {12, 90}, {13, 90}, {14, 90}}});
    return p;
}

// A 128-point tile of night sky with a few stars, which tiles without seams
// (nothing is drawn across its edges).
Paquete PaqueteCielo()
{
    Paquete p;
    p.comment = "A tile of night sky with stars, for a scrolling layer (animation 1)";
    Sprite s{0, 128, 128, 0, 0, [](cairo_t* cr, double w, double h) {
                 Fuente(cr, kNoche);
                 cairo_paint(cr);
                 const double estrellas[][3] = {{18, 22, 1.6}, {70, 14, 1.0}, {104, 40, 2.0}, {40, 66, 1.2},
                                                {92, 88, 1.4}, {20, 104, 1.0}, {60, 110, 1.8}, {112, 116, 1.0}};
                 for (const auto& e : estrellas) Destello(cr, e[0], e[1], e[2] * 3.0, Hex(0xFFF6D8, 0.9));
                 (void)w;
                 (void)h;
             },
             MODO_OPACO};
    p.sprites.push_back(s);
    AnimacionesDeSlots(p, {{0, 0}, {1, 0}});
    return p;
}

// A band of mist, lighter in its middle, transparent at top and bottom.
Paquete PaqueteNiebla()
{
    Paquete p;
    p.comment = "A tile of drifting violet mist, for a scrolling layer (animation 1)";
    p.sprites.push_back({0, 256, 128, 0, 0, [](cairo_t* cr, double w, double h) {
                             for (int i = 0; i < 3; ++i) {
                                 const double cx = w * (0.2 + 0.3 * i), cy = h * (0.45 + 0.1 * (i % 2));
                                 cairo_save(cr);
                                 cairo_translate(cr, cx, cy);
                                 cairo_scale(cr, 2.2, 1.0);
                                 DegradadoRadial(cr, 0, 0, 34, {{0, Mezcla(kVioleta, kPergamino, 0.35)}, {1, Hex(0x3A2A6A, 0)}});
                                 cairo_arc(cr, 0, 0, 34, 0, 2 * M_PI);
                                 cairo_fill(cr);
                                 cairo_restore(cr);
                             }
                         }});
    AnimacionesDeSlots(p, {{0, 0}, {1, 0}});
    return p;
}

RegistroPaquete g_ejemplo(motor::paquete::EJEMPLO, PaqueteEjemplo);
RegistroPaquete g_cielo(motor::paquete::EJEMPLO_CIELO, PaqueteCielo);
RegistroPaquete g_niebla(motor::paquete::EJEMPLO_NIEBLA, PaqueteNiebla);

} // namespace

// ---- the animated help's pieces (the help panel's pictures draw them too) ----
namespace piezas {

// A faceted diamond in one of the piece colours.
Painter Diamante(unsigned claro, unsigned medio, unsigned oscuro)
{
    return [=](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2, r = w / 2 - 2;
        cairo_move_to(cr, cx, cy - r);
        cairo_line_to(cr, cx + r, cy);
        cairo_line_to(cr, cx, cy + r);
        cairo_line_to(cr, cx - r, cy);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r, cy + r, {{0, Hex(claro)}, {0.5, Hex(medio)}, {1, Hex(oscuro)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0xFFFFFF, 0.85));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        // facets
        cairo_move_to(cr, cx - r / 2, cy - r / 2);
        cairo_line_to(cr, cx + r / 2, cy - r / 2);
        cairo_line_to(cr, cx, cy + r);
        cairo_close_path(cr);
        Fuente(cr, Hex(0xFFFFFF, 0.22));
        cairo_fill(cr);
        Destello(cr, cx - r / 3, cy - r / 3, r / 2.5, Hex(0xFFFFFF, 0.8));
    };
}

void Esquirla(cairo_t* cr, double w, double h)
{
    // A diamond split in two, the halves apart.
    const double cx = w / 2, cy = h / 2, r = w / 2 - 4;
    for (int lado : {-1, 1}) {
        const double dx = lado * 3.0;
        cairo_move_to(cr, cx + dx, cy - r);
        cairo_line_to(cr, cx + dx + lado * r, cy);
        cairo_line_to(cr, cx + dx, cy + r);
        cairo_line_to(cr, cx + dx + lado * 2, cy);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r, cy + r, {{0, Hex(0xC9F0FF)}, {1, Hex(0x3A86B8)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0xFFFFFF, 0.8));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    (void)h;
}

// The wand that traces chains: a gold rod with a star at its tip (the hotspot).
void Varita(cairo_t* cr, double w, double h)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 8, 8);
    cairo_line_to(cr, w - 4, h - 4);
    Fuente(cr, kContorno);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 8);
    cairo_line_to(cr, w - 4, h - 4);
    DegradadoH(cr, 0, w, {{0, kOroClaro}, {1, kOroOscuro}});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Destello(cr, 6, 6, 7, Hex(0xFFFFFF));
}

void Sello(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    DegradadoRadial(cr, cx, cy, w / 2, {{0, Hex(0xFFE9A8, 0.35)}, {1, Hex(0xFFE9A8, 0)}});
    cairo_paint(cr);
    Fuente(cr, kOro);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, cx, cy, w / 2 - 6, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, cx, cy, w / 2 - 12, 0, 2 * M_PI);
    cairo_stroke(cr);
    // a five-pointed star inside
    for (int i = 0; i <= 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        const double x = cx + (w / 2 - 14) * std::cos(a), y = cy + (h / 2 - 14) * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Maldicion(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    for (int i = 0; i < 10; ++i) { // spikes
        const double a = i * M_PI / 5;
        cairo_move_to(cr, cx + 8 * std::cos(a + 0.3), cy + 8 * std::sin(a + 0.3));
        cairo_line_to(cr, cx + (w / 2 - 1) * std::cos(a), cy + (h / 2 - 1) * std::sin(a));
        cairo_line_to(cr, cx + 8 * std::cos(a - 0.3), cy + 8 * std::sin(a - 0.3));
    }
    Fuente(cr, Hex(0x4A1A5A));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, w / 3, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, w / 3, {{0, Hex(0xB04AD0)}, {1, Hex(0x2A0A3A)}});
    cairo_fill(cr);
    Fuente(cr, Hex(0xFFE0FF));
    cairo_arc(cr, cx - 4, cy - 2, 2, 0, 2 * M_PI);
    cairo_arc(cr, cx + 4, cy - 2, 2, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Moneda(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    cairo_arc(cr, cx, cy, w / 2 - 1, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 3, cy - 3, w / 2, {{0, kOroClaro}, {0.7, kOro}, {1, kOroOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, kContorno);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, w / 2 - 6, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFF6D0, 0.8));
    cairo_stroke(cr);
    (void)h;
}

} // namespace piezas

namespace {
using namespace piezas;

Paquete PiezasAyuda()
{
    Paquete p;
    p.comment = "The animated help's pieces: diamonds 0-3, shard 4, wand 5, sparkle 6, seal 7, curse 8, coin 9, "
                "gold chain 20 (for lines); animation n shows slot n";
    p.sprites.push_back({0, 40, 40, 20, 20, Diamante(0xFFB0B8, 0xE83A4A, 0x8A1020)});
    p.sprites.push_back({1, 40, 40, 20, 20, Diamante(0xB8F0B0, 0x3AB84A, 0x106A20)});
    p.sprites.push_back({2, 40, 40, 20, 20, Diamante(0xB8D8FF, 0x3A78E8, 0x102A8A)});
    p.sprites.push_back({3, 40, 40, 20, 20, Diamante(0xFFF0A8, 0xE8C03A, 0x8A6A10)});
    p.sprites.push_back({4, 40, 40, 20, 20, Esquirla});
    p.sprites.push_back({5, 40, 40, 6, 6, Varita});
    p.sprites.push_back({6, 32, 32, 16, 16, [](cairo_t* cr, double w, double h) { Chispa(cr, w, h, 2, 4); }});
    p.sprites.push_back({7, 96, 96, 48, 48, Sello});
    p.sprites.push_back({8, 44, 44, 22, 22, Maldicion});
    p.sprites.push_back({9, 30, 30, 15, 15, Moneda});
    p.sprites.push_back({20, 32, 14, 0, 7, Hilo});
    for (int i = 0; i <= 9; ++i) p.animations.push_back({i, {{i, 10000}}});
    return p;
}
RegistroPaquete g_piezasAyuda(juego::paquete::PIEZAS_AYUDA, PiezasAyuda);

} // namespace
} // namespace art
