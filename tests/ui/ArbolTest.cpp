// The object tree: attach and removal (deferred behind transitions),
// exclusive and modal children, focus, events going up, drawing order.
#include "kit/ArbolMenus.h"

#include <gtest/gtest.h>

#include <string>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

bool Contiene(const std::vector<std::string>& log, const std::string& linea)
{
    for (const auto& l : log)
        if (l == linea) return true;
    return false;
}

// Lines of the log that are not drawing.
std::vector<std::string> SinDibujos(std::vector<std::string> log)
{
    std::vector<std::string> v;
    for (auto& l : log)
        if (l.rfind("dibuja ", 0) != 0) v.push_back(l);
    return v;
}

} // namespace

TEST(Arbol, PlacementOfAttachedChildren)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r);
    EXPECT_EQ(kit::Hijos(r), "b,a"); // head = top
    auto* c = t.Nuevo("c", 3, 0, 0, 10, 10);
    r->AnadeHijo(false, c, false, true); // below
    EXPECT_EQ(kit::Hijos(r), "b,a,c");
    auto* d = t.Nuevo("d", 4, 0, 0, 10, 10);
    r->InsertaHijo(false, d, a, false); // just above a
    EXPECT_EQ(kit::Hijos(r), "b,d,a,c");
    auto* e = t.Nuevo("e", 5, 0, 0, 10, 10);
    r->AnadeHijo(false, e, true, false); // over the first: the new head
    EXPECT_EQ(kit::Hijos(r), "e,b,d,a,c");
    EXPECT_EQ(a->Padre(), r);
    // The newest attached child has the focus.
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>e");
    EXPECT_TRUE(e->EstaEnfocado());
    EXPECT_FALSE(b->EstaEnfocado());

    // Attaching an attached child again moves it; it is never listed twice.
    r->AnadeHijo(false, c, false, false);
    EXPECT_EQ(kit::Hijos(r), "c,e,b,d,a");

    // Refused: null, not initialised, the object itself, an ancestor.
    CObjetoArbol crudo(&t, 0);
    r->AnadeHijo(false, nullptr, false, false);
    r->AnadeHijo(false, &crudo, false, false);
    r->AnadeHijo(false, r, false, false);
    a->AnadeHijo(false, r, false, false);
    EXPECT_EQ(kit::Hijos(r), "c,e,b,d,a");
    EXPECT_EQ(kit::Hijos(a), "");
    EXPECT_EQ(crudo.Padre(), nullptr);
}

TEST(Arbol, RemovalWithoutTransitionCompletesAtTheNextUpdate)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r);
    r->PonCancelar(a);
    r->QuitaHijo(false, a);
    EXPECT_EQ(r->m_pCancelar, nullptr);
    EXPECT_EQ(a->Padre(), nullptr);
    EXPECT_EQ(kit::Hijos(r), "b,a"); // still updated and drawn
    EXPECT_EQ(kit::Bajas(r), "a");
    t.Log();
    t.Pasos(1);
    EXPECT_EQ(kit::Hijos(r), "b");
    EXPECT_EQ(kit::Bajas(r), "");
    EXPECT_EQ(SinDibujos(t.Log()), (std::vector<std::string>{"quitado a", "hijoQuitado raiz a"}));
    // A removal of a child of another parent (or none) is refused.
    r->QuitaHijo(false, a);
    EXPECT_EQ(kit::Bajas(r), "");
    auto* c = t.Nuevo("c", 3, 0, 0, 10, 10, b);
    r->QuitaHijo(false, c);
    EXPECT_EQ(kit::Bajas(r), "");
    EXPECT_EQ(c->Padre(), b);
    // Removing the focused (not modal) child leaves no focused child.
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>b>c");
    r->QuitaHijo(false, b);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz");
    EXPECT_FALSE(b->EstaEnfocado());
    EXPECT_FALSE(c->EstaEnfocado());
}

