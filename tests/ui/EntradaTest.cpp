// Input down the focus chain: pointer focus, presses, cancel, keys, axes and
// controller buttons, swallowing by screens, refusal during transitions.
#include "kit/ArbolMenus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

// A child that grabs the mouse on a left press and keeps it (pointer moves
// and the release) until the release, as a dragged object does.
class CAgarrable : public CObjetoArbol {
public:
    using CObjetoArbol::CObjetoArbol;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override
    {
        if (m_bAgarrado && iEvento == BOTON_IZQUIERDO_ARRIBA) {
            m_bAgarrado = false;
            ++m_iSueltas;
            return true;
        }
        if (iEvento == BOTON_IZQUIERDO_ABAJO && Contiene(x, y)) {
            m_bAgarrado = true;
            return true;
        }
        return CObjetoArbol::TrataBotonRaton(iRaton, iEvento, x, y);
    }
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool b) override
    {
        return m_bAgarrado || CObjetoArbol::TrataMovimientoRaton(iRaton, x, y, b);
    }
    bool TrataCaracter(char c) override
    {
        m_caracteres += c;
        return true;
    }
    bool m_bAgarrado = false;
    int m_iSueltas = 0;
    std::string m_caracteres;
};

// A screen (root) with three buttons one above the other and a cancel button.
struct Pantalla {
    explicit Pantalla(int iFlagsRaiz = kit::OBJ_EXCLUSIVO) : t(iFlagsRaiz)
    {
        r = t.Raiz();
        a = t.Nuevo("a", 1, 100, 100, 100, 50, r);
        b = t.Nuevo("b", 2, 100, 200, 100, 50, r);
        volver = t.Nuevo("volver", 3, 100, 600, 100, 50, r);
        a->PonAbajo(b);
        b->PonArriba(a);
        b->PonAbajo(volver);
        volver->PonArriba(b);
        r->EnfocaHijo(a);
        t.Log();
    }
    // The presses of the log, in order: "a 0", "volver 2".
    std::vector<std::string> Pulsaciones()
    {
        std::vector<std::string> v;
        for (auto& l : t.Log())
            if (l.rfind("pulsa ", 0) == 0) v.push_back(l.substr(6));
        return v;
    }
    CArbolPrueba t;
    CObjetoArbol* r;
    CObjetoArbol* a;
    CObjetoArbol* b;
    CObjetoArbol* volver;
};

using Lista = std::vector<std::string>;

} // namespace

TEST(Entrada, MouseButtons)
{
    struct Caso {
        const char* que;
        int evento;
        float x, y;
        bool conCancelar;
        const char* foco;
        Lista pulsaciones;
    };
    const Caso casos[] = {
        {"left press outside every child", BOTON_IZQUIERDO_ABAJO, 500, 500, true, "raiz>a", {}},
        {"left press on a child focuses and presses it", BOTON_IZQUIERDO_ABAJO, 150, 220, true, "raiz>b", {"b 0"}},
        {"right press over a child presses the cancel target", BOTON_DERECHO_ABAJO, 150, 220, true, "raiz>volver",
         {"volver 0"}},
        {"right press on empty space", BOTON_DERECHO_ABAJO, 500, 500, true, "raiz>a", {}},
        {"right press without a cancel target", BOTON_DERECHO_ABAJO, 150, 220, false, "raiz>b", {}},
        {"left release outside the focused child", BOTON_IZQUIERDO_ARRIBA, 500, 500, true, "raiz>a", {}},
        {"middle press on a child only focuses it", BOTON_CENTRAL_ABAJO, 150, 220, true, "raiz>b", {}},
    };
    for (const Caso& c : casos) {
        Pantalla p;
        if (c.conCancelar) p.r->PonCancelar(p.volver);
        // The screen swallows every button it is offered.
        EXPECT_TRUE(p.t.BotonRaton(c.evento, c.x, c.y)) << c.que;
        EXPECT_EQ(kit::CadenaFoco(p.r), c.foco) << c.que;
        EXPECT_EQ(p.Pulsaciones(), c.pulsaciones) << c.que;
    }
}

TEST(Entrada, PressSourceIsTheMouseIndex)
{
    Pantalla p;
    p.t.BotonRaton(BOTON_IZQUIERDO_ABAJO, 150, 220, 2);
    EXPECT_EQ(p.b->m_pulsaciones, std::vector<int>{2});
}

