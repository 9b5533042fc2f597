#include "game/screens/MenuAyuda.h"

bool CMenuAyuda::Crea()
{
    return CreaProvisional("MenuAyuda", "Help");
}

CMenuObj* CMenuAyuda::PreparaVolver() { return nullptr; }
