// The story map and the chapter cards: the floating title's border pieces,
// the map's title, the stage markers, the help and legend icons, the
// nine whole figures of the story's characters (cut into the pieces the map
// draws), the card's scroll and stand, and the chapters' title texts.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"

#include "game/CatalogoJuego.h"
#include "game/Personajes.h"

#include <cmath>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace art {
namespace {

using namespace paleta;

Sprite Pieza(int slot, int w, int h, double hx, double hy, Painter p)
{
    Sprite s;
    s.slot = slot;
    s.w = w;
    s.h = h;
    s.hx = hx;
    s.hy = hy;
    s.paint = std::move(p);
    return s;
}

// A gilded medallion round a night-blue disc, as the menus' icons; the disc
// covers what lies behind it with the given opacity.
void MedallonMapa(cairo_t* cr, double cx, double cy, double r, double opacidadDisco = 1.0)
{
    Resplandor(cr, cx, cy, r * 1.18, Hex(0xF2A93B, 0.22));
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    if (opacidadDisco < 1.0) {
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, cx, cy, r * 0.9, 2 * M_PI, 0);
    }
    OroV(cr, cy - r, cy + r);
    cairo_fill(cr);
    cairo_push_group(cr);
    cairo_arc(cr, cx, cy, r * 0.9, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - r * 0.35, r, {{0, Azul}, {0.55, NocheAzul}, {1, Noche}});
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacidadDisco);
    cairo_arc(cr, cx, cy, r * 0.9, 0, 2 * M_PI);
    ContornoTinta(cr, 1.4);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        Tachuela(cr, cx + std::cos(a) * r * 0.95, cy + std::sin(a) * r * 0.95, r * 0.035);
    }
}

// ---- the floating title: a band of the top border and its corner flourish ----

void BandaTitulo(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h, {{0, Hex(0x07061A, 0.95)}, {0.7, Hex(0x1A2450, 0.85)}, {1, Hex(0x1A2450, 0)}});
    cairo_rectangle(cr, 0, 0, w, h * 0.8);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, h * 0.62, w, 3);
    OroV(cr, h * 0.62, h * 0.62 + 3);
    cairo_fill(cr);
    Tachuela(cr, w / 2, h * 0.62 + 1.5, 4);
}

void Floritura(cairo_t* cr, double w, double h)
{
    Resplandor(cr, w / 2, h / 2, w * 0.45, Hex(0xF2A93B, 0.18));
    Fuente(cr, OroMedio);
    Voluta(cr, w * 0.2, h * 0.55, w * 0.35, 0, 1, 3);
    Voluta(cr, w * 0.2, h * 0.55, w * 0.35, 0, -1, 3);
    Voluta(cr, w * 0.55, h * 0.55, w * 0.3, 0, 1, 2.2);
    Destello(cr, w * 0.88, h * 0.55, 12, OroClaro);
}

// ---- the map's title: scrolls round an open book under a star ----

void TituloHistoria(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx + lado * 40, cy);
        cairo_line_to(cr, cx + lado * (w / 2 - 40), cy);
        DegradadoH(cr, cx, cx + lado * (w / 2), {{0, OroClaro}, {1, OroOscuro}});
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        Voluta(cr, cx + lado * (w / 2 - 42), cy, 34, lado > 0 ? 0 : M_PI, lado, 2.2);
        Voluta(cr, cx + lado * (w / 2 - 42), cy, 34, lado > 0 ? 0 : M_PI, -lado, 2.2);
        for (int k = 1; k <= 3; ++k) Tachuela(cr, cx + lado * (40 + k * (w / 2 - 80) / 4.0), cy, 3.5);
    }
    Resplandor(cr, cx, cy, 30, Hex(0xF2A93B, 0.4));
    // two pages
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx, cy + 10);
        cairo_curve_to(cr, cx + lado * 10, cy + 4, cx + lado * 22, cy + 4, cx + lado * 28, cy + 8);
        cairo_line_to(cr, cx + lado * 28, cy - 10);
        cairo_curve_to(cr, cx + lado * 22, cy - 14, cx + lado * 10, cy - 14, cx, cy - 8);
        cairo_close_path(cr);
        Fuente(cr, Pergamino);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
    }
    Destello(cr, cx, cy - 18, 7, OroClaro);
}

