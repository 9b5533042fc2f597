// Interface styles on an object: which flag words apply, what each bit does
// to the two frame layers, the focus and press sounds, and the packages and
// sounds an object holds with and without a style.
#include "audio/EntornoSonido.h"
#include "engine/app/Aplicacion.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "kit/ArbolMenus.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using kit::CArbolPrueba;
using kit::CObjetoArbol;

namespace {

constexpr int kEstilo = 4;

// A package cache over the test's data (missing packages load empty, which
// is all the layer state needs) and the sound system on the manual device.
class Estilos : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_sonido = std::make_unique<audiotest::EntornoSonido>("ui-estilos");
        ASSERT_TRUE(m_sonido->Correcto());
        m_sonido->Escribe("Foco.wav", audiotest::WavConstante(1, 1.0f));
        m_sonido->Escribe("Pulsar.wav", audiotest::WavConstante(1, 1.0f));
        g_pGestorSPMs = &m_cache;
        ASSERT_TRUE(m_cache.Inicia());
        m_arbol = std::make_unique<CArbolPrueba>(kit::OBJ_EXCLUSIVO);
        Estilo(0, 0, 0, 0, 0);
    }
    void TearDown() override
    {
        m_arbol.reset();
        m_cache.Vacia();
        g_pGestorSPMs = nullptr;
        m_sonido.reset();
    }

    // Style kEstilo with two layers, no icon, both sounds and these words.
    void Estilo(int32_t sinFoco, int32_t conFoco, int32_t pulsado, int32_t oculto, int32_t marcado)
    {
        EstiloObjeto e;
        e.Limpia();
        std::snprintf(e.m_szCapa1, sizeof e.m_szCapa1, "%s", "Pruebas\\Capa1.SPM");
        std::snprintf(e.m_szCapa2, sizeof e.m_szCapa2, "%s", "Pruebas\\Capa2.SPM");
        std::snprintf(e.m_szSonidoFoco, sizeof e.m_szSonidoFoco, "%s", "Foco.wav");
        std::snprintf(e.m_szSonidoPulsar, sizeof e.m_szSonidoPulsar, "%s", "Pulsar.wav");
        e.m_iFlagsSinFoco = sinFoco;
        e.m_iFlagsConFoco = conFoco;
        e.m_iFlagsPulsado = pulsado;
        e.m_iFlagsOculto = oculto;
        e.m_iFlagsMarcado = marcado;
        const uint8_t c1[3] = {10, 20, 30}, c2[3] = {40, 50, 60};
        std::copy(c1, c1 + 3, e.m_aColorCapa1);
        std::copy(c2, c2 + 3, e.m_aColorCapa2);
        g_pAplicacion->CambiaEstilo(kEstilo, e);
    }

    // A styled object attached under the root, not focused.
    CObjetoArbol* Objeto(int iEstilo = kEstilo)
    {
        auto* p = m_arbol->Nuevo("o", 1, 0, 0, 100, 100, nullptr);
        Rectangulo r;
        r.x = r.y = 0;
        r.ancho = r.alto = 100;
        EXPECT_TRUE(p->Inicia(1, "o", r, iEstilo));
        m_arbol->Raiz()->AnadeHijo(false, p, false, false);
        m_arbol->Raiz()->EnfocaHijo(nullptr);
        return p;
    }

    CGestorSPMs m_cache;
    std::unique_ptr<audiotest::EntornoSonido> m_sonido;
    std::unique_ptr<CArbolPrueba> m_arbol;
};

} // namespace

TEST_F(Estilos, EachBitActsOnItsLayer)
{
    struct Caso {
        const char* que;
        int32_t palabra; // the unfocused word
        int alfaInicial;
        int pasos;
        // Layer 1, then layer 2.
        int alfa1, alfaDibujo1, fusion1;
        bool oculta1;
        uint8_t rojo1;
        int alfa2, alfaDibujo2, fusion2;
        bool oculta2;
        uint8_t rojo2;
    };
    const Caso casos[] = {
        {"nothing", 0x0000, 255, 1, 255, 255, 0, false, 200, 255, 255, 0, false, 210},
        {"fade in", 0x0002, 100, 2, 150, 150, 0, false, 200, 100, 100, 0, false, 210},
        {"fade in stops at 255", 0x0202, 250, 1, 255, 255, 0, false, 200, 255, 255, 0, false, 210},
        {"fade out", 0x0100, 255, 3, 255, 255, 0, false, 200, 180, 180, 0, false, 210},
        {"fade out stops at 0", 0x0001, 20, 1, 0, 0, 0, false, 200, 20, 20, 0, false, 210},
        {"fade in wins over fade out", 0x0003, 100, 1, 125, 125, 0, false, 200, 100, 100, 0, false, 210},
        {"white blend", 0x0400, 255, 1, 255, 255, 0, false, 200, 255, 255, 1, false, 210},
        {"style colour", 0x0010, 255, 1, 255, 255, 0, false, 10, 255, 255, 0, false, 210},
        {"style colour, layer 2", 0x1000, 255, 1, 255, 255, 0, false, 200, 255, 255, 0, false, 40},
        {"half alpha", 0x0020, 255, 1, 255, 127, 0, false, 200, 255, 255, 0, false, 210},
        {"half alpha, layer 2", 0x2000, 255, 1, 255, 255, 0, false, 200, 255, 127, 0, false, 210},
        {"hidden", 0x4040, 255, 1, 255, 255, 0, true, 200, 255, 255, 0, true, 210},
        {"blink, one step", 0x0008, 255, 1, 255, 255, 0, true, 200, 255, 255, 0, false, 210},
        {"blink, two steps", 0x0008, 255, 2, 255, 255, 0, false, 200, 255, 255, 0, false, 210},
        {"blink wins over hidden", 0x0048, 255, 2, 255, 255, 0, false, 200, 255, 255, 0, false, 210},
    };
    for (const Caso& c : casos) {
        Estilo(c.palabra, 0, 0, 0, 0);
        CObjetoArbol* o = Objeto();
        ASSERT_NE(o->m_pCapa1, nullptr);
        ASSERT_NE(o->m_pCapa2, nullptr);
        o->PonColorPropio(true, 200, 1, 2);
        o->PonColorPropio(false, 210, 3, 4);
        o->m_iAlfaCapa1 = o->m_iAlfaCapa2 = c.alfaInicial;
        for (int i = 0; i < c.pasos; ++i) o->Actualiza();
        EXPECT_EQ(o->m_iFlagsEstilo, c.palabra) << c.que;
        EXPECT_EQ(o->m_iAlfaCapa1, c.alfa1) << c.que;
        EXPECT_EQ(o->m_pCapa1->m_ucAlfa, c.alfaDibujo1) << c.que;
        EXPECT_EQ(o->m_pCapa1->m_iFusion, c.fusion1) << c.que;
        EXPECT_EQ(o->m_bOcultaCapa1, c.oculta1) << c.que;
        EXPECT_EQ(o->m_pCapa1->m_ucRojo, c.rojo1) << c.que;
        EXPECT_EQ(o->m_iAlfaCapa2, c.alfa2) << c.que;
        EXPECT_EQ(o->m_pCapa2->m_ucAlfa, c.alfaDibujo2) << c.que;
        EXPECT_EQ(o->m_pCapa2->m_iFusion, c.fusion2) << c.que;
        EXPECT_EQ(o->m_bOcultaCapa2, c.oculta2) << c.que;
        EXPECT_EQ(o->m_pCapa2->m_ucRojo, c.rojo2) << c.que;
        m_arbol->Raiz()->QuitaHijo(false, o);
        m_arbol->Pasos(1);
        m_arbol->Borra(o);
    }
}

