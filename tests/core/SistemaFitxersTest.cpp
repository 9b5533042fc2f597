#include "engine/core/ArxiuEmpaquetat.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using mgtest::CarpetaNova;
using mgtest::EscriuFitxer;

namespace {

// Bytes 0..n-1 of a recognisable pattern that is not periodic in 256.
std::string Patro(size_t n, unsigned llavor = 7)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 31 + llavor + i / 256) & 0xFF);
    return s;
}

// The same in blocks: fast enough for the whole built archive under the
// sanitizers.
std::string LlegeixTotEnBlocs(CSistemaFitxers& fs, EntradaFitxer* f)
{
    std::string s;
    char bloc[65536];
    for (int n; (n = fs.Llegeix(bloc, 1, sizeof bloc, f)) > 0;) s.append(bloc, n);
    return s;
}

// Reads a whole open file one byte at a time.
std::string LlegeixTot(CSistemaFitxers& fs, EntradaFitxer* f)
{
    std::string s;
    for (int c; (c = fs.LlegeixCaracter(f)) >= 0;) s += static_cast<char>(c);
    return s;
}

// A data root with a packed archive built from `stage` and loose files in
// `disc` beside it; the file system reads it. Restores the data root.
class ArrelAmbArxiu {
public:
    ArrelAmbArxiu(const std::string& nom, const std::vector<std::pair<std::string, std::string>>& arxivats,
                  const std::vector<std::pair<std::string, std::string>>& disc = {})
    {
        fs::path base = CarpetaNova("fitxers_" + nom);
        stage = base / "stage";
        arrel = base / "data";
        fs::create_directories(stage);
        fs::create_directories(arrel);
        for (const auto& [ruta, bytes] : arxivats) EscriuFitxer(stage / ruta, bytes);
        for (const auto& [ruta, bytes] : disc) EscriuFitxer(arrel / ruta, bytes);
        std::string error;
        empaquetat = EmpaquetaCarpeta(stage.string(), (arrel / motor::fichero::ARCHIVO).string(),
                                      (arrel / motor::fichero::INDICE_ARCHIVO).string(), &solts, &error);
        anterior = plat::DataRoot();
        plat::SetDataRoot(arrel.string());
        iniciat = sistema.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate");
    }
    ~ArrelAmbArxiu() { plat::SetDataRoot(anterior); }

    fs::path stage, arrel;
    std::vector<std::string> solts;
    bool empaquetat = false, iniciat = false;
    std::string anterior;
    CSistemaFitxers sistema;
};

} // namespace

TEST(SistemaFitxers, IndexAcceptsAndRejects)
{
    struct Cas {
        const char* index;
        bool acceptat;
    } casos[] = {
        {"", true},
        {"\n\n", true},
        {"D=\\Data\n", true},
        {"D=\\Data\nF=a.txt 0 256\n", true},
        {"D=\\Data\nF=name with spaces.txt 0 256", true}, // last line without LF
        {"D=\n", false},                                  // empty directory name
        {"F=a.txt 0 256\n", false},                       // file before any directory
        {"D=\\Data\nF= 0 256\n", false},                  // empty file name
        {"D=\\Data\nF=a.txt 256\n", false},               // one space only
        {"D=\\Data\nF=a.txt\n", false},
        {"X=\\Data\n", false},                            // unknown record
        {" D=\\Data\n", false},
        {"D\\Data\n", false},                             // no equals sign
        {"D=\\Data\nF=a.txt -5 256\n", false},            // negative offset
        {"D=\\Data\nF=a.txt 0 3\n", true},
        {"D=\\Data\nF=a.txt 99999999999999999999999 256\n", false}, // overflowing numbers
    };
    for (const Cas& c : casos) {
        CSistemaFitxers s;
        ASSERT_TRUE(s.Inicia("Kestrune", "Marrowgate"));
        EXPECT_EQ(s.LlegeixIndex(c.index, std::strlen(c.index)), c.acceptat) << c.index;
    }
    // Names go into 1024-character fields: longer ones reject the index.
    for (size_t n : {1023u, 1024u, 5000u}) {
        std::string dir = "D=\\" + std::string(n - 1, 'd') + "\n";
        std::string fitxer = "D=\\Data\nF=" + std::string(n, 'f') + " 0 256\n";
        CSistemaFitxers s;
        ASSERT_TRUE(s.Inicia("Kestrune", "Marrowgate"));
        EXPECT_EQ(s.LlegeixIndex(dir.data(), dir.size()), n < 1024) << n;
        EXPECT_EQ(s.LlegeixIndex(fitxer.data(), fitxer.size()), n < 1024) << n;
    }
}