// ---- the stage markers ----

void Gema(cairo_t* cr, double w, double h, double r, bool hecha, bool grande)
{
    const double cx = w / 2, cy = h / 2;
    if (hecha) Resplandor(cr, cx, cy, r * 1.7, Hex(0xFFD27A, 0.55));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    OroV(cr, cy - r, cy + r);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.75, 0, 2 * M_PI);
    if (hecha)
        DegradadoRadial(cr, cx - r * 0.2, cy - r * 0.25, r, {{0, OroClaro}, {0.5, Ambar}, {1, Brasa}});
    else
        DegradadoRadial(cr, cx - r * 0.2, cy - r * 0.25, r, {{0, VioletaClaro}, {0.6, Violeta}, {1, Noche}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    if (grande) {
        for (int i = 0; i < 4; ++i) {
            const double a = M_PI / 4 + i * M_PI / 2;
            Tachuela(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.14);
        }
        Runa(cr, 3, cx, cy, r * 0.8, 0, 1.6);
    }
    Destello(cr, cx - r * 0.3, cy - r * 0.35, r * 0.3, Hex(0xFFFFFF, 0.8));
}

void Aro(cairo_t* cr, double w, double h)
{
    cairo_arc(cr, w / 2, h / 2, w / 2 - 4, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFD27A, 0.35));
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    Fuente(cr, OroClaro);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Estrella(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 1;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, q = i % 2 ? r * 0.45 : r;
        const double x = cx + std::cos(a) * q, y = cy + std::sin(a) * q;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    OroV(cr, cy - r, cy + r);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1);
}

