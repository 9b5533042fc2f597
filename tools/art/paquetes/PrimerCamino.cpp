// The first road's art: the title screen (its night background, the great
// seal's corner pieces, ornaments, centre and line, the game's emblem, the
// maker's and the publisher's marks, and the eight pictured captions), the
// game's title and its ornamental subtitle, the profile screen (its title
// cartouche, its icon and a slot's frame) and the main menu (the great seal
// logo behind the icons and the six mode medallions). Gold on night blue, as
// the palette says; the only words are the names of the game and its makers.
#include "Arte.h"
#include "Contornos.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>
#include <functional>
#include <string>

namespace art {
namespace {

using namespace paleta;

// A word in the serif capitals of the titles, centred on (cx, cy), as a
// path (the caller fills and strokes it).
void PalabraCentrada(cairo_t* cr, const std::string& s, double cx, double cy, double tam, double espacio = 0)
{
    cairo_new_path(cr);
    // Capitals stand about 0.73 of the size above the baseline.
    PalabraTrueType(cr, MG_FUENTE_TITULOS, s, cx, cy + tam * 0.365, tam, espacio);
}

// Gilded letters: a dark drop, a gold body lit from above, an ink rim and
// a thin light edge.
void LetrasDoradas(cairo_t* cr, const std::string& s, double cx, double cy, double tam, double espacio)
{
    cairo_save(cr);
    cairo_translate(cr, 2, 4);
    PalabraCentrada(cr, s, cx, cy, tam, espacio);
    Fuente(cr, Hex(0x000000, 0.55));
    cairo_fill(cr);
    cairo_restore(cr);
    PalabraCentrada(cr, s, cx, cy, tam, espacio);
    DegradadoV(cr, cy - tam * 0.5, cy + tam * 0.5,
               {{0, OroClaro}, {0.42, LuzDeVela}, {0.5, OroMedio}, {0.75, Oro}, {1, OroOscuro}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, tam / 28);
    cairo_stroke_preserve(cr);
    Fuente(cr, Hex(0xFFF4D0, 0.35));
    cairo_set_line_width(cr, tam / 80);
    cairo_stroke(cr);
}

// A regular star of n points with the given radii, as a path.
void Estrella(cairo_t* cr, double cx, double cy, int n, double rExt, double rInt, double giro)
{
    for (int i = 0; i < 2 * n; ++i) {
        const double a = giro + i * M_PI / n - M_PI / 2;
        const double r = i % 2 ? rInt : rExt;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        else
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
}

// A ring of gold of radius r and width g.
void Anillo(cairo_t* cr, double cx, double cy, double r, double g)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.5));
    cairo_set_line_width(cr, g + 3);
    cairo_stroke_preserve(cr);
    OroV(cr, cy - r, cy + r);
    cairo_set_line_width(cr, g);
    cairo_stroke(cr);
}

// Runes round a circle.
void CoronaRunas(cairo_t* cr, double cx, double cy, double r, int n, double alto, unsigned semilla, const Color& c)
{
    Fuente(cr, c);
    for (int i = 0; i < n; ++i) {
        const double a = i * 2 * M_PI / n;
        Runa(cr, static_cast<int>(Azar(semilla, i) * 24), cx + std::cos(a) * r, cy + std::sin(a) * r, alto,
             a + M_PI / 2, alto / 9);
    }
}

// ---- the icons' medallion: a gilded ring round a night disc, and a soft
// light behind what it holds ----

// A ring between radii r and rInt round (cx, cy), as one path.
void Corona(cairo_t* cr, double cx, double cy, double r, double rInt)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, rInt, 2 * M_PI, 0);
}

// How much of the night disc covers what lies behind a main-menu icon. The
// menu shows through a little: an icon still locked is drawn all black, and
// what its medallion holds then stands out as a silhouette against the
// dimmed disc instead of vanishing into one black disc.
constexpr double kDiscoIcono = 0.3;

void Medallon(cairo_t* cr, double cx, double cy, double r, const Color& luz, double opacidadDisco = kDiscoIcono)
{
    const double rInt = r * 0.84;
    Resplandor(cr, cx, cy, r * 1.15, Hex(0xF2A93B, 0.25));
    Corona(cr, cx, cy + 3, r, rInt);
    Fuente(cr, Hex(0x000000, 0.5));
    cairo_fill(cr);
    Corona(cr, cx, cy, r, rInt);
    OroV(cr, cy - r, cy + r);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        Tachuela(cr, cx + std::cos(a) * (r - r * 0.07), cy + std::sin(a) * (r - r * 0.07), r * 0.035);
    }
    cairo_push_group(cr);
    cairo_arc(cr, cx, cy, rInt, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - r * 0.2, r * 0.9, {{0, Azul}, {0.6, NocheAzul}, {1, Noche}});
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacidadDisco);
    cairo_arc(cr, cx, cy, rInt, 0, 2 * M_PI);
    ContornoTinta(cr, 1.2);
    Resplandor(cr, cx, cy, r * 0.7, luz);
}

