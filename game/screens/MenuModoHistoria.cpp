#include "game/screens/MenuModoHistoria.h"

bool CMenuModoHistoria::Crea()
{
    return CreaProvisional("MenuModoHistoria", "Story map");
}

CMenuObj* CMenuModoHistoria::PreparaVolver() { return Principal(); }
