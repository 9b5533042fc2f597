#include "game/screens/MenuControles.h"

bool CMenuControles::Crea()
{
    return CreaProvisional("MenuControles", "Controls");
}

CMenuObj* CMenuControles::PreparaVolver() { return Opciones(); }
