// Reading .FLI files through the command-file reader.
#include "engine/graphics/GestorFLIs.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class FLIFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("fli_files");
        serveis = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(serveis->Correcte());
    }
    void TearDown() override { serveis.reset(); }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> serveis;
    std::unique_ptr<CGestorFLIs> t = std::make_unique<CGestorFLIs>();
};

TEST_F(FLIFiles, ReadsFLIRecordsAndSkipsTheRest)
{
    mgtest::EscriuFitxer(carpeta / "Data" / "Textos" / "Prova.FLI",
                         "// a comment\n"
                         "FLI = \"ACEP\", \"Accept\";\n"
                         "TITULO = \"TITL\", \"not a text\";\n"
                         "fli = \"CANC\", \"Cancel, later\";\n"
                         "FLI = \"ONLY\";\n"                 // no text: skipped, reading goes on
                         "Fli = \"ACEP\", \"second ACEP\";\n"
                         "FLI = \"\xC7\x41\x50\x53\", \"\xC7" "a\";\n");
    t->CargaFichero("Data\\Textos\\Prova.FLI", 2);
    t->SeleccionaIdioma(2);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "Accept");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("CANC")), "Cancel, later");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("TITL")), CGestorFLIs::kTextoDesconocido);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ONLY")), CGestorFLIs::kTextoDesconocido);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("\xC7" "APS")), "\xC7" "a");
    EXPECT_EQ(t->m_aTablas[t->BuscaIndice(2)].m_iNumTextos, 4);
}

TEST_F(FLIFiles, MissingFileAddsNothing)
{
    t->CargaFichero("Data\\Textos\\Nowhere.FLI", 0);
    t->CargaFichero(nullptr, 0);
    EXPECT_EQ(t->m_iNumTablas, 0);
    t->SeleccionaIdioma(0);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), CGestorFLIs::kTextoSinFichero);
}

TEST_F(FLIFiles, The4097thTextIsRefusedAndEndsTheFile)
{
    std::string fitxer;
    for (int i = 0; i <= FLI_MAX_TEXTOS; ++i) fitxer += "FLI = \"" + std::to_string(1000 + i) + "\", \"t\";\n";
    mgtest::EscriuFitxer(carpeta / "Molts.FLI", fitxer);
    t->CargaFichero("Molts.FLI", 1);
    const int indice = t->BuscaIndice(1);
    ASSERT_NE(indice, -1);
    EXPECT_EQ(t->m_aTablas[indice].m_iNumTextos, FLI_MAX_TEXTOS);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("5095"), 1), "t");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("5096"), 1), CGestorFLIs::kTextoDesconocido);
}

} // namespace
