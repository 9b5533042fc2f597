// The story map and the chapter cards: the floating title's border pieces,
// the map's title, the stage markers, the help and legend icons, the
// nine whole figures of the story's characters (cut into the pieces the map
// draws), the card's scroll and stand, and the chapters' title texts.
#include "Arte.h"
#include "Modelos.h"
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

// ---- the whole figures: each character as its scenes and portraits show
// it, standing on its anchor, painted whole and cut ----

struct Figura {
    const char* comentario;
    const char* nombre;    // the character registry's name
    int ancho, alto;       // the whole picture
    double pieX, pieY;     // where the feet stand: the character registry's anchor (ConAncla)
    double escala;         // the figure's height against the anchor's
    double medioAncho;     // room on each side of the feet
};

// The queen's mantle: it falls from her shoulders behind her and trails on
// the floor to her left, violet lined with ermine.
void Manto(cairo_t* cr, const Figura& f, const GeometriaFigura& g)
{
    Color ropa, oscura, adorno;
    RopaModelo(ModeloDePersonaje(f.nombre), &ropa, &oscura, &adorno);
    const double x = f.pieX, y = f.pieY, hx = g.medioHombros;
    const double finX = f.ancho - 14.0;
    cairo_move_to(cr, x + hx * 0.6, g.hombroY - hx * 0.05);
    cairo_curve_to(cr, x + hx * 1.5, g.hombroY + (y - g.hombroY) * 0.25, x + hx * 1.6, y - (y - g.hombroY) * 0.3,
                   finX, y - 6);
    cairo_curve_to(cr, finX - 40, y + 6, x + hx * 0.5, y + 8, x, y);
    cairo_line_to(cr, x - hx * 0.2, g.hombroY + 10);
    cairo_close_path(cr);
    DegradadoH(cr, x, finX, {{0, oscura}, {0.35, ropa}, {0.7, Mezcla(ropa, Lavanda, 0.2)}, {1, oscura}});
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.6);
    // the ermine along the train's edge: cream with black tips
    cairo_move_to(cr, x + hx * 1.05, g.hombroY + (y - g.hombroY) * 0.18);
    cairo_curve_to(cr, x + hx * 1.75, g.hombroY + (y - g.hombroY) * 0.35, x + hx * 1.75, y - (y - g.hombroY) * 0.3,
                   finX, y - 6);
    Fuente(cr, adorno);
    cairo_set_line_width(cr, 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    Fuente(cr, Hex(0x1A0F05, 0.5));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int i = 1; i < 8; ++i) {
        const double t = i / 8.0, u = 1 - t;
        const double p0x = x + hx * 1.05, p0y = g.hombroY + (y - g.hombroY) * 0.18;
        const double p1x = x + hx * 1.75, p1y = g.hombroY + (y - g.hombroY) * 0.35;
        const double p2x = x + hx * 1.75, p2y = y - (y - g.hombroY) * 0.3;
        const double px = u * u * u * p0x + 3 * u * u * t * p1x + 3 * u * t * t * p2x + t * t * t * finX;
        const double py = u * u * u * p0y + 3 * u * u * t * p1y + 3 * u * t * t * p2y + t * t * t * (y - 6);
        cairo_move_to(cr, px, py - 3);
        cairo_line_to(cr, px + 1.5, py + 2);
        cairo_line_to(cr, px - 1.5, py + 2);
        cairo_close_path(cr);
    }
    Fuente(cr, Tinta);
    cairo_fill(cr);
    // a gold clasp at the shoulder
    Destello(cr, x + hx * 0.6, g.hombroY, 7, OroClaro);
}

void PintaFigura(cairo_t* cr, const Figura& f)
{
    const double alto = f.pieY * f.escala;
    if (std::strcmp(f.nombre, "Adeletia") == 0)
        Manto(cr, f, MideFiguraEntera(f.nombre, f.pieX, f.pieY, alto, f.medioAncho));
    FiguraEntera(cr, f.nombre, f.pieX, f.pieY, alto, f.medioAncho);
}

