// Display modes, the lost device, named locks and screen capture.
#include "Ajudes.h"

#include "platform/RenderDevice.h"
#include "platform/RawQuads.h"
#include "platform/Window.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// What a mode change leaves of each kind of bitmap.
struct Escena {
    Sprite* fitxer = nullptr;
    plat::Texture* texturaFitxer = nullptr;
    Sprite* textEnUs = nullptr;
    Sprite* textSenseUs = nullptr;
    Sprite* destiEnUs = nullptr;
    Sprite* destiSenseUs = nullptr;
};

} // namespace

class ProvaModes : public ProvaGrafics {
protected:
    Escena Prepara()
    {
        Escena e;
        EscriuPNGPla("fitxer.png", 8, 8, 0, 0, 255, 255);
        e.fitxer = SpriteEnUs("fitxer.png");
        e.texturaFitxer = e.fitxer->m_pBitmap->m_pTextura;
        e.textEnUs = m_pSis->CreaSpriteText(0, "en us", -1, 0, 1, 1, 32, 16, 0, 0, 0, 0, -1, -1, true);
        m_pSis->MarcaSpriteEnUs(e.textEnUs);
        e.textSenseUs = m_pSis->CreaSpriteText(0, "no", -1, 0, 1, 1, 32, 16, 0, 0, 0, 0, -1, -1, true);
        e.destiEnUs = m_pSis->CreaSpriteDestino(true, 32, 32, 0, 0, true);
        m_pSis->Omple(e.destiEnUs, 255, 255, 0, 0);
        e.destiSenseUs = m_pSis->CreaSpriteDestino(false, 32, 32, 0, 0, true);
        m_pSis->DesmarcaSpriteEnUs(e.destiSenseUs);
        return e;
    }

    void ComprovaRestaurat(const Escena& e)
    {
        EXPECT_TRUE(plat::RenderDeviceUsable());
        EXPECT_FALSE(m_pSis->CambiandoModo());
        EXPECT_FALSE(m_pSis->RestaurandoBitmaps());
        EXPECT_EQ(e.fitxer->m_pBitmap->m_pTextura, e.texturaFitxer); // file images keep theirs
        EXPECT_NE(e.textEnUs->m_pBitmap->m_pTextura, nullptr);       // texts in use are rendered again
        EXPECT_EQ(e.textSenseUs->m_pBitmap->m_pTextura, nullptr);
        EXPECT_NE(e.destiEnUs->m_pBitmap->m_pTextura, nullptr); // targets in use come back
        EXPECT_TRUE(plat::TextureHasDepth(e.destiEnUs->m_pBitmap->m_pTextura));
        EXPECT_EQ(e.destiSenseUs->m_pBitmap->m_pTextura, nullptr);
        for (int i = 0; i < NUM_BLOQUEIGS; ++i) EXPECT_EQ(m_pSis->GetBloqueig(i).iProfunditat, 0) << i;
        // Drawing works again, into targets as onto the screen.
        m_pSis->DibuixaSprite(e.fitxer, 0, 0);
        Fons(0, 0, 0);
        m_pSis->DibuixaSpriteEX(e.destiEnUs, e.fitxer, 0, 0, false, 255, 0, 1, 1);
        m_pSis->DibuixaSprite(e.destiEnUs, 100, 100);
        m_pSis->DibuixaSprite(e.fitxer, 200, 100);
        LlegeixPantalla();
        EXPECT_RGB(At(102, 102), 0, 0, 255);
        EXPECT_RGB(At(202, 102), 0, 0, 255);
    }
};

// Every way the device is reset keeps file images, re-renders texts in use
// and brings back render targets in use for their owners to redraw.
TEST_F(ProvaModes, ResetPathsRestoreWhatIsInUse)
{
    struct Cas {
        const char* nom;
        void (*fes)(CSistema2D*);
        bool bVentana;
    } casos[] = {
        {"lost device, present with reset", [](CSistema2D* s) { plat::SimulateLostDevice(); s->Flipa(true); }, true},
        {"full screen", [](CSistema2D* s) { s->PassaAFullScreen(); }, false},
        {"back to a window", [](CSistema2D* s) { s->PassaAFinestra(); }, true},
        {"lost device that resists a few resets",
         [](CSistema2D* s) {
             plat::SimulateLostDevice();
             plat::FailNextResets(3);
             s->Flipa(true);
         },
         true},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        Escena e = Prepara();
        c.fes(m_pSis);
        EXPECT_EQ(m_pSis->EsVentana(), c.bVentana);
        EXPECT_EQ(plat::IsFullscreen(), !c.bVentana);
        ComprovaRestaurat(e);
        Reinicia(true, true);
    }
}

