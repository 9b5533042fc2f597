#include "game/screens/MenuPerfil.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/QuadreGrafic.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "platform/Paths.h"
#include "platform/Files.h"

#include <cstdio>
#include <string>

namespace {

namespace texto = juego::texto;

// The four slots' centres, left to right and top to bottom.
constexpr float kRanuraX[NUM_PERFILES] = {255.0f, 768.0f, 255.0f, 768.0f};
constexpr float kRanuraY[NUM_PERFILES] = {325.0f, 325.0f, 515.0f, 515.0f};
// A slot's buttons around its centre: the name above, and below it either
// the new button or the reset and delete pair, one narrow button each side
// of the centre with a little room between them.
constexpr float kNombreDY = -30.0f;
constexpr float kBotonesDY = 50.0f;
constexpr float kLadoDX = 85.0f;
// The frame (512 x 256) rests with its centre on the slot's and slides in
// from the side it is on.
constexpr float kMarcoMitadAncho = 256.0f, kMarcoMitadAlto = 128.0f;
constexpr float kMarcoFueraBase = 768.0f;
// The two buttons of the bottom bar.
constexpr float kPresentacionX = 341.0f, kSalirX = 682.0f, kBarraY = 740.0f;

constexpr int kFlagsNombre = CBotonTazmo::SIN_MARCO;
// Reset and delete are captioned with words in every language: a narrow
// framed button holds the longest of them.
constexpr int kFlagsPequeno = CBotonTazmo::ESTRECHO;

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

constexpr int kCajaTexto = CMsgBoxTazmo::AJUSTA_TEXTO;
constexpr int kCajaNombre = CMsgBoxTazmo::AJUSTA_TEXTO | CMsgBoxTazmo::CON_ENTRADA;
// Deleting and resetting a profile cannot be undone: Return cancels.
constexpr int kCajaDestructiva = CMsgBoxTazmo::AJUSTA_TEXTO | CMsgBoxTazmo::CANCELAR_POR_DEFECTO;

int Codigo(const char* sz) { return sz ? CodigoFLI(sz) : -1; }

// Every box of the dialogue, by type.
const CMenuPerfil::FilaMensaje kMensajes[] = {
    {4, "MENUPERFIL_MsgBox3", texto::PE10, 2, {texto::ACEP, texto::CANC}, false, kCajaNombre},
    {5, "MENUPERFIL_MsgBox8", texto::PE11, 1, {texto::ACEP}, false, kCajaTexto},
    {6, "MENUPERFIL_MsgBox4", texto::PE21, 1, {texto::ACEP}, false, kCajaTexto},
    {7, "MENUPERFIL_MsgBox7", texto::PE22, 3, {texto::RETR, texto::CANC, texto::AYUD}, true, kCajaTexto},
    {8, "MENUPERFIL_MsgBox5", texto::PE24, 1, {texto::ACEP}, true, kCajaTexto},
    {9, "MENUPERFIL_MsgBox6", texto::PE23, 1, {texto::ACEP}, true, kCajaTexto},
    {10, "MENUPERFIL_MsgBox9", texto::PE20, 0, {}, false, kCajaTexto},
    {11, "MENUPERFIL_MsgBox10", texto::PE21, 1, {texto::ACEP}, false, kCajaTexto},
    {12, "MENUPERFIL_MsgBox11", texto::PE22, 3, {texto::RETR, texto::CANC, texto::AYUD}, true, kCajaTexto},
    {13, "MENUPERFIL_MsgBox12", texto::PE24, 1, {texto::ACEP}, false, kCajaTexto},
    {14, "MENUPERFIL_MsgBox13", texto::PE23, 1, {texto::ACEP}, false, kCajaTexto},
    {17, "MENUPERFIL_MsgBox14", texto::PE22, 2, {texto::RETR, texto::CANC}, true, kCajaTexto},
    {20, "MENUPERFIL_MsgBox15", texto::PE35, 2, {texto::ACEP, texto::CANC}, true, kCajaDestructiva},
    {21, "MENUPERFIL_MsgBox16", texto::PE36, 2, {texto::ACEP, texto::CANC}, true, kCajaDestructiva},
    {23, "MENUPERFIL_MsgBox18", texto::PE38, 1, {texto::ACEP}, true, kCajaTexto},
    {24, "MENUPERFIL_MsgBox19", texto::PE39, 1, {texto::ACEP}, true, kCajaTexto},
    {25, "MENUPERFIL_MsgBox20", texto::PE40, 1, {texto::ACEP}, true, kCajaTexto},
    {26, "MENUPERFIL_MsgBox21", texto::PE41, 1, {texto::ACEP}, true, kCajaTexto},
};

// A slot's four buttons.
struct FilaBotonRanura {
    const char* szNombre; // formatted with the slot
    float dx, dy;
    const char* szTexto;
    const char* szBloqueado;
    const char* szAyuda;
    int iFlags;
    int iIdBase;
};
const FilaBotonRanura kBotonesRanura[] = {
    {"MENUPERFIL_BUT_Nombre%d", 0.0f, kNombreDY, nullptr, texto::BLOQ, nullptr, kFlagsNombre, CMenuPerfil::ID_NOMBRE},
    {"MENUPERFIL_BUT_Reset%d", -kLadoDX, kBotonesDY, nullptr, nullptr, texto::PE90, kFlagsPequeno,
     CMenuPerfil::ID_REINICIAR},
    {"MENUPERFIL_BUT_Borrar%d", kLadoDX, kBotonesDY, nullptr, nullptr, texto::PE91, kFlagsPequeno,
     CMenuPerfil::ID_BORRAR},
    {"MENUPERFIL_BUT_Nuevo%d", 0.0f, kBotonesDY, texto::PE12, texto::BLOQ, nullptr, 0, CMenuPerfil::ID_NUEVO},
};

// The two buttons of the bottom bar.
struct FilaBoton {
    const char* szNombre;
    float x, y;
    const char* szTexto;
    int iId;
};
const FilaBoton kBotonesBarra[] = {
    {"MENUPERFIL_BUT_Presentacion", kPresentacionX, kBarraY, texto::PE80, CMenuPerfil::ID_PRESENTACION},
    {"MENUPERFIL_BUT_Salir", kSalirX, kBarraY, texto::SALR, CMenuPerfil::ID_SALIR},
};

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

bool EnRango(int iId, int iBase) { return iId >= iBase && iId < iBase + NUM_PERFILES; }

} // namespace