TEST(Arbol, ExclusiveChildWaitsForTheParentToCloseAndReopensItWhenRemoved)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* menu = t.Nuevo("menu", 1, 0, 0, 1024, 768, r, kit::OBJ_TRANSICION);
    menu->m_iPasosTransicion = 0; // the menu itself opens at once
    t.Nuevo("fondo", 2, 0, 0, 1024, 768, menu);
    // The menu closes and opens through a transition child of its own.
    auto* trans = t.Nuevo("trans", 3, 0, 0, 0, 0, menu, kit::OBJ_TRANSICION | kit::OBJ_SIN_CONTIENE);
    trans->m_iPasosTransicion = 2;
    t.Pasos(3);
    ASSERT_FALSE(menu->EnTransicion());
    t.Log();

    auto* pantalla = t.Nuevo("pantalla", 4, 0, 0, 1024, 768, nullptr, kit::OBJ_EXCLUSIVO | kit::OBJ_TRANSICION);
    pantalla->m_iPasosTransicion = 2;
    menu->AnadeHijo(false, pantalla, false, false);
    menu->AnadeHijo(false, pantalla, false, false); // queued once
    EXPECT_EQ(kit::Pendientes(menu), "pantalla");
    EXPECT_EQ(pantalla->Padre(), nullptr);
    EXPECT_TRUE(menu->EnTransicion());
    EXPECT_EQ(SinDibujos(t.Log()), (std::vector<std::string>{"cierra menu", "cierra trans", "cierra menu", "cierra trans"}));

    t.Pasos(1); // trans: 2 -> 1, still closing
    EXPECT_EQ(kit::Pendientes(menu), "pantalla");
    t.Pasos(1); // trans ends: the screen is attached on top and opens
    EXPECT_EQ(kit::Pendientes(menu), "");
    EXPECT_EQ(kit::Hijos(menu), "pantalla,trans,fondo");
    EXPECT_EQ(pantalla->Padre(), menu);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>menu>pantalla");
    EXPECT_TRUE(pantalla->RecursosCargados());
    EXPECT_TRUE(Contiene(t.Log(), "abre pantalla"));

    // Removed: it closes, then leaves, and the menu opens again.
    t.Pasos(3);
    menu->QuitaHijo(false, pantalla);
    EXPECT_EQ(kit::Bajas(menu), "pantalla");
    t.Log();
    t.Pasos(1);
    EXPECT_EQ(kit::Hijos(menu), "pantalla,trans,fondo");
    t.Pasos(1);
    EXPECT_EQ(kit::Hijos(menu), "trans,fondo");
    EXPECT_FALSE(pantalla->RecursosCargados());
    auto log = SinDibujos(t.Log());
    EXPECT_EQ(log, (std::vector<std::string>{"abre menu", "abre trans", "quitado pantalla", "hijoQuitado menu pantalla"}));
}

TEST(Arbol, AttachingAClosingChildCancelsItsRemoval)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r, kit::OBJ_TRANSICION);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r);
    t.Pasos(5);
    r->QuitaHijo(false, a);
    t.Pasos(1);
    EXPECT_EQ(kit::Bajas(r), "a");
    r->AnadeHijo(false, a, false, true); // back at the bottom
    EXPECT_EQ(kit::Bajas(r), "");
    EXPECT_EQ(kit::Hijos(r), "b,a");
    EXPECT_EQ(a->Padre(), r);
    t.Log();
    t.Pasos(5);
    EXPECT_EQ(kit::Hijos(r), "b,a");
    EXPECT_FALSE(Contiene(t.Log(), "quitado a"));
    (void)b;
}

TEST(Arbol, ModalChildGivesTheFocusBack)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r);
    r->EnfocaHijo(a);
    auto* dlg = t.Nuevo("dlg", 3, 0, 0, 10, 10, r, kit::OBJ_MODAL);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>dlg");
    r->QuitaHijo(false, dlg);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>a");
    EXPECT_TRUE(a->EstaEnfocado());

    // The saved child was itself removed meanwhile: the focus becomes empty.
    t.Pasos(1);
    r->EnfocaHijo(b);
    r->AnadeHijo(false, dlg, false, false);
    r->QuitaHijo(false, b);
    r->QuitaHijo(false, dlg);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz");
    EXPECT_FALSE(b->EstaEnfocado());
    EXPECT_FALSE(dlg->EstaEnfocado());
}

