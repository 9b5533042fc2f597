#include "game/screens/MenuIdiomas.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/ui/MessageBox.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

struct FilaBoton {
    float x, y;
    const char* szTexto;
    int iId;
    const char* szNombre;
};
// In the order they are attached.
const FilaBoton kBotones[CMenuIdiomas::kNumBotones] = {
    {512.0f, 200.0f, juego::texto::ID03, CMenuIdiomas::ID_INGLES, "MENUIDIOMAS_BUT_Ingles"},
    {512.0f, 300.0f, juego::texto::ID02, CMenuIdiomas::ID_CASTELLANO, "MENUIDIOMAS_BUT_Castellano"},
    {512.0f, 400.0f, juego::texto::ID01, CMenuIdiomas::ID_CATALA, "MENUIDIOMAS_BUT_Catala"},
    {512.0f, 600.0f, juego::texto::VOLV, CMenuIdiomas::ID_VOLVER, "MENUIDIOMAS_BUT_Volver"},
};

constexpr const char* kNombreAviso = "MENUIDIOMAS_MsgBox1";

} // namespace

int CMenuIdiomas::ClaveIdioma(int iId)
{
    switch (iId) {
    case ID_CATALA: return 0;
    case ID_CASTELLANO: return 1;
    case ID_INGLES: return 2;
    default: return -1;
    }
}

const char* CMenuIdiomas::CodigoIdioma(int iId)
{
    switch (iId) {
    case ID_CATALA: return "CA";
    case ID_CASTELLANO: return "ES";
    case ID_INGLES: return "EN";
    default: return nullptr;
    }
}

CMenuIdiomas::~CMenuIdiomas()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuIdiomas::InicializaCampos()
{
    for (CBotonTazmo*& p : m_apBotones) p = nullptr;
    m_pMsgBox = nullptr;
    m_bPrimeraActualizacion = true;
    m_bMsgBoxMostrado = false;
}

void CMenuIdiomas::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apBotones) tazmo::Borra(p);
    tazmo::Borra(m_pMsgBox);
}

void CMenuIdiomas::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuIdiomas::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuIdiomas", juego::paquete::TITULO_IDIOMAS, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICONO_IDIOMA, true, true, true))
        return false;
    for (int i = 0; i < kNumBotones; ++i) {
        const FilaBoton& f = kBotones[i];
        m_apBotones[i] = new (std::nothrow) CBotonTazmo;
        if (!m_apBotones[i] ||
            !m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto),
                                    CodigoFLI(juego::texto::BLOQ), -1, -1, 0, f.iId, f.szNombre)) {
            LiberaSiIniciado();
            Libera();
            return false;
        }
        AnadeHijo(false, m_apBotones[i], false, false);
    }
    m_pMsgBox = new (std::nothrow) CMsgBoxTazmo;
    if (!m_pMsgBox) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CMenuIdiomas::Sale()
{
    switch (DecideSalida(m_iModo)) {
    case SALIDA_CIERRA:
        Cierra(false);
        break;
    case SALIDA_PRESENTACION:
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPresentacion);
        break;
    }
}

bool CMenuIdiomas::PreparaAviso()
{
    const BotonMensaje boton = {CodigoFLI(juego::texto::XX02), -1, true, false};
    return m_pMsgBox && m_pMsgBox->Inicia(true, nullptr, CodigoFLI(juego::texto::XX01), 1, &boton,
                                          CMsgBoxTazmo::AJUSTA_TEXTO, ID_MSGBOX, kNombreAviso);
}

void CMenuIdiomas::MuestraAviso()
{
    // A message still closing from the last time is left to finish first.
    if (!m_pMsgBox || m_bMsgBoxMostrado || (m_pMsgBox->EstaCreado() && m_pMsgBox->EnTransicion())) return;
    if (!PreparaAviso()) return;
    AnadeHijo(false, m_pMsgBox, true, false);
    m_bMsgBoxMostrado = true;
}

void CMenuIdiomas::AtiendeAviso()
{
    if (!m_bMsgBoxMostrado || !m_pMsgBox || m_pMsgBox->m_iResultado == -1) return;
    m_pMsgBox->m_iResultado = -1;
    QuitaHijo(false, m_pMsgBox);
    m_bMsgBoxMostrado = false;
}

void CMenuIdiomas::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    // The message's answer is read in the update.
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_CATALA:
    case ID_CASTELLANO:
    case ID_INGLES: {
        const char* szCodigo = CodigoIdioma(iIdEmisor);
        if (g_pAplicacion) g_pAplicacion->CambiaIdioma(ClaveIdioma(iIdEmisor), szCodigo[0], szCodigo[1]);
        Sale();
        break;
    }
    case ID_VOLVER:
        if (g_pPreferencias && g_pPreferencias->m_iIdioma != -1)
            Sale();
        else
            MuestraAviso();
        break;
    default:
        break;
    }
}

void CMenuIdiomas::Actualiza()
{
    if (m_bPrimeraActualizacion) {
        m_bPrimeraActualizacion = false;
        if (g_pPreferencias && g_pPreferencias->m_iIdioma == -1) MuestraAviso();
    }
    AtiendeAviso();
    CBaseMenu::Actualiza();
}