// The story: an open book with a quill.
void IconoHistoria(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0xFFD27A, 0.35));
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx, cy + r * 0.32);
        cairo_curve_to(cr, cx + lado * r * 0.2, cy + r * 0.2, cx + lado * r * 0.45, cy + r * 0.25, cx + lado * r * 0.58,
                       cy + r * 0.3);
        cairo_line_to(cr, cx + lado * r * 0.58, cy - r * 0.3);
        cairo_curve_to(cr, cx + lado * r * 0.45, cy - r * 0.36, cx + lado * r * 0.2, cy - r * 0.4, cx, cy - r * 0.26);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 0.4, cy + r * 0.3, {{0, Pergamino}, {1, PergaminoOscuro}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.5);
        for (int k = 0; k < 4; ++k) {
            const double y = cy - r * 0.18 + k * r * 0.11;
            cairo_move_to(cr, cx + lado * r * 0.1, y);
            cairo_line_to(cr, cx + lado * r * 0.48, y + r * 0.02);
        }
        Fuente(cr, Hex(0x2E1B05, 0.45));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // the quill
    cairo_move_to(cr, cx + r * 0.1, cy + r * 0.05);
    cairo_curve_to(cr, cx + r * 0.3, cy - r * 0.3, cx + r * 0.5, cy - r * 0.55, cx + r * 0.62, cy - r * 0.66);
    cairo_curve_to(cr, cx + r * 0.52, cy - r * 0.38, cx + r * 0.34, cy - r * 0.14, cx + r * 0.1, cy + r * 0.05);
    DegradadoV(cr, cy - r * 0.66, cy, {{0, LuzDeLuna}, {1, Lavanda}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    Destello(cr, cx + r * 0.1, cy + r * 0.05, r * 0.12, Hex(0xFFF1C8));
}

// Concentration: an hourglass.
void IconoRapida(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0x7A5CB8, 0.4));
    const double a = r * 0.34, b = r * 0.5;
    cairo_move_to(cr, cx - a, cy - b);
    cairo_line_to(cr, cx + a, cy - b);
    cairo_curve_to(cr, cx + a, cy - b * 0.3, cx + r * 0.06, cy - r * 0.08, cx + r * 0.06, cy);
    cairo_curve_to(cr, cx + r * 0.06, cy + r * 0.08, cx + a, cy + b * 0.3, cx + a, cy + b);
    cairo_line_to(cr, cx - a, cy + b);
    cairo_curve_to(cr, cx - a, cy + b * 0.3, cx - r * 0.06, cy + r * 0.08, cx - r * 0.06, cy);
    cairo_curve_to(cr, cx - r * 0.06, cy - r * 0.08, cx - a, cy - b * 0.3, cx - a, cy - b);
    cairo_close_path(cr);
    Fuente(cr, Hex(0xDCE6FF, 0.35));
    cairo_fill_preserve(cr);
    Fuente(cr, LuzDeLuna);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // the falling sand
    cairo_move_to(cr, cx - a * 0.7, cy + b * 0.95);
    cairo_curve_to(cr, cx - a * 0.3, cy + b * 0.45, cx + a * 0.3, cy + b * 0.45, cx + a * 0.7, cy + b * 0.95);
    cairo_close_path(cr);
    Fuente(cr, Ambar);
    cairo_fill(cr);
    cairo_move_to(cr, cx - a * 0.6, cy - b * 0.7);
    cairo_line_to(cr, cx + a * 0.6, cy - b * 0.7);
    cairo_line_to(cr, cx, cy - r * 0.05);
    cairo_close_path(cr);
    Fuente(cr, Ambar);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 1.2, cy - r * 0.05, 2.4, b * 0.6);
    cairo_fill(cr);
    for (int lado : {-1, 1}) {
        RectRedondeado(cr, cx - a * 1.25, cy + lado * b - r * 0.06, a * 2.5, r * 0.12, r * 0.04);
        OroV(cr, cy + lado * b - r * 0.06, cy + lado * b + r * 0.06);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
    }
}

