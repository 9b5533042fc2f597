#include "engine/app/Sistemas.h"

#include "engine/app/Aplicacion.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/GestorSonido.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Teclado.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/sequences/Secuencia.h"
#include "platform/Window.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

void* g_hVentana = nullptr;
uint8_t g_bVentana = 1;
uint8_t g_bCambioModoPermitido = 1;
CAplicacion* g_pAplicacion = nullptr;
CMenuMaestro* g_pMenuMaestro = nullptr;
uint8_t g_bLogoDistribuidor = 0;
uint8_t g_bSinBotonIdioma = 0;

char ListaFonts[kNumFonts][kLongitudNombreFont] = {};

const char* const kTituloVentana = "Orrindale";

namespace {

constexpr int kIconoVentana = 101;

// What IniciaSistemas was given, for its steps.
struct ParametrosInicio {
    const char* szPaqueteCursores;
    const char* szConfigMusica;
    const char* szConfigSonido;
    const char* szArchivo;
    const char* szIndiceArchivo;
    const char* szCarpetaFabricante;
    const char* szCarpetaProducto;
    bool bTexturas32;
    const char (*aFonts)[kLongitudNombreFont];
};

struct PasoInicio {
    const char* szNombre;
    bool (*pInicia)(const ParametrosInicio&);
    // A failure stops start-up.
    bool bNecesario;
    // The window messages are pumped after the step.
    bool bAtiendeMensajes;
};

bool g_bAjustesGuardados = false;
bool g_bCerrarActivo = true;
const char* g_szPasoFallido = nullptr;
std::string g_sDetalleFallo;
int g_iPasoQueFalla = 0;
int g_iPasoCierre = 0;
// A close request that came before the application core existed: start-up
// stops at its next step.
bool g_bCierrePendiente = false;
bool g_bCerradoEnInicio = false;

bool IniciaReloj_(const ParametrosInicio&)
{
    IniciaReloj();
    return true;
}

bool IniciaFicherosUsuario(const ParametrosInicio& p)
{
    // Nothing else uses it; its result does not matter.
    g_pSistemaFitxersUsuari = new (std::nothrow) CSistemaFitxers;
    if (g_pSistemaFitxersUsuari) g_pSistemaFitxersUsuari->Inicia(p.szCarpetaFabricante, p.szCarpetaProducto);
    return true;
}

bool IniciaFicherosDatos(const ParametrosInicio& p)
{
    g_pSistemaFitxers = new (std::nothrow) CSistemaFitxers;
    if (!g_pSistemaFitxers) return false;
    if (p.szArchivo && p.szIndiceArchivo) {
        if (g_pSistemaFitxers->IniciaAmbArxiu(p.szArchivo, p.szIndiceArchivo, p.szCarpetaFabricante,
                                              p.szCarpetaProducto))
            return true;
        g_sDetalleFallo = g_pSistemaFitxers->Error();
        return false;
    }
    return g_pSistemaFitxers->Inicia(p.szCarpetaFabricante, p.szCarpetaProducto);
}

bool IniciaComandosYTextos(const ParametrosInicio&)
{
    g_pGestorComandes = new (std::nothrow) CGestorComandes;
    return g_pGestorComandes && g_pGestorComandes->Inicia() && g_GestorFLIs.Inicia();
}

bool IniciaPreferenciasYVentana(const ParametrosInicio&)
{
    g_pPreferencias = new (std::nothrow) CPreferencias;
    if (!g_pPreferencias || !g_pPreferencias->Carga()) return false;
    g_bVentana = g_pPreferencias->PantallaCompleta() ? 0 : 1;
    return CreaVentana(kTituloVentana, kIconoVentana, &g_hVentana);
}

bool IniciaSonido(const ParametrosInicio&)
{
    g_pSistemaSonido = new (std::nothrow) CSistemaSonido;
    return g_pSistemaSonido && g_pSistemaSonido->Inicia(g_pPreferencias->m_fVolMusica, g_pPreferencias->m_fVolSonido);
}

bool IniciaBancoRanuras(const ParametrosInicio& p)
{
    g_pBancoRanuras = new (std::nothrow) CBancoRanuras;
    if (!g_pBancoRanuras) return false;
    if (!g_pBancoRanuras->Carga(p.szConfigMusica, p.szConfigSonido)) {
        // The failure names the file, not only the step.
        if (!g_pBancoRanuras->FicheroIlegible().empty())
            g_sDetalleFallo = g_pBancoRanuras->FicheroIlegible() + " cannot be read";
        return false;
    }
    // The sequence player takes its music slots from the same bank.
    CSecuencia::PonBancoRanuras(g_pBancoRanuras);
    return true;
}

bool IniciaGestorSonido(const ParametrosInicio&)
{
    g_pGestorSonido = new (std::nothrow) CGestorSonido;
    return g_pGestorSonido && g_pGestorSonido->Inicia(g_pBancoRanuras);
}

bool IniciaCacheEfectos(const ParametrosInicio&)
{
    // Its result does not stop start-up.
    g_pSistemaCacheEfectos = new (std::nothrow) CSistemaCacheEfectos;
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->Inicia();
    return true;
}

bool IniciaGraficos(const ParametrosInicio& p)
{
    g_pSistema2D = new (std::nothrow) CSistema2D;
    if (!g_pSistema2D || !g_pSistema2D->Inicia(g_bVentana != 0, p.bTexturas32)) return false;
    const char* apFonts[kNumFonts] = {};
    for (int i = 0; i < kNumFonts; ++i) apFonts[i] = p.aFonts ? p.aFonts[i] : "";
    return g_pSistema2D->CarregaFonts(apFonts);
}

bool IniciaTeclado(const ParametrosInicio&)
{
    g_pTeclado = new (std::nothrow) CTeclado;
    return g_pTeclado && g_pTeclado->Inicia();
}

bool IniciaRatones(const ParametrosInicio&)
{
    g_pRatones = new (std::nothrow) CGestorRatones;
    return g_pRatones && g_pRatones->Inicia();
}

bool IniciaMandos(const ParametrosInicio&)
{
    // A machine without controllers starts normally.
    g_pMandos = new (std::nothrow) CGestorMandos;
    if (g_pMandos) g_pMandos->Inicia();
    return true;
}

bool IniciaGestorSPMs(const ParametrosInicio&)
{
    g_pGestorSPMs = new (std::nothrow) CGestorSPMs;
    return g_pGestorSPMs && g_pGestorSPMs->Inicia();
}

bool IniciaAplicacion(const ParametrosInicio& p)
{
    g_pAplicacion = new (std::nothrow) CAplicacion;
    if (!g_pAplicacion || !g_pAplicacion->Inicia(p.szPaqueteCursores)) return false;
    // The pointer is needed from the first frame on.
    const CSPM* pCursores = p.szPaqueteCursores && g_pGestorSPMs ? g_pGestorSPMs->GetSPM(p.szPaqueteCursores) : nullptr;
    if (p.szPaqueteCursores && g_pGestorSPMs && !(pCursores && pCursores->EstaCargado())) {
        g_sDetalleFallo = std::string(p.szPaqueteCursores) + " cannot be read";
        return false;
    }
    return true;
}

const PasoInicio kPasos[] = {
    {"clock", IniciaReloj_, false, true},
    {"user file system", IniciaFicherosUsuario, false, false},
    {"data file system", IniciaFicherosDatos, true, true},
    {"command files and text tables", IniciaComandosYTextos, true, true},
    {"preferences and window", IniciaPreferenciasYVentana, true, true},
    {"sound system", IniciaSonido, true, true},
    {"sound and music slots", IniciaBancoRanuras, true, true},
    {"sound manager", IniciaGestorSonido, true, true},
    {"sprite effects cache", IniciaCacheEfectos, false, true},
    {"graphics system", IniciaGraficos, true, true},
    {"keyboard", IniciaTeclado, true, true},
    {"mice", IniciaRatones, true, true},
    {"game controllers", IniciaMandos, false, true},
    {"sprite package cache", IniciaGestorSPMs, true, true},
    {"application core", IniciaAplicacion, true, false},
};

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

// What the window tells the core.
void ProcedimientoVentana(plat::WindowMessage mensaje, void*)
{
    switch (mensaje) {
    case plat::WindowMessage::Close:
        // Never while a display-mode switch runs. Before the core exists the
        // request is kept: start-up stops at its next step.
        if (g_pAplicacion && !g_pAplicacion->CambioModoEnCurso())
            g_pAplicacion->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
        else if (!g_pAplicacion && g_hVentana)
            g_bCierrePendiente = true;
        break;
    case plat::WindowMessage::Activate:
    case plat::WindowMessage::Deactivate:
        if (g_pAplicacion) {
            bool bActiva = mensaje == plat::WindowMessage::Activate;
            g_pAplicacion->PideActivacion(bActiva);
            if (bActiva) VaciaTecladoSiExiste();
        }
        break;
    }
}

} // namespace

