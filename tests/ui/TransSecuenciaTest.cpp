// The sequence transition as the child of a parent that opens and closes:
// how long each sequence holds the parent, a closing-only transition, an
// opening that interrupts the closing, and sequences that would never let
// their parent go.
#include "engine/sequences/Secuencia.h"
#include "engine/ui/TransSecuencia.h"
#include "kit/ArbolMenus.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

// A tree, the file services over a folder of the test's own, and a parent
// whose own transition ends at once (only the sequence transition holds it).
class TransSecuencia : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_servicios->Correcte());
        m_padre = m_arbol.Nuevo("padre", 1, 0, 0, 1024, 768, nullptr, kit::OBJ_TRANSICION);
        m_padre->m_iPasosTransicion = 0;
        Escribe("abre.sec", "FIN = 12;");
        Escribe("cierra.sec", "FIN = 20;");
    }
    void TearDown() override
    {
        if (m_trans.EstaIniciado()) m_padre->QuitaHijo(false, &m_trans);
    }
    void Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_raiz / nombre, contenido);
    }
    void Monta(const char* szEntrada, const char* szSalida)
    {
        ASSERT_TRUE(m_trans.Inicia(szEntrada, szSalida));
        m_padre->AnadeHijo(false, &m_trans, false, false);
        m_arbol.Raiz()->AnadeHijo(false, m_padre, false, false);
    }
    // Updates while the parent is in transition (at most 1000).
    int PasosAbriendo()
    {
        int n = 0;
        while (m_padre->EnTransicion() && n < 1000) {
            m_arbol.Pasos(1);
            ++n;
        }
        return n;
    }
    // Updates until the removed parent has left the root.
    int PasosHastaQuitado()
    {
        int n = 0;
        while (kit::Hijos(m_arbol.Raiz()).find("padre") != std::string::npos && n < 1000) {
            m_arbol.Pasos(1);
            ++n;
        }
        return n;
    }

    std::filesystem::path m_raiz =
        mgtest::CarpetaNova("trans-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::unique_ptr<mgtest::ServeisFitxers> m_servicios = std::make_unique<mgtest::ServeisFitxers>(m_raiz.string());
    CArbolPrueba m_arbol;
    CObjetoArbol* m_padre = nullptr;
    CTransSecuencia m_trans;
};

} // namespace

TEST_F(TransSecuencia, DefaultsAndSequencesThatCannotServe)
{
    ASSERT_TRUE(m_trans.Inicia(nullptr, ""));
    EXPECT_STREQ(m_trans.Nombre(), "GEN_TRansSecuencia");
    EXPECT_EQ(m_trans.m_iId, -1);
    EXPECT_EQ(m_trans.m_iEstilo, -1);
    EXPECT_EQ(m_trans.Rect().ancho, 1024);
    EXPECT_EQ(m_trans.Rect().alto, 768);
    EXPECT_FALSE(m_trans.Contiene(10, 10));
    EXPECT_EQ(m_trans.SecuenciaEntrada(), nullptr);
    EXPECT_EQ(m_trans.SecuenciaSalida(), nullptr);
    m_trans.IniciaTransicion(true);
    EXPECT_FALSE(m_trans.EnTransicion());

    // A missing file, or one without an end frame, fails the whole.
    Escribe("sinfin.sec", "OBJETOEXTREMO = 0;");
    EXPECT_FALSE(m_trans.Inicia("abre.sec", "no-existe.sec"));
    EXPECT_FALSE(m_trans.EstaCreado());
    EXPECT_FALSE(m_trans.Inicia("sinfin.sec", nullptr));
    EXPECT_FALSE(m_trans.EstaIniciado());
    ASSERT_TRUE(m_trans.Inicia("abre.sec", "cierra.sec"));
    EXPECT_EQ(m_trans.SecuenciaSalida()->FrameFin(), 20);
}

TEST_F(TransSecuencia, EachSequenceHoldsTheParentUntilItsEndFrame)
{
    Monta("abre.sec", "cierra.sec");
    EXPECT_EQ(m_trans.Estado(), CTransSecuencia::ESTADO_ENTRADA);
    EXPECT_EQ(PasosAbriendo(), 12);
    m_arbol.Pasos(3);
    m_arbol.Raiz()->QuitaHijo(false, m_padre);
    EXPECT_EQ(m_trans.Estado(), CTransSecuencia::ESTADO_SALIDA);
    EXPECT_EQ(PasosHastaQuitado(), 20);
    // Opened again, the opening plays from its first frame.
    m_arbol.Raiz()->AnadeHijo(false, m_padre, false, false);
    EXPECT_EQ(m_trans.SecuenciaEntrada()->Crono(), 0);
    EXPECT_EQ(PasosAbriendo(), 12);
}

TEST_F(TransSecuencia, ClosingOnlyLetsTheParentOpenAtOnce)
{
    Monta(nullptr, "cierra.sec");
    EXPECT_FALSE(m_padre->EnTransicion());
    m_arbol.Raiz()->QuitaHijo(false, m_padre);
    EXPECT_EQ(PasosHastaQuitado(), 20);
}

TEST_F(TransSecuencia, OpeningDuringTheClosingRestartsTheOpening)
{
    Monta("abre.sec", "cierra.sec");
    PasosAbriendo();
    m_arbol.Raiz()->QuitaHijo(false, m_padre);
    m_arbol.Pasos(5);
    EXPECT_EQ(m_trans.SecuenciaSalida()->Crono(), 5);
    m_arbol.Raiz()->AnadeHijo(false, m_padre, false, false);
    EXPECT_EQ(m_trans.Estado(), CTransSecuencia::ESTADO_ENTRADA);
    EXPECT_EQ(m_trans.SecuenciaEntrada()->Crono(), 0);
    EXPECT_EQ(PasosAbriendo(), 12);
    EXPECT_NE(kit::Hijos(m_arbol.Raiz()).find("padre"), std::string::npos);
}

TEST_F(TransSecuencia, ASequenceThatNeverReachesItsEndLetsGoInTheEnd)
{
    struct Caso {
        const char* szNombre;
        const char* szContenido;
    } casos[] = {
        {"salto.sec", "FIN = 10; CAMBIACRONO = 6, 0;"},
        {"bucle.sec", "FIN = 10; LOOP = 4;"},
        {"pausa.sec", "FIN = 10; BOTONPAUSA = 0, 3;"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.szNombre);
        Escribe(c.szNombre, c.szContenido);
        CTransSecuencia t;
        ASSERT_TRUE(t.Inicia(c.szNombre, nullptr));
        t.IniciaTransicion(true);
        int n = 0;
        while (t.EnTransicion() && n < 1000) {
            t.Actualiza();
            ++n;
        }
        EXPECT_EQ(n, 10 + CTransSecuencia::kPasosDeGracia + 1);
    }
}