Paquete MarcasMapa()
{
    Paquete p;
    p.comment = "The story map's stage markers: a stage, won, a chapter's first, won, the ring, a best line count";
    p.sprites.push_back(Centrado(0, 40, 40, [](cairo_t* cr, double w, double h) { Gema(cr, w, h, 12, false, false); }));
    p.sprites.push_back(Centrado(1, 40, 40, [](cairo_t* cr, double w, double h) { Gema(cr, w, h, 12, true, false); }));
    p.sprites.push_back(Centrado(2, 56, 56, [](cairo_t* cr, double w, double h) { Gema(cr, w, h, 18, false, true); }));
    p.sprites.push_back(Centrado(3, 56, 56, [](cairo_t* cr, double w, double h) { Gema(cr, w, h, 18, true, true); }));
    p.sprites.push_back(Centrado(4, 64, 64, Aro));
    p.sprites.push_back(Pieza(5, 18, 18, -6, 16, Estrella));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

// ---- the icons ----

void IconoCapitulos(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    // it shows locked among the chapter replays
    MedallonMapa(cr, cx, cy, 112, kDiscoIconoBloqueable);
    // a closed book with a ribbon
    RectRedondeado(cr, cx - 52, cy - 66, 104, 132, 8);
    DegradadoV(cr, cy - 66, cy + 66, {{0, Hex(0x8A2A3A)}, {1, Hex(0x4A0E1A)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    cairo_rectangle(cr, cx - 40, cy - 54, 80, 108);
    Fuente(cr, Hex(0xFFE9A8, 0.6));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Runa(cr, 5, cx, cy - 6, 50, 0, 3);
    cairo_move_to(cr, cx + 20, cy + 66);
    cairo_line_to(cr, cx + 20, cy + 92);
    cairo_line_to(cr, cx + 28, cy + 84);
    cairo_line_to(cr, cx + 36, cy + 92);
    cairo_line_to(cr, cx + 36, cy + 66);
    Fuente(cr, Rubi);
    cairo_fill(cr);
}

void IconoLeyenda(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    MedallonMapa(cr, cx, cy, 112);
    // a scroll of parchment with a path of dots and a compass star
    RectRedondeado(cr, cx - 70, cy - 50, 140, 100, 10);
    Fuente(cr, Pergamino);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * 70, cy, 12, 0, 2 * M_PI);
        Fuente(cr, PergaminoOscuro);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.5);
    }
    const double puntos[][2] = {{-45, 25}, {-25, 10}, {-5, 18}, {15, 0}, {30, -18}};
    for (auto& q : puntos) {
        cairo_arc(cr, cx + q[0], cy + q[1], 4, 0, 2 * M_PI);
        Fuente(cr, Rubi);
        cairo_fill(cr);
    }
    Destello(cr, cx + 42, cy - 26, 14, Ambar);
}

// ---- the whole figures: one model per character, painted whole and cut ----

struct Figura {
    const char* comentario;
    int ancho, alto;       // the whole picture
    double pieX, pieY;     // where the feet stand: the character registry's anchor (ConAncla)
    Color piel, pelo, ropa, ropaOscura, adorno;
    int peinado;           // 0 long, 1 bun, 2 short, 3 hood, 4 beard and hat, 5 crown and veil
    double escala;         // the figure's height against the picture's
};

void PintaFigura(cairo_t* cr, const Figura& f)
{
    const double alto = f.pieY * f.escala;
    const double cx = f.pieX, pie = f.pieY;
    const double cabezaR = alto * 0.085;
    const double cy = pie - alto + cabezaR * 1.3;
    const double cuello = cy + cabezaR * 1.05;
    const double hombro = alto * 0.14;
    // the shadow on the floor
    cairo_save(cr);
    cairo_translate(cr, cx, pie);
    cairo_scale(cr, hombro * 1.6, 10);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    // long hair behind
    if (f.peinado == 0 || f.peinado == 5) {
        cairo_move_to(cr, cx - cabezaR * 1.1, cy);
        cairo_curve_to(cr, cx - cabezaR * 1.6, cy + cabezaR * 3, cx - cabezaR * 0.8, cy + cabezaR * 4, cx,
                       cy + cabezaR * 3.6);
        cairo_curve_to(cr, cx + cabezaR * 0.8, cy + cabezaR * 4, cx + cabezaR * 1.6, cy + cabezaR * 3, cx + cabezaR * 1.1,
                       cy);
        cairo_close_path(cr);
        Fuente(cr, f.pelo);
        cairo_fill(cr);
    }
    // the gown: shoulders to a wide hem
    cairo_move_to(cr, cx - hombro * 0.6, cuello);
    cairo_curve_to(cr, cx - hombro * 1.1, cuello + 10, cx - hombro, cuello + alto * 0.2, cx - hombro * 0.7,
                   cuello + alto * 0.3);
    cairo_curve_to(cr, cx - hombro * 1.2, pie - alto * 0.2, cx - hombro * 1.6, pie - 20, cx - hombro * 1.5, pie);
    cairo_line_to(cr, cx + hombro * 1.5, pie);
    cairo_curve_to(cr, cx + hombro * 1.6, pie - 20, cx + hombro * 1.2, pie - alto * 0.2, cx + hombro * 0.7,
                   cuello + alto * 0.3);
    cairo_curve_to(cr, cx + hombro, cuello + alto * 0.2, cx + hombro * 1.1, cuello + 10, cx + hombro * 0.6, cuello);
    cairo_close_path(cr);
    DegradadoH(cr, cx - hombro * 1.5, cx + hombro * 1.5, {{0, f.ropaOscura}, {0.4, f.ropa}, {1, f.ropaOscura}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2.2);
    // a belt and trim of its own colour
    cairo_rectangle(cr, cx - hombro * 0.72, cuello + alto * 0.28, hombro * 1.44, alto * 0.025);
    Fuente(cr, f.adorno);
    cairo_fill(cr);
    cairo_move_to(cr, cx - hombro * 1.5, pie - 8);
    cairo_line_to(cr, cx + hombro * 1.5, pie - 8);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // hands folded at the waist
    cairo_arc(cr, cx, cuello + alto * 0.33, cabezaR * 0.35, 0, 2 * M_PI);
    Fuente(cr, f.piel);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    // the head
    cairo_arc(cr, cx, cy, cabezaR, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - cabezaR * 0.3, cy - cabezaR * 0.3, cabezaR * 1.3,
                    {{0, Mezcla(f.piel, Hex(0xFFFFFF), 0.25)}, {1, f.piel}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.6);
    // eyes and a small smile
    for (int lado : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx + lado * cabezaR * 0.38, cy + cabezaR * 0.05);
        cairo_scale(cr, cabezaR * 0.13, cabezaR * 0.19);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, Tinta);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + cabezaR * 0.35, cabezaR * 0.22, 0.2 * M_PI, 0.8 * M_PI);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // the hair or headwear in front
    switch (f.peinado) {
    case 1: // a bun
        cairo_arc(cr, cx, cy - cabezaR * 1.05, cabezaR * 0.45, 0, 2 * M_PI);
        Fuente(cr, f.pelo);
        cairo_fill(cr);
        [[fallthrough]];
    case 0:
    case 2:
        cairo_arc(cr, cx, cy, cabezaR * 1.04, M_PI * 1.05, M_PI * 1.95);
        cairo_curve_to(cr, cx + cabezaR * 0.5, cy - cabezaR * 0.55, cx - cabezaR * 0.2, cy - cabezaR * 0.2,
                       cx - cabezaR * 1.0, cy - cabezaR * 0.1);
        cairo_close_path(cr);
        Fuente(cr, f.pelo);
        cairo_fill(cr);
        break;
    case 3: // a hood over the head, the face in shadow
        cairo_arc(cr, cx, cy - cabezaR * 0.1, cabezaR * 1.35, M_PI * 0.85, M_PI * 2.15);
        cairo_line_to(cr, cx + cabezaR * 1.2, cy + cabezaR * 1.2);
        cairo_line_to(cr, cx - cabezaR * 1.2, cy + cabezaR * 1.2);
        cairo_close_path(cr);
        cairo_arc_negative(cr, cx, cy + cabezaR * 0.1, cabezaR * 0.95, M_PI * 2.1, M_PI * 0.9);
        cairo_close_path(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        Fuente(cr, f.ropaOscura);
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_arc(cr, cx, cy, cabezaR * 0.98, M_PI, 2 * M_PI);
        Fuente(cr, Hex(0x000000, 0.45));
        cairo_fill(cr);
        break;
    case 4: // a tall pointed hat and a beard
        cairo_move_to(cr, cx - cabezaR * 1.5, cy - cabezaR * 0.5);
        cairo_line_to(cr, cx + cabezaR * 0.3, cy - cabezaR * 4.2);
        cairo_line_to(cr, cx + cabezaR * 1.5, cy - cabezaR * 0.5);
        cairo_close_path(cr);
        DegradadoH(cr, cx - cabezaR * 1.5, cx + cabezaR * 1.5, {{0, f.ropaOscura}, {0.5, f.ropa}, {1, f.ropaOscura}});
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.8);
        Destello(cr, cx, cy - cabezaR * 2, cabezaR * 0.4, OroClaro);
        cairo_move_to(cr, cx - cabezaR * 0.8, cy + cabezaR * 0.55);
        cairo_curve_to(cr, cx - cabezaR * 0.6, cy + cabezaR * 2.6, cx + cabezaR * 0.6, cy + cabezaR * 2.6,
                       cx + cabezaR * 0.8, cy + cabezaR * 0.55);
        cairo_curve_to(cr, cx + cabezaR * 0.3, cy + cabezaR * 0.8, cx - cabezaR * 0.3, cy + cabezaR * 0.8,
                       cx - cabezaR * 0.8, cy + cabezaR * 0.55);
        Fuente(cr, f.pelo);
        cairo_fill(cr);
        break;
    case 5: // a crown over a veil
        cairo_arc(cr, cx, cy, cabezaR * 1.04, M_PI * 1.05, M_PI * 1.95);
        cairo_close_path(cr);
        Fuente(cr, f.pelo);
        cairo_fill(cr);
        for (int i = 0; i < 5; ++i) {
            const double x = cx - cabezaR * 0.7 + i * cabezaR * 0.35;
            cairo_move_to(cr, x - cabezaR * 0.15, cy - cabezaR * 0.8);
            cairo_line_to(cr, x, cy - cabezaR * (i % 2 ? 1.2 : 1.45));
            cairo_line_to(cr, x + cabezaR * 0.15, cy - cabezaR * 0.8);
        }
        cairo_close_path(cr);
        OroV(cr, cy - cabezaR * 1.5, cy - cabezaR * 0.8);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
        break;
    }
}

// The figure standing on the anchor the character registry gives its
// package, the point every screen places: a package the registry does not
// know is a fault of the art's table.
Figura ConAncla(Figura f, const char* paquete)
{
    for (const Personaje& p : RegistroPersonajes)
        if (p.m_pszFigura && std::strcmp(p.m_pszFigura, paquete) == 0) {
            f.pieX = p.m_fAnclaX;
            f.pieY = p.m_fAnclaY;
            return f;
        }
    std::fprintf(stderr, "mg_art: no character has the whole figure %s\n", paquete);
    std::exit(1);
}

// The figure painted once; each piece shows its part of it, its hotspot
// at its top-left corner.
Paquete FiguraEnPiezas(const Figura& f, std::initializer_list<std::array<int, 5>> piezas)
{
    Paquete p;
    p.comment = f.comentario;
    auto entera = std::make_shared<std::shared_ptr<cairo_surface_t>>();
    const Figura copia = f;
    auto superficie = [entera, copia]() {
        if (!*entera) *entera = Pinta(copia.ancho, copia.alto, [copia](cairo_t* cr, double, double) { PintaFigura(cr, copia); });
        return entera->get();
    };
    for (const auto& q : piezas) {
        const int slot = q[0], x = q[1], y = q[2], w = q[3], h = q[4];
        p.sprites.push_back(Pieza(slot, w, h, 0, 0, [superficie, x, y](cairo_t* cr, double, double) {
            cairo_set_source_surface(cr, superficie(), -x, -y);
            cairo_paint(cr);
        }));
    }
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

const Color kPiel = Hex(0xF4D2B4), kPielOscura = Hex(0xC99A78);

RegistroPaquete g_adeletia(juego::paquete::COMPLETO_ADELETIA, [] {
    // two pieces side by side: the queen and the train of her mantle
    const Figura f{"Adeletia, the queen, whole: her figure and her mantle's train, side by side", 512, 500, 0, 0,
                   kPiel, Hex(0x6A3A1A), Hex(0x7A2A8A), Hex(0x3A1048), OroMedio, 5, 0.92};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ADELETIA),
                          {{0, 0, 0, 256, 500}, {1, 256, 0, 256, 500}});
});
RegistroPaquete g_aldunia(juego::paquete::COMPLETO_ALDUNIA, [] {
    const Figura f{"Aldunia, the old healer, whole", 200, 400, 0, 0, Hex(0xE8C8AE), Hex(0xD8D8E0), Hex(0x3E6A4A),
                   Hex(0x1E3424), Ambar, 1, 0.9};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ALDUNIA), {{0, 0, 0, 200, 400}});
});
RegistroPaquete g_alfatima(juego::paquete::COMPLETO_ALFATIMA, [] {
    // two pieces stacked: the cook, and her feet and apron's hem
    const Figura f{"Alfatima, the cook, whole: two pieces, one above the other", 256, 576, 0, 0, kPielOscura,
                   Hex(0x2A1A12), Hex(0xB85A2A), Hex(0x5A240E), Pergamino, 1, 0.9};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ALFATIMA),
                          {{0, 0, 0, 256, 512}, {1, 0, 512, 256, 64}});
});
RegistroPaquete g_asesino(juego::paquete::COMPLETO_ASESINO, [] {
    const Figura f{"The assassin, hooded, whole", 200, 510, 0, 0, kPiel, Hex(0x1A1A1A), Hex(0x2A2A3A),
                   Hex(0x0A0A12), Hex(0x5A5A6A), 3, 0.95};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ASESINO), {{0, 0, 0, 200, 510}});
});
RegistroPaquete g_franz(juego::paquete::COMPLETO_FRANZ, [] {
    const Figura f{"Franz, Maida's brother, whole", 214, 510, 0, 0, kPiel, Hex(0x8A5A2A), Hex(0x2A5A8A),
                   Hex(0x122A48), OroMedio, 2, 0.9};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_FRANZ), {{0, 0, 0, 214, 510}});
});
RegistroPaquete g_irina(juego::paquete::COMPLETO_IRINA, [] {
    const Figura f{"Irina, who raised Maida, whole", 246, 490, 0, 0, kPiel, Hex(0x3A2A5A), Hex(0x4A4A8A),
                   Hex(0x1A1A3A), LuzDeLuna, 0, 0.92};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_IRINA), {{0, 0, 0, 246, 490}});
});
RegistroPaquete g_maida(juego::paquete::COMPLETO_MAIDA, [] {
    const Figura f{"Maida, whole", 200, 455, 0, 0, kPiel, Hex(0xC8782A), Hex(0x2A8A6A), Hex(0x0E3A2A), OroClaro,
                   0, 0.85};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_MAIDA), {{0, 0, 0, 200, 455}});
});
RegistroPaquete g_stokinnen(juego::paquete::COMPLETO_STOKINNEN, [] {
    // three pieces: the hat's tip above, the body, and the hem at the right
    const Figura f{"Stokinnen, the magician, whole: his hat's tip, his body, the right of his hem", 320, 583, 0, 0,
                   kPiel, Hex(0xE8E8F0), Hex(0x3A2A8A), Hex(0x14103A), OroMedio, 4, 0.86};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_STOKINNEN),
                          {{1, 0, 0, 256, 71}, {0, 0, 71, 256, 512}, {2, 256, 348, 64, 235}});
});
RegistroPaquete g_teresia(juego::paquete::COMPLETO_TERESIA, [] {
    const Figura f{"Teresia, the princess under the curse, whole", 390, 500, 0, 0, Hex(0xD8C8D8), Hex(0x2A1A3A),
                   Hex(0x5A1A4A), Hex(0x200A1A), Rubi, 5, 0.88};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_TERESIA), {{0, 0, 0, 390, 500}});
});

