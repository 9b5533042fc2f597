// The graphic panel on the real graphics system: slide timings in and out,
// the wait flag holding the parent, pictures that do not slide staying put
// whatever transition they get, and the picture drawn at its point.
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/QuadreGrafic.h"
#include "TextoEntorno.h"
#include "kit/ArbolMenus.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

const std::string kImagenCuadro = AtlasDePaquete(motor::paquete::CUADRO_BLANCO); // 16 x 16 white
const char* const kImagen = kImagenCuadro.c_str();
const char* const kPaquete = motor::paquete::CURSOR_INGAME;

class QuadreGrafic : public uitest::EntornoTexto {
protected:
    void TearDown() override
    {
        m_cuadro.reset();
        EntornoTexto::TearDown();
    }

    // A sliding image from (0, 500) to (100, 200) over nFrames steps, the
    // child of a parent that opens and closes with it, just attached under
    // the root (so the parent and the picture have started opening).
    CObjetoArbol* Montado(bool bEspera, int nFrames)
    {
        m_cuadro = std::make_unique<CQuadreGrafic>();
        EXPECT_TRUE(m_cuadro->IniciaImagenMovil(bEspera, 0, 500, 100, 200, nFrames, kImagen, false));
        CObjetoArbol* padre = m_arbol->Nuevo("padre", 1, 0, 0, 1024, 768, nullptr, kit::OBJ_TRANSICION);
        padre->m_iPasosTransicion = 0; // only its children hold it
        padre->AnadeHijo(false, m_cuadro.get(), false, false);
        m_arbol->Raiz()->AnadeHijo(false, padre, false, false);
        return padre;
    }

    void Punto(float* x, float* y) { m_cuadro->PuntoDibujo(x, y); }

    std::unique_ptr<CQuadreGrafic> m_cuadro;
};

} // namespace

TEST_F(QuadreGrafic, DefaultsAndEveryInitialiser)
{
    CQuadreGrafic q;
    EXPECT_FALSE(q.EstaCreado());
    ASSERT_TRUE(q.IniciaImagen(30, 40, kImagen, true));
    EXPECT_STREQ(q.Nombre(), "GEN_QuadreGrafic");
    EXPECT_EQ(q.m_iId, -1);
    EXPECT_EQ(q.m_iEstilo, -1);
    EXPECT_EQ(q.Rect().x, 30);
    EXPECT_EQ(q.Rect().y, 40);
    EXPECT_EQ(q.Rect().ancho, 10);
    EXPECT_EQ(q.Rect().alto, 10);
    EXPECT_EQ(q.Frames(), -1);
    EXPECT_EQ(q.Contador(), -1);
    ASSERT_NE(q.m_pImagen, nullptr);
    EXPECT_EQ(q.m_pSPM, nullptr);

    // Initialising again releases the image first and makes a package copy.
    ASSERT_TRUE(q.IniciaSPMMovil(true, 5, 6, 7, 8, 15, kPaquete, 2));
    EXPECT_EQ(q.m_pImagen, nullptr);
    ASSERT_NE(q.m_pSPM, nullptr);
    EXPECT_EQ(q.m_pSPM->m_iAnimacion, 2);
    EXPECT_EQ(q.Frames(), 15);
    ASSERT_TRUE(q.IniciaSPM(1, 2, kPaquete));
    EXPECT_EQ(q.m_pSPM->m_iAnimacion, 0);
    EXPECT_EQ(q.Frames(), -1);

    // Without a path nothing can be made: the build fails cleanly.
    EXPECT_FALSE(q.IniciaSPM(1, 2, nullptr));
    EXPECT_FALSE(q.EstaCreado());
    EXPECT_FALSE(q.EstaIniciado());
    EXPECT_EQ(q.m_pSPM, nullptr);
    EXPECT_FALSE(q.IniciaImagen(1, 2, nullptr, false));
    EXPECT_FALSE(q.EstaCreado());
}

TEST_F(QuadreGrafic, OpeningSlideEndsAtRestOneUpdateAfterReachingIt)
{
    Montado(true, 15);
    // Attaching opened it: at the away point, not yet in transition.
    float x = 0, y = 0;
    Punto(&x, &y);
    EXPECT_FLOAT_EQ(x, 0);
    EXPECT_FLOAT_EQ(y, 500);
    EXPECT_FALSE(m_cuadro->EnTransicion());
    for (int i = 1; i <= 15; ++i) {
        m_cuadro->Actualiza();
        EXPECT_TRUE(m_cuadro->EnTransicion()) << i;
        Punto(&x, &y);
        float f = static_cast<float>(15 - i) / 15.0f;
        EXPECT_FLOAT_EQ(x, 100 + f * (0 - 100)) << i;
        EXPECT_FLOAT_EQ(y, 200 + f * (500 - 200)) << i;
    }
    // 15 updates: at rest; one more ends the transition.
    EXPECT_FLOAT_EQ(x, 100);
    EXPECT_FLOAT_EQ(y, 200);
    m_cuadro->Actualiza();
    EXPECT_FALSE(m_cuadro->EnTransicion());
    EXPECT_EQ(m_cuadro->Contador(), -1);
    Punto(&x, &y);
    EXPECT_FLOAT_EQ(x, 100);
}

