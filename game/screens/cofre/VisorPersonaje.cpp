#include "game/screens/cofre/VisorPersonaje.h"

bool CVisorPersonaje::Crea(int iPersonaje)
{
    m_iPersonaje = iPersonaje;
    return CreaProvisional("VisorPersonaje", "Character");
}

CMenuObj* CVisorPersonaje::PreparaVolver() { return Personajes(); }
