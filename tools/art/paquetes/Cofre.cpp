// The treasure chest's art: the chest's own icon, the icons of its five
// rooms (characters, chapters, gallery, trophies, seals) and of the two it
// keeps hidden (piece bags, music), the wordless titles of its screens, the
// galleries' gold arrows, and the six piece sets of the bags. Each emblem is
// one drawing at any size, so an icon's medallion and a title's shield show
// the same thing.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>
#include <functional>

namespace art {
namespace {

using namespace paleta;


void Trazo(cairo_t* cr, double ancho)
{
    Fuente(cr, OroOscuro);
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

// A chest of dark wood bound in gold, its lid ajar and light spilling out.
void Cofre(cairo_t* cr, double cx, double cy, double s)
{
    const double w = 120 * s, h = 62 * s, x = cx - w / 2, y = cy - 8 * s;
    Resplandor(cr, cx, y - 6 * s, 80 * s, Hex(0xFFD27A, 0.55));
    // the lid, tilted open
    cairo_move_to(cr, x - 2 * s, y);
    cairo_curve_to(cr, x + 4 * s, y - 50 * s, x + w - 4 * s, y - 50 * s, x + w + 2 * s, y);
    cairo_line_to(cr, x + w - 6 * s, y - 8 * s);
    cairo_curve_to(cr, x + w - 12 * s, y - 36 * s, x + 12 * s, y - 36 * s, x + 6 * s, y - 8 * s);
    cairo_close_path(cr);
    DegradadoV(cr, y - 50 * s, y, {{0, Hex(0x8A5226)}, {1, Hex(0x4A2810)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2 * s);
    // gold and gems inside
    for (int i = 0; i < 7; ++i) {
        const double gx = x + 18 * s + i * 14 * s, gy = y - 4 * s - (i % 3) * 5 * s;
        cairo_arc(cr, gx, gy, 7 * s, 0, 2 * M_PI);
        Fuente(cr, i % 3 == 1 ? Hex(ColoresPieza[i % 7]) : OroMedio);
        cairo_fill(cr);
    }
    // the body
    RectRedondeado(cr, x, y, w, h, 6 * s);
    DegradadoV(cr, y, y + h, {{0, Hex(0x7A4520)}, {1, Hex(0x3A1E0C)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2 * s);
    // gold bands and the lock
    for (double bx : {x + 14 * s, x + w - 24 * s}) {
        cairo_rectangle(cr, bx, y, 10 * s, h);
        OroV(cr, y, y + h);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x, y, w, 8 * s);
    OroV(cr, y, y + 8 * s);
    cairo_fill(cr);
    RectRedondeado(cr, cx - 10 * s, y + 14 * s, 20 * s, 24 * s, 4 * s);
    OroV(cr, y + 14 * s, y + 38 * s);
    cairo_fill_preserve(cr);
    Trazo(cr, 1.2 * s);
    cairo_arc(cr, cx, y + 24 * s, 3.5 * s, 0, 2 * M_PI);
    Fuente(cr, Tinta);
    cairo_fill(cr);
    Destello(cr, cx + 26 * s, y - 26 * s, 14 * s, Hex(0xFFF6D0, 0.95));
    Destello(cr, cx - 30 * s, y - 18 * s, 9 * s, Hex(0xFFF6D0, 0.8));
}

// Three heads side by side: the story's people.
void Gente(cairo_t* cr, double cx, double cy, double s)
{
    const Color ropas[3] = {Hex(0x5A2F8A), Hex(0x3B5BA5), Hex(0x2F6B4A)};
    const Color pelos[3] = {Hex(0xC8913A), Hex(0x6B2E1A), Hex(0x1E1A26)};
    const double xs[3] = {-40, 0, 40}, escalas[3] = {0.85, 1.0, 0.85}, ys[3] = {8, -4, 8};
    for (int k : {0, 2, 1}) {
        const double x = cx + xs[k] * s, y = cy + ys[k] * s, e = escalas[k] * s;
        // shoulders
        cairo_move_to(cr, x - 34 * e, y + 58 * e);
        cairo_curve_to(cr, x - 34 * e, y + 20 * e, x - 16 * e, y + 14 * e, x, y + 14 * e);
        cairo_curve_to(cr, x + 16 * e, y + 14 * e, x + 34 * e, y + 20 * e, x + 34 * e, y + 58 * e);
        cairo_close_path(cr);
        DegradadoV(cr, y + 14 * e, y + 58 * e, {{0, Mezcla(ropas[k], LuzDeLuna, 0.2)}, {1, ropas[k]}});
        cairo_fill_preserve(cr);
        Trazo(cr, 1.5 * s);
        // hair behind, the face, and the fringe
        cairo_arc(cr, x, y - 12 * e, 23 * e, 0, 2 * M_PI);
        Fuente(cr, pelos[k]);
        cairo_fill(cr);
        cairo_arc(cr, x, y - 8 * e, 18 * e, 0, 2 * M_PI);
        DegradadoRadial(cr, x - 5 * e, y - 14 * e, 22 * e, {{0, Hex(0xFBE3CF)}, {1, Hex(0xD9A98A)}});
        cairo_fill_preserve(cr);
        Trazo(cr, 1.2 * s);
        cairo_arc(cr, x, y - 14 * e, 19 * e, M_PI * 1.05, M_PI * 1.95);
        Fuente(cr, pelos[k]);
        cairo_set_line_width(cr, 8 * e);
        cairo_stroke(cr);
        for (int lado : {-1, 1}) {
            cairo_arc(cr, x + lado * 6 * e, y - 8 * e, 2.2 * e, 0, 2 * M_PI);
            Fuente(cr, Tinta);
            cairo_fill(cr);
        }
        cairo_arc(cr, x, y - 2 * e, 6 * e, M_PI * 0.2, M_PI * 0.8);
        Fuente(cr, Hex(0x8A3A2E));
        cairo_set_line_width(cr, 1.6 * e);
        cairo_stroke(cr);
    }
}

// A little picture in a gilded frame: a moonlit hill.
void Cuadro(cairo_t* cr, double cx, double cy, double s)
{
    const double w = 118 * s, h = 90 * s, x = cx - w / 2, y = cy - h / 2;
    RectRedondeado(cr, x, y, w, h, 4 * s);
    OroV(cr, y, y + h);
    cairo_fill_preserve(cr);
    Trazo(cr, 2 * s);
    cairo_save(cr);
    cairo_rectangle(cr, x + 10 * s, y + 10 * s, w - 20 * s, h - 20 * s);
    cairo_clip(cr);
    DegradadoV(cr, y, y + h, {{0, NocheProfunda}, {0.6, Violeta}, {1, NocheAzul}});
    cairo_paint(cr);
    Luna(cr, cx + 24 * s, cy - 14 * s, 10 * s, 0.4);
    cairo_move_to(cr, x, y + h);
    cairo_curve_to(cr, x + 20 * s, cy, x + 50 * s, cy + 4 * s, cx + 10 * s, cy + 20 * s);
    cairo_curve_to(cr, cx + 30 * s, cy + 10 * s, x + w - 10 * s, cy + 14 * s, x + w, cy + 20 * s);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    Fuente(cr, Hoja);
    cairo_fill(cr);
    // a tower on the hill with a lit window
    cairo_rectangle(cr, cx - 26 * s, cy - 8 * s, 14 * s, 30 * s);
    Fuente(cr, Piedra);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 21 * s, cy, 4 * s, 6 * s);
    Fuente(cr, LuzDeVela);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, x + 10 * s, y + 10 * s, w - 20 * s, h - 20 * s);
    Trazo(cr, 1.4 * s);
    for (double tx : {x + 5 * s, x + w - 5 * s})
        for (double ty : {y + 5 * s, y + h - 5 * s}) Tachuela(cr, tx, ty, 3 * s);
}

// A leather pouch tied with a gold cord, pieces peeping out.
void Bolsa(cairo_t* cr, double cx, double cy, double s)
{
    Resplandor(cr, cx, cy - 30 * s, 50 * s, Hex(0xFFD27A, 0.4));
    for (int i = 0; i < 4; ++i) {
        const double gx = cx - 22 * s + i * 15 * s, gy = cy - 34 * s - (i % 2) * 8 * s;
        cairo_arc(cr, gx, gy, 9 * s, 0, 2 * M_PI);
        DegradadoRadial(cr, gx - 3 * s, gy - 3 * s, 10 * s, {{0, Hex(0xFFFFFF)}, {0.3, Hex(ColoresPieza[i * 2])}, {1, Mezcla(Hex(ColoresPieza[i * 2]), Tinta, 0.4)}});
        cairo_fill(cr);
    }
    cairo_move_to(cr, cx - 26 * s, cy - 26 * s);
    cairo_curve_to(cr, cx - 70 * s, cy + 10 * s, cx - 60 * s, cy + 58 * s, cx, cy + 58 * s);
    cairo_curve_to(cr, cx + 60 * s, cy + 58 * s, cx + 70 * s, cy + 10 * s, cx + 26 * s, cy - 26 * s);
    cairo_curve_to(cr, cx + 10 * s, cy - 20 * s, cx - 10 * s, cy - 20 * s, cx - 26 * s, cy - 26 * s);
    cairo_close_path(cr);
    DegradadoRadial(cr, cx - 16 * s, cy + 4 * s, 70 * s, {{0, Hex(0xB0703A)}, {0.7, Hex(0x7A4520)}, {1, Hex(0x4A2810)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2 * s);
    cairo_move_to(cr, cx - 30 * s, cy - 16 * s);
    cairo_curve_to(cr, cx - 10 * s, cy - 8 * s, cx + 10 * s, cy - 8 * s, cx + 30 * s, cy - 16 * s);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 5 * s);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + 6 * s, cy - 10 * s);
    cairo_curve_to(cr, cx + 20 * s, cy + 10 * s, cx + 8 * s, cy + 24 * s, cx + 18 * s, cy + 34 * s);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 18 * s, cy + 36 * s, 4 * s, 0, 2 * M_PI);
    Fuente(cr, OroClaro);
    cairo_fill(cr);
}

// A gold cup on a foot, with two handles.
void Copa(cairo_t* cr, double cx, double cy, double s)
{
    Resplandor(cr, cx, cy - 10 * s, 80 * s, Hex(0xFFD27A, 0.45));
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * 44 * s, cy - 22 * s, 16 * s, 0, 2 * M_PI);
        Fuente(cr, OroOscuro);
        cairo_set_line_width(cr, 9 * s);
        cairo_stroke_preserve(cr);
        Fuente(cr, OroMedio);
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - 46 * s, cy - 50 * s);
    cairo_line_to(cr, cx + 46 * s, cy - 50 * s);
    cairo_curve_to(cr, cx + 46 * s, cy, cx + 20 * s, cy + 16 * s, cx + 8 * s, cy + 20 * s);
    cairo_line_to(cr, cx + 8 * s, cy + 36 * s);
    cairo_line_to(cr, cx + 30 * s, cy + 50 * s);
    cairo_line_to(cr, cx - 30 * s, cy + 50 * s);
    cairo_line_to(cr, cx - 8 * s, cy + 36 * s);
    cairo_line_to(cr, cx - 8 * s, cy + 20 * s);
    cairo_curve_to(cr, cx - 20 * s, cy + 16 * s, cx - 46 * s, cy, cx - 46 * s, cy - 50 * s);
    cairo_close_path(cr);
    DegradadoH(cr, cx - 46 * s, cx + 46 * s, {{0, OroOscuro}, {0.3, OroClaro}, {0.55, OroMedio}, {1, OroOscuro}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2 * s);
    cairo_arc(cr, cx, cy - 20 * s, 10 * s, 0, 2 * M_PI);
    Fuente(cr, Rubi);
    cairo_fill(cr);
    Destello(cr, cx - 24 * s, cy - 38 * s, 12 * s, Hex(0xFFFFFF, 0.9));
}

// A seal: a ring of runes round a star.
void Sello(cairo_t* cr, double cx, double cy, double s)
{
    Resplandor(cr, cx, cy, 80 * s, Hex(0x7A5CB8, 0.5));
    cairo_arc(cr, cx, cy, 62 * s, 0, 2 * M_PI);
    Fuente(cr, Lavanda);
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 46 * s, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        Fuente(cr, OroClaro);
        Runa(cr, i, cx + std::cos(a) * 54 * s, cy + std::sin(a) * 54 * s, 10 * s, a + M_PI / 2, 1.6 * s);
    }
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * 40 * s, cy + std::sin(a) * 40 * s);
        else
            cairo_line_to(cr, cx + std::cos(a) * 40 * s, cy + std::sin(a) * 40 * s);
    }
    cairo_close_path(cr);
    Fuente(cr, LuzDeVela);
    cairo_set_line_width(cr, 3.5 * s);
    cairo_stroke(cr);
    Destello(cr, cx, cy, 16 * s, Hex(0xFFFFFF, 0.95));
}

