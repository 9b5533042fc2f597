#include "game/screens/MenuOpcionesTazmo.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/MultiPreferencias.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/AltoContraste.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/ArrastrableTazmo.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The icons fly out from the middle of the field into their places; their
// hit areas are ellipses of 128 by 128 points times their scale.
constexpr float kIconoInicioX = 512.0f, kIconoInicioY = 384.0f;
constexpr float kRadioIcono = 128.0f;
constexpr int kFrameIcono = 0;

struct FilaIcono {
    const char* szSPM;
    float x, y; // end point, in the layout without the language button
    float fEscala;
    const char* szAyuda;
    int iFlags;
    int iId;
    const char* szNombre;
};
const FilaIcono kIconos[] = {
    {juego::paquete::ICONO_ARPA, 150.0f, 336.0f, 0.6f, juego::texto::MO10, CBotonIconoTazmo::PULSACION_CORTA,
     CMenuOpcionesTazmo::ID_MUSICA, "MENUOPCIONESTAZMO_BUT_Musica"},
    {juego::paquete::ICONO_TAMBOR, 150.0f, 496.0f, 0.6f, juego::texto::MO11, CBotonIconoTazmo::PULSACION_CORTA,
     CMenuOpcionesTazmo::ID_SONIDO, "MENUOPCIONESTAZMO_BUT_Sonido"},
    {juego::paquete::ICONO_OJO, 610.0f, 336.0f, 0.6f, juego::texto::MO15, CBotonIconoTazmo::PULSACION_CORTA,
     CMenuOpcionesTazmo::ID_DALTONISMO, "MENUOPCIONESTAZMO_BUT_Daltonismo"},
    {juego::paquete::ICONO_PANTALLA_COMPLETA, 650.0f, 496.0f, 1.0f, juego::texto::MO02,
     CBotonIconoTazmo::PULSACION_CORTA, CMenuOpcionesTazmo::ID_PANTALLA_COMPLETA,
     "MENUOPCIONESTAZMO_BUT_FullScreen"},
    {juego::paquete::ICONO_VENTANA, 850.0f, 496.0f, 1.0f, juego::texto::MO01, CBotonIconoTazmo::PULSACION_CORTA,
     CMenuOpcionesTazmo::ID_VENTANA, "MENUOPCIONESTAZMO_BUT_Ventana"},
    // Our icons are some 154 points across at 0.6: the language icon keeps
    // the rows' 160-point spacing under the sound icon rather than touch it.
    {juego::paquete::ICONO_IDIOMA, 150.0f, 656.0f, 0.6f, juego::texto::MO16, 0, CMenuOpcionesTazmo::ID_IDIOMA,
     "MENUOPCIONESTAZMO_BUT_Idioma"},
};

// The sliders: a knob of 64 by 128 (frame 1 of the volume package) whose
// corner runs along a line; the two tracks (frame 0) under them.
constexpr float kAnchoPomo = 64.0f, kAltoPomo = 128.0f;
constexpr int kFramePomo = 1, kFramePista = 0;
constexpr float kPomoMusicaY = 276.0f, kPomoSonidoY = 421.0f;
constexpr float kPistaX = 350.0f, kPistaMusicaY = 351.0f, kPistaSonidoY = 496.0f;

// Back, in the bottom bar as on every menu.
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;

// The ring of piece colours: one turn per 500 steps, flattened to 0.4.
constexpr float kGiroPorPaso = 0.012566368f;
constexpr float kAnilloX = 800.0f, kAnilloY = 346.0f, kRadioAnillo = 80.0f, kAchatado = 0.4f;
constexpr float kEntreColores = 0.785398f;
constexpr float kEscalaAnillo = 0.75f;
// The language flags' ring, under the language icon.
constexpr int kNumBanderas = 4;
constexpr float kBanderasX = 340.0f, kBanderasY = 671.0f, kRadioBanderas = 75.0f;
constexpr float kEntreBanderas = 1.570796f;

