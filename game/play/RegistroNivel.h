// Every setting of one level, as its level file gives it, and the level
// table's slot around it. A field that a key of the level file fills bears
// the key's name.
#pragma once
#include <array>
#include <cstdint>
#include <string>

// Longest texts of the record (characters, without the terminating zero).
constexpr size_t LONGITUD_TEXTO_NIVEL = 1023;
constexpr size_t LONGITUD_RANURA_MUSICA = 255;

constexpr int NUM_ATAQUES_NIVEL = 3;
constexpr int NUM_REGISTROS_BONUS = 5;
constexpr int NUM_TIPOS_BONUS = 9;
constexpr int NUM_IMAGENES_FINALES = 4;
constexpr int MAX_FIGURAS_SOLO_SELLOS = 15;
constexpr int MAX_MULTIFIGURAS_SOLO_SELLOS = 5;
constexpr int IMAGENES_POR_MULTIFIGURA = 5;
constexpr int FIGURAS_POR_POOL_CONCENTRAR = 10;
constexpr int NIVELES_TABLA_CONCENTRAR = 20;
constexpr int MAX_CONSEJOS = 20;
constexpr int NUM_TIPOS_MALDICION = 12;  // curse kinds 0 (none) .. 11
constexpr int PUNTUACION_SIN_OBJETIVO = 500000;
constexpr uint8_t TAPIZ_NINGUNO = 255;
constexpr int NUM_FIGURAS_TRAZADO = 47;

// MODOJUEGO.
enum {
    MODO_HISTORIA = 0,
    MODO_SOLO_SELLOS = 1,
    MODO_SOLO_ATAQUES = 2,
    MODO_SOLO_CONCENTRAR = 3,
};

// The character words of the bonus records: GENERAL 0, ALFATIMA 1, ALDUNIA 2,
// ADELETIA 3, STOKINNEN 4.
enum {
    BONUS_GENERAL = 0,
    BONUS_ALFATIMA = 1,
    BONUS_ALDUNIA = 2,
    BONUS_ADELETIA = 3,
    BONUS_STOKINNEN = 4,
};

// The weights of the nine bonus kinds as shares of their sum, the period
// read ahead of them and whether the record holds anything.
struct PorcentajesBonus {
    std::array<float, NUM_TIPOS_BONUS> m_afPorcentajes{};
    int m_iPeriodo = 0;
    bool m_bValido = false;
    void Inicializa() { *this = PorcentajesBonus{}; }
    bool operator==(const PorcentajesBonus&) const = default;
};

// The level's own character: set from IDPERSO, or by the avatar chooser on
// the current level's copy.
struct PersonajeNivel {
    bool m_bElegido = false;
    int m_iPersonaje = -1;   // character number (see game/Personajes.h)
    bool m_bFijado = false;
    void Inicializa() { *this = PersonajeNivel{}; }
    bool operator==(const PersonajeNivel&) const = default;
};

// The three enemy attacks of a level: kind (1..11, 0 none), wait, duration
// and interval, in steps.
struct AtaquesNivel {
    std::array<int, NUM_ATAQUES_NIVEL> m_aiTipo{};
    std::array<int, NUM_ATAQUES_NIVEL> m_aiEspera{};
    std::array<int, NUM_ATAQUES_NIVEL> m_aiDuracion{};
    std::array<int, NUM_ATAQUES_NIVEL> m_aiIntervalo{};
    bool operator==(const AtaquesNivel&) const = default;
};

