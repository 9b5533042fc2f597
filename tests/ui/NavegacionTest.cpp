// The folder list and the file browser over a scratch folder on disk.
#include "engine/ui/Buto.h"
#include "engine/ui/InputText.h"
#include "engine/ui/ListaNavegacion.h"
#include "engine/ui/LlistaText.h"
#include "engine/ui/PanelNavegacion.h"
#include "TextoEntorno.h"
#include "kit/ServeisFitxers.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

namespace fs = std::filesystem;
using kit::CObjetoArbol;

namespace {

class Navegacion : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        m_raiz = fs::absolute(mgtest::CarpetaNova("navegacion"));
        for (const char* d : {"zeta", "alfa", "Beta", "alfa/dentro"}) fs::create_directories(m_raiz / d);
        for (const char* f : {"uno.lvl", "dos.LVL", "tres.txt", "con espacios.lvl", "lvl", "alfa/cuatro.lvl"})
            mgtest::EscriuFitxer(m_raiz / f, "x");
        m_trabajo = plat::WorkingFolder();
        m_padre = m_arbol->Nuevo("padre", 1, 0, 0, 1024, 768, Raiz());
    }
    void TearDown() override
    {
        m_lista.reset();
        m_panel.reset();
        // Nothing here changes the process's working folder.
        EXPECT_EQ(plat::WorkingFolder(), m_trabajo);
        EntornoTexto::TearDown();
    }
    CListaNavegacion* Lista(const std::string& carpeta, int opciones = 0)
    {
        m_lista = std::make_unique<CListaNavegacion>();
        EXPECT_TRUE(m_lista->Inicia(100, 50, 300, 25, 100, 20, 10, 12, uitest::kFuenteTexto, -1, -1, 1.0f, 36, 4,
                                    "nav", m_raiz.c_str(), carpeta.c_str(), "lvl", opciones));
        m_padre->AnadeHijo(true, m_lista.get(), false, false);
        m_arbol->Pasos(1);
        return m_lista.get();
    }
    // The entries' texts in order.
    std::vector<std::string> Entradas()
    {
        m_arbol->Pasos(1);
        std::vector<std::string> v;
        CLlistaText* l = m_lista->Lista();
        for (int i = 0; i < l->NumeroEntradas(); ++i) v.push_back(l->Texto(i) ? l->Texto(i) : "");
        return v;
    }
    int Indice(const std::string& texto)
    {
        std::vector<std::string> v = Entradas();
        auto it = std::find(v.begin(), v.end(), texto);
        return it == v.end() ? -1 : int(it - v.begin());
    }
    void Clic(const CMenuObj* p) { m_arbol->Clic(p->Rect().x + p->Rect().ancho / 2, p->Rect().y + p->Rect().alto / 2); }

    fs::path m_raiz;
    std::string m_trabajo;
    CObjetoArbol* m_padre = nullptr;
    std::unique_ptr<CListaNavegacion> m_lista;
    std::unique_ptr<CPanelNavegacion> m_panel;
};

} // namespace

// Folders first, sorted, as "(D)name"; then the files of the extension (any
// case), a name with spaces among them; never ".." at the root.
TEST_F(Navegacion, FoldersThenFilesOfTheExtension)
{
    CListaNavegacion* l = Lista(m_raiz.string());
    std::vector<std::string> v = Entradas();
    ASSERT_GE(v.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(v.begin(), v.begin() + 3),
              (std::vector<std::string>{"(D)Beta", "(D)alfa", "(D)zeta"}));
    EXPECT_EQ(std::set<std::string>(v.begin() + 3, v.end()),
              (std::set<std::string>{"uno.lvl", "dos.LVL", "con espacios.lvl"}));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(l->EsCarpeta(i));
    EXPECT_FALSE(l->EsCarpeta(3));
    // ".." at the root leaves the list where it is, by key or by name.
    EXPECT_FALSE(l->CambiaCarpeta(".."));
    m_arbol->Tecla(CListaNavegacion::kTeclaRetroceso);
    EXPECT_EQ(l->Carpeta(), m_raiz.string());
    EXPECT_FALSE(l->CambiaCarpeta("../navegacion/alfa/../../otra"));
    EXPECT_FALSE(l->CambiaCarpeta("uno.lvl")); // not a folder
    // A new filter.
    l->PonFiltro("txt");
    v = Entradas();
    EXPECT_EQ(std::set<std::string>(v.begin() + 3, v.end()), (std::set<std::string>{"tres.txt"}));
}