TEST(SistemaFitxers, IndexNumbersDependOnTheEntryNumber)
{
    // Entry k stores offset + k mod 256 and size + (256 - k mod 256) mod 256.
    std::string index = "D=\\A\n";
    for (int k = 0; k < 600; ++k) index += "F=f" + std::to_string(k) + " " + std::to_string(1000 * k + k % 256) + " " +
                                            std::to_string(k + (256 - k % 256) % 256) + "\n";
    index += "D=\\B\nF=last file.bin 700000 300\n"; // k = 600: a = 88, b = 168
    CSistemaFitxers s;
    ASSERT_TRUE(s.Inicia("Kestrune", "Marrowgate"));
    ASSERT_TRUE(s.LlegeixIndex(index.data(), index.size()));
    const auto& dirs = s.Directoris();
    ASSERT_EQ(dirs.size(), 2u);
    ASSERT_EQ(dirs[0].m_aFitxers.size(), 600u);
    for (int k : {0, 1, 255, 256, 257, 511, 512, 599}) {
        EXPECT_EQ(dirs[0].m_aFitxers[k].m_iOffset, 1000 * k) << k;
        EXPECT_EQ(dirs[0].m_aFitxers[k].m_iMida, k) << k;
    }
    ASSERT_EQ(dirs[1].m_aFitxers.size(), 1u);
    EXPECT_EQ(dirs[1].m_aFitxers[0].m_sNom, "last file.bin");
    EXPECT_EQ(dirs[1].m_aFitxers[0].m_iOffset, 700000 - 88);
    EXPECT_EQ(dirs[1].m_aFitxers[0].m_iMida, 300 - 168);
}

TEST(SistemaFitxers, RoundTripThroughThePacker)
{
    // More than 256 entries so that the index shifts wrap, sizes around the
    // XOR period, an empty file and a name with spaces.
    std::vector<std::pair<std::string, std::string>> fitxers;
    for (int i = 0; i < 300; ++i)
        fitxers.push_back({"Data/Many/f" + std::to_string(i) + ".bin", Patro(static_cast<size_t>(i * 7 % 530), i)});
    fitxers.push_back({"Data/Graficos/Ingame/empty.dat", ""});
    fitxers.push_back({"Data/Graficos/Ingame/with space.txt", Patro(256)});
    fitxers.push_back({"Data/Graficos/big.bin", Patro(70000)});
    fitxers.push_back({"Top.txt", "top"});
    ArrelAmbArxiu a("roundtrip", fitxers);
    ASSERT_TRUE(a.empaquetat);
    ASSERT_TRUE(a.iniciat);
    EXPECT_EQ(a.solts, std::vector<std::string>{"Top.txt"});
    for (const auto& [ruta, bytes] : fitxers) {
        if (ruta == "Top.txt") continue;
        std::string nom = ruta;
        for (char& c : nom)
            if (c == '/') c = '\\';
        EntradaFitxer* f = a.sistema.Obre(nom.c_str(), FITXER_LECTURA | FITXER_BINARI);
        ASSERT_NE(f, nullptr) << nom;
        EXPECT_FALSE(f->m_bDisc) << nom;
        std::string llegit(bytes.size() + 10, '\0');
        EXPECT_EQ(a.sistema.Llegeix(llegit.data(), 1, static_cast<int>(llegit.size()), f), static_cast<int>(bytes.size()));
        llegit.resize(bytes.size());
        EXPECT_TRUE(llegit == bytes) << nom;
        EXPECT_TRUE(a.sistema.FiFitxer(f));
        a.sistema.Tanca(f);
    }
    // A top-level name is never looked up in the archive.
    EXPECT_EQ(a.sistema.Obre("Top.txt", FITXER_LECTURA), nullptr);
}

