#include "engine/core/ArxiuEmpaquetat.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using mgtest::CarpetaNova;
using mgtest::EscriuFitxer;

namespace {

struct Comanda {
    std::optional<std::string> nom;
    std::vector<std::string> parametres;
    bool operator==(const Comanda&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Comanda& c)
{
    o << (c.nom ? "'" + *c.nom + "'" : std::string("(none)")) << " =";
    for (const std::string& p : c.parametres) o << " [" << p << "]";
    return o;
}

// Every command of a file, as the reader gives them.
std::vector<Comanda> LlegeixTotes(const char* ruta)
{
    std::vector<Comanda> out;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(ruta);
    if (!f) return out;
    do {
        Comanda c;
        if (const char* n = g_pGestorComandes->NomComanda(f)) c.nom = n;
        while (const char* p = g_pGestorComandes->LlegeixText(f)) c.parametres.push_back(p);
        out.push_back(c);
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return out;
}

// A disk-only data root for command files.
struct Arrel {
    explicit Arrel(const char* nom) : carpeta(CarpetaNova(nom)), serveis(carpeta.string()) {}
    fs::path carpeta;
    mgtest::ServeisFitxers serveis;
};

} // namespace

TEST(GestorComandes, ReadsCommands)
{
    Arrel a("comandes_read");
    struct Cas {
        std::string text;
        std::vector<Comanda> comandes;
    } casos[] = {
        {"A = 1, 2 ;", {{"A", {"1", "2"}}}},
        {"A=1,2;", {{"A", {"1", "2"}}}},
        {"A = \"x, y; //z\" ;", {{"A", {"x, y; //z"}}}},
        {"A = x y;", {{"A", {"xy"}}}},
        {"A = x=y;", {{"A", {"xy"}}}},
        {"// comment\nA = 1; // after\n//B = 2;\nC=3;", {{"A", {"1"}}, {"C", {"3"}}}},
        {"A = 1/2;", {{"A", {"1/2"}}}},
        {"A = /;", {{"A", {"/"}}}},
        {"A = ;", {{"A", {""}}}},
        {"A = 1,;", {{"A", {"1", ""}}}},
        {"FIN;", {{std::nullopt, {""}}}},
        {"A = 1; B = 2;\nC\n=\n3\n;", {{"A", {"1"}}, {"B", {"2"}}, {"C", {"3"}}}},
        {"A = 1; B = 2", {{"A", {"1"}}}},                     // last command lacks its ';'
        {"\"A\" = \"q\";", {{"A", {"q"}}}},                    // quotes dropped in the name
        {"A,B = 1;", {{"AB", {"", "1"}}}},                      // a comma before '=' adds a parameter
        {"A = \"a\"\"b\";", {{"A", {"ab"}}}},                   // no escape: two runs
        {"A = \"open;", {}},                                    // quote never closed
        {"\tA\t=\t\"  sp  \"\t;", {{"A", {"  sp  "}}}},
        {"N = x\r\ny;", {{"N", {"xy"}}}},
        {"A = 1;/", {{"A", {"1"}}}},                            // a slash just before the end
        {"A = 1;/B=2;", {{"A", {"1"}}, {"/B", {"2"}}}},
        {"A = \"1\" x \"2\";", {{"A", {"1x2"}}}},
    };
    int i = 0;
    for (const Cas& c : casos) {
        std::string nom = "c" + std::to_string(i++) + ".txt";
        EscriuFitxer(a.carpeta / nom, c.text);
        EXPECT_EQ(LlegeixTotes(nom.c_str()), c.comandes) << c.text;
    }
}

TEST(GestorComandes, LongNamesAndParametersAreCut)
{
    Arrel a("comandes_long");
    std::string nom300(300, 'N'), par(10000, 'p');
    EscriuFitxer(a.carpeta / "long.txt", nom300 + " = 1;\nA = \"" + par + "\", " + par + ";\nB=2;");
    auto cs = LlegeixTotes("long.txt");
    ASSERT_EQ(cs.size(), 3u);
    EXPECT_EQ(cs[0].nom, std::string(199, 'N'));
    EXPECT_EQ(cs[0].parametres, std::vector<std::string>{"1"});
    ASSERT_EQ(cs[1].parametres.size(), 2u);
    EXPECT_EQ(cs[1].parametres[0], std::string(9999, 'p'));
    EXPECT_EQ(cs[1].parametres[1], std::string(9999, 'p'));
    EXPECT_EQ(cs[2], (Comanda{"B", {"2"}}));
}

TEST(GestorComandes, CarriageReturnsInsideQuotes)
{
    // From disk the text mode drops CR before LF, inside quotes too; a lone
    // CR is kept. From the archive the bytes arrive as stored.
    std::string text = "A = \"x\r\ny\rz\";\n";
    fs::path base = CarpetaNova("comandes_cr");
    EscriuFitxer(base / "stage" / "Data" / "q.txt", text);
    EscriuFitxer(base / "data" / "Data" / "d.txt", text);
    fs::create_directories(base / "data");
    ASSERT_TRUE(EmpaquetaCarpeta((base / "stage").string(), (base / "data" / motor::fichero::ARCHIVO).string(),
                                 (base / "data" / motor::fichero::INDICE_ARCHIVO).string(), nullptr, nullptr));
    mgtest::ServeisFitxers s((base / "data").string());
    ASSERT_TRUE(s.Correcte());
    EXPECT_EQ(LlegeixTotes("Data\\d.txt"), (std::vector<Comanda>{{"A", {"x\ny\rz"}}}));
    EXPECT_EQ(LlegeixTotes("Data\\q.txt"), (std::vector<Comanda>{{"A", {"x\r\ny\rz"}}}));
}

TEST(GestorComandes, TypedParameters)
{
    Arrel a("comandes_typed");
    EscriuFitxer(a.carpeta / "t.txt",
                 "N = 42, -7, 99999999999, -99999999999, abc, 12abc, ;\n"
                 "R = 0.25, -1.5e2, x, 1e300, -1e300;\n"
                 "C = NONE, none, None, ACEP, AB, , ABCDEFG;\n");
    FitxerComandes* f = g_pGestorComandes->ObreLectura("t.txt");
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "N");
    for (int esperat : {42, -7, INT_MAX, INT_MIN, 0, 12, 0, -1, -1})
        EXPECT_EQ(g_pGestorComandes->LlegeixEnter(f), esperat);
    EXPECT_TRUE(g_pGestorComandes->FiParametres(f));
    g_pGestorComandes->RebobinaParametres(f);
    EXPECT_FALSE(g_pGestorComandes->FiParametres(f));
    EXPECT_STREQ(g_pGestorComandes->LlegeixText(f), "42");