// Attacks: a shield struck by a bolt.
void IconoArcade(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0xE0572A, 0.35));
    cairo_move_to(cr, cx, cy - r * 0.55);
    cairo_curve_to(cr, cx + r * 0.25, cy - r * 0.42, cx + r * 0.42, cy - r * 0.45, cx + r * 0.48, cy - r * 0.45);
    cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.1, cx + r * 0.3, cy + r * 0.4, cx, cy + r * 0.6);
    cairo_curve_to(cr, cx - r * 0.3, cy + r * 0.4, cx - r * 0.5, cy + r * 0.1, cx - r * 0.48, cy - r * 0.45);
    cairo_curve_to(cr, cx - r * 0.42, cy - r * 0.45, cx - r * 0.25, cy - r * 0.42, cx, cy - r * 0.55);
    cairo_close_path(cr);
    DegradadoV(cr, cy - r * 0.55, cy + r * 0.6, {{0, Hex(0xD0203A)}, {1, Hex(0x5A0A18)}});
    cairo_fill_preserve(cr);
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, r * 0.05);
    cairo_stroke(cr);
    // the bolt
    cairo_move_to(cr, cx + r * 0.12, cy - r * 0.72);
    cairo_line_to(cr, cx - r * 0.18, cy + r * 0.02);
    cairo_line_to(cr, cx + r * 0.02, cy + r * 0.02);
    cairo_line_to(cr, cx - r * 0.14, cy + r * 0.72);
    cairo_line_to(cr, cx + r * 0.24, cy - r * 0.12);
    cairo_line_to(cr, cx + r * 0.03, cy - r * 0.12);
    cairo_close_path(cr);
    DegradadoV(cr, cy - r * 0.7, cy + r * 0.7, {{0, Hex(0xFFFFFF)}, {1, LuzDeVela}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.4);
}