TEST(SistemaFitxers, XorAcrossBoundariesAndSeeks)
{
    std::string bytes = Patro(1000);
    ArrelAmbArxiu a("xor", {{"Data/x.bin", bytes}});
    ASSERT_TRUE(a.iniciat);
    EntradaFitxer* f = a.sistema.Obre("Data\\x.bin", FITXER_LECTURA);
    ASSERT_NE(f, nullptr);
    // Odd chunk sizes straddle every 256-byte boundary at a different place.
    std::string llegit;
    char buf[37];
    int n;
    while ((n = a.sistema.Llegeix(buf, 1, 37, f)) > 0) llegit.append(buf, static_cast<size_t>(n));
    EXPECT_TRUE(llegit == bytes);
    // Seeks land the key at the right place.
    for (long p : {0L, 1L, 250L, 255L, 256L, 511L, 999L}) {
        ASSERT_EQ(a.sistema.Situa(f, p, 0), 0);
        EXPECT_EQ(a.sistema.LlegeixCaracter(f), static_cast<unsigned char>(bytes[static_cast<size_t>(p)])) << p;
        char dos[20];
        int got = a.sistema.Llegeix(dos, 1, 20, f);
        EXPECT_EQ(std::string(dos, static_cast<size_t>(got)), bytes.substr(static_cast<size_t>(p) + 1, 20)) << p;
    }
    a.sistema.Tanca(f);
}

TEST(SistemaFitxers, ShortReadsAndPositions)
{
    ArrelAmbArxiu a("positions", {{"Data/Sub/f.bin", Patro(17)}});
    ASSERT_TRUE(a.iniciat);
    EntradaFitxer* f = a.sistema.Obre("Data\\Sub\\f.bin", FITXER_LECTURA);
    ASSERT_NE(f, nullptr);
    // 10 elements of 4 where 9 bytes are left: 2 elements, position + 8.
    ASSERT_EQ(a.sistema.Situa(f, 8, 0), 0);
    uint32_t v[10];
    EXPECT_EQ(a.sistema.Llegeix(v, 4, 10, f), 2);
    EXPECT_EQ(a.sistema.Posicio(f), 16);
    EXPECT_FALSE(a.sistema.FiFitxer(f));
    EXPECT_EQ(a.sistema.Llegeix(v, 4, 10, f), 0);
    EXPECT_EQ(a.sistema.Posicio(f), 16);
    EXPECT_EQ(a.sistema.LlegeixCaracter(f), static_cast<unsigned char>(Patro(17)[16]));
    EXPECT_EQ(a.sistema.LlegeixCaracter(f), -1);
    EXPECT_TRUE(a.sistema.FiFitxer(f));

    struct Cas {
        long inicial, offset;
        int origen;
        long esperat;
    } casos[] = {
        {5, 0, 1, 17},   // from the end: the size
        {5, 3, 1, 14},
        {5, 0, 0, 0},
        {5, 100, 0, 17}, // beyond the end: the size
        {5, -3, 0, 0},   // before the start: 0
        {5, 4, 2, 9},
        {5, -3, 2, 2},
        {5, -50, 2, 0},  // from the current place, before the start: 0
        {5, 50, 2, 17},
        {5, -10, 1, 17},
        {5, 50, 1, 0},
        // Offsets at the ends of the range are limited, never overflowed.
        {5, LONG_MAX, 2, 17},
        {5, LONG_MIN, 2, 0},
        {5, LONG_MIN, 1, 17},
        {5, LONG_MAX, 1, 0},
    };
    for (const Cas& c : casos) {
        ASSERT_EQ(a.sistema.Situa(f, c.inicial, 0), 0);
        EXPECT_EQ(a.sistema.Situa(f, c.offset, c.origen), 0);
        EXPECT_EQ(a.sistema.Posicio(f), c.esperat) << c.offset << " from " << c.origen;
    }
    EXPECT_EQ(a.sistema.Situa(f, 0, 7), -1);
    EXPECT_EQ(a.sistema.Llegeix(nullptr, 1, 1, f), -1);
    EXPECT_EQ(a.sistema.Llegeix(v, 1, 1, nullptr), -1);
    EXPECT_EQ(a.sistema.Posicio(nullptr), -1);
    EXPECT_EQ(a.sistema.EscriuFormat(f, "%d", 1), -1); // archived files are read-only
    a.sistema.Tanca(f);
}

