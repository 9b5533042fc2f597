// Pictures of the story scenes: the text box the lines are typed into, the
// pointers package the scenes keep in use, the particles and veils of the
// scene effects, and the seals those effects charge and hand over.
#include "Arte.h"
#include "Paleta.h"
#include "Pinceles.h"

#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

namespace pl = paleta;

Color ConAlfa(const Color& c, double a) { return {c.r, c.g, c.b, a}; }

// A soft round glow of colour c, strong at the centre.
void Brillo(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    DegradadoRadial(cr, cx, cy, r, {{0, c}, {0.35, ConAlfa(c, c.a * 0.6)}, {1, ConAlfa(c, 0)}});
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// ---- the text box: a night-blue pane in a gilded frame ----
// Drawn at (0, 512): the text goes at (150, 30) of it, 724 x 195.

void CajaTexto(cairo_t* cr, double w, double h)
{
    const double x = 112, y = 10, ancho = w - 224, alto = h - 18;
    // a shadow under the pane
    RectRedondeado(cr, x + 4, y + 6, ancho, alto, 26);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    // the pane
    RectRedondeado(cr, x, y, ancho, alto, 24);
    DegradadoV(cr, y, y + alto, {{0, ConAlfa(pl::NocheAzul, 0.93)}, {0.5, ConAlfa(pl::Noche, 0.93)}, {1, ConAlfa(pl::NocheProfunda, 0.95)}});
    cairo_fill_preserve(cr);
    // the rim: gold, a dark line, a fine light line
    DegradadoV(cr, y, y + alto, {{0, pl::OroClaro}, {0.5, pl::Oro}, {1, pl::OroOscuro}});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    RectRedondeado(cr, x + 9, y + 9, ancho - 18, alto - 18, 17);
    Fuente(cr, ConAlfa(pl::OroMedio, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // a glow of moonlight across the top
    RectRedondeado(cr, x + 12, y + 12, ancho - 24, 40, 14);
    DegradadoV(cr, y + 12, y + 52, {{0, Hex(0xDCE6FF, 0.10)}, {1, Hex(0xDCE6FF, 0)}});
    cairo_fill(cr);
    // studs at the corners and the middle of the long sides
    const double studs[][2] = {{x + 24, y + 24}, {x + ancho - 24, y + 24}, {x + 24, y + alto - 24},
                               {x + ancho - 24, y + alto - 24}, {w / 2, y + 2}, {w / 2, y + alto - 2}};
    for (const auto& s : studs) {
        cairo_arc(cr, s[0], s[1], 6, 0, 2 * M_PI);
        DegradadoRadial(cr, s[0] - 2, s[1] - 2, 8, {{0, pl::OroClaro}, {1, pl::OroOscuro}});
        cairo_fill(cr);
    }
    // a crescent moon on the left and a candle flame on the right, on the rim
    for (int lado : {-1, 1}) {
        const double cx = w / 2 + lado * (ancho / 2 + 2), cy = y + alto / 2;
        Brillo(cr, cx, cy, 34, Hex(0xFFD27A, 0.45));
        cairo_arc(cr, cx, cy, 16, 0, 2 * M_PI);
        DegradadoRadial(cr, cx - 4, cy - 4, 18, {{0, pl::OroClaro}, {1, pl::Oro}});
        cairo_fill_preserve(cr);
        Fuente(cr, pl::OroOscuro);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        if (lado < 0) {
            cairo_arc(cr, cx + 5, cy - 3, 11, 0, 2 * M_PI);
            Fuente(cr, pl::Noche);
            cairo_fill(cr);
        } else {
            cairo_move_to(cr, cx, cy - 11);
            cairo_curve_to(cr, cx + 8, cy - 2, cx + 6, cy + 8, cx, cy + 9);
            cairo_curve_to(cr, cx - 6, cy + 8, cx - 8, cy - 2, cx, cy - 11);
            Fuente(cr, pl::Brasa);
            cairo_fill(cr);
        }
    }
}

RegistroImagen g_fondoJapTexto(juego::imagen::FONDO_JAP_TEXTO, 1024, 256, CajaTexto);

// ---- the pointers the scenes keep in use: arrow, pointing quill, waiting ring, go-on mark ----

void Puntero(cairo_t* cr, double, double)
{
    cairo_move_to(cr, 3, 3);
    cairo_line_to(cr, 3, 33);
    cairo_line_to(cr, 11, 25);
    cairo_line_to(cr, 17, 38);
    cairo_line_to(cr, 22, 36);
    cairo_line_to(cr, 16, 23);
    cairo_line_to(cr, 27, 23);
    cairo_close_path(cr);
    DegradadoV(cr, 3, 38, {{0, pl::OroClaro}, {1, pl::Oro}});
    cairo_fill_preserve(cr);
    Fuente(cr, pl::Tinta);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Pluma(cairo_t* cr, double w, double h)
{
    cairo_move_to(cr, 4, h - 4);
    cairo_curve_to(cr, 10, h * 0.55, w * 0.55, 8, w - 4, 4);
    cairo_curve_to(cr, w * 0.7, h * 0.4, w * 0.45, h * 0.7, 4, h - 4);
    DegradadoH(cr, 0, w, {{0, pl::Pergamino}, {1, pl::LuzDeLuna}});
    cairo_fill_preserve(cr);
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 4, h - 4);
    cairo_line_to(cr, w * 0.6, h * 0.35);
    Fuente(cr, pl::Oro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Espera(cairo_t* cr, double w, double h, int frame, int count)
{
    for (int i = 0; i < 8; ++i) {
        const double a = (i + frame * 8.0 / count) * M_PI / 4;
        const double t = 1.0 - i / 8.0;
        cairo_arc(cr, w / 2 + std::cos(a) * w * 0.36, h / 2 + std::sin(a) * h * 0.36, 2 + 2.5 * t, 0, 2 * M_PI);
        Fuente(cr, Mezcla(pl::OroOscuro, pl::OroClaro, t));
        cairo_fill(cr);
    }
}

void Sigue(cairo_t* cr, double w, double h, int frame, int count)
{
    const double dy = std::sin(frame * 2 * M_PI / count) * 3;
    Brillo(cr, w / 2, h / 2 + dy, w / 2, Hex(0xFFD27A, 0.5));
    cairo_move_to(cr, w * 0.25, h * 0.35 + dy);
    cairo_line_to(cr, w * 0.75, h * 0.35 + dy);
    cairo_line_to(cr, w * 0.5, h * 0.72 + dy);
    cairo_close_path(cr);
    DegradadoV(cr, h * 0.3, h * 0.75, {{0, pl::OroClaro}, {1, pl::Oro}});
    cairo_fill_preserve(cr);
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

RegistroPaquete g_cursores(juego::paquete::CURSORES, [] {
    Paquete p;
    p.comment = "Pointers of the story scenes: arrow, quill, waiting ring, go-on mark";
    p.sprites.push_back({0, 32, 40, 3, 3, Puntero});
    p.sprites.push_back({1, 40, 40, 4, 36, Pluma});
    AnadeFrames(p, 10, 8, 32, 32, 16, 16, Espera);
    AnadeFrames(p, 20, 8, 32, 32, 16, 16, Sigue);
    p.animations.push_back({0, {{0, 10000}}});
    p.animations.push_back({1, {{1, 10000}}});
    Animacion espera{2, {}}, sigue{3, {}};
    for (int i = 0; i < 8; ++i) {
        espera.frames.push_back({10 + i, 80});
        sigue.frames.push_back({20 + i, 90});
    }
    p.animations.push_back(espera);
    p.animations.push_back(sigue);
    return p;
});

// ---- the particles of the scene effects ----

// A ray of light falling from its top end (its hotspot).
void Rayo(cairo_t* cr, double w, double h)
{
    cairo_move_to(cr, w * 0.3, 0);
    cairo_line_to(cr, w * 0.7, 0);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    cairo_pattern_t* v = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(v, 0, 1.0, 0.96, 0.82, 0.55);
    cairo_pattern_add_color_stop_rgba(v, 1, 1.0, 0.9, 0.7, 0.0);
    cairo_set_source(cr, v);
    cairo_pattern_destroy(v);
    cairo_fill(cr);
    // soften the sides
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    DegradadoH(cr, 0, w, {{0, Hex(0, 0)}, {0.5, Hex(0, 1)}, {1, Hex(0, 0)}});
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// The veil of the mists and the evening light: white, strongest at the top.
void Velo(cairo_t* cr, double w, double h)
{
    DegradadoV(cr, 0, h, {{0, Hex(0xFFFFFF, 1.0)}, {0.6, Hex(0xFFFFFF, 0.55)}, {1, Hex(0xFFFFFF, 0.0)}});
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
}

// A leaf or a petal, turned by `giro`.
void Hoja(cairo_t* cr, double w, double h, const Color& c, const Color& vena, double giro, double anchura)
{
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, giro);
    const double l = w * 0.42;
    cairo_move_to(cr, -l, 0);
    cairo_curve_to(cr, -l * 0.4, -l * anchura, l * 0.4, -l * anchura, l, 0);
    cairo_curve_to(cr, l * 0.4, l * anchura, -l * 0.4, l * anchura, -l, 0);
    DegradadoH(cr, -l, l, {{0, Mezcla(c, Hex(0xFFFFFF), 0.3)}, {1, c}});
    cairo_fill(cr);
    cairo_move_to(cr, -l * 0.9, 0);
    cairo_line_to(cr, l * 0.8, 0);
    Fuente(cr, vena);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Petalo(cairo_t* cr, double w, double h, double giro, const Color& c)
{
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, giro);
    cairo_move_to(cr, 0, -h * 0.4);
    cairo_curve_to(cr, w * 0.45, -h * 0.35, w * 0.35, h * 0.3, 0, h * 0.4);
    cairo_curve_to(cr, -w * 0.35, h * 0.3, -w * 0.45, -h * 0.35, 0, -h * 0.4);
    DegradadoRadial(cr, 0, h * 0.2, h * 0.5, {{0, Mezcla(c, Hex(0xFFFFFF), 0.45)}, {1, c}});
    cairo_fill(cr);
    cairo_restore(cr);
}

// A four-pointed spark in a glow.
void Chispa(cairo_t* cr, double w, double h, const Color& c)
{
    Brillo(cr, w / 2, h / 2, w / 2, ConAlfa(c, 0.55));
    Destello(cr, w / 2, h / 2, w * 0.45, Mezcla(c, Hex(0xFFFFFF), 0.5));
}

void Nube(cairo_t* cr, double w, double h, const Color& c)
{
    const double bolas[][3] = {{0.35, 0.55, 0.28}, {0.6, 0.5, 0.3}, {0.48, 0.38, 0.26}, {0.5, 0.62, 0.3}};
    for (const auto& b : bolas) Brillo(cr, w * b[0], h * b[1], w * b[2] * 1.3, c);
}

void Astilla(cairo_t* cr, double w, double h, const Color& c, const Color& luz, int forma)
{
    cairo_move_to(cr, w * 0.1, h * (0.5 + 0.1 * forma));
    cairo_line_to(cr, w * 0.45, h * 0.1);
    cairo_line_to(cr, w * 0.9, h * (0.35 + 0.1 * forma));
    cairo_line_to(cr, w * 0.55, h * 0.9);
    cairo_close_path(cr);
    DegradadoV(cr, 0, h, {{0, luz}, {1, c}});
    cairo_fill_preserve(cr);
    Fuente(cr, ConAlfa(pl::Tinta, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void Madera(cairo_t* cr, double w, double h, int forma)
{
    cairo_move_to(cr, 2, h * 0.3);
    cairo_line_to(cr, w * (0.7 + 0.1 * forma), 2);
    cairo_line_to(cr, w - 2, h * 0.5);
    cairo_line_to(cr, w * 0.3, h - 2);
    cairo_close_path(cr);
    DegradadoV(cr, 0, h, {{0, Hex(0xB07A44)}, {1, Hex(0x5A3618)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x2E1B05));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

RegistroPaquete g_efectos(juego::paquete::EFECTOS_SECUENCIA, [] {
    Paquete p;
    p.comment = "Particles and veils of the story scenes' effects";
    p.sprites.push_back({0, 64, 640, 32, 0, Rayo});
    p.sprites.push_back({1, 30, 30, 15, 0, Velo});
    const Color verdes[] = {Hex(0x3E8A3A), Hex(0x5BA84A), Hex(0x2E6E3A), Hex(0x7CB85A)};
    const Color tarde[] = {Hex(0xC8641E), Hex(0xD9A441), Hex(0xA8401E), Hex(0xE0802A)};
    const Color rosas[] = {Hex(0xE05A7A), Hex(0xF07A9A), Hex(0xC8405E), Hex(0xF49AB0)};
    for (int i = 0; i < 4; ++i) {
        p.sprites.push_back({10 + i, 32, 32, 16, 16, [=](cairo_t* cr, double w, double h) {
                                 Hoja(cr, w, h, verdes[i], Hex(0x1E3B34, 0.6), i * 0.7, 0.45 + 0.08 * i);
                             }});
        p.sprites.push_back({44 + i, 32, 32, 16, 16, [=](cairo_t* cr, double w, double h) {
                                 Hoja(cr, w, h, tarde[i], Hex(0x5A2E10, 0.6), 0.4 + i * 0.8, 0.5 + 0.05 * i);
                             }});
        p.sprites.push_back({15 + i, 24, 24, 12, 12, [=](cairo_t* cr, double w, double h) {
                                 Petalo(cr, w, h, i * 0.9, rosas[i]);
                             }});
    }
    const auto chispa = [&p](int slot, int lado, Color c) {
        p.sprites.push_back({slot, lado, lado, lado / 2.0, lado / 2.0,
                             [c](cairo_t* cr, double w, double h) { Chispa(cr, w, h, c); }});
    };
    chispa(20, 20, pl::Ambar);
    chispa(21, 14, pl::Brasa);
    chispa(30, 20, Hex(0x6FD8FF));
    chispa(31, 14, Hex(0x0F8EC7));
    chispa(32, 20, Hex(0xFF5A4A));
    chispa(33, 14, Hex(0x91000A));
    chispa(35, 22, pl::Lavanda);
    chispa(37, 22, Hex(0xFF6AA8));
    p.sprites.push_back({23, 32, 32, 16, 16, [](cairo_t* cr, double w, double h) { Brillo(cr, w / 2, h / 2, w / 2, Hex(0xC9C0A8, 0.8)); }});
    p.sprites.push_back({24, 64, 64, 32, 32, [](cairo_t* cr, double w, double h) { Nube(cr, w, h, Hex(0xD8D4CC, 0.5)); }});
    p.sprites.push_back({25, 64, 64, 32, 32, [](cairo_t* cr, double w, double h) { Nube(cr, w, h, Hex(0x9AE0A8, 0.5)); }});
    p.sprites.push_back({29, 48, 48, 24, 24, [](cairo_t* cr, double w, double h) {
                             Brillo(cr, w / 2, h / 2, w / 2, Hex(0xFFFFFF, 0.9));
                             Brillo(cr, w / 2, h / 2, w / 5, Hex(0xFFFFFF, 1.0));
                         }});
    p.sprites.push_back({34, 12, 12, 6, 6, [](cairo_t* cr, double w, double h) {
                             cairo_arc(cr, w / 2, h / 2, w * 0.4, 0, 2 * M_PI);
                             DegradadoRadial(cr, w * 0.4, h * 0.4, w * 0.5, {{0, Hex(0xE8C080)}, {1, Hex(0x8A5A28)}});
                             cairo_fill(cr);
                         }});
    p.sprites.push_back({36, 128, 128, 64, 64, [](cairo_t* cr, double w, double h) { Brillo(cr, w / 2, h / 2, w / 2, Hex(0xC8B4FF, 0.9)); }});
    p.sprites.push_back({38, 128, 128, 64, 64, [](cairo_t* cr, double w, double h) { Brillo(cr, w / 2, h / 2, w / 2, Hex(0xFF8AC0, 0.9)); }});
    for (int i = 0; i < 2; ++i) {
        p.sprites.push_back({39 + i, 24, 24, 12, 12, [i](cairo_t* cr, double w, double h) {
                                 Astilla(cr, w, h, Hex(0x4A8AD8), Hex(0xDCF0FF), i);
                             }});
        p.sprites.push_back({41 + i, 24, 24, 12, 12, [i](cairo_t* cr, double w, double h) {
                                 Astilla(cr, w, h, pl::OroOscuro, pl::OroClaro, i);
                             }});
    }
    p.sprites.push_back({43, 32, 32, 16, 16, [](cairo_t* cr, double w, double h) {
                             Brillo(cr, w / 2, h / 2, w / 2, Hex(0xFFE9A8, 0.9));
                             Brillo(cr, w / 2, h / 2, w / 6, Hex(0xFFFFFF, 1.0));
                         }});
    for (int i = 0; i < 3; ++i)
        p.sprites.push_back({48 + i, 28 + 6 * i, 14, 14.0 + 3 * i, 7, [i](cairo_t* cr, double w, double h) { Madera(cr, w, h, i); }});
    // Every painted sprite in an animation of its own number.
    for (const Sprite& s : p.sprites) p.animations.push_back({s.slot, {{s.slot, 10000}}});
    return p;
});

// ---- the seals ----

// A seal: a ring of runes around a star of `puntas` points.
void Sello(cairo_t* cr, double w, double h, const Color& c, int puntas, double giro)
{
    const double cx = w / 2, cy = h / 2, r = w * 0.46;
    Brillo(cr, cx, cy, r, ConAlfa(c, 0.35));
    cairo_set_line_width(cr, w * 0.02);
    Fuente(cr, Mezcla(c, Hex(0xFFFFFF), 0.4));
    cairo_arc(cr, cx, cy, r * 0.92, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * M_PI);
    cairo_stroke(cr);
    // runes: small strokes between the two rings
    cairo_set_line_width(cr, w * 0.012);
    for (int i = 0; i < 16; ++i) {
        const double a = giro + i * M_PI / 8;
        const double r0 = r * 0.76, r1 = r * 0.88;
        cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0);
        cairo_line_to(cr, cx + std::cos(a + 0.08) * r1, cy + std::sin(a + 0.08) * r1);
        cairo_line_to(cr, cx + std::cos(a + 0.16) * r0, cy + std::sin(a + 0.16) * r0);
    }
    cairo_stroke(cr);
    // the star
    cairo_set_line_width(cr, w * 0.018);
    for (int i = 0; i <= puntas; ++i) {
        const double a = giro - M_PI / 2 + i * 2 * M_PI * 2 / puntas;
        const double x = cx + std::cos(a) * r * 0.7, y = cy + std::sin(a) * r * 0.7;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    Fuente(cr, Mezcla(c, Hex(0xFFFFFF), 0.6));
    cairo_stroke(cr);
    Brillo(cr, cx, cy, r * 0.25, Hex(0xFFFFFF, 0.8));
}

RegistroPaquete g_selloStokinnen(juego::paquete::EFECTO_SELLO_STOKINNEN, [] {
    Paquete p;
    p.comment = "Stokinnen's seal, its ring and its star, tinted when drawn";
    p.sprites.push_back({0, 256, 256, 128, 128, [](cairo_t* cr, double w, double h) { Sello(cr, w, h, Hex(0xFFFFFF), 7, 0); }});
    p.sprites.push_back({1, 256, 256, 128, 128, [](cairo_t* cr, double w, double h) {
                             Sello(cr, w, h, Hex(0xFFFFFF), 5, M_PI / 5);
                         }});
    p.animations.push_back({0, {{0, 10000}}});
    p.animations.push_back({1, {{1, 10000}}});
    return p;
});

RegistroPaquete g_sellos(juego::paquete::EFECTO_SELLOS, [] {
    Paquete p;
    p.comment = "The three seals handed to Maida, and the glow of a seal being charged";
    const Color colores[] = {pl::Oro, Hex(0x6FB8FF), Hex(0xFF7AA8)};
    for (int i = 0; i < 3; ++i)
        p.sprites.push_back({i, 128, 128, 64, 64, [=](cairo_t* cr, double w, double h) { Sello(cr, w, h, colores[i], 5 + 2 * i, i * 0.4); }});
    p.sprites.push_back({3, 160, 160, 80, 80, [](cairo_t* cr, double w, double h) {
                             Brillo(cr, w / 2, h / 2, w / 2, Hex(0xFFE9A8, 0.7));
                             Sello(cr, w, h, pl::OroClaro, 9, 0.2);
                         }});
    for (int i = 0; i < 4; ++i) p.animations.push_back({i, {{i, 10000}}});
    return p;
});

} // namespace
} // namespace art