// Seals only: a seal of seven points with runes.
void IconoSellos(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0x2FB58A, 0.35));
    cairo_new_path(cr);
    Estrella(cr, cx, cy, 7, r * 0.6, r * 0.3, 0);
    Fuente(cr, Hex(0x2FB58A, 0.3));
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x9FF5D6));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.66, 0, 2 * M_PI);
    Fuente(cr, Hex(0x9FF5D6, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    CoronaRunas(cr, cx, cy, r * 0.66, 7, r * 0.12, 17, OroClaro);
    Resplandor(cr, cx, cy, r * 0.22, Hex(0xFFFFFF, 0.8));
}

// The treasure chest.
void IconoCofre(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0xFFD27A, 0.45));
    const double x0 = cx - r * 0.5, x1 = cx + r * 0.5, yTapa = cy - r * 0.1, yFondo = cy + r * 0.45;
    // the glow from inside, the lid lifted
    Resplandor(cr, cx, yTapa, r * 0.5, Hex(0xFFE9A8, 0.8));
    cairo_rectangle(cr, x0, yTapa, x1 - x0, yFondo - yTapa);
    DegradadoV(cr, yTapa, yFondo, {{0, Hex(0x8A4B22)}, {1, Hex(0x4A2410)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    cairo_move_to(cr, x0, yTapa - r * 0.08);
    cairo_curve_to(cr, x0, yTapa - r * 0.45, x1, yTapa - r * 0.45, x1, yTapa - r * 0.08);
    cairo_close_path(cr);
    DegradadoV(cr, yTapa - r * 0.4, yTapa, {{0, Hex(0xA65A2A)}, {1, Hex(0x5C2E14)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    for (double x : {x0 + r * 0.12, x1 - r * 0.12}) {
        cairo_rectangle(cr, x - r * 0.05, yTapa - r * 0.36, r * 0.1, yFondo - yTapa + r * 0.36);
        OroV(cr, yTapa - r * 0.36, yFondo);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x0, yTapa - r * 0.02, x1 - x0, r * 0.08);
    OroV(cr, yTapa, yTapa + r * 0.08);
    cairo_fill(cr);
    RectRedondeado(cr, cx - r * 0.08, yTapa + r * 0.02, r * 0.16, r * 0.18, r * 0.03);
    OroV(cr, yTapa, yTapa + r * 0.2);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1);
    for (int i = 0; i < 3; ++i)
        Destello(cr, cx + (i - 1) * r * 0.3, yTapa - r * (0.48 + 0.1 * (i % 2)), r * 0.09, Hex(0xFFF1C8));
}

// The credits: a scroll tied with a ribbon, and a star.
void IconoCreditos(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0xB9A6E8, 0.35));
    RectRedondeado(cr, cx - r * 0.38, cy - r * 0.48, r * 0.76, r * 0.92, r * 0.06);
    DegradadoV(cr, cy - r * 0.48, cy + r * 0.44, {{0, Pergamino}, {1, PergaminoOscuro}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    for (int lado : {-1, 1}) {
        RectRedondeado(cr, cx - r * 0.46, cy + lado * r * 0.48 - r * 0.08, r * 0.92, r * 0.16, r * 0.08);
        DegradadoV(cr, cy + lado * r * 0.48 - r * 0.08, cy + lado * r * 0.48 + r * 0.08,
                   {{0, Pergamino}, {1, Hex(0xA88F60)}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
    }
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, cx - r * 0.26, cy - r * 0.26 + k * r * 0.13);
        cairo_line_to(cr, cx + r * (k == 4 ? 0.05 : 0.26), cy - r * 0.26 + k * r * 0.13);
    }
    Fuente(cr, Hex(0x2E1B05, 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    Estrella(cr, cx + r * 0.3, cy + r * 0.3, 5, r * 0.2, r * 0.09, 0);
    OroV(cr, cy + r * 0.1, cy + r * 0.5);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
}

// ---- the great seal: rings, a star of eight points and runes ----

void GranSello(cairo_t* cr, double cx, double cy, double r, double alfa)
{
    cairo_push_group(cr);
    Resplandor(cr, cx, cy, r * 1.05, Hex(0x7A5CB8, 0.35));
    Anillo(cr, cx, cy, r * 0.97, r * 0.025);
    Anillo(cr, cx, cy, r * 0.82, r * 0.012);
    CoronaRunas(cr, cx, cy, r * 0.895, 24, r * 0.085, 5, Hex(0xFFE9A8, 0.9));
    cairo_new_path(cr);
    Estrella(cr, cx, cy, 8, r * 0.78, r * 0.42, 0);
    Fuente(cr, Hex(0x3B2669, 0.45));
    cairo_fill_preserve(cr);
    OroV(cr, cy - r, cy + r);
    cairo_set_line_width(cr, r * 0.014);
    cairo_stroke(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, i * M_PI / 4);
        cairo_rectangle(cr, -r * 0.52, -r * 0.52, r * 1.04, r * 1.04);
        cairo_restore(cr);
        Fuente(cr, Hex(0xFFE9A8, 0.6));
        cairo_set_line_width(cr, r * 0.008);
        cairo_stroke(cr);
    }
    Anillo(cr, cx, cy, r * 0.4, r * 0.018);
    CoronaRunas(cr, cx, cy, r * 0.32, 12, r * 0.07, 9, Hex(0xDCE6FF, 0.9));
    Resplandor(cr, cx, cy, r * 0.25, Hex(0xFFD27A, 0.5));
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alfa);
}

// ---- the title screen ----

void FondoPresentacion(cairo_t* cr, double w, double h)
{
    DegradadoRadial(cr, w / 2, h * 0.45, w * 0.75, {{0, NocheAzul}, {0.6, Noche}, {1, NocheProfunda}});
    cairo_paint(cr);
    Estrellas(cr, 0, 0, w, h, 160, 31, 300, 220);
}

// A corner piece: a cut gem in a gold setting.
void EsquinaGema(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.42;
    Resplandor(cr, cx, cy, r * 1.2, Hex(0xF2A93B, 0.35));
    cairo_new_path(cr);
    Estrella(cr, cx, cy, 4, r, r * 0.45, 0);
    OroV(cr, cy - r, cy + r);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    cairo_new_path(cr);
    Estrella(cr, cx, cy, 4, r * 0.55, r * 0.3, M_PI / 4);
    DegradadoRadial(cr, cx - r * 0.1, cy - r * 0.15, r * 0.6, {{0, Hex(0xFF8FA0)}, {0.5, Rubi}, {1, Hex(0x5A0A18)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    Destello(cr, cx - r * 0.12, cy - r * 0.15, r * 0.18, Hex(0xFFFFFF));
}

// The second corner piece: a ring with four studs.
void EsquinaAnillo(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.4;
    Anillo(cr, cx, cy, r, r * 0.12);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 + M_PI / 4;
        Tachuela(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.12);
    }
    Resplandor(cr, cx, cy, r * 0.6, Hex(0x7A5CB8, 0.5));
}

// The turning ornament: a rosette of eight petals.
void Roseta(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    for (int i = 0; i < 8; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, i * M_PI / 4);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, r * 0.3, -r * 0.25, r * 0.75, -r * 0.2, r, 0);
        cairo_curve_to(cr, r * 0.75, r * 0.2, r * 0.3, r * 0.25, 0, 0);
        cairo_restore(cr);
        DegradadoRadial(cr, cx, cy, r, {{0, OroClaro}, {0.6, Oro}, {1, Hex(0x6B4411, 0.6)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0x2E1B05, 0.8));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r * 0.16, {{0, Hex(0xFFFFFF)}, {1, Ambar}});
    cairo_fill(cr);
}

// The centre piece: the left half of the seal's heart (the screen draws it
// plain, mirrored, and both turned half round).
void CentroSello(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.48;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, cx, h);
    cairo_clip(cr);
    cairo_arc(cr, cx, cy, r * 0.98, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFE9A8, 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    CoronaRunas(cr, cx, cy, r * 0.9, 16, r * 0.1, 3, Hex(0xFFD27A, 0.75));
    cairo_new_path(cr);
    Estrella(cr, cx, cy, 6, r * 0.8, r * 0.46, 0);
    Fuente(cr, Hex(0xFFE9A8, 0.55));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * M_PI);
    Fuente(cr, Hex(0xB9A6E8, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The seal's line: a gold band with beads, tiled along the sides.
void LineaSello(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h, {{0, Hex(0xF2A93B, 0)}, {0.35, Hex(0xF2A93B, 0.5)}, {0.5, Hex(0xFFE9A8, 1)},
                          {0.65, Hex(0xF2A93B, 0.5)}, {1, Hex(0xF2A93B, 0)}});
    cairo_paint(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_arc(cr, w * (0.25 + 0.5 * i), h / 2, h * 0.18, 0, 2 * M_PI);
        Fuente(cr, Hex(0xFFFFFF, 0.9));
        cairo_fill(cr);
    }
}

Paquete ElementosPresentacion()
{
    Paquete p;
    p.comment = "The title screen's great seal: 0 and 1 corner pieces, 3 the turning rosette, 4 half its heart, 5 its line";
    p.sprites.push_back(Centrado(0, 96, 96, EsquinaGema));
    p.sprites.push_back(Centrado(1, 128, 128, EsquinaAnillo));
    p.sprites.push_back(Centrado(3, 160, 160, Roseta));
    p.sprites.push_back(Centrado(4, 512, 512, CentroSello));
    p.sprites.push_back(Centrado(5, 64, 24, LineaSello));
    for (int s : {0, 1, 3, 4, 5}) p.animations.push_back({s, {{s, 10000}}});
    return p;
}

// The game's emblem at the seal's heart: a gate under a crescent moon.
void EmblemaJuego(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Resplandor(cr, cx, cy, r, Hex(0x7A5CB8, 0.5));
    Luna(cr, cx, cy - r * 0.45, r * 0.22, 0.55);
    // the arch of the gate
    const double a = r * 0.42, base = cy + r * 0.55, arco = cy - r * 0.1;
    cairo_move_to(cr, cx - a, base);
    cairo_line_to(cr, cx - a, arco);
    cairo_arc(cr, cx, arco, a, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + a, base);
    cairo_close_path(cr);
    OroV(cr, arco - a, base);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    const double b = a * 0.72;
    cairo_move_to(cr, cx - b, base);
    cairo_line_to(cr, cx - b, arco);
    cairo_arc(cr, cx, arco, b, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + b, base);
    cairo_close_path(cr);
    DegradadoV(cr, arco - b, base, {{0, Violeta}, {1, Noche}});
    cairo_fill(cr);
    // its bars, and the light through them
    Resplandor(cr, cx, base - a * 0.4, a * 0.7, Hex(0xFFD27A, 0.55));
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, cx + i * b * 0.38, base);
        cairo_line_to(cr, cx + i * b * 0.38, arco - std::sqrt(std::fmax(b * b - (i * b * 0.38) * (i * b * 0.38), 0)));
    }
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    RectRedondeado(cr, cx - a * 1.25, base - 4, a * 2.5, 12, 4);
    OroV(cr, base - 4, base + 8);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
}

// The game's title: its name in gilded capitals between two flourishes.
void TituloJuego(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    Resplandor(cr, cx, cy, w * 0.45, Hex(0x3B2669, 0.45));
    for (int lado : {-1, 1}) {
        Voluta(cr, cx + lado * w * 0.43, cy + h * 0.32, w * 0.06, lado > 0 ? 0 : M_PI, lado, 2.5);
        cairo_move_to(cr, cx + lado * w * 0.1, cy + h * 0.32);
        cairo_line_to(cr, cx + lado * w * 0.43, cy + h * 0.32);
        OroV(cr, cy, cy + h * 0.4);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    Tachuela(cr, cx, cy + h * 0.32, 6);
    LetrasDoradas(cr, "MARROWGATE", cx, cy - h * 0.06, h * 0.5, 3);
}

// The subtitle: a moonlit flourish of stars under the title.
void SubtituloJuego(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx + lado * 40, cy);
        cairo_curve_to(cr, cx + lado * 120, cy - 14, cx + lado * 200, cy + 14, cx + lado * (w / 2 - 20), cy);
        Fuente(cr, LuzDeLuna);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int k = 1; k <= 3; ++k) Destello(cr, cx + lado * (40 + k * 70), cy + (k % 2 ? -10 : 10), 6, LuzDeLuna);
    }
    Luna(cr, cx, cy, 18, 0.5);
}

// The maker's mark: a kestrel over a rune stone, and the maker's name.
void LogoKestrune(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h * 0.38;
    Resplandor(cr, cx, cy, h * 0.4, Hex(0xF2A93B, 0.3));
    RectRedondeado(cr, cx - 60, cy - 70, 120, 140, 50);
    DegradadoV(cr, cy - 70, cy + 70, {{0, PiedraClara}, {1, Piedra}});
    cairo_fill_preserve(cr);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Fuente(cr, LuzDeVela);
    Runa(cr, 7, cx, cy + 30, 50, 0, 5);
    // the bird: spread wings above the stone
    cairo_move_to(cr, cx, cy - 40);
    cairo_curve_to(cr, cx - 40, cy - 90, cx - 100, cy - 80, cx - 140, cy - 60);
    cairo_curve_to(cr, cx - 90, cy - 60, cx - 50, cy - 40, cx - 18, cy - 20);
    cairo_line_to(cr, cx, cy - 5);
    cairo_line_to(cr, cx + 18, cy - 20);
    cairo_curve_to(cr, cx + 50, cy - 40, cx + 90, cy - 60, cx + 140, cy - 60);
    cairo_curve_to(cr, cx + 100, cy - 80, cx + 40, cy - 90, cx, cy - 40);
    cairo_close_path(cr);
    OroV(cr, cy - 90, cy);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    LetrasDoradas(cr, "KESTRUNE", cx, h * 0.82, h * 0.17, 8);
}

// The publisher's mark: a raven in a silver ring, and its name.
void LogoCorvane(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h * 0.38, r = h * 0.3;
    Resplandor(cr, cx, cy, r * 1.4, Hex(0xDCE6FF, 0.25));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Fuente(cr, LuzDeLuna);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // the raven's head and beak in profile
    cairo_move_to(cr, cx - r * 0.55, cy + r * 0.6);
    cairo_curve_to(cr, cx - r * 0.7, cy - r * 0.1, cx - r * 0.3, cy - r * 0.6, cx + r * 0.1, cy - r * 0.5);
    cairo_line_to(cr, cx + r * 0.75, cy - r * 0.25);
    cairo_line_to(cr, cx + r * 0.15, cy - r * 0.1);
    cairo_curve_to(cr, cx + r * 0.3, cy + r * 0.2, cx + r * 0.2, cy + r * 0.5, cx + r * 0.05, cy + r * 0.6);
    cairo_close_path(cr);
    DegradadoV(cr, cy - r, cy + r, {{0, Azul}, {1, NocheProfunda}});
    cairo_fill_preserve(cr);
    Fuente(cr, LuzDeLuna);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, cx - r * 0.05, cy - r * 0.28, r * 0.07, 0, 2 * M_PI);
    Fuente(cr, Ambar);
    cairo_fill(cr);
    PalabraCentrada(cr, "CORVANE", cx, h * 0.86, h * 0.15, 10);
    Fuente(cr, LuzDeLuna);
    cairo_fill(cr);
}

// The captions: eight little pictured ribbons that tell the story's start
// without words: a kingdom, a girl and her teacher, a poison, the moon, a
// seal, crossing lines, the gate, the heart that mends.
void Leyenda(cairo_t* cr, double w, double h, int i)
{
    const double cx = w / 2, cy = h / 2;
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx + lado * 50, cy);
        cairo_line_to(cr, cx + lado * (w / 2 - 30), cy);
        DegradadoH(cr, cx, cx + lado * (w / 2), {{0, Hex(0xFFFFFF, 0.9)}, {1, Hex(0xFFFFFF, 0)}});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        Destello(cr, cx + lado * (w / 2 - 60), cy, 6, Hex(0xFFFFFF));
    }
    cairo_new_path(cr);
    const double r = h * 0.4;
    Fuente(cr, Hex(0xFFFFFF));
    cairo_set_line_width(cr, 3);
    switch (i) {
    case 0: // a crown
        cairo_move_to(cr, cx - r, cy + r * 0.6);
        cairo_line_to(cr, cx - r, cy - r * 0.3);
        cairo_line_to(cr, cx - r * 0.5, cy + r * 0.1);
        cairo_line_to(cr, cx, cy - r * 0.7);
        cairo_line_to(cr, cx + r * 0.5, cy + r * 0.1);
        cairo_line_to(cr, cx + r, cy - r * 0.3);
        cairo_line_to(cr, cx + r, cy + r * 0.6);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 1: // a girl's head and a pointed hat
        cairo_arc(cr, cx - r * 0.6, cy + r * 0.1, r * 0.4, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_move_to(cr, cx + r * 0.2, cy + r * 0.6);
        cairo_line_to(cr, cx + r * 0.7, cy - r * 0.9);
        cairo_line_to(cr, cx + r * 1.2, cy + r * 0.6);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 2: // a vial
        cairo_rectangle(cr, cx - r * 0.15, cy - r * 0.9, r * 0.3, r * 0.5);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy + r * 0.2, r * 0.55, 0, 2 * M_PI);
        cairo_fill(cr);
        break;
    case 3: // the moon
        cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_arc(cr, cx + r * 0.35, cy - r * 0.15, r * 0.7, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        break;
    case 4: // a seal
        Estrella(cr, cx, cy, 7, r, r * 0.45, 0);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, r * 1.05, 0, 2 * M_PI);
        cairo_stroke(cr);
        break;
    case 5: // lines that cross between diamonds
        for (int k = -1; k <= 1; k += 2) {
            cairo_move_to(cr, cx - r, cy + k * r * 0.7);
            cairo_line_to(cr, cx + r, cy - k * r * 0.7);
        }
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k) {
            const double x = cx + (k < 2 ? -r : r), y = cy + (k % 2 ? r * 0.7 : -r * 0.7);
            Estrella(cr, x, y, 2, r * 0.3, r * 0.15, 0);
            cairo_fill(cr);
        }
        break;
    case 6: // the gate
        cairo_move_to(cr, cx - r * 0.7, cy + r);
        cairo_line_to(cr, cx - r * 0.7, cy - r * 0.1);
        cairo_arc(cr, cx, cy - r * 0.1, r * 0.7, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + r * 0.7, cy + r);
        cairo_stroke(cr);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, cx + k * r * 0.3, cy + r);
            cairo_line_to(cr, cx + k * r * 0.3, cy - r * 0.5);
        }
        cairo_stroke(cr);
        break;
    default: // a heart
        cairo_move_to(cr, cx, cy + r * 0.9);
        cairo_curve_to(cr, cx - r * 1.4, cy - r * 0.1, cx - r * 0.6, cy - r * 1.1, cx, cy - r * 0.4);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 1.1, cx + r * 1.4, cy - r * 0.1, cx, cy + r * 0.9);
        cairo_fill(cr);
        break;
    }
}