TEST(Arbol, ChildWhoseClosingNeverEndsIsNeverRemoved)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* menu = t.Nuevo("menu", 1, 0, 0, 100, 100, r);
    auto* a = t.Nuevo("a", 2, 0, 0, 10, 10, menu, kit::OBJ_TRANSICION);
    t.Pasos(5);
    a->m_iPasosTransicion = -1;
    a->Cierra(false);
    t.Pasos(50);
    EXPECT_EQ(kit::Bajas(menu), "a");
    EXPECT_EQ(kit::Hijos(menu), "a");
    EXPECT_TRUE(menu->EnTransicion());
    EXPECT_TRUE(r->EnTransicion());
}

TEST(Arbol, EventsGoUpWithTheDirectChildAsSender)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* pantalla = t.Nuevo("pantalla", 10, 0, 0, 1024, 768, r);
    auto* panel = t.Nuevo("panel", 20, 0, 0, 500, 500, pantalla);
    auto* grupo = t.Nuevo("grupo", 30, 0, 0, 200, 200, panel);
    auto* boton = t.Nuevo("boton", 40, 0, 0, 50, 50, grupo);
    boton->EnviaEvento(EVENTO_PULSADO, 7, nullptr, 12345);
    ASSERT_EQ(pantalla->m_eventos.size(), 1u);
    EXPECT_EQ(pantalla->m_eventos[0].emisor, 20); // the screen's direct child
    EXPECT_EQ(pantalla->m_eventos[0].valor, 7);
    EXPECT_EQ(grupo->m_eventos[0].emisor, 40);
    EXPECT_EQ(r->m_eventos[0].emisor, 10);

    // A parent that acts on an event and does not pass it on stops it.
    panel->m_bReenviaEventos = false;
    boton->EnviaEvento(EVENTO_TEXTO_ACEPTADO, 0, "hola", -1);
    EXPECT_EQ(panel->m_eventos.back().texto, "hola");
    EXPECT_EQ(pantalla->m_eventos.size(), 1u);

    // Inside a parent in a transition nothing is sent.
    panel->m_bReenviaEventos = true;
    auto* trans = t.Nuevo("trans", 50, 0, 0, 0, 0, panel, kit::OBJ_TRANSICION | kit::OBJ_SIN_CONTIENE);
    trans->m_iPasosTransicion = -1;
    ASSERT_TRUE(panel->EnTransicion());
    size_t nGrupo = grupo->m_eventos.size(), nPantalla = pantalla->m_eventos.size();
    boton->EnviaEvento(EVENTO_PULSADO, 0, nullptr, -1);
    EXPECT_EQ(grupo->m_eventos.size(), nGrupo + 1);      // the group is not in transition
    EXPECT_EQ(pantalla->m_eventos.size(), nPantalla); // dropped at the panel
    // A blocked child blocks its parent's events too.
    auto* r2 = t.Nuevo("otro", 60, 0, 0, 10, 10, pantalla, kit::OBJ_BLOQUEA);
    size_t m = r->m_eventos.size();
    pantalla->EnviaEvento(EVENTO_PULSADO, 0, nullptr, -1);
    EXPECT_EQ(r->m_eventos.size(), m);
    (void)r2;
}

TEST(Arbol, VisibilityFollowsTheAncestors)
{
    CArbolPrueba t;
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, t.Raiz());
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, a);
    auto* c = t.Nuevo("c", 3, 0, 0, 10, 10, b);
    EXPECT_TRUE(c->EsVisible());
    a->PonVisible(false);
    EXPECT_FALSE(c->EsVisible());
    EXPECT_TRUE(c->m_bVisible);
    a->PonVisible(true);
    c->PonVisible(false);
    EXPECT_FALSE(c->EsVisible());
    EXPECT_TRUE(b->EsVisible());
}

TEST(Arbol, LosingTheFocusClearsItDownTheSubtree)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, a);
    auto* c = t.Nuevo("c", 3, 0, 0, 10, 10, b);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>a>b>c");
    auto* d = t.Nuevo("d", 4, 0, 0, 10, 10, r);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>d");
    EXPECT_FALSE(a->EstaEnfocado());
    EXPECT_FALSE(b->EstaEnfocado());
    EXPECT_FALSE(c->EstaEnfocado());
    EXPECT_EQ(a->HijoEnfocado(), nullptr);
    // Regaining the focus does not pass it down.
    r->EnfocaHijo(a);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>a");
    (void)d;
}

