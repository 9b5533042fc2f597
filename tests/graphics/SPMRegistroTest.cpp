// Reading the records of sprite-package files, good and bad.
#include "engine/core/GestorComandes.h"
#include "engine/graphics/RegistroSPM.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Reads one command from text and interprets it.
bool Lee(const std::string& texto, int version, RegistroSPM* r)
{
    CGestorComandes g;
    FitxerComandes f;
    f.m_bLectura = 1;
    size_t usados = 0;
    if (!CGestorComandes::LlegeixComandaDe(reinterpret_cast<const unsigned char*>(texto.data()), texto.size(), &usados,
                                           &f))
        return false;
    return InterpretaRegistroSPM(&g, &f, version, r);
}

} // namespace

TEST(SPMRegistro, Sprites)
{
    struct Caso {
        const char* texto;
        int version;
        bool usado;
        int slot;
        const char* fichero;
        float x, y, w, h, hx, hy;
        bool espejo, opaco;
    };
    const Caso casos[] = {
        {R"(SPRITE = 3, "Data\A\B.png", 1, 2, 30, 40, 5, 6;)", 0, true, 3, "Data\\A\\B.PNG", 1, 2, 30, 40, 5, 6, false, false},
        {R"(sprite = 0, "x.bmp", -1, 0, 0, 0, 0, 0;)", 0, true, 0, "x.PNG", -1, 0, 0, 0, 0, 0, false, false},
        {R"(SPRITE = 255, "a.tga", 0, 0, 8, 8, 4, 4, 1;)", 1, true, 255, "a.PNG", 0, 0, 8, 8, 4, 4, true, false},
        {R"(SPRITE = 1, "a.png", 0, 0, 8, 8, 4, 4, 2;)", 1, true, 1, "a.PNG", 0, 0, 8, 8, 4, 4, false, true},
        {R"(SPRITE = 1, "a.png", 0, 0, 8, 8, 4, 4, 3;)", 1, true, 1, "a.PNG", 0, 0, 8, 8, 4, 4, true, true},
        {R"(SPRITE = 1, "a.png", 0, 0, 8, 8, 4, 4, 7;)", 1, true, 1, "a.PNG", 0, 0, 8, 8, 4, 4, false, false},
        // Before SPMVER 1 a mode is not read.
        {R"(SPRITE = 1, "a.png", 0, 0, 8, 8, 4, 4, 3;)", 0, true, 1, "a.PNG", 0, 0, 8, 8, 4, 4, false, false},
        // Missing numbers read as -1.
        {R"(SPRITE = 2, "abc";)", 1, true, 2, "PNG", -1, -1, -1, -1, -1, -1, false, false},
        // Bad records: skipped.
        {R"(SPRITE = 256, "a.png", 0, 0, 8, 8, 4, 4;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        {R"(SPRITE = -1, "a.png", 0, 0, 8, 8, 4, 4;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        // An empty number reads as 0 (only a missing one is -1).
        {R"(SPRITE = , "a.png", 0, 0, 8, 8, 4, 4;)", 0, true, 0, "a.PNG", 0, 0, 8, 8, 4, 4, false, false},
        {R"(SPRITE = 4, "ab", 0, 0, 8, 8, 4, 4;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        {R"(SPRITE = 4, "", 0, 0, 8, 8, 4, 4;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        {R"(SPRITE = 4;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        {R"(SPRITES = 4, "a.png";)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
        {R"(FIN;)", 0, false, 0, "", 0, 0, 0, 0, 0, 0, false, false},
    };
    for (const auto& c : casos) {
        RegistroSPM r;
        ASSERT_EQ(Lee(c.texto, c.version, &r), c.usado) << c.texto;
        if (!c.usado) continue;
        EXPECT_EQ(r.tipo, RegistroSPM::SPRITE) << c.texto;
        EXPECT_EQ(r.slot, c.slot) << c.texto;
        EXPECT_EQ(r.fichero, c.fichero) << c.texto;
        EXPECT_EQ(r.x, c.x) << c.texto;
        EXPECT_EQ(r.y, c.y) << c.texto;
        EXPECT_EQ(r.w, c.w) << c.texto;
        EXPECT_EQ(r.h, c.h) << c.texto;
        EXPECT_EQ(r.hotspotX, c.hx) << c.texto;
        EXPECT_EQ(r.hotspotY, c.hy) << c.texto;
        EXPECT_EQ(r.espejo, c.espejo) << c.texto;
        EXPECT_EQ(r.opaco, c.opaco) << c.texto;
    }
    // A name at the longest the file system opens is refused, one shorter kept.
    RegistroSPM r;
    EXPECT_FALSE(Lee("SPRITE = 1, \"" + std::string(1024, 'a') + "\";", 0, &r));
    EXPECT_TRUE(Lee("SPRITE = 1, \"" + std::string(1023, 'a') + "\";", 0, &r));
    EXPECT_EQ(r.fichero.size(), 1023u);
}

TEST(SPMRegistro, Textos)
{
    RegistroSPM r;
    ASSERT_TRUE(Lee(R"(TXT = 7, 200, 40, 1, 2, 3, "Hola, mundo", 100, 20, 1.5, 2;)", 0, &r));
    EXPECT_EQ(r.tipo, RegistroSPM::TXT);
    EXPECT_EQ(r.slot, 7);
    EXPECT_EQ(r.ancho, 200);
    EXPECT_EQ(r.alto, 40);
    EXPECT_EQ(r.font, 3);
    EXPECT_EQ(r.texto, "Hola, mundo");
    EXPECT_EQ(r.codigo, -1);
    EXPECT_EQ(r.hotspotX, 100);
    EXPECT_EQ(r.hotspotY, 20);
    EXPECT_EQ(r.escalaX, 1.5f);
    EXPECT_EQ(r.escalaY, 2.0f);
    EXPECT_EQ(r.flagsTexto, 0x40 | 0x01 | 0x10);

    ASSERT_TRUE(Lee(R"(TXTFLI = 9, 200, 40, 0, 0, 1, "ACEP", 0, 0, 1, 1;)", 0, &r));
    EXPECT_EQ(r.tipo, RegistroSPM::TXTFLI);
    EXPECT_EQ(r.codigo, 0x41434550);
    EXPECT_EQ(r.flagsTexto, 0x40 | 0x04 | 0x20);

    EXPECT_FALSE(Lee(R"(TXT = 300, 200, 40, 1, 2, 3, "x", 0, 0, 1, 1;)", 0, &r));
    EXPECT_FALSE(Lee(R"(TXTFLI = -4, 200, 40, 1, 2, 3, "ACEP", 0, 0, 1, 1;)", 0, &r));

    struct {
        int h, v, flags;
    } alineaciones[] = {
        {0, 0, 0x64}, {1, 1, 0x49}, {2, 2, 0x52}, {3, 3, 0x40}, {-1, 1, 0x48},
    };
    for (const auto& a : alineaciones) EXPECT_EQ(FlagsTextoSPM(a.h, a.v), a.flags) << a.h << "," << a.v;
}

TEST(SPMRegistro, AnimacionesYVersion)
{
    RegistroSPM r;
    ASSERT_TRUE(Lee("SPMVER = 1;", 0, &r));
    EXPECT_EQ(r.tipo, RegistroSPM::VERSION);
    EXPECT_EQ(r.version, 1);

    ASSERT_TRUE(Lee("ANIMACIO = 2, 3, 100, 4, 50;", 0, &r));
    EXPECT_EQ(r.tipo, RegistroSPM::ANIMACIO);
    EXPECT_EQ(r.animacion, 2);
    ASSERT_EQ(r.frames.m_ucNumFrames, 2);
    EXPECT_EQ(r.frames.m_aucSlots[0], 3);
    EXPECT_EQ(r.frames.m_ausDuraciones[0], 100);
    EXPECT_EQ(r.frames.m_aucSlots[1], 4);
    EXPECT_EQ(r.frames.m_ausDuraciones[1], 50);
    EXPECT_EQ(r.frames.m_iDuracionTotal, 150);

    // A trailing slot without a duration is dropped.
    ASSERT_TRUE(Lee("animacio = 0, 1, 10, 2;", 0, &r));
    EXPECT_EQ(r.frames.m_ucNumFrames, 1);
    EXPECT_EQ(r.frames.m_iDuracionTotal, 10);

    // Durations outside 0..65535 are limited.
    ASSERT_TRUE(Lee("ANIMACIO = 0, 1, -5, 2, 70000;", 0, &r));
    EXPECT_EQ(r.frames.m_ausDuraciones[0], 0);
    EXPECT_EQ(r.frames.m_ausDuraciones[1], 65535);
    EXPECT_EQ(r.frames.m_iDuracionTotal, 65535);

    // At most 255 frames are kept.
    std::string largo = "ANIMACIO = 5";
    for (int i = 0; i < 300; ++i) largo += ", 1, 1";
    ASSERT_TRUE(Lee(largo + ";", 0, &r));
    EXPECT_EQ(r.frames.m_ucNumFrames, 255);
    EXPECT_EQ(r.frames.m_iDuracionTotal, 255);

    // Animation indices outside 0..255, missing ones included, are skipped.
    EXPECT_FALSE(Lee("ANIMACIO = 256, 1, 10;", 0, &r));
    EXPECT_FALSE(Lee("ANIMACIO = -1, 1, 10;", 0, &r));
    EXPECT_FALSE(Lee("ANIMACIO;", 0, &r));
}
