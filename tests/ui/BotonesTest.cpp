// The button grid, the multi-option button and the drop-down.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/ui/ArrayButtons.h"
#include "engine/ui/Buto.h"
#include "engine/ui/ButoMultiOpcion.h"
#include "engine/ui/MenuDesplegable.h"
#include "TextoEntorno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using kit::CObjetoArbol;

namespace {

// A parent that reads the cell pair of a grid while the event lasts.
class Lector : public CObjetoArbol {
public:
    using CObjetoArbol::CObjetoArbol;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override
    {
        if (iTipo == EVENTO_CASILLA_PULSADA && szTexto) std::memcpy(m_aiPar, szTexto, sizeof m_aiPar);
        CObjetoArbol::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
    }
    int32_t m_aiPar[2] = {-1, -1};
};

class Botones : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        m_lector = std::make_unique<Lector>(m_arbol.get(), 0);
        ASSERT_TRUE(m_lector->Inicia(1, "padre", Rectangulo{0, 0, 1024, 768}, -1));
        m_lector->m_bReenviaEventos = false;
        Raiz()->AnadeHijo(false, m_lector.get(), false, false);
        m_padre = m_lector.get();
    }
    void TearDown() override
    {
        m_rejilla.reset();
        m_multi.reset();
        m_menu.reset();
        m_lector.reset();
        EntornoTexto::TearDown();
    }
    // A grid of columns x rows cells 60 x 30, scroll buttons on both axes.
    CArrayButtons* Rejilla(int columnas, int filas, int pasoColumnas, int pasoFilas)
    {
        m_anchos.assign(size_t(columnas), 60.0f);
        m_altos.assign(size_t(filas), 30.0f);
        ListaMedidas c{columnas, m_anchos.data(), true, pasoColumnas};
        ListaMedidas f{filas, m_altos.data(), true, pasoFilas};
        m_rejilla = std::make_unique<CArrayButtons>();
        EXPECT_TRUE(m_rejilla->Inicia(100, 100, &c, &f, 80, 20, 5, uitest::kFuenteTexto, 1.0f, 73, -1, -1, 3, "rejilla"));
        m_padre->AnadeHijo(true, m_rejilla.get(), false, false);
        return m_rejilla.get();
    }
    void Clic(const CMenuObj* p) { m_arbol->Clic(p->Rect().x + p->Rect().ancho / 2, p->Rect().y + p->Rect().alto / 2); }

    std::unique_ptr<Lector> m_lector;
    CObjetoArbol* m_padre = nullptr;
    std::vector<float> m_anchos, m_altos;
    std::unique_ptr<CArrayButtons> m_rejilla;
    std::unique_ptr<CButoMultiOpcion> m_multi;
    std::unique_ptr<CMenuDesplegable> m_menu;
};

} // namespace

TEST_F(Botones, GridLayoutAndLinks)
{
    CArrayButtons* g = Rejilla(3, 2, 1, 1);
    EXPECT_FLOAT_EQ(g->Rect().ancho, 180 + 40 + 10);
    EXPECT_FLOAT_EQ(g->Rect().alto, 60 + 40 + 10);
    CButo* b = g->Celda(1, 2);
    EXPECT_STREQ(b->Nombre(), "ARRAYBUT_BUT_Boton_X2_Y1");
    EXPECT_EQ(b->m_iId, 4 + 1 * 3 + 2);
    EXPECT_FLOAT_EQ(b->Rect().x, 100 + 5 + 20 + 120);
    EXPECT_FLOAT_EQ(b->Rect().y, 100 + 5 + 20 + 30);
    EXPECT_EQ(g->Celda(0, 1)->Arriba(), g->m_apScroll[CArrayButtons::SCROLL_ARRIBA]);
    EXPECT_EQ(g->Celda(0, 1)->Abajo(), g->Celda(1, 1));
    EXPECT_EQ(g->Celda(1, 0)->Izquierda(), g->m_apScroll[CArrayButtons::SCROLL_IZQUIERDA]);
    EXPECT_EQ(g->m_apScroll[CArrayButtons::SCROLL_ARRIBA]->Abajo(), g->Celda(0, 1));
    EXPECT_EQ(g->m_apScroll[CArrayButtons::SCROLL_ABAJO]->Arriba(), g->Celda(1, 2));
    // One row, one column: every link of the scroll buttons is a cell.
    struct Cas {
        int columnas, filas;
    } casos[] = {{1, 1}, {5, 1}, {1, 4}};
    for (const Cas& c : casos) {
        CArrayButtons* r = Rejilla(c.columnas, c.filas, 1, 1);
        const int n = c.columnas * c.filas;
        auto esCelda = [&](CMenuObj* p) {
            for (int k = 0; k < n; ++k)
                if (r->m_apCeldas[size_t(k)] == p) return true;
            return false;
        };
        EXPECT_TRUE(esCelda(r->m_apScroll[0]->Abajo())) << c.columnas << "x" << c.filas;
        EXPECT_TRUE(esCelda(r->m_apScroll[1]->Arriba()));
        EXPECT_TRUE(esCelda(r->m_apScroll[2]->Derecha()));
        EXPECT_TRUE(esCelda(r->m_apScroll[3]->Izquierda()));
    }
}

