// The help panels' pictures: the eight wordless scenes of the two help pages
// (tracing a chain, a crossing, a seal's shards, the lit circle; undo, the
// curses, the bonuses, the energy) with their gilded frames, and the
// animated pages' panel and the candle beside it.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"
#include "paquetes/PiezasAyuda.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

using namespace paleta;

constexpr double kAnchoGrande = 340, kAltoGrande = 320;
constexpr double kAnchoEstrecho = 224, kAltoEstrecho = 320, kAltoBajo = 280;
constexpr double kBorde = 10;

const Painter kRojo = piezas::Diamante(0xFFB0B8, 0xE83A4A, 0x8A1020);
const Painter kVerde = piezas::Diamante(0xB8F0B0, 0x3AB84A, 0x106A20);
const Painter kAzul = piezas::Diamante(0xB8D8FF, 0x3A78E8, 0x102A8A);
const Painter kAmarillo = piezas::Diamante(0xFFF0A8, 0xE8C03A, 0x8A6A10);

// A piece painter drawn size x size, centred on (cx, cy).
void Pieza(cairo_t* cr, const Painter& p, double cx, double cy, double lado)
{
    cairo_save(cr);
    cairo_translate(cr, cx - lado / 2, cy - lado / 2);
    p(cr, lado, lado);
    cairo_restore(cr);
}

// The night behind each scene, a little lighter in the middle.
void Fondo(cairo_t* cr, double w, double h)
{
    RectRedondeado(cr, 4, 4, w - 8, h - 8, 14);
    DegradadoV(cr, 0, h, {{0, Violeta}, {0.5, NocheAzul}, {1, Noche}});
    cairo_fill(cr);
    Resplandor(cr, w / 2, h / 2, std::fmin(w, h) * 0.55, Hex(0x7A5CB8, 0.25));
    Estrellas(cr, 10, 10, w - 20, h - 20, 14, static_cast<unsigned>(w * 7 + h), w * 0.3, h * 0.3);
}

// A chain of gold through the points, in order.
void Cadena(cairo_t* cr, const std::vector<std::pair<double, double>>& p, double ancho)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pasada = 0; pasada < 2; ++pasada) {
        for (size_t i = 0; i < p.size(); ++i)
            (i == 0 ? cairo_move_to : cairo_line_to)(cr, p[i].first, p[i].second);
        if (pasada == 0) {
            Fuente(cr, Hex(0xFFD27A, 0.35));
            cairo_set_line_width(cr, ancho * 3);
        } else {
            Fuente(cr, OroClaro);
            cairo_set_line_width(cr, ancho);
        }
        cairo_stroke(cr);
    }
}

// Page 0, picture 0: a chain traced over four red diamonds, the wand at its end.
void Trazado(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const std::vector<std::pair<double, double>> p = {{80, 110}, {170, 210}, {260, 110}, {250, 250}};
    Cadena(cr, {p[0], p[1], p[2]}, 4);
    for (const auto& [x, y] : p) Pieza(cr, kRojo, x, y, 48);
    Pieza(cr, kVerde, 90, 250, 44);
    Pieza(cr, kAzul, 170, 70, 44);
    cairo_save(cr);
    cairo_translate(cr, 254, 104);
    piezas::Varita(cr, 70, 70);
    cairo_restore(cr);
}

// Picture 1: a line of four that crosses itself, a star where it crosses.
void Cruce(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const std::vector<std::pair<double, double>> p = {{90, 90}, {250, 230}, {250, 90}, {90, 230}};
    Cadena(cr, p, 4);
    for (const auto& [x, y] : p) Pieza(cr, kAzul, x, y, 48);
    Resplandor(cr, 170, 160, 60, Hex(0xFFE9A8, 0.6));
    Destello(cr, 170, 160, 30, Hex(0xFFFFFF));
}

// Picture 2: the shards of a seal round its outline, three already traced.
void Esquirlas(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const double cx = w / 2, cy = h / 2, r = 78;
    std::vector<std::pair<double, double>> p;
    for (int i = 0; i < 8; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 8;
        p.push_back({cx + r * std::cos(a), cy + r * 1.25 * std::sin(a)});
    }
    cairo_set_dash(cr, std::vector<double>{6, 6}.data(), 2, 0);
    Fuente(cr, Hex(0xDCE6FF, 0.35));
    cairo_set_line_width(cr, 2);
    for (size_t i = 0; i <= p.size(); ++i) (i == 0 ? cairo_move_to : cairo_line_to)(cr, p[i % p.size()].first, p[i % p.size()].second);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    Cadena(cr, {p[0], p[1], p[2], p[3]}, 3.5);
    for (size_t i = 0; i < p.size(); ++i) {
        if (i <= 3) Resplandor(cr, p[i].first, p[i].second, 26, Hex(0xC9F0FF, 0.55));
        Pieza(cr, piezas::Esquirla, p[i].first, p[i].second, 36);
    }
}

