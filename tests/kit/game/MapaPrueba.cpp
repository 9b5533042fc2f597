#include "kit/game/MapaPrueba.h"

#include "engine/ui/MenuJapSecuencia.h"
#include "game/play/MenuJuego.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

namespace kit {

namespace {

bool Unido(CMenuObj* pHijo, CMenuObj* pPadre) { return pHijo && pPadre && pHijo->Padre() == pPadre; }

// Clicks the centre of a widget's rectangle (through the platform's input).
void PulsaCentro(CJuegoPrueba& juego, CMenuObj* p)
{
    const Rectangulo& r = p->Rect();
    juego.MueveRaton(r.x + r.ancho / 2.0f, r.y + r.alto / 2.0f);
    juego.BotonRaton(true);
    juego.BotonRaton(false);
}

} // namespace

CMenuModoHistoria* Mapa() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuModoHistoria : nullptr; }

std::string Codigo(int c)
{
    std::string s(4, ' ');
    for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>((c >> (8 * (3 - i))) & 0xFF);
    return s;
}

bool EsperaMapaQuieto(CJuegoPrueba& juego, int iPasosMaximos, std::vector<std::string>* contados)
{
    CMenuModoHistoria* m = Mapa();
    if (!m) return false;
    int iPasosPerfil = 0;
    for (int i = 0; i < iPasosMaximos && !juego.Terminado(); ++i) {
        // The profile screen saves quietly and leaves by itself; one that
        // stays (a screen still to come) is taken away.
        CMenuObj* perfil = g_pMenuMaestro->m_pMenuPerfil;
        if (Unido(perfil, m) && ++iPasosPerfil > 90 && !perfil->EnTransicion()) {
            m->QuitaHijo(true, perfil);
            iPasosPerfil = 0;
        }
        CMsgBoxTazmo* caja = m->Mensaje();
        if (m->MensajeAbierto() && Unido(caja, m)) {
            if (contados) contados->push_back(Codigo(m->CodigoMensaje()));
            for (int k = 0; k < 60 && caja->EnTransicion(); ++k) juego.Paso();
            juego.Pasos(3);
            juego.Pulsa("MSGBOXTAZMO_Boton0");
            for (int k = 0; k < 60 && m->MensajeAbierto(); ++k) juego.Paso();
            continue;
        }
        if (m->Estado() == CMenuModoHistoria::ESTADO_INACTIVO && !m->MensajeAbierto() && !m->EnTransicion() &&
            m->Alfa() == 255 && !Unido(perfil, m) && m->m_lAltasPendientes.m_iNumElementos == 0 &&
            m->m_lBajas.m_iNumElementos == 0 &&
            g_pMenuMaestro->m_pMenuActual == m && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA) {
            // The pointer rests where no stage's hint can cover the next press.
            juego.MueveRaton(1000.0f, 160.0f);
            juego.Pasos(3);
            return true;
        }
        juego.Paso();
    }
    return false;
}

bool SigueCadena(CJuegoPrueba& juego, bool bJugarEnCarta, int iPasosMaximos)
{
    CMenuModoHistoria* m = Mapa();
    CMenuMaestro* mm = g_pMenuMaestro;
    if (!m || !mm) return false;
    // A press plays its animation before the map hears of it: the idle map
    // ends the chain only once something has started.
    bool bEmpezada = false;
    for (int i = 0; i < iPasosMaximos && !juego.Terminado(); ++i) {
        CMenuJuego* j = mm->m_pMenuJuego;
        if (Unido(j, m) && j->EstaCreado() && !j->EnTransicion()) return true;
        const int e = m->Estado();
        if (e != CMenuModoHistoria::ESTADO_INACTIVO) bEmpezada = true;
        if ((e == CMenuModoHistoria::ESTADO_INACTIVO && (bEmpezada || i > 90)) ||
            e == CMenuModoHistoria::ESTADO_CREDITOS || e == CMenuModoHistoria::ESTADO_REVELA ||
            e == CMenuModoHistoria::ESTADO_OLA || e == CMenuModoHistoria::ESTADO_MENSAJES)
            return true;
        CMenuPresentacionCapitulo* carta = mm->m_pMenuPresentacionCapitulo;
        if (Unido(carta, m) && !carta->EnTransicion()) {
            CBotonTazmo* b = bJugarEnCarta ? carta->BotonJugar() : carta->BotonSaltar();
            if (Unido(b, carta) && !b->EnTransicion()) {
                PulsaCentro(juego, b);
                continue;
            }
        }
        CMenuJapSecuencia* host = mm->m_pMenuJapSecuencia;
        if (Unido(host, m) && !host->EnTransicion() && host->GetResultado() == -1) {
            juego.BotonRaton(true);
            juego.BotonRaton(false);
            continue;
        }
        juego.Paso();
    }
    return false;
}

} // namespace kit
