// The pictures of play's tools: the HUD, the banners and the visual help.
// (The curses and bonuses that the pointer and the HUD draw too are painted
// with their own tools, paquetes/Ataques.cpp.)
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

// ---- the HUD: the top plate with its two bar tracks, the turning emblem,
// the plate's end medallion, the bars' tiles, the portrait frame, the line
// gauge's frame, the attacks mode's plate and the later modes' panel ----

void PanelNoche(cairo_t* cr, double x, double y, double w, double h, double r, double borde)
{
    RectRedondeado(cr, x, y + 2, w, h, r);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    RectRedondeado(cr, x, y, w, h, r);
    DegradadoV(cr, y, y + h, {{0, Hex(0x1A2450, 0.95)}, {1, Hex(0x07061A, 0.95)}});
    cairo_fill(cr);
    MarcoDorado(cr, x, y, w, h, r, borde);
}

void Surco(cairo_t* cr, double x, double y, double w, double h)
{
    RectRedondeado(cr, x, y - h / 2, w, h, h / 2);
    Fuente(cr, Hex(0x03020C, 0.85));
    RellenaYPerfila(cr, Hex(0xFFE9A8, 0.35), 1);
}

void PlacaHud(cairo_t* cr, double w, double h)
{
    PanelNoche(cr, 4, 4, w - 8, h - 10, 20, 5);
    // the score's track above, the time's below
    Surco(cr, 46, 24, 326, 12);
    Surco(cr, 50, 49, 326, 12);
    for (double x : {30.0, w - 30.0}) Tachuela(cr, x, h / 2 - 2, 4);
}

void PlacaAtaques(cairo_t* cr, double w, double h)
{
    PanelNoche(cr, 4, 4, w - 8, h - 10, 20, 5);
    // The plate lies over the energy bar: its groove, where the bar runs
    // (field x 384..704), is a window that lets the bar through.
    constexpr double kSurcoX = 108, kSurcoY = 35, kSurcoAncho = 328, kSurcoAlto = 14;
    RectRedondeado(cr, kSurcoX, kSurcoY - kSurcoAlto / 2, kSurcoAncho, kSurcoAlto, kSurcoAlto / 2);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill_preserve(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    Fuente(cr, Hex(0x03020C, 0.35));
    RellenaYPerfila(cr, Hex(0xFFE9A8, 0.35), 1);
    Tachuela(cr, 30, h / 2 - 2, 4);
    // a red heart of energy at the left end
    const double cx = 56, cy = 33;
    cairo_move_to(cr, cx, cy + 9);
    cairo_curve_to(cr, cx - 14, cy - 1, cx - 7, cy - 13, cx, cy - 5);
    cairo_curve_to(cr, cx + 7, cy - 13, cx + 14, cy - 1, cx, cy + 9);
    DegradadoRadial(cr, cx - 3, cy - 4, 14, {{0, Hex(0xFF8A8A)}, {1, Rubi}});
    cairo_fill(cr);
}

void EmblemaHud(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 3;
    Resplandor(cr, cx, cy, r + 2, Hex(0xFFD27A, 0.5));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, cx + std::cos(a - 0.12) * r * 0.6, cy + std::sin(a - 0.12) * r * 0.6);
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        cairo_line_to(cr, cx + std::cos(a + 0.12) * r * 0.6, cy + std::sin(a + 0.12) * r * 0.6);
    }
    DegradadoRadial(cr, cx, cy, r, {{0, OroClaro}, {1, Oro}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 4, cy - 4, r * 0.7, {{0, OroClaro}, {0.6, OroMedio}, {1, OroOscuro}});
    RellenaYPerfila(cr, OroOscuro, 1.5);
    Fuente(cr, Tinta);
    Runa(cr, 5, cx, cy, r * 0.6, 0, 2.2);
}

// An hourglass in a gold ring: the plate's end, beside the time.
void FinPlaca(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 3;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r, {{0, NocheAzul}, {0.8, Noche}, {1, OroOscuro}});
    RellenaYPerfila(cr, OroMedio, 3);
    const double a = r * 0.45, b = r * 0.65;
    cairo_move_to(cr, cx - a, cy - b);
    cairo_line_to(cr, cx + a, cy - b);
    cairo_line_to(cr, cx + 2, cy);
    cairo_line_to(cr, cx + a, cy + b);
    cairo_line_to(cr, cx - a, cy + b);
    cairo_line_to(cr, cx - 2, cy);
    cairo_close_path(cr);
    Fuente(cr, Hex(0xDCE6FF, 0.35));
    RellenaYPerfila(cr, OroClaro, 1.6);
    cairo_move_to(cr, cx - a * 0.6, cy + b * 0.95);
    cairo_line_to(cr, cx + a * 0.6, cy + b * 0.95);
    cairo_line_to(cr, cx, cy + b * 0.35);
    cairo_close_path(cr);
    Fuente(cr, LuzDeVela);
    cairo_fill(cr);
}

