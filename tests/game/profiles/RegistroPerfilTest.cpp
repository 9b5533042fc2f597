#include "PerfilPrueba.h"

#include <array>

namespace {
using Top4 = std::array<int32_t, 4>;
}

TEST(RegistroPerfil, TopFourInsertion)
{
    struct Caso {
        Top4 antes;
        int32_t valor;
        bool mayorPrimero;
        Top4 despues;
    };
    const Caso casos[] = {
        // Scores, highest first: equal values go after the stored ones.
        {{900, 500, 100, 0}, 500, true, {900, 500, 500, 100}},
        {{900, 500, 100, 0}, 1000, true, {1000, 900, 500, 100}},
        {{900, 500, 100, 50}, 10, true, {900, 500, 100, 50}},
        {{900, 500, 100, 50}, 50, true, {900, 500, 100, 50}},
        {{0, 0, 0, 0}, 7, true, {7, 0, 0, 0}},
        // Times, lowest first.
        {{2500, SIN_TIEMPO, SIN_TIEMPO, SIN_TIEMPO}, 3000, false, {2500, 3000, SIN_TIEMPO, SIN_TIEMPO}},
        {{2500, 3000, 4000, 5000}, 2500, false, {2500, 2500, 3000, 4000}},
        {{2500, 3000, 4000, 5000}, 6000, false, {2500, 3000, 4000, 5000}},
        {{2500, 3000, 4000, 5000}, 100, false, {100, 2500, 3000, 4000}},
    };
    for (const Caso& c : casos) {
        Top4 t = c.antes;
        InsertaEnTop4(t.data(), c.valor, c.mayorPrimero);
        EXPECT_EQ(t, c.despues) << "value " << c.valor;
    }
}

TEST(RegistroPerfil, DefaultsAndTableLayout)
{
    RegistroPerfil p;
    EXPECT_FALSE(p.m_bModificado);
    EXPECT_FALSE(p.m_bCargado);
    EXPECT_EQ(p.m_iDificultad, 1);
    EXPECT_STREQ(p.m_szNombre, "");
    const int32_t* d = p.m_aBloques[2].m_aiDatos;
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[1], 0);
    EXPECT_EQ(d[2], 4);
    EXPECT_EQ(d[3], 0);
    EXPECT_EQ(d[4], 0);
    EXPECT_EQ(d[19], 0);
    EXPECT_EQ(d[20], SIN_TIEMPO);
    EXPECT_EQ(d[63], SIN_TIEMPO);
    EXPECT_EQ(d[64], SIN_JUGADA);
    EXPECT_EQ(d[263], SIN_JUGADA);
    EXPECT_EQ(BloqueDificultad::IndiceTiempo(TABLA_SELLOS_MULTI, 0), 56);
    EXPECT_EQ(BloqueDificultad::IndiceTiempo(TABLA_SELLOS_AZAR, 3), 63);
    EXPECT_EQ(BloqueDificultad::IndiceJugada(19, 9), 263);
}

TEST(RegistroPerfil, InsertionsReachTheirTables)
{
    RegistroPerfil p;
    p.m_bRankingsActualizados = 1;
    p.InsertaPuntuacionAtaques(0, 10);
    EXPECT_TRUE(p.m_bModificado);
    EXPECT_FALSE(p.m_bRankingsActualizados);
    p.InsertaPuntuacionAtaquesSinFin(1, 11);
    p.InsertaPuntuacionConcentrar(2, 12);
    p.InsertaPuntuacionConcentrarSinFin(3, 13);
    p.InsertaTiempoSellos(0, 8, 100);
    p.InsertaTiempoMultiSellos(1, 200);
    p.InsertaTiempoSellosAzar(2, 300);
    EXPECT_EQ(p.m_aBloques[0].m_aiDatos[4], 10);
    EXPECT_EQ(p.m_aBloques[1].m_aiDatos[8], 11);
    EXPECT_EQ(p.m_aBloques[2].m_aiDatos[12], 12);
    EXPECT_EQ(p.m_aBloques[3].m_aiDatos[16], 13);
    EXPECT_EQ(p.m_aBloques[0].m_aiDatos[52], 100);
    EXPECT_EQ(p.m_aBloques[1].m_aiDatos[56], 200);
    EXPECT_EQ(p.m_aBloques[2].m_aiDatos[60], 300);

    // A value that beats nothing still raises the flags; out-of-range
    // arguments change no table.
    p.m_bModificado = 0;
    p.m_bRankingsActualizados = 1;
    p.InsertaPuntuacionAtaques(0, 0);
    EXPECT_TRUE(p.m_bModificado);
    EXPECT_FALSE(p.m_bRankingsActualizados);
    RegistroPerfil limpio;
    p.InsertaPuntuacionAtaques(4, 99);
    p.InsertaPuntuacionAtaques(-1, 99);
    p.InsertaTiempoSellos(0, 9, 1);
    p.InsertaTiempoSellos(0, -1, 1);
    EXPECT_EQ(p.m_aBloques[0].m_aiDatos[56], SIN_TIEMPO);
    EXPECT_EQ(p.Tiempo(0, 11, 0), SIN_TIEMPO);
    EXPECT_EQ(p.Puntuacion(0, 4, 0), 0);
}

