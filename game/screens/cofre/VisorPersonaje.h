// The character viewer: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CVisorPersonaje : public CMenuProvisional {
public:
    bool Crea(int iPersonaje);
    int m_iPersonaje = -1;

protected:
    CMenuObj* PreparaVolver() override;
};
