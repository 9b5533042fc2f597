// Drawing checked on pixels read back from the back buffer.
#include "Ajudes.h"

#include "platform/RenderDevice.h"

#include <cmath>
#include <png.h>

namespace {

int Mescla(double font, double desti, double alfa) { return static_cast<int>(std::lround(font * alfa + desti * (1 - alfa))); }

} // namespace

// The six blend flags (and the default) over a known background, with a
// half-transparent draw so that the blend factors show.
TEST_F(ProvaGrafics, BlendFlagsOverBackground)
{
    EscriuPNGPla("pla.png", 8, 8, 200, 100, 50, 255);
    Sprite* s = SpriteEnUs("pla.png");
    ASSERT_NE(s, nullptr);
    const ColorRGB magenta(255, 0, 255);
    const int B[3] = {20, 140, 60}; // background
    const double a = 128.0 / 255.0;
    const double grey = (200 + 100 + 50) / 3.0;
    struct Cas {
        const char* nom;
        int flags;
        const ColorRGB* color;
        int r, g, b;
    } casos[] = {
        {"normal", 0, nullptr, Mescla(200, B[0], a), Mescla(100, B[1], a), Mescla(50, B[2], a)},
        {"additive", SPRITE_ADDITIU, nullptr, std::min(255, static_cast<int>(std::lround(200 * a)) + B[0]),
         std::min(255, static_cast<int>(std::lround(100 * a)) + B[1]), static_cast<int>(std::lround(50 * a)) + B[2]},
        {"complement", SPRITE_COMPLEMENT, nullptr, Mescla(55, B[0], a), Mescla(155, B[1], a), Mescla(205, B[2], a)},
        {"greyscale", SPRITE_GRIS, nullptr, Mescla(grey, B[0], a), Mescla(grey, B[1], a), Mescla(grey, B[2], a)},
        {"minimum", SPRITE_MINIM, nullptr, 20, 100, 50},
        {"maximum", SPRITE_MAXIM, nullptr, 200, 140, 60},
        {"maximum wins over minimum", SPRITE_MAXIM | SPRITE_MINIM, nullptr, 200, 140, 60},
        {"flat colour", SPRITE_COLOR_PLA, &magenta, Mescla(255, B[0], a), Mescla(0, B[1], a), Mescla(255, B[2], a)},
        {"flat colour without a colour draws nothing", SPRITE_COLOR_PLA, nullptr, B[0], B[1], B[2]},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        Fons(B[0], B[1], B[2]);
        m_pSis->DibuixaSpriteEX2(nullptr, s, c.flags, c.color, 100, 100, false, 128, 0, 1, 1);
        LlegeixPantalla();
        EXPECT_RGB(At(103, 103), c.r, c.g, c.b);
        EXPECT_RGB(At(99, 103), B[0], B[1], B[2]);
    }
    m_pSis->AlliberaSprite(s, true);
}

// Greyscale is a real grey: white stays white, black stays black.
TEST_F(ProvaGrafics, GreyscaleKeepsLightLight)
{
    EscriuPNGPla("blanc.png", 4, 4, 255, 255, 255, 255);
    EscriuPNGPla("color.png", 4, 4, 30, 60, 90, 255);
    Sprite* blanc = SpriteEnUs("blanc.png");
    Sprite* color = SpriteEnUs("color.png");
    Fons(0, 0, 0);
    m_pSis->DibuixaSpriteEX2(nullptr, blanc, SPRITE_GRIS, nullptr, 10, 10, false, 255, 0, 1, 1);
    m_pSis->DibuixaSpriteEX2(nullptr, color, SPRITE_GRIS, nullptr, 20, 10, false, 255, 0, 1, 1);
    LlegeixPantalla();
    EXPECT_RGB(At(11, 11), 255, 255, 255);
    EXPECT_RGB(At(21, 11), 60, 60, 60);
}