const CMenuPerfil::FilaMensaje* CMenuPerfil::FilaDeTipo(int iTipo)
{
    for (const FilaMensaje& f : kMensajes)
        if (f.iTipo == iTipo) return &f;
    return nullptr;
}

bool CMenuPerfil::TieneCaja(int iTipo, int iModo)
{
    // The quiet save says nothing while it saves.
    if (iTipo == 10 && iModo == MODO_GUARDA) return false;
    return FilaDeTipo(iTipo) != nullptr;
}

CMenuPerfil::~CMenuPerfil()
{
    if (!m_bIniciadoPerfil) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuPerfil::InicializaPropios()
{
    m_iEstado = 0;
    m_iModo = MODO_INACTIVO;
    for (int i = 0; i < NUM_PERFILES; ++i) {
        m_apMarcos[i] = nullptr;
        m_apNombre[i] = m_apReiniciar[i] = m_apBorrar[i] = m_apNuevo[i] = nullptr;
    }
    m_pBotonPresentacion = m_pBotonSalir = nullptr;
    m_pMensaje = m_pMensajeSiguiente = nullptr;
    m_iAccion = ACCION_NINGUNA;
    m_bSinGuardar = 0;
    m_bSiguienteListo = 0;
    m_bAnteriorQuitado = 1;
    m_bDialogoTerminado = 0;
    m_iDeslizamiento = 0;
    m_iPerfilActual = 0;
    m_sNombre.clear();
}

void CMenuPerfil::LiberaPropios()
{
    for (int i = 0; i < NUM_PERFILES; ++i) {
        Borra(m_apMarcos[i]);
        Borra(m_apNombre[i]);
        Borra(m_apReiniciar[i]);
        Borra(m_apBorrar[i]);
        Borra(m_apNuevo[i]);
    }
    Borra(m_pBotonPresentacion);
    Borra(m_pBotonSalir);
    Borra(m_pMensaje);
    Borra(m_pMensajeSiguiente);
}

void CMenuPerfil::GuardaAlSalir()
{
    RegistroPerfil* p = PerfilActual();
    if (p && p->m_bModificado && p->m_szNombre[0] && p->Guarda()) m_bSinGuardar = 0;
}

void CMenuPerfil::Libera()
{
    if (m_bIniciadoPerfil) GuardaAlSalir();
    LiberaPropios();
    if (PerfilesJuego() == this) RegistraPerfilesJuego(nullptr);
    CBaseMenu::Libera();
    m_bIniciadoPerfil = false;
}

bool CMenuPerfil::CreaRanuras()
{
    CBotonTazmo** aapBotones[] = {m_apNombre, m_apReiniciar, m_apBorrar, m_apNuevo};
    for (int i = 0; i < NUM_PERFILES; ++i) {
        const float x = kRanuraX[i], y = kRanuraY[i];
        m_apMarcos[i] = new CQuadreGrafic;
        if (!m_apMarcos[i]->IniciaImagenMovil(false, 2.0f * x - kMarcoFueraBase, y - kMarcoMitadAlto,
                                              x - kMarcoMitadAncho, y - kMarcoMitadAlto, kPasosDeslizamiento,
                                              juego::imagen::MARCO_PERFIL, false))
            return false;
        for (size_t k = 0; k < std::size(kBotonesRanura); ++k) {
            const FilaBotonRanura& f = kBotonesRanura[k];
            char szNombre[64];
            std::snprintf(szNombre, sizeof szNombre, f.szNombre, i);
            CBotonTazmo*& p = aapBotones[k][i];
            p = new CBotonTazmo;
            if (!p->Inicia(kSonidoFoco, kSonidoPulsar, x + f.dx, y + f.dy, Codigo(f.szTexto), Codigo(f.szBloqueado),
                           -1, Codigo(f.szAyuda), f.iFlags, f.iIdBase + i, szNombre))
                return false;
        }
    }
    CBotonTazmo** apBarra[] = {&m_pBotonPresentacion, &m_pBotonSalir};
    for (size_t k = 0; k < std::size(kBotonesBarra); ++k) {
        const FilaBoton& f = kBotonesBarra[k];
        *apBarra[k] = new CBotonTazmo;
        if (!(*apBarra[k])->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto), CodigoFLI(texto::BLOQ),
                                   -1, -1, 0, f.iId, f.szNombre))
            return false;
    }
    m_pMensaje = new CMsgBoxTazmo;
    m_pMensajeSiguiente = new CMsgBoxTazmo;
    return true;
}

