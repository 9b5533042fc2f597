#include "game/play/AltoContraste.h"

#include "game/play/BolaTablero.h"

bool g_bAltoContrasteMaldiciones = false;

void PonAltoContraste(bool bActivo)
{
    CBolaTablero::s_bAltoContraste = bActivo;
    g_bAltoContrasteMaldiciones = bActivo;
}
