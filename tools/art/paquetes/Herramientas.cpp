// The pictures of play's tools: the small curses that circle a slowed
// pointer and the bonus orb of the HUD's line gauge (simple versions until
// the curses' and bonuses' own art replaces them).
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

using namespace paleta;

// ---- the curses, one small orb per kind 1..11 (slots 0..10) ----

// The glow of each kind, by what it does to the pointer: slowing amber,
// inverting violet, freezing ice, shaking gold, paralysing grey, the chase
// white, the block red.
constexpr unsigned kColoresMaldicion[11] = {0xF2A93B, 0x7A5CB8, 0xC48B30, 0x6FB4E8, 0xB9A6E8, 0xFFD27A,
                                            0x8A8AA0, 0xDCE6FF, 0xE0572A, 0xD0203A, 0xFFFFFF};

Painter Maldicion(int k)
{
    return [k](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2, r = w * 0.36;
        Resplandor(cr, cx, cy, w / 2, Hex(kColoresMaldicion[k], 0.6));
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3,
                        {{0, Mezcla(Violeta, Hex(kColoresMaldicion[k]), 0.35)}, {1, NocheProfunda}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(kColoresMaldicion[k]));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        Fuente(cr, Hex(kColoresMaldicion[k]));
        Runa(cr, k, cx, cy, r * 1.1, 0, 1.8);
    };
}

Paquete MiniAtaques()
{
    Paquete p;
    p.comment = "The curses' small orbs, kind 1..11 in slots 0..10, each with the rune and glow of what it does";
    for (int k = 0; k < 11; ++k) p.sprites.push_back({k, 40, 40, 20, 20, Maldicion(k)});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}
RegistroPaquete g_miniAtaques(juego::paquete::MINI_ATAQUES, MiniAtaques);

// The bonuses' package as far as the HUD uses it: 15, the extra piece of a
// line, a gold orb with a white plus.
void PiezaExtra(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.34;
    Resplandor(cr, cx, cy, w / 2, Hex(0xFFD27A, 0.6));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.4, {{0, OroClaro}, {0.6, OroMedio}, {1, OroOscuro}});
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, w * 0.09);
    Fuente(cr, Hex(0xFFFFFF));
    cairo_move_to(cr, cx - r * 0.5, cy);
    cairo_line_to(cr, cx + r * 0.5, cy);
    cairo_move_to(cr, cx, cy - r * 0.5);
    cairo_line_to(cr, cx, cy + r * 0.5);
    cairo_stroke(cr);
}

Paquete Bonuses()
{
    Paquete p;
    p.comment = "Bonuses: 15 the extra piece of a line";
    p.sprites.push_back({15, 48, 48, 24, 24, PiezaExtra});
    p.animations.push_back({0, {{15, 1000}}});
    return p;
}
RegistroPaquete g_bonuses(juego::paquete::BONUSES, Bonuses);

} // namespace
} // namespace art
