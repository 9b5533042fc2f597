#include "game/screens/MenuPresentacionCapitulo.h"

bool CMenuPresentacionCapitulo::Crea(int iCapitulo)
{
    m_iCapitulo = iCapitulo;
    return CreaProvisional("MenuPresentacionCapitulo", "Chapter");
}

CMenuObj* CMenuPresentacionCapitulo::PreparaVolver() { return nullptr; }
