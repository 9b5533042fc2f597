// The pictures of what crosses the board in play: the attacks mode's
// spinning coins, the curses' small bodies and gauges, the bonuses and
// their generators' sigils.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace art {
namespace {

using namespace paleta;

// ---- Coins ----

// A metal's light, body and shadow.
struct Metal {
    Color luz, cuerpo, sombra;
};
const std::array<Metal, 3> kMetales = {{
    {OroClaro, OroMedio, OroOscuro},                          // 0 gold, the most valuable
    {Hex(0xF4F7FF), Hex(0xB8C2DA), Hex(0x4E5878)},            // 1 silver
    {Hex(0xF6C39A), Hex(0xC2703E), Hex(0x5A2A12)},            // 2 copper
}};

// One frame of a coin turning about its vertical axis: the face narrows to
// its edge and widens again over the ten frames (half a turn, the two faces
// alike).
void Moneda(cairo_t* cr, double w, double h, const Metal& m, int frame, int count)
{
    const double a = M_PI * frame / count;
    const double c = std::cos(a);
    const double cx = w / 2, cy = h / 2, r = w * 0.40;
    const double rx = std::max(std::fabs(c) * r, r * 0.10);
    Resplandor(cr, cx, cy, r * 1.2, Mezcla(m.luz, Hex(0xFFFFFF, 0), 0.55));
    // The rim seen edge-on: a band towards the side that turns away.
    const double canto = r * 0.16 * std::sin(a);
    cairo_save(cr);
    cairo_translate(cr, cx + canto, cy);
    cairo_scale(cr, rx / r, 1.0);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    Fuente(cr, m.sombra);
    cairo_fill(cr);
    // The face.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx / r, 1.0);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, cx - rx * 0.35, cy - r * 0.35, r * 1.3,
                    {{0, m.luz}, {0.55, m.cuerpo}, {1, m.sombra}});
    cairo_fill(cr);
    // Raised rim and a star stamped in the middle, both squeezed with the face.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx / r, 1.0);
    cairo_arc(cr, 0, 0, r * 0.80, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_line_width(cr, w * 0.035);
    Fuente(cr, Mezcla(m.sombra, m.cuerpo, 0.4));
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx / r, 1.0);
    for (int i = 0; i < 10; ++i) {
        const double ang = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r * 0.50 : r * 0.22;
        if (i == 0)
            cairo_move_to(cr, rr * std::cos(ang), rr * std::sin(ang));
        else
            cairo_line_to(cr, rr * std::cos(ang), rr * std::sin(ang));
    }
    cairo_close_path(cr);
    cairo_restore(cr);
    Fuente(cr, Mezcla(m.luz, m.cuerpo, 0.3));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, w * 0.02);
    Fuente(cr, m.sombra);
    cairo_stroke(cr);
    // A glint that runs across the face as it turns.
    if (std::fabs(c) > 0.3) Destello(cr, cx + rx * 0.45 * c, cy - r * 0.45, r * 0.28, Hex(0xFFFFFF, 0.85));
}

Paquete MonedasGiro()
{
    Paquete p;
    p.comment = "Coins of the attacks mode: gold, silver and copper, ten spin frames each";
    for (int k = 0; k < 3; ++k)
        AnadeFrames(p, k * 10, 10, 72, 72, 36, 36,
                    [k](cairo_t* cr, double w, double h, int f, int n) { Moneda(cr, w, h, kMetales[k], f, n); });
    for (int k = 0; k < 3; ++k) {
        Animacion a;
        a.index = k;
        for (int f = 0; f < 10; ++f) a.frames.push_back({k * 10 + f, 50});
        p.animations.push_back(a);
    }
    return p;
}
RegistroPaquete g_monedasGiro(juego::paquete::MONEDAS_GIRO, MonedasGiro);

// ---- Curses ----
//
// The bodies are painted light, in near-white with soft grey shading and a
// dark outline, so that the colour each kind is drawn with tints them.

