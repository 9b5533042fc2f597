// Figures: the board pieces of one phase of play. The diamonds come from a
// level's built-in figure number (TAPIZ), the shards of a seal from a figure
// file (.TPZ) below "Data\Tapices\". A figure file is a command file whose
// BOLA records place the pieces (in field points, the first record being
// order 0) and whose DISPX, DISPY, ESCALA and ESCALAGRAFICA records give the
// figure's transform.
#pragma once
#include "game/play/BolaTablero.h"

#include <array>
#include <vector>

class CLista;
struct RegistroNivel;

#define CARPETA_TAPICES "Data\\Tapices\\"

// The transform the builders write, reset to (0, 0, 1, 1) before every figure
// is built; the play screen keeps a copy per figure.
extern TransformacionFigura g_TransformacionCarga;

// Appends one piece per BOLA record of "Data\Tapices\" + name, with the
// level's shard fade and glow times; a colour outside 0..7 becomes 0. False,
// with the list unchanged, when the file cannot be opened or the name is too
// long for the file system.
bool CargaTapiz(CLista& lista, const char* nombre, const RegistroNivel& nivel);

// Builds built-in figure 0..46 into the list (0..32 are the files of
// NombresFigurasTrazado below "Trazar\"); any other number builds nothing
// and leaves the loader transform alone (false).
bool CreaFiguraTrazado(CLista& lista, int numero, const RegistroNivel& nivel);

// Row: `cuantas` pieces evenly from (x0, y0) toward (x1, y1), the end
// included unless `finAbierto` (a row of one piece with its end included is
// that one piece at the start). Ring: `cuantas` pieces at the angles
// inicio + i x 2 pi / cuantas, at (cx + radio sin, cy + radio cos). Pieces of
// both are always seen and lit, of a random colour below `colores`.
void CreaFilaDePiezas(int primerOrden, CLista& lista, float x0, float y0, float x1, float y1, int cuantas,
                      int colores, bool finAbierto);
void CreaAnilloDePiezas(int primerOrden, CLista& lista, float cx, float cy, float radio, float anguloInicial,
                        int cuantas, int colores);
CBolaTablero* CreaPieza(int orden, CLista& lista, float x, float y, int colores);

// The built-in figures 33..46, as places in figure units with their sprite
// scale: what CreaFiguraTrazado builds, for tools that need the geometry
// only. False for any other number.
struct PuntoFigura {
    float x, y;
};
bool GeometriaFiguraTrazado(int numero, std::vector<PuntoFigura>& puntos, float& escalaGrafica);

constexpr int NUM_TAPICES_TRAZAR = 33;
extern const char* const NombresFigurasTrazado[NUM_TAPICES_TRAZAR];

// A figure file and the gallery seal its victory unlocks.
struct FilaFiguraGaleria {
    const char* m_pszFigura;  // below "Data\Tapices\Figura\"
    int m_iSello;             // n of "MGalSello_n"
};
constexpr int NUM_FILAS_GALERIA = 52;
extern const std::array<FilaFiguraGaleria, NUM_FILAS_GALERIA> TablaFigurasGaleria;

// Unlocks (not forced) the gallery seals of a figure name "Figura\..."
// (prefix and names compared without regard to case); any other name unlocks
// nothing.
void DesbloqueaFigura(const char* nombre);

// Deletes every piece of a list and empties it.
void BorraPiezas(CLista& lista);
