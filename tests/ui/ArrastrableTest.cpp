// The draggable object through the application core's input dispatch: the
// grab, the moves and the release as events with the object as their
// pointer, clamping (xMax wins when the bounds cross), fractions of the
// range, no repeated events against a bound, and a right press never grabs.
#include "engine/ui/Arrastrable.h"
#include "engine/core/GestorComandes.h"
#include "kit/ArbolMenus.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <memory>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

// A parent that notes where the dragged object's rectangle and position were
// while it handled each event.
class CPadreArrastre : public CObjetoArbol {
public:
    using CObjetoArbol::CObjetoArbol;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override
    {
        if (EventoLlevaPuntero(iTipo) && szTexto) {
            auto* p = reinterpret_cast<const CArrastrable*>(szTexto);
            m_rectX.push_back(p->Rect().x);
            m_posX.push_back(p->PosicionX());
        }
        CObjetoArbol::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
    }
    std::vector<float> m_rectX, m_posX;
};

class Arrastrable : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_padre = std::make_unique<CPadreArrastre>(&m_arbol, 0);
        Rectangulo r{0, 0, 1024, 768};
        ASSERT_TRUE(m_padre->Inicia(5, "padre", r, -1));
        m_padre->m_bReenviaEventos = false;
        m_arbol.Raiz()->AnadeHijo(false, m_padre.get(), false, false);
        // A knob of 20 x 20 at (100, 500) moving along x from 100 to 300.
        ASSERT_TRUE(m_pomo.Inicia(100, 500, 20, 20, 100, 500, 300, 500, -1, 7, "pomo"));
        m_padre->AnadeHijo(false, &m_pomo, false, false);
    }
    void TearDown() override { m_padre->QuitaHijo(false, &m_pomo); }

    std::vector<int> Tipos()
    {
        std::vector<int> v;
        for (const kit::EventoRecibido& e : m_padre->m_eventos) {
            v.push_back(e.tipo);
            EXPECT_EQ(e.puntero, static_cast<const void*>(&m_pomo));
            EXPECT_EQ(e.emisor, 7);
            EXPECT_EQ(e.valor, 0);
        }
        m_padre->m_eventos.clear();
        return v;
    }

    CArbolPrueba m_arbol;
    std::unique_ptr<CPadreArrastre> m_padre;
    CArrastrable m_pomo;
};

} // namespace

TEST_F(Arrastrable, DefaultsAndBuild)
{
    CArrastrable a;
    EXPECT_FALSE(a.EstaCreado());
    EXPECT_EQ(a.PosicionX(), -1);
    EXPECT_FALSE(a.Arrastrando());
    EXPECT_TRUE(m_pomo.EstaCreado());
    EXPECT_STREQ(m_pomo.Nombre(), "pomo");
    EXPECT_EQ(m_pomo.m_iId, 7);
    EXPECT_EQ(m_pomo.PosicionX(), 100);
    EXPECT_EQ(m_pomo.PosicionY(), 500);
    EXPECT_EQ(m_pomo.Rect().ancho, 20);
    // A style outside 0..9 fails the build.
    EXPECT_FALSE(a.Inicia(0, 0, 1, 1, 0, 0, 1, 1, 12, 1, "x"));
    EXPECT_FALSE(a.EstaCreado());
}