TEST(Entrada, PlainObjectDoesNotSwallow)
{
    Pantalla p(0);
    EXPECT_FALSE(p.t.BotonRaton(BOTON_IZQUIERDO_ARRIBA, 500, 500));
    EXPECT_FALSE(p.t.Tecla(TECLA_ESCAPE));
    EXPECT_FALSE(p.t.Tecla(57));
    EXPECT_FALSE(p.t.Caracter('x'));
    EXPECT_FALSE(p.t.EjeMando(EJE_MANDO_VERTICAL, 50));
    EXPECT_FALSE(p.t.BotonMando(5));
    // Over its own rectangle a move is used.
    EXPECT_TRUE(p.t.MueveRaton(500, 500));
}

TEST(Entrada, DraggedChildReceivesTheReleaseAnywhere)
{
    Pantalla p;
    auto* g = new CAgarrable(&p.t, 0);
    Rectangulo rc;
    rc.x = 400;
    rc.y = 100;
    rc.ancho = 50;
    rc.alto = 50;
    ASSERT_TRUE(g->Inicia(9, "g", rc, -1));
    p.r->AnadeHijo(false, g, false, false);
    p.t.MueveRaton(420, 120);
    EXPECT_TRUE(p.t.BotonRaton(BOTON_IZQUIERDO_ABAJO, 420, 120));
    EXPECT_TRUE(g->m_bAgarrado);
    // Dragged over another child: the focus stays with the dragged one.
    p.t.MueveRaton(150, 220);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>g");
    p.t.BotonRaton(BOTON_IZQUIERDO_ARRIBA, 150, 220);
    EXPECT_EQ(g->m_iSueltas, 1);
    EXPECT_FALSE(g->m_bAgarrado);
    // Characters go to the focused child only.
    p.t.Caracter('q');
    EXPECT_EQ(g->m_caracteres, "q");
    p.r->QuitaHijo(false, g);
    p.t.Pasos(1);
    delete g;
}

TEST(Entrada, PointerFocusFollowsTheTopmostChildThatTakesIt)
{
    Pantalla p;
    // c lies over a; the picture p over b takes no focus.
    auto* c = p.t.Nuevo("c", 4, 120, 110, 50, 20, p.r);
    auto* foto = p.t.Nuevo("foto", 5, 100, 200, 100, 50, p.r, kit::OBJ_SIN_CONTIENE);
    p.r->EnfocaHijo(p.volver);
    p.t.MueveRaton(130, 115);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>c");
    p.t.MueveRaton(105, 105);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>a");
    p.t.MueveRaton(150, 220);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>b");
    // Off every child the last focused child keeps the focus.
    p.t.MueveRaton(900, 700);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>b");
    // A hidden child still takes the focus.
    p.a->PonVisible(false);
    p.t.MueveRaton(105, 105);
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>a");
    (void)c;
    (void)foto;
}

TEST(Entrada, NestedPressReachesTheButton)
{
    CArbolPrueba t(kit::OBJ_EXCLUSIVO);
    auto* panel = t.Nuevo("panel", 1, 0, 0, 500, 500, t.Raiz());
    auto* boton = t.Nuevo("boton", 2, 50, 50, 100, 40, panel);
    t.Nuevo("otro", 3, 50, 150, 100, 40, panel);
    t.Clic(60, 60);
    EXPECT_EQ(kit::CadenaFoco(t.Raiz()), "raiz>panel>boton");
    EXPECT_EQ(boton->m_pulsaciones, std::vector<int>{0});
}

TEST(Entrada, Keys)
{
    struct Caso {
        const char* que;
        int tecla;
        bool conCancelar;
        bool usada;
        const char* foco;
        Lista pulsaciones;
    };
    const Caso casos[] = {
        {"Escape presses the cancel target", TECLA_ESCAPE, true, true, "raiz>volver", {"volver 0"}},
        {"Escape without a cancel target", TECLA_ESCAPE, false, false, "raiz>a", {}},
        {"Enter presses the focused child", TECLA_ENTER, false, true, "raiz>a", {"a 0"}},
        {"Down follows the link", TECLA_ABAJO, false, true, "raiz>b", {}},
        {"Up without a link", TECLA_ARRIBA, false, false, "raiz>a", {}},
        {"Left without a link", TECLA_IZQUIERDA, false, false, "raiz>a", {}},
        {"another key", 57, false, false, "raiz>a", {}},
    };
    for (bool bPantalla : {false, true}) {
        for (const Caso& c : casos) {
            Pantalla p(bPantalla ? kit::OBJ_EXCLUSIVO : 0);
            if (c.conCancelar) p.r->PonCancelar(p.volver);
            // A screen swallows what none of its children used.
            EXPECT_EQ(p.t.Tecla(c.tecla), c.usada || bPantalla) << c.que;
            EXPECT_EQ(kit::CadenaFoco(p.r), c.foco) << c.que;
            EXPECT_EQ(p.Pulsaciones(), c.pulsaciones) << c.que;
        }
    }
}

