#include "game/screens/MenuAyudaAnimado.h"

bool CMenuAyudaAnimado::Crea()
{
    return CreaProvisional("MenuAyudaAnimado", "Help pages");
}

CMenuObj* CMenuAyudaAnimado::PreparaVolver() { return nullptr; }
