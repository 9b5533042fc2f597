// The story map: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuModoHistoria : public CMenuProvisional {
public:
    bool Crea();

protected:
    CMenuObj* PreparaVolver() override;
};