bool CMenuPerfil::Crea()
{
    if (m_bIniciadoPerfil) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaPropios();
    if (!CBaseMenu::Crea("MenuPerfil", juego::paquete::TITULO_MENU_PERFIL, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICONOS_PERFILES, true, true, true))
        return false;
    if (!CreaRanuras()) {
        LiberaPropios();
        LiberaSiIniciado();
        CBaseMenu::Libera();
        return false;
    }
    AnadeHijo(false, m_pBotonPresentacion, false, false);
    AnadeHijo(false, m_pBotonSalir, false, false);
    m_pBotonPresentacion->PonDerecha(m_pBotonSalir);
    m_pBotonSalir->PonIzquierda(m_pBotonPresentacion);
    m_bIniciadoPerfil = true;
    RegistraPerfilesJuego(this);
    CargaTodos();
    return true;
}

std::string CMenuPerfil::NombreDeEntrada(const char* szEscrito)
{
    std::string s = szEscrito ? szEscrito : "";
    // The save file cannot carry a double quote: it becomes a single one.
    for (char& c : s)
        if (c == '"') c = '\'';
    // Spaces round the name are no part of it; only spaces is no name.
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    const size_t b = s.find_last_not_of(" \t");
    s = s.substr(a, b - a + 1);
    // The record keeps 31 characters.
    if (s.size() > LONGITUD_NOMBRE - 1) s.resize(LONGITUD_NOMBRE - 1);
    return s;
}

// ---------------------------------------------------------------------------
// The slots

bool CMenuPerfil::CargaRanura(int i) { return CPerfiles::CargaRanura(i); }

