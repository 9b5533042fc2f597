// The loading-sign thread on the real window: it draws and presents with a
// context of its own while the main thread stalls creating textures.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "kit/BucleAplicacion.h"
#include "kit/ServeisFitxers.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <vector>

using kit::CBuclePrueba;
using kit::EsperaHasta;

namespace {

// A sign that fills the field with one colour, on whichever thread draws it,
// and keeps the first GL error it meets.
class CCartelGL : public CCargandoObj {
public:
    void Activa() override { m_bActivo.store(true); }
    void Desactiva() override { m_bActivo.store(false); }
    void DibujaSobreCaptura(Sprite* pDestino, Sprite*) override { DibujaSinCaptura(pDestino); }
    void DibujaSinCaptura(Sprite*) override
    {
        if (!m_bActivo.load()) return;
        plat::ClearBackBuffer(0.0f, 0.0f, 1.0f, 1.0f);
        Anota(plat::TakeGLError());
        m_iFrames.fetch_add(1);
    }
    void Anota(unsigned e)
    {
        unsigned cero = 0;
        if (e) m_uError.compare_exchange_strong(cero, e);
    }

    std::atomic<bool> m_bActivo{false};
    std::atomic<int> m_iFrames{0};
    std::atomic<unsigned> m_uError{0};
};

// How long a loaded machine may take, at most, for what the test waits on;
// every wait ends as soon as what it waits for has happened.
constexpr uint32_t kPlazoMs = 20000;

// The sign's threshold while the loop runs normally: on a loaded machine a
// pass of the loop can itself last longer than the real threshold, which the
// sign's thread rightly takes for a stall.
constexpr float kUmbralSinParada = static_cast<float>(kPlazoMs);

// Once the loop runs again its passes are timed on the manual clock, started
// where the real one is, for the same reason; the real clock comes back at
// the end of the scope.
class CRelojManualDesdeAhora {
public:
    CRelojManualDesdeAhora() { FijaRelojManual(true, TiempoReal()); }
    ~CRelojManualDesdeAhora() { FijaRelojManual(false); }
    CRelojManualDesdeAhora(const CRelojManualDesdeAhora&) = delete;
    CRelojManualDesdeAhora& operator=(const CRelojManualDesdeAhora&) = delete;
};

// A pass of the loop with a step due on the manual clock.
void PasoManual(CAplicacion& app)
{
    AvanzaRelojManual(static_cast<int>(CAplicacion::kPaso) + 1);
    app.Ciclo();
}

// The loop's own frames: red.
class CFondoRojo : public CMenuObj {
public:
    void Dibuja(CMenuObj*, Sprite*) override { plat::ClearBackBuffer(1.0f, 0.0f, 0.0f, 1.0f); ++m_iFrames; }
    int m_iFrames = 0;
};

} // namespace

