#include "engine/core/GestorComandes.h"
#include "engine/core/MultiPreferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using mgtest::EscriuFitxer;

namespace {

const ParDefecto kDefectos[] = {{"VOLSONIDO", "50"}, {"VOLMUSICA", "25"}};

struct Entorn {
    explicit Entorn(const char* nom) : carpeta(mgtest::CarpetaNova(std::string("multi_") + nom)), serveis(carpeta.string())
    {
        ruta = (carpeta / "MultiPrefs.PRF").string();
    }
    fs::path carpeta;
    mgtest::ServeisFitxers serveis;
    std::string ruta;
};

} // namespace

TEST(MultiPreferencias, DefaultsAndMissingKeys)
{
    Entorn e("defaults");
    CMultiPreferencias m;
    ASSERT_TRUE(m.Inicia(2, kDefectos));
    EXPECT_EQ(m.LeeEntero("VOLSONIDO"), 50);
    EXPECT_EQ(m.LeeEntero("volmusica"), 25);
    EXPECT_STREQ(m.LeeTexto("ALTOCONTRASTE"), "");
    EXPECT_EQ(m.LeeEntero("ALTOCONTRASTE"), 0);
    EXPECT_EQ(m.Busca("nothing"), nullptr);
    EXPECT_FALSE(m.Carga(e.ruta.c_str())); // no file yet
    EXPECT_EQ(m.NumPares(), 2);
    m.AsignaTexto("A", "abc");
    m.AsignaTexto("B", "12abc");
    m.AsignaTexto("C", "99999999999");
    EXPECT_EQ(m.LeeEntero("A"), 0);
    EXPECT_EQ(m.LeeEntero("B"), 12);
    EXPECT_EQ(m.LeeEntero("C"), INT_MAX);
    // Inicia again starts over.
    ASSERT_TRUE(m.Inicia(1, kDefectos));
    EXPECT_EQ(m.NumPares(), 1);
    EXPECT_STREQ(m.LeeTexto("VOLMUSICA"), "");
}

TEST(MultiPreferencias, LoadsRecords)
{
    Entorn e("load");
    EscriuFitxer(e.carpeta / "MultiPrefs.PRF",
                 "volsonido = \"80\";\nALTOCONTRASTE;\nFULLSCREEN = \"1\";\nVersion = \"0.0001a\";\n"
                 "FULLSCREEN = 0;\nEMPTY = ;\n");
    CMultiPreferencias m;
    ASSERT_TRUE(m.Inicia(2, kDefectos));
    ASSERT_TRUE(m.Carga(e.ruta.c_str()));
    EXPECT_EQ(m.LeeEntero("VOLSONIDO"), 80);
    EXPECT_EQ(m.Busca("ALTOCONTRASTE"), nullptr);
    EXPECT_EQ(m.LeeEntero("FULLSCREEN"), 0); // a later record wins
    EXPECT_STREQ(m.LeeTexto("version"), "0.0001a");
    ASSERT_NE(m.Busca("EMPTY"), nullptr);
    EXPECT_STREQ(m.LeeTexto("EMPTY"), "");
    // The defaults at the head (in reverse), keys read from the file at the
    // tail in file order; the key keeps the case it was first given.
    ASSERT_TRUE(m.Guarda(e.ruta.c_str()));
    EXPECT_EQ(mgtest::LlegeixFitxer(e.carpeta / "MultiPrefs.PRF"),
              "VOLMUSICA = \"25\";\nVOLSONIDO = \"80\";\nFULLSCREEN = \"0\";\nVersion = \"0.0001a\";\nEMPTY = \"\";\n");
}

