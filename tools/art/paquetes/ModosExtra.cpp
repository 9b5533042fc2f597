// The extra modes' art: the wordless titles of the extra-modes menu, a
// gilded ribbon round a medallion: a ring of seal runes for the seals only,
// crossed bolts for the attacks, an hourglass for the concentration.
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

// A ribbon of gold running out from the medallion to both ends, forked at
// the tips, with three studs each side.
void Cinta(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    for (int lado : {-1, 1}) {
        const double x0 = cx + lado * 30, x1 = cx + lado * (w / 2 - 6);
        cairo_move_to(cr, x0, cy - 7);
        cairo_line_to(cr, x1, cy - 7);
        cairo_line_to(cr, x1 - lado * 10, cy);
        cairo_line_to(cr, x1, cy + 7);
        cairo_line_to(cr, x0, cy + 7);
        cairo_close_path(cr);
        DegradadoV(cr, cy - 7, cy + 7, {{0, OroClaro}, {0.45, OroMedio}, {1, OroOscuro}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0x000000, 0.5));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_move_to(cr, x0, cy);
        cairo_line_to(cr, x1 - lado * 16, cy);
        Fuente(cr, Hex(0x6B4411, 0.6));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        for (int k = 1; k <= 3; ++k) Tachuela(cr, cx + lado * (30 + k * (w / 2 - 60) / 4.0), cy, 3.0);
    }
}

void Medallon(cairo_t* cr, double cx, double cy, double r, const Color& fondo)
{
    Resplandor(cr, cx, cy, r * 1.7, Hex(0xF2A93B, 0.35));
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoV(cr, cy - r, cy + r, {{0, OroClaro}, {0.5, Oro}, {1, OroOscuro}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * M_PI);
    DegradadoRadial(cr, cx, cy - 4, r, {{0, fondo}, {1, Noche}});
    cairo_fill(cr);
}

void Titulo(cairo_t* cr, double w, double h, const Color& fondo, const std::function<void(double, double)>& emblema)
{
    Cinta(cr, w, h);
    Medallon(cr, w / 2, h / 2, 22, fondo);
    emblema(w / 2, h / 2);
}

void TituloSellos(cairo_t* cr, double w, double h)
{
    Titulo(cr, w, h, VioletaClaro, [&](double cx, double cy) {
        // five runes round a glowing dot: a seal's ring
        for (int i = 0; i < 5; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 5;
            Fuente(cr, OroClaro);
            Runa(cr, i + 3, cx + std::cos(a) * 12, cy + std::sin(a) * 12, 7, a + M_PI / 2, 1.2);
        }
        Destello(cr, cx, cy, 5, LuzDeVela);
    });
}

void TituloAtaques(cairo_t* cr, double w, double h)
{
    Titulo(cr, w, h, Hex(0x6E1B2B), [&](double cx, double cy) {
        // two crossed bolts
        for (int lado : {-1, 1}) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, lado * 0.6);
            cairo_move_to(cr, -2, -15);
            cairo_line_to(cr, 4, -3);
            cairo_line_to(cr, -1, -2);
            cairo_line_to(cr, 3, 15);
            cairo_line_to(cr, -5, 1);
            cairo_line_to(cr, 0, 0);
            cairo_close_path(cr);
            DegradadoV(cr, -15, 15, {{0, LuzDeVela}, {1, Brasa}});
            cairo_fill(cr);
            cairo_restore(cr);
        }
    });
}

void TituloConcentrar(cairo_t* cr, double w, double h)
{
    Titulo(cr, w, h, NocheAzul, [&](double cx, double cy) {
        // an hourglass with its sand running
        cairo_move_to(cr, cx - 8, cy - 14);
        cairo_line_to(cr, cx + 8, cy - 14);
        cairo_line_to(cr, cx + 1.5, cy);
        cairo_line_to(cr, cx + 8, cy + 14);
        cairo_line_to(cr, cx - 8, cy + 14);
        cairo_line_to(cr, cx - 1.5, cy);
        cairo_close_path(cr);
        Fuente(cr, Hex(0xDCE6FF, 0.25));
        cairo_fill_preserve(cr);
        Fuente(cr, OroClaro);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - 5, cy + 13);
        cairo_line_to(cr, cx, cy + 6);
        cairo_line_to(cr, cx + 5, cy + 13);
        cairo_close_path(cr);
        Fuente(cr, LuzDeVela);
        cairo_fill(cr);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx, cy + 7);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    });
}

Paquete TituloCinta(const char* szComentario, Painter p)
{
    Paquete q;
    q.comment = szComentario;
    q.sprites.push_back(Centrado(0, kAnchoTitulo, kAltoTitulo, std::move(p)));
    return q;
}

RegistroPaquete g_tituloSellos(juego::paquete::TITULO_MODO_SELLOS, [] {
    return TituloCinta("The seals-only menu's title: a ribbon round a ring of seal runes", TituloSellos);
});
RegistroPaquete g_tituloAtaques(juego::paquete::TITULO_MODO_ATAQUES, [] {
    return TituloCinta("The attacks menu's title: a ribbon round two crossed bolts", TituloAtaques);
});
RegistroPaquete g_tituloConcentrar(juego::paquete::TITULO_MODO_CONCENTRAR, [] {
    return TituloCinta("The concentration menu's title: a ribbon round an hourglass", TituloConcentrar);
});

} // namespace
} // namespace art
