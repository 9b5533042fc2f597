// Bitmaps and sprites: PNG forms, sharing, reference and use counts,
// placeholders, sizes.
#include "Ajudes.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/FaltasContenido.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"
#include "platform/RenderDevice.h"

#include <algorithm>
#include <filesystem>
#include <png.h>

namespace {

std::vector<uint32_t> Texels(Sprite* s)
{
    std::vector<uint32_t> t;
    if (s && s->m_pBitmap && s->m_pBitmap->m_pTextura) plat::ReadTexels(s->m_pBitmap->m_pTextura, &t);
    return t;
}

std::vector<uint8_t> Repeteix(std::initializer_list<uint8_t> bytes, int n)
{
    std::vector<uint8_t> v;
    for (int i = 0; i < n; ++i) v.insert(v.end(), bytes);
    return v;
}

// The PNG chunk checksum.
uint32_t Crc32(const char* p, size_t n)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= static_cast<uint8_t>(p[i]);
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
}

} // namespace

// Each PNG form and what its first texels hold (a 4x1 image in a 4x1
// texture; forms that are not converted leave the texture transparent).
TEST_F(ProvaGrafics, PngFormsConvertAsStored)
{
    const std::vector<ColorPalet> paleta = {{0, 0, 0}, {0, 0, 255}, {9, 8, 7}};
    struct Cas {
        const char* nom;
        int tipus, bits;
        std::vector<uint8_t> bytes;
        std::vector<ColorPalet> paleta;
        bool bOpac;
        std::vector<uint32_t> esperat;
    } casos[] = {
        {"rgba", PNG_COLOR_TYPE_RGBA, 8, {10, 20, 30, 255, 40, 50, 60, 0, 1, 2, 3, 128, 0, 0, 0, 0}, {}, false,
         {0xFF0A141E, 0x00000000, 0x80010203, 0x00000000}},
        {"rgba opaque", PNG_COLOR_TYPE_RGBA, 8, {10, 20, 30, 255, 40, 50, 60, 0, 1, 2, 3, 128, 0, 0, 0, 0}, {}, true,
         {0xFF0A141E, 0xFF28323C, 0xFF010203, 0xFF000000}},
        {"rgb", PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}, {}, false,
         {0xFF010203, 0xFF040506, 0xFF070809, 0xFF000000}},
        {"palette", PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2, 2}, paleta, false,
         {0x00000000, 0x00000000, 0xFF090807, 0xFF090807}},
        {"palette opaque", PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2, 2}, paleta, true,
         {0xFF000000, 0xFF0000FF, 0xFF090807, 0xFF090807}},
        {"grey with alpha is magenta", PNG_COLOR_TYPE_GRAY_ALPHA, 8, {5, 255, 6, 0, 7, 255, 8, 9}, {}, false,
         {0xFFFF00FF, 0xFFFF00FF, 0xFFFF00FF, 0xFFFF00FF}},
        {"grey is not converted", PNG_COLOR_TYPE_GRAY, 8, {1, 2, 3, 4}, {}, false, {0, 0, 0, 0}},
        {"16 bits are not converted", PNG_COLOR_TYPE_RGB, 16, Repeteix({1, 2, 3, 4, 5, 6}, 4), {}, false, {0, 0, 0, 0}},
        {"4-bit palette is not converted", PNG_COLOR_TYPE_PALETTE, 4, {0x12, 0x21}, paleta, false, {0, 0, 0, 0}},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        std::string nom = std::string(c.nom) + ".png";
        EscriuPNG(nom, 4, 1, c.tipus, c.bits, c.bytes, c.paleta);
        Sprite* s = SpriteEnUs(nom.c_str(), c.bOpac);
        ASSERT_NE(s, nullptr);
        EXPECT_NE(s->m_pBitmap, m_pSis->GetPlaceholder());
        EXPECT_EQ(s->GetAmplada(), 4.0f);
        EXPECT_EQ(Texels(s), c.esperat);
        m_pSis->AlliberaSprite(s, true);
    }
}

