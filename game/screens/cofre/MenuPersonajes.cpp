#include "game/screens/cofre/MenuPersonajes.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/VisorPersonaje.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
constexpr float kRetratoSobreBoton = 128.0f;

// The rows of the list: who (by name) and where its button's top band is
// centred; its portrait sits 128 points above.
struct FilaPersonaje {
    const char* szNombre;
    float x, y;
};
const FilaPersonaje kFilas[CMenuPersonajes::kNumPersonajes] = {
    {"Maida", 170.0f, 350.0f},    {"Adeletia", 683.0f, 350.0f}, {"Franz", 512.0f, 350.0f},
    {"Aldunia", 341.0f, 350.0f},  {"Asesino", 146.0f, 600.0f},  {"Alfatima", 854.0f, 350.0f},
    {"Irina", 292.0f, 600.0f},    {"Stokinnen", 438.0f, 600.0f}, {"Teresia", 584.0f, 600.0f},
    {"Soldado", 730.0f, 600.0f},  {"TeresiaViva", 876.0f, 600.0f},
};

} // namespace

const Personaje* CMenuPersonajes::PersonajeDeFila(int i)
{
    return i >= 0 && i < kNumPersonajes ? BuscaPersonaje(kFilas[i].szNombre) : nullptr;
}

bool CMenuPersonajes::AbreVisor(const Personaje* p)
{
    CMenuMaestro* m = g_pMenuMaestro;
    if (!m || !m->m_pVisorPersonaje || !p) return false;
    if (!m->m_pVisorPersonaje->Crea(p->m_iVisor)) return false;
    m->CambiaMenu(m->m_pVisorPersonaje);
    return true;
}

CMenuPersonajes::~CMenuPersonajes()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuPersonajes::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apBotones) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    tazmo::BorraSPM(m_pSPMRetratos);
}

void CMenuPersonajes::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuPersonajes::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    if (!CBaseMenu::Crea("MenuPersonajes", juego::paquete::TITULO_PERSONAJES, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_PERSONAJES, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuPersonajes::Construye()
{
    if (!(m_pSPMRetratos = tazmo::CopiaSPM(juego::paquete::PERSOS))) return false;
    const int32_t iBloqueado = CodigoFLI(juego::texto::BLOQ);
    for (int i = 0; i < kNumPersonajes; ++i) {
        const Personaje* p = PersonajeDeFila(i);
        if (!p) return false;
        char szNombre[CMenuObj::kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, "MPerso_%d", p->m_iMarcador);
        m_apBotones[i] = new (std::nothrow) CBotonTazmo;
        if (!m_apBotones[i] ||
            !m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, kFilas[i].x, kFilas[i].y, p->m_iCodigoNombre,
                                    iBloqueado, -1, -1, CBotonTazmo::ESTRECHO, ID_PRIMER_PERSONAJE + i, szNombre))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                iBloqueado, -1, -1, 0, ID_VOLVER, "MenuPersonajes_BUT_Volver"))
        return false;
    tazmo::Arranca(m_tApertura15, kPasosApertura, -1);
    for (CBotonTazmo* p : m_apBotones) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

void CMenuPersonajes::IniciaTransicion(bool bEntrada)
{
    if (m_bCreado) tazmo::Cuenta(m_tApertura15, bEntrada ? 1 : -1);
    CBaseMenu::IniciaTransicion(bEntrada);
}

void CMenuPersonajes::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    const float f = m_bCreado ? m_tApertura15.Fraccion(PROGRESO_LIMITADO) : 0.0f;
    if (m_pSPMRetratos) {
        m_pSPMRetratos->PonEscala(f, f);
        m_pSPMRetratos->PonAlfa(static_cast<uint8_t>(std::clamp(f, 0.0f, 1.0f) * 255.0f));
    }
    CBaseMenu::Dibuja(pHastaHijo, pDestino);
    if (!m_pSPMRetratos) return;
    for (int i = 0; i < kNumPersonajes; ++i) {
        const Personaje* p = PersonajeDeFila(i);
        if (!p || !m_apBotones[i]) continue;
        const uint8_t c = m_apBotones[i]->Bloqueado() ? 0 : 255;
        m_pSPMRetratos->PonColor(c, c, c);
        m_pSPMRetratos->DibujaSpriteEnDestino(pDestino, p->m_iClaveNivel, kFilas[i].x, kFilas[i].y - kRetratoSobreBoton);
    }
    m_pSPMRetratos->PonColor(255, 255, 255);
}

void CMenuPersonajes::CargaRecursos()
{
    if (RecursosCargados()) return;
    tazmo::MarcaSPM(m_pSPMRetratos, true);
    CBaseMenu::CargaRecursos();
}

void CMenuPersonajes::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSPM(m_pSPMRetratos, false);
    CBaseMenu::DescargaRecursos();
}

void CMenuPersonajes::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO || !g_pMenuMaestro) return;
    if (iIdEmisor == ID_VOLVER) {
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
        return;
    }
    // A viewer that cannot be built is not opened: the list stays.
    AbreVisor(PersonajeDeFila(iIdEmisor - ID_PRIMER_PERSONAJE));
}
