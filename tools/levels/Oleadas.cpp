#include "Oleadas.h"

#include "Salidas.h"
#include "game/play/CatalogoNiveles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

namespace niveles {

namespace {

constexpr int kOleadas = 50;
constexpr double kPi = 3.14159265358979323846;

struct Ataque {
    int tipo = 1, desfase = 0;
    double x = 0, y = 0, angulo = 0;
};

struct Parametros {
    int duracion = 0, inicial = 0, primera = 0, ultima = 0;
    std::string guardada;
};

std::string Texto(const std::array<std::vector<Ataque>, kOleadas>& oleadas, const std::string& cabecera)
{
    std::ostringstream s;
    s << "// " << cabecera << "\n";
    char linea[128];
    for (int w = 0; w < kOleadas; ++w) {
        s << "OLEADA = " << w << ";\n";
        for (const Ataque& a : oleadas[static_cast<size_t>(w)]) {
            std::snprintf(linea, sizeof linea, "ATAQUE = %d, %d, %.3f, %.3f, %.3f;\n", a.tipo, a.desfase, a.x, a.y, a.angulo);
            s << linea;
        }
    }
    return s.str();
}

// A saved wave file, checked as the game would read it: every wave 0..49,
// kinds 1..11, offsets within the wave.
std::array<std::vector<Ataque>, kOleadas> LeeGuardada(const std::string& ruta, int duracion)
{
    std::array<std::vector<Ataque>, kOleadas> oleadas;
    int w = 0;
    for (const Comando& c : LeeComandos(ruta)) {
        if (c.nombre == "OLEADA") {
            w = c.Entero(0);
            if (w < 0 || w >= kOleadas) Falla(c, "stored waves are 0..49");
        } else if (c.nombre == "ATAQUE") {
            Ataque a{c.Entero(0), c.Entero(1), c.Real(2), c.Real(3), c.Real(4)};
            if (a.tipo < 1 || a.tipo > 11) Falla(c, "curse kinds are 1..11");
            if (a.desfase < 0 || a.desfase >= duracion) Falla(c, "the offset must fall within the wave");
            // The editor's file lists each wave backwards; its order has no
            // effect on play.
            oleadas[static_cast<size_t>(w)].insert(oleadas[static_cast<size_t>(w)].begin(), a);
        }
    }
    return oleadas;
}

std::array<std::vector<Ataque>, kOleadas> Genera(const Parametros& p, const std::vector<std::pair<int, int>>& tipos, int d)
{
    std::array<std::vector<Ataque>, kOleadas> oleadas;
    std::mt19937 azar(static_cast<uint32_t>(7919 + d));
    auto real = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    auto entero = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    for (int w = 0; w < kOleadas; ++w) {
        std::vector<int> disponibles;
        int nuevo = 0, desde = -1;
        for (const auto& [tipo, primera] : tipos)
            if (primera <= w) {
                disponibles.push_back(tipo);
                if (primera > desde) {
                    desde = primera;
                    nuevo = tipo;
                }
            }
        if (disponibles.empty()) continue;
        const int n = static_cast<int>(std::lround(p.primera + (p.ultima - p.primera) * w / static_cast<double>(kOleadas - 1)));
        for (int i = 0; i < n; ++i) {
            Ataque a;
            // The newest kind shows often in the waves that bring it in.
            a.tipo = (w - desde < 4 && entero(0, 1) == 0) ? nuevo : disponibles[static_cast<size_t>(entero(0, static_cast<int>(disponibles.size()) - 1))];
            const int hueco = std::max(1, (p.duracion - 40) / std::max(1, n));
            a.desfase = std::min(p.duracion - 1, i * hueco + entero(0, std::max(0, hueco / 2)));
            switch (a.tipo) {
            case 1:
            case 5:
                a.x = real(150, 874);
                a.y = 32;
                a.angulo = kPi / 2;
                break;
            case 2:
            case 4:
            case 6:
            case 10: {
                const int borde = entero(0, 3);
                a.x = borde == 2 ? 32 : borde == 3 ? 992 : real(150, 874);
                a.y = borde == 0 ? 32 : borde == 1 ? 736 : real(100, 668);
                a.angulo = std::atan2(384 + real(-120, 120) - a.y, 512 + real(-160, 160) - a.x);
                break;
            }
            case 9:
                a.x = real(300, 724);
                a.y = real(100, 668);
                a.angulo = real(0, 2 * kPi);
                break;
            default:
                a.x = real(150, 874);
                a.y = real(100, 668);
                a.angulo = std::atan2(384 - a.y, 512 - a.x);
                break;
            }
            oleadas[static_cast<size_t>(w)].push_back(a);
        }
        std::sort(oleadas[static_cast<size_t>(w)].begin(), oleadas[static_cast<size_t>(w)].end(),
                  [](const Ataque& a, const Ataque& b) { return a.desfase < b.desfase; });
    }
    return oleadas;
}

} // namespace

std::vector<Salida> GeneraOleadas(const std::string& fuentes)
{
    std::array<Parametros, NUM_DIFICULTADES_NIVEL> params;
    std::vector<std::pair<int, int>> tipos;
    for (const Comando& c : LeeComandos(fuentes + "/Niveles/Oleadas.txt")) {
        if (c.nombre == "OLEADAS") {
            const int d = c.Entero(0);
            if (d < 0 || d >= NUM_DIFICULTADES_NIVEL) Falla(c, "difficulties are 0..3");
            Parametros& p = params[static_cast<size_t>(d)];
            p.duracion = c.Entero(1);
            p.inicial = c.Entero(2);
            p.primera = c.Entero(3);
            p.ultima = c.Entero(4);
            if (p.duracion < 16 || p.inicial < 16) Falla(c, "a wave lasts 16 steps or more");
        } else if (c.nombre == "TIPO") {
            const int k = c.Entero(0);
            if (k < 1 || k > 11) Falla(c, "curse kinds are 1..11");
            tipos.push_back({k, c.Entero(1)});
        } else if (c.nombre == "GUARDADA") {
            params.at(static_cast<size_t>(c.Entero(0))).guardada = c.Texto(1);
        } else {
            Falla(c, "is no wave key");
        }
    }
    std::vector<Salida> r;
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
        const Parametros& p = params[static_cast<size_t>(d)];
        if (p.duracion < 16) throw ErrorFuente("Oleadas.txt: no OLEADAS for difficulty " + std::to_string(d));
        std::string ruta = p.guardada;
        std::replace(ruta.begin(), ruta.end(), '\\', '/');
        const auto oleadas = p.guardada.empty() ? Genera(p, tipos, d) : LeeGuardada(fuentes + "/Niveles/" + ruta, p.duracion);
        r.push_back({RutaOleadas(d), Texto(oleadas, RutaOleadas(d) + (p.guardada.empty() ? ": made by mg_levels from data/Niveles/Oleadas.txt."
                                                                                       : ": the saved waves " + p.guardada + "."))});
    }
    return r;
}

} // namespace niveles