struct RegistroNivel {
    int FLINOMBRE = -1;
    int FLIPRESENTACION = -1;
    int FLIFINAL = -1;
    int m_iGrupo = -1;
    int m_iParte = -1;
    int MODOJUEGO = MODO_HISTORIA;
    // Which extra-mode level is played (set by the extra-modes menu on the
    // current level's copy): 0..8 Primero..Noveno, 10 MultiSellos, 11 Azar,
    // 12 and 13 the attacks levels, 14 and 15 the concentration levels.
    int m_iNivelModoExtra = -1;
    int NUMCOLORES = 3;
    float SECSPARAINICIO = 30.0f;   // steps
    float VELCONSUMOLINEA = 10.0f;
    float ACCCONSUMOLINEA = 0.2f;
    int PUNTUACIONOBJETIVO = PUNTUACION_SIN_OBJETIVO;
    int TIEMPOLIMITE = -1;           // steps, -1 none
    int PAR = -1;
    PersonajeNivel m_Personaje;
    int IDPERSOVS = -1;              // character number, -1 none
    uint8_t TAPIZ = TAPIZ_NINGUNO;   // built-in figure 0..46 of the diamond phase
    std::string FONDO;
    std::string FIGURA;
    bool JUGABLE = false;
    bool ATAQUEINCREMENTAL = false;
    AtaquesNivel ATAQUEENEMIGO;
    int TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS = -1;            // steps
    float TRAZAR_VELOCIDADGIROFIGURA_RAD = 0.0f;
    int TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS = -1;         // steps
    int TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS = -1;  // steps
    int TRAZAR_NUMPISTASSIGUIENTEESQUIRLA = 1000;
    int m_iTutorial = 12;            // 0..11, 12 none
    std::array<PorcentajesBonus, NUM_REGISTROS_BONUS> PORCENTAJEBONUSES;
    bool RUSHDESELLOS = false;
    std::array<std::string, NUM_IMAGENES_FINALES> IMAGENFINAL;
    std::string RANURAMUSICA;
    std::array<std::string, MAX_FIGURAS_SOLO_SELLOS> FIGURA_SOLO_SELLOS;
    int m_iNumFigurasSoloSellos = 0;
    std::array<std::string, MAX_FIGURAS_SOLO_SELLOS> IMAGENFINAL_SOLO_SELLOS;
    int m_iNumImagenesSoloSellos = 0;
    std::array<std::string, MAX_MULTIFIGURAS_SOLO_SELLOS> MULTIFIGURA_SOLO_SELLOS;
    int m_iNumMultiFigurasSoloSellos = 0;
    std::array<std::array<std::string, IMAGENES_POR_MULTIFIGURA>, MAX_MULTIFIGURAS_SOLO_SELLOS>
        MULTIIMAGENFINAL_SOLO_SELLOS;
    int m_iNumMultiImagenesSoloSellos = 0;
    std::array<std::string, FIGURAS_POR_POOL_CONCENTRAR> FIGURASSOLOCONCENTRARINICIO;
    std::array<std::string, FIGURAS_POR_POOL_CONCENTRAR> FIGURASSOLOCONCENTRARMITAD;
    std::array<std::string, FIGURAS_POR_POOL_CONCENTRAR> FIGURASSOLOCONCENTRARFINAL;
    int PUNTUACIONINICIALSOLOCONCENTRAR = 0;
    std::array<int, NIVELES_TABLA_CONCENTRAR> TIEMPOEXTRAPORNIVELSOLOCONCENTRAR{};
    std::array<int, NIVELES_TABLA_CONCENTRAR> INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR{};
    int TIEMPOEXTRAALACABARSOLOCONCENTRAR = 0;
    int INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR = 0;
    std::array<int, NUM_REGISTROS_BONUS> NIVELACTIVACIONBONUSESSOLOCONCENTRAR{-1, -1, -1, -1, -1};
    std::array<PorcentajesBonus, NUM_REGISTROS_BONUS> PORCENTAJEBONUSESSOLOCONCENTRAR;
    int MAXNIVEL_SOLOCONCENTRAR = -1;
    std::string ATAQUES_SOLOATAQUES;
    int TIEMPOINICIALENTREOLEADAS_SOLOATAQUES = 0;  // steps
    int TIEMPOFINALENTREOLEADAS_SOLOATAQUES = 0;    // steps
    int MAXNIVEL_SOLOATAQUES = -1;
    std::array<int, MAX_CONSEJOS> CONSEJO{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                          -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int m_iNumConsejos = 0;
    int m_iMarcadorAlGanar = 271;    // no marker
    bool PERSOS_SON_ENEMIGOS = true;

    // Every default.
    void Inicializa() { *this = RegistroNivel{}; }
    bool operator==(const RegistroNivel&) const = default;
};

// One slot of the level table: the story scenes around the level, two kept
// values and the record.
struct EntradaNivel {
    std::string JAPSECINTRO;   // story scene before the level
    std::string JAPSECOUTRO;   // story scene after it
    int CAPDESBLOQ = -1;
    int PARTEDESBLOQ = -1;
    RegistroNivel m_Registro;

    void Inicializa() { *this = EntradaNivel{}; }
    bool operator==(const EntradaNivel&) const = default;
};
