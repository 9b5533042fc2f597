// The four profile slots, the current one and the rankings across them. The
// profile screen is built on this class; the rest of the game reaches the
// current profile and the unlock manager through the two registrations at the
// end, which the menu manager fills when it builds them.
#pragma once
#include "engine/core/Lista.h"
#include "game/profiles/RegistroPerfil.h"

#include <cstdint>
#include <string>

class CGestorDesbloqueos;

constexpr int NUM_PERFILES = 4;
constexpr int NUM_LISTAS_RANKING = 15;
constexpr int NUM_ENTRADAS_RANKING = NUM_PERFILES * NUM_RANGOS;

// One line of a ranking: the profile's own name (not a copy) and its value.
struct EntradaRanking {
    const char* m_pszNombre = nullptr;
    int32_t m_iValor = 0;
};

// Lists of a difficulty's rankings.
enum {
    RANKING_ATAQUES = 0,
    RANKING_ATAQUES_SIN_FIN = 1,
    RANKING_CONCENTRAR = 2,
    RANKING_CONCENTRAR_SIN_FIN = 3,
    RANKING_PRIMERO_SELLOS = 4,     // .. 12: the nine single-seal levels
    RANKING_MULTI_SELLOS = 13,
    RANKING_SELLOS_AZAR = 14,
};

class CPerfiles {
public:
    CPerfiles();
    virtual ~CPerfiles();
    CPerfiles(const CPerfiles&) = delete;
    CPerfiles& operator=(const CPerfiles&) = delete;

    // The current profile, null when the index is outside 0..3.
    RegistroPerfil* PerfilActual();

    // The save file of slot i in the per-user folder ("" when there is none).
    static std::string RutaRanura(int i);
    // Loads slot i from its file (a fresh profile when there is none).
    bool CargaRanura(int i);
    void CargaTodos();

    // Rebuilds all 60 lists when any profile's tables changed since the last
    // rebuild; otherwise costs one look at four flags.
    void ActualizaRankings();
    // Puts the entry in a list in order; equal values keep insertion order and
    // nothing goes after an entry with an empty name.
    static void InsertaEnRanking(EntradaRanking* entrada, CLista& lista, bool ascendente);
    void VaciaRankings();

    // The n-th entry (0..15) of a ranking, null outside.
    const EntradaRanking* RankingAtaques(int d, int n);
    const EntradaRanking* RankingAtaquesSinFin(int d, int n);
    const EntradaRanking* RankingConcentrar(int d, int n);
    const EntradaRanking* RankingConcentrarSinFin(int d, int n);
    const EntradaRanking* RankingSellos(int d, int nivel, int n);
    const EntradaRanking* RankingMultiSellos(int d, int n);
    const EntradaRanking* RankingSellosAzar(int d, int n);
    const EntradaRanking* Ranking(int d, int lista, int n);

    RegistroPerfil m_aPerfiles[NUM_PERFILES];
    int32_t m_iPerfilActual = 0;
    CLista m_aRankings[NUM_DIFICULTADES][NUM_LISTAS_RANKING];
};

// Registration of the game's profile slots and unlock manager (null = none).
void RegistraPerfilesJuego(CPerfiles* perfiles);
CPerfiles* PerfilesJuego();
RegistroPerfil* PerfilActualJuego();
void RegistraGestorDesbloqueos(CGestorDesbloqueos* gestor);
CGestorDesbloqueos* GestorDesbloqueosJuego();