// Written at (25, 4), a grid of 3 columns by 2 rows grows to 10 rows by 30
// columns; scrolling shows the cells and stops at the last one used.
TEST_F(Botones, GridGrowsAndScrolls)
{
    CArrayButtons* g = Rejilla(3, 2, 4, 2);
    EXPECT_EQ(g->m_iFilasTabla, 10);
    EXPECT_EQ(g->m_iColumnasTabla, 10);
    ASSERT_TRUE(g->PonCeldaTexto(25, 4, "lejos", 200, 100, 50));
    EXPECT_EQ(g->m_iFilasTabla, 10);
    EXPECT_EQ(g->m_iColumnasTabla, 30);
    ASSERT_TRUE(g->PonCeldaTexto(1, 1, "cerca", 255, 255, 255));
    EXPECT_STREQ(g->TextoCelda(25, 4), "lejos");
    EXPECT_STREQ(g->TextoCelda(1, 1), "cerca"); // kept through the growth
    EXPECT_EQ(g->TextoCelda(30, 0), nullptr);
    EXPECT_FALSE(g->PonCeldaTexto(-1, 0, "x", 0, 0, 0));
    EXPECT_FALSE(g->PonCeldaIdTexto(5000000, 5000000, 1, 0, 0, 0)); // beyond the largest table
    m_arbol->Pasos(1);
    EXPECT_STREQ(g->Celda(1, 1)->m_szTexto, "cerca");
    // Right by 4 columns at a time, until column 25 shows.
    CButo* derecha = g->m_apScroll[CArrayButtons::SCROLL_DERECHA];
    int pasos = 0;
    while (pasos < 20) {
        int antes = g->m_iPrimeraColumna;
        Clic(derecha);
        if (g->m_iPrimeraColumna == antes) break;
        ++pasos;
    }
    EXPECT_EQ(g->m_iPrimeraColumna, 24);
    EXPECT_EQ(pasos, 6);
    // Down by 2 rows at a time, until row 4 shows.
    Clic(g->m_apScroll[CArrayButtons::SCROLL_ABAJO]);
    Clic(g->m_apScroll[CArrayButtons::SCROLL_ABAJO]);
    EXPECT_EQ(g->m_iPrimeraFila, 4);
    Clic(g->m_apScroll[CArrayButtons::SCROLL_ABAJO]);
    EXPECT_EQ(g->m_iPrimeraFila, 4);
    m_arbol->Pasos(1);
    EXPECT_STREQ(g->Celda(0, 1)->m_szTexto, "lejos");
    // Up with a step of 2 from row 1 goes to 0; at row 0 it stays.
    g->PonPrimeraFila(1);
    Clic(g->m_apScroll[CArrayButtons::SCROLL_ARRIBA]);
    EXPECT_EQ(g->m_iPrimeraFila, 0);
    Clic(g->m_apScroll[CArrayButtons::SCROLL_ARRIBA]);
    EXPECT_EQ(g->m_iPrimeraFila, 0);
    // A cell pressed tells its column and row in the table.
    g->PonPrimeraFila(3);
    Clic(g->Celda(1, 2));
    ASSERT_FALSE(m_padre->m_eventos.empty());
    const kit::EventoRecibido& e = m_padre->m_eventos.back();
    EXPECT_EQ(e.tipo, EVENTO_CASILLA_PULSADA);
    EXPECT_EQ(e.valor, 0);
    EXPECT_EQ(m_lector->m_aiPar[0], 26);
    EXPECT_EQ(m_lector->m_aiPar[1], 4);
    // Emptied: no text, the last used cell back at 0.
    g->Vacia();
    EXPECT_STREQ(g->TextoCelda(25, 4), "");
    EXPECT_EQ(g->m_iUltimaColumna, 0);
    g->PonPrimeraColumna(9);
    EXPECT_EQ(g->m_iPrimeraColumna, 0);
}

