#include "game/screens/cofre/MenuTrofeos.h"

bool CMenuTrofeos::Crea()
{
    return CreaProvisional("MenuTrofeos", "Trophies");
}

CMenuObj* CMenuTrofeos::PreparaVolver() { return Cofre(); }
