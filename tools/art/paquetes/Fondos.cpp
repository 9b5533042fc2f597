// The nine backgrounds behind the menus: places of the story at night, calm
// in the middle where a menu sits and detailed at the edges. Each is one
// sprite of 1024 by 768 with its hotspot in the middle.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

using namespace paleta;

constexpr int kAncho = 1024, kAlto = 768;

// ---- pieces of the places ----

// Stone blocks in courses, each a little different, with dark joints.
void MuroPiedra(cairo_t* cr, double x0, double y0, double w, double h, double alto, const Color& base, unsigned semilla)
{
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, w, h);
    cairo_clip(cr);
    Fuente(cr, base);
    cairo_paint(cr);
    int fila = 0;
    for (double y = y0; y < y0 + h; y += alto, ++fila) {
        const double desfase = (fila % 2) ? alto * 0.9 : 0;
        int i = 0;
        for (double x = x0 - desfase; x < x0 + w; ++i) {
            const double ancho = alto * (1.5 + Azar(semilla, fila * 97 + i) * 0.9);
            const double t = Azar(semilla + 1, fila * 97 + i);
            RectRedondeado(cr, x + 2, y + 2, ancho - 4, alto - 4, 3);
            Fuente(cr, Mezcla(base, t > 0.5 ? PiedraClara : NocheProfunda, 0.12 + 0.25 * std::fabs(t - 0.5)));
            cairo_fill_preserve(cr);
            DegradadoV(cr, y, y + alto, {{0, Hex(0xFFFFFF, 0.05)}, {1, Hex(0x000000, 0.18)}});
            cairo_fill(cr);
            x += ancho;
        }
    }
    cairo_restore(cr);
}

// The path of a pointed arch standing on (cx - w/2 .. cx + w/2, base).
void Arco(cairo_t* cr, double cx, double base, double w, double h)
{
    const double hombro = base - h + w * 0.55;
    cairo_move_to(cr, cx - w / 2, base);
    cairo_line_to(cr, cx - w / 2, hombro);
    cairo_curve_to(cr, cx - w / 2, hombro - w * 0.35, cx - w * 0.15, base - h + w * 0.08, cx, base - h);
    cairo_curve_to(cr, cx + w * 0.15, base - h + w * 0.08, cx + w / 2, hombro - w * 0.35, cx + w / 2, hombro);
    cairo_line_to(cr, cx + w / 2, base);
    cairo_close_path(cr);
}

