// Object files and the widget factory; the layout editor.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Arrastrable.h"
#include "engine/ui/ArrayButtons.h"
#include "engine/ui/Buto.h"
#include "engine/ui/ButoMultiOpcion.h"
#include "engine/ui/CirculoSprites.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/FabricaMenuObj.h"
#include "engine/ui/FondoScroll.h"
#include "engine/ui/Imagen3DRotable.h"
#include "engine/ui/ImagenScrollable.h"
#include "engine/ui/InputText.h"
#include "engine/ui/ListaNavegacion.h"
#include "engine/ui/LlistaText.h"
#include "engine/ui/MenuDesplegable.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "engine/ui/MenuSecuenciable.h"
#include "engine/ui/MessageBox.h"
#include "engine/ui/PanelNavegacion.h"
#include "engine/ui/QuadreGrafic.h"
#include "kit/ArbolMenus.h"
#include "kit/ServeisFitxers.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>


namespace {

// An object file read from text: its first record current.
struct Fichero {
    explicit Fichero(const std::filesystem::path& ruta, const std::string& texto)
    {
        mgtest::EscriuFitxer(ruta, texto);
        f = g_pGestorComandes->ObreLectura(ruta.string().c_str());
    }
    ~Fichero()
    {
        if (f) g_pGestorComandes->Tanca(f);
    }
    FitxerComandes* f = nullptr;
};

struct Borrador {
    void operator()(CMenuObj* p) const { CFabricaMenuObj::BorraArbol(p); }
};
using Arbol = std::unique_ptr<CMenuObj, Borrador>;

class Objetos : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_carpeta = mgtest::CarpetaNova("objetos");
        m_serveis = std::make_unique<mgtest::ServeisFitxers>(m_carpeta.string());
        ASSERT_TRUE(m_serveis->Correcte());
    }
    Arbol Lee(const std::string& texto)
    {
        Fichero fi(m_carpeta / "lee.txt", texto);
        EXPECT_NE(fi.f, nullptr);
        return Arbol(fi.f ? CFabricaMenuObj::LeeClaseMenuObj(fi.f) : nullptr);
    }
    std::string Escribe(CMenuObj* p, const char* tipo)
    {
        const std::string ruta = (m_carpeta / "escribe.txt").string();
        FitxerComandes* f = g_pGestorComandes->ObreEscriptura(ruta.c_str());
        EXPECT_NE(f, nullptr);
        p->EscribeClase(f, tipo);
        EXPECT_TRUE(g_pGestorComandes->Tanca(f));
        return mgtest::LlegeixFitxer(ruta);
    }

    std::filesystem::path m_carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> m_serveis;
};

const std::string kBase = "\"CMENUOBJPAR_V001\", 7, \"obj\", 10.000, 20.000, 30.000, 40.000, -1, -1, 1, 0, "
                          "\"\", \"\", \"\", \"\"";

} // namespace

// Every kind makes its own class, exactly by name; the sequence hosts wait
// for their makers.
TEST(Fabrica, KindsInTheirOrder)
{
    struct Cas {
        const char* tipo;
        const std::type_info* clase; // null: nothing made
    } casos[] = {
        {"ARRASTRABLE", &typeid(CArrastrable)},
        {"ARRAY_BUTTONS", &typeid(CArrayButtons)},
        {"BUTO_MULTI_OPCION", &typeid(CButoMultiOpcion)},
        {"BUTO", &typeid(CButo)},
        {"CUADRETEXT", &typeid(CCuadreText)},
        {"FONDO_SCROLL", &typeid(CFondoScroll)},
        {"INPUT_TEXT", &typeid(CInputText)},
        {"LLISTA_TEXT", &typeid(CLlistaText)},
        {"MENU_DESPLEGABLE", &typeid(CMenuDesplegable)},
        {"QUADRE_GRAFIC", &typeid(CQuadreGrafic)},
        {"LISTA_NAVEGACION", &typeid(CListaNavegacion)},
        {"PANEL_NAVEGACION", &typeid(CPanelNavegacion)},
        {"CIRCULO_SPRITES", &typeid(CCirculoSprites)},
        {"IMAGEN_3D_ROTABLE", &typeid(CImagen3DRotable)},
        {"IMAGEN_SCROLLABLE", &typeid(CImagenScrollable)},
        {"MENU_JAPSECUENCIA", &typeid(CMenuJapSecuencia)},
        {"MENU_SECUENCIABLE", &typeid(CMenuSecuenciable)},
        {"MESSAGE_BOX", &typeid(CMessageBox)},
        {"buto", nullptr},
        {"SCROLL_BAR", nullptr},
        {"", nullptr},
    };
    CFabricaMenuObj fabrica;
    EXPECT_TRUE(fabrica.Inicia());
    for (const Cas& c : casos) {
        std::unique_ptr<CMenuObj> p(CFabricaMenuObj::CreaMenuObjPorTipo(c.tipo));
        if (!c.clase) {
            EXPECT_EQ(p, nullptr) << c.tipo;
            continue;
        }
        ASSERT_NE(p, nullptr) << c.tipo;
        EXPECT_EQ(typeid(*p), *c.clase) << c.tipo;
        EXPECT_FALSE(p->EstaIniciado()); // constructed, not initialised
        EXPECT_STREQ(TipoMenuObj(p.get()), c.tipo);
    }
    EXPECT_EQ(CFabricaMenuObj::CreaMenuObjPorTipo(nullptr), nullptr);
    fabrica.Libera();
    EXPECT_FALSE(fabrica.EstaIniciado());
}