// Picture 3: the cabalistic circle, a completed seal alight in it.
void Circulo(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const double cx = w / 2, cy = h / 2;
    Resplandor(cr, cx, cy, 105, Hex(0xFFD27A, 0.45));
    Fuente(cr, Oro);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, cx, cy, 92, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, cx, cy, 80, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        Runa(cr, i, cx + 86 * std::cos(a), cy + 86 * std::sin(a), 10, a + M_PI / 2, 1.4);
    }
    Pieza(cr, piezas::Sello, cx, cy, 130);
}

// Page 1, picture 0: the mouse, its right button alight, and an arrow back.
void Deshacer(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const double x = 150, y = 90, mw = 110, mh = 160;
    RectRedondeado(cr, x, y, mw, mh, 50);
    DegradadoV(cr, y, y + mh, {{0, Pergamino}, {1, PergaminoOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x + mw / 2, y);
    cairo_line_to(cr, x + mw / 2, y + 62);
    cairo_move_to(cr, x, y + 62);
    cairo_line_to(cr, x + mw, y + 62);
    cairo_stroke(cr);
    cairo_save(cr);
    RectRedondeado(cr, x, y, mw, mh, 50);
    cairo_clip(cr);
    cairo_rectangle(cr, x + mw / 2 + 1, y, mw / 2, 61);
    Fuente(cr, Ambar);
    cairo_fill(cr);
    cairo_restore(cr);
    Resplandor(cr, x + mw * 0.75, y + 30, 50, Hex(0xFFD27A, 0.5));
    // the arrow that curls back over a diamond
    Pieza(cr, kRojo, 70, 230, 46);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 5);
    cairo_arc_negative(cr, 90, 160, 45, 0, -M_PI * 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, 38, 150);
    cairo_line_to(cr, 47, 175);
    cairo_line_to(cr, 62, 152);
    cairo_stroke(cr);
}

// Picture 1: curses closing on the wand, a shiver of violet round them.
void Maldiciones(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    Resplandor(cr, w / 2, h / 2, 120, Hex(0x4A1A5A, 0.5));
    const double pos[4][2] = {{90, 90}, {250, 80}, {80, 230}, {260, 240}};
    for (const auto& c : pos) Pieza(cr, piezas::Maldicion, c[0], c[1], 62);
    cairo_save(cr);
    cairo_translate(cr, w / 2 - 10, h / 2 - 10);
    piezas::Varita(cr, 70, 70);
    cairo_restore(cr);
    Fuente(cr, Hex(0xB04AD0, 0.6));
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, w / 2 - 4, h / 2 - 4, 24 + 10 * i, M_PI * 0.1 * i, M_PI * (0.6 + 0.1 * i));
        cairo_stroke(cr);
    }
}

// Picture 2: three bonus orbs: a shield, a purge star, a doubling.
void Bonus(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const double cx = w / 2;
    const struct {
        double y;
        unsigned color;
    } orbes[3] = {{80, 0x3A78E8}, {165, 0x2FB58A}, {250, 0xE8C03A}};
    for (const auto& o : orbes) {
        Resplandor(cr, cx, o.y, 45, Hex(o.color, 0.5));
        cairo_arc(cr, cx, o.y, 30, 0, 2 * M_PI);
        DegradadoRadial(cr, cx - 8, o.y - 8, 36, {{0, Hex(0xFFFFFF)}, {0.4, Hex(o.color)}, {1, Hex(o.color, 0.6)}});
        cairo_fill(cr);
    }
    Fuente(cr, Hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 3);
    // shield
    cairo_move_to(cr, cx - 12, 68);
    cairo_line_to(cr, cx + 12, 68);
    cairo_line_to(cr, cx + 12, 82);
    cairo_curve_to(cr, cx + 12, 92, cx, 96, cx, 96);
    cairo_curve_to(cr, cx, 96, cx - 12, 92, cx - 12, 82);
    cairo_close_path(cr);
    cairo_stroke(cr);
    Destello(cr, cx, 165, 18, Hex(0xFFFFFF));
    Pieza(cr, kAmarillo, cx - 8, 250, 24);
    Pieza(cr, kAmarillo, cx + 8, 250, 24);
}

// Picture 3: the energy rising in a gauge towards a star.
void Energia(cairo_t* cr, double w, double h)
{
    Fondo(cr, w, h);
    const double x = w / 2 - 26, y = 50, gw = 52, gh = h - 110;
    RectRedondeado(cr, x, y, gw, gh, 20);
    Fuente(cr, Hex(0x05040F, 0.8));
    cairo_fill_preserve(cr);
    Fuente(cr, Oro);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    RectRedondeado(cr, x + 5, y + 5, gw - 10, gh - 10, 16);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y + gh * 0.3, gw, gh);
    DegradadoV(cr, y + gh * 0.3, y + gh, {{0, LuzDeVela}, {1, Brasa}});
    cairo_fill(cr);
    cairo_restore(cr);
    Resplandor(cr, w / 2, y + gh * 0.3, 50, Hex(0xFFD27A, 0.6));
    Destello(cr, w / 2, 32, 22, OroClaro);
    for (int i = 0; i < 3; ++i) Pieza(cr, i == 1 ? kVerde : kRojo, w / 2 - 60 + 60 * i, h - 30, 36);
}