Paquete Leyendas()
{
    Paquete p;
    p.comment = "The title screen's eight captions: pictured ribbons, white, tinted by the screen";
    for (int i = 0; i < 8; ++i) {
        p.sprites.push_back(Centrado(i, 512, 64, [i](cairo_t* cr, double w, double h) { Leyenda(cr, w, h, i); }));
        p.animations.push_back({i, {{i, 10000}}});
    }
    return p;
}

// ---- the profile screen ----

// The titles' cartouche round a gold shield (without its glow) and a bust.
void TituloPerfil(cairo_t* cr, double w, double h)
{
    Cartela(cr, w, h, [cr](double cx, double cy) {
        cairo_arc(cr, cx, cy, 21, 0, 2 * M_PI);
        OroV(cr, cy - 21, cy + 21);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
        cairo_arc(cr, cx, cy, 18, 0, 2 * M_PI);
        DegradadoRadial(cr, cx, cy - 4, 21, {{0, Azul}, {1, Noche}});
        cairo_fill(cr);
        // a bust
        cairo_arc(cr, cx, cy - 5, 6, 0, 2 * M_PI);
        Fuente(cr, Pergamino);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy + 14, 11, M_PI, 2 * M_PI);
        cairo_fill(cr);
    });
}

// Four busts in a medallion: the profiles' icon.
void IconoPerfiles(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Medallon(cr, cx, cy, r, Hex(0xFFD27A, 0.3), 1.0);
    const Color colores[4] = {Hex(0xD0203A), Hex(0x2FB58A), Hex(0x2E6FD8), Hex(0xD9A441)};
    for (int i = 0; i < 4; ++i) {
        const double x = cx + (i % 2 ? r * 0.3 : -r * 0.3), y = cy + (i < 2 ? -r * 0.25 : r * 0.3);
        cairo_arc(cr, x, y - r * 0.08, r * 0.12, 0, 2 * M_PI);
        Fuente(cr, Pergamino);
        cairo_fill(cr);
        cairo_arc(cr, x, y + r * 0.2, r * 0.2, M_PI, 2 * M_PI);
        Fuente(cr, colores[i]);
        cairo_fill(cr);
    }
}

