#include "game/screens/cofre/MenuPersonajes.h"

bool CMenuPersonajes::Crea()
{
    return CreaProvisional("MenuPersonajes", "Characters");
}

CMenuObj* CMenuPersonajes::PreparaVolver() { return Cofre(); }
