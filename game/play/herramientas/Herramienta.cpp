#include "game/play/herramientas/Herramienta.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "game/play/herramientas/FalloHerramientas.h"

namespace {

// Whether a seam fails this copy; every copy asked for runs the count down.
bool FallaPorSeam()
{
    const bool bFalla = g_bFallaCargaHerramientas || g_iCopiasHerramientasHastaFallo == 0;
    if (g_iCopiasHerramientasHastaFallo > 0) --g_iCopiasHerramientasHastaFallo;
    return bFalla;
}

bool Copia(CSPM& destino, CSPM* pOrigen)
{
    if (pOrigen && destino.Copia(pOrigen)) return true;
    destino.Libera();
    return false;
}

} // namespace

bool CopiaPaqueteHerramienta(CSPM& destino, const char* szRuta)
{
    const bool bFalla = FallaPorSeam();
    return Copia(destino, !bFalla && g_pGestorSPMs && szRuta && *szRuta ? g_pGestorSPMs->GetSPM(szRuta) : nullptr);
}

bool CopiaPaqueteHerramienta(CSPM& destino, CSPM* pOrigen)
{
    return Copia(destino, FallaPorSeam() ? nullptr : pOrigen);
}