// A tree written and read back gives the same parameters, level by level,
// and its children in their order.
TEST_F(Objetos, TreeRoundTrip)
{
    auto* raiz = new CButo;
    ASSERT_TRUE(raiz->IniciaConTexto(12.125f, 30, 200.5f, 40, -1, 1, "Hola, \"mundo\"", 0.75f, 73, 3, "MENU_BUT_Raiz"));
    raiz->PonFrameIcono(2);
    raiz->PonVisible(false);
    auto* pomo = new CArrastrable;
    ASSERT_TRUE(pomo->Inicia(50, 60, 20, 20, 40, 60, 300, 60, -1, 4, "MENU_Pomo"));
    auto* id = new CButo;
    ASSERT_TRUE(id->IniciaConIdTexto(1, 2, 3, 4, -1, 0, CodigoFLI(motor::texto::ACEPTAR), 1.0f, 36, 5, "MENU_BUT_Id"));
    id->PonMarcado(true);
    auto* nieto = new CButo;
    ASSERT_TRUE(nieto->Inicia(7, 8, 9, 10, -1, 6, "MENU_BUT_Nieto"));
    id->AnadeHijo(false, nieto, false, false);
    raiz->AnadeHijo(false, pomo, false, false);
    raiz->AnadeHijo(false, id, false, false);
    Arbol original(raiz);

    const std::string texto = Escribe(raiz, "BUTO");
    EXPECT_NE(texto.find("PARAMS = \"CMENUOBJPAR_V001\",3,\"MENU_BUT_Raiz\",12.125,30.000,200.500,40.000,-1,2,0,0,"
                         "\"\",\"\",\"\",\"\",\"CBUTO_PAR_V0001\",-1,1,\"Hola, mundo\",0.750,73;"),
              std::string::npos)
        << texto;
    Arbol leido = Lee(texto);
    ASSERT_NE(leido, nullptr);
    ASSERT_TRUE(leido->EstaIniciado());
    EXPECT_EQ(texto, Escribe(leido.get(), "BUTO")); // read back whole
    EXPECT_EQ(kit::Hijos(leido.get()), "MENU_BUT_Id,MENU_Pomo");
    auto* b = dynamic_cast<CButo*>(leido.get());
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b->m_szTexto, "Hola, mundo");
    EXPECT_FLOAT_EQ(b->m_fEscala, 0.75f);
    EXPECT_FALSE(b->m_bVisible);
    auto* p = dynamic_cast<CArrastrable*>(static_cast<CMenuObj*>(leido->m_lHijos.m_pCola->m_pItem));
    ASSERT_NE(p, nullptr);
    EXPECT_FLOAT_EQ(p->m_fXMax, 300);
    CMenuObj* h = static_cast<CMenuObj*>(leido->m_lHijos.m_pCabeza->m_pItem);
    EXPECT_EQ(kit::Hijos(h), "MENU_BUT_Nieto");
    EXPECT_TRUE(h->m_bMarcado);
}