// A slot's frame: a gilded night panel, a light that the name sits on, and
// corner studs.
void MarcoPerfil(cairo_t* cr, double w, double h)
{
    // The slots stand 190 points apart: the panel keeps within that height.
    MarcoDorado(cr, 16, 38, w - 32, h - 76, 22, 9);
    Resplandor(cr, w / 2, h * 0.45, w * 0.35, Hex(0x7A5CB8, 0.35));
    for (int i = 0; i < 4; ++i) Tachuela(cr, i % 2 ? w - 30 : 30, i < 2 ? 52 : h - 54, 6);
    for (int lado : {-1, 1}) {
        Voluta(cr, w / 2 + lado * 60, h - 62, 40, lado > 0 ? 0 : M_PI, 1, 2);
        Voluta(cr, w / 2 + lado * 60, 56, 40, lado > 0 ? 0 : M_PI, -1, 2);
    }
}

// The main menu's great seal behind the icons.
void LogoEnorme(cairo_t* cr, double w, double h) { GranSello(cr, w / 2, h / 2, w * 0.48, 0.85); }

RegistroPaquete g_fondo(juego::paquete::PRESENTACION_FONDO, [] {
    Paquete p = UnSprite("The title screen's night sky", Centrado(0, 1024, 768, FondoPresentacion));
    p.sprites[0].mode = MODO_OPACO;
    return p;
});
RegistroPaquete g_elementos(juego::paquete::PRESENTACION_ELEMENTOS, ElementosPresentacion);
RegistroPaquete g_emblema(juego::paquete::PRESENTACION_LOGO,
                          [] { return UnSprite("The game's emblem: a gate under the moon", Centrado(0, 320, 320, EmblemaJuego)); });
