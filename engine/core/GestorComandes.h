// Reader and writer of command files, the text syntax that nearly every data
// file and both preference files share:
//     NAME = p1, p2, "quoted, text" ;   // comment
// Files are opened through the data file system (archive or disk).
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct EntradaFitxer;
class CSistemaFitxers;

enum {
    PARAMETRE_TEXT = 1,
    PARAMETRE_ENTER = 2,
    PARAMETRE_REAL = 3,
};

struct ParametreComanda {
    std::string m_sText;
    int m_iTipus = PARAMETRE_TEXT;
};

// One open command file.
struct FitxerComandes {
    CSistemaFitxers* m_pSistema = nullptr; // the file system it was opened through
    EntradaFitxer* m_pFitxer = nullptr;
    std::string m_sRuta;
    uint8_t m_bLectura = 0;
    bool m_bTeNom = false; // the command has a name (text may be empty)
    std::string m_sNom;
    std::vector<ParametreComanda> m_aParametres;
    size_t m_iParametre = 0; // next parameter to read

    // Read-ahead of the file's bytes.
    unsigned char m_acBuffer[4096];
    int m_iBufferMida = 0;
    int m_iBufferPos = 0;
    bool m_bFiDades = false;
    // The file ended inside a command (cut short, or not a command file):
    // what came after the last complete command was dropped.
    bool m_bFinalIncomplet = false;
};

class CGestorComandes {
public:
    // Longest name and parameter kept; further bytes are read and dropped.
    static constexpr size_t kMaxNom = 199;
    static constexpr size_t kMaxParametre = 9999;

    CGestorComandes() = default;
    ~CGestorComandes();
    CGestorComandes(const CGestorComandes&) = delete;
    CGestorComandes& operator=(const CGestorComandes&) = delete;

    bool Inicia();
    void Allibera();
    bool EstaInicialitzat() const { return m_bInicialitzat != 0; }
    void TancaTots();

    // Reading. ObreLectura reads the first command; null when the file is
    // missing or holds no complete command.
    FitxerComandes* ObreLectura(const char* ruta);
    bool LlegeixComanda(FitxerComandes* f);
    const char* NomComanda(FitxerComandes* f);
    void RebobinaParametres(FitxerComandes* f);
    bool FiParametres(FitxerComandes* f);
    // The next parameter: text (null when none is left), integer (-1),
    // real (-1.0), four-character code (-1, also for NONE).
    const char* LlegeixText(FitxerComandes* f);
    int LlegeixEnter(FitxerComandes* f);
    float LlegeixReal(FitxerComandes* f);
    int LlegeixCodi(FitxerComandes* f);

    // Writing (disk only).
    FitxerComandes* ObreEscriptura(const char* ruta);
    void EscriuNomComanda(FitxerComandes* f, const char* nom);
    void EscriuEnter(FitxerComandes* f, int valor);
    void EscriuReal(FitxerComandes* f, float valor);
    // A quoted text; a double quote inside it cannot be read back and is
    // left out.
    void EscriuText(FitxerComandes* f, const char* text);
    void EscriuParametre(FitxerComandes* f, const char* text);
    // Writes the built command and empties it; false when the write failed.
    bool EscriuComanda(FitxerComandes* f);

    // Puts what was written to a file opened for writing on disk; false when
    // any of it could not be written.
    bool Sincronitza(FitxerComandes* f);
    // False when the file was not open here or closing it reported an error.
    bool Tanca(FitxerComandes* f);
    // Writes a whole file safely: `escriu` fills a temporary file beside
    // `ruta`, which is put on disk and renamed over it. False, with the old
    // file untouched and no temporary left, when anything failed (`escriu`
    // answering false included) or when `ruta` names something other than a
    // regular file (a device, a folder).
    bool EscriuFitxerSegur(const char* ruta, const std::function<bool(FitxerComandes*)>& escriu);
    // The temporary file a safe write of `ruta` fills ("" for no path).
    static std::string RutaTemporal(const char* ruta);
    // Removes the temporary file a save of `ruta` cut short (a kill, a power
    // cut) left beside it; the real file never depends on it. True when none
    // is left.
    static bool BorraTemporal(const char* ruta);

    // Parses one command from memory (the reader's own state machine):
    // used by the fuzz target and the benchmark.
    static bool LlegeixComandaDe(const unsigned char* dades, size_t mida, size_t* consumits, FitxerComandes* f);

private:
    bool Allibera(FitxerComandes* f);
    void AfegeixParametre(FitxerComandes* f, std::string text, int tipus);

    uint8_t m_bInicialitzat = 0;
    CLista m_oberts; // FitxerComandes*, newest at the head
};

extern CGestorComandes* g_pGestorComandes;
