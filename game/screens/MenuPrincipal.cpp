#include "game/screens/MenuPrincipal.h"

#include "engine/core/GestorFLIs.h"
#include "engine/ui/MenuSecuenciable.h"
#include "engine/ui/QuadreGrafic.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

namespace {

namespace texto = juego::texto;
namespace paquete = juego::paquete;

// The icons fly out from the middle of the field.
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The logo and the six mode icons; their names are the modes' markers.
struct FilaIcono {
    const char* szPaquete;
    float x, y;
    float fRadio, fEscala;
    const char* szAyuda;
    int iFlags;
    int iId;
    const char* szNombre;
};
constexpr FilaIcono kLogo = {paquete::LOGO_ENORME, 512.0f, 412.0f, 256.0f, 1.0f, texto::MP01,
                             CBotonIconoTazmo::NUNCA_TOCADO, CMenuPrincipal::ID_LOGO,
                             "MENUPRINCIPAL_BUT_BotonGordo"};
constexpr FilaIcono kIconos[CMenuPrincipal::kNumIconos] = {
    {paquete::ICONO_HISTORIA, 150.0f, 250.0f, 128.0f, 0.85f, texto::MP02, 0, CMenuPrincipal::ID_HISTORIA,
     "MPrin_ModoHistoria"},
    {paquete::ICONO_RAPIDA, 874.0f, 250.0f, 128.0f, 0.85f, texto::MP07, 0, CMenuPrincipal::ID_CONCENTRAR,
     "MPrin_BotonRapida"},
    {paquete::ICONO_ARCADE, 130.0f, 412.0f, 128.0f, 0.85f, texto::MP09, 0, CMenuPrincipal::ID_ATAQUES,
     "MPrin_BotonAtaques"},
    {paquete::ICONO_SELLOS, 894.0f, 412.0f, 128.0f, 0.85f, texto::MP08, 0, CMenuPrincipal::ID_SOLO_SELLOS,
     "MPrin_BotonSoloSellos"},
    {paquete::ICONO_COFRE, 150.0f, 575.0f, 128.0f, 0.85f, texto::MP04, 0, CMenuPrincipal::ID_COFRE,
     "MPrin_BotonCofreTesoro"},
    {paquete::ICONO_CREDITOS, 874.0f, 575.0f, 128.0f, 0.85f, texto::MP25, 0, CMenuPrincipal::ID_CREDITOS,
     "MPrin_BotonCreditos"},
};

// The three text buttons along the bottom.
struct FilaBoton {
    float x, y;
    const char* szTexto;
    int iId;
    const char* szNombre;
};
constexpr FilaBoton kBotones[3] = {
    {200.0f, 740.0f, texto::MP06, CMenuPrincipal::ID_PERFIL, "MENUPRINCIPAL_BUT_Perfil"},
    {512.0f, 740.0f, texto::MP03, CMenuPrincipal::ID_OPCIONES, "MENUPRINCIPAL_BUT_Opciones"},
    {824.0f, 740.0f, texto::MP05, CMenuPrincipal::ID_SALIR, "MENUPRINCIPAL_BUT_Salir"},
};

// The title slides down into place.
constexpr float kTituloX = 512.0f, kTituloY = 130.0f, kTituloFueraY = -150.0f;
constexpr int kPasosTitulo = 15;

// The how-to-play book: arrows and back, its font and music.
constexpr int kFlagsComoSeJuega = SECUENCIABLE_NAVEGACION;
constexpr int kFuenteComoSeJuega = 0;
constexpr const char* kPaginas[CMenuPrincipal::kNumPaginas] = {
    juego::fichero::COMO_SE_JUEGA_1, juego::fichero::COMO_SE_JUEGA_2, juego::fichero::COMO_SE_JUEGA_3,
    juego::fichero::COMO_SE_JUEGA_4, juego::fichero::COMO_SE_JUEGA_5, juego::fichero::COMO_SE_JUEGA_6,
    juego::fichero::COMO_SE_JUEGA_7, juego::fichero::COMO_SE_JUEGA_8,
};

// The explanation: one button, which Escape presses too.
const BotonMensaje kBotonExplicacion[] = {{CodigoFLI(texto::ACEP), -1, true, false}};

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

CMenuPerfil* Perfil() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuPerfil : nullptr; }

} // namespace