// The figure standing on the anchor the character registry gives its
// package, the point every screen places: a package the registry does not
// know, or a name that is not its character's, is a fault of the art's
// table.
Figura ConAncla(Figura f, const char* paquete)
{
    for (const Personaje& p : RegistroPersonajes)
        if (p.m_pszFigura && std::strcmp(p.m_pszFigura, paquete) == 0 && std::strcmp(p.m_pszNombre, f.nombre) == 0) {
            f.pieX = p.m_fAnclaX;
            f.pieY = p.m_fAnclaY;
            return f;
        }
    std::fprintf(stderr, "mg_art: %s has no whole figure %s\n", f.nombre, paquete);
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

RegistroPaquete g_adeletia(juego::paquete::COMPLETO_ADELETIA, [] {
    // two pieces side by side: the queen and the train of her mantle
    const Figura f{"Adeletia, the queen, whole: her figure and her mantle's train, side by side", "Adeletia", 512, 500,
                   0, 0, 0.92, 140};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ADELETIA),
                          {{0, 0, 0, 256, 500}, {1, 256, 0, 256, 500}});
});
RegistroPaquete g_aldunia(juego::paquete::COMPLETO_ALDUNIA, [] {
    const Figura f{"Aldunia, the old healer, whole", "Aldunia", 200, 400, 0, 0, 0.9, 90};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ALDUNIA), {{0, 0, 0, 200, 400}});
});
RegistroPaquete g_alfatima(juego::paquete::COMPLETO_ALFATIMA, [] {
    // two pieces stacked: the cook, and her feet and apron's hem
    const Figura f{"Alfatima, the cook, whole: two pieces, one above the other", "Alfatima", 256, 576, 0, 0, 0.9, 116};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ALFATIMA),
                          {{0, 0, 0, 256, 512}, {1, 0, 512, 256, 64}});
});
RegistroPaquete g_asesino(juego::paquete::COMPLETO_ASESINO, [] {
    const Figura f{"The assassin, hooded, whole", "Asesino", 200, 510, 0, 0, 0.95, 96};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_ASESINO), {{0, 0, 0, 200, 510}});
});
RegistroPaquete g_franz(juego::paquete::COMPLETO_FRANZ, [] {
    const Figura f{"Franz, Maida's brother, whole", "Franz", 214, 510, 0, 0, 0.9, 103};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_FRANZ), {{0, 0, 0, 214, 510}});
});
RegistroPaquete g_irina(juego::paquete::COMPLETO_IRINA, [] {
    const Figura f{"Irina, who raised Maida, whole", "Irina", 246, 490, 0, 0, 0.92, 119};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_IRINA), {{0, 0, 0, 246, 490}});
});
RegistroPaquete g_maida(juego::paquete::COMPLETO_MAIDA, [] {
    const Figura f{"Maida, whole", "Maida", 200, 455, 0, 0, 0.85, 96};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_MAIDA), {{0, 0, 0, 200, 455}});
});
RegistroPaquete g_stokinnen(juego::paquete::COMPLETO_STOKINNEN, [] {
    // three pieces: the top of his cap above, the body, and the hem at the right
    const Figura f{"Stokinnen, the magician, whole: the top of his cap, his body, the right of his hem", "Stokinnen",
                   320, 583, 0, 0, 0.86, 136};
    return FiguraEnPiezas(ConAncla(f, juego::paquete::COMPLETO_STOKINNEN),
                          {{1, 0, 0, 256, 71}, {0, 0, 71, 256, 512}, {2, 256, 348, 64, 235}});
});
RegistroPaquete g_teresia(juego::paquete::COMPLETO_TERESIA, [] {
    const Figura f{"Teresia, the princess under the curse, whole", "Teresia", 390, 500, 0, 0, 0.88, 150};
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