TEST_F(Arrastrable, PlacementByCodeIsClamped)
{
    struct Caso {
        float xMin, xMax, fraccion, x;
    };
    const Caso casos[] = {
        {100, 300, 0.5f, 200}, {100, 300, 2.0f, 300}, {100, 300, -1.0f, 100}, {100, 300, 0.0f, 100},
        {100, 300, 1.0f, 300},
        // Crossed bounds: the upper bound wins.
        {300, 100, 0.0f, 100}, {300, 100, 0.5f, 100},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.xMin << ".." << c.xMax << " f " << c.fraccion);
        CArrastrable a;
        ASSERT_TRUE(a.Inicia(100, 40, 20, 10, c.xMin, 50, c.xMax, 60, -1, 1, "a"));
        a.PonFraccionX(c.fraccion);
        EXPECT_FLOAT_EQ(a.PosicionX(), c.x);
        EXPECT_FLOAT_EQ(a.Rect().x, c.x);
        // y follows its own bounds, the size stays.
        EXPECT_FLOAT_EQ(a.PosicionY(), 50);
        EXPECT_FLOAT_EQ(a.Rect().y, 50);
        EXPECT_FLOAT_EQ(a.Rect().ancho, 20);
        EXPECT_FLOAT_EQ(a.Rect().alto, 10);
    }
    CArrastrable a;
    ASSERT_TRUE(a.Inicia(0, 0, 5, 5, 10, 20, 30, 10, -1, 1, "a"));
    a.PonPosicion(0, 0);
    EXPECT_FLOAT_EQ(a.PosicionX(), 10);
    EXPECT_FLOAT_EQ(a.PosicionY(), 10); // yMin 20 then yMax 10
}

TEST_F(Arrastrable, DragReportsGrabMovesAndReleaseAsEvents)
{
    m_arbol.MueveRaton(110, 505);
    m_arbol.BotonRaton(BOTON_IZQUIERDO_ABAJO, 110, 505);
    EXPECT_TRUE(m_pomo.Arrastrando());
    EXPECT_EQ(Tipos(), std::vector<int>{EVENTO_ARRASTRE_INICIO});

    // The grab offset keeps the point under the pointer; y stays in its bounds.
    m_arbol.MueveRaton(160, 540);
    EXPECT_FLOAT_EQ(m_pomo.PosicionX(), 150);
    EXPECT_FLOAT_EQ(m_pomo.PosicionY(), 500);
    EXPECT_FLOAT_EQ(m_pomo.Rect().x, 150);
    EXPECT_EQ(Tipos(), std::vector<int>{EVENTO_ARRASTRANDO});
    // While the parent handled the move, the rectangle still held the old place.
    ASSERT_EQ(m_padre->m_rectX.size(), 2u);
    EXPECT_FLOAT_EQ(m_padre->m_rectX[1], 100);
    EXPECT_FLOAT_EQ(m_padre->m_posX[1], 150);

    // Against the upper bound: one event, then none while the place stays.
    m_arbol.MueveRaton(400, 505);
    EXPECT_FLOAT_EQ(m_pomo.PosicionX(), 300);
    m_arbol.MueveRaton(450, 505);
    m_arbol.MueveRaton(900, 600);
    EXPECT_EQ(Tipos(), std::vector<int>{EVENTO_ARRASTRANDO});

    // The release far from the knob still reaches it through the focus chain.
    m_arbol.BotonRaton(BOTON_IZQUIERDO_ARRIBA, 900, 600);
    EXPECT_FALSE(m_pomo.Arrastrando());
    EXPECT_EQ(Tipos(), std::vector<int>{EVENTO_ARRASTRE_FIN});
    // No longer dragging: moves change nothing.
    m_arbol.MueveRaton(200, 505);
    EXPECT_FLOAT_EQ(m_pomo.PosicionX(), 300);
    EXPECT_TRUE(Tipos().empty());
}

TEST_F(Arrastrable, OnlyALeftPressInsideGrabs)
{
    struct Caso {
        int evento;
        float x, y;
    };
    const Caso casos[] = {
        {BOTON_DERECHO_ABAJO, 110, 505},  // right press
        {BOTON_CENTRAL_ABAJO, 110, 505},  // middle press
        {BOTON_IZQUIERDO_ARRIBA, 110, 505}, // a release alone
        {BOTON_IZQUIERDO_ABAJO, 130, 505},  // left press beside it
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.evento);
        EXPECT_FALSE(m_pomo.TrataBotonRaton(0, c.evento, c.x, c.y));
        m_arbol.MueveRaton(c.x, c.y);
        m_arbol.BotonRaton(c.evento, c.x, c.y);
        EXPECT_FALSE(m_pomo.Arrastrando());
        m_arbol.MueveRaton(c.x + 50, c.y);
        EXPECT_FLOAT_EQ(m_pomo.PosicionX(), 100);
        EXPECT_TRUE(Tipos().empty());
    }
    // While dragging, a right press is not used and does not end the drag.
    ASSERT_TRUE(m_pomo.TrataBotonRaton(0, BOTON_IZQUIERDO_ABAJO, 105, 505));
    EXPECT_FALSE(m_pomo.TrataBotonRaton(0, BOTON_DERECHO_ABAJO, 105, 505));
    EXPECT_TRUE(m_pomo.Arrastrando());
}

