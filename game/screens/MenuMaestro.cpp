#include "game/screens/MenuMaestro.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/MultiPreferencias.h"
#include "engine/core/NumerosC.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/ui/CuadroHint.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuAudio.h"
#include "game/screens/MenuAyuda.h"
#include "game/screens/MenuAyudaAnimado.h"
#include "game/screens/MenuControles.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/MenuSeleccionAvatar.h"
#include "game/screens/MenuVideo.h"
#include "game/screens/cofre/MenuBolsasDePiezas.h"
#include "game/screens/cofre/MenuCapitulos.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuGaleria.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/cofre/MenuSellos.h"
#include "game/screens/cofre/MenuTrofeos.h"
#include "game/screens/cofre/VisorPersonaje.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/CartelCargando.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace {

// The hint box: no font of its own, a dark red rim over a dark body.
const ColorARGB kBordeHint(255, 150, 12, 25);
const ColorARGB kFondoHint(200, 0, 0, 0);
constexpr int kFuenteHint = 0;

// What the manager does with a screen's Crea at creation.
enum class Creacion {
    REQUERIDA,       // a failure stops the creation
    IGNORADA,        // the result does not matter
    SOLO_CONSTRUIDA, // its users build it when they need it
};

struct FilaPantalla {
    const char* szMiembro;
    Creacion creacion;
    bool (*pNueva)(CMenuMaestro&);
    bool (*pCrea)(CMenuMaestro&);
    void (*pBorra)(CMenuMaestro&);
    CMenuObj* (*pLee)(CMenuMaestro&);
};

template <class M>
struct TipoMiembro;
template <class T>
struct TipoMiembro<T* CMenuMaestro::*> {
    using Tipo = T;
};

template <auto pMiembro>
FilaPantalla Fila(const char* szMiembro, Creacion creacion)
{
    using T = typename TipoMiembro<decltype(pMiembro)>::Tipo;
    return {szMiembro, creacion,
            [](CMenuMaestro& m) { return (m.*pMiembro = new (std::nothrow) T) != nullptr; },
            [](CMenuMaestro& m) {
                if constexpr (requires(T & t) { t.Crea(); })
                    return (m.*pMiembro)->Crea();
                else
                    return true;
            },
            [](CMenuMaestro& m) {
                delete (m.*pMiembro);
                m.*pMiembro = nullptr;
            },
            [](CMenuMaestro& m) -> CMenuObj* { return m.*pMiembro; }};
}

