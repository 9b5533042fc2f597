// The cast in small: the avatar chooser's eleven portraits (in the order of
// the level files' character keys) and the credits' illustrations of the
// story's moments (but Stokinnen and Maida at play, which the story scenes
// paint with their own figures). Every character is painted from one model (skin,
// hair and its cut, clothes, what it wears on its head, its eyes), so a
// portrait and the same character in an illustration match.
#include "Arte.h"
#include "Ornamentos.h"
#include "Paleta.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <cmath>

namespace art {
namespace {

namespace pl = paleta;

enum Peinado { MELENA, MELENA_LAZO, CORTO, TRENZA, MONO, CALVO, SABIO };
enum Tocado { NINGUNO, CORONA, DIADEMA, GORRO_SABIO, PANUELO, CAPUCHA, CASCO, GORRA };
enum Gesto { NORMAL, ALEGRE, TRISTE, DORMIDO, ASUSTADO };

struct Modelo {
    Color piel, pielSombra;
    Color pelo, peloLuz;
    Color ropa, ropaOscura, adorno;
    Color iris;
    Peinado peinado;
    Tocado tocado;
    bool barba;   // a long white beard
    bool arrugas; // lines of age round the eyes
    double ancho; // the shoulders, in head radii
};

// The characters, in the order of the portraits (the level files' keys).
enum {
    MAIDA, ALDUNIA, IRINA, ADELETIA, ALFATIMA, FRANZ, STOKINNEN, ASESINO, TERESIA, SOLDADO, TERESIA_VIVA,
    NUM_MODELOS
};

const Modelo kModelos[NUM_MODELOS] = {
    // Maida: auburn hair with a gold bow, a blue dress.
    {Hex(0xF6D7BE), Hex(0xD9A98A), Hex(0x6B2E1A), Hex(0xA2532E), Hex(0x3B5BA5), Hex(0x1F2E66), pl::Oro,
     Hex(0x3F8F5A), MELENA_LAZO, NINGUNO, false, false, 1.7},
    // Aldunia, the old healer: grey hair in a bun, a moss-green shawl.
    {Hex(0xEBC9AE), Hex(0xC49C80), Hex(0xB8B4C0), Hex(0xE4E2EA), Hex(0x4E6B45), Hex(0x2A3D26), Hex(0xC9B386),
     Hex(0x6A5A48), MONO, NINGUNO, false, true, 1.9},
    // Irina: black braid, a dark red gown with a brooch.
    {Hex(0xF1D0B4), Hex(0xCFA186), Hex(0x1E1A26), Hex(0x4A4260), Hex(0x8E2A3A), Hex(0x4A1420), pl::Oro,
     Hex(0x5C4630), TRENZA, NINGUNO, false, false, 1.8},
    // Adeletia, the queen: golden hair under a crown, violet and ermine.
    {Hex(0xF8DCC6), Hex(0xDBAE92), Hex(0xC8913A), Hex(0xF0C870), Hex(0x5A2F8A), Hex(0x2C1650), Hex(0xF4F0E8),
     Hex(0x3A6AA8), MELENA, CORONA, false, false, 1.9},
    // Alfatima, the cook who knows the seals: a kerchief, a warm orange
    // dress and a white apron's collar.
    {Hex(0xC99672), Hex(0xA2724F), Hex(0x2E1A10), Hex(0x5A3420), Hex(0xC8642A), Hex(0x7A3414), Hex(0xF3E6C4),
     Hex(0x3A2A1A), CORTO, PANUELO, false, false, 2.0},
    // Franz, Maida's brother: the same auburn, short, a cap and a green coat.
    {Hex(0xF3D2B6), Hex(0xD3A384), Hex(0x6B2E1A), Hex(0xA2532E), Hex(0x2F6B4A), Hex(0x173826), pl::Ambar,
     Hex(0x3F8F5A), CORTO, GORRA, false, false, 1.8},
    // Stokinnen, the old sage, as his scene pictures show him: white hair
    // at the temples and a white beard, a violet robe and a soft violet cap
    // with a gold band and a star.
    {Hex(0xE9C3A4), Hex(0xC2906F), Hex(0xE4E4EE), Hex(0xFFFFFF), pl::Violeta, Hex(0x22163F), pl::Oro,
     Hex(0x5A7AA0), SABIO, GORRO_SABIO, true, true, 2.1},
    // The assassin: a hood in shadow, two cold eyes.
    {Hex(0x8A7A70), Hex(0x5A4A44), Hex(0x141018), Hex(0x2A2430), Hex(0x2A2632), Hex(0x121018), Hex(0x5A5468),
     Hex(0xB8F0C8), CALVO, CAPUCHA, false, false, 2.0},
    // Teresia under the curse: pale, violet shadows, a thin silver circlet.
    {Hex(0xDCD2E0), Hex(0xA898B8), Hex(0x3A2A4A), Hex(0x6A5088), Hex(0x3A3060), Hex(0x1C1636), Hex(0xC8C8E0),
     Hex(0x8A5AB8), MELENA, DIADEMA, false, false, 1.6},
    // The soldier: helmet and mail, a red tabard.
    {Hex(0xE6BC9A), Hex(0xC08E6E), Hex(0x4A3020), Hex(0x7A5034), Hex(0xA02A2A), Hex(0x5A1414), Hex(0xB8C0CC),
     Hex(0x4A5A6A), CORTO, CASCO, false, false, 2.1},
    // Teresia saved: the same girl with her colour back, rose and gold.
    {Hex(0xF8DACA), Hex(0xDCAA96), Hex(0x5A3A2A), Hex(0x9A6A48), Hex(0xC45A7A), Hex(0x6A2440), pl::Oro,
     Hex(0x5A8AD0), MELENA, DIADEMA, false, false, 1.6},
};

void Contorno(cairo_t* cr, double ancho)
{
    Fuente(cr, Hex(0x1A0F05, 0.8));
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
}

void Elipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// ---- the model: a bust with its head of radius r centred on (cx, cy) ----

void PeloDetras(cairo_t* cr, const Modelo& m, double cx, double cy, double r)
{
    switch (m.peinado) {
    case MELENA:
    case MELENA_LAZO:
        cairo_move_to(cr, cx - r * 0.95, cy - r * 0.2);
        cairo_curve_to(cr, cx - r * 1.25, cy + r * 0.8, cx - r * 1.25, cy + r * 1.5, cx - r * 1.05, cy + r * 1.75);
        cairo_line_to(cr, cx + r * 1.05, cy + r * 1.75);
        cairo_curve_to(cr, cx + r * 1.25, cy + r * 1.5, cx + r * 1.25, cy + r * 0.8, cx + r * 0.95, cy - r * 0.2);
        cairo_close_path(cr);
        break;
    case TRENZA:
        // the braid over the right shoulder
        for (int i = 0; i < 5; ++i) Elipse(cr, cx + r * 0.95 + i * r * 0.05, cy + r * (0.55 + i * 0.32), r * 0.2, r * 0.19);
        break;
    case MONO:
        Elipse(cr, cx, cy - r * 1.02, r * 0.46, r * 0.36);
        break;
    case SABIO:
        // white hair round the back of the head, showing under the cap
        cairo_arc(cr, cx, cy + r * 0.05, r * 0.98, -M_PI * 0.05, M_PI * 1.05);
        cairo_close_path(cr);
        Fuente(cr, Mezcla(m.pelo, Hex(0x8A8AA0), 0.3));
        cairo_fill(cr);
        return;
    default:
        return;
    }
    DegradadoV(cr, cy - r * 1.4, cy + r * 1.8, {{0, m.peloLuz}, {0.5, m.pelo}, {1, Mezcla(m.pelo, pl::NocheProfunda, 0.4)}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.04);
}

// The collar's trim, and a brooch.
void Collar(cairo_t* cr, const Modelo& m, double cx, double cy, double r)
{
    cairo_move_to(cr, cx - r * 0.75, cy + r * 1.16);
    cairo_curve_to(cr, cx - r * 0.4, cy + r * 1.75, cx + r * 0.4, cy + r * 1.75, cx + r * 0.75, cy + r * 1.16);
    Fuente(cr, m.adorno);
    cairo_set_line_width(cr, r * 0.16);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy + r * 1.6, r * 0.13, 0, 2 * M_PI);
    DegradadoRadial(cr, cx - r * 0.04, cy + r * 1.56, r * 0.14, {{0, pl::OroClaro}, {1, pl::Oro}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.03);
}

void Hombros(cairo_t* cr, const Modelo& m, double cx, double cy, double r, double fondo)
{
    const double a = m.ancho * r;
    cairo_move_to(cr, cx - a, fondo);
    cairo_curve_to(cr, cx - a, cy + r * 1.45, cx - r * 0.9, cy + r * 1.15, cx - r * 0.35, cy + r * 1.1);
    cairo_line_to(cr, cx + r * 0.35, cy + r * 1.1);
    cairo_curve_to(cr, cx + r * 0.9, cy + r * 1.15, cx + a, cy + r * 1.45, cx + a, fondo);
    cairo_close_path(cr);
    DegradadoH(cr, cx - a, cx + a, {{0, m.ropaOscura}, {0.4, m.ropa}, {0.65, m.ropa}, {1, m.ropaOscura}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.05);
    Collar(cr, m, cx, cy, r);
}

void Ojo(cairo_t* cr, const Modelo& m, double x, double y, double r, Gesto g)
{
    if (g == DORMIDO) {
        cairo_move_to(cr, x - r * 0.17, y);
        cairo_curve_to(cr, x - r * 0.08, y + r * 0.09, x + r * 0.08, y + r * 0.09, x + r * 0.17, y);
        Fuente(cr, Mezcla(m.pelo, pl::Tinta, 0.5));
        cairo_set_line_width(cr, r * 0.05);
        cairo_stroke(cr);
        return;
    }
    if (m.tocado == CAPUCHA) { // eyes that shine out of the shadow
        Resplandor(cr, x, y, r * 0.3, Hex(0xB8F0C8, 0.5));
        Elipse(cr, x, y, r * 0.13, r * 0.06);
        Fuente(cr, m.iris);
        cairo_fill(cr);
        return;
    }
    const double alto = g == ASUSTADO ? 0.17 : 0.14;
    Elipse(cr, x, y, r * 0.17, r * alto);
    Fuente(cr, Hex(0xFFFDF8));
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.03);
    cairo_arc(cr, x, y + r * 0.01, r * 0.1, 0, 2 * M_PI);
    DegradadoRadial(cr, x, y, r * 0.1, {{0, Mezcla(m.iris, Hex(0xFFFFFF), 0.3)}, {1, m.iris}});
    cairo_fill(cr);
    cairo_arc(cr, x, y + r * 0.01, r * 0.05, 0, 2 * M_PI);
    Fuente(cr, Hex(0x0A0610));
    cairo_fill(cr);
    cairo_arc(cr, x + r * 0.04, y - r * 0.03, r * 0.03, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
}

// While set, faces are painted without their eyes and mouth (pictures whose
// eyes and mouth are sprites of their own).
bool g_bSinOjosNiBoca = false;

void Cara(cairo_t* cr, const Modelo& m, double cx, double cy, double r, Gesto g)
{
    const double ey = cy + r * 0.08;
    if (!g_bSinOjosNiBoca)
        for (int lado : {-1, 1}) Ojo(cr, m, cx + lado * r * 0.36, ey, r, g);
    if (m.tocado == CAPUCHA) return;
    // brows: raised when happy or afraid, slanting in when sad
    for (int lado : {-1, 1}) {
        const double x = cx + lado * r * 0.36;
        const double alza = g == ALEGRE || g == ASUSTADO ? 0.05 : 0.0;
        const double caida = g == TRISTE ? 0.06 : 0.0;
        cairo_move_to(cr, x - lado * r * 0.16, ey - r * (0.22 + alza) - caida * r);
        cairo_line_to(cr, x + lado * r * 0.16, ey - r * (0.24 + alza) + caida * r);
    }
    Fuente(cr, Mezcla(m.pelo, pl::Tinta, 0.4));
    cairo_set_line_width(cr, r * 0.06);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (m.arrugas) {
        for (int lado : {-1, 1}) {
            const double x = cx + lado * r * 0.6;
            cairo_move_to(cr, x, ey - r * 0.04);
            cairo_line_to(cr, x + lado * r * 0.08, ey - r * 0.08);
            cairo_move_to(cr, x, ey + r * 0.04);
            cairo_line_to(cr, x + lado * r * 0.08, ey + r * 0.08);
        }
        Fuente(cr, Hex(0x5A3A2A, 0.5));
        cairo_set_line_width(cr, r * 0.025);
        cairo_stroke(cr);
    }
    // cheeks
    for (int lado : {-1, 1})
        Resplandor(cr, cx + lado * r * 0.5, cy + r * 0.38, r * 0.2, Hex(0xE87A7A, g == DORMIDO ? 0.15 : 0.35));
    // the nose's light stroke
    cairo_move_to(cr, cx + r * 0.02, cy + r * 0.2);
    cairo_line_to(cr, cx - r * 0.04, cy + r * 0.34);
    cairo_line_to(cr, cx + r * 0.04, cy + r * 0.36);
    Fuente(cr, m.pielSombra);
    cairo_set_line_width(cr, r * 0.035);
    cairo_stroke(cr);
    // the mouth
    const double my = cy + r * 0.55;
    if (g_bSinOjosNiBoca) {
    } else if (g == ASUSTADO) {
        Elipse(cr, cx, my, r * 0.07, r * 0.09);
        Fuente(cr, Hex(0x5A1A1A));
        cairo_fill(cr);
    } else {
        const double curva = g == ALEGRE ? 0.14 : g == TRISTE ? -0.08 : g == DORMIDO ? 0.0 : 0.06;
        cairo_move_to(cr, cx - r * 0.16, my);
        cairo_curve_to(cr, cx - r * 0.06, my + curva * r, cx + r * 0.06, my + curva * r, cx + r * 0.16, my);
        Fuente(cr, Hex(0x8A2A2A));
        cairo_set_line_width(cr, r * 0.05);
        cairo_stroke(cr);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Barba(cairo_t* cr, const Modelo& m, double cx, double cy, double r)
{
    cairo_move_to(cr, cx - r * 0.72, cy + r * 0.3);
    cairo_curve_to(cr, cx - r * 0.7, cy + r * 1.3, cx - r * 0.3, cy + r * 1.9, cx, cy + r * 2.05);
    cairo_curve_to(cr, cx + r * 0.3, cy + r * 1.9, cx + r * 0.7, cy + r * 1.3, cx + r * 0.72, cy + r * 0.3);
    cairo_curve_to(cr, cx + r * 0.4, cy + r * 0.75, cx - r * 0.4, cy + r * 0.75, cx - r * 0.72, cy + r * 0.3);
    cairo_close_path(cr);
    DegradadoV(cr, cy, cy + r * 2, {{0, m.peloLuz}, {1, Mezcla(m.pelo, pl::Lavanda, 0.35)}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.035);
    // the moustache, and the mouth showing through
    cairo_move_to(cr, cx - r * 0.34, cy + r * 0.56);
    cairo_curve_to(cr, cx - r * 0.2, cy + r * 0.38, cx + r * 0.2, cy + r * 0.38, cx + r * 0.34, cy + r * 0.56);
    Fuente(cr, m.peloLuz);
    cairo_set_line_width(cr, r * 0.12);
    cairo_stroke(cr);
}

void PeloDelante(cairo_t* cr, const Modelo& m, double cx, double cy, double r)
{
    if (m.peinado == CALVO) return;
    if (m.peinado == SABIO) {
        // wisps of white hair at the temples; the cap covers the rest
        for (int lado : {-1, 1}) {
            cairo_move_to(cr, cx + lado * r * 0.72, cy - r * 0.45);
            cairo_curve_to(cr, cx + lado * r * 1.08, cy - r * 0.18, cx + lado * r * 1.04, cy + r * 0.27, cx + lado * r * 0.9,
                           cy + r * 0.4);
            cairo_curve_to(cr, cx + lado * r * 0.86, cy + r * 0.09, cx + lado * r * 0.77, cy - r * 0.18, cx + lado * r * 0.72,
                           cy - r * 0.45);
            cairo_close_path(cr);
        }
        DegradadoV(cr, cy - r * 0.5, cy + r * 0.4, {{0, m.peloLuz}, {1, m.pelo}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.025);
        return;
    }
    // the crown of the head and a fringe
    cairo_move_to(cr, cx - r * 0.96, cy + r * 0.05);
    cairo_curve_to(cr, cx - r * 1.05, cy - r * 1.25, cx + r * 1.05, cy - r * 1.25, cx + r * 0.96, cy + r * 0.05);
    if (m.peinado == CORTO) {
        cairo_curve_to(cr, cx + r * 0.8, cy - r * 0.45, cx + r * 0.3, cy - r * 0.5, cx + r * 0.1, cy - r * 0.35);
        cairo_curve_to(cr, cx - r * 0.2, cy - r * 0.55, cx - r * 0.7, cy - r * 0.4, cx - r * 0.96, cy + r * 0.05);
    } else {
        cairo_curve_to(cr, cx + r * 0.7, cy - r * 0.5, cx + r * 0.1, cy - r * 0.55, cx, cy - r * 0.62);
        cairo_curve_to(cr, cx - r * 0.1, cy - r * 0.55, cx - r * 0.7, cy - r * 0.5, cx - r * 0.96, cy + r * 0.05);
    }
    cairo_close_path(cr);
    DegradadoV(cr, cy - r * 1.1, cy, {{0, m.peloLuz}, {1, m.pelo}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.04);
    // a shine on the hair
    cairo_move_to(cr, cx - r * 0.55, cy - r * 0.6);
    cairo_curve_to(cr, cx - r * 0.3, cy - r * 0.85, cx + r * 0.1, cy - r * 0.9, cx + r * 0.35, cy - r * 0.8);
    Fuente(cr, Hex(0xFFFFFF, 0.25));
    cairo_set_line_width(cr, r * 0.08);
    cairo_stroke(cr);
    if (m.peinado == MELENA_LAZO) {
        const double bx = cx + r * 0.7, by = cy - r * 0.72;
        for (int lado : {-1, 1}) {
            cairo_move_to(cr, bx, by);
            cairo_curve_to(cr, bx + lado * r * 0.25, by - r * 0.35, bx + lado * r * 0.5, by - r * 0.1, bx + lado * r * 0.4,
                           by + r * 0.12);
            cairo_close_path(cr);
        }
        DegradadoV(cr, by - r * 0.3, by + r * 0.15, {{0, pl::OroClaro}, {1, pl::Oro}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.03);
        cairo_arc(cr, bx, by, r * 0.09, 0, 2 * M_PI);
        Fuente(cr, pl::Ambar);
        cairo_fill(cr);
    }
}

void Tocado(cairo_t* cr, const Modelo& m, double cx, double cy, double r)
{
    switch (m.tocado) {
    case CORONA:
    case DIADEMA: {
        const bool corona = m.tocado == CORONA;
        const double base = cy - r * 0.78, alto = corona ? r * 0.55 : r * 0.22;
        cairo_move_to(cr, cx - r * 0.62, base);
        const int puntas = corona ? 5 : 3;
        for (int i = 0; i <= puntas * 2; ++i) {
            const double t = static_cast<double>(i) / (puntas * 2);
            const double x = cx - r * 0.62 + t * r * 1.24;
            cairo_line_to(cr, x, base - (i % 2 == 0 ? alto : alto * 0.35));
        }
        cairo_line_to(cr, cx + r * 0.62, base);
        cairo_curve_to(cr, cx + r * 0.3, base + r * 0.1, cx - r * 0.3, base + r * 0.1, cx - r * 0.62, base);
        cairo_close_path(cr);
        if (corona)
            DegradadoV(cr, base - alto, base, {{0, pl::OroClaro}, {0.5, pl::OroMedio}, {1, pl::OroOscuro}});
        else
            DegradadoV(cr, base - alto, base, {{0, Hex(0xFFFFFF)}, {1, m.adorno}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.03);
        cairo_arc(cr, cx, base - alto * 0.4, r * (corona ? 0.09 : 0.06), 0, 2 * M_PI);
        Fuente(cr, corona ? pl::Rubi : m.iris);
        cairo_fill(cr);
        break;
    }
    case GORRO_SABIO: {
        // The sage's soft cap as his scene pictures draw it: a round violet
        // crown leaning to the right, a gold band and a star.
        const double k = 0.9; // the scenes' head is a little wider than a bust's
        cairo_move_to(cr, cx - r * 1.02 * k, cy - r * 0.45 * k);
        cairo_curve_to(cr, cx - r * 1.0 * k, cy - r * 1.6 * k, cx + r * 0.2 * k, cy - r * 1.9 * k, cx + r * 0.7 * k,
                       cy - r * 1.55 * k);
        cairo_curve_to(cr, cx + r * 1.0 * k, cy - r * 1.35 * k, cx + r * 1.1 * k, cy - r * 0.9 * k, cx + r * 1.02 * k,
                       cy - r * 0.45 * k);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.8 * k, cy - r * 0.45 * k, {{0, Mezcla(m.ropa, pl::Lavanda, 0.35)}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.04);
        cairo_move_to(cr, cx - r * 1.04 * k, cy - r * 0.5 * k);
        cairo_curve_to(cr, cx - r * 0.4 * k, cy - r * 0.72 * k, cx + r * 0.4 * k, cy - r * 0.72 * k, cx + r * 1.04 * k,
                       cy - r * 0.5 * k);
        Fuente(cr, m.adorno);
        cairo_set_line_width(cr, r * 0.11);
        cairo_stroke(cr);
        Destello(cr, cx + r * 0.2 * k, cy - r * 1.2 * k, r * 0.19, Hex(0xFFE9A8, 0.9));
        break;
    }
    case PANUELO: {
        cairo_move_to(cr, cx - r * 1.02, cy - r * 0.1);
        cairo_curve_to(cr, cx - r * 1.1, cy - r * 1.35, cx + r * 1.1, cy - r * 1.35, cx + r * 1.02, cy - r * 0.1);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.55, cx - r * 0.6, cy - r * 0.55, cx - r * 1.02, cy - r * 0.1);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.2, cy, {{0, pl::Pergamino}, {1, pl::PergaminoOscuro}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.04);
        // its knot at the side, and little dots
        for (int lado : {-1, 1}) Elipse(cr, cx + r * 1.05, cy - r * 0.25 + lado * r * 0.14, r * 0.16, r * 0.1);
        Fuente(cr, pl::PergaminoOscuro);
        cairo_fill(cr);
        for (int i = 0; i < 6; ++i) {
            cairo_arc(cr, cx - r * 0.6 + i * r * 0.24, cy - r * (0.72 + 0.12 * std::sin(i * 0.9)), r * 0.04, 0,
                      2 * M_PI);
        }
        Fuente(cr, m.ropa);
        cairo_fill(cr);
        break;
    }
    case GORRA: {
        cairo_move_to(cr, cx - r * 0.98, cy - r * 0.35);
        cairo_curve_to(cr, cx - r * 1.0, cy - r * 1.3, cx + r * 1.0, cy - r * 1.3, cx + r * 0.98, cy - r * 0.35);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.2, cy - r * 0.3, {{0, Mezcla(m.ropa, Hex(0xFFFFFF), 0.2)}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.04);
        // the peak
        cairo_move_to(cr, cx - r * 0.95, cy - r * 0.35);
        cairo_curve_to(cr, cx - r * 0.3, cy - r * 0.2, cx + r * 0.6, cy - r * 0.25, cx + r * 1.25, cy - r * 0.45);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.45, cx - r * 0.3, cy - r * 0.45, cx - r * 0.95, cy - r * 0.35);
        Fuente(cr, m.ropaOscura);
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.03);
        cairo_arc(cr, cx, cy - r * 1.05, r * 0.08, 0, 2 * M_PI);
        Fuente(cr, m.adorno);
        cairo_fill(cr);
        break;
    }
    case CASCO: {
        cairo_move_to(cr, cx - r * 1.05, cy + r * 0.05);
        cairo_curve_to(cr, cx - r * 1.1, cy - r * 1.4, cx + r * 1.1, cy - r * 1.4, cx + r * 1.05, cy + r * 0.05);
        cairo_line_to(cr, cx + r * 0.8, cy - r * 0.3);
        cairo_curve_to(cr, cx + r * 0.4, cy - r * 0.42, cx - r * 0.4, cy - r * 0.42, cx - r * 0.8, cy - r * 0.3);
        cairo_close_path(cr);
        DegradadoH(cr, cx - r, cx + r, {{0, Hex(0x5A6270)}, {0.35, Hex(0xE4E8F0)}, {1, Hex(0x4A5260)}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.04);
        // the nose guard and a crest
        RectRedondeado(cr, cx - r * 0.07, cy - r * 0.45, r * 0.14, r * 0.62, r * 0.05);
        Fuente(cr, Hex(0x9AA2B0));
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.03);
        cairo_move_to(cr, cx - r * 0.2, cy - r * 1.05);
        cairo_curve_to(cr, cx - r * 0.1, cy - r * 1.6, cx + r * 0.6, cy - r * 1.55, cx + r * 0.9, cy - r * 1.3);
        cairo_curve_to(cr, cx + r * 0.5, cy - r * 1.3, cx + r * 0.2, cy - r * 1.2, cx + r * 0.2, cy - r * 1.05);
        cairo_close_path(cr);
        Fuente(cr, m.ropa);
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.03);
        break;
    }
    default:
        break;
    }
}

void Capucha(cairo_t* cr, const Modelo& m, double cx, double cy, double r, bool delante)
{
    if (!delante) {
        cairo_move_to(cr, cx - r * 1.5, cy + r * 1.5);
        cairo_curve_to(cr, cx - r * 1.6, cy - r * 0.6, cx - r * 0.9, cy - r * 1.5, cx + r * 0.1, cy - r * 1.55);
        cairo_curve_to(cr, cx + r * 1.1, cy - r * 1.5, cx + r * 1.6, cy - r * 0.6, cx + r * 1.5, cy + r * 1.5);
        cairo_close_path(cr);
        DegradadoV(cr, cy - r * 1.5, cy + r * 1.5, {{0, m.ropa}, {1, m.ropaOscura}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.05);
        return;
    }
    // the opening of the hood, dark inside
    Elipse(cr, cx, cy + r * 0.1, r * 0.85, r * 0.95);
    DegradadoRadial(cr, cx, cy + r * 0.3, r, {{0, Hex(0x141018)}, {0.7, Hex(0x0A080E)}, {1, Hex(0x000000)}});
    cairo_fill(cr);
    // the hood's rim over the forehead
    cairo_move_to(cr, cx - r * 0.95, cy + r * 0.4);
    cairo_curve_to(cr, cx - r * 1.05, cy - r * 1.05, cx + r * 1.05, cy - r * 1.05, cx + r * 0.95, cy + r * 0.4);
    Fuente(cr, Mezcla(m.ropa, Hex(0xFFFFFF), 0.12));
    cairo_set_line_width(cr, r * 0.2);
    cairo_stroke(cr);
    // a mask over the mouth
    cairo_move_to(cr, cx - r * 0.8, cy + r * 0.35);
    cairo_curve_to(cr, cx - r * 0.5, cy + r * 1.05, cx + r * 0.5, cy + r * 1.05, cx + r * 0.8, cy + r * 0.35);
    cairo_close_path(cr);
    Fuente(cr, m.ropaOscura);
    cairo_fill(cr);
}

// The whole bust; `fondo` is where the shoulders end (the bottom of the
// picture). A standing figure paints its own shoulders, arms and the hair
// behind them, and asks the bust for the rest (`conCuerpo`).
void Busto(cairo_t* cr, const Modelo& m, double cx, double cy, double r, Gesto g, double fondo, bool conCuerpo = false)
{
    if (!conCuerpo) {
        if (m.tocado == CAPUCHA) Capucha(cr, m, cx, cy, r, false);
        PeloDetras(cr, m, cx, cy, r);
        Hombros(cr, m, cx, cy, r, fondo);
    }
    // neck
    RectRedondeado(cr, cx - r * 0.3, cy + r * 0.6, r * 0.6, r * 0.6, r * 0.1);
    Fuente(cr, m.pielSombra);
    cairo_fill(cr);
    if (conCuerpo)
        Collar(cr, m, cx, cy, r);
    else
        Hombros(cr, m, cx, cy, r, fondo); // the collar over the neck's foot
    if (m.tocado == CAPUCHA) {
        Capucha(cr, m, cx, cy, r, true);
        Cara(cr, m, cx, cy, r, g);
        return;
    }
    Elipse(cr, cx, cy, r * 0.9, r);
    DegradadoRadial(cr, cx - r * 0.25, cy - r * 0.3, r * 1.3, {{0, Mezcla(m.piel, Hex(0xFFFFFF), 0.25)}, {0.6, m.piel}, {1, m.pielSombra}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.04);
    Cara(cr, m, cx, cy, r, g);
    if (m.barba) Barba(cr, m, cx, cy, r);
    PeloDelante(cr, m, cx, cy, r);
    Tocado(cr, m, cx, cy, r);
}

// A standing figure: a robe from the shoulders down to `pies`, the bust on
// top; `brazo` the hand's place (or none) for what the figure holds.
struct Mano {
    bool hay = false;
    double x = 0, y = 0;
};

// A sleeve along the current path: a stroke of the clothes' colour with an
// ink outline.
void Manga(cairo_t* cr, const Modelo& m, double r, double ancho)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Fuente(cr, Hex(0x1A0F05, 0.8));
    cairo_set_line_width(cr, ancho + r * 0.1);
    cairo_stroke_preserve(cr);
    Fuente(cr, Mezcla(m.ropa, m.ropaOscura, 0.45));
    cairo_set_line_width(cr, ancho);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
}

void ManoPiel(cairo_t* cr, const Modelo& m, double x, double y, double r, double radio)
{
    cairo_arc(cr, x, y, radio, 0, 2 * M_PI);
    DegradadoRadial(cr, x - radio * 0.3, y - radio * 0.3, radio * 1.4,
                    {{0, m.tocado == CAPUCHA ? Hex(0x3A3440) : Mezcla(m.piel, Hex(0xFFFFFF), 0.2)},
                     {1, m.tocado == CAPUCHA ? Hex(0x2A2430) : m.pielSombra}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.04);
}

void Figura(cairo_t* cr, const Modelo& m, double cx, double pies, double r, Gesto g, Mano mano = {},
            double vuelo = 1.5)
{
    const double cy = pies - r * 6.2;
    const double cuello = cy + r * 1.1;
    const double hombro = cy + r * 1.5;
    const double a = m.ancho * r;
    if (m.tocado == CAPUCHA) Capucha(cr, m, cx, cy, r, false);
    PeloDetras(cr, m, cx, cy, r);
    // the robe: round shoulders, wider at the hem (`vuelo` times the
    // shoulders)
    const double v = vuelo, vm = 1.05 + (vuelo - 1.05) * 0.78;
    cairo_move_to(cr, cx - r * 0.4, cuello);
    cairo_curve_to(cr, cx - a * 0.7, cuello + r * 0.02, cx - a * 0.98, cuello + r * 0.12, cx - a, hombro);
    cairo_curve_to(cr, cx - a * 1.05, pies - r * 2.2, cx - a * vm, pies - r * 0.5, cx - a * v, pies);
    cairo_curve_to(cr, cx - a * 0.5, pies + r * 0.25, cx + a * 0.5, pies + r * 0.25, cx + a * v, pies);
    cairo_curve_to(cr, cx + a * vm, pies - r * 0.5, cx + a * 1.05, pies - r * 2.2, cx + a, hombro);
    cairo_curve_to(cr, cx + a * 0.98, cuello + r * 0.12, cx + a * 0.7, cuello + r * 0.02, cx + r * 0.4, cuello);
    cairo_close_path(cr);
    DegradadoH(cr, cx - a * v, cx + a * v,
               {{0, m.ropaOscura}, {0.35, m.ropa}, {0.55, Mezcla(m.ropa, pl::LuzDeLuna, 0.15)}, {1, m.ropaOscura}});
    cairo_fill_preserve(cr);
    Contorno(cr, r * 0.06);
    // soft folds down the skirt
    for (double k : {-0.45, 0.0, 0.45}) {
        cairo_move_to(cr, cx + a * k * 0.6, cy + r * 3.6);
        cairo_curve_to(cr, cx + a * k * 0.8 - r * 0.08, pies - r * 1.6, cx + a * k * 1.1 + r * 0.1, pies - r * 0.8,
                       cx + a * k * v, pies);
    }
    Fuente(cr, Color{m.ropaOscura.r, m.ropaOscura.g, m.ropaOscura.b, 0.45});
    cairo_set_line_width(cr, r * 0.07);
    cairo_stroke(cr);
    // the hem's trim
    cairo_move_to(cr, cx - a * v * 0.97, pies - r * 0.18);
    cairo_curve_to(cr, cx - a * 0.5, pies + r * 0.06, cx + a * 0.5, pies + r * 0.06, cx + a * v * 0.97, pies - r * 0.18);
    Fuente(cr, Mezcla(m.adorno, m.ropa, 0.35));
    cairo_set_line_width(cr, r * 0.12);
    cairo_stroke(cr);
    // a belt
    cairo_move_to(cr, cx - a * 1.0, cy + r * 3.2);
    cairo_curve_to(cr, cx - a * 0.3, cy + r * 3.45, cx + a * 0.3, cy + r * 3.45, cx + a * 1.0, cy + r * 3.2);
    Fuente(cr, m.adorno);
    cairo_set_line_width(cr, r * 0.18);
    cairo_stroke(cr);
    // the arms: sleeves from the shoulders, the hands folded at the waist
    // (or one reaching for what it holds)
    const double manga = r * 0.5, manoY = cy + r * 3.05;
    for (int lado : {-1, 1}) {
        const bool alza = mano.hay && (mano.x > cx) == (lado > 0);
        const double sx = cx + lado * a * 0.86, sy = hombro + r * 0.05;
        cairo_move_to(cr, sx, sy);
        if (alza)
            cairo_curve_to(cr, sx + lado * r * 0.1, sy + r * 1.2, mano.x, mano.y + r * 0.6, mano.x, mano.y);
        else if (mano.hay)
            cairo_curve_to(cr, sx + lado * r * 0.15, sy + r * 0.9, sx + lado * r * 0.1, sy + r * 1.6, sx, sy + r * 2.0);
        else
            cairo_curve_to(cr, sx + lado * r * 0.15, sy + r * 0.9, cx + lado * r * 0.6, manoY, cx + lado * r * 0.22,
                           manoY + r * 0.05);
        Manga(cr, m, r, manga);
    }
    Busto(cr, m, cx, cy, r, g, hombro + r * 0.6, true);
    if (mano.hay) {
        ManoPiel(cr, m, mano.x, mano.y, r, r * 0.2);
        const double ox = mano.x > cx ? cx - a * 0.86 : cx + a * 0.86;
        ManoPiel(cr, m, ox, hombro + r * 2.1, r, r * 0.19);
    } else {
        Elipse(cr, cx, manoY + r * 0.05, r * 0.34, r * 0.24);
        DegradadoRadial(cr, cx - r * 0.1, manoY - r * 0.05, r * 0.4,
                        {{0, m.tocado == CAPUCHA ? Hex(0x3A3440) : Mezcla(m.piel, Hex(0xFFFFFF), 0.2)},
                         {1, m.tocado == CAPUCHA ? Hex(0x2A2430) : m.pielSombra}});
        cairo_fill_preserve(cr);
        Contorno(cr, r * 0.04);
    }
}

// ---- the portraits: a bust in a gilded oval ----

constexpr int kAnchoRetrato = 132, kAltoRetrato = 150;

void Retrato(cairo_t* cr, double w, double h, int n)
{
    const double cx = w / 2, cy = h / 2;
    const double rx = w / 2 - 3, ry = h / 2 - 3;
    Elipse(cr, cx, cy + 2, rx, ry);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    Elipse(cr, cx, cy, rx, ry);
    DegradadoV(cr, cy - ry, cy + ry, {{0, pl::OroClaro}, {0.45, pl::OroMedio}, {1, pl::OroOscuro}});
    cairo_fill(cr);
    cairo_save(cr);
    Elipse(cr, cx, cy, rx - 6, ry - 6);
    cairo_clip(cr);
    DegradadoRadial(cr, cx, cy - ry * 0.3, ry * 1.2, {{0, pl::Azul}, {0.6, pl::NocheAzul}, {1, pl::Noche}});
    cairo_paint(cr);
    Resplandor(cr, cx, cy - ry * 0.15, rx * 0.9, Hex(0xFFD27A, 0.22));
    const double alza = 0.12;
    Busto(cr, kModelos[n], cx, cy - ry * alza, rx * 0.36, n == TERESIA ? TRISTE : NORMAL, h);
    cairo_restore(cr);
    Elipse(cr, cx, cy, rx - 6, ry - 6);
    Fuente(cr, Hex(0xFFE9A8, 0.45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Elipse(cr, cx, cy, rx, ry);
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Tachuela(cr, cx, cy - ry + 3, 4);
    Tachuela(cr, cx, cy + ry - 3, 4);
}

Paquete Retratos()
{
    Paquete p;
    p.comment = "The portraits in the order of the level files' character keys: 0 Maida, 1 Aldunia, 2 Irina, "
                "3 Adeletia, 4 Alfatima, 5 Franz, 6 Stokinnen, 7 the assassin, 8 Teresia, 9 the soldier, "
                "10 Teresia saved";
    for (int i = 0; i < NUM_MODELOS; ++i) {
        Sprite s;
        s.slot = i;
        s.w = kAnchoRetrato;
        s.h = kAltoRetrato;
        s.hx = kAnchoRetrato / 2.0;
        s.hy = kAltoRetrato / 2.0;
        s.paint = [i](cairo_t* cr, double w, double h) { Retrato(cr, w, h, i); };
        p.sprites.push_back(std::move(s));
        p.animations.push_back({i, {{i, 10000}}});
    }
    return p;
}

// ---- the illustrations: a scene inside a thin gilded frame ----

constexpr int kAnchoIlus = 480, kAltoIlus = 360;

// A room of the castle at night: stone walls, a floor, and an arched window.
void Sala(cairo_t* cr, double w, double h, double ventanaX, bool luna)
{
    DegradadoV(cr, 0, h, {{0, pl::Piedra}, {0.7, pl::NocheAzul}, {1, pl::Noche}});
    cairo_paint(cr);
    // stone courses
    for (int fila = 0; fila < 9; ++fila) {
        const double y = fila * 32.0;
        for (int i = -1; i < 9; ++i) {
            const double x = i * 64.0 + (fila % 2) * 32.0;
            RectRedondeado(cr, x + 2, y + 2, 60, 28, 4);
        }
    }
    Fuente(cr, Hex(0xFFFFFF, 0.035));
    cairo_fill(cr);
    // the floor
    cairo_rectangle(cr, 0, h * 0.78, w, h * 0.22);
    DegradadoV(cr, h * 0.78, h, {{0, Hex(0x2A1E30)}, {1, Hex(0x120C18)}});
    cairo_fill(cr);
    if (ventanaX < 0) return;
    const double vx = ventanaX, vy = h * 0.16, vw = 90, vh = 140;
    cairo_move_to(cr, vx - vw / 2, vy + vh);
    cairo_line_to(cr, vx - vw / 2, vy + vw / 2);
    cairo_arc(cr, vx, vy + vw / 2, vw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, vx + vw / 2, vy + vh);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    DegradadoV(cr, vy, vy + vh, {{0, pl::NocheProfunda}, {1, pl::Azul}});
    cairo_fill_preserve(cr);
    Estrellas(cr, vx - vw / 2, vy, vw, vh, 14, static_cast<unsigned>(ventanaX), 0, 0);
    if (luna) Luna(cr, vx + 14, vy + 40, 16, 0.4);
    cairo_restore(cr);
    cairo_move_to(cr, vx - vw / 2, vy + vh);
    cairo_line_to(cr, vx - vw / 2, vy + vw / 2);
    cairo_arc(cr, vx, vy + vw / 2, vw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, vx + vw / 2, vy + vh);
    cairo_close_path(cr);
    cairo_move_to(cr, vx, vy);
    cairo_line_to(cr, vx, vy + vh);
    cairo_move_to(cr, vx - vw / 2, vy + vh * 0.55);
    cairo_line_to(cr, vx + vw / 2, vy + vh * 0.55);
    Fuente(cr, pl::PiedraClara);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    if (luna) {
        // moonlight falling on the floor
        cairo_move_to(cr, vx - vw / 2, vy + vh);
        cairo_line_to(cr, vx + vw / 2, vy + vh);
        cairo_line_to(cr, vx + vw * 1.4, h);
        cairo_line_to(cr, vx - vw * 0.2, h);
        cairo_close_path(cr);
        Fuente(cr, Hex(0xDCE6FF, 0.07));
        cairo_fill(cr);
    }
}

// Outdoors at night: the sky, stars, the moon and hills or roofs.
void Cielo(cairo_t* cr, double w, double h, unsigned semilla)
{
    DegradadoV(cr, 0, h, {{0, pl::NocheProfunda}, {0.6, pl::Violeta}, {1, pl::NocheAzul}});
    cairo_paint(cr);
    Estrellas(cr, 0, 0, w, h * 0.6, 60, semilla, 0, 0);
}

void Vela(cairo_t* cr, double x, double y, double alto)
{
    Resplandor(cr, x, y - alto - 8, alto * 1.6, Hex(0xFFD27A, 0.35));
    RectRedondeado(cr, x - 5, y - alto, 10, alto, 2);
    DegradadoH(cr, x - 5, x + 5, {{0, pl::PergaminoOscuro}, {0.5, pl::Pergamino}, {1, pl::PergaminoOscuro}});
    cairo_fill(cr);
    cairo_move_to(cr, x, y - alto - 14);
    cairo_curve_to(cr, x + 5, y - alto - 6, x + 4, y - alto - 1, x, y - alto - 1);
    cairo_curve_to(cr, x - 4, y - alto - 1, x - 5, y - alto - 6, x, y - alto - 14);
    Fuente(cr, pl::LuzDeVela);
    cairo_fill(cr);
}

// A goblet or a little bottle; `veneno` lets green wisps rise from it.
void Copa(cairo_t* cr, double x, double y, double t, bool veneno)
{
    if (veneno) {
        Resplandor(cr, x, y - t, t * 1.4, Hex(0x6AE08A, 0.35));
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, x - t * 0.3 + i * t * 0.3, y - t * 0.9);
            cairo_curve_to(cr, x - t * 0.8 + i * t * 0.5, y - t * 1.6, x + t * 0.4 + i * t * 0.2, y - t * 2.0,
                           x - t * 0.2 + i * t * 0.3, y - t * 2.6);
        }
        Fuente(cr, Hex(0x8AF0A0, 0.55));
        cairo_set_line_width(cr, t * 0.12);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x - t * 0.55, y - t);
    cairo_curve_to(cr, x - t * 0.5, y - t * 0.3, x - t * 0.1, y - t * 0.3, x - t * 0.08, y - t * 0.15);
    cairo_line_to(cr, x - t * 0.08, y - t * 0.05);
    cairo_line_to(cr, x - t * 0.35, y);
    cairo_line_to(cr, x + t * 0.35, y);
    cairo_line_to(cr, x + t * 0.08, y - t * 0.05);
    cairo_line_to(cr, x + t * 0.08, y - t * 0.15);
    cairo_curve_to(cr, x + t * 0.1, y - t * 0.3, x + t * 0.5, y - t * 0.3, x + t * 0.55, y - t);
    cairo_close_path(cr);
    DegradadoH(cr, x - t * 0.55, x + t * 0.55, {{0, pl::OroOscuro}, {0.4, pl::OroClaro}, {1, pl::Oro}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.2);
    Elipse(cr, x, y - t, t * 0.55, t * 0.12);
    Fuente(cr, veneno ? Hex(0x3AB05A) : Hex(0x7A1A2A));
    cairo_fill(cr);
}

void Frasco(cairo_t* cr, double x, double y, double t)
{
    Resplandor(cr, x, y - t * 0.6, t * 1.3, Hex(0x6AE08A, 0.4));
    cairo_arc(cr, x, y - t * 0.45, t * 0.45, 0, 2 * M_PI);
    RectRedondeado(cr, x - t * 0.14, y - t * 1.25, t * 0.28, t * 0.5, 2);
    Fuente(cr, Hex(0x3AB05A, 0.85));
    cairo_fill(cr);
    cairo_arc(cr, x - t * 0.15, y - t * 0.6, t * 0.12, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFFFFF, 0.6));
    cairo_fill(cr);
    RectRedondeado(cr, x - t * 0.18, y - t * 1.4, t * 0.36, t * 0.18, 2);
    Fuente(cr, Hex(0x6B4411));
    cairo_fill(cr);
}

// A seal of light: rings and runes round a centre.
void Sello(cairo_t* cr, double cx, double cy, double r, const Color& c)
{
    Resplandor(cr, cx, cy, r * 1.4, Mezcla(c, Hex(0xFFFFFF, 0), 0.45));
    for (double k : {1.0, 0.78}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r * k, 0, 2 * M_PI);
    }
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        const double x = cx + std::cos(a) * r * 0.78, y = cy + std::sin(a) * r * 0.78;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    Fuente(cr, c);
    cairo_set_line_width(cr, std::fmax(1.5, r * 0.035));
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        Runa(cr, i + 3, cx + std::cos(a) * r * 0.89, cy + std::sin(a) * r * 0.89, r * 0.14, a + M_PI / 2,
             std::fmax(1.2, r * 0.02));
    }
}

void Cuna(cairo_t* cr, double x, double y, double t, const Color& manta)
{
    // rockers, the basket, a sleeping baby's head and its blanket
    cairo_move_to(cr, x - t, y);
    cairo_curve_to(cr, x - t * 0.5, y + t * 0.25, x + t * 0.5, y + t * 0.25, x + t, y);
    Fuente(cr, pl::OroOscuro);
    cairo_set_line_width(cr, t * 0.08);
    cairo_stroke(cr);
    cairo_move_to(cr, x - t * 0.85, y - t * 0.6);
    cairo_curve_to(cr, x - t * 0.85, y + t * 0.1, x + t * 0.85, y + t * 0.1, x + t * 0.85, y - t * 0.6);
    cairo_close_path(cr);
    DegradadoV(cr, y - t * 0.6, y, {{0, Hex(0xB0702E)}, {1, Hex(0x5A3414)}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
    cairo_arc(cr, x - t * 0.35, y - t * 0.62, t * 0.22, 0, 2 * M_PI);
    Fuente(cr, Hex(0xF6D7BE));
    cairo_fill_preserve(cr);
    Contorno(cr, 1.2);
    Elipse(cr, x + t * 0.15, y - t * 0.6, t * 0.6, t * 0.16);
    Fuente(cr, manta);
    cairo_fill_preserve(cr);
    Contorno(cr, 1.2);
}

void Cama(cairo_t* cr, double x, double y, double w, double h)
{
    RectRedondeado(cr, x, y - h * 1.6, w * 0.08, h * 1.6, 4);
    RectRedondeado(cr, x + w * 0.92, y - h * 1.1, w * 0.08, h * 1.1, 4);
    DegradadoV(cr, y - h * 1.6, y, {{0, Hex(0x8A5A2A)}, {1, Hex(0x4A2A10)}});
    cairo_fill(cr);
    RectRedondeado(cr, x + w * 0.05, y - h, w * 0.9, h * 0.7, 8);
    DegradadoV(cr, y - h, y - h * 0.3, {{0, pl::Pergamino}, {1, pl::PergaminoOscuro}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
}

void Marco(cairo_t* cr, double w, double h)
{
    // a vignette, then the thin gilded frame
    cairo_rectangle(cr, 0, 0, w, h);
    DegradadoRadial(cr, w / 2, h / 2, w * 0.7, {{0.55, Hex(0x000000, 0)}, {1, Hex(0x000000, 0.55)}});
    cairo_fill(cr);
    RectRedondeado(cr, 4, 4, w - 8, h - 8, 10);
    DegradadoV(cr, 0, h, {{0, pl::OroClaro}, {0.45, pl::OroMedio}, {1, pl::OroOscuro}});
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    RectRedondeado(cr, 10, 10, w - 20, h - 20, 6);
    Fuente(cr, Hex(0xFFE9A8, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double x : {8.0, w - 8}) for (double y : {8.0, h - 8}) Tachuela(cr, x, y, 6);
}

const Modelo& M(int n) { return kModelos[n]; }

void StokinnenCambiaNinyas(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, w / 2, true);
    Cuna(cr, w * 0.2, h * 0.86, 56, Hex(0xC45A7A));
    Cuna(cr, w * 0.8, h * 0.86, 56, Hex(0x3B5BA5));
    // the spell's arc carrying one into the other's place
    cairo_move_to(cr, w * 0.22, h * 0.68);
    cairo_curve_to(cr, w * 0.32, h * 0.2, w * 0.68, h * 0.2, w * 0.78, h * 0.68);
    Fuente(cr, Hex(0xB9A6E8, 0.7));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        Destello(cr, w * (0.22 + 0.56 * t), h * (0.68 - 0.85 * std::sin(t * M_PI) * 0.5), 7, pl::OroClaro);
    }
    Figura(cr, M(STOKINNEN), w * 0.5, h * 0.97, 17, NORMAL, {true, w * 0.5 + 44, h * 0.5});
    Marco(cr, w, h);
}

void AsesinoIrinaVeneno(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, w * 0.8, true);
    Vela(cr, w * 0.52, h * 0.74, 26);
    RectRedondeado(cr, w * 0.36, h * 0.74, w * 0.32, 12, 4);
    Fuente(cr, Hex(0x5A3414));
    cairo_fill(cr);
    Copa(cr, w * 0.44, h * 0.74, 24, true);
    Figura(cr, M(ASESINO), w * 0.2, h * 0.99, 17, NORMAL, {true, w * 0.4, h * 0.56});
    Frasco(cr, w * 0.4, h * 0.55, 18);
    Figura(cr, M(IRINA), w * 0.82, h * 0.99, 16, ASUSTADO);
    Marco(cr, w, h);
}

void AlduniaVeneno(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, -1, false);
    // shelves of jars
    for (int fila = 0; fila < 2; ++fila) {
        const double y = h * (0.28 + fila * 0.22);
        cairo_rectangle(cr, w * 0.05, y, w * 0.9, 8);
        Fuente(cr, Hex(0x5A3414));
        cairo_fill(cr);
        for (int i = 0; i < 9; ++i) {
            const double x = w * 0.1 + i * w * 0.1;
            RectRedondeado(cr, x - 10, y - 26 - (i % 3) * 4, 20, 26 + (i % 3) * 4, 5);
            Fuente(cr, Mezcla(i % 2 ? pl::Esmeralda : pl::Ambar, pl::Noche, 0.45));
            cairo_fill(cr);
        }
    }
    Figura(cr, M(ALDUNIA), w * 0.38, h * 0.99, 17, TRISTE, {true, w * 0.62, h * 0.55});
    Frasco(cr, w * 0.63, h * 0.52, 26);
    Marco(cr, w, h);
}

void IrinaDescubreMaida(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, -1, false);
    cairo_rectangle(cr, 0, 0, w, h);
    Fuente(cr, Hex(0x000000, 0.45));
    cairo_fill(cr);
    // the lantern's light
    Resplandor(cr, w * 0.5, h * 0.5, 220, Hex(0xFFD27A, 0.4));
    Figura(cr, M(MAIDA), w * 0.72, h * 0.99, 14, ASUSTADO);
    Figura(cr, M(IRINA), w * 0.3, h * 0.99, 16, ASUSTADO, {true, w * 0.47, h * 0.5});
    RectRedondeado(cr, w * 0.47 - 10, h * 0.5, 20, 28, 4);
    Fuente(cr, pl::LuzDeVela);
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
    Marco(cr, w, h);
}

void MaidaBebeVeneno(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, w * 0.2, true);
    Vela(cr, w * 0.86, h * 0.78, 30);
    Figura(cr, M(MAIDA), w * 0.55, h * 0.99, 16, TRISTE, {true, w * 0.7, h * 0.52});
    Copa(cr, w * 0.7, h * 0.5, 26, true);
    Marco(cr, w, h);
}

void StokinnenInvocaSello(cairo_t* cr, double w, double h)
{
    Cielo(cr, w, h, 17);
    Sello(cr, w * 0.5, h * 0.36, 110, pl::LuzDeVela);
    cairo_rectangle(cr, 0, h * 0.82, w, h * 0.18);
    Fuente(cr, Hex(0x120C18));
    cairo_fill(cr);
    Figura(cr, M(STOKINNEN), w * 0.5, h * 0.99, 18, NORMAL, {true, w * 0.5 + 54, h * 0.44});
    Marco(cr, w, h);
}

void MaidaVenceTeresia(cairo_t* cr, double w, double h)
{
    Cielo(cr, w, h, 29);
    Sello(cr, w * 0.5, h * 0.45, 140, Hex(0xFFE9A8));
    // the curse leaving Teresia in dark wisps
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, w * 0.75, h * 0.6);
        cairo_curve_to(cr, w * (0.8 + 0.02 * i), h * (0.4 - 0.03 * i), w * (0.95 - 0.03 * i), h * 0.3,
                       w * (0.9 + 0.015 * i), h * (0.1 + 0.02 * i));
    }
    Fuente(cr, Hex(0x3A2A4A, 0.7));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    Figura(cr, M(TERESIA), w * 0.76, h * 0.99, 15, DORMIDO);
    Figura(cr, M(MAIDA), w * 0.27, h * 0.99, 15, NORMAL, {true, w * 0.42, h * 0.5});
    Destello(cr, w * 0.42, h * 0.48, 14, Hex(0xFFFFFF));
    Marco(cr, w, h);
}

void AsesinoHuyendo(cairo_t* cr, double w, double h)
{
    Cielo(cr, w, h, 43);
    Luna(cr, w * 0.78, h * 0.22, 42, 0.0);
    // roofs
    cairo_move_to(cr, 0, h);
    cairo_line_to(cr, 0, h * 0.72);
    cairo_line_to(cr, w * 0.18, h * 0.58);
    cairo_line_to(cr, w * 0.36, h * 0.72);
    cairo_line_to(cr, w * 0.5, h * 0.62);
    cairo_line_to(cr, w * 0.68, h * 0.76);
    cairo_line_to(cr, w * 0.86, h * 0.6);
    cairo_line_to(cr, w, h * 0.7);
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    Fuente(cr, Hex(0x0C0A16));
    cairo_fill(cr);
    // the assassin on the roofs against the sky, bent as he runs, his cape
    // streaming behind him
    cairo_move_to(cr, w * 0.6, h * 0.5);
    cairo_curve_to(cr, w * 0.5, h * 0.46, w * 0.42, h * 0.5, w * 0.32, h * 0.44);
    cairo_curve_to(cr, w * 0.4, h * 0.56, w * 0.5, h * 0.62, w * 0.6, h * 0.62);
    cairo_close_path(cr);
    Fuente(cr, Hex(0x1A1620));
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
    cairo_save(cr);
    cairo_translate(cr, w * 0.62, h * 0.72);
    cairo_rotate(cr, 0.22);
    Figura(cr, M(ASESINO), 0, 0, 11, NORMAL);
    cairo_restore(cr);
    Marco(cr, w, h);
}

void MaidaDespierta(cairo_t* cr, double w, double h)
{
    // dawn through the window
    Sala(cr, w, h, w * 0.78, false);
    Resplandor(cr, w * 0.78, h * 0.32, 120, Hex(0xFFB070, 0.5));
    Cama(cr, w * 0.08, h * 0.9, w * 0.6, 70);
    Busto(cr, M(MAIDA), w * 0.24, h * 0.47, 26, ALEGRE, h * 0.8);
    // the blanket over her lap
    RectRedondeado(cr, w * 0.1, h * 0.7, w * 0.52, h * 0.14, 14);
    DegradadoV(cr, h * 0.7, h * 0.84, {{0, Hex(0x5A8AD0)}, {1, Hex(0x2B3A6E)}});
    cairo_fill_preserve(cr);
    Contorno(cr, 1.5);
    Figura(cr, M(TERESIA_VIVA), w * 0.82, h * 0.99, 14, ALEGRE);
    for (int i = 0; i < 5; ++i) Destello(cr, w * (0.15 + i * 0.1), h * (0.2 + 0.05 * (i % 2)), 6, pl::OroClaro);
    Marco(cr, w, h);
}

void TumbaReina(cairo_t* cr, double w, double h)
{
    Sala(cr, w, h, w * 0.5, true);
    // the tomb: a stone chest with a crown carved on its lid
    const double x = w * 0.18, y = h * 0.6, tw = w * 0.64, th = h * 0.3;
    RectRedondeado(cr, x, y, tw, th, 8);
    DegradadoV(cr, y, y + th, {{0, pl::PiedraClara}, {1, pl::Piedra}});
    cairo_fill_preserve(cr);
    Contorno(cr, 2);
    RectRedondeado(cr, x - 12, y - 16, tw + 24, 22, 6);
    DegradadoV(cr, y - 16, y + 6, {{0, Hex(0x6A6288)}, {1, pl::PiedraClara}});
    cairo_fill_preserve(cr);
    Contorno(cr, 2);
    Tocado(cr, M(ADELETIA), w * 0.5, y + th * 0.95, 40);
    for (double vx : {x - 4, x + tw + 4}) Vela(cr, vx, h * 0.96, 40);
    // lilies on the lid
    for (int i = 0; i < 3; ++i) {
        const double fx = w * (0.42 + i * 0.08);
        Elipse(cr, fx, y - 22, 9, 6);
        Fuente(cr, pl::Pergamino);
        cairo_fill(cr);
    }
    Marco(cr, w, h);
}

using Escena = void (*)(cairo_t*, double, double);

Paquete Ilustracion(const char* comentario, Escena escena)
{
    Paquete p;
    p.comment = comentario;
    Sprite s;
    s.slot = 0;
    s.w = kAnchoIlus;
    s.h = kAltoIlus;
    s.hx = kAnchoIlus / 2.0;
    s.hy = kAltoIlus / 2.0;
    s.paint = escena;
    p.sprites.push_back(std::move(s));
    p.animations.push_back({0, {{0, 10000}}});
    return p;
}

RegistroPaquete g_retratos(juego::paquete::PERSOS, Retratos);

RegistroPaquete g_ilus0(juego::paquete::ILUS_STOKINNEN_CAMBIA_NINYAS, [] {
    return Ilustracion("Stokinnen's spell carries one cradle's child into the other's", StokinnenCambiaNinyas);
});
RegistroPaquete g_ilus1(juego::paquete::ILUS_ASESINO_IRINA_VENENO, [] {
    return Ilustracion("The hooded one pours poison into a goblet; Irina sees", AsesinoIrinaVeneno);
});
RegistroPaquete g_ilus3(juego::paquete::ILUS_ALDUNIA_VENENO, [] {
    return Ilustracion("Aldunia holds up the poison among her jars", AlduniaVeneno);
});
RegistroPaquete g_ilus4(juego::paquete::ILUS_IRINA_DESCUBRE_MAIDA, [] {
    return Ilustracion("Irina's lantern finds Maida in the dark", IrinaDescubreMaida);
});
RegistroPaquete g_ilus5(juego::paquete::ILUS_MAIDA_BEBE_VENENO, [] {
    return Ilustracion("Maida raises the poisoned goblet", MaidaBebeVeneno);
});
RegistroPaquete g_ilus6(juego::paquete::ILUS_STOKINNEN_INVOCA_SELLO, [] {
    return Ilustracion("Stokinnen calls up a seal of light under the stars", StokinnenInvocaSello);
});
RegistroPaquete g_ilus7(juego::paquete::ILUS_MAIDA_VENCE_TERESIA, [] {
    return Ilustracion("Maida's seal draws the curse out of Teresia", MaidaVenceTeresia);
});
RegistroPaquete g_ilus8(juego::paquete::ILUS_ASESINO_HUYENDO, [] {
    return Ilustracion("The assassin flees over the roofs under the moon", AsesinoHuyendo);
});
RegistroPaquete g_ilus9(juego::paquete::ILUS_MAIDA_DESPIERTA, [] {
    return Ilustracion("Maida wakes at dawn; Teresia, well again, is there", MaidaDespierta);
});
RegistroPaquete g_ilus10(juego::paquete::ILUS_TUMBA_REINA, [] {
    return Ilustracion("The queen's tomb between two candles", TumbaReina);
});

// ---- the HUD's small portraits: the bust in a round window, one sprite per
// mood layer (0 sad, 1 neutral, 2 happy), crossfaded by the HUD ----

constexpr int kLadoChiqui = 124;

void Chiqui(cairo_t* cr, double w, double h, int n, Gesto g)
{
    const double cx = w / 2, cy = h / 2, r = w / 2 - 2;
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    // the light behind the face warms with the mood
    const Color luz = g == ALEGRE ? Hex(0xFFD27A, 0.4) : g == TRISTE ? Hex(0x7A5CB8, 0.35) : Hex(0xDCE6FF, 0.25);
    DegradadoRadial(cr, cx, cy - r * 0.3, r * 1.3, {{0, pl::Azul}, {0.6, pl::NocheAzul}, {1, pl::Noche}});
    cairo_paint(cr);
    Resplandor(cr, cx, cy - r * 0.2, r * 0.95, luz);
    const double alza = 0.1;
    Busto(cr, kModelos[n], cx, cy - r * alza, r * 0.4, g, h);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * M_PI);
    Fuente(cr, Hex(0xFFE9A8, 0.5));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

Paquete PaqueteChiqui(int n)
{
    Paquete p;
    p.comment = "A character's small portrait for the HUD: 0 sad, 1 neutral, 2 happy";
    const Gesto gestos[3] = {TRISTE, NORMAL, ALEGRE};
    for (int i = 0; i < 3; ++i) {
        const Gesto g = gestos[i];
        p.sprites.push_back({i, kLadoChiqui, kLadoChiqui, kLadoChiqui / 2.0, kLadoChiqui / 2.0,
                             [n, g](cairo_t* cr, double w, double h) { Chiqui(cr, w, h, n, g); }});
    }
    p.animations.push_back({0, {{1, 10000}}});
    return p;
}
RegistroPaquete g_chiquiMaida(juego::paquete::CHIQUI_MAIDA, [] { return PaqueteChiqui(MAIDA); });
RegistroPaquete g_chiquiAdeletia(juego::paquete::CHIQUI_ADELETIA, [] { return PaqueteChiqui(ADELETIA); });
RegistroPaquete g_chiquiFranz(juego::paquete::CHIQUI_FRANZ, [] { return PaqueteChiqui(FRANZ); });
RegistroPaquete g_chiquiAldunia(juego::paquete::CHIQUI_ALDUNIA, [] { return PaqueteChiqui(ALDUNIA); });
RegistroPaquete g_chiquiAsesino(juego::paquete::CHIQUI_ASESINO, [] { return PaqueteChiqui(ASESINO); });
RegistroPaquete g_chiquiAlfatima(juego::paquete::CHIQUI_ALFATIMA, [] { return PaqueteChiqui(ALFATIMA); });
RegistroPaquete g_chiquiIrina(juego::paquete::CHIQUI_IRINA, [] { return PaqueteChiqui(IRINA); });
RegistroPaquete g_chiquiStokinnen(juego::paquete::CHIQUI_STOKINNEN, [] { return PaqueteChiqui(STOKINNEN); });
RegistroPaquete g_chiquiTeresia(juego::paquete::CHIQUI_TERESIA, [] { return PaqueteChiqui(TERESIA); });
RegistroPaquete g_chiquiSoldado(juego::paquete::CHIQUI_SOLDADO, [] { return PaqueteChiqui(SOLDADO); });
RegistroPaquete g_chiquiTeresiaViva(juego::paquete::CHIQUI_TERESIAVIVA, [] { return PaqueteChiqui(TERESIA_VIVA); });

} // namespace

// ---- the models for the other painters (Modelos.h) ----

namespace {
Gesto GestoDe(int gesto) { return gesto == 1 ? ALEGRE : gesto == 2 ? TRISTE : NORMAL; }
const Modelo& ModeloSeguro(int modelo) { return kModelos[modelo >= 0 && modelo < NUM_MODELOS ? modelo : 0]; }
} // namespace

int NumModelos() { return NUM_MODELOS; }
double AnchoModelo(int modelo) { return ModeloSeguro(modelo).ancho; }
bool ModeloEncapuchado(int modelo) { return ModeloSeguro(modelo).tocado == CAPUCHA; }
Color IrisModelo(int modelo) { return ModeloSeguro(modelo).iris; }
double AltoFiguraModelo(int) { return 7.8; }
void RopaModelo(int modelo, Color* ropa, Color* oscura, Color* adorno)
{
    const Modelo& m = ModeloSeguro(modelo);
    if (ropa) *ropa = m.ropa;
    if (oscura) *oscura = m.ropaOscura;
    if (adorno) *adorno = m.adorno;
}

void FiguraModelo(cairo_t* cr, int modelo, double cx, double pies, double r, int gesto, double vuelo, bool bSinOjosNiBoca)
{
    g_bSinOjosNiBoca = bSinOjosNiBoca;
    Figura(cr, ModeloSeguro(modelo), cx, pies, r, GestoDe(gesto), {}, vuelo);
    g_bSinOjosNiBoca = false;
}

void OjoModelo(cairo_t* cr, int modelo, double x, double y, double r, double abierto)
{
    const Modelo& m = ModeloSeguro(modelo);
    if (abierto <= 0.01) {
        Ojo(cr, m, x, y, r, DORMIDO);
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, abierto);
    Ojo(cr, m, 0, 0, r, NORMAL);
    cairo_restore(cr);
}

} // namespace art
