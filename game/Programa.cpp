#include "game/Programa.h"

#include "engine/audio/SistemaSonido.h"
#include "engine/core/Aplicacion.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Sistemas.h"
#include "engine/graphics/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "game/screens/MenuMaestro.h"
#include "platform/Platform.h"

#include <cstdio>
#include <new>

namespace {

void PonFont(int i, const char* szNombre)
{
    std::snprintf(ListaFonts[i], kLongitudNombreFont, "%s", szNombre);
}

} // namespace

bool BuclePrincipal()
{
    auto* pMaestro = new (std::nothrow) CMenuMaestro;
    if (!pMaestro) return false;
    g_pMenuMaestro = pMaestro;
    const bool bCreado = pMaestro->Crea();
    if (bCreado) {
        g_pAplicacion->AnadeMenu(pMaestro);
        // The master volumes of the game's store, each clamped to 0..1.
        if (g_pSistemaSonido) {
            g_pSistemaSonido->CambiaVolumenFlujos(pMaestro->VolumenMusica());
            g_pSistemaSonido->CambiaVolumenMuestras(pMaestro->VolumenSonido());
        }
        while (!g_pAplicacion->Ciclo()) {
        }
        g_pAplicacion->QuitaMenu(pMaestro);
    }
    delete pMaestro;
    g_pMenuMaestro = nullptr;
    return bCreado;
}

bool IniciaPrograma()
{
    PonFont(0, "Data\\Letras\\LaBrit.Set");
    PonFont(1, "Data\\Letras\\VillageFont.Set");
    PonFont(2, "Data\\Letras\\LaBritNumerosGrandes.Set");

    if (!IniciaSistemas("Data\\Graficos\\Ingame\\CursorIngame.SPM", "Data\\Audio\\ConfigMusica.CRM",
                        "Data\\Audio\\ConfigSonido.CRS", "CompactData.CMP", "CompactData.IND", "Kestrune",
                        "Marrowgate", true, ListaFonts)) {
        const char* szPaso = PasoInicioFallido();
        plat::ReportError("start-up failed: %s", szPaso ? szPaso : "unknown service");
        return false;
    }

    g_bLogoDistribuidor = 1;
    g_bSinBotonIdioma = 1;

    // The program starts in English whatever the preferences file held.
    g_pPreferencias->CambiaIdioma(2);
    g_GestorFLIs.CargaFichero("Data\\Textos\\Catala.FLI", 0);
    g_GestorFLIs.CargaFichero("Data\\Textos\\Castellano.FLI", 1);
    g_GestorFLIs.CargaFichero("Data\\Textos\\English.FLI", 2);
    g_GestorFLIs.SeleccionaIdioma(2);
    g_pSistemaFitxers->CambiaIdioma('E', 'N');
    static const char kCodigos[3][2] = {{'C', 'A'}, {'E', 'S'}, {'E', 'N'}};
    int iIdioma = g_pPreferencias->m_iIdioma;
    g_GestorFLIs.SeleccionaIdioma(iIdioma);
    if (iIdioma >= 0 && iIdioma < 3) g_pSistemaFitxers->CambiaIdioma(kCodigos[iIdioma][0], kCodigos[iIdioma][1]);

    CreaEstilosBase();
    return true;
}

int EjecutaPrograma()
{
    if (!IniciaPrograma()) return 1;
    bool bBien = BuclePrincipal();
    if (!bBien) plat::ReportError("start-up failed: menu manager");
    LiberaSistemas();
    return bBien ? 0 : 1;
}
