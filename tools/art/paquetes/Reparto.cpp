// The cast beyond Maida and Stokinnen, from the portraits' models
// (Modelos.h): each character's mood pictures as the story scenes draw them
// (a body without eyes and mouth, four mouths from closed to open, two eyes
// of four pictures from open to closed, placed where the faces table
// game/story/CarasEscena.h puts them), and every character's whole figure
// (Completo.SPM), painted whole, standing centred on its anchor with its
// feet 100 points below, and cut into the pieces the registry's cut names
// (game/Personajes.h).
#include "Arte.h"
#include "Modelos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/story/CarasEscena.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace art {
namespace {

namespace mp = modelo_personaje;

// The scenes' moods (0 happy, 1 normal, 2 sad) as the models' gestures.
int GestoDeHumor(int humor) { return humor == 0 ? 1 : humor == 2 ? 2 : 0; }

constexpr double kRadioCabeza = 64;
constexpr int kAnchoOjo = 40, kAltoOjo = 30;
constexpr int kAnchoBoca = 48, kAltoBoca = 34;

const Personaje& Registro(const char* nombre)
{
    const Personaje* p = nullptr;
    for (const Personaje& r : RegistroPersonajes)
        if (std::string(r.m_pszNombre) == nombre) p = &r;
    return p ? *p : RegistroPersonajes[0];
}

// ---- mood pictures ----

Painter Cuerpo(const char* nombre, int humor)
{
    return [nombre, humor](cairo_t* cr, double w, double) {
        const CaraEscena* c = BuscaCaraEscena(nombre);
        const PuntoCara d = c ? c->partes[CARA_OJO_DERECHO][humor] : PuntoCara{-23, -170};
        const PuntoCara i = c ? c->partes[CARA_OJO_IZQUIERDO][humor] : PuntoCara{23, -170};
        const int modelo = Registro(nombre).m_iClaveNivel;
        const double r = kRadioCabeza;
        const double cx = mp::kHotspotX + (d.x + i.x) / 2.0;
        const double cy = mp::kHotspotY + (d.y + i.y) / 2.0 - r * 0.08;
        const double vuelo = std::min(1.5, (w / 2 - 4) / (AnchoModelo(modelo) * r));
        FiguraModelo(cr, modelo, cx, cy + r * 6.2, r, GestoDeHumor(humor), vuelo, true);
    };
}

void Ojo(cairo_t* cr, int modelo, double w, double h, double abierto)
{
    OjoModelo(cr, modelo, w / 2, h / 2, kRadioCabeza, abierto);
}

void Boca(cairo_t* cr, int modelo, double w, double h, double abierta, int humor)
{
    if (ModeloEncapuchado(modelo)) return; // the hood's shadow hides it
    const double cx = w / 2, cy = h / 2, r = kRadioCabeza;
    const double curva = humor == 0 ? 0.14 : humor == 2 ? -0.08 : 0.06;
    if (abierta <= 0.01) {
        cairo_move_to(cr, cx - r * 0.16, cy);
        cairo_curve_to(cr, cx - r * 0.06, cy + curva * r, cx + r * 0.06, cy + curva * r, cx + r * 0.16, cy);
        Fuente(cr, Hex(0x8A2A2A));
        cairo_set_line_width(cr, r * 0.05);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    const double ancho = r * (0.14 + abierta * 0.04), alto = r * (0.05 + abierta * 0.13);
    cairo_save(cr);
    cairo_translate(cr, cx, cy + alto * 0.3);
    cairo_scale(cr, ancho, alto);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Fuente(cr, Hex(0x5A1620));
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x8A2A2A));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy + alto * 0.9, ancho * 0.5, M_PI, 2 * M_PI);
    Fuente(cr, Hex(0xD8606A));
    cairo_fill(cr);
}

