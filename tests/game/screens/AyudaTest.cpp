// The help panels: their opening and closing (zoom, backdrop and alpha),
// paging that wraps round, the two help pages, and the animated panel as the
// tutorial manager and the play screen meet it: closing it ends a page step
// of the tutorial, and over play it hands back the music, the in-game
// pointer and the play itself.
#include "engine/app/Aplicacion.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/screens/MenuAyuda.h"
#include "game/screens/MenuAyudaAnimado.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

namespace {

using kit::CPartidaPrueba;

void EsperaQuieto(kit::CJuegoPrueba& juego, CMenuObj* pPanel)
{
    for (int i = 0; i < 60 && pPanel->EnTransicion(); ++i) juego.Paso();
    juego.Pasos(3);
}

// Presses a panel's button and steps until its press has played out and
// reached the panel (the page changed, or the panel left its parent).
template <class Panel>
bool PulsaEnPanel(kit::CJuegoPrueba& juego, Panel* pPanel, const char* szNombre)
{
    const int iPagina = pPanel->m_iPagina;
    CMenuObj* pPadre = pPanel->Padre();
    if (!juego.Pulsa(szNombre)) return false;
    for (int i = 0; i < 60 && pPanel->m_iPagina == iPagina && pPanel->Padre() == pPadre; ++i) juego.Paso();
    return true;
}

} // namespace

// Steps 1, 8 and 15 of the opening and of the closing: the zoom grows from
// 0.7 by 0.02, the backdrop slides down from -384 by 51.2 and the alpha
// follows the counter; closing runs the other way.
TEST(MenuAyuda, OpensAndClosesOverFifteenSteps)
{
    const struct {
        int paso;
        float zoom, fondo;
        int alfa;
    } apertura[] = {{1, 0.72f, -332.8f, 17}, {8, 0.86f, 25.6f, 136}, {15, 1.0f, 384.0f, 255}},
      cierre[] = {{1, 0.98f, 332.8f, 238}, {8, 0.84f, -25.6f, 119}, {15, 0.7f, -384.0f, 0}};
    AperturaAyuda a;
    a.Abre();
    EXPECT_TRUE(a.EnCurso());
    int k = 0;
    for (const auto& c : apertura) {
        while (k < c.paso) a.Paso(), ++k;
        EXPECT_NEAR(a.fZoom, c.zoom, 1e-4f) << c.paso;
        EXPECT_NEAR(a.fFondoY, c.fondo, 1e-3f) << c.paso;
        EXPECT_EQ(a.ucAlfa, c.alfa) << c.paso;
    }
    EXPECT_FALSE(a.EnCurso());
    a.Paso();  // at rest nothing moves
    EXPECT_NEAR(a.fZoom, 1.0f, 1e-4f);
    a.Cierra();
    k = 0;
    for (const auto& c : cierre) {
        while (k < c.paso) a.Paso(), ++k;
        EXPECT_NEAR(a.fZoom, c.zoom, 1e-4f) << c.paso;
        EXPECT_NEAR(a.fFondoY, c.fondo, 1e-3f) << c.paso;
        EXPECT_EQ(a.ucAlfa, c.alfa) << c.paso;
    }
    EXPECT_FALSE(a.EnCurso());
}

// Paging wraps round both ways; with no pages, or from a page outside
// them, it stays put (never a wrap by 0).
TEST(MenuAyuda, PagingWrapsAndGuardsItsCount)
{
    const int casos[][4] = {
        // page, count, step, result
        {0, 2, 1, 1}, {1, 2, 1, 0}, {0, 2, -1, 1}, {0, 7, -1, 6}, {6, 7, 1, 0}, {3, 7, 1, 4},
        {0, 0, 1, 0}, {0, 0, -1, 0}, {9, 7, 1, 9}, {-1, 7, -1, -1},
    };
    for (const auto& c : casos) EXPECT_EQ(ayuda::PaginaVecina(c[0], c[1], c[2]), c[3]) << c[0] << " of " << c[1];
    EXPECT_EQ(CMenuAyuda::CodigoPagina(0), CodigoFLI(juego::texto::HLP0));
    EXPECT_EQ(CMenuAyuda::CodigoPagina(1), CodigoFLI(juego::texto::HLP1));
    EXPECT_EQ(CMenuAyudaAnimado::AlfaDestello(0, 255), 255);
    EXPECT_EQ(CMenuAyudaAnimado::AlfaDestello(15, 200), 100);
    EXPECT_EQ(CMenuAyudaAnimado::AlfaDestello(30, 255), 0);
}

