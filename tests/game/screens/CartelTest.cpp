// The game's loading sign: it fades in and out over 5 calls and turns once
// every 60; shown by the core's loading-sign thread during a stall, it
// fades out over 5 of the loop's steps when the stall ends rather than
// vanishing; without a capture of the screen it darkens the field with flat
// black at alpha 200.
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "game/screens/widgets/CartelCargando.h"
#include "kit/BucleAplicacion.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using kit::CBuclePrueba;
using kit::CEnlaceGraficosPrueba;
using kit::EsperaHasta;

namespace {

constexpr int kPlazoMs = 20000;

class CartelGL : public uitest::EntornoGrafico {};

// Moves the manual clock so that the loop has not run for ms.
void ParaDurante(CAplicacion& app, int ms)
{
    float fUltima = std::max(app.UltimoFrame(), app.UltimaPasada());
    int iObjetivo = static_cast<int>(std::floor(fUltima + static_cast<float>(ms)));
    if (iObjetivo > TiempoReal()) AvanzaRelojManual(iObjetivo - TiempoReal());
}

} // namespace

TEST(CartelCargando, FadesOverFiveCallsAndTurnsOnceEverySixty)
{
    CCartelCargando cartel;
    ASSERT_TRUE(cartel.Inicia());
    cartel.Activa();
    for (int i = 1; i <= 6; ++i) {
        cartel.Actualiza();
        EXPECT_NEAR(cartel.Alfa(), std::min(1.0f, 0.2f * float(i)), 1e-5f) << i;
    }
    cartel.Desactiva();
    for (int i = 1; i <= 5; ++i) {
        cartel.Actualiza();
        EXPECT_NEAR(cartel.Alfa(), std::max(0.0f, 1.0f - 0.2f * float(i)), 1e-5f) << i;
    }
    cartel.Actualiza();
    EXPECT_EQ(cartel.Alfa(), 0.0f);
    // 12 calls so far; 49 more make 61: a whole turn and one call.
    EXPECT_NEAR(cartel.Giro(), 12 / 60.0f, 1e-4f);
    for (int i = 0; i < 49; ++i) cartel.Actualiza();
    EXPECT_NEAR(cartel.Giro(), 1 / 60.0f, 1e-3f);
}

TEST(CartelCargando, AStallEndingJustAfterItShowedFadesOutOverFiveSteps)
{
    CEnlaceGraficosPrueba enlace;
    CCartelCargando cartel; // outlives the core and its thread
    ASSERT_TRUE(cartel.Inicia());
    CBuclePrueba bucle(&enlace);
    bucle.App().AsignaCartelCargando(&cartel);
    bucle.App().AsignaUmbralCarga(200.0f);
    bucle.Pasos(3);
    EXPECT_EQ(cartel.Alfa(), 0.0f);

    // The loop stalls: the thread shows the sign and takes a step of its own
    // whenever one is due, each an update and a frame.
    ParaDurante(bucle.App(), 201);
    ASSERT_TRUE(EsperaHasta([&] { return cartel.EstaActivo() && enlace.m_iFlipasHilo.load() >= 1; }, kPlazoMs));
    for (int i = 2; i <= 6; ++i) {
        AvanzaRelojManual(34);
        ASSERT_TRUE(EsperaHasta([&] { return enlace.m_iFlipasHilo.load() >= i; }, kPlazoMs)) << i;
    }
    EXPECT_EQ(cartel.Alfa(), 1.0f);

    // The loop runs again: the thread switches the sign off, and the loop's
    // own steps fade it out.
    bucle.Paso();
    ASSERT_TRUE(EsperaHasta([&] { return !cartel.EstaActivo(); }, kPlazoMs));
    float fAntes = cartel.Alfa();
    EXPECT_GT(fAntes, 0.7f);
    int n = 0;
    while (cartel.Alfa() > 0.0f && n < 10) {
        bucle.Paso();
        ++n;
        EXPECT_NEAR(cartel.Alfa(), std::max(0.0f, fAntes - 0.2f), 1e-4f) << n;
        fAntes = cartel.Alfa();
    }
    EXPECT_GE(n, 4);
    EXPECT_LE(n, 5);
    bucle.App().AsignaCartelCargando(nullptr);
}

TEST_F(CartelGL, WithoutACaptureTheFieldDarkensWithFlatBlack)
{
    CCartelCargando cartel;
    ASSERT_TRUE(cartel.Inicia());
    cartel.CargaRecursos();
    g_pSistema2D->CarregaBitmapsEnUs();
    cartel.Activa();
    cartel.Actualiza();
    Fondo(255, 255, 255);
    cartel.Dibuja(nullptr, nullptr);
    // 255 under black at 200 of 255: 55 left.
    const uitest::Pixel p = En(100, 100);
    EXPECT_NEAR(p.r, 55, 2);
    EXPECT_NEAR(p.g, 55, 2);
    EXPECT_NEAR(p.b, 55, 2);
    // The ring turns in the corner, lit.
    int n = 0;
    for (int y = 650; y < 760; ++y)
        for (int x = 900; x < 1020; ++x) n += En(x, y).r > 120;
    EXPECT_GT(n, 100);

    // Off but still fading: the ring alone, the field untouched.
    cartel.Desactiva();
    Fondo(255, 255, 255);
    cartel.Dibuja(nullptr, nullptr);
    EXPECT_EQ(En(100, 100).r, 255);
    cartel.DescargaRecursos();
}
