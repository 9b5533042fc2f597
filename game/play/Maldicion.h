// A curse: a small hostile sprite that enters the board, moves by the rule
// of its kind and, when the pointer touches it, puts the pointer into one of
// the cursor states (slowed, frozen, shaking, inverted, paralysed, chasing a
// mark, blocked). Kinds 1..11; kind 3 stays, trembles and sends three rings,
// kind 7 stays, lowers a beam and then a column; the others fly.
//
// The per-kind facts that other parts of play read (the cursor state a
// touch sets and for how long, the attacks mode's damage, the colours, the
// gauge package) live in one table here: FichaDeMaldicion.
#pragma once
#include "engine/graphics/Color.h"
#include "engine/graphics/SPM.h"

#include <array>
#include <cstdint>

class Sprite;

enum EstadoMaldicion {
    MALDICION_MUERTA = 0,
    MALDICION_APARECIENDO = 1,
    MALDICION_MOVIENDO = 2,
    MALDICION_TEMBLANDO = 3,
    MALDICION_ANILLOS = 4,
    MALDICION_HAZ = 5,
    MALDICION_COLUMNA = 6,
    MALDICION_ATRAPADA = 7,
    MALDICION_DESVANECIENDO = 8,
};

constexpr int NUM_CLASES_MALDICION = 12;   // kinds 0 (none) .. 11

// What one kind of curse is.
struct FichaMaldicion {
    const char* szPaquete;   // its gauge package (null for kind 0)
    int iEstadoCursor;       // the cursor state a touch sets (-1: none)
    int iFrames;             // and its timer
    int iDanyo;              // the attacks mode's energy loss, in hundreds
    ColorRGB cuerpo, brillo, cuerpoContraste, brilloContraste;
};

// The row of a kind; kinds outside 0..11 read kind 0's (no curse).
const FichaMaldicion& FichaDeMaldicion(int iTipo);
inline int DanyoMaldicion(int iTipo) { return FichaDeMaldicion(iTipo).iDanyo; }
// The body and glow colours of a kind, in the look that is in force.
const ColorRGB& ColorCuerpoMaldicion(int iTipo);
const ColorRGB& ColorBrilloMaldicion(int iTipo);

class CMaldicion {
public:
    static constexpr float kMargenFuera = 40.0f;
    static constexpr int kVidaPerseguidora = 150;

    CMaldicion() = default;
    virtual ~CMaldicion();
    CMaldicion(const CMaldicion&) = delete;
    CMaldicion& operator=(const CMaldicion&) = delete;

    // Starts a curse of the kind: its entry point and motion by kind (x, y
    // and the angle are kind 9's, from the rose); (px, py) is the pointer,
    // which kinds 4 and 11 aim at. The package it draws with is its own
    // copy of pOrigen, or, when bCompartido, pOrigen itself (the attacks
    // tool's copy, whose draw state each draw sets in full). False for
    // kinds outside 1..11 or a failed copy.
    bool Inicia(int iTipo, bool bModoAtaques, float x, float y, float fAngulo, float px, float py, CSPM* pOrigen,
                bool bCompartido = false);
    void Libera();
    // One frame; (px, py) is the pointer, which kinds 8 and 10 home on.
    void Actualiza(float px, float py);
    void Dibuja(Sprite* pDestino);

    bool EstaFuera() const;
    bool Toca(float px, float py) const;
    bool TocaConEscudo(float px, float py) const;
    void Atrapa();
    void Desvanece();
    void Elimina();
    void MarcaEnUso();
    void DesmarcaEnUso();

    int Tipo() const { return m_iTipo; }
    int Estado() const { return m_iEstado; }
    // Whether a touch removes it (every kind but the rings and the column).
    bool SeAtrapa() const { return m_iTipo != 3 && m_iTipo != 7; }

    uint8_t m_bCreado = 0;
    int m_iEstado = MALDICION_MUERTA;
    int m_iTipo = 0;
    int m_iFrame = 0;
    int m_iCuentaEstado = 0;
    int m_iAlfa = 0;
    int m_iFase = 0;
    int m_iVida = -1;
    float m_fX = 0.0f, m_fY = 0.0f;
    float m_fRumbo = 0.0f;
    float m_fVelocidad = 0.0f;
    float m_fGiro = 0.0f;
    std::array<float, NUM_CLASES_MALDICION> m_afRadio{};
    std::array<float, NUM_CLASES_MALDICION> m_afRadio2{};
    std::array<float, 3> m_afAnillosA{};
    std::array<float, 3> m_afAnillosB{};
    float m_fHaz1 = 1024.0f, m_fHaz2 = 1024.0f;
    float m_fEscalaBrillo = 1.0f;
    CSPM m_SPM;
    CSPM* m_pSPM = nullptr;   // m_SPM, or the tool's copy
    uint8_t m_bModoAtaques = 0;
    int m_iSonido = -1;
    bool m_bEnUso = false;

private:
    void Mueve(float px, float py);
    void AvanzaAnillosA();
    void AvanzaAnillosB();
    void DibujaCuerpo(Sprite* pDestino, int iSlot, float x, float y);
    void DibujaGenerico(Sprite* pDestino, float fRotacion);
    void DibujaAnillos(Sprite* pDestino, float fFactorAlfa);
    void DibujaHaz(Sprite* pDestino);
    void DibujaColumna(Sprite* pDestino);
};
