// The extra-modes menu: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuParametrosModosExtra : public CMenuProvisional {
public:
    bool Crea(int iModo);
    int m_iModo = -1;

protected:
    CMenuObj* PreparaVolver() override;
};
