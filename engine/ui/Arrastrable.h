// A draggable object: the player drags it with the left mouse button inside
// a rectangle of allowed positions. It reports the grab, every move and the
// release to its parent as events (the text argument points to the object),
// and can be placed by code, also as a fraction of its horizontal range,
// which makes it the knob of a slider.
#pragma once
#include "engine/ui/MenuObj.h"

class CArrastrable : public CMenuObj {
public:
    static constexpr const char* kTipo = "ARRASTRABLE";
    static constexpr const char* kVersionParametros = "CARRASTRABLE_PAR_V0001";

    CArrastrable() = default;
    ~CArrastrable() override;

    bool LeeParametros(FitxerComandes* f) override;
    void EscribeParametros(FitxerComandes* f) override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;

    // Appended, so that a derived knob can extend them.
    virtual bool Inicia(float x, float y, float ancho, float alto, float xMin, float yMin, float xMax, float yMax,
                        int iEstilo, int iId, const char* szNombre);
    virtual void LiberaSiCreado();
    virtual bool EstaCreado();

    // Position clamped to the bounds; the rectangle follows; no event.
    void PonPosicion(float x, float y);
    // x := xMin + (xMax - xMin) * f, then PonPosicion at the present y.
    void PonFraccionX(float f);
    float PosicionX() const { return m_fX; }
    float PosicionY() const { return m_fY; }
    bool Arrastrando() const { return m_bArrastrando; }

    bool m_bCreado = false;
    bool m_bArrastrando = false;
    float m_fX = -1.0f, m_fY = -1.0f;
    float m_fAgarreX = -1.0f, m_fAgarreY = -1.0f; // rectangle corner minus the pointer at the grab
    float m_fXMin = -1.0f, m_fXMax = -1.0f;
    float m_fYMin = -1.0f, m_fYMax = -1.0f;

protected:
    void InicializaCampos();
    void Libera() {}
    // xMax wins when the bounds cross (and yMax likewise).
    void Limita(float* px, float* py) const;
    void Envia(int iTipo);
};
