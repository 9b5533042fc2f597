#include "game/screens/cofre/MenuGaleria.h"

bool CMenuGaleria::Crea()
{
    return CreaProvisional("MenuGaleria", "Gallery");
}

CMenuObj* CMenuGaleria::PreparaVolver() { return m_pMenuRetorno ? m_pMenuRetorno : Cofre(); }
