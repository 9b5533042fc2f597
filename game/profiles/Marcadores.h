// The marker names: every unlockable item and one-time event of the game has
// a fixed name in a table of 270. A profile keeps which of them are locked,
// newly unlocked or carry news in three lists of owned texts.
#pragma once
#include <array>
#include <cstdint>

class CLista;

constexpr int NUM_MARCADORES = 270;
// Index of "no marker" (270 is not used).
constexpr int MARCADOR_NINGUNO = 271;

// Markers named in code elsewhere, by index.
enum {
    MARCADOR_MODO_HISTORIA = 0,
    MARCADOR_PRIMER_NIVEL_EXTRA = 10,   // m_pBoton_*_Dif0 .. Dif3: 10 + 15d + k
    MARCADOR_PRIMER_COFRE = 70,
    MARCADOR_PRIMER_PERSONAJE = 77,
    MARCADOR_PRIMER_CAPITULO = 88,
    MARCADOR_PRIMERA_GALERIA = 100,
    MARCADOR_PRIMER_SELLO_GALERIA = 145,
    MARCADOR_PRIMER_TROFEO = 205,
    MARCADOR_PRIMERA_BOLSA = 245,
    MARCADOR_PRIMER_AVISO = 252,
    MARCADOR_PRIMER_TUTORIAL = 258,
};
constexpr int NUM_SELLOS_GALERIA = 60;
constexpr int NUM_TROFEOS = 40;
constexpr int NUM_PERSONAJES = 11;

// Extra-mode level buttons, k in the group of 15 of each difficulty.
enum {
    NIVEL_CONCENTRAR_JUGAR_A20 = 0,
    NIVEL_CONCENTRAR_SIN_FIN = 1,
    NIVEL_SELLOS_PEQUE1 = 2,            // .. Sellos_Peque9 = 10
    NIVEL_SELLOS_MULTI = 11,
    NIVEL_SELLOS_AZAR = 12,
    NIVEL_ATAQUES_JUGAR = 13,
    NIVEL_ATAQUES_SIN_FIN = 14,
    NUM_NIVELES_EXTRA = 15,
};
constexpr int IndiceBotonNivel(int dificultad, int nivel) { return MARCADOR_PRIMER_NIVEL_EXTRA + 15 * dificultad + nivel; }

// Index 0..269 of the name (exact, case-sensitive comparison), or
// MARCADOR_NINGUNO for a name outside the table or null.
int BuscaMarcador(const char* nombre);
// The name of a marker; the empty text for any index outside 0..269.
const char* NombreMarcador(int indice);
// The parent marker whose news an unlock also raises, MARCADOR_NINGUNO for none
// (and for any index outside the table).
int PadreMarcador(int indice);

// The markers a fresh profile holds locked, in the order they are added at
// the head of its locked list; and the one marker that starts with news.
constexpr int NUM_MARCADORES_INICIALES = 266;
extern const std::array<int16_t, NUM_MARCADORES_INICIALES> MarcadoresIniciales;
constexpr int NovedadInicial = MARCADOR_MODO_HISTORIA;

// Whether a list of owned texts holds the name (exact comparison); when it
// does, the list's cursor is left on it.
bool BuscaEnLista(const char* nombre, CLista& lista);
