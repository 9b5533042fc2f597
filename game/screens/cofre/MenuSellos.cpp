#include "game/screens/cofre/MenuSellos.h"

bool CMenuSellos::Crea()
{
    return CreaProvisional("MenuSellos", "Seals");
}

CMenuObj* CMenuSellos::PreparaVolver() { return Cofre(); }