const Color kClaro = Hex(0xFFFFFF);
const Color kMedio = Hex(0xD8D8E0);
const Color kSombra = Hex(0x8A8A9A);
const Color kContorno = Hex(0x2A2438, 0.85);

// Fills the current path with a light radial shading and outlines it.
void Cuerpo(cairo_t* cr, double cx, double cy, double r, double grosor)
{
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.35, r * 1.4, {{0, kClaro}, {0.55, kMedio}, {1, kSombra}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, grosor);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Fuente(cr, kContorno);
    cairo_stroke(cr);
}

// A star path of n points between two radii.
void Estrella(cairo_t* cr, double cx, double cy, int n, double r1, double r2, double giro)
{
    for (int i = 0; i < 2 * n; ++i) {
        const double a = giro + i * M_PI / n;
        const double r = (i % 2 == 0) ? r1 : r2;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void Ojo(cairo_t* cr, double x, double y, double r)
{
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x1A1226, 0.9));
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.35, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.9));
    cairo_fill(cr);
}

// The body of curse kind t (1..11), centred in w by h. Kinds 2, 8 and 10
// point left: they are drawn mirrored and turned to their heading.
void CuerpoMaldicion(cairo_t* cr, double w, double h, int t)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.42, g = w * 0.045;
    switch (t) {
    case 1: // yellow petals: a five-petalled blossom
        for (int i = 0; i < 5; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 5;
            cairo_save(cr);
            cairo_translate(cr, cx + std::cos(a) * r * 0.45, cy + std::sin(a) * r * 0.45);
            cairo_rotate(cr, a);
            cairo_scale(cr, 1.0, 0.6);
            cairo_arc(cr, 0, 0, r * 0.5, 0, 2 * M_PI);
            cairo_restore(cr);
            Cuerpo(cr, cx, cy, r, g);
        }
        cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
        Cuerpo(cr, cx, cy, r * 0.3, g);
        break;
    case 2: // a scimitar, edge forward to the left
        cairo_move_to(cr, cx + r, cy + r * 0.1);
        cairo_curve_to(cr, cx + r * 0.2, cy - r * 0.15, cx - r * 0.5, cy - r * 0.45, cx - r, cy - r * 0.1);
        cairo_curve_to(cr, cx - r * 0.55, cy + r * 0.1, cx + r * 0.1, cy + r * 0.25, cx + r * 0.6, cy + r * 0.35);
        cairo_close_path(cr);
        Cuerpo(cr, cx, cy, r, g);
        cairo_rectangle(cr, cx + r * 0.55, cy - r * 0.05, r * 0.1, r * 0.55);
        Cuerpo(cr, cx, cy, r, g * 0.7);
        break;
    case 3: // the capricious one: a wavering star with a grin
        Estrella(cr, cx, cy, 7, r, r * 0.62, -M_PI / 2);
        Cuerpo(cr, cx, cy, r, g);
        Ojo(cr, cx - r * 0.22, cy - r * 0.1, r * 0.09);
        Ojo(cr, cx + r * 0.22, cy - r * 0.1, r * 0.09);
        cairo_arc(cr, cx, cy + r * 0.05, r * 0.28, 0.15 * M_PI, 0.85 * M_PI);
        cairo_set_line_width(cr, g);
        Fuente(cr, kContorno);
        cairo_stroke(cr);
        break;
    case 4: // the cold woman: an ice crystal
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            const double ex = cx + std::cos(a) * r, ey = cy + std::sin(a) * r;
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, ex, ey);
            for (int k = -1; k <= 1; k += 2) {
                const double mx = cx + std::cos(a) * r * 0.6, my = cy + std::sin(a) * r * 0.6;
                cairo_move_to(cr, mx, my);
                cairo_line_to(cr, mx + std::cos(a + k * 0.8) * r * 0.3, my + std::sin(a + k * 0.8) * r * 0.3);
            }
        }
        cairo_set_line_width(cr, g * 2.6);
        Fuente(cr, kContorno);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, g * 1.4);
        Fuente(cr, kClaro);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, r * 0.2, 0, 2 * M_PI);
        Cuerpo(cr, cx, cy, r * 0.3, g);
        break;
    case 5: // crocodile tears: a falling drop
        cairo_move_to(cr, cx, cy - r);
        cairo_curve_to(cr, cx + r * 0.25, cy - r * 0.4, cx + r * 0.7, cy + r * 0.05, cx + r * 0.7, cy + r * 0.35);
        cairo_arc(cr, cx, cy + r * 0.35, r * 0.7, 0, M_PI);
        cairo_curve_to(cr, cx - r * 0.7, cy + r * 0.05, cx - r * 0.25, cy - r * 0.4, cx, cy - r);
        cairo_close_path(cr);
        Cuerpo(cr, cx, cy + r * 0.2, r, g);
        cairo_arc(cr, cx - r * 0.25, cy + r * 0.25, r * 0.15, 0, 2 * M_PI);
        Fuente(cr, Hex(0xFFFFFF, 0.8));
        cairo_fill(cr);
        break;
    case 6: // burnt bread: a cracked, smoking loaf
        cairo_save(cr);
        cairo_translate(cr, cx, cy + r * 0.1);
        cairo_scale(cr, 1.0, 0.7);
        cairo_arc(cr, 0, 0, r * 0.9, 0, 2 * M_PI);
        cairo_restore(cr);
        Cuerpo(cr, cx, cy, r, g);
        cairo_set_line_width(cr, g);
        Fuente(cr, kContorno);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, cx + i * r * 0.35 - r * 0.12, cy - r * 0.2);
            cairo_line_to(cr, cx + i * r * 0.35 + r * 0.12, cy + r * 0.25);
        }
        cairo_stroke(cr);
        for (int i = 0; i < 3; ++i) {
            cairo_arc(cr, cx - r * 0.4 + i * r * 0.4, cy - r * 0.75 - (i % 2) * r * 0.1, r * 0.12, 0, 2 * M_PI);
            Fuente(cr, Hex(0xE8E8EE, 0.7));
            cairo_fill(cr);
        }
        break;
    case 7: // the divine seal: a ringed disc with a rune
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        Cuerpo(cr, cx, cy, r, g);
        cairo_arc(cr, cx, cy, r * 0.75, 0, 2 * M_PI);
        cairo_set_line_width(cr, g * 0.8);
        Fuente(cr, kContorno);
        cairo_stroke(cr);
        Fuente(cr, kContorno);
        Runa(cr, 7, cx, cy, r * 0.9, 0, g);
        break;
    case 8: // the stab in the back: a dagger pointing left
        cairo_move_to(cr, cx - r, cy);
        cairo_line_to(cr, cx + r * 0.2, cy - r * 0.16);
        cairo_line_to(cr, cx + r * 0.2, cy + r * 0.16);
        cairo_close_path(cr);
        Cuerpo(cr, cx, cy, r, g);
        cairo_rectangle(cr, cx + r * 0.18, cy - r * 0.4, r * 0.12, r * 0.8);
        Cuerpo(cr, cx, cy, r, g * 0.8);
        cairo_rectangle(cr, cx + r * 0.3, cy - r * 0.1, r * 0.6, r * 0.2);
        Cuerpo(cr, cx, cy, r, g * 0.8);
        break;
    case 9: // black roses: a small rose head of spiralling petals
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3 + 0.3;
            cairo_arc(cr, cx + std::cos(a) * r * 0.45, cy + std::sin(a) * r * 0.45, r * 0.45, 0, 2 * M_PI);
            Cuerpo(cr, cx, cy, r, g * 0.8);
        }
        cairo_arc(cr, cx, cy, r * 0.42, 0, 2 * M_PI);
        Cuerpo(cr, cx, cy, r * 0.5, g);
        cairo_arc(cr, cx, cy, r * 0.2, 0.5, 5.5);
        cairo_set_line_width(cr, g * 0.8);
        Fuente(cr, kContorno);
        cairo_stroke(cr);
        break;
    case 10: // dark little spirits: a wisp with a trailing tail, heading left
        cairo_move_to(cr, cx - r * 0.2, cy - r * 0.6);
        cairo_curve_to(cr, cx - r * 0.95, cy - r * 0.6, cx - r * 0.95, cy + r * 0.6, cx - r * 0.2, cy + r * 0.6);
        cairo_curve_to(cr, cx + r * 0.3, cy + r * 0.6, cx + r * 0.5, cy + r * 0.1, cx + r, cy + r * 0.3);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.1, cx + r * 0.4, cy - r * 0.6, cx - r * 0.2, cy - r * 0.6);
        cairo_close_path(cr);
        Cuerpo(cr, cx - r * 0.3, cy, r, g);
        Ojo(cr, cx - r * 0.55, cy - r * 0.15, r * 0.1);
        Ojo(cr, cx - r * 0.25, cy - r * 0.15, r * 0.1);
        break;
    default: // corrupted hearts: a heart split by a crack
        cairo_move_to(cr, cx, cy + r * 0.85);
        cairo_curve_to(cr, cx - r * 1.1, cy + r * 0.1, cx - r * 0.8, cy - r * 0.9, cx, cy - r * 0.35);
        cairo_curve_to(cr, cx + r * 0.8, cy - r * 0.9, cx + r * 1.1, cy + r * 0.1, cx, cy + r * 0.85);
        cairo_close_path(cr);
        Cuerpo(cr, cx, cy, r, g);
        cairo_move_to(cr, cx + r * 0.05, cy - r * 0.35);
        cairo_line_to(cr, cx - r * 0.15, cy);
        cairo_line_to(cr, cx + r * 0.12, cy + r * 0.2);
        cairo_line_to(cr, cx - r * 0.05, cy + r * 0.6);
        cairo_set_line_width(cr, g);
        Fuente(cr, kContorno);
        cairo_stroke(cr);
        break;
    }
}

