// An object's parameters written to an object file and read back, and an
// object initialised again while attached.
#include "engine/core/GestorComandes.h"
#include "kit/ArbolMenus.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <string>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

TEST(Parametros, WrittenAndReadBack)
{
    auto carpeta = mgtest::CarpetaNova("ui-parametros");
    mgtest::ServeisFitxers servicios(carpeta.string());
    ASSERT_TRUE(servicios.Correcte());
    CArbolPrueba t;
    auto* o = t.Nuevo("Boton de prueba", 42, 10.5f, 20.25f, 300, 40, t.Raiz());
    auto* abajo = t.Nuevo("Abajo", 43, 0, 0, 1, 1, t.Raiz());
    o->PonAbajo(abajo);
    o->PonFrameIcono(3);
    o->PonVisible(false);
    o->PonMarcado(true);

    const std::string ruta = (carpeta / "Objeto.txt").string();
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura(ruta.c_str());
    ASSERT_NE(f, nullptr);
    o->EscribeClase(f, "BUTO");
    ASSERT_TRUE(g_pGestorComandes->Tanca(f));
    std::string texto = mgtest::LlegeixFitxer(ruta);
    EXPECT_EQ(texto, "CLASE = \"BUTO\";\n"
                     "PARAMS = \"CMENUOBJPAR_V001\",42,\"Boton de prueba\",10.500,20.250,300.000,40.000,-1,3,0,1,"
                     "\"\",\"Abajo\",\"\",\"\";\n"
                     "FINCLASE = 1;\n");

    f = g_pGestorComandes->ObreLectura(ruta.c_str());
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "CLASE");
    EXPECT_STREQ(g_pGestorComandes->LlegeixText(f), "BUTO");
    ASSERT_TRUE(g_pGestorComandes->LlegeixComanda(f));
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "PARAMS");
    CObjetoArbol leido(&t, 0);
    ASSERT_TRUE(leido.LeeParametros(f));
    EXPECT_EQ(leido.m_iId, 42);
    EXPECT_STREQ(leido.Nombre(), "Boton de prueba");
    EXPECT_FLOAT_EQ(leido.m_rect.x, 10.5f);
    EXPECT_FLOAT_EQ(leido.m_rect.alto, 40.0f);
    EXPECT_EQ(leido.m_iFrameIcono, 3);
    EXPECT_FALSE(leido.m_bVisible);
    EXPECT_TRUE(leido.m_bMarcado);
    EXPECT_EQ(leido.Abajo(), nullptr); // names are not links
    ASSERT_TRUE(g_pGestorComandes->LlegeixComanda(f));
    EXPECT_STREQ(g_pGestorComandes->NomComanda(f), "FINCLASE");
    EXPECT_EQ(g_pGestorComandes->LlegeixEnter(f), 1);
    g_pGestorComandes->Tanca(f);

    // Another version is not read: the result is whether the object is
    // initialised already.
    mgtest::EscriuFitxer(carpeta / "Otro.txt", "PARAMS = \"CMENUOBJPAR_V002\", 1, \"x\";\n");
    f = g_pGestorComandes->ObreLectura((carpeta / "Otro.txt").string().c_str());
    ASSERT_NE(f, nullptr);
    CObjetoArbol nuevo(&t, 0);
    EXPECT_FALSE(nuevo.LeeParametros(f));
    g_pGestorComandes->RebobinaParametres(f);
    EXPECT_TRUE(leido.LeeParametros(f));
    EXPECT_EQ(leido.m_iId, 42);
    g_pGestorComandes->Tanca(f);
}

TEST(Parametros, InitialisedAgainWhileAttachedStaysAttached)
{
    CArbolPrueba t;
    auto* menu = t.Nuevo("menu", 1, 0, 0, 100, 100, t.Raiz());
    auto* o = t.Nuevo("o", 2, 0, 0, 10, 10, menu);
    Rectangulo r;
    ASSERT_TRUE(o->Inicia(5, "o2", r, -1));
    EXPECT_EQ(o->Padre(), menu);
    o->EnviaEvento(EVENTO_PULSADO, 0, nullptr, -1);
    ASSERT_EQ(menu->m_eventos.size(), 1u);
    EXPECT_EQ(menu->m_eventos[0].emisor, 5);
    o->Cierra(false);
    t.Pasos(1);
    EXPECT_EQ(kit::Hijos(menu), "");
}