// A palette index past the palette's end is transparent, never a read past it.
TEST_F(ProvaGrafics, PaletteIndexPastTheEndIsTransparent)
{
    // Write a valid two-entry palette image, then raise one index by hand:
    // the pixel data are compressed, so write the rows with libpng using a
    // full palette and cut the PLTE chunk down afterwards.
    const std::vector<ColorPalet> paleta = {{9, 8, 7}, {1, 2, 3}, {4, 5, 6}};
    EscriuPNG("llarg.png", 3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, paleta);
    std::string bytes = mgtest::LlegeixFitxer(std::filesystem::path(CarpetaDades()) / "llarg.png");
    size_t plte = bytes.find("PLTE");
    ASSERT_NE(plte, std::string::npos);
    // Length 9 -> 6 and drop the third entry; fix the chunk's CRC.
    bytes[plte - 1] = 6;
    bytes.erase(plte + 4 + 6, 3);
    uint32_t crc = Crc32(bytes.data() + plte, 4 + 6);
    for (int i = 0; i < 4; ++i) bytes[plte + 10 + i] = static_cast<char>(crc >> (24 - 8 * i));
    mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / "curt.png", bytes);
    Sprite* s = SpriteEnUs("curt.png");
    std::vector<uint32_t> t = Texels(s);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], 0xFF090807u);
    EXPECT_EQ(t[1], 0xFF010203u);
    EXPECT_EQ(t[2], 0x00000000u);
}

// 16-bit textures store A1R5G5B5.
TEST_F(ProvaGrafics, SixteenBitTextures)
{
    Reinicia(true, false);
    EscriuPNG("rgba.png", 2, 1, PNG_COLOR_TYPE_RGBA, 8, {255, 0, 255, 255, 0, 0, 0, 0});
    Sprite* s = SpriteEnUs("rgba.png");
    std::vector<uint32_t> t = Texels(s);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0], 0xFFFF00FFu);
    EXPECT_EQ(t[1] >> 24, 0u);
}

// An image taller than the decoder's band of rows arrives whole, every row
// in its place, interlaced or not and in either texture format; what the
// image does not cover stays transparent.
TEST_F(ProvaGrafics, TallImagesArriveWholeBandByBand)
{
    const int w = 300, h = 130; // bands of 54 rows: the last one short
    std::vector<uint8_t> bytes;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bytes.insert(bytes.end(), {static_cast<uint8_t>(y), static_cast<uint8_t>(x), 248});
    struct Cas {
        const char* nom;
        bool bEntrellacat, b32;
    } casos[] = {{"seguit", false, true}, {"entrellacat", true, true}, {"setze bits", false, false}};
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        Reinicia(true, c.b32);
        const std::string nom = std::string(c.nom) + ".png";
        EscriuPNG(nom, w, h, PNG_COLOR_TYPE_RGB, 8, bytes, {}, c.bEntrellacat);
        Sprite* s = SpriteEnUs(nom.c_str());
        ASSERT_NE(s, nullptr);
        ASSERT_NE(s->m_pBitmap, m_pSis->GetPlaceholder());
        const std::vector<uint32_t> t = Texels(s);
        ASSERT_EQ(t.size(), 512u * 256u);
        int dolents = 0;
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 512; ++x) {
                uint32_t esperat = 0;
                if (x < w && y < h) {
                    // Sixteen-bit texels keep five bits a channel.
                    const uint32_t m = c.b32 ? 0xFF : 0xF8;
                    esperat = 0xFF000000u | ((y & m) << 16) | ((x & 0xFF & m) << 8) | 248u;
                }
                const uint32_t real = c.b32 || !esperat ? t[y * 512 + x] : t[y * 512 + x] & 0xFFF8F8F8u;
                if (real != esperat && dolents++ < 3) ADD_FAILURE() << "texel " << x << "," << y << ": " << std::hex << real;
            }
        }
        EXPECT_EQ(dolents, 0);
        m_pSis->AlliberaSprite(s, true);
    }
}

