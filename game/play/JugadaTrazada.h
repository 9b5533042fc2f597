// Chains: the moves of a line on the board and the rules that play applies
// to them, worked out without drawing. A line is a path through the centres
// of its moves; a new move's segment runs from the move before it to the
// pointer and scores one point for every earlier, non-adjacent segment of
// the line that it crosses. The play screen (MenuJuego.h) keeps the moves
// and calls these rules; tests call them directly.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/Geometria.h"

#include <array>
#include <vector>

class CBolaTablero;

// One move of a line: the pieces it took (one when made by a press), the
// points it scored and the crossings its scoring added to the line (undo
// takes back exactly those).
struct JugadaTrazada {
    JugadaTrazada() = default;
    JugadaTrazada(const JugadaTrazada&) = delete;
    JugadaTrazada& operator=(const JugadaTrazada&) = delete;

    CLista m_Piezas;  // CBolaTablero*, not owned
    int m_iPuntos = 0;
    int m_iCruces = 0;

    // The mean of its pieces' field positions ((0, 0) without pieces).
    Punt2D Centro() const;
};

// The most crossings a line of n moves can have: 0 up to 3 moves, then
// (n - 2)(n - 3) / 2 (lines longer than 14 moves, reached with bonus
// pieces, follow the same rule).
int TablaMaximoCruces(int n);

// Whether segment cd crosses segment ab as a move scores it: the two lines
// meet at a point inside both segments' boxes widened by one point.
bool SeCruzanJugadas(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d);

// The crossings a new move scores: `centros` are the centres of the moves
// of the line, the newest last; the new segment runs from the centre of the
// move before the newest to the pointer, and is tested against every
// segment between consecutive centres up to the one that ends at the move
// before that (the adjacent one is not tested). Fewer than 4 moves: 0.
int CrucesNuevaJugada(const std::vector<Punt2D>& centros, const Punt2D& puntero);

// Where the segment that the pointer would add (from the newest centre to
// `destino`) crosses the line's segments, every one but the one that ends
// at the newest move; k numbers the segment tested, from 0. Fewer than 3
// moves: none.
struct MarcaCruce {
    Punt2D punto;
    int k = 0;
};
std::vector<MarcaCruce> MarcasDeCruce(const std::vector<Punt2D>& centros, const Punt2D& destino);

// Per-colour seal data of a rush (colours 0..4): how many shards of each
// colour, and the order index of its first and last shard.
constexpr int NUM_COLORES_RUSH = 5;
struct DatosRush {
    std::array<int, NUM_COLORES_RUSH> m_aiCuenta{};
    std::array<int, NUM_COLORES_RUSH> m_aiPrimera{-1, -1, -1, -1, -1};
    std::array<int, NUM_COLORES_RUSH> m_aiUltima{-1, -1, -1, -1, -1};
};
// From the colours of the figure's shards in order; a colour outside 0..4
// is left out.
DatosRush PreparaSellosRush(const std::vector<int>& colores);

// Whether the shard of order index `orden` is a next shard of the trace:
// any shard while none is traced (`ultima` -1); otherwise one step either
// side of the last, wrapping around the figure, or, in a rush, inside the
// selected colour's run.
bool EsquirlaSiguiente(int orden, int ultima, int numEsquirlas, bool rush, const DatosRush& rush_, int colorRush);

// The character's mood after a finished line, by its quality: 1 with no
// crossings; else, with X the most a line of its moves can have, 2 below
// X / 4, 3 below X / 2 and 6 otherwise (integer quarters and halves).
int AnimoPorCalidad(int cruces, int movimientos);

// The line check of one colour: its pieces on the board, those taken and
// settled (T) and those taken at all (P), against the pieces-per-line
// maximum with bonus pieces M'. A line finishes (diamond phase only) when
// T covers the colour or reaches M'; it is complete, blocking presses until
// it settles, when P covers the colour or, in the diamond phase, reaches M'.
struct EstadoLinea {
    bool bTerminada = false;
    bool bCompleta = false;
};
EstadoLinea EvaluaLinea(bool bDiamantes, int iPiezasColor, int iAsentadas, int iCogidas, int iMaximo);