TEST(Arbol, PartialDrawResumesWhereItStopped)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r, 0);
    auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r, 0);
    auto* c = t.Nuevo("c", 3, 0, 0, 10, 10, r, 0);
    t.Log();
    r->Dibuja(b, nullptr);
    EXPECT_EQ(t.Log(), (std::vector<std::string>{"dibuja raiz", "dibuja a"}));
    EXPECT_EQ(r->m_pCursorDibujo, b);
    r->Dibuja(nullptr, nullptr);
    EXPECT_EQ(t.Log(), (std::vector<std::string>{"dibuja raiz", "dibuja b", "dibuja c"}));
    EXPECT_EQ(r->m_pCursorDibujo, nullptr);
    // Removing the child at the cursor forgets the partial draw.
    r->Dibuja(b, nullptr);
    r->QuitaHijo(false, b);
    EXPECT_EQ(r->m_pCursorDibujo, nullptr);
    (void)a;
    (void)c;
}

TEST(Arbol, PressStateLastsFiveUpdates)
{
    CArbolPrueba t;
    auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, t.Raiz());
    a->Pulsa(3);
    EXPECT_EQ(a->m_iPulsacion, 3);
    int iPulsado = 0;
    for (int i = 0; i < 10; ++i) {
        a->Actualiza();
        if (a->m_iTiempoPulsado >= 0) ++iPulsado;
    }
    EXPECT_EQ(iPulsado, 5);
    EXPECT_EQ(a->m_iPulsacion, -1);
}

TEST(Arbol, InitialisationChecksItsArguments)
{
    CArbolPrueba t;
    CObjetoArbol o(&t, 0);
    Rectangulo r;
    std::string largo(80, 'x');
    ASSERT_TRUE(o.Inicia(7, largo.c_str(), r, -1));
    EXPECT_EQ(std::string(o.Nombre()), std::string(63, 'x'));
    EXPECT_EQ(o.m_rect.x, -1.0f);
    EXPECT_EQ(o.m_iEstilo, -1);
    for (int estilo : {-2, 10, 100}) {
        EXPECT_FALSE(o.Inicia(1, "o", r, estilo)) << estilo;
        EXPECT_FALSE(o.EstaIniciado());
    }
    // A released object can be initialised again.
    EXPECT_TRUE(o.Inicia(1, nullptr, r, -1));
    EXPECT_STREQ(o.Nombre(), "");
}

TEST(Arbol, DeletingAChildRightAfterRemovingItLeavesNothingDangling)
{
    // The owner removes a child (closing, or not yet attached) and deletes
    // it at once; the parent's later steps must not touch it.
    for (int iFlags : {0, int(kit::OBJ_TRANSICION), int(kit::OBJ_MODAL)}) {
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
        auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r, iFlags);
        a->PonAbajo(b);
        r->PonCancelar(b);
        t.Pasos(5);
        r->QuitaHijo(false, b);
        t.Borra(b);
        EXPECT_EQ(kit::Hijos(r), "a") << iFlags;
        EXPECT_EQ(kit::Bajas(r), "") << iFlags;
        EXPECT_EQ(a->Abajo(), nullptr);
        t.Pasos(3);
        t.MueveRaton(5, 5);
        t.Tecla(TECLA_ABAJO);
        EXPECT_EQ(kit::CadenaFoco(r), "raiz>a");
    }
    // Deleted by its owner once its removal has completed: the parent no
    // longer holds it, but a sibling's link still names it.
    {
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
        auto* b = t.Nuevo("b", 2, 0, 0, 10, 10, r);
        a->PonAbajo(b);
        r->QuitaHijo(false, b);
        t.Pasos(1);
        EXPECT_EQ(kit::Hijos(r), "a");
        t.Borra(b);
        r->EnfocaHijo(a);
        EXPECT_FALSE(t.Tecla(TECLA_ABAJO));
        EXPECT_EQ(kit::CadenaFoco(r), "raiz>a");
    }
    // Deleted while still attached and focused.
    CArbolPrueba t;
    auto* menu = t.Nuevo("menu", 1, 0, 0, 100, 100, t.Raiz());
    auto* c = t.Nuevo("c", 2, 0, 0, 10, 10, menu);
    t.Borra(c);
    EXPECT_EQ(kit::Hijos(menu), "");
    EXPECT_EQ(kit::CadenaFoco(t.Raiz()), "raiz>menu");
    t.Pasos(2);
    // A parent deleted before its children: they lose the link, nothing more.
    auto* d = t.Nuevo("d", 3, 0, 0, 10, 10, menu);
    t.Borra(menu);
    EXPECT_EQ(d->Padre(), nullptr);
    EXPECT_EQ(kit::Hijos(t.Raiz()), "");
    d->EnviaEvento(EVENTO_PULSADO, 0, nullptr, -1);
    d->Cierra(false);
}

