// Sequences drawn on the real graphics system: the alpha and scales a host
// passes down, lines between objects, tiled layers whatever their position
// or scale, nested sequences, and packages that outlive the cache a load
// empties.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/sequences/Secuencia.h"
#include "kit/ServeisFitxers.h"
#include "platform/RenderDevice.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// A white 16 x 16 square with its hotspot at its centre, in animations 0 and
// 1, cut from the white square's picture.
std::string Blanco()
{
    return "SPMVER = 1;\nSPRITE = 0, \"" + AtlasDePaquete(motor::paquete::CUADRO_BLANCO) +
           "\", 2, 2, 16, 16, 8, 8, 0;\nANIMACIO = 0, 0, 10000;\nANIMACIO = 1, 0, 10000;\n";
}

class DibujoSecuencia : public uitest::EntornoGrafico {
protected:
    void SetUp() override
    {
        EntornoGrafico::SetUp();
        m_carpeta = mgtest::CarpetaNova("sec-dibujo-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        m_sBlanco = Escribe("blanco.spm", Blanco());
    }
    // A file of the test's folder, by its absolute name.
    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_carpeta / nombre, contenido);
        return (m_carpeta / nombre).string();
    }
    // Loads, takes its resources and lets the graphics system load them.
    void Prepara(CSecuencia& s, const std::string& contenido, const std::string& nombre = "s.sec")
    {
        ASSERT_TRUE(s.Carga(Escribe(nombre, contenido).c_str()));
        s.CargaRecursos();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    // An update and a draw over black.
    void Paso(CSecuencia& s)
    {
        s.Actualiza();
        Fondo(0, 0, 0);
        s.Dibuja(nullptr);
    }

    std::filesystem::path m_carpeta;
    std::string m_sBlanco;
};

} // namespace

TEST_F(DibujoSecuencia, InheritedAlphaAndScalesReachTheObjects)
{
    CSecuencia s;
    Prepara(s, "OBJETO = 0, \"" + m_sBlanco + "\"; SETPOS = 0, 0, 200, 200; SETALFA = 0, 0, 255; SETESCALA = 0, 0, 4, 4;"
               "OBJETO = 1, \"" + m_sBlanco + "\"; SETPOS = 1, 0, 500, 200; SETESCALA = 1, 0, 4, 4;");
    s.PonAlfaHeredada(128);
    Paso(s);
    EXPECT_NEAR(En(200, 200).r, 128, 2);
    EXPECT_EQ(En(500, 200).r, 0); // alpha 0 never draws
    // The values stay for the next draws; the scales multiply the object's.
    s.PonAlfaHeredada(255);
    s.PonEscalaHeredadaX(2.0f);
    Paso(s);
    EXPECT_EQ(En(200, 200).r, 255);
    EXPECT_EQ(En(260, 200).r, 255); // 128 points wide now
    EXPECT_EQ(En(200, 236).r, 0);   // still 64 high
    Paso(s);
    EXPECT_EQ(En(260, 200).r, 255);
}

TEST_F(DibujoSecuencia, LinesNeedBothEndsAndTheirSpriteObject)
{
    CSecuencia s;
    Prepara(s, "OBJETOEXTREMO = 0; SETPOS = 0, 0, 100, 300; OBJETOEXTREMO = 1; SETPOS = 1, 0, 500, 300;"
               "OBJETO = 2, \"" + m_sBlanco + "\"; OBJETOEXTREMO = 3; SETPOS = 3, 0, 100, 500;"
               "OBJETOEXTREMO = 4; SETPOS = 4, 0, 500, 500;"
               "PONLINEA = 0, 0, 0, 1, 2, 0; PONLINEA = 1, 0, 3, 4, 9, 0; QUITALINEA = 0, 2;");
    Paso(s);
    EXPECT_EQ(En(300, 300).r, 255);
    EXPECT_EQ(En(300, 500).r, 0); // object 9 holds no sprite
    Paso(s);
    Paso(s);
    EXPECT_EQ(En(300, 300).r, 0);
}