void CMenuPerfil::CargaTodos()
{
    CPerfiles::CargaTodos();
    ActualizaEtiquetas();
}

int CMenuPerfil::GuardaPerfilActual()
{
    RegistroPerfil* p = PerfilActual();
    // Nothing to save is nothing lost.
    if (!p) return 0;
    if (!p->Guarda()) return 1;
    m_bSinGuardar = 0;
    return 0;
}

int CMenuPerfil::ReiniciaPerfilActual()
{
    RegistroPerfil* p = PerfilActual();
    if (!p) return 1;
    const std::string sNombre = p->m_szNombre;
    const std::string sRuta = RutaRanura(m_iPerfilActual);
    if (!p->Carga(sRuta.c_str(), true)) return 1;
    p->CambiaNombre(sNombre.c_str());
    ActualizaEtiquetas();
    return 0;
}

int CMenuPerfil::CreaPerfil(const char* szNombre, bool bSinGuardar)
{
    RegistroPerfil* p = PerfilActual();
    if (!p) return 1;
    CargaRanura(m_iPerfilActual);
    p->CambiaNombre(szNombre ? szNombre : "");
    m_bSinGuardar = bSinGuardar ? 1 : 0;
    int iResultado = 1;
    if (!bSinGuardar) iResultado = GuardaPerfilActual();
    ActualizaEtiquetas();
    return iResultado;
}

int CMenuPerfil::BorraPerfil(int i)
{
    if (i < 0 || i >= NUM_PERFILES) return 2;
    const std::string sRuta = RutaRanura(i);
    // A slot without a file (a profile kept unsaved) is as good as deleted.
    if (sRuta.empty() || !plat::RemoveFile(plat::ResolvePath(sRuta))) return 2;
    // Nothing of the profile stays behind: a save cut short left its
    // temporary file beside it.
    CGestorComandes::BorraTemporal(sRuta.c_str());
    // Only this slot: another slot's profile may be kept unsaved in memory.
    CargaRanura(i);
    if (i == m_iPerfilActual) m_bSinGuardar = 0;
    ActualizaEtiquetas();
    return 0;
}

void CMenuPerfil::Adjunta(CMenuObj* p)
{
    if (p && p->Padre() != this) AnadeHijo(false, p, false, false);
}

void CMenuPerfil::Suelta(CMenuObj* p)
{
    if (p && p->Padre() == this) QuitaHijo(false, p);
}

void CMenuPerfil::ActualizaEtiquetas()
{
    if (!m_bIniciadoPerfil) return;
    const bool bVisibles = m_iModo == MODO_ELECCION;
    for (int i = 0; i < NUM_PERFILES; ++i) {
        if (!m_apNombre[i]) continue;
        m_apReiniciar[i]->CambiaTextos(CodigoFLI(texto::BLOQ), CodigoFLI(texto::PE50));
        m_apBorrar[i]->CambiaTextos(CodigoFLI(texto::BLOQ), CodigoFLI(texto::PE51));
        if (bVisibles && m_apMarcos[i]->Padre() != this) AnadeHijo(false, m_apMarcos[i], false, true);
        const RegistroPerfil& perfil = m_aPerfiles[i];
        if (perfil.m_szNombre[0]) {
            const char* szEtiqueta = g_GestorFLIs.GetTexto(CodigoFLI(texto::PE92), -1);
            char szTexto[128];
            std::snprintf(szTexto, sizeof szTexto, "%s\n%s", szEtiqueta ? szEtiqueta : "", perfil.m_szNombre);
            m_apNombre[i]->PonTexto(szTexto);
            if (bVisibles) {
                Adjunta(m_apNombre[i]);
                Adjunta(m_apReiniciar[i]);
                Adjunta(m_apBorrar[i]);
            }
            Suelta(m_apNuevo[i]);
        } else {
            m_apNombre[i]->CambiaTextos(CodigoFLI(texto::BLOQ), CodigoFLI(texto::PE70));
            Suelta(m_apNombre[i]);
            Suelta(m_apReiniciar[i]);
            Suelta(m_apBorrar[i]);
            if (bVisibles) Adjunta(m_apNuevo[i]);
        }
    }
    if (g_pSistema2D && g_pSistema2D->EstaIniciat()) g_pSistema2D->CarregaBitmapsEnUs();
}

