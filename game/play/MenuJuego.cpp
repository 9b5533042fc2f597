#include "game/play/MenuJuego.h"

bool CMenuJuego::Crea() { return CreaProvisional("MenuJuego", "Story"); }
