#include "game/screens/MenuSeleccionAvatar.h"

bool CMenuSeleccionAvatar::Crea()
{
    return CreaProvisional("MenuSeleccionAvatar", "Choose a character");
}

CMenuObj* CMenuSeleccionAvatar::PreparaVolver() { return nullptr; }