// Texture times corner colour; alpha = corner alpha x draw alpha.
TEST_F(ProvaGrafics, CornerColoursModulateTheTexture)
{
    EscriuPNGPla("pla.png", 8, 8, 200, 100, 50, 255);
    Sprite* s = SpriteEnUs("pla.png");
    Fons(0, 0, 0);
    m_pSis->PosaColorSprite(s, ColorARGB(255, 128, 255, 0));
    m_pSis->DibuixaSprite(s, 0, 0);
    // Corner alpha 255 and draw alpha 128 over black, corner alpha 128 and
    // draw alpha 255 over white.
    m_pSis->PosaColorSprite(s, ColorARGB(255, 255, 255, 255));
    m_pSis->DibuixaSpriteEX(nullptr, s, 20, 0, false, 128, 0, 1, 1);
    m_pSis->PosaColorSprite(s, ColorARGB(128, 255, 255, 255));
    m_pSis->DibuixaQuadre(nullptr, 50, 0, 8, 8, CSistema2D::FesColorARGB(255, 255, 255, 255), true);
    m_pSis->DibuixaSprite(s, 50, 0);
    LlegeixPantalla();
    EXPECT_RGB(At(2, 2), 200 * 128 / 255.0, 100, 0);
    EXPECT_RGB(At(22, 2), Mescla(200, 0, 128 / 255.0), Mescla(100, 0, 128 / 255.0), Mescla(50, 0, 128 / 255.0));
    EXPECT_RGB(At(52, 2), Mescla(200, 255, 128 / 255.0), Mescla(100, 255, 128 / 255.0), Mescla(50, 255, 128 / 255.0));
    ColorARGB c;
    m_pSis->LlegeixColorCantonada(s, CANTONADA_DRETA_DALT, &c);
    EXPECT_EQ(c.a, 128);
}

// Pixel centres: a quad at integer coordinates covers exactly its pixels,
// and each pixel shows one texel, sharp even with linear filtering.
TEST_F(ProvaGrafics, TexelsLandOnPixelsExactly)
{
    // 4x2 image: a row of greys 0, 80, 160, 240, then the same reversed.
    std::vector<uint8_t> bytes;
    for (int v : {0, 80, 160, 240, 240, 160, 80, 0}) bytes.insert(bytes.end(), {uint8_t(v), uint8_t(v), uint8_t(v), 255});
    EscriuPNG("rampa.png", 4, 2, PNG_COLOR_TYPE_RGBA, 8, bytes);
    Sprite* s = SpriteEnUs("rampa.png");
    for (bool bLineal : {true, false}) {
        SCOPED_TRACE(bLineal ? "linear" : "point");
        m_pSis->PosaFiltratLineal(bLineal);
        Fons(255, 0, 0);
        m_pSis->DibuixaSprite(s, 300, 200);
        LlegeixPantalla();
        for (int x = 0; x < 4; ++x) {
            int v = x * 80;
            EXPECT_RGB(At(300 + x, 200), v, v, v);
            EXPECT_RGB(At(300 + x, 201), 240 - v, 240 - v, 240 - v);
        }
        EXPECT_RGB(At(299, 200), 255, 0, 0);
        EXPECT_RGB(At(304, 200), 255, 0, 0);
        EXPECT_RGB(At(300, 199), 255, 0, 0);
        EXPECT_RGB(At(300, 202), 255, 0, 0);
    }
}

// Scaled up, point filtering keeps blocks and linear filtering blends them.
// The half-texel offset puts the first texel's centre on the left edge, so
// at scale 8 the second texel starts 4 pixels in and the first comes back
// (wrapping) 12 pixels in.
TEST_F(ProvaGrafics, FilteringSwitches)
{
    std::vector<uint8_t> bytes = {0, 0, 0, 255, 255, 255, 255, 255};
    EscriuPNG("dos.png", 2, 1, PNG_COLOR_TYPE_RGBA, 8, bytes);
    Sprite* s = SpriteEnUs("dos.png");
    m_pSis->PosaFiltratLineal(false);
    EXPECT_FALSE(m_pSis->FiltratLineal());
    Fons(0, 0, 255);
    m_pSis->DibuixaSpriteEX(nullptr, s, 100, 100, false, 255, 0, 8, 8);
    LlegeixPantalla();
    EXPECT_RGB(At(103, 104), 0, 0, 0);
    EXPECT_RGB(At(104, 104), 255, 255, 255);
    EXPECT_RGB(At(111, 104), 255, 255, 255);
    EXPECT_RGB(At(112, 104), 0, 0, 0);
    m_pSis->PosaFiltratLineal(true);
    m_pSis->DibuixaSpriteEX(nullptr, s, 100, 100, false, 255, 0, 8, 8);
    LlegeixPantalla();
    EXPECT_RGB(At(100, 104), 0, 0, 0);
    EXPECT_RGB(At(103, 104), 96, 96, 96); // 3/8 of the way to the next texel
    EXPECT_RGB(At(108, 104), 255, 255, 255);
}

