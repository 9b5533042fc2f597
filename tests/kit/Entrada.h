// Input for tests: a receiver that stands in for the application core and
// records every input call, a window to send input to, and shorthands that
// inject input and pump it through the platform's event path.
#pragma once
#include "engine/core/ReceptorEntrada.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kit {

struct LlamadaEntrada {
    enum Tipo { Tecla, Caracter, BotonRaton, MovimientoRaton, EjeMando, BotonMando, AlternaPantalla };
    Tipo tipo;
    int a = 0;        // key, character (0..255), mouse index, axis or button
    int b = 0;        // mouse button event, axis value
    float x = 0, y = 0;
    CMando* mando = nullptr;

    std::string Texto() const; // for failure messages
};

// Installs itself as the input receiver for its lifetime.
class ReceptorGrabador : public CReceptorEntrada {
public:
    ReceptorGrabador();
    ~ReceptorGrabador() override;

    bool Activo() override { return activo; }
    void ProcesaTecla(int iTecla) override;
    void ProcesaCaracter(char c) override;
    void ProcesaBotonRaton(int iRaton, int iEvento, float x, float y) override;
    void ProcesaMovimientoRaton(int iRaton, float x, float y) override;
    void ProcesaEjeMando(CMando* pMando, int iEje, int iValor) override;
    void ProcesaBotonMando(CMando* pMando, int iBoton) override;
    void AlternaPantallaCompleta() override;

    // The calls of one kind, in order.
    std::vector<LlamadaEntrada> De(LlamadaEntrada::Tipo tipo) const;
    std::string Resumen() const;

    bool activo = true;
    std::vector<LlamadaEntrada> llamadas;
};

// Opens the main window (1024x768, windowed) for the test's lifetime,
// and leaves no input events behind.
class VentanaPrueba {
public:
    VentanaPrueba();
    ~VentanaPrueba();
    bool ok = false;
};

// Takes the pending events, as a pass of the main loop does.
void Bombea();
// A key pressed or released (engine key code), then pumped.
void PulsaTecla(uint8_t tecla);
void SueltaTecla(uint8_t tecla);
// A key pressed and released.
void TocaTecla(uint8_t tecla);
// Text typed (UTF-8), then pumped.
void Escribe(const char* utf8);
// The pointer moved to a window pixel / a button (0 left, 1 right, 2 middle)
// pressed or released there, then pumped.
void MueveRaton(int x, int y);
void BotonRaton(int boton, bool abajo, int x, int y);

} // namespace kit
