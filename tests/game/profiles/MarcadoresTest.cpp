#include "PerfilPrueba.h"

#include <set>

TEST(Marcadores, NamesAtGroupBoundaries)
{
    struct Caso {
        int indice;
        const char* nombre;
        int padre;
    };
    const Caso casos[] = {
        {0, "MPrin_ModoHistoria", MARCADOR_NINGUNO},
        {5, "MPrin_BotonCreditos", MARCADOR_NINGUNO},
        {6, "BoxDif_0", MARCADOR_NINGUNO},
        {9, "BoxDif_3", MARCADOR_NINGUNO},
        {10, "m_pBoton_Concentrar_JugarA20_Dif0", 1},
        {11, "m_pBoton_Concentrar_JugarSinFin_Dif0", 1},
        {12, "m_pBoton_Sellos_Peque1_Dif0", 3},
        {20, "m_pBoton_Sellos_Peque9_Dif0", 3},
        {21, "m_pBoton_Sellos_MultiSellos_Dif0", 3},
        {22, "m_pBoton_Sellos_Azar_Dif0", 3},
        {23, "m_pBoton_Ataques_Jugar_Dif0", 2},
        {24, "m_pBoton_Ataques_SinFin_Dif0", 2},
        {25, "m_pBoton_Concentrar_JugarA20_Dif1", 1},
        {69, "m_pBoton_Ataques_SinFin_Dif3", 2},
        {70, "MCofre_Personajes", 4},
        {76, "MCofre_Musica", 4},
        {77, "MPerso_0", 70},
        {87, "MPerso_10", 70},
        {88, "MCapitulos_0", 71},
        {99, "MCapitulos_11", 71},
        {100, "MGaleria_0", 72},
        {144, "MGaleria_44", 72},
        {145, "MGalSello_0", 75},
        {204, "MGalSello_59", 75},
        {205, "MTrofeo_0", 74},
        {244, "MTrofeo_39", 74},
        {245, "MBolsa_0", 73},
        {251, "MBolsa_6", 73},
        {252, "InstSellos", MARCADOR_NINGUNO},
        {255, "UsadoDeshacer", MARCADOR_NINGUNO},
        {256, "ExplicacionMenuPrincipal", MARCADOR_NINGUNO},
        {257, "AvisoCofreTesoro", MARCADOR_NINGUNO},
        {258, "Tuto01", MARCADOR_NINGUNO},
        {266, "Tuto09", MARCADOR_NINGUNO},
        {267, "Tuto10", MARCADOR_NINGUNO},
        {269, "Tuto12", MARCADOR_NINGUNO},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_STREQ(NombreMarcador(c.indice), c.nombre);
        EXPECT_EQ(BuscaMarcador(c.nombre), c.indice);
        EXPECT_EQ(PadreMarcador(c.indice), c.padre);
    }
    EXPECT_EQ(IndiceBotonNivel(3, NIVEL_ATAQUES_SIN_FIN), 69);
}

TEST(Marcadores, NamesAreDistinctAndLookupIsExact)
{
    std::set<std::string> vistos;
    for (int i = 0; i < NUM_MARCADORES; ++i) {
        EXPECT_TRUE(vistos.insert(NombreMarcador(i)).second) << i;
        EXPECT_EQ(BuscaMarcador(NombreMarcador(i)), i);
    }
    EXPECT_EQ(BuscaMarcador("mprin_modohistoria"), MARCADOR_NINGUNO);
    EXPECT_EQ(BuscaMarcador("MGalSello_3 "), MARCADOR_NINGUNO);
    EXPECT_EQ(BuscaMarcador(""), MARCADOR_NINGUNO);
    EXPECT_EQ(BuscaMarcador(nullptr), MARCADOR_NINGUNO);
    EXPECT_STREQ(NombreMarcador(MARCADOR_NINGUNO), "");
    EXPECT_STREQ(NombreMarcador(270), "");
    EXPECT_STREQ(NombreMarcador(-1), "");
    EXPECT_EQ(PadreMarcador(MARCADOR_NINGUNO), MARCADOR_NINGUNO);
}

TEST(Marcadores, InitialLockedSetLeavesStoryAndThreeDifficultiesOpen)
{
    std::set<int> iniciales(MarcadoresIniciales.begin(), MarcadoresIniciales.end());
    EXPECT_EQ(iniciales.size(), 266u);
    for (int abierto : {0, 6, 7, 8}) EXPECT_EQ(iniciales.count(abierto), 0u) << abierto;
    EXPECT_EQ(MarcadoresIniciales[NUM_MARCADORES_INICIALES - 18], 253);
    EXPECT_EQ(MarcadoresIniciales[NUM_MARCADORES_INICIALES - 17], 252);
    EXPECT_EQ(MarcadoresIniciales.back(), 269);
    EXPECT_STREQ(NombreMarcador(NovedadInicial), "MPrin_ModoHistoria");
}

TEST(Marcadores, BuscaEnListaLeavesCursorOnMatch)
{
    CLista l;
    l.Inicia();
    char a[] = "Tuto01", b[] = "tuto01", c[] = "Tuto02";
    l.InsertaAlFinal(a);
    l.InsertaAlFinal(b);
    l.InsertaAlFinal(c);
    EXPECT_TRUE(BuscaEnLista("tuto01", l));
    EXPECT_EQ(l.Actual(), b);
    EXPECT_FALSE(BuscaEnLista("TUTO01", l));
    EXPECT_FALSE(BuscaEnLista(nullptr, l));
    CLista vacia;
    vacia.Inicia();
    EXPECT_FALSE(BuscaEnLista("Tuto01", vacia));
}
