// The text tables: every text the player reads is fetched by a four-character
// code from the table of the current language. Up to 20 tables, each keyed by
// a language id and read from one .FLI command file:
//     FLI = "ACEP", "Accept";
// (records of other names are skipped). Missing codes and missing tables
// never fail: marker texts are shown in their place.
#pragma once
#include <cstdint>
#include <string>

constexpr int FLI_MAX_TABLAS = 20;
constexpr int FLI_MAX_TEXTOS = 4096;

// The text code of the first four characters of `texto`, the first character
// in the top byte ("ACEP" -> 0x41434550); characters missing from a shorter
// text count as 0. A null text gives -1.
int32_t CodigoFLI(const char* texto);

struct EntradaFLI {
    int32_t m_iCodigo = -1; // -1 = free
    std::string m_sTexto;
};

struct TablaFLI {
    int32_t m_iClave = -1; // language id, -1 = free table
    int32_t m_iNumTextos = 0;
    EntradaFLI m_aEntradas[FLI_MAX_TEXTOS]; // in load order
};

struct FitxerComandes;

class CGestorFLIs {
public:
    static constexpr const char* kTextoSinFichero = "***IndiceSinFichero***";
    static constexpr const char* kTextoDesconocido = "***FliDesconocido***";
    static constexpr const char* kTextoIndiceMenosUno = "***IndiceEsMenosUno***";

    CGestorFLIs() = default;
    ~CGestorFLIs();
    CGestorFLIs(const CGestorFLIs&) = delete;
    CGestorFLIs& operator=(const CGestorFLIs&) = delete;

    bool Inicia();
    bool EstaIniciado() const { return m_bIniciado != 0; }

    // Adds the texts of one .FLI file to the table of `clave`; stops at the
    // end of the file or at the first text refused. False when the file
    // cannot be opened and read (nothing is added).
    bool CargaFichero(const char* fichero, int clave);

    // Adds the text of one FLI record (code, text). A record without a text
    // or without a code is skipped (true). False when the text is refused:
    // no table is left for a new key, or the key's table is full.
    bool AnadeTexto(int clave, FitxerComandes* registro);
    bool AnadeTexto(int clave, const char* codigo, const char* texto);

    // Makes `clave` the current language (-1 is ignored).
    void SeleccionaIdioma(int clave);
    int IdiomaActual() const { return m_iClaveActual; }

    // The text of `codigo` in the table of `clave` (-1: the current table),
    // or a marker text. The text belongs to the table.
    const char* GetTexto(int32_t codigo, int clave = -1) const;
    int BuscaIndice(int clave) const;
    const char* BuscaTexto(int32_t codigo, int indice) const;

    // Frees every text of every table (shutdown); all tables become free.
    void Libera();

    uint8_t m_bIniciado = 0;
    int32_t m_iClaveActual = 0;
    int32_t m_iIndiceActual = 0;
    int32_t m_iNumTablas = 0;
    TablaFLI m_aTablas[FLI_MAX_TABLAS];
};

// The one text-table object of the program, alive for the whole process.
extern CGestorFLIs g_GestorFLIs;
