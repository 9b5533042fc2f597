#include "engine/core/Lista.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
int a = 1, b = 2, c = 3;

std::vector<void*> Forward(CLista& l)
{
    std::vector<void*> out;
    if (l.EstaVacia()) return out;
    for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) out.push_back(l.Actual());
    return out;
}

std::vector<void*> Backward(CLista& l)
{
    std::vector<void*> out;
    if (l.EstaVacia()) return out;
    for (l.VaAlFinal(); !l.EsPrincipio(); l.Retrocede()) out.push_back(l.Actual());
    return out;
}
} // namespace

TEST(Lista, EmptyListWalks)
{
    CLista l;
    ASSERT_TRUE(l.Inicia());
    EXPECT_TRUE(l.EstaVacia());
    l.VaAlPrincipio();
    EXPECT_FALSE(l.EsFinal()); // so a walk must test EstaVacia first
    l.Avanza();
    EXPECT_TRUE(l.EsFinal());
    EXPECT_EQ(l.Actual(), nullptr);
    EXPECT_FALSE(l.Busca(&a));
    EXPECT_FALSE(l.Busca(nullptr));
    EXPECT_EQ(l.Elemento(0), nullptr);
}

TEST(Lista, InsertionsAndOrder)
{
    CLista l;
    l.Inicia();
    l.InsertaAlFinal(&b);
    l.InsertaAlPrincipio(&a);
    l.InsertaAlFinal(&c);
    EXPECT_EQ(Forward(l), (std::vector<void*>{&a, &b, &c}));
    EXPECT_EQ(Backward(l), (std::vector<void*>{&c, &b, &a}));
    // Insert around the cursor, at the ends.
    l.VaAlPrincipio();
    l.InsertaAntes(&c); // new head
    l.VaAlFinal();
    l.InsertaDespues(&a); // new tail
    EXPECT_EQ(Forward(l), (std::vector<void*>{&c, &a, &b, &c, &a}));
    EXPECT_EQ(l.m_iNumElementos, 5);
    EXPECT_EQ(l.m_pCabeza->m_pItem, &c);
    EXPECT_EQ(l.m_pCola->m_pItem, &a);
    // On an empty list both make the only node and the cursor.
    CLista e;
    e.Inicia();
    e.InsertaAntes(&b);
    EXPECT_EQ(e.Actual(), &b);
    CLista f;
    f.Inicia();
    f.InsertaDespues(&c);
    EXPECT_EQ(f.Actual(), &c);
    EXPECT_EQ(f.m_pCabeza, f.m_pCola);
}

TEST(Lista, CursorEdges)
{
    CLista l;
    l.Inicia();
    l.InsertaAlFinal(&a);
    l.InsertaAlFinal(&b);
    l.VaAlFinal();
    l.Avanza();
    EXPECT_TRUE(l.EsFinal());
    EXPECT_EQ(l.Actual(), &b); // cursor stays on the last node
    l.VaAlPrincipio();
    l.Retrocede();
    EXPECT_TRUE(l.EsPrincipio());
    EXPECT_EQ(l.Actual(), &a);
    // Elemento(count) returns null and keeps the cursor.
    l.Elemento(1);
    EXPECT_EQ(l.Elemento(2), nullptr);
    EXPECT_EQ(l.Elemento(-1), nullptr);
    EXPECT_EQ(l.Actual(), &b);
    EXPECT_EQ(l.ElementoAnterior(), &a);
    l.VaAlPrincipio();
    EXPECT_EQ(l.ElementoAnterior(), nullptr);
}

TEST(Lista, RemovalTable)
{
    struct Case {
        const char* what;
        std::vector<int*> items;
        int remove; // index of the node the cursor is on
        std::vector<int*> left;
        int* cursorAfter;
        bool pastEnd;
    } cases[] = {
        {"head", {&a, &b, &c}, 0, {&b, &c}, &b, false},
        {"middle", {&a, &b, &c}, 1, {&a, &c}, &a, false},
        {"tail", {&a, &b, &c}, 2, {&a, &b}, &b, false},
        {"only node", {&a}, 0, {}, nullptr, true},
    };
    for (const Case& t : cases) {
        CLista l;
        l.Inicia();
        for (int* p : t.items) l.InsertaAlFinal(p);
        l.Elemento(t.remove);
        l.BorraActual();
        std::vector<void*> expect(t.left.begin(), t.left.end());
        EXPECT_EQ(l.Actual(), t.cursorAfter) << t.what;
        EXPECT_EQ(l.EsFinal(), t.pastEnd) << t.what;
        EXPECT_EQ(l.m_iNumElementos, static_cast<int>(t.left.size())) << t.what;
        EXPECT_EQ(Forward(l), expect) << t.what;
        EXPECT_EQ(Backward(l).size(), expect.size()) << t.what;
    }
}

TEST(Lista, DuplicatesAndSearch)
{
    CLista l;
    l.Inicia();
    l.InsertaAlFinal(&a);
    l.InsertaAlFinal(&b);
    l.InsertaAlFinal(&a);
    ASSERT_TRUE(l.Busca(&a));
    EXPECT_EQ(l.m_pActual, l.m_pCabeza); // the one nearer the head
    EXPECT_FALSE(l.Busca(&c));
    EXPECT_TRUE(l.EsFinal());
    EXPECT_EQ(l.Actual(), &a); // last node
    EXPECT_TRUE(l.BuscaYBorra(&a));
    EXPECT_EQ(Forward(l), (std::vector<void*>{&b, &a}));
    EXPECT_FALSE(l.BuscaYBorra(&c));
}

TEST(Lista, AdelantaActualSwapsWithPrevious)
{
    CLista l;
    l.Inicia();
    l.InsertaAlFinal(&a);
    l.InsertaAlFinal(&b);
    l.InsertaAlFinal(&c);
    l.VaAlPrincipio();
    EXPECT_EQ(l.AdelantaActual(), nullptr); // on the head nothing changes
    l.VaAlFinal();
    NodoLista* after = l.AdelantaActual();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->m_pItem, &b);
    EXPECT_EQ(l.Actual(), &c);
    EXPECT_EQ(Forward(l), (std::vector<void*>{&a, &c, &b}));
    EXPECT_EQ(l.m_pCola->m_pItem, &b);
    l.Elemento(1);
    l.AdelantaActual();
    EXPECT_EQ(Forward(l), (std::vector<void*>{&c, &a, &b}));
    EXPECT_EQ(l.m_pCabeza->m_pItem, &c);
    EXPECT_EQ(Backward(l), (std::vector<void*>{&b, &a, &c}));
}

TEST(Lista, DrainingFromTailNeverFreesItems)
{
    int* owned = new int(7);
    {
        CLista l;
        l.Inicia();
        l.InsertaAlFinal(owned);
        l.InsertaAlFinal(&a);
        std::vector<void*> order;
        for (l.VaAlFinal(); !l.EstaVacia();) {
            order.push_back(l.Actual());
            l.BorraActual();
        }
        EXPECT_EQ(order, (std::vector<void*>{&a, owned}));
        l.InsertaAlFinal(owned);
    } // the destructor frees nodes only
    EXPECT_EQ(*owned, 7);
    delete owned;
}