TEST_F(Estilos, WordsFollowTheObjectsState)
{
    Estilo(0x01, 0x02, 0x04, 0x08, 0x10);
    CObjetoArbol* o = Objeto();
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0x01);
    m_arbol->Raiz()->EnfocaHijo(o);
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0x02);
    o->PonMarcado(true);
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0x12);
    o->PonMarcado(false);
    // Hidden through an ancestor.
    m_arbol->Raiz()->PonVisible(false);
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0x0a);
    m_arbol->Raiz()->PonVisible(true);
    // The pressed word for exactly five updates.
    o->Pulsa(0);
    int iPulsado = 0;
    for (int i = 0; i < 8; ++i) {
        o->Actualiza();
        if (o->m_iFlagsEstilo & 0x04) ++iPulsado;
    }
    EXPECT_EQ(iPulsado, 5);
    // A style changed after initialisation gives its words at the next step.
    Estilo(0x20, 0x40, 0, 0, 0);
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0x40);
}

TEST_F(Estilos, WithoutAStyleThereIsNothingToAnimate)
{
    CObjetoArbol* o = Objeto(-1);
    m_arbol->Raiz()->EnfocaHijo(o);
    o->PonMarcado(true);
    o->Pulsa(0);
    o->Actualiza();
    EXPECT_EQ(o->m_iFlagsEstilo, 0);
    EXPECT_EQ(o->m_pCapa1, nullptr);
    EXPECT_EQ(o->m_pCapa2, nullptr);
    EXPECT_EQ(o->m_pIcono, nullptr);
    EXPECT_EQ(o->m_pSonidoFoco, nullptr);
    EXPECT_EQ(o->m_pSonidoPulsar, nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 0);
}

TEST_F(Estilos, FocusSoundPlaysOnceAndPressSoundOnEachPress)
{
    CObjetoArbol* o = Objeto();
    ASSERT_NE(o->m_pSonidoFoco, nullptr);
    ASSERT_NE(o->m_pSonidoPulsar, nullptr);
    o->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 0);
    // Focused twice without losing the focus in between.
    m_arbol->Raiz()->EnfocaHijo(o);
    o->Actualiza();
    o->PonEnfocado(true);
    o->Actualiza();
    o->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 1);
    EXPECT_EQ(o->m_pSonidoFoco->m_iInstancias, 1);
    o->Pulsa(0);
    o->Actualiza();
    EXPECT_EQ(o->m_pSonidoPulsar->m_iInstancias, 1);
    // Unloading gives both sounds back.
    CMuestraSonido* pFoco = o->m_pSonidoFoco;
    int iPropietarios = pFoco->m_iPropietarios;
    o->DescargaRecursos();
    EXPECT_EQ(o->m_pSonidoFoco, nullptr);
    EXPECT_EQ(pFoco->m_iPropietarios, iPropietarios - 1);
}

TEST_F(Estilos, PackagesAreOwnCopiesMarkedInUseWithTheResources)
{
    CObjetoArbol* o = Objeto();
    ASSERT_NE(o->m_pCapa1, nullptr);
    EXPECT_NE(o->m_pCapa1, m_cache.GetSPM("Pruebas\\Capa1.SPM"));
    EXPECT_EQ(o->m_pIcono, nullptr); // the style names no icon
    EXPECT_TRUE(o->m_pCapa1->EstaEnUso());
    EXPECT_TRUE(o->m_pCapa2->EstaEnUso());
    m_arbol->Raiz()->QuitaHijo(false, o);
    m_arbol->Pasos(1);
    EXPECT_FALSE(o->m_pCapa1->EstaEnUso());
    // Drawing with the layers and an icon frame set draws without a graphics
    // system, and the layers are kept by a partial draw.
    o->PonFrameIcono(3);
    o->Dibuja(nullptr, nullptr);
}
