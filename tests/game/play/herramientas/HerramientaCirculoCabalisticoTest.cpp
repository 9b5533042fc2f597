// The cabalistic circle: its glow after a score gain and its fade, the
// staggered burst of a seal's picture, the pictures of the next figure
// waiting for the burst, and indices out of range.
#include "game/CatalogoJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Circulo = CHerramientaCirculoCabalistico;

class HerramientaCirculo : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pJuego = new kit::CJuegoPrueba("herramienta_circulo"); }
    static void TearDownTestSuite()
    {
        delete s_pJuego;
        s_pJuego = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_pJuego->Iniciado());
        m_Nivel.Inicializa();
        m_Nivel.IMAGENFINAL[0] = juego::paquete::SELLO_01_ELVENENO;
        ASSERT_TRUE(m_Circulo.Carga(nullptr, &m_Nivel));
        m_Circulo.CargaRecursos();
    }
    void Pasos(int n)
    {
        for (int i = 0; i < n; ++i) m_Circulo.Actualiza();
    }
    static kit::CJuegoPrueba* s_pJuego;
    RegistroNivel m_Nivel;
    Circulo m_Circulo;
};
kit::CJuegoPrueba* HerramientaCirculo::s_pJuego = nullptr;

} // namespace

// A gain lights the circle within five steps; with no further gain it holds
// for 120 steps, then fades at 1/90 a step.
TEST_F(HerramientaCirculo, AGainLightsTheCircleWhichFadesAfterItsFlash)
{
    m_Circulo.PonObjetivo(1000);
    m_Circulo.PonPuntuacion(900);
    Pasos(5);
    EXPECT_FLOAT_EQ(m_Circulo.FraccionSuavizada(), 0.9f);
    EXPECT_EQ(m_Circulo.AlfaCirculo(), static_cast<int>(255.0f * 0.9f * 0.9f));
    Pasos(114);
    EXPECT_FLOAT_EQ(m_Circulo.FraccionSuavizada(), 0.9f);
    Pasos(1);   // the 120th step since the gain
    EXPECT_EQ(m_Circulo.ContadorDestello(), 0);
    EXPECT_EQ(m_Circulo.Fraccion(), 0.0f);
    float fAntes = m_Circulo.FraccionSuavizada();
    for (int i = 0; i < 79; ++i) {
        m_Circulo.Actualiza();
        EXPECT_LT(m_Circulo.FraccionSuavizada(), fAntes) << i;
        EXPECT_GT(m_Circulo.FraccionSuavizada(), 0.0f) << i;
        fAntes = m_Circulo.FraccionSuavizada();
    }
    Pasos(2);
    EXPECT_EQ(m_Circulo.FraccionSuavizada(), 0.0f);
    EXPECT_EQ(m_Circulo.AlfaCirculo(), 0);

    // A new gain lights it again.
    m_Circulo.PonPuntuacion(950);
    Pasos(5);
    EXPECT_GT(m_Circulo.AlfaCirculo(), 200);
}

// The circle's alpha: full without a target, by the score's share of the
// target otherwise, within 0..255 whatever the score.
TEST_F(HerramientaCirculo, TheCirclesAlphaFollowsTheScoreWithinItsRange)
{
    const struct {
        int iObjetivo, iPuntuacion, iAlfa;
    } casos[] = {
        {Circulo::kSinObjetivo, 0, 255}, {0, 0, 255},     {1000, 500, 63},  {1000, 1000, 255},
        {1000, 3000, 255},               {1000, -50, 0}, {-20, 10, 255},
    };
    for (const auto& c : casos) {
        m_Circulo.Libera();
        ASSERT_TRUE(m_Circulo.Carga(nullptr, &m_Nivel));
        m_Circulo.PonObjetivo(c.iObjetivo);
        m_Circulo.PonPuntuacion(c.iPuntuacion);
        Pasos(6);
        EXPECT_EQ(m_Circulo.AlfaCirculo(), c.iAlfa) << c.iObjetivo << " " << c.iPuntuacion;
        m_Circulo.Dibuja(nullptr);
    }
}

