// The loading indicator: its build, the draw picking the capture or the sign
// alone, its shown state switched from the loading-sign thread while the
// main loop updates and draws it, and the core's thread drawing it over the
// screen capture during a stall.
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "engine/ui/CargandoObj.h"
#include "kit/BucleAplicacion.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

using kit::CBuclePrueba;
using kit::CEnlaceGraficosPrueba;
using kit::EsperaHasta;

namespace {

// A sign that keeps the base's state and counts its draws by kind and by
// whether it showed at the time.
class CCartel : public CCargandoObj {
public:
    void DibujaSobreCaptura(Sprite*, Sprite* pCaptura) override
    {
        m_pUltimaCaptura.store(pCaptura);
        (EstaActivo() ? m_iSobreCapturaActivo : m_iSobreCapturaInactivo).fetch_add(1);
    }
    void DibujaSinCaptura(Sprite*) override { m_iSinCaptura.fetch_add(1); }

    std::atomic<Sprite*> m_pUltimaCaptura{nullptr};
    std::atomic<int> m_iSobreCapturaActivo{0};
    std::atomic<int> m_iSobreCapturaInactivo{0};
    std::atomic<int> m_iSinCaptura{0};
};

// A link with a capture sprite that can always capture.
class CEnlaceCaptura : public CEnlaceGraficosPrueba {
public:
    Sprite* CreaSpriteCaptura() override { return reinterpret_cast<Sprite*>(&m_iFalsoSprite); }
    void AlliberaSprite(Sprite*) override {}
    bool PotCapturarPantalla() override { return true; }
    void CapturaPantallaActual(Sprite*) override { m_iCapturas.fetch_add(1); }
    int m_iFalsoSprite = 0;
    std::atomic<int> m_iCapturas{0};
};

} // namespace

TEST(Cargando, BuildCoversTheFieldWithoutStyle)
{
    CCartel c;
    EXPECT_FALSE(c.EstaCreado());
    ASSERT_TRUE(c.Inicia());
    EXPECT_TRUE(c.EstaCreado());
    EXPECT_TRUE(c.EstaIniciado());
    EXPECT_STREQ(c.Nombre(), "CCargandoObj");
    EXPECT_EQ(c.m_iId, -1);
    EXPECT_EQ(c.m_iEstilo, -1);
    EXPECT_EQ(c.Rect().x, 0);
    EXPECT_EQ(c.Rect().ancho, 1024);
    EXPECT_EQ(c.Rect().alto, 768);
    EXPECT_EQ(c.Captura(), nullptr);
    EXPECT_FALSE(c.EstaActivo());
    c.LiberaSiCreado();
    EXPECT_FALSE(c.EstaCreado());
    EXPECT_FALSE(c.EstaIniciado());
}

TEST(Cargando, DrawPicksTheCaptureOrTheSignAlone)
{
    CCartel c;
    ASSERT_TRUE(c.Inicia());
    int iFalso = 0;
    auto* pCaptura = reinterpret_cast<Sprite*>(&iFalso);
    c.Dibuja(nullptr, nullptr);
    c.AsignaCaptura(pCaptura);
    c.Activa();
    c.Dibuja(nullptr, nullptr);
    c.Desactiva();
    c.Dibuja(nullptr, nullptr);
    c.AsignaCaptura(nullptr);
    c.Dibuja(nullptr, nullptr);
    EXPECT_EQ(c.m_iSinCaptura.load(), 2);
    EXPECT_EQ(c.m_iSobreCapturaActivo.load(), 1);
    EXPECT_EQ(c.m_iSobreCapturaInactivo.load(), 1);
    EXPECT_EQ(c.m_pUltimaCaptura.load(), pCaptura);
}

TEST(Cargando, ShownStateSwitchedFromAnotherThreadWhileTheLoopDraws)
{
    CCartel c;
    ASSERT_TRUE(c.Inicia());
    std::atomic<bool> bFin{false};
    // The loading-sign thread's side: on under the mutex, off without it.
    std::mutex mutexPintado;
    std::thread hilo([&] {
        for (int i = 0; i < 2000; ++i) {
            {
                std::lock_guard<std::mutex> lock(mutexPintado);
                c.Activa();
            }
            c.Desactiva();
        }
        bFin.store(true);
    });
    int iDibujos = 0;
    while (!bFin.load()) {
        std::lock_guard<std::mutex> lock(mutexPintado);
        c.Actualiza();
        c.Dibuja(nullptr, nullptr);
        ++iDibujos;
    }
    hilo.join();
    EXPECT_FALSE(c.EstaActivo());
    EXPECT_EQ(c.m_iSinCaptura.load(), iDibujos);
}

TEST(Cargando, CoreThreadDrawsItOverTheCaptureDuringAStall)
{
    CEnlaceCaptura enlace;
    CBuclePrueba bucle(&enlace);
    CCartel cartel;
    ASSERT_TRUE(cartel.Inicia());
    bucle.App().AsignaCartelCargando(&cartel);
    bucle.App().AsignaUmbralCarga(200.0f);
    bucle.Pasos(3);
    // The loop draws the sign every step, alone while no stall captured.
    EXPECT_EQ(cartel.m_iSinCaptura.load(), 3);

    // A stall: the thread captures the screen, switches the sign on and
    // draws it over the capture with frames of its own.
    AvanzaRelojManual(static_cast<int>(std::ceil(bucle.App().UltimoFrame() + 250.0f)) - TiempoReal());
    ASSERT_TRUE(EsperaHasta([&] { return cartel.EstaActivo(); }, 3000));
    ASSERT_TRUE(EsperaHasta([&] { return cartel.m_iSobreCapturaActivo.load() >= 1; }, 3000));
    EXPECT_EQ(cartel.Captura(), bucle.App().SpriteCaptura());
    EXPECT_EQ(enlace.m_iCapturas.load(), 1);
    EXPECT_GE(enlace.m_iFlipasHilo.load(), 1);

    // The loop runs again: the thread switches it off, without the mutex.
    bucle.Paso();
    ASSERT_TRUE(EsperaHasta([&] { return !cartel.EstaActivo(); }, 3000));
    bucle.App().AsignaCartelCargando(nullptr);
}