void CMenuPerfil::QuitaBotones()
{
    for (int i = 0; i < NUM_PERFILES; ++i) {
        Suelta(m_apMarcos[i]);
        Suelta(m_apNombre[i]);
        Suelta(m_apReiniciar[i]);
        Suelta(m_apBorrar[i]);
        Suelta(m_apNuevo[i]);
    }
    Suelta(m_pMensaje);
    Suelta(m_pMensajeSiguiente);
    m_bSiguienteListo = 0;
}

void CMenuPerfil::CambiaModo(int iModo)
{
    if (iModo < MODO_GUARDA || iModo > MODO_INACTIVO) return;
    m_iModo = iModo;
    m_iEstado = 1;
    m_bDialogoTerminado = 0;
    if (iModo == MODO_GUARDA || iModo == MODO_GUARDA_AVISANDO)
        QuitaBotones();
    else if (iModo == MODO_ELECCION)
        ActualizaEtiquetas();
}

// ---------------------------------------------------------------------------
// The boxes

void CMenuPerfil::AbreMensaje(int iTipo)
{
    if (TieneCaja(iTipo, m_iModo)) {
        const FilaMensaje& f = *FilaDeTipo(iTipo);
        // The name box can be cancelled only where there is something to
        // go back to.
        int nBotones = f.nBotones;
        if (iTipo == 4 && m_iModo != MODO_ELECCION) nBotones = 1;
        BotonMensaje aBotones[3];
        for (int k = 0; k < nBotones; ++k) {
            aBotones[k].idTexto = CodigoFLI(f.aszBotones[k]);
            aBotones[k].bCancelar = f.aszBotones[k] == texto::CANC || nBotones == 1;
        }
        // Enter in the name line accepts it.
        if (iTipo == 4) aBotones[0].bRespuestaEntrada = true;
        const int iId = (iTipo == 4 || iTipo == 8 || iTipo == 10) ? ID_MENSAJE : ID_MENSAJE_OTRO;
        m_iEstado = iTipo;
        if (m_pMensajeSiguiente && m_pMensajeSiguiente->Padre() != this &&
            m_pMensajeSiguiente->Inicia(f.bGrande, nullptr, CodigoFLI(f.szTexto), nBotones, aBotones, f.iFlags, iId,
                                        f.szNombre)) {
            m_pMensajeSiguiente->m_iResultado = -1;
            m_bSiguienteListo = 1;
            return;
        }
        // A box that cannot be shown ends the dialogue rather than wait
        // for an answer that never comes.
        Termina();
        return;
    }
    switch (iTipo) {
    case 18: AbreMensaje(ESTADO_ESPERA); return;
    case ESTADO_FIN:
    case ESTADO_TERMINADO: Termina(); return;
    default: m_iEstado = iTipo; return;
    }
}

void CMenuPerfil::CierraMensaje()
{
    if (m_pMensaje && m_pMensaje->Padre() == this) {
        QuitaHijo(false, m_pMensaje);
        m_bAnteriorQuitado = 0;
    }
}

void CMenuPerfil::NotificaHijoQuitado(CMenuObj* pHijo)
{
    if (pHijo == m_pMensaje) m_bAnteriorQuitado = 1;
    CBaseMenu::NotificaHijoQuitado(pHijo);
}

int CMenuPerfil::TomaRespuesta()
{
    if (!m_pMensaje || m_pMensaje->Padre() != this || m_pMensaje->m_iResultado == -1) return -1;
    const int i = m_pMensaje->m_iResultado;
    m_pMensaje->m_iResultado = -1;
    return i;
}

void CMenuPerfil::Termina() { m_bDialogoTerminado = 1; }

// ---------------------------------------------------------------------------
// The dialogue