Paquete Humor(const char* nombre, int humor, const char* comentario)
{
    const int modelo = Registro(nombre).m_iClaveNivel;
    Paquete p;
    p.comment = comentario;
    p.sprites.push_back({0, mp::kAnchoCuerpo, mp::kAltoCuerpo, mp::kHotspotX, mp::kHotspotY, Cuerpo(nombre, humor)});
    // Mouths 10..13, closed to wide open.
    for (int k = 0; k < 4; ++k)
        p.sprites.push_back({10 + k, kAnchoBoca, kAltoBoca, kAnchoBoca / 2.0, kAltoBoca / 2.0,
                             [modelo, k, humor](cairo_t* cr, double w, double h) {
                                 Boca(cr, modelo, w, h, k / 3.0, humor);
                             }});
    // Eyes 20..23 (right) and 30..33 (left), open to closed.
    for (int lado : {0, 1})
        for (int k = 0; k < 4; ++k)
            p.sprites.push_back({(lado ? 30 : 20) + k, kAnchoOjo, kAltoOjo, kAnchoOjo / 2.0, kAltoOjo / 2.0,
                                 [modelo, k](cairo_t* cr, double w, double h) { Ojo(cr, modelo, w, h, 1.0 - k / 3.0); }});
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

#define MG_HUMORES(ID, nombre, texto)                                                                     \
    RegistroPaquete g_##ID##Alegre(juego::paquete::ID##_ALEGRE, [] { return Humor(nombre, 0, texto ", happy"); }); \
    RegistroPaquete g_##ID##Normal(juego::paquete::ID##_NORMAL, [] { return Humor(nombre, 1, texto); });            \
    RegistroPaquete g_##ID##Triste(juego::paquete::ID##_TRISTE, [] { return Humor(nombre, 2, texto ", sad"); });
MG_HUMORES(ADELETIA, "Adeletia", "Adeletia, the queen")
MG_HUMORES(ALDUNIA, "Aldunia", "Aldunia, the healer")
MG_HUMORES(FRANZ, "Franz", "Franz, Maida's brother")
MG_HUMORES(ALFATIMA, "Alfatima", "Alfatima, the cook")
MG_HUMORES(IRINA, "Irina", "Irina, the lady of the court")
MG_HUMORES(ASESINO, "Asesino", "The assassin")
MG_HUMORES(TERESIA, "Teresia", "Teresia under the curse")
#undef MG_HUMORES
RegistroPaquete g_soldado(juego::paquete::SOLDADO_NORMAL, [] { return Humor("Soldado", 1, "The soldier"); });
RegistroPaquete g_teresiaViva(juego::paquete::TERESIA_VIVA_NORMAL,
                              [] { return Humor("TeresiaViva", 1, "Teresia saved"); });

// ---- whole figures ----

struct Lienzo {
    int w, h;
    double cx, pies, r;
};

Lienzo LienzoDe(const Personaje& p)
{
    Lienzo l;
    l.cx = p.m_fAnclaX;
    l.pies = p.m_fAnclaY + 100.0;
    // the head's top, hat included, stays 10 points inside the top
    l.r = (l.pies - 10.0) / AltoFiguraModelo(p.m_iClaveNivel);
    l.w = static_cast<int>(2 * p.m_fAnclaX) + (p.m_iCorteFigura == FIGURA_TRES ? 34 : 0);
    l.h = static_cast<int>(l.pies) + 12;
    return l;
}

Paquete Figura(const char* nombre, const char* comentario)
{
    const Personaje& pj = Registro(nombre);
    const Lienzo l = LienzoDe(pj);
    const int modelo = pj.m_iClaveNivel;
    const double vuelo = std::min(1.5, (l.cx - 4) / (AnchoModelo(modelo) * l.r));
    std::shared_ptr<cairo_surface_t> entera = Pinta(l.w, l.h, [l, modelo, vuelo](cairo_t* cr, double, double) {
        // a soft shadow under the feet
        cairo_save(cr);
        cairo_translate(cr, l.cx, l.pies);
        cairo_scale(cr, l.r * 2.2, l.r * 0.35);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Fuente(cr, Hex(0x000000, 0.35));
        cairo_fill(cr);
        FiguraModelo(cr, modelo, l.cx, l.pies, l.r, 0, vuelo, false);
    });
    Paquete p;
    p.comment = comentario;
    const CorteFigura& c = CortesFigura[std::clamp(pj.m_iCorteFigura, 0, NUM_CORTES_FIGURA - 1)];
    for (int i = 0; i < c.n; ++i) {
        const PiezaFigura& pz = c.piezas[i];
        // Each piece reaches to where the next one starts (or the edge); a
        // piece that starts inside the figure starts one point earlier, as
        // the screens draw it one point back to close the seam.
        const int x0 = pz.x > 0 ? pz.x - 1 : 0, y0 = pz.y > 0 ? pz.y - 1 : 0;
        int x1 = l.w, y1 = l.h;
        for (int j = 0; j < c.n; ++j) {
            const PiezaFigura& o = c.piezas[j];
            if (o.x > pz.x && o.y <= pz.y) x1 = std::min(x1, o.x);
            if (o.y > pz.y && o.x <= pz.x) y1 = std::min(y1, o.y);
            // a piece that starts lower and further right takes the corner
            // below it: the one above stops at its left edge
            if (o.x > pz.x && o.y > pz.y && pz.y > 0) x1 = std::min(x1, o.x);
        }
        const int w = std::max(1, x1 - x0), h = std::max(1, y1 - y0);
        p.sprites.push_back({pz.slot, w, h, 0, 0, [entera, x0, y0](cairo_t* cr, double, double) {
                                 cairo_set_source_surface(cr, entera.get(), -x0, -y0);
                                 cairo_paint(cr);
                             }});
    }
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

#define MG_FIGURA(ID, nombre, texto) \
    RegistroPaquete g_figura##ID(juego::paquete::FIGURA_##ID, [] { return Figura(nombre, texto); });
MG_FIGURA(STOKINNEN, "Stokinnen", "Stokinnen whole, in three pieces")
MG_FIGURA(ALFATIMA, "Alfatima", "Alfatima whole, in two stacked pieces")
MG_FIGURA(ADELETIA, "Adeletia", "Adeletia whole, in two pieces side by side")
MG_FIGURA(ASESINO, "Asesino", "The assassin whole")
MG_FIGURA(FRANZ, "Franz", "Franz whole")
MG_FIGURA(MAIDA, "Maida", "Maida whole")
MG_FIGURA(ALDUNIA, "Aldunia", "Aldunia whole")
MG_FIGURA(IRINA, "Irina", "Irina whole")
MG_FIGURA(TERESIA, "Teresia", "Teresia whole")
#undef MG_FIGURA

} // namespace
} // namespace art