// Two notes and a bell: the music and sounds.
void Notas(cairo_t* cr, double cx, double cy, double s)
{
    Resplandor(cr, cx, cy, 70 * s, Hex(0xFFD27A, 0.35));
    for (int k = 0; k < 2; ++k) {
        const double x = cx - 24 * s + k * 40 * s, y = cy + 24 * s - k * 12 * s;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -0.4);
        cairo_scale(cr, 1.3, 1.0);
        cairo_arc(cr, 0, 0, 11 * s, 0, 2 * M_PI);
        cairo_restore(cr);
        OroV(cr, y - 11 * s, y + 11 * s);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 10 * s, y - 62 * s, 4 * s, 62 * s);
        cairo_fill(cr);
    }
    cairo_move_to(cr, cx - 12 * s, cy - 38 * s);
    cairo_line_to(cr, cx + 30 * s, cy - 50 * s);
    Fuente(cr, OroMedio);
    cairo_set_line_width(cr, 8 * s);
    cairo_stroke(cr);
}

using Dibujo = void (*)(cairo_t*, double, double, double);

// An icon: the medallion holding the emblem.
Paquete Icono(const char* comentario, Dibujo d)
{
    return UnSprite(comentario, Centrado(0, 256, 256, [d](cairo_t* cr, double w, double h) {
                        Medallon(cr, w / 2, h / 2, 112, kDiscoIconoBloqueable);
                        d(cr, w / 2, h / 2 + 6, 1.0);
                    }));
}

