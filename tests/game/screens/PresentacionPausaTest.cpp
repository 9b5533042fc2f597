// The title screen: its marks' and captions' strengths along the timeline,
// with and without the publisher's mark; a held click leaves once (one
// change, and the fade ends); keys never leave; coming back replays it from
// the start. The pause menu under a test parent: Escape continues after the
// press, restart and abandon send their one event before closing, options
// and back return to it, and its buttons make one ring.
#include "engine/app/Aplicacion.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "kit/Entrada.h"
#include "kit/game/JuegoPrueba.h"
#include "platform/Input.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using P = CMenuPresentacion;

bool Quieta(kit::CJuegoPrueba& juego, CMenuObj* p)
{
    for (int i = 0; i < 300; ++i) {
        if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
            !p->EnTransicion())
            return true;
        juego.Paso();
    }
    return false;
}

// A screen of the test that keeps the events its children send.
class CPantallaPadre : public CMenuObj {
public:
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    void EnviaEvento(int iTipo, int, const char*, int) override
    {
        m_eventos.push_back(iTipo);
        // Whether the sender was still attached when its event came.
        m_bVigiladoPresente = m_pVigilado && m_pVigilado->Padre() == this;
    }
    std::vector<int> m_eventos;
    CMenuObj* m_pVigilado = nullptr;
    bool m_bVigiladoPresente = false;
};

} // namespace

