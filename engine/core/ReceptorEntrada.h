// Where the input devices deliver what the player does: the application
// core's input operations. The devices reach them through this one receiver,
// so that they build below the core and a test can stand in for it and see
// each call.
#pragma once

class CMando;

class CReceptorEntrada {
public:
    virtual ~CReceptorEntrada() = default;
    // The core is active (input is dropped while it is not).
    virtual bool Activo() = 0;
    virtual void ProcesaTecla(int iTecla) = 0;
    virtual void ProcesaCaracter(char c) = 0;
    virtual void ProcesaBotonRaton(int iRaton, int iEvento, float x, float y) = 0;
    virtual void ProcesaMovimientoRaton(int iRaton, float x, float y) = 0;
    virtual void ProcesaEjeMando(CMando* pMando, int iEje, int iValor) = 0;
    virtual void ProcesaBotonMando(CMando* pMando, int iBoton) = 0;
    // Full screen when windowed, else a window.
    virtual void AlternaPantallaCompleta() = 0;
};

// The receiver in force: the one set in place of the core, else the
// application core's (installed when a core is made), else one that drops
// everything. Never null.
CReceptorEntrada* ReceptorEntrada();
// Sets a receiver in place of the core; null gives the core back.
void FijaReceptorEntrada(CReceptorEntrada* pReceptor);
// The application core's own receiver (set by the core).
void FijaReceptorAplicacion(CReceptorEntrada* pReceptor);
