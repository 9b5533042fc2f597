// The game's slider knob: the engine's draggable object drawn as one frame
// of a sprite package at its top-left corner. It has no opening or closing
// animation of its own.
#pragma once
#include "engine/core/Temporizador.h"
#include "engine/ui/Arrastrable.h"

#include <cstdint>

class CArrastrableTazmo : public CArrastrable {
public:
    CArrastrableTazmo() = default;
    ~CArrastrableTazmo() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool UsaTransicion() override { return true; }
    void LiberaSiCreado() override;
    bool EstaCreado() override { return m_bCreado; }

    // A knob of (fAncho, fAlto) whose corner moves within (fXMin, fYMin) ..
    // (fXMax, fYMax), starting at the minimum. False, with nothing built,
    // when the draggable part or the package copy fails.
    bool Inicia(float fXMin, float fYMin, float fXMax, float fYMax, float fAncho, float fAlto, const char* szSPM,
                int iFrame, int iId, const char* szNombre);

    bool m_bCreado = false;
    CSPM* m_pSPM = nullptr;
    int32_t m_iFrame = 0;
    CTemporizador m_tApertura; // never started
};
