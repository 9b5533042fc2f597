// The loading-sign thread's rules, with a graphics link that draws nothing
// and the manual clock: the thread sees a stall when the clock moves on while
// the loop does not run.
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "kit/BucleAplicacion.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using kit::CBuclePrueba;
using kit::CCartelPrueba;
using kit::CEnlaceGraficosPrueba;
using kit::EsperaHasta;

namespace {

// The thread checks every 100 ms while nothing shows. What must happen is
// waited for as long as a loaded machine may need; what must not is given
// a few checks' time to show.
constexpr int kEsperaSinCartel = 300;
constexpr int kEsperaCartel = 20000;

// Moves the manual clock so that the time since the loop last ran (its last
// step, and its last pass) is the largest whole number of milliseconds not
// above ms.
void ParaDurante(CAplicacion& app, int ms)
{
    float fUltima = std::max(app.UltimoFrame(), app.UltimaPasada());
    int iObjetivo = static_cast<int>(std::floor(fUltima + static_cast<float>(ms)));
    if (iObjetivo > TiempoReal()) AvanzaRelojManual(iObjetivo - TiempoReal());
}

// A link whose capture takes a given time on the manual clock.
class CEnlaceCaptura : public CEnlaceGraficosPrueba {
public:
    Sprite* CreaSpriteCaptura() override { return reinterpret_cast<Sprite*>(&m_iFalsoSprite); }
    bool PotCapturarPantalla() override { return true; }
    void CapturaPantallaActual(Sprite*) override
    {
        m_iCapturas.fetch_add(1);
        AvanzaRelojManual(m_iMsCaptura.load());
    }
    int m_iFalsoSprite = 0;
    std::atomic<int> m_iMsCaptura{0};
    std::atomic<int> m_iCapturas{0};
};

} // namespace

TEST(CartelCargando, AppearsOnlyAfterAStallOverTheThreshold)
{
    CEnlaceGraficosPrueba enlace;
    CCartelPrueba cartel; // outlives the core and its thread
    CBuclePrueba bucle(&enlace);
    cartel.Inicia();
    bucle.App().AsignaCartelCargando(&cartel);
    bucle.App().AsignaUmbralCarga(200.0f);
    bucle.Pasos(3);

    // Exactly at the threshold: nothing.
    ParaDurante(bucle.App(), 200);
    plat::Sleep(kEsperaSinCartel);
    EXPECT_EQ(cartel.m_iActivaciones.load(), 0);
    EXPECT_EQ(enlace.m_iFlipasHilo.load(), 0);

    // One millisecond more: the sign shows, with frames of the thread's own
    // that move the clock base (but not the last-frame time) on.
    float fUltimo = bucle.App().UltimoFrame();
    AvanzaRelojManual(1);
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iActivaciones.load() == 1; }, kEsperaCartel));
    ASSERT_TRUE(EsperaHasta([&] { return enlace.m_iFlipasHilo.load() >= 5; }, kEsperaCartel));
    EXPECT_EQ(bucle.App().UltimoFrame(), fUltimo);
    EXPECT_GE(cartel.m_iActualizaciones.load(), 5);
    // No capture without a sprite system: the sign draws alone.
    EXPECT_EQ(cartel.Captura(), nullptr);
    EXPECT_EQ(cartel.m_iDesactivaciones.load(), 0);

    // The loop runs a step: the thread switches the sign off.
    bucle.Paso();
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iDesactivaciones.load() == 1; }, kEsperaCartel));
    EXPECT_EQ(cartel.m_iActivaciones.load(), 1);
    bucle.App().AsignaCartelCargando(nullptr);
}

