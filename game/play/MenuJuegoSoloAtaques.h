// The attacks play screen: not built yet. Until it is, it plays as the
// play screen it derives from.
#pragma once
#include "game/play/MenuJuego.h"

class CMenuJuegoSoloAtaques : public CMenuJuego {};
