#include "game/screens/MenuParametrosModosExtra.h"

bool CMenuParametrosModosExtra::Crea(int iModo)
{
    m_iModo = iModo;
    return CreaProvisional("MenuParametrosModosExtra", "Extra modes");
}

CMenuObj* CMenuParametrosModosExtra::PreparaVolver() { return Principal(); }