// A window onto the night: sky, stars and perhaps the moon inside an arch,
// with a stone surround, and bars when it is a cell's.
void Ventana(cairo_t* cr, double cx, double base, double w, double h, bool barrotes, bool luna, unsigned semilla)
{
    Arco(cr, cx, base + 10, w + 24, h + 20);
    Fuente(cr, Hex(0x0B0A1C));
    cairo_fill(cr);
    Arco(cr, cx, base + 10, w + 24, h + 20);
    Fuente(cr, PiedraClara);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_save(cr);
    Arco(cr, cx, base, w, h);
    cairo_clip(cr);
    DegradadoV(cr, base - h, base, {{0, Hex(0x0E1540)}, {1, Hex(0x2B3A7E)}});
    cairo_paint(cr);
    Estrellas(cr, cx - w / 2, base - h, w, h, int(w * h / 900), semilla, 0, 0);
    if (luna) Luna(cr, cx + w * 0.18, base - h * 0.62, std::fmin(w, h) * 0.16, 0.5);
    if (barrotes) {
        for (double x = cx - w / 2 + w / 5; x < cx + w / 2 - 1; x += w / 5) {
            cairo_rectangle(cr, x - 3, base - h, 6, h);
            DegradadoH(cr, x - 3, x + 3, {{0, Hex(0x15121F)}, {0.4, Hex(0x5A5570)}, {1, Hex(0x15121F)}});
            cairo_fill(cr);
        }
        cairo_rectangle(cr, cx - w / 2, base - h * 0.45, w, 6);
        Fuente(cr, Hex(0x2A2538));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// A shaft of moonlight falling from a window.
void RayoLuz(cairo_t* cr, double x0, double y0, double w0, double x1, double y1, double w1, double alfa)
{
    cairo_move_to(cr, x0 - w0 / 2, y0);
    cairo_line_to(cr, x0 + w0 / 2, y0);
    cairo_line_to(cr, x1 + w1 / 2, y1);
    cairo_line_to(cr, x1 - w1 / 2, y1);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, LuzDeLuna.r, LuzDeLuna.g, LuzDeLuna.b, alfa);
    cairo_pattern_add_color_stop_rgba(p, 1, LuzDeLuna.r, LuzDeLuna.g, LuzDeLuna.b, 0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
}

// A candle flame with its halo.
void Llama(cairo_t* cr, double x, double y, double alto)
{
    Resplandor(cr, x, y, alto * 5, Hex(0xF2A93B, 0.28));
    cairo_move_to(cr, x, y - alto);
    cairo_curve_to(cr, x + alto * 0.45, y - alto * 0.3, x + alto * 0.35, y + alto * 0.3, x, y + alto * 0.35);
    cairo_curve_to(cr, x - alto * 0.35, y + alto * 0.3, x - alto * 0.45, y - alto * 0.3, x, y - alto);
    DegradadoV(cr, y - alto, y + alto * 0.35, {{0, Hex(0xFFFFFF)}, {0.4, LuzDeVela}, {1, Ambar}});
    cairo_fill(cr);
}

// A candle on a gold holder.
void Vela(cairo_t* cr, double x, double base, double alto)
{
    cairo_rectangle(cr, x - 6, base - alto, 12, alto);
    DegradadoH(cr, x - 6, x + 6, {{0, Hex(0xBFB08A)}, {0.4, Pergamino}, {1, Hex(0x9C8D68)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_scale(cr, 1, 0.35);
    cairo_arc(cr, x, (base + 2) / 0.35, 16, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoV(cr, base - 4, base + 8, {{0, OroClaro}, {1, OroOscuro}});
    cairo_fill(cr);
    Llama(cr, x, base - alto - 10, 12);
}

// A torch on a wall bracket.
void Antorcha(cairo_t* cr, double x, double y)
{
    cairo_move_to(cr, x - 6, y);
    cairo_line_to(cr, x + 6, y);
    cairo_line_to(cr, x + 3, y + 46);
    cairo_line_to(cr, x - 3, y + 46);
    cairo_close_path(cr);
    DegradadoH(cr, x - 6, x + 6, {{0, Hex(0x3A2410)}, {0.5, Hex(0x7A5028)}, {1, Hex(0x2A1808)}});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 10, y - 4, 20, 8);
    Fuente(cr, OroOscuro);
    cairo_fill(cr);
    Resplandor(cr, x, y - 18, 150, Hex(0xF2A93B, 0.22));
    Llama(cr, x, y - 16, 22);
}

// A chain hanging from (x, y), n links long.
void Cadena(cairo_t* cr, double x, double y, int n)
{
    for (int i = 0; i < n; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x, y + i * 17);
        if (i % 2) cairo_scale(cr, 0.45, 1);
        cairo_arc(cr, 0, 0, 9, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, Hex(0x4A455C));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
}

// Shelves with bottles and books, between x and x + w.
void Estanteria(cairo_t* cr, double x, double y, double w, double h, unsigned semilla, bool pociones)
{
    cairo_rectangle(cr, x, y, w, h);
    Fuente(cr, Hex(0x1B1226));
    cairo_fill(cr);
    const int baldas = 4;
    const double paso = h / baldas;
    for (int b = 0; b < baldas; ++b) {
        const double suelo = y + (b + 1) * paso - 8;
        double px = x + 10;
        for (int i = 0; px < x + w - 24; ++i) {
            const double r = Azar(semilla, b * 31 + i);
            if (pociones && r > 0.45) {
                // a flask with a glowing liquid
                const double rad = 9 + 8 * Azar(semilla + 3, b * 31 + i);
                const Color liquido = r > 0.8 ? Esmeralda : (r > 0.62 ? VioletaClaro : Rubi);
                Resplandor(cr, px + rad, suelo - rad, rad * 2.6, Color{liquido.r, liquido.g, liquido.b, 0.35});
                cairo_arc(cr, px + rad, suelo - rad, rad, 0, 2 * M_PI);
                Fuente(cr, Hex(0xBFD8FF, 0.25));
                cairo_fill(cr);
                cairo_arc(cr, px + rad, suelo - rad, rad * 0.8, 0.1, M_PI - 0.1);
                Fuente(cr, Color{liquido.r, liquido.g, liquido.b, 0.9});
                cairo_fill(cr);
                cairo_rectangle(cr, px + rad - 3, suelo - 2 * rad - 10, 6, 12);
                Fuente(cr, Hex(0xBFD8FF, 0.3));
                cairo_fill(cr);
                px += 2 * rad + 8;
            } else {
                // a book standing or leaning
                const double bw = 10 + 9 * r, bh = paso * (0.55 + 0.3 * Azar(semilla + 5, b * 31 + i));
                const Color lomo = Mezcla(r > 0.5 ? Violeta : Hex(0x5A2030), Hex(0x2A3A5A), Azar(semilla + 7, i));
                cairo_rectangle(cr, px, suelo - bh, bw, bh);
                Fuente(cr, lomo);
                cairo_fill(cr);
                cairo_rectangle(cr, px, suelo - bh * 0.8, bw, 2);
                cairo_rectangle(cr, px, suelo - bh * 0.2, bw, 2);
                Fuente(cr, Hex(0xD9A441, 0.6));
                cairo_fill(cr);
                px += bw + 2;
            }
        }
        cairo_rectangle(cr, x, suelo, w, 8);
        DegradadoV(cr, suelo, suelo + 8, {{0, Hex(0x6A4226)}, {1, Hex(0x2E1B0E)}});
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x, y, w, h);
    Fuente(cr, Hex(0x3A2414));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
}

// A tree's silhouette: a trunk and clouds of leaves.
void Arbol(cairo_t* cr, double x, double base, double alto, unsigned semilla, const Color& color)
{
    Fuente(cr, color);
    cairo_move_to(cr, x - alto * 0.05, base);
    cairo_curve_to(cr, x - alto * 0.02, base - alto * 0.3, x - alto * 0.06, base - alto * 0.5, x, base - alto * 0.6);
    cairo_curve_to(cr, x + alto * 0.04, base - alto * 0.5, x + alto * 0.02, base - alto * 0.3, x + alto * 0.06, base);
    cairo_fill(cr);
    for (int i = 0; i < 14; ++i) {
        const double a = Azar(semilla, i) * 2 * M_PI;
        const double d = alto * 0.22 * Azar(semilla + 1, i);
        cairo_arc(cr, x + std::cos(a) * d * 1.3, base - alto * 0.72 + std::sin(a) * d,
                  alto * (0.10 + 0.08 * Azar(semilla + 2, i)), 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// Fireflies or floating motes.
void Luciernagas(cairo_t* cr, double x, double y, double w, double h, int n, unsigned semilla, const Color& c)
{
    for (int i = 0; i < n; ++i) {
        const double fx = x + Azar(semilla, 2 * i) * w, fy = y + Azar(semilla, 2 * i + 1) * h;
        Resplandor(cr, fx, fy, 5 + 7 * Azar(semilla + 9, i), c);
    }
}

// Curtains falling from the top between x and x + w.
void Cortina(cairo_t* cr, double x, double w, double alto, const Color& color, bool izquierda)
{
    const int pliegues = 5;
    for (int i = 0; i < pliegues; ++i) {
        const double px = x + i * w / pliegues;
        cairo_rectangle(cr, px, 0, w / pliegues + 1, alto);
        DegradadoH(cr, px, px + w / pliegues,
                   {{0, Mezcla(color, NocheProfunda, 0.55)}, {0.5, color}, {1, Mezcla(color, NocheProfunda, 0.45)}});
        cairo_fill(cr);
    }
    // the tie-back, gold
    const double ty = alto * 0.55;
    cairo_move_to(cr, izquierda ? x : x + w, ty);
    cairo_line_to(cr, izquierda ? x + w : x, ty + 10);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

// The floor: a band of boards or flags below `y`, darkening downwards.
void Suelo(cairo_t* cr, double y, const Color& base, bool losas)
{
    cairo_rectangle(cr, 0, y, kAncho, kAlto - y);
    DegradadoV(cr, y, kAlto, {{0, base}, {1, Mezcla(base, NocheProfunda, 0.7)}});
    cairo_fill(cr);
    Fuente(cr, Hex(0x000000, 0.3));
    cairo_set_line_width(cr, 2);
    if (losas) {
        for (double yy = y + 24, d = 26; yy < kAlto; yy += d, d *= 1.35) {
            cairo_move_to(cr, 0, yy);
            cairo_line_to(cr, kAncho, yy);
        }
        for (int i = -8; i <= 8; ++i) {
            cairo_move_to(cr, 512 + i * 50, y);
            cairo_line_to(cr, 512 + i * 150, kAlto);
        }
    } else {
        for (int i = -12; i <= 12; ++i) {
            cairo_move_to(cr, 512 + i * 44, y);
            cairo_line_to(cr, 512 + i * 120, kAlto);
        }
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kAncho, y);
    Fuente(cr, Hex(0x000000, 0.5));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

// A column with a base and a capital, from top to bottom at x.
void Columna(cairo_t* cr, double x, double ancho, double arriba, double abajo)
{
    cairo_rectangle(cr, x - ancho / 2, arriba, ancho, abajo - arriba);
    DegradadoH(cr, x - ancho / 2, x + ancho / 2,
               {{0, Hex(0x1A1628)}, {0.35, PiedraClara}, {0.6, Piedra}, {1, Hex(0x100D1C)}});
    cairo_fill(cr);
    for (double y : {arriba, abajo - 24}) {
        cairo_rectangle(cr, x - ancho / 2 - 10, y, ancho + 20, 24);
        DegradadoV(cr, y, y + 24, {{0, PiedraClara}, {1, Hex(0x15121F)}});
        cairo_fill(cr);
    }
}

// A hanging banner with a gold sigil.
void Estandarte(cairo_t* cr, double x, double y, double w, double h, const Color& color, int runa)
{
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x + w / 2, y + h - w * 0.35);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    DegradadoH(cr, x, x + w,
               {{0, Mezcla(color, NocheProfunda, 0.5)}, {0.5, color}, {1, Mezcla(color, NocheProfunda, 0.55)}});
    cairo_fill_preserve(cr);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 8, y - 6, w + 16, 8);
    Fuente(cr, OroOscuro);
    cairo_fill(cr);
    Fuente(cr, OroClaro);
    Runa(cr, runa, x + w / 2, y + h * 0.38, w * 0.45, 0, 3);
}

// The faint darkening of the middle that keeps a menu readable.
void CalmaCentro(cairo_t* cr, double alfa)
{
    cairo_save(cr);
    cairo_translate(cr, 512, 400);
    cairo_scale(cr, 400, 280);
    DegradadoRadial(cr, 0, 0, 1, {{0, Hex(0x07061A, alfa)}, {1, Hex(0x07061A, 0)}});
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- the nine places ----

void Prision(cairo_t* cr, double, double)
{
    MuroPiedra(cr, 0, 0, kAncho, 640, 52, Piedra, 11);
    Ventana(cr, 190, 260, 150, 170, true, true, 3);
    RayoLuz(cr, 190, 250, 150, 420, 700, 300, 0.16);
    Cadena(cr, 850, 0, 16);
    Cadena(cr, 905, 0, 12);
    cairo_rectangle(cr, 832, 270, 90, 14);
    Fuente(cr, Hex(0x3A3550));
    cairo_fill(cr);
    Suelo(cr, 640, Hex(0x221D33), true);
    // straw on the floor
    for (int i = 0; i < 90; ++i) {
        const double x = 60 + Azar(21, i) * 300, y = 650 + Azar(22, i) * 90, a = Azar(23, i) * M_PI;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 22 * std::cos(a), y + 8 * std::sin(a));
    }
    Fuente(cr, Hex(0xB0904A, 0.55));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    CalmaCentro(cr, 0.45);
}

void Pasillos(cairo_t* cr, double, double)
{
    MuroPiedra(cr, 0, 0, kAncho, 640, 44, Hex(0x231F38), 17);
    // the corridor running away in the middle: arches ever smaller and darker
    for (int i = 0; i < 6; ++i) {
        const double k = std::pow(0.72, i);
        const double w = 520 * k, h = 560 * k, base = 640 - (1 - k) * 250;
        Arco(cr, 512, base, w, h);
        Fuente(cr, Mezcla(Hex(0x2E2848), NocheProfunda, 0.25 + i * 0.14));
        cairo_fill(cr);
        Arco(cr, 512, base, w, h);
        Fuente(cr, Hex(0x000000, 0.5));
        cairo_set_line_width(cr, 6 * k + 1);
        cairo_stroke(cr);
    }
    Columna(cr, 90, 90, 0, 660);
    Columna(cr, 934, 90, 0, 660);
    Antorcha(cr, 205, 300);
    Antorcha(cr, 819, 300);
    Suelo(cr, 640, Hex(0x2A2338), true);
    CalmaCentro(cr, 0.4);
}

void Maida(cairo_t* cr, double, double)
{
    cairo_rectangle(cr, 0, 0, kAncho, kAlto);
    DegradadoV(cr, 0, kAlto, {{0, Hex(0x2A1C4A)}, {1, Hex(0x150E2A)}});
    cairo_fill(cr);
    // wallpaper of small stars
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 18; ++i) Destello(cr, 30 + i * 58 + (j % 2) * 29, 30 + j * 52, 5, Hex(0xB9A6E8, 0.16));
    Ventana(cr, 830, 470, 230, 330, false, true, 5);
    Cortina(cr, 680, 60, 620, Hex(0x6A2A52), true);
    Cortina(cr, 950, 74, 620, Hex(0x6A2A52), false);
    Suelo(cr, 630, Hex(0x3A2620), false);
    // the bed's end at the left, with its quilt
    RectRedondeado(cr, -40, 520, 330, 150, 18);
    DegradadoV(cr, 520, 670, {{0, Hex(0x8A5A9C)}, {1, Hex(0x3E2450)}});
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) Tachuela(cr, 20 + i * 55, 560, 6);
    cairo_rectangle(cr, 280, 470, 18, 200);
    DegradadoH(cr, 280, 298, {{0, Hex(0x4A2E1A)}, {0.5, Hex(0x8A5A34)}, {1, Hex(0x3A2212)}});
    cairo_fill(cr);
    // a nightstand with a candle
    cairo_rectangle(cr, 330, 560, 90, 80);
    Fuente(cr, Hex(0x3E2616));
    cairo_fill(cr);
    Vela(cr, 375, 556, 40);
    CalmaCentro(cr, 0.35);
}

void Laboratorio(cairo_t* cr, double, double)
{
    MuroPiedra(cr, 0, 0, kAncho, 640, 48, Hex(0x1E2436), 29);
    Estanteria(cr, 20, 90, 230, 470, 31, true);
    Estanteria(cr, 774, 90, 230, 470, 37, true);
    Suelo(cr, 640, Hex(0x1F2430), true);
    // an alchemical circle chalked on the floor
    cairo_save(cr);
    cairo_translate(cr, 512, 700);
    cairo_scale(cr, 1, 0.22);
    for (double r : {230.0, 200.0}) {
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        Fuente(cr, Hex(0x9FE8C8, 0.35));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 16; ++i) {
        Fuente(cr, Hex(0x9FE8C8, 0.35));
        const double a = i * 2 * M_PI / 16;
        Runa(cr, i + 40, 215 * std::sin(a), -215 * std::cos(a), 26, a, 3);
    }
    cairo_restore(cr);
    // a lamp hanging in the middle, low and warm
    cairo_move_to(cr, 512, 0);
    cairo_line_to(cr, 512, 60);
    Fuente(cr, Hex(0x3A3550));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Llama(cr, 512, 80, 14);
    Luciernagas(cr, 260, 100, 500, 400, 18, 41, Hex(0x9FE8C8, 0.5));
    CalmaCentro(cr, 0.4);
}

void Jardin(cairo_t* cr, double, double)
{
    cairo_rectangle(cr, 0, 0, kAncho, kAlto);
    DegradadoV(cr, 0, kAlto, {{0, Hex(0x0A0C2C)}, {0.6, Hex(0x1C2A5A)}, {1, Hex(0x0C1A20)}});
    cairo_fill(cr);
    Estrellas(cr, 0, 0, kAncho, 500, 260, 51, 330, 200);
    Luna(cr, 820, 130, 52, 0.0);
    // hills and hedges
    cairo_move_to(cr, 0, 560);
    cairo_curve_to(cr, 250, 500, 420, 540, 620, 520);
    cairo_curve_to(cr, 800, 505, 900, 540, kAncho, 520);
    cairo_line_to(cr, kAncho, kAlto);
    cairo_line_to(cr, 0, kAlto);
    cairo_close_path(cr);
    Fuente(cr, Hex(0x102622));
    cairo_fill(cr);
    Arbol(cr, 90, 650, 520, 61, Hex(0x0A1714));
    Arbol(cr, 250, 620, 380, 62, Hex(0x0D1D19));
    Arbol(cr, 940, 650, 560, 63, Hex(0x0A1714));
    Arbol(cr, 790, 630, 340, 64, Hex(0x0D1D19));
    cairo_rectangle(cr, 0, 660, kAncho, 108);
    DegradadoV(cr, 660, kAlto, {{0, Hex(0x0F2A22)}, {1, Hex(0x061210)}});
    cairo_fill(cr);
    // flowers along the hedge
    for (int i = 0; i < 40; ++i) {
        const double x = Azar(71, i) * kAncho, y = 665 + Azar(72, i) * 70;
        const Color c = i % 3 ? Hex(0xE8A0C8, 0.8) : Hex(0xF3E6C4, 0.8);
        for (int k = 0; k < 5; ++k) {
            cairo_arc(cr, x + 4 * std::cos(k * 1.2566), y + 4 * std::sin(k * 1.2566), 2.6, 0, 2 * M_PI);
            Fuente(cr, c);
            cairo_fill(cr);
        }
    }
    Luciernagas(cr, 0, 300, kAncho, 380, 36, 73, Hex(0xE8F080, 0.6));
    CalmaCentro(cr, 0.3);
}

void Irina(cairo_t* cr, double, double)
{
    cairo_rectangle(cr, 0, 0, kAncho, kAlto);
    DegradadoV(cr, 0, kAlto, {{0, Hex(0x1A2240)}, {1, Hex(0x0E1226)}});
    cairo_fill(cr);
    Estanteria(cr, 16, 60, 250, 560, 81, false);
    // a round window with the stars
    cairo_arc(cr, 860, 190, 112, 0, 2 * M_PI);
    Fuente(cr, PiedraClara);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_arc(cr, 860, 190, 100, 0, 2 * M_PI);
    cairo_clip(cr);
    DegradadoV(cr, 90, 290, {{0, Hex(0x0E1540)}, {1, Hex(0x2B3A7E)}});
    cairo_paint(cr);
    Estrellas(cr, 760, 90, 200, 200, 60, 83, 0, 0);
    cairo_restore(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 4;
        cairo_move_to(cr, 860 + 100 * std::cos(a), 190 + 100 * std::sin(a));
        cairo_line_to(cr, 860 - 100 * std::cos(a), 190 - 100 * std::sin(a));
    }
    Fuente(cr, Hex(0x2A2538));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    Suelo(cr, 640, Hex(0x2A1E2A), false);
    // the desk and the crystal ball
    cairo_rectangle(cr, 720, 560, 304, 30);
    DegradadoV(cr, 560, 590, {{0, Hex(0x6A4226)}, {1, Hex(0x2E1B0E)}});
    cairo_fill(cr);
    Resplandor(cr, 880, 510, 120, Hex(0x9A7CFF, 0.35));
    cairo_arc(cr, 880, 515, 42, 0, 2 * M_PI);
    DegradadoRadial(cr, 866, 500, 50, {{0, Hex(0xFFFFFF, 0.9)}, {0.4, Hex(0xB9A6E8, 0.8)}, {1, Hex(0x3B2669, 0.9)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 855, 552, 50, 10);
    Fuente(cr, OroMedio);
    cairo_fill(cr);
    Vela(cr, 760, 556, 30);
    Luciernagas(cr, 500, 260, 480, 320, 16, 87, Hex(0xB9A6E8, 0.5));
    CalmaCentro(cr, 0.35);
}

void Cocinas(cairo_t* cr, double, double)
{
    MuroPiedra(cr, 0, 0, kAncho, 640, 46, Hex(0x2E2230), 91);
    // warm light from the hearth over the left side
    Resplandor(cr, 180, 560, 520, Hex(0xE0572A, 0.28));
    // the hearth
    Arco(cr, 180, 640, 300, 300);
    Fuente(cr, Hex(0x120A0A));
    cairo_fill(cr);
    Arco(cr, 180, 640, 300, 300);
    Fuente(cr, Hex(0x5A4A52));
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    Resplandor(cr, 180, 600, 140, Hex(0xF2A93B, 0.6));
    for (int i = 0; i < 7; ++i) Llama(cr, 120 + i * 20, 610 - 12 * std::sin(i * 0.9), 26 + 10 * Azar(93, i));
    // a beam with pots and herbs hanging from it
    cairo_rectangle(cr, 0, 40, kAncho, 34);
    DegradadoV(cr, 40, 74, {{0, Hex(0x6A4226)}, {1, Hex(0x2E1B0E)}});
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        const double x = 380 + i * 95;
        if (x > 440 && x < 600) continue;
        cairo_move_to(cr, x, 74);
        cairo_line_to(cr, x, 120);
        Fuente(cr, Hex(0x3A3550));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        if (i % 2) {
            cairo_arc(cr, x, 140, 24, 0, M_PI);
            DegradadoH(cr, x - 24, x + 24, {{0, Hex(0x5A3018)}, {0.4, Hex(0xC07040)}, {1, Hex(0x4A2410)}});
            cairo_fill(cr);
        } else {
            for (int k = 0; k < 6; ++k) {
                cairo_move_to(cr, x, 120);
                cairo_line_to(cr, x - 14 + k * 5.5, 175);
            }
            Fuente(cr, Hex(0x4A7A4A));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    }
    Estanteria(cr, 790, 200, 220, 330, 97, true);
    Suelo(cr, 640, Hex(0x3A2A20), true);
    CalmaCentro(cr, 0.35);
}

void Aldunia(cairo_t* cr, double, double)
{
    cairo_rectangle(cr, 0, 0, kAncho, kAlto);
    DegradadoV(cr, 0, kAlto, {{0, Hex(0x20183A)}, {1, Hex(0x110C22)}});
    cairo_fill(cr);
    for (double x : {70.0, 250.0, 774.0, 954.0}) Columna(cr, x, 80, 0, 660);
    Estandarte(cr, 130, 60, 70, 250, Hex(0x8A1E2E), 7);
    Estandarte(cr, 824, 60, 70, 250, Hex(0x8A1E2E), 7);
    // a candelabrum on each side
    for (double x : {160.0, 864.0}) {
        cairo_rectangle(cr, x - 4, 470, 8, 170);
        Fuente(cr, OroOscuro);
        cairo_fill(cr);
        cairo_move_to(cr, x - 40, 470);
        cairo_curve_to(cr, x - 40, 500, x + 40, 500, x + 40, 470);
        Fuente(cr, OroMedio);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        for (double dx : {-40.0, 0.0, 40.0}) Vela(cr, x + dx, 470 - (dx == 0 ? 16 : 0), 34);
    }
    Suelo(cr, 640, Hex(0x2A1E3A), true);
    // a red carpet to the middle
    cairo_move_to(cr, 430, 640);
    cairo_line_to(cr, 594, 640);
    cairo_line_to(cr, 700, kAlto);
    cairo_line_to(cr, 324, kAlto);
    cairo_close_path(cr);
    DegradadoV(cr, 640, kAlto, {{0, Hex(0x6A1422)}, {1, Hex(0x3A0A12)}});
    cairo_fill(cr);
    CalmaCentro(cr, 0.4);
}

void Adeletia(cairo_t* cr, double, double)
{
    cairo_rectangle(cr, 0, 0, kAncho, kAlto);
    DegradadoV(cr, 0, kAlto, {{0, Hex(0x2A1830)}, {1, Hex(0x140A18)}});
    cairo_fill(cr);
    // a damask of gold lozenges
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 14; ++i) {
            const double x = 36 + i * 74 + (j % 2) * 37, y = 30 + j * 66;
            cairo_move_to(cr, x, y - 14);
            cairo_line_to(cr, x + 10, y);
            cairo_line_to(cr, x, y + 14);
            cairo_line_to(cr, x - 10, y);
            cairo_close_path(cr);
            Fuente(cr, Hex(0xD9A441, 0.10));
            cairo_fill(cr);
        }
    // an oval mirror in a gold frame at the right
    cairo_save(cr);
    cairo_translate(cr, 860, 300);
    cairo_scale(cr, 1, 1.4);
    cairo_arc(cr, 0, 0, 110, 0, 2 * M_PI);
    DegradadoV(cr, -110, 110, {{0, OroClaro}, {0.5, Oro}, {1, OroOscuro}});
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, 96, 0, 2 * M_PI);
    DegradadoRadial(cr, -30, -40, 130, {{0, Hex(0x6A7AAE)}, {0.6, Hex(0x2B3A6E)}, {1, Hex(0x141A38)}});
    cairo_fill(cr);
    cairo_move_to(cr, -60, -40);
    cairo_line_to(cr, -20, -80);
    cairo_move_to(cr, -50, -10);
    cairo_line_to(cr, 10, -70);
    Fuente(cr, Hex(0xFFFFFF, 0.25));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_restore(cr);
    Cortina(cr, 0, 150, 560, Hex(0x5A1A3A), true);
    Suelo(cr, 640, Hex(0x2E1A24), false);
    // a vase of roses on a stand at the left
    cairo_rectangle(cr, 170, 560, 90, 80);
    Fuente(cr, Hex(0x3E2616));
    cairo_fill(cr);
    cairo_move_to(cr, 195, 556);
    cairo_curve_to(cr, 175, 500, 255, 500, 235, 556);
    cairo_close_path(cr);
    DegradadoH(cr, 180, 250, {{0, Hex(0x2A3A6E)}, {0.5, Hex(0x6A7AAE)}, {1, Hex(0x1A2450)}});
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        const double x = 190 + Azar(101, i) * 60, y = 430 + Azar(102, i) * 60;
        cairo_move_to(cr, 215, 510);
        cairo_line_to(cr, x, y);
        Fuente(cr, Hex(0x2A5A3A));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
        DegradadoRadial(cr, x - 2, y - 2, 10, {{0, Hex(0xFF8AA0)}, {0.6, Rubi}, {1, Hex(0x5A0612)}});
        cairo_fill(cr);
    }
    CalmaCentro(cr, 0.35);
}

Paquete Fondo(const char* descripcion, Painter pintor)
{
    Paquete p;
    p.comment = descripcion;
    Sprite s;
    s.slot = 0;
    s.w = kAncho;
    s.h = kAlto;
    s.hx = kAncho / 2.0;
    s.hy = kAlto / 2.0;
    s.paint = std::move(pintor);
    s.mode = MODO_OPACO;
    p.sprites.push_back(s);
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

RegistroPaquete g_prision(juego::paquete::FONDO_PRISION, [] {
    return Fondo("A cell at night: stone, a barred window and its moonbeam, chains", Prision);
});
RegistroPaquete g_pasillos(juego::paquete::FONDO_PASILLOS, [] {
    return Fondo("The castle's corridors: arches running away between two torches", Pasillos);
});
RegistroPaquete g_maida(juego::paquete::FONDO_MAIDA, [] {
    return Fondo("Maida's room: a starry window between curtains, her bed, a candle", Maida);
});
RegistroPaquete g_laboratorio(juego::paquete::FONDO_LABORATORIO, [] {
    return Fondo("The laboratory: shelves of glowing flasks, a chalk circle, a lamp", Laboratorio);
});
RegistroPaquete g_jardin(juego::paquete::FONDO_JARDIN, [] {
    return Fondo("The garden at night: trees, the full moon, flowers and fireflies", Jardin);
});
RegistroPaquete g_irina(juego::paquete::FONDO_IRINA, [] {
    return Fondo("Irina's study: books, a round window, a glowing crystal ball", Irina);
});
RegistroPaquete g_cocinas(juego::paquete::FONDO_COCINAS, [] {
    return Fondo("The kitchens: the hearth's fire, pots and herbs on a beam, jars", Cocinas);
});
RegistroPaquete g_aldunia(juego::paquete::FONDO_ALDUNIA, [] {
    return Fondo("Aldunia's hall: columns, red banners, candelabra, a carpet", Aldunia);
});
RegistroPaquete g_adeletia(juego::paquete::FONDO_ADELETIA, [] {
    return Fondo("Adeletia's chamber: a gold damask, an oval mirror, roses", Adeletia);
});

// ---- the backgrounds of play: the nine places as pictures, and five
// variants in other lights; the middle is calmed a little more, so that
// the board reads over it ----

// A wash of light over the whole picture, stronger at the top.
void Luz(cairo_t* cr, const Color& arriba, const Color& abajo)
{
    DegradadoV(cr, 0, kAlto, {{0, arriba}, {1, abajo}});
    cairo_paint(cr);
}

Painter DeJuego(Painter lugar)
{
    return [lugar](cairo_t* cr, double w, double h) {
        lugar(cr, w, h);
        CalmaCentro(cr, 0.3);
    };
}

Painter Dia(Painter lugar)
{
    return [lugar](cairo_t* cr, double w, double h) {
        lugar(cr, w, h);
        Luz(cr, Hex(0xFFE9A8, 0.38), Hex(0xF3E6C4, 0.18));
        CalmaCentro(cr, 0.25);
    };
}

Painter Tarde(Painter lugar)
{
    return [lugar](cairo_t* cr, double w, double h) {
        lugar(cr, w, h);
        Luz(cr, Hex(0xF2A93B, 0.32), Hex(0xE0572A, 0.12));
        CalmaCentro(cr, 0.3);
    };
}

Painter Noche(Painter lugar)
{
    return [lugar](cairo_t* cr, double w, double h) {
        lugar(cr, w, h);
        Luz(cr, Hex(0x07061A, 0.45), Hex(0x1A2450, 0.35));
        CalmaCentro(cr, 0.2);
    };
}

// A pale room of parchment and gold: the lightest of the backgrounds.
void Blanco(cairo_t* cr, double w, double h)
{
    Irina(cr, w, h);
    Luz(cr, Hex(0xF3E6C4, 0.72), Hex(0xC9B386, 0.6));
    cairo_save(cr);
    cairo_translate(cr, 512, 400);
    cairo_scale(cr, 420, 300);
    DegradadoRadial(cr, 0, 0, 1, {{0, Hex(0x2E1B05, 0.28)}, {1, Hex(0x2E1B05, 0)}});
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

RegistroImagen g_juegoAdeletia(juego::imagen::FONDO_ADELETIA, kAncho, kAlto, DeJuego(Adeletia));
RegistroImagen g_juegoAdeletiaDia(juego::imagen::FONDO_ADELETIA_DIA, kAncho, kAlto, Dia(Adeletia));
RegistroImagen g_juegoAldunia(juego::imagen::FONDO_ALDUNIA, kAncho, kAlto, DeJuego(Aldunia));
RegistroImagen g_juegoBlanco(juego::imagen::FONDO_BLANCO, kAncho, kAlto, Blanco);
RegistroImagen g_juegoCocinas(juego::imagen::FONDO_COCINAS, kAncho, kAlto, DeJuego(Cocinas));
RegistroImagen g_juegoIrina(juego::imagen::FONDO_IRINA, kAncho, kAlto, DeJuego(Irina));
RegistroImagen g_juegoJardin(juego::imagen::FONDO_JARDIN, kAncho, kAlto, DeJuego(Jardin));
RegistroImagen g_juegoJardinTarde(juego::imagen::FONDO_JARDIN_TARDE, kAncho, kAlto, Tarde(Jardin));
RegistroImagen g_juegoLaboratorio(juego::imagen::FONDO_LABORATORIO, kAncho, kAlto, DeJuego(Laboratorio));
RegistroImagen g_juegoMaida(juego::imagen::FONDO_MAIDA, kAncho, kAlto, DeJuego(Maida));
RegistroImagen g_juegoMaidaNoche(juego::imagen::FONDO_MAIDA_NOCHE, kAncho, kAlto, Noche(Maida));
RegistroImagen g_juegoPasillos(juego::imagen::FONDO_PASILLOS, kAncho, kAlto, DeJuego(Pasillos));
RegistroImagen g_juegoPasillosDia(juego::imagen::FONDO_PASILLOS_DIA, kAncho, kAlto, Dia(Pasillos));
RegistroImagen g_juegoPrision(juego::imagen::FONDO_PRISION, kAncho, kAlto, DeJuego(Prision));

// ---- the scenes' backgrounds that the menus lack: the places in other
// lights, the plain dark and pale grounds, and the limbo between sleep and
// waking, calm or under the curse ----

void Negro(cairo_t* cr, double w, double h)
{
    DegradadoRadial(cr, w / 2, h / 2, w * 0.7, {{0, Hex(0x110F33)}, {1, Hex(0x07061A)}});
    cairo_paint(cr);
    Estrellas(cr, 0, 0, w, h, 30, 71, 300, 200);
}

void Limbo(cairo_t* cr, double w, double h, const Color& centro, const Color& borde, const Color& luz)
{
    DegradadoRadial(cr, w / 2, h * 0.45, w * 0.75, {{0, centro}, {1, borde}});
    cairo_paint(cr);
    // drifting veils of mist
    for (int i = 0; i < 7; ++i) {
        const double y = h * (0.15 + 0.12 * i), a = 0.05 + 0.04 * Azar(301, i);
        cairo_save(cr);
        cairo_translate(cr, w * Azar(302, i), y);
        cairo_scale(cr, w * 0.6, 40 + 30 * Azar(303, i));
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, Hex(0xDCE6FF, a));
        cairo_fill(cr);
    }
    // runes floating at the edges
    for (int i = 0; i < 14; ++i) {
        const double x = i % 2 ? w * (0.05 + 0.12 * Azar(304, i)) : w * (0.83 + 0.12 * Azar(305, i));
        const double y = h * (0.08 + 0.84 * Azar(306, i));
        Resplandor(cr, x, y, 26, Mezcla(luz, Hex(0x000000, 0), 0.5));
        Fuente(cr, luz);
        Runa(cr, i % 8, x, y, 22, Azar(307, i) - 0.5, 1.6);
    }
    CalmaCentro(cr, 0.25);
}

RegistroPaquete g_negro(juego::paquete::FONDO_NEGRO, [] { return Fondo("Night and nothing else: a dark field with a few stars", Negro); });
RegistroPaquete g_blanco(juego::paquete::FONDO_BLANCO, [] { return Fondo("A pale room of parchment and gold", Blanco); });
RegistroPaquete g_limbo(juego::paquete::FONDO_LIMBO, [] {
    return Fondo("The limbo between sleep and waking: violet mist and floating runes", [](cairo_t* cr, double w, double h) {
        Limbo(cr, w, h, Hex(0x3B2669), Hex(0x07061A), Hex(0xB9A6E8, 0.8));
    });
});
RegistroPaquete g_limboMalvado(juego::paquete::FONDO_LIMBO_MALVADO, [] {
    return Fondo("The limbo under the curse: crimson mist and burning runes", [](cairo_t* cr, double w, double h) {
        Limbo(cr, w, h, Hex(0x5A1028), Hex(0x0A0208), Hex(0xE0572A, 0.85));
    });
});
RegistroPaquete g_adeletiaDia(juego::paquete::FONDO_ADELETIA_DIA, [] { return Fondo("Adeletia's chamber by day", Dia(Adeletia)); });
RegistroPaquete g_pasillosDia(juego::paquete::FONDO_PASILLOS_DIA, [] { return Fondo("The castle's corridors by day", Dia(Pasillos)); });
RegistroPaquete g_maidaNoche(juego::paquete::FONDO_MAIDA_NOCHE, [] { return Fondo("Maida's room in the dead of night", Noche(Maida)); });
RegistroPaquete g_jardinTarde(juego::paquete::FONDO_JARDIN_TARDE, [] { return Fondo("The garden at sunset", Tarde(Jardin)); });

} // namespace
} // namespace art