Paquete MiniAtaques()
{
    Paquete p;
    p.comment = "Curses: the eleven bodies, the rings, the beam, the glows and the damage dot";
    for (int t = 1; t <= 11; ++t)
        p.sprites.push_back({t - 1, 48, 48, 24, 24, [t](cairo_t* cr, double w, double h) { CuerpoMaldicion(cr, w, h, t); }});
    // The ring kind 3 sends: 50 points out at scale 1.
    p.sprites.push_back({11, 108, 108, 54, 54, [](cairo_t* cr, double w, double h) {
        cairo_arc(cr, w / 2, h / 2, 50, 0, 2 * M_PI);
        cairo_set_line_width(cr, 6);
        Fuente(cr, Hex(0xFFFFFF, 0.35));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.5);
        Fuente(cr, Hex(0xFFFFFF, 0.95));
        cairo_stroke(cr);
    }});
    // The beam: 1024 long, its hotspot at its far end, so that turned a
    // quarter it hangs from the top of the field down to its hotspot.
    p.sprites.push_back({12, 1024, 25, 1024, 12.5, [](cairo_t* cr, double w, double h) {
        DegradadoV(cr, 0, h,
                   {{0, Hex(0xDCE6FF, 0)}, {0.25, Hex(0xB9C8FF, 0.45)}, {0.5, Hex(0xFFFFFF, 1)},
                    {0.75, Hex(0xB9C8FF, 0.45)}, {1, Hex(0xDCE6FF, 0)}});
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
        // The lower end rounds off.
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
        DegradadoH(cr, w - 14, w, {{0, Hex(0xFFFFFF, 1)}, {1, Hex(0xFFFFFF, 0)}});
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }});
    p.sprites.push_back({13, 128, 128, 64, 64, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, w / 2, Hex(0xFFFFFF, 0.8));
        Estrella(cr, w / 2, h / 2, 8, w * 0.48, w * 0.2, 0);
        Fuente(cr, Hex(0xFFFFFF, 0.25));
        cairo_fill(cr);
    }});
    p.sprites.push_back({14, 112, 112, 56, 56, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, w / 2, Hex(0xFFFFFF, 0.85));
        Estrella(cr, w / 2, h / 2, 6, w * 0.48, w * 0.16, 0.3);
        Fuente(cr, Hex(0xFFFFFF, 0.3));
        cairo_fill(cr);
    }});
    p.sprites.push_back({15, 14, 14, 7, 7, [](cairo_t* cr, double w, double h) {
        cairo_arc(cr, w / 2, h / 2, w * 0.38, 0, 2 * M_PI);
        DegradadoRadial(cr, w * 0.4, h * 0.4, w * 0.5, {{0, Hex(0xFFFFFF)}, {1, Rubi}});
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        Fuente(cr, Hex(0x2A0A10, 0.9));
        cairo_stroke(cr);
    }});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}