TEST(MultiPreferencias, SurvivesARestart)
{
    Entorn e("restart");
    {
        CMultiPreferencias m;
        ASSERT_TRUE(m.Inicia(2, kDefectos));
        if (!m.Carga(e.ruta.c_str())) {
            m.AsignaTexto("Version", "0.0001a");
            ASSERT_TRUE(m.Guarda(e.ruta.c_str()));
        }
        m.AsignaEntero("VOLMUSICA", 70);
        m.AsignaEntero("ALTOCONTRASTE", 1);
        m.AsignaTexto("NAME", "say \"hi\"");
        ASSERT_TRUE(m.Guarda(e.ruta.c_str()));
        ASSERT_TRUE(m.Guarda(e.ruta.c_str())); // saving twice writes each key once
    }
    std::string text = mgtest::LlegeixFitxer(e.carpeta / "MultiPrefs.PRF");
    EXPECT_EQ(text.find("VOLMUSICA"), text.rfind("VOLMUSICA"));
    CMultiPreferencias m;
    ASSERT_TRUE(m.Inicia(2, kDefectos));
    ASSERT_TRUE(m.Carga(e.ruta.c_str()));
    EXPECT_EQ(m.LeeEntero("VOLMUSICA"), 70);
    EXPECT_EQ(m.LeeEntero("VOLSONIDO"), 50);
    EXPECT_EQ(m.LeeEntero("ALTOCONTRASTE"), 1);
    EXPECT_STREQ(m.LeeTexto("Version"), "0.0001a");
    EXPECT_STREQ(m.LeeTexto("NAME"), "say hi"); // a quote cannot be stored
    EXPECT_EQ(m.NumPares(), 5);
    EXPECT_FALSE(m.Guarda((e.carpeta / "no" / "such" / "x.PRF").string().c_str()));
    // A write that fails (a full disk) is not reported as saved.
    if (fs::exists("/dev/full")) {
        EXPECT_FALSE(m.Guarda("/dev/full"));
    }
}

TEST(MultiPreferencias, AFailedSaveKeepsTheOldFile)
{
    Entorn e("guarda_segura");
    const std::string antes = "VOLMUSICA = \"70\";\n";
    EscriuFitxer(e.ruta, antes);
    CMultiPreferencias m;
    ASSERT_TRUE(m.Inicia(2, kDefectos));
    m.AsignaEntero("VOLMUSICA", 10);

    // The file beside it cannot be made: nothing is written over the old.
    fs::create_directories(e.ruta + ".tmp");
    EXPECT_FALSE(m.Guarda(e.ruta.c_str()));
    EXPECT_EQ(mgtest::LlegeixFitxer(e.ruta), antes);

    // Once it can, the whole new file replaces the old and nothing is left
    // beside it.
    fs::remove(e.ruta + ".tmp");
    EXPECT_TRUE(m.Guarda(e.ruta.c_str()));
    EXPECT_FALSE(fs::exists(e.ruta + ".tmp"));
    CMultiPreferencias leida;
    ASSERT_TRUE(leida.Inicia(0, nullptr));
    ASSERT_TRUE(leida.Carga(e.ruta.c_str()));
    EXPECT_EQ(leida.LeeEntero("VOLMUSICA"), 10);
    EXPECT_EQ(leida.LeeEntero("VOLSONIDO"), 50);

    // Only a regular file is ever replaced: never a folder or a device.
    const fs::path carpeta = e.carpeta / "carpeta.PRF";
    fs::create_directories(carpeta);
    EXPECT_FALSE(m.Guarda(carpeta.string().c_str()));
    EXPECT_TRUE(fs::is_directory(carpeta));
    if (fs::exists("/dev/full")) {
        EXPECT_FALSE(m.Guarda("/dev/full"));
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
        EXPECT_FALSE(fs::exists("/dev/full.tmp"));
    }
}

// A save killed halfway leaves its temporary file beside the real one: the
// next load removes it and reads the real file (also when the real one is
// missing); a folder in its place is not touched.
TEST(MultiPreferencias, ALoadRemovesTheTemporaryFileOfACutSave)
{
    Entorn e("temporal");
    for (bool bReal : {true, false}) {
        SCOPED_TRACE(bReal);
        fs::remove(e.ruta);
        if (bReal) EscriuFitxer(e.ruta, "VOLMUSICA = \"70\";\n");
        EscriuFitxer(e.ruta + ".tmp", "VOLMUSICA = \"1");
        CMultiPreferencias m;
        ASSERT_TRUE(m.Inicia(2, kDefectos));
        EXPECT_EQ(m.Carga(e.ruta.c_str()), bReal);
        EXPECT_FALSE(fs::exists(e.ruta + ".tmp"));
        EXPECT_EQ(m.LeeEntero("VOLMUSICA"), bReal ? 70 : 25);
    }
    fs::create_directories(e.ruta + ".tmp");
    CMultiPreferencias m;
    ASSERT_TRUE(m.Inicia(2, kDefectos));
    m.Carga(e.ruta.c_str());
    EXPECT_TRUE(fs::is_directory(e.ruta + ".tmp"));
}