TEST(Arbol, RemovingAPendingExclusiveChildCancelsItsAttach)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* menu = t.Nuevo("menu", 1, 0, 0, 1024, 768, r, kit::OBJ_TRANSICION);
    menu->m_iPasosTransicion = 2;
    t.Pasos(3);
    auto* pantalla = t.Nuevo("pantalla", 2, 0, 0, 1024, 768, nullptr, kit::OBJ_EXCLUSIVO);
    menu->AnadeHijo(false, pantalla, false, false);
    EXPECT_EQ(kit::Pendientes(menu), "pantalla");
    t.Log();
    menu->QuitaHijo(false, pantalla);
    EXPECT_EQ(kit::Pendientes(menu), "");
    // The menu closed for the screen and opens again, since none comes.
    EXPECT_EQ(SinDibujos(t.Log()), std::vector<std::string>{"abre menu"});
    t.Pasos(5);
    EXPECT_EQ(kit::Hijos(menu), "");
    EXPECT_EQ(pantalla->Padre(), nullptr);
    EXPECT_FALSE(menu->EnTransicion());

    // Deleted while waiting: the pending list forgets it.
    menu->AnadeHijo(false, pantalla, false, false);
    t.Borra(pantalla);
    EXPECT_EQ(kit::Pendientes(menu), "");
    t.Pasos(5);
    EXPECT_EQ(kit::Hijos(menu), "");
}

TEST(Arbol, DeferredAttachWaitsForTheTransition)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* trans = t.Nuevo("trans", 1, 0, 0, 0, 0, r, kit::OBJ_TRANSICION | kit::OBJ_SIN_CONTIENE);
    trans->m_iPasosTransicion = 2;
    trans->IniciaTransicion(true);
    auto* a = t.Nuevo("a", 2, 0, 0, 10, 10);
    auto* b = t.Nuevo("b", 3, 0, 0, 10, 10);
    r->AnadeHijoDiferido(a);
    r->AnadeHijoDiferido(b);
    EXPECT_EQ(kit::Pendientes(r), "a,b");
    t.Pasos(1);
    EXPECT_EQ(kit::Pendientes(r), "a,b");
    t.Pasos(1);
    EXPECT_EQ(kit::Pendientes(r), "");
    EXPECT_EQ(kit::Hijos(r), "b,a,trans"); // each on top in list order
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>b");
}

TEST(Arbol, OwnedChildIsDeletedWhenItsRemovalCompletes)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* propio = t.Nuevo("propio", 1, 0, 0, 10, 10, r, kit::OBJ_BORRA_CON_PADRE);
    EXPECT_EQ(kit::NombresLista(r->m_lPropios), "propio");
    r->QuitaHijo(false, propio);
    t.Pasos(1); // deleted here; the sanitizer build checks nothing stays
    EXPECT_EQ(kit::NombresLista(r->m_lPropios), "");
    EXPECT_EQ(kit::Hijos(r), "");
    // A sibling's link to it, its parent's cancel target and saved focus go
    // with it: arrow keys afterwards must not reach the deleted object.
    auto* a = t.Nuevo("a", 4, 0, 0, 10, 10, r);
    auto* b = t.Nuevo("b", 5, 0, 0, 10, 10, r, kit::OBJ_BORRA_CON_PADRE);
    a->PonAbajo(b);
    b->PonArriba(a);
    r->PonCancelar(b);
    r->EnfocaHijo(a);
    r->QuitaHijo(false, b);
    t.Pasos(1);
    EXPECT_EQ(kit::Hijos(r), "a");
    EXPECT_EQ(a->Abajo(), nullptr);
    EXPECT_EQ(r->m_pCancelar, nullptr);
    t.Tecla(TECLA_ABAJO);
    EXPECT_EQ(kit::CadenaFoco(r), "raiz>a");
    // One still attached is deleted with its parent.
    auto* menu = t.Nuevo("menu", 2, 0, 0, 10, 10, r);
    t.Nuevo("otro", 3, 0, 0, 10, 10, menu, kit::OBJ_BORRA_CON_PADRE);
    t.Borra(menu);
}