    ASSERT_TRUE(g_pGestorComandes->LlegeixComanda(f));
    EXPECT_FLOAT_EQ(g_pGestorComandes->LlegeixReal(f), 0.25f);
    EXPECT_FLOAT_EQ(g_pGestorComandes->LlegeixReal(f), -150.0f);
    EXPECT_FLOAT_EQ(g_pGestorComandes->LlegeixReal(f), 0.0f);
    EXPECT_EQ(g_pGestorComandes->LlegeixReal(f), FLT_MAX);
    EXPECT_EQ(g_pGestorComandes->LlegeixReal(f), -FLT_MAX);
    EXPECT_FLOAT_EQ(g_pGestorComandes->LlegeixReal(f), -1.0f);

    ASSERT_TRUE(g_pGestorComandes->LlegeixComanda(f));
    for (int esperat : {-1, -1, -1, 0x41434550, 0x41420000, 0, 0x41424344, -1})
        EXPECT_EQ(g_pGestorComandes->LlegeixCodi(f), esperat);
    EXPECT_EQ(g_pGestorComandes->LlegeixText(f), nullptr);
    EXPECT_FALSE(g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);

    // Null files read as missing.
    EXPECT_EQ(g_pGestorComandes->NomComanda(nullptr), nullptr);
    EXPECT_EQ(g_pGestorComandes->LlegeixEnter(nullptr), -1);
    EXPECT_TRUE(g_pGestorComandes->FiParametres(nullptr));
    EXPECT_FALSE(g_pGestorComandes->LlegeixComanda(nullptr));
}

TEST(GestorComandes, OpeningFails)
{
    Arrel a("comandes_open");
    EscriuFitxer(a.carpeta / "empty.txt", "");
    EscriuFitxer(a.carpeta / "partial.txt", "A = 1");
    EscriuFitxer(a.carpeta / "comments.txt", "// only a comment\n");
    for (const char* ruta : {"missing.txt", "empty.txt", "partial.txt", "comments.txt", ""})
        EXPECT_EQ(g_pGestorComandes->ObreLectura(ruta), nullptr) << ruta;
    EXPECT_EQ(g_pGestorComandes->ObreLectura(nullptr), nullptr);
    EXPECT_EQ(g_pGestorComandes->ObreEscriptura(nullptr), nullptr);
    EXPECT_EQ(g_pGestorComandes->ObreEscriptura("no\\such\\folder\\x.txt"), nullptr);
    // A file not in the open list is left alone.
    FitxerComandes alie;
    g_pGestorComandes->Tanca(&alie);
}

TEST(GestorComandes, WritesAndReadsBack)
{
    Arrel a("comandes_write");
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura("w.txt");
    ASSERT_NE(f, nullptr);
    g_pGestorComandes->EscriuNomComanda(f, "IDIOMA");
    g_pGestorComandes->EscriuEnter(f, 2);
    EXPECT_TRUE(g_pGestorComandes->EscriuComanda(f));
    g_pGestorComandes->EscriuNomComanda(f, "NOMS");
    g_pGestorComandes->EscriuText(f, "Ana, \"la\" gran");
    g_pGestorComandes->EscriuText(f, "b;c");
    g_pGestorComandes->EscriuComanda(f);
    g_pGestorComandes->EscriuNomComanda(f, "FIN");
    g_pGestorComandes->EscriuComanda(f);
    g_pGestorComandes->EscriuReal(f, 0.5f);
    g_pGestorComandes->EscriuParametre(f, "raw");
    g_pGestorComandes->EscriuText(f, nullptr);
    g_pGestorComandes->EscriuComanda(f);
    g_pGestorComandes->EscriuNomComanda(f, "R");
    g_pGestorComandes->EscriuReal(f, -1.0f / 3.0f);
    g_pGestorComandes->EscriuComanda(f);
    // The reading calls do nothing on a file opened for writing.
    EXPECT_FALSE(g_pGestorComandes->LlegeixComanda(f));
    EXPECT_EQ(g_pGestorComandes->NomComanda(f), nullptr);
    EXPECT_EQ(g_pGestorComandes->LlegeixText(f), nullptr);
    g_pGestorComandes->Tanca(f);
    EXPECT_EQ(mgtest::LlegeixFitxer(a.carpeta / "w.txt"),
              "IDIOMA = 2;\nNOMS = \"Ana, la gran\",\"b;c\";\nFIN;\nSENSE_COMANA = 0.500,raw;\nR = -0.333;\n");
    EXPECT_EQ(LlegeixTotes("w.txt"), (std::vector<Comanda>{{"IDIOMA", {"2"}},
                                                           {"NOMS", {"Ana, la gran", "b;c"}},
                                                           {std::nullopt, {""}},
                                                           {"SENSE_COMANA", {"0.500", "raw"}},
                                                           {"R", {"-0.333"}}}));
    // The writing calls do nothing on a file opened for reading.
    f = g_pGestorComandes->ObreLectura("w.txt");
    ASSERT_NE(f, nullptr);
    g_pGestorComandes->EscriuNomComanda(f, "X");
    g_pGestorComandes->EscriuEnter(f, 5);
    EXPECT_FALSE(g_pGestorComandes->EscriuComanda(f));
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "IDIOMA");
    g_pGestorComandes->Tanca(f);
}

TEST(GestorComandes, ReleaseClosesEveryOpenFile)
{
    Arrel a("comandes_release");
    EscriuFitxer(a.carpeta / "a.txt", "A=1;B=2;");
    FitxerComandes* f1 = g_pGestorComandes->ObreLectura("a.txt");
    FitxerComandes* f2 = g_pGestorComandes->ObreLectura("a.txt");
    FitxerComandes* f3 = g_pGestorComandes->ObreEscriptura("b.txt");
    ASSERT_TRUE(f1 && f2 && f3);
    g_pGestorComandes->Allibera(); // the sanitizer build reports anything left
    EXPECT_FALSE(g_pGestorComandes->EstaInicialitzat());
    EXPECT_TRUE(g_pGestorComandes->Inicia());
}
