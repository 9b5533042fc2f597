#include "game/screens/cofre/MenuCofreTesoro.h"

bool CMenuCofreTesoro::Crea()
{
    return CreaProvisional("MenuCofreTesoro", "Treasure chest");
}

CMenuObj* CMenuCofreTesoro::PreparaVolver() { return m_pMenuRetorno ? m_pMenuRetorno : Principal(); }