TEST_F(Arrastrable, EventsGoUpWithTheObjectsOwnSendingAndStopAtAParentInTransition)
{
    m_padre->m_bReenviaEventos = true;
    m_arbol.MueveRaton(110, 505);
    m_padre->m_iRestante = 100; // the parent is closing
    EXPECT_TRUE(m_pomo.TrataBotonRaton(0, BOTON_IZQUIERDO_ABAJO, 110, 505));
    EXPECT_TRUE(m_arbol.Raiz()->m_eventos.empty());
    m_padre->m_iRestante = 0;
    EXPECT_TRUE(m_pomo.TrataBotonRaton(0, BOTON_IZQUIERDO_ARRIBA, 110, 505));
    ASSERT_EQ(m_arbol.Raiz()->m_eventos.size(), 1u);
    EXPECT_EQ(m_arbol.Raiz()->m_eventos[0].tipo, EVENTO_ARRASTRE_FIN);
    EXPECT_EQ(m_arbol.Raiz()->m_eventos[0].emisor, 5); // the parent's identifier
}

TEST_F(Arrastrable, ParametersWrittenToAnObjectFileReadBack)
{
    mgtest::ServeisFitxers serveis(mgtest::CarpetaNova("arrastrable_params").string());
    ASSERT_TRUE(serveis.Correcte());
    m_pomo.PonPosicion(180, 500);
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura("pomo.txt");
    ASSERT_NE(f, nullptr);
    m_pomo.EscribeClase(f, CArrastrable::kTipo);
    g_pGestorComandes->Tanca(f);

    f = g_pGestorComandes->ObreLectura("pomo.txt");
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "CLASE");
    EXPECT_STREQ(g_pGestorComandes->LlegeixText(f), "ARRASTRABLE");
    ASSERT_TRUE(g_pGestorComandes->LlegeixComanda(f));
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "PARAMS");
    CArrastrable leido;
    ASSERT_TRUE(leido.LeeParametros(f));
    g_pGestorComandes->Tanca(f);
    EXPECT_TRUE(leido.EstaCreado());
    EXPECT_STREQ(leido.Nombre(), "pomo");
    EXPECT_EQ(leido.m_iId, 7);
    EXPECT_FLOAT_EQ(leido.Rect().x, 180);
    EXPECT_FLOAT_EQ(leido.PosicionX(), 180);
    EXPECT_FLOAT_EQ(leido.PosicionY(), 500);
    EXPECT_FLOAT_EQ(leido.m_fXMin, 100);
    EXPECT_FLOAT_EQ(leido.m_fXMax, 300);
    EXPECT_FLOAT_EQ(leido.m_fYMin, 500);
    EXPECT_FLOAT_EQ(leido.m_fYMax, 500);
    leido.PonFraccionX(0.5f);
    EXPECT_FLOAT_EQ(leido.PosicionX(), 200);

    // A record of another version leaves the object without its own part.
    f = g_pGestorComandes->ObreEscriptura("otro.txt");
    ASSERT_NE(f, nullptr);
    g_pGestorComandes->EscriuNomComanda(f, "PARAMS");
    m_pomo.CMenuObj::EscribeParametros(f);
    g_pGestorComandes->EscriuText(f, "CARRASTRABLE_PAR_V0002");
    g_pGestorComandes->EscriuComanda(f);
    g_pGestorComandes->Tanca(f);
    f = g_pGestorComandes->ObreLectura("otro.txt");
    ASSERT_NE(f, nullptr);
    CArrastrable otro;
    EXPECT_FALSE(otro.LeeParametros(f));
    g_pGestorComandes->Tanca(f);
    EXPECT_FALSE(otro.EstaCreado());
    EXPECT_TRUE(otro.EstaIniciado());
}
