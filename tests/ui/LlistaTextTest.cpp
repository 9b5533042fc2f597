// The text list: pages, sorted entries, marks, choosing a row, keys.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/ui/Buto.h"
#include "engine/ui/LlistaText.h"
#include "TextoEntorno.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using kit::CObjetoArbol;

namespace {

class LlistaText : public uitest::EntornoTexto {
protected:
    void TearDown() override
    {
        m_lista.reset();
        EntornoTexto::TearDown();
    }
    // A list of n rows under a recording parent, attached and updated.
    CLlistaText* Lista(int nFilas, int nEntradas)
    {
        m_padre = m_arbol->Nuevo("padre", 1, 0, 0, 1024, 768, Raiz());
        m_lista = std::make_unique<CLlistaText>();
        EXPECT_TRUE(m_lista->Inicia(100, 50, 300, 25, 100, 20, 10, nFilas, uitest::kFuenteTexto, -1, -1, 1.0f, 36, 9,
                                    "lista"));
        for (int i = 0; i < nEntradas; ++i) m_lista->Anade(("e" + std::to_string(i)).c_str(), -1, i * 10, false);
        m_padre->AnadeHijo(true, m_lista.get(), false, false);
        m_arbol->Pasos(1);
        return m_lista.get();
    }
    void Clic(const CMenuObj* p) { m_arbol->Clic(p->Rect().x + p->Rect().ancho / 2, p->Rect().y + p->Rect().alto / 2); }
    // What the rows show, "|" between them.
    std::string Filas()
    {
        m_arbol->Pasos(1);
        std::string s;
        for (CButo* b : m_lista->m_apFilas) {
            if (!s.empty()) s += "|";
            s += b->m_szTexto ? b->m_szTexto : (b->m_iIdTexto != -1 ? "#" : "");
        }
        return s;
    }

    CObjetoArbol* m_padre = nullptr;
    std::unique_ptr<CLlistaText> m_lista;
};

} // namespace

TEST_F(LlistaText, LayoutAndParts)
{
    CLlistaText* l = Lista(5, 0);
    EXPECT_FLOAT_EQ(l->Rect().ancho, 320);
    EXPECT_FLOAT_EQ(l->Rect().alto, 20 + 40 + 125);
    EXPECT_FLOAT_EQ(l->m_pArriba->Rect().x, 100 + 160 - 50);
    EXPECT_FLOAT_EQ(l->m_pArriba->Rect().y, 60);
    EXPECT_FLOAT_EQ(l->m_apFilas[2]->Rect().y, 60 + 20 + 50);
    EXPECT_FLOAT_EQ(l->m_pAbajo->Rect().y, 60 + 125 + 20);
    EXPECT_STREQ(l->m_apFilas[3]->Nombre(), "LLISTATEXT_BUT_Boton3");
    EXPECT_EQ(l->m_apFilas[3]->m_iId, 5);
    EXPECT_EQ(l->m_pArriba->Abajo(), l->m_apFilas[0]);
    EXPECT_EQ(l->m_apFilas[4]->Abajo(), l->m_pAbajo);
    EXPECT_EQ(l->m_pAbajo->Arriba(), l->m_apFilas[4]);
    CLlistaText sinFilas;
    EXPECT_FALSE(sinFilas.Inicia(0, 0, 10, 10, 10, 10, 0, 0, 0, -1, -1, 1, 0, 0, "x"));
}

// Five rows over twelve entries: a page forward shows 4 to 8, another 7 to
// 11, and then it stays; back pages return the same way.
TEST_F(LlistaText, PagesTurnByAPageLessOneRow)
{
    CLlistaText* l = Lista(5, 12);
    EXPECT_EQ(Filas(), "e0|e1|e2|e3|e4");
    l->AvanzaPagina();
    EXPECT_EQ(Filas(), "e4|e5|e6|e7|e8");
    l->AvanzaPagina();
    EXPECT_EQ(Filas(), "e7|e8|e9|e10|e11");
    l->AvanzaPagina();
    EXPECT_EQ(l->Primera(), 7);
    Clic(l->m_pArriba);
    EXPECT_EQ(Filas(), "e3|e4|e5|e6|e7");
    m_arbol->Tecla(CLlistaText::kTeclaRePag);
    EXPECT_EQ(l->Primera(), 0);
    m_arbol->Tecla(CLlistaText::kTeclaAvPag);
    EXPECT_EQ(l->Primera(), 4);
    // Rows past the last entry show nothing.
    l->Vacia();
    l->Anade("solo", -1, 0, false);
    EXPECT_EQ(Filas(), "solo||||");
}