// Over a play screen: the help panel turns its two pages both ways and
// closes with back; the animated panel, paused play under it, pages through
// its seven sequences round and round, ignores pages outside its count,
// and when it is closed the play screen has its music, its own pointer and
// its play again.
TEST(MenuAyuda, BothPanelsOverThePlayScreen)
{
    CPartidaPrueba p("ayuda_juego");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapaDirecta(0, 1));
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    kit::CJuegoPrueba& juego = p.JuegoPrueba();
    CMenuJuego* j = p.Juego();

    CMenuAyuda* a = g_pMenuMaestro->m_pMenuAyuda;
    ASSERT_TRUE(a && a->EstaCreado());
    j->AnadeHijo(true, a, false, false);
    EsperaQuieto(juego, a);
    EXPECT_EQ(a->m_Apertura.ucAlfa, 255);
    EXPECT_EQ(a->m_iPagina, 0);
    ASSERT_TRUE(PulsaEnPanel(juego, a, "MENUAYUDA_BUT_AvPag")) << juego.Widgets();
    EXPECT_EQ(a->m_iPagina, 1);
    ASSERT_TRUE(PulsaEnPanel(juego, a, "MENUAYUDA_BUT_AvPag"));
    EXPECT_EQ(a->m_iPagina, 0);
    ASSERT_TRUE(PulsaEnPanel(juego, a, "MENUAYUDA_BUT_RePag"));
    EXPECT_EQ(a->m_iPagina, 1);
    ASSERT_TRUE(PulsaEnPanel(juego, a, "MENUAYUDA_BUT_Volver"));
    EsperaQuieto(juego, a);
    EXPECT_NE(a->Padre(), j);

    CMenuAyudaAnimado* m = g_pMenuMaestro->m_pMenuAyudaAnimado;
    ASSERT_NE(m, nullptr);
    ASSERT_TRUE(m->Crea());
    EXPECT_EQ(m->m_iNumPaginas, CMenuAyudaAnimado::kNumPaginasJuego);
    // Paused play under the panel, as its opener leaves it.
    j->m_bPausado = true;
    g_pAplicacion->PonDibujaCursores(true);
    if (g_pGestorSonido) g_pGestorSonido->TocaRanuraMusica(juego::musica::RAN_MENUS, "CANAL_MUSICA_ODL", -1);
    j->AnadeHijo(true, m, false, false);
    EsperaQuieto(juego, m);
    EXPECT_TRUE(m->m_Secuencia.EstaCargada());
    const int iCrono = m->m_Secuencia.Crono();
    juego.Pasos(10);
    EXPECT_GT(m->m_Secuencia.Crono(), iCrono);
    for (int i = 1; i <= CMenuAyudaAnimado::kNumPaginasJuego; ++i) {
        ASSERT_TRUE(PulsaEnPanel(juego, m, "MENUAYUDAANIMADO_BUT_AvPag")) << juego.Widgets();
        EXPECT_EQ(m->m_iPagina, i % CMenuAyudaAnimado::kNumPaginasJuego);
        EXPECT_LT(m->m_iPasos, 3);
        EXPECT_TRUE(m->m_Secuencia.EstaCargada()) << i;
    }
    ASSERT_TRUE(PulsaEnPanel(juego, m, "MENUAYUDAANIMADO_BUT_RePag"));
    EXPECT_EQ(m->m_iPagina, CMenuAyudaAnimado::kNumPaginasJuego - 1);
    EXPECT_EQ(m->m_aPaginas[6].iCodigo, CodigoFLI(juego::texto::HL06));
    m->IniciaPagina(CMenuAyudaAnimado::kNumPaginasJuego);
    m->IniciaPagina(-1);
    EXPECT_EQ(m->m_iPagina, CMenuAyudaAnimado::kNumPaginasJuego - 1);
    EXPECT_TRUE(j->Pausado());

    ASSERT_TRUE(PulsaEnPanel(juego, m, "MENUAYUDAANIMADO_BUT_Volver"));
    EsperaQuieto(juego, m);
    EXPECT_FALSE(j->Pausado());
    EXPECT_FALSE(juego.DibujaPuntero());
    EXPECT_EQ(juego.MusicaCanal("CANAL_MUSICA_ODL"), j->Nivel().RANURAMUSICA);
    const int iTiempo = j->TiempoUsado();
    juego.Pasos(5);
    EXPECT_GT(j->TiempoUsado(), iTiempo);

    // Built without pages, paging does nothing.
    m->PonPaginas(nullptr, 0);
    m->EnviaEvento(EVENTO_PULSADO, 0, nullptr, ayuda::ID_SIGUIENTE);
    m->EnviaEvento(EVENTO_PULSADO, 0, nullptr, ayuda::ID_ANTERIOR);
    EXPECT_EQ(m->m_iPagina, 0);
}

// Over the tutorial manager: closing the animated panel completes a page
// step that allows it, and nothing at a step of play.
TEST(MenuAyuda, ClosingTheAnimatedPanelEndsATutorialsPageStep)
{
    CPartidaPrueba p("ayuda_tutorial");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(p.EmpiezaEtapaDirecta(1, 0, FASE_DIAMANTES));
    kit::CJuegoPrueba& juego = p.JuegoPrueba();
    CGestorTutoriales* g = p.Juego()->m_pTutoriales;
    ASSERT_EQ(g->m_iPaso, 23);
    CMenuAyudaAnimado* m = g_pMenuMaestro->m_pMenuAyudaAnimado;
    ASSERT_TRUE(m->Crea());

    g->AnadeHijo(true, m, false, false);
    EsperaQuieto(juego, m);
    EXPECT_EQ(m->Padre(), g);
    // Its back button's press, as the panel takes it.
    m->EnviaEvento(EVENTO_PULSADO, 0, nullptr, ayuda::ID_VOLVER);
    juego.Pasos(2);
    EXPECT_EQ(g->m_iPaso, 24);
    EsperaQuieto(juego, m);

    g->AnadeHijo(true, m, false, false);
    EsperaQuieto(juego, m);
    m->EnviaEvento(EVENTO_PULSADO, 0, nullptr, ayuda::ID_VOLVER);
    EsperaQuieto(juego, m);
    EXPECT_EQ(g->m_iPaso, 24);
}
