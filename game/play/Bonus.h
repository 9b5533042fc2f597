// A bonus: a pick-up that drifts over the board towards random targets near
// the centre. It appears over 15 frames, can be picked for 450, blinks in
// its last 90, and vanishes over 15 (a picked one first shows itself for 60).
// What a picked bonus does is its tool's (CHerramientaBonuses).
#pragma once
#include "engine/graphics/SPM.h"

#include <cstdint>

class CMenuJuego;
class Sprite;

enum EstadoBonus {
    BONUS_APARECIENDO = 0,
    BONUS_DISPONIBLE = 1,
    BONUS_RECOGIDO = 2,
    BONUS_DESAPARECIENDO = 3,
    BONUS_MUERTO = 4,
};

constexpr int NUM_CLASES_BONUS = 9;   // kinds 0..8

class CBonus {
public:
    static constexpr int kPasosAparecer = 15;
    static constexpr int kPasosDisponible = 450;
    static constexpr int kPasosRecogido = 60;
    static constexpr int kPasosDesaparecer = 15;
    static constexpr int kPasosParpadeo = 90;
    static constexpr float kRadioRecogida2 = 900.0f;   // 30 points, squared

    CBonus() = default;
    virtual ~CBonus();
    CBonus(const CBonus&) = delete;
    CBonus& operator=(const CBonus&) = delete;

    // A bonus of the kind at (x, y), drawing with a copy of pOrigen (or with
    // pOrigen itself when bCompartido). False for a failed copy.
    bool Inicia(CMenuJuego* pJuego, int iTipo, float x, float y, CSPM* pOrigen, bool bCompartido = false);
    void Libera();
    void Actualiza();
    // fFundido: the chase scene's fade (0..1).
    void Dibuja(Sprite* pDestino, float fFundido);
    // Picked when available and the pointer is within 30 points.
    bool Recoge(float px, float py);
    bool Duplicable() const;
    void MarcaEnUso();
    void DesmarcaEnUso();

    int Tipo() const { return m_iTipo; }
    int Estado() const { return m_iEstado; }
    // Whether a kind may be duplicated (every kind but 0 and 4).
    static bool TipoDuplicable(int iTipo) { return iTipo >= 1 && iTipo <= 8 && iTipo != 4; }

    uint8_t m_bCreado = 0;
    int m_iTipo = 0;
    CMenuJuego* m_pJuego = nullptr;
    int m_iEstado = BONUS_APARECIENDO;
    int m_iEdad = 0;
    int m_iCuentaEstado = 0;
    int m_iCuentaVagar = 0;
    float m_fObjetivoX = 512.0f, m_fObjetivoY = 384.0f;
    float m_fX = 0.0f, m_fY = 0.0f;
    float m_fRumbo = 0.0f;
    float m_fVelocidad = 0.0f;
    CSPM m_SPM;
    CSPM* m_pSPM = nullptr;   // m_SPM, or the tool's copy
    int m_iSonidoAparicion = -1, m_iSonidoCoger = -1;
    bool m_bEnUso = false;

private:
    void CambiaEstado(int iEstado);
};
