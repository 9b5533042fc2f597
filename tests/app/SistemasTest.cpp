#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Teclado.h"
#include "engine/sequences/Secuencia.h"
#include "kit/BucleAplicacion.h"
#include "kit/Entrada.h"
#include "kit/ServeisFitxers.h"
#include "engine/core/Temporizador.h"
#include "platform/Paths.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

namespace {

// The game's data, built for the tests.
// The game's data, built for the tests, and a per-user folder of the test's
// own.
class Sistemas : public testing::Test {
protected:
    void SetUp() override { plat::SetDataRoot(MG_TEST_DATA_ROOT); }
    void TearDown() override { FuerzaFalloInicio(0); }
    // Each test runs as a process of its own, in parallel with the others.
    mgtest::CarpetaUsuariProva m_carpeta{std::string("sistemas-") +
                                         testing::UnitTest::GetInstance()->current_test_info()->name()};
};

bool Inicia()
{
    return IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                          motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true, ListaFonts);
}

} // namespace

TEST_F(Sistemas, StartUpAndShutdown)
{
    FuerzaFalloInicio(0);
    ASSERT_TRUE(Inicia());
    EXPECT_EQ(PasoInicioFallido(), nullptr);
    ASSERT_NE(g_pAplicacion, nullptr);
    EXPECT_TRUE(g_pAplicacion->EstaIniciada());
    EXPECT_TRUE(plat::MainWindowExists());
    EXPECT_NE(g_hVentana, nullptr);
    EXPECT_EQ(plat::IsFullscreen(), g_bVentana == 0);
    EXPECT_NE(g_pSistemaFitxers, nullptr);
    EXPECT_NE(g_pSistemaFitxersUsuari, nullptr);
    EXPECT_NE(g_pPreferencias, nullptr);
    EXPECT_NE(g_pTeclado, nullptr);
    EXPECT_NE(g_pRatones, nullptr);
    EXPECT_NE(g_pMandos, nullptr);
    // The sequence player plays its music slots from the same bank.
    ASSERT_NE(g_pBancoRanuras, nullptr);
    EXPECT_EQ(CSecuencia::BancoRanuras(), g_pBancoRanuras);
    LiberaSistemas();
    EXPECT_EQ(CSecuencia::BancoRanuras(), nullptr);
    EXPECT_EQ(g_pSistemaFitxers, nullptr);
    EXPECT_EQ(g_pSistemaFitxersUsuari, nullptr);
    EXPECT_EQ(g_pGestorComandes, nullptr);
    EXPECT_EQ(g_pPreferencias, nullptr);
    EXPECT_EQ(g_pTeclado, nullptr);
    EXPECT_EQ(g_pRatones, nullptr);
    EXPECT_EQ(g_pMandos, nullptr);
    EXPECT_EQ(g_pAplicacion, nullptr);
    EXPECT_EQ(g_hVentana, nullptr);
    EXPECT_FALSE(plat::MainWindowExists());
}

TEST_F(Sistemas, AFailedStepShutsDownWhatExists)
{
    struct Caso {
        int iPaso;
        const char* szNombre; // null: the step may fail
    } casos[] = {
        {1, nullptr},
        {2, nullptr},
        {3, "data file system"},
        {4, "command files and text tables"},
        {5, "preferences and window"},
        {6, "sound system"},
        {7, "sound and music slots"},
        {8, "sound manager"},
        {9, nullptr},
        {10, "graphics system"},
        {11, "keyboard"},
        {12, "mice"},
        {13, nullptr},
        {14, "sprite package cache"},
        {15, "application core"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.iPaso);
        FuerzaFalloInicio(c.iPaso);
        bool bBien = Inicia();
        FuerzaFalloInicio(0);
        EXPECT_EQ(bBien, c.szNombre == nullptr);
        if (c.szNombre) {
            ASSERT_NE(PasoInicioFallido(), nullptr);
            EXPECT_STREQ(PasoInicioFallido(), c.szNombre);
            EXPECT_EQ(g_pAplicacion, nullptr);
            EXPECT_EQ(g_pSistemaFitxers, nullptr);
            EXPECT_EQ(g_pPreferencias, nullptr);
            EXPECT_EQ(g_pTeclado, nullptr);
            EXPECT_EQ(CSecuencia::BancoRanuras(), nullptr);
            EXPECT_FALSE(plat::MainWindowExists());
        } else {
            LiberaSistemas();
        }
    }
}

TEST_F(Sistemas, ClosingTheWindowPostsOneQuit)
{
    ASSERT_TRUE(Inicia());
    CAplicacion& app = *g_pAplicacion;
    // One click on the close box.
    plat::PushWindowEvent(plat::WindowMessage::Close);
    AtiendeMensajes();
    EXPECT_EQ(app.NumEventos(), 1);
    app.EnviaEvento(0, 0, nullptr, -1);
    EXPECT_TRUE(app.Ciclo());
    EXPECT_EQ(app.NumEventos(), 0);

    // With quitting not allowed the close does nothing.
    LiberaSistemas();
    ASSERT_TRUE(Inicia());
    g_pAplicacion->ProhibeSalir();
    EXPECT_FALSE(CerrarActivo());
    plat::PushWindowEvent(plat::WindowMessage::Close);
    EXPECT_FALSE(g_pAplicacion->Ciclo());
    g_pAplicacion->PermiteSalir();
    EXPECT_TRUE(CerrarActivo());

    // Once the core is gone a close reaches no one.
    CAplicacion* pApp = g_pAplicacion;
    g_pAplicacion = nullptr;
    plat::PushWindowEvent(plat::WindowMessage::Close);
    AtiendeMensajes();
    g_pAplicacion = pApp;
    EXPECT_EQ(pApp->NumEventos(), 0);
    LiberaSistemas();
}