RegistroPaquete g_kestrune(juego::paquete::LOGO_KESTRUNE,
                           [] { return UnSprite("The maker's mark: a kestrel over a rune stone", Centrado(0, 512, 320, LogoKestrune)); });
RegistroPaquete g_corvane(juego::paquete::LOGO_CORVANE,
                          [] { return UnSprite("The publisher's mark: a raven in a ring", Centrado(0, 512, 320, LogoCorvane)); });
RegistroPaquete g_leyendas(juego::paquete::PRESENTACION_TEXTOS, Leyendas);
RegistroPaquete g_titulo(juego::paquete::TITULO_JUEGO,
                         [] { return UnSprite("The game's title", Centrado(0, 720, 160, TituloJuego)); });
RegistroPaquete g_subtitulo(juego::paquete::SUBTITULO_JUEGO,
                            [] { return UnSprite("The title's moonlit flourish", Centrado(0, 512, 48, SubtituloJuego)); });
RegistroPaquete g_tituloPerfil(juego::paquete::TITULO_MENU_PERFIL,
                               [] { return UnSprite("The profiles' title: scrolls round a bust", Centrado(0, kAnchoTitulo, kAltoTitulo, TituloPerfil)); });
RegistroPaquete g_iconosPerfiles(juego::paquete::ICONOS_PERFILES,
                                 [] { return UnSprite("The profiles: four busts in a medallion", Centrado(0, 256, 256, IconoPerfiles)); });