Painter Tramo(Color claro, Color medio, Color oscuro)
{
    return [=](cairo_t* cr, double, double h) {
        DegradadoV(cr, 0, h, {{0, oscuro}, {0.3, claro}, {0.5, Hex(0xFFFFFF)}, {0.7, medio}, {1, oscuro}});
        cairo_paint(cr);
    };
}

void MarcoRetrato(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 3;
    cairo_arc(cr, cx, cy + 2, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    OroV(cr, cy - r, cy + r);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 8, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - r * 0.3, r, {{0, Azul}, {1, Noche}});
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI / 4 + i * M_PI / 2;
        Tachuela(cr, cx + std::cos(a) * (r - 4), cy + std::sin(a) * (r - 4), 3.5);
    }
}

// The gauge's frame: a tall dark oval behind the twelve slots.
void MarcoIndicador(cairo_t* cr, double w, double h)
{
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, (w - 8) / 2, (h - 8) / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoH(cr, 0, w, {{0, Hex(0x07061A, 0.85)}, {0.5, Hex(0x1A2450, 0.75)}, {1, Hex(0x07061A, 0.85)}});
    RellenaYPerfila(cr, OroMedio, 3);
    Tachuela(cr, w / 2, 8, 4);
    Tachuela(cr, w / 2, h - 8, 4);
}

void PanelModos(cairo_t* cr, double w, double h) { PanelNoche(cr, 4, 4, w - 8, h - 10, 16, 5); }

Paquete Hud()
{
    Paquete p;
    p.comment = "HUD: 0 portrait frame, 2 top plate with the score and time tracks, 3 turning emblem, 4 the plate's "
                "hourglass end, 5 score bar tile, 6 time bar tile, 7 the later modes' panel, 8 attacks plate, "
                "9 line gauge frame";
    p.sprites.push_back({0, 150, 150, 75, 75, MarcoRetrato});
    p.sprites.push_back({2, 420, 76, 210, 38, PlacaHud});
    p.sprites.push_back({3, 64, 64, 32, 32, EmblemaHud});
    p.sprites.push_back({4, 56, 56, 28, 28, FinPlaca});
    p.sprites.push_back({5, 32, 10, 0, 5, Tramo(LuzDeVela, Ambar, OroOscuro)});
    p.sprites.push_back({6, 32, 10, 0, 5, Tramo(LuzDeLuna, Lavanda, Violeta)});
    p.sprites.push_back({7, 300, 80, 150, 40, PanelModos});
    p.sprites.push_back({8, 480, 76, 240, 38, PlacaAtaques});
    p.sprites.push_back({9, 150, 310, 75, 155, MarcoIndicador});
    p.animations.push_back({0, {{2, 1000}}});
    return p;
}
RegistroPaquete g_hud(juego::paquete::HUD, Hud);

// ---- the banners: wordless emblems on a gilded plaque ----

void Placa(cairo_t* cr, double w, double h, const Color& tinte)
{
    const double cx = w / 2, cy = h / 2;
    Resplandor(cr, cx, cy, w * 0.5, Hex(0xFFD27A, 0.35));
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, w * 0.4, h * 0.42);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, cx, cy - h * 0.15, w * 0.5, {{0, Mezcla(NocheAzul, tinte, 0.35)}, {1, NocheProfunda}});
    cairo_fill_preserve(cr);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Voluta(cr, cx - w * 0.4, cy, w * 0.08, M_PI, 1, 3);
    Voluta(cr, cx + w * 0.4, cy, w * 0.08, 0, -1, 3);
}

