// Drawing an object on the real graphics system with the demo packages: the
// frame layer as a nine-slice panel over the rectangle, a hidden layer, the
// icon centred, and a partial draw that draws the layers once.
#include "engine/app/Aplicacion.h"
#include "engine/core/CatalogoMotor.h"
#include "kit/ArbolMenus.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <cstdio>

using kit::CObjetoArbol;
using uitest::Pixel;

namespace {

constexpr int kEstilo = 6;
const char* const kPanel = motor::paquete::PANELES;
const char* const kCuadro = motor::paquete::CUADRO_BLANCO; // 16 x 16 white, centred

class Dibujo : public uitest::EntornoGrafico {
protected:
    void Estilo(const char* szCapa1, const char* szIcono, int32_t iPalabra)
    {
        EstiloObjeto e;
        e.Limpia();
        std::snprintf(e.m_szCapa1, sizeof e.m_szCapa1, "%s", szCapa1);
        std::snprintf(e.m_szIcono, sizeof e.m_szIcono, "%s", szIcono);
        e.m_iFlagsSinFoco = e.m_iFlagsConFoco = iPalabra;
        g_pAplicacion->CambiaEstilo(kEstilo, e);
    }

    // An object over (100, 100, 300, 200) attached with the reload, so the
    // textures of its packages are made.
    CObjetoArbol* Objeto()
    {
        auto* o = m_arbol->Nuevo("o", 1, 0, 0, 0, 0);
        Rectangulo r;
        r.x = 100;
        r.y = 100;
        r.ancho = 300;
        r.alto = 200;
        EXPECT_TRUE(o->Inicia(1, "o", r, kEstilo));
        m_arbol->Raiz()->AnadeHijo(true, o, false, false);
        return o;
    }
};

} // namespace

TEST_F(Dibujo, LayerIsAPanelOverTheRectangleUnlessHidden)
{
    Estilo(kPanel, "", 0);
    CObjetoArbol* o = Objeto();
    o->Actualiza();
    Fondo(0, 255, 0);
    o->Dibuja(nullptr, nullptr);
    Pixel centro = En(250, 200);
    EXPECT_LT(centro.r, 80);
    EXPECT_GT(centro.b, centro.r + 20);
    EXPECT_EQ(En(99, 200).g, 255);
    EXPECT_EQ(En(401, 200).g, 255);
    EXPECT_NE(En(101, 200).g, 255);

    // The hidden bit leaves the layer out; the object is still drawn.
    Estilo(kPanel, "", 0x40);
    o->Actualiza();
    EXPECT_TRUE(o->m_bOcultaCapa1);
    Olvida();
    Fondo(0, 255, 0);
    o->Dibuja(nullptr, nullptr);
    EXPECT_EQ(En(250, 200).g, 255);
}

TEST_F(Dibujo, IconFrameIsCentredOnTheRectangle)
{
    Estilo("", kCuadro, 0);
    CObjetoArbol* o = Objeto();
    o->Actualiza();
    Fondo(0, 0, 0);
    o->Dibuja(nullptr, nullptr); // no frame chosen: no icon
    EXPECT_EQ(En(250, 200).r, 0);
    o->PonFrameIcono(0);
    Olvida();
    o->Dibuja(nullptr, nullptr);
    EXPECT_EQ(En(250, 200).r, 255);
    EXPECT_EQ(En(243, 193).r, 255);
    EXPECT_EQ(En(256, 206).r, 255);
    EXPECT_EQ(En(240, 200).r, 0);
    EXPECT_EQ(En(260, 200).r, 0);
}

TEST_F(Dibujo, PartialDrawDrawsTheLayersOnce)
{
    // At half alpha a layer drawn twice would come out brighter.
    Estilo(kPanel, "", 0x20);
    CObjetoArbol* o = Objeto();
    auto* a = m_arbol->Nuevo("a", 2, 0, 0, 10, 10, o);
    auto* b = m_arbol->Nuevo("b", 3, 0, 0, 10, 10, o);
    o->Actualiza();
    Fondo(0, 0, 0);
    o->Dibuja(nullptr, nullptr);
    Pixel entero = En(250, 200);
    EXPECT_GT(entero.b, 0);
    int iDibujosA = a->m_iDibujos, iDibujosB = b->m_iDibujos;

    Olvida();
    Fondo(0, 0, 0);
    o->Dibuja(b, nullptr);
    o->Dibuja(nullptr, nullptr);
    Pixel partido = En(250, 200);
    EXPECT_EQ(partido.r, entero.r);
    EXPECT_EQ(partido.g, entero.g);
    EXPECT_EQ(partido.b, entero.b);
    EXPECT_EQ(a->m_iDibujos, iDibujosA + 1);
    EXPECT_EQ(b->m_iDibujos, iDibujosB + 1);
}
