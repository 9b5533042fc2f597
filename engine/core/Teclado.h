// The keyboard: an immediate key state read once per logic step, and the
// buffered key-downs handed to the application core one by one.
#pragma once
#include <cstdint>

namespace plat {
struct InputMessage;
}

class CTeclado {
public:
    CTeclado();
    ~CTeclado();
    CTeclado(const CTeclado&) = delete;
    CTeclado& operator=(const CTeclado&) = delete;

    // Opens the keyboard and starts taking the window's character messages.
    bool Inicia();
    void Libera();

    // One logic step (only while the application core is active): the key
    // state moves on and every buffered key-down goes to the core; left Alt +
    // Enter asks for the other display mode instead.
    void Actualiza();

    // The key is held now; held now and not at the previous step.
    bool TeclaAbajo(int iTecla) const;
    bool TeclaPulsada(int iTecla) const;

    // Forgets the current state and every buffered key change.
    void VaciaBuffer();

    // Window-message hook: while the core is active a character message is
    // taken (handed to the core); anything else is left to the next handler.
    bool MensajeVentana(const plat::InputMessage& mensaje);

    uint8_t m_bIniciado = 0;
    uint8_t m_EstadoAnterior[256] = {};
    uint8_t m_Estado[256] = {};
};

// Owned by start-up.
extern CTeclado* g_pTeclado;

// The key the controls screen refuses to bind (Escape).
int TeclaEscape();
