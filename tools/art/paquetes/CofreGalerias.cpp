// The chest's galleries and cabinet: the titles of the gallery, the seals,
// the trophies and the chapters; the black square that veils an enlarged
// seal; the 48 trophies of the three trophy packages; and the gallery's 45
// thumbnails, each the story's picture itself in small inside a gilded
// frame (a picture not painted yet shows a moonlit veil until it is).
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Piezas.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>
#include <memory>
#include <string>

namespace art {
namespace {

using namespace paleta;

void Trazo(cairo_t* cr, double ancho)
{
    Fuente(cr, OroOscuro);
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

// ---- the titles' emblems, small in the cartouche's shield ----

void EmblemaCuadro(cairo_t* cr, double cx, double cy)
{
    cairo_rectangle(cr, cx - 11, cy - 8, 22, 16);
    OroV(cr, cy - 8, cy + 8);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 8, cy - 5, 16, 10);
    DegradadoV(cr, cy - 5, cy + 5, {{0, NocheProfunda}, {1, Violeta}});
    cairo_fill(cr);
    cairo_arc(cr, cx + 3, cy - 1, 2.2, 0, 2 * M_PI);
    Fuente(cr, LuzDeLuna);
    cairo_fill(cr);
}

void EmblemaSello(cairo_t* cr, double cx, double cy)
{
    cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
    Fuente(cr, Lavanda);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * 9, cy + std::sin(a) * 9);
        else
            cairo_line_to(cr, cx + std::cos(a) * 9, cy + std::sin(a) * 9);
    }
    cairo_close_path(cr);
    Fuente(cr, LuzDeVela);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void EmblemaCopa(cairo_t* cr, double cx, double cy)
{
    cairo_move_to(cr, cx - 10, cy - 11);
    cairo_line_to(cr, cx + 10, cy - 11);
    cairo_curve_to(cr, cx + 10, cy + 1, cx + 4, cy + 3, cx + 2, cy + 4);
    cairo_line_to(cr, cx + 2, cy + 8);
    cairo_line_to(cr, cx + 7, cy + 11);
    cairo_line_to(cr, cx - 7, cy + 11);
    cairo_line_to(cr, cx - 2, cy + 8);
    cairo_line_to(cr, cx - 2, cy + 4);
    cairo_curve_to(cr, cx - 4, cy + 3, cx - 10, cy + 1, cx - 10, cy - 11);
    cairo_close_path(cr);
    OroV(cr, cy - 11, cy + 11);
    cairo_fill(cr);
}

void EmblemaLibro(cairo_t* cr, double cx, double cy)
{
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx, cy + 7);
        cairo_curve_to(cr, cx + lado * 5, cy + 5, cx + lado * 10, cy + 6, cx + lado * 13, cy + 8);
        cairo_line_to(cr, cx + lado * 13, cy - 7);
        cairo_curve_to(cr, cx + lado * 10, cy - 9, cx + lado * 5, cy - 10, cx, cy - 8);
        cairo_close_path(cr);
        Fuente(cr, Pergamino);
        cairo_fill(cr);
    }
    cairo_move_to(cr, cx, cy - 8);
    cairo_line_to(cr, cx, cy + 12);
    Fuente(cr, Rubi);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

using Emblema = void (*)(cairo_t*, double, double);
Paquete TituloEmblema(const char* comentario, Emblema e)
{
    return Titulo(comentario, [e](cairo_t* cr, double cx, double cy) { e(cr, cx, cy); });
}

RegistroPaquete g_titGaleria(juego::paquete::TITULO_GALERIA,
                             [] { return TituloEmblema("The gallery's title: scrolls round a little picture", EmblemaCuadro); });
RegistroPaquete g_titSellos(juego::paquete::TITULO_SELLOS,
                            [] { return TituloEmblema("The seals' title: scrolls round a ring and a star", EmblemaSello); });
RegistroPaquete g_titTrofeos(juego::paquete::TITULO_TROFEOS,
                             [] { return TituloEmblema("The trophies' title: scrolls round a cup", EmblemaCopa); });
RegistroPaquete g_titCapitulos(juego::paquete::TITULO_CAPITULOS,
                               [] { return TituloEmblema("The chapters' title: scrolls round an open book", EmblemaLibro); });