// A failed present without reset only loses the frame; states are not
// applied while the device is unusable; the next present with reset
// restores it.
TEST_F(ProvaModes, LostDeviceWithoutResetDropsFrames)
{
    Escena e = Prepara();
    plat::SimulateLostDevice();
    m_pSis->Flipa(false);
    EXPECT_FALSE(plat::RenderDeviceUsable());
    EXPECT_NE(e.textEnUs->m_pBitmap->m_pTextura, nullptr);
    int n = m_pSis->NumEstatsAplicats();
    m_pSis->AplicaEstats(ESTAT_ADDITIU, true);
    EXPECT_EQ(m_pSis->NumEstatsAplicats(), n);
    m_pSis->DibuixaSprite(e.fitxer, 0, 0); // keeps running against the lost device
    m_pSis->Flipa(true);
    ComprovaRestaurat(e);
}

// A device that cannot be reset for long gives up for now, and the next
// present tries again.
TEST_F(ProvaModes, ResetGivesUpAndRetriesLater)
{
    Escena e = Prepara();
    plat::SimulateLostDevice();
    plat::FailNextResets(1000);
    m_pSis->Flipa(true);
    EXPECT_FALSE(plat::RenderDeviceUsable());
    EXPECT_FALSE(m_pSis->CambiandoModo());
    plat::FailNextResets(0);
    m_pSis->Flipa(true);
    ComprovaRestaurat(e);
}