uint8_t Alfa(float p) { return static_cast<uint8_t>(std::clamp(p * 255.0f, 0.0f, 255.0f)); }

CMultiPreferencias* Almacen() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMultiPreferencias : nullptr; }

void GuardaVolumen(const char* szClave, float v)
{
    if (CMultiPreferencias* m = Almacen()) m->AsignaEntero(szClave, CMenuMaestro::VolumenParaAlmacen(v));
}

float VolumenFlujos() { return g_pSistemaSonido ? g_pSistemaSonido->GetVolumenFlujos() : 0.0f; }
float VolumenMuestras() { return g_pSistemaSonido ? g_pSistemaSonido->GetVolumenMuestras() : 0.0f; }

bool EnVentana() { return !g_pSistema2D || g_pSistema2D->EsVentana(); }

} // namespace

// ---------------------------------------------------------------------------
// Decisions

float CMenuOpcionesTazmo::SiguienteVolumen(float v)
{
    if (v > 0.9999f) return 0.0f;
    return std::min(v + 0.1f, 1.0f);
}

float CMenuOpcionesTazmo::XDeVolumen(float v)
{
    return kDeslizadorXMin + (kDeslizadorXMax - kDeslizadorXMin) * std::clamp(v, 0.0f, 1.0f);
}

float CMenuOpcionesTazmo::VolumenDeX(float x)
{
    return std::clamp((x - kDeslizadorXMin) / (kDeslizadorXMax - kDeslizadorXMin), 0.0f, 1.0f);
}

void CMenuOpcionesTazmo::PosicionColor(int i, int n, float p, float* px, float* py)
{
    const float a = static_cast<float>(n) * kGiroPorPaso + static_cast<float>(i) * kEntreColores;
    *px = kAnilloX + std::sin(a) * kRadioAnillo * p;
    *py = kAnilloY + std::cos(a) * kRadioAnillo * kAchatado * p;
}

bool CMenuOpcionesTazmo::PidePantalla(int iId, bool bVentana)
{
    return (iId == ID_PANTALLA_COMPLETA && bVentana) || (iId == ID_VENTANA && !bVentana);
}

