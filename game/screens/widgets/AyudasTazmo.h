// Small pieces the game's widgets share: their own copy of a cached sprite
// package, the 15-step slide with which buttons and boxes come in and go,
// the marker states a button reads from the current profile, sound slots by
// name, and the news sparks of buttons with something new behind them.
#pragma once
#include <cstdint>

class CSPM;
class CTemporizador;

namespace tazmo {

// A new copy of the cached package at szRuta; null without a package cache
// or when the copy fails. The caller deletes it.
CSPM* CopiaSPM(const char* szRuta);
// Deletes the package and clears the pointer.
void BorraSPM(CSPM*& p);
// Marks the package in use or not (nothing for null).
void MarcaSPM(CSPM* p, bool bEnUso);

// Brings a timer up to date and turns it to count up (1) or down (-1) from
// where it is.
void Cuenta(CTemporizador& t, int iDireccion);
// A timer at 0 with bounds 0..iDuracion, counting up (1) or holding at 0 (-1).
void Arranca(CTemporizador& t, int iDuracion, int iDireccion);

// The slide of a game widget: 15 steps in (scale 0.7 to 1.0, alpha 0 to
// 255) at each opening and 15 out at each closing.
struct Deslizamiento {
    static constexpr int kPasos = 15;
    static constexpr float kEscalaInicial = 0.7f;
    static constexpr float kPasoEscala = 0.02f;

    int32_t iContador = 0; // 15..1 coming in, -15..-1 going out, 0 at rest
    int32_t iAlfa = 0;     // 0..255
    float fEscala = 1.0f;

    void Abre();
    void Cierra();
    // One step: the counter moves one step toward 0, the scale by 0.02 and
    // the alpha follows the counter (with its value before the step).
    void Paso();
    bool EnCurso() const { return iContador != 0; }
};

// What the current profile says of a widget's marker name. All false
// without a current profile or without a name.
struct EstadoMarcador {
    bool bBloqueado = false;
    bool bRecienDesbloqueado = false;
    bool bNovedades = false;
};
EstadoMarcador LeeMarcador(const char* szNombre);
// The name leaves the current profile's newly-unlocked or news list.
void QuitaRecienDesbloqueado(const char* szNombre);
void QuitaNovedades(const char* szNombre);

// A sound slot by name (-1 without a name or a sound manager); play, mark
// and unmark do nothing for -1.
int RanuraSonido(const char* szNombre);
void TocaSonido(int iRanura);
void MarcaSonido(int iRanura, bool bEnUso);

// The menus' shared effects package (the menu manager's), null without one.
CSPM* SPMEfectos();

// One news spark in effect layer 43: sprite 0 of the effects package going
// from (x, y) to (x + dx, y + dy) over k + 30 steps (k random in 0..20),
// fading out over its last 15 steps and stretching to a random length of 1
// to 2 along its way, turned by fRotacion, added onto what is below.
void EmiteChispaNovedad(float x, float y, float dx, float dy, float fRotacion);

// Effect layers of the menus: 43 under the screen's widgets, 44 over them.
constexpr int kCapaEfectosBajo = 43;
constexpr int kCapaEfectosSobre = 44;

} // namespace tazmo

class Sprite;
struct Personaje;

namespace tazmo {

// A character's whole figure (its copy of the registry's Completo.SPM) drawn
// with the registry's anchor, where its feet stand, at (x, y) and at scale
// fEscala: the pieces of the registry's cut, each overlapping the one before
// by a point so that no seam shows. The package keeps its colour, alpha and
// blend; its scale becomes fEscala. Nothing for a null package.
void DibujaFiguraCompleta(CSPM* p, const Personaje& personaje, Sprite* pDestino, float x, float y,
                          float fEscala = 1.0f);

// The frame and the dark backdrop of the game's dialogs, and their slide:
// the backdrop (when on) over the whole field at half the slide's alpha, the
// frame at the slide's alpha and scale, both centred on the field.
struct MarcoCaja {
    static constexpr uint8_t kAlfaFondo = 200;
    static constexpr float kAnchoFondo = 1100.0f;
    static constexpr float kAltoFondo = 850.0f;

    CSPM* pMarco = nullptr;
    CSPM* pFondo = nullptr;
    bool bFondo = true;
    Deslizamiento desliza;

    // The frame package is required; a backdrop that cannot be copied is
    // left out.
    bool Crea(const char* szMarco);
    void Libera();
    void Dibuja(Sprite* pDestino);
    void Marca(bool bEnUso);
};

} // namespace tazmo

namespace tazmo {

// Deletes what the pointer holds (a widget, a box...) and clears it.
template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

} // namespace tazmo
