// Presses on the board as a player makes them: right after the pause menu's
// Continue, right after a line, and under a curse that moves the pointer.
#include "game/play/BolaTablero.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>


namespace {

using kit::CPartidaPrueba;

// A free piece to press (null when none).
CBolaTablero* PiezaLibre(CPartidaPrueba& p)
{
    for (CBolaTablero* b : p.Piezas())
        if (b->PuedeCogerse()) return b;
    return nullptr;
}

} // namespace

// Continue in the pause menu: its press is a short one, and once the menu
// has been asked to leave the next press on the board takes its piece (the
// menu's closing is its own).
TEST(Pulsaciones, TheBoardAnswersAsSoonAsThePauseMenuIsLeft)
{
    CPartidaPrueba p("continuar");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    ASSERT_TRUE(p.EsperaTableroQuieto(300));
    ASSERT_TRUE(p.Pulsa("MENUJUEGOFINAL_BUT_Pausa"));
    CMenuObj* pPausa = g_pMenuMaestro->m_pMenuInGame;
    for (int i = 0; i < 120 && (!j->Pausado() || pPausa->EnTransicion()); ++i) p.JuegoPrueba().Paso();
    ASSERT_TRUE(j->Pausado());
    // The press (over two steps) plays its short answer, and play resumes.
    ASSERT_TRUE(p.JuegoPrueba().Pulsa("MENUINGAME_BUT_Continuar"));
    int iPasos = 0;
    for (; iPasos < 90 && j->Pausado(); ++iPasos) p.JuegoPrueba().Paso();
    ASSERT_FALSE(j->Pausado());
    EXPECT_LE(iPasos, 8);
    CBolaTablero* b = PiezaLibre(p);
    ASSERT_NE(b, nullptr);
    p.PulsaPieza(b);
    EXPECT_EQ(j->NumJugadas(), 1);
    EXPECT_TRUE(b->EstaCogida() || !b->PuedeCogerse());
}

// A press made while the last line settles (its last piece still being
// taken, then its pieces leaving) is kept and answers once it has settled.
TEST(Pulsaciones, APressWhileTheLastLineSettlesIsNotLost)
{
    CPartidaPrueba p("tras_linea");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    j->m_iObjetivo = 100000;
    ASSERT_GE(p.JuegaLinea(), 0);
    ASSERT_TRUE(j->m_bLineaCompleta || j->m_bPiezaSaliendo);
    CBolaTablero* b = nullptr;
    for (CBolaTablero* c : p.Piezas())
        if (c->PuedeCogerse() && c->Color() != j->ColorSeleccionado()) b = c;
    ASSERT_NE(b, nullptr);
    p.PulsaPieza(b);
    for (int i = 0; i < 90 && j->NumJugadas() != 1; ++i) p.JuegoPrueba().Paso();
    EXPECT_EQ(j->NumJugadas(), 1);
    EXPECT_EQ(j->ColorSeleccionado(), b->Color());
}

// An inverted pointer under a pointer that reports where the player's hand
// is (a scripted pointer, a tablet, a system that ignores the game's moves):
// it mirrors the hand's movement and stays in the field, and once the curse
// is over the pause button answers.
TEST(Pulsaciones, AnInvertedPointerStaysInTheFieldAndThePauseAnswers)
{
    CPartidaPrueba p("invertido");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    ASSERT_TRUE(j->m_pEstadosCursor);
    int iTipo = -1;
    for (int k = 1; k <= 11 && iTipo < 0; ++k)
        if (CHerramientaEstadosCursor::TablaMaldiciones(k).iEstado == CURSOR_INVERTIDO) iTipo = k;
    ASSERT_GT(iTipo, 0);
    p.JuegoPrueba().MueveRaton(512.0f, 384.0f);
    j->m_pEstadosCursor->AplicaMaldicion(iTipo);
    for (int i = 0; i < 12; ++i) p.JuegoPrueba().MueveRaton(512.0f, 384.0f);
    float x0 = 0.0f, y0 = 0.0f;
    ASSERT_TRUE(p.JuegoPrueba().Puntero(&x0, &y0));
    for (int i = 1; i <= 30; ++i) {
        p.JuegoPrueba().MueveRaton(512.0f + 5.0f * static_cast<float>(i), 384.0f + 2.0f * static_cast<float>(i));
        float x = 0.0f, y = 0.0f;
        ASSERT_TRUE(p.JuegoPrueba().Puntero(&x, &y));
        EXPECT_NEAR(x, x0 - 5.0f * static_cast<float>(i), 12.0f) << "step " << i;
        EXPECT_NEAR(y, y0 - 2.0f * static_cast<float>(i), 12.0f) << "step " << i;
    }
    for (int i = 0; i < 600 && j->m_pEstadosCursor->AlgunEstadoActivo(); ++i) p.JuegoPrueba().Paso();
    ASSERT_FALSE(j->m_pEstadosCursor->AlgunEstadoActivo());
    ASSERT_TRUE(p.Pulsa("MENUJUEGOFINAL_BUT_Pausa"));
    for (int i = 0; i < 60 && !j->Pausado(); ++i) p.JuegoPrueba().Paso();
    EXPECT_TRUE(j->Pausado());
}
