// The program's start-up over the game's data and its main loop.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "game/Programa.h"
#include "kit/ServeisFitxers.h"
#include "engine/graphics/Sistema2D.h"
#include "platform/Paths.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

// The game's data, built for the tests, and a per-user folder of the test's
// own.
class Programa : public testing::Test {
protected:
    void SetUp() override { plat::SetDataRoot(MG_TEST_DATA_ROOT); }
    void TearDown() override
    {
        FuerzaFalloInicio(0);
        FuerzaCierreInicio(0);
    }
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
    // The line says where the data was looked for.
    EXPECT_EQ(err, std::string("marrowgate: start-up failed: data file system: ") + motor::fichero::ARCHIVO + " and " +
                       motor::fichero::INDICE_ARCHIVO + " not found; looked in " + vacia.string() + "\n");
    EXPECT_EQ(g_pSistemaFitxers, nullptr);
}

// Copies of the built archive cut at several lengths: each start runs whole
// (and ends at the close) or fails with status 1 and one line naming the
// archive; never a start that runs with files missing.
TEST_F(Programa, ACutArchiveRunsWholeOrFailsNamingIt)
{
    namespace fs = std::filesystem;
    const fs::path origen(MG_TEST_DATA_ROOT);
    const auto mida = static_cast<long long>(fs::file_size(origen / motor::fichero::ARCHIVO));
    ASSERT_GT(mida, 1000000);
    struct Cas {
        long long llargada;
        bool sencer;
    } casos[] = {{0, false}, {400, false}, {1000000, false}, {mida / 2, false}, {mida - 1, false}, {mida, true}};
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.llargada);
        const fs::path carpeta = fs::path(MG_TEST_TMP) / ("archivo-cortado-" + std::to_string(c.llargada));
        fs::remove_all(carpeta);
        fs::create_directories(carpeta);
        fs::copy_file(origen / motor::fichero::INDICE_ARCHIVO, carpeta / motor::fichero::INDICE_ARCHIVO);
        fs::copy_file(origen / motor::fichero::ARCHIVO, carpeta / motor::fichero::ARCHIVO);
        fs::resize_file(carpeta / motor::fichero::ARCHIVO, static_cast<uintmax_t>(c.llargada));
        plat::SetDataRoot(carpeta.string());
        // The window is closed as soon as the core exists: a start that
        // runs ends there.
        FuerzaCierreInicio(15);
        testing::internal::CaptureStderr();
        const int iEstado = EjecutaPrograma();
        const std::string err = testing::internal::GetCapturedStderr();
        FuerzaCierreInicio(0);
        if (c.sencer) {
            EXPECT_EQ(iEstado, 0);
            EXPECT_EQ(err.find("start-up failed"), std::string::npos) << err;
        } else {
            EXPECT_EQ(iEstado, 1);
            const std::string linea =
                std::string("marrowgate: start-up failed: data file system: ") + motor::fichero::ARCHIVO + " is damaged";
            EXPECT_EQ(err.rfind(linea, 0), 0u) << err;
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
        EXPECT_EQ(g_pAplicacion, nullptr);
        EXPECT_EQ(g_pSistemaFitxers, nullptr);
        fs::remove_all(carpeta);
    }
}

// A close of the window at any moment of start-up ends the program with
// status 0 as soon as start-up can stop, releasing what had started; a
// close once the core exists ends the first pass of the loop.
TEST_F(Programa, AWindowClosedDuringStartUpEndsTheProgram)
{
    // From the step that makes the window to the application core.
    for (int iPaso = 5; iPaso <= 15; ++iPaso) {
        SCOPED_TRACE(iPaso);
        FuerzaCierreInicio(iPaso);
        testing::internal::CaptureStderr();
        const int iEstado = EjecutaPrograma();
        const std::string err = testing::internal::GetCapturedStderr();
        FuerzaCierreInicio(0);
        EXPECT_EQ(iEstado, 0);
        EXPECT_EQ(err.find("start-up failed"), std::string::npos) << err;
        EXPECT_EQ(CerradoDuranteInicio(), iPaso < 15);
        EXPECT_EQ(g_pAplicacion, nullptr);
        EXPECT_EQ(g_pPreferencias, nullptr);
        EXPECT_EQ(g_pSistema2D, nullptr);
        EXPECT_FALSE(plat::MainWindowExists());
    }
}

// The game offers its three languages: it starts in the one the player
// chose (kept in the preferences), in English while none was ever chosen,
// and the options screen carries its language button.
TEST_F(Programa, StartsInTheLanguageThePreferencesHold)
{
    struct Caso {
        int guardado;    // IDIOMA in the file; -2 for no file at all
        int tabla;       // the text table selected at start
        const char* codigo;
    };
    const Caso casos[] = {{-2, 2, "EN"}, {-1, 2, "EN"}, {0, 0, "CA"}, {1, 1, "ES"}, {2, 2, "EN"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.guardado);
        std::filesystem::remove(m_carpeta.Carpeta() / "Preferencias.PRF");
        if (c.guardado != -2) {
            ASSERT_TRUE(Inicia());
            g_pPreferencias->CambiaIdioma(c.guardado);
            ASSERT_TRUE(g_pPreferencias->Guarda());
            LiberaSistemas();
        }
        ASSERT_TRUE(IniciaPrograma());
        EXPECT_EQ(g_pPreferencias->m_iIdioma, c.guardado == -2 ? -1 : c.guardado);
        EXPECT_EQ(g_GestorFLIs.IdiomaActual(), c.tabla);
        EXPECT_STREQ(g_pSistemaFitxers->Idioma(), c.codigo);
        EXPECT_EQ(g_bLogoDistribuidor, 1);
        EXPECT_EQ(g_bSinBotonIdioma, 0);
        EXPECT_STREQ(g_pAplicacion->Estilo(2)->m_szCapa1, motor::paquete::PANELES);
        LiberaSistemas();
    }

    // Changing the language at run time keeps it in the preferences, and the
    // next start is in it.
    ASSERT_TRUE(IniciaPrograma());
    g_pAplicacion->CambiaIdioma(1, 'E', 'S');
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 1);
    EXPECT_STREQ(g_pSistemaFitxers->Idioma(), "ES");
    LiberaSistemas();
    ASSERT_TRUE(IniciaPrograma());
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 1);
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 1);
    EXPECT_STREQ(g_pSistemaFitxers->Idioma(), "ES");
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
