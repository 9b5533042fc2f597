// Sprite packages: up to 256 sprite slots read from an .SPM file (image
// rectangles and rendered texts), up to 256 animations over those slots,
// the animation that is playing and the draw state applied to whatever the
// package draws. Users draw their own copy (CSPM::Copia) of the package the
// cache holds (CGestorSPMs); copies share the cached bitmaps.
#pragma once
#include "engine/graphics/Color.h"
#include "engine/graphics/RegistroSPM.h"

#include <cstdint>
#include <string>

class Sprite;

class CSPM {
public:
    CSPM();
    ~CSPM();
    CSPM(const CSPM&) = delete;
    CSPM& operator=(const CSPM&) = delete;

    // Loading and life cycle.
    bool Carga(const char* szRuta);
    bool Copia(const CSPM* pOrigen);
    bool CreaTexto(int iFont, int iCodigo, int iFlags, float fEscalaX, float fEscalaY, float w, float h,
                   float fHotspotX, float fHotspotY);
    bool CreaVacio(const char* szRuta);
    void Libera();
    void Reinicia();
    bool EstaCargado() const { return m_bCargado; }
    bool EstaEnUso() const { return m_bEnUso; }
    void MarcaEnUso();
    void DesmarcaEnUso();

    // Animation, on the game clock.
    void IniciaAnimacion(int n);
    void IniciaAnimacionUnaVez(int n);
    void ActualizaAnimacion();
    // The slot the current frame shows (frame offset included), -1 when it
    // is outside 0..255.
    int SlotActual() const;

    // Access and draw state.
    Sprite* GetSprite(int iSlot);
    float GetAnchoMaximo();
    float GetAltoMaximo();
    void CalculaTamanoMaximo();
    void PonEscala(float fX, float fY)
    {
        m_fEscalaX = fX;
        m_fEscalaY = fY;
    }
    void PonEscalaX(float f) { m_fEscalaX = f; }
    void PonEscalaY(float f) { m_fEscalaY = f; }
    void PonRotacion(float f) { m_fRotacion = f; }
    void PonAlfa(uint8_t a) { m_ucAlfa = a; }
    void PonColor(uint8_t r, uint8_t g, uint8_t b)
    {
        m_ucRojo = r;
        m_ucVerde = g;
        m_ucAzul = b;
    }
    void ActivaEspejo() { m_bEspejo = true; }
    void DesactivaEspejo() { m_bEspejo = false; }
    void PonFusion(int iFlags, ColorRGB color)
    {
        m_iFusion = iFlags;
        m_ColorFusion = color;
    }
    void PonFusion2(int iFlags, ColorRGB color)
    {
        m_iFusion2 = iFlags;
        m_ColorFusion2 = color;
    }
    void PonAlfaFusion2(uint8_t a) { m_ucAlfaFusion2 = a; }
    const char* GetRuta() const { return m_szRuta; }
    int GetVersion() const { return m_iVersion; }

    // Drawing; the target is a render-target sprite, or null for the screen.
    void DibujaSpriteEnDestino(Sprite* pDestino, int iSlot, float x, float y);
    void DibujaSprite(int iSlot, float x, float y) { DibujaSpriteEnDestino(nullptr, iSlot, x, y); }
    void DibujaEnDestino(Sprite* pDestino, float x, float y);
    void Dibuja(float x, float y) { DibujaEnDestino(nullptr, x, y); }
    // The current frame as a quad placed in space facing the camera (the
    // three-dimensional system's), with the same state as a 2D draw.
    void Dibuja3D(Sprite* pDestino, float x, float y, float z, bool bZMenor, bool bZEscribe);

    // Users of the shared placeholder sprites (tests).
    static int UsuariosPlaceholders();

    Sprite* m_apSprites[kNumSlotsSPM];
    uint8_t m_abEspejo[kNumSlotsSPM];
    int m_aiCodigoFLI[kNumSlotsSPM];
    int m_aiFlagsTexto[kNumSlotsSPM];
    AnimacionSPM* m_apAnimaciones[kNumAnimacionesSPM];

    int m_iAnimacion = 0;
    int m_iFrame = 0;
    int m_iInicioFrame = 0;
    bool m_bUnaVez = false;
    bool m_bTerminada = false;

    bool m_bEspejo = false;
    float m_fEscalaX = 1.0f, m_fEscalaY = 1.0f;
    float m_fRotacion = 0.0f;
    uint8_t m_ucAlfa = 255;
    uint8_t m_ucRojo = 255, m_ucVerde = 255, m_ucAzul = 255;
    int m_iDesplazamientoFrame = 0;
    int m_iFusion = 0;
    ColorRGB m_ColorFusion;
    int m_iFusion2 = 0;
    ColorRGB m_ColorFusion2;
    uint8_t m_ucAlfaFusion2 = 255;

    float m_fAnchoMaximo = -1.0f, m_fAltoMaximo = -1.0f;
    int m_iVersion = 0;
    char m_szRuta[kLongitudRutaSPM];
    bool m_bCargado = false;
    bool m_bEnUso = false;
    bool m_bFicheroEncontrado = true;

    // One pass of a draw: blend flags, their colour, alpha.
    struct Pasada {
        int iFlags = 0;
        const ColorRGB* pColor = nullptr;
        int iAlfa = 255;
    };
    // The passes the draw state asks for (one or two), the package colour
    // written into the sprite's corners first; 0 without a sprite.
    int PreparaPasadas(Sprite* pSprite, Pasada aPasadas[2]) const;

private:
    void PonSlot(int iSlot, Sprite* pSprite);
    void AplicaRegistro(const RegistroSPM& r);
    void DibujaConEstado(Sprite* pDestino, Sprite* pSprite, bool bEspejo, float x, float y);
    // The current frame's sprite and its mirror; false when nothing shows.
    bool FrameActual(Sprite** ppSprite, bool* pbEspejo);
    void CopiaRuta(const char* szRuta);
};
