// The bank of sound and music slots: maps the names screens use to the
// definitions read at start-up from the two slot files. Slot 0 of each kind
// is a built-in default that every unknown name falls back to.
//
// Both files are command files made of records:
//     RANURASONIDO = ;            // the record's start line
//     RANURASONIDO_VER = 1;       // must follow it
//     RANURASONIDO_NOMBRE = "PULSAR_BOTON";
//     ...
//     RANURASONIDO_FIN = ;        // the record's end line
// (RANURAMUSICA likewise). Start and end lines carry "= ;" so that the
// command reader keeps their names.
#pragma once
#include <cstdint>
#include <string>

class CRanuraMusica;
class CRanuraSonido;
struct FitxerComandes;

class CBancoRanuras {
public:
    enum { MAX_MUSICA = 256, MAX_SONIDO = 512 };

    CBancoRanuras() = default;
    ~CBancoRanuras();
    CBancoRanuras(const CBancoRanuras&) = delete;
    CBancoRanuras& operator=(const CBancoRanuras&) = delete;

    bool Carga(const char* ficheroMusica, const char* ficheroSonido);
    void Libera();
    bool EstaCargado() const { return m_bCargado != 0; }
    // After a Carga that failed: the file that could not be read ("" after
    // one that did not fail).
    const std::string& FicheroIlegible() const { return m_sFicheroIlegible; }

    bool LeeRanurasMusica(FitxerComandes* f);
    bool LeeRanurasSonido(FitxerComandes* f);

    int BuscaRanuraSonido(const char* nombre);
    CRanuraSonido* GetRanuraSonido(int indice);
    int BuscaRanuraMusica(const char* nombre);
    CRanuraMusica* GetRanuraMusica(int indice);
    CRanuraMusica* GetRanuraMusicaPorNombre(const char* nombre);

    int NumRanurasMusica() const { return m_iNumMusica; }
    int NumRanurasSonido() const { return m_iNumSonido; }

    // The built-in defaults.
    void CreaRanurasPorDefecto();

private:
    uint8_t m_bCargado = 0;
    std::string m_sFicheroIlegible;
    CRanuraMusica* m_pMusica[MAX_MUSICA] = {};
    CRanuraSonido* m_pSonido[MAX_SONIDO] = {};
    int m_iNumMusica = 0;
    int m_iNumSonido = 0;
};

extern CBancoRanuras* g_pBancoRanuras;