using M = CMenuMaestro;
// Every screen, in member order: made, built and deleted in this order.
const FilaPantalla kPantallas[CMenuMaestro::kNumPantallas] = {
    Fila<&M::m_pMenuOpciones>("m_pMenuOpciones", Creacion::REQUERIDA),
    Fila<&M::m_pMenuIdiomas>("m_pMenuIdiomas", Creacion::REQUERIDA),
    Fila<&M::m_pMenuAudio>("m_pMenuAudio", Creacion::REQUERIDA),
    Fila<&M::m_pMenuVideo>("m_pMenuVideo", Creacion::REQUERIDA),
    Fila<&M::m_pMenuControles>("m_pMenuControles", Creacion::REQUERIDA),
    Fila<&M::m_pMenuPrincipal>("m_pMenuPrincipal", Creacion::REQUERIDA),
    Fila<&M::m_pMenuJuego>("m_pMenuJuego", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuJuegoSoloSellos>("m_pMenuJuegoSoloSellos", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuJuegoSoloConcentrar>("m_pMenuJuegoSoloConcentrar", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuJuegoSoloAtaques>("m_pMenuJuegoSoloAtaques", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuPerfil>("m_pMenuPerfil", Creacion::REQUERIDA),
    Fila<&M::m_pMenuInGame>("m_pMenuInGame", Creacion::REQUERIDA),
    Fila<&M::m_pMenuCofreTesoro>("m_pMenuCofreTesoro", Creacion::REQUERIDA),
    Fila<&M::m_pMenuJapSecuencia>("m_pMenuJapSecuencia", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuSeleccionAvatar>("m_pMenuSeleccionAvatar", Creacion::REQUERIDA),
    Fila<&M::m_pMenuModoHistoria>("m_pMenuModoHistoria", Creacion::REQUERIDA),
    Fila<&M::m_pMenuAyuda>("m_pMenuAyuda", Creacion::REQUERIDA),
    Fila<&M::m_pMenuAyudaAnimado>("m_pMenuAyudaAnimado", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuPresentacionCapitulo>("m_pMenuPresentacionCapitulo", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuBolsasDePiezas>("m_pMenuBolsasDePiezas", Creacion::REQUERIDA),
    Fila<&M::m_pMenuPersonajes>("m_pMenuPersonajes", Creacion::REQUERIDA),
    Fila<&M::m_pVisorPersonaje>("m_pVisorPersonaje", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuGaleria>("m_pMenuGaleria", Creacion::IGNORADA),
    Fila<&M::m_pMenuSellos>("m_pMenuSellos", Creacion::IGNORADA),
    Fila<&M::m_pMenuTrofeos>("m_pMenuTrofeos", Creacion::IGNORADA),
    Fila<&M::m_pMenuCapitulos>("m_pMenuCapitulos", Creacion::IGNORADA),
    Fila<&M::m_pMenuPresentacion>("m_pMenuPresentacion", Creacion::IGNORADA),
    Fila<&M::m_pMenuParametrosModosExtra>("m_pMenuParametrosModosExtra", Creacion::SOLO_CONSTRUIDA),
    Fila<&M::m_pMenuCreditos>("m_pMenuCreditos", Creacion::REQUERIDA),
};

const char* g_szPantallaQueFalla = nullptr;

bool EmpiezaConNumero(const char* sz)
{
    if (!sz) return false;
    while (*sz == ' ' || *sz == '\t') ++sz;
    if (*sz == '+' || *sz == '-') ++sz;
    return std::isdigit(static_cast<unsigned char>(*sz)) != 0;
}

} // namespace

CMenuMaestro::CMenuMaestro() { InicializaCampos(); }

CMenuMaestro::~CMenuMaestro()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuMaestro::FuerzaFalloPantalla(const char* szMiembro) { g_szPantallaQueFalla = szMiembro; }

namespace {
std::string g_sMotivoFallo;
} // namespace

const std::string& CMenuMaestro::MotivoFallo() { return g_sMotivoFallo; }

CMenuObj* CMenuMaestro::Pantalla(int i)
{
    return i >= 0 && i < kNumPantallas ? kPantallas[i].pLee(*this) : nullptr;
}

const char* CMenuMaestro::MiembroPantalla(int i) { return i >= 0 && i < kNumPantallas ? kPantallas[i].szMiembro : ""; }

void CMenuMaestro::InicializaCampos()
{
    m_bPrimerMenuElegido = 0;
    m_pMenuOpciones = nullptr;
    m_pMenuIdiomas = nullptr;
    m_pMenuAudio = nullptr;
    m_pMenuVideo = nullptr;
    m_pMenuControles = nullptr;
    m_pMenuPrincipal = nullptr;
    m_pMenuJuego = nullptr;
    m_pMenuJuegoSoloSellos = nullptr;
    m_pMenuJuegoSoloConcentrar = nullptr;
    m_pMenuJuegoSoloAtaques = nullptr;
    m_pMenuPerfil = nullptr;
    m_pMenuInGame = nullptr;
    m_pMenuCofreTesoro = nullptr;
    m_pMenuJapSecuencia = nullptr;
    m_pMenuSeleccionAvatar = nullptr;
    m_pMenuModoHistoria = nullptr;
    m_pMenuAyuda = nullptr;
    m_pMenuAyudaAnimado = nullptr;
    m_pMenuPresentacionCapitulo = nullptr;
    m_pMenuBolsasDePiezas = nullptr;
    m_pMenuPersonajes = nullptr;
    m_pVisorPersonaje = nullptr;
    m_pMenuGaleria = nullptr;
    m_pMenuSellos = nullptr;
    m_pMenuTrofeos = nullptr;
    m_pMenuCapitulos = nullptr;
    m_pMenuPresentacion = nullptr;
    m_pMenuParametrosModosExtra = nullptr;
    m_pMenuCreditos = nullptr;
    m_pCartelCargando = nullptr;
    m_pCuadroHint = nullptr;
    m_pGestorDesbloqueos = nullptr;
    m_pSPMEfectos = nullptr;
    m_iEstadoTransicion = TRANSICION_NINGUNA;
    m_pMenuSiguiente = nullptr;
    m_pMenuActual = nullptr;
    m_pMultiPreferencias = nullptr;
    ReiniciaTablaNiveles();
}

// ---------------------------------------------------------------------------
// Creation and release

bool CMenuMaestro::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
        m_bCreado = false;
    }
    InicializaCampos();
    g_sMotivoFallo.clear();
    bool bOk = CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1);
    bOk = bOk && CreaPreferencias();
    bOk = bOk && CreaCartelYHint();
    if (bOk) {
        m_pGestorDesbloqueos = new (std::nothrow) CGestorDesbloqueos;
        bOk = m_pGestorDesbloqueos && m_pGestorDesbloqueos->Inicia();
        if (bOk) RegistraGestorDesbloqueos(m_pGestorDesbloqueos);
    }
    bOk = bOk && CreaPantallas();
    if (bOk) {
        m_pSPMEfectos = tazmo::CopiaSPM(juego::paquete::EFECTOS);
        bOk = m_pSPMEfectos != nullptr;
    }
    if (bOk && !CargaNiveles()) {
        bOk = false;
        g_sMotivoFallo = m_TablaNiveles.FicheroQueFalta() + " cannot be read";
    }
    // The first screen fades in from black whatever happened.
    if (g_pAplicacion) g_pAplicacion->CambiaFundido(1.0f, 0, 0, 0);
    if (!bOk) {
        Libera();
        LiberaSiIniciado();
        return false;
    }
    m_pSPMEfectos->MarcaEnUso();
    CMenuObj::CargaRecursos();
    m_bCreado = true;
    return true;
}

bool CMenuMaestro::CreaPreferencias()
{
    static const ParDefecto kDefectos[] = {{kClaveVolumenSonido, "50"}, {kClaveVolumenMusica, "25"}};
    m_pMultiPreferencias = new (std::nothrow) CMultiPreferencias;
    if (!m_pMultiPreferencias || !m_pMultiPreferencias->Inicia(2, kDefectos)) return false;
    // The first run writes the file at once, with the version.
    if (!m_pMultiPreferencias->Carga(RutaPreferencias().c_str())) {
        m_pMultiPreferencias->AsignaTexto(kClaveVersion, kVersion);
        GuardaPreferencias();
    }
    return true;
}

bool CMenuMaestro::CreaCartelYHint()
{
    m_pCartelCargando = new (std::nothrow) CCartelCargando;
    if (m_pCartelCargando && m_pCartelCargando->Inicia()) {
        m_pCartelCargando->CargaRecursos();
        if (g_pAplicacion) {
            g_pAplicacion->AsignaCartelCargando(m_pCartelCargando);
            g_pAplicacion->AsignaUmbralCarga(kUmbralCarga);
        }
    }
    m_pCuadroHint = new (std::nothrow) CCuadroHint;
    if (!m_pCuadroHint || !m_pCuadroHint->Inicia(kFuenteHint, &kBordeHint, &kFondoHint)) return false;
    m_pCuadroHint->CargaRecursos();
    if (g_pSistema2D && g_pSistema2D->EstaIniciat()) g_pSistema2D->CarregaBitmapsEnUs();
    if (g_pSistemaSonido && g_pSistemaSonido->EstaIniciado()) {
        g_pSistemaSonido->DescargaMuestrasSinUso();
        g_pSistemaSonido->RecargaMuestrasEnUso();
    }
    if (g_pAplicacion) g_pAplicacion->AsignaCuadroHint(m_pCuadroHint);
    return true;
}

bool CMenuMaestro::CreaPantallas()
{
    for (const FilaPantalla& f : kPantallas) {
        // A screen that cannot even be made would leave a hole others
        // reach through: any failed allocation stops.
        if (!f.pNueva(*this)) return false;
        if (f.creacion == Creacion::SOLO_CONSTRUIDA) continue;
        bool bCreada = f.pCrea(*this);
        if (g_szPantallaQueFalla && std::strcmp(g_szPantallaQueFalla, f.szMiembro) == 0) bCreada = false;
        if (!bCreada && f.creacion == Creacion::REQUERIDA) {
            g_sMotivoFallo = std::string(f.szMiembro) + " could not be made";
            return false;
        }
    }
    return true;
}

void CMenuMaestro::LiberaPantallas()
{
    for (const FilaPantalla& f : kPantallas) f.pBorra(*this);
    m_pMenuActual = m_pMenuSiguiente = nullptr;
}

void CMenuMaestro::Libera()
{
    if (m_pMultiPreferencias) GuardaPreferencias();
    LiberaPantallas();
    if (g_pAplicacion) {
        if (g_pAplicacion->CartelCargando() == m_pCartelCargando) g_pAplicacion->AsignaCartelCargando(nullptr);
        g_pAplicacion->AsignaUmbralCarga(0.0f);
        if (g_pAplicacion->CuadroHint() == m_pCuadroHint) g_pAplicacion->AsignaCuadroHint(nullptr);
    }
    delete m_pCartelCargando;
    m_pCartelCargando = nullptr;
    delete m_pCuadroHint;
    m_pCuadroHint = nullptr;
    if (m_pGestorDesbloqueos) m_pGestorDesbloqueos->Libera();
    delete m_pGestorDesbloqueos;
    m_pGestorDesbloqueos = nullptr;
    // Effects still running hold sprites of the effects package.
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->LimpiaTodo();
    tazmo::BorraSPM(m_pSPMEfectos);
    delete m_pMultiPreferencias;
    m_pMultiPreferencias = nullptr;
    m_iEstadoTransicion = TRANSICION_NINGUNA;
    m_bCreado = false;
}

// ---------------------------------------------------------------------------
// The store

std::string CMenuMaestro::RutaPreferencias()
{
    CSistemaFitxers* sf = g_pSistemaFitxersUsuari ? g_pSistemaFitxersUsuari : g_pSistemaFitxers;
    if (!sf) return std::string();
    const char* szCarpeta = sf->CarpetaUsuari();
    if (!szCarpeta || !szCarpeta[0]) return std::string();
    return std::string(szCarpeta) + "\\" + juego::fichero::MULTI_PREFS;
}

bool CMenuMaestro::GuardaPreferencias()
{
    const std::string ruta = RutaPreferencias();
    return m_pMultiPreferencias && !ruta.empty() && m_pMultiPreferencias->Guarda(ruta.c_str());
}

float CMenuMaestro::VolumenDeAlmacen(const char* szValor, int iDefecto)
{
    int v = EmpiezaConNumero(szValor) ? EnteroDeTexto(szValor) : iDefecto;
    if (v < 0) v = 0;
    if (v > 100) v = 100;
    return static_cast<float>(v) / 100.0f;
}

int CMenuMaestro::VolumenParaAlmacen(float fVolumen)
{
    if (!(fVolumen > 0.0f)) return 0;
    if (fVolumen >= 1.0f) return 100;
    return static_cast<int>(std::lround(fVolumen * 100.0f));
}

float CMenuMaestro::VolumenMusica()
{
    const char* sz = m_pMultiPreferencias ? m_pMultiPreferencias->LeeTexto(kClaveVolumenMusica) : nullptr;
    return VolumenDeAlmacen(sz, kVolumenMusicaDefecto);
}

float CMenuMaestro::VolumenSonido()
{
    const char* sz = m_pMultiPreferencias ? m_pMultiPreferencias->LeeTexto(kClaveVolumenSonido) : nullptr;
    return VolumenDeAlmacen(sz, kVolumenSonidoDefecto);
}

// ---------------------------------------------------------------------------
// The level table

void CMenuMaestro::ReiniciaTablaNiveles()
{
    m_TablaNiveles.Reinicia();
    m_NivelActual.Inicializa();
}

bool CMenuMaestro::CargaNiveles()
{
    return g_pGestorComandes && m_TablaNiveles.CargaNiveles(*g_pGestorComandes);
}

void CMenuMaestro::EligeNivel(int iGrupo, int iParte, int iDificultad)
{
    m_TablaNiveles.EligeNivel(iGrupo, iParte, iDificultad, m_NivelActual);
}

// ---------------------------------------------------------------------------
// Screen changes

// Screen changes asked for since start-up: the scenario tests count them.
int g_iCambiosMenu = 0;

void CMenuMaestro::CambiaMenu(CMenuObj* pMenu)
{
    // A screen that could not be made is no screen: the current one stays.
    if (!pMenu) return;
    ++g_iCambiosMenu;
    m_pMenuSiguiente = pMenu;
    if (m_pMenuActual) {
        QuitaHijo(false, m_pMenuActual);
        m_iEstadoTransicion = TRANSICION_SALIENDO;
        if (g_pAplicacion) g_pAplicacion->FundidoSalida(kPasosFundido, 0, 0, 0);
        return;
    }
    AnadeHijo(true, pMenu, true, false);
    m_pMenuActual = pMenu;
    if (g_pAplicacion) g_pAplicacion->FundidoEntrada(kPasosFundido, 0, 0, 0);
    m_iEstadoTransicion = TRANSICION_ENTRANDO;
}

CMenuMaestro::PasoTransicion CMenuMaestro::SiguientePaso(int iEstado, bool bFundidoParado, bool bActualCerrando)
{
    switch (iEstado) {
    case TRANSICION_ENTRANDO:
        return {bFundidoParado ? TRANSICION_NINGUNA : TRANSICION_ENTRANDO, false};
    case TRANSICION_SALIENDO:
        if (bFundidoParado && !bActualCerrando) return {TRANSICION_ENTRANDO, true};
        return {TRANSICION_SALIENDO, false};
    default:
        return {TRANSICION_NINGUNA, false};
    }
}

void CMenuMaestro::EjecutaTransicion()
{
    const bool bFundidoParado = !g_pAplicacion || g_pAplicacion->VelocidadFundido() == 0.0f;
    const bool bCerrando = m_pMenuActual && m_pMenuActual->EnTransicion();
    const PasoTransicion paso = SiguientePaso(m_iEstadoTransicion, bFundidoParado, bCerrando);
    m_iEstadoTransicion = paso.iEstado;
    if (!paso.bAdjunta) return;
    AnadeHijo(true, m_pMenuSiguiente, true, false);
    // Sparkles of the old screen never show on the new one.
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->LimpiaTodo();
    m_pMenuActual = m_pMenuSiguiente;
    if (g_pAplicacion) g_pAplicacion->FundidoEntrada(kPasosFundido, 0, 0, 0);
}

CMenuObj* CMenuMaestro::PerfilParaElegir()
{
    if (m_pMenuPerfil) m_pMenuPerfil->CambiaModo(CMenuPerfil::MODO_ELECCION);
    return m_pMenuPerfil;
}

void CMenuMaestro::EligePrimerMenu()
{
    if (g_pPreferencias && g_pPreferencias->m_iIdioma == -1 && m_pMenuIdiomas) {
        m_pMenuIdiomas->m_iModo = CMenuIdiomas::MODO_PRIMERA_VEZ;
        CambiaMenu(m_pMenuIdiomas);
        return;
    }
    PerfilParaElegir();
    CambiaMenu(m_pMenuPresentacion);
}

void CMenuMaestro::Actualiza()
{
    if (!m_bPrimerMenuElegido && m_bCreado) {
        EligePrimerMenu();
        m_bPrimerMenuElegido = 1;
    }
    CMenuObj::Actualiza();
    EjecutaTransicion();
    // Every timer of the game counts these steps.
    AvanzaFrame();
}

void CMenuMaestro::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (g_pSistema2D && g_pSistema2D->EstaIniciat())
        g_pSistema2D->DibuixaQuadre(pDestino, 0.0f, 0.0f, 1024.0f, 768.0f, 0xFF000000u, true);
    CMenuObj::Dibuja(nullptr, pDestino);
}
