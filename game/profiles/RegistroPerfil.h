// One player profile: name, chosen difficulty, per-difficulty progress,
// best scores, times and line counts, and the three marker lists. Kept in its
// own save file in the per-user folder.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>

struct FitxerComandes;

constexpr int NUM_DIFICULTADES = 4;
constexpr int DIFICULTAD_INICIAL = 1;
// Story progress counts stages per difficulty; the level table has this many
// rows per difficulty.
constexpr int MAX_PROGRESO_HISTORIA = 69;
constexpr int MAX_CONTADOR_MAPA = 9;
constexpr int LINEA_MAXIMA_INICIAL = 4;
// Lines longer than this have no entry in the crossings table of play.
constexpr int LINEA_MAXIMA_TOPE = 14;
// 999 minutes in logic steps: no time.
constexpr int32_t SIN_TIEMPO = 1798200;
// A story level never finished.
constexpr int32_t SIN_JUGADA = 999;
constexpr int NUM_RANGOS = 4;
constexpr int NUM_TABLAS_PUNTOS = 4;
constexpr int NUM_TABLAS_TIEMPOS = 11;
constexpr int NUM_CAPITULOS_JUGADA = 20;
constexpr int NUM_PARTES_JUGADA = 10;
constexpr int LONGITUD_NOMBRE = 32;   // 31 characters and the terminating zero
constexpr int LONGITUD_RUTA = 1024;

// Score tables and times tables of the extra modes.
enum {
    TABLA_ATAQUES = 0,
    TABLA_ATAQUES_SIN_FIN = 1,
    TABLA_CONCENTRAR = 2,
    TABLA_CONCENTRAR_SIN_FIN = 3,
};
enum {
    TABLA_SELLOS_MULTI = 9,
    TABLA_SELLOS_AZAR = 10,
};

// The 264 integers of one difficulty.
struct BloqueDificultad {
    enum {
        CONTADOR_MAPA = 0,
        PROGRESO_HISTORIA = 1,
        LINEA_MAXIMA = 2,
        RESERVADO = 3,
        PRIMERA_PUNTUACION = 4,
        PRIMER_TIEMPO = 20,
        PRIMERA_JUGADA = 64,
        NUM_DATOS = 264,
    };
    static constexpr int IndicePuntuacion(int tabla, int rango) { return PRIMERA_PUNTUACION + 4 * tabla + rango; }
    static constexpr int IndiceTiempo(int tabla, int rango) { return PRIMER_TIEMPO + 4 * tabla + rango; }
    static constexpr int IndiceJugada(int capitulo, int parte) { return PRIMERA_JUGADA + 10 * capitulo + parte; }

    // Every value to its default.
    void Inicializa();
    // Replaces values that no game state can hold by the field's default (a
    // missing value, -1, included) or clamps them into their range.
    void Valida();

    int32_t m_aiDatos[NUM_DATOS];
};

struct RegistroPerfil {
    RegistroPerfil();
    ~RegistroPerfil();
    RegistroPerfil(const RegistroPerfil&) = delete;
    RegistroPerfil& operator=(const RegistroPerfil&) = delete;

    void Inicializa();
    // Loads the profile from its file, or seeds a fresh one when the file is
    // missing or `reset` is set. See the .cpp for what a damaged file gives.
    bool Carga(const char* ruta, bool reset);
    // Saves when modified; false when the profile could not be written whole
    // (it then stays modified and the old file is untouched).
    bool Guarda();
    void Libera();
    void VaciaListas();

    // Refuses (false, nothing changes) a name holding a double quote, which
    // the save file cannot carry; keeps at most 31 characters.
    bool CambiaNombre(const char* nombre);
    // The difficulty that every operation without a difficulty argument uses
    // (0..3; other values are ignored). Not stored in the file.
    void FijaDificultad(int dificultad);
    BloqueDificultad& Bloque() { return m_aBloques[m_iDificultad]; }
    const BloqueDificultad& Bloque() const { return m_aBloques[m_iDificultad]; }

    void AvanzaHistoria();
    void AumentaLineaMaxima();
    int ProgresoHistoria(int dificultad) const;

    void InsertaPuntuacionAtaques(int dificultad, int puntos);
    void InsertaPuntuacionAtaquesSinFin(int dificultad, int puntos);
    void InsertaPuntuacionConcentrar(int dificultad, int puntos);
    void InsertaPuntuacionConcentrarSinFin(int dificultad, int puntos);
    void InsertaTiempoSellos(int dificultad, int nivel, int tiempo);
    void InsertaTiempoMultiSellos(int dificultad, int tiempo);
    void InsertaTiempoSellosAzar(int dificultad, int tiempo);
    // Rank 0..3 of a table, highest score or lowest time first.
    int32_t Puntuacion(int dificultad, int tabla, int rango) const;
    int32_t Tiempo(int dificultad, int tabla, int rango) const;

    void GuardaMejorJugada(int lineas, int capitulo, int parte);
    int MejorJugada(int capitulo, int parte) const;
    int CuentaNivelesJugados(int dificultad) const;

    // Marker lists.
    bool EstaDesbloqueado(const char* nombre);
    void MarcaDesbloqueado(const char* nombre);
    bool EsRecienDesbloqueado(const char* nombre);
    void QuitaRecienDesbloqueado(const char* nombre);
    bool TieneNovedades(const char* nombre);
    void QuitaNovedades(const char* nombre);
    int CuentaSellosGaleria();

    uint8_t m_bCargado = 0;
    char m_szRuta[LONGITUD_RUTA];
    char m_szNombre[LONGITUD_NOMBRE];
    int32_t m_iDificultad = DIFICULTAD_INICIAL;
    BloqueDificultad m_aBloques[NUM_DIFICULTADES];
    uint8_t m_bRankingsActualizados = 0;
    uint8_t m_bModificado = 0;
    CLista m_ListaRecienDesbloqueados;   // BOTON_RECIEN_DESBLOQUEADO
    CLista m_ListaBloqueados;            // BOTON_BLOQUEADO
    CLista m_ListaNovedades;             // BOTON_CON_NOVEDADES

private:
    void InsertaPuntuacion(int dificultad, int tabla, int puntos);
    void InsertaTiempo(int dificultad, int tabla, int tiempo);
    void SiembraListas();
    bool LeeRegistros(FitxerComandes* f);
    bool EscribeRegistros(FitxerComandes* f);
};

// Takes a new value into a top-4 table: at the first rank it beats
// (strictly greater with `mayorPrimero`, strictly smaller otherwise) it goes
// in and the later ranks move down; equal values go after the stored ones.
void InsertaEnTop4(int32_t* rangos, int32_t valor, bool mayorPrimero);
