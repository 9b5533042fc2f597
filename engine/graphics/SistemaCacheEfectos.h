// Fire-and-forget sprite effects (sparks, flying pieces, fading labels): the
// caller fills a DescripcionEfecto and hands it to an effect taken from the
// cache, which moves, fades, scales and turns it each logic step and takes
// it back when it has finished. Effects live in 64 independent layers that
// their screens update and draw at the right depth.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/Color.h"

#include <cstdint>

class CSPM;
class Sprite;

// Durations are logic steps (frames).
struct DescripcionEfecto {
    CSPM* m_pSPM = nullptr;       // drawn as it is (not copied); its draw state is changed
    Sprite* m_pSprite = nullptr;
    int m_iInicioMovimiento = 0, m_iFinMovimiento = 0;
    float m_fDesdeX = 0, m_fDesdeY = 0, m_fHastaX = 0, m_fHastaY = 0;
    float m_fOndulacionX = 0, m_fOndulacionY = 0; // sideways sine arch added to the move
    int m_iInicioFadeIn = 0, m_iFinFadeIn = 0, m_iInicioFadeOut = 0, m_iFinFadeOut = 0;
    uint8_t m_ucAlfaMaximo = 255;
    int m_iInicioEscala = 0, m_iFinEscala = 0;
    float m_fEscalaDesdeX = 1, m_fEscalaDesdeY = 1, m_fEscalaHastaX = 1, m_fEscalaHastaY = 1;
    float m_fRotacion = 0, m_fPasoRotacion = 0;
    int m_iFusion = 0; // sprite blend flags
    ColorRGB m_ColorFusion;
};

class CEfectoCacheado {
public:
    CEfectoCacheado() { Reinicia(); }
    virtual ~CEfectoCacheado() = default;

    void Reinicia();
    bool Inicia(const DescripcionEfecto& d);
    // One logic step; true once the fade, the move and the scale have ended.
    bool Actualiza();
    void Dibuja(Sprite* pDestino);
    // The alpha it draws with (0..255).
    int Alfa() const;

    DescripcionEfecto m_Desc;
    int m_iFrames = 0;
    float m_fX = 0, m_fY = 0;
    float m_fAlfa = 1;
    float m_fEscalaX = 1, m_fEscalaY = 1;
    float m_fRotacion = 0;
    CSPM* m_pSPM = nullptr;
    Sprite* m_pSprite = nullptr;
    bool m_bTerminado = false;
    bool m_bActivo = false;
};

class CSistemaCacheEfectos {
public:
    static constexpr int kNumCapas = 64;

    CSistemaCacheEfectos() = default;
    virtual ~CSistemaCacheEfectos();
    CSistemaCacheEfectos(const CSistemaCacheEfectos&) = delete;
    CSistemaCacheEfectos& operator=(const CSistemaCacheEfectos&) = delete;

    bool Inicia();
    bool EstaIniciado() const { return m_bIniciado; }
    // An effect in the layer's active list (from the pool when it has one);
    // null for a layer outside 0..63. The caller then calls Inicia on it.
    CEfectoCacheado* CreaEfecto(int iCapa);
    void ActualizaCapa(int iCapa);
    void DibujaCapa(int iCapa, Sprite* pDestino);
    // Stops the layer's effects at once, returning them to the pool.
    void LimpiaCapa(int iCapa);
    void LimpiaTodo();
    // Deletes every effect.
    void Libera();

    int NumActivos(int iCapa) const;
    int NumEnReserva() const { return m_lReserva.m_iNumElementos; }

private:
    static bool CapaValida(int iCapa) { return iCapa >= 0 && iCapa < kNumCapas; }

    bool m_bIniciado = false;
    CLista m_alActivos[kNumCapas];
    CLista m_alTerminados[kNumCapas];
    CLista m_lReserva;
};

extern CSistemaCacheEfectos* g_pSistemaCacheEfectos;
