// The story scenes' vignettes: small oval pictures in a gilded frame that
// come in front of the characters for a moment, each showing one thing up
// close (a hand, a vial, a candle in a window...).
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

constexpr int kAncho = 400, kAlto = 300;
constexpr double kCx = kAncho / 2.0, kCy = kAlto / 2.0;
const Color kPiel = Hex(0xF4D2B4);

void Elipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// The oval: a ground of the scene's light, its contents clipped to it, then
// the gilded rim.
template <class F>
void Ovalo(cairo_t* cr, const Color& centro, const Color& borde, F contenido)
{
    const double rx = kCx - 14, ry = kCy - 14;
    cairo_save(cr);
    Elipse(cr, kCx, kCy, rx, ry);
    cairo_clip(cr);
    DegradadoRadial(cr, kCx, kCy * 0.8, rx * 1.2, {{0, centro}, {1, borde}});
    cairo_paint(cr);
    contenido(cr);
    Elipse(cr, kCx, kCy, rx, ry);
    DegradadoRadial(cr, kCx, kCy, rx, {{0.6, Hex(0x000000, 0)}, {1, Hex(0x000000, 0.5)}});
    cairo_fill(cr);
    cairo_restore(cr);
    Elipse(cr, kCx, kCy, rx + 4, ry + 4);
    DegradadoV(cr, 0, kAlto, {{0, OroClaro}, {0.45, OroMedio}, {1, OroOscuro}});
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    Elipse(cr, kCx, kCy, rx - 3, ry - 3);
    Fuente(cr, Hex(0xFFE9A8, 0.4));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double a : {M_PI / 2, 3 * M_PI / 2}) Tachuela(cr, kCx + std::cos(a) * (rx + 4), kCy + std::sin(a) * (ry + 4), 6);
}

const Color kCalido = Hex(0x6A4A3A), kCalidoBorde = Hex(0x1E120E);
const Color kNoche = Hex(0x2B3A6E), kNocheBorde = Hex(0x07061A);

// A hand, palm down, reaching from the side `lado` (-1 left, 1 right).
void Mano(cairo_t* cr, double x, double y, double escala, int lado, const Color& piel, const Color& manga)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, escala * lado, escala);
    // the sleeve
    cairo_rectangle(cr, -200, -28, 120, 56);
    Fuente(cr, manga);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    // palm and four fingers
    Elipse(cr, -55, 0, 34, 26);
    Fuente(cr, piel);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.6);
    for (int i = 0; i < 4; ++i) {
        Elipse(cr, -12, -18 + i * 12, 22, 6);
        Fuente(cr, piel);
        cairo_fill_preserve(cr);
        ContornoTinta(cr, 1.2);
    }
    Elipse(cr, -50, -26, 14, 7);
    Fuente(cr, piel);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.2);
    cairo_restore(cr);
}

void Vela(cairo_t* cr, double x, double y, double alto)
{
    Resplandor(cr, x, y - alto - 10, alto * 1.4, Hex(0xFFD27A, 0.45));
    RectRedondeado(cr, x - 7, y - alto, 14, alto, 3);
    DegradadoH(cr, x - 7, x + 7, {{0, PergaminoOscuro}, {0.5, Pergamino}, {1, PergaminoOscuro}});
    cairo_fill(cr);
    cairo_move_to(cr, x, y - alto - 20);
    cairo_curve_to(cr, x + 7, y - alto - 8, x + 6, y - alto - 1, x, y - alto - 1);
    cairo_curve_to(cr, x - 6, y - alto - 1, x - 7, y - alto - 8, x, y - alto - 20);
    Fuente(cr, LuzDeVela);
    cairo_fill(cr);
}

