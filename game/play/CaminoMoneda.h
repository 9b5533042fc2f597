// A point that wanders around the centre of the field: it steers toward a
// random target on a ring, turning at most a given angle per frame, and draws
// a new target every period. The attacks mode moves its coins and lays out
// its waves along such paths; the story scenes' wandering spirits follow them.
// The position is relative to the centre of the field (512, 384).
#pragma once
#include <cstdint>

class CCaminoMoneda {
public:
    static constexpr float kRadioMinimoDefecto = 200.0f;
    static constexpr float kRadioMaximoDefecto = 275.0f;
    static constexpr float kGiroMaximoDefecto = 0.026179934f; // 1.5 degrees a frame
    static constexpr float kVelocidadDefecto = 1.5f;
    static constexpr int kPeriodoDefecto = 600;

    CCaminoMoneda() = default;
    virtual ~CCaminoMoneda() = default;

    // The defaults, a random heading, the centre, and a first target drawn
    // with the defaults. Always true.
    bool Reinicia();
    // Reinicia, then the given values; the first target and its count stay
    // those of the defaults.
    bool Inicia(float x, float y, float fRadioMinimo, float fRadioMaximo, float fGiroMaximo, float fVelocidad,
                int iPeriodo);
    // A target at a random angle and a random radius of the ring.
    void NuevoObjetivo();
    // One frame.
    void Actualiza();

    uint8_t m_bCreado = 0;
    float m_fRadioMinimo = kRadioMinimoDefecto;
    float m_fRadioMaximo = kRadioMaximoDefecto;
    float m_fGiroMaximo = kGiroMaximoDefecto;
    float m_fVelocidad = kVelocidadDefecto;
    int m_iPeriodo = kPeriodoDefecto;
    float m_fX = 0.0f, m_fY = 0.0f;
    float m_fRumbo = 0.0f;
    float m_fObjetivoX = 0.0f, m_fObjetivoY = 0.0f;
    int m_iCuenta = 0;
};
