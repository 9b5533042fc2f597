// The sprite effects cache: motion, fade, scale and turn of an effect, and
// the recycling of effects through the layers and the pool.
#include "engine/graphics/SistemaCacheEfectos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

DescripcionEfecto Quieto()
{
    DescripcionEfecto d; // every range 0: nothing moves, fades or scales
    return d;
}

} // namespace

TEST(Efectos, FadeOutDesdeElPrincipio)
{
    DescripcionEfecto d = Quieto();
    d.m_iInicioFadeOut = 0;
    d.m_iFinFadeOut = 90;
    d.m_ucAlfaMaximo = 200;
    CEfectoCacheado e;
    ASSERT_TRUE(e.Inicia(d));
    EXPECT_TRUE(e.m_bActivo);
    for (int paso = 1; paso <= 90; ++paso) {
        ASSERT_FALSE(e.Actualiza()) << paso;
        const float esperado = 1.0f - float(paso - 1) / 90.0f;
        EXPECT_NEAR(e.m_fAlfa, esperado, 1e-5f) << paso;
        EXPECT_EQ(e.Alfa(), int(esperado * 200)) << paso;
    }
    EXPECT_TRUE(e.Actualiza()); // the 91st step ends it
    EXPECT_EQ(e.Alfa(), 0);
}

TEST(Efectos, FadeInYMeseta)
{
    DescripcionEfecto d = Quieto();
    d.m_iInicioFadeIn = 5;
    d.m_iFinFadeIn = 15;
    d.m_iInicioFadeOut = 20;
    d.m_iFinFadeOut = 30;
    CEfectoCacheado e;
    e.Inicia(d);
    const struct {
        int n;
        float alfa;
    } casos[] = {{0, 0}, {4, 0}, {5, 0}, {10, 0.5f}, {15, 1}, {19, 1}, {20, 1}, {25, 0.5f}, {29, 0.1f}, {30, 0}};
    int n = 0;
    for (const auto& c : casos) {
        while (n <= c.n) {
            e.Actualiza();
            ++n;
        }
        EXPECT_NEAR(e.m_fAlfa, c.alfa, 1e-5f) << "frame " << c.n;
    }
    EXPECT_TRUE(e.m_bTerminado);
}

TEST(Efectos, MovimientoConOndulacion)
{
    DescripcionEfecto d = Quieto();
    d.m_iInicioMovimiento = 0;
    d.m_iFinMovimiento = 10;
    d.m_fHastaX = 100;
    d.m_fOndulacionX = 20;
    d.m_fDesdeY = 7;
    d.m_fHastaY = 7;
    CEfectoCacheado e;
    e.Inicia(d);
    EXPECT_EQ(e.m_fX, 0.0f);
    for (int i = 0; i <= 5; ++i) e.Actualiza(); // the step of frame 5 is halfway
    EXPECT_NEAR(e.m_fX, 70.0f, 1e-3f);
    EXPECT_NEAR(e.m_fY, 7.0f, 1e-3f);
    while (!e.Actualiza()) {
    }
    EXPECT_EQ(e.m_fX, 100.0f);
    EXPECT_EQ(e.m_iFrames, 11);
}

TEST(Efectos, EsperaAlInicioDelMovimiento)
{
    DescripcionEfecto d = Quieto();
    d.m_iInicioMovimiento = 10;
    d.m_iFinMovimiento = 20;
    d.m_fDesdeX = 5;
    d.m_fHastaX = 15;
    CEfectoCacheado e;
    e.Inicia(d);
    for (int i = 0; i < 10; ++i) {
        e.Actualiza();
        EXPECT_EQ(e.m_fX, 5.0f); // stays where it is
        EXPECT_LE(e.m_iFrames, d.m_iInicioMovimiento); // not drawn yet
    }
    e.Actualiza();
    EXPECT_GT(e.m_iFrames, d.m_iInicioMovimiento);
}

