#include "game/screens/MenuPerfil.h"

#include "game/profiles/Perfiles.h"

bool CMenuPerfil::Crea()
{
    return CreaProvisional("MenuPerfil", "Profiles");
}

CMenuObj* CMenuPerfil::PreparaVolver() { return Presentacion(); }

RegistroPerfil* CMenuPerfil::PerfilActual() { return PerfilActualJuego(); }
