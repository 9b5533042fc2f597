// Text tables: codes, lookup order, language keys and limits.
#include "engine/core/GestorFLIs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(FLICode, FirstCharacterInTheTopByte)
{
    EXPECT_EQ(CodigoFLI("ACEP"), 0x41434550);
    EXPECT_EQ(CodigoFLI("ACEPTAR"), 0x41434550);
    EXPECT_EQ(CodigoFLI("AB"), 0x41420000);
    EXPECT_EQ(CodigoFLI(""), 0);
    EXPECT_EQ(CodigoFLI(nullptr), -1);
    EXPECT_EQ(CodigoFLI("\xC0\x01\x02\x03"), static_cast<int32_t>(0xC0010203u));
}

class FLITables : public ::testing::Test {
protected:
    std::unique_ptr<CGestorFLIs> t = std::make_unique<CGestorFLIs>();
};

TEST_F(FLITables, FreshObjectHasEveryTableFree)
{
    EXPECT_FALSE(t->EstaIniciado());
    EXPECT_TRUE(t->Inicia());
    EXPECT_TRUE(t->EstaIniciado());
    EXPECT_EQ(t->m_iNumTablas, 0);
    for (const TablaFLI& tabla : t->m_aTablas) {
        EXPECT_EQ(tabla.m_iClave, -1);
        EXPECT_EQ(tabla.m_iNumTextos, 0);
    }
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), CGestorFLIs::kTextoSinFichero);
}

TEST_F(FLITables, LookupByCurrentAndExplicitKey)
{
    ASSERT_TRUE(t->AnadeTexto(0, "ACEP", "Accepta"));
    ASSERT_TRUE(t->AnadeTexto(2, "ACEP", "OK"));
    ASSERT_TRUE(t->AnadeTexto(2, "ACEP", "Accept")); // a duplicate: the first one wins
    ASSERT_TRUE(t->AnadeTexto(2, "CANC", "Cancel"));
    t->SeleccionaIdioma(2);
    EXPECT_EQ(t->IdiomaActual(), 2);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "OK");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("CANC"), -1), "Cancel");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP"), 0), "Accepta"); // whatever the current key
    EXPECT_STREQ(t->GetTexto(CodigoFLI("CANC"), 0), CGestorFLIs::kTextoDesconocido);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP"), 5), CGestorFLIs::kTextoSinFichero);
    EXPECT_EQ(t->BuscaIndice(2), 1);
    EXPECT_EQ(t->BuscaIndice(7), -1);
    EXPECT_STREQ(t->BuscaTexto(CodigoFLI("ACEP"), -1), CGestorFLIs::kTextoIndiceMenosUno);
    EXPECT_STREQ(t->BuscaTexto(CodigoFLI("ACEP"), 0), "Accepta");
}

TEST_F(FLITables, LanguageWithoutTableShowsTheMarkerUntilALoadedOneIsSelected)
{
    ASSERT_TRUE(t->AnadeTexto(1, "ACEP", "Aceptar"));
    t->SeleccionaIdioma(1);
    t->SeleccionaIdioma(4);
    EXPECT_EQ(t->IdiomaActual(), 4);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), CGestorFLIs::kTextoSinFichero);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("XXXX")), CGestorFLIs::kTextoSinFichero);
    t->SeleccionaIdioma(-1); // ignored
    EXPECT_EQ(t->IdiomaActual(), 4);
    t->SeleccionaIdioma(1);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "Aceptar");
}

TEST_F(FLITables, SelectingAKeyBeforeItsTableIsLoadedAndAgainAfter)
{
    t->SeleccionaIdioma(2);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), CGestorFLIs::kTextoSinFichero);
    ASSERT_TRUE(t->AnadeTexto(0, "ACEP", "Accepta"));
    ASSERT_TRUE(t->AnadeTexto(2, "ACEP", "Accept"));
    t->SeleccionaIdioma(2);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "Accept");
    t->SeleccionaIdioma(2); // already current: nothing changes
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "Accept");
}

TEST_F(FLITables, IncompleteRecordsAreSkippedNotRefused)
{
    EXPECT_TRUE(t->AnadeTexto(0, "ACEP", nullptr));
    EXPECT_TRUE(t->AnadeTexto(0, nullptr, "text"));
    EXPECT_FALSE(t->AnadeTexto(-1, "ACEP", "text"));
    EXPECT_EQ(t->m_iNumTablas, 0);
    ASSERT_TRUE(t->AnadeTexto(0, "ACEP", ""));
    t->SeleccionaIdioma(0);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP")), "");
}

TEST_F(FLITables, TextAndTableLimits)
{
    for (int i = 0; i < FLI_MAX_TEXTOS; ++i) {
        char codigo[5];
        std::snprintf(codigo, sizeof codigo, "%04d", i);
        ASSERT_TRUE(t->AnadeTexto(0, codigo, codigo)) << i;
    }
    EXPECT_FALSE(t->AnadeTexto(0, "ZZZZ", "one too many"));
    EXPECT_EQ(t->m_aTablas[0].m_iNumTextos, FLI_MAX_TEXTOS);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("4095"), 0), "4095");
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ZZZZ"), 0), CGestorFLIs::kTextoDesconocido);

    for (int clave = 1; clave < FLI_MAX_TABLAS; ++clave) ASSERT_TRUE(t->AnadeTexto(clave, "ACEP", "x"));
    EXPECT_FALSE(t->AnadeTexto(FLI_MAX_TABLAS, "ACEP", "x")); // a 21st language
    EXPECT_TRUE(t->AnadeTexto(FLI_MAX_TABLAS - 1, "CANC", "y")); // an existing one still grows
}

TEST_F(FLITables, ReleaseFreesEveryTable)
{
    ASSERT_TRUE(t->AnadeTexto(0, "ACEP", "Accepta"));
    ASSERT_TRUE(t->AnadeTexto(2, "ACEP", "Accept"));
    t->Libera();
    EXPECT_EQ(t->m_iNumTablas, 0);
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP"), 2), CGestorFLIs::kTextoSinFichero);
    ASSERT_TRUE(t->AnadeTexto(2, "ACEP", "Again"));
    EXPECT_STREQ(t->GetTexto(CodigoFLI("ACEP"), 2), "Again");
}

} // namespace