TEST(RegistroPerfil, ProgressAndLineMaximum)
{
    RegistroPerfil p;
    p.FijaDificultad(2);
    for (int i = 0; i < 80; ++i) p.AvanzaHistoria();
    EXPECT_EQ(p.ProgresoHistoria(2), MAX_PROGRESO_HISTORIA);
    EXPECT_EQ(p.ProgresoHistoria(1), 0);
    EXPECT_TRUE(p.m_bModificado);
    p.AumentaLineaMaxima();
    EXPECT_EQ(p.m_aBloques[2].m_aiDatos[BloqueDificultad::LINEA_MAXIMA], 5);
    p.FijaDificultad(7);
    EXPECT_EQ(p.m_iDificultad, 2);
    p.FijaDificultad(-1);
    EXPECT_EQ(p.m_iDificultad, 2);
}

TEST(RegistroPerfil, BestPlayKeepsSmallest)
{
    RegistroPerfil p;
    EXPECT_EQ(p.MejorJugada(3, 1), SIN_JUGADA);
    p.GuardaMejorJugada(10, 3, 1);
    p.m_bModificado = 0;
    p.m_bRankingsActualizados = 1;
    p.GuardaMejorJugada(12, 3, 1);
    EXPECT_EQ(p.MejorJugada(3, 1), 10);
    EXPECT_TRUE(p.m_bModificado);
    EXPECT_FALSE(p.m_bRankingsActualizados);
    p.GuardaMejorJugada(7, 3, 1);
    EXPECT_EQ(p.MejorJugada(3, 1), 7);
    p.GuardaMejorJugada(1, 20, 0);
    p.GuardaMejorJugada(1, 0, 10);
    EXPECT_EQ(p.MejorJugada(20, 0), SIN_JUGADA);
    EXPECT_EQ(p.CuentaNivelesJugados(1), 1);
    EXPECT_EQ(p.CuentaNivelesJugados(0), 0);
    p.GuardaMejorJugada(3, 19, 9);
    EXPECT_EQ(p.CuentaNivelesJugados(1), 2);
    EXPECT_EQ(p.CuentaNivelesJugados(4), 0);
}

TEST(RegistroPerfil, NameIsCutAndQuotesRefused)
{
    RegistroPerfil p;
    EXPECT_TRUE(p.CambiaNombre("0123456789012345678901234567890123456789"));
    EXPECT_EQ(std::string(p.m_szNombre), "0123456789012345678901234567890");
    EXPECT_TRUE(p.m_bModificado);
    p.m_bModificado = 0;
    EXPECT_FALSE(p.CambiaNombre("Ann \"the\" Bold"));
    EXPECT_FALSE(p.CambiaNombre(nullptr));
    EXPECT_EQ(std::string(p.m_szNombre), "0123456789012345678901234567890");
    EXPECT_FALSE(p.m_bModificado);
    EXPECT_TRUE(p.CambiaNombre("Ann, the; Bold // x"));
    EXPECT_STREQ(p.m_szNombre, "Ann, the; Bold // x");
}

TEST(RegistroPerfil, LoadedValuesAreValidated)
{
    BloqueDificultad b;
    b.Inicializa();
    for (int32_t& v : b.m_aiDatos) v = -1;
    b.Valida();
    BloqueDificultad porDefecto;
    porDefecto.Inicializa();
    for (int i = 0; i < BloqueDificultad::NUM_DATOS; ++i) EXPECT_EQ(b.m_aiDatos[i], porDefecto.m_aiDatos[i]) << i;

    struct Caso {
        int indice;
        int32_t leido;
        int32_t queda;
    };
    const Caso casos[] = {
        {BloqueDificultad::CONTADOR_MAPA, 12, 9},
        {BloqueDificultad::CONTADOR_MAPA, 5, 5},
        {BloqueDificultad::PROGRESO_HISTORIA, 70, 69},
        {BloqueDificultad::PROGRESO_HISTORIA, 2000000000, 69},
        {BloqueDificultad::PROGRESO_HISTORIA, -7, 0},
        {BloqueDificultad::PROGRESO_HISTORIA, 53, 53},
        {BloqueDificultad::LINEA_MAXIMA, 0, 4},
        {BloqueDificultad::LINEA_MAXIMA, 1, 1},
        {BloqueDificultad::LINEA_MAXIMA, -3, 4},
        {BloqueDificultad::LINEA_MAXIMA, 12, 12},
        {BloqueDificultad::LINEA_MAXIMA, 99, 14},
        {BloqueDificultad::RESERVADO, 77, 77},
        {BloqueDificultad::IndicePuntuacion(1, 2), -5, 0},
        {BloqueDificultad::IndicePuntuacion(1, 2), 2000000000, 2000000000},
        {BloqueDificultad::IndiceTiempo(10, 3), -2, SIN_TIEMPO},
        {BloqueDificultad::IndiceTiempo(10, 3), SIN_TIEMPO + 1, SIN_TIEMPO},
        {BloqueDificultad::IndiceTiempo(0, 0), 0, 0},
        {BloqueDificultad::IndiceJugada(19, 9), 0, SIN_JUGADA},
        {BloqueDificultad::IndiceJugada(19, 9), 1000, SIN_JUGADA},
        {BloqueDificultad::IndiceJugada(0, 0), 1, 1},
    };
    for (const Caso& c : casos) {
        b.Inicializa();
        b.m_aiDatos[c.indice] = c.leido;
        b.Valida();
        EXPECT_EQ(b.m_aiDatos[c.indice], c.queda) << "index " << c.indice << " read " << c.leido;
    }
}