TEST(Arbol, ResourcesFollowAttachment)
{
    CArbolPrueba t;
    auto* r = t.Raiz();
    auto* menu = t.Nuevo("menu", 1, 0, 0, 100, 100);
    auto* boton = t.Nuevo("boton", 2, 0, 0, 10, 10, menu);
    EXPECT_FALSE(boton->RecursosCargados()); // the menu's are not loaded
    r->AnadeHijo(false, menu, false, false);
    EXPECT_TRUE(menu->RecursosCargados());
    EXPECT_TRUE(boton->RecursosCargados());
    auto* pantalla = t.Nuevo("pantalla", 3, 0, 0, 100, 100, nullptr, kit::OBJ_EXCLUSIVO);
    menu->AnadeHijo(false, pantalla, false, false);
    t.Pasos(1);
    ASSERT_EQ(pantalla->Padre(), menu);
    EXPECT_TRUE(pantalla->RecursosCargados());
    // Unloading the menu leaves the screen attached below it alone.
    menu->DescargaRecursos();
    EXPECT_FALSE(boton->RecursosCargados());
    EXPECT_TRUE(pantalla->RecursosCargados());
    menu->CargaRecursos();
    // A completed removal unloads.
    r->QuitaHijo(false, menu);
    EXPECT_TRUE(menu->RecursosCargados());
    t.Pasos(1);
    EXPECT_FALSE(menu->RecursosCargados());
    EXPECT_FALSE(boton->RecursosCargados());
}

TEST(Arbol, EventsReachingTheTopGoToTheCoresList)
{
    CArbolPrueba t;
    auto* panel = t.Nuevo("panel", 1, 0, 0, 100, 100, t.Raiz());
    auto* boton = t.Nuevo("boton", 2, 0, 0, 10, 10, panel);
    int n = t.App().NumEventos();
    boton->EnviaEvento(EVENTO_TEXTO_ACEPTADO, 0, "texto", -1);
    EXPECT_EQ(t.App().NumEventos(), n + 1);
    // A kind whose text argument is a pointer is posted without text: the
    // two int32 here hold no terminating zero, and the sanitizer build
    // catches any attempt to copy them as a text.
    int32_t aCasilla[2] = {0x41414141, 0x41414141};
    boton->EnviaEvento(EVENTO_CASILLA_PULSADA, 0, reinterpret_cast<const char*>(aCasilla), -1);
    EXPECT_EQ(t.App().NumEventos(), n + 2);
    EXPECT_EQ(t.Raiz()->m_eventos.back().puntero, static_cast<const void*>(aCasilla));
    EXPECT_EQ(t.Raiz()->m_eventos.back().emisor, 1);
    // Only the quit event is acted on, at the next pass.
    EXPECT_FALSE(t.Pasos(1));
    EXPECT_EQ(t.App().NumEventos(), 0);
    boton->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
    EXPECT_TRUE(t.Pasos(1));
}