// Frames 20..23: the gilded rim of a picture, its middle left clear.
Painter Marco()
{
    return [](cairo_t* cr, double w, double h) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        RectRedondeado(cr, 0, 0, w, h, 16);
        RectRedondeado(cr, kBorde, kBorde, w - 2 * kBorde, h - 2 * kBorde, 10);
        DegradadoV(cr, 0, h, {{0, OroClaro}, {0.1, OroMedio}, {0.5, Oro}, {0.55, OroOscuro}, {1, OroMedio}});
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        RectRedondeado(cr, 0.5, 0.5, w - 1, h - 1, 16);
        Fuente(cr, Tinta);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (const auto& [x, y] : {std::pair{kBorde, kBorde}, {w - kBorde, kBorde}, {kBorde, h - kBorde},
                                   {w - kBorde, h - kBorde}})
            Tachuela(cr, x, y, 7);
    };
}

Paquete PaqueteAyuda()
{
    Paquete p;
    p.comment = "The help panel's pictures: page 0 in 0-3, page 1 in 10-13, their frames in 20-23 "
                "(top-left hotspots; 340x320, 340x320, 224x320, 224x280)";
    const Painter escenas[2][4] = {{Trazado, Cruce, Esquirlas, Circulo}, {Deshacer, Maldiciones, Bonus, Energia}};
    const double tam[4][2] = {{kAnchoGrande, kAltoGrande}, {kAnchoGrande, kAltoGrande}, {kAnchoEstrecho, kAltoEstrecho},
                              {kAnchoEstrecho, kAltoBajo}};
    for (int pagina = 0; pagina < 2; ++pagina)
        for (int i = 0; i < 4; ++i)
            p.sprites.push_back({10 * pagina + i, int(tam[i][0]), int(tam[i][1]), 0, 0, escenas[pagina][i]});
    for (int i = 0; i < 4; ++i) p.sprites.push_back({20 + i, int(tam[i][0]), int(tam[i][1]), 0, 0, Marco()});
    for (const Sprite& s : p.sprites) p.animations.push_back({s.slot, {{s.slot, 10000}}});
    return p;
}

// The animated pages' panel: a gilded frame round the night, 900 x 560.
Paquete PaquetePanel()
{
    Paquete p;
    p.comment = "The animated help's panel, centred";
    p.sprites.push_back({0, 900, 560, 450, 280, [](cairo_t* cr, double w, double h) {
                             MarcoDorado(cr, 0, 0, w, h, 26, 16);
                             Estrellas(cr, 30, 30, w - 60, h - 60, 40, 77, w * 0.3, h * 0.3);
                             for (int lado : {-1, 1}) {
                                 Voluta(cr, w / 2 + lado * 60, 18, 110, lado < 0 ? M_PI : 0, 1, 3);
                                 Voluta(cr, w / 2 + lado * 60, h - 20, 110, lado < 0 ? M_PI : 0, -1, 3);
                             }
                         }});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// A candle on a book, lighting the panel's right side.
Paquete PaqueteAdorno()
{
    Paquete p;
    p.comment = "The candle beside the animated help, centred on its flame's base";
    p.sprites.push_back({0, 120, 220, 60, 110, [](cairo_t* cr, double w, double h) {
                             Resplandor(cr, w / 2, 50, 58, Hex(0xFFD27A, 0.55));
                             // the book
                             RectRedondeado(cr, 14, h - 44, w - 28, 30, 5);
                             DegradadoV(cr, h - 44, h - 14, {{0, Hex(0x8A2030)}, {1, Hex(0x4A0A18)}});
                             cairo_fill(cr);
                             cairo_rectangle(cr, 18, h - 40, w - 36, 6);
                             Fuente(cr, Pergamino);
                             cairo_fill(cr);
                             // the candle
                             cairo_rectangle(cr, w / 2 - 14, 78, 28, h - 122);
                             DegradadoH(cr, w / 2 - 14, w / 2 + 14, {{0, PergaminoOscuro}, {0.4, Pergamino}, {1, PergaminoOscuro}});
                             cairo_fill(cr);
                             // the flame
                             cairo_move_to(cr, w / 2, 28);
                             cairo_curve_to(cr, w / 2 + 14, 52, w / 2 + 10, 72, w / 2, 74);
                             cairo_curve_to(cr, w / 2 - 10, 72, w / 2 - 14, 52, w / 2, 28);
                             DegradadoV(cr, 28, 74, {{0, Hex(0xFFFFFF)}, {0.4, LuzDeVela}, {1, Ambar}});
                             cairo_fill(cr);
                         }});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

RegistroPaquete g_ayuda(juego::paquete::AYUDA, PaqueteAyuda);
RegistroPaquete g_panelAyuda(juego::paquete::PANEL_AYUDA, PaquetePanel);
RegistroPaquete g_adornoAyuda(juego::paquete::ADORNO_AYUDA, PaqueteAdorno);

} // namespace
} // namespace art
