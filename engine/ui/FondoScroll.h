// The scrolling background: sprite 0 of a package tiled over the whole field
// (odd columns half a tile higher), the tiling moving at a constant velocity
// and wrapping round. It never takes the pointer. Kind name "FONDO_SCROLL".
#pragma once
#include "engine/ui/MenuObj.h"

class CFondoScroll : public CMenuObj {
public:
    static constexpr const char* kTipo = "FONDO_SCROLL";
    static constexpr const char* kNombre = "GEN_FondoScroll";
    static constexpr int kLongitudRuta = 128;

    CFondoScroll() = default;
    ~CFondoScroll() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    bool Contiene(float, float) override { return false; }
    void CargaRecursos() override;
    void DescargaRecursos() override;

    // The package at szRuta (a missing one tiles its placeholder), moving
    // vx, vy points per step. False when it has no picture to tile.
    bool Inicia(const char* szRuta, float vx, float vy);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    CSPM* m_pSPM = nullptr;
    char m_szRuta[kLongitudRuta] = {};
    float m_fAnchoTesela = 0.0f;
    float m_fAltoTesela = 0.0f;
    int32_t m_iColumnas = 0;
    int32_t m_iFilas = 0;
    float m_fVelocidadX = 0.0f;
    float m_fVelocidadY = 0.0f;
    float m_fOffsetX = 0.0f;
    float m_fOffsetY = 0.0f;

    // One offset moved on by a velocity and wrapped into [-periodo, 0).
    static float Desplaza(float offset, float velocidad, float periodo);

private:
    void InicializaCampos();
    void Libera();
};