void Ampolla(cairo_t* cr, double x, double y, double escala, const Color& liquido, bool brillo)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, escala, escala);
    if (brillo) Resplandor(cr, 0, 10, 90, Mezcla(liquido, Hex(0x000000, 0), 0.4));
    cairo_move_to(cr, -10, -60);
    cairo_line_to(cr, -10, -25);
    cairo_curve_to(cr, -45, -10, -45, 50, 0, 50);
    cairo_curve_to(cr, 45, 50, 45, -10, 10, -25);
    cairo_line_to(cr, 10, -60);
    cairo_close_path(cr);
    Fuente(cr, Hex(0xDCE6FF, 0.35));
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    Elipse(cr, 0, 22, 30, 24);
    DegradadoRadial(cr, -8, 14, 34, {{0, Mezcla(liquido, Hex(0xFFFFFF), 0.4)}, {1, liquido}});
    cairo_fill(cr);
    RectRedondeado(cr, -13, -72, 26, 14, 3);
    Fuente(cr, Hex(0x7A4420));
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    cairo_restore(cr);
}

void Cama(cairo_t* cr, const Color& colcha)
{
    RectRedondeado(cr, 50, 170, 300, 70, 10);
    Fuente(cr, colcha);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    Elipse(cr, 110, 160, 55, 22);
    Fuente(cr, Pergamino);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
}

void CabezaDormida(cairo_t* cr, double x, double y, const Color& piel, const Color& pelo)
{
    Elipse(cr, x, y, 30, 32);
    Fuente(cr, piel);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 1.5);
    cairo_arc(cr, x, y, 33, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    Fuente(cr, pelo);
    cairo_fill(cr);
    for (int lado : {-1, 1}) {
        cairo_arc(cr, x + lado * 11, y + 4, 6, 0.15 * M_PI, 0.85 * M_PI);
        ContornoTinta(cr, 1.6);
    }
}

void ManoMaida(cairo_t* cr, double, double)
{
    Ovalo(cr, kCalido, kCalidoBorde, [](cairo_t* c) {
        Resplandor(c, kCx, kCy, 120, Hex(0xFFD27A, 0.3));
        Mano(c, kCx + 20, kCy - 10, 1.0, 1, kPiel, Hex(0x2A8A6A));
        Mano(c, kCx - 20, kCy + 12, 1.0, -1, kPiel, Hex(0x5A1A4A));
    });
}

void CogeMano(cairo_t* cr, const Color& manga, const Color& piel)
{
    Ovalo(cr, kCalido, kCalidoBorde, [&](cairo_t* c) {
        Cama(c, Hex(0x3A2A6E));
        Mano(c, kCx + 40, kCy + 60, 0.9, -1, kPiel, Pergamino);
        Mano(c, kCx - 10, kCy + 40, 1.0, 1, piel, manga);
    });
}

void AdeletiaCogeMano(cairo_t* cr, double, double) { CogeMano(cr, Hex(0x7A2A8A), kPiel); }
void AlduniaCogeMano(cairo_t* cr, double, double) { CogeMano(cr, Hex(0x3E6A4A), Hex(0xE8C8AE)); }
void AlfatimaCogeMano(cairo_t* cr, double, double) { CogeMano(cr, Hex(0xB85A2A), Hex(0xC99A78)); }

void AmpollaVeneno(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x3A2A1A), kCalidoBorde, [](cairo_t* c) {
        // spice jars, and the dark vial behind them
        for (int i = 0; i < 3; ++i) {
            RectRedondeado(c, 70 + i * 95, 150, 70, 90, 10);
            Fuente(c, Hex(0xC9B386, 0.9));
            cairo_fill_preserve(c);
            ContornoTinta(c, 1.5);
        }
        Ampolla(c, kCx + 10, kCy - 10, 1.0, Hex(0x3A7A3A), true);
    });
}

void Antidoto(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x5A3A1A), kCalidoBorde, [](cairo_t* c) {
        Ampolla(c, kCx, kCy + 10, 1.2, Ambar, true);
        for (int i = 0; i < 5; ++i) Destello(c, kCx - 90 + i * 45, kCy - 70 + (i % 2) * 25, 8, OroClaro);
    });
}

void BarroEnCalzado(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x453F63), kNocheBorde, [](cairo_t* c) {
        // flagstones, and muddy prints across them
        for (int i = 0; i < 6; ++i) {
            cairo_move_to(c, 0, 60 + i * 40);
            cairo_line_to(c, kAncho, 40 + i * 40);
            Fuente(c, Hex(0x000000, 0.25));
            cairo_set_line_width(c, 2);
            cairo_stroke(c);
        }
        for (int i = 0; i < 4; ++i) {
            const double x = 90 + i * 70, y = 210 - i * 35 + (i % 2) * 20;
            Elipse(c, x, y, 16, 28);
            Fuente(c, Hex(0x5A3A1A, 0.9));
            cairo_fill(c);
            Elipse(c, x, y + 36, 13, 12);
            cairo_fill(c);
        }
    });
}

