// The drawn effects of the story scenes: a veil over the field (morning
// mist, evening mist, evening light) that fades in over 30 frames once
// started and out over 30 once stopped.
#pragma once
#include "game/story/EfectoSecTazmo.h"

#include <memory>

class CSPM;

class CEfectoDibujable : public CEfectoSecTazmo {
public:
    static constexpr int kFramesFundido = 30;
    // The veil picture of the effects package: 30 x 30, its hotspot at the
    // top centre, drawn at the top centre of the field.
    static constexpr int kSpriteVelo = 1;

    CEfectoDibujable();
    ~CEfectoDibujable() override;

    bool Carga(int iTipo) override;
    void Actualiza() override;
    void Dibuja(bool bDelante, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void Lanza() override { m_bActivo = true; }
    void Para() override { m_bActivo = false; }
    void Limpia() override;

    float Velo() const { return m_fVelo; }

    bool m_bCreado = false;
    std::unique_ptr<CSPM> m_pPaquete;
    float m_fVelo = 0.0f; // 0..1
    int m_iFramesVelo = 0;
    bool m_bActivo = false;
};
