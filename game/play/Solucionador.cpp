#include "game/play/Solucionador.h"

#include "engine/core/Temporizador.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

float Cruz(const Punt2D& o, const Punt2D& a, const Punt2D& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

float Longitud(const Punt2D& a, const Punt2D& b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool DentroCaja(const Punt2D& p, const Punt2D& a, const Punt2D& b)
{
    return p.x >= std::min(a.x, b.x) - 1.0f && p.x <= std::max(a.x, b.x) + 1.0f && p.y >= std::min(a.y, b.y) - 1.0f &&
           p.y <= std::max(a.y, b.y) + 1.0f;
}

// The points of the path given by `orden` over `puntos`.
int CrucesOrden(const std::vector<Punt2D>& puntos, const std::vector<int>& orden, float holgura)
{
    int total = 0;
    const size_t k = orden.size();
    for (size_t j = 3; j < k; ++j) {
        const Punt2D& c = puntos[static_cast<size_t>(orden[j - 1])];
        const Punt2D& d = puntos[static_cast<size_t>(orden[j])];
        for (size_t a = 0; a + 3 <= j; ++a) {
            const Punt2D& p = puntos[static_cast<size_t>(orden[a])];
            const Punt2D& q = puntos[static_cast<size_t>(orden[a + 1])];
            if (holgura > 0.0f ? CruceFirme(p, q, c, d, holgura) : SeCruzan(p, q, c, d)) ++total;
        }
    }
    return total;
}

// Indices of `conjunto` in angular order around their centroid.
std::vector<int> OrdenAngular(const std::vector<Punt2D>& puntos, const std::vector<int>& conjunto)
{
    float cx = 0.0f, cy = 0.0f;
    for (int i : conjunto) {
        cx += puntos[static_cast<size_t>(i)].x;
        cy += puntos[static_cast<size_t>(i)].y;
    }
    cx /= static_cast<float>(conjunto.size());
    cy /= static_cast<float>(conjunto.size());
    std::vector<std::pair<float, int>> angulos;
    for (int i : conjunto)
        angulos.push_back({std::atan2(puntos[static_cast<size_t>(i)].y - cy, puntos[static_cast<size_t>(i)].x - cx), i});
    std::sort(angulos.begin(), angulos.end());
    std::vector<int> r;
    for (const auto& a : angulos) r.push_back(a.second);
    return r;
}

// The convex hull of a set (indices), counter-clockwise.
std::vector<int> Envolvente(const std::vector<Punt2D>& puntos, std::vector<int> conjunto)
{
    std::sort(conjunto.begin(), conjunto.end(), [&](int a, int b) {
        const Punt2D& p = puntos[static_cast<size_t>(a)];
        const Punt2D& q = puntos[static_cast<size_t>(b)];
        return p.x < q.x || (p.x == q.x && p.y < q.y);
    });
    if (conjunto.size() < 3) return conjunto;
    std::vector<int> h(2 * conjunto.size());
    size_t k = 0;
    auto p = [&](int i) -> const Punt2D& { return puntos[static_cast<size_t>(i)]; };
    for (int i : conjunto) {
        while (k >= 2 && Cruz(p(h[k - 2]), p(h[k - 1]), p(i)) <= 0) --k;
        h[k++] = i;
    }
    for (size_t i = conjunto.size() - 1, t = k + 1; i-- > 0;) {
        const int v = conjunto[i];
        while (k >= t && Cruz(p(h[k - 2]), p(h[k - 1]), p(v)) <= 0) --k;
        h[k++] = v;
    }
    h.resize(k - 1);
    return h;
}

struct Busqueda {
    const std::vector<Punt2D>& puntos;
    float holgura;

    // Best zigzag over the rotations and both directions of a cyclic order.
    int MejorZigzag(const std::vector<int>& ciclo, std::vector<int>& mejor) const
    {
        const int k = static_cast<int>(ciclo.size());
        const std::vector<int> zig = OrdenZigzag(k);
        int mejores = -1;
        std::vector<int> orden(static_cast<size_t>(k));
        for (int sentido : {1, -1})
            for (int r = 0; r < k; ++r) {
                for (int i = 0; i < k; ++i)
                    orden[static_cast<size_t>(i)] = ciclo[static_cast<size_t>(((r + sentido * zig[static_cast<size_t>(i)]) % k + k) % k)];
                const int c = CrucesOrden(puntos, orden, holgura);
                if (c > mejores) {
                    mejores = c;
                    mejor = orden;
                    if (c == MaximoCruces(k)) return c;
                }
            }
        return mejores;
    }

    // Swaps of two places while one improves the count.
    int Mejora(std::vector<int>& orden, int cruces) const
    {
        const size_t k = orden.size();
        const int tope = MaximoCruces(static_cast<int>(k));
        for (int pasada = 0; pasada < 4 && cruces < tope; ++pasada) {
            bool mejorado = false;
            for (size_t i = 0; i < k && cruces < tope; ++i)
                for (size_t j = i + 1; j < k && cruces < tope; ++j) {
                    std::swap(orden[i], orden[j]);
                    const int c = CrucesOrden(puntos, orden, holgura);
                    if (c > cruces) {
                        cruces = c;
                        mejorado = true;
                    } else {
                        std::swap(orden[i], orden[j]);
                    }
                }
            if (!mejorado) break;
        }
        return cruces;
    }
};

} // namespace

bool SeCruzan(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d)
{
    Interseccio r;
    if (InterseccioSegments(&r, a, b, c, d) != INTERSECCIO_CREUEN) return false;
    return DentroCaja(r.punt, a, b) && DentroCaja(r.punt, c, d);
}

bool CruceFirme(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d, float holgura)
{
    // Every press d' within `holgura` of d must lie beyond the line ab (seen
    // from c) and inside the angle that a and b span from c.
    const float lab = Longitud(a, b), lca = Longitud(c, a), lcb = Longitud(c, b);
    if (lab <= 0.0f || lca <= 0.0f || lcb <= 0.0f) return false;
    const float sc = Cruz(a, b, c);
    const float sd = Cruz(a, b, d);
    if (sc == 0.0f || (sc > 0.0f) == (sd > 0.0f) || std::fabs(sd) / lab < holgura) return false;
    const float angulo = Cruz(c, a, b);
    const float da = Cruz(c, a, d);   // d's side of the ray c -> a
    const float db = Cruz(c, d, b);   // and of the ray c -> b
    if (angulo == 0.0f || (da > 0.0f) != (angulo > 0.0f) || (db > 0.0f) != (angulo > 0.0f)) return false;
    return std::fabs(da) / lca >= holgura && std::fabs(db) / lcb >= holgura;
}

int CrucesCamino(const std::vector<Punt2D>& camino, float holgura)
{
    std::vector<int> orden(camino.size());
    std::iota(orden.begin(), orden.end(), 0);
    return CrucesOrden(camino, orden, holgura);
}

std::vector<int> OrdenZigzag(int k)
{
    std::vector<int> r;
    const int m = (k + 1) / 2;
    for (int i = 0; i < m; ++i) {
        r.push_back(i);
        if (m + i < k) r.push_back(m + i);
    }
    return r;
}

PlanLinea MejorLinea(const std::vector<Punt2D>& puntos, const std::vector<int>& candidatos, int maximo, float holgura)
{
    PlanLinea plan;
    if (candidatos.empty() || maximo <= 0) return plan;
    const int k = std::min(static_cast<int>(candidatos.size()), maximo);
    const Busqueda b{puntos, holgura};
    if (k < 4) {
        // No crossing is possible: the pieces in any order.
        plan.m_aPiezas.assign(candidatos.begin(), candidatos.begin() + k);
        return plan;
    }

    // The sets worth trying: all of them, or k of them spread along the hull
    // and around the centre.
    std::vector<std::vector<int>> conjuntos;
    if (static_cast<int>(candidatos.size()) == k) {
        conjuntos.push_back(candidatos);
    } else {
        const int n = static_cast<int>(candidatos.size());
        const std::vector<int> envolvente = Envolvente(puntos, candidatos);
        const int h = static_cast<int>(envolvente.size());
        if (h >= k) {
            for (int desfase = 0; desfase < std::min(h, 3); ++desfase) {
                std::vector<int> c;
                for (int i = 0; i < k; ++i) c.push_back(envolvente[static_cast<size_t>((desfase + i * h / k) % h)]);
                conjuntos.push_back(c);
            }
        } else {
            // The hull and the inner pieces nearest to it.
            std::vector<int> c = envolvente;
            std::vector<std::pair<float, int>> interiores;
            float cx = 0.0f, cy = 0.0f;
            for (int i : candidatos) {
                cx += puntos[static_cast<size_t>(i)].x / static_cast<float>(n);
                cy += puntos[static_cast<size_t>(i)].y / static_cast<float>(n);
            }
            for (int i : candidatos)
                if (std::find(envolvente.begin(), envolvente.end(), i) == envolvente.end())
                    interiores.push_back({-Longitud(puntos[static_cast<size_t>(i)], {cx, cy}), i});
            std::sort(interiores.begin(), interiores.end());
            for (size_t i = 0; static_cast<int>(c.size()) < k && i < interiores.size(); ++i) c.push_back(interiores[i].second);
            conjuntos.push_back(c);
        }
        const std::vector<int> angular = OrdenAngular(puntos, candidatos);
        for (int desfase = 0; desfase < std::min(n, 3); ++desfase) {
            std::vector<int> c;
            for (int i = 0; i < k; ++i) c.push_back(angular[static_cast<size_t>((desfase + i * n / k) % n)]);
            conjuntos.push_back(c);
        }
    }

    int mejores = -1;
    for (const std::vector<int>& c : conjuntos) {
        std::vector<int> orden;
        const int cruces = b.MejorZigzag(OrdenAngular(puntos, c), orden);
        if (cruces > mejores) {
            mejores = cruces;
            plan.m_aPiezas = orden;
            if (cruces == MaximoCruces(k)) break;
        }
    }
    plan.m_iCruces = b.Mejora(plan.m_aPiezas, mejores);
    return plan;
}

namespace {

struct PiezaSimulada {
    int color = 0;
    int libreDesde = 0;  // step from which it may be taken
    bool enLinea = false;
};

} // namespace

ResultadoDiamantes SimulaDiamantes(const ParametrosDiamantes& p, const ModeloJugador& jugador)
{
    ResultadoDiamantes r;
    r.m_iMaximo = p.m_iMaximo;
    const int n = static_cast<int>(p.m_aTablero.size());
    const int colores = std::max(1, p.m_iColores);
    const int toque = std::max(1, jugador.m_iPasosPorToque);
    if (n == 0) return r;

    // The phase's first step gives every piece its colour, in list order,
    // and they appear one step apart.
    std::vector<PiezaSimulada> piezas(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        piezas[static_cast<size_t>(i)].color = EnteroAleatorio(0, colores - 1);
        piezas[static_cast<size_t>(i)].libreDesde = i + PASOS_APARICION;
    }

    int maximo = p.m_iMaximo;
    int puntos = 0;
    int ultimoToque = 0;   // the phase starts with the hand away from the board
    int bloqueo = 0;       // no press before this step
    while (true) {
        // The line worth most per step among the colours.
        PlanLinea mejor;
        double mejorValor = -1.0;
        for (int c = 0; c < colores; ++c) {
            std::vector<int> candidatos;
            for (int i = 0; i < n; ++i)
                if (piezas[static_cast<size_t>(i)].color == c) candidatos.push_back(i);
            if (candidatos.empty()) continue;
            PlanLinea plan = MejorLinea(p.m_aTablero, candidatos, maximo, jugador.m_fHolgura);
            plan.m_iColor = c;
            int t = std::max(ultimoToque, bloqueo);
            for (int i : plan.m_aPiezas) t = std::max(t + toque, piezas[static_cast<size_t>(i)].libreDesde);
            const double duracion = static_cast<double>(t - std::max(ultimoToque, bloqueo)) + PASOS_ASENTAR + PASOS_DISOLVER;
            // Worth: points per step; a line of no points is worth its speed.
            const double valor = plan.m_iCruces > 0 ? plan.m_iCruces / duracion : 1e-6 / duracion;
            if (valor > mejorValor) {
                mejorValor = valor;
                mejor = plan;
            }
        }
        if (mejor.m_aPiezas.empty()) return r;

        // Press after press; each move scores what it crosses.
        std::vector<Punt2D> camino;
        int t = std::max(ultimoToque, bloqueo);
        for (int i : mejor.m_aPiezas) {
            t = std::max(t + toque, piezas[static_cast<size_t>(i)].libreDesde);
            if (t > p.m_iPasosTope) return r;
            camino.push_back(p.m_aTablero[static_cast<size_t>(i)]);
            const size_t j = camino.size() - 1;
            if (j >= 3)
                for (size_t a = 0; a + 3 <= j; ++a)
                    if (CruceFirme(camino[a], camino[a + 1], camino[j - 1], camino[j], jugador.m_fHolgura)) ++puntos;
            if (puntos >= p.m_iObjetivo) {
                r.m_bCompletada = true;
                r.m_iPasos = t;
                r.m_iLineas += 1;
                r.m_iMaximo = maximo;
                r.m_iPuntos = puntos;
                return r;
            }
        }
        ultimoToque = t;
        ++r.m_iLineas;
        r.m_iPuntos = puntos;
        r.m_iPasos = t + PASOS_ASENTAR;
        const int k = static_cast<int>(mejor.m_aPiezas.size());
        if (p.m_iMaximoTope > 0 && k == maximo && mejor.m_iCruces == MaximoCruces(maximo) && maximo < p.m_iMaximoTope)
            ++maximo;
        r.m_iMaximo = maximo;
        if (p.m_iLineasTope > 0 && r.m_iLineas >= p.m_iLineasTope) return r;

        // The line ends when its last piece settles; its pieces dissolve and
        // come back in list order with new colours, one step apart.
        const int fin = t + PASOS_ASENTAR;
        const int ido = fin + PASOS_DISOLVER;
        bloqueo = ido;
        std::vector<int> linea = mejor.m_aPiezas;
        std::sort(linea.begin(), linea.end());
        for (int i : linea) {
            piezas[static_cast<size_t>(i)].color = EnteroAleatorio(0, colores - 1);
            piezas[static_cast<size_t>(i)].libreDesde = ido + i + PASOS_APARICION;
        }
    }
}

int SimulaTrazado(int esquirlas, const ModeloJugador& jugador)
{
    const int toque = std::max(1, jugador.m_iPasosPorToque);
    int t = 0;
    for (int i = 0; i < esquirlas; ++i) t = std::max(t + toque, i + PASOS_APARICION);
    return t;
}

int SimulaTrazadoRush(const std::vector<int>& tramos, const ModeloJugador& jugador)
{
    const int toque = std::max(1, jugador.m_iPasosPorToque);
    int t = 0;
    int orden = 0;
    for (int tramo : tramos)
        for (int i = 0; i < tramo; ++i, ++orden) t = std::max(t + toque, orden + PASOS_APARICION);
    return t;
}
