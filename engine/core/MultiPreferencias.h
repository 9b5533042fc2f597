// A small store of named text values kept in MultiPrefs.PRF in the per-user
// folder: the game's own settings that the engine preferences do not hold.
// One record per pair, the key as the name and the value quoted:
//     VOLMUSICA = "25";
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>
#include <string>

struct ParClaveValor {
    std::string m_sClave;
    std::string m_sValor;
};

struct ParDefecto {
    const char* m_szClave;
    const char* m_szValor;
};

class CMultiPreferencias {
public:
    CMultiPreferencias() = default;
    virtual ~CMultiPreferencias();
    CMultiPreferencias(const CMultiPreferencias&) = delete;
    CMultiPreferencias& operator=(const CMultiPreferencias&) = delete;

    bool Inicia(int n, const ParDefecto* pares);
    // False when the file is missing or holds no complete command.
    bool Carga(const char* ruta);
    // Writes a file beside the old one and renames it over it; false, with
    // the old file kept, when it cannot be created or written whole.
    bool Guarda(const char* ruta);

    // Keys compare ignoring case.
    ParClaveValor* Busca(const char* clave);
    // Replaces the value of a held key; a new key goes to the head.
    void AsignaTexto(const char* clave, const char* valor);
    void AsignaEntero(const char* clave, int valor);
    // "" when the key is not held.
    const char* LeeTexto(const char* clave);
    // 0 when the key is not held or its value does not start with a number.
    int LeeEntero(const char* clave);

    void Vacia();
    void Libera();
    bool EstaIniciado() const { return m_bIniciado != 0; }
    int NumPares() const { return m_lista.m_iNumElementos; }

private:
    uint8_t m_bIniciado = 0;
    CLista m_lista; // ParClaveValor*
};
