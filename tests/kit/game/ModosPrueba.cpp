#include "kit/game/ModosPrueba.h"

#include "engine/core/Temporizador.h"
#include "game/play/BolaTablero.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <algorithm>

namespace kit {

CModosPrueba::CModosPrueba(const std::string& nombre, int iDificultad, bool bConAvisos)
    : m_partida("modos_" + nombre, iDificultad), m_iDificultad(iDificultad)
{
    if (!bConAvisos) m_partida.SinAvisos();
}

void CModosPrueba::DesbloqueaNivel(int iBoton)
{
    Perfil().MarcaDesbloqueado(CMenuParametrosModosExtra::NombreBoton(iBoton, m_iDificultad).c_str());
}

CMenuParametrosModosExtra* CModosPrueba::Menu() const
{
    return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuParametrosModosExtra : nullptr;
}

CMenuJuego* CModosPrueba::Juego() const
{
    CMenuParametrosModosExtra* m = Menu();
    return m ? m->JuegoEnCurso() : nullptr;
}

bool CModosPrueba::JuegoAbierto() const
{
    CMenuJuego* j = Juego();
    return j && j->Padre() == Menu();
}

bool CModosPrueba::AbreMenu(int iModo, bool bCierraCaja)
{
    CMenuParametrosModosExtra* m = Menu();
    if (!Iniciado() || !m) return false;
    JuegoPrueba().Pasos(2);
    if (!m->Crea(iModo)) return false;
    g_pMenuMaestro->CambiaMenu(m);
    for (int i = 0; i < 300 && (g_pMenuMaestro->m_pMenuActual != m || g_pMenuMaestro->m_iEstadoTransicion != 0); ++i)
        JuegoPrueba().Paso();
    JuegoPrueba().Pasos(25);
    if (bCierraCaja) CierraCaja();
    return g_pMenuMaestro->m_pMenuActual == m;
}

bool CModosPrueba::CierraCaja()
{
    CMenuParametrosModosExtra* m = Menu();
    CMenuObj* pCaja = m ? static_cast<CMenuObj*>(m->Mensaje()) : nullptr;
    if (!pCaja || pCaja->Padre() != m) return false;
    for (int i = 0; i < 60 && pCaja->EnTransicion(); ++i) JuegoPrueba().Paso();
    JuegoPrueba().Pasos(5);
    JuegoPrueba().Pulsa("MSGBOXTAZMO_Boton0");
    for (int i = 0; i < 90 && pCaja->Padre() == m; ++i) JuegoPrueba().Paso();
    // The menu takes no press while the box is still closing.
    for (int i = 0; i < 60 && pCaja->EnTransicion(); ++i) JuegoPrueba().Paso();
    JuegoPrueba().Pasos(2);
    return true;
}

bool CModosPrueba::EmpiezaNivel(int iBoton)
{
    ReiniciaAleatorio();
    if (!JuegoPrueba().Pulsa(CMenuParametrosModosExtra::NombreBoton(iBoton, m_iDificultad))) return false;
    return EsperaFase(FASE_RESUMEN_INICIAL, 200);
}

bool CModosPrueba::Continua()
{
    CMenuJuego* j = Juego();
    if (!j) return false;
    for (int i = 0; i < 120 && j->EnTransicion(); ++i) JuegoPrueba().Paso();
    const int iFase = j->Fase();
    const int iResultado = j->Resultado();
    if (!JuegoPrueba().Pulsa("m_pBotonContinuar")) return false;
    for (int i = 0; i < 60 && j->Fase() == iFase && j->Resultado() == iResultado; ++i) JuegoPrueba().Paso();
    return j->Fase() != iFase || j->Resultado() != iResultado;
}

bool CModosPrueba::EsperaFase(int iFase, int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos; ++i) {
        CMenuJuego* j = Juego();
        if (j && j->EstaCreado() && JuegoAbierto() && j->Fase() == iFase) return true;
        JuegoPrueba().Paso();
    }
    CMenuJuego* j = Juego();
    return j && j->EstaCreado() && j->Fase() == iFase;
}

bool CModosPrueba::EsperaFaseAbreviada(int iFase, int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos; ++i) {
        CMenuJuego* j = Juego();
        if (!j || !j->EstaCreado()) return false;
        if (JuegoAbierto() && j->Fase() == iFase) return true;
        const int f = j->Fase();
        if ((f == FASE_VICTORIA || f == FASE_TIEMPO_AGOTADO || f == FASE_DERROTA) &&
            j->m_iPasosFase < CMenuJuego::kPasosFinal - 3)
            j->m_iPasosFase = CMenuJuego::kPasosFinal - 3;
        JuegoPrueba().Paso();
    }
    CMenuJuego* j = Juego();
    return j && j->EstaCreado() && j->Fase() == iFase;
}

bool CModosPrueba::EsperaEstado(int iEstado, int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos && Menu() && Menu()->Estado() != iEstado; ++i) JuegoPrueba().Paso();
    return Menu() && Menu()->Estado() == iEstado;
}

std::vector<CBolaTablero*> CModosPrueba::Piezas() const
{
    std::vector<CBolaTablero*> v;
    CMenuJuego* j = Juego();
    if (!j || !j->ListaActual()) return v;
    for (NodoLista* n = j->ListaActual()->m_pCabeza; n; n = n->m_pSiguiente)
        v.push_back(static_cast<CBolaTablero*>(n->m_pItem));
    return v;
}

void CModosPrueba::PulsaPieza(const CBolaTablero* p)
{
    if (!p) return;
    JuegoPrueba().MueveRaton(p->PosicionX(), p->PosicionY());
    JuegoPrueba().BotonRaton(true);
    JuegoPrueba().BotonRaton(false);
}

bool CModosPrueba::TrazaSello(int iPasosMaximos)
{
    CMenuJuego* j = Juego();
    if (!j) return false;
    const CLista* pInicio = j->ListaActual();
    for (int i = 0; i < iPasosMaximos; ++i) {
        const int f = j->Fase();
        if (f != FASE_TRAZADO) {
            // Done when the figure has gone on to its completion.
            if (f == FASE_CONCENTRA_ENERGIA || f == FASE_CAMBIO_A_TRAZADO || f == FASE_VICTORIA ||
                f == FASE_SELLO_COMPLETADO || f == FASE_ESPERA_FIN)
                return true;
            JuegoPrueba().Paso();
            continue;
        }
        if (j->ListaActual() != pInicio && pInicio) return true;
        // The next shard: the lowest order among those still free and not
        // yet in a move.
        std::vector<CBolaTablero*> libres;
        bool bQuieto = true;
        for (CBolaTablero* b : Piezas()) {
            const int e = b->Estado();
            // A player need not wait for a shard to settle before the next.
            if (e == BOLA_APARECIENDO) bQuieto = false;
            if (b->PuedeCogerse()) libres.push_back(b);
        }
        if (!bQuieto || libres.empty()) {
            JuegoPrueba().Paso();
            continue;
        }
        std::sort(libres.begin(), libres.end(),
                  [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
        PulsaPieza(libres.front());
        i += 3;
    }
    return false;
}

} // namespace kit
