#include "game/screens/MenuVideo.h"

bool CMenuVideo::Crea()
{
    return CreaProvisional("MenuVideo", "Video");
}

CMenuObj* CMenuVideo::PreparaVolver() { return Opciones(); }