void Reloj(cairo_t* cr, double cx, double cy, double r)
{
    const double a = r * 0.55, b = r * 0.85;
    cairo_move_to(cr, cx - a, cy - b);
    cairo_line_to(cr, cx + a, cy - b);
    cairo_curve_to(cr, cx + a, cy - b * 0.3, cx + 4, cy - 6, cx + 4, cy);
    cairo_curve_to(cr, cx + 4, cy + 6, cx + a, cy + b * 0.3, cx + a, cy + b);
    cairo_line_to(cr, cx - a, cy + b);
    cairo_curve_to(cr, cx - a, cy + b * 0.3, cx - 4, cy + 6, cx - 4, cy);
    cairo_curve_to(cr, cx - 4, cy - 6, cx - a, cy - b * 0.3, cx - a, cy - b);
    cairo_close_path(cr);
    Fuente(cr, Hex(0xDCE6FF, 0.3));
    RellenaYPerfila(cr, OroClaro, 4);
    // the sand run out, all below
    cairo_move_to(cr, cx - a * 0.85, cy + b * 0.95);
    cairo_line_to(cr, cx + a * 0.85, cy + b * 0.95);
    cairo_line_to(cr, cx, cy + b * 0.25);
    cairo_close_path(cr);
    Fuente(cr, Ambar);
    cairo_fill(cr);
    for (double y : {cy - b - 6, cy + b + 6}) {
        RectRedondeado(cr, cx - a - 14, y - 6, 2 * a + 28, 12, 5);
        Fuente(cr, OroMedio);
        cairo_fill(cr);
    }
}

void Gema(cairo_t* cr, double cx, double cy, double r, unsigned color)
{
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r * 0.8, cy - r * 0.2);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r * 0.8, cy - r * 0.2);
    cairo_close_path(cr);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.4, r * 1.4, {{0, Hex(0xFFFFFF)}, {0.35, Hex(color)}, {1, Mezcla(Hex(color), NocheProfunda, 0.5)}});
    RellenaYPerfila(cr, OroClaro, 2);
    Destello(cr, cx - r * 0.25, cy - r * 0.45, r * 0.35, Hex(0xFFFFFF, 0.9));
}

void Estrella(cairo_t* cr, double cx, double cy, double r, int puntas, double interior)
{
    for (int i = 0; i < 2 * puntas; ++i) {
        const double a = -M_PI / 2 + i * M_PI / puntas, rr = i % 2 ? r * interior : r;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
}

void Laurel(cairo_t* cr, double cx, double cy, double r, int lado)
{
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI / 2 + lado * (0.35 + i * 0.33);
        const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + lado * M_PI / 2.6);
        cairo_scale(cr, 14, 6);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, Esmeralda);
        RellenaYPerfila(cr, OroClaro, 1);
    }
}

void CartelTiempo(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, Ambar);
    Reloj(cr, w / 2, h / 2, h * 0.32);
}

void CartelDiamantes(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, VioletaClaro);
    const unsigned colores[3] = {0xD0203A, 0x2FB58A, 0x3B6FD8};
    for (int i = 0; i < 3; ++i) Gema(cr, w / 2 + (i - 1) * h * 0.38, h / 2 + (i == 1 ? -10 : 8), h * 0.2, colores[i]);
}

void CartelTrazado(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, LuzDeLuna);
    const double cx = w / 2, cy = h / 2, r = h * 0.3;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Estrella(cr, cx, cy, r * 0.9, 5, 0.38);
    Fuente(cr, LuzDeVela);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        cairo_arc(cr, cx + std::cos(a) * r * 0.9, cy + std::sin(a) * r * 0.9, 6, 0, 2 * M_PI);
        Fuente(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
    }
}

void CartelVictoria(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, OroClaro);
    const double cx = w / 2, cy = h / 2;
    Laurel(cr, cx, cy, h * 0.3, 1);
    Laurel(cr, cx, cy, h * 0.3, -1);
    Estrella(cr, cx, cy - 4, h * 0.2, 5, 0.45);
    DegradadoRadial(cr, cx, cy - 10, h * 0.22, {{0, Hex(0xFFFFFF)}, {0.5, LuzDeVela}, {1, Oro}});
    RellenaYPerfila(cr, OroOscuro, 2);
}

void CartelDerrota(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, Rubi);
    const double cx = w / 2, cy = h / 2, r = h * 0.28;
    // a seal broken in two
    for (int lado : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, lado * 8, lado * 4);
        cairo_move_to(cr, cx, cy - r);
        cairo_arc(cr, cx, cy, r, -M_PI / 2, M_PI / 2);
        if (lado < 0) {
            cairo_new_path(cr);
            cairo_arc_negative(cr, cx, cy, r, -M_PI / 2, M_PI / 2);
        }
        cairo_line_to(cr, cx + lado * 6, cy + r * 0.3);
        cairo_line_to(cr, cx - lado * 5, cy - r * 0.1);
        cairo_line_to(cr, cx + lado * 4, cy - r * 0.6);
        cairo_close_path(cr);
        DegradadoRadial(cr, cx, cy, r, {{0, Hex(0xB03040)}, {1, Hex(0x5A1020)}});
        RellenaYPerfila(cr, Hex(0x2A0810), 2);
        cairo_restore(cr);
    }
    Fuente(cr, Hex(0xF3E6C4, 0.7));
    Runa(cr, 7, cx, cy, r * 0.9, 0.2, 3);
}

