// Figures: figure files, the built-in figures, the row and ring builders and
// the gallery seals a traced figure unlocks.
#include "../profiles/PerfilPrueba.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/Lista.h"
#include "engine/core/Temporizador.h"
#include "game/play/Figuras.h"
#include "game/play/RegistroNivel.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

struct Lista {
    CLista l;
    Lista() { l.Inicia(); }
    ~Lista() { BorraPiezas(l); }
    std::vector<CBolaTablero*> Piezas()
    {
        std::vector<CBolaTablero*> v;
        if (!l.EstaVacia())
            for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) v.push_back(static_cast<CBolaTablero*>(l.Actual()));
        return v;
    }
};

class FigurasFichero : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("figuras");
        servicios = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(servicios->Correcte());
        g_TransformacionCarga = TransformacionFigura{};
    }
    void TearDown() override { servicios.reset(); }
    void Escribe(const std::string& nombre, const std::string& texto)
    {
        mgtest::EscriuFitxer(carpeta / "Data" / "Tapices" / nombre, texto);
    }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> servicios;
    RegistroNivel nivel;
};

TEST_F(FigurasFichero, RecordsNumberThePieces)
{
    std::string texto = "DISPX = 12.5; DISPY = -4; ESCALA = 0.8; ESCALAGRAFICA = 0.6;\n";
    for (int i = 0; i < 10; ++i) texto += "BOLA = " + std::to_string(300 + 40 * i) + ", 200, " + std::to_string(i % 3) + ";\n";
    Escribe("Prueba.TPZ", texto);
    nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS = 300;
    nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS = 60;
    Lista lista;
    ASSERT_TRUE(CargaTapiz(lista.l, "Prueba.TPZ", nivel));
    const auto piezas = lista.Piezas();
    ASSERT_EQ(piezas.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(piezas[static_cast<size_t>(i)]->Orden(), 4 + i);
        EXPECT_FLOAT_EQ(piezas[static_cast<size_t>(i)]->X(), static_cast<float>(300 + 40 * i - 512));
        EXPECT_FLOAT_EQ(piezas[static_cast<size_t>(i)]->Y(), -184.0f);
        EXPECT_EQ(piezas[static_cast<size_t>(i)]->Color(), i % 3);
    }
    EXPECT_EQ(g_TransformacionCarga, (TransformacionFigura{12.5f, -4.0f, 0.8f, 0.6f}));
    // The level's shard times: after 300 steps unlit, the piece is unseen.
    CBolaTablero& p = *piezas[0];
    p.PonEsquirla(true);
    p.Aparece();
    for (int i = 0; i < 300; ++i) p.Actualiza(-5000.0f, -5000.0f);
    PasadasBola pasadas;
    p.CalculaPasadas(0.0f, pasadas);
    EXPECT_EQ(pasadas.m_a[0].m_ucAlfa, 0);
}

TEST_F(FigurasFichero, PiecePlacesColoursAndFailures)
{
    Escribe("Centro.TPZ", "bola = 512, 384, 2; Bola = 100, 100, 9; BOLA = 100, 120, -1; OTRA = 1;");
    Lista lista;
    ASSERT_TRUE(CargaTapiz(lista.l, "Centro.TPZ", nivel));
    auto piezas = lista.Piezas();
    ASSERT_EQ(piezas.size(), 3u);
    EXPECT_FLOAT_EQ(piezas[0]->X(), 0.0f);
    EXPECT_FLOAT_EQ(piezas[0]->Y(), 0.0f);
    EXPECT_FLOAT_EQ(piezas[0]->PosicionX(), 512.0f);
    EXPECT_EQ(piezas[0]->Color(), 2);
    EXPECT_EQ(piezas[1]->Color(), 0);  // outside 0..7
    EXPECT_EQ(piezas[2]->Color(), 0);

    // A missing file or a name too long for the file system: false, the list
    // as it was.
    EXPECT_FALSE(CargaTapiz(lista.l, "NoEsta.TPZ", nivel));
    EXPECT_FALSE(CargaTapiz(lista.l, std::string(1020, 'a').c_str(), nivel));
    EXPECT_FALSE(CargaTapiz(lista.l, nullptr, nivel));
    EXPECT_EQ(lista.Piezas().size(), 3u);
}

