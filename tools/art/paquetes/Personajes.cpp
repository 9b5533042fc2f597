// The story scenes' characters, each painted from one model: a body picture
// per mood (hair, face without its eyes and mouth, brows, clothes), four
// mouths from closed to open and two eyes of four pictures from open to
// closed, placed where the faces table (game/story/CarasEscena.h) puts them,
// which the scenes read too. The illustration of Stokinnen and Maida playing
// is painted from the same models.
#include "Arte.h"
#include "Modelos.h"
#include "Paleta.h"
#include "Pinceles.h"

#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/story/CarasEscena.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace art {
namespace {

namespace pl = paleta;
namespace mp = modelo_personaje;

enum Peinado { MELENA_CON_LAZO, SABIO_CON_GORRO };

// One character's model: everything its pictures share.
struct Modelo {
    const char* nombre; // its row of the faces table
    Color piel, pielSombra;
    Color pelo, peloLuz;
    Color ropa, ropaOscura, adorno;
    Color iris;
    double radioCabeza;
    double hombros; // half the shoulders' width
    Peinado peinado;
};

const Modelo kMaida = {"Maida",
                       Hex(0xF6D7BE), Hex(0xD9A98A),
                       Hex(0x6B2E1A), Hex(0xA2532E),
                       Hex(0x3B5BA5), Hex(0x1F2E66), pl::Oro,
                       Hex(0x3F8F5A),
                       56, 78, MELENA_CON_LAZO};

const Modelo kStokinnen = {"Stokinnen",
                           Hex(0xE9C3A4), Hex(0xC2906F),
                           Hex(0xE4E4EE), Hex(0xFFFFFF),
                           pl::Violeta, Hex(0x22163F), pl::Oro,
                           Hex(0x5A7AA0),
                           62, 104, SABIO_CON_GORRO};

// Where a face part of a mood sits on the body picture.
PuntoCara Parte(const Modelo& m, int parte, int humor)
{
    const CaraEscena* c = BuscaCaraEscena(m.nombre);
    const PuntoCara o = c ? c->partes[parte][humor] : PuntoCara{0, 0};
    return {float(mp::kHotspotX + o.x), float(mp::kHotspotY + o.y)};
}

// The centre of the head: between the eyes, a little below them.
void CentroCabeza(const Modelo& m, int humor, double* x, double* y)
{
    const PuntoCara d = Parte(m, CARA_OJO_DERECHO, humor), i = Parte(m, CARA_OJO_IZQUIERDO, humor);
    *x = (d.x + i.x) / 2;
    *y = (d.y + i.y) / 2 + m.radioCabeza * 0.15;
}

void Contorno(cairo_t* cr, double ancho = 2.0)
{
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

// ---- the body picture ----

void Ropa(cairo_t* cr, const Modelo& m, double cx, double cuello)
{
    const double h = m.hombros;
    const double fondo = mp::kAltoCuerpo;
    cairo_move_to(cr, cx - 18, cuello - 6);
    cairo_curve_to(cr, cx - h * 0.6, cuello, cx - h, cuello + 12, cx - h - 6, cuello + 60);
    cairo_curve_to(cr, cx - h - 14, cuello + 160, cx - h - 30, fondo - 80, cx - h - 40, fondo);
    cairo_line_to(cr, cx + h + 40, fondo);
    cairo_curve_to(cr, cx + h + 30, fondo - 80, cx + h + 14, cuello + 160, cx + h + 6, cuello + 60);
    cairo_curve_to(cr, cx + h, cuello + 12, cx + h * 0.6, cuello, cx + 18, cuello - 6);
    cairo_close_path(cr);
    DegradadoH(cr, cx - h - 40, cx + h + 40,
               {{0, m.ropaOscura}, {0.35, m.ropa}, {0.55, Mezcla(m.ropa, pl::LuzDeLuna, 0.18)}, {1, m.ropaOscura}});
    cairo_fill_preserve(cr);
    Contorno(cr);
    // A soft fold down the middle.
    cairo_move_to(cr, cx, cuello + 40);
    cairo_curve_to(cr, cx - 6, cuello + 160, cx + 8, fondo - 120, cx, fondo);
    Fuente(cr, Color{m.ropaOscura.r, m.ropaOscura.g, m.ropaOscura.b, 0.5});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    if (m.peinado == MELENA_CON_LAZO) {
        // A cream collar with a gold brooch.
        cairo_move_to(cr, cx - 44, cuello + 6);
        cairo_curve_to(cr, cx - 30, cuello + 40, cx - 8, cuello + 44, cx, cuello + 30);
        cairo_curve_to(cr, cx + 8, cuello + 44, cx + 30, cuello + 40, cx + 44, cuello + 6);
        cairo_curve_to(cr, cx + 20, cuello + 14, cx - 20, cuello + 14, cx - 44, cuello + 6);
        DegradadoV(cr, cuello, cuello + 44, {{0, pl::Pergamino}, {1, pl::PergaminoOscuro}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.5);
        Destello(cr, cx, cuello + 34, 10, Hex(0xFFF6D0, 0.9));
        cairo_arc(cr, cx, cuello + 34, 5, 0, 2 * M_PI);
        Fuente(cr, pl::Oro);
        cairo_fill(cr);
    } else {
        // A high gold-trimmed collar and a scatter of stars on the robe.
        cairo_move_to(cr, cx - 56, cuello - 30);
        cairo_line_to(cr, cx - 30, cuello + 30);
        cairo_line_to(cr, cx + 30, cuello + 30);
        cairo_line_to(cr, cx + 56, cuello - 30);
        cairo_line_to(cr, cx + 36, cuello + 6);
        cairo_line_to(cr, cx - 36, cuello + 6);
        cairo_close_path(cr);
        DegradadoV(cr, cuello - 30, cuello + 30, {{0, Mezcla(m.ropa, pl::Lavanda, 0.3)}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Fuente(cr, m.adorno);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        const double estrellas[][2] = {{-70, 110}, {60, 140}, {-40, 200}, {85, 230}, {-95, 260}, {20, 250}, {-10, 150}};
        for (const auto& e : estrellas) Destello(cr, cx + e[0], cuello + e[1], 9, Hex(0xFFE9A8, 0.9));
        // The gold hem of the robe's opening.
        cairo_move_to(cr, cx, cuello + 30);
        cairo_line_to(cr, cx, mp::kAltoCuerpo);
        Fuente(cr, m.adorno);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

// Arms down the sides, the hands folded in front at the waist.
void Brazos(cairo_t* cr, const Modelo& m, double cx, double cuello)
{
    const double h = m.hombros;
    const bool sabio = m.peinado == SABIO_CON_GORRO;
    const double manoY = cuello + (sabio ? 215 : 190);
    for (int lado : {-1, 1}) {
        const double hx = cx + lado * (h - 4), hy = cuello + 26;
        const double mx = cx + lado * 16;
        const double puno = sabio ? 34 : 18; // half the cuff's width
        cairo_move_to(cr, hx - lado * 2, hy - 14);
        cairo_curve_to(cr, hx + lado * 26, hy + 40, hx + lado * 24, manoY - 60, mx + lado * (puno + 8), manoY + 6);
        cairo_line_to(cr, mx - lado * 4, manoY - 8);
        cairo_curve_to(cr, hx - lado * 30, manoY - 70, hx - lado * 34, hy + 50, hx - lado * 30, hy + 4);
        cairo_close_path(cr);
        DegradadoH(cr, hx - 40, hx + 40, {{0, m.ropaOscura}, {0.5, Mezcla(m.ropa, pl::LuzDeLuna, 0.12)}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.8);
        // the cuff
        cairo_move_to(cr, mx + lado * (puno + 8), manoY + 6);
        cairo_line_to(cr, mx - lado * 4, manoY - 8);
        Fuente(cr, sabio ? m.adorno : pl::Pergamino);
        cairo_set_line_width(cr, sabio ? 6 : 5);
        cairo_stroke(cr);
    }
    // the folded hands
    cairo_save(cr);
    cairo_translate(cr, cx, manoY + 2);
    cairo_scale(cr, 1.25, 0.9);
    cairo_arc(cr, 0, 0, sabio ? 18 : 14, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, cx - 4, manoY - 4, 22, {{0, Mezcla(m.piel, Hex(0xFFFFFF), 0.2)}, {1, m.pielSombra}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
}

void PeloDetras(cairo_t* cr, const Modelo& m, double cx, double cy)
{
    const double r = m.radioCabeza;
    if (m.peinado == MELENA_CON_LAZO) {
        // Long hair falling over the shoulders.
        cairo_move_to(cr, cx - r * 1.05, cy - r * 0.2);
        cairo_curve_to(cr, cx - r * 1.4, cy + r * 1.2, cx - r * 1.3, cy + r * 2.2, cx - r * 0.9, cy + r * 2.6);
        cairo_line_to(cr, cx + r * 0.9, cy + r * 2.6);
        cairo_curve_to(cr, cx + r * 1.3, cy + r * 2.2, cx + r * 1.4, cy + r * 1.2, cx + r * 1.05, cy - r * 0.2);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r, cy + r * 2.6, {{0, m.pelo}, {0.7, m.pelo}, {1, Mezcla(m.pelo, Hex(0x000000), 0.4)}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.5);
    } else {
        // White hair round the back of the head.
        cairo_arc(cr, cx, cy + r * 0.1, r * 1.08, M_PI * 0.1, M_PI * 0.9);
        Fuente(cr, Mezcla(m.pelo, Hex(0x8A8AA0), 0.3));
        cairo_fill(cr);
    }
}

void Cabeza(cairo_t* cr, const Modelo& m, double cx, double cy)
{
    const double r = m.radioCabeza;
    // neck
    RectRedondeado(cr, cx - r * 0.3, cy + r * 0.6, r * 0.6, r * 0.8, 6);
    Fuente(cr, m.pielSombra);
    cairo_fill(cr);
    // ears
    for (int lado : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx + lado * r * 0.95, cy + r * 0.1);
        cairo_scale(cr, 0.5, 1.0);
        cairo_arc(cr, 0, 0, r * 0.22, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, m.pielSombra);
        cairo_fill(cr);
    }
    // the face: a soft oval, lit from above
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, 1.12);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, cx - r * 0.25, cy - r * 0.35, r * 1.5, {{0, Mezcla(m.piel, Hex(0xFFFFFF), 0.25)}, {0.6, m.piel}, {1, m.pielSombra}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.8);
}

void Nariz(cairo_t* cr, const Modelo& m, double cx, double y)
{
    const double r = m.radioCabeza;
    const double largo = m.peinado == SABIO_CON_GORRO ? r * 0.32 : r * 0.18;
    cairo_move_to(cr, cx - 2, y - largo);
    cairo_curve_to(cr, cx + 4, y - largo * 0.3, cx + 7, y, cx + 1, y + 3);
    Fuente(cr, m.pielSombra);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// The brows tell the mood: raised and round when happy, sloping up in the
// middle when sad.
void Cejas(cairo_t* cr, const Modelo& m, int humor)
{
    const bool sabio = m.peinado == SABIO_CON_GORRO;
    for (int parte : {CARA_OJO_DERECHO, CARA_OJO_IZQUIERDO}) {
        const PuntoCara o = Parte(m, parte, humor);
        const double lado = parte == CARA_OJO_DERECHO ? -1 : 1; // the outer end
        const double y = o.y - (sabio ? 20 : 17);
        double yFuera = y, yDentro = y, yMedio = y - 5;
        if (humor == 0) {
            yFuera += 2;
            yDentro += 2;
            yMedio -= 4;
        } else if (humor == 2) {
            yFuera += 4;
            yDentro -= 6;
            yMedio = (yFuera + yDentro) / 2 - 1;
        }
        cairo_move_to(cr, o.x - lado * 12, yDentro);
        cairo_curve_to(cr, o.x - lado * 3, yMedio, o.x + lado * 6, yMedio, o.x + lado * 15, yFuera);
        Fuente(cr, sabio ? m.pelo : Mezcla(m.pelo, Hex(0x000000), 0.2));
        cairo_set_line_width(cr, sabio ? 7 : 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void Mejillas(cairo_t* cr, const Modelo& m, int humor)
{
    const double a = humor == 0 ? 0.45 : humor == 1 ? 0.22 : 0.1;
    for (int parte : {CARA_OJO_DERECHO, CARA_OJO_IZQUIERDO}) {
        const PuntoCara o = Parte(m, parte, humor);
        const double lado = parte == CARA_OJO_DERECHO ? -1 : 1;
        DegradadoRadial(cr, o.x + lado * 8, o.y + 26, 16, {{0, Hex(0xE8766A, a)}, {1, Hex(0xE8766A, 0)}});
        cairo_arc(cr, o.x + lado * 8, o.y + 26, 16, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void PeloDelante(cairo_t* cr, const Modelo& m, double cx, double cy)
{
    const double r = m.radioCabeza;
    if (m.peinado == MELENA_CON_LAZO) {
        // The crown and a side-swept fringe.
        cairo_move_to(cr, cx - r * 1.1, cy + r * 0.2);
        cairo_curve_to(cr, cx - r * 1.3, cy - r * 1.85, cx + r * 1.3, cy - r * 1.95, cx + r * 1.1, cy + r * 0.25);
        cairo_curve_to(cr, cx + r * 0.9, cy - r * 0.3, cx + r * 0.5, cy - r * 0.55, cx + r * 0.1, cy - r * 0.5);
        cairo_curve_to(cr, cx - r * 0.3, cy - r * 0.2, cx - r * 0.7, cy - r * 0.45, cx - r * 0.82, cy - r * 0.1);
        cairo_curve_to(cr, cx - r * 0.9, cy, cx - r * 0.98, cy + r * 0.1, cx - r * 1.1, cy + r * 0.2);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.4, cy + r * 0.2, {{0, m.peloLuz}, {0.5, m.pelo}, {1, Mezcla(m.pelo, Hex(0x000000), 0.25)}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.5);
        // A shine on the hair.
        cairo_move_to(cr, cx - r * 0.55, cy - r * 0.85);
        cairo_curve_to(cr, cx - r * 0.2, cy - r * 1.05, cx + r * 0.3, cy - r * 1.05, cx + r * 0.55, cy - r * 0.8);
        Fuente(cr, Hex(0xFFFFFF, 0.25));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        // The gold ribbon.
        const double lx = cx + r * 0.78, ly = cy - r * 0.72;
        for (int lado : {-1, 1}) {
            cairo_move_to(cr, lx, ly);
            cairo_curve_to(cr, lx + lado * 16, ly - 18, lx + lado * 26, ly + 2, lx + lado * 4, ly + 6);
            cairo_close_path(cr);
        }
        DegradadoRadial(cr, lx, ly, 26, {{0, pl::OroClaro}, {1, pl::Oro}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.2);
    } else {
        // Wisps of white hair at the temples and a soft cap with a gold band.
        for (int lado : {-1, 1}) {
            cairo_move_to(cr, cx + lado * r * 0.8, cy - r * 0.5);
            cairo_curve_to(cr, cx + lado * r * 1.2, cy - r * 0.2, cx + lado * r * 1.15, cy + r * 0.3, cx + lado * r * 1.0, cy + r * 0.45);
            cairo_curve_to(cr, cx + lado * r * 0.95, cy + r * 0.1, cx + lado * r * 0.85, cy - r * 0.2, cx + lado * r * 0.8, cy - r * 0.5);
            Fuente(cr, m.pelo);
            cairo_fill(cr);
        }
        cairo_move_to(cr, cx - r * 1.02, cy - r * 0.45);
        cairo_curve_to(cr, cx - r * 1.0, cy - r * 1.6, cx + r * 0.2, cy - r * 1.9, cx + r * 0.7, cy - r * 1.55);
        cairo_curve_to(cr, cx + r * 1.0, cy - r * 1.35, cx + r * 1.1, cy - r * 0.9, cx + r * 1.02, cy - r * 0.45);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.8, cy - r * 0.45, {{0, Mezcla(m.ropa, pl::Lavanda, 0.35)}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Contorno(cr, 1.8);
        cairo_move_to(cr, cx - r * 1.04, cy - r * 0.5);
        cairo_curve_to(cr, cx - r * 0.4, cy - r * 0.72, cx + r * 0.4, cy - r * 0.72, cx + r * 1.04, cy - r * 0.5);
        Fuente(cr, m.adorno);
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
        Destello(cr, cx + r * 0.2, cy - r * 1.2, 12, Hex(0xFFE9A8, 0.9));
    }
}

// The sage's moustache and beard, around (never over) his mouth.
void Barba(cairo_t* cr, const Modelo& m, int humor)
{
    if (m.peinado != SABIO_CON_GORRO) return;
    const PuntoCara b = Parte(m, CARA_BOCA, humor);
    const double cx = b.x;
    cairo_move_to(cr, cx - 58, b.y - 26);
    cairo_curve_to(cr, cx - 70, b.y + 40, cx - 40, b.y + 120, cx, b.y + 150);
    cairo_curve_to(cr, cx + 40, b.y + 120, cx + 70, b.y + 40, cx + 58, b.y - 26);
    cairo_curve_to(cr, cx + 40, b.y + 8, cx + 26, b.y + 16, cx, b.y + 16);
    cairo_curve_to(cr, cx - 26, b.y + 16, cx - 40, b.y + 8, cx - 58, b.y - 26);
    cairo_close_path(cr);
    DegradadoV(cr, b.y - 20, b.y + 150, {{0, m.peloLuz}, {1, Mezcla(m.pelo, Hex(0x9090A8), 0.4)}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
    // curls of the beard
    Fuente(cr, Hex(0xA0A0B8, 0.6));
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, cx - 30 + k * 20, b.y + 40 + k % 2 * 14);
        cairo_curve_to(cr, cx - 36 + k * 20, b.y + 70, cx - 20 + k * 20, b.y + 90, cx - 26 + k * 20, b.y + 110);
    }
    cairo_stroke(cr);
    // moustache
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx, b.y - 12);
        cairo_curve_to(cr, cx + lado * 20, b.y - 22, cx + lado * 38, b.y - 14, cx + lado * 44, b.y + 2);
        cairo_curve_to(cr, cx + lado * 30, b.y - 6, cx + lado * 16, b.y - 6, cx, b.y - 6);
        cairo_close_path(cr);
    }
    Fuente(cr, m.peloLuz);
    cairo_fill_preserve(cr);
    Contorno(cr, 1.2);
}

Painter Cuerpo(const Modelo& m, int humor)
{
    return [&m, humor](cairo_t* cr, double, double) {
        double cx = 0, cy = 0;
        CentroCabeza(m, humor, &cx, &cy);
        const double cuello = cy + m.radioCabeza * 1.25;
        PeloDetras(cr, m, cx, cy);
        Ropa(cr, m, mp::kHotspotX, cuello);
        Brazos(cr, m, mp::kHotspotX, cuello);
        Cabeza(cr, m, cx, cy);
        Mejillas(cr, m, humor);
        const PuntoCara b = Parte(m, CARA_BOCA, humor);
        Nariz(cr, m, cx, (cy + b.y) / 2 + 2);
        Barba(cr, m, humor);
        PeloDelante(cr, m, cx, cy);
        Cejas(cr, m, humor);
    };
}

// ---- eyes and mouths ----

constexpr int kAnchoOjo = 40, kAltoOjo = 30;
constexpr int kAnchoBoca = 48, kAltoBoca = 34;

// An eye `abierto` open (1 wide open .. 0 closed), looking a little inward.
void Ojo(cairo_t* cr, const Modelo& m, double w, double h, double abierto, int humor, int lado)
{
    const double cx = w / 2, cy = h / 2;
    const double rx = 13, ry = 10 * abierto;
    if (abierto <= 0.01) {
        // Closed: a lash line, curved by the mood.
        const double curva = humor == 0 ? -6 : humor == 2 ? 4 : 1;
        cairo_move_to(cr, cx - rx, cy);
        cairo_curve_to(cr, cx - rx / 2, cy + curva, cx + rx / 2, cy + curva, cx + rx, cy);
        Fuente(cr, pl::Tinta);
        cairo_set_line_width(cr, 2.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    // the white, clipped by the lids
    cairo_save(cr);
    cairo_translate(cr, cx, cy + (1 - abierto) * 4);
    cairo_scale(cr, rx, std::max(ry, 1.0));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    Fuente(cr, Hex(0xFBF8F2));
    cairo_fill(cr);
    // iris and pupil
    const double ix = cx + lado * 1.5, iy = cy + 1;
    cairo_arc(cr, ix, iy, 7.5, 0, 2 * M_PI);
    DegradadoRadial(cr, ix, iy - 2, 8, {{0, Mezcla(m.iris, Hex(0xFFFFFF), 0.35)}, {1, m.iris}});
    cairo_fill(cr);
    cairo_arc(cr, ix, iy, 3.5, 0, 2 * M_PI);
    Fuente(cr, pl::Tinta);
    cairo_fill(cr);
    cairo_arc(cr, ix - 2.5, iy - 3, 2, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
    cairo_restore(cr);
    // the upper lid line
    cairo_move_to(cr, cx - rx - 1, cy + (1 - abierto) * 4);
    cairo_curve_to(cr, cx - rx / 2, cy - ry * 1.3, cx + rx / 2, cy - ry * 1.3, cx + rx + 1, cy + (1 - abierto) * 4 - 1);
    Fuente(cr, pl::Tinta);
    cairo_set_line_width(cr, 2.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Boca(cairo_t* cr, double w, double h, double abierta, int humor)
{
    const double cx = w / 2, cy = h / 2;
    const double ancho = 13 + abierta * 4;
    // Closed: a smile, a calm line or a frown.
    const double curva = humor == 0 ? 7 : humor == 2 ? -5 : 1.5;
    if (abierta <= 0.01) {
        cairo_move_to(cr, cx - ancho, cy - curva / 3);
        cairo_curve_to(cr, cx - ancho / 2, cy + curva, cx + ancho / 2, cy + curva, cx + ancho, cy - curva / 3);
        Fuente(cr, Hex(0x8A3A2E));
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    const double alto = 3 + abierta * 11;
    cairo_move_to(cr, cx - ancho, cy - curva / 3);
    cairo_curve_to(cr, cx - ancho / 2, cy - 2, cx + ancho / 2, cy - 2, cx + ancho, cy - curva / 3);
    cairo_curve_to(cr, cx + ancho * 0.8, cy + alto + curva / 2, cx - ancho * 0.8, cy + alto + curva / 2, cx - ancho, cy - curva / 3);
    cairo_close_path(cr);
    Fuente(cr, Hex(0x5A1620));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_arc(cr, cx, cy + alto + 4, ancho * 0.6, 0, 2 * M_PI);
    Fuente(cr, Hex(0xD8606A));
    cairo_fill(cr);
    cairo_rectangle(cr, cx - ancho, cy - 6, ancho * 2, 4 + abierta * 2);
    Fuente(cr, Hex(0xFBF8F2));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, cx - ancho, cy - curva / 3);
    cairo_curve_to(cr, cx - ancho / 2, cy - 2, cx + ancho / 2, cy - 2, cx + ancho, cy - curva / 3);
    Fuente(cr, Hex(0x8A3A2E));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

Paquete Personaje(const Modelo& m, int humor, const char* comentario)
{
    Paquete p;
    p.comment = comentario;
    p.sprites.push_back({0, mp::kAnchoCuerpo, mp::kAltoCuerpo, mp::kHotspotX, mp::kHotspotY, Cuerpo(m, humor)});
    // Mouths 10..13, closed to wide open.
    for (int k = 0; k < 4; ++k)
        p.sprites.push_back({10 + k, kAnchoBoca, kAltoBoca, kAnchoBoca / 2.0, kAltoBoca / 2.0,
                             [k, humor](cairo_t* cr, double w, double h) { Boca(cr, w, h, k / 3.0, humor); }});
    // Eyes 20..23 (right) and 30..33 (left), open to closed.
    for (int lado : {0, 1})
        for (int k = 0; k < 4; ++k)
            p.sprites.push_back({(lado ? 30 : 20) + k, kAnchoOjo, kAltoOjo, kAnchoOjo / 2.0, kAltoOjo / 2.0,
                                 [&m, k, humor, lado](cairo_t* cr, double w, double h) {
                                     Ojo(cr, m, w, h, 1.0 - k / 3.0, humor, lado ? -1 : 1);
                                 }});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

RegistroPaquete g_maidaAlegre(juego::paquete::MAIDA_ALEGRE, [] { return Personaje(kMaida, 0, "Maida, happy"); });
RegistroPaquete g_maidaNormal(juego::paquete::MAIDA_NORMAL, [] { return Personaje(kMaida, 1, "Maida"); });
RegistroPaquete g_maidaTriste(juego::paquete::MAIDA_TRISTE, [] { return Personaje(kMaida, 2, "Maida, sad"); });
RegistroPaquete g_stokAlegre(juego::paquete::STOKINNEN_ALEGRE, [] { return Personaje(kStokinnen, 0, "Stokinnen, happy"); });
RegistroPaquete g_stokNormal(juego::paquete::STOKINNEN_NORMAL, [] { return Personaje(kStokinnen, 1, "Stokinnen"); });
RegistroPaquete g_stokTriste(juego::paquete::STOKINNEN_TRISTE, [] { return Personaje(kStokinnen, 2, "Stokinnen, sad"); });

// ---- the illustration: Stokinnen and Maida play with a ball of light ----

// A whole character, face included, scaled about its hotspot at (x, y).
void PintaEntero(cairo_t* cr, const Modelo& m, int humor, double x, double y, double escala, bool espejo)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, espejo ? -escala : escala, escala);
    cairo_translate(cr, -mp::kHotspotX, -mp::kHotspotY);
    Cuerpo(m, humor)(cr, mp::kAnchoCuerpo, mp::kAltoCuerpo);
    const auto pieza = [&](int parte, int ancho, int alto, const Painter& p) {
        const PuntoCara o = Parte(m, parte, humor);
        cairo_save(cr);
        cairo_translate(cr, o.x - ancho / 2.0, o.y - alto / 2.0);
        p(cr, ancho, alto);
        cairo_restore(cr);
    };
    pieza(CARA_BOCA, kAnchoBoca, kAltoBoca, [&](cairo_t* c, double w, double h) { Boca(c, w, h, 0.34, humor); });
    pieza(CARA_OJO_DERECHO, kAnchoOjo, kAltoOjo, [&](cairo_t* c, double w, double h) { Ojo(c, m, w, h, 1.0, humor, 1); });
    pieza(CARA_OJO_IZQUIERDO, kAnchoOjo, kAltoOjo, [&](cairo_t* c, double w, double h) { Ojo(c, m, w, h, 1.0, humor, -1); });
    cairo_restore(cr);
}

// A soft round glow.
void Halo(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    DegradadoRadial(cr, cx, cy, r, {{0, c}, {1, Color{c.r, c.g, c.b, 0}}});
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Ilustracion(cairo_t* cr, double w, double h)
{
    // An evening garden: deep sky, moon, the dark line of the hedges.
    DegradadoV(cr, 0, h, {{0, pl::NocheProfunda}, {0.45, pl::NocheAzul}, {0.8, pl::Violeta}, {1, pl::Noche}});
    cairo_paint(cr);
    for (int i = 0; i < 90; ++i) {
        const double x = std::fmod(i * 379.0, w), y = std::fmod(i * 211.0, h * 0.5);
        Destello(cr, x, y, 2 + (i % 3), Hex(0xDCE6FF, 0.5 + 0.1 * (i % 4)));
    }
    Halo(cr, 820, 120, 160, Hex(0xDCE6FF, 0.3));
    cairo_arc(cr, 820, 120, 48, 0, 2 * M_PI);
    DegradadoRadial(cr, 805, 105, 60, {{0, Hex(0xFFFFFF)}, {1, pl::LuzDeLuna}});
    cairo_fill(cr);
    // hedges and trees
    cairo_move_to(cr, 0, h * 0.62);
    for (int i = 0; i <= 16; ++i) {
        const double x = i * w / 16;
        cairo_curve_to(cr, x - 30, h * 0.55 - (i % 3) * 14, x + 10, h * 0.54 - (i % 2) * 20, x + w / 16, h * 0.62);
    }
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    DegradadoV(cr, h * 0.5, h, {{0, pl::Hoja}, {1, Hex(0x0B1612)}});
    cairo_fill(cr);
    // lanterns along the path
    for (int i = 0; i < 5; ++i) {
        const double x = 90 + i * 210, y = h * 0.66;
        Halo(cr, x, y, 60, Hex(0xFFD27A, 0.4));
        cairo_arc(cr, x, y, 7, 0, 2 * M_PI);
        Fuente(cr, pl::LuzDeVela);
        cairo_fill(cr);
    }
    // the ball of light between them, and its trail
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        Halo(cr, 330 + t * 330, 330 - std::sin(t * M_PI) * 140, 6 + t * 10, Hex(0xFFE9A8, 0.15 + t * 0.5));
    }
    Halo(cr, 660, 330, 110, Hex(0xFFD27A, 0.45));
    Destello(cr, 660, 330, 60, Hex(0xFFFFFF, 0.8));
    cairo_arc(cr, 660, 330, 26, 0, 2 * M_PI);
    DegradadoRadial(cr, 652, 322, 30, {{0, Hex(0xFFFFFF)}, {0.5, pl::OroClaro}, {1, pl::Ambar}});
    cairo_fill(cr);
    // the two of them, laughing
    PintaEntero(cr, kStokinnen, 0, 250, 520, 0.9, false);
    PintaEntero(cr, kMaida, 0, 800, 560, 0.85, true);
    // a soft vignette to the edges
    DegradadoRadial(cr, w / 2, h / 2, w * 0.75, {{0.6, Hex(0, 0)}, {1, Hex(0x07061A, 0.7)}});
    cairo_paint(cr);
    // the gilded frame of the gallery's pictures
    cairo_rectangle(cr, 6, 6, w - 12, h - 12);
    Fuente(cr, pl::Oro);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 16, 16, w - 32, h - 32);
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

RegistroPaquete g_ilusJuegan(juego::paquete::ILUS_STOKINNEN_MAIDA_JUEGAN, [] {
    Paquete p;
    p.comment = "Stokinnen and Maida play with a ball of light in the evening garden";
    p.sprites.push_back({0, 1024, 768, 512, 384, Ilustracion});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
});

} // namespace

// ---- whole figures (Modelos.h) ----

namespace {

const Modelo* ModeloPropio(const char* nombre)
{
    for (const Modelo* m : {&kMaida, &kStokinnen})
        if (nombre && strcasecmp(nombre, m->nombre) == 0) return m;
    return nullptr;
}

// What a painter leaves on a picture: its ink's box.
struct Caja {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
Caja Tinta(const std::function<void(cairo_t*)>& pinta)
{
    cairo_surface_t* s = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* cr = cairo_create(s);
    pinta(cr);
    cairo_destroy(cr);
    double x = 0, y = 0, w = 0, h = 0;
    cairo_recording_surface_ink_extents(s, &x, &y, &w, &h);
    cairo_surface_destroy(s);
    return {x, y, x + w, y + h};
}


// The model's figure and its head radius that fit `alto` by twice
// `medioAncho` (the hem no narrower than the shoulders).
double RadioModelo(int modelo, double alto, double medioAncho)
{
    constexpr double kR = 100; // measured large, for the ink box's precision
    const Caja c = Tinta([modelo](cairo_t* cr) { FiguraModelo(cr, modelo, 0, 0, kR, 0, 1.05, false); });
    const double medio = std::max({-c.x0, c.x1, AnchoModelo(modelo) * 1.05 * kR});
    return kR * std::min(alto / -c.y0, medioAncho / medio);
}

// A scene body's hem lies on the picture's bottom edge, this far below its
// hotspot.
constexpr double kBajoEscena = mp::kAltoCuerpo - mp::kHotspotY;

} // namespace

int ModeloDePersonaje(const char* nombre)
{
    for (const ::Personaje& p : RegistroPersonajes)
        if (nombre && strcasecmp(nombre, p.m_pszNombre) == 0) return p.m_iClaveNivel;
    return 0;
}

GeometriaFigura MideFiguraEntera(const char* nombre, double pieX, double pieY, double alto, double medioAncho)
{
    GeometriaFigura g;
    if (const Modelo* m = ModeloPropio(nombre)) {
        const Caja c = Tinta([m](cairo_t* cr) { PintaEntero(cr, *m, 1, 0, 0, 1.0, false); });
        const double escala = std::min(alto / (kBajoEscena - c.y0), medioAncho / std::max(-c.x0, c.x1));
        const double hotspotY = pieY - kBajoEscena * escala;
        double cx = 0, cy = 0;
        CentroCabeza(*m, 1, &cx, &cy);
        g.cabezaY = hotspotY + (cy - mp::kHotspotY) * escala;
        g.hombroY = g.cabezaY + m->radioCabeza * 1.4 * escala;
        g.medioHombros = m->hombros * escala;
        g.medioBajo = (m->hombros + 40) * escala;
        (void)pieX;
        return g;
    }
    const int modelo = ModeloDePersonaje(nombre);
    const double r = RadioModelo(modelo, alto, medioAncho);
    const double a = AnchoModelo(modelo) * r;
    g.cabezaY = pieY - r * 6.2;
    g.hombroY = g.cabezaY + r * 1.4;
    g.medioHombros = a;
    g.medioBajo = std::min(a * 1.5, medioAncho);
    return g;
}

GeometriaFigura FiguraEntera(cairo_t* cr, const char* nombre, double pieX, double pieY, double alto, double medioAncho)
{
    const GeometriaFigura g = MideFiguraEntera(nombre, pieX, pieY, alto, medioAncho);
    // the shadow on the floor
    cairo_save(cr);
    cairo_translate(cr, pieX, pieY);
    cairo_scale(cr, g.medioBajo * 1.15, std::max(6.0, g.medioBajo * 0.12));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    DegradadoRadial(cr, pieX, pieY, g.medioBajo * 1.15, {{0, Hex(0x000000, 0.45)}, {1, Hex(0x000000, 0)}});
    cairo_fill(cr);
    if (const Modelo* m = ModeloPropio(nombre)) {
        // The scene picture whole, its hem on the floor, two shoes under it.
        const double escala = g.medioBajo / (m->hombros + 40);
        for (int lado : {-1, 1}) {
            cairo_save(cr);
            cairo_translate(cr, pieX + lado * g.medioBajo * 0.32, pieY - 3 * escala);
            cairo_scale(cr, 20 * escala, 9 * escala);
            cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
            cairo_close_path(cr);
            cairo_restore(cr);
            DegradadoV(cr, pieY - 12 * escala, pieY, {{0, Mezcla(m->ropaOscura, pl::Tinta, 0.3)}, {1, pl::Tinta}});
            cairo_fill_preserve(cr);
            Contorno(cr, 1.2);
        }
        PintaEntero(cr, *m, 1, pieX, pieY - 5 * escala - kBajoEscena * escala, escala, false);
        return g;
    }
    const int modelo = ModeloDePersonaje(nombre);
    const double r = RadioModelo(modelo, alto, medioAncho);
    FiguraModelo(cr, modelo, pieX, pieY, r, 0, g.medioBajo / (AnchoModelo(modelo) * r), false);
    return g;
}

} // namespace art
