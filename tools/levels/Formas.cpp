#include "Formas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace niveles {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPasoSello = 44.0;     // spacing of a seal's shards along its strokes
constexpr double kResolucion = 3.0;     // points between two samples of a stroke
constexpr double kEscalaEsquirlas = 4.5; // a shard draws at a fifth of this: the size of a diamond

double Rad(double grados) { return grados * kPi / 180.0; }
double Distancia(const Punto& a, const Punto& b) { return std::hypot(a.x - b.x, a.y - b.y); }

double Longitud(const std::vector<Punto>& l)
{
    double t = 0.0;
    for (size_t i = 1; i < l.size(); ++i) t += Distancia(l[i - 1], l[i]);
    return t;
}

// The point at arc length s along a polyline.
Punto EnLongitud(const std::vector<Punto>& l, double s)
{
    for (size_t i = 1; i < l.size(); ++i) {
        const double d = Distancia(l[i - 1], l[i]);
        if (s <= d || i + 1 == l.size()) {
            const double t = d > 0.0 ? std::min(1.0, s / d) : 0.0;
            return {l[i - 1].x + (l[i].x - l[i - 1].x) * t, l[i - 1].y + (l[i].y - l[i - 1].y) * t};
        }
        s -= d;
    }
    return l.empty() ? Punto{} : l.back();
}

std::vector<Punto> Recta(const Punto& a, const Punto& b) { return {a, b}; }