TEST(CartelCargando, NeverWhileInactiveOrDuringAModeChange)
{
    CEnlaceGraficosPrueba enlace;
    CCartelPrueba cartel; // outlives the core and its thread
    CBuclePrueba bucle(&enlace);
    cartel.Inicia();
    bucle.App().AsignaCartelCargando(&cartel);
    bucle.Pasos(2);

    // Inactive: the last pass ran in the inactive branch.
    bucle.App().PideActivacion(false);
    bucle.Paso();
    ParaDurante(bucle.App(), 1000);
    plat::Sleep(kEsperaSinCartel);
    EXPECT_EQ(cartel.m_iActivaciones.load(), 0);

    // Active again, but the graphics system is changing the display mode.
    bucle.App().PideActivacion(true);
    bucle.Paso();
    enlace.m_bCambiandoModo.store(true);
    ParaDurante(bucle.App(), 1000);
    plat::Sleep(kEsperaSinCartel);
    EXPECT_EQ(cartel.m_iActivaciones.load(), 0);
    EXPECT_EQ(enlace.m_iFlipasHilo.load(), 0);

    // Once the change is over the stall shows.
    enlace.m_bCambiandoModo.store(false);
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iActivaciones.load() == 1; }, kEsperaCartel));
    bucle.Paso();
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iDesactivaciones.load() == 1; }, kEsperaCartel));
    bucle.App().AsignaCartelCargando(nullptr);
}

TEST(CartelCargando, TwoSlowCapturesLeaveLaterStallsWithoutBackdrop)
{
    CEnlaceCaptura enlace;
    CCartelPrueba cartel; // outlives the core and its thread
    CBuclePrueba bucle(&enlace);
    cartel.Inicia();
    bucle.App().AsignaCartelCargando(&cartel);
    enlace.m_iMsCaptura.store(301);

    for (int parada = 1; parada <= 3; ++parada) {
        SCOPED_TRACE(parada);
        bucle.Pasos(2);
        int iFlipas = enlace.m_iFlipasHilo.load();
        ParaDurante(bucle.App(), 250);
        ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iActivaciones.load() == parada; }, kEsperaCartel));
        // Let the stall go on for several steps of the clock.
        for (int i = 0; i < 5; ++i) {
            AvanzaRelojManual(40);
            plat::Sleep(20);
        }
        if (parada == 1) {
            // The first slow capture is still used: one frame per step.
            ASSERT_TRUE(EsperaHasta([&] { return enlace.m_iFlipasHilo.load() > iFlipas + 2; }, kEsperaCartel));
            EXPECT_NE(cartel.Captura(), nullptr);
        } else {
            ASSERT_TRUE(EsperaHasta([&] { return enlace.m_iFlipasHilo.load() > iFlipas; }, kEsperaCartel));
            plat::Sleep(150);
        }
        int iFrames = enlace.m_iFlipasHilo.load() - iFlipas;
        if (parada > 1) {
            // The second slow capture disables captures at once: from then on
            // no backdrop, and one frame per stall.
            EXPECT_EQ(cartel.Captura(), nullptr);
            EXPECT_EQ(iFrames, 1);
        }
        bucle.Paso();
        ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iDesactivaciones.load() == parada; }, kEsperaCartel));
    }
    // Captures are no longer tried once disabled.
    EXPECT_EQ(enlace.m_iCapturas.load(), 2);
    bucle.App().AsignaCartelCargando(nullptr);
}

TEST(CartelCargando, TheLoopGetsItsStepsBackAtItsFirstPass)
{
    CEnlaceGraficosPrueba enlace;
    CCartelPrueba cartel; // outlives the core and its thread
    CBuclePrueba bucle(&enlace);
    bucle.App().AsignaCartelCargando(&cartel);
    bucle.Pasos(2);
    ParaDurante(bucle.App(), 500);
    ASSERT_TRUE(EsperaHasta([&] { return enlace.m_iFlipasHilo.load() >= 3; }, kEsperaCartel));

    // One pass with no step due: the thread lets go of the sign and of the
    // clock base, so the next due step is the loop's own.
    bucle.App().Ciclo();
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iDesactivaciones.load() == 1; }, kEsperaCartel));
    float fUltimo = bucle.App().UltimoFrame();
    AvanzaRelojManual(40);
    plat::Sleep(20);
    bucle.App().Ciclo();
    EXPECT_NE(bucle.App().UltimoFrame(), fUltimo);
    bucle.App().AsignaCartelCargando(nullptr);
}

TEST(CartelCargando, QuittingStopsTheThread)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    EXPECT_FALSE(bucle.App().HiloTerminado());
    bucle.App().EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
    EXPECT_TRUE(bucle.Paso());
    EXPECT_TRUE(bucle.App().HiloTerminado());
}