// A 100x50 image gets a 128x64 texture; its sprites keep 100x50, also when
// made or fitted after the texture exists, and sample u up to 100.5/128.
TEST_F(ProvaGrafics, ImageSizeAndTextureSizeStayApart)
{
    std::vector<uint8_t> bytes = Repeteix({0, 200, 0, 255}, 100 * 50);
    EscriuPNG("cent.png", 100, 50, PNG_COLOR_TYPE_RGBA, 8, bytes);
    Sprite* s = SpriteEnUs("cent.png");
    Bitmap* b = s->m_pBitmap;
    EXPECT_EQ(b->m_fAmplada, 100.0f);
    EXPECT_EQ(b->m_fAlcada, 50.0f);
    EXPECT_EQ(b->m_iAmpladaTextura, 128);
    EXPECT_EQ(b->m_iAlcadaTextura, 64);
    EXPECT_EQ(s->GetAmplada(), 100.0f);
    Sprite* t = m_pSis->CreaSpriteFitxer("cent.png", -1, -1, -1, -1, 0, 0, false, false);
    EXPECT_EQ(t->m_pBitmap, b);
    EXPECT_EQ(t->GetAmplada(), 100.0f);
    EXPECT_EQ(t->GetAlcada(), 50.0f);
    t->m_fAmplada = 3;
    m_pSis->AjustaSpriteABitmap(t);
    EXPECT_EQ(t->GetAmplada(), 100.0f);
    // On screen: exactly 100x50 pixels, none of the padding.
    Fons(255, 0, 0);
    m_pSis->DibuixaSprite(s, 10, 10);
    LlegeixPantalla();
    EXPECT_RGB(At(109, 59), 0, 200, 0);
    EXPECT_RGB(At(110, 30), 255, 0, 0);
    EXPECT_RGB(At(50, 60), 255, 0, 0);
    struct Cas {
        int n, p;
    } potencies[] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {100, 128}, {1024, 1024}, {4096, 4096}, {4097, -1}};
    for (const Cas& c : potencies) EXPECT_EQ(CSistema2D::PotenciaDeDos(c.n), c.p) << c.n;
}

// Two sprites on one file share one bitmap and texture; freeing the first
// keeps it, freeing the last frees the bitmap at once. The opacity key makes
// a second bitmap; names compare without regard to case.
TEST_F(ProvaGrafics, SpritesShareBitmapsByNameAndOpacity)
{
    EscriuPNGPla("Comu.png", 4, 4, 1, 2, 3, 255);
    Sprite* a = SpriteEnUs("Comu.png");
    Sprite* b = SpriteEnUs("COMU.PNG");
    Sprite* c = SpriteEnUs("comu.png", true);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->m_pBitmap, b->m_pBitmap);
    EXPECT_NE(a->m_pBitmap, c->m_pBitmap);
    EXPECT_EQ(m_pSis->NumBitmaps(), 2);
    Bitmap* bm = a->m_pBitmap;
    EXPECT_EQ(bm->m_iReferencies, 2);
    EXPECT_EQ(bm->m_iEnUs, 2);
    plat::Texture* tex = bm->m_pTextura;
    m_pSis->AlliberaSprite(a, false);
    EXPECT_EQ(bm->m_iReferencies, 1);
    EXPECT_EQ(bm->m_iEnUs, 1);
    EXPECT_EQ(bm->m_pTextura, tex);
    EXPECT_EQ(m_pSis->BuscaBitmapAmbNom("comu.PNG", false), bm);
    m_pSis->AlliberaSprite(b, false);
    EXPECT_EQ(m_pSis->BuscaBitmapAmbNom("comu.png", false), nullptr);
    EXPECT_EQ(m_pSis->NumBitmaps(), 1);
    // A copy counts as one more reference and is not in use.
    Sprite* d = m_pSis->CopiaSprite(c);
    EXPECT_EQ(c->m_pBitmap->m_iReferencies, 2);
    EXPECT_FALSE(d->m_bEnUs);
    EXPECT_NE(d->m_iId, c->m_iId);
    EXPECT_EQ(m_pSis->PrimerSprite(), d); // linked at the head
    m_pSis->AlliberaSprite(c, false);
    m_pSis->AlliberaSprite(d, false);
    EXPECT_EQ(m_pSis->NumBitmaps(), 0);
    EXPECT_EQ(m_pSis->PrimerSprite(), nullptr);
}

