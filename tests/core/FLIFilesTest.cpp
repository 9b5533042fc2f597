// Reading .FLI files through the command-file reader.
#include "engine/core/GestorFLIs.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

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

// The game's three tables, read from the demo data through the archive.
TEST(FLIDemoTables, EveryLanguageHoldsTheEngineCodes)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    auto t = std::make_unique<CGestorFLIs>();
    t->CargaFichero("Data\\Textos\\Catala.FLI", 0);
    t->CargaFichero("Data\\Textos\\Castellano.FLI", 1);
    t->CargaFichero("Data\\Textos\\English.FLI", 2);
    ASSERT_EQ(t->m_iNumTablas, 3);
    std::vector<std::string> codigos = {"NC01", "NC03", "NC04", "PN01", "PN02"};
    // The key names of the default bindings and of every key the controls
    // screen may show.
    for (int tecla : {0x01, 0x1C, 0x1D, 0x1E, 0x20, 0x11, 0x2A, 0x36, 0x39, 0x9D, 0xC8, 0xCB, 0xCD, 0xD0})
    {
        char codigo[8];
        std::snprintf(codigo, sizeof codigo, "DK%02X", tecla);
        codigos.push_back(codigo);
    }
    for (int clave = 0; clave < 3; ++clave) {
        for (const std::string& c : codigos) {
            const char* texto = t->GetTexto(CodigoFLI(c.c_str()), clave);
            EXPECT_NE(texto[0], '*') << c << " in language " << clave << ": " << texto;
        }
    }
    EXPECT_STREQ(t->GetTexto(CodigoFLI("DKCB"), 2), "Left Arrow");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("PN02"), 0), "Cancel\xB7la"); // stored in Windows-1252
    EXPECT_STREQ(t->GetTexto(CodigoFLI("DK56"), 2), "\\<>");         // a literal '<' is escaped
}

} // namespace
