// Writes that must reach the disk: flush and close report every failure.
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

TEST(EscripturaDuradera, SyncAndCloseReportSuccess)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    const auto carpeta = mgtest::CarpetaNova("escriptura_duradera");
    const std::string ruta = (carpeta / "a.txt").string();
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura(ruta.c_str());
    ASSERT_TRUE(f);
    g_pGestorComandes->EscriuNomComanda(f, "A");
    g_pGestorComandes->EscriuEnter(f, 1);
    EXPECT_TRUE(g_pGestorComandes->EscriuComanda(f));
    EXPECT_TRUE(g_pGestorComandes->Sincronitza(f));
    EXPECT_TRUE(g_pGestorComandes->Tanca(f));
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta), "A = 1;\n");
    // Closing what is not open is a failure, not a crash.
    EXPECT_FALSE(g_pGestorComandes->Tanca(nullptr));

    FitxerComandes* l = g_pGestorComandes->ObreLectura(ruta.c_str());
    ASSERT_TRUE(l);
    EXPECT_FALSE(g_pGestorComandes->Sincronitza(l));
    EXPECT_TRUE(g_pGestorComandes->Tanca(l));
    EXPECT_FALSE(g_pGestorComandes->Sincronitza(nullptr));
}

TEST(EscripturaDuradera, FullDeviceFailsAtSyncAndClose)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura("/dev/full");
    if (!f) GTEST_SKIP() << "no /dev/full";
    g_pGestorComandes->EscriuNomComanda(f, "A");
    g_pGestorComandes->EscriuText(f, "buffered, so the write itself seems to succeed");
    g_pGestorComandes->EscriuComanda(f);
    EXPECT_FALSE(g_pGestorComandes->Sincronitza(f));
    EXPECT_FALSE(g_pGestorComandes->Tanca(f));
}
