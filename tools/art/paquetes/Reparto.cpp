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


} // namespace
} // namespace art
