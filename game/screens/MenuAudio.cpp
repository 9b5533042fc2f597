#include "game/screens/MenuAudio.h"

bool CMenuAudio::Crea()
{
    return CreaProvisional("MenuAudio", "Audio");
}

CMenuObj* CMenuAudio::PreparaVolver() { return Opciones(); }
