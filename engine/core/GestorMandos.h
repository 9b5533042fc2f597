// Game controllers: each known device keeps its slot (by its stable identity)
// across unplugging and plugging in again; every logic step reports the axis
// changes and button presses to the application core.
#pragma once
#include "platform/Input.h"

#include <cstdint>

class CMando {
public:
    CMando();
    ~CMando();
    CMando(const CMando&) = delete;
    CMando& operator=(const CMando&) = delete;

    // Reads the state and reports what changed since the last read; marks
    // the controller absent when it cannot be read any more.
    void Actualiza();
    // Closes the device and empties the slot.
    void Libera();

    const uint8_t* Guid() const { return m_Guid; }
    const char* Nombre() const { return m_szNombre; }

    uint8_t m_bPresente = 0;
    uint8_t m_bPerdido = 0;
    uint8_t m_Guid[16] = {};
    char m_szNombre[64] = {};
    void* m_pDispositivo = nullptr;
    plat::ControllerState m_EstadoAnterior;
};

class CGestorMandos {
public:
    static constexpr int kMaxMandos = 30;
    // Steps with a controller absent before the devices are searched again.
    static constexpr int kSondeosAntesDeBuscar = 125;

    CGestorMandos();
    ~CGestorMandos();
    CGestorMandos(const CGestorMandos&) = delete;
    CGestorMandos& operator=(const CGestorMandos&) = delete;

    // Always succeeds (a machine without controllers has none to report).
    bool Inicia();
    void Libera();

    // Marks every known controller lost, then takes in every connected one.
    void EnumeraMandos();
    // One logic step.
    void Actualiza();

    // The controller with that 16-byte identity, or null.
    CMando* BuscaMando(const uint8_t* guid);
    // A known identity refreshes its slot; a new one takes the next free slot
    // (false when all are taken: the device is closed).
    bool AnadeMando(const uint8_t* guid, const char* nombre, void* dispositivo);

    // Slot i in the order the controllers were first found, or null.
    CMando* Mando(int i);
    int NumMandos() const { return m_iNumMandos; }

    uint8_t m_bIniciado = 0;
    CMando m_Mandos[kMaxMandos];
    int m_iNumMandos = 0;
    int m_iContadorSondeo = 0;
};

// Owned by start-up.
extern CGestorMandos* g_pMandos;