RegistroPaquete g_miniAtaques(juego::paquete::MINI_ATAQUES, MiniAtaques);

// A gauge: the kind's emblem in a gilded medallion (tinted with the kind's
// body colour), a bar tile and its cap (white light), a ring of runes that
// turns around the emblem (tinted with the glow colour). Kind 9's emblem
// is also its rose.
Paquete Indicador(int t, const char* comentario)
{
    Paquete p;
    p.comment = comentario;
    p.sprites.push_back({0, 72, 72, 36, 36, [t](cairo_t* cr, double w, double h) {
        cairo_arc(cr, w / 2, h / 2, w * 0.46, 0, 2 * M_PI);
        DegradadoRadial(cr, w / 2, h / 2, w * 0.46, {{0, Hex(0xFFFFFF, 0.5)}, {1, Hex(0xB0B0C0, 0.6)}});
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 3);
        Fuente(cr, Hex(0xF4F0E6));
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, w * 0.14, h * 0.14);
        cairo_scale(cr, 0.72, 0.72);
        CuerpoMaldicion(cr, w, h, t);
        cairo_restore(cr);
    }});
    p.sprites.push_back({1, 16, 14, 8, 7, [](cairo_t* cr, double w, double h) {
        DegradadoV(cr, 0, h,
                   {{0, Hex(0xFFFFFF, 0.15)}, {0.3, Hex(0xFFFFFF, 0.8)}, {0.5, Hex(0xFFFFFF, 1)},
                    {0.7, Hex(0xFFFFFF, 0.8)}, {1, Hex(0xFFFFFF, 0.15)}});
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
    }});
    p.sprites.push_back({2, 24, 24, 12, 12, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, w / 2, Hex(0xFFFFFF, 0.9));
        Destello(cr, w / 2, h / 2, w * 0.45, Hex(0xFFFFFF));
    }});
    p.sprites.push_back({3, 104, 104, 52, 52, [t](cairo_t* cr, double w, double h) {
        cairo_arc(cr, w / 2, h / 2, w * 0.44, 0, 2 * M_PI);
        cairo_set_line_width(cr, 7);
        Fuente(cr, Hex(0xFFFFFF, 0.25));
        cairo_stroke(cr);
        Fuente(cr, Hex(0xFFFFFF, 0.95));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            Runa(cr, t * 8 + i, w / 2 + std::cos(a) * w * 0.44, h / 2 + std::sin(a) * h * 0.44, 11, a + M_PI / 2, 1.6);
        }
    }});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}

