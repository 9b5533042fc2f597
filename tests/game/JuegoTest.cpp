// The real game, started and driven as a player does.
#include "engine/ui/Buto.h"
#include "engine/ui/InputText.h"
#include "engine/ui/MenuObj.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/JuegoPrueba.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// How many pixels of a rectangle of the frame are not black.
int Encendidos(const std::vector<uint8_t>& rgba, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * plat::kFieldWidth + static_cast<size_t>(x)) * 4];
            if (p[0] > 8 || p[1] > 8 || p[2] > 8) ++n;
        }
    return n;
}

// A screen that keeps the kind and sender of each event its widgets send.
class CPantallaPrueba : public CMenuObj {
public:
    void EnviaEvento(int iTipo, int, const char*, int iIdEmisor) override { m_eventos.push_back({iTipo, iIdEmisor}); }
    std::vector<std::pair<int, int>> m_eventos;
};

} // namespace

// The first frame is fully black; the first screen fades in over 10 steps,
// and then the in-game pointer shows where the mouse is; closing the window
// ends the program at the next step.
TEST(Juego, FirstFrameIsBlackThenTheFirstScreenFadesInAndACloseEndsIt)
{
    kit::CJuegoPrueba juego("primer_fotograma");
    ASSERT_TRUE(juego.Iniciado());
    ASSERT_NE(juego.Raiz(), nullptr);

    // One step with the mouse moved into the field: the first frame.
    juego.MueveRaton(600.0f, 300.0f);
    ASSERT_FALSE(juego.Terminado());
    float x = 0.0f, y = 0.0f;
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_NEAR(x, 600.0f, 1.0f);
    EXPECT_NEAR(y, 300.0f, 1.0f);
    EXPECT_TRUE(juego.DibujaPuntero());
    EXPECT_EQ(juego.AlfaFundido(), 255);
    std::vector<uint8_t> f = juego.Fotograma();
    ASSERT_EQ(f.size(), size_t(plat::kFieldWidth) * plat::kFieldHeight * 4);
    EXPECT_EQ(Encendidos(f, 0, 0, plat::kFieldWidth, plat::kFieldHeight), 0);

    // The fade lifts over 10 steps, never all at once.
    int iPasos = 0;
    int iAlfa = juego.AlfaFundido();
    while (juego.AlfaFundido() > 0 && iPasos < 30) {
        juego.Pasos(1);
        ++iPasos;
        EXPECT_LT(juego.AlfaFundido(), iAlfa);
        iAlfa = juego.AlfaFundido();
    }
    EXPECT_GE(iPasos, 9);
    EXPECT_LE(iPasos, 11);

    // The pointer follows the mouse over the first screen.
    juego.MueveRaton(200.0f, 500.0f);
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_NEAR(x, 200.0f, 1.0f);
    // The title opens on black: its sparkles and the pointer are what shows.
    f = juego.Fotograma();
    EXPECT_GT(Encendidos(f, 0, 0, plat::kFieldWidth, plat::kFieldHeight), 0);

    plat::PushWindowEvent(plat::WindowMessage::Close);
    EXPECT_TRUE(juego.Pasos(2));
    EXPECT_TRUE(juego.Terminado());
}

// Widgets of the current screen, found by their object names, are pressed
// and typed into through the platform's input.
TEST(Juego, WidgetsOfTheCurrentScreenArePressedAndTypedIntoByName)
{
    kit::CJuegoPrueba juego("widgets");
    ASSERT_TRUE(juego.Iniciado());
    CPantallaPrueba pantalla;
    CButo boton;
    CInputText linea;
    ASSERT_TRUE(pantalla.Inicia(1, "PRUEBA", Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1));
    ASSERT_TRUE(boton.Inicia(100.0f, 100.0f, 200.0f, 60.0f, -1, 7, "PRUEBA_BUT_Aceptar"));
    ASSERT_TRUE(linea.Inicia(100.0f, 300.0f, 400.0f, 50.0f, 16, 2, 0, -1, 8, "PRUEBA_INP_Nombre", 1.0f, 1.0f));
    pantalla.AnadeHijo(false, &boton, false, false);
    pantalla.AnadeHijo(false, &linea, false, false);
    juego.Pasos(2);
    ASSERT_NE(g_pMenuMaestro, nullptr);
    CMenuObj* pPrimera = juego.Pantalla();
    g_pMenuMaestro->CambiaMenu(&pantalla);
    juego.Pasos(50);

    EXPECT_EQ(juego.NombrePantalla(), "PRUEBA");
    EXPECT_EQ(juego.Busca("PRUEBA_BUT_Aceptar"), &boton);
    EXPECT_EQ(juego.Busca("PRUEBA_INP_Nombre"), &linea);
    EXPECT_FALSE(juego.Pulsa("PRUEBA_BUT_Otro"));

    ASSERT_TRUE(juego.Pulsa("PRUEBA_BUT_Aceptar")) << juego.Widgets();
    EXPECT_EQ(pantalla.m_eventos, (std::vector<std::pair<int, int>>{{EVENTO_PULSADO, 7}}));

    ASSERT_TRUE(juego.Escribe("PRUEBA_INP_Nombre", "Ana7"));
    EXPECT_STREQ(linea.Texto(), "Ana7");

    // A hidden widget is not pressed.
    boton.PonVisible(false);
    EXPECT_FALSE(juego.Pulsa("PRUEBA_BUT_Aceptar"));

    g_pMenuMaestro->CambiaMenu(pPrimera);
    juego.Pasos(50);
    EXPECT_EQ(juego.Pantalla(), pPrimera);
}