// Mirroring with hotspot (10, 0) and width 40 at x = 100 spans 70 to 110 and
// shows the texels in reverse, still sharp.
TEST_F(ProvaGrafics, MirroredSpriteSpansAndSamples)
{
    std::vector<uint8_t> bytes;
    for (int x = 0; x < 40; ++x) bytes.insert(bytes.end(), {uint8_t(x * 6), 0, 0, 255});
    EscriuPNG("rampa40.png", 40, 1, PNG_COLOR_TYPE_RGBA, 8, bytes);
    Sprite* s = SpriteEnUs("rampa40.png");
    m_pSis->PosaHotspot(s, 10, 0);
    Fons(0, 0, 255);
    m_pSis->DibuixaSpriteEX(nullptr, s, 100, 300, true, 255, 0, 1, 1);
    LlegeixPantalla();
    EXPECT_RGB(At(69, 300), 0, 0, 255);
    EXPECT_RGB(At(110, 300), 0, 0, 255);
    EXPECT_RGB(At(70, 300), 39 * 6, 0, 0);
    EXPECT_RGB(At(109, 300), 0, 0, 0);
    EXPECT_RGB(At(90, 300), 19 * 6, 0, 0);
}

// Corners are placed about the hotspot, scaled, then turned.
TEST_F(ProvaGrafics, ScaleAndRotationPlaceTheCorners)
{
    EscriuPNGPla("rect.png", 20, 10, 255, 255, 255, 255);
    Sprite* s = SpriteEnUs("rect.png");
    Fons(0, 0, 0);
    m_pSis->DibuixaSpriteEX(nullptr, s, 100, 100, false, 255, static_cast<float>(M_PI / 2), 1, 1);
    m_pSis->PosaHotspot(s, 10, 5);
    m_pSis->DibuixaSpriteEX(nullptr, s, 400, 400, false, 255, 0, 2, 3);
    LlegeixPantalla();
    // Turned a quarter about (0, 0): x from 90 to 100, y from 100 to 120.
    EXPECT_RGB(At(95, 110), 255, 255, 255);
    EXPECT_RGB(At(105, 110), 0, 0, 0);
    EXPECT_RGB(At(95, 95), 0, 0, 0);
    // Scaled 2 x 3 about its centre: 380..420 by 385..415.
    EXPECT_RGB(At(380, 385), 255, 255, 255);
    EXPECT_RGB(At(418, 412), 255, 255, 255); // beyond, linear filtering reaches the padding
    EXPECT_RGB(At(379, 400), 0, 0, 0);
    EXPECT_RGB(At(420, 400), 0, 0, 0);
    EXPECT_RGB(At(400, 384), 0, 0, 0);
    EXPECT_RGB(At(400, 415), 0, 0, 0);
}

// Texture addressing wraps: a rectangle twice the image's width repeats it.
TEST_F(ProvaGrafics, TextureCoordinatesWrap)
{
    std::vector<uint8_t> bytes;
    for (int v : {10, 90, 170, 250}) bytes.insert(bytes.end(), {uint8_t(v), 0, 0, 255});
    EscriuPNG("banda.png", 4, 1, PNG_COLOR_TYPE_RGBA, 8, bytes);
    Sprite* s = m_pSis->CreaSpriteFitxer("banda.png", 0, 0, 8, 1, 0, 0, true, false);
    m_pSis->MarcaSpriteEnUs(s);
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(s, 10, 10);
    LlegeixPantalla();
    for (int x = 0; x < 8; ++x) {
        SCOPED_TRACE(x);
        EXPECT_RGB(At(10 + x, 10), (x % 4) * 80 + 10, 0, 0);
    }
}