namespace {
// Closes the window in the middle of the display-mode switch.
class CEnlaceCierraEnCambio : public kit::CEnlaceGraficosPrueba {
public:
    void PassaAFullScreen() override
    {
        kit::CEnlaceGraficosPrueba::PassaAFullScreen();
        plat::PushWindowEvent(plat::WindowMessage::Close);
        AtiendeMensajes();
        m_iEventosDuranteCambio = g_pAplicacion->NumEventos();
    }
    int m_iEventosDuranteCambio = -1;
};
} // namespace

TEST_F(Sistemas, DisplayModeSwitchKeepsTheWindowAndPostsNoQuit)
{
    ASSERT_TRUE(Inicia());
    CEnlaceCierraEnCambio enlace;
    g_pAplicacion->AsignaEnlaceGraficos(&enlace);
    void* hAntes = g_hVentana;
    g_pAplicacion->PidePantallaCompleta();
    g_pAplicacion->ProcesaPeticionesModo();
    EXPECT_EQ(enlace.m_iEventosDuranteCambio, 0);
    EXPECT_TRUE(plat::IsFullscreen());
    EXPECT_EQ(g_hVentana, hAntes);
    EXPECT_EQ(plat::MainWindowHandle(), hAntes);
    // The preferences now hold full screen: the next start is full screen.
    EXPECT_TRUE(g_pPreferencias->PantallaCompleta());
    g_pAplicacion->PideVentana();
    g_pAplicacion->ProcesaPeticionesModo();
    EXPECT_FALSE(plat::IsFullscreen());
    EXPECT_EQ(g_bVentana, 1);
    EXPECT_FALSE(g_pPreferencias->PantallaCompleta());
    g_pAplicacion->AsignaEnlaceGraficos(nullptr);
    LiberaSistemas();
}

// Activation messages reach the core at its next pass.
TEST_F(Sistemas, KeysReachTheFocusedObjectAndActivationFlushesThem)
{
    FijaRelojManual(true, 1000);
    ASSERT_TRUE(Inicia());
    CAplicacion& app = *g_pAplicacion;
    kit::CObjetoPrueba obj;
    app.AnadeMenu(&obj);
    auto Paso = [&] {
        AvanzaRelojManual(34);
        app.Ciclo();
    };
    auto Teclas = [&] {
        std::vector<std::string> v;
        for (const std::string& e : obj.m_entradas)
            if (e.rfind("tecla", 0) == 0) v.push_back(e);
        return v;
    };
    Paso();
    kit::TocaTecla(28);
    Paso();
    EXPECT_EQ(Teclas(), std::vector<std::string>{"tecla 28"});

    // A key pressed before the window is activated again is forgotten.
    obj.m_entradas.clear();
    plat::PushWindowEvent(plat::WindowMessage::Deactivate);
    Paso();
    EXPECT_FALSE(app.EstaActiva());
    kit::PulsaTecla(30);
    plat::PushWindowEvent(plat::WindowMessage::Activate);
    Paso();
    Paso();
    EXPECT_TRUE(app.EstaActiva());
    EXPECT_TRUE(Teclas().empty());
    kit::SueltaTecla(30);
    app.QuitaMenu(&obj);
    LiberaSistemas();
    FijaRelojManual(false);
}

TEST_F(Sistemas, BackgroundMusicIsNotRestartedWhenAskedAgain)
{
    ASSERT_TRUE(Inicia());
    CAplicacion& app = *g_pAplicacion;
    ASSERT_TRUE(app.CambiaMusica(motor::pieza::ESTANDAR_A));
    CFlujoOgg* pFlujo = app.FlujoMusica();
    ASSERT_NE(pFlujo, nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1);
    // The same name in other case: the same stream goes on.
    std::string minusculas = motor::pieza::ESTANDAR_A;
    for (char& c : minusculas) c = char(std::tolower(static_cast<unsigned char>(c)));
    app.CambiaMusica(minusculas.c_str());
    EXPECT_EQ(app.FlujoMusica(), pFlujo);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1);
    // A name too long for the field leaves the music as it is.
    std::string largo(300, 'x');
    EXPECT_FALSE(app.CambiaMusica(largo.c_str()));
    EXPECT_EQ(app.FlujoMusica(), pFlujo);
    // Another track replaces it; a missing one leaves no music and no name.
    app.CambiaMusica(motor::pieza::ESTANDAR_B);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1);
    EXPECT_STREQ(app.NombreMusica(), motor::pieza::ESTANDAR_B);
    app.CambiaMusica("QuarnData\\Audio\\Musica\\NoExiste.ogg");
    EXPECT_EQ(app.FlujoMusica(), nullptr);
    EXPECT_STREQ(app.NombreMusica(), "");
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
    app.CambiaMusica(motor::pieza::ESTANDAR_A);
    app.CambiaMusica(nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
    // Shutdown closes a stream left playing.
    app.CambiaMusica(motor::pieza::ESTANDAR_A);
    LiberaSistemas();
}

