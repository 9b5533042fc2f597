// The engine's own art: the placeholders of missing pictures, the pointer
// cursor, the white square of the fade overlay, the two frame styles of the
// interface and the layout editor's handles.
#include "Arte.h"
#include "Pinceles.h"

#include "engine/core/CatalogoMotor.h"

#include <cmath>

namespace art {
namespace {

// ---- placeholders: loud, unmistakable, each with its own colours and label ----

Painter Marcador(const char* label, Color a, Color b, Color ink, bool stripes)
{
    return [=](cairo_t* cr, double w, double h) {
        if (stripes) {
            Fuente(cr, a);
            cairo_paint(cr);
            Fuente(cr, b);
            cairo_set_line_width(cr, 6);
            for (double d = -h; d < w + h; d += 16) {
                cairo_move_to(cr, d, 0);
                cairo_line_to(cr, d + h, h);
            }
            cairo_stroke(cr);
        } else {
            Ajedrez(cr, w, h, 8, a, b);
        }
        cairo_set_line_width(cr, 3);
        Fuente(cr, ink);
        cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
        cairo_stroke(cr);
        Fuente(cr, Hex(0x000000, 0.8));
        RectRedondeado(cr, 7, 9, w - 14, h - 18, 5);
        cairo_fill(cr);
        Fuente(cr, ink);
        cairo_set_line_width(cr, 2.2);
        const double size = 12;
        Letras(cr, label, (w - AnchoLetras(label, size)) / 2, 15, size);
        cairo_set_line_width(cr, 3);
        Letras(cr, "?", (w - AnchoLetras("?", 16)) / 2, 33, 16);
    };
}

RegistroImagen g_spmNoEncontrado(motor::marcador::SPM_NO_ENCONTRADO, 64, 64,
                                 Marcador("SPM", Hex(0xFF00FF), Hex(0x000000), Hex(0xFFFF00), false));
RegistroImagen g_spriteNoExiste(motor::marcador::SPRITE_NO_EXISTE, 64, 64,
                                Marcador("SPR", Hex(0xFF8000), Hex(0x000000), Hex(0x00FFFF), true));
RegistroImagen g_pngNoEncontrado(motor::marcador::PNG_NO_ENCONTRADO, 64, 64,
                                 Marcador("PNG", Hex(0x00E0E0), Hex(0x000000), Hex(0xFF2020), false));

// ---- the pointer cursor: a gilded arrow with a glint running down it ----

void Flecha(cairo_t* cr)
{
    cairo_move_to(cr, 3, 3);
    cairo_line_to(cr, 3, 29);
    cairo_line_to(cr, 9.5, 23.5);
    cairo_line_to(cr, 14.5, 34);
    cairo_line_to(cr, 19, 32);
    cairo_line_to(cr, 14, 21.5);
    cairo_line_to(cr, 22.5, 21.5);
    cairo_close_path(cr);
}

void Cursor(cairo_t* cr, double w, double h, int frame, int count)
{
    (void)w;
    // drop shadow
    cairo_save(cr);
    cairo_translate(cr, 1.5, 2);
    Flecha(cr);
    Fuente(cr, Hex(0x000000, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    // body
    Flecha(cr);
    DegradadoV(cr, 3, 34, {{0, Hex(0xFFF4C0)}, {0.45, Hex(0xF2C24A)}, {1, Hex(0xA86A12)}});
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 1.6);
    Fuente(cr, Hex(0x3A2308));
    cairo_stroke(cr);
    // inner highlight along the left edge
    cairo_move_to(cr, 5, 7.5);
    cairo_line_to(cr, 5, 24);
    Fuente(cr, Hex(0xFFFFFF, 0.55));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // the glint: frames 1..count-1 run it from the tip down the edge
    if (frame > 0) {
        double t = double(frame - 1) / (count - 2);
        double y = 4 + t * 22;
        Flecha(cr);
        cairo_clip(cr);
        DegradadoV(cr, y - 5, y + 5, {{0, Hex(0xFFFFFF, 0)}, {0.5, Hex(0xFFFFFF, 0.75)}, {1, Hex(0xFFFFFF, 0)}});
        cairo_paint(cr);
        cairo_reset_clip(cr);
        Destello(cr, 4, y, 5 + 2 * std::sin(t * M_PI), Hex(0xFFFFFF, 0.95));
    }
    (void)h;
}

// ---- the in-game pointer's states: overlays laid over the arrow (same size
// and tip), and the effects drawn about it, centred on their hotspot ----

void Copos(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.2);
    Fuente(cr, c);
    for (int k = 0; k < 3; ++k) {
        const double a = k * M_PI / 3;
        cairo_move_to(cr, cx - r * std::cos(a), cy - r * std::sin(a));
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_stroke(cr);
}

void Escarcha(cairo_t* cr, double, double)
{
    Flecha(cr);
    DegradadoV(cr, 3, 34, {{0, Hex(0xE8F6FF, 0.85)}, {1, Hex(0x6FB4E8, 0.75)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    Copos(cr, 7, 12, 3, Hex(0xFFFFFF));
    Copos(cr, 12, 24, 2.5, Hex(0xFFFFFF));
}

void Temblor(cairo_t* cr, double, double)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.6);
    Fuente(cr, Hex(0xFFD27A, 0.9));
    for (int k = 0; k < 3; ++k) {
        const double y = 8 + k * 9;
        cairo_move_to(cr, 20 + k, y);
        cairo_curve_to(cr, 22 + k, y - 3, 24 + k, y + 3, 25, y);
    }
    cairo_stroke(cr);
    Flecha(cr);
    Fuente(cr, Hex(0xFFB347, 0.35));
    cairo_fill(cr);
}

void Bloqueo(cairo_t* cr, double, double)
{
    Flecha(cr);
    Fuente(cr, Hex(0x3B2669, 0.55));
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3);
    Fuente(cr, Hex(0xD0203A, 0.95));
    cairo_arc(cr, 12, 18, 8, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_move_to(cr, 6.5, 23.5);
    cairo_line_to(cr, 17.5, 12.5);
    cairo_stroke(cr);
}

void Invertido(cairo_t* cr, double, double)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2);
    Fuente(cr, Hex(0xB9A6E8, 0.95));
    cairo_arc(cr, 13, 19, 9, -M_PI * 0.9, -M_PI * 0.1);
    cairo_stroke(cr);
    cairo_arc(cr, 13, 19, 9, M_PI * 0.1, M_PI * 0.9);
    cairo_stroke(cr);
    for (int k = 0; k < 2; ++k) {
        const double x = k ? 4.5 : 21.5, y = k ? 22 : 16, d = k ? -1 : 1;
        cairo_move_to(cr, x - 3, y - 3 * d);
        cairo_line_to(cr, x, y);
        cairo_line_to(cr, x + 3, y - 3 * d);
        cairo_stroke(cr);
    }
}

void Persecucion(cairo_t* cr, double, double)
{
    Flecha(cr);
    DegradadoV(cr, 3, 34, {{0, Hex(0xFFFFFF, 0.95)}, {1, Hex(0xDCE6FF, 0.8)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x7A5CB8));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void BloqueHielo(cairo_t* cr, double w, double h)
{
    RectRedondeado(cr, 3, 3, w - 6, h - 6, 6);
    DegradadoV(cr, 3, h - 3, {{0, Hex(0xE8F6FF, 0.55)}, {0.5, Hex(0x9ED0F5, 0.45)}, {1, Hex(0x4E8FC8, 0.6)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0xFFFFFF, 0.85));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 9, 10);
    cairo_line_to(cr, 9, h * 0.45);
    cairo_move_to(cr, 14, 8);
    cairo_line_to(cr, w * 0.45, 8);
    Fuente(cr, Hex(0xFFFFFF, 0.7));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

Painter Esquirla(int n)
{
    return [n](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2;
        cairo_move_to(cr, cx, 1);
        cairo_line_to(cr, w - 1 - n, cy - n);
        cairo_line_to(cr, cx + 2, h - 1);
        cairo_line_to(cr, 1 + n, cy + 2);
        cairo_close_path(cr);
        DegradadoV(cr, 0, h, {{0, Hex(0xF4FBFF, 0.95)}, {1, Hex(0x6FB4E8, 0.85)}});
        cairo_fill_preserve(cr);
        Fuente(cr, Hex(0xFFFFFF));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    };
}

Painter Chispa(unsigned centro, unsigned borde)
{
    return [=](cairo_t* cr, double w, double h) {
        DegradadoRadial(cr, w / 2, h / 2, w / 2, {{0, Hex(centro)}, {0.35, Hex(borde, 0.8)}, {1, Hex(borde, 0)}});
        cairo_paint(cr);
        Destello(cr, w / 2, h / 2, w * 0.45, Hex(centro, 0.9));
    };
}

void Marca(cairo_t* cr, double w, double h)
{
    DegradadoRadial(cr, w / 2, h / 2, w / 2,
                    {{0, Hex(0xFFFFFF)}, {0.3, Hex(0xFFE9A8, 0.9)}, {0.7, Hex(0xF2A93B, 0.35)}, {1, Hex(0xF2A93B, 0)}});
    cairo_paint(cr);
}

void Escudo(cairo_t* cr, double w, double h)
{
    const double r = w / 2 - 2;
    DegradadoRadial(cr, w / 2, h / 2, r,
                    {{0, Hex(0x9ED0F5, 0.05)}, {0.75, Hex(0x9ED0F5, 0.25)}, {0.95, Hex(0xDCE6FF, 0.75)}, {1, Hex(0xDCE6FF, 0)}});
    cairo_arc(cr, w / 2, h / 2, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, w / 2, h / 2, r - 1.5, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFE9A8, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, w * 0.36, h * 0.34, r * 0.25, M_PI, 1.5 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.8));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void Golpe(cairo_t* cr, double w, double h)
{
    const double cx = w / 2, cy = h / 2;
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8, r = (k % 2) ? w * 0.22 : w * 0.48;
        if (k == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    DegradadoRadial(cr, cx, cy, w / 2, {{0, Hex(0xFFF4C0)}, {0.5, Hex(0xE0572A)}, {1, Hex(0xD0203A)}});
    cairo_fill(cr);
}

Paquete PaqueteCursor()
{
    Paquete p;
    p.comment = "In-game pointer: 0 the gilded arrow; overlays 1 frozen, 2 shaking, 3 blocked, 11 chased, 12 inverted; "
                "4 ice block; 5-7 ice shards; sparks 8, 14 bright, 16 burnt; 9 the chase mark; 13 shield; 15 hit; "
                "17-22 the arrow's glint, which animation 0 runs";
    const int frames = 7;
    AnadeFrames(p, 0, 1, 26, 38, 3, 3, [](cairo_t* cr, double w, double h, int, int) { Cursor(cr, w, h, 0, frames); });
    AnadeFrames(p, 17, frames - 1, 26, 38, 3, 3,
                [](cairo_t* cr, double w, double h, int f, int) { Cursor(cr, w, h, f + 1, frames); });
    p.sprites.push_back({1, 26, 38, 3, 3, Escarcha});
    p.sprites.push_back({2, 26, 38, 3, 3, Temblor});
    p.sprites.push_back({3, 26, 38, 3, 3, Bloqueo});
    p.sprites.push_back({11, 26, 38, 3, 3, Persecucion});
    p.sprites.push_back({12, 26, 38, 3, 3, Invertido});
    p.sprites.push_back({4, 48, 56, 14, 12, BloqueHielo});
    for (int i = 0; i < 3; ++i) p.sprites.push_back({5 + i, 18 + 4 * i, 22 + 3 * i, 9.0 + 2 * i, 11.0 + 1.5 * i, Esquirla(i)});
    p.sprites.push_back({8, 24, 24, 12, 12, Chispa(0xFFE9A8, 0xC48B30)});
    p.sprites.push_back({14, 24, 24, 12, 12, Chispa(0xFFFFFF, 0xDCE6FF)});
    p.sprites.push_back({16, 24, 24, 12, 12, Chispa(0xFFD27A, 0xE0572A)});
    p.sprites.push_back({9, 48, 48, 24, 24, Marca});
    p.sprites.push_back({13, 72, 72, 36, 36, Escudo});
    p.sprites.push_back({15, 40, 40, 20, 20, Golpe});
    Animacion a{0, {{0, 900}}};
    for (int i = 0; i < frames - 1; ++i) a.frames.push_back({17 + i, 55});
    p.animations.push_back(a);
    return p;
}
RegistroPaquete g_cursor(motor::paquete::CURSOR_INGAME, PaqueteCursor);

// ---- the white square that the fade overlay stretches over the field ----

Paquete PaqueteCuadroBlanco()
{
    Paquete p;
    p.comment = "A plain white square, centred on its hotspot, for overlays and tinted blocks";
    Sprite s;
    s.slot = 0;
    s.w = s.h = 16;
    s.hx = s.hy = 8;
    s.mode = MODO_OPACO;
    s.paint = [](cairo_t* cr, double, double) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
    };
    p.sprites.push_back(s);
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}
RegistroPaquete g_cuadro(motor::paquete::CUADRO_BLANCO, PaqueteCuadroBlanco);

// ---- interface frame styles ----

// Lineas: a fine double line with a soft glow and a faint body, drawn in
// near-white so that the styles' colours tint it.
void PanelLineas(cairo_t* cr, double w, double h)
{
    RectRedondeado(cr, 3, 3, w - 6, h - 6, 7);
    Fuente(cr, Hex(0xFFFFFF, 0.10));
    cairo_fill(cr);
    for (int i = 3; i >= 1; --i) { // glow
        RectRedondeado(cr, 3.5, 3.5, w - 7, h - 7, 7);
        Fuente(cr, Hex(0xFFFFFF, 0.07));
        cairo_set_line_width(cr, 2.0 + 2.0 * i);
        cairo_stroke(cr);
    }
    RectRedondeado(cr, 3.5, 3.5, w - 7, h - 7, 7);
    Fuente(cr, Hex(0xFFFFFF, 0.95));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    RectRedondeado(cr, 7.5, 7.5, w - 15, h - 15, 4);
    Fuente(cr, Hex(0xE8ECFF, 0.55));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // small diamond studs in the corners
    const double pts[4][2] = {{7.5, 7.5}, {w - 7.5, 7.5}, {7.5, h - 7.5}, {w - 7.5, h - 7.5}};
    for (const auto& p : pts) {
        cairo_move_to(cr, p[0], p[1] - 2.8);
        cairo_line_to(cr, p[0] + 2.8, p[1]);
        cairo_line_to(cr, p[0], p[1] + 2.8);
        cairo_line_to(cr, p[0] - 2.8, p[1]);
        cairo_close_path(cr);
        Fuente(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
    }
}

// Paneles: a gilded, bevelled rim around a deep blue body, with gems set in
// the corners.
void PanelDorado(cairo_t* cr, double w, double h)
{
    const double r = 12;
    // outer dark outline and drop
    RectRedondeado(cr, 1, 2, w - 2, h - 2, r);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    // rim
    RectRedondeado(cr, 1, 1, w - 2, h - 3, r);
    DegradadoV(cr, 0, h, {{0, Hex(0xFFE9A8)}, {0.12, Hex(0xD9A441)}, {0.5, Hex(0x9C6A1E)},
                          {0.88, Hex(0xC48B30)}, {1, Hex(0x6B4411)}});
    cairo_fill(cr);
    RectRedondeado(cr, 1.5, 1.5, w - 3, h - 4, r);
    Fuente(cr, Hex(0x2E1B05));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // rim highlight
    RectRedondeado(cr, 3.5, 3.5, w - 7, h - 8, r - 2);
    Fuente(cr, Hex(0xFFF6D0, 0.55));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // body
    const double in = 9;
    RectRedondeado(cr, in, in, w - 2 * in, h - 2 * in - 1, 6);
    DegradadoV(cr, in, h - in, {{0, Hex(0x2B3A6E, 0.96)}, {0.5, Hex(0x1A2450, 0.96)}, {1, Hex(0x101735, 0.96)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Hex(0x0A0E22));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // inner bevel light along the body's top
    cairo_move_to(cr, in + 6, in + 1.5);
    cairo_line_to(cr, w - in - 6, in + 1.5);
    Fuente(cr, Hex(0x8FA6FF, 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // corner gems
    const double g = 7;
    const double pts[4][2] = {{g, g}, {w - g, g}, {g, h - g - 1}, {w - g, h - g - 1}};
    for (const auto& p : pts) {
        cairo_arc(cr, p[0], p[1], 4.2, 0, 2 * M_PI);
        Fuente(cr, Hex(0x2E1B05));
        cairo_fill(cr);
        cairo_arc(cr, p[0], p[1], 3.2, 0, 2 * M_PI);
        DegradadoRadial(cr, p[0] - 1, p[1] - 1, 4, {{0, Hex(0xFFB0C0)}, {0.5, Hex(0xD0203A)}, {1, Hex(0x5A0612)}});
        cairo_fill(cr);
    }
}

Paquete EstiloLineas()
{
    Paquete lineas;
    lineas.comment = "Frame style of lines: a fine glowing double line (nine slices, slots 0-8)";
    AnadeNueveTrozos(lineas, 0, {12, 12, 12, 12, 8}, PanelLineas);
    return lineas;
}
RegistroPaquete g_lineas(motor::paquete::LINEAS, EstiloLineas);

Paquete EstiloPaneles()
{
    Paquete paneles;
    paneles.comment = "Frame style of panels: a gilded rim around a deep blue body (nine slices, slots 0-8)";
    AnadeNueveTrozos(paneles, 0, {20, 20, 20, 21, 8}, PanelDorado);
    return paneles;
}
RegistroPaquete g_paneles(motor::paquete::PANELES, EstiloPaneles);

// ---- the layout editor's handles: 0 moves (top-left), 1 resizes
// (bottom-right), 2 and 3 only mark the other corners ----

// A gold-rimmed night-blue knob centred in a 28 by 28 cell.
void Perilla(cairo_t* cr, double w, double h, bool activa)
{
    const double cx = w / 2, cy = h / 2, r = activa ? 11.0 : 7.5;
    cairo_arc(cr, cx + 0.8, cy + 1.2, r, 0, 2 * M_PI);
    Fuente(cr, Hex(0x000000, 0.4));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.35, cy - r * 0.35, r * 1.3,
                    {{0, Hex(0x3B4F94)}, {0.6, Hex(0x1A2450)}, {1, Hex(0x0D1230)}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    DegradadoV(cr, cy - r, cy + r, {{0, Hex(0xFFE9A8)}, {0.5, Hex(0xD9A441)}, {1, Hex(0x8A5A16)}});
    cairo_stroke(cr);
}

// An arrow head at (x, y) pointing along (dx, dy).
void Punta(cairo_t* cr, double x, double y, double dx, double dy)
{
    const double s = 3.2;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - dx * s - dy * s, y - dy * s + dx * s);
    cairo_line_to(cr, x - dx * s + dy * s, y - dy * s - dx * s);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void AsaMover(cairo_t* cr, double w, double h)
{
    Perilla(cr, w, h, true);
    const double cx = w / 2, cy = h / 2, l = 7;
    Fuente(cr, Hex(0xFFF4C0));
    cairo_set_line_width(cr, 1.4);
    cairo_move_to(cr, cx - l + 2, cy);
    cairo_line_to(cr, cx + l - 2, cy);
    cairo_move_to(cr, cx, cy - l + 2);
    cairo_line_to(cr, cx, cy + l - 2);
    cairo_stroke(cr);
    Punta(cr, cx + l, cy, 1, 0);
    Punta(cr, cx - l, cy, -1, 0);
    Punta(cr, cx, cy + l, 0, 1);
    Punta(cr, cx, cy - l, 0, -1);
}

void AsaRedimensionar(cairo_t* cr, double w, double h)
{
    Perilla(cr, w, h, true);
    const double cx = w / 2, cy = h / 2, l = 5.2, d = M_SQRT1_2;
    Fuente(cr, Hex(0xFFF4C0));
    cairo_set_line_width(cr, 1.4);
    cairo_move_to(cr, cx - l + 1.5, cy - l + 1.5);
    cairo_line_to(cr, cx + l - 1.5, cy + l - 1.5);
    cairo_stroke(cr);
    Punta(cr, cx + l, cy + l, d, d);
    Punta(cr, cx - l, cy - l, -d, -d);
}

void AsaEsquina(cairo_t* cr, double w, double h)
{
    Perilla(cr, w, h, false);
    Destello(cr, w / 2, h / 2, 3.5, Hex(0xFFF4C0, 0.9));
}

Paquete IconosEditor()
{
    Paquete p;
    p.comment = "Layout editor: the handles drawn at an object's corners (0 move, 1 resize, 2 and 3 corners)";
    const Painter asas[4] = {AsaMover, AsaRedimensionar, AsaEsquina, AsaEsquina};
    for (int i = 0; i < 4; ++i) {
        Sprite s;
        s.slot = i;
        s.w = s.h = 28;
        s.hx = s.hy = 14;
        s.paint = asas[i];
        p.sprites.push_back(s);
        p.animations.push_back({i, {{i, 10000}}});
    }
    return p;
}
RegistroPaquete g_iconosEditor(motor::paquete::ICONOS_EDITOR, IconosEditor);

} // namespace
} // namespace art
