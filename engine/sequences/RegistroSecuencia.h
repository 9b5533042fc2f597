// One record of an animated-sequence (.sec) file: its keyword, its values
// read in the order the keyword lists them, and the check against the
// player's tables that decides whether the loader takes it. The loader, the
// sequence tool's checker and its writer share the keyword table, so the
// three never disagree on a keyword's name or its values.
#pragma once
#include <cstdint>
#include <string>

class CGestorComandes;
struct FitxerComandes;

// The player's fixed tables.
constexpr int kNumObjetosSecuencia = 256;
constexpr int kNumCapasSecuencia = 10;
constexpr int kNumSubSecuencias = 128;
constexpr int kNumMuestrasSecuencia = 128;
constexpr int kNumCanalesSecuencia = 8;
constexpr int kNumPlazasMusicaSecuencia = 3;
constexpr int kNumPausasSecuencia = 256;
constexpr int kNumSaltosSecuencia = 64;
constexpr int kNumLineasSecuencia = 64;
constexpr int kNumSpritesSecuencia = 256;   // sprite and animation indices of a package
// Longest long-sound file name and music-slot name taken (longer ones are
// refused, never cut: a cut name could name another file or slot).
constexpr int kMaxFicheroLargoSecuencia = 255;
constexpr int kMaxRanuraMusicaSecuencia = 63;
// Frames further from 0 than this are refused, so that the clock and every
// counter stay far from the integer limits.
constexpr int kMaxFrameSecuencia = 1 << 30;
// Reals (positions, speeds, scales, angles, sizes) beyond this magnitude, or
// not numbers, are refused: nothing the player sums or multiplies can then
// leave the finite range.
constexpr float kMaxRealSecuencia = 1.0e6f;

enum ClaveSecuencia {
    // Objects and their sixteen events, in event-type order.
    SEC_OBJETO,
    SEC_OBJETOEXTREMO,
    SEC_OBJETOTEXTO,
    SEC_SETPOS,
    SEC_VEPOS,
    SEC_VEPOSSALTO,
    SEC_VELINEA,
    SEC_VESALTO,
    SEC_PONANIM,
    SEC_PONANIMPUNTUAL,
    SEC_INVIERTEX,
    SEC_NOINVIERTEX,
    SEC_SETALFA,
    SEC_SETESCALA,
    SEC_INTERPOLAALFA,
    SEC_INTERPOLAESCALA,
    SEC_SETTINTE,
    SEC_SETANGULO,
    SEC_SETVELANG,
    // Scroll layers and their thirteen events.
    SEC_SCROLL,
    SEC_SCROLLMOV,
    SEC_SCROLLANIM,
    SEC_SCROLLANIMPUNTUAL,
    SEC_SCROLLINVIERTEX,
    SEC_SCROLLNOINVIERTEX,
    SEC_SCROLLMOSTRAR,
    SEC_SCROLLOCULTAR,
    SEC_SCROLLSETALFA,
    SEC_SCROLLSETESCALA,
    SEC_SCROLLINTERPOLAALFA,
    SEC_SCROLLINTERPOLAESCALA,
    SEC_SCROLLSETPOS,
    SEC_SCROLLSETTINTE,
    // Timeline, pause points and buttons.
    SEC_FIN,
    SEC_LOOP,
    SEC_CAMBIACRONO,
    SEC_SUBSECCAMBIACRONO,
    SEC_BOTONPAUSA,
    SEC_SETBOTONPASAR,
    SEC_SETBOTONPAUSA,
    SEC_SETANIMSECUENCIA,
    SEC_PONANIMSECUENCIA,
    // Nested sequences.
    SEC_SUBSECUENCIA,
    SEC_SUBSEC_SETVISIBLE,
    SEC_SUBSEC_LANZA,
    SEC_SUBSEC_PARA,
    // Sounds.
    SEC_SONIDO,
    SEC_TOCASONIDO,
    SEC_TOCASONIDOLARGO,
    SEC_PARASONIDOLARGO,
    SEC_TOCARANURAMUSICA,
    SEC_PARARANURAMUSICA,
    // Lines between objects.
    SEC_PONLINEA,
    SEC_QUITALINEA,
    NUM_CLAVES_SECUENCIA
};

// What a keyword acts on.
enum GrupoSecuencia {
    GRUPO_OBJETO,       // first integer: the object slot
    GRUPO_CAPA,         // first integer: the layer
    GRUPO_CRONO,        // the sequence itself
    GRUPO_SUBSECUENCIA, // first integer: the sub-sequence slot
    GRUPO_SONIDO,       // first integer: sample index, channel or music place
    GRUPO_LINEA,        // first integer: the line slot
};

struct DescripcionClave {
    const char* nombre;
    // One letter per value, in file order: e integer, r real, t text,
    // c four-letter text code; "*" takes any values and reads none.
    const char* parametros;
    GrupoSecuencia grupo;
    // Which integers are the event's frame and its last frame (-1: none).
    int iFrame;
    int iFrameFin;
};

// The row of a keyword (0..NUM_CLAVES_SECUENCIA-1).
const DescripcionClave& DescribeClave(int iClave);
// The keyword of a record name, compared without regard to case; -1 for
// any other name.
int BuscaClaveSecuencia(const char* szNombre);

// A record as read: the integers, reals and the text in the order their
// letters come in the keyword's list. A missing integer reads -1, a missing
// real -1.0, a missing text is absent, a missing code -1.
struct RegistroSecuencia {
    static constexpr int kMaxEnteros = 8;
    static constexpr int kMaxReales = 6;
    int iClave = -1;
    int e[kMaxEnteros] = {-1, -1, -1, -1, -1, -1, -1, -1};
    float r[kMaxReales] = {-1.0f, -1.0f, -1.0f, -1.0f, -1.0f, -1.0f};
    bool bTexto = false; // a text value was present
    std::string sTexto;
    int iCodigo = -1;
};

// Reads the current command of `f`; false for a name that is no keyword.
bool LeeRegistroSecuencia(CGestorComandes* pGestor, FitxerComandes* f, RegistroSecuencia* r);

// Why the player refuses the record on its own (an index outside its table,
// a timed change that ends where it starts, an over-long name, a real that is
// not a number...), or null when it takes it. Whether the element it names
// exists at that point of the file is the loader's to check.
const char* MotivoRechazoSecuencia(const RegistroSecuencia& r);

// A file name as the file system compares it: without regard to case, to
// the kind or number of separators, or to "." folders.
std::string NombreFicheroComparable(const std::string& sNombre);

// The record written back as one command line ("VEPOS = 3, 10, 20, 5, 7;"),
// reals with enough digits to read back the same value.
std::string EscribeRegistroSecuencia(const RegistroSecuencia& r);
