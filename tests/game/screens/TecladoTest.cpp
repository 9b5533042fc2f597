// The menus walked with the keyboard alone: on every screen a player opens
// from the menus, the arrows bring the focus to a shown button and move it
// on among the screen's buttons, and Enter presses the focused one.
#include "engine/ui/Buto.h"
#include "engine/ui/MenuObj.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuAyuda.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/MenuSeleccionAvatar.h"
#include "game/screens/cofre/MenuBolsasDePiezas.h"
#include "game/screens/cofre/MenuCapitulos.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuGaleria.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/cofre/MenuSellos.h"
#include "game/screens/cofre/MenuTrofeos.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "kit/Entrada.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool Quieta(kit::CJuegoPrueba& juego, CMenuObj* p)
{
    for (int i = 0; i < 300; ++i) {
        if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
            !p->EnTransicion()) {
            juego.Pasos(30); // icons that fly in after the screen
            return true;
        }
        juego.Paso();
    }
    return false;
}

// The end of the screen's focus chain.
CMenuObj* Enfocado(CMenuObj* p)
{
    while (p && p->HijoEnfocado()) p = p->HijoEnfocado();
    return p;
}

// The shown buttons among the screen's children.
int Botones(CMenuObj* p)
{
    int n = 0;
    for (NodoLista* nodo = p->m_lHijos.m_pCabeza; nodo; nodo = nodo->m_pSiguiente) {
        auto* h = static_cast<CMenuObj*>(nodo->m_pItem);
        n += dynamic_cast<CButo*>(h) && h->EsVisible();
    }
    return n;
}

} // namespace

TEST(Teclado, EveryMenuScreenIsWalkedAndPressedWithTheKeyboard)
{
    kit::CJuegoPrueba juego("teclado_pantallas");
    ASSERT_TRUE(juego.Iniciado());
    CPerfiles perfiles;
    perfiles.m_iPerfilActual = 0;
    perfiles.CargaRanura(0);
    RegistraPerfilesJuego(&perfiles);
    juego.Pasos(2);
    CMenuMaestro* m = g_pMenuMaestro;
    // The screens that go back to their opener are opened as the menus do.
    m->m_pMenuOpciones->m_pMenuRetorno = m->m_pMenuPrincipal;
    m->m_pMenuCofreTesoro->m_pMenuRetorno = m->m_pMenuPrincipal;
    m->m_pMenuGaleria->m_pMenuRetorno = m->m_pMenuCofreTesoro;
    const struct {
        const char* nombre;
        CMenuObj* pantalla;
    } pantallas[] = {
        {"main menu", static_cast<CMenuObj*>(m->m_pMenuPrincipal)},
        {"options", static_cast<CMenuObj*>(m->m_pMenuOpciones)},
        {"chest", static_cast<CMenuObj*>(m->m_pMenuCofreTesoro)},
        {"piece bags", static_cast<CMenuObj*>(m->m_pMenuBolsasDePiezas)},
        {"characters", static_cast<CMenuObj*>(m->m_pMenuPersonajes)},
        {"gallery", static_cast<CMenuObj*>(m->m_pMenuGaleria)},
        {"seals", static_cast<CMenuObj*>(m->m_pMenuSellos)},
        {"trophies", static_cast<CMenuObj*>(m->m_pMenuTrofeos)},
        {"chapters", static_cast<CMenuObj*>(m->m_pMenuCapitulos)},
        {"avatar chooser", static_cast<CMenuObj*>(m->m_pMenuSeleccionAvatar)},
        {"help", static_cast<CMenuObj*>(m->m_pMenuAyuda)},
    };
    for (const auto& c : pantallas) {
        SCOPED_TRACE(c.nombre);
        ASSERT_NE(c.pantalla, nullptr);
        m->CambiaMenu(c.pantalla);
        ASSERT_TRUE(Quieta(juego, c.pantalla));
        // The arrows bring the focus to a shown button, and move it on.
        std::set<CMenuObj*> vistos;
        for (uint8_t tecla : {uint8_t(TECLA_ABAJO), uint8_t(TECLA_DERECHA), uint8_t(TECLA_ABAJO),
                              uint8_t(TECLA_DERECHA), uint8_t(TECLA_ARRIBA), uint8_t(TECLA_IZQUIERDA)}) {
            juego.Tecla(tecla);
            CMenuObj* f = Enfocado(c.pantalla);
            ASSERT_TRUE(f && dynamic_cast<CButo*>(f) && f->EsVisible())
                << "key " << int(tecla) << " focus " << (f ? f->Nombre() : "none") << "\n" << juego.Widgets();
            vistos.insert(f);
        }
        // Among the buttons of what holds the focus (a box that opened
        // over the screen holds its own).
        CMenuObj* pDueno = Enfocado(c.pantalla)->Padre();
        if (pDueno && Botones(pDueno) > 1) EXPECT_GT(vistos.size(), 1u) << juego.Widgets();
        // Enter presses the focused button.
        auto* b = dynamic_cast<CBotonTazmo*>(Enfocado(c.pantalla));
        if (b && !b->Bloqueado()) {
            kit::PulsaTecla(TECLA_ENTER);
            juego.Paso();
            EXPECT_TRUE(b->Pulsando()) << b->Nombre();
            kit::SueltaTecla(TECLA_ENTER);
            juego.Paso();
        }
        juego.Pasos(40);
    }
    RegistraPerfilesJuego(nullptr);
}
