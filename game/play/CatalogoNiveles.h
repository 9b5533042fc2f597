// The level catalogue: every level file of the four difficulties, in the
// order the level table reads them. Story chapters are groups 0..11, the
// quick game 12, the seals-only levels 13, the attacks levels 14 and the
// concentration levels 15. The four difficulty blocks are alike but for the
// difficulty's folder in the paths.
#pragma once
#include <array>
#include <string>

constexpr int NUM_DIFICULTADES_NIVEL = 4;
constexpr int NUM_GRUPOS_NIVEL = 16;
// Room per group in the table's index: the seals-only group has 11 parts.
constexpr int MAX_PARTES_GRUPO = 11;
constexpr int NUM_CAPITULOS_HISTORIA = 12;
constexpr int NUM_ETAPAS_HISTORIA = 53;
constexpr int NIVELES_POR_DIFICULTAD = 69;
constexpr int NUM_FILAS_CATALOGO = NUM_DIFICULTADES_NIVEL * NIVELES_POR_DIFICULTAD;
constexpr int TUTORIAL_NINGUNO = 12;

enum {
    GRUPO_RAPIDA = 12,
    GRUPO_SOLO_SELLOS = 13,
    GRUPO_SOLO_ATAQUES = 14,
    GRUPO_SOLO_CONCENTRAR = 15,
};

// Parts of each group, 0..15.
inline constexpr std::array<int, NUM_GRUPOS_NIVEL> PartesPorGrupo = {3, 4, 5, 2, 6, 6, 3, 7, 3, 5, 5, 4, 1, 11, 2, 2};

// Folder of each difficulty: Pasatiempos, Puzzle, Desafio, Heroico.
extern const char* const NombresDificultad[NUM_DIFICULTADES_NIVEL];
// File names of the seals-only parts 0..10 (Primero .. Noveno, MultiSellos, Azar).
extern const char* const NombresSoloSellos[MAX_PARTES_GRUPO];

struct FilaCatalogoNiveles {
    int m_iGrupo = -1;
    int m_iParte = -1;
    int m_iDificultad = -1;
    int m_iTutorial = TUTORIAL_NINGUNO;  // the chapter's number on a chapter's first stage
    std::string m_sRuta;
};

// The 276 rows, built once.
const std::array<FilaCatalogoNiveles, NUM_FILAS_CATALOGO>& CatalogoNiveles();

// Row of (difficulty, group, part), -1 when the catalogue has none.
constexpr int IndiceCatalogo(int dificultad, int grupo, int parte)
{
    if (dificultad < 0 || dificultad >= NUM_DIFICULTADES_NIVEL) return -1;
    if (grupo < 0 || grupo >= NUM_GRUPOS_NIVEL) return -1;
    if (parte < 0 || parte >= PartesPorGrupo[static_cast<size_t>(grupo)]) return -1;
    int fila = dificultad * NIVELES_POR_DIFICULTAD;
    for (int g = 0; g < grupo; ++g) fila += PartesPorGrupo[static_cast<size_t>(g)];
    return fila + parte;
}

// The story stage 0..52 of (chapter, part), -1 for anything else; and back.
int EtapaHistoria(int capitulo, int parte);
bool CapituloYParte(int etapa, int& capitulo, int& parte);

struct EtapaCapitulo {
    int m_iCapitulo;
    int m_iParte;
};
// The stages whose first completion raises the profile's pieces-per-line
// maximum (read by the story map).
inline constexpr std::array<EtapaCapitulo, 8> EtapasLineaMaxima = {
    {{0, 2}, {2, 1}, {4, 1}, {5, 2}, {6, 2}, {8, 1}, {9, 1}, {10, 2}}};
constexpr int LINEA_MAXIMA_PRIMERA_ETAPA = 4;
// The pieces-per-line maximum a player holds when reaching a story stage for
// the first time: 4 plus the raising stages before it.
int LineaMaximaAlLlegar(int capitulo, int parte);