TEST(SistemaFitxers, ArchiveFirstThenDiskAndNameForms)
{
    ArrelAmbArxiu a("lookup",
                    {{"Data/Graficos/both.txt", "archive"}, {"Data/Graficos/only.txt", "only archive"},
                     {"Data/Textos/Ayuda_ES.png", "es"}, {"Data/Textos/Ayuda_EN.png", "en"}},
                    {{"Data/Graficos/both.txt", "disk"}, {"Data/Graficos/disk.txt", "loose"},
                     {"Data/Textos/Ayuda_xx.png", "lower"}});
    ASSERT_TRUE(a.iniciat);
    a.sistema.CambiaIdioma('E', 'S');
    struct Cas {
        const char* nom;
        const char* contingut; // null: not found
    } casos[] = {
        {"Data\\Graficos\\both.txt", "archive"},     // archive over disk
        {"Data\\Graficos\\disk.txt", "loose"},       // disk when not archived
        {"data\\GRAFICOS\\ONLY.TXT", "only archive"}, // case ignored in both parts
        {"Data\\\\Graficos\\only.txt", "only archive"}, // doubled backslash
        {"Data\\Graficos\\\\only.txt", "only archive"}, // separator run before the name
        {"Data/Graficos/only.txt", nullptr},          // '/' does not match a stored '\'
        {"Data/Graficos/disk.txt", "loose"},          // but disk names take either
        {"Data\\Textos\\Ayuda_XX.png", "es"},         // language substitution
        {"Data\\Textos\\Ayuda_xx.png", "lower"},      // lower case marker kept as is
        {"Data\\Graficos\\missing.txt", nullptr},
        {"only.txt", nullptr},
    };
    for (const Cas& c : casos) {
        EntradaFitxer* f = a.sistema.Obre(c.nom, FITXER_LECTURA | FITXER_BINARI);
        if (!c.contingut) {
            EXPECT_EQ(f, nullptr) << c.nom;
            continue;
        }
        ASSERT_NE(f, nullptr) << c.nom;
        EXPECT_EQ(LlegeixTot(a.sistema, f), c.contingut) << c.nom;
        a.sistema.Tanca(f);
    }
    a.sistema.CambiaIdioma('E', 'N');
    EntradaFitxer* f = a.sistema.Obre("Data\\Textos\\Ayuda_XX.png", FITXER_LECTURA);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(LlegeixTot(a.sistema, f), "en");
    a.sistema.Tanca(f);

    EXPECT_TRUE(CSistemaFitxers::TeMarcaIdioma("Data\\Textos\\Ayuda_XX.png"));
    EXPECT_FALSE(CSistemaFitxers::TeMarcaIdioma("Data\\Textos\\Ayuda_xx.png"));
    EXPECT_FALSE(CSistemaFitxers::TeMarcaIdioma(std::string(1030, 'a').append("_XX").c_str()));
    EXPECT_EQ(a.sistema.Obre(std::string(1024, 'a').c_str(), FITXER_LECTURA), nullptr);
}

