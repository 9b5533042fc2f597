// The options screen: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuOpcionesTazmo : public CMenuProvisional {
public:
    bool Crea();
    // The screen that opened this one, set by the opener right before
    // CambiaMenu; back returns there.
    CMenuObj* m_pMenuRetorno = nullptr;
    // Opened from the pause menu as its child: back closes it.
    bool m_bDesdeJuego = false;

protected:
    CMenuObj* PreparaVolver() override;
    bool SeCierraSolo() override { return m_bDesdeJuego; }
};
