#include "game/Programa.h"

#include "engine/core/Aplicacion.h"
#include "engine/core/Sistemas.h"
#include "engine/ui/MenuObj.h"
#include "platform/Platform.h"

#include <cstdio>

namespace {

void PonFont(int i, const char* szNombre)
{
    std::snprintf(ListaFonts[i], kLongitudNombreFont, "%s", szNombre);
}

} // namespace

void BuclePrincipal()
{
    // The top-level object: the menu manager once it exists (CMenuMaestro,
    // with g_pMenuMaestro set and Crea checked: a failed Crea stops cleanly);
    // until then an empty object over the field.
    auto* pRaiz = new CMenuObj;
    pRaiz->PonRect(0.0f, 0.0f, 1024.0f, 768.0f);
    g_pAplicacion->AnadeMenu(pRaiz);

    // Master music and sound volumes from the game's key/value store
    // (VOLMUSICA, VOLSONIDO / 100) once the sound system and the store exist.

    while (!g_pAplicacion->Ciclo()) {
    }

    g_pAplicacion->QuitaMenu(pRaiz);
    delete pRaiz;
}

int EjecutaPrograma()
{
    PonFont(0, "Data\\Letras\\LaBrit.Set");
    PonFont(1, "Data\\Letras\\VillageFont.Set");
    PonFont(2, "Data\\Letras\\LaBritNumerosGrandes.Set");

    if (!IniciaSistemas("Data\\Graficos\\Ingame\\CursorIngame.SPM", "Data\\Audio\\ConfigMusica.CRM",
                        "Data\\Audio\\ConfigSonido.CRS", "CompactData.CMP", "CompactData.IND", "Kestrune",
                        "Marrowgate", true, ListaFonts)) {
        const char* szPaso = PasoInicioFallido();
        plat::ReportError("start-up failed: %s", szPaso ? szPaso : "unknown service");
        return 1;
    }

    g_bLogoDistribuidor = 1;
    g_bSinBotonIdioma = 1;

    // The language: IDIOMA := 2 (English) whatever the preferences held; the
    // three text tables loaded as keys 0 (Catala), 1 (Castellano), 2
    // (English); key 2 selected with language code "EN"; then the table and
    // code of IDIOMA selected again. Filled by the text tables, the file
    // system and the preferences.

    CreaEstilosBase();
    BuclePrincipal();
    LiberaSistemas();
    return 0;
}
