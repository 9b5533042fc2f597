// The controls screen: what each input captures (presses, not releases;
// not Escape; a stick pushed far enough; any controller button); a capture
// over the real game, with the prompt up and the buttons hidden until it is
// taken; an unplugged controller turns its bindings red with the warning
// until it is found again; auto-configuration with none, one and two
// controllers.
#include "engine/core/GestorMandos.h"
#include "engine/core/Preferencias.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "game/screens/MenuControles.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/JuegoPrueba.h"
#include "platform/InputInjection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr uint8_t kGuid1[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr uint8_t kGuid2[16] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};

bool MismoGuid(const AsignacionControl& a, const uint8_t* g) { return std::memcmp(a.m_aGuid, g, 16) == 0; }

void HastaQuieto(kit::CJuegoPrueba& juego)
{
    for (int n = 0; n < 200; ++n) {
        CMenuObj* p = g_pMenuMaestro->m_pMenuActual;
        if (g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA && p && !p->EnTransicion()) return;
        juego.Pasos(1);
    }
}

bool Rojo(const CCuadreText* t) { return t->m_ucRojo == 255 && t->m_ucVerde == 0 && t->m_ucAzul == 0; }

} // namespace

TEST(ControlesCaptura, WhatEachInputCaptures)
{
    AsignacionControl a;
    // Mouse: presses of the three buttons bind, releases never do.
    const struct {
        int evento;
        bool toma;
    } raton[] = {{0, true}, {1, false}, {2, true}, {3, false}, {4, true}, {5, false}};
    for (const auto& c : raton) {
        a = AsignacionControl::Tecla(57);
        EXPECT_EQ(CMenuControles::CapturaRaton(1, c.evento, &a), c.toma) << c.evento;
        if (c.toma) {
            EXPECT_EQ(a.m_iTipo, CONTROL_RATON);
            EXPECT_EQ(a.m_iRaton, 1);
            EXPECT_EQ(a.m_cBotonRaton, c.evento);
        } else {
            EXPECT_EQ(a.m_iTipo, CONTROL_TECLA); // left as it was
        }
    }
    // Keys: anything but Escape.
    EXPECT_FALSE(CMenuControles::CapturaTecla(1, &a));
    ASSERT_TRUE(CMenuControles::CapturaTecla(30, &a));
    EXPECT_EQ(a.m_iTipo, CONTROL_TECLA);
    EXPECT_EQ(a.m_wTecla, 30);
    // A stick pushed beyond 100 either way; the value is the direction.
    const struct {
        int valor;
        bool toma;
    } ejes[] = {{0, false}, {100, false}, {-100, false}, {101, true}, {-101, true}, {512, true}};
    for (const auto& c : ejes) {
        a.Limpia();
        EXPECT_EQ(CMenuControles::CapturaEje(kGuid1, 1, c.valor, &a), c.toma) << c.valor;
        if (!c.toma) continue;
        EXPECT_EQ(a.m_iTipo, CONTROL_EJE);
        EXPECT_EQ(a.m_iEje, 1);
        EXPECT_EQ(a.m_iDireccion > 0, c.valor > 0);
        EXPECT_TRUE(MismoGuid(a, kGuid1));
    }
    // Any controller button.
    ASSERT_TRUE(CMenuControles::CapturaBotonMando(kGuid2, 31, &a));
    EXPECT_EQ(a.m_iTipo, CONTROL_BOTON);
    EXPECT_EQ(a.m_iBoton, 31);
    EXPECT_TRUE(MismoGuid(a, kGuid2));
}

TEST(ControlesCaptura, AutoConfigurationWithNoneOneAndTwoControllers)
{
    auto Tecla = [](const AsignacionControl& a, int k) { return a.m_iTipo == CONTROL_TECLA && a.m_wTecla == k; };
    auto Eje = [](const AsignacionControl& a, const uint8_t* g, int d) {
        return a.m_iTipo == CONTROL_EJE && a.m_iEje == 0 && a.m_iDireccion == d && MismoGuid(a, g);
    };
    auto Boton = [](const AsignacionControl& a, const uint8_t* g, int b) {
        return a.m_iTipo == CONTROL_BOTON && a.m_iBoton == b && MismoGuid(a, g);
    };
    const uint8_t* casos[3][2] = {{nullptr, nullptr}, {kGuid1, nullptr}, {kGuid1, kGuid2}};
    for (int n = 0; n < 3; ++n) {
        AsignacionControl c[kNumControles];
        for (AsignacionControl& a : c) CMenuControles::CapturaRaton(3, 4, &a);
        CMenuControles::AutoConfigura(casos[n][0], casos[n][1], c);
        SCOPED_TRACE(n);
        // Bindings 3 and 8 are never touched.
        EXPECT_EQ(c[3].m_iTipo, CONTROL_RATON);
        EXPECT_EQ(c[8].m_iTipo, CONTROL_RATON);
        const int grupos[2][4] = {{0, 1, 2, 4}, {5, 6, 7, 9}};
        const int teclas[2][4] = {{203, 205, 157, 200}, {30, 32, 42, 17}};
        for (int g = 0; g < 2; ++g) {
            const uint8_t* guid = casos[n][g];
            const int* i = grupos[g];
            if (!guid) {
                for (int k = 0; k < 4; ++k) EXPECT_TRUE(Tecla(c[i[k]], teclas[g][k])) << i[k];
                continue;
            }
            EXPECT_TRUE(Eje(c[i[0]], guid, -100));
            EXPECT_TRUE(Eje(c[i[1]], guid, 100));
            EXPECT_TRUE(Boton(c[i[2]], guid, 0));
            EXPECT_TRUE(Boton(c[i[3]], guid, 1));
        }
    }
}