// A title: the cartouche whose shield holds the emblem, small.
Paquete TituloCon(const char* comentario, Dibujo d)
{
    return Titulo(comentario, [d](cairo_t* cr, double cx, double cy) { d(cr, cx, cy + 1, 0.22); });
}

// A gold arrowhead pointing one way, with a soft light behind.
Paquete Flecha(const char* comentario, int lado)
{
    return UnSprite(comentario, Centrado(0, 128, 192, [lado](cairo_t* cr, double w, double h) {
                        const double cx = w / 2, cy = h / 2;
                        Resplandor(cr, cx, cy, 60, Hex(0xF2A93B, 0.35));
                        cairo_move_to(cr, cx + lado * 44, cy);
                        cairo_line_to(cr, cx - lado * 34, cy - 70);
                        cairo_curve_to(cr, cx - lado * 20, cy - 30, cx - lado * 20, cy + 30, cx - lado * 34, cy + 70);
                        cairo_close_path(cr);
                        DegradadoV(cr, cy - 70, cy + 70, {{0, OroClaro}, {0.5, OroMedio}, {1, OroOscuro}});
                        cairo_fill_preserve(cr);
                        Trazo(cr, 2.5);
                        cairo_move_to(cr, cx + lado * 24, cy);
                        cairo_line_to(cr, cx - lado * 18, cy - 38);
                        Fuente(cr, Hex(0xFFFFFF, 0.45));
                        cairo_set_line_width(cr, 3);
                        cairo_stroke(cr);
                    }));
}