TEST(HiloCartelGL, DrawsWithItsOwnContextWhileTheMainThreadLoadsTextures)
{
    ASSERT_TRUE(CreaVentana(kTituloVentana, 101, &g_hVentana));
    {
        CCartelGL cartel; // outlives the core and its thread
        CFondoRojo fondo;
        CBuclePrueba bucle(nullptr, false);
        ASSERT_NE(bucle.App().ContextoHilo(), nullptr);
        cartel.Inicia();
        bucle.App().AsignaCartelCargando(&cartel);
        bucle.App().AsignaUmbralCarga(kUmbralSinParada);

        // The loop runs normally for a while: red frames.
        bucle.App().AnadeMenu(&fondo);
        uint32_t inicio = plat::Milliseconds();
        while (plat::Milliseconds() - inicio < 150) bucle.Paso();
        EXPECT_EQ(plat::TakeGLError(), 0u);
        bucle.App().AsignaUmbralCarga(200.0f);

        // A stall of at least 500 ms spent creating textures on the main
        // context, long enough for the sign to show a few frames.
        int iTexturas = 0;
        inicio = plat::Milliseconds();
        while (plat::Milliseconds() - inicio < 500 ||
               (cartel.m_iFrames.load() < 3 && plat::Milliseconds() - inicio < kPlazoMs)) {
            EXPECT_TRUE(plat::UploadScratchTexture(256, 256, static_cast<uint8_t>(iTexturas)));
            ++iTexturas;
        }
        EXPECT_EQ(plat::TakeGLError(), 0u);
        EXPECT_TRUE(cartel.m_bActivo.load());
        int iFramesCartel = cartel.m_iFrames.load();
        EXPECT_GE(iFramesCartel, 3) << "textures made: " << iTexturas;

        // The sign's last frame is in the shared back buffer the main context
        // sees.
        std::vector<uint8_t> px;
        ASSERT_TRUE(plat::ReadBackBuffer(&px));
        EXPECT_EQ(px[(384 * 1024 + 512) * 4 + 2], 255);
        EXPECT_EQ(px[(384 * 1024 + 512) * 4 + 0], 0);

        // The loop runs again: the sign's thread switches the sign off, and
        // the main thread presents frames of the loop alone again.
        CRelojManualDesdeAhora reloj;
        bucle.App().Ciclo();
        EXPECT_TRUE(EsperaHasta([&] { return !cartel.m_bActivo.load(); }, static_cast<int>(kPlazoMs)));
        int iRojos = fondo.m_iFrames;
        PasoManual(bucle.App());
        PasoManual(bucle.App());
        EXPECT_EQ(fondo.m_iFrames, iRojos + 2);
        EXPECT_EQ(plat::TakeGLError(), 0u);
        EXPECT_EQ(cartel.m_uError.load(), 0u);
        ASSERT_TRUE(plat::ReadBackBuffer(&px));
        EXPECT_EQ(px[(384 * 1024 + 512) * 4 + 0], 255);
        EXPECT_EQ(px[(384 * 1024 + 512) * 4 + 2], 0);
        bucle.App().AsignaCartelCargando(nullptr);
        bucle.App().QuitaMenu(&fondo);
    }
    DestruyeVentana(g_hVentana);
    g_hVentana = nullptr;
    EXPECT_FALSE(plat::MainWindowExists());
}

namespace {

// A sign that draws the capture through the graphics system, darkened, as
// the game's sign does.
class CCartelCaptura : public CCargandoObj {
public:
    void Activa() override { m_bActivo.store(true); }
    void Desactiva() override { m_bActivo.store(false); }
    void DibujaSobreCaptura(Sprite*, Sprite* pCaptura) override
    {
        if (!m_bActivo.load()) return;
        g_pSistema2D->PosaColorSprite(pCaptura, ColorARGB{255, 128, 128, 128});
        g_pSistema2D->DibuixaSpriteEX(nullptr, pCaptura, 512.0f, 384.0f, false, 255, 0.0f, 1.0f, 1.0f);
        m_iConCaptura.fetch_add(1);
    }
    void DibujaSinCaptura(Sprite*) override
    {
        if (m_bActivo.load()) m_iSinCaptura.fetch_add(1);
    }

    std::atomic<bool> m_bActivo{false};
    std::atomic<int> m_iConCaptura{0};
    std::atomic<int> m_iSinCaptura{0};
};

// The loop's frames: a plain rectangle over the field.
class CFondoGrafico : public CMenuObj {
public:
    void Dibuja(CMenuObj*, Sprite*) override
    {
        g_pSistema2D->DibuixaQuadre(nullptr, 0.0f, 0.0f, 1024.0f, 768.0f, CSistema2D::FesColorARGB(200, 40, 40, 255),
                                    true);
    }
};

} // namespace