void VaciaTecladoSiExiste()
{
    if (g_pTeclado) g_pTeclado->VaciaBuffer();
}

bool IniciaSistemas(const char* szPaqueteCursores, const char* szConfigMusica, const char* szConfigSonido,
                    const char* szArchivo, const char* szIndiceArchivo, const char* szCarpetaFabricante,
                    const char* szCarpetaProducto, bool bTexturas32, const char (*aFonts)[kLongitudNombreFont])
{
    const ParametrosInicio p{szPaqueteCursores, szConfigMusica,      szConfigSonido,    szArchivo, szIndiceArchivo,
                             szCarpetaFabricante, szCarpetaProducto, bTexturas32,       aFonts};
    g_szPasoFallido = nullptr;
    g_sDetalleFallo.clear();
    g_bCierrePendiente = false;
    g_bCerradoEnInicio = false;
    int iPaso = 0;
    for (const PasoInicio& paso : kPasos) {
        ++iPaso;
        bool bBien = paso.pInicia(p) && iPaso != g_iPasoQueFalla;
        if (!bBien && paso.bNecesario) {
            g_szPasoFallido = paso.szNombre;
            LiberaSistemas();
            return false;
        }
        if (iPaso == g_iPasoCierre) plat::PushWindowEvent(plat::WindowMessage::Close);
        if (paso.bAtiendeMensajes || iPaso == g_iPasoCierre) AtiendeMensajes();
        // Closed meanwhile: what started is released, in order, and the
        // program ends as a close ends it.
        if (g_bCierrePendiente) {
            g_bCierrePendiente = false;
            LiberaSistemas();
            g_bCerradoEnInicio = true;
            return false;
        }
    }
    return true;
}

