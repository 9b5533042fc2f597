// The concentration play screen: not built yet, a stand-in on the play screen's
// own until it is.
#pragma once
#include "game/play/MenuJuego.h"

class CMenuJuegoSoloConcentrar : public CMenuJuego {
public:
    bool Crea();
};
