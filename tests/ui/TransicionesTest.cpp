// Time and music transitions as children of parents that open and close:
// how long a time transition holds its parent, and the background music
// switched on opening and restored on closing, nested screens restoring it
// in reverse order.
#include "engine/app/Aplicacion.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/ui/TransMusica.h"
#include "engine/ui/TransTiempo.h"
#include "kit/ArbolMenus.h"
#include "kit/ServeisFitxers.h"
#include "platform/Audio.h"

#include <gtest/gtest.h>

#include <string>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

// A parent whose own transition ends at once: only its children hold it.
CObjetoArbol* Padre(CArbolPrueba& arbol, const char* szNombre)
{
    CObjetoArbol* p = arbol.Nuevo(szNombre, 1, 0, 0, 1024, 768, nullptr, kit::OBJ_TRANSICION);
    p->m_iPasosTransicion = 0;
    return p;
}

// Updates until pHijo has left the root's children; the count of them.
int PasosHastaQuitado(CArbolPrueba& arbol, CMenuObj* pHijo)
{
    int n = 0;
    while (kit::Hijos(arbol.Raiz()).find(kit::NombreDe(pHijo)) != std::string::npos && n < 100) {
        arbol.Pasos(1);
        ++n;
    }
    return n;
}

} // namespace

TEST(TransTiempo, DefaultsAndNeverTakesThePointer)
{
    CArbolPrueba arbol;
    CTransTiempo t;
    ASSERT_TRUE(t.Inicia(3, 4));
    EXPECT_STREQ(t.Nombre(), "GEN_TransTiempo");
    EXPECT_EQ(t.m_iId, -1);
    EXPECT_EQ(t.m_iEstilo, -1);
    EXPECT_EQ(t.Rect().ancho, 1024);
    EXPECT_EQ(t.Rect().alto, 768);
    EXPECT_FALSE(t.Contiene(10, 10));
    EXPECT_FALSE(t.EnTransicion());
    EXPECT_EQ(t.Contador(), -1);
    CTransMusica m;
    ASSERT_TRUE(m.Inicia("x.ogg"));
    EXPECT_STREQ(m.Nombre(), "GEN_TransMusica");
    EXPECT_FALSE(m.Contiene(10, 10));
    EXPECT_STREQ(m.Pista(), "x.ogg");
    // At most 255 characters of the track are kept; none for null.
    std::string largo(300, 'a');
    ASSERT_TRUE(m.Inicia(largo.c_str()));
    EXPECT_EQ(std::string(m.Pista()), largo.substr(0, 255));
    ASSERT_TRUE(m.Inicia(nullptr));
    EXPECT_STREQ(m.Pista(), "");
}

TEST(TransTiempo, HoldsTheParentForFramesPlusOneUpdates)
{
    struct Caso {
        int entrada, salida;
        int pasosApertura; // updates until the open parent is out of transition
        int pasosQuitado;  // updates from the removal to its completion
    };
    const Caso casos[] = {
        {0, 6, 1, 7}, {3, 0, 4, 1}, {-1, -1, 0, 1},
        // A count below -1 holds nothing rather than for ever.
        {-5, -9, 0, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.entrada << ", " << c.salida);
        CArbolPrueba arbol;
        CObjetoArbol* padre = Padre(arbol, "padre");
        CTransTiempo t;
        ASSERT_TRUE(t.Inicia(c.entrada, c.salida));
        padre->AnadeHijo(false, &t, false, false);
        arbol.Raiz()->AnadeHijo(false, padre, false, false);
        int n = 0;
        while (padre->EnTransicion() && n < 100) {
            arbol.Pasos(1);
            ++n;
        }
        EXPECT_EQ(n, c.pasosApertura);
        arbol.Raiz()->QuitaHijo(false, padre);
        // A removal completes in an update once the parent is out of
        // transition, so even a parent held by nothing needs one.
        EXPECT_EQ(PasosHastaQuitado(arbol, padre), c.pasosQuitado);
        padre->QuitaHijo(false, &t);
    }
}

namespace {

const char* const kA = motor::pieza::ESTANDAR_A;
const char* const kB = motor::pieza::ESTANDAR_B;
const char* const kMenus = motor::pieza::ESTANDAR_D;

class TransMusica : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_fitxers.Correcte());
        plat::UseManualAudio(true);
        g_pSistemaSonido = new CSistemaSonido;
        ASSERT_TRUE(g_pSistemaSonido->Inicia(1.0f, 1.0f));
        m_arbol = std::make_unique<CArbolPrueba>();
    }
    void TearDown() override
    {
        m_arbol.reset();
        delete g_pSistemaSonido;
        g_pSistemaSonido = nullptr;
        plat::UseManualAudio(false);
    }
    std::string Musica() { return g_pAplicacion->NombreMusica(); }

    mgtest::ServeisFitxers m_fitxers;
    std::unique_ptr<CArbolPrueba> m_arbol;
};

} // namespace

TEST_F(TransMusica, NestedScreensRestoreTheMusicInReverseOrder)
{
    ASSERT_TRUE(g_pAplicacion->CambiaMusica(kA));
    CObjetoArbol* uno = Padre(*m_arbol, "uno");
    CObjetoArbol* dos = Padre(*m_arbol, "dos");
    CTransMusica mUno, mDos;
    ASSERT_TRUE(mUno.Inicia(kB));
    ASSERT_TRUE(mDos.Inicia(kMenus));
    uno->AnadeHijo(false, &mUno, false, false);
    dos->AnadeHijo(false, &mDos, false, false);

    m_arbol->Raiz()->AnadeHijo(false, uno, false, false);
    EXPECT_EQ(Musica(), kB);
    // It never holds its parent.
    EXPECT_FALSE(uno->EnTransicion());
    m_arbol->Pasos(2);
    uno->AnadeHijo(false, dos, false, false);
    EXPECT_EQ(Musica(), kMenus);
    EXPECT_NE(g_pAplicacion->FlujoMusica(), nullptr);
    m_arbol->Pasos(2);

    uno->QuitaHijo(false, dos);
    EXPECT_EQ(Musica(), kB);
    m_arbol->Pasos(2);
    m_arbol->Raiz()->QuitaHijo(false, uno);
    EXPECT_EQ(Musica(), kA);
    EXPECT_EQ(PasosHastaQuitado(*m_arbol, uno), 1);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1);
    uno->QuitaHijo(false, &mUno);
    dos->QuitaHijo(false, &mDos);
}

TEST_F(TransMusica, OpeningSwitchesTheMusicAndAnEmptyTrackStopsIt)
{
    ASSERT_TRUE(g_pAplicacion->CambiaMusica(kA));
    CTransMusica m;
    ASSERT_TRUE(m.Inicia(""));
    m.IniciaTransicion(true);
    EXPECT_EQ(Musica(), "");
    EXPECT_EQ(g_pAplicacion->FlujoMusica(), nullptr);
    m.IniciaTransicion(false);
    EXPECT_EQ(Musica(), kA);
    EXPECT_NE(g_pAplicacion->FlujoMusica(), nullptr);
}

TEST_F(TransMusica, ClosingOneThatNeverOpenedStopsTheMusic)
{
    ASSERT_TRUE(g_pAplicacion->CambiaMusica(kA));
    CTransMusica m;
    ASSERT_TRUE(m.Inicia(kB));
    m.IniciaTransicion(false);
    EXPECT_EQ(Musica(), "");
    EXPECT_EQ(g_pAplicacion->FlujoMusica(), nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}
