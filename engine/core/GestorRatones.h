// The mice. In system mode the one system pointer, read from the window's
// mouse messages, is mouse 0. In raw mode every mouse device is a mouse of
// its own with a position moved by its own motion, whose input is handed to
// the application core once per pass of the main loop. Positions are in the
// 1024x768 field.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>

namespace plat {
struct InputMessage;
}

// Button events as the application core receives them.
enum {
    RATON_IZQUIERDO_ABAJO = 0,
    RATON_IZQUIERDO_ARRIBA = 1,
    RATON_DERECHO_ABAJO = 2,
    RATON_DERECHO_ARRIBA = 3,
    RATON_CENTRAL_ABAJO = 4,
    RATON_CENTRAL_ARRIBA = 5,
};

class CRaton {
public:
    bool Inicia(int iIndice, uint32_t dispositivo, bool bRaw);

    // System mode: one window message; true when it is handled.
    bool MensajeVentana(const plat::InputMessage& mensaje);
    // Raw mode: one record of this mouse's device, kept until EnviaEventos.
    void ActualizaRaw(const plat::InputMessage& mensaje);
    // Raw mode: the pending move, then the pending button events in order.
    void EnviaEventos();
    // A button event (RATON_*) applied to the held bytes.
    void CambiaBoton(int evento);

    // The button (0 left, 1 right, 2 middle) as a step reads it: held now,
    // or pressed since the last step ended. A press and release that both
    // come between two steps (a tap, a quick click) read as held for the
    // step that follows, where the held byte alone would never show them.
    bool Pulsado(int iBoton) const;
    // The end of a logic step: the presses made before it have been seen.
    void PasoVisto() { m_iPulsadosSinPaso = 0; }

    float X() const { return m_fX; }
    float Y() const { return m_fY; }
    // Sets the position (x held to 0..1023, y to 0..768); mouse 0 also moves
    // the system pointer there.
    void CambiaX(float x);
    void CambiaY(float y);
    // Both at once: mouse 0 moves the system pointer once, so no move to a
    // point between the old and the new place is ever reported. The pixel
    // it went to is taken as seen: the move the window reports back for it
    // is no movement.
    void Cambia(float x, float y);

    uint8_t m_bIniciado = 0;
    int32_t m_iCursorX = -10000000, m_iCursorY = -10000000;
    float m_fX = 0, m_fY = 0;
    // Held now, as the events left it (screens read Pulsado).
    uint8_t m_bIzquierdo = 0, m_bDerecho = 0, m_bCentral = 0;
    // Per button (bit 0 left, 1 right, 2 middle): pressed since the last
    // step ended.
    uint8_t m_iPulsadosSinPaso = 0;
    uint16_t m_iRueda = 0;
    uint32_t m_iPendientes = 0;
    int m_iIndice = 0;
    uint32_t m_Dispositivo = 0;
    uint8_t m_bRaw = 0;
};

class CGestorRatones {
public:
    static constexpr int kMaxRatonesRaw = 16;

    CGestorRatones();
    ~CGestorRatones();
    CGestorRatones(const CGestorRatones&) = delete;
    CGestorRatones& operator=(const CGestorRatones&) = delete;

    // Always succeeds: the system mouse exists from here on.
    bool Inicia();
    void Libera();
    // System mode, no raw mouse, new devices accepted.
    void Limpia();

    // bSistema false selects raw mode (the raw mice are made afresh as their
    // devices report); true goes back to the system pointer.
    void SeleccionaModo(bool bSistema);

    // Window-message hook (only while the core is active).
    bool MensajeVentana(const plat::InputMessage& mensaje);
    // Once per pass of the main loop: raw mice hand over their input.
    void Actualiza();
    // After every logic step's updates (CRaton::PasoVisto for every mouse).
    void PasoVisto();
    // The system mouse takes the pointer's real place over the window (at
    // start and after a display-mode switch, when no move has told it).
    void LeePunteroReal();

    // System mode: the system mouse for 0, else null. Raw mode: the i-th raw
    // mouse for i up to 3.
    CRaton* Raton(int i);

    uint8_t m_bIniciado = 0;
    CLista m_lRatones;
    int m_iNumRatones = 0;
    uint8_t m_bRawDisponible = 0;
    uint8_t m_bModoSistema = 1;
    uint8_t m_bAceptaNuevos = 1;
    uint8_t m_bPideReinicio = 0;
    CRaton m_RatonSistema;

private:
    CRaton* RatonRaw(uint32_t dispositivo);
    void BorraRatonesRaw();
};

// Owned by start-up.
extern CGestorRatones* g_pRatones;
