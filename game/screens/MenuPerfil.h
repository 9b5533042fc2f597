// The profile screen: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

struct RegistroPerfil;

class CMenuPerfil : public CMenuProvisional {
public:
    bool Crea();
    // Modes: 0 a quiet save of the current profile, 1 the same with
    // messages, 2 choosing a profile, 3 idle.
    enum { MODO_GUARDA = 0, MODO_GUARDA_AVISANDO = 1, MODO_ELECCION = 2, MODO_INACTIVO = 3 };
    void CambiaModo(int iModo) { m_iModo = iModo; }
    int Modo() const { return m_iModo; }
    // The current profile, null when none is registered.
    RegistroPerfil* PerfilActual();
    int m_iModo = MODO_INACTIVO;

protected:
    CMenuObj* PreparaVolver() override;
};
