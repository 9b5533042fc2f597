// What the application core asks of the graphics side: presenting a frame,
// the display mode, the screen capture behind the loading sign, the pointer
// cursors and the fade overlay, the language reload, and a context of its
// own for the loading-sign thread. This base answers with the graphics system
// once it has started, and with the platform's back buffer alone before (or
// without) it; tests install a derived link (CAplicacion::AsignaEnlaceGraficos).
//
// Called on the main thread, except Flipa, PotCapturarPantalla,
// CapturaPantallaActual, CambiandoModo, RestaurandoBitmaps and the thread
// context calls, which the loading-sign thread makes too (always holding the
// core's render mutex, except CambiandoModo and RestaurandoBitmaps).
#pragma once
#include <cstdint>

class CSPM;
class Sprite;

class CEnlaceGraficos {
public:
    virtual ~CEnlaceGraficos() = default;

    // Ends a frame: presents the back buffer. With bPermiteCambioModo a
    // failed present may set the display mode again.
    virtual void Flipa(bool bPermiteCambioModo);

    // Display mode. The window has already been switched when these run:
    // they set the device's mode, releasing and reloading what a mode change
    // loses.
    virtual bool EsVentana();
    virtual void PassaAFullScreen();
    virtual void PassaAFinestra();
    virtual bool CambiandoModo();
    virtual bool RestaurandoBitmaps();

    // The screen capture: a 1024x768 render-target sprite with hotspot
    // (512, 384), or null when there is no sprite system.
    virtual Sprite* CreaSpriteCaptura();
    virtual void AlliberaSprite(Sprite* pSprite);
    virtual bool PotCapturarPantalla();
    virtual void CapturaPantallaActual(Sprite* pSprite);

    // Sprite packages of the pointer cursors and the fade overlay: an own
    // copy of the cached package (null when it cannot be had), its release,
    // marking it in use, starting an animation, drawing it at a point.
    virtual CSPM* CopiaPaquete(const char* szRuta);
    virtual void BorraPaquete(CSPM* pPaquete);
    virtual void MarcaEnUso(CSPM* pPaquete);
    virtual void IniciaAnimacion(CSPM* pPaquete, int iAnimacion);
    virtual void DibujaPaquete(CSPM* pPaquete, float x, float y);
    // The overlay: scales its sprite 0 to cover 1250 by 1000 points; draws
    // it at (512, 384) tinted with the colour, at the alpha 0..255.
    virtual void EscalaVelo(CSPM* pVelo);
    virtual void DibujaVelo(CSPM* pVelo, int iAlfa, uint8_t r, uint8_t g, uint8_t b);

    // Rebuilds every text and language-dependent picture after a language
    // change.
    virtual void RecargaIdioma();

    // A context for a second drawing thread (null when none can be had), made
    // current on that thread, released there, and deleted afterwards on the
    // main thread.
    virtual void* CreaContextoHilo();
    virtual bool UsaContextoHilo(void* pContexto);
    virtual void SueltaContextoHilo();
    virtual void BorraContextoHilo(void* pContexto);
};
