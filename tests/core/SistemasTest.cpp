#include "engine/core/Aplicacion.h"
#include "engine/core/Sistemas.h"
#include "game/Programa.h"
#include "kit/BucleAplicacion.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Inicia()
{
    return IniciaSistemas("Data\\Graficos\\Ingame\\CursorIngame.SPM", "Data\\Audio\\ConfigMusica.CRM",
                          "Data\\Audio\\ConfigSonido.CRS", "CompactData.CMP", "CompactData.IND", "Kestrune",
                          "Marrowgate", true, ListaFonts);
}

} // namespace

TEST(Sistemas, StartUpAndShutdown)
{
    FuerzaFalloInicio(0);
    ASSERT_TRUE(Inicia());
    EXPECT_EQ(PasoInicioFallido(), nullptr);
    ASSERT_NE(g_pAplicacion, nullptr);
    EXPECT_TRUE(g_pAplicacion->EstaIniciada());
    EXPECT_TRUE(plat::MainWindowExists());
    EXPECT_NE(g_hVentana, nullptr);
    EXPECT_EQ(plat::IsFullscreen(), g_bVentana == 0);
    LiberaSistemas();
    EXPECT_EQ(g_pAplicacion, nullptr);
    EXPECT_EQ(g_hVentana, nullptr);
    EXPECT_FALSE(plat::MainWindowExists());
}

TEST(Sistemas, AFailedStepShutsDownWhatExists)
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
            EXPECT_FALSE(plat::MainWindowExists());
        } else {
            LiberaSistemas();
        }
    }
}

TEST(Sistemas, FailedStartUpExitsNonZeroNamingTheService)
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

TEST(Sistemas, ClosingTheWindowPostsOneQuit)
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

TEST(Sistemas, ActivationMessagesReachTheCoreAtTheNextPass)
{
    ASSERT_TRUE(Inicia());
    CAplicacion& app = *g_pAplicacion;
    plat::PushWindowEvent(plat::WindowMessage::Deactivate);
    app.Ciclo();
    EXPECT_FALSE(app.EstaActiva());
    plat::PushWindowEvent(plat::WindowMessage::Activate);
    app.Ciclo();
    EXPECT_TRUE(app.EstaActiva());
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

TEST(Sistemas, DisplayModeSwitchKeepsTheWindowAndPostsNoQuit)
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
    g_pAplicacion->PideVentana();
    g_pAplicacion->ProcesaPeticionesModo();
    EXPECT_FALSE(plat::IsFullscreen());
    EXPECT_EQ(g_bVentana, 1);
    g_pAplicacion->AsignaEnlaceGraficos(nullptr);
    LiberaSistemas();
}
