#include "game/screens/MenuOpcionesTazmo.h"

bool CMenuOpcionesTazmo::Crea()
{
    return CreaProvisional("MenuOpcionesTazmo", "Options");
}

CMenuObj* CMenuOpcionesTazmo::PreparaVolver() { return m_pMenuRetorno ? m_pMenuRetorno : Principal(); }