TEST(SistemaFitxers, StartFailsWithoutArchiveOrWithBadIndex)
{
    fs::path arrel = CarpetaNova("fitxers_start");
    std::string anterior = plat::DataRoot();
    plat::SetDataRoot(arrel.string());
    CSistemaFitxers s;
    EXPECT_FALSE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EscriuFitxer(arrel / motor::fichero::ARCHIVO, "");
    EXPECT_FALSE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EscriuFitxer(arrel / motor::fichero::INDICE_ARCHIVO, "D=\\Data\r\nZ\r\n");
    EXPECT_FALSE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EXPECT_FALSE(s.EstaInicialitzat());
    // An index written with CR LF reads like one with LF; names of either case.
    EscriuFitxer(arrel / motor::fichero::INDICE_ARCHIVO, "D=\\Data\r\nF=a.txt 0 256\r\n");
    // The archive must hold what its index says.
    EXPECT_FALSE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EXPECT_EQ(s.Error(), std::string(motor::fichero::ARCHIVO) + " is damaged: 0 bytes, its index needs 256");
    EscriuFitxer(arrel / motor::fichero::ARCHIVO, std::string(256, 'x'));
    std::string arxiu = motor::fichero::ARCHIVO, index = motor::fichero::INDICE_ARCHIVO;
    for (char& c : arxiu) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (char& c : index) c = char(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(s.IniciaAmbArxiu(arxiu.c_str(), index.c_str(), "Kestrune", "Marrowgate"));
    ASSERT_EQ(s.Directoris().size(), 1u);
    EXPECT_EQ(s.Directoris()[0].m_sNom, "\\Data");
    EXPECT_NE(s.BuscaAlArxiu("Data\\A.TXT"), nullptr);
    EXPECT_FALSE(s.IniciaAmbArxiu(std::string(1024, 'a').c_str(), motor::fichero::INDICE_ARCHIVO, "K", "M"));
    plat::SetDataRoot(anterior);
}

TEST(SistemaFitxers, TruncatedArchiveIsRefusedAndShortReadsFail)
{
    // The index promises 100 bytes at offset 10 but the archive ends after 60.
    fs::path arrel = CarpetaNova("fitxers_truncated");
    std::string cmp(110, '\0');
    for (size_t i = 10; i < 110; ++i) cmp[i] = static_cast<char>('a' ^ ((i - 10) & 0xFF));
    EscriuFitxer(arrel / motor::fichero::ARCHIVO, cmp.substr(0, 60));
    EscriuFitxer(arrel / motor::fichero::INDICE_ARCHIVO, "D=\\Data\nF=a.bin 10 100\n");
    std::string anterior = plat::DataRoot();
    plat::SetDataRoot(arrel.string());
    CSistemaFitxers s;
    EXPECT_FALSE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EXPECT_EQ(s.Error(), std::string(motor::fichero::ARCHIVO) + " is damaged: 60 bytes, its index needs 110");
    EXPECT_FALSE(s.EstaInicialitzat());

    // Whole at start-up, cut while in use: a read that comes short fails, and
    // the position moves only by what was read.
    EscriuFitxer(arrel / motor::fichero::ARCHIVO, cmp);
    ASSERT_TRUE(s.IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO, "Kestrune", "Marrowgate"));
    EXPECT_EQ(s.Error(), "");
    EntradaFitxer* f = s.Obre("Data\\a.bin", FITXER_LECTURA);
    ASSERT_NE(f, nullptr);
    fs::resize_file(arrel / motor::fichero::ARCHIVO, 60);
    char buf[100];
    EXPECT_EQ(s.Llegeix(buf, 1, 100, f), -1);
    EXPECT_EQ(std::string(buf, 50), std::string(50, 'a'));
    EXPECT_EQ(s.Posicio(f), 50);
    EXPECT_EQ(s.LlegeixCaracter(f), -1);
    EXPECT_EQ(s.Posicio(f), 50);
    ASSERT_EQ(s.Situa(f, 45, 0), 0);
    EXPECT_EQ(s.Llegeix(buf, 4, 10, f), -1); // 5 of 40 bytes there
    EXPECT_EQ(s.Posicio(f), 50);
    ASSERT_EQ(s.Situa(f, 100, 0), 0);
    EXPECT_EQ(s.Llegeix(buf, 1, 10, f), 0); // the entry's end: nothing more, no failure
    s.Tanca(f);
    plat::SetDataRoot(anterior);
}

TEST(SistemaFitxers, DiskTextAndBinaryModes)
{
    fs::path arrel = CarpetaNova("fitxers_disk");
    EscriuFitxer(arrel / "Data" / "t.txt", "a\r\nb\rc\r\n\r\r\nd\r");
    std::string anterior = plat::DataRoot();
    plat::SetDataRoot(arrel.string());
    CSistemaFitxers s;
    ASSERT_TRUE(s.Inicia("Kestrune", "Marrowgate"));
    EntradaFitxer* f = s.Obre("DATA\\T.TXT", FITXER_LECTURA);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(LlegeixTot(s, f), "a\nb\rc\n\r\nd\r");
    EXPECT_TRUE(s.FiFitxer(f));
    s.Tanca(f);
    f = s.Obre("Data\\t.txt", FITXER_LECTURA);
    char buf[64];
    int n = s.Llegeix(buf, 1, sizeof buf, f);
    EXPECT_EQ(std::string(buf, static_cast<size_t>(n)), "a\nb\rc\n\r\nd\r");
    s.Tanca(f);
    f = s.Obre("Data\\t.txt", FITXER_LECTURA | FITXER_BINARI);
    EXPECT_EQ(LlegeixTot(s, f), "a\r\nb\rc\r\n\r\r\nd\r");
    ASSERT_EQ(s.Situa(f, 0, 1), 0);
    EXPECT_EQ(s.Posicio(f), 13);
    s.Tanca(f);

    // Writing, appending, no mode.
    f = s.Obre("Data\\out.txt", FITXER_ESCRIPTURA);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(s.EscriuFormat(f, "%d %.3f %s\n", 12, 0.5, "x"), 11);
    s.Tanca(f);
    f = s.Obre("Data\\out.txt", FITXER_AFEGIR);
    s.EscriuFormat(f, "more");
    s.Tanca(f);
    EXPECT_EQ(mgtest::LlegeixFitxer(arrel / "Data" / "out.txt"), "12 0.500 x\nmore");
    EXPECT_EQ(s.Obre("Data\\out.txt", FITXER_BINARI), nullptr);
    EXPECT_EQ(s.Obre(nullptr, FITXER_LECTURA), nullptr);
    // A file not opened here is left alone.
    EntradaFitxer alie;
    s.Tanca(&alie);
    s.Tanca(nullptr);
    plat::SetDataRoot(anterior);
}

