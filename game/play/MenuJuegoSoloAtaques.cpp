#include "game/play/MenuJuegoSoloAtaques.h"

bool CMenuJuegoSoloAtaques::Crea() { return CreaProvisional("MenuJuegoSoloAtaques", "Attacks"); }
