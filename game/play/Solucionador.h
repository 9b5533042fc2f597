// A player model that plays a level's boards: it picks lines of one colour
// and orders their pieces for the most crossings, presses one piece every so
// many steps, and waits for the game's own delays (pieces appear one step
// apart over 15 steps, settle 30 steps after a press, dissolve over 15). The
// level tool derives time limits and par from it; a bot can play with it.
//
// Crossings follow the play screen's rule: a new move's segment runs from
// the previous move's centre to the pointer and scores one point for every
// earlier, non-adjacent segment of the line it crosses. The model counts a
// crossing only when it holds wherever the press lands within a few points
// of the piece's centre, as a real hand would press.
#pragma once
#include "engine/graphics/Geometria.h"

#include <cstdint>
#include <vector>

// Steps of the game's own delays.
constexpr int PASOS_APARICION = 15;
constexpr int PASOS_ASENTAR = 30;
constexpr int PASOS_DISOLVER = 15;
// How far from a piece's centre a press may land.
constexpr float HOLGURA_TOQUE = 8.0f;
constexpr int MAX_PIEZAS_LINEA_CRUCES = 14;

// The most crossings a line of n moves can have: (n - 2)(n - 3) / 2, 0 up to 3.
constexpr int MaximoCruces(int n) { return n <= 3 ? 0 : (n - 2) * (n - 3) / 2; }

// Whether the segment from c to the press d crosses segment ab as play
// counts it (a single point inside both segments' boxes widened by 1).
bool SeCruzan(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d);
// Whether segment c -> d crosses ab for every press within `holgura` of d.
bool CruceFirme(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d, float holgura);
// The points a line of moves through these centres scores, in order.
int CrucesCamino(const std::vector<Punt2D>& camino, float holgura);
// An order of k points given in convex (cyclic) order that crosses every
// pair of non-adjacent segments: 0, m, 1, m + 1, 2, ... with m = ceil(k / 2).
std::vector<int> OrdenZigzag(int k);

// A line: its colour, its pieces in pressing order and the points it scores.
struct PlanLinea {
    int m_iColor = -1;
    std::vector<int> m_aPiezas;
    int m_iCruces = 0;
};

// The best line the model finds through the candidate pieces (indices into
// `puntos`): all of them when they are `maximo` or fewer (a line ends only
// with `maximo` pieces or its colour taken whole), else `maximo` of them.
PlanLinea MejorLinea(const std::vector<Punt2D>& puntos, const std::vector<int>& candidatos, int maximo,
                     float holgura = HOLGURA_TOQUE);

struct ModeloJugador {
    int m_iPasosPorToque = 30;   // steps between two presses
    float m_fHolgura = HOLGURA_TOQUE;
};

// One diamond phase: from the phase's first step until the score reaches the
// target. The pieces get their colours from the game's generator in list
// order (as the play screen gives them), so the caller seeds it.
struct ResultadoDiamantes {
    bool m_bCompletada = false;  // the target was reached within the step cap
    int m_iPasos = 0;            // steps of the phase
    int m_iLineas = 0;           // lines used (the line that reached the target counts)
    int m_iMaximo = 0;           // pieces-per-line maximum at the end
    int m_iPuntos = 0;           // points scored
};
struct ParametrosDiamantes {
    std::vector<Punt2D> m_aTablero;  // field positions, in the figure's order
    int m_iColores = 3;
    int m_iMaximo = 4;               // pieces-per-line maximum
    int m_iObjetivo = 10;
    int m_iMaximoTope = 0;           // > 0: a line with every crossing raises the maximum up to this
    int m_iPasosTope = 30 * 60 * 30; // give up after this many steps
    int m_iLineasTope = 0;           // > 0: stop after this many lines (to measure what they score)
};
ResultadoDiamantes SimulaDiamantes(const ParametrosDiamantes& p, const ModeloJugador& jugador);

// One shard phase: the shards appear from its first step and are traced in
// order; in a rush, colour run after colour run (`tramos` holds each run's
// size; the waits between runs do not count). Steps until the last press.
int SimulaTrazado(int esquirlas, const ModeloJugador& jugador);
int SimulaTrazadoRush(const std::vector<int>& tramos, const ModeloJugador& jugador);