TEST(Entrada, NavigationStaysAmongTheChildrenOfOneParent)
{
    Pantalla p(0);
    CArbolPrueba otra;
    auto* ajeno = otra.Nuevo("ajeno", 1, 0, 0, 10, 10, otra.Raiz());
    p.a->PonArriba(ajeno);
    p.a->PonDerecha(p.b);
    EXPECT_FALSE(p.t.Tecla(TECLA_ARRIBA));
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>a");
    EXPECT_TRUE(p.t.Tecla(TECLA_DERECHA));
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>b");
    // A neighbour that is being removed has no parent: no move.
    p.r->QuitaHijo(false, p.a);
    EXPECT_FALSE(p.t.Tecla(TECLA_ARRIBA));
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>b");
}

TEST(Entrada, ControllerAxisMovesBeyondOneHundred)
{
    struct Caso {
        int eje, valor;
        const char* foco;
    };
    const Caso casos[] = {
        {EJE_MANDO_VERTICAL, -100, "raiz>b"}, {EJE_MANDO_VERTICAL, -101, "raiz>a"},
        {EJE_MANDO_VERTICAL, 100, "raiz>b"},  {EJE_MANDO_VERTICAL, 101, "raiz>volver"},
        {EJE_MANDO_HORIZONTAL, -101, "raiz>a"}, {EJE_MANDO_HORIZONTAL, 101, "raiz>volver"},
        {EJE_MANDO_HORIZONTAL, 100, "raiz>b"}, {2, -1000, "raiz>b"},
        {EJE_MANDO_VERTICAL, 0, "raiz>b"},
    };
    for (const Caso& c : casos) {
        Pantalla p(0);
        p.b->PonIzquierda(p.a);
        p.b->PonDerecha(p.volver);
        p.r->EnfocaHijo(p.b);
        bool bMovido = std::string(c.foco) != "raiz>b";
        EXPECT_EQ(p.t.EjeMando(c.eje, c.valor), bMovido) << c.eje << " " << c.valor;
        EXPECT_EQ(kit::CadenaFoco(p.r), c.foco) << c.eje << " " << c.valor;
    }
}

TEST(Entrada, ControllerButtons)
{
    Pantalla p(0);
    EXPECT_FALSE(p.t.BotonMando(BOTON_MANDO_CANCELAR)); // no cancel target
    EXPECT_TRUE(p.t.BotonMando(BOTON_MANDO_PULSAR));
    EXPECT_EQ(p.Pulsaciones(), Lista{"a 0"});
    p.r->PonCancelar(p.volver);
    EXPECT_TRUE(p.t.BotonMando(BOTON_MANDO_CANCELAR));
    EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>volver");
    EXPECT_EQ(p.Pulsaciones(), Lista{"volver 0"});
    EXPECT_FALSE(p.t.BotonMando(1));
}

TEST(Entrada, ScreenInTransitionOrBlockedIgnoresInput)
{
    for (int iFlags : {kit::OBJ_TRANSICION, kit::OBJ_BLOQUEA}) {
        Pantalla p;
        p.r->PonCancelar(p.volver);
        auto* x = p.t.Nuevo("x", 8, 0, 0, 0, 0, p.r, iFlags | kit::OBJ_SIN_CONTIENE);
        x->m_iPasosTransicion = -1;
        p.r->EnfocaHijo(p.a);
        p.t.Log();
        EXPECT_FALSE(p.t.BotonRaton(BOTON_IZQUIERDO_ABAJO, 150, 220));
        EXPECT_FALSE(p.t.MueveRaton(150, 220));
        EXPECT_FALSE(p.t.Tecla(TECLA_ESCAPE));
        EXPECT_FALSE(p.t.Tecla(TECLA_ABAJO));
        EXPECT_FALSE(p.t.Caracter('a'));
        EXPECT_FALSE(p.t.EjeMando(EJE_MANDO_VERTICAL, 500));
        EXPECT_FALSE(p.t.BotonMando(BOTON_MANDO_PULSAR));
        EXPECT_EQ(kit::CadenaFoco(p.r), "raiz>a");
        EXPECT_EQ(p.Pulsaciones(), Lista{});
    }
}
