#include "game/screens/MenuIdiomas.h"

bool CMenuIdiomas::Crea()
{
    return CreaProvisional("MenuIdiomas", "Language", "VOLV");
}

CMenuObj* CMenuIdiomas::PreparaVolver() { return m_iModo == MODO_PRIMERA_VEZ ? Presentacion() : Opciones(); }