// The named locks are recursive, record owner and name, and hold other
// threads off until released.
TEST_F(ProvaGrafics, NamedLocks)
{
    EXPECT_STREQ(m_pSis->GetBloqueig(2).szNom, "Ninguno");
    m_pSis->Bloqueja(BLOQUEIG_BITMAPS, "Prova");
    m_pSis->Bloqueja(BLOQUEIG_BITMAPS, "Prova2");
    EXPECT_EQ(m_pSis->GetBloqueig(0).iProfunditat, 2);
    EXPECT_STREQ(m_pSis->GetBloqueig(0).szNom, "Prova"); // the outermost holder
    int fil = m_pSis->GetBloqueig(0).iFil;
    EXPECT_NE(fil, 0);
    std::atomic<bool> bAgafat{false};
    std::atomic<int> filAltre{0};
    std::thread altre([&] {
        m_pSis->Bloqueja(BLOQUEIG_BITMAPS, "Altre");
        bAgafat = true;
        filAltre = m_pSis->GetBloqueig(0).iFil;
        m_pSis->Desbloqueja(BLOQUEIG_BITMAPS);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(bAgafat);
    m_pSis->Desbloqueja(BLOQUEIG_BITMAPS);
    EXPECT_FALSE(bAgafat);
    m_pSis->Desbloqueja(BLOQUEIG_BITMAPS);
    altre.join();
    EXPECT_TRUE(bAgafat);
    EXPECT_NE(filAltre.load(), fil);
    EXPECT_EQ(m_pSis->GetBloqueig(0).iProfunditat, 0);
    EXPECT_STREQ(m_pSis->GetBloqueig(0).szNom, "Altre"); // the last owner's name stays
    // Drawing leaves the device lock free with its operation's name.
    m_pSis->DibuixaQuadre(nullptr, 0, 0, 1, 1, 0xFFFFFFFFu, true);
    EXPECT_EQ(m_pSis->GetBloqueig(1).iProfunditat, 0);
    EXPECT_STREQ(m_pSis->GetBloqueig(1).szNom, "DibuixaQuadre");
}

// While another thread draws, a mode switch on this one takes the bitmap
// lock before the device lock and so never deadlocks against it.
TEST_F(ProvaModes, ModeSwitchWhileAnotherThreadTakesBothLocks)
{
    std::atomic<bool> bPara{false};
    std::thread altre([&] {
        while (!bPara) {
            m_pSis->Bloqueja(BLOQUEIG_BITMAPS, "Altre");
            m_pSis->Bloqueja(BLOQUEIG_DISPOSITIU, "Altre");
            m_pSis->Desbloqueja(BLOQUEIG_DISPOSITIU);
            m_pSis->Desbloqueja(BLOQUEIG_BITMAPS);
        }
    });
    for (int i = 0; i < 20; ++i) {
        plat::SimulateLostDevice();
        m_pSis->Flipa(true);
    }
    bPara = true;
    altre.join();
    EXPECT_TRUE(plat::RenderDeviceUsable());
}

// The capture copies our own last frame, opaque, into a target's top-left.
TEST_F(ProvaGrafics, ScreenCaptureCopiesTheLastFrame)
{
    EXPECT_TRUE(m_pSis->PotCapturarPantalla());
    Sprite* captura = m_pSis->CreaSpriteDestino(false, 1024, 768, 512, 384, true);
    ASSERT_NE(captura, nullptr);
    Fons(10, 20, 30);
    m_pSis->DibuixaQuadre(nullptr, 0, 0, 16, 8, CSistema2D::FesColorARGB(255, 0, 0, 255), true);
    m_pSis->DibuixaQuadre(nullptr, 1000, 760, 24, 8, CSistema2D::FesColorARGB(0, 255, 0, 100), true);
    m_pSis->Flipa(true);
    m_pSis->CapturaPantallaActual(captura);
    LlegeixPantalla();
    std::vector<uint32_t> texels;
    ASSERT_TRUE(plat::ReadTexels(captura->m_pBitmap->m_pTextura, &texels));
    ASSERT_EQ(texels.size(), 1024u * 1024u);
    for (auto [x, y] : {std::pair{0, 0}, {15, 7}, {16, 8}, {500, 400}, {1010, 765}, {1023, 767}}) {
        Pixel p = At(x, y);
        uint32_t t = texels[static_cast<size_t>(y) * 1024 + x];
        EXPECT_EQ(t, CSistema2D::FesColorARGB(p.r, p.g, p.b, 255)) << x << "," << y;
    }
    // Drawn back centred on the field it gives the same picture.
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(captura, 512, 384);
    LlegeixPantalla();
    EXPECT_RGB(At(3, 3), 255, 0, 0);
    EXPECT_RGB(At(500, 400), 10, 20, 30);
    m_pSis->CapturaPantallaActual(nullptr); // nothing
    m_pSis->AlliberaSprite(captura, true);
}

// Without a window there is no device: start-up fails at once and cleanly.
TEST(GraficsSenseFinestra, StartFailsWithoutAWindow)
{
    CSistema2D sistema;
    EXPECT_FALSE(sistema.Inicia(true, true));
    EXPECT_FALSE(sistema.EstaIniciat());
    EXPECT_FALSE(plat::RenderDeviceExists());
    sistema.Allibera();
    EXPECT_EQ(sistema.CreaSpriteFitxer(nullptr, 0, 0, 0, 0, 0, 0, false, false), nullptr);
}

// A second thread with a context of its own (the loading sign's) draws
// sprites, captures the screen and presents through the same system; the
// main thread's context then sees its frame.
TEST_F(ProvaGrafics, AnotherThreadDrawsWithItsOwnContext)
{
    EscriuPNGPla("pla.png", 8, 8, 0, 200, 0, 255);
    Sprite* s = SpriteEnUs("pla.png");
    Sprite* captura = m_pSis->CreaSpriteDestino(false, 1024, 768, 0, 0, true);
    Fons(0, 0, 0);
    m_pSis->Flipa(true);
    void* ctx = plat::CreateSharedContext();
    ASSERT_NE(ctx, nullptr);
    plat::ReleaseCurrentContext();
    bool bFet = false;
    std::thread altre([&] {
        if (!plat::MakeContextCurrent(ctx)) return;
        for (int i = 0; i < 3; ++i) {
            m_pSis->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(0, 0, 90, 255), true);
            m_pSis->DibuixaSprite(s, 100, 100);
            m_pSis->CapturaPantallaActual(captura);
            m_pSis->DibuixaSprite(captura, 500, 0);
            m_pSis->Flipa(false);
        }
        plat::FinishRendering();
        plat::ReleaseCurrentContext();
        bFet = true;
    });
    altre.join();
    ASSERT_TRUE(bFet);
    ASSERT_TRUE(plat::MakeMainContextCurrent());
    plat::DeleteSharedContext(ctx);
    LlegeixPantalla();
    EXPECT_RGB(At(102, 102), 0, 200, 0);
    EXPECT_RGB(At(50, 50), 0, 0, 90);
    EXPECT_RGB(At(602, 102), 0, 200, 0); // the captured sprite, copied 500 to the right
    // And the main thread draws on as before.
    m_pSis->DibuixaSprite(s, 300, 300);
    LlegeixPantalla();
    EXPECT_RGB(At(302, 302), 0, 200, 0);
}

// Contexts taking turns with the same program and as many vertices: the
// main thread's first draw after the other thread's frame lands where it is
// given, though its last draw went to a target with a mapping of its own.
TEST_F(ProvaGrafics, ContextsTakingTurnsKeepTheirOwnVerticesAndMappings)
{
    EscriuPNGPla("torn.png", 8, 8, 0, 200, 0, 255);
    Sprite* s = SpriteEnUs("torn.png");
    Sprite* desti = m_pSis->CreaSpriteDestino(false, 64, 32, 0, 0, true);
    Fons(0, 0, 0);
    m_pSis->Flipa(true);
    // The main context's last draws: two quads into a target.
    m_pSis->DibuixaSpriteEX(desti, s, 0, 0, false, 255, 0, 1, 1);
    m_pSis->DibuixaSpriteEX(desti, s, 20, 0, false, 255, 0, 1, 1);
    m_pSis->PassaAPantalla();
    void* ctx = plat::CreateSharedContext();
    ASSERT_NE(ctx, nullptr);
    plat::ReleaseCurrentContext();
    bool bFet = false;
    std::thread altre([&] {
        if (!plat::MakeContextCurrent(ctx)) return;
        m_pSis->DibuixaSprite(s, 600, 600);
        m_pSis->Flipa(false);
        plat::ReleaseCurrentContext();
        bFet = true;
    });
    altre.join();
    ASSERT_TRUE(bFet);
    ASSERT_TRUE(plat::MakeMainContextCurrent());
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(s, 300, 300);
    LlegeixPantalla();
    EXPECT_RGB(At(302, 302), 0, 200, 0);
    EXPECT_RGB(At(602, 602), 0, 0, 0);
    plat::DeleteSharedContext(ctx);
}
