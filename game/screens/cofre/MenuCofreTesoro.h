// The treasure chest: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuCofreTesoro : public CMenuProvisional {
public:
    bool Crea();
    // The screen that opened the chest, set right before CambiaMenu.
    CMenuObj* m_pMenuRetorno = nullptr;

protected:
    CMenuObj* PreparaVolver() override;
};
