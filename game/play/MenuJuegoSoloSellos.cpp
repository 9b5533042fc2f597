#include "game/play/MenuJuegoSoloSellos.h"

bool CMenuJuegoSoloSellos::Crea() { return CreaProvisional("MenuJuegoSoloSellos", "Seals only"); }