// Choosing a folder enters it and tells nothing; choosing a file tells the
// parent. The entry's own value decides, not its row.
TEST_F(Navegacion, ChoosingEntriesEntersFolders)
{
    // Enough files for one at index 16 (bit 0x10 of the index set).
    for (int i = 0; i < 20; ++i) mgtest::EscriuFitxer(m_raiz / ("f" + std::to_string(100 + i) + ".lvl"), "x");
    CListaNavegacion* l = Lista(m_raiz.string());
    ASSERT_GT(l->Lista()->NumeroEntradas(), 16);
    ASSERT_FALSE(l->EsCarpeta(16));
    const std::string fichero16 = l->TextoElemento(16);
    l->EnviaEvento(EVENTO_ELEMENTO_ELEGIDO, 16, fichero16.c_str(), 0);
    EXPECT_EQ(l->Carpeta(), m_raiz.string());
    ASSERT_FALSE(m_padre->m_eventos.empty());
    EXPECT_EQ(m_padre->m_eventos.back().tipo, EVENTO_ELEMENTO_ELEGIDO);
    EXPECT_EQ(m_padre->m_eventos.back().texto, fichero16);
    size_t n = m_padre->m_eventos.size();
    // The folder "alfa" at row 1 of the first page, chosen with the mouse.
    ASSERT_EQ(Indice("(D)alfa"), 1);
    Clic(l->Lista()->m_apFilas[1]);
    EXPECT_EQ(l->Carpeta(), (m_raiz / "alfa").string());
    EXPECT_EQ(m_padre->m_eventos.size(), n);
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"(D)..", "(D)dentro", "cuatro.lvl"}));
    Clic(l->Lista()->m_apFilas[0]); // back up
    EXPECT_EQ(l->Carpeta(), m_raiz.string());
}

TEST_F(Navegacion, MarksByKeyAndByPattern)
{
    CListaNavegacion* l = Lista(m_raiz.string(), CListaNavegacion::OPCION_MARCAS | CListaNavegacion::OPCION_SIN_CARPETAS);
    const int iUno = Indice("uno.lvl");
    Clic(l->Lista()->m_apFilas[size_t(iUno)]);
    m_arbol->Tecla(CListaNavegacion::kTeclaEspacio);
    EXPECT_TRUE(l->EstaMarcado(iUno));
    // Into a folder and back: new entries, no marks.
    Clic(l->Lista()->m_apFilas[0]);
    l->CambiaCarpeta("..");
    m_arbol->Pasos(1);
    EXPECT_EQ(l->NumeroMarcados(), 0);
    l->MarcaPorPatron(".*\\.lvl", true); // whole names, any case of the letters written
    EXPECT_EQ(l->NumeroMarcados(), 2);
    l->MarcaPorPatron("(?i).*", true); // not ECMAScript: marks nothing
    EXPECT_EQ(l->NumeroMarcados(), 2);
    l->MarcaPorPatron("[a-z ]+\\.(lvl|LVL)", true);
    EXPECT_EQ(l->NumeroMarcados(), 3);
    EXPECT_FALSE(l->EstaMarcado(Indice("(D)alfa"))); // folders are not marked with option 2
    l->MarcaPorPatron("uno.*", false);
    EXPECT_EQ(l->NumeroMarcados(), 2);
    std::set<std::string> marcados;
    for (int k = 0; k < l->NumeroMarcados(); ++k) marcados.insert(l->TextoMarcado(k));
    EXPECT_EQ(marcados, (std::set<std::string>{"dos.LVL", "con espacios.lvl"}));
}

TEST(NombreAceptado, ExtensionAndNamesThatStayInTheFolder)
{
    struct Cas {
        const char* nombre;
        const char* ext;
        const char* resultado; // null: refused
    } casos[] = {
        {"nivel", "lvl", "nivel.lvl"},
        {"nivel.lvl", "lvl", "nivel.lvl"},
        {"NIVEL.LVL", "lvl", "NIVEL.LVL"},
        {"nivel.txt", "lvl", "nivel.txt.lvl"},
        {"nivel", "", "nivel"},
        {"a;b.lvl", "lvl", "a.lvl;b.lvl"},
        {"", "lvl", nullptr},
        {"..", "lvl", nullptr},
        {".", "lvl", nullptr},
        {"../fuera", "lvl", nullptr},
        {"sub\\x", "lvl", nullptr},
        {"/etc/passwd", "", nullptr},
        {"a;;b", "lvl", nullptr},
    };
    for (const Cas& c : casos) {
        std::string r;
        bool ok = CPanelNavegacion::NombreAceptado(c.nombre, c.ext, &r);
        EXPECT_EQ(ok, c.resultado != nullptr) << c.nombre;
        if (ok && c.resultado) {
            EXPECT_EQ(r, c.resultado) << c.nombre;
        }
    }
}

