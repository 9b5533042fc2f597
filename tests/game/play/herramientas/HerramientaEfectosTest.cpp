// The effect launcher: each launcher's particles, layer and lifetime; the
// line-length bonus's slot; the layers emptied when the tool goes, so that
// no effect draws with a package it no longer holds; a load that fails
// half-way keeps nothing.
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/graphics/Sprite.h"
#include "game/play/IndicadorLinea.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using Efectos = CHerramientaEfectos;

int NumSprites()
{
    int n = 0;
    for (const Sprite* s = g_pSistema2D ? g_pSistema2D->PrimerSprite() : nullptr; s; s = s->m_pSeguent) ++n;
    return n;
}

int Activos(int iCapa) { return g_pSistemaCacheEfectos->NumActivos(iCapa); }

class HerramientaEfectos : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pJuego = new kit::CJuegoPrueba("herramienta_efectos"); }
    static void TearDownTestSuite()
    {
        delete s_pJuego;
        s_pJuego = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_pJuego->Iniciado());
        ASSERT_NE(g_pSistemaCacheEfectos, nullptr);
        g_pSistemaCacheEfectos->LimpiaTodo();
    }
    static kit::CJuegoPrueba* s_pJuego;
};
kit::CJuegoPrueba* HerramientaEfectos::s_pJuego = nullptr;

} // namespace

// Each launcher: how many effects it starts, in which layer, and the range
// of steps within which the last of them ends (random timings, so a range).
TEST_F(HerramientaEfectos, EachLauncherStartsItsEffectsInItsLayerForTheirTime)
{
    const struct {
        const char* szNombre;
        std::function<void(Efectos&)> lanza;
        int iCapa, iNumero;
        int iFinMinimo, iFinMaximo;
    } casos[] = {
        {"ChispasPieza", [](Efectos& e) { e.ChispasPieza(300, 300); }, 62, 8, 10, 20},
        {"Estallido", [](Efectos& e) { e.Estallido(300, 300); }, 54, 8, 10, 20},
        {"Rastro", [](Efectos& e) { e.Rastro(100, 100, 200, 100); }, 54, 10, 10, 20},
        {"RastroDeshacer", [](Efectos& e) { e.RastroDeshacer(100, 100, 100, 300); }, 54, 4, 10, 20},
        {"Fuegos", [](Efectos& e) { e.Fuegos(512, 300); }, 62, 10, 30, 39},
        {"Chispa", [](Efectos& e) { e.Chispa(512, 300, true, false); }, 53, 1, 45, 60},
        {"Hielo", [](Efectos& e) { e.Hielo(512, 300); }, 62, 1, 45, 45},
        {"Marca (ray)", [](Efectos& e) { e.Marca(512, 300); }, 53, 1, 30, 50},
        {"LineaMaxima", [](Efectos& e) { e.LineaMaxima(512, 300, 6, 1); }, 54, 1, 10, 20},
        {"CruzAlMarcador", [](Efectos& e) { e.CruzAlMarcador(512, 300); }, 62, 1, 15, 15},
        {"Golpe", [](Efectos& e) { e.Golpe(512, 300); }, 62, 1, 15, 30},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.szNombre);
        Efectos e;
        ASSERT_TRUE(e.Carga(nullptr, nullptr));
        c.lanza(e);
        for (int capa : Efectos::kCapas) EXPECT_EQ(Activos(capa), capa == c.iCapa ? c.iNumero : 0) << capa;
        // An effect ending on step n is done on the layer's (n + 1)th
        // update and leaves it on the next.
        for (int i = 0; i <= c.iFinMinimo; ++i) e.Actualiza();
        EXPECT_EQ(Activos(c.iCapa), c.iNumero);
        e.DibujaCapa1(nullptr);
        e.DibujaCapa2(nullptr);
        e.DibujaCapa3(nullptr);
        for (int i = c.iFinMinimo + 1; i <= c.iFinMaximo + 1; ++i) e.Actualiza();
        EXPECT_EQ(Activos(c.iCapa), 0);
    }

    // The piece's flash: a small cross over the board, a larger one under it.
    Efectos e;
    ASSERT_TRUE(e.Carga(nullptr, nullptr));
    e.DestelloPieza(300, 300);
    EXPECT_EQ(Activos(Efectos::kCapa3), 1);
    EXPECT_EQ(Activos(Efectos::kCapa2), 1);
    for (int i = 0; i < 10; ++i) e.Actualiza();
    EXPECT_EQ(Activos(Efectos::kCapa3), 0);
    EXPECT_EQ(Activos(Efectos::kCapa2), 1);
    for (int i = 0; i < 5; ++i) e.Actualiza();
    EXPECT_EQ(Activos(Efectos::kCapa2), 0);

    // The chase mark is a ray every fifth step of the tool, a sparkle on the
    // others; trails of no length launch nothing.
    e.Actualiza();
    e.Marca(512, 300);
    for (int i = 0; i <= 31; ++i) e.Actualiza();
    EXPECT_EQ(Activos(Efectos::kCapa1), 0);
    e.Rastro(50, 50, 50, 50);
    e.RastroDeshacer(50, 50, 50, 50);
    for (int capa : Efectos::kCapas) EXPECT_EQ(Activos(capa), 0) << capa;
}

