// A view on a bitmap: a source rectangle, a hotspot (the point placed at the
// drawing position and the centre of rotation) and four corner colours.
// Sprites are made, drawn and freed only through CSistema2D.
#pragma once
#include "engine/graphics/Color.h"

class Bitmap;

// Corner indices of the colour array.
enum {
    CANTONADA_ESQUERRA_BAIX = 0,
    CANTONADA_ESQUERRA_DALT = 1,
    CANTONADA_DRETA_BAIX = 2,
    CANTONADA_DRETA_DALT = 3,
};

class Sprite {
public:
    Bitmap* m_pBitmap = nullptr;
    int m_iId = 0;
    // Source rectangle in the bitmap's image (a fresh sprite: 0, 0, -1, -1).
    float m_fX = 0.0f, m_fY = 0.0f, m_fAmplada = -1.0f, m_fAlcada = -1.0f;
    float m_fHotspotX = 0.0f, m_fHotspotY = 0.0f;
    ColorARGB m_aColors[4];
    bool m_bEnUs = false;
    // Links in the graphics system's sprite list.
    Sprite* m_pAnterior = nullptr;
    Sprite* m_pSeguent = nullptr;

    float GetAmplada() const { return m_fAmplada; }
    float GetAlcada() const { return m_fAlcada; }
};