// A burst: the four glows start five steps apart, appear over 30 steps,
// hold or flicker until 90, grow and fade until 120; the first ends on its
// 121st step and the last on the burst's 136th. The next figure's pictures
// wait for the end of the burst.
TEST_F(HerramientaCirculo, ABurstEndsOnItsLastGlowAndPendingPicturesWaitForIt)
{
    const struct {
        int k, c;
        float fAlfa, fEscala;
    } pasos[] = {
        {0, 0, 0.0f, 1.5f},  {0, 15, 0.5f, 1.25f}, {0, 30, 1.0f, 1.0f},   {0, 60, 1.0f, 1.0f},
        {1, 33, 0.5f, 1.0f}, {1, 60, 0.0f, 1.0f},  {1, 90, 1.0f, 1.0f},   {0, 105, 0.5f, 2.5f},
        {3, 120, 0.0f, 4.0f}, {2, 121, 0.0f, 1.0f},
    };
    for (const auto& p : pasos) {
        float a = 0.0f, e = p.k == 0 && p.c == 0 ? 1.5f : 1.0f;
        Circulo::PasoDestello(p.k, p.c, &a, &e);
        EXPECT_NEAR(a, p.fAlfa, 1e-4f) << p.k << " " << p.c;
        EXPECT_NEAR(e, p.fEscala, 1e-4f) << p.k << " " << p.c;
    }

    m_Circulo.PonObjetivo(1000);
    m_Circulo.Destella(0);
    m_Circulo.PonPendiente(1, juego::paquete::SELLO_02_LASOSPECHA);
    EXPECT_EQ(m_Circulo.Brillo(3).m_iContador, -15);
    Pasos(120);
    EXPECT_EQ(m_Circulo.Brillo(0).m_iImagen, 0);
    m_Circulo.Dibuja(nullptr);
    Pasos(1);
    EXPECT_EQ(m_Circulo.Brillo(0).m_iImagen, -1);
    EXPECT_EQ(m_Circulo.Brillo(3).m_iImagen, 0);
    Pasos(14);
    EXPECT_EQ(m_Circulo.Brillo(3).m_iImagen, 0);
    EXPECT_FALSE(m_Circulo.ImagenCargada(1));
    EXPECT_EQ(m_Circulo.Pendiente(1), juego::paquete::SELLO_02_LASOSPECHA);
    Pasos(1);   // the 136th
    EXPECT_FALSE(m_Circulo.DestelloEnCurso());
    EXPECT_TRUE(m_Circulo.ImagenCargada(1));
    EXPECT_TRUE(m_Circulo.Pendiente(1).empty());
    EXPECT_TRUE(m_Circulo.ImagenCargada(0));

    // With no burst started, a name comes in at the next step.
    m_Circulo.PonPendiente(2, juego::paquete::SELLO_03_ELPAN);
    Pasos(1);
    EXPECT_TRUE(m_Circulo.ImagenCargada(2));
}

// A burst of a colour the circle has no picture for runs its course and
// draws nothing; -1 starts none; slots out of range are ignored.
TEST_F(HerramientaCirculo, IndicesOutOfRangeDrawAndStoreNothing)
{
    m_Circulo.Destella(-1);
    EXPECT_FALSE(m_Circulo.DestelloEnCurso());
    for (int i : {4, 7, 200}) {
        m_Circulo.Destella(i);
        EXPECT_TRUE(m_Circulo.DestelloEnCurso());
        Pasos(40);
        m_Circulo.Dibuja(nullptr);
    }
    Pasos(140);
    EXPECT_FALSE(m_Circulo.DestelloEnCurso());

    for (int i : {-1, 5, 99}) m_Circulo.PonPendiente(i, juego::paquete::SELLO_03_ELPAN);
    for (int i = 0; i < Circulo::kNumPendientes; ++i) EXPECT_TRUE(m_Circulo.Pendiente(i).empty()) << i;
    for (int i : {-1, 4, 99}) m_Circulo.CargaImagen(i, juego::paquete::SELLO_03_ELPAN);
    EXPECT_FALSE(m_Circulo.ImagenCargada(1));
    // The fifth name is kept, and never shown.
    m_Circulo.PonPendiente(4, juego::paquete::SELLO_03_ELPAN);
    Pasos(1);
    EXPECT_TRUE(m_Circulo.Pendiente(4).empty());
    for (int i = 1; i < Circulo::kNumImagenes; ++i) EXPECT_FALSE(m_Circulo.ImagenCargada(i)) << i;
}