// Use counts: marking twice counts once; unloading drops the textures of
// bitmaps not in use and frees those without references; loading brings back
// what is in use.
TEST_F(ProvaGrafics, UnloadAndLoadFollowTheUseCounts)
{
    EscriuPNGPla("a.png", 4, 4, 1, 2, 3, 255);
    EscriuPNGPla("b.png", 4, 4, 1, 2, 3, 255);
    Sprite* a = m_pSis->CreaSpriteFitxer("a.png", -1, -1, -1, -1, 0, 0, false, false);
    Sprite* b = m_pSis->CreaSpriteFitxer("b.png", -1, -1, -1, -1, 0, 0, true, false);
    m_pSis->MarcaSpriteEnUs(a);
    m_pSis->MarcaSpriteEnUs(a);
    EXPECT_EQ(a->m_pBitmap->m_iEnUs, 1);
    m_pSis->DesmarcaSpriteEnUs(b);
    EXPECT_EQ(b->m_pBitmap->m_iEnUs, 0);
    EXPECT_EQ(a->m_pBitmap->m_pTextura, nullptr);
    ASSERT_NE(b->m_pBitmap->m_pTextura, nullptr);
    m_pSis->CarregaBitmapsEnUs();
    EXPECT_NE(a->m_pBitmap->m_pTextura, nullptr);
    m_pSis->DescarregaBitmapsSenseUs();
    EXPECT_NE(a->m_pBitmap->m_pTextura, nullptr);
    EXPECT_EQ(b->m_pBitmap->m_pTextura, nullptr);
    // A text bitmap with no reference left goes at the next unload.
    Sprite* t = m_pSis->CreaSpriteText(0, nullptr, 7, 0, 1, 1, 32, 16, 0, 0, 0, 0, -1, -1, true);
    ASSERT_NE(t->m_pBitmap->m_pTextura, nullptr);
    EXPECT_EQ(t->m_pBitmap->m_iReferencies, 1);
    int n = m_pSis->NumBitmaps();
    m_pSis->AlliberaSprite(t, false);
    EXPECT_EQ(m_pSis->NumBitmaps(), n);
    m_pSis->DescarregaBitmapsSenseUs();
    EXPECT_EQ(m_pSis->NumBitmaps(), n - 1);
    // Render targets are freed only at once.
    Sprite* d = m_pSis->CreaSpriteDestino(false, 16, 16, 0, 0, true);
    EXPECT_EQ(d->m_pBitmap->m_iEnUs, 1);
    EXPECT_TRUE(d->m_bEnUs);
    m_pSis->DescarregaBitmapsSenseUs();
    EXPECT_NE(d->m_pBitmap->m_pTextura, nullptr);
    m_pSis->AlliberaSprite(d, true);
    EXPECT_EQ(m_pSis->NumBitmaps(), n - 1);
    EXPECT_EQ(plat::LiveTextureCount(plat::TextureKind::Target), 0);
}

// Text sprites: a code wins over a text; the size stays; a rendered text
// bitmap is a transparent target until glyphs are drawn into it.
TEST_F(ProvaGrafics, TextSprites)
{
    Sprite* t = m_pSis->CreaSpriteText(0, "hola", -1, 0x01, 1, 1, 40, 20, 20, 10, 0, 0, -1, -1, true);
    ASSERT_NE(t, nullptr);
    Bitmap* b = t->m_pBitmap;
    EXPECT_EQ(b->m_iTipus, BITMAP_TEXT);
    EXPECT_STREQ(b->m_szText, "hola");
    EXPECT_EQ(t->GetAmplada(), 40.0f);
    EXPECT_EQ(t->m_fHotspotX, 20.0f);
    ASSERT_NE(b->m_pSpritePropi, nullptr);
    EXPECT_TRUE(b->m_pSpritePropi->m_bEnUs);
    EXPECT_EQ(b->m_iEnUs, 0);
    EXPECT_EQ(b->m_iAmpladaTextura, 64);
    m_pSis->CanviaTextSprite(t, "adeu", 1234, 0x02, 2, 2, 1, 1, 10, 10);
    EXPECT_EQ(b->m_szText, nullptr);
    EXPECT_EQ(b->m_iCodiFLI, 1234);
    EXPECT_EQ(b->m_iFlagsText, 0x02);
    m_pSis->CanviaTextSprite(t, "adeu", -1, 0, 1, 1, 0, 0, -1, -1);
    EXPECT_STREQ(b->m_szText, "adeu");
    EXPECT_EQ(b->m_iCodiFLI, -1);
    m_pSis->CanviaTextSprite(t, nullptr, -1, 0, 1, 1, 0, 0, -1, -1); // nothing
    EXPECT_STREQ(b->m_szText, "adeu");
    m_pSis->CanviaTextSprite(t, b->m_szText, -1, 0, 1, 1, 0, 0, -1, -1); // its own text again
    EXPECT_STREQ(b->m_szText, "adeu");
    EXPECT_EQ(t->GetAmplada(), 40.0f);
    std::vector<uint32_t> texels = Texels(t);
    ASSERT_FALSE(texels.empty());
    EXPECT_EQ(texels[0], 0u);
    m_pSis->AlliberaSprite(t, true);
}

