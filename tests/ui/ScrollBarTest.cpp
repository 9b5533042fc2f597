// The scroll bar and the two viewers built on it, driven through the
// application core's dispatch as a player drives them, and drawn on the real
// graphics system.
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/Arrastrable.h"
#include "engine/ui/Buto.h"
#include "engine/ui/Imagen3DRotable.h"
#include "engine/ui/ImagenScrollable.h"
#include "engine/ui/ScrollBar.h"
#include "kit/ArbolMenus.h"
#include "platform/RenderDevice.h"
#include "ui/EntornoGrafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using kit::CObjetoArbol;

namespace {

const char* const kCuadro = motor::paquete::CUADRO_BLANCO; // sprite 0: 16 x 16 white, centred

class Barras : public uitest::EntornoGrafico {
protected:
    void SetUp() override
    {
        EntornoGrafico::SetUp();
        if (HasFatalFailure()) return;
        m_padre = m_arbol->Nuevo("padre", 1, 0, 0, 1024, 768, m_arbol->Raiz());
    }
    void TearDown() override
    {
        m_barra.reset();
        m_2d.reset();
        m_3d.reset();
        EntornoGrafico::TearDown();
    }
    CScrollBar* Barra(float x, float y, float w, float h, bool bHorizontal, float mn, float mx, float paso)
    {
        m_barra = std::make_unique<CScrollBar>();
        EXPECT_TRUE(m_barra->Inicia(x, y, w, h, bHorizontal, -1, -1, mn, mx, paso, 7, "barra"));
        m_padre->AnadeHijo(false, m_barra.get(), false, false);
        return m_barra.get();
    }
    // The values of the scroll events the parent received.
    std::vector<int> Valores()
    {
        std::vector<int> v;
        for (const kit::EventoRecibido& e : m_padre->m_eventos)
            if (e.tipo == EVENTO_VALOR_SCROLL && e.emisor == 7) v.push_back(e.valor);
        return v;
    }
    // Centre of an object's rectangle.
    static void Centro(const CMenuObj* p, float* x, float* y)
    {
        *x = p->Rect().x + p->Rect().ancho / 2;
        *y = p->Rect().y + p->Rect().alto / 2;
    }
    void Clic(const CMenuObj* p)
    {
        float x, y;
        Centro(p, &x, &y);
        m_arbol->Clic(x, y);
    }
    // Grabs the thumb, drags it by (dx, dy) and lets it go.
    void Arrastra(CScrollBar* b, float dx, float dy)
    {
        float x, y;
        Centro(b->m_pArrastrable, &x, &y);
        m_arbol->MueveRaton(x, y);
        m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, x, y);
        m_arbol->MueveRaton(x + dx / 2, y + dy / 2);
        m_arbol->MueveRaton(x + dx, y + dy);
        m_arbol->BotonRaton(BOTON_IZQUIERDO_ARRIBA, x + dx, y + dy);
    }

    CObjetoArbol* m_padre = nullptr;
    std::unique_ptr<CScrollBar> m_barra;
    std::unique_ptr<CImagenScrollable> m_2d;
    std::unique_ptr<CImagen3DRotable> m_3d;
};

} // namespace

TEST_F(Barras, PartsAndLayout)
{
    CScrollBar* b = Barra(100, 50, 20, 200, false, 0, 20, 1);
    EXPECT_EQ(kit::Hijos(b), "SCROLLBAR_BUT_Arrastrable,SCROLLBAR_BUT_AvPag,SCROLLBAR_BUT_RePag");
    EXPECT_EQ(b->m_pRePag->m_iId, 1);
    EXPECT_EQ(b->m_pAvPag->m_iId, 0);
    EXPECT_EQ(b->m_pArrastrable->m_iId, 2);
    // A vertical bar 20 wide and 200 high: its track from y + 20, 140 long.
    EXPECT_FLOAT_EQ(b->InicioPista(), 70);
    EXPECT_FLOAT_EQ(b->LargoPista(), 140);
    EXPECT_FLOAT_EQ(b->m_pRePag->Rect().y, 50);
    EXPECT_FLOAT_EQ(b->m_pAvPag->Rect().y, 230);
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().x, 100);
    // The value starts at 0, and the thumb where it stands.
    EXPECT_EQ(b->Valor(), 0);
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().y, 70);
    b->PonRango(0, 10, 2);
    EXPECT_FLOAT_EQ(b->Valor(), 5);
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().y, 70 + 70);
    b->PonValor(3.3f); // 46.2 points along: truncated
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().y, 70 + 46);
    b->PonValor(99);
    EXPECT_FLOAT_EQ(b->Valor(), 10);
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().y, 70 + 140);
    b->PonValor(NAN);
    EXPECT_FLOAT_EQ(b->Valor(), 10);
}

