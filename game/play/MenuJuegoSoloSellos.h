// The seals-only play screen: not built yet, a stand-in on the play screen's
// own until it is.
#pragma once
#include "game/play/MenuJuego.h"

class CMenuJuegoSoloSellos : public CMenuJuego {
public:
    bool Crea();
};
