#include "game/screens/MenuInGame.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The four buttons, top to bottom.
struct FilaBoton {
    float x, y;
    const char* szTexto;
    int iId;
    const char* szNombre;
};
constexpr FilaBoton kBotones[CMenuInGame::kNumBotones] = {
    {512.0f, 250.0f, juego::texto::MI01, CMenuInGame::ID_CONTINUAR, "MENUINGAME_BUT_Continuar"},
    {512.0f, 350.0f, juego::texto::MI04, CMenuInGame::ID_REINICIAR, "MENUINGAME_BUT_Reiniciar"},
    {512.0f, 450.0f, juego::texto::MI02, CMenuInGame::ID_ABANDONAR, "MENUINGAME_BUT_Abandonar"},
    {512.0f, 550.0f, juego::texto::MI03, CMenuInGame::ID_OPCIONES, "MENUINGAME_BUT_Opciones"},
};

} // namespace

CMenuInGame::~CMenuInGame()
{
    if (!m_bCreadoPausa) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuInGame::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apBotones) tazmo::Borra(p);
}

void CMenuInGame::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreadoPausa = false;
}

bool CMenuInGame::Crea()
{
    if (m_bCreadoPausa) {
        LiberaSiIniciado();
        Libera();
    }
    LiberaPropios();
    if (!CBaseMenu::Crea("MenuInGame", nullptr, nullptr, juego::musica::RAN_MENU_IN_GAME, nullptr, false, true, true))
        return false;
    for (int i = 0; i < kNumBotones; ++i) {
        const FilaBoton& f = kBotones[i];
        m_apBotones[i] = new CBotonTazmo;
        // Continue gives the board back at once: a short press.
        const int iFlags = f.iId == ID_CONTINUAR ? CBotonTazmo::PULSACION_CORTA : 0;
        if (!m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto),
                                    CodigoFLI(juego::texto::BLOQ), -1, -1, iFlags, f.iId, f.szNombre)) {
            LiberaPropios();
            LiberaSiIniciado();
            CBaseMenu::Libera();
            return false;
        }
    }
    for (int i = 0; i < kNumBotones; ++i) {
        AnadeHijo(false, m_apBotones[i], false, false);
        // One ring in screen order.
        m_apBotones[i]->PonAbajo(m_apBotones[(i + 1) % kNumBotones]);
        m_apBotones[i]->PonArriba(m_apBotones[(i + kNumBotones - 1) % kNumBotones]);
    }
    PonCancelar(m_apBotones[ID_CONTINUAR]);
    EnfocaHijo(m_apBotones[ID_CONTINUAR]);
    m_bCreadoPausa = true;
    return true;
}

void CMenuInGame::PonEnfocado(bool bEnfocado)
{
    CBaseMenu::PonEnfocado(bEnfocado);
    if (bEnfocado && m_apBotones[ID_CONTINUAR]) EnfocaHijo(m_apBotones[ID_CONTINUAR]);
}

void CMenuInGame::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_CONTINUAR: Cierra(true); return;
    case ID_REINICIAR:
        CBaseMenu::EnviaEvento(EVENTO_REINICIAR_PARTIDA, 0, nullptr, -1);
        Cierra(false);
        return;
    case ID_ABANDONAR:
        CBaseMenu::EnviaEvento(EVENTO_ABANDONAR_PARTIDA, 0, nullptr, -1);
        Cierra(false);
        return;
    case ID_OPCIONES:
        if (CMenuOpcionesTazmo* o = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuOpciones : nullptr) {
            o->m_bDesdeJuego = true;
            AnadeHijo(true, o, true, false);
        }
        return;
    default: return;
    }
}