RegistroPaquete g_icoPersonajes(juego::paquete::ICO_PERSONAJES,
                                [] { return Icono("Characters: three faces of the story", Gente); });
RegistroPaquete g_icoGaleria(juego::paquete::ICO_GALERIA,
                             [] { return Icono("Gallery: a moonlit picture in a gilded frame", Cuadro); });
RegistroPaquete g_icoBolsa(juego::paquete::ICO_BOLSA,
                           [] { return Icono("Piece bags: a leather pouch of pieces", Bolsa); });
RegistroPaquete g_icoTrofeos(juego::paquete::ICO_TROFEOS, [] { return Icono("Trophies: a gold cup", Copa); });
RegistroPaquete g_icoSellos(juego::paquete::ICO_SELLOS, [] { return Icono("Seals: a ring of runes", Sello); });
RegistroPaquete g_icoMusica(juego::paquete::ICO_MUSICA_Y_SONIDO,
                            [] { return Icono("Music and sounds: two gold notes", Notas); });
RegistroPaquete g_titCofre(juego::paquete::TITULO_COFRE,
                           [] { return TituloCon("The chest's title: scrolls round a chest", Cofre); });
RegistroPaquete g_titBolsas(juego::paquete::TITULO_BOLSAS,
                            [] { return TituloCon("The piece bags' title: scrolls round a pouch", Bolsa); });