#define MG_INDICADOR(ID, T, TEXTO)                                                                     \
    RegistroPaquete g_indicador##T(juego::paquete::ID, [] { return Indicador(T, "Gauge of curse kind " #T ": " TEXTO); });
MG_INDICADOR(ATAQUE_PETALOS_AMARILLOS, 1, "yellow petals")
MG_INDICADOR(ATAQUE_ALFANJE_DE_FURIA, 2, "scimitar of fury")
MG_INDICADOR(ATAQUE_CAPRICHOSA, 3, "the capricious one")
MG_INDICADOR(ATAQUE_FRIA_MUJER, 4, "the cold woman")
MG_INDICADOR(ATAQUE_LAGRIMAS_DE_COCODRILO, 5, "crocodile tears")
MG_INDICADOR(ATAQUE_PAN_QUEMADO, 6, "burnt bread")
MG_INDICADOR(ATAQUE_SELLO_DIVINO, 7, "the divine seal")
MG_INDICADOR(ATAQUE_PUNYALADA_POR_LA_ESPALDA, 8, "a stab in the back")
MG_INDICADOR(ATAQUE_ROSAS_NEGRAS, 9, "black roses")
MG_INDICADOR(ATAQUE_ESPERITOS_OSCUROS, 10, "dark little spirits")
MG_INDICADOR(ATAQUE_CORAZONES_CORRUPTOS, 11, "corrupted hearts")
#undef MG_INDICADOR

