// The twelve tutorials played through from the story map as a player plays
// them, with every step updated and drawn and the pointer moved and clicked
// through the platform's input: the script turns the pages with the
// tutorial's button, answers the start's hint, plays each line in its
// best-crossing order, traces the seals shard by shard and keeps the pointer
// away from the curses. Each tutorial must be won (result 1, no summary)
// within a bound of steps, with the line maximum that normal progress gives
// at that chapter; the attack lessons run at all four difficulties.
#include "game/play/BolaTablero.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/RegistroPerfil.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using kit::CPartidaPrueba;

// Steps of play a tutorial may take: the attack lessons wait for their
// attacks, every other one for the player.
constexpr int kPasosMaximos = 12000;
// Where the pointer waits while curses fall (they fall at x 150..874).
constexpr float kAparcadoX = 60.0f, kAparcadoY = 384.0f;

std::vector<CBolaTablero*> EnOrden(const CLista* l)
{
    std::vector<CBolaTablero*> v;
    for (NodoLista* n = l ? l->m_pCabeza : nullptr; n; n = n->m_pSiguiente)
        v.push_back(static_cast<CBolaTablero*>(n->m_pItem));
    std::sort(v.begin(), v.end(), [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
    return v;
}

bool PulsaBoton(CPartidaPrueba& p)
{
    CMenuObj* b = p.JuegoPrueba().Busca("GESTORTUTORIALES_BUT_Tutorial");
    for (int i = 0; i < 60 && b && b->EnTransicion(); ++i) p.JuegoPrueba().Paso();
    if (!b || !p.JuegoPrueba().Pulsa("GESTORTUTORIALES_BUT_Tutorial")) return false;
    // The button's press plays out before it answers.
    const CGestorTutoriales* t = p.Juego()->m_pTutoriales;
    const int iPaso = t->m_iPaso, iPagina = t->m_iPagina;
    for (int i = 0; i < 60 && t->m_iPaso == iPaso && t->m_iPagina == iPagina; ++i) p.JuegoPrueba().Paso();
    p.JuegoPrueba().Paso();
    return true;
}

// One move of the script for the step the tutorial is on.
void Juega(CPartidaPrueba& p)
{
    kit::CJuegoPrueba& juego = p.JuegoPrueba();
    CMenuJuego* j = p.Juego();
    CGestorTutoriales* t = j->m_pTutoriales;
    if (p.CierraAviso()) return;
    const PasoTutorial* s = CGestorTutoriales::Paso(t->m_iPaso);
    // The fixed waits of a sealed figure and of the victory run their last
    // few steps only: the script is about the tutorial's steps.
    const int iUmbral = j->Fase() == FASE_ESPERA_FIN ? 120 : j->Fase() == FASE_VICTORIA ? CMenuJuego::kPasosFinal : 0;
    if (iUmbral > 0 && j->m_iPasosFase < iUmbral - 3) j->m_iPasosFase = iUmbral - 3;
    if (!s || j->Fase() >= FASE_VICTORIA) {
        juego.Paso();
        return;
    }
    if (s->tipo == PasoTutorial::PAGINAS) {
        if (!PulsaBoton(p)) juego.Paso();
        return;
    }
    switch (s->meta) {
    case META_LANZADAS_MAS_DE:
    case META_FACTOR_BAJO:
        juego.MueveRaton(kAparcadoX, kAparcadoY);
        juego.Pasos(30);
        return;
    case META_PRIMERA:
        if (s->tipo == PasoTutorial::SELLO) {
            if (j->Fase() == FASE_TRAZADO)
                p.TrazaSello();
            else
                juego.Paso();
            return;
        }
        [[fallthrough]];
    case META_LINEA_MINIMO: {
        // The figure's own order is its best line.
        if (j->Fase() != FASE_DIAMANTES || !p.EsperaTableroQuieto(300)) {
            juego.Paso();
            return;
        }
        std::vector<CBolaTablero*> v = EnOrden(j->ListaActual());
        if (v.size() > size_t(j->m_iMaximoLinea)) v.resize(size_t(j->m_iMaximoLinea));
        for (CBolaTablero* b : v) p.PulsaPieza(b);
        juego.Pasos(10);
        return;
    }
    default:
        if (j->Fase() != FASE_DIAMANTES || p.JuegaLinea() < 0) juego.Paso();
        return;
    }
}

class Tutoriales : public testing::TestWithParam<std::tuple<int, int>> {};

std::string NombreCaso(const testing::TestParamInfo<std::tuple<int, int>>& i)
{
    return "Capitulo" + std::to_string(std::get<0>(i.param)) + "Dificultad" + std::to_string(std::get<1>(i.param));
}

} // namespace

TEST_P(Tutoriales, TheTutorialIsWonByTheScript)
{
    const auto [g, d] = GetParam();
    CPartidaPrueba p("tutorial_" + std::to_string(g) + "_" + std::to_string(d), d);
    ASSERT_TRUE(p.Iniciado());
    // The line maximum that the stages before this one give.
    p.Perfil().Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA] = LineaMaximaAlLlegar(g, 0);
    ASSERT_TRUE(p.EmpiezaEtapaDirecta(g, 0, FASE_DIAMANTES)) << p.JuegoPrueba().Widgets();
    CMenuJuego* j = p.Juego();
    // The hint's box is attached once the play screen has opened.
    for (int i = 0; i < 200 && j->m_bHintMostrado; ++i)
        if (!p.CierraAviso()) p.JuegoPrueba().Paso();
    for (int i = 0; i < 120 && p.Juego()->EnTransicion(); ++i) p.JuegoPrueba().Paso();
    ASSERT_TRUE(j->m_pTutoriales && j->m_pTutoriales->Activo());
    EXPECT_EQ(j->m_pTutoriales->m_iPaso, CGestorTutoriales::PrimerPaso(g));
    std::vector<int> pasos;
    while (j->Resultado() == RESULTADO_EN_JUEGO && j->m_iPasosJugados < kPasosMaximos) {
        if (pasos.empty() || pasos.back() != j->m_pTutoriales->m_iPaso) pasos.push_back(j->m_pTutoriales->m_iPaso);
        Juega(p);
    }
    std::string traza;
    for (int s : pasos) traza += std::to_string(s) + " ";
    ASSERT_EQ(j->Resultado(), RESULTADO_VICTORIA) << "steps " << traza << "phase " << j->Fase();
    EXPECT_EQ(pasos.front(), CGestorTutoriales::TablaCadenas[size_t(g)].iPrimero);
    EXPECT_EQ(pasos.back(), CGestorTutoriales::TablaCadenas[size_t(g)].iFinal);
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);  // no summary
}

INSTANTIATE_TEST_SUITE_P(Historia, Tutoriales,
                         testing::Values(std::tuple{0, 0}, std::tuple{1, 0}, std::tuple{2, 0}, std::tuple{3, 0},
                                         std::tuple{5, 0}, std::tuple{6, 0}, std::tuple{7, 0}, std::tuple{9, 0},
                                         std::tuple{11, 0}),
                         NombreCaso);

// The lessons about curses wait for their attacks, which each difficulty's
// level file gives: they run at all four.
INSTANTIATE_TEST_SUITE_P(Ataques, Tutoriales,
                         testing::Combine(testing::Values(4, 8, 10), testing::Values(0, 1, 2, 3)), NombreCaso);