TEST(Controles, ACaptureTakesTheNextInputAndAMissingControllerTurnsItsBindingsRed)
{
    kit::CJuegoPrueba juego("controles_captura");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(1);
    HastaQuieto(juego);
    int h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    CMenuControles* c = g_pMenuMaestro->m_pMenuControles;
    g_pMenuMaestro->CambiaMenu(c);
    HastaQuieto(juego);
    ASSERT_EQ(juego.Pantalla(), c);
    // The controller plugged in before the opening is known now.
    ASSERT_EQ(g_pMandos->NumMandos(), 1);
    EXPECT_STREQ(c->m_apValores[0]->Literal(), g_pPreferencias->m_aControles[0].NombreVisible());

    // Every binding's button takes its click, over its texts and clear of
    // the buttons below.
    for (int i = 0; i < kNumControles; ++i) {
        const std::string nombre = "MENUCONTROLES_BUT_Control" + std::to_string(i);
        ASSERT_TRUE(juego.Pulsa(nombre)) << nombre << "\n" << juego.Widgets();
        EXPECT_EQ(c->m_iCaptura, i);
        juego.Tecla(static_cast<uint8_t>(16 + i));
        EXPECT_EQ(g_pPreferencias->m_aControles[i].m_wTecla, 16 + i) << i;
    }

    // A click starts the capture; the click's own release, Escape and a
    // slight push do not bind.
    ASSERT_TRUE(juego.Pulsa("MENUCONTROLES_BUT_Control0")) << juego.Widgets();
    EXPECT_TRUE(c->Capturando());
    EXPECT_FALSE(c->m_apBotones[0]->EsVisible());
    EXPECT_FALSE(c->m_pBotonVolver->EsVisible());
    juego.Tecla(1);
    plat::inject::SetControllerAxis(h, 0, 80);
    juego.Pasos(2);
    EXPECT_TRUE(c->Capturando());
    // A key binds.
    juego.Tecla(30);
    EXPECT_FALSE(c->Capturando());
    EXPECT_TRUE(c->m_apBotones[0]->EsVisible());
    EXPECT_EQ(g_pPreferencias->m_aControles[0].m_iTipo, CONTROL_TECLA);
    EXPECT_EQ(g_pPreferencias->m_aControles[0].m_wTecla, 30);
    EXPECT_STREQ(c->m_apValores[0]->Literal(), "A");

    // A push of the stick, a controller button.
    ASSERT_TRUE(juego.Pulsa("MENUCONTROLES_BUT_Control6"));
    plat::inject::SetControllerAxis(h, 0, -300);
    juego.Pasos(2);
    EXPECT_FALSE(c->Capturando());
    EXPECT_EQ(g_pPreferencias->m_aControles[6].m_iTipo, CONTROL_EJE);
    EXPECT_LT(g_pPreferencias->m_aControles[6].m_iDireccion, 0);
    ASSERT_TRUE(juego.Pulsa("MENUCONTROLES_BUT_Control7"));
    plat::inject::SetControllerButton(h, 5, true);
    juego.Pasos(2);
    plat::inject::SetControllerButton(h, 5, false);
    juego.Pasos(1);
    EXPECT_EQ(g_pPreferencias->m_aControles[7].m_iTipo, CONTROL_BOTON);
    EXPECT_EQ(g_pPreferencias->m_aControles[7].m_iBoton, 5);
    EXPECT_FALSE(Rojo(c->m_apValores[7]));
    EXPECT_FALSE(c->m_bAviso);

    // Unplugged: once the search misses it, its two bindings turn red and
    // the warning shows, until it is found again.
    ASSERT_TRUE(plat::inject::DetachController(h));
    juego.Pasos(CGestorMandos::kSondeosAntesDeBuscar + 5);
    EXPECT_TRUE(Rojo(c->m_apValores[6]));
    EXPECT_TRUE(Rojo(c->m_apValores[7]));
    EXPECT_FALSE(Rojo(c->m_apValores[0]));
    EXPECT_TRUE(c->m_bAviso);
    h = plat::inject::AttachController();
    ASSERT_GE(h, 0);
    juego.Pasos(CGestorMandos::kSondeosAntesDeBuscar + 5);
    EXPECT_FALSE(Rojo(c->m_apValores[6]));
    EXPECT_FALSE(c->m_bAviso);

    // Auto-configuration with the one controller: the first player's on
    // it, the second player's on keys; back saves it all.
    ASSERT_TRUE(juego.Pulsa("MENUCONTROLES_BUT_AutoConfig"));
    juego.Pasos(2);
    EXPECT_EQ(g_pPreferencias->m_aControles[0].m_iTipo, CONTROL_EJE);
    EXPECT_EQ(g_pPreferencias->m_aControles[4].m_iTipo, CONTROL_BOTON);
    EXPECT_EQ(g_pPreferencias->m_aControles[5].m_iTipo, CONTROL_TECLA);
    EXPECT_EQ(g_pPreferencias->m_aControles[5].m_wTecla, 30);
    ASSERT_TRUE(juego.Pulsa("MENUCONTROLES_BUT_Volver"));
    juego.Pasos(30);
    EXPECT_NE(juego.LeeFicheroUsuario("Preferencias.PRF").find("CONTROL = 2"), std::string::npos)
        << juego.LeeFicheroUsuario("Preferencias.PRF");
    plat::inject::DetachAllControllers();
}