// ---- Bonuses ----

// A gilded round plate for an icon.
void Placa(cairo_t* cr, double w, double h, const Color& fondo)
{
    const double r = w * 0.44;
    Resplandor(cr, w / 2, h / 2, w / 2, Hex(0xFFE9A8, 0.5));
    cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
    DegradadoRadial(cr, w * 0.4, h * 0.35, r * 1.3, {{0, Mezcla(fondo, Hex(0xFFFFFF), 0.35)}, {1, fondo}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, w * 0.06);
    Fuente(cr, Oro);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, w * 0.025);
    Fuente(cr, OroClaro);
    cairo_stroke(cr);
}

// The path of a digit (1, 2, 4 or 6) drawn in strokes on a grid two units
// wide and four tall, `alto` tall, from its top-left corner.
void Cifra(cairo_t* cr, int n, double x, double y, double alto)
{
    const double u = alto / 4;
    const auto l = [&](std::initializer_list<std::pair<double, double>> p) {
        bool primero = true;
        for (const auto& [gx, gy] : p) {
            if (primero)
                cairo_move_to(cr, x + gx * u, y + gy * u);
            else
                cairo_line_to(cr, x + gx * u, y + gy * u);
            primero = false;
        }
    };
    switch (n) {
    case 1: l({{0.4, 0.7}, {1.2, 0}, {1.2, 4}}); break;
    case 2: l({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 4}, {2, 4}}); break;
    case 4: l({{0, 0}, {0, 2.4}, {2, 2.4}}), l({{1.6, 0.6}, {1.6, 4}}); break;
    default: l({{2, 0}, {0, 0}, {0, 4}, {2, 4}, {2, 2}, {0, 2}}); break;
    }
}

// "x" and a number in gold strokes, centred.
void Multiplica(cairo_t* cr, double w, double h, int n)
{
    const double t = h * 0.42;
    const double ancho = t * 0.55 + t * 0.5;
    const double x0 = w / 2 - ancho / 2, y0 = h / 2 - t / 2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pasada = 0; pasada < 2; ++pasada) {
        cairo_set_line_width(cr, pasada == 0 ? w * 0.11 : w * 0.06);
        Fuente(cr, pasada == 0 ? Tinta : OroClaro);
        cairo_move_to(cr, x0, y0 + t * 0.35);
        cairo_line_to(cr, x0 + t * 0.4, y0 + t);
        cairo_move_to(cr, x0 + t * 0.4, y0 + t * 0.35);
        cairo_line_to(cr, x0, y0 + t);
        Cifra(cr, n, x0 + t * 0.55, y0, t);
        cairo_stroke(cr);
    }
}

