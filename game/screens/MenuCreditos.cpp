#include "game/screens/MenuCreditos.h"

bool CMenuCreditos::Crea()
{
    return CreaProvisional("MenuCreditos", "Credits");
}

CMenuObj* CMenuCreditos::PreparaVolver() { return Principal(); }
