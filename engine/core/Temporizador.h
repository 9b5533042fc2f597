// Clocks, the frame count, the frame-counting timer and random numbers.
#pragma once
#include <cstdint>

// 1 ms timer resolution for the run (nothing to do on this platform but the
// calls keep their place at start-up and shutdown).
void IniciaReloj();
void TerminaReloj();

// Milliseconds since the program was loaded.
int TiempoReal();
// The game clock in milliseconds: the same value as TiempoReal.
int TiempoJuego();
void Espera(int ms);

// The frame count, advanced once per logic step by the menu manager.
int FrameActual();
void AvanzaFrame();

// Test seam: while the manual clock is on, TiempoReal/TiempoJuego return the
// manual value, which only AvanzaRelojManual moves. Also resets the frame
// count when asked.
void FijaRelojManual(bool manual, int startMs = 0);
bool RelojManual();
void AvanzaRelojManual(int ms);
void ReiniciaFrames(int frame = 0);

enum {
    PROGRESO_LIMITADO = 0,
    PROGRESO_CICLICO = 1,
    PROGRESO_VAIVEN = 2,
};

float CalculaProgreso(float valor, float total, int modo);

class CTemporizador {
public:
    void Crea();
    void Limpia();
    void Inicia(int duracion, int inferior, int superior);
    void CambiaFraccion(float fraccion);
    void Actualiza();
    float Fraccion(int modo);

    uint8_t m_bIniciado = 0;
    int32_t m_iFrameReferencia = -1;
    int32_t m_iCuenta = -1;
    int32_t m_iDuracion = -1;
    int32_t m_iInferior = 0;
    int32_t m_iSuperior = 0;
    int32_t m_iDireccion = 1;
    uint8_t m_bPausado = 0;
};

// Random numbers: the classic linear congruential generator (state * 214013
// + 2531011, 15-bit results), never seeded, so every run draws the same
// sequence. Both bounds are included.
int EnteroAleatorio(int a, int b);
float RealAleatorio(float a, float b);
// The next raw 15-bit value, and a reset of the state (tests).
int SiguienteAleatorio();
void ReiniciaAleatorio(uint32_t estado = 1);

float DistanciaCuadrado(float x1, float y1, float x2, float y2);