void CMenuPerfil::PasoGuarda()
{
    auto Ve = [this](int iTipo) {
        CierraMensaje();
        AbreMensaje(iTipo);
    };
    switch (m_iEstado) {
    case 1: Ve(10); return;
    case 10:
        CierraMensaje();
        if (GuardaPerfilActual() == 0) {
            if (m_iModo == MODO_GUARDA_AVISANDO)
                AbreMensaje(11);
            else
                Termina();
        } else {
            AbreMensaje(12);
        }
        return;
    case 11:
    case 13:
        if (TomaRespuesta() != -1) {
            CierraMensaje();
            Termina();
        }
        return;
    case 12:
        switch (TomaRespuesta()) {
        case 0: Ve(10); return;
        case 1:
            m_bSinGuardar = 1;
            Ve(13);
            return;
        case 2: Ve(14); return;
        default: return;
        }
    case 14:
        if (TomaRespuesta() != -1) Ve(12);
        return;
    default: return;
    }
}

void CMenuPerfil::PasoEleccion()
{
    auto Ve = [this](int iTipo) {
        CierraMensaje();
        AbreMensaje(iTipo);
    };
    auto Fin = [this] {
        CierraMensaje();
        Termina();
    };
    const int iRespuesta = m_iEstado == 1 || m_iEstado == ESTADO_GUARDA || m_iEstado == ESTADO_ESPERA ? -1 : TomaRespuesta();
    switch (m_iEstado) {
    case 1: AbreMensaje(m_bSinGuardar ? ESTADO_GUARDA : ESTADO_ESPERA); return;
    case ESTADO_GUARDA: AbreMensaje(GuardaPerfilActual() == 0 ? ESTADO_ESPERA : 17); return;
    case 17:
        if (iRespuesta == 0) Ve(ESTADO_ESPERA);
        else if (iRespuesta == 1) Fin();
        return;
    case ESTADO_ESPERA: {
        const int iAccion = m_iAccion;
        m_iAccion = ACCION_NINGUNA;
        if (iAccion == ACCION_BORRAR) AbreMensaje(20);
        else if (iAccion == ACCION_REINICIAR) AbreMensaje(21);
        else if (iAccion == ACCION_ELEGIR) Termina();
        return;
    }
    case 20:
        if (iRespuesta == 0) Ve(BorraPerfil(m_iPerfilActual) == 0 ? 25 : 26);
        else if (iRespuesta == 1) Ve(ESTADO_ESPERA);
        return;
    case 21:
        if (iRespuesta == 0) {
            if (ReiniciaPerfilActual() != 0) Ve(24);
            else Ve(GuardaPerfilActual() == 0 ? 23 : 17);
        } else if (iRespuesta == 1) {
            Ve(ESTADO_ESPERA);
        }
        return;
    case 23:
    case 24:
    case 25:
    case 26:
    case 8:
        if (iRespuesta != -1) Ve(ESTADO_ESPERA);
        return;
    case 4:
        if (iRespuesta == 0) {
            m_sNombre = NombreDeEntrada(m_pMensaje ? m_pMensaje->TextoEntrada() : "");
            if (m_sNombre.empty()) Ve(5);
            else Ve(CreaPerfil(m_sNombre.c_str(), false) == 0 ? 6 : 7);
        } else if (iRespuesta == 1) {
            Ve(ESTADO_ESPERA);
        }
        return;
    case 5:
        if (iRespuesta != -1) Ve(4);
        return;
    case 6:
        if (iRespuesta != -1) Fin();
        return;
    case 7:
        if (iRespuesta == 0) Ve(4);
        else if (iRespuesta == 1) {
            CreaPerfil(m_sNombre.c_str(), true);
            Ve(8);
        } else if (iRespuesta == 2) {
            Ve(9);
        }
        return;
    case 9:
        if (iRespuesta != -1) Ve(7);
        return;
    default:
        // An answer no state takes closes its box and ends the dialogue.
        if (iRespuesta != -1) Fin();
        return;
    }
}

// ---------------------------------------------------------------------------
// The screen

