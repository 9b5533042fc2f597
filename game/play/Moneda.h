// A coin of the attacks mode: it pops out of the ground at a point, bounces
// and lands, can be collected until it is 300 frames old, then vanishes over
// 15 frames. Kind 0 is worth the most, 2 the least.
#pragma once
#include <cstdint>

class CMoneda {
public:
    static constexpr int kVidaRecogible = 300;
    static constexpr int kPasosDesvanecer = 15;

    CMoneda() = default;
    virtual ~CMoneda() = default;

    // Kind (clamped to 0..2), ground point and index; always true.
    bool Inicia(int iTipo, float x, float y, int iIndice);
    void Reinicia();
    void Actualiza();

    bool Recogible() const { return m_iDesvanecer == -1; }
    bool Desaparecida() const { return m_iDesvanecer >= kPasosDesvanecer; }
    // The point it is drawn at (its height lifts it).
    float XDibujo() const { return m_fX; }
    float YDibujo() const { return m_fY - m_fAltura; }

    uint8_t m_bCreado = 0;
    int m_iTipo = 2;
    float m_fX = 0.0f, m_fY = 0.0f, m_fAltura = 0.0f;
    float m_fVX = 0.0f, m_fVY = 0.0f, m_fVZ = 0.0f;
    int m_iDesvanecer = -1;
    int m_iEdad = 0;
    int m_iIndice = 0;
    float m_fEscala = 0.35f;
    uint8_t m_bPosada = 0;
};
