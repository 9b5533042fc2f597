// The twelve tutorials played through from the story map as a player plays
// them, with every step updated and drawn and the pointer moved and clicked
// through the platform's input by the kit's scripted player
// (CPartidaPrueba::JuegaTutorial). Each tutorial must be won (result 1, no
// summary) within a bound of steps, with the line maximum that normal
// progress gives at that chapter; the attack lessons run at all four
// difficulties.
#include "game/play/CatalogoNiveles.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/RegistroPerfil.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using kit::CPartidaPrueba;

// Steps of play a tutorial may take: the attack lessons wait for their
// attacks, every other one for the player.
constexpr int kPasosMaximos = 12000;

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
    ASSERT_TRUE(p.EmpiezaTutorial(g)) << p.JuegoPrueba().Widgets();
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(j->m_pTutoriales && j->m_pTutoriales->Activo());
    EXPECT_EQ(j->m_pTutoriales->m_iPaso, CGestorTutoriales::PrimerPaso(g));
    std::vector<int> pasos;
    while (j->Resultado() == RESULTADO_EN_JUEGO && j->m_iPasosJugados < kPasosMaximos) {
        if (pasos.empty() || pasos.back() != j->m_pTutoriales->m_iPaso) pasos.push_back(j->m_pTutoriales->m_iPaso);
        p.JuegaTutorial();
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