TEST(SistemaFitxers, PerUserFolderIsCreatedOnceAndKeepsItsName)
{
    mgtest::CarpetaUsuariProva usuari("folder_XX");
    CSistemaFitxers s;
    ASSERT_TRUE(s.Inicia("Kestrune", "Marrowgate"));
    s.CambiaIdioma('E', 'N');
    EXPECT_FALSE(fs::exists(usuari.Carpeta()));
    std::string carpeta = s.CarpetaUsuari();
    EXPECT_EQ(fs::path(carpeta), usuari.Carpeta());
    EXPECT_TRUE(fs::is_directory(carpeta));
    EXPECT_EQ(std::string(s.CarpetaUsuari()), carpeta);
    // The folder's own "_XX" is not a language marker; the file's is.
    EntradaFitxer* f = s.Obre((carpeta + "\\Perfil_XX.SVG").c_str(), FITXER_ESCRIPTURA);
    ASSERT_NE(f, nullptr);
    s.EscriuFormat(f, "x");
    s.Tanca(f);
    EXPECT_TRUE(fs::exists(usuari.Carpeta() / "Perfil_EN.SVG"));
}

TEST(SistemaFitxers, ThreadsShareTheArchive)
{
    std::string x = Patro(5000, 1), y = Patro(7000, 2);
    ArrelAmbArxiu a("threads", {{"Data/x.bin", x}, {"Data/y.bin", y}});
    ASSERT_TRUE(a.iniciat);
    auto llegeix = [&](const char* nom, const std::string* esperat, bool* ok) {
        *ok = true;
        for (int r = 0; r < 20; ++r) {
            EntradaFitxer* f = a.sistema.Obre(nom, FITXER_LECTURA);
            std::string s;
            char buf[100];
            int n;
            while (f && (n = a.sistema.Llegeix(buf, 1, 100, f)) > 0) s.append(buf, static_cast<size_t>(n));
            a.sistema.Tanca(f);
            *ok = *ok && s == *esperat;
        }
    };
    bool ok1 = false, ok2 = false;
    std::thread t1(llegeix, "Data\\x.bin", &x, &ok1);
    std::thread t2(llegeix, "Data\\y.bin", &y, &ok2);
    t1.join();
    t2.join();
    EXPECT_TRUE(ok1);
    EXPECT_TRUE(ok2);
}

TEST(SistemaFitxers, BuiltDataRootHoldsTheStage)
{
    // The data pipeline packs the stage into the data root's archive: every
    // staged file in a folder reads back the same through the file system.
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    ASSERT_TRUE(g_pSistemaFitxers->TeArxiu());
    fs::path stage = fs::path(MG_TEST_DATA_ROOT).parent_path() / "data-stage";
    std::error_code ec;
    for (fs::recursive_directory_iterator it(stage, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        fs::path rel = fs::relative(it->path(), stage);
        std::string nom;
        for (const fs::path& part : rel) nom += (nom.empty() ? "" : "\\") + part.string();
        EntradaFitxer* f = g_pSistemaFitxers->Obre(nom.c_str(), FITXER_LECTURA | FITXER_BINARI);
        ASSERT_NE(f, nullptr) << nom;
        EXPECT_EQ(f->m_bDisc, rel.has_parent_path() ? 0 : 1) << nom;
        EXPECT_TRUE(LlegeixTotEnBlocs(*g_pSistemaFitxers, f) == mgtest::LlegeixFitxer(it->path())) << nom;
        g_pSistemaFitxers->Tanca(f);
    }
}
