// Reading .Set font descriptions and widths files (no sprites are made here).
#include "engine/graphics/DescripcionFont.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class FontSetFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("font_set_file");
        serveis = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(serveis->Correcte());
    }
    void TearDown() override { serveis.reset(); }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> serveis;
};

TEST_F(FontSetFile, GridFormTakesRecordsByPosition)
{
    mgtest::EscriuFitxer(carpeta / "Data" / "Letras" / "A.Set",
                         "fontsettype = 1;\n"
                         "WHATEVER = \"Data\\Letras\\A.png\";\n"
                         "ANCHOS = \"Data\\Letras\\A.ANC\";\n"
                         "X = 34;\nY = 1.5;\nZ = 2, -3;\n"
                         "SOMBRA = \"Data\\Letras\\S.png\", 10, 20, 30, 140;\n"
                         "IGNORED = \"more\";\n");
    DescripcionFont d;
    ASSERT_TRUE(LeeDescripcionFont("Data\\Letras\\A.Set", d));
    EXPECT_TRUE(d.m_bRejilla);
    EXPECT_EQ(d.m_sImagen, "Data\\Letras\\A.png");
    EXPECT_EQ(d.m_sAnchos, "Data\\Letras\\A.ANC");
    EXPECT_FLOAT_EQ(d.m_fAlto, 34.0f);
    EXPECT_FLOAT_EQ(d.m_fSeparacion, 1.5f);
    EXPECT_FLOAT_EQ(d.m_fDesplazamientoX, 2.0f);
    EXPECT_FLOAT_EQ(d.m_fDesplazamientoY, -3.0f);
    ASSERT_TRUE(d.m_bSombra);
    EXPECT_EQ(d.m_sSombra, "Data\\Letras\\S.png");
    EXPECT_EQ(d.m_aiColorSombra[0], 10);
    EXPECT_EQ(d.m_aiColorSombra[3], 140);

    mgtest::EscriuFitxer(carpeta / "B.Set", "FONTSETTYPE=1; I=\"b.png\"; W=\"b.anc\"; H=20; S=0; O=0,0;");
    ASSERT_TRUE(LeeDescripcionFont("B.Set", d));
    EXPECT_TRUE(d.m_bRejilla);
    EXPECT_FALSE(d.m_bSombra);

    mgtest::EscriuFitxer(carpeta / "C.Set", "FONTSETTYPE=1;");
    ASSERT_TRUE(LeeDescripcionFont("C.Set", d));
    EXPECT_TRUE(d.m_bRejilla);
    EXPECT_FALSE(d.m_bTieneImagen);
}

TEST_F(FontSetFile, ClassicFormRecordByRecord)
{
    mgtest::EscriuFitxer(carpeta / "K.Set",
                         "LETRA = 65, 0, 0, 9, 9;\n"             // before any image: skipped
                         "SET_DE_LETRAS = \"Data\\Letras\\K1.tga\";\n"
                         "LETRA = 65, 1, 2, 10, 12;\n"
                         "letra = 300, 0, 0, 5, 5;\n"            // no such character: skipped
                         "LETRA = -1, 0, 0, 5, 5;\n"
                         "OTHER = 1;\n"
                         "SEPARACION = 2;\n"
                         "SET_DE_LETRAS = \"K2.bmp\";\n"
                         "LETRA = 255, 3, 4, 7, 8;\n"
                         "OSCURECEDOR = \"Sombra.png\", 0, 0, 0, 99;\n");
    DescripcionFont d;
    ASSERT_TRUE(LeeDescripcionFont("K.Set", d));
    EXPECT_FALSE(d.m_bRejilla);
    ASSERT_EQ(d.m_asImagenes.size(), 2u);
    EXPECT_EQ(d.m_asImagenes[0], "Data\\Letras\\K1.PNG");
    EXPECT_EQ(d.m_asImagenes[1], "K2.PNG");
    ASSERT_EQ(d.m_aLetras.size(), 2u);
    EXPECT_EQ(d.m_aLetras[0].m_iCodigo, 65);
    EXPECT_EQ(d.m_aLetras[0].m_iImagen, 0);
    EXPECT_FLOAT_EQ(d.m_aLetras[0].m_fW, 10.0f);
    EXPECT_FLOAT_EQ(d.m_aLetras[0].m_fH, 12.0f);
    EXPECT_EQ(d.m_aLetras[1].m_iCodigo, 255);
    EXPECT_EQ(d.m_aLetras[1].m_iImagen, 1);
    EXPECT_FLOAT_EQ(d.m_fSeparacion, 2.0f);
    EXPECT_TRUE(d.m_bSombra);
    EXPECT_EQ(d.m_aiColorSombra[3], 99);

    EXPECT_FALSE(LeeDescripcionFont("Missing.Set", d));
}

TEST_F(FontSetFile, WidthsAreSignedLittleEndianAndStopAtTheEnd)
{
    mgtest::EscriuFitxer(carpeta / "W.ANC", std::string("\x0A\x00\xFE\xFF\x00\x01\x07", 7));
    float anchos[256];
    anchos[5] = 99.0f;
    ASSERT_TRUE(LeeAnchosFont("W.ANC", anchos));
    EXPECT_FLOAT_EQ(anchos[0], 10.0f);
    EXPECT_FLOAT_EQ(anchos[1], -2.0f);
    EXPECT_FLOAT_EQ(anchos[2], 256.0f);
    EXPECT_FLOAT_EQ(anchos[3], 0.0f); // the odd last byte is no width
    EXPECT_FLOAT_EQ(anchos[5], 0.0f);
    EXPECT_FALSE(LeeAnchosFont("None.ANC", anchos));
}

} // namespace
