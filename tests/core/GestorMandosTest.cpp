#include "engine/core/GestorMandos.h"
#include "kit/Entrada.h"
#include "platform/InputInjection.h"

#include <gtest/gtest.h>

#include <cstring>

using kit::LlamadaEntrada;

namespace {

class Mandos : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ventana.ok); }

    // One logic step: the events are pumped, then the controllers polled.
    void Paso()
    {
        kit::Bombea();
        mandos.Actualiza();
    }

    kit::VentanaPrueba ventana;
    kit::ReceptorGrabador receptor;
    CGestorMandos mandos;
};

} // namespace

TEST_F(Mandos, NoControllerStartsAndNeverSearches)
{
    ASSERT_TRUE(mandos.Inicia());
    EXPECT_EQ(mandos.NumMandos(), 0);
    // Plugged in later: not found by the steps (nothing is missing), only by
    // an explicit enumeration.
    const int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    for (int i = 0; i < 300; ++i) Paso();
    EXPECT_EQ(mandos.NumMandos(), 0);
    mandos.EnumeraMandos();
    EXPECT_EQ(mandos.NumMandos(), 1);
    EXPECT_EQ(mandos.Mando(1), nullptr);
}

TEST_F(Mandos, OneButtonEventPerPressOneAxisEventPerChange)
{
    const int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    kit::Bombea();
    ASSERT_TRUE(mandos.Inicia());
    ASSERT_EQ(mandos.NumMandos(), 1);
    CMando* m = mandos.Mando(0);
    EXPECT_EQ(mandos.BuscaMando(m->Guid()), m);
    EXPECT_TRUE(m->m_bPresente);
    EXPECT_FALSE(m->m_bPerdido);

    plat::inject::SetControllerButton(h, 3, true);
    for (int i = 0; i < 10; ++i) Paso();
    plat::inject::SetControllerButton(h, 3, false);
    for (int i = 0; i < 3; ++i) Paso();
    auto botones = receptor.De(LlamadaEntrada::BotonMando);
    ASSERT_EQ(botones.size(), 1u) << receptor.Resumen();
    EXPECT_EQ(botones[0].a, 3);
    EXPECT_EQ(botones[0].mando, m);

    receptor.llamadas.clear();
    struct Cambio {
        int eje, valor;
    } cambios[] = {{0, 100}, {0, 100}, {1, -512}, {0, 512}, {2, 37}, {2, 37}, {0, 0}};
    for (const Cambio& p : cambios) {
        plat::inject::SetControllerAxis(h, p.eje, p.valor);
        Paso();
    }
    auto ejes = receptor.De(LlamadaEntrada::EjeMando);
    ASSERT_EQ(ejes.size(), 5u) << receptor.Resumen();
    const int esperados[][2] = {{0, 100}, {1, -512}, {0, 512}, {2, 37}, {0, 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ejes[i].a, esperados[i][0]) << i;
        EXPECT_EQ(ejes[i].b, esperados[i][1]) << i;
    }
}

TEST_F(Mandos, LostControllerIsFoundAgainByThePeriodicSearch)
{
    int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    kit::Bombea();
    ASSERT_TRUE(mandos.Inicia());
    ASSERT_EQ(mandos.NumMandos(), 1);
    CMando* m = mandos.Mando(0);
    uint8_t guid[16];
    std::memcpy(guid, m->Guid(), 16);

    ASSERT_TRUE(plat::inject::DetachController(h));
    Paso();
    EXPECT_FALSE(m->m_bPresente);
    EXPECT_FALSE(m->m_bPerdido); // lost only once a search misses it
    for (int i = 0; i < CGestorMandos::kSondeosAntesDeBuscar; ++i) Paso();
    EXPECT_TRUE(m->m_bPerdido);
    EXPECT_FALSE(m->m_bPresente);

    h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    int pasos = 0;
    while (m->m_bPerdido && pasos < 2 * CGestorMandos::kSondeosAntesDeBuscar) {
        Paso();
        ++pasos;
    }
    EXPECT_FALSE(m->m_bPerdido);
    EXPECT_LE(pasos, CGestorMandos::kSondeosAntesDeBuscar + 1);
    EXPECT_EQ(mandos.NumMandos(), 1); // the same slot, by its identity
    EXPECT_EQ(mandos.BuscaMando(guid), m);

    receptor.llamadas.clear();
    plat::inject::SetControllerButton(h, 0, true);
    Paso();
    EXPECT_TRUE(m->m_bPresente);
    EXPECT_EQ(receptor.De(LlamadaEntrada::BotonMando).size(), 1u);
}

TEST_F(Mandos, GameControllerButtonsInTheEnginesOrder)
{
    const int h = plat::inject::AttachController(true);
    ASSERT_GE(h, 0);
    kit::Bombea();
    ASSERT_TRUE(mandos.Inicia());
    ASSERT_EQ(mandos.NumMandos(), 1);
    // SDL's A, B, X, Y are the engine's 0, 2, 1, 3: B (the usual back button)
    // is the cancel button.
    const int sdlBoton[] = {0, 1, 2, 3};
    const int esperado[] = {0, 2, 1, 3};
    for (int i = 0; i < 4; ++i) {
        receptor.llamadas.clear();
        plat::inject::SetControllerButton(h, sdlBoton[i], true);
        Paso();
        plat::inject::SetControllerButton(h, sdlBoton[i], false);
        Paso();
        auto b = receptor.De(LlamadaEntrada::BotonMando);
        ASSERT_EQ(b.size(), 1u) << i << " " << receptor.Resumen();
        EXPECT_EQ(b[0].a, esperado[i]);
    }
    receptor.llamadas.clear();
    plat::inject::SetControllerAxis(h, 1, -512); // left stick up
    Paso();
    auto e = receptor.De(LlamadaEntrada::EjeMando);
    ASSERT_EQ(e.size(), 1u) << receptor.Resumen();
    EXPECT_EQ(e[0].a, 1);
    EXPECT_EQ(e[0].b, -512);
}

TEST_F(Mandos, ThirtySlotsAtMostEachWithItsOwnIdentity)
{
    for (int i = 0; i < 32; ++i) ASSERT_GE(plat::inject::AttachController(), 0);
    kit::Bombea();
    ASSERT_TRUE(mandos.Inicia());
    EXPECT_EQ(mandos.NumMandos(), CGestorMandos::kMaxMandos);
    for (int i = 0; i < mandos.NumMandos(); ++i)
        for (int j = 0; j < i; ++j)
            EXPECT_NE(std::memcmp(mandos.Mando(i)->Guid(), mandos.Mando(j)->Guid(), 16), 0) << i << " " << j;
    // Enumerating again keeps every slot.
    mandos.EnumeraMandos();
    EXPECT_EQ(mandos.NumMandos(), CGestorMandos::kMaxMandos);
}