// A missing file or one that is not a PNG gives the shared placeholder: its
// own file when it exists, else an image built in code.
TEST_F(ProvaGrafics, MissingImagesShowThePlaceholder)
{
    mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / "text.png", "not a picture at all");
    for (const char* nom : {"nohiés.png", "text.png"}) {
        SCOPED_TRACE(nom);
        Sprite* s = m_pSis->CreaSpriteFitxer(nom, 1, 1, 5, 5, 0, 0, true, false);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->m_pBitmap, m_pSis->GetPlaceholder());
        EXPECT_EQ(s->GetAmplada(), 64.0f);
        EXPECT_EQ(s->m_fHotspotX, 32.0f);
        EXPECT_EQ(s->m_pBitmap->m_iMarcaPlaceholder, 0);
        m_pSis->MarcaSpriteEnUs(s);
        Fons(0, 0, 255);
        m_pSis->DibuixaSprite(s, 100, 100);
        LlegeixPantalla();
        EXPECT_RGB(At(68, 68), 255, 255, 255);   // the frame
        EXPECT_RGB(At(68 + 20, 68 + 4), 255, 0, 255); // a magenta square
        EXPECT_RGB(At(68 + 12, 68 + 4), 0, 0, 0);      // a black one
        EXPECT_RGB(At(68 + 32, 68 + 32), 255, 255, 255); // the cross
        m_pSis->AlliberaSprite(s, false);
        // The placeholder keeps its texture and its own use.
        ASSERT_NE(m_pSis->GetPlaceholder(), nullptr);
        m_pSis->DescarregaBitmapsSenseUs();
        EXPECT_NE(m_pSis->GetPlaceholder()->m_pTextura, nullptr);
    }
    EXPECT_EQ(m_pSis->GetPlaceholder()->m_iReferencies, 1);
    // With its file present, the file is shown.
    Reinicia(true, true);
    EscriuPNGPla(mgtest::RutaDeDades(motor::marcador::PNG_NO_ENCONTRADO), 64, 64, 0, 250, 0, 255);
    Sprite* s = SpriteEnUs("falta.png");
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(s, 100, 100);
    LlegeixPantalla();
    EXPECT_RGB(At(100, 100), 0, 250, 0);
}

