// The book of sequence pages as its player uses it: pages turned by the
// buttons with and without wrapping, closing past the last page, the skip
// and pause buttons of the pages that describe them, presses that close the
// book or turn its pages, and a page table that refuses what it cannot hold.
#include "engine/sequences/Secuencia.h"
#include "engine/ui/Buto.h"
#include "engine/ui/MenuSecuenciable.h"
#include "kit/ServeisFitxers.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class MenuSecuenciable : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        m_carpeta = mgtest::CarpetaNova("secuenciable-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        // Page 0: nothing but its end; page 1: a skip button; page 2: a pause
        // point at frame 5 with its button.
        m_aPaginas = {Escribe("p0.sec", "FIN = 40;"),
                      Escribe("p1.sec", "FIN = 40; SETBOTONPASAR = 0, 0, 800, 40, 180, 50, 1, \"MS02\";"),
                      Escribe("p2.sec", "FIN = 40; BOTONPAUSA = 0, 5; SETBOTONPAUSA = 0, 0, 800, 120, 180, 50, 1, \"MS02\";")};
    }
    void TearDown() override
    {
        if (m_libro.Padre()) Raiz()->QuitaHijo(false, &m_libro);
        m_arbol->Pasos(2);
        EntornoTexto::TearDown();
    }
    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_carpeta / nombre, contenido);
        return (m_carpeta / nombre).string();
    }
    // The book with its three pages, opened on the root.
    void Abre(int iFlags)
    {
        ASSERT_TRUE(m_libro.Crea(iFlags, uitest::kFuenteTexto, CodigoFLI("MS03"), CodigoFLI("MS02"), CodigoFLI("MS01"),
                                 nullptr, nullptr, nullptr));
        for (const std::string& p : m_aPaginas) ASSERT_TRUE(m_libro.AgregaPagina(p.c_str()));
        Raiz()->AnadeHijo(true, &m_libro, false, false);
        m_arbol->Pasos(2);
        ASSERT_EQ(m_libro.Padre(), Raiz());
    }
    bool Abierto() const { return kit::Hijos(m_arbol->Raiz()).find("GEN_MenuSecuenciable") != std::string::npos; }
    // A click on the centre of a child, then a step.
    void Pulsa(CMenuObj* p)
    {
        ASSERT_NE(p, nullptr);
        const Rectangulo& r = p->Rect();
        m_arbol->Clic(r.x + r.ancho / 2, r.y + r.alto / 2);
        m_arbol->Pasos(1);
    }

    std::filesystem::path m_carpeta;
    std::vector<std::string> m_aPaginas;
    CMenuSecuenciable m_libro;
};

} // namespace