TEST(Presentacion, TheMarksAndCaptionsAlongTheTimeline)
{
    struct Caso {
        float t;
        int iDistribuidor;      // the publisher's mark
        int iEstudioCon;        // the maker's, after the publisher's
        int iEstudioSin;        // the maker's, alone
        int iLeyendaCon, iLeyendaSin;
    };
    const Caso casos[] = {
        {0.0f, 0, 0, 0, -1, -1},
        {0.0125f, 127, 0, 63, -1, -1},
        {0.03f, 255, 0, 255, -1, -1},
        {0.0425f, 128, 0, 255, -1, -1},
        {0.045f, 0, 0, 255, -1, -1},
        {0.0525f, 0, 127, 192, -1, -1},
        {0.055f, 0, 255, 128, -1, -1},
        {0.065f, 0, 255, 0, -1, 0},
        {0.0725f, 0, 128, 0, -1, 0},
        {0.075f, 0, 0, 0, -1, 0},
        {0.1f, 0, 0, 0, 0, 0},
        {0.126f, 0, 0, 0, 1, 1},
        {0.43f, 0, 0, 0, 7, 7},
        {0.48f, 0, 0, 0, -1, -1},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(P::AlfaDistribuidor(c.t), c.iDistribuidor) << c.t;
        EXPECT_EQ(P::AlfaEstudio(c.t, true), c.iEstudioCon) << c.t;
        EXPECT_EQ(P::AlfaEstudio(c.t, false), c.iEstudioSin) << c.t;
        EXPECT_EQ(P::LeyendaEn(c.t, true).iIndice, c.iLeyendaCon) << c.t;
        EXPECT_EQ(P::LeyendaEn(c.t, false).iIndice, c.iLeyendaSin) << c.t;
    }
    // A caption swells over its first tenth and fades over its last.
    EXPECT_NEAR(P::LeyendaEn(0.0775f, true).fFuerza, 0.5f, 1e-3f);
    EXPECT_NEAR(P::LeyendaEn(0.1f, true).fFuerza, 1.0f, 1e-3f);
    EXPECT_NEAR(P::LeyendaEn(0.1225f, true).fFuerza, 0.5f, 1e-3f);
    // The seal grows until 0.65; the title flashes white from 0.48 for 0.12;
    // the subtitle comes from 0.5.
    EXPECT_FLOAT_EQ(P::EscalaSello(0.325f), 0.5f);
    EXPECT_FLOAT_EQ(P::EscalaSello(0.9f), 1.0f);
    EXPECT_EQ(P::DestelloTitulo(0.47f), 0);
    EXPECT_EQ(P::DestelloTitulo(0.48f), 255);
    EXPECT_EQ(P::DestelloTitulo(0.54f), 127);
    EXPECT_EQ(P::DestelloTitulo(0.61f), 0);
    EXPECT_FLOAT_EQ(P::FuerzaSubtitulo(0.49f), 0.0f);
    EXPECT_NEAR(P::FuerzaSubtitulo(0.56f), 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(P::FuerzaSubtitulo(0.7f), 1.0f);
}

TEST(Presentacion, AHeldClickLeavesOnceKeysNeverAndComingBackReplays)
{
    kit::CJuegoPrueba juego("presentacion");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    CMenuPresentacion* p = m->m_pMenuPresentacion;
    ASSERT_TRUE(Quieta(juego, p));
    EXPECT_TRUE(p->ConDistribuidor());

    // Keys do not leave.
    for (uint8_t tecla : {uint8_t(TECLA_ENTER), uint8_t(TECLA_ESCAPE), uint8_t(TECLA_ABAJO), uint8_t(57)}) {
        juego.Tecla(tecla);
        EXPECT_EQ(m->m_pMenuActual, p) << int(tecla);
        EXPECT_EQ(m->m_iEstadoTransicion, TRANSICION_NINGUNA) << int(tecla);
    }
    juego.Pasos(200);
    const float t = p->Tiempo();
    EXPECT_GT(t, 0.06f);

    // A click held down: one change, and the fade ends on the profiles.
    juego.MueveRaton(300.0f, 300.0f);
    juego.BotonRaton(true);
    juego.Pasos(80);
    EXPECT_EQ(p->Salidas(), 1);
    juego.BotonRaton(false);
    ASSERT_TRUE(Quieta(juego, m->m_pMenuPerfil));
    EXPECT_EQ(g_pAplicacion->VelocidadFundido(), 0.0f);
    EXPECT_EQ(m->m_pMenuPerfil->Modo(), CMenuPerfil::MODO_ELECCION);

    // The profiles' title button: the presentation from its start.
    ASSERT_TRUE(juego.Pulsa("MENUPERFIL_BUT_Presentacion"));
    ASSERT_TRUE(Quieta(juego, p));
    EXPECT_LT(p->Tiempo(), 0.02f);
    EXPECT_EQ(p->Salidas(), 0);
}

// A quick click, pressed and released between two steps (a touchpad tap),
// leaves the title screen as a held one does; a held click still leaves
// only once.
TEST(Presentacion, AQuickClickBetweenTwoStepsLeaves)
{
    kit::CJuegoPrueba juego("presentacion_toque");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    CMenuPresentacion* p = m->m_pMenuPresentacion;
    ASSERT_TRUE(Quieta(juego, p));
    juego.Pasos(200);
    juego.MueveRaton(300.0f, 300.0f);
    int px = 0, py = 0;
    ASSERT_TRUE(plat::MainFieldToWindow(300.0f, 300.0f, &px, &py));
    kit::BotonRaton(0, true, px, py);
    kit::BotonRaton(0, false, px, py);
    EXPECT_EQ(p->Salidas(), 0);
    juego.Paso();
    EXPECT_EQ(p->Salidas(), 1);
    juego.Pasos(5);
    EXPECT_EQ(p->Salidas(), 1);
    EXPECT_TRUE(Quieta(juego, m->m_pMenuPerfil));
}

TEST(MenuInGame, UnderAParentContinueRestartAbandonAndOptions)
{
    kit::CJuegoPrueba juego("pausa");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    CMenuInGame* pPausa = m->m_pMenuInGame;
    ASSERT_TRUE(pPausa->EstaCreado());
    EXPECT_FALSE(pPausa->EsExclusivo());
    EXPECT_TRUE(pPausa->EsModal());

    // One ring in screen order, both ways.
    const char* const orden[] = {"MENUINGAME_BUT_Continuar", "MENUINGAME_BUT_Reiniciar", "MENUINGAME_BUT_Abandonar",
                                 "MENUINGAME_BUT_Opciones"};
    for (int i = 0; i < CMenuInGame::kNumBotones; ++i) {
        EXPECT_STREQ(pPausa->Boton(i)->Nombre(), orden[i]);
        EXPECT_EQ(pPausa->Boton(i)->Abajo(), pPausa->Boton((i + 1) % 4)) << i;
        EXPECT_EQ(pPausa->Boton(i)->Arriba(), pPausa->Boton((i + 3) % 4)) << i;
    }

    ASSERT_TRUE(Quieta(juego, m->m_pMenuPresentacion));
    CPantallaPadre padre;
    ASSERT_TRUE(padre.Inicia(-1, "Padre", Rectangulo{0, 0, 1024, 768}, -1));
    m->CambiaMenu(&padre);
    ASSERT_TRUE(Quieta(juego, &padre));
    auto Abre = [&] {
        padre.m_eventos.clear();
        padre.AnadeHijo(true, pPausa, false, false);
        for (int i = 0; i < 60 && pPausa->EnTransicion(); ++i) juego.Paso();
        EXPECT_EQ(pPausa->Padre(), &padre);
        EXPECT_EQ(pPausa->HijoEnfocado(), pPausa->Boton(CMenuInGame::ID_CONTINUAR));
    };
    auto Cerrado = [&] {
        for (int i = 0; i < 90 && pPausa->Padre(); ++i) juego.Paso();
        return pPausa->Padre() == nullptr;
    };

    // Escape continues, after the continue button's press.
    Abre();
    juego.Tecla(TECLA_ESCAPE);
    EXPECT_EQ(pPausa->Padre(), &padre);
    EXPECT_TRUE(Cerrado());
    EXPECT_TRUE(padre.m_eventos.empty());

    // Restart and abandon: one event each, sent before the menu closes.
    const std::pair<const char*, int> eventos[] = {{"MENUINGAME_BUT_Reiniciar", EVENTO_REINICIAR_PARTIDA},
                                                   {"MENUINGAME_BUT_Abandonar", EVENTO_ABANDONAR_PARTIDA}};
    for (const auto& [szBoton, iEvento] : eventos) {
        Abre();
        padre.m_pVigilado = pPausa;
        padre.m_bVigiladoPresente = false;
        ASSERT_TRUE(juego.Pulsa(szBoton));
        EXPECT_TRUE(Cerrado()) << szBoton;
        EXPECT_TRUE(padre.m_bVigiladoPresente) << szBoton;
        EXPECT_EQ(padre.m_eventos, std::vector<int>{iEvento}) << szBoton;
        EXPECT_EQ(pPausa->Padre(), nullptr) << szBoton;
    }

    // Options open over it, and back comes back to it.
    Abre();
    ASSERT_TRUE(juego.Pulsa("MENUINGAME_BUT_Opciones"));
    CMenuOpcionesTazmo* o = m->m_pMenuOpciones;
    for (int i = 0; i < 120 && (o->Padre() != pPausa || o->EnTransicion()); ++i) juego.Paso();
    ASSERT_EQ(o->Padre(), pPausa);
    EXPECT_TRUE(o->m_bDesdeJuego);
    ASSERT_TRUE(juego.Pulsa("MENUOPCIONESTAZMO_BUT_Volver"));
    for (int i = 0; i < 120 && o->Padre(); ++i) juego.Paso();
    EXPECT_EQ(o->Padre(), nullptr);
    EXPECT_EQ(pPausa->Padre(), &padre);
    EXPECT_TRUE(padre.m_eventos.empty());
    pPausa->Cierra(false);
    EXPECT_TRUE(Cerrado());
    m->CambiaMenu(m->m_pMenuPresentacion);
    ASSERT_TRUE(Quieta(juego, m->m_pMenuPresentacion));
}
