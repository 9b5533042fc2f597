#include "game/screens/cofre/MenuBolsasDePiezas.h"

bool CMenuBolsasDePiezas::Crea()
{
    return CreaProvisional("MenuBolsasDePiezas", "Piece bags");
}

CMenuObj* CMenuBolsasDePiezas::PreparaVolver() { return Cofre(); }