// The line-length bonus flies to the slot of the new maximum, never past
// the gauge's twelve.
TEST(HerramientaEfectosHueco, TheLineBonusFliesToAGaugeSlotWithinTheGauge)
{
    const struct {
        int iMaximo, iExtra, iHueco;
    } casos[] = {{6, 1, 7}, {14, 0, 12}, {10, 4, 12}, {12, 0, 12}, {0, 0, 1}, {-3, 1, 1}};
    for (const auto& c : casos) {
        EXPECT_EQ(Efectos::HuecoLineaMaxima(c.iMaximo, c.iExtra), c.iHueco) << c.iMaximo << "+" << c.iExtra;
        const Punt2D p = HuecoIndicadorLinea(c.iHueco);
        const Punt2D q = TablaHuecosIndicadorLinea[static_cast<size_t>(c.iHueco - 1)];
        EXPECT_EQ(p.x, q.x);
        EXPECT_EQ(p.y, q.y);
    }
    EXPECT_EQ(HuecoIndicadorLinea(1).x, 85.0f);
    EXPECT_EQ(HuecoIndicadorLinea(12).y, 400.0f);
}

// Released or deleted with effects alive, the tool empties its three layers
// (and no other) before its packages go: the next frame draws nothing freed.
TEST_F(HerramientaEfectos, AToolDeletedWithLiveEffectsLeavesNothingToDraw)
{
    auto e = std::make_unique<Efectos>();
    ASSERT_TRUE(e->Carga(nullptr, nullptr));
    e->Estallido(400, 400);
    e->Fuegos(400, 400);
    e->Chispa(400, 400, false, true);
    e->Actualiza();
    CEfectoCacheado* pAjeno = g_pSistemaCacheEfectos->CreaEfecto(10);
    ASSERT_NE(pAjeno, nullptr);
    DescripcionEfecto d;
    d.m_iFinFadeOut = 100;
    d.m_iInicioFadeOut = 90;
    pAjeno->Inicia(d);
    e.reset();
    for (int capa : Efectos::kCapas) EXPECT_EQ(Activos(capa), 0) << capa;
    EXPECT_EQ(Activos(10), 1);
    s_pJuego->Paso();
    for (int capa : Efectos::kCapas) g_pSistemaCacheEfectos->DibujaCapa(capa, nullptr);

    // Launching after a release starts nothing; a new load starts from
    // empty layers.
    Efectos f;
    ASSERT_TRUE(f.Carga(nullptr, nullptr));
    f.Libera();
    f.ChispasPieza(100, 100);
    EXPECT_EQ(Activos(Efectos::kCapa3), 0);
    ASSERT_TRUE(f.Carga(nullptr, nullptr));
    f.CruzAlMarcador(100, 100);
    EXPECT_EQ(Activos(Efectos::kCapa3), 1);
    g_pSistemaCacheEfectos->LimpiaCapa(10);
}

// A load whose k-th package copy fails keeps none of the copies it made and
// answers every launch with nothing.
TEST_F(HerramientaEfectos, ALoadFailingHalfWayKeepsNothing)
{
    {
        // The cache holds its own packages once loaded: loaded first.
        Efectos e;
        ASSERT_TRUE(e.Carga(nullptr, nullptr));
    }
    const int iAntes = NumSprites();
    for (int k = 0; k < Efectos::NUM_PAQUETES; ++k) {
        g_iCopiasHerramientasHastaFallo = k;
        Efectos e;
        EXPECT_FALSE(e.Carga(nullptr, nullptr)) << k;
        g_iCopiasHerramientasHastaFallo = -1;
        EXPECT_FALSE(e.EstaCreado());
        EXPECT_EQ(NumSprites(), iAntes) << k;
        e.Estallido(10, 10);
        e.Actualiza();
        e.DibujaCapa2(nullptr);
        EXPECT_EQ(Activos(Efectos::kCapa2), 0);
    }
}