void Candelabro(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x3A2A4A), kNocheBorde, [](cairo_t* c) {
        // a stand of gold and three arms
        cairo_move_to(c, kCx, 250);
        cairo_line_to(c, kCx, 150);
        cairo_move_to(c, kCx - 70, 150);
        cairo_curve_to(c, kCx - 70, 190, kCx + 70, 190, kCx + 70, 150);
        DegradadoV(c, 140, 250, {{0, OroClaro}, {1, OroOscuro}});
        cairo_set_line_width(c, 8);
        cairo_stroke(c);
        Elipse(c, kCx, 252, 40, 10);
        cairo_fill(c);
        for (double x : {kCx - 70, kCx, kCx + 70}) Vela(c, x, 150, 45);
    });
}

void CandilEnVentana(cairo_t* cr, double, double)
{
    Ovalo(cr, kNoche, kNocheBorde, [](cairo_t* c) {
        Estrellas(c, 0, 0, kAncho, kAlto, 25, 91, 0, 0);
        // an arched window of warm light
        cairo_move_to(c, kCx - 70, 260);
        cairo_line_to(c, kCx - 70, 110);
        cairo_arc(c, kCx, 110, 70, M_PI, 2 * M_PI);
        cairo_line_to(c, kCx + 70, 260);
        cairo_close_path(c);
        DegradadoV(c, 40, 260, {{0, Hex(0xF2A93B, 0.5)}, {1, Hex(0x6B4411, 0.7)}});
        cairo_fill_preserve(c);
        Fuente(c, Piedra);
        cairo_set_line_width(c, 10);
        cairo_stroke(c);
        Vela(c, kCx, 240, 55);
    });
}

void MaidaEnLaCama(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x2B3A6E), kNocheBorde, [](cairo_t* c) {
        Cama(c, Hex(0x2A8A6A));
        CabezaDormida(c, 110, 150, kPiel, Hex(0xC8782A));
        Luna(c, 310, 70, 24, 0.4);
    });
}

void MaidaSufriendo(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x3B2669), kNocheBorde, [](cairo_t* c) {
        Cama(c, Hex(0x2A8A6A));
        CabezaDormida(c, 110, 150, Hex(0xD8C0B8), Hex(0xC8782A));
        // a frown and a cold drop
        cairo_arc(c, 110, 178, 9, 1.15 * M_PI, 1.85 * M_PI);
        ContornoTinta(c, 1.6);
        Elipse(c, 140, 130, 4, 7);
        Fuente(c, LuzDeLuna);
        cairo_fill(c);
        for (int i = 0; i < 5; ++i) {
            Fuente(c, Hex(0xE0572A, 0.7));
            Runa(c, i, 200 + i * 30, 80 + (i % 2) * 30, 18, 0.3 * i, 1.4);
        }
    });
}

void MaidaBebeAntidoto(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x5A3A1A), kCalidoBorde, [](cairo_t* c) {
        Cama(c, Hex(0x2A8A6A));
        CabezaDormida(c, 110, 150, Hex(0xD8C0B8), Hex(0xC8782A));
        Mano(c, 260, 150, 0.9, -1, Hex(0xE8C8AE), Hex(0x3E6A4A));
        Ampolla(c, 165, 150, 0.5, Ambar, true);
    });
}