CMenuPrincipal::Accion CMenuPrincipal::AccionDeBoton(int iId)
{
    switch (iId) {
    case ID_HISTORIA: return {MODO_HISTORIA, true};
    case ID_CONCENTRAR: return {MODO_CONCENTRAR, true};
    case ID_ATAQUES: return {MODO_ATAQUES, true};
    case ID_SOLO_SELLOS: return {MODO_SOLO_SELLOS, true};
    default: return {-1, false};
    }
}

CMenuPrincipal::~CMenuPrincipal()
{
    if (!m_bCreadoPrincipal) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuPrincipal::InicializaPropios()
{
    m_iEstado = ESTADO_REPOSO;
    m_pLogo = nullptr;
    for (CBotonIconoTazmo*& p : m_apIconos) p = nullptr;
    m_pPerfil = m_pOpciones = m_pSalir = nullptr;
    m_pMensaje = nullptr;
    m_pDificultad = nullptr;
    m_pComoSeJuega = nullptr;
    m_pTitulo = nullptr;
    m_bPrimeraActualizacion = false;
    m_iModo = MODO_HISTORIA;
}

void CMenuPrincipal::LiberaPropios()
{
    Borra(m_pLogo);
    for (CBotonIconoTazmo*& p : m_apIconos) Borra(p);
    Borra(m_pPerfil);
    Borra(m_pOpciones);
    Borra(m_pSalir);
    Borra(m_pMensaje);
    Borra(m_pDificultad);
    Borra(m_pComoSeJuega);
    Borra(m_pTitulo);
}

void CMenuPrincipal::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreadoPrincipal = false;
}

bool CMenuPrincipal::CreaWidgets()
{
    auto CreaIcono = [](const FilaIcono& f) {
        auto* p = new CBotonIconoTazmo;
        if (!p->Inicia(f.szPaquete, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY, f.x, f.y, false, f.fRadio,
                       f.fRadio, f.fEscala, CodigoFLI(f.szAyuda), f.iFlags, f.iId, f.szNombre)) {
            delete p;
            return static_cast<CBotonIconoTazmo*>(nullptr);
        }
        return p;
    };
    if (!(m_pLogo = CreaIcono(kLogo))) return false;
    for (int i = 0; i < kNumIconos; ++i)
        if (!(m_apIconos[i] = CreaIcono(kIconos[i]))) return false;
    CBotonTazmo** apBotones[3] = {&m_pPerfil, &m_pOpciones, &m_pSalir};
    for (int i = 0; i < 3; ++i) {
        const FilaBoton& f = kBotones[i];
        *apBotones[i] = new CBotonTazmo;
        if (!(*apBotones[i])->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto),
                                     CodigoFLI(texto::BLOQ), -1, -1, 0, f.iId, f.szNombre))
            return false;
    }
    // The explanation is built when it is shown.
    m_pMensaje = new CMsgBoxTazmo;
    m_pDificultad = new CMsgBoxDificultad;
    m_pDificultad->Inicia(ID_DIFICULTAD, "Box_Dificultad");

    m_pComoSeJuega = new CMenuSecuenciable;
    if (!m_pComoSeJuega->Crea(kFlagsComoSeJuega, kFuenteComoSeJuega, CodigoFLI(texto::COMO_SE_JUEGA_SIGUIENTE),
                              CodigoFLI(texto::COMO_SE_JUEGA_ANTERIOR), CodigoFLI(texto::COMO_SE_JUEGA_VOLVER),
                              juego::pieza::COMO_SE_JUEGA, nullptr, nullptr))
        return false;
    for (const char* szPagina : kPaginas) m_pComoSeJuega->AgregaPagina(szPagina);

    m_pTitulo = new CQuadreGrafic;
    return m_pTitulo->IniciaSPMMovil(false, kTituloX, kTituloFueraY, kTituloX, kTituloY, kPasosTitulo,
                                     paquete::TITULO_JUEGO, 0);
}