RegistroImagen g_marcoPerfil(juego::imagen::MARCO_PERFIL, 512, 256, MarcoPerfil);
RegistroPaquete g_logoEnorme(juego::paquete::LOGO_ENORME,
                             [] { return UnSprite("The main menu's great seal", Centrado(0, 512, 512, LogoEnorme)); });
RegistroPaquete g_historia(juego::paquete::ICONO_HISTORIA,
                           [] { return UnSprite("Story: a book and a quill", Centrado(0, 200, 200, IconoHistoria)); });
RegistroPaquete g_rapida(juego::paquete::ICONO_RAPIDA,
                         [] { return UnSprite("Concentration: an hourglass", Centrado(0, 200, 200, IconoRapida)); });
RegistroPaquete g_arcade(juego::paquete::ICONO_ARCADE,
                         [] { return UnSprite("Attacks: a shield struck by a bolt", Centrado(0, 200, 200, IconoArcade)); });
RegistroPaquete g_sellos(juego::paquete::ICONO_SELLOS,
                         [] { return UnSprite("Seals only: a seal of seven points", Centrado(0, 200, 200, IconoSellos)); });
RegistroPaquete g_cofre(juego::paquete::ICONO_COFRE,
                        [] { return UnSprite("The treasure chest, open and glowing", Centrado(0, 200, 200, IconoCofre)); });
RegistroPaquete g_creditos(juego::paquete::ICONO_CREDITOS,
                           [] { return UnSprite("The credits: a scroll and a star", Centrado(0, 200, 200, IconoCreditos)); });

} // namespace
} // namespace art
