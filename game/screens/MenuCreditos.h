// The credits (as a child at the end of the story, back closes them): not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is.
#pragma once
#include "game/screens/MenuProvisional.h"

class CMenuCreditos : public CMenuProvisional {
public:
    bool Crea();

protected:
    CMenuObj* PreparaVolver() override;
};