// A list of one row still moves, one entry a page.
TEST_F(LlistaText, OneRowTurnsOneEntry)
{
    CLlistaText* l = Lista(1, 3);
    l->AvanzaPagina();
    EXPECT_EQ(Filas(), "e1");
    l->AvanzaPagina();
    l->AvanzaPagina();
    EXPECT_EQ(Filas(), "e2");
    l->RetrocedePagina();
    EXPECT_EQ(Filas(), "e1");
}

TEST_F(LlistaText, SortedInsertionAndMarks)
{
    CLlistaText* l = Lista(5, 0);
    l->Anade("pera", -1, 1, true);
    l->Anade("Zorro", -1, 2, true); // bytes: capitals first
    l->Anade("manzana", -1, 3, true);
    l->Anade(nullptr, CodigoFLI(motor::texto::CANCELAR), 4, true); // "Cancel": by its text
    l->Anade("abeto", -1, 5, false);                // unsorted: last
    l->InsertaAntes(0, "antes", -1, 6);
    l->InsertaDespues(5, "final", -1, 7);
    ASSERT_EQ(l->NumeroEntradas(), 7);
    const int valores[] = {6, 4, 2, 3, 1, 5, 7};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(l->Valor(i), valores[i]) << i;
    EXPECT_EQ(l->Texto(1), nullptr); // made from a code
    EXPECT_EQ(l->Valor(99), -1);
    l->Marca(2, true);
    l->AlternaMarca(4);
    l->Marca(2, true); // once only
    EXPECT_EQ(l->NumeroMarcados(), 2);
    EXPECT_EQ(l->IndiceMarcado(1), 4);
    EXPECT_EQ(l->IndiceMarcado(2), -1);
    m_arbol->Pasos(1);
    EXPECT_TRUE(l->m_apFilas[2]->EstaMarcado());
    EXPECT_FALSE(l->m_apFilas[3]->EstaMarcado());
    l->BorraMarcados();
    EXPECT_EQ(l->NumeroEntradas(), 5);
    EXPECT_EQ(l->NumeroMarcados(), 0);
    EXPECT_EQ(l->Valor(2), 3);
}

// Choosing a row tells the parent the entry's index and text; the focused
// row names its entry.
TEST_F(LlistaText, ChoosingARow)
{
    CLlistaText* l = Lista(3, 6);
    l->Anade(nullptr, CodigoFLI(motor::texto::ACEPTAR), 60, false);
    l->AvanzaPagina();
    l->AvanzaPagina();
    m_arbol->Pasos(1);
    Clic(l->m_apFilas[1]);
    ASSERT_FALSE(m_padre->m_eventos.empty());
    const kit::EventoRecibido& e = m_padre->m_eventos.back();
    EXPECT_EQ(e.tipo, EVENTO_ELEMENTO_ELEGIDO);
    EXPECT_EQ(e.valor, 5);
    EXPECT_EQ(e.texto, "e5");
    EXPECT_EQ(e.emisor, 9);
    EXPECT_EQ(l->IndiceEnfocado(), 5);
    Clic(l->m_apFilas[2]);
    EXPECT_EQ(m_padre->m_eventos.back().valor, 6);
    EXPECT_EQ(m_padre->m_eventos.back().texto, ""); // an entry made from a code has no text
    Clic(l->m_pArriba);
    EXPECT_EQ(l->IndiceEnfocado(), -1);
    // A row past the entries tells nothing.
    l->Vacia();
    size_t n = m_padre->m_eventos.size();
    m_arbol->Pasos(1);
    Clic(l->m_apFilas[0]);
    EXPECT_EQ(m_padre->m_eventos.size(), n);
}