// Pressed forward 25 times, a bar from 0 to 20 stops at 20 and tells 20
// each time after; the page-back button comes down again.
TEST_F(Barras, EndButtonsStopAtTheRange)
{
    CScrollBar* b = Barra(100, 400, 300, 20, true, 0, 20, 1);
    for (int i = 0; i < 25; ++i) Clic(b->m_pAvPag);
    std::vector<int> v = Valores();
    ASSERT_EQ(v.size(), 25u);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(v[size_t(i)], std::min(i + 1, 20)) << i;
    EXPECT_FLOAT_EQ(b->m_pArrastrable->Rect().x, b->InicioPista() + b->LargoPista());
    Clic(b->m_pRePag);
    EXPECT_EQ(Valores().back(), 19);
    // Other events of the parts go nowhere; the thumb's grab and release are
    // not values.
    size_t n = m_padre->m_eventos.size();
    Arrastra(b, 0, 0);
    EXPECT_EQ(m_padre->m_eventos.size(), n);
}

// Dragging the thumb to the track's end gives exactly the maximum, to its
// start exactly the minimum; a bar with an empty range stays at it.
TEST_F(Barras, DraggingTheThumb)
{
    CScrollBar* b = Barra(100, 400, 300, 20, true, 0.1f, 0.7f, 0.1f);
    Arrastra(b, 1000, 30);
    EXPECT_EQ(b->Valor(), 0.7f);
    Arrastra(b, -1000, 0);
    EXPECT_EQ(b->Valor(), 0.1f);
    Arrastra(b, b->LargoPista() / 2, 0);
    EXPECT_NEAR(b->Valor(), 0.4f, 0.01f);
    EXPECT_FALSE(Valores().empty());

    CScrollBar* vacia = Barra(100, 100, 20, 200, false, 5, 5, 1);
    EXPECT_FLOAT_EQ(vacia->m_pArrastrable->Rect().y, vacia->InicioPista());
    vacia->PonValor(8);
    EXPECT_EQ(vacia->Valor(), 5);
    Arrastra(vacia, 0, 60);
    EXPECT_EQ(vacia->Valor(), 5);
    EXPECT_EQ(Valores().back(), 5);
    Clic(vacia->m_pAvPag);
    EXPECT_EQ(vacia->Valor(), 5);
}

TEST_F(Barras, PictureViewerPansItsPicture)
{
    m_2d = std::make_unique<CImagenScrollable>();
    ASSERT_TRUE(m_2d->Inicia(100, 100, 200, 150, 20, -1, -1, -1, CImagenScrollable::FLAG_BARRA_X, 3, "visor"));
    EXPECT_FLOAT_EQ(m_2d->Rect().ancho, 240);
    EXPECT_FLOAT_EQ(m_2d->Rect().alto, 170);
    EXPECT_EQ(kit::Hijos(m_2d.get()), "IMG2D_ScrollBarX"); // only the bars asked for
    EXPECT_FLOAT_EQ(m_2d->m_pBarraY->Rect().x, 320);
    EXPECT_FLOAT_EQ(m_2d->m_pBarraZoom->Rect().x, 100);
    m_2d->PonImagen(m_cache.GetSPM(kCuadro)->m_apSprites[0]);
    EXPECT_FLOAT_EQ(m_2d->m_pBarraX->Minimo(), -16);
    EXPECT_FLOAT_EQ(m_2d->m_pBarraX->Maximo(), 32);
    EXPECT_FLOAT_EQ(m_2d->m_pBarraX->m_fPaso, 1.6f);
    EXPECT_FLOAT_EQ(m_2d->m_pBarraX->Valor(), 8);
    m_padre->AnadeHijo(true, m_2d.get(), false, false);
    // At rest the picture sits in the canvas's middle, on grey.
    Fondo(0, 0, 0);
    m_arbol->Pasos(1);
    EXPECT_EQ(En(120 + 100, 100 + 75).r, 255);
    EXPECT_EQ(En(120 + 100 - 20, 100 + 75).r, 128);
    EXPECT_EQ(En(120 + 100 + 20, 100 + 75).r, 128);
    // A page forward moves it right by a tenth of its width... twice.
    Clic(m_2d->m_pBarraX->m_pAvPag);
    Clic(m_2d->m_pBarraX->m_pAvPag);
    Fondo(0, 0, 0);
    m_arbol->Pasos(1);
    EXPECT_EQ(En(120 + 100 - 7, 100 + 75).r, 128);
    EXPECT_EQ(En(120 + 100 + 10, 100 + 75).r, 255);
}