// ---- the chapter card: the crest under its number and the stand under the buttons ----

// The crest under the chapter's number: a ringed seal of runes round an
// eight-pointed star, with gold rules and scrolls reaching out to both
// sides, between the heads of the two characters.
void Blason(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = h / 2 - 10;
    Resplandor(cr, cx, cy, r * 1.6, Hex(0xF2C65A, 0.35));
    // the rules and their scrolls
    for (int lado : {-1, 1}) {
        const double x0 = cx + lado * (r + 6), x1 = cx + lado * (w / 2 - 70);
        cairo_rectangle(cr, std::min(x0, x1), cy - 1.5, std::abs(x1 - x0), 3);
        OroV(cr, cy - 1.5, cy + 1.5);
        cairo_fill(cr);
        for (double t : {0.3, 0.6}) Tachuela(cr, x0 + (x1 - x0) * t, cy, 6);
        Fuente(cr, OroMedio);
        Voluta(cr, x1, cy, 50, lado > 0 ? 0 : M_PI, 1, 2.4);
        Voluta(cr, x1, cy, 50, lado > 0 ? 0 : M_PI, -1, 2.4);
    }
    // the seal's body and rims
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy, r, {{0, Hex(0x2B2768)}, {1, Hex(0x0E0C2E)}});
    cairo_fill(cr);
    for (double rr : {r, r - 14}) {
        cairo_arc(cr, cx, cy, rr, 0, 2 * M_PI);
        Fuente(cr, OroMedio);
        cairo_set_line_width(cr, rr == r ? 4 : 1.5);
        cairo_stroke(cr);
    }
    // runes round the ring
    Fuente(cr, Hex(0xF3E6C4, 0.85));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        Runa(cr, i, cx + (r - 7) * std::sin(a), cy - (r - 7) * std::cos(a), 9, a, 1.1);
    }
    // the star: two squares turned an eighth of a turn apart
    const double e = r - 24;
    cairo_new_path(cr);
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8 - M_PI / 2, rad = (k % 2 == 0) ? e : e * 0.55;
        const double x = cx + rad * std::cos(a), y = cy + rad * std::sin(a);
        if (k == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    DegradadoV(cr, cy - e, cy + e, {{0, Hex(0xFFE9A8)}, {0.5, OroMedio}, {1, Hex(0x9A6A1E)}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    Destello(cr, cx, cy, e * 0.35, Hex(0xFFFFFF, 0.9));
}

void Peana(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h, {{0, Hex(0x07061A, 0)}, {0.35, Hex(0x07061A, 0.8)}, {1, Hex(0x110F33, 0.9)}});
    RectRedondeado(cr, 0, h * 0.2, w, h * 0.8, 20);
    cairo_fill(cr);
    cairo_rectangle(cr, 40, h * 0.2, w - 80, 3);
    OroV(cr, h * 0.2, h * 0.2 + 3);
    cairo_fill(cr);
    for (int lado : {-1, 1}) {
        Fuente(cr, OroMedio);
        Voluta(cr, w / 2 + lado * (w / 2 - 60), h * 0.2 + 1, 40, lado > 0 ? 0 : M_PI, 1, 2);
    }
}

// A chapter's title texts: its number over its name, in the language of the day.
Paquete TextosCapitulo(int n, const char* szNumero, const char* szTitulo)
{
    Paquete p;
    p.comment = "Chapter " + std::to_string(n) + "'s title: its number and its name, as texts";
    p.textos.push_back({0, 300, 40, 1, 1, 1, szNumero, 150, 20, 1, 1});
    p.textos.push_back({1, 900, 80, 1, 1, 1, szTitulo, 450, 40, 1.5, 1.5});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

RegistroPaquete g_banda(juego::paquete::ELEMS_TITULO_MENU_FLOTANTE, [] {
    Paquete p;
    p.comment = "The floating title: a band of the top border and its corner flourish";
    p.sprites.push_back(Pieza(0, 128, 72, 0, 36, BandaTitulo));
    p.sprites.push_back(Centrado(1, 200, 110, Floritura));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
});
RegistroPaquete g_titulo(juego::paquete::TITULO_MENU_HISTORIA,
                         [] { return UnSprite("The story map's title: scrolls round an open book", Centrado(0, 380, 48, TituloHistoria)); });
RegistroPaquete g_marcas(juego::paquete::ELEMS_MENU_HISTORIA, MarcasMapa);
RegistroPaquete g_icoCapitulos(juego::paquete::ICO_CAPITULOS,
                               [] { return UnSprite("Chapters: a red book in a medallion", Centrado(0, 256, 256, IconoCapitulos)); });
RegistroPaquete g_icoLeyenda(juego::paquete::ICO_LEYENDA,
                             [] { return UnSprite("The legend: a little map and its star", Centrado(0, 256, 256, IconoLeyenda)); });
RegistroPaquete g_elemsIntro(juego::paquete::ELEMS_INTRO_CAPITULO, [] {
    Paquete p;
    p.comment = "The chapter card: the crest under its number and the stand under the buttons";
    p.sprites.push_back(Centrado(0, 560, 150, Blason));
    p.sprites.push_back(Centrado(1, 1000, 100, Peana));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
});

#define MG_TEXTOS_CAPITULO(n, nn)                                                                                 \
    RegistroPaquete g_textosCapitulo##nn(juego::paquete::TEXTO_CAPITULO_##nn,                                        \
                                         [] { return TextosCapitulo(n, juego::texto::CP##nn, juego::texto::CN##nn); });
MG_TEXTOS_CAPITULO(1, 01)
MG_TEXTOS_CAPITULO(2, 02)
MG_TEXTOS_CAPITULO(3, 03)
MG_TEXTOS_CAPITULO(4, 04)
MG_TEXTOS_CAPITULO(5, 05)
MG_TEXTOS_CAPITULO(6, 06)
MG_TEXTOS_CAPITULO(7, 07)
MG_TEXTOS_CAPITULO(8, 08)
MG_TEXTOS_CAPITULO(9, 09)
MG_TEXTOS_CAPITULO(10, 10)
MG_TEXTOS_CAPITULO(11, 11)
MG_TEXTOS_CAPITULO(12, 12)
#undef MG_TEXTOS_CAPITULO

} // namespace
} // namespace art
