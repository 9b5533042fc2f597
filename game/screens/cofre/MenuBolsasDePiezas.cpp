#include "game/screens/cofre/MenuBolsasDePiezas.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <cmath>
#include <cstdio>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

constexpr float kInicioX = 512.0f, kInicioY = 384.0f;
constexpr float kCentroX = 512.0f, kCentroY = 420.0f;
constexpr float kRadioElipse = 375.0f, kAchatado = 0.55f;
constexpr float kRadio = 128.0f, kEscala = 1.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
constexpr float kDosPi = 6.2831853f;

// The piece sets, bag by bag.
const char* const kSets[CMenuBolsasDePiezas::kNumBolsas] = {
    juego::paquete::DIAMANTES,    juego::paquete::SET_BOLAS,      juego::paquete::SET_CARTAS,
    juego::paquete::SET_PELUCHES, juego::paquete::SET_VAJILLAS,   juego::paquete::SET_PERSONAJES,
    juego::paquete::SET_INDEFINIDO,
};

} // namespace

void CMenuBolsasDePiezas::PosicionBolsa(int i, float* px, float* py)
{
    const float a = (static_cast<float>(i) + 0.5f) * kDosPi / static_cast<float>(kNumBolsas);
    *px = kCentroX + kRadioElipse * std::cos(a);
    *py = kCentroY + kAchatado * kRadioElipse * std::sin(a);
}

const char* CMenuBolsasDePiezas::SetDeBolsa(int i) { return i >= 0 && i < kNumBolsas ? kSets[i] : nullptr; }

CMenuBolsasDePiezas::~CMenuBolsasDePiezas()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuBolsasDePiezas::LiberaPropios()
{
    for (CBotonIconoTazmo*& p : m_apBolsas) tazmo::Borra(p);
    for (CSPM*& p : m_apSets) tazmo::BorraSPM(p);
    tazmo::Borra(m_pBotonVolver);
}

void CMenuBolsasDePiezas::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuBolsasDePiezas::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    if (!CBaseMenu::Crea("MenuBolsasDePiezas", juego::paquete::TITULO_BOLSAS, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_BOLSA, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuBolsasDePiezas::Construye()
{
    for (int i = 0; i < kNumBolsas; ++i) {
        char szNombre[CMenuObj::kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, "MBolsa_%d", i);
        float x = 0.0f, y = 0.0f;
        PosicionBolsa(i, &x, &y);
        m_apBolsas[i] = new (std::nothrow) CBotonIconoTazmo;
        if (!m_apBolsas[i] ||
            !m_apBolsas[i]->Inicia(juego::paquete::ICO_BOLSA, 0, kSonidoFoco, kSonidoPulsar, kInicioX, kInicioY, x, y,
                                   false, kRadio, kRadio, kEscala, CodigoFLI(juego::texto::TMB1), 0,
                                   ID_PRIMERA_BOLSA + i, szNombre))
            return false;
        // Loaded and kept for the board; this screen does not draw them.
        if (!(m_apSets[i] = tazmo::CopiaSPM(kSets[i]))) return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MenuBolsasDePiezas_BUT_Volver"))
        return false;
    for (CBotonIconoTazmo* p : m_apBolsas) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

void CMenuBolsasDePiezas::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    // A bag's press changes nothing.
    if (iTipo == EVENTO_PULSADO && iIdEmisor == ID_VOLVER && g_pMenuMaestro)
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
}
