// The pause menu, a child of the play screen: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuInGame : public CMenuProvisional {
public:
    bool Crea();

protected:
    CMenuObj* PreparaVolver() override;
    bool SeCierraSolo() override { return true; }
};