TEST(FigurasIncorporadas, GeometryOfTheBuiltIns)
{
    RegistroNivel nivel;
    nivel.NUMCOLORES = 4;
    const struct {
        int numero;
        size_t cuantas;
        std::vector<PuntoFigura> primeras;
        float escalaGrafica;
    } casos[] = {
        {33, 36, {{0, 250}, {250 * std::sin(2 * float(M_PI) / 36), 250 * std::cos(2 * float(M_PI) / 36)}}, 0.9f},
        {34, 37, {{0, 250}}, 0.8f},
        {35, 37, {{0, 250}}, 0.8f},
        {36, 38, {{0, 250}}, 0.75f},
        {37, 38, {{0, 250}}, 0.7f},
        {38, 1, {{0, 0}}, 1.0f},
        {39, 2, {{-100, 0}, {100, 0}}, 1.0f},
        {40, 3, {{-100, -30}, {100, -30}, {0, 30}}, 1.0f},
        {41, 4, {{-100, -100}, {-100, 0}, {100, -100}, {100, 0}}, 1.0f},
        {42, 10, {{0, 120}, {120 * std::sin(2 * float(M_PI) / 10), 120 * std::cos(2 * float(M_PI) / 10)}}, 1.0f},
        {43, 20, {{0, 100}}, 1.0f},
        {44, 4, {{0, 170}, {120, 50}, {0, -70}, {-120, 50}}, 1.0f},
        {45, 5, {{0, 170}}, 1.0f},
        {46, 6, {{0, 170}, {120 * std::sin(float(M_PI) / 3), 50 + 120 * std::cos(float(M_PI) / 3)}}, 1.0f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        g_TransformacionCarga = {1, 2, 3, 4};
        Lista lista;
        ASSERT_TRUE(CreaFiguraTrazado(lista.l, c.numero, nivel));
        const auto piezas = lista.Piezas();
        ASSERT_EQ(piezas.size(), c.cuantas);
        for (size_t i = 0; i < c.primeras.size(); ++i) {
            EXPECT_NEAR(piezas[i]->X(), c.primeras[i].x, 0.001f) << i;
            EXPECT_NEAR(piezas[i]->Y(), c.primeras[i].y, 0.001f) << i;
        }
        for (size_t i = 0; i < piezas.size(); ++i) {
            EXPECT_EQ(piezas[i]->Orden(), static_cast<int>(i));
            EXPECT_GE(piezas[i]->Color(), 0);
            EXPECT_LT(piezas[i]->Color(), 4);
        }
        EXPECT_EQ(g_TransformacionCarga, (TransformacionFigura{0, 0, 1, c.escalaGrafica}));
        // The geometry the tools read is what the builder built.
        std::vector<PuntoFigura> puntos;
        float escala = 0;
        ASSERT_TRUE(GeometriaFiguraTrazado(c.numero, puntos, escala));
        ASSERT_EQ(puntos.size(), piezas.size());
        for (size_t i = 0; i < puntos.size(); ++i) EXPECT_FLOAT_EQ(puntos[i].x, piezas[i]->X());
        EXPECT_FLOAT_EQ(escala, c.escalaGrafica);
    }
    // No figure: nothing built, the loader transform untouched.
    for (int n : {255, 47, -1}) {
        g_TransformacionCarga = {1, 2, 3, 4};
        Lista lista;
        EXPECT_FALSE(CreaFiguraTrazado(lista.l, n, nivel));
        EXPECT_TRUE(lista.l.EstaVacia());
        EXPECT_EQ(g_TransformacionCarga, (TransformacionFigura{1, 2, 3, 4}));
    }
}

TEST(FigurasIncorporadas, RowsAndRings)
{
    ReiniciaAleatorio(7);
    Lista lista;
    CreaFilaDePiezas(5, lista.l, 10, 20, 110, 20, 1, 3, false);  // one piece, end included
    CreaFilaDePiezas(6, lista.l, 0, 0, 100, 50, 4, 3, true);
    CreaFilaDePiezas(10, lista.l, 0, 0, 90, 0, 4, 3, false);
    CreaFilaDePiezas(20, lista.l, 0, 0, 90, 0, 0, 3, false);
    CreaAnilloDePiezas(14, lista.l, 5, 5, 10, float(M_PI) / 2, 2, 1);
    CreaAnilloDePiezas(20, lista.l, 5, 5, 10, 0, 0, 1);
    const auto p = lista.Piezas();
    const struct {
        int orden;
        float x, y;
    } esperado[] = {{5, 10, 20},  {6, 0, 0},   {7, 25, 12.5f}, {8, 50, 25}, {9, 75, 37.5f},
                    {10, 0, 0},   {11, 30, 0}, {12, 60, 0},    {13, 90, 0}, {14, 15, 5},
                    {15, -5, 5}};
    ASSERT_EQ(p.size(), std::size(esperado));
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i]->Orden(), esperado[i].orden);
        EXPECT_NEAR(p[i]->X(), esperado[i].x, 1e-4f);
        EXPECT_NEAR(p[i]->Y(), esperado[i].y, 1e-4f);
        // Always seen and lit.
        EXPECT_FLOAT_EQ(p[i]->Brillo(), 1.0f);
    }
    EXPECT_EQ(p[9]->Color(), 0);  // a ring of one colour
}

TEST(TablaGaleria, EverySealOnceInFileOrder)
{
    std::set<int> sellos;
    for (const FilaFiguraGaleria& f : TablaFigurasGaleria) sellos.insert(f.m_iSello);
    EXPECT_EQ(sellos.size(), 52u);
    EXPECT_EQ(*sellos.begin(), 0);
    EXPECT_EQ(*sellos.rbegin(), 51);
    EXPECT_EQ(TablaFigurasGaleria[20].m_iSello, 29);
    EXPECT_STREQ(TablaFigurasGaleria[20].m_pszFigura, "08_02_LaDagaDelAsesino.TPZ");
}

using FigurasDesbloqueo = PerfilPrueba;

TEST_F(FigurasDesbloqueo, TracedFigureUnlocksItsSeals)
{
    RegistroPerfil& p = Perfil();
    DesbloqueaFigura("13_01_MultiDesamor.TPZ");
    DesbloqueaFigura("Tapices\\Figura\\13_01_MultiDesamor.TPZ");
    for (int i = 40; i <= 43; ++i) EXPECT_FALSE(p.EstaDesbloqueado(("MGalSello_" + std::to_string(i)).c_str()));
    DesbloqueaFigura("figura\\13_01_multidesamor.tpz");
    for (int i = 39; i <= 44; ++i)
        EXPECT_EQ(p.EstaDesbloqueado(("MGalSello_" + std::to_string(i)).c_str()), i >= 40 && i <= 43) << i;
    DesbloqueaFigura("Figura\\08_02_LaDagaDelAsesino.TPZ");
    EXPECT_TRUE(p.EstaDesbloqueado("MGalSello_29"));
    EXPECT_FALSE(p.EstaDesbloqueado("MGalSello_20"));
    DesbloqueaFigura(nullptr);
}

} // namespace