// Unmarked sprites, and sprites whose bitmap has no texture, draw nothing.
TEST_F(ProvaGrafics, OnlySpritesInUseWithATextureDraw)
{
    EscriuPNGPla("pla.png", 8, 8, 255, 255, 255, 255);
    Sprite* s = m_pSis->CreaSpriteFitxer("pla.png", -1, -1, -1, -1, 0, 0, false, false);
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(s, 10, 10); // not in use, no texture
    m_pSis->MarcaSpriteEnUs(s);
    m_pSis->DibuixaSprite(s, 30, 10); // in use, no texture yet
    m_pSis->CarregaBitmapsEnUs();
    m_pSis->DibuixaSprite(s, 50, 10);
    m_pSis->DesmarcaSpriteEnUs(s);
    m_pSis->DibuixaSprite(s, 70, 10); // texture, not in use
    const ColorRGB gris(128, 128, 128);
    for (int f = 0; f < 0x40; ++f) m_pSis->DibuixaSpriteEX2(nullptr, s, f, &gris, 90, 10, false, 255, 0, 1, 1);
    LlegeixPantalla();
    EXPECT_RGB(At(12, 12), 0, 0, 0);
    EXPECT_RGB(At(32, 12), 0, 0, 0);
    EXPECT_RGB(At(52, 12), 255, 255, 255);
    EXPECT_RGB(At(72, 12), 0, 0, 0);
    EXPECT_RGB(At(92, 12), 0, 0, 0); // no blend flag draws an unmarked sprite
    EXPECT_FALSE(m_pSis->PotDibuixar(nullptr, 0, nullptr));
}

// Render targets: new ones are transparent, drawing into them is y-down like
// the screen, and drawing them shows that content the right way up.
TEST_F(ProvaGrafics, RenderTargetsKeepTheFieldOrientation)
{
    EscriuPNGPla("vermell.png", 4, 4, 255, 0, 0, 255);
    EscriuPNGPla("verd.png", 4, 4, 0, 255, 0, 255);
    Sprite* vermell = SpriteEnUs("vermell.png");
    Sprite* verd = SpriteEnUs("verd.png");
    for (bool bProfunditat : {false, true}) {
        SCOPED_TRACE(bProfunditat ? "with depth" : "without depth");
        Sprite* desti = m_pSis->CreaSpriteDestino(bProfunditat, 64, 64, 0, 0, true);
        ASSERT_NE(desti, nullptr);
        ASSERT_NE(desti->m_pBitmap->m_pTextura, nullptr);
        EXPECT_EQ(plat::TextureHasDepth(desti->m_pBitmap->m_pTextura), bProfunditat);
        std::vector<uint32_t> texels;
        ASSERT_TRUE(plat::ReadTexels(desti->m_pBitmap->m_pTextura, &texels));
        EXPECT_EQ(texels[0], 0u);
        EXPECT_EQ(texels[64 * 64 - 1], 0u);
        m_pSis->DibuixaSpriteEX(desti, vermell, 0, 0, false, 255, 0, 1, 1);
        m_pSis->DibuixaSpriteEX(desti, verd, 0, 60, false, 255, 0, 1, 1);
        Fons(0, 0, 255);
        m_pSis->DibuixaSprite(desti, 200, 200);
        LlegeixPantalla();
        EXPECT_RGB(At(201, 201), 255, 0, 0);
        EXPECT_RGB(At(201, 261), 0, 255, 0);
        EXPECT_RGB(At(230, 230), 0, 0, 255); // transparent in between
        ASSERT_TRUE(plat::ReadTexels(desti->m_pBitmap->m_pTextura, &texels));
        EXPECT_EQ(texels[0], 0xFFFF0000u);        // row 0 is the top
        EXPECT_EQ(texels[61 * 64 + 1], 0xFF00FF00u);
        // Filling clears the whole target.
        m_pSis->OmpleTextura(desti->m_pBitmap, CSistema2D::FesColorARGB(1, 2, 3, 4));
        ASSERT_TRUE(plat::ReadTexels(desti->m_pBitmap->m_pTextura, &texels));
        EXPECT_EQ(texels[0], 0x04010203u);
        m_pSis->Omple(desti, 255, 9, 8, 7);
        ASSERT_TRUE(plat::ReadTexels(desti->m_pBitmap->m_pTextura, &texels));
        EXPECT_EQ(texels[64 * 64 - 1], 0xFF090807u);
        m_pSis->AlliberaSprite(desti, true);
    }
}