void LiberaSistemas()
{
    if (g_pAplicacion) Borra(g_pAplicacion);
    // Released without being saved.
    if (g_pPreferencias) Borra(g_pPreferencias);
    if (g_pGestorComandes) {
        g_pGestorComandes->TancaTots();
        Borra(g_pGestorComandes);
    }
    if (g_pRatones) Borra(g_pRatones);
    if (g_pMandos) Borra(g_pMandos);
    if (g_pTeclado) Borra(g_pTeclado);
    if (g_pGestorSPMs) Borra(g_pGestorSPMs);
    if (g_pSistema2D) Borra(g_pSistema2D);
    if (g_pSistemaCacheEfectos) Borra(g_pSistemaCacheEfectos);
    if (g_pGestorSonido) Borra(g_pGestorSonido);
    if (g_pBancoRanuras) {
        CSecuencia::PonBancoRanuras(nullptr);
        Borra(g_pBancoRanuras);
    }
    if (g_pSistemaSonido) {
        g_pSistemaSonido->Para();
        Borra(g_pSistemaSonido);
    }
    g_GestorFLIs.Libera();
    if (g_pSistemaFitxersUsuari) Borra(g_pSistemaFitxersUsuari);
    if (g_pSistemaFitxers) Borra(g_pSistemaFitxers);
    DestruyeVentana(g_hVentana);
    g_hVentana = nullptr;
    TerminaReloj();
}

const char* PasoInicioFallido() { return g_szPasoFallido; }

const char* DetalleInicioFallido() { return g_sDetalleFallo.c_str(); }

bool CerradoDuranteInicio() { return g_bCerradoEnInicio; }

void FuerzaFalloInicio(int iPaso) { g_iPasoQueFalla = iPaso; }

void FuerzaCierreInicio(int iPaso) { g_iPasoCierre = iPaso; }

bool CreaVentana(const char* szTitulo, int /*iIcono*/, void** phVentana)
{
    if (!plat::CreateMainWindow(szTitulo, g_bVentana == 0)) return false;
    plat::SetWindowMessageHandler(ProcedimientoVentana, nullptr);
    if (phVentana) *phVentana = plat::MainWindowHandle();
    GuardaAjustesSistema();
    return true;
}

void DestruyeVentana(void* hVentana)
{
    RestauraAjustesSistema();
    if (!hVentana || hVentana != plat::MainWindowHandle()) return;
    plat::SetWindowMessageHandler(nullptr, nullptr);
    plat::DestroyMainWindow();
}

void AtiendeMensajes() { plat::PumpMessages(); }

// The platform keeps the screen saver and power saving off while its window
// exists; these keep the saved mark.
void GuardaAjustesSistema() { g_bAjustesGuardados = true; }

void RestauraAjustesSistema()
{
    if (!g_bAjustesGuardados) return;
    g_bAjustesGuardados = false;
}

void DesactivaCerrar() { g_bCerrarActivo = false; }
void ActivaCerrar() { g_bCerrarActivo = true; }
bool CerrarActivo() { return g_bCerrarActivo; }

namespace {
void CopiaNombre(char* szDestino, const char* szOrigen)
{
    std::snprintf(szDestino, EstiloObjeto::kLongitudNombre, "%s", szOrigen);
}

void PonColor(uint8_t* a, uint8_t r, uint8_t g, uint8_t b)
{
    a[0] = r;
    a[1] = g;
    a[2] = b;
}
} // namespace

void CreaEstilosBase()
{
    if (!g_pAplicacion) return;
    EstiloObjeto e;
    e.Limpia();
    g_pAplicacion->CambiaEstilo(0, e);

    e.Limpia();
    CopiaNombre(e.m_szCapa1, motor::paquete::LINEAS);
    CopiaNombre(e.m_szCapa2, motor::paquete::LINEAS);
    e.m_iFlagsSinFoco = 0;
    e.m_iFlagsConFoco = 0x4010;
    e.m_iFlagsPulsado = 0x000C;
    e.m_iFlagsOculto = 0x2020;
    e.m_iFlagsMarcado = 0x1000;
    PonColor(e.m_aColorCapa1, 175, 175, 200);
    PonColor(e.m_aColorCapa2, 215, 215, 255);
    g_pAplicacion->CambiaEstilo(1, e);

    e.Limpia();
    CopiaNombre(e.m_szCapa1, motor::paquete::PANELES);
    e.m_iFlagsSinFoco = 0x4000;
    e.m_iFlagsConFoco = 0;
    e.m_iFlagsPulsado = 0x0C00;
    e.m_iFlagsOculto = 0x2020;
    e.m_iFlagsMarcado = 0;
    g_pAplicacion->CambiaEstilo(2, e);
}