TEST_F(Botones, MultiOptionButtonWraps)
{
    OpcionMulti opciones[3];
    std::strcpy(opciones[0].szTexto, "Uno");
    opciones[1].iIdTexto = CodigoFLI(motor::texto::ACEPTAR);
    std::strcpy(opciones[2].szTexto, "Tres");
    m_multi = std::make_unique<CButoMultiOpcion>();
    EXPECT_FALSE(m_multi->Inicia(100, 100, 200, 40, -1, uitest::kFuenteTexto, 0, opciones, 0, 1, 73, 2, "m"));
    EXPECT_FALSE(m_multi->Inicia(100, 100, 200, 40, -1, uitest::kFuenteTexto, 3, nullptr, 0, 1, 73, 2, "m"));
    ASSERT_TRUE(m_multi->Inicia(100, 100, 200, 40, -1, uitest::kFuenteTexto, 3, opciones, 2, 1, 73, 2, "m"));
    m_padre->AnadeHijo(true, m_multi.get(), false, false);
    EXPECT_EQ(uitest::Muestra(m_multi->m_pTexto), "Tres");
    Clic(m_multi.get());
    EXPECT_EQ(m_multi->Opcion(), 0);
    EXPECT_EQ(uitest::Muestra(m_multi->m_pTexto), "Uno");
    ASSERT_FALSE(m_padre->m_eventos.empty());
    EXPECT_EQ(m_padre->m_eventos.back().tipo, EVENTO_OPCION_CAMBIADA);
    EXPECT_EQ(m_padre->m_eventos.back().valor, 0);
    Clic(m_multi.get());
    EXPECT_EQ(uitest::Muestra(m_multi->m_pTexto), std::string("#") + motor::texto::ACEPTAR);
    m_multi->PonOpcion(2);
    m_multi->PonOpcion(7); // out of range: nothing
    EXPECT_EQ(m_multi->Opcion(), 2);
    size_t n = m_padre->m_eventos.size();
    m_multi->PonVisible(false);
    Clic(m_multi.get());
    EXPECT_EQ(m_multi->Opcion(), 2);
    EXPECT_EQ(m_padre->m_eventos.size(), n);
}

// A drop-down of 4 options shows all 4 over 4 heights while it has the
// focus, and only the first once it loses it.
TEST_F(Botones, DropDownOpensWithTheFocus)
{
    OpcionDesplegable opciones[4];
    for (int i = 0; i < 4; ++i) std::snprintf(opciones[i].szTexto, sizeof opciones[i].szTexto, "Opcion %d", i);
    opciones[3].iIdTexto = CodigoFLI(motor::texto::CANCELAR);
    m_menu = std::make_unique<CMenuDesplegable>();
    EXPECT_FALSE(m_menu->Inicia(300, 200, 150, 30, 0, opciones, uitest::kFuenteTexto, -1, 1, 5, "menu"));
    ASSERT_TRUE(m_menu->Inicia(300, 200, 150, 30, 4, opciones, uitest::kFuenteTexto, -1, 1, 5, "menu"));
    CObjetoArbol* otro = m_arbol->Nuevo("otro", 2, 0, 600, 100, 100, m_padre);
    m_padre->AnadeHijo(true, m_menu.get(), false, false);
    m_padre->EnfocaHijo(otro);
    m_arbol->Pasos(1); // the options it took away are gone once removed
    EXPECT_EQ(kit::Hijos(m_menu.get()), "DESPLEGABLE_BUT_Boton0");
    EXPECT_FLOAT_EQ(m_menu->Rect().alto, 30);
    // The pointer over it gives it the focus: it opens.
    m_arbol->MueveRaton(350, 210);
    EXPECT_EQ(kit::Hijos(m_menu.get()),
              "DESPLEGABLE_BUT_Boton3,DESPLEGABLE_BUT_Boton2,DESPLEGABLE_BUT_Boton1,DESPLEGABLE_BUT_Boton0");
    EXPECT_FLOAT_EQ(m_menu->Rect().alto, 120);
    EXPECT_EQ(m_menu->m_apOpciones[2]->Abajo(), m_menu->m_apOpciones[3]);
    // Option 2 pressed: chosen.
    m_arbol->Clic(350, 200 + 2 * 30 + 15);
    ASSERT_FALSE(m_padre->m_eventos.empty());
    EXPECT_EQ(m_padre->m_eventos.back().tipo, EVENTO_OPCION_ELEGIDA);
    EXPECT_EQ(m_padre->m_eventos.back().valor, 2);
    // The focus elsewhere: it closes to its first option.
    m_arbol->MueveRaton(50, 650);
    m_arbol->Pasos(1);
    EXPECT_EQ(kit::Hijos(m_menu.get()), "DESPLEGABLE_BUT_Boton0");
    EXPECT_FLOAT_EQ(m_menu->Rect().alto, 30);
    EXPECT_EQ(m_menu->HijoEnfocado(), nullptr);
}