TEST(HiloCartelGL, CapturesTheScreenAndDrawsThroughTheGraphicsSystem)
{
    mgtest::CarpetaUsuariProva carpeta("hilo-cartel-captura");
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    ASSERT_TRUE(IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                               motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true, ListaFonts));
    CAplicacion& app = *g_pAplicacion;
    ASSERT_NE(app.SpriteCaptura(), nullptr);
    CCartelCaptura cartel;
    CFondoGrafico fondo;
    cartel.Inicia();
    app.AsignaCartelCargando(&cartel);
    app.AsignaUmbralCarga(kUmbralSinParada);
    app.AnadeMenu(&fondo);

    uint32_t inicio = plat::Milliseconds();
    while (plat::Milliseconds() - inicio < 150) app.Ciclo();
    app.AsignaUmbralCarga(200.0f);

    // Loading: bitmaps made and freed through the graphics system.
    inicio = plat::Milliseconds();
    while (plat::Milliseconds() - inicio < 500 ||
           (cartel.m_iConCaptura.load() < 3 && plat::Milliseconds() - inicio < kPlazoMs)) {
        Sprite* s = g_pSistema2D->CreaSpriteDestino(false, 128.0f, 128.0f, 0.0f, 0.0f, true);
        ASSERT_NE(s, nullptr);
        g_pSistema2D->AlliberaSprite(s, true);
    }
    EXPECT_TRUE(cartel.m_bActivo.load());
    EXPECT_GE(cartel.m_iConCaptura.load(), 3);
    EXPECT_EQ(cartel.m_iSinCaptura.load(), 0);
    EXPECT_EQ(cartel.Captura(), app.SpriteCaptura());

    // The capture holds the loop's last frame; the sign drew it darkened.
    // (Frames belong to whoever holds the render mutex.)
    std::vector<uint8_t> px;
    {
        std::lock_guard<std::recursive_mutex> lock(*app.MutexPintado());
        ASSERT_TRUE(plat::ReadFrame(&px));
    }
    int r = px[(384 * 1024 + 512) * 4 + 0];
    EXPECT_NEAR(r, 100, 3);

    // The loop runs again: the sign goes off.
    {
        CRelojManualDesdeAhora reloj;
        app.Ciclo();
        EXPECT_TRUE(EsperaHasta([&] { return !cartel.m_bActivo.load(); }, static_cast<int>(kPlazoMs)));
    }
    app.AsignaCartelCargando(nullptr);
    app.QuitaMenu(&fondo);
    LiberaSistemas();
}

TEST(HiloCartelGL, TextsRenderedDuringAStallKeepTheirLetters)
{
    mgtest::CarpetaUsuariProva carpeta("hilo-cartel-textos");
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    std::snprintf(ListaFonts[0], kLongitudNombreFont, "%s", motor::fuente::LA_BRIT);
    ASSERT_TRUE(IniciaSistemas(motor::paquete::CURSOR_INGAME, motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO,
                               motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate", true,
                               ListaFonts));
    CAplicacion& app = *g_pAplicacion;
    CCartelCaptura cartel;
    CFondoGrafico fondo;
    cartel.Inicia();
    app.AsignaCartelCargando(&cartel);
    app.AsignaUmbralCarga(kUmbralSinParada);
    app.AnadeMenu(&fondo);
    uint32_t inicio = plat::Milliseconds();
    while (plat::Milliseconds() - inicio < 150) app.Ciclo();
    app.AsignaUmbralCarga(200.0f);

    // Loading: texts rendered one after another while the sign's thread
    // draws its frames.
    std::vector<Sprite*> textos;
    inicio = plat::Milliseconds();
    while (plat::Milliseconds() - inicio < 700 ||
           (cartel.m_iConCaptura.load() < 10 && plat::Milliseconds() - inicio < kPlazoMs)) {
        Sprite* s = g_pSistema2D->CreaSpriteText(0, "MWMW", -1, 0, 1.0f, 1.0f, 128.0f, 48.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                                                 -1.0f, -1.0f, true);
        ASSERT_NE(s, nullptr);
        g_pSistema2D->MarcaSpriteEnUs(s);
        textos.push_back(s);
        plat::Sleep(1);
    }
    EXPECT_GE(cartel.m_iConCaptura.load(), 10);
    {
        CRelojManualDesdeAhora reloj;
        app.Ciclo();
        EXPECT_TRUE(EsperaHasta([&] { return !cartel.m_bActivo.load(); }, static_cast<int>(kPlazoMs)));
        app.AsignaCartelCargando(nullptr);
    }
    app.QuitaMenu(&fondo);

    // Every text has its letters: drawn over black, each lights its box,
    // the first right after the sign's thread drew its last frame.
    int iVacios = 0;
    for (size_t i = 0; i < textos.size(); ++i) {
        g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, 0xFF000000u, true);
        g_pSistema2D->DibuixaSpriteEX(nullptr, textos[i], 100.0f, 100.0f, false, 255, 0.0f, 1.0f, 1.0f);
        std::vector<uint8_t> px;
        ASSERT_TRUE(plat::ReadFrame(&px));
        int n = 0;
        for (int y = 100; y < 148; ++y)
            for (int x = 100; x < 228; ++x) n += px[(size_t(y) * 1024 + size_t(x)) * 4] > 128;
        iVacios += n < 30;
    }
    EXPECT_EQ(iVacios, 0) << "of " << textos.size() << " texts";
    for (Sprite* s : textos) g_pSistema2D->AlliberaSprite(s, true);
    LiberaSistemas();
    ListaFonts[0][0] = '\0';
}