RegistroPaquete g_titPersonajes(juego::paquete::TITULO_PERSONAJES,
                                [] { return TituloCon("The characters' title: scrolls round three faces", Gente); });
RegistroPaquete g_flechaIzq(juego::paquete::FLECHA_IZQUIERDA,
                            [] { return Flecha("A gold arrowhead pointing left", -1); });
RegistroPaquete g_flechaDer(juego::paquete::FLECHA_DERECHA,
                            [] { return Flecha("A gold arrowhead pointing right", 1); });

// ---- the piece sets: eight colours (0..7) and their high-contrast cuts
// (10..17), as the board's diamonds are laid out ----

constexpr int kLadoPieza = 52;
using PintorPieza = void (*)(cairo_t* cr, double cx, double cy, double r, const Color& c, int i, bool contraste);

void Canica(cairo_t* cr, double cx, double cy, double r, const Color& c, int, bool contraste)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    if (contraste)
        Fuente(cr, c);
    else
        DegradadoRadial(cr, cx - r * 0.35, cy - r * 0.4, r * 1.4, {{0, Mezcla(c, Hex(0xFFFFFF), 0.6)}, {0.4, c}, {1, Mezcla(c, Tinta, 0.5)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, contraste ? 4 : 1.5);
    cairo_stroke(cr);
    Destello(cr, cx - r * 0.35, cy - r * 0.4, r * 0.45, Hex(0xFFFFFF, 0.9));
}

// The suit marks of the cards: a different mark per colour.
void Marca(cairo_t* cr, double cx, double cy, double r, int i)
{
    switch (i % 4) {
    case 0: // heart
        cairo_move_to(cr, cx, cy + r);
        cairo_curve_to(cr, cx - r * 1.6, cy - r * 0.2, cx - r * 0.6, cy - r * 1.4, cx, cy - r * 0.4);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 1.4, cx + r * 1.6, cy - r * 0.2, cx, cy + r);
        break;
    case 1: // diamond
        cairo_move_to(cr, cx, cy - r);
        cairo_line_to(cr, cx + r * 0.7, cy);
        cairo_line_to(cr, cx, cy + r);
        cairo_line_to(cr, cx - r * 0.7, cy);
        break;
    case 2: // star
        for (int k = 0; k < 10; ++k) {
            const double a = -M_PI / 2 + k * M_PI / 5, rr = k % 2 ? r * 0.45 : r;
            if (k == 0)
                cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
            else
                cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        }
        break;
    default: // moon
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_close_path(cr);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, cx + r * 0.45, cy - r * 0.2, r * 0.8, 2 * M_PI, 0);
        break;
    }
    cairo_close_path(cr);
}

void Carta(cairo_t* cr, double cx, double cy, double r, const Color& c, int i, bool contraste)
{
    RectRedondeado(cr, cx - r * 0.75, cy - r, r * 1.5, r * 2, r * 0.18);
    Fuente(cr, contraste ? Hex(0xFFFFFF) : Pergamino);
    cairo_fill_preserve(cr);
    Fuente(cr, contraste ? Tinta : c);
    cairo_set_line_width(cr, contraste ? 4 : 2.5);
    cairo_stroke(cr);
    Marca(cr, cx, cy, r * 0.5, i);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Fuente(cr, c);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Peluche(cairo_t* cr, double cx, double cy, double r, const Color& c, int, bool contraste)
{
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * r * 0.62, cy - r * 0.62, r * 0.34, 0, 2 * M_PI);
        Fuente(cr, contraste ? c : Mezcla(c, Tinta, 0.2));
        cairo_fill_preserve(cr);
        Fuente(cr, Tinta);
        cairo_set_line_width(cr, contraste ? 3 : 1.2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy + r * 0.08, r * 0.86, 0, 2 * M_PI);
    if (contraste)
        Fuente(cr, c);
    else
        DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3, {{0, Mezcla(c, Hex(0xFFFFFF), 0.45)}, {1, c}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, contraste ? 4 : 1.5);
    cairo_stroke(cr);
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * r * 0.3, cy - r * 0.02, r * 0.11, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + r * 0.28, r * 0.2, 0, 2 * M_PI);
    Fuente(cr, Pergamino);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy + r * 0.22, r * 0.07, 0, 2 * M_PI);
    Fuente(cr, Tinta);
    cairo_fill(cr);
}