TEST_F(QuadreGrafic, ClosingSlideReachesTheAwayPointAndStays)
{
    Montado(true, 15);
    for (int i = 0; i < 16; ++i) m_cuadro->Actualiza();
    m_cuadro->IniciaTransicion(false);
    float x = 0, y = 0;
    for (int i = 1; i <= 15; ++i) {
        EXPECT_TRUE(m_cuadro->EnTransicion()) << i;
        m_cuadro->Actualiza();
    }
    EXPECT_FALSE(m_cuadro->EnTransicion());
    Punto(&x, &y);
    EXPECT_FLOAT_EQ(x, 0);
    EXPECT_FLOAT_EQ(y, 500);
    for (int i = 0; i < 5; ++i) m_cuadro->Actualiza();
    EXPECT_EQ(m_cuadro->Contador(), 15);
    Punto(&x, &y);
    EXPECT_FLOAT_EQ(y, 500);
}

TEST_F(QuadreGrafic, WaitFlagHoldsTheParentsRemovalUntilTheSlideHasEnded)
{
    struct Caso {
        bool espera;
        int pasos; // updates after the removal until it completes
    };
    for (Caso c : {Caso{true, 15}, Caso{false, 1}}) {
        SCOPED_TRACE(c.espera);
        CObjetoArbol* padre = Montado(c.espera, 15);
        m_arbol->Pasos(20);
        ASSERT_EQ(kit::Hijos(m_arbol->Raiz()), "padre");
        m_arbol->Raiz()->QuitaHijo(false, padre);
        int n = 0;
        while (kit::Hijos(m_arbol->Raiz()) == "padre" && n < 40) {
            m_arbol->Pasos(1);
            ++n;
        }
        // With the flag the removal completes in the update in which the
        // picture reaches the away point (its 15th); without it at once.
        EXPECT_EQ(n, c.pasos);
        m_cuadro.reset();
    }
}

TEST_F(QuadreGrafic, PictureThatDoesNotSlideStaysPut)
{
    // -1 frames, and 0 frames (no slide rather than a division by zero).
    for (int nFrames : {-1, 0}) {
        SCOPED_TRACE(nFrames);
        Montado(true, nFrames);
        EXPECT_EQ(m_cuadro->Frames(), -1);
        for (bool bEntrada : {false, true, false}) {
            m_cuadro->IniciaTransicion(bEntrada);
            for (int i = 0; i < 30; ++i) {
                m_cuadro->Actualiza();
                EXPECT_FALSE(m_cuadro->EnTransicion());
                float x = 0, y = 0;
                m_cuadro->PuntoDibujo(&x, &y);
                ASSERT_FLOAT_EQ(x, 100);
                ASSERT_FLOAT_EQ(y, 200);
            }
        }
        m_cuadro.reset();
    }
}

TEST_F(QuadreGrafic, SlidingPictureShowsAtRestBeforeItsFirstTransition)
{
    CQuadreGrafic q;
    ASSERT_TRUE(q.IniciaImagenMovil(true, 0, 0, 300, 400, 15, kImagen, false));
    q.Actualiza();
    float x = 0, y = 0;
    q.PuntoDibujo(&x, &y);
    EXPECT_FLOAT_EQ(x, 300);
    EXPECT_FLOAT_EQ(y, 400);
    EXPECT_FALSE(q.EnTransicion());
}

TEST_F(QuadreGrafic, PointerNeverGivesThePictureTheFocus)
{
    Montado(false, 15);
    m_arbol->Raiz()->AnadeHijo(false, m_arbol->Nuevo("boton", 2, 500, 500, 50, 50), false, true);
    m_arbol->Pasos(20);
    m_arbol->MueveRaton(105, 205);
    EXPECT_FALSE(m_cuadro->EstaEnfocado());
    EXPECT_FALSE(m_cuadro->Contiene(105, 205));
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 105, 205);
    EXPECT_FALSE(m_cuadro->EstaEnfocado());
}

TEST_F(QuadreGrafic, DrawsTheImageWithItsHotspotAtThePoint)
{
    Montado(false, 10);
    m_cuadro->CargaRecursos();
    g_pSistema2D->CarregaBitmapsEnUs();
    // Half-way through the opening slide: (50, 350).
    for (int i = 0; i < 5; ++i) m_cuadro->Actualiza();
    Fondo(0, 0, 0);
    m_cuadro->Dibuja(nullptr, nullptr);
    uitest::Pixel p = En(58, 358);
    EXPECT_GT(p.r, 200);
    EXPECT_GT(p.g, 200);
    EXPECT_EQ(En(48, 358).r, 0);
    EXPECT_EQ(En(108, 208).r, 0);
}