RegistroPaquete g_cuadroNegro(juego::paquete::CUADRO_NEGRO, [] {
    return UnSprite("A black square of 32 points, scaled over the field as a veil",
                    Centrado(0, 32, 32, [](cairo_t* cr, double, double) {
                        Fuente(cr, Hex(0x000000));
                        cairo_paint(cr);
                    }));
});

// ---- the trophies: sixteen to a package, each its own shape, metal and
// stone, standing on a small dark plinth ----

struct Metal {
    Color claro, medio, oscuro;
};
const Metal kMetales[3] = {
    {OroClaro, OroMedio, OroOscuro},
    {Hex(0xF4F6FF), Hex(0xB8BECC), Hex(0x5A6070)},
    {Hex(0xF2C49A), Hex(0xB8743A), Hex(0x5A3212)},
};

void MetalV(cairo_t* cr, const Metal& m, double y0, double y1)
{
    DegradadoV(cr, y0, y1, {{0, m.claro}, {0.45, m.medio}, {1, m.oscuro}});
}

void Gema(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3, {{0, Mezcla(c, Hex(0xFFFFFF), 0.6)}, {0.5, c}, {1, Mezcla(c, Tinta, 0.5)}});
    cairo_fill_preserve(cr);
    Fuente(cr, Tinta);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Peana(cairo_t* cr, double cx, double base)
{
    RectRedondeado(cr, cx - 62, base - 24, 124, 30, 6);
    DegradadoV(cr, base - 24, base + 6, {{0, Hex(0x453F63)}, {1, Hex(0x1A1630)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2);
    cairo_rectangle(cr, cx - 50, base - 20, 100, 4);
    Fuente(cr, Hex(0xFFE9A8, 0.3));
    cairo_fill(cr);
}

void CopaTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    for (int lado : {-1, 1}) {
        cairo_arc(cr, cx + lado * 54, cy - 36, 22, 0, 2 * M_PI);
        Fuente(cr, m.oscuro);
        cairo_set_line_width(cr, 11);
        cairo_stroke_preserve(cr);
        Fuente(cr, m.medio);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - 58, cy - 80);
    cairo_line_to(cr, cx + 58, cy - 80);
    cairo_curve_to(cr, cx + 58, cy - 10, cx + 22, cy + 10, cx + 10, cy + 14);
    cairo_line_to(cr, cx + 10, cy + 40);
    cairo_line_to(cr, cx + 40, cy + 60);
    cairo_line_to(cr, cx - 40, cy + 60);
    cairo_line_to(cr, cx - 10, cy + 40);
    cairo_line_to(cr, cx - 10, cy + 14);
    cairo_curve_to(cr, cx - 22, cy + 10, cx - 58, cy - 10, cx - 58, cy - 80);
    cairo_close_path(cr);
    DegradadoH(cr, cx - 58, cx + 58, {{0, m.oscuro}, {0.3, m.claro}, {0.55, m.medio}, {1, m.oscuro}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    Gema(cr, cx, cy - 40, 13, g);
}

void MedallaTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    // the ribbon
    for (int lado : {-1, 1}) {
        cairo_move_to(cr, cx + lado * 8, cy - 110);
        cairo_line_to(cr, cx + lado * 40, cy - 110);
        cairo_line_to(cr, cx + lado * 14, cy - 30);
        cairo_line_to(cr, cx - lado * 10, cy - 30);
        cairo_close_path(cr);
        Fuente(cr, lado < 0 ? g : Mezcla(g, Tinta, 0.3));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + 10, 56, 0, 2 * M_PI);
    MetalV(cr, m, cy - 46, cy + 66);
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    cairo_arc(cr, cx, cy + 10, 44, 0, 2 * M_PI);
    Fuente(cr, m.oscuro);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Fuente(cr, m.claro);
    Runa(cr, static_cast<int>(g.r * 10) % 8, cx, cy + 10, 40, 0, 4);
}

void EstrellaTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    cairo_rectangle(cr, cx - 8, cy + 10, 16, 50);
    MetalV(cr, m, cy + 10, cy + 60);
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 30 : 70;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * r, cy - 40 + std::sin(a) * r);
        else
            cairo_line_to(cr, cx + std::cos(a) * r, cy - 40 + std::sin(a) * r);
    }
    cairo_close_path(cr);
    MetalV(cr, m, cy - 110, cy + 30);
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    Gema(cr, cx, cy - 40, 14, g);
}

void CoronaTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    cairo_move_to(cr, cx - 70, cy + 40);
    cairo_line_to(cr, cx - 76, cy - 60);
    cairo_line_to(cr, cx - 38, cy - 20);
    cairo_line_to(cr, cx, cy - 90);
    cairo_line_to(cr, cx + 38, cy - 20);
    cairo_line_to(cr, cx + 76, cy - 60);
    cairo_line_to(cr, cx + 70, cy + 40);
    cairo_close_path(cr);
    MetalV(cr, m, cy - 90, cy + 40);
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    for (int i = -1; i <= 1; ++i) Gema(cr, cx + i * 40, cy + 14, 10, i == 0 ? g : Mezcla(g, Hex(0xFFFFFF), 0.3));
    for (double x : {-76.0, 0.0, 76.0}) Gema(cr, cx + x, cy + (x == 0 ? -90 : -60), 7, g);
}

void EscudoTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    cairo_move_to(cr, cx - 62, cy - 90);
    cairo_line_to(cr, cx + 62, cy - 90);
    cairo_curve_to(cr, cx + 62, cy - 10, cx + 40, cy + 40, cx, cy + 62);
    cairo_curve_to(cr, cx - 40, cy + 40, cx - 62, cy - 10, cx - 62, cy - 90);
    cairo_close_path(cr);
    MetalV(cr, m, cy - 90, cy + 62);
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    cairo_move_to(cr, cx - 46, cy - 76);
    cairo_line_to(cr, cx + 46, cy - 76);
    cairo_curve_to(cr, cx + 46, cy - 16, cx + 28, cy + 24, cx, cy + 44);
    cairo_curve_to(cr, cx - 28, cy + 24, cx - 46, cy - 16, cx - 46, cy - 76);
    cairo_close_path(cr);
    Fuente(cr, Mezcla(g, Tinta, 0.35));
    cairo_fill(cr);
    Gema(cr, cx, cy - 24, 16, g);
}

void LaurelTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    for (int lado : {-1, 1})
        for (int k = 0; k < 7; ++k) {
            const double a = M_PI / 2 + lado * (0.4 + k * 0.36);
            const double x = cx + std::cos(a) * 62, y = cy - 30 + std::sin(a) * 62;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a + lado * 0.9);
            cairo_scale(cr, 16, 7);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            MetalV(cr, m, y - 8, y + 8);
            cairo_fill_preserve(cr);
            Trazo(cr, 1.2);
        }
    Gema(cr, cx, cy - 30, 24, g);
    Destello(cr, cx - 8, cy - 40, 10, Hex(0xFFFFFF, 0.9));
}

void LibroTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    RectRedondeado(cr, cx - 60, cy - 90, 120, 140, 8);
    DegradadoH(cr, cx - 60, cx + 60, {{0, Mezcla(g, Tinta, 0.5)}, {0.5, g}, {1, Mezcla(g, Tinta, 0.5)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2.5);
    for (double y : {-78.0, 38.0}) {
        cairo_rectangle(cr, cx - 60, cy + y, 120, 10);
        MetalV(cr, m, cy + y, cy + y + 10);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy - 20, 26, 0, 2 * M_PI);
    MetalV(cr, m, cy - 46, cy + 6);
    cairo_fill(cr);
    Fuente(cr, Mezcla(g, Tinta, 0.3));
    Runa(cr, 5, cx, cy - 20, 26, 0, 3);
}

void OrbeTrofeo(cairo_t* cr, double cx, double cy, const Metal& m, const Color& g)
{
    cairo_move_to(cr, cx - 36, cy + 56);
    cairo_line_to(cr, cx - 18, cy + 4);
    cairo_line_to(cr, cx + 18, cy + 4);
    cairo_line_to(cr, cx + 36, cy + 56);
    cairo_close_path(cr);
    MetalV(cr, m, cy, cy + 56);
    cairo_fill_preserve(cr);
    Trazo(cr, 2);
    Resplandor(cr, cx, cy - 46, 90, Mezcla(g, Hex(0xFFFFFF, 0.5), 0.3));
    cairo_arc(cr, cx, cy - 46, 54, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - 18, cy - 66, 70, {{0, Mezcla(g, Hex(0xFFFFFF), 0.7)}, {0.5, g}, {1, Mezcla(g, Tinta, 0.6)}});
    cairo_fill_preserve(cr);
    Trazo(cr, 2);
    Destello(cr, cx - 20, cy - 66, 16, Hex(0xFFFFFF, 0.95));
}

using Forma = void (*)(cairo_t*, double, double, const Metal&, const Color&);
const Forma kFormas[8] = {CopaTrofeo, MedallaTrofeo, EstrellaTrofeo, CoronaTrofeo,
                          EscudoTrofeo, LaurelTrofeo, LibroTrofeo, OrbeTrofeo};

// Trophy k (0..47): its shape runs through the eight, its metal through
// gold, silver and bronze a little slower, its stone through the piece
// colours.
void Trofeo(cairo_t* cr, double w, double h, int k)
{
    const double cx = w / 2, base = h - 14;
    Resplandor(cr, cx, h * 0.45, w * 0.45, Hex(0xFFD27A, 0.25));
    Peana(cr, cx, base);
    const Metal& m = kMetales[(k / 3 + k) % 3];
    const Color g = Hex(ColoresPieza[(k * 5) % 7]);
    kFormas[k % 8](cr, cx, base - 90, m, g);
    Destello(cr, cx + 44, base - 170, 12, Hex(0xFFFFFF, 0.8));
}

Paquete Trofeos(int n, const char* comentario)
{
    Paquete p;
    p.comment = comentario;
    for (int f = 0; f < 16; ++f) {
        const int k = n * 16 + f;
        p.sprites.push_back({f, 200, 256, 100, 128, [k](cairo_t* cr, double w, double h) { Trofeo(cr, w, h, k); }});
        p.animations.push_back({f, {{f, 10000}}});
    }
    return p;
}

RegistroPaquete g_trofeos1(juego::paquete::TROFEOS1, [] { return Trofeos(0, "Trophies, first shelf: frames 0..15"); });
RegistroPaquete g_trofeos2(juego::paquete::TROFEOS2, [] { return Trofeos(1, "Trophies, second shelf: frames 0..15"); });
RegistroPaquete g_trofeos3(juego::paquete::TROFEOS3, [] { return Trofeos(2, "Trophies, third shelf: frames 0..15"); });

// ---- the thumbnails ----

constexpr int kAnchoMiniatura = 180, kAltoMiniatura = 130;
constexpr double kMarco = 8;

// What is inside the frame: the picture's first sprite, made to fill.
void PintaImagen(cairo_t* cr, double x, double y, double w, double h, const std::string& sImagen)
{
    Paquete full;
    const Sprite* s = nullptr;
    if (DescripcionRegistrada(sImagen, &full))
        for (const Sprite& sp : full.sprites)
            if (sp.slot == 0 && sp.w > 0 && sp.h > 0) s = &sp;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    if (s) {
        std::shared_ptr<cairo_surface_t> img = Pinta(s->w, s->h, s->paint);
        const double e = std::max(w / s->w, h / s->h);
        cairo_translate(cr, x + (w - s->w * e) / 2, y + (h - s->h * e) / 2);
        cairo_scale(cr, e, e);
        cairo_set_source_surface(cr, img.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
        cairo_paint(cr);
    } else {
        // a picture still veiled: night, stars and the moon
        DegradadoV(cr, y, y + h, {{0, NocheProfunda}, {0.7, Violeta}, {1, NocheAzul}});
        cairo_paint(cr);
        Estrellas(cr, x, y, w, h, 18, static_cast<unsigned>(sImagen.size() * 7919), 0, 0);
        Luna(cr, x + w * 0.72, y + h * 0.32, h * 0.14, 0.35);
    }
    cairo_restore(cr);
}

Paquete Miniatura(const char* nombre, const char* imagen)
{
    const std::string sImagen = imagen;
    return UnSprite(nombre, Centrado(0, kAnchoMiniatura, kAltoMiniatura, [sImagen](cairo_t* cr, double w, double h) {
                        RectRedondeado(cr, 2, 4, w - 4, h - 4, 6);
                        Fuente(cr, Hex(0x000000, 0.5));
                        cairo_fill(cr);
                        RectRedondeado(cr, 1, 1, w - 2, h - 4, 6);
                        OroV(cr, 1, h - 3);
                        cairo_fill_preserve(cr);
                        Trazo(cr, 1.5);
                        PintaImagen(cr, kMarco, kMarco, w - 2 * kMarco, h - 2 * kMarco - 2, sImagen);
                        cairo_rectangle(cr, kMarco, kMarco, w - 2 * kMarco, h - 2 * kMarco - 2);
                        Trazo(cr, 1.5);
                        for (double x : {4.5, w - 4.5})
                            for (double y : {4.5, h - 6.5}) Tachuela(cr, x, y, 2.5);
                    }));
}

RegistroPaquete g_mini_fondo_maida(juego::paquete::MINI_FONDO_MAIDA, [] { return Miniatura("FondoMaida", "Data\\Graficos\\Fondos\\FondoMaida.SPM"); });
RegistroPaquete g_mini_fondo_aldunia(juego::paquete::MINI_FONDO_ALDUNIA, [] { return Miniatura("FondoAldunia", "Data\\Graficos\\Fondos\\FondoAldunia.SPM"); });
RegistroPaquete g_mini_fondo_adeletia(juego::paquete::MINI_FONDO_ADELETIA, [] { return Miniatura("FondoAdeletia", "Data\\Graficos\\Fondos\\FondoAdeletia.SPM"); });
RegistroPaquete g_mini_fondo_pasillos(juego::paquete::MINI_FONDO_PASILLOS, [] { return Miniatura("FondoPasillos", "Data\\Graficos\\Fondos\\FondoPasillos.SPM"); });
RegistroPaquete g_mini_fondo_prision(juego::paquete::MINI_FONDO_PRISION, [] { return Miniatura("FondoPrision", "Data\\Graficos\\Fondos\\FondoPrision.SPM"); });
RegistroPaquete g_mini_fondo_jardin(juego::paquete::MINI_FONDO_JARDIN, [] { return Miniatura("FondoJardin", "Data\\Graficos\\Fondos\\FondoJardin.SPM"); });
RegistroPaquete g_mini_fondo_cocinas(juego::paquete::MINI_FONDO_COCINAS, [] { return Miniatura("FondoCocinas", "Data\\Graficos\\Fondos\\FondoCocinas.SPM"); });
RegistroPaquete g_mini_fondo_laboratorio(juego::paquete::MINI_FONDO_LABORATORIO, [] { return Miniatura("FondoLaboratorio", "Data\\Graficos\\Fondos\\FondoLaboratorio.SPM"); });
RegistroPaquete g_mini_fondo_irina(juego::paquete::MINI_FONDO_IRINA, [] { return Miniatura("FondoIrina", "Data\\Graficos\\Fondos\\FondoIrina.SPM"); });
RegistroPaquete g_mini_fondo_negro(juego::paquete::MINI_FONDO_NEGRO, [] { return Miniatura("FondoNegro", "Data\\Graficos\\Fondos\\FondoNegro.SPM"); });
RegistroPaquete g_mini_fondo_blanco(juego::paquete::MINI_FONDO_BLANCO, [] { return Miniatura("FondoBlanco", "Data\\Graficos\\Fondos\\FondoBlanco.SPM"); });
RegistroPaquete g_mini_fondo_limbo(juego::paquete::MINI_FONDO_LIMBO, [] { return Miniatura("FondoLimbo", "Data\\Graficos\\Fondos\\FondoLimbo.SPM"); });
RegistroPaquete g_mini_fondo_limbo_malvado(juego::paquete::MINI_FONDO_LIMBO_MALVADO, [] { return Miniatura("FondoLimboMalvado", "Data\\Graficos\\Fondos\\FondoLimboMalvado.SPM"); });
RegistroPaquete g_mini_fondo_adeletia_dia(juego::paquete::MINI_FONDO_ADELETIA_DIA, [] { return Miniatura("FondoAdeletiaDia", "Data\\Graficos\\Fondos\\FondoAdeletiaDia.SPM"); });
RegistroPaquete g_mini_fondo_pasillos_dia(juego::paquete::MINI_FONDO_PASILLOS_DIA, [] { return Miniatura("FondoPasillosDia", "Data\\Graficos\\Fondos\\FondoPasillosDia.SPM"); });
RegistroPaquete g_mini_fondo_maida_noche(juego::paquete::MINI_FONDO_MAIDA_NOCHE, [] { return Miniatura("FondoMaidaNoche", "Data\\Graficos\\Fondos\\FondoMaidaNoche.SPM"); });
RegistroPaquete g_mini_fondo_jardin_tarde(juego::paquete::MINI_FONDO_JARDIN_TARDE, [] { return Miniatura("FondoJardinTarde", "Data\\Graficos\\Fondos\\FondoJardinTarde.SPM"); });
RegistroPaquete g_mini_aldunia_veneno(juego::paquete::MINI_ALDUNIA_VENENO, [] { return Miniatura("AlduniaVeneno", "Data\\Graficos\\Ilustraciones\\AlduniaVeneno.SPM"); });
RegistroPaquete g_mini_asesino_huyendo(juego::paquete::MINI_ASESINO_HUYENDO, [] { return Miniatura("AsesinoHuyendo", "Data\\Graficos\\Ilustraciones\\AsesinoHuyendo.SPM"); });
RegistroPaquete g_mini_asesino_irina_veneno(juego::paquete::MINI_ASESINO_IRINA_VENENO, [] { return Miniatura("AsesinoIrinaVeneno", "Data\\Graficos\\Ilustraciones\\AsesinoIrinaVeneno.SPM"); });
RegistroPaquete g_mini_irina_descubre_maida(juego::paquete::MINI_IRINA_DESCUBRE_MAIDA, [] { return Miniatura("IrinaDescubreMaida", "Data\\Graficos\\Ilustraciones\\IrinaDescubreMaida.SPM"); });
RegistroPaquete g_mini_maida_bebe_veneno(juego::paquete::MINI_MAIDA_BEBE_VENENO, [] { return Miniatura("MaidaBebeVeneno", "Data\\Graficos\\Ilustraciones\\MaidaBebeVeneno.SPM"); });
RegistroPaquete g_mini_maida_despierta(juego::paquete::MINI_MAIDA_DESPIERTA, [] { return Miniatura("MaidaDespierta", "Data\\Graficos\\Ilustraciones\\MaidaDespierta.SPM"); });
RegistroPaquete g_mini_maida_vence_teresia(juego::paquete::MINI_MAIDA_VENCE_TERESIA, [] { return Miniatura("MaidaVenceTeresia", "Data\\Graficos\\Ilustraciones\\MaidaVenceTeresia.SPM"); });
RegistroPaquete g_mini_stokinnen_cambia_ninyas(juego::paquete::MINI_STOKINNEN_CAMBIA_NINYAS, [] { return Miniatura("StokinnenCambiaNinyas", "Data\\Graficos\\Ilustraciones\\StokinnenCambiaNinyas.SPM"); });
RegistroPaquete g_mini_stokinnen_invoca_sello(juego::paquete::MINI_STOKINNEN_INVOCA_SELLO, [] { return Miniatura("StokinnenInvocaSello", "Data\\Graficos\\Ilustraciones\\StokinnenInvocaSello.SPM"); });
RegistroPaquete g_mini_stokinnen_maida_juegan(juego::paquete::MINI_STOKINNEN_MAIDA_JUEGAN, [] { return Miniatura("StokinnenMaidaJuegan", "Data\\Graficos\\Ilustraciones\\StokinnenMaidaJuegan.SPM"); });
RegistroPaquete g_mini_tumba_reina(juego::paquete::MINI_TUMBA_REINA, [] { return Miniatura("TumbaReina", "Data\\Graficos\\Ilustraciones\\TumbaReina.SPM"); });
RegistroPaquete g_mini_viny_mano_maida(juego::paquete::MINI_VINY_MANO_MAIDA, [] { return Miniatura("VinyManoMaida", "Data\\Graficos\\Vinyetas\\ManoMaida.SPM"); });
RegistroPaquete g_mini_viny_adeletia_coge_mano(juego::paquete::MINI_VINY_ADELETIA_COGE_MANO, [] { return Miniatura("VinyAdeletiaCogeMano", "Data\\Graficos\\Vinyetas\\AdeletiaCogeMano.SPM"); });
RegistroPaquete g_mini_viny_aldunia_coge_mano(juego::paquete::MINI_VINY_ALDUNIA_COGE_MANO, [] { return Miniatura("VinyAlduniaCogeMano", "Data\\Graficos\\Vinyetas\\AlduniaCogeMano.SPM"); });
RegistroPaquete g_mini_viny_alfatima_coge_mano(juego::paquete::MINI_VINY_ALFATIMA_COGE_MANO, [] { return Miniatura("VinyAlfatimaCogeMano", "Data\\Graficos\\Vinyetas\\AlfatimaCogeMano.SPM"); });
RegistroPaquete g_mini_viny_veneno(juego::paquete::MINI_VINY_VENENO, [] { return Miniatura("VinyVeneno", "Data\\Graficos\\Vinyetas\\AmpollaVeneno.SPM"); });
RegistroPaquete g_mini_viny_antidoto(juego::paquete::MINI_VINY_ANTIDOTO, [] { return Miniatura("VinyAntidoto", "Data\\Graficos\\Vinyetas\\Antidoto.SPM"); });
RegistroPaquete g_mini_viny_barro_en_calzado(juego::paquete::MINI_VINY_BARRO_EN_CALZADO, [] { return Miniatura("VinyBarroEnCalzado", "Data\\Graficos\\Vinyetas\\BarroEnElCalzado.SPM"); });
RegistroPaquete g_mini_viny_candelabro(juego::paquete::MINI_VINY_CANDELABRO, [] { return Miniatura("VinyCandelabro", "Data\\Graficos\\Vinyetas\\Candelabro.SPM"); });
RegistroPaquete g_mini_viny_candil_en_ventana(juego::paquete::MINI_VINY_CANDIL_EN_VENTANA, [] { return Miniatura("VinyCandilEnVentana", "Data\\Graficos\\Vinyetas\\CandilEnVentana.SPM"); });
RegistroPaquete g_mini_viny_maida_bebe_antidoto(juego::paquete::MINI_VINY_MAIDA_BEBE_ANTIDOTO, [] { return Miniatura("VinyMaidaBebeAntidoto", "Data\\Graficos\\Vinyetas\\MaidaBebeAntidoto.SPM"); });
RegistroPaquete g_mini_viny_maida_en_cama(juego::paquete::MINI_VINY_MAIDA_EN_CAMA, [] { return Miniatura("VinyMaidaEnCama", "Data\\Graficos\\Vinyetas\\MaidaEnLaCama.SPM"); });
RegistroPaquete g_mini_viny_bolsita_maida(juego::paquete::MINI_VINY_BOLSITA_MAIDA, [] { return Miniatura("VinyBolsitaMaida", "Data\\Graficos\\Vinyetas\\MaidaRecibeBolsitaCuero.SPM"); });
RegistroPaquete g_mini_viny_maida_recupera_el_color(juego::paquete::MINI_VINY_MAIDA_RECUPERA_EL_COLOR, [] { return Miniatura("VinyMaidaRecuperaElColor", "Data\\Graficos\\Vinyetas\\MaidaRecuperaElColor.SPM"); });
RegistroPaquete g_mini_viny_maida_sufriendo(juego::paquete::MINI_VINY_MAIDA_SUFRIENDO, [] { return Miniatura("VinyMaidaSufriendo", "Data\\Graficos\\Vinyetas\\MaidaSufriendo.SPM"); });
RegistroPaquete g_mini_viny_stokinnen_huele_taza(juego::paquete::MINI_VINY_STOKINNEN_HUELE_TAZA, [] { return Miniatura("VinyStokinnenHueleTaza", "Data\\Graficos\\Vinyetas\\StokinnenHueleTaza.SPM"); });
RegistroPaquete g_mini_viny_plato_vacio(juego::paquete::MINI_VINY_PLATO_VACIO, [] { return Miniatura("VinyPlatoVacio", "Data\\Graficos\\Vinyetas\\PlatoVacio.SPM"); });
RegistroPaquete g_mini_viny_huevos_revueltos(juego::paquete::MINI_VINY_HUEVOS_REVUELTOS, [] { return Miniatura("VinyHuevosRevueltos", "Data\\Graficos\\Vinyetas\\HuevosRevueltos.SPM"); });

} // namespace
} // namespace art