void Plato(cairo_t* cr, double cx, double cy, double r, const Color& c, int i, bool contraste)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Fuente(cr, contraste ? Hex(0xFFFFFF) : Hex(0xF8F4EC));
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, contraste ? 4 : 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
    Fuente(cr, c);
    cairo_set_line_width(cr, r * 0.16);
    cairo_stroke(cr);
    Marca(cr, cx, cy, r * 0.38, i);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Cara(cairo_t* cr, double cx, double cy, double r, const Color& c, int, bool contraste)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Fuente(cr, c);
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, contraste ? 4 : 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy + r * 0.08, r * 0.58, 0, 2 * M_PI);
    Fuente(cr, Hex(0xF6D7BE));
    cairo_fill(cr);
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * r * 0.22, cy, r * 0.08, 0, 2 * M_PI);
        Fuente(cr, Tinta);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + r * 0.2, r * 0.22, M_PI * 0.15, M_PI * 0.85);
    Fuente(cr, Hex(0x8A3A2E));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Misterio(cairo_t* cr, double cx, double cy, double r, const Color& c, int, bool contraste)
{
    Resplandor(cr, cx, cy, r, Mezcla(c, Hex(0xFFFFFF), 0.3));
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
    Fuente(cr, contraste ? c : Mezcla(c, Tinta, 0.35));
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, contraste ? 4 : 1.5);
    cairo_stroke(cr);
    Fuente(cr, Hex(0xFFFFFF, 0.95));
    cairo_set_line_width(cr, 3);
    Letras(cr, "?", cx - r * 0.24, cy - r * 0.4, r * 0.8);
}

Paquete SetDePiezas(const char* comentario, PintorPieza pintor)
{
    Paquete p;
    p.comment = comentario;
    for (int c = 0; c < 8; ++c)
        for (bool contraste : {false, true})
            p.sprites.push_back({(contraste ? 10 : 0) + c, kLadoPieza, kLadoPieza, kLadoPieza / 2.0, kLadoPieza / 2.0,
                                 [pintor, c, contraste](cairo_t* cr, double w, double h) {
                                     pintor(cr, w / 2, h / 2, w / 2 - 3, Hex(ColoresPieza[c]), c, contraste);
                                 }});
    return p;
}

RegistroPaquete g_setBolas(juego::paquete::SET_BOLAS,
                           [] { return SetDePiezas("Glass marbles: colours 0..7, high contrast 10..17", Canica); });
RegistroPaquete g_setCartas(juego::paquete::SET_CARTAS,
                            [] { return SetDePiezas("Little cards with a mark per colour: 0..7, 10..17", Carta); });
RegistroPaquete g_setPeluches(juego::paquete::SET_PELUCHES,
                              [] { return SetDePiezas("Plush bears' heads: 0..7, 10..17", Peluche); });
RegistroPaquete g_setVajillas(juego::paquete::SET_VAJILLAS,
                              [] { return SetDePiezas("Painted plates: 0..7, 10..17", Plato); });
RegistroPaquete g_setPersonajes(juego::paquete::SET_PERSONAJES,
                                [] { return SetDePiezas("Round faces in hoods of each colour: 0..7, 10..17", Cara); });
RegistroPaquete g_setIndefinido(juego::paquete::SET_INDEFINIDO,
                                [] { return SetDePiezas("Mystery orbs: 0..7, 10..17", Misterio); });

} // namespace
} // namespace art