void CartelAtaques(cairo_t* cr, double w, double h)
{
    Placa(cr, w, h, Brasa);
    const double cx = w / 2, cy = h / 2, l = h * 0.34;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx - lado * l, cy + l);
        cairo_line_to(cr, cx + lado * l * 0.8, cy - l * 0.8);
        Fuente(cr, LuzDeLuna);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - lado * l * 0.55, cy + l * 0.35);
        cairo_line_to(cr, cx - lado * l * 0.25, cy + l * 0.65);
        Fuente(cr, OroMedio);
        cairo_set_line_width(cr, 10);
        cairo_stroke(cr);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    Estrella(cr, cx, cy - l * 0.1, 14, 4, 0.4);
    Fuente(cr, LuzDeVela);
    cairo_fill(cr);
}

Paquete Carteles()
{
    Paquete p;
    p.comment = "Banners of play, wordless: 1 time out (the hourglass run out), 2 the diamonds, 3 the tracing of "
                "the seal, 4 victory (laurels and a star), 5 defeat (a broken seal), 6 the attacks (crossed blades)";
    const Painter pintores[6] = {CartelTiempo, CartelDiamantes, CartelTrazado, CartelVictoria, CartelDerrota, CartelAtaques};
    for (int i = 0; i < 6; ++i) p.sprites.push_back({i + 1, 380, 230, 190, 115, pintores[i]});
    p.animations.push_back({0, {{2, 1000}}});
    return p;
}
RegistroPaquete g_carteles(juego::paquete::CARTELES, Carteles);

// ---- the visual help: two parchment medallions at the right edge (0: lines
// that cross, 2: one line crossing itself) and their pulse rings (1, 3) ----

void MedallonPergamino(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 8;
    cairo_arc(cr, cx, cy + 2, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.4));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.4, {{0, Pergamino}, {1, PergaminoOscuro}});
    RellenaYPerfila(cr, OroMedio, 4);
}

void Cadena(cairo_t* cr, const double (*p)[2], int n, unsigned color)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, p[0][0], p[0][1]);
    for (int i = 1; i < n; ++i) cairo_line_to(cr, p[i][0], p[i][1]);
    Fuente(cr, Hex(color, 0.85));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (int i = 0; i < n; ++i) Gema(cr, p[i][0], p[i][1], 7, color);
}

void AyudaCruces(cairo_t* cr, double w, double h)
{
    MedallonPergamino(cr, w, h);
    const double a[2][2] = {{w * 0.28, h * 0.3}, {w * 0.72, h * 0.7}};
    const double b[2][2] = {{w * 0.72, h * 0.3}, {w * 0.28, h * 0.7}};
    Cadena(cr, a, 2, 0xD0203A);
    Cadena(cr, b, 2, 0xD0203A);
    Destello(cr, w / 2, h / 2, 12, Hex(0xFFD27A));
}

void AyudaZigzag(cairo_t* cr, double w, double h)
{
    MedallonPergamino(cr, w, h);
    const double p[4][2] = {{w * 0.28, h * 0.32}, {w * 0.72, h * 0.68}, {w * 0.72, h * 0.32}, {w * 0.28, h * 0.68}};
    Cadena(cr, p, 4, 0x3B6FD8);
    Destello(cr, w / 2, h / 2, 12, Hex(0xFFD27A));
}

void Pulso(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 4;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r, {{0, Hex(0xFFD27A, 0)}, {0.75, Hex(0xFFD27A, 0)}, {0.88, Hex(0xFFE9A8, 0.9)}, {1, Hex(0xFFD27A, 0)}});
    cairo_fill(cr);
}

Paquete ElemsTuto()
{
    Paquete p;
    p.comment = "The visual help: 0 two lines crossing, 2 a line crossing itself, 1 and 3 their pulse rings";
    p.sprites.push_back({0, 110, 110, 55, 55, AyudaCruces});
    p.sprites.push_back({1, 130, 130, 65, 65, Pulso});
    p.sprites.push_back({2, 110, 110, 55, 55, AyudaZigzag});
    p.sprites.push_back({3, 130, 130, 65, 65, Pulso});
    p.animations.push_back({0, {{0, 1000}}});
    return p;
}
RegistroPaquete g_elemsTuto(juego::paquete::ELEMS_TUTO, ElemsTuto);

} // namespace
} // namespace art