bool CMenuPrincipal::Crea()
{
    if (m_bCreadoPrincipal) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaPropios();
    // The menu shows no title bar: its title is the sliding picture.
    if (!CBaseMenu::Crea("MenuPrincipal", nullptr, nullptr, juego::musica::RAN_MENUS, paquete::ICONO_SELLOS, true,
                         false, false))
        return false;
    if (!CreaWidgets()) {
        LiberaPropios();
        LiberaSiIniciado();
        CBaseMenu::Libera();
        return false;
    }
    AnadeHijo(false, m_pTitulo, false, false);
    AnadeHijo(false, m_pLogo, false, false);
    for (CBotonIconoTazmo* p : m_apIconos) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pPerfil, false, false);
    AnadeHijo(false, m_pOpciones, false, false);
    AnadeHijo(false, m_pSalir, false, false);
    PonCancelar(m_pSalir);
    // Keys and the controller move round the icons and along the buttons.
    CMenuObj* const apColumnaIzq[] = {m_apIconos[0], m_apIconos[2], m_apIconos[4], m_pPerfil};
    CMenuObj* const apColumnaDer[] = {m_apIconos[1], m_apIconos[3], m_apIconos[5], m_pSalir};
    for (int i = 0; i < 4; ++i) {
        apColumnaIzq[i]->PonAbajo(apColumnaIzq[(i + 1) % 4]);
        apColumnaIzq[(i + 1) % 4]->PonArriba(apColumnaIzq[i]);
        apColumnaDer[i]->PonAbajo(apColumnaDer[(i + 1) % 4]);
        apColumnaDer[(i + 1) % 4]->PonArriba(apColumnaDer[i]);
        if (i < 3) {
            apColumnaIzq[i]->PonDerecha(apColumnaDer[i]);
            apColumnaDer[i]->PonIzquierda(apColumnaIzq[i]);
        }
    }
    m_pPerfil->PonDerecha(m_pOpciones);
    m_pOpciones->PonIzquierda(m_pPerfil);
    m_pOpciones->PonDerecha(m_pSalir);
    m_pSalir->PonIzquierda(m_pOpciones);
    m_pOpciones->PonArriba(m_apIconos[4]);
    m_pOpciones->PonAbajo(m_apIconos[0]);
    m_bPrimeraActualizacion = true;
    m_bCreadoPrincipal = true;
    return true;
}

void CMenuPrincipal::IniciaTransicion(bool bEntrada)
{
    if (bEntrada) {
        // Each visit saves the current profile quietly; the profile screen
        // leaves by itself when it is done.
        if (CMenuPerfil* p = Perfil(); p && p->EstaCreado() && p->Padre() != this) {
            p->CambiaModo(CMenuPerfil::MODO_GUARDA);
            AnadeHijo(true, p, false, false);
        }
    }
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuPrincipal::PonEnfocado(bool) {}

void CMenuPrincipal::MuestraExplicacion()
{
    RegistroPerfil* pPerfil = PerfilActualJuego();
    if (!pPerfil || pPerfil->EstaDesbloqueado(kMarcadorExplicacion)) return;
    if (CGestorDesbloqueos* g = GestorDesbloqueosJuego())
        g->Desbloquea(kMarcadorExplicacion, false);
    else
        pPerfil->MarcaDesbloqueado(kMarcadorExplicacion);
    if (PreparaExplicacion()) AnadeHijo(false, m_pMensaje, true, false);
}

bool CMenuPrincipal::PreparaExplicacion()
{
    if (!m_pMensaje) return false;
    if (m_pMensaje->Padre() == this) return true;
    return m_pMensaje->Inicia(true, nullptr, CodigoFLI(texto::MP30), 1, kBotonExplicacion, CMsgBoxTazmo::AJUSTA_TEXTO,
                              ID_MENSAJE, "MENUMODOHISTORIA_MsgBox3");
}

void CMenuPrincipal::EligeDificultad(int iDificultad)
{
    if (RegistroPerfil* p = PerfilActualJuego()) p->FijaDificultad(iDificultad);
    if (!g_pMenuMaestro) return;
    if (m_iModo == MODO_HISTORIA) {
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuModoHistoria);
        return;
    }
    if (CMenuParametrosModosExtra* p = g_pMenuMaestro->m_pMenuParametrosModosExtra) {
        p->Crea(m_iModo);
        g_pMenuMaestro->CambiaMenu(p);
    }
}

