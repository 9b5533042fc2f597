// The language screen: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuIdiomas : public CMenuProvisional {
public:
    bool Crea();
    // 0 normal (a child of the options screen: back closes it), 1 the very
    // first screen of a run (back goes on to the title screen).
    enum { MODO_NORMAL = 0, MODO_PRIMERA_VEZ = 1 };
    int m_iModo = MODO_NORMAL;

protected:
    CMenuObj* PreparaVolver() override;
};
