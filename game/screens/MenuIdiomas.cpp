#include "game/screens/MenuIdiomas.h"

#include "game/CatalogoJuego.h"

bool CMenuIdiomas::Crea()
{
    return CreaProvisional("MenuIdiomas", "Language", juego::texto::VOLV);
}

CMenuObj* CMenuIdiomas::PreparaVolver() { return m_iModo == MODO_PRIMERA_VEZ ? Presentacion() : Opciones(); }
