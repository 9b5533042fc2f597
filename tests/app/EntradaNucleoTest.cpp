// The input devices with the real application core: what the player does
// reaches the focused top-level object.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Preferencias.h"
#include "engine/core/Teclado.h"
#include "kit/BucleAplicacion.h"
#include "kit/Entrada.h"
#include "platform/Input.h"
#include "platform/InputInjection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class EntradaNucleo : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ventana.ok);
        ASSERT_TRUE(teclado.Inicia());
        ASSERT_TRUE(ratones.Inicia());
        g_pTeclado = &teclado;
        g_pRatones = &ratones;
        g_pMandos = &mandos;
        bucle = std::make_unique<kit::CBuclePrueba>(&enlace);
        bucle->App().AnadeMenu(&obj);
        bucle->Paso();
    }

    void TearDown() override
    {
        if (bucle) bucle->App().QuitaMenu(&obj);
        bucle.reset();
        g_pTeclado = nullptr;
        g_pRatones = nullptr;
        g_pMandos = nullptr;
    }

    std::vector<std::string> Entradas(const char* tipo) const
    {
        std::vector<std::string> v;
        for (const std::string& e : obj.m_entradas)
            if (e.rfind(tipo, 0) == 0) v.push_back(e);
        return v;
    }

    kit::VentanaPrueba ventana;
    kit::CEnlaceGraficosPrueba enlace;
    CTeclado teclado;
    CGestorRatones ratones;
    CGestorMandos mandos;
    kit::CObjetoPrueba obj;
    std::unique_ptr<kit::CBuclePrueba> bucle;
};

} // namespace

TEST_F(EntradaNucleo, LeftAltEnterSwitchesTheDisplayOnceRightAltEnterIsAKey)
{
    kit::PulsaTecla(plat::kKeyLeftAlt);
    kit::PulsaTecla(plat::kKeyEnter);
    bucle->Pasos(2);
    EXPECT_EQ(enlace.m_iCambiosModo.load(), 1);
    EXPECT_FALSE(enlace.m_bVentana.load());
    // The switch flushed the keyboard: held keys are no key-downs again.
    kit::SueltaTecla(plat::kKeyEnter);
    kit::SueltaTecla(plat::kKeyLeftAlt);
    bucle->Pasos(2);
    EXPECT_EQ(Entradas("tecla"), std::vector<std::string>{"tecla 56"});

    obj.m_entradas.clear();
    kit::PulsaTecla(plat::kKeyRightAlt);
    kit::PulsaTecla(plat::kKeyEnter);
    bucle->Pasos(2);
    EXPECT_EQ(enlace.m_iCambiosModo.load(), 1);
    EXPECT_EQ(Entradas("tecla"), (std::vector<std::string>{"tecla 184", "tecla 28"}));
    kit::SueltaTecla(plat::kKeyEnter);
    kit::SueltaTecla(plat::kKeyRightAlt);
}

TEST_F(EntradaNucleo, ClicksCharactersAndControllersReachTheFocusedObject)
{
    ASSERT_TRUE(plat::inject::ResizeWindow(2048, 1536));
    plat::inject::MouseButton(0, true, 1024, 768);
    plat::inject::MouseButton(0, false, 1024, 768);
    plat::inject::Text("\xC3\xA9");
    const int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    bucle->Paso();
    mandos.Inicia();
    plat::inject::SetControllerButton(h, 2, true);
    plat::inject::SetControllerAxis(h, 0, -300);
    bucle->Pasos(3);
    EXPECT_EQ(obj.m_entradas, (std::vector<std::string>{"movimiento 0 512 384 0", "boton 0 0 512 384",
                                                        "boton 0 1 512 384", "caracter 233", "eje 0 -300",
                                                        "mando 2"}));
}

TEST_F(EntradaNucleo, ControllerBindingIsAvailableOnlyWhileItsControllerIsKnown)
{
    const int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    bucle->Paso();
    mandos.Inicia();
    ASSERT_EQ(mandos.NumMandos(), 1);
    AsignacionControl eje;
    eje.m_iTipo = CONTROL_EJE;
    std::memcpy(eje.m_aGuid, mandos.Mando(0)->Guid(), 16);
    AsignacionControl tecla = AsignacionControl::Tecla(plat::kKeyA);
    EXPECT_TRUE(eje.EstaDisponible());
    EXPECT_TRUE(tecla.EstaDisponible());

    // Unplugged: missing once the periodic search has not found it.
    ASSERT_TRUE(plat::inject::DetachController(h));
    bucle->Pasos(CGestorMandos::kSondeosAntesDeBuscar + 2);
    EXPECT_FALSE(eje.EstaDisponible());
    EXPECT_TRUE(tecla.EstaDisponible());
    // Plugged in again: found by the next search.
    ASSERT_GE(plat::inject::AttachController(), 0);
    bucle->Pasos(CGestorMandos::kSondeosAntesDeBuscar + 2);
    EXPECT_TRUE(eje.EstaDisponible());

    g_pMandos = nullptr;
    EXPECT_FALSE(eje.EstaDisponible());
}
