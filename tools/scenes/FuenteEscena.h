// A story scene's readable source, checked and compiled into the scene
// script the game plays and the line texts of its three languages.
//
// One statement a line; "//" starts a comment (not on text lines):
//
//   codes Q0                     the scene's text codes: Q0 and two base-36
//                                digits (first letter Q, Y or Z), one per line
//   character NAME               a character of the scenes' table
//   background KEY               a picture of the scenes' table, behind the characters
//   illustration KEY             one in front of them
//   effect NAME                  an effect that makes something
//   sound SLOT                   a sound slot of the slot file
//   channel NAME                 a music channel (never the menus' own)
//   sequence ID "file.sec" F...  an animated sequence and its frames
//
//   line                         a line in the text box; the player clicks at its end
//   line quiet                   a line without the box (commands and timing)
//     @ COMMAND p1 p2 ...        a command, on a line of its own
//     | català | español | English     text, the three languages side by side
//   label NAME
//   jump NAME
//   end RESULT
//
// A line's text is its pieces in order: each command written as <NAME=p1,p2>
// into all three languages, the texts joined by one space. Commands: those
// of the scenes (VQ_...) and of the dialogue player (PAUSA, ESPERA frames,
// SECUENCIA id height index wait, QUITASECUENCIA id, ALTURASECUENCIA id
// height). Inside a text, only the font's colour tags (<R255>, <G0>, <B0>,
// <A128>) and <cN> may stand between angle brackets.
//
// The source is refused when it names what it has not declared or what the
// game does not know, when a word is no word of its command, when a text
// does not fit (1023 characters) or cannot be written in the game's
// character set, when a text is empty in some languages and not in others
// (the languages would not have the same lines), when a line does not fit
// the text box in some language, when a jump has no label, when the scene
// never reaches its end (a loop of jumps, with or without lines), or when
// music or a looping sound is left playing, or an effect left running, at
// its end (a scene's elements outlive it).
#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace escena {

constexpr int kNumIdiomas = 3; // Catalan, Castilian, English: the tables' order
constexpr size_t kMaxTexto = 1023;

struct Fallo {
    std::string fichero;
    int linea = 0;
    std::string texto;
};

// What a scene may name besides its own declarations.
struct Contexto {
    std::set<std::string> ranurasSonido; // names of the sound-slot file
    std::set<std::string> ranurasMusica; // names of the music-slot file
    bool compruebaRanuras = true;        // false: any slot name is taken
    // Whether a line fits the text box: given the text the box shows (in the
    // game's character set, without its commands), "" when it fits, else
    // how it does not. Unset: lines are not measured.
    std::function<std::string(const std::string& texto)> caja;
    // A sequence file: whether it loads, and whether it ever loops, jumps or
    // reaches an end frame (what a wait on it waits for).
    struct InfoSecuencia {
        bool carga = false;
        bool avisa = false;
    };
    std::function<InfoSecuencia(const std::string& fichero)> secuencia;
};

// One piece of a line: a command or a text in the three languages.
struct Trozo {
    bool comando = false;
    std::string nombre;
    std::vector<std::string> parametros;
    std::string textos[kNumIdiomas]; // UTF-8
    int linea = 0;
};

enum TipoRegistro { REG_LINEA, REG_ETIQUETA, REG_SALTO, REG_FIN };

struct Registro {
    TipoRegistro tipo = REG_LINEA;
    int linea = 0;
    bool espera = true;
    std::vector<Trozo> trozos;
    std::string codigo;   // a line's text code
    std::string etiqueta; // label or jump target
    int resultado = 0;
};

struct DeclaracionSecuencia {
    int id = 0;
    std::string fichero;
    std::vector<int> frames;
    bool avisa = false;
};

struct Escena {
    std::string prefijo; // two characters
    std::vector<std::string> personajes, fondos, ilustraciones, efectos, sonidos, canales;
    std::vector<DeclaracionSecuencia> secuencias;
    std::vector<Registro> registros;
    bool bien = false;
};

// Reads and checks a source; faults name its lines.
Escena Compila(const std::string& texto, const std::string& fichero, const Contexto& c, std::vector<Fallo>* fallos);

// The script the game reads (a command file).
std::string TextoGuion(const Escena& e, const std::string& origen);

// The text of a line in one language (UTF-8), commands included.
std::string TextoLinea(const Registro& r, int idioma);

// UTF-8 into the game's single-byte character set; false when a character
// has no place in it (or the bytes are no UTF-8).
bool AWindows1252(const std::string& utf8, std::string* salida);

} // namespace escena
