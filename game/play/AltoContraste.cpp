#include "game/play/AltoContraste.h"

bool g_bAltoContrastePiezas = false;
bool g_bAltoContrasteMaldiciones = false;

void PonAltoContraste(bool bActivo)
{
    g_bAltoContrastePiezas = bActivo;
    g_bAltoContrasteMaldiciones = bActivo;
}