void CMenuPerfil::Actualiza()
{
    if (m_iModo == MODO_ELECCION && m_iDeslizamiento != 0) m_iDeslizamiento += m_iDeslizamiento > 0 ? -1 : 1;
    if (m_bIniciadoPerfil && !EnTransicion()) {
        if (m_bSiguienteListo) {
            if (m_bAnteriorQuitado) {
                CMsgBoxTazmo* p = m_pMensaje;
                m_pMensaje = m_pMensajeSiguiente;
                m_pMensajeSiguiente = p;
                m_bSiguienteListo = 0;
                m_pMensaje->m_iResultado = -1;
                AnadeHijo(true, m_pMensaje, true, false);
            }
        } else if (m_bDialogoTerminado) {
            m_bDialogoTerminado = 0;
            if (m_iModo == MODO_GUARDA || m_iModo == MODO_GUARDA_AVISANDO) {
                m_iModo = MODO_INACTIVO;
                m_iEstado = ESTADO_TERMINADO;
                Cierra(false);
            } else if (m_iModo == MODO_ELECCION && g_pMenuMaestro) {
                g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPrincipal);
            }
        } else if (m_iModo == MODO_GUARDA || m_iModo == MODO_GUARDA_AVISANDO) {
            PasoGuarda();
        } else if (m_iModo == MODO_ELECCION) {
            PasoEleccion();
        }
    }
    CBaseMenu::Actualiza();
}

void CMenuPerfil::PonEnfocado(bool bEnfocado)
{
    EnfocaHijo(nullptr);
    CBaseMenu::PonEnfocado(bEnfocado);
}

bool CMenuPerfil::EsExclusivo()
{
    // Only the chooser is a screen of its own: a quiet save sits over the
    // screen that asked for it, and its removal (in the idle mode) must not
    // reopen that screen.
    return m_iModo == MODO_ELECCION;
}

bool CMenuPerfil::EnTransicion()
{
    // A quiet save that is done shows nothing: it leaves at once and never
    // holds up the screen it sat on.
    if (m_iModo == MODO_INACTIVO) return false;
    return m_iDeslizamiento != 0 || CBaseMenu::EnTransicion();
}

void CMenuPerfil::IniciaTransicion(bool bEntrada)
{
    if (m_iModo == MODO_ELECCION) {
        m_iDeslizamiento = bEntrada ? kPasosDeslizamiento : -kPasosDeslizamiento;
        CBaseMenu::IniciaTransicion(bEntrada);
        return;
    }
    // A save over another screen leaves that screen's music playing.
    char szMusica[kLongitudMusica];
    std::snprintf(szMusica, sizeof szMusica, "%s", m_szRanuraMusica);
    m_szRanuraMusica[0] = '\0';
    CBaseMenu::IniciaTransicion(bEntrada);
    std::snprintf(m_szRanuraMusica, sizeof m_szRanuraMusica, "%s", szMusica);
}

void CMenuPerfil::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO) {
        // The two bar buttons are there in every mode but act only where
        // they are seen: a click during a quiet save never quits.
        if (iIdEmisor == ID_SALIR && m_iModo == MODO_ELECCION) {
            CMenuObj::EnviaEvento(EVENTO_SALIR, 0, nullptr, iIdEmisor);
            return;
        }
        if (iIdEmisor == ID_PRESENTACION && m_iModo == MODO_ELECCION) {
            if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPresentacion);
            return;
        }
        struct {
            int iBase, iAccion;
        } const kAcciones[] = {{ID_NOMBRE, ACCION_ELEGIR}, {ID_REINICIAR, ACCION_REINICIAR}, {ID_BORRAR, ACCION_BORRAR}};
        for (const auto& a : kAcciones)
            if (EnRango(iIdEmisor, a.iBase)) {
                m_iPerfilActual = iIdEmisor - a.iBase;
                m_iAccion = a.iAccion;
                return;
            }
        if (EnRango(iIdEmisor, ID_NUEVO)) {
            m_iPerfilActual = iIdEmisor - ID_NUEVO;
            m_iAccion = ACCION_NINGUNA;
            CierraMensaje();
            AbreMensaje(4);
            return;
        }
    }
    // The boxes' answers are read from the boxes; nothing of the dialogue
    // goes further up.
    if (iTipo == EVENTO_RESPUESTA_MENSAJE) return;
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

bool CMenuPerfil::SeDibuja()
{
    if (m_iModo == MODO_GUARDA_AVISANDO || m_iModo == MODO_ELECCION) return true;
    return m_iModo == MODO_GUARDA && (m_iEstado == 12 || m_iEstado == 13 || m_iEstado == 14);
}

bool CMenuPerfil::TieneDestellos() { return m_iModo == MODO_ELECCION; }