TEST(Arbol, ACompletedRemovalLeavesNothingOfTheParentPointingAtTheChild)
{
    // While a removed child closes it is still listed, so the parent (or a
    // sibling) can come to point at it again. Once the removal completes the
    // owner deletes it; every input afterwards must stay clear of it.
    struct Caso {
        const char* nombre;
        // Run while the child closes, and after its removal has completed.
        void (*antes)(CArbolPrueba&, CObjetoArbol* r, CObjetoArbol* a, CObjetoArbol* b);
        void (*despues)(CArbolPrueba&, CObjetoArbol* r, CObjetoArbol* a, CObjetoArbol* b);
    };
    auto nada = [](CArbolPrueba&, CObjetoArbol*, CObjetoArbol*, CObjetoArbol*) {};
    const Caso casos[] = {
        {"focus taken by the pointer, saved by a modal child and given back",
         [](CArbolPrueba& t, CObjetoArbol* r, CObjetoArbol*, CObjetoArbol*) {
             t.MueveRaton(5, 5);
             ASSERT_EQ(kit::CadenaFoco(r), "raiz>a");
             t.Nuevo("m", 3, 500, 500, 10, 10, r, kit::OBJ_MODAL);
         },
         [](CArbolPrueba& t, CObjetoArbol* r, CObjetoArbol*, CObjetoArbol*) {
             CMenuObj* m = r->HijoEnfocado();
             ASSERT_NE(m, nullptr);
             r->QuitaHijo(false, m);
             t.Pasos(1);
         }},
        {"cancel target",
         [](CArbolPrueba&, CObjetoArbol* r, CObjetoArbol* a, CObjetoArbol*) { r->PonCancelar(a); }, nada},
        {"neighbour links",
         [](CArbolPrueba&, CObjetoArbol* r, CObjetoArbol* a, CObjetoArbol* b) {
             b->PonArriba(a);
             b->PonAbajo(a);
             b->PonIzquierda(a);
             b->PonDerecha(a);
             r->EnfocaHijo(b);
         },
         nada},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* b = t.Nuevo("b", 2, 100, 100, 10, 10, r);
        auto* a = t.Nuevo("a", 1, 0, 0, 10, 10, r);
        r->QuitaHijo(false, a);
        c.antes(t, r, a, b);
        t.Pasos(1);
        c.despues(t, r, a, b);
        EXPECT_EQ(kit::Hijos(r), "b");
        EXPECT_NE(r->HijoEnfocado(), a);
        EXPECT_NE(r->m_pFocoGuardado, a);
        EXPECT_NE(r->m_pCancelar, a);
        EXPECT_NE(r->m_pCursorDibujo, a);
        for (CMenuObj* p : {b->Arriba(), b->Abajo(), b->Izquierda(), b->Derecha()}) EXPECT_NE(p, a);
        t.Borra(a);
        // Under the sanitizers any of these reaching the deleted child fails.
        for (int iTecla : {TECLA_ENTER, TECLA_ESCAPE, TECLA_ARRIBA, TECLA_ABAJO, TECLA_IZQUIERDA, TECLA_DERECHA})
            t.Tecla(iTecla);
        t.Caracter('x');
        t.BotonMando(BOTON_MANDO_CANCELAR);
        t.BotonMando(BOTON_MANDO_PULSAR);
        t.BotonRaton(BOTON_DERECHO_ABAJO, 105, 105);
        t.Pasos(1);
    }
}

TEST(Arbol, AParentIsNeverAttachedBelowItsOwnClosingChild)
{
    // c is removed from p and closes; p, or any object above it, attached
    // below c (or below c's own child d) would make each list the other.
    for (const char* szNuevoPadre : {"c", "d"}) {
        SCOPED_TRACE(szNuevoPadre);
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* p = t.Nuevo("p", 1, 0, 0, 100, 100, r);
        auto* c = t.Nuevo("c", 2, 0, 0, 50, 50, p, kit::OBJ_TRANSICION);
        auto* d = t.Nuevo("d", 3, 0, 0, 10, 10, c);
        t.Pasos(5);
        p->QuitaHijo(false, c);
        ASSERT_TRUE(c->EnTransicion());
        CMenuObj* pNuevo = std::string(szNuevoPadre) == "c" ? static_cast<CMenuObj*>(c) : d;
        for (CMenuObj* pSube : {static_cast<CMenuObj*>(p), static_cast<CMenuObj*>(r)}) {
            pNuevo->AnadeHijo(false, pSube, false, false);
            pNuevo->InsertaHijo(false, pSube, nullptr, true);
            pNuevo->AnadeHijoDiferido(pSube);
        }
        EXPECT_EQ(kit::Hijos(pNuevo), std::string(szNuevoPadre) == "c" ? "d" : "");
        EXPECT_EQ(kit::Pendientes(pNuevo), "");
        EXPECT_EQ(p->Padre(), r);
        EXPECT_EQ(kit::Hijos(r), "p");
        // Each walk down the tree ends; the removal then completes.
        p->Dibuja(nullptr, nullptr);
        c->Actualiza();
        t.Pasos(5);
        EXPECT_EQ(kit::Hijos(p), "");
        EXPECT_EQ(kit::Hijos(c), "d");
    }
}

