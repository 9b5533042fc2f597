// The seal pictures (the catalogue's SELLO_ package rows), drawn from the
// shapes the level tool traces the seals' shards along, so the picture the
// cabalistic circle lights is the seal the player has just traced. The circle
// draws sprite 0 at twice its size over the board's centre: the picture is
// half the field's size, centred like the seal.
//
// Input: the shapes file mg_levels writes, named by the environment variable
// MG_FORMAS_SELLOS (the build sets it):
//   IMAGEN = "name";  TRAZO = x, y, x, y, ...;  PIEZA = x, y;
#include "Arte.h"
#include "Pinceles.h"
#include "game/CatalogoJuego.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace art {
namespace {

struct P {
    double x, y;
};

struct Forma {
    std::string nombre;
    std::vector<std::vector<P>> trazos;
    std::vector<P> piezas;
};

std::vector<double> Numeros(const std::string& s)
{
    std::vector<double> v;
    const char* c = s.c_str();
    while (*c) {
        char* fin = nullptr;
        const double d = std::strtod(c, &fin);
        if (fin == c) {
            ++c;
            continue;
        }
        v.push_back(d);
        c = fin;
    }
    return v;
}

std::vector<Forma> LeeFormas(const std::string& ruta)
{
    std::ifstream in(ruta);
    if (!in) {
        std::fprintf(stderr, "mg_art: the seal shapes %s cannot be read\n", ruta.c_str());
        std::exit(1);
    }
    std::vector<Forma> formas;
    std::string linea;
    while (std::getline(in, linea)) {
        const size_t igual = linea.find('=');
        if (linea.rfind("//", 0) == 0 || igual == std::string::npos) continue;
        const std::string clave = linea.substr(0, linea.find_first_of(" =")), valor = linea.substr(igual + 1);
        if (clave == "IMAGEN") {
            const size_t a = valor.find('"'), b = valor.rfind('"');
            formas.push_back({valor.substr(a + 1, b - a - 1), {}, {}});
        } else if (!formas.empty()) {
            const std::vector<double> n = Numeros(valor);
            if (clave == "TRAZO") {
                formas.back().trazos.emplace_back();
                for (size_t i = 0; i + 1 < n.size(); i += 2) formas.back().trazos.back().push_back({n[i], n[i + 1]});
            } else if (clave == "PIEZA" && n.size() >= 2) {
                formas.back().piezas.push_back({n[0], n[1]});
            }
        }
    }
    return formas;
}

void Camino(cairo_t* cr, const std::vector<P>& l)
{
    cairo_new_path(cr);
    for (size_t i = 0; i < l.size(); ++i) (i ? cairo_line_to : cairo_move_to)(cr, l[i].x, l[i].y);
}

// Night-blue ink, candle gold and its shine.
const Color kSombra = Hex(0x07061A, 0.55);
const Color kAmbar = Hex(0xF2A93B);
const Color kOro = Hex(0xD9A441);
const Color kLuz = Hex(0xFFE9A8);
const Color kBrillo = Hex(0xFFF8E8);

// The seal in the seal's own points (the painter scales them by a half).
void PintaSello(cairo_t* cr, const Forma& f)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // A soft halo built up from wide, faint strokes, then a dark edge that
    // keeps the gold apart from a light board.
    for (int i = 0; i < 6; ++i) {
        const double ancho = 46.0 - 6.0 * i;
        Fuente(cr, {kAmbar.r, kAmbar.g, kAmbar.b, 0.05 + 0.02 * i});
        cairo_set_line_width(cr, ancho);
        for (const auto& l : f.trazos) {
            Camino(cr, l);
            cairo_stroke(cr);
        }
    }
    Fuente(cr, kSombra);
    cairo_set_line_width(cr, 15);
    for (const auto& l : f.trazos) {
        Camino(cr, l);
        cairo_stroke(cr);
    }
    // The gold line, lit along its middle.
    Fuente(cr, kOro);
    cairo_set_line_width(cr, 10);
    for (const auto& l : f.trazos) {
        Camino(cr, l);
        cairo_stroke(cr);
    }
    Fuente(cr, kLuz);
    cairo_set_line_width(cr, 4.5);
    for (const auto& l : f.trazos) {
        Camino(cr, l);
        cairo_stroke(cr);
    }
    // Each shard as a small lit jewel.
    for (const P& p : f.piezas) {
        DegradadoRadial(cr, p.x, p.y, 22, {{0.0, Hex(0xFFF8E8, 0.95)}, {0.35, Hex(0xFFD27A, 0.6)}, {1.0, Hex(0xF2A93B, 0.0)}});
        cairo_arc(cr, p.x, p.y, 22, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, M_PI / 4);
        cairo_rectangle(cr, -5, -5, 10, 10);
        Fuente(cr, kBrillo);
        cairo_fill_preserve(cr);
        Fuente(cr, kOro);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

// The shape of a picture: its file name without folder and extension.
Paquete Sello(const std::string& nombre)
{
    const char* ruta = std::getenv("MG_FORMAS_SELLOS");
    if (!ruta) {
        std::fprintf(stderr, "mg_art: the seal pictures need MG_FORMAS_SELLOS, the seals' shapes made by mg_levels\n");
        std::exit(1);
    }
    for (const Forma& f : LeeFormas(ruta)) {
        if (f.nombre != nombre) continue;
        double extension = 40.0;
        for (const auto& l : f.trazos)
            for (const P& p : l) extension = std::max({extension, std::fabs(p.x), std::fabs(p.y)});
        // Half the seal's size, with room for its halo.
        const int lado = 2 * static_cast<int>(std::ceil((extension + 36.0) / 2.0));
        Paquete p;
        p.comment = "Seal " + f.nombre + ", drawn from the shape its shards are traced along";
        p.sprites.push_back({0, lado, lado, lado / 2.0, lado / 2.0, [f, lado](cairo_t* cr, double, double) {
                                 cairo_translate(cr, lado / 2.0, lado / 2.0);
                                 cairo_scale(cr, 0.5, 0.5);
                                 PintaSello(cr, f);
                             }});
        return p;
    }
    std::fprintf(stderr, "mg_art: the seals' shapes hold no %s\n", nombre.c_str());
    std::exit(1);
}

// One painter per seal picture row.
struct RegistroSellos {
    std::vector<std::unique_ptr<RegistroPaquete>> registros;
    RegistroSellos()
    {
        for (const FilaCatalogo& f : juego::kCatalogo) {
            if (f.tipo != TipoContenido::Paquete || std::strncmp(f.id, "paquete::SELLO_", 15) != 0) continue;
            std::string nombre = f.nombre;
            nombre = nombre.substr(nombre.find_last_of('\\') + 1);
            nombre = nombre.substr(0, nombre.find_last_of('.'));
            registros.push_back(std::make_unique<RegistroPaquete>(f.nombre, [nombre] { return Sello(nombre); }));
        }
    }
};
RegistroSellos g_sellos;

} // namespace
} // namespace art
