#include "game/screens/MenuModoHistoria.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <string>

namespace {

// The stages' names, in story order.
constexpr const char* kNombresEtapas[CMenuModoHistoria::kNumEtapas] = {
    juego::texto::C020, juego::texto::C021, juego::texto::C022, juego::texto::C030, juego::texto::C031, juego::texto::C032,
    juego::texto::C033, juego::texto::C040, juego::texto::C041, juego::texto::C042, juego::texto::C043, juego::texto::C044,
    juego::texto::C050, juego::texto::C051, juego::texto::C060, juego::texto::C061, juego::texto::C062, juego::texto::C063,
    juego::texto::C064, juego::texto::C065, juego::texto::C070, juego::texto::C071, juego::texto::C072, juego::texto::C073,
    juego::texto::C074, juego::texto::C075, juego::texto::C080, juego::texto::C081, juego::texto::C082, juego::texto::C090,
    juego::texto::C091, juego::texto::C092, juego::texto::C093, juego::texto::C094, juego::texto::C095, juego::texto::C096,
    juego::texto::C100, juego::texto::C101, juego::texto::C102, juego::texto::C110, juego::texto::C111, juego::texto::C112,
    juego::texto::C113, juego::texto::C114, juego::texto::C120, juego::texto::C121, juego::texto::C122, juego::texto::C123,
    juego::texto::C124, juego::texto::C130, juego::texto::C131, juego::texto::C132, juego::texto::C133
};

// A grid of narrow buttons, six to a row, under the title bar.
constexpr int kColumnas = 6;
constexpr float kPrimeraX = 112.0f, kPasoX = 160.0f;
constexpr float kPrimeraY = 150.0f, kPasoY = 58.0f;
constexpr int kFlagsEtapa = CBotonTazmo::ESTRECHO | CBotonTazmo::BAJO;
constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

RegistroPerfil* Perfil() { return PerfilActualJuego(); }

} // namespace

std::string CMenuModoHistoria::NombreBoton(int iEtapa) { return "MENUMODOHISTORIA_BUT_Etapa" + std::to_string(iEtapa); }

CMenuModoHistoria::~CMenuModoHistoria() { LiberaPropios(); }

void CMenuModoHistoria::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apEtapas) {
        delete p;
        p = nullptr;
    }
}

void CMenuModoHistoria::Libera()
{
    LiberaPropios();
    CMenuProvisional::Libera();
}

bool CMenuModoHistoria::Crea()
{
    LiberaPropios();
    if (!CreaProvisional("MenuModoHistoria", "Story map")) return false;
    for (int i = 0; i < kNumEtapas; ++i) {
        auto* p = new CBotonTazmo;
        m_apEtapas[static_cast<size_t>(i)] = p;
        const float x = kPrimeraX + kPasoX * static_cast<float>(i % kColumnas);
        const float y = kPrimeraY + kPasoY * static_cast<float>(i / kColumnas);
        if (!p->Inicia(kSonidoFoco, kSonidoPulsar, x, y, CodigoFLI(kNombresEtapas[i]), CodigoFLI(juego::texto::BLOQ),
                       -1, -1, kFlagsEtapa, kIdPrimeraEtapa + i, NombreBoton(i).c_str())) {
            LiberaSiIniciado();
            Libera();
            return false;
        }
    }
    return true;
}

CMenuObj* CMenuModoHistoria::PreparaVolver() { return Principal(); }

int CMenuModoHistoria::Progreso() const
{
    const RegistroPerfil* p = Perfil();
    return p ? std::clamp(p->ProgresoHistoria(p->m_iDificultad), 0, kNumEtapas - 1) : 0;
}

bool CMenuModoHistoria::TrataPulsado(int iId)
{
    const int iEtapa = iId - kIdPrimeraEtapa;
    if (iEtapa < 0 || iEtapa >= kNumEtapas) return false;
    if (!EtapaAbierta(iEtapa, Progreso()) || m_bJugando) return true;
    EmpiezaEtapa(iEtapa);
    return true;
}

void CMenuModoHistoria::EmpiezaEtapa(int iEtapa)
{
    CMenuMaestro* m = g_pMenuMaestro;
    if (!m || !m->m_pMenuJuego) return;
    int g = 0, p = 0;
    if (!CapituloYParte(iEtapa, g, p)) return;
    const RegistroPerfil* pPerfil = Perfil();
    m->EligeNivel(g, p, pPerfil ? pPerfil->m_iDificultad : DIFICULTAD_INICIAL);
    const bool bUltima = p == PartesPorGrupo[static_cast<size_t>(g)] - 1;
    if (!m->m_pMenuJuego->IniciaNivel(m->m_NivelActual, bUltima, false)) return;
    m_iEtapaJugada = iEtapa;
    m_bJugando = true;
    AnadeHijo(true, m->m_pMenuJuego, false, false);
}

void CMenuModoHistoria::LeeResultado()
{
    CMenuJuego* pJuego = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuJuego : nullptr;
    if (!pJuego) return;
    if (m_bReinicioPendiente) {
        // The play screen starts again once it has left.
        if (pJuego->Padre() == this || m_lBajas.Busca(pJuego)) return;
        m_bReinicioPendiente = false;
        pJuego->ReiniciaNivel();
        if (pJuego->EstaCreado()) {
            m_bJugando = true;
            AnadeHijo(true, pJuego, false, false);
        }
        return;
    }
    if (!m_bJugando || pJuego->Padre() != this) return;
    const int r = pJuego->Resultado();
    if (r == RESULTADO_EN_JUEGO || r == RESULTADO_NINGUNO) return;
    m_bJugando = false;
    QuitaHijo(true, pJuego);
    RegistroPerfil* pPerfil = Perfil();
    switch (r) {
    case RESULTADO_VICTORIA:
        if (pPerfil && PrimeraVictoria(m_iEtapaJugada, Progreso())) {
            int g = 0, p = 0;
            CapituloYParte(m_iEtapaJugada, g, p);
            for (const EtapaCapitulo& e : EtapasLineaMaxima)
                if (e.m_iCapitulo == g && e.m_iParte == p) pPerfil->AumentaLineaMaxima();
            pPerfil->AvanzaHistoria();
            pPerfil->Guarda();
        }
        break;
    case RESULTADO_REINICIO: m_bReinicioPendiente = true; break;
    default:
        if (pPerfil) pPerfil->Guarda();
        break;
    }
}

void CMenuModoHistoria::Actualiza()
{
    LeeResultado();
    // The open stages' buttons are on the map; the others are not.
    const int iProgreso = Progreso();
    for (int i = 0; i < kNumEtapas; ++i) {
        CBotonTazmo* b = m_apEtapas[static_cast<size_t>(i)];
        if (!b) continue;
        const bool bDentro = b->Padre() == this;
        if (EtapaAbierta(i, iProgreso) && !bDentro && !m_bJugando && !m_bReinicioPendiente)
            AnadeHijo(false, b, false, true);
    }
    CMenuProvisional::Actualiza();
}
