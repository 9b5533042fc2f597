// A named music channel: plays one music slot at a time and crossfades to
// the next one asked for.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>

class CBancoRanuras;
class CRanuraMusica;

class CCanalMusica {
public:
    enum { LONG_NOMBRE = 256 };

    CCanalMusica() = default;
    ~CCanalMusica();
    CCanalMusica(const CCanalMusica&) = delete;
    CCanalMusica& operator=(const CCanalMusica&) = delete;

    bool Inicia(const char* nombre, CBancoRanuras* banco);
    void TocaRanura(const char* nombre, int repeticiones);
    void Para();
    bool HaTerminado();
    void Actualiza(float pesoMaximo);
    void Libera();
    void FijaVolumenGeneral(float factor) { m_fFactorGeneral = factor; }
    float GetPesoMaximo() const { return m_fPesoMaximo; }
    const char* GetNombre() const { return m_szNombre; }
    // Oldest first.
    CLista& Instancias() { return m_Instancias; }

    int m_iModo = 1;
    int m_iGuardaReinicio = 1;
    CLista m_Instancias;
    CRanuraMusica* m_pEnCola = nullptr;
    int m_iRepeticionesCola = -1;
    CBancoRanuras* m_pBanco = nullptr;
    char m_szNombre[LONG_NOMBRE] = {};
    char m_szUltimaRanura[LONG_NOMBRE] = {};
    float m_fPesoMaximo = 0.0f;
    float m_fFactorGeneral = 1.0f;
};