// The model viewer turns on its own, stops for 125 steps after the player
// moves the X bar, and shows its model in the canvas.
TEST_F(Barras, ModelViewerTurnsAndPauses)
{
    m_3d = std::make_unique<CImagen3DRotable>();
    const int flags = CImagen3DRotable::FLAG_BARRA_X | CImagen3DRotable::FLAG_BARRAS_YZ | CImagen3DRotable::FLAG_GIRA;
    ASSERT_TRUE(m_3d->Inicia(100, 100, 200, 200, 20, -1, -1, -1, flags, 4, "modelo"));
    EXPECT_EQ(kit::Hijos(m_3d.get()), "IMG3D_ScrollBarZ,IMG3D_ScrollBarY,IMG3D_ScrollBarX");
    ASSERT_TRUE(plat::TextureHasDepth(m_3d->m_pLienzo->m_pBitmap->m_pTextura));
    m_padre->AnadeHijo(true, m_3d.get(), false, false);
    m_3d->Actualiza();
    EXPECT_NEAR(m_3d->m_fYaw, CImagen3DRotable::kVelocidadGiro, 1e-6);
    Clic(m_3d->m_pBarraX->m_pAvPag); // X bar: 1 degree
    EXPECT_NEAR(m_3d->m_fYaw, 6.283184f / 360.0f, 1e-6);
    for (int i = 0; i < 125; ++i) m_3d->Actualiza();
    EXPECT_NEAR(m_3d->m_fYaw, 6.283184f / 360.0f, 1e-6);
    m_3d->Actualiza();
    EXPECT_NEAR(m_3d->m_fYaw, 6.283184f / 360.0f + CImagen3DRotable::kVelocidadGiro, 1e-5);
    // The Y bar tilts between its limits; the setters keep the view inside.
    m_3d->PonMinimoY(-1.0f);
    m_3d->PonMaximoY(1.0f);
    m_3d->m_pBarraY->PonValor(750);
    Clic(m_3d->m_pBarraY->m_pAvPag);
    EXPECT_NEAR(m_3d->m_fPitch, -1.0f + 751.0f / 1000.0f * 2.0f, 1e-5);
    m_3d->PonMaximoY(0.2f);
    EXPECT_FLOAT_EQ(m_3d->m_fPitch, 0.2f);
    m_3d->PonMinimoZoom(500.0f);
    EXPECT_FLOAT_EQ(m_3d->m_fDistancia, 500.0f);

    // The debug cube, seen from the front, fills the canvas's middle.
    CSistema3D* p3D = g_pSistema2D->Get3D();
    ASSERT_NE(p3D, nullptr);
    m_3d->PonMalla(p3D->CubDepuracio(), 100.0f);
    ASSERT_NE(m_3d->m_pMalla, nullptr);
    EXPECT_NE(m_3d->m_pMalla, p3D->CubDepuracio()); // its own copy
    m_3d->m_fYaw = 0.3f;
    m_3d->m_fPitch = 0.2f;
    m_3d->m_fVelocidadGiro = 0.0f;
    Fondo(0, 0, 0);
    m_3d->Dibuja(nullptr, nullptr);
    EXPECT_EQ(En(120 + 100, 120 + 100).r, 255);
    EXPECT_EQ(En(120 + 5, 120 + 5).r, 128);
    // Without a model the canvas stays grey.
    m_3d->PonMalla(nullptr, 1.0f);
    Fondo(0, 0, 0);
    m_3d->Dibuja(nullptr, nullptr);
    Olvida();
    EXPECT_EQ(En(120 + 100, 120 + 100).r, 128);
}