TEST_F(DibujoSecuencia, LayersCoverTheFieldFromAnyPositionAndSkipTilesOfNoSize)
{
    CSecuencia s;
    Prepara(s, "SCROLL = 0, \"" + m_sBlanco + "\"; SCROLLMOSTRAR = 0, 0; SCROLLSETPOS = 0, 0, 999999.5, -987654.25;"
               "SCROLLMOV = 0, 0, 7.5, -3; SCROLLSETESCALA = 0, 3, 0, 0; SCROLLSETESCALA = 0, 4, 0.00001, 1;"
               "SCROLLSETESCALA = 0, 5, 2, 2;");
    for (int i = 0; i < 3; ++i) {
        Paso(s);
        for (int x : {0, 511, 1023})
            for (int y : {0, 383, 767}) EXPECT_EQ(En(x, y).r, 255) << x << "," << y;
    }
    // Still running on within reach of the field.
    EXPECT_LE(std::abs(s.Capa(0).x), 16.0f);
    // A scale of 0 and one that needs millions of tiles draw nothing, at once.
    for (int i = 0; i < 2; ++i) {
        s.Actualiza();
        Fondo(0, 0, 0);
        plat::FlushQuads();
        const uint64_t antes = plat::DrawCallCount();
        s.Dibuja(nullptr);
        plat::FlushQuads();
        EXPECT_EQ(plat::DrawCallCount(), antes);
        EXPECT_EQ(En(511, 383).r, 0);
    }
    Paso(s);
    EXPECT_EQ(En(511, 383).r, 255);
}

TEST_F(DibujoSecuencia, ASubSequenceShownAtAFrameDrawsInThatFrame)
{
    Escribe("hija.sec", "OBJETO = 0, \"" + m_sBlanco + "\"; SETPOS = 0, 0, 300, 300; SETALFA = 0, 0, 255;");
    CSecuencia s;
    Prepara(s, "SUBSECUENCIA = 0, \"" + (m_carpeta / "hija.sec").string() +
                   "\"; SUBSEC_SETVISIBLE = 0, 2, 1; SUBSEC_LANZA = 0, 2;");
    Paso(s);
    Paso(s);
    EXPECT_EQ(En(300, 300).r, 0);
    Paso(s);
    EXPECT_EQ(En(300, 300).r, 255);
    // A host's alpha reaches the nested sequence's objects too.
    s.PonAlfaHeredada(100);
    Paso(s);
    EXPECT_NEAR(En(300, 300).r, 100, 2);
}

TEST_F(DibujoSecuencia, PackagesCopiedBeforeALoadStillDrawAfterIt)
{
    // A widget's copy of a cached package, and a sequence of its own.
    CSPM* pCache = g_pGestorSPMs->GetSPM(m_sBlanco.c_str());
    ASSERT_NE(pCache, nullptr);
    CSPM widget;
    ASSERT_TRUE(widget.Copia(pCache));
    widget.MarcaEnUso();
    CSecuencia a;
    Prepara(a, "OBJETO = 0, \"" + m_sBlanco + "\"; SETPOS = 0, 0, 100, 100; SETALFA = 0, 0, 255;", "a.sec");
    EXPECT_EQ(g_pGestorSPMs->NumPaquetes(), 0);
    // Another load empties the cache again, where the same package was read anew.
    CSecuencia b;
    Prepara(b, "OBJETO = 0, \"" + m_sBlanco + "\"; SETPOS = 0, 0, 600, 100; SETALFA = 0, 0, 255;", "b.sec");
    EXPECT_EQ(g_pGestorSPMs->NumPaquetes(), 0);
    a.Actualiza();
    b.Actualiza();
    Fondo(0, 0, 0);
    widget.Dibuja(400, 400);
    a.Dibuja(nullptr);
    b.Dibuja(nullptr);
    EXPECT_EQ(En(400, 400).r, 255);
    EXPECT_EQ(En(100, 100).r, 255);
    EXPECT_EQ(En(600, 100).r, 255);
}