// The file browser as a player drives it: a file chosen in the list comes
// back with its name; a typed name gets the extension; a folder typed is
// entered; marked files come as one text; cancelling closes it.
TEST_F(Navegacion, FileBrowserFromTheListToAChosenFile)
{
    for (int i = 0; i < 30; ++i) mgtest::EscriuFitxer(m_raiz / ("largo_nombre_de_nivel_" + std::to_string(i) + ".lvl"), "x");
    m_panel = std::make_unique<CPanelNavegacion>();
    ASSERT_TRUE(m_panel->Inicia(uitest::kFuenteTexto, 1.0f, m_raiz.c_str(), m_raiz.c_str(), "lvl",
                                CPanelNavegacion::FLAG_MARCAS | CPanelNavegacion::FLAG_ESPACIO, 6, "panel"));
    EXPECT_EQ(kit::Hijos(m_panel.get()),
              "PANELNAV_Filtro,PANELNAV_Texto,PANELNAV_ButCancelar,PANELNAV_ButAceptar,PANELNAV_ListaNavegacion,"
              "GEN_QuadreText");
    EXPECT_EQ(m_panel->m_pAceptar->Abajo(), m_panel->m_pCancelar);
    EXPECT_EQ(m_panel->m_pFiltro->Arriba(), m_panel->m_pTexto);
    EXPECT_EQ(m_panel->m_pTexto->Izquierda(), m_panel->m_pLista);
    m_padre->AnadeHijo(true, m_panel.get(), false, false);
    m_arbol->Pasos(2);
    CLlistaText* l = m_panel->m_pLista->Lista();
    auto elegidos = [&] {
        std::vector<std::string> v;
        for (const kit::EventoRecibido& e : m_padre->m_eventos)
            if (e.tipo == EVENTO_FICHERO_ELEGIDO) v.push_back(e.texto);
        return v;
    };
    auto indice = [&](const std::string& t) {
        for (int i = 0; i < l->NumeroEntradas(); ++i)
            if (l->Texto(i) && t == l->Texto(i)) return i;
        return -1;
    };
    // A file chosen with the mouse, the pages turned with the keys until it
    // shows.
    const int iUno = indice("uno.lvl");
    ASSERT_GE(iUno, 0);
    for (int k = 0; k < 5 && iUno >= l->Primera() + l->NumeroFilas(); ++k) {
        m_arbol->Tecla(CLlistaText::kTeclaAvPag);
        m_arbol->Pasos(1);
    }
    const int fila = iUno - l->Primera();
    ASSERT_GE(fila, 0);
    ASSERT_LT(fila, l->NumeroFilas());
    Clic(l->m_apFilas[size_t(fila)]);
    EXPECT_EQ(elegidos(), (std::vector<std::string>{"uno.lvl"}));
    EXPECT_STREQ(m_panel->Texto(), "uno.lvl");
    // A name typed into the field, then Enter: the extension is added.
    Clic(m_panel->m_pTexto);
    m_panel->m_pTexto->PonTexto("");
    for (char c : std::string("nivel")) m_arbol->Caracter(c);
    m_arbol->Caracter(CInputText::kAceptar);
    m_arbol->Pasos(1);
    EXPECT_EQ(elegidos().back(), "nivel.lvl");
    // A name leading out of the folder is refused; a folder is entered.
    m_panel->m_pTexto->PonTexto("../fuera");
    Clic(m_panel->m_pAceptar);
    EXPECT_EQ(elegidos().size(), 2u);
    m_panel->m_pTexto->PonTexto("alfa");
    Clic(m_panel->m_pAceptar);
    EXPECT_EQ(elegidos().size(), 2u);
    EXPECT_STREQ(m_panel->Carpeta(), (m_raiz / "alfa").c_str());
    // Two files marked, a third chosen: one text with all three.
    m_panel->m_pLista->CambiaCarpeta("..");
    m_arbol->Pasos(1);
    m_panel->m_pLista->MarcaPorPatron("largo_nombre_de_nivel_(1|2)\\.lvl", true);
    ASSERT_EQ(m_panel->m_pLista->NumeroMarcados(), 2);
    m_panel->EnviaEvento(EVENTO_ELEMENTO_ELEGIDO, indice("dos.LVL"), "dos.LVL", CPanelNavegacion::kIdLista);
    std::string todos = elegidos().back();
    EXPECT_EQ(todos.size(), std::string("dos.LVL;largo_nombre_de_nivel_1.lvl;largo_nombre_de_nivel_2.lvl").size());
    EXPECT_EQ(todos.substr(0, 8), "dos.LVL;");
    // Cancel: told, and the dialog goes.
    Clic(m_panel->m_pCancelar);
    EXPECT_EQ(m_padre->m_eventos.back().tipo, EVENTO_NAVEGACION_CANCELADA);
    m_arbol->Pasos(1);
    EXPECT_EQ(kit::Hijos(m_padre), "");
}
