// Reading .FLI files through the command-file reader.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

namespace {

// The game's three tables, read from the demo data through the archive and
// converted on the way from their UTF-8 sources. (That every table holds
// every code the catalogues name is the content audit's to check.)
TEST(FLIDemoTables, TextsArriveAsWritten)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    auto t = std::make_unique<CGestorFLIs>();
    t->CargaFichero(motor::fichero::TEXTOS_CATALA, 0);
    t->CargaFichero(motor::fichero::TEXTOS_CASTELLANO, 1);
    t->CargaFichero(motor::fichero::TEXTOS_ENGLISH, 2);
    ASSERT_EQ(t->m_iNumTablas, 3);
    const auto tecla = [](int codigo) {
        char texto[8];
        std::snprintf(texto, sizeof texto, motor::texto::NOMBRE_TECLA, codigo);
        return CodigoFLI(texto);
    };
    EXPECT_STREQ(t->GetTexto(tecla(0xCB), 2), "Left Arrow");
    EXPECT_STREQ(t->GetTexto(CodigoFLI(motor::texto::CANCELAR), 0), "Cancel\xB7la"); // stored in Windows-1252
    EXPECT_STREQ(t->GetTexto(tecla(0x56), 2), "\\<>");                              // a literal '<' is escaped
}

} // namespace
