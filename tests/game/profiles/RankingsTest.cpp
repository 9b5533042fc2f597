#include "PerfilPrueba.h"

namespace {

class Rankings : public ::testing::Test {
protected:
    CPerfiles perfiles;
};

} // namespace

TEST_F(Rankings, OneNamedProfileLeadsEmptySlots)
{
    RegistroPerfil& p = perfiles.m_aPerfiles[1];
    p.CambiaNombre("Ada");
    p.InsertaPuntuacionAtaques(2, 500);
    p.InsertaPuntuacionAtaques(2, 900);
    const EntradaRanking* e0 = perfiles.RankingAtaques(2, 0);
    const EntradaRanking* e1 = perfiles.RankingAtaques(2, 1);
    ASSERT_TRUE(e0 && e1);
    EXPECT_STREQ(e0->m_pszNombre, "Ada");
    EXPECT_EQ(e0->m_iValor, 900);
    EXPECT_EQ(e0->m_pszNombre, p.m_szNombre);  // the profile's own name
    EXPECT_STREQ(e1->m_pszNombre, "Ada");
    EXPECT_EQ(e1->m_iValor, 500);
    for (int n = 2; n < 16; ++n) {
        const EntradaRanking* e = perfiles.RankingAtaques(2, n);
        ASSERT_TRUE(e) << n;
        EXPECT_EQ(e->m_iValor, 0) << n;
    }
    // Ada's two empty ranks stay ahead of the empty slots' entries.
    EXPECT_STREQ(perfiles.RankingAtaques(2, 3)->m_pszNombre, "Ada");
    EXPECT_STREQ(perfiles.RankingAtaques(2, 4)->m_pszNombre, "");
    EXPECT_EQ(perfiles.RankingAtaques(2, 16), nullptr);
    EXPECT_EQ(perfiles.RankingAtaques(2, -1), nullptr);
    EXPECT_EQ(perfiles.RankingSellos(2, 3, 16), nullptr);
    EXPECT_EQ(perfiles.RankingSellos(2, 9, 0), nullptr);
    EXPECT_EQ(perfiles.RankingAtaques(4, 0), nullptr);
}

TEST_F(Rankings, TiesKeepSlotOrderAndTimesAscend)
{
    const char* nombres[] = {"Ann", "Bea", "Cai", "Dan"};
    for (int i = 0; i < 4; ++i) perfiles.m_aPerfiles[i].CambiaNombre(nombres[i]);
    perfiles.m_aPerfiles[3].InsertaTiempoMultiSellos(0, 4000);
    perfiles.m_aPerfiles[2].InsertaTiempoMultiSellos(0, 5000);
    perfiles.m_aPerfiles[1].InsertaTiempoMultiSellos(0, 4000);
    perfiles.m_aPerfiles[0].InsertaTiempoMultiSellos(0, 6000);
    const char* esperado[] = {"Bea", "Dan", "Cai", "Ann"};
    const int32_t valores[] = {4000, 4000, 5000, 6000};
    for (int n = 0; n < 4; ++n) {
        const EntradaRanking* e = perfiles.RankingMultiSellos(0, n);
        ASSERT_TRUE(e);
        EXPECT_STREQ(e->m_pszNombre, esperado[n]) << n;
        EXPECT_EQ(e->m_iValor, valores[n]) << n;
    }
    EXPECT_EQ(perfiles.RankingMultiSellos(0, 15)->m_iValor, SIN_TIEMPO);

    // Each list is fed by its own table.
    perfiles.m_aPerfiles[0].InsertaTiempoSellos(1, 4, 10);
    perfiles.m_aPerfiles[0].InsertaTiempoSellosAzar(1, 20);
    perfiles.m_aPerfiles[0].InsertaPuntuacionAtaquesSinFin(1, 30);
    perfiles.m_aPerfiles[0].InsertaPuntuacionConcentrar(1, 40);
    perfiles.m_aPerfiles[0].InsertaPuntuacionConcentrarSinFin(1, 50);
    EXPECT_EQ(perfiles.RankingSellos(1, 4, 0)->m_iValor, 10);
    EXPECT_EQ(perfiles.RankingSellos(1, 3, 0)->m_iValor, SIN_TIEMPO);
    EXPECT_EQ(perfiles.RankingSellosAzar(1, 0)->m_iValor, 20);
    EXPECT_EQ(perfiles.RankingAtaquesSinFin(1, 0)->m_iValor, 30);
    EXPECT_EQ(perfiles.RankingConcentrar(1, 0)->m_iValor, 40);
    EXPECT_EQ(perfiles.RankingConcentrarSinFin(1, 0)->m_iValor, 50);
    EXPECT_EQ(perfiles.RankingAtaques(1, 0)->m_iValor, 0);
}

TEST_F(Rankings, RebuiltOnlyAfterAnInsertion)
{
    RegistroPerfil& p = perfiles.m_aPerfiles[0];
    p.CambiaNombre("Ann");
    p.InsertaPuntuacionConcentrar(0, 100);
    EXPECT_EQ(perfiles.RankingConcentrar(0, 0)->m_iValor, 100);
    for (const RegistroPerfil& q : perfiles.m_aPerfiles) EXPECT_TRUE(q.m_bRankingsActualizados);

    // A table changed behind the profile's back is not seen: no rebuild.
    p.m_aBloques[0].m_aiDatos[BloqueDificultad::IndicePuntuacion(TABLA_CONCENTRAR, 0)] = 777;
    EXPECT_EQ(perfiles.RankingConcentrar(0, 0)->m_iValor, 100);

    // An insertion in another profile rebuilds all lists.
    perfiles.m_aPerfiles[3].InsertaPuntuacionAtaques(3, 1);
    EXPECT_EQ(perfiles.RankingConcentrar(0, 0)->m_iValor, 777);
    for (int d = 0; d < NUM_DIFICULTADES; ++d)
        for (int l = 0; l < NUM_LISTAS_RANKING; ++l) EXPECT_EQ(perfiles.m_aRankings[d][l].m_iNumElementos, 16);
}

TEST(RankingsInsercion, EmptyNamesNeverPrecedeNamedEqualValues)
{
    CLista l;
    l.Inicia();
    char ann[] = "Ann", vacio[] = "";
    EntradaRanking a{ann, 0}, b{vacio, 0}, c{ann, 0}, d{ann, 5};
    CPerfiles::InsertaEnRanking(&a, l, false);
    CPerfiles::InsertaEnRanking(&b, l, false);
    CPerfiles::InsertaEnRanking(&c, l, false);
    CPerfiles::InsertaEnRanking(&d, l, false);
    EXPECT_EQ(l.Elemento(0), &d);
    EXPECT_EQ(l.Elemento(1), &a);
    EXPECT_EQ(l.Elemento(2), &c);
    EXPECT_EQ(l.Elemento(3), &b);
}
