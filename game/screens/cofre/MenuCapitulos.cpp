#include "game/screens/cofre/MenuCapitulos.h"

bool CMenuCapitulos::Crea()
{
    return CreaProvisional("MenuCapitulos", "Chapters");
}

CMenuObj* CMenuCapitulos::PreparaVolver() { return Cofre(); }