void MaidaRecibeBolsita(cairo_t* cr, double, double)
{
    Ovalo(cr, kCalido, kCalidoBorde, [](cairo_t* c) {
        Mano(c, kCx - 30, kCy + 40, 1.0, 1, kPiel, Hex(0x2A8A6A));
        Mano(c, kCx + 30, kCy - 40, 1.0, -1, kPiel, Hex(0x4A4A8A));
        // a small leather pouch tied with a cord
        cairo_move_to(c, kCx - 34, kCy);
        cairo_curve_to(c, kCx - 50, kCy + 60, kCx + 50, kCy + 60, kCx + 34, kCy);
        cairo_curve_to(c, kCx + 20, kCy - 20, kCx - 20, kCy - 20, kCx - 34, kCy);
        DegradadoV(c, kCy - 20, kCy + 50, {{0, Hex(0xA86A3A)}, {1, Hex(0x5A2E12)}});
        cairo_fill_preserve(c);
        ContornoTinta(c, 2);
        cairo_move_to(c, kCx - 22, kCy - 8);
        cairo_line_to(c, kCx + 22, kCy - 8);
        Fuente(c, OroMedio);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        Destello(c, kCx, kCy + 22, 10, OroClaro);
    });
}

void MaidaRecuperaElColor(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0xC48B30), Hex(0x3E200C), [](cairo_t* c) {
        Resplandor(c, kCx, kCy, 160, Hex(0xFFE9A8, 0.5));
        // her face, cheeks pink again, eyes opening
        Elipse(c, kCx, kCy + 10, 70, 78);
        Fuente(c, kPiel);
        cairo_fill_preserve(c);
        ContornoTinta(c, 2);
        cairo_arc(c, kCx, kCy + 10, 80, M_PI * 1.05, M_PI * 1.95);
        cairo_close_path(c);
        Fuente(c, Hex(0xC8782A));
        cairo_fill(c);
        for (int lado : {-1, 1}) {
            Elipse(c, kCx + lado * 40, kCy + 40, 16, 10);
            Fuente(c, Hex(0xF08A8A, 0.6));
            cairo_fill(c);
            Elipse(c, kCx + lado * 25, kCy + 12, 6, 9);
            Fuente(c, Tinta);
            cairo_fill(c);
        }
        cairo_arc(c, kCx, kCy + 40, 16, 0.2 * M_PI, 0.8 * M_PI);
        ContornoTinta(c, 2);
    });
}

void StokinnenHueleTaza(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x2A2640), kNocheBorde, [](cairo_t* c) {
        // a white beard and a long nose over a steaming cup
        cairo_move_to(c, 60, 20);
        cairo_curve_to(c, 200, 40, 230, 120, 200, 140);
        cairo_curve_to(c, 170, 150, 120, 120, 60, 130);
        Fuente(c, kPiel);
        cairo_fill_preserve(c);
        ContornoTinta(c, 2);
        cairo_move_to(c, 60, 130);
        cairo_curve_to(c, 120, 130, 160, 160, 120, 280);
        cairo_line_to(c, 40, 280);
        cairo_close_path(c);
        Fuente(c, Hex(0xE8E8F0));
        cairo_fill_preserve(c);
        ContornoTinta(c, 2);
        RectRedondeado(c, 230, 180, 90, 70, 10);
        Fuente(c, Pergamino);
        cairo_fill_preserve(c);
        ContornoTinta(c, 2);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, 250 + i * 25, 170);
            cairo_curve_to(c, 240 + i * 25, 150, 265 + i * 25, 140, 250 + i * 25, 115);
            Fuente(c, Hex(0x7ACF7A, 0.7));
            cairo_set_line_width(c, 3);
            cairo_stroke(c);
        }
    });
}

void Plato(cairo_t* cr, double cx, double cy)
{
    Elipse(cr, cx, cy, 120, 50);
    Fuente(cr, Pergamino);
    cairo_fill_preserve(cr);
    ContornoTinta(cr, 2);
    Elipse(cr, cx, cy, 80, 30);
    Fuente(cr, Hex(0xC9B386, 0.7));
    cairo_stroke(cr);
}

void PlatoVacio(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x453F63), kNocheBorde, [](cairo_t* c) {
        Plato(c, kCx, kCy + 30);
        // bread left whole beside the plate
        Elipse(c, kCx + 10, kCy + 20, 40, 18);
        DegradadoV(c, kCy, kCy + 40, {{0, Hex(0xE0A860)}, {1, Hex(0x8A5A2A)}});
        cairo_fill_preserve(c);
        ContornoTinta(c, 1.5);
    });
}

