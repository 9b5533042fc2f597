// The help panel, over the screen that attaches it: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuAyuda : public CMenuProvisional {
public:
    bool Crea();

protected:
    CMenuObj* PreparaVolver() override;
    bool SeCierraSolo() override { return true; }
};
