#include "game/play/MenuJuegoSoloConcentrar.h"

bool CMenuJuegoSoloConcentrar::Crea() { return CreaProvisional("MenuJuegoSoloConcentrar", "Concentration"); }