void HuevosRevueltos(cairo_t* cr, double, double)
{
    Ovalo(cr, Hex(0x7A3A1A), kCalidoBorde, [](cairo_t* c) {
        Resplandor(c, kCx, kCy + 60, 150, Hex(0xE0572A, 0.35));
        // a black pan and its handle, with scrambled eggs
        Elipse(c, kCx - 20, kCy + 20, 110, 55);
        Fuente(c, Hex(0x1A1A1A));
        cairo_fill(c);
        cairo_move_to(c, kCx + 80, kCy + 10);
        cairo_line_to(c, kCx + 180, kCy - 40);
        Fuente(c, Hex(0x3E200C));
        cairo_set_line_width(c, 14);
        cairo_stroke(c);
        for (int i = 0; i < 9; ++i) {
            Elipse(c, kCx - 70 + (i % 3) * 45 + (i / 3) * 8, kCy + (i / 3) * 18, 22, 12);
            Fuente(c, Hex(0xFFD84A));
            cairo_fill_preserve(c);
            Fuente(c, Hex(0xFFF2B0));
            cairo_set_line_width(c, 2);
            cairo_stroke(c);
        }
    });
}

Paquete Vinyeta(const char* comentario, Painter pintor)
{
    Paquete p;
    p.comment = comentario;
    Sprite s;
    s.slot = 0;
    s.w = kAncho;
    s.h = kAlto;
    s.hx = kCx;
    s.hy = kCy;
    s.paint = std::move(pintor);
    p.sprites.push_back(std::move(s));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

#define MG_VINYETA(id, comentario, pintor) \
    RegistroPaquete g_##id(juego::paquete::id, [] { return Vinyeta(comentario, pintor); });
MG_VINYETA(VINYETA_MANO_MAIDA, "Two sisters' hands, held", ManoMaida)
MG_VINYETA(VINYETA_ADELETIA_COGE_MANO, "The queen takes her sleeping daughter's hand", AdeletiaCogeMano)
MG_VINYETA(VINYETA_ALDUNIA_COGE_MANO, "The old healer takes a sleeping hand", AlduniaCogeMano)
MG_VINYETA(VINYETA_ALFATIMA_COGE_MANO, "The cook takes a sleeping hand", AlfatimaCogeMano)
MG_VINYETA(VINYETA_AMPOLLA_VENENO, "A dark vial behind the spice jars", AmpollaVeneno)
MG_VINYETA(VINYETA_ANTIDOTO, "The antidote glowing in its flask", Antidoto)
MG_VINYETA(VINYETA_BARRO_EN_CALZADO, "Muddy bootprints across the flagstones", BarroEnCalzado)
MG_VINYETA(VINYETA_CANDELABRO, "A candelabrum of three candles", Candelabro)
MG_VINYETA(VINYETA_CANDIL_EN_VENTANA, "A candle in an arched window at night", CandilEnVentana)
MG_VINYETA(VINYETA_MAIDA_BEBE_ANTIDOTO, "The antidote brought to Maida's lips", MaidaBebeAntidoto)
MG_VINYETA(VINYETA_MAIDA_EN_LA_CAMA, "Maida asleep under the moon", MaidaEnLaCama)
MG_VINYETA(VINYETA_MAIDA_RECIBE_BOLSITA, "A little leather pouch passed from hand to hand", MaidaRecibeBolsita)
MG_VINYETA(VINYETA_MAIDA_RECUPERA_EL_COLOR, "Maida's cheeks pink again, her eyes opening", MaidaRecuperaElColor)
MG_VINYETA(VINYETA_MAIDA_SUFRIENDO, "Maida tossing in a cursed sleep", MaidaSufriendo)
MG_VINYETA(VINYETA_STOKINNEN_HUELE_TAZA, "A long nose over a steaming cup", StokinnenHueleTaza)
MG_VINYETA(VINYETA_PLATO_VACIO, "A plate come back untouched", PlatoVacio)
MG_VINYETA(VINYETA_HUEVOS_REVUELTOS, "Scrambled eggs in a black pan", HuevosRevueltos)
#undef MG_VINYETA

} // namespace
} // namespace art
