#include "game/screens/MenuPrincipal.h"

bool CMenuPrincipal::Crea()
{
    return CreaProvisional("MenuPrincipal", "Main menu");
}

CMenuObj* CMenuPrincipal::PreparaVolver() { return PerfilEnModoEleccion(); }