// A picture whose file is there but does not decode is treated as missing,
// and said once on standard error: a header that does not read gives the
// shared placeholder; a body that does not decode keeps the picture's size
// and shows the placeholder's pattern over all of it, never black.
TEST_F(ProvaGrafics, DamagedImagesShowThePlaceholderAndAreReported)
{
    OlvidaFaltasContenido();
    EscriuPNGPla("sencera.png", 96, 80, 0, 0, 250, 255);
    const std::string sencera = mgtest::LlegeixFitxer(std::filesystem::path(CarpetaDades()) / "sencera.png");
    ASSERT_GT(sencera.size(), 80u);
    const auto escriu = [](const char* nom, const std::string& bytes) {
        mgtest::EscriuFitxer(std::filesystem::path(CarpetaDades()) / nom, bytes);
    };
    // The signature and then garbage where the header should be.
    escriu("capcalera.png", sencera.substr(0, 8) + std::string(40, '\x5a'));
    // A whole header, the image data cut short.
    escriu("tallada.png", sencera.substr(0, sencera.size() / 2));
    // The image data's bytes overwritten (its checksum no longer agrees).
    std::string remenada = sencera;
    for (size_t i = 60; i < remenada.size() - 16; i += 3) remenada[i] = static_cast<char>(remenada[i] ^ 0x5a);
    escriu("remenada.png", remenada);
    struct Cas {
        const char* nom;
        bool bPlaceholder;
    } casos[] = {{"capcalera.png", true}, {"tallada.png", false}, {"remenada.png", false}};
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        testing::internal::CaptureStderr();
        Sprite* s = SpriteEnUs(c.nom);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->m_pBitmap == m_pSis->GetPlaceholder(), c.bPlaceholder);
        EXPECT_EQ(s->GetAmplada(), c.bPlaceholder ? 64.0f : 96.0f);
        Fons(0, 250, 0);
        m_pSis->DibuixaSprite(s, c.bPlaceholder ? 132 : 100, c.bPlaceholder ? 132 : 100);
        LlegeixPantalla();
        // The pattern's frame, a magenta square and a black one, from the
        // picture's top left corner and in its next tile.
        for (int x0 : {100, 164}) {
            if (c.bPlaceholder && x0 > 100) continue;
            EXPECT_RGB(At(x0, 100), 255, 255, 255);
            EXPECT_RGB(At(x0 + 20, 104), 255, 0, 255);
            EXPECT_RGB(At(x0 + 12, 104), 0, 0, 0);
        }
        if (!c.bPlaceholder) EXPECT_RGB(At(100 + 95, 100 + 79), 255, 0, 255); // its last texel: in a magenta square
        // Drawn again (its texture dropped and made again): said once only.
        m_pSis->AlliberaSprite(s, false);
        m_pSis->DescarregaBitmapsSenseUs();
        s = SpriteEnUs(c.nom);
        m_pSis->AlliberaSprite(s, false);
        const std::string dicho = testing::internal::GetCapturedStderr();
        EXPECT_NE(dicho.find(std::string("picture ") + c.nom + " cannot be read whole"), std::string::npos) << dicho;
        EXPECT_EQ(std::count(dicho.begin(), dicho.end(), '\n'), 1) << dicho;
        const auto faltas = FaltasContenido();
        EXPECT_NE(std::find(faltas.begin(), faltas.end(), FaltaContenido{TipoFalta::Imagen, c.nom}), faltas.end());
    }
    // A missing file is noted, not said.
    testing::internal::CaptureStderr();
    m_pSis->AlliberaSprite(SpriteEnUs("nohies.png"), false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    OlvidaFaltasContenido();
}

// A language change: pictures whose names hold _XX are read again from the
// new language's files, and text sprites in use are rendered again.
TEST_F(ProvaGrafics, LanguageChangeReloadsLanguagePictures)
{
    EscriuPNGPla("Titol_EN.png", 4, 4, 255, 0, 0, 255);
    EscriuPNGPla("Titol_ES.png", 4, 4, 0, 255, 0, 255);
    EscriuPNGPla("Fix.png", 4, 4, 0, 0, 255, 255);
    g_pSistemaFitxers->CambiaIdioma('E', 'N');
    Sprite* titol = SpriteEnUs("Titol_XX.png");
    Sprite* fix = SpriteEnUs("Fix.png");
    Sprite* text = m_pSis->CreaSpriteText(0, "x", -1, 0, 1, 1, 16, 16, 0, 0, 0, 0, -1, -1, true);
    m_pSis->MarcaSpriteEnUs(text);
    ASSERT_TRUE(titol && fix && text);
    EXPECT_TRUE(titol->m_pBitmap->m_bIdioma);
    EXPECT_FALSE(fix->m_pBitmap->m_bIdioma);
    plat::Texture* texturaFix = fix->m_pBitmap->m_pTextura;
    Fons(0, 0, 0);
    m_pSis->DibuixaSprite(titol, 10, 10);
    LlegeixPantalla();
    EXPECT_RGB(At(11, 11), 255, 0, 0);
    // What the application core runs on a language change.
    g_pSistemaFitxers->CambiaIdioma('E', 'S');
    m_pSis->RecargaBitmapsTexto();
    m_pSis->RecargaBitmapsIdiomaticos();
    EXPECT_EQ(text->m_pBitmap->m_pTextura, nullptr);
    EXPECT_EQ(titol->m_pBitmap->m_pTextura, nullptr);
    m_pSis->DescarregaBitmapsSenseUs();
    m_pSis->CarregaBitmapsEnUs();
    EXPECT_NE(text->m_pBitmap->m_pTextura, nullptr);
    EXPECT_EQ(fix->m_pBitmap->m_pTextura, texturaFix);
    m_pSis->DibuixaSprite(titol, 10, 10);
    LlegeixPantalla();
    EXPECT_RGB(At(11, 11), 0, 255, 0);
}
