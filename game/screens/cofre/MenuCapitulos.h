// The chapter replays of the chest: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuCapitulos : public CMenuProvisional {
public:
    bool Crea();

protected:
    CMenuObj* PreparaVolver() override;
};