TEST_F(MenuSecuenciable, ButtonsTurnThePagesByTheFlags)
{
    struct Caso {
        const char* nombre;
        int flags;
        std::vector<std::pair<char, int>> pasos; // '>' next, '<' previous; the page after it (-1: closed)
    };
    const std::vector<Caso> casos = {
        {"no wrap", 0x02, {{'>', 1}, {'>', 2}, {'>', 2}, {'<', 1}, {'<', 0}, {'<', 0}}},
        {"wrap", 0x02 | 0x08, {{'<', 2}, {'>', 0}, {'>', 1}, {'>', 2}, {'>', 0}}},
        {"close past the last", 0x02 | 0x10, {{'>', 1}, {'>', 2}, {'<', 1}, {'>', 2}, {'>', -1}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Abre(c.flags);
        EXPECT_EQ(m_libro.PaginaActual(), 0);
        EXPECT_EQ(m_libro.HijoEnfocado(), m_libro.m_pVolver);
        for (const auto& [tecla, pagina] : c.pasos) {
            m_arbol->Pasos(3);
            const CSecuencia* antes = m_libro.Secuencia();
            Pulsa(tecla == '>' ? m_libro.m_pSiguiente : m_libro.m_pAnterior);
            if (pagina < 0) {
                m_arbol->Pasos(2);
                EXPECT_FALSE(Abierto());
                break;
            }
            EXPECT_TRUE(Abierto());
            EXPECT_EQ(m_libro.PaginaActual(), pagina);
            // A page loaded again starts from its first frame.
            ASSERT_NE(m_libro.Secuencia(), nullptr);
            EXPECT_NE(m_libro.Secuencia(), antes);
            EXPECT_LE(m_libro.Secuencia()->Crono(), 1);
        }
        if (m_libro.Padre()) Raiz()->QuitaHijo(false, &m_libro);
        m_arbol->Pasos(2);
    }
    // The back button closes the book.
    Abre(0x02);
    Pulsa(m_libro.m_pVolver);
    m_arbol->Pasos(2);
    EXPECT_FALSE(Abierto());
}

TEST_F(MenuSecuenciable, PageButtonsComeWithTheirPages)
{
    Abre(0x02);
    // No skip button without its description.
    EXPECT_EQ(m_libro.BotonPasar(), nullptr);
    EXPECT_EQ(kit::Hijos(&m_libro).find(CMenuSecuenciable::kNombrePasar), std::string::npos);
    Pulsa(m_libro.m_pSiguiente);
    ASSERT_NE(m_libro.BotonPasar(), nullptr);
    EXPECT_NE(kit::Hijos(&m_libro).find(CMenuSecuenciable::kNombrePasar), std::string::npos);
    // Rebuilt twice in a row: the old ones go cleanly.
    ASSERT_TRUE(m_libro.CargaPagina(1));
    ASSERT_TRUE(m_libro.CargaPagina(1));
    EXPECT_EQ(kit::Hijos(&m_libro).find(CMenuSecuenciable::kNombrePasar),
              kit::Hijos(&m_libro).rfind(CMenuSecuenciable::kNombrePasar));
    m_arbol->Pasos(2);
    // The skip button goes on to the next page.
    Pulsa(m_libro.BotonPasar());
    EXPECT_EQ(m_libro.PaginaActual(), 2);
    EXPECT_EQ(m_libro.BotonPasar(), nullptr);

    // The pause button shows when the pause point is reached; the sequence
    // waits there until it is pressed, and then the button goes.
    ASSERT_NE(m_libro.BotonPausa(), nullptr);
    EXPECT_FALSE(m_libro.BotonPausaPuesto());
    m_arbol->Pasos(8);
    EXPECT_TRUE(m_libro.BotonPausaPuesto());
    EXPECT_TRUE(m_libro.Secuencia()->EstaPausada());
    const int crono = m_libro.Secuencia()->Crono();
    m_arbol->Pasos(5);
    EXPECT_EQ(m_libro.Secuencia()->Crono(), crono);
    Pulsa(m_libro.BotonPausa());
    m_arbol->Pasos(3);
    EXPECT_FALSE(m_libro.BotonPausaPuesto());
    EXPECT_EQ(kit::Hijos(&m_libro).find(CMenuSecuenciable::kNombrePausa), std::string::npos);
    EXPECT_GT(m_libro.Secuencia()->Crono(), crono);

    // A page that does not load leaves no sequence; the buttons still turn.
    m_libro.m_aPaginas[0] = (m_carpeta / "falta.sec").string();
    EXPECT_FALSE(m_libro.CargaPagina(0));
    EXPECT_EQ(m_libro.Secuencia(), nullptr);
    Pulsa(m_libro.m_pSiguiente);
    EXPECT_NE(m_libro.Secuencia(), nullptr);
}

TEST_F(MenuSecuenciable, PressesCloseOrTurnOnlyWhenPressed)
{
    // Any press turns the page, never reaching the buttons; releases do nothing.
    Abre(0x02 | 0x40);
    EXPECT_FALSE(m_libro.TrataBotonRaton(0, BOTON_IZQUIERDO_ARRIBA, 10, 10));
    m_arbol->Pasos(1);
    EXPECT_EQ(m_libro.PaginaActual(), 0);
    m_arbol->Clic(m_libro.m_pVolver->Rect().x + 5, m_libro.m_pVolver->Rect().y + 5);
    m_arbol->Pasos(1);
    EXPECT_EQ(m_libro.PaginaActual(), 1);
    EXPECT_TRUE(Abierto());
    EXPECT_FALSE(m_libro.TrataTecla(57));
    m_arbol->Pasos(1);
    EXPECT_EQ(m_libro.PaginaActual(), 2);
    Raiz()->QuitaHijo(false, &m_libro);
    m_arbol->Pasos(2);

    // Any press closes it; a release alone does not.
    Abre(0x20);
    EXPECT_TRUE(m_libro.TrataBotonRaton(0, BOTON_DERECHO_ARRIBA, 10, 10));
    m_arbol->Pasos(2);
    EXPECT_TRUE(Abierto());
    EXPECT_TRUE(m_libro.TrataBotonMando(nullptr, 3));
    m_arbol->Pasos(2);
    EXPECT_FALSE(Abierto());

    // A page reaching its end turns to the next one by itself.
    Abre(0x04);
    m_arbol->Pasos(41);
    EXPECT_EQ(m_libro.PaginaActual(), 1);
}

TEST_F(MenuSecuenciable, ThePageTableRefusesWhatItCannotHold)
{
    ASSERT_TRUE(m_libro.Crea(0, 0, -1, -1, -1, nullptr, nullptr, nullptr));
    EXPECT_EQ(m_libro.m_pVolver, nullptr); // no buttons without the flag
    EXPECT_FALSE(m_libro.AgregaPagina(nullptr));
    EXPECT_FALSE(m_libro.AgregaPagina(std::string(257, 'a').c_str()));
    EXPECT_TRUE(m_libro.AgregaPagina(std::string(256, 'a').c_str()));
    for (int i = 1; i < CMenuSecuenciable::kMaxPaginas; ++i) EXPECT_TRUE(m_libro.AgregaPagina("p.sec"));
    EXPECT_FALSE(m_libro.AgregaPagina("p.sec"));
    EXPECT_EQ(m_libro.NumPaginas(), 30);
    // Created again, the table starts empty; sequences that cannot load fail it.
    EXPECT_FALSE(m_libro.Crea(0x02, 0, -1, -1, -1, nullptr, (m_carpeta / "falta.sec").string().c_str(), nullptr));
    EXPECT_FALSE(m_libro.EstaCreado());
    ASSERT_TRUE(m_libro.Crea(0x02, 0, -1, -1, -1, "musica.ogg", m_aPaginas[0].c_str(), nullptr));
    EXPECT_EQ(m_libro.NumPaginas(), 0);
    EXPECT_STREQ(m_libro.Nombre(), "GEN_MenuSecuenciable");
    EXPECT_EQ(m_libro.m_pSiguiente->m_iId, CMenuSecuenciable::ID_SIGUIENTE);
    EXPECT_STREQ(m_libro.m_pSiguiente->Nombre(), "MENUSECUEN_BUT_Atras");
    EXPECT_EQ(m_libro.m_pVolver->Derecha(), m_libro.m_pSiguiente);
    EXPECT_EQ(m_libro.m_pSiguiente->Derecha(), m_libro.m_pAnterior);
    EXPECT_EQ(m_libro.m_pAnterior->Izquierda(), m_libro.m_pSiguiente);
}
