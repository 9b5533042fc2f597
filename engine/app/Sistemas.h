// Start-up and shutdown of the engine services, the globals through which
// they are reached, the main window and its messages, and the main loop.
#pragma once
#include <cstdint>

class CSistemaFitxers;
class CGestorComandes;
class CPreferencias;
class CSistemaSonido;
class CBancoRanuras;
class CGestorSonido;
class CSistemaCacheEfectos;
class CSistema2D;
class CTeclado;
class CGestorRatones;
class CGestorMandos;
class CGestorSPMs;
class CAplicacion;
class CMenuMaestro;

// One of each for the whole run; each is null until its service has started
// and again after it has been deleted.
extern CSistemaFitxers* g_pSistemaFitxers;
extern CSistemaFitxers* g_pSistemaFitxersUsuari;
extern CGestorComandes* g_pGestorComandes;
extern CPreferencias* g_pPreferencias;
extern void* g_hVentana;
extern uint8_t g_bVentana;
extern uint8_t g_bCambioModoPermitido;
extern CSistemaSonido* g_pSistemaSonido;
extern CBancoRanuras* g_pBancoRanuras;
extern CGestorSonido* g_pGestorSonido;
extern CSistemaCacheEfectos* g_pSistemaCacheEfectos;
extern CSistema2D* g_pSistema2D;
extern CTeclado* g_pTeclado;
extern CGestorRatones* g_pRatones;
extern CGestorMandos* g_pMandos;
extern CGestorSPMs* g_pGestorSPMs;
extern CAplicacion* g_pAplicacion;
extern CMenuMaestro* g_pMenuMaestro;
extern uint8_t g_bLogoDistribuidor;
extern uint8_t g_bSinBotonIdioma;

// Ten font file names handed to the graphics system at start-up.
constexpr int kNumFonts = 10;
constexpr int kLongitudNombreFont = 256;
extern char ListaFonts[kNumFonts][kLongitudNombreFont];

// The window's caption (and class name).
extern const char* const kTituloVentana;

// Starts every engine service in its fixed order. False when a needed one
// failed: everything that existed has then been shut down again.
bool IniciaSistemas(const char* szPaqueteCursores, const char* szConfigMusica, const char* szConfigSonido,
                    const char* szArchivo, const char* szIndiceArchivo, const char* szCarpetaFabricante,
                    const char* szCarpetaProducto, bool bTexturas32, const char (*aFonts)[kLongitudNombreFont]);
// Shuts down everything that exists, in the fixed order.
void LiberaSistemas();
// The name of the start-up step that failed last (null when none did).
const char* PasoInicioFallido();
// What that step could say of its failure, for the player ("" when nothing):
// the file that could not be read, the folders the data was looked for in.
const char* DetalleInicioFallido();
// True when the last start-up stopped because the window was closed while
// it ran (IniciaSistemas returned false, nothing failed, everything started
// has been released).
bool CerradoDuranteInicio();
// Test seam: makes start-up step n (1..15) fail; 0 for none.
void FuerzaFalloInicio(int iPaso);
// Test seam: the window is closed (as by its close box) right after step n
// (1..15); 0 for none.
void FuerzaCierreInicio(int iPaso);

// The main window. CreaVentana makes it windowed or full screen after
// g_bVentana and stores its handle.
bool CreaVentana(const char* szTitulo, int iIcono, void** phVentana);
void DestruyeVentana(void* hVentana);
// Takes every pending window message and input event.
void AtiendeMensajes();
void GuardaAjustesSistema();
void RestauraAjustesSistema();
// The window's close entry: enabled or not while quitting is (not) allowed.
void DesactivaCerrar();
void ActivaCerrar();
bool CerrarActivo();

// Flushes the keyboard when it exists (activation, after a mode switch).
void VaciaTecladoSiExiste();

// Interface styles 0, 1 and 2.
void CreaEstilosBase();