// Plain rectangles: solid or outlined, onto the screen or a target; never
// onto the screen in place of a target that has no texture.
TEST_F(ProvaGrafics, PlainRectangles)
{
    Fons(0, 0, 0);
    m_pSis->DibuixaQuadre(nullptr, 10, 10, 20, 20, CSistema2D::FesColorARGB(255, 255, 0, 255), true);
    m_pSis->DibuixaQuadre(nullptr, 100, 10, 20, 20, CSistema2D::FesColorARGB(0, 255, 255, 255), false);
    m_pSis->DibuixaQuadre(nullptr, 200, 10, 20, 20, CSistema2D::FesColorARGB(255, 255, 255, 128), true);
    Sprite* sense = m_pSis->CreaSpriteDestino(false, 32, 32, 0, 0, false);
    m_pSis->DibuixaQuadre(sense, 300, 10, 20, 20, CSistema2D::FesColorARGB(255, 0, 0, 255), true);
    m_pSis->DesmarcaSpriteEnUs(sense);
    m_pSis->DibuixaQuadre(sense, 300, 10, 20, 20, CSistema2D::FesColorARGB(255, 0, 0, 255), true);
    Sprite* amb = m_pSis->CreaSpriteDestino(false, 32, 32, 0, 0, true);
    m_pSis->DibuixaQuadre(amb, 4, 4, 8, 8, CSistema2D::FesColorARGB(0, 0, 255, 255), true);
    LlegeixPantalla();
    EXPECT_RGB(At(10, 10), 255, 255, 0);
    EXPECT_RGB(At(29, 29), 255, 255, 0);
    EXPECT_RGB(At(30, 30), 0, 0, 0);
    EXPECT_RGB(At(105, 15), 0, 0, 0); // the triangles' edges only
    EXPECT_RGB(At(100, 20), 0, 255, 255);
    EXPECT_RGB(At(210, 20), 128, 128, 128);
    EXPECT_RGB(At(310, 20), 0, 0, 0);
    EXPECT_RGB(At(6, 6), 0, 0, 0); // the target's rectangle is not on screen
    std::vector<uint32_t> texels;
    ASSERT_TRUE(plat::ReadTexels(amb->m_pBitmap->m_pTextura, &texels));
    EXPECT_EQ(texels[5 * 32 + 5], 0xFF0000FFu);
    EXPECT_EQ(texels[0], 0u);
    // Drawing sprites afterwards uses the sprite states again.
    EXPECT_EQ(m_pSis->FlagsActuals(), 0);
    m_pSis->AlliberaSprite(sense, true);
    m_pSis->AlliberaSprite(amb, true);
}

// Depth: with the three-dimensional flags the z test and writes follow the
// flag word.
TEST_F(ProvaGrafics, DepthTestAndWriteFollowTheFlags)
{
    EscriuPNGPla("pla.png", 4, 4, 255, 255, 255, 255);
    Sprite* s = SpriteEnUs("pla.png");
    struct Cas {
        int flags;
        bool bSegonDibuixat;
    } casos[] = {
        {ESTAT_3D | ESTAT_Z_MENOR | ESTAT_Z_ESCRIU, false}, // the first quad wrote z 0: 0 < 0 fails
        {ESTAT_3D | ESTAT_Z_MENOR, true},                   // nothing written
        {ESTAT_3D | ESTAT_Z_ESCRIU, true},                  // ALWAYS passes
        {ESTAT_Z_MENOR | ESTAT_Z_ESCRIU, true},             // no test without 3D
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.flags);
        Fons(0, 0, 0);
        m_pSis->Flipa(true); // depth back to 1
        Fons(0, 0, 0);
        plat::QuadVertex v[4] = {
            {10, 20, 0, 1, 0xFFFF0000u, 0, 0},
            {10, 10, 0, 1, 0xFFFF0000u, 0, 0},
            {20, 20, 0, 1, 0xFFFF0000u, 0, 0},
            {20, 10, 0, 1, 0xFFFF0000u, 0, 0},
        };
        m_pSis->AplicaEstats(c.flags, true);
        plat::SetTexture(s->m_pBitmap->m_pTextura);
        plat::DrawQuad(v);
        for (plat::QuadVertex& q : v) q.colour = 0xFF00FF00u;
        plat::DrawQuad(v);
        LlegeixPantalla();
        if (c.bSegonDibuixat)
            EXPECT_RGB(At(15, 15), 0, 255, 0);
        else
            EXPECT_RGB(At(15, 15), 255, 0, 0);
    }
}

