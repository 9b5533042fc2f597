#include "game/play/herramientas/Herramienta.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "game/play/herramientas/FalloHerramientas.h"

bool CopiaPaqueteHerramienta(CSPM& destino, const char* szRuta)
{
    bool bFalla = g_bFallaCargaHerramientas || g_iCopiasHerramientasHastaFallo == 0;
    if (g_iCopiasHerramientasHastaFallo > 0) --g_iCopiasHerramientasHastaFallo;
    CSPM* pOrigen = !bFalla && g_pGestorSPMs && szRuta && *szRuta ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    if (pOrigen && destino.Copia(pOrigen)) return true;
    destino.Libera();
    return false;
}