TEST(Arbol, AnOwnedChildThatChangesParentLeavesTheFirstAndKeepsAnOwner)
{
    // Waiting in b, then asked for by c: c attaches it, removes it and
    // deletes it (it is owned by its parent); b must not list it any more.
    {
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* b = t.Nuevo("b", 1, 0, 0, 100, 100, r);
        auto* c = t.Nuevo("c", 2, 0, 0, 100, 100, r);
        auto* y = t.Nuevo("y", 3, 0, 0, 10, 10, nullptr, kit::OBJ_EXCLUSIVO | kit::OBJ_BORRA_CON_PADRE);
        b->InsertaHijo(false, y, nullptr, false);
        b->PonCancelar(y);
        EXPECT_EQ(kit::Pendientes(b), "y");
        EXPECT_EQ(kit::NombresLista(b->m_lPropios), "y");
        c->AnadeHijoDiferido(y);
        EXPECT_EQ(kit::Pendientes(b), "");
        EXPECT_EQ(kit::NombresLista(b->m_lPropios), "");
        EXPECT_EQ(b->m_pCancelar, nullptr);
        EXPECT_EQ(kit::Pendientes(c), "y");
        EXPECT_EQ(kit::NombresLista(c->m_lPropios), "y");
        t.Pasos(1);
        EXPECT_EQ(kit::Hijos(c), "y");
        c->QuitaHijo(false, y);
        t.Pasos(1); // y is deleted here
        EXPECT_EQ(kit::Hijos(c), "");
        t.Tecla(TECLA_ESCAPE);
        t.Borra(b); // releasing b reads none of y
        t.Borra(c);
    }
    // Attached in b, moved to c: c owns it now and deletes it when released
    // (the leak checker sees it otherwise).
    for (bool bDiferido : {false, true}) {
        SCOPED_TRACE(bDiferido ? "deferred" : "at once");
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* b = t.Nuevo("b", 1, 0, 0, 100, 100, r);
        auto* c = t.Nuevo("c", 2, 0, 0, 100, 100, r);
        auto* y = t.Nuevo("y", 3, 0, 0, 10, 10, b, kit::OBJ_BORRA_CON_PADRE);
        if (bDiferido) {
            c->AnadeHijoDiferido(y);
            t.Pasos(1);
        } else {
            c->AnadeHijo(false, y, false, false);
        }
        EXPECT_EQ(kit::Hijos(b), "");
        EXPECT_EQ(kit::NombresLista(b->m_lPropios), "");
        EXPECT_EQ(kit::Hijos(c), "y");
        EXPECT_EQ(kit::NombresLista(c->m_lPropios), "y");
        t.Borra(b);
        t.Borra(c);
    }
}

TEST(Arbol, AnAttachThatNeverHappensLeavesNothingPointingAtTheChild)
{
    // A screen waiting to be attached to p is named p's cancel target; its
    // attach is then cancelled, or refused because it has become an
    // ancestor of p meanwhile. Deleted by its owner afterwards, it must not
    // be reached by Escape.
    for (bool bRefusado : {false, true}) {
        SCOPED_TRACE(bRefusado ? "refused" : "cancelled");
        CArbolPrueba t;
        auto* r = t.Raiz();
        auto* p = t.Nuevo("p", 1, 0, 0, 100, 100, r);
        auto* y = t.Nuevo("y", 2, 0, 0, 100, 100, nullptr, kit::OBJ_EXCLUSIVO);
        p->AnadeHijo(false, y, false, false);
        p->PonCancelar(y);
        ASSERT_EQ(kit::Pendientes(p), "y");
        if (bRefusado) {
            y->AnadeHijo(false, p, false, false);
            ASSERT_EQ(p->Padre(), y);
            y->Actualiza(); // p finds it cannot hold its own parent
            EXPECT_EQ(kit::Hijos(p), "");
        } else {
            p->QuitaHijo(false, y);
        }
        EXPECT_EQ(kit::Pendientes(p), "");
        EXPECT_EQ(p->m_pCancelar, nullptr);
        if (bRefusado) {
            y->QuitaHijo(false, p);
            y->Actualiza();
            r->AnadeHijo(false, p, false, false);
        }
        t.Borra(y);
        ASSERT_EQ(kit::CadenaFoco(r), "raiz>p");
        t.Tecla(TECLA_ESCAPE);
        t.BotonMando(BOTON_MANDO_CANCELAR);
    }
}