// Applying the same flag word twice reaches the device once; forcing it
// applies it again.
TEST_F(ProvaGrafics, SameFlagWordIsAppliedOnce)
{
    m_pSis->AplicaEstats(ESTAT_ADDITIU, false);
    int n = m_pSis->NumEstatsAplicats();
    m_pSis->AplicaEstats(ESTAT_ADDITIU, false);
    EXPECT_EQ(m_pSis->NumEstatsAplicats(), n);
    m_pSis->AplicaEstats(ESTAT_ADDITIU, true);
    EXPECT_EQ(m_pSis->NumEstatsAplicats(), n + 1);
    m_pSis->PosaEstats(false, false, false, true, false, false, false);
    EXPECT_EQ(m_pSis->NumEstatsAplicats(), n + 1);
    EXPECT_EQ(m_pSis->FlagsActuals(), 0x08);
}

// Many sprites with the same texture and flags cost one draw call.
TEST_F(ProvaGrafics, SpritesSharingStateAreBatched)
{
    EscriuPNGPla("pla.png", 4, 4, 255, 255, 255, 255);
    EscriuPNGPla("altre.png", 4, 4, 255, 0, 0, 255);
    Sprite* s = SpriteEnUs("pla.png");
    Sprite* t = SpriteEnUs("altre.png");
    Fons(0, 0, 0);
    plat::FlushQuads();
    uint64_t abans = plat::DrawCallCount();
    for (int i = 0; i < 500; ++i) m_pSis->DibuixaSprite(s, float(i % 100) * 8, float(i / 100) * 8);
    plat::FlushQuads();
    EXPECT_EQ(plat::DrawCallCount() - abans, 1u);
    abans = plat::DrawCallCount();
    for (int i = 0; i < 10; ++i) m_pSis->DibuixaSprite(i % 2 ? s : t, float(i) * 8, 100);
    plat::FlushQuads();
    EXPECT_EQ(plat::DrawCallCount() - abans, 10u);
    LlegeixPantalla();
    EXPECT_RGB(At(1, 101), 255, 0, 0);
    EXPECT_RGB(At(9, 101), 255, 255, 255);
}

TEST(Colors, PackedForms)
{
    EXPECT_EQ(CSistema2D::FesColorARGB(0x12, 0x34, 0x56, 0x78), 0x78123456u);
    struct Cas {
        uint8_t r, g, b, a;
        uint16_t esperat;
    } casos[] = {
        {255, 255, 255, 255, 0xFFFF}, {0, 0, 0, 0, 0x0000},     {0, 0, 0, 1, 0x8000},
        {255, 0, 0, 0, 0x7C00},       {0, 255, 0, 0, 0x03E0},   {0, 0, 255, 0, 0x001F},
        {7, 8, 15, 0, 0x0021},
    };
    for (const Cas& c : casos) EXPECT_EQ(CSistema2D::FesColor16(c.r, c.g, c.b, c.a), c.esperat);
    ColorRGB negre;
    EXPECT_EQ(negre.r + negre.g + negre.b, 0);
    Sprite s;
    EXPECT_EQ(s.m_aColors[0].a, 255);
    EXPECT_EQ(s.GetAmplada(), -1.0f);
}
