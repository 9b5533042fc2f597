// The file system through which every file is opened: data names are looked
// up first in the packed archive (CompactData.CMP with its index
// CompactData.IND) and otherwise opened from disk below the data root;
// "_XX" in a data name stands for the current two-letter language code. It
// also builds the per-user folder that holds preferences and profiles.
// One object serves the main thread and the sound thread: every operation
// runs under its re-entrant mutex.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

// Flags of CSistemaFitxers::Obre. The first of READ, WRITE, APPEND that is
// set decides the mode; without BINARY a disk file is read in text mode
// (CR before LF is dropped).
enum {
    FITXER_LECTURA = 0x01,
    FITXER_ESCRIPTURA = 0x02,
    FITXER_AFEGIR = 0x04,
    FITXER_BINARI = 0x08,
    FITXER_ACTUALITZA = 0x10,
};

// An index entry of the archive, and an open file.
struct EntradaFitxer {
    std::string m_sNom;
    uint8_t m_bDisc = 0;
    FILE* m_pFitxer = nullptr; // disk file
    int64_t m_iOffset = 0;     // archived file: its first byte in the archive
    int64_t m_iPosicio = 0;    // archived file: read position in the entry
    int64_t m_iMida = 0;       // archived file: size in bytes
    uint8_t m_bText = 0;       // disk file read in text mode
};

// A directory of the archive index with its files in index order.
struct DirectoriArxiu {
    std::string m_sNom; // as stored, with its leading separator
    std::vector<EntradaFitxer> m_aFitxers;
};

class CSistemaFitxers {
public:
    CSistemaFitxers();
    ~CSistemaFitxers();
    CSistemaFitxers(const CSistemaFitxers&) = delete;
    CSistemaFitxers& operator=(const CSistemaFitxers&) = delete;

    // Disk only.
    bool Inicia(const char* fabricant, const char* producte);
    // Archive and index (names resolved against the data root), then disk.
    bool IniciaAmbArxiu(const char* arxiu, const char* index, const char* fabricant, const char* producte);
    void Allibera();
    bool EstaInicialitzat() const { return m_bInicialitzat != 0; }

    void CambiaIdioma(char primera, char segona);
    const char* Idioma() const { return m_acIdioma; }
    static bool TeMarcaIdioma(const char* nom);
    // The per-user folder (created when missing); "" when it cannot be had.
    const char* CarpetaUsuari();

    EntradaFitxer* Obre(const char* nom, int flags);
    // False when the file was not open here or its stream reported an error
    // on closing (buffered data that could not be written).
    bool Tanca(EntradaFitxer* f);
    // Writes a disk file's buffered data and puts it on disk; false on any
    // failure and for archived files.
    bool Sincronitza(EntradaFitxer* f);
    // Elements read; -1 for a null buffer or file, and for an archived file
    // whose bytes the archive does not hold (a short or failed read).
    int Llegeix(void* buffer, int midaElement, int nombre, EntradaFitxer* f);
    // Next byte 0..255, or -1 at the end.
    int LlegeixCaracter(EntradaFitxer* f);
    // printf-like, "C" locale; disk files only, -1 otherwise.
    int EscriuFormat(EntradaFitxer* f, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Origins: 0 from the start, 1 from the end, 2 from the current position.
    int Situa(EntradaFitxer* f, long offset, int origen);
    long Posicio(EntradaFitxer* f);
    bool FiFitxer(EntradaFitxer* f);

    void Bloqueja() { m_mutex.lock(); }
    void Desbloqueja() { m_mutex.unlock(); }

    // Index lookup (exposed for tests and tools): the entry of a data name,
    // or null.
    const EntradaFitxer* BuscaAlArxiu(const char* ruta);
    // 0 when two directory names are equal, ignoring ASCII case and
    // counting a run of backslashes as one where both hold one.
    static int ComparaRutes(const char* a, const char* b);
    // Reads an index from memory; false when it is rejected. Used by
    // IniciaAmbArxiu after reading the index file.
    bool LlegeixIndex(const char* text, size_t mida);
    const std::vector<DirectoriArxiu>& Directoris() const { return m_aDirectoris; }
    bool TeArxiu() const { return m_pArxiu != nullptr; }
    // Why the last IniciaAmbArxiu failed, in words for the player ("" when it
    // did not): the archive or index not found (with the folders looked in),
    // unreadable, or shorter than its index says.
    const std::string& Error() const { return m_sError; }

private:
    void Neteja();
    bool IniciaComu(const char* fabricant, const char* producte);
    bool Falla(const std::string& error);
    std::string NomAmbIdioma(const char* nom) const;
    EntradaFitxer* ObreDeDisc(const std::string& nom, int flags);
    int LlegeixByteDisc(EntradaFitxer* f);

    uint8_t m_bInicialitzat = 0;
    std::string m_sError;
    std::string m_sRutaArxiu;
    std::string m_sRutaIndex;
    CLista m_oberts; // EntradaFitxer*
    FILE* m_pArxiu = nullptr;
    std::recursive_mutex m_mutex;
    std::vector<DirectoriArxiu> m_aDirectoris;
    char m_acIdioma[3] = {'X', 'X', '\0'};
    std::string m_sCarpetaUsuari;
    std::string m_sFabricant;
    std::string m_sProducte;
};

// The data file system: every file of the program is opened through it.
extern CSistemaFitxers* g_pSistemaFitxers;
// A second file system on disk only, started with the maker and product
// folder names.
extern CSistemaFitxers* g_pSistemaFitxersUsuari;
