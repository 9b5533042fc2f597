#include "game/screens/cofre/MenuCofreTesoro.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/cofre/MenuBolsasDePiezas.h"
#include "game/screens/cofre/MenuCapitulos.h"
#include "game/screens/cofre/MenuGaleria.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/cofre/MenuSellos.h"
#include "game/screens/cofre/MenuTrofeos.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The icons fly out of the middle into their places; round hit areas of
// 128 points times their scale.
constexpr float kInicioX = 512.0f, kInicioY = 384.0f;
constexpr float kRadio = 128.0f, kEscala = 0.85f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;

struct FilaIcono {
    const char* szSPM;
    float x, y;
    const char* szAyuda;
    const char* szNombre; // the chest marker
    bool bVisible;
};
// In id order.
const FilaIcono kIconos[CMenuCofreTesoro::kNumIconos] = {
    {juego::paquete::ICO_PERSONAJES, 256.0f, 300.0f, juego::texto::TMPE, "MCofre_Personajes", true},
    {juego::paquete::ICO_CAPITULOS, 512.0f, 300.0f, juego::texto::TMCA, "MCofre_Capitulos", true},
    {juego::paquete::ICO_GALERIA, 768.0f, 300.0f, juego::texto::TMGA, "MCofre_Galeria", true},
    {juego::paquete::ICO_BOLSA, 1024.0f, 300.0f, juego::texto::TMBO, "MCofre_BolsasPiezas", false},
    {juego::paquete::ICO_TROFEOS, 347.0f, 530.0f, juego::texto::TMTR, "MCofre_Trofeos", true},
    {juego::paquete::ICO_SELLOS, 680.0f, 530.0f, juego::texto::TMSE, "MCofre_Sellos", true},
    {juego::paquete::ICO_MUSICA_Y_SONIDO, 1013.0f, 530.0f, juego::texto::TMMU, "MCofre_Musica", false},
};

} // namespace

// ---------------------------------------------------------------------------
// Decisions

CMenuObj* CMenuCofreTesoro::DestinoVolver(CMenuObj* pRetorno, CMenuObj* pPrincipal)
{
    return pRetorno ? pRetorno : pPrincipal;
}

bool CMenuCofreTesoro::SePuedeAbrir(CMenuObj* pPantalla)
{
    const CBaseMenu* p = dynamic_cast<CBaseMenu*>(pPantalla);
    return p && p->EstaCreado();
}

CMenuObj* CMenuCofreTesoro::PantallaDeIcono(int iId)
{
    CMenuMaestro* m = g_pMenuMaestro;
    if (!m) return nullptr;
    switch (iId) {
    case ID_PERSONAJES: return m->m_pMenuPersonajes;
    case ID_CAPITULOS: return m->m_pMenuCapitulos;
    case ID_GALERIA: return m->m_pMenuGaleria;
    case ID_BOLSAS: return m->m_pMenuBolsasDePiezas;
    case ID_TROFEOS: return m->m_pMenuTrofeos;
    case ID_SELLOS: return m->m_pMenuSellos;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuCofreTesoro::~CMenuCofreTesoro()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuCofreTesoro::InicializaCampos()
{
    for (CBotonIconoTazmo*& p : m_apIconos) p = nullptr;
    m_pBotonVolver = nullptr;
}

void CMenuCofreTesoro::LiberaPropios()
{
    for (CBotonIconoTazmo*& p : m_apIconos) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
}

void CMenuCofreTesoro::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuCofreTesoro::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuCofreTesoro", juego::paquete::TITULO_COFRE, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICONO_COFRE, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuCofreTesoro::Construye()
{
    for (int i = 0; i < kNumIconos; ++i) {
        const FilaIcono& f = kIconos[i];
        m_apIconos[i] = new (std::nothrow) CBotonIconoTazmo;
        if (!m_apIconos[i] ||
            !m_apIconos[i]->Inicia(f.szSPM, 0, kSonidoFoco, kSonidoPulsar, kInicioX, kInicioY, f.x, f.y, false, kRadio,
                                   kRadio, kEscala, CodigoFLI(f.szAyuda), 0, i, f.szNombre))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MENUCOFRETESORO_BUT_Volver"))
        return false;
    for (int i = 0; i < kNumIconos; ++i)
        if (kIconos[i].bVisible) AnadeHijo(false, m_apIconos[i], false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

// ---------------------------------------------------------------------------
// Events

void CMenuCofreTesoro::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    // Only presses are taken, and nothing is passed on.
    if (iTipo != EVENTO_PULSADO || !g_pMenuMaestro) return;
    CMenuMaestro* m = g_pMenuMaestro;
    if (iIdEmisor == ID_VOLVER) {
        m->CambiaMenu(DestinoVolver(m_pMenuRetorno, m->m_pMenuPrincipal));
        return;
    }
    CMenuObj* pDestino = PantallaDeIcono(iIdEmisor);
    if (!SePuedeAbrir(pDestino)) return;
    if (iIdEmisor == ID_GALERIA) m->m_pMenuGaleria->m_pMenuRetorno = this;
    m->CambiaMenu(pDestino);
}