bool CMenuOpcionesTazmo::AltoContraste()
{
    CMultiPreferencias* m = Almacen();
    return m && m->LeeEntero(kClaveAltoContraste) != 0;
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuOpcionesTazmo::~CMenuOpcionesTazmo()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuOpcionesTazmo::InicializaCampos()
{
    m_pBotonMusica = m_pBotonSonido = m_pBotonDaltonismo = nullptr;
    m_pBotonPantallaCompleta = m_pBotonVentana = m_pBotonIdioma = nullptr;
    m_pDeslizadorMusica = m_pDeslizadorSonido = nullptr;
    m_pBotonVolver = nullptr;
    m_pSPMVolumen = m_pSPMDiamantes = m_pSPMIdioma = nullptr;
    m_pMenuRetorno = nullptr;
    m_iSonidoPulsar = -1;
    m_iPasos = 0;
    m_bDesdeJuego = false;
    m_fDesplazamiento = 0.0f;
}

void CMenuOpcionesTazmo::LiberaPropios()
{
    for (CBotonIconoTazmo** pp : {&m_pBotonMusica, &m_pBotonSonido, &m_pBotonDaltonismo, &m_pBotonPantallaCompleta,
                                  &m_pBotonVentana, &m_pBotonIdioma})
        tazmo::Borra(*pp);
    tazmo::Borra(m_pDeslizadorMusica);
    tazmo::Borra(m_pDeslizadorSonido);
    tazmo::Borra(m_pBotonVolver);
    tazmo::BorraSPM(m_pSPMVolumen);
    tazmo::BorraSPM(m_pSPMDiamantes);
    tazmo::BorraSPM(m_pSPMIdioma);
}

void CMenuOpcionesTazmo::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuOpcionesTazmo::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuOpcionesTazmo", juego::paquete::TITULO_OPCIONES, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICONOS_OPCIONES, true, true, true))
        return false;
    m_fDesplazamiento = g_bSinBotonIdioma ? kDesplazamientoSinIdioma : 0.0f;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuOpcionesTazmo::Construye()
{
    CBotonIconoTazmo** apIconos[] = {&m_pBotonMusica,           &m_pBotonSonido,  &m_pBotonDaltonismo,
                                     &m_pBotonPantallaCompleta, &m_pBotonVentana, &m_pBotonIdioma};
    for (size_t i = 0; i < std::size(kIconos); ++i) {
        const FilaIcono& f = kIconos[i];
        auto* p = new (std::nothrow) CBotonIconoTazmo;
        *apIconos[i] = p;
        if (!p || !p->Inicia(f.szSPM, kFrameIcono, kSonidoFoco, kSonidoPulsar, kIconoInicioX, kIconoInicioY, f.x,
                             Y(f.y), false, kRadioIcono, kRadioIcono, f.fEscala, CodigoFLI(f.szAyuda), f.iFlags,
                             f.iId, f.szNombre))
            return false;
    }
    struct {
        CArrastrableTazmo** pp;
        float y;
        int iId;
        const char* szNombre;
    } const deslizadores[] = {
        {&m_pDeslizadorMusica, kPomoMusicaY, ID_DESLIZADOR_MUSICA, "MENUOPCIONESTAZMO_ARRASTRABLE_Musica"},
        {&m_pDeslizadorSonido, kPomoSonidoY, ID_DESLIZADOR_SONIDO, "MENUOPCIONESTAZMO_ARRASTRABLE_Sonido"},
    };
    for (const auto& d : deslizadores) {
        auto* p = new (std::nothrow) CArrastrableTazmo;
        *d.pp = p;
        if (!p || !p->Inicia(kDeslizadorXMin, Y(d.y), kDeslizadorXMax, Y(d.y), kAnchoPomo, kAltoPomo,
                             juego::paquete::VOLUMEN, kFramePomo, d.iId, d.szNombre))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MENUOPCIONESTAZMO_BUT_Volver"))
        return false;

    // A package that cannot be copied only leaves its pictures out.
    m_pSPMVolumen = tazmo::CopiaSPM(juego::paquete::VOLUMEN);
    m_pSPMDiamantes = tazmo::CopiaSPM(juego::paquete::DIAMANTES);
    m_pSPMIdioma = tazmo::CopiaSPM(juego::paquete::ICONO_IDIOMA);

    for (CBotonIconoTazmo* p : {m_pBotonMusica, m_pBotonSonido, m_pBotonDaltonismo, m_pBotonPantallaCompleta,
                                m_pBotonVentana})
        AnadeHijo(false, p, false, false);
    if (!g_bSinBotonIdioma) AnadeHijo(false, m_pBotonIdioma, false, false);
    AnadeHijo(false, m_pDeslizadorMusica, false, false);
    AnadeHijo(false, m_pDeslizadorSonido, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    m_iSonidoPulsar = tazmo::RanuraSonido(kSonidoPulsar);
    return true;
}

// ---------------------------------------------------------------------------
// Opening, resources, update

void CMenuOpcionesTazmo::ColocaDeslizadores()
{
    if (m_pDeslizadorMusica) m_pDeslizadorMusica->PonPosicion(XDeVolumen(VolumenFlujos()), m_pDeslizadorMusica->m_fY);
    if (m_pDeslizadorSonido)
        m_pDeslizadorSonido->PonPosicion(XDeVolumen(VolumenMuestras()), m_pDeslizadorSonido->m_fY);
}

void CMenuOpcionesTazmo::CargaRecursos()
{
    if (RecursosCargados()) return;
    ColocaDeslizadores();
    tazmo::MarcaSonido(m_iSonidoPulsar, true);
    for (CSPM* p : {m_pSPMVolumen, m_pSPMDiamantes, m_pSPMIdioma}) tazmo::MarcaSPM(p, true);
    CBaseMenu::CargaRecursos();
}

void CMenuOpcionesTazmo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSonido(m_iSonidoPulsar, false);
    for (CSPM* p : {m_pSPMVolumen, m_pSPMDiamantes, m_pSPMIdioma}) tazmo::MarcaSPM(p, false);
    CBaseMenu::DescargaRecursos();
}

void CMenuOpcionesTazmo::IniciaTransicion(bool bEntrada)
{
    // The volumes may have changed elsewhere since the last visit.
    if (bEntrada) ColocaDeslizadores();
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuOpcionesTazmo::Actualiza()
{
    ++m_iPasos;
    CBaseMenu::Actualiza();
}

// ---------------------------------------------------------------------------
// Events

void CMenuOpcionesTazmo::PulsaVolumen(bool bMusica)
{
    const float v = SiguienteVolumen(bMusica ? VolumenFlujos() : VolumenMuestras());
    CArrastrableTazmo* pPomo = bMusica ? m_pDeslizadorMusica : m_pDeslizadorSonido;
    if (pPomo) pPomo->PonPosicion(XDeVolumen(v), pPomo->m_fY);
    if (g_pSistemaSonido) {
        if (bMusica)
            g_pSistemaSonido->CambiaVolumenFlujos(v);
        else
            g_pSistemaSonido->CambiaVolumenMuestras(v);
    }
    // The store follows at once, as it does when a slider is let go.
    GuardaVolumen(bMusica ? CMenuMaestro::kClaveVolumenMusica : CMenuMaestro::kClaveVolumenSonido, v);
}

void CMenuOpcionesTazmo::CambiaAltoContraste()
{
    const bool bActivo = !AltoContraste();
    if (CMultiPreferencias* m = Almacen()) m->AsignaEntero(kClaveAltoContraste, bActivo ? 1 : 0);
    PonAltoContraste(bActivo);
}

void CMenuOpcionesTazmo::CambiaPantalla(int iId)
{
    if (!PidePantalla(iId, EnVentana())) return;
    if (g_pAplicacion) g_pAplicacion->AlternaPantallaCompleta();
    // The mode asked for; the switch itself happens in the main loop.
    if (CMultiPreferencias* m = Almacen()) m->AsignaEntero(kClavePantallaCompleta, ValorPantallaCompleta(iId));
}

void CMenuOpcionesTazmo::AbreIdiomas()
{
    CMenuIdiomas* pIdiomas = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuIdiomas : nullptr;
    if (!pIdiomas) return;
    pIdiomas->m_iModo = CMenuIdiomas::MODO_NORMAL;
    AnadeHijo(true, pIdiomas, true, false);
}

void CMenuOpcionesTazmo::Vuelve()
{
    if (m_bDesdeJuego) {
        Cierra(true);
        return;
    }
    if (!g_pMenuMaestro) return;
    g_pMenuMaestro->GuardaPreferencias();
    // Without an opener the main menu is the way back.
    CMenuObj* pDestino = m_pMenuRetorno ? m_pMenuRetorno : g_pMenuMaestro->m_pMenuPrincipal;
    g_pMenuMaestro->CambiaMenu(pDestino);
}

void CMenuOpcionesTazmo::GuardaVolumenes()
{
    GuardaVolumen(CMenuMaestro::kClaveVolumenMusica, VolumenFlujos());
    GuardaVolumen(CMenuMaestro::kClaveVolumenSonido, VolumenMuestras());
}

void CMenuOpcionesTazmo::Arrastra(int iId, const char*)
{
    CArrastrableTazmo* pPomo = iId == ID_DESLIZADOR_MUSICA ? m_pDeslizadorMusica
                               : iId == ID_DESLIZADOR_SONIDO ? m_pDeslizadorSonido
                                                              : nullptr;
    if (!pPomo || !g_pSistemaSonido) return;
    const float v = VolumenDeX(pPomo->PosicionX());
    if (iId == ID_DESLIZADOR_MUSICA)
        g_pSistemaSonido->CambiaVolumenFlujos(v);
    else
        g_pSistemaSonido->CambiaVolumenMuestras(v);
}

void CMenuOpcionesTazmo::EnviaEvento(int iTipo, int, const char* szTexto, int iIdEmisor)
{
    switch (iTipo) {
    case EVENTO_PULSADO:
        switch (iIdEmisor) {
        case ID_MUSICA: PulsaVolumen(true); break;
        case ID_SONIDO: PulsaVolumen(false); break;
        case ID_DALTONISMO: CambiaAltoContraste(); break;
        case ID_PANTALLA_COMPLETA:
        case ID_VENTANA: CambiaPantalla(iIdEmisor); break;
        case ID_IDIOMA: AbreIdiomas(); break;
        case ID_VOLVER: Vuelve(); break;
        default: break;
        }
        break;
    case EVENTO_ARRASTRANDO:
        Arrastra(iIdEmisor, szTexto);
        break;
    case EVENTO_ARRASTRE_INICIO:
        // Grabbing and letting go of the sound slider sound at its volume.
        if (iIdEmisor == ID_DESLIZADOR_SONIDO) tazmo::TocaSonido(m_iSonidoPulsar);
        break;
    case EVENTO_ARRASTRE_FIN:
        if (iIdEmisor == ID_DESLIZADOR_SONIDO) tazmo::TocaSonido(m_iSonidoPulsar);
        if (iIdEmisor == ID_DESLIZADOR_MUSICA || iIdEmisor == ID_DESLIZADOR_SONIDO) GuardaVolumenes();
        break;
    default:
        // Nothing else goes on up.
        break;
    }
}

// ---------------------------------------------------------------------------
// Drawing

void CMenuOpcionesTazmo::DibujaContenido(Sprite* pDestino)
{
    const float p = ProgresoApertura();
    // The knobs have no opening of their own: they fade with the screen.
    for (CArrastrableTazmo* pPomo : {m_pDeslizadorMusica, m_pDeslizadorSonido})
        if (pPomo && pPomo->m_pSPM) pPomo->m_pSPM->PonAlfa(Alfa(p));
    if (m_pSPMVolumen) {
        m_pSPMVolumen->PonAlfa(Alfa(p));
        m_pSPMVolumen->DibujaSpriteEnDestino(pDestino, kFramePista, kPistaX, Y(kPistaMusicaY));
        m_pSPMVolumen->DibujaSpriteEnDestino(pDestino, kFramePista, kPistaX, Y(kPistaSonidoY));
    }
    if (m_pSPMDiamantes) {
        const bool bAlto = AltoContraste();
        m_pSPMDiamantes->PonAlfa(Alfa(p));
        m_pSPMDiamantes->PonEscala(kEscalaAnillo * p, kEscalaAnillo * p);
        for (int i = 0; i < kNumColores; ++i) {
            float x, y;
            PosicionColor(i, m_iPasos, p, &x, &y);
            m_pSPMDiamantes->DibujaSpriteEnDestino(pDestino, SpriteColor(i, bAlto), x, Y(y));
        }
    }
    if (!g_bSinBotonIdioma && m_pSPMIdioma) {
        m_pSPMIdioma->PonAlfa(Alfa(p));
        m_pSPMIdioma->PonEscala(kEscalaAnillo * p, kEscalaAnillo * p);
        for (int j = 0; j < kNumBanderas; ++j) {
            const float a = static_cast<float>(m_iPasos) * kGiroPorPaso + static_cast<float>(j) * kEntreBanderas;
            m_pSPMIdioma->DibujaSpriteEnDestino(pDestino, j + 1, kBanderasX + std::sin(a) * kRadioBanderas * p,
                                                Y(kBanderasY + std::cos(a) * kRadioBanderas * kAchatado * p));
        }
    }
}
