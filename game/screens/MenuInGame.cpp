#include "game/screens/MenuInGame.h"

bool CMenuInGame::Crea()
{
    return CreaProvisional("MenuInGame", "Pause");
}

CMenuObj* CMenuInGame::PreparaVolver() { return nullptr; }
