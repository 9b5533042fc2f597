#include "game/Programa.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
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

CMenuMaestro* g_pMaestro = nullptr;

} // namespace

bool CreaBuclePrincipal()
{
    LiberaBuclePrincipal();
    // The top-level object is the menu manager, reached through
    // g_pMenuMaestro while it exists. A manager that cannot be built has
    // released everything it made: no loop runs without it.
    auto* pMaestro = new (std::nothrow) CMenuMaestro;
    if (!pMaestro) return false;
    g_pMenuMaestro = pMaestro;
    if (!pMaestro->Crea()) {
        delete pMaestro;
        g_pMenuMaestro = nullptr;
        return false;
    }
    g_pAplicacion->AnadeMenu(pMaestro);
    g_pMaestro = pMaestro;
    // The master volumes of the game's store, each brought into 0..1.
    if (g_pSistemaSonido) {
        g_pSistemaSonido->CambiaVolumenFlujos(pMaestro->VolumenMusica());
        g_pSistemaSonido->CambiaVolumenMuestras(pMaestro->VolumenSonido());
    }
    return true;
}

void EjecutaBuclePrincipal()
{
    while (!g_pAplicacion->Ciclo()) {
    }
}

void LiberaBuclePrincipal()
{
    if (!g_pMaestro) return;
    g_pAplicacion->QuitaMenu(g_pMaestro);
    delete g_pMaestro;
    g_pMaestro = nullptr;
    g_pMenuMaestro = nullptr;
}

CMenuObj* ObjetoPrincipal() { return g_pMaestro; }

bool BuclePrincipal()
{
    if (!CreaBuclePrincipal()) return false;
    EjecutaBuclePrincipal();
    LiberaBuclePrincipal();
    return true;
}

bool IniciaPrograma()
{
    PonFont(0, motor::fuente::LA_BRIT);
    PonFont(1, motor::fuente::VILLAGE_FONT);
    PonFont(2, motor::fuente::LA_BRIT_NUMEROS_GRANDES);

    if (!IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                        motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true,
                        ListaFonts)) {
        // Closed while starting: nothing failed.
        if (CerradoDuranteInicio()) return false;
        const char* szPaso = PasoInicioFallido();
        const char* szDetalle = DetalleInicioFallido();
        if (szDetalle && szDetalle[0])
            plat::ReportError("start-up failed: %s: %s", szPaso ? szPaso : "unknown service", szDetalle);
        else
            plat::ReportError("start-up failed: %s", szPaso ? szPaso : "unknown service");
        return false;
    }

    // The publisher's logo is shown; the game offers its three languages
    // (the options screen carries the language button).
    g_bLogoDistribuidor = 1;
    g_bSinBotonIdioma = 0;

    // The three text tables are needed: without one the game would show
    // missing texts.
    static const char* const kTablas[3] = {motor::fichero::TEXTOS_CATALA, motor::fichero::TEXTOS_CASTELLANO,
                                           motor::fichero::TEXTOS_ENGLISH};
    for (int i = 0; i < 3; ++i) {
        if (!g_GestorFLIs.CargaFichero(kTablas[i], i)) {
            plat::ReportError("start-up failed: text table %s cannot be read", kTablas[i]);
            LiberaSistemas();
            return false;
        }
    }
    // English until a language is known, then the one the player chose
    // (kept in the preferences); with none yet the first screen asks.
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
    // A close while starting ends the program as a close always does.
    if (!IniciaPrograma()) return CerradoDuranteInicio() ? 0 : 1;
    bool bBien = BuclePrincipal();
    if (!bBien && CMenuMaestro::MotivoFallo().empty())
        plat::ReportError("start-up failed: menu manager");
    else if (!bBien)
        plat::ReportError("start-up failed: menu manager: %s", CMenuMaestro::MotivoFallo().c_str());
    LiberaSistemas();
    return bBien ? 0 : 1;
}