void CMenuPrincipal::Actualiza()
{
    if (m_bPrimeraActualizacion) {
        m_bPrimeraActualizacion = false;
        MuestraExplicacion();
    }
    CBaseMenu::Actualiza();
    switch (m_iEstado) {
    case ESTADO_REPOSO:
        if (m_pMensaje && m_pMensaje->m_iResultado != -1) {
            m_pMensaje->m_iResultado = -1;
            if (m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
        }
        break;
    case ESTADO_DIFICULTAD: {
        if (!m_pDificultad) break;
        const int iRespuesta = m_pDificultad->m_iResultado;
        m_pDificultad->m_iResultado = -1;
        if (iRespuesta == -1) break;
        if (m_pDificultad->Padre() == this) QuitaHijo(false, m_pDificultad);
        m_iEstado = ESTADO_REPOSO;
        if (EsDificultad(iRespuesta)) EligeDificultad(iRespuesta);
        break;
    }
    default: break;
    }
}

bool CMenuPrincipal::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    // The right button goes back wherever it is pressed, unless a box is
    // open (the box answers it).
    if (iEvento == BOTON_DERECHO_ABAJO && !EnTransicion() && !EntradaBloqueada() && m_pSalir && m_pSalir->Padre() == this &&
        !(HijoEnfocado() && HijoEnfocado()->EsModal())) {
        EnfocaHijo(m_pSalir);
        PulsaHijo(iRaton, m_pSalir);
        return true;
    }
    return CBaseMenu::TrataBotonRaton(iRaton, iEvento, x, y);
}

void CMenuPrincipal::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_RESPUESTA_MENSAJE && iIdEmisor == ID_MENSAJE) {
        if (m_pMensaje) {
            m_pMensaje->m_iResultado = -1;
            if (m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
        }
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    const Accion a = AccionDeBoton(iIdEmisor);
    if (a.bDificultad) {
        if (!m_pDificultad || !m_pDificultad->EstaCreado()) return;
        m_iModo = a.iModo;
        m_pDificultad->m_iResultado = -1;
        AnadeHijo(false, m_pDificultad, true, false);
        m_iEstado = ESTADO_DIFICULTAD;
        return;
    }
    if (!g_pMenuMaestro) return;
    switch (iIdEmisor) {
    case ID_COFRE:
        if (g_pMenuMaestro->m_pMenuCofreTesoro) g_pMenuMaestro->m_pMenuCofreTesoro->m_pMenuRetorno = this;
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
        m_iEstado = ESTADO_COFRE;
        return;
    case ID_CREDITOS:
        if (g_pMenuMaestro->m_pMenuCreditos) g_pMenuMaestro->m_pMenuCreditos->m_iModo = CMenuCreditos::MODO_DESDE_MENU;
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCreditos);
        return;
    case ID_PERFIL:
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
        m_iEstado = ESTADO_PERFIL;
        return;
    case ID_OPCIONES:
        if (CMenuOpcionesTazmo* o = g_pMenuMaestro->m_pMenuOpciones) {
            o->m_pMenuRetorno = this;
            o->m_bDesdeJuego = false;
        }
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuOpciones);
        m_iEstado = ESTADO_OPCIONES;
        return;
    case ID_SALIR:
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
        return;
    default: return;
    }
}