// Children that fail are left out and the reading goes on; an object whose
// parameters fail comes back as nothing; nothing leaks (the sanitizer build
// watches).
TEST_F(Objetos, ReaderLeavesOutWhatFails)
{
    const std::string hijoBien = "CLASE = \"BUTO\";\nPARAMS = " + kBase +
                                 ", \"CBUTO_PAR_V0001\", -1, 0, \"b\", 1.0, 0;\nFINCLASE = 1;\n";
    struct Cas {
        const char* nom;
        std::string texto;
        bool bObjeto, bIniciado;
        std::string hijos;
    } casos[] = {
        {"a whole object", "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\n" + hijoBien + "FINCLASE = 1;\n", true,
         true, "obj"},
        {"a child of an unknown kind, with children of its own",
         "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\nCLASE = \"NADA\";\nPARAMS = " + kBase + ";\n" + hijoBien +
             "FINCLASE = 1;\n" + hijoBien + "FINCLASE = 1;\n",
         true, true, "obj"},
        {"a child whose parameters fail",
         "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\nCLASE = \"BUTO\";\nPARAMS = " + kBase +
             ", \"CBUTO_PAR_V9999\";\n" + hijoBien + "FINCLASE = 1;\n" + hijoBien + "FINCLASE = 1;\n",
         true, true, "obj"},
        {"a child without parameters", "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase +
                                           ";\nCLASE = \"BUTO\";\nFINCLASE = 1;\n" + hijoBien + "FINCLASE = 1;\n",
         true, true, "obj"},
        {"a grid: no parameters of its own", "CLASE = \"QUADRE_GRAFIC\";\nPARAMS = " + kBase +
                                                  ";\nCLASE = \"ARRAY_BUTTONS\";\nPARAMS = " + kBase +
                                                  ";\nFINCLASE = 1;\nFINCLASE = 1;\n",
         true, true, ""},
        {"parameters that fail, with children", "CLASE = \"ARRASTRABLE\";\nPARAMS = " + kBase + ", \"OTRA\";\n" +
                                                     hijoBien + "FINCLASE = 1;\n",
         false, false, ""},
        {"no parameters", "CLASE = \"BUTO\";\nFINCLASE = 1;\n", true, false, ""},
        {"an unknown kind", "CLASE = \"NADA\";\nPARAMS = " + kBase + ";\n" + hijoBien + "FINCLASE = 1;\n", false,
         false, ""},
        {"not a CLASE record", "PARAMS = " + kBase + ";\n", false, false, ""},
        {"cut short", "CLASE = \"BUTO\";\nPARAMS = " + kBase + ", \"CBUTO_PAR_V0001\", -1;\n" + hijoBien, true, true,
         "obj"},
        // A screen waits in its parent's list of children to attach (it is
        // attached once the parent has closed): deleting the tree deletes it
        // too, also when a later child fails or the screen holds a screen.
        {"a screen child, then a child that fails",
         "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\nCLASE = \"MENU_JAPSECUENCIA\";\nPARAMS = " + kBase +
             ";\nFINCLASE = 1;\nCLASE = \"BUTO\";\nPARAMS = " + kBase + ", \"CBUTO_PAR_V9999\";\nFINCLASE = 1;\n" +
             hijoBien + "FINCLASE = 1;\n",
         true, true, "obj"},
        {"a screen holding a screen, in a child that fails",
         "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\nCLASE = \"NADA\";\nCLASE = \"MENU_SECUENCIABLE\";\nPARAMS = " +
             kBase + ";\nCLASE = \"MENU_JAPSECUENCIA\";\nPARAMS = " + kBase +
             ";\nFINCLASE = 1;\nFINCLASE = 1;\nFINCLASE = 1;\nFINCLASE = 1;\n",
         true, true, ""},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        Arbol a = Lee(c.texto);
        EXPECT_EQ(a != nullptr, c.bObjeto);
        if (!a) continue;
        EXPECT_EQ(a->EstaIniciado(), c.bIniciado);
        EXPECT_EQ(kit::Hijos(a.get()), c.hijos);
    }
    // Nested beyond reason: read past, not a stack overflow.
    std::string hondo;
    for (int i = 0; i < 5000; ++i) hondo += "CLASE = \"CUADRETEXT\";\nPARAMS = " + kBase + ";\n";
    Arbol a = Lee(hondo);
    ASSERT_NE(a, nullptr);
}

class Editor : public uitest::EntornoGrafico {
protected:
    kit::CObjetoArbol* Objeto(float x, float y, float w, float h)
    {
        auto* o = m_arbol->Nuevo("editado", 5, x, y, w, h, m_arbol->Raiz());
        o->CargaRecursos();
        return o;
    }
};

// Handles at the corners, or 14 points either side of the centre of a short
// side; the first within 14 points wins.
TEST_F(Editor, HandlesAndHitTest)
{
    auto* o = Objeto(100, 200, 20, 60);
    o->CalculaAsas();
    EXPECT_FLOAT_EQ(o->AsaX(0), 96);
    EXPECT_FLOAT_EQ(o->AsaX(3), 96);
    EXPECT_FLOAT_EQ(o->AsaX(1), 124);
    EXPECT_FLOAT_EQ(o->AsaX(2), 124);
    EXPECT_FLOAT_EQ(o->AsaY(0), 200);
    EXPECT_FLOAT_EQ(o->AsaY(2), 200);
    EXPECT_FLOAT_EQ(o->AsaY(1), 260);
    EXPECT_FLOAT_EQ(o->AsaY(3), 260);
    struct Cas {
        float x, y;
        int asa;
    } casos[] = {{96, 200, 0}, {105, 209, 0}, {106, 210, 5}, {124, 260, 1}, {124, 201, 2}, {90, 255, 3}, {110, 230, 5}};
    for (const Cas& c : casos) EXPECT_EQ(o->AsaEnPunto(c.x, c.y), c.asa) << c.x << "," << c.y;
    EXPECT_EQ(o->AsaX(9), 0.0f);
}