TEST(Efectos, EscalaYGiro)
{
    DescripcionEfecto d = Quieto();
    d.m_iInicioEscala = 2;
    d.m_iFinEscala = 6;
    d.m_fEscalaDesdeX = 1;
    d.m_fEscalaHastaX = 3;
    d.m_fEscalaDesdeY = 2;
    d.m_fEscalaHastaY = 0;
    d.m_fRotacion = 0.5f;
    d.m_fPasoRotacion = 0.25f;
    CEfectoCacheado e;
    e.Inicia(d);
    EXPECT_EQ(e.m_fEscalaX, 1.0f);
    EXPECT_EQ(e.m_fEscalaY, 2.0f);
    EXPECT_EQ(e.m_fRotacion, 0.5f);
    for (int i = 0; i <= 4; ++i) e.Actualiza(); // frame 4: halfway
    EXPECT_NEAR(e.m_fEscalaX, 2.0f, 1e-5f);
    EXPECT_NEAR(e.m_fEscalaY, 1.0f, 1e-5f);
    EXPECT_NEAR(e.m_fRotacion, 0.5f + 5 * 0.25f, 1e-5f);
    e.Actualiza();
    EXPECT_FALSE(e.m_bTerminado);
    EXPECT_TRUE(e.Actualiza());
    EXPECT_EQ(e.m_fEscalaX, 3.0f);
    EXPECT_EQ(e.m_fEscalaY, 0.0f);
}

TEST(SistemaEfectos, CicloDeVidaYReserva)
{
    CSistemaCacheEfectos s;
    EXPECT_EQ(s.CreaEfecto(0), nullptr); // not started
    ASSERT_TRUE(s.Inicia());
    DescripcionEfecto d = Quieto();
    d.m_iInicioFadeOut = 0;
    d.m_iFinFadeOut = 90;
    CEfectoCacheado* e = s.CreaEfecto(53);
    ASSERT_NE(e, nullptr);
    e->Inicia(d);
    EXPECT_EQ(s.NumActivos(53), 1);
    for (int paso = 1; paso <= 91; ++paso) {
        s.ActualizaCapa(53);
        EXPECT_EQ(s.NumActivos(53), 1) << paso; // finished at 91, still drawn until the next step
    }
    s.ActualizaCapa(53); // the 92nd step recycles it
    EXPECT_EQ(s.NumActivos(53), 0);
    EXPECT_EQ(s.NumEnReserva(), 1);
    EXPECT_FALSE(e->m_bActivo);
    // The next effect is the same object, taken from the pool.
    EXPECT_EQ(s.CreaEfecto(7), e);
    EXPECT_EQ(s.NumEnReserva(), 0);
    EXPECT_EQ(s.NumActivos(7), 1);
}

TEST(SistemaEfectos, CapasIndependientesYLimpieza)
{
    CSistemaCacheEfectos s;
    ASSERT_TRUE(s.Inicia());
    DescripcionEfecto d = Quieto();
    d.m_iFinFadeOut = 1000;
    CEfectoCacheado* a = s.CreaEfecto(1);
    CEfectoCacheado* b = s.CreaEfecto(2);
    a->Inicia(d);
    b->Inicia(d);
    s.ActualizaCapa(1);
    s.ActualizaCapa(1);
    EXPECT_EQ(a->m_iFrames, 2);
    EXPECT_EQ(b->m_iFrames, 0); // another layer does not move
    s.LimpiaCapa(1); // mid-flight
    EXPECT_EQ(s.NumActivos(1), 0);
    EXPECT_EQ(s.NumActivos(2), 1);
    EXPECT_EQ(s.NumEnReserva(), 1);
    EXPECT_EQ(s.CreaEfecto(3), a);
    s.LimpiaTodo();
    EXPECT_EQ(s.NumEnReserva(), 2);
    for (int c = 0; c < CSistemaCacheEfectos::kNumCapas; ++c) EXPECT_EQ(s.NumActivos(c), 0);
}

TEST(SistemaEfectos, CapasFueraDeRango)
{
    CSistemaCacheEfectos s;
    ASSERT_TRUE(s.Inicia());
    for (int capa : {-1, 64, 1000, -64}) {
        EXPECT_EQ(s.CreaEfecto(capa), nullptr) << capa;
        s.ActualizaCapa(capa);
        s.DibujaCapa(capa, nullptr);
        s.LimpiaCapa(capa);
        EXPECT_EQ(s.NumActivos(capa), 0);
    }
    EXPECT_NE(s.CreaEfecto(63), nullptr);
    EXPECT_NE(s.CreaEfecto(0), nullptr);
    s.Libera(); // deletes every effect (checked by the leak detector)
}
