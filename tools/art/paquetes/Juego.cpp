// The pictures of play: the band a traced line is drawn with, the turning
// sun cross that marks where the next move would cross the line, and the simple versions of the packages that the play
// screen loads for the tools to come (the veil, small objects, the final
// summary's plate, trophy medals, rank seals, the small title, the curses'
// smoke).
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

using namespace paleta;

Paquete UnSprite(const char* comentario, int w, int h, double hx, double hy, Painter pintor)
{
    Paquete p;
    p.comment = comentario;
    p.sprites.push_back({0, w, h, hx, hy, std::move(pintor)});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}

// A band of light across its height, the same at both ends so that it
// tiles along a line: a bright core, a soft glow and a thread of gold
// that drifts with the texture's scroll.
void Banda(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h,
               {{0, Hex(0xFFE9A8, 0)},
                {0.3, Hex(0xF2A93B, 0.35)},
                {0.45, Hex(0xFFF6DC, 0.95)},
                {0.55, Hex(0xFFF6DC, 0.95)},
                {0.7, Hex(0xF2A93B, 0.35)},
                {1, Hex(0xFFE9A8, 0)}});
    cairo_paint(cr);
    // Sparks along the core, one period per tile.
    for (int i = 0; i < 4; ++i) {
        const double x = (i + 0.5) * w / 4;
        const double y = h / 2 + std::sin(i * 1.7) * h * 0.12;
        cairo_arc(cr, x, y, h * 0.09, 0, 2 * M_PI);
        Fuente(cr, Hex(0xFFFFFF, 0.9));
        cairo_fill(cr);
    }
}

// A sun cross: four rays and a ring, gold with a white heart.
void CruzSolar(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.42;
    Resplandor(cr, cx, cy, r, Hex(0xFFD27A, 0.55));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        cairo_move_to(cr, cx + std::cos(a) * r * 0.25, cy + std::sin(a) * r * 0.25);
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_set_line_width(cr, w * 0.08);
    Fuente(cr, Oro);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, w * 0.035);
    Fuente(cr, OroClaro);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * M_PI);
    cairo_set_line_width(cr, w * 0.05);
    Fuente(cr, OroMedio);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r * 0.22, {{0, Hex(0xFFFFFF)}, {1, LuzDeVela}});
    cairo_fill(cr);
}

void Velo(cairo_t* cr, double w, double h)
{
    DegradadoRadial(cr, w / 2, h / 2, w * 0.7, {{0, Hex(0x07061A, 0.3)}, {1, Hex(0x07061A, 0.9)}});
    cairo_paint(cr);
}

void Objetos(cairo_t* cr, double w, double h)
{
    Destello(cr, w / 2, h / 2, w * 0.45, LuzDeLuna);
    cairo_arc(cr, w / 2, h / 2, w * 0.12, 0, 2 * M_PI);
    Fuente(cr, Lavanda);
    cairo_fill(cr);
}

void Placa(cairo_t* cr, double w, double h)
{
    RectRedondeado(cr, 6, 6, w - 12, h - 12, 18);
    DegradadoV(cr, 0, h, {{0, Hex(0x1A2450, 0.92)}, {1, Hex(0x07061A, 0.92)}});
    cairo_fill(cr);
    MarcoDorado(cr, 6, 6, w - 12, h - 12, 18, 6);
}

void Medalla(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.4;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3, {{0, OroClaro}, {0.6, Oro}, {1, OroOscuro}});
    cairo_fill(cr);
    Runa(cr, 3, cx, cy, r, 0, 2.5);
}

void Sello(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.42;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r, {{0, Hex(0xE04A5A)}, {1, Hex(0x5A0612)}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.7, 0, 2 * M_PI);
    cairo_set_line_width(cr, 2);
    Fuente(cr, Hex(0xFFB0B8, 0.8));
    cairo_stroke(cr);
    Runa(cr, 5, cx, cy, r * 0.9, 0, 2.0);
}

void MiniTitulo(cairo_t* cr, double w, double h)
{
    RectRedondeado(cr, 4, 4, w - 8, h - 8, h / 2 - 4);
    DegradadoV(cr, 0, h, {{0, Violeta}, {1, Noche}});
    cairo_fill(cr);
    MarcoDorado(cr, 4, 4, w - 8, h - 8, h / 2 - 4, 3);
}

void Humo(cairo_t* cr, double w, double h)
{
    for (int i = 0; i < 5; ++i) {
        const double x = w * (0.3 + 0.4 * Azar(71, i)), y = h * (0.3 + 0.4 * Azar(72, i));
        cairo_arc(cr, x, y, w * (0.18 + 0.1 * Azar(73, i)), 0, 2 * M_PI);
        DegradadoRadial(cr, x, y, w * 0.3, {{0, Hex(0x3B2669, 0.55)}, {1, Hex(0x07061A, 0)}});
        cairo_fill(cr);
    }
}

RegistroPaquete g_lineas(juego::paquete::SEL_LIN_MAIDA, [] {
    return UnSprite("The band a traced line is drawn with; it tiles along the line", 64, 16, 0, 8, Banda);
});
RegistroPaquete g_cruz(juego::paquete::CRUZ_SOLAR, [] {
    return UnSprite("The sun cross marking where the next move would cross the line", 48, 48, 24, 24, CruzSolar);
});
RegistroPaquete g_oscurecer(juego::paquete::OSCURECER,
                            [] { return UnSprite("A veil that darkens the board", 64, 64, 32, 32, Velo); });
RegistroPaquete g_objetos(juego::paquete::OBJETOS_MAIDA,
                          [] { return UnSprite("A small glowing object of play", 48, 48, 24, 24, Objetos); });
RegistroPaquete g_resumenFinal(juego::paquete::RESUMEN_FINAL, [] {
    return UnSprite("The final summary's plate", 256, 256, 128, 128, Placa);
});
RegistroPaquete g_trofeos(juego::paquete::TROFEOS1,
                          [] { return UnSprite("A trophy medal", 64, 64, 32, 32, Medalla); });
RegistroPaquete g_selloRango(juego::paquete::RANGO_SELLO,
                             [] { return UnSprite("A rank seal of wax", 64, 64, 32, 32, Sello); });
RegistroPaquete g_miniTitulo(juego::paquete::MINI_TITULO_INGAME,
                             [] { return UnSprite("The small title plate of play", 256, 48, 128, 24, MiniTitulo); });
RegistroPaquete g_humo(juego::paquete::HUMO_MALDICIONES,
                       [] { return UnSprite("A puff of the curses' violet smoke", 64, 64, 32, 32, Humo); });

} // namespace
} // namespace art