void IconoBonus(cairo_t* cr, double w, double h, int k)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.3;
    const Color fondos[9] = {Azul, Violeta, NocheAzul, Esmeralda, VioletaClaro, Azul, Noche, Hoja, Brasa};
    Placa(cr, w, h, fondos[k]);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (k) {
    case 0: // a star: only a keepsake
        Estrella(cr, cx, cy, 5, r, r * 0.45, -M_PI / 2);
        Fuente(cr, LuzDeVela);
        cairo_fill(cr);
        break;
    case 1: Multiplica(cr, w, h, 2); break;
    case 2: // an hourglass: time back
        cairo_move_to(cr, cx - r * 0.7, cy - r);
        cairo_line_to(cr, cx + r * 0.7, cy - r);
        cairo_line_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * 0.7, cy + r);
        cairo_line_to(cr, cx - r * 0.7, cy + r);
        cairo_line_to(cr, cx, cy);
        cairo_close_path(cr);
        Fuente(cr, Pergamino);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, w * 0.04);
        Fuente(cr, OroOscuro);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - r * 0.4, cy + r);
        cairo_line_to(cr, cx, cy + r * 0.45);
        cairo_line_to(cr, cx + r * 0.4, cy + r);
        Fuente(cr, Ambar);
        cairo_fill(cr);
        break;
    case 3: // a four-leafed clover
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 2 + M_PI / 4;
            cairo_arc(cr, cx + std::cos(a) * r * 0.45, cy + std::sin(a) * r * 0.45, r * 0.42, 0, 2 * M_PI);
            Fuente(cr, Hex(0x9FE8B8));
            cairo_fill(cr);
        }
        cairo_arc(cr, cx, cy, r * 0.15, 0, 2 * M_PI);
        Fuente(cr, OroClaro);
        cairo_fill(cr);
        break;
    case 4: // two rings overlapping: duplication
        cairo_set_line_width(cr, w * 0.07);
        cairo_arc(cr, cx - r * 0.35, cy, r * 0.6, 0, 2 * M_PI);
        Fuente(cr, LuzDeLuna);
        cairo_stroke(cr);
        cairo_arc(cr, cx + r * 0.35, cy, r * 0.6, 0, 2 * M_PI);
        Fuente(cr, LuzDeVela);
        cairo_stroke(cr);
        break;
    case 5: // a diamond and a plus: one more piece per line
        cairo_move_to(cr, cx - r * 0.25, cy - r * 0.85);
        cairo_line_to(cr, cx + r * 0.35, cy - r * 0.1);
        cairo_line_to(cr, cx - r * 0.25, cy + r * 0.85);
        cairo_line_to(cr, cx - r * 0.85, cy - r * 0.1);
        cairo_close_path(cr);
        DegradadoRadial(cr, cx - r * 0.4, cy - r * 0.4, r * 1.2, {{0, Hex(0xFFFFFF)}, {1, Hex(0x6FB8FF)}});
        cairo_fill(cr);
        cairo_move_to(cr, cx + r * 0.65, cy - r * 0.7);
        cairo_line_to(cr, cx + r * 0.65, cy + r * 0.1);
        cairo_move_to(cr, cx + r * 0.25, cy - r * 0.3);
        cairo_line_to(cr, cx + r * 1.05, cy - r * 0.3);
        cairo_set_line_width(cr, w * 0.08);
        Fuente(cr, OroClaro);
        cairo_stroke(cr);
        break;
    case 6: // a crescent moon
        Luna(cr, cx, cy, r * 0.8, 0.5);
        break;
    case 7: // a shield
        cairo_move_to(cr, cx, cy - r);
        cairo_curve_to(cr, cx + r * 0.5, cy - r * 0.8, cx + r * 0.8, cy - r * 0.75, cx + r * 0.85, cy - r * 0.7);
        cairo_curve_to(cr, cx + r * 0.85, cy + r * 0.2, cx + r * 0.4, cy + r * 0.75, cx, cy + r);
        cairo_curve_to(cr, cx - r * 0.4, cy + r * 0.75, cx - r * 0.85, cy + r * 0.2, cx - r * 0.85, cy - r * 0.7);
        cairo_curve_to(cr, cx - r * 0.8, cy - r * 0.75, cx - r * 0.5, cy - r * 0.8, cx, cy - r);
        cairo_close_path(cr);
        DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.4, r * 1.5, {{0, LuzDeLuna}, {1, Hex(0x5C7BC8)}});
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, w * 0.045);
        Fuente(cr, OroClaro);
        cairo_stroke(cr);
        break;
    default: // a burst of white light: the purge
        Resplandor(cr, cx, cy, r * 1.2, Hex(0xFFFFFF, 0.9));
        Estrella(cr, cx, cy, 8, r * 1.05, r * 0.35, 0);
        Fuente(cr, Hex(0xFFFBEA));
        cairo_fill(cr);
        break;
    }
}