std::vector<Punto> Arco(double cx, double cy, double r, double a0, double a1)
{
    const int n = std::max(8, static_cast<int>(std::ceil(std::fabs(Rad(a1 - a0)) * r / kResolucion)));
    std::vector<Punto> l;
    for (int i = 0; i <= n; ++i) {
        const double a = Rad(a0 + (a1 - a0) * i / n);
        l.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return l;
}

std::vector<Punto> Elipse(double cx, double cy, double rx, double ry, double a0, double a1)
{
    const int n = std::max(8, static_cast<int>(std::ceil(std::fabs(Rad(a1 - a0)) * std::max(rx, ry) / kResolucion)));
    std::vector<Punto> l;
    for (int i = 0; i <= n; ++i) {
        const double a = Rad(a0 + (a1 - a0) * i / n);
        l.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return l;
}

// The arc from a through m to b (a segment when they are in line).
std::vector<Punto> ArcoTresPuntos(const Punto& a, const Punto& m, const Punto& b)
{
    const double d = 2.0 * (a.x * (m.y - b.y) + m.x * (b.y - a.y) + b.x * (a.y - m.y));
    if (std::fabs(d) < 1e-6) return Recta(a, b);
    const double a2 = a.x * a.x + a.y * a.y, m2 = m.x * m.x + m.y * m.y, b2 = b.x * b.x + b.y * b.y;
    const double cx = (a2 * (m.y - b.y) + m2 * (b.y - a.y) + b2 * (a.y - m.y)) / d;
    const double cy = (a2 * (b.x - m.x) + m2 * (a.x - b.x) + b2 * (m.x - a.x)) / d;
    const double r = std::hypot(a.x - cx, a.y - cy);
    double ta = std::atan2(a.y - cy, a.x - cx) * 180.0 / kPi;
    double tm = std::atan2(m.y - cy, m.x - cx) * 180.0 / kPi;
    double tb = std::atan2(b.y - cy, b.x - cx) * 180.0 / kPi;
    // Go the way that passes m.
    auto norm = [](double v) { return std::fmod(std::fmod(v, 360.0) + 360.0, 360.0); };
    const double hastaM = norm(tm - ta), hastaB = norm(tb - ta);
    if (hastaM <= hastaB)
        tb = ta + hastaB;
    else
        tb = ta - norm(ta - tb);
    (void)tm;
    return Arco(cx, cy, r, ta, tb);
}

std::vector<Punto> Vertices(double cx, double cy, double r, int k, double giro, int salto = 1)
{
    std::vector<Punto> v;
    for (int i = 0; i <= k; ++i) {
        const double a = Rad(giro + 360.0 * static_cast<double>((i * salto) % k) / k);
        v.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return v;
}

// The heart curve, from its upper notch round the right lobe to the tip and
// round the left lobe back.
std::vector<Punto> Corazon(double cx, double cy, double alto, double t0, double t1)
{
    std::vector<Punto> l;
    const double e = alto / 32.0;
    const int n = 160;
    for (int i = 0; i <= n; ++i) {
        const double t = Rad(t0 + (t1 - t0) * i / n);
        const double x = 16.0 * std::pow(std::sin(t), 3.0);
        const double y = 13.0 * std::cos(t) - 5.0 * std::cos(2 * t) - 2.0 * std::cos(3 * t) - std::cos(4 * t);
        l.push_back({cx + e * x, cy - e * y + e * 1.5});
    }
    return l;
}

// Builds a run's strokes and shards from shape commands.
struct Trazador {
    Tramo& tramo;
    double paso = kPasoSello;
    bool hayPluma = false;
    Punto pluma;
    Punto inicio;

    void Anade(const std::vector<Punto>& l)
    {
        if (l.size() < 2) return;
        if (!hayPluma) {
            inicio = l.front();
        } else if (Distancia(pluma, l.front()) > 1.0) {
            // The path goes on to where the stroke starts.
            Anade1(Recta(pluma, l.front()));
        }
        Anade1(l);
    }
    void Anade1(const std::vector<Punto>& l)
    {
        hayPluma = true;
        tramo.trazos.push_back(l);
        const double lg = Longitud(l);
        const int n = std::max(1, static_cast<int>(std::lround(lg / paso)));
        for (int i = 0; i < n; ++i) tramo.piezas.push_back(EnLongitud(l, lg * i / n));
        pluma = l.back();
    }
    // An open path ends with a shard of its own.
    void Termina()
    {
        if (hayPluma && Distancia(pluma, inicio) > paso / 2.0) tramo.piezas.push_back(pluma);
    }
};

bool EsFormaDeTrazo(const std::string& n)
{
    static const char* const k[] = {"INICIO", "RECTA", "ARCO", "ARCO3", "ELIPSE", "POLIGONO", "PUNTAS", "ESTRELLA", "CORAZON"};
    for (const char* s : k)
        if (n == s) return true;
    return false;
}

void Traza(Trazador& t, const Comando& c)
{
    const std::string& n = c.nombre;
    if (n == "INICIO") {
        t.pluma = {c.Real(0), c.Real(1)};
        t.inicio = t.pluma;
        t.hayPluma = true;
    } else if (n == "RECTA") {
        if (!t.hayPluma) Falla(c, "a line needs a start (INICIO) first");
        t.Anade(Recta(t.pluma, {c.Real(0), c.Real(1)}));
    } else if (n == "ARCO") {
        t.Anade(Arco(c.Real(0), c.Real(1), c.Real(2), c.Real(3), c.Real(4)));
    } else if (n == "ARCO3") {
        if (!t.hayPluma) Falla(c, "an arc through three points needs a start (INICIO) first");
        t.Anade(ArcoTresPuntos(t.pluma, {c.Real(0), c.Real(1)}, {c.Real(2), c.Real(3)}));
    } else if (n == "ELIPSE") {
        t.Anade(Elipse(c.Real(0), c.Real(1), c.Real(2), c.Real(3), c.Real(4), c.Real(5)));
    } else if (n == "POLIGONO" || n == "ESTRELLA") {
        const int k = c.Entero(3);
        const int salto = n == "ESTRELLA" ? c.Entero(4) : 1;
        const double giro = c.Tiene(n == "ESTRELLA" ? 5 : 4) ? c.Real(n == "ESTRELLA" ? 5 : 4) : -90.0;
        if (k < 3 || salto < 1) Falla(c, "needs at least 3 corners");
        const std::vector<Punto> v = Vertices(c.Real(0), c.Real(1), c.Real(2), k, giro, salto);
        for (size_t i = 1; i < v.size(); ++i) t.Anade(Recta(v[i - 1], v[i]));
    } else if (n == "PUNTAS") {
        const int k = c.Entero(4);
        const double giro = c.Tiene(5) ? c.Real(5) : -90.0;
        if (k < 3) Falla(c, "needs at least 3 points");
        std::vector<Punto> v;
        for (int i = 0; i <= 2 * k; ++i) {
            const double r = i % 2 == 0 ? c.Real(2) : c.Real(3);
            const double a = Rad(giro + 180.0 * i / k);
            v.push_back({c.Real(0) + r * std::cos(a), c.Real(1) + r * std::sin(a)});
        }
        for (size_t i = 1; i < v.size(); ++i) t.Anade(Recta(v[i - 1], v[i]));
    } else if (n == "CORAZON") {
        t.Anade(Corazon(c.Real(0), c.Real(1), c.Real(2), 0.0, 180.0));
        t.Anade(Corazon(c.Real(0), c.Real(1), c.Real(2), 180.0, 360.0));
    }
}

// Drops every shard nearer than the least distance to an earlier one (a path
// that crosses itself passes the same place twice).
void QuitaRepetidas(Figura& f)
{
    std::vector<Punto> vistas;
    for (Tramo& t : f.tramos) {
        std::vector<Punto> quedan;
        for (const Punto& p : t.piezas) {
            const Punto campo{512.0 + t.origen.x + p.x, 384.0 + t.origen.y + p.y};
            bool cerca = false;
            // With room for the rounding to whole points of the figure file.
            for (const Punto& q : vistas) cerca = cerca || Distancia(q, campo) < kDistanciaMinima + 1.5;
            if (cerca) continue;
            vistas.push_back(campo);
            quedan.push_back(p);
        }
        t.piezas = quedan;
    }
}

} // namespace

std::vector<Punto> Figura::Posiciones() const
{
    std::vector<Punto> r;
    for (const Tramo& t : tramos)
        for (const Punto& p : t.piezas) r.push_back({512.0 + t.origen.x + p.x, 384.0 + t.origen.y + p.y});
    return r;
}

std::vector<int> Figura::Colores() const
{
    std::vector<int> r;
    for (size_t i = 0; i < tramos.size(); ++i)
        for (size_t k = 0; k < tramos[i].piezas.size(); ++k) r.push_back(static_cast<int>(i));
    return r;
}

size_t Figura::NumPiezas() const
{
    size_t n = 0;
    for (const Tramo& t : tramos) n += t.piezas.size();
    return n;
}

std::vector<Figura> LeeTableros(const std::string& ruta)
{
    std::vector<Figura> tableros;
    for (const Comando& c : LeeComandos(ruta)) {
        if (c.nombre == "TABLERO") {
            Figura f;
            f.fichero = "Trazar\\" + c.Texto(0) + ".TPZ";
            f.sello = false;
            f.origen = c.origen;
            f.tramos.emplace_back();
            tableros.push_back(f);
            continue;
        }
        if (tableros.empty()) Falla(c, "comes before any TABLERO");
        std::vector<Punto>& p = tableros.back().tramos.back().piezas;
        if (c.nombre == "ELIPSE" || c.nombre == "ANILLO") {
            const bool anillo = c.nombre == "ANILLO";
            const double rx = c.Real(2), ry = anillo ? rx : c.Real(3);
            const int n = c.Entero(anillo ? 3 : 4);
            const double giro = c.Tiene(anillo ? 4 : 5) ? c.Real(anillo ? 4 : 5) : -90.0;
            for (int i = 0; i < n; ++i) {
                const double a = Rad(giro + 360.0 * i / n);
                p.push_back({c.Real(0) + rx * std::cos(a), c.Real(1) + ry * std::sin(a)});
            }
        } else if (c.nombre == "ARCO") {
            const int n = c.Entero(5);
            for (int i = 0; i < n; ++i) {
                const double a = Rad(c.Real(3) + (c.Real(4) - c.Real(3)) * (n > 1 ? static_cast<double>(i) / (n - 1) : 0.0));
                p.push_back({c.Real(0) + c.Real(2) * std::cos(a), c.Real(1) + c.Real(2) * std::sin(a)});
            }
        } else if (c.nombre == "SEGMENTO") {
            const int n = c.Entero(4);
            for (int i = 0; i < n; ++i) {
                const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
                p.push_back({c.Real(0) + (c.Real(2) - c.Real(0)) * t, c.Real(1) + (c.Real(3) - c.Real(1)) * t});
            }
        } else if (c.nombre == "PUNTO") {
            p.push_back({c.Real(0), c.Real(1)});
        } else {
            Falla(c, "is no board command");
        }
    }
    for (const Figura& f : tableros) {
        // The name's last number is the piece count.
        const size_t corte = f.fichero.find_last_of('_');
        const size_t cuantas = static_cast<size_t>(std::atoi(f.fichero.c_str() + corte + 1));
        if (cuantas != f.NumPiezas())
            throw ErrorFuente(f.origen + ": board " + f.fichero + " has " + std::to_string(f.NumPiezas()) +
                              " pieces, its name says " + std::to_string(cuantas));
    }
    return tableros;
}

std::vector<Figura> LeeSellos(const std::string& ruta, const std::vector<Figura>* previas)
{
    std::vector<Figura> figuras;
    std::vector<Trazador> trazadores;
    auto termina = [&]() {
        if (!trazadores.empty()) trazadores.back().Termina();
        trazadores.clear();
        if (!figuras.empty()) QuitaRepetidas(figuras.back());
    };
    double paso = kPasoSello;
    for (const Comando& c : LeeComandos(ruta)) {
        if (c.nombre == "SELLO") {
            termina();
            Figura f;
            f.fichero = c.Texto(0);
            f.origen = c.origen;
            figuras.push_back(f);
            paso = kPasoSello;
            if (c.Tiene(1)) {
                figuras.back().tramos.push_back(Tramo{c.Texto(1), {}, {}, {}});
                trazadores.push_back(Trazador{figuras.back().tramos.back(), paso, false, {}, {}});
            }
            continue;
        }
        if (figuras.empty()) Falla(c, "comes before any SELLO");
        Figura& f = figuras.back();
        if (c.nombre == "PASO") {
            paso = c.Real(0);
            if (paso < kDistanciaMinima) Falla(c, "shards closer than the least distance");
            if (!trazadores.empty()) trazadores.back().paso = paso;
        } else if (c.nombre == "TRAMO") {
            if (!trazadores.empty()) trazadores.back().Termina();
            trazadores.clear();
            f.tramos.push_back(Tramo{c.Texto(0), {c.Real(1), c.Real(2)}, {}, {}});
            trazadores.push_back(Trazador{f.tramos.back(), paso, false, {}, {}});
        } else if (c.nombre == "COMO") {
            const Figura* otra = nullptr;
            for (const std::vector<Figura>* lista : {previas, static_cast<const std::vector<Figura>*>(&figuras)})
                if (lista)
                    for (const Figura& g : *lista)
                        if (g.fichero == c.Texto(0) && &g != &f) otra = &g;
            if (!otra) Falla(c, "no earlier figure " + c.Texto(0));
            f.tramos = otra->tramos;
            for (Tramo& t : f.tramos) t.imagen.clear();   // its pictures are the other's
        } else if (c.nombre == "ZIGZAG") {
            // k pieces round a circle, listed in the order that crosses every
            // pair of segments that are not neighbours.
            const int k = c.Entero(0);
            const double r = c.Real(1), giro = c.Tiene(2) ? c.Real(2) : -90.0;
            f.sello = false;
            f.tramos.push_back(Tramo{});
            const int m = (k + 1) / 2;
            auto anade = [&](int j) {
                const double a = Rad(giro + 360.0 * j / k);
                f.tramos.back().piezas.push_back({r * std::cos(a), r * std::sin(a)});
            };
            for (int i = 0; i < m; ++i) {
                anade(i);
                if (m + i < k) anade(m + i);
            }
        } else if (EsFormaDeTrazo(c.nombre)) {
            if (trazadores.empty()) Falla(c, "a stroke outside a run (SELLO with a picture, or TRAMO)");
            Traza(trazadores.back(), c);
        } else {
            Falla(c, "is no seal command");
        }
    }
    termina();
    return figuras;
}

std::string CompruebaPosiciones(const Figura& f)
{
    // As the figure file gives them: whole points.
    std::vector<Punto> p = f.Posiciones();
    for (Punto& q : p) q = {static_cast<double>(std::lround(q.x)), static_cast<double>(std::lround(q.y))};
    std::string errores;
    for (size_t i = 0; i < p.size(); ++i) {
        const long x = std::lround(p[i].x), y = std::lround(p[i].y);
        if (x < kCampoX0 || x > kCampoX1 || y < kCampoY0 || y > kCampoY1)
            errores += " piece " + std::to_string(i) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ") is off the board;";
        for (size_t j = 0; j < i; ++j)
            if (Distancia(p[i], p[j]) < kDistanciaMinima)
                errores += " pieces " + std::to_string(j) + " and " + std::to_string(i) + " are too close;";
    }
    if (p.empty()) errores = " no piece;";
    return errores;
}

std::string TextoTPZ(const Figura& f)
{
    std::ostringstream s;
    s << "// " << f.fichero << ": made by mg_levels from the figure sources; edit those.\n";
    const std::vector<Punto> p = f.Posiciones();
    const std::vector<int> c = f.Colores();
    for (size_t i = 0; i < p.size(); ++i)
        s << "BOLA = " << std::lround(p[i].x) << ", " << std::lround(p[i].y) << ", " << c[i] << ";\n";
    if (f.sello) s << "ESCALAGRAFICA = " << kEscalaEsquirlas << ";\n";
    return s.str();
}

std::string TextoFormas(const std::vector<Figura>& figuras)
{
    std::ostringstream s;
    s << "// Seal shapes for the pictures, made by mg_levels. Run coordinates, y down.\n";
    char num[64];
    for (const Figura& f : figuras)
        for (const Tramo& t : f.tramos) {
            if (t.imagen.empty()) continue;
            s << "IMAGEN = \"" << t.imagen << "\";\n";
            for (const std::vector<Punto>& l : t.trazos) {
                s << "TRAZO = ";
                for (size_t i = 0; i < l.size(); ++i) {
                    std::snprintf(num, sizeof num, "%s%.1f, %.1f", i ? ", " : "", l[i].x, l[i].y);
                    s << num;
                }
                s << ";\n";
            }
            for (const Punto& p : t.piezas) {
                std::snprintf(num, sizeof num, "PIEZA = %.1f, %.1f;\n", p.x, p.y);
                s << num;
            }
        }
    return s.str();
}

} // namespace niveles