// In edit mode, dragging the top-left handle moves the object and the
// bottom-right one resizes it, never below one point; outside edit mode
// the normal dispatch gets every input.
TEST_F(Editor, MoveResizeAndPassOn)
{
    auto* o = Objeto(100, 100, 200, 100);
    auto* hijo = m_arbol->Nuevo("hijo", 6, 150, 130, 40, 40, o);
    hijo->CargaRecursos();
    m_arbol->Log();
    // Outside edit mode: the object gets the press itself.
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 100, 100);
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ARRIBA, 100, 100);
    EXPECT_FALSE(m_arbol->Log().empty());
    o->EntraEdicion();
    EXPECT_TRUE(o->EnEdicion());
    // Move by the top-left handle.
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 102, 98);
    EXPECT_EQ(o->AsaElegida(), 0);
    m_arbol->MueveRaton(400, 300);
    EXPECT_FLOAT_EQ(o->Rect().x, 400);
    EXPECT_FLOAT_EQ(o->Rect().y, 300);
    EXPECT_FLOAT_EQ(o->Rect().ancho, 200);
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ARRIBA, 400, 300);
    EXPECT_EQ(o->AsaElegida(), 5);
    m_arbol->MueveRaton(10, 10); // deselected: nothing moves
    EXPECT_FLOAT_EQ(o->Rect().x, 400);
    // Resize by the bottom-right handle, past the left edge: width 1.
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 600, 400);
    EXPECT_EQ(o->AsaElegida(), 1);
    m_arbol->MueveRaton(450, 350);
    EXPECT_FLOAT_EQ(o->Rect().ancho, 50);
    EXPECT_FLOAT_EQ(o->Rect().alto, 50);
    m_arbol->MueveRaton(300, 250);
    EXPECT_FLOAT_EQ(o->Rect().ancho, 1);
    EXPECT_FLOAT_EQ(o->Rect().alto, 1);
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ARRIBA, 300, 250);
    // The other corners take a press without effect; the right button too.
    o->PonRect(100, 100, 200, 100);
    m_arbol->Log();
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 300, 100);
    EXPECT_EQ(o->AsaElegida(), 5);
    m_arbol->BotonRaton(BOTON_DERECHO_ABAJO, 200, 150);
    EXPECT_TRUE(m_arbol->Log().empty());
    // A press off every handle reaches the child's editor, then the object.
    hijo->EntraEdicion();
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 150, 130);
    EXPECT_EQ(hijo->AsaElegida(), 0);
    m_arbol->MueveRaton(160, 140);
    EXPECT_FLOAT_EQ(hijo->Rect().x, 160);
    EXPECT_FLOAT_EQ(o->Rect().x, 100);
    m_arbol->BotonRaton(BOTON_IZQUIERDO_ARRIBA, 160, 140);
    hijo->SaleEdicion();
    o->SaleEdicion();
    m_arbol->Log();
    m_arbol->Tecla(TECLA_ENTER);
    EXPECT_FALSE(m_arbol->Log().empty());
}

// In edit mode the four handle icons show at the handles, over the object.
TEST_F(Editor, HandleIconsDrawn)
{
    auto* o = Objeto(300, 300, 200, 100);
    ASSERT_NE(o->m_edicion.m_pIconos, nullptr);
    g_pSistema2D->CarregaBitmapsEnUs();
    Fondo(0, 0, 0);
    o->DibujaEditor(nullptr, nullptr);
    EXPECT_EQ(En(300, 300).r, 0); // not in edit mode: nothing
    o->EntraEdicion();
    Fondo(0, 0, 0);
    o->DibujaEditor(nullptr, nullptr);
    // Something drawn round each handle.
    for (int i = 0; i < 4; ++i) {
        int vivos = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx) {
                auto p = En(int(o->AsaX(i)) + dx, int(o->AsaY(i)) + dy);
                if (p.r + p.g + p.b > 60) ++vivos;
            }
        EXPECT_GT(vivos, 40) << i;
    }
    EXPECT_EQ(En(400, 350).r, 0);
}