Paquete Bonuses()
{
    Paquete p;
    p.comment = "Bonuses: halo, glow, the nine icons and the multiplier badges";
    // A halo: a broken ring of light, so that its turn shows.
    p.sprites.push_back({0, 96, 96, 48, 48, [](cairo_t* cr, double w, double h) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 3; ++i) {
            const double a = i * 2 * M_PI / 3;
            cairo_arc(cr, w / 2, h / 2, w * 0.42, a, a + 1.5);
            cairo_set_line_width(cr, 6);
            Fuente(cr, Hex(0xFFD27A, 0.35));
            cairo_stroke(cr);
            cairo_arc(cr, w / 2, h / 2, w * 0.42, a + 0.1, a + 1.4);
            cairo_set_line_width(cr, 2);
            Fuente(cr, Hex(0xFFF6DC, 0.95));
            cairo_stroke(cr);
        }
    }});
    p.sprites.push_back({1, 96, 96, 48, 48, [](cairo_t* cr, double w, double h) {
        Resplandor(cr, w / 2, h / 2, w / 2, Hex(0xFFE9A8, 0.9));
    }});
    for (int k = 0; k < 9; ++k)
        p.sprites.push_back({10 + k, 56, 56, 28, 28, [k](cairo_t* cr, double w, double h) { IconoBonus(cr, w, h, k); }});
    const std::pair<int, int> insignias[] = {{19, 4}, {20, 6}, {21, 1}};
    for (const auto& [slot, n] : insignias)
        p.sprites.push_back({slot, 56, 56, 28, 28, [n](cairo_t* cr, double w, double h) {
            Placa(cr, w, h, n == 1 ? PiedraClara : (n == 4 ? Violeta : Brasa));
            Multiplica(cr, w, h, n);
        }});
    p.animations.push_back({0, {{10, 1000}}});
    return p;
}
RegistroPaquete g_bonuses(juego::paquete::BONUSES, Bonuses);

// The sigils of the four characters' generators, in their record order:
// Alfatima, Aldunia, Adeletia, Stokinnen.
Paquete AyudasEspeciales()
{
    Paquete p;
    p.comment = "Sigils of the characters' bonus generators";
    const Color colores[4] = {Hex(0xE58AC8), Hex(0x7FD3A8), Hex(0x8FB3FF), Hex(0xF2A93B)};
    for (int i = 1; i <= 4; ++i)
        p.sprites.push_back({i, 96, 96, 48, 48, [i, c = colores[i - 1]](cairo_t* cr, double w, double h) {
            const double cx = w / 2, cy = h / 2, r = w * 0.4;
            Resplandor(cr, cx, cy, w / 2, Mezcla(c, Hex(0xFFFFFF, 0), 0.4));
            cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
            DegradadoRadial(cr, cx, cy, r, {{0, Hex(0x110F33, 0.6)}, {1, Hex(0x07061A, 0.85)}});
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 3);
            Fuente(cr, Oro);
            cairo_stroke(cr);
            Estrella(cr, cx, cy, 4 + i, r * 0.85, r * 0.55, -M_PI / 2);
            cairo_set_line_width(cr, 1.6);
            Fuente(cr, Mezcla(c, Hex(0xFFFFFF), 0.3));
            cairo_stroke(cr);
            Fuente(cr, Mezcla(c, Hex(0xFFFFFF), 0.5));
            Runa(cr, 40 + i, cx, cy, r * 0.8, 0, 3);
        }});
    p.animations.push_back({0, {{1, 1000}}});
    return p;
}
RegistroPaquete g_ayudasEspeciales(juego::paquete::AYUDAS_ESPECIALES, AyudasEspeciales);

} // namespace
} // namespace art
