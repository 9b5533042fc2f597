// The chapter's title card, a child of the story map: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuPresentacionCapitulo : public CMenuProvisional {
public:
    bool Crea(int iCapitulo);
    int m_iCapitulo = -1;

protected:
    CMenuObj* PreparaVolver() override;
    bool SeCierraSolo() override { return true; }
};
