// The program's start-up over the game's data and its main loop.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "game/Programa.h"
#include "kit/ServeisFitxers.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// The game's data, built for the tests, and a per-user folder of the test's
// own.
class Programa : public testing::Test {
protected:
    void SetUp() override { plat::SetDataRoot(MG_TEST_DATA_ROOT); }
    void TearDown() override { FuerzaFalloInicio(0); }
    // Each test runs as a process of its own, in parallel with the others.
    mgtest::CarpetaUsuariProva m_carpeta{std::string("programa-") +
                                         testing::UnitTest::GetInstance()->current_test_info()->name()};
};

bool Inicia()
{
    return IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                          motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true, ListaFonts);
}

} // namespace

TEST_F(Programa, FailedStartUpExitsNonZeroNamingTheService)
{
    FuerzaFalloInicio(5);
    testing::internal::CaptureStderr();
    int iEstado = EjecutaPrograma();
    std::string err = testing::internal::GetCapturedStderr();
    FuerzaFalloInicio(0);
    EXPECT_NE(iEstado, 0);
    EXPECT_EQ(err, "marrowgate: start-up failed: preferences and window\n");
    EXPECT_EQ(g_pAplicacion, nullptr);
}

TEST_F(Programa, MissingArchiveStopsStartUp)
{
    std::filesystem::path vacia = std::filesystem::path(MG_TEST_TMP) / "sin-archivo";
    std::filesystem::create_directories(vacia);
    plat::SetDataRoot(vacia.string());
    testing::internal::CaptureStderr();
    EXPECT_EQ(EjecutaPrograma(), 1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "marrowgate: start-up failed: data file system\n");
    EXPECT_EQ(g_pSistemaFitxers, nullptr);
}

TEST_F(Programa, StartsInEnglishWhateverThePreferencesHold)
{
    // Preferences saved in Catalan.
    ASSERT_TRUE(Inicia());
    g_pPreferencias->CambiaIdioma(0);
    ASSERT_TRUE(g_pPreferencias->Guarda());
    LiberaSistemas();
    ASSERT_TRUE(IniciaPrograma());
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 2);
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 2);
    EXPECT_STREQ(g_pSistemaFitxers->Idioma(), "EN");
    EXPECT_EQ(g_bLogoDistribuidor, 1);
    EXPECT_EQ(g_bSinBotonIdioma, 1);
    EXPECT_STREQ(g_pAplicacion->Estilo(2)->m_szCapa1, motor::paquete::PANELES);

    // Changing the language at run time keeps it in the preferences.
    g_pAplicacion->CambiaIdioma(1, 'E', 'S');
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 1);
    EXPECT_STREQ(g_pSistemaFitxers->Idioma(), "ES");
    LiberaSistemas();
    ASSERT_TRUE(Inicia());
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 1);
    g_pPreferencias->CambiaIdioma(2);
    g_pPreferencias->Guarda();
    LiberaSistemas();
}

TEST_F(Programa, TheMainLoopRunsAroundItsTopLevelObjectUntilAQuit)
{
    ASSERT_TRUE(IniciaPrograma());
    g_pAplicacion->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
    EXPECT_TRUE(BuclePrincipal());
    EXPECT_EQ(g_pAplicacion->Foco(), nullptr);
    EXPECT_EQ(g_pAplicacion->Objetos().m_iNumElementos, 0);
    EXPECT_TRUE(g_pAplicacion->HiloTerminado());
    LiberaSistemas();
    EXPECT_EQ(g_pAplicacion, nullptr);
}
