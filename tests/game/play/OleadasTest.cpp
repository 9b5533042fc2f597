// The wave file of the attacks mode: what the reader keeps and skips, that a
// write read back gives the same waves, and the wave durations.
#include "engine/core/GestorComandes.h"
#include "game/play/FicheroOleadas.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class FicheroOleadasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("oleadas");
        servicios = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(servicios->Correcte());
    }
    void TearDown() override { servicios.reset(); }

    OleadasGuardadas Lee(const std::string& texto)
    {
        mgtest::EscriuFitxer(carpeta / "o.OLA", texto);
        OleadasGuardadas o;
        EXPECT_TRUE(LeeOleadas("o.OLA", o));
        return o;
    }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> servicios;
};

// The kinds of each wave, in list order.
std::vector<int> Tipos(const Oleada& o)
{
    std::vector<int> r;
    for (const AtaqueOleada& a : o) r.push_back(a.m_iTipo);
    return r;
}

struct Caso {
    const char* nombre;
    const char* texto;
    int oleada;             // the wave looked at
    std::vector<int> tipos; // its kinds, in list order
    size_t total;           // attacks over all waves
};

} // namespace

TEST_F(FicheroOleadasTest, TheReaderKeepsAndSkipsRecordsByTheTable)
{
    const Caso casos[] = {
        {"records before any wave go to wave 0", "ATAQUE = 3, 10, 1, 2, 0.5;\nOLEADA = 1;\nATAQUE = 4, 0, 0, 0, 0;", 0, {3}, 2},
        {"each attack goes to the front of its wave", "OLEADA = 7; ATAQUE = 1, 0, 0, 0, 0; ATAQUE = 2, 0, 0, 0, 0; ATAQUE = 3, 0, 0, 0, 0;", 7, {3, 2, 1}, 3},
        {"a wave beyond 49 is skipped with its attacks", "OLEADA = 50; ATAQUE = 1, 0, 0, 0, 0; OLEADA = 2; ATAQUE = 5, 0, 0, 0, 0;", 2, {5}, 1},
        {"a negative wave is skipped with its attacks", "OLEADA = -1; ATAQUE = 1, 0, 0, 0, 0; ATAQUE = 2, 0, 0, 0, 0;", 0, {}, 0},
        {"kinds outside 1..11 are skipped", "OLEADA = 0; ATAQUE = 0, 0, 0, 0, 0; ATAQUE = 12, 0, 0, 0, 0; ATAQUE = 11, 0, 0, 0, 0; ATAQUE;", 0, {11}, 1},
        {"a position that is no number is skipped", "OLEADA = 0; ATAQUE = 2, 0, nan, 0, 0; ATAQUE = 2, 0, 0, inf, 0; ATAQUE = 4, 0, 0, 0, 0;", 0, {4}, 1},
        {"record names in any case, others skipped", "oleada = 3; Ataque = 6, 1, 2, 3, 4; FOO = 1; ATAQUES = 2, 0, 0, 0, 0;", 3, {6}, 1},
        {"the last wave 49 is kept", "OLEADA = 49; ATAQUE = 9, 0, 0, 0, 0;", 49, {9}, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const OleadasGuardadas o = Lee(c.texto);
        EXPECT_EQ(Tipos(o[static_cast<size_t>(c.oleada)]), c.tipos);
        size_t total = 0;
        for (const Oleada& w : o) total += w.size();
        EXPECT_EQ(total, c.total);
    }
    // Every field of one attack.
    const OleadasGuardadas o = Lee("OLEADA = 4; ATAQUE = 7, 120, 300.5, 200.25, -1.5;");
    ASSERT_EQ(o[4].size(), 1u);
    EXPECT_EQ(o[4][0].m_iTipo, 7);
    EXPECT_EQ(o[4][0].m_iDesfase, 120);
    EXPECT_FLOAT_EQ(o[4][0].m_fX, 300.5f);
    EXPECT_FLOAT_EQ(o[4][0].m_fY, 200.25f);
    EXPECT_FLOAT_EQ(o[4][0].m_fAngulo, -1.5f);
}

TEST_F(FicheroOleadasTest, AMissingFileIsAFailureWithNoWaves)
{
    OleadasGuardadas o;
    o[3].push_back(AtaqueOleada{});
    EXPECT_FALSE(LeeOleadas("falta.OLA", o));
    for (const Oleada& w : o) EXPECT_TRUE(w.empty());
}

// Written and read back, every wave holds the same attacks in reversed
// order; read and written twice, the same order again.
TEST_F(FicheroOleadasTest, AWriteReadBackKeepsEveryWave)
{
    OleadasGuardadas o;
    for (int w = 0; w < NUM_OLEADAS_GUARDADAS; w += 3)
        for (int i = 0; i < w % 7 + 1; ++i)
            o[static_cast<size_t>(w)].push_back({1 + (w + i) % 11, 512.0f - w * 3.25f, 100.0f + i * 17.5f,
                                                 0.125f * static_cast<float>(i), i * 30, nullptr});
    const std::string ruta = (carpeta / "escrita.OLA").string();
    ASSERT_TRUE(EscribeOleadas(ruta.c_str(), o));
    OleadasGuardadas leidas;
    ASSERT_TRUE(LeeOleadas(ruta.c_str(), leidas));
    for (size_t w = 0; w < o.size(); ++w) {
        ASSERT_EQ(leidas[w].size(), o[w].size()) << "wave " << w;
        for (size_t i = 0; i < o[w].size(); ++i)
            EXPECT_TRUE(leidas[w][o[w].size() - 1 - i].MismoAtaque(o[w][i])) << "wave " << w << " attack " << i;
    }
    ASSERT_TRUE(EscribeOleadas(ruta.c_str(), leidas));
    OleadasGuardadas otra;
    ASSERT_TRUE(LeeOleadas(ruta.c_str(), otra));
    for (size_t w = 0; w < o.size(); ++w)
        for (size_t i = 0; i < o[w].size(); ++i) EXPECT_TRUE(otra[w][i].MismoAtaque(o[w][i]));
    // No temporary file is left beside it.
    EXPECT_FALSE(std::filesystem::exists(ruta + ".tmp"));
}

TEST(Oleadas, DurationsGrowEveryFiftyWavesAndNeverFallBelowSixteen)
{
    struct {
        int numero, inicial, final_, esperada;
    } const casos[] = {
        {0, 420, 330, 330},    {49, 420, 330, 330},   {50, 420, 330, 420},  {99, 420, 330, 420},
        {100, 420, 330, 510},  {150, 420, 330, 600},  {0, 30, 10, 16},      {50, 10, 300, 16},
        {0, 0, 0, 16},         {0, -5, -5, 16},       {200, 100, 90, 130},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DuracionOleada(c.numero, c.inicial, c.final_), c.esperada)
            << "wave " << c.numero << " times " << c.inicial << "/" << c.final_;
    // The damages of the curse kinds, and nothing for a kind that is none.
    const int danyos[] = {0, 2, 3, 0, 1, 4, 3, 10, 10, 1, 5, 15};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(DanyoMaldicion(k), danyos[k]) << k;
    EXPECT_EQ(DanyoMaldicion(-1), 0);
    EXPECT_EQ(DanyoMaldicion(12), 0);
}
