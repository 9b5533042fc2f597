// The play screen, base of the three extra-mode play screens: not built yet,
// a stand-in on the shared one (see game/screens/MenuProvisional.h) until it
// is. Play screens run as a child of the screen that starts them, so back
// closes them.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuJuego : public CMenuProvisional {
public:
    bool Crea();

protected:
    bool SeCierraSolo() override { return true; }
};
