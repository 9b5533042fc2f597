// The hint box on the real graphics system: fading in and out with the
// requests, a new text waiting for the old one to fade out, following the
// pointer and flipping at the field's edges, fitting a text into its area,
// drawing, and the application core updating and drawing it each step.
#include "engine/app/Aplicacion.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorRatones.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/CuadroHint.h"
#include "TextoEntorno.h"
#include "kit/ArbolMenus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int kClave = 2;
const ColorARGB kBorde(255, 150, 12, 25);
const ColorARGB kFondo(200, 0, 0, 0);

class Hint : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        g_GestorFLIs.AnadeTexto(kClave, "HNT1", "Start the story");
        g_GestorFLIs.AnadeTexto(kClave, "HNT2", "Options");
        g_GestorFLIs.SeleccionaIdioma(kClave);
        g_pRatones = &m_ratones;
        m_ratones.Inicia();
        Raton(300, 300);
        m_hint = std::make_unique<CCuadroHint>();
        ASSERT_TRUE(m_hint->Inicia(0, &kBorde, &kFondo));
    }
    void TearDown() override
    {
        m_hint.reset();
        m_ratones.Libera();
        g_pRatones = nullptr;
        EntornoTexto::TearDown();
    }

    void Raton(float x, float y)
    {
        m_ratones.m_RatonSistema.m_fX = x;
        m_ratones.m_RatonSistema.m_fY = y;
    }
    // Asks for the code (unless -1) and updates once.
    void Paso(int iCodigo)
    {
        if (iCodigo != -1) m_hint->PideTexto(iCodigo, 0);
        m_hint->Actualiza();
    }
    float Ancho() { return m_hint->SpriteTexto()->GetAmplada(); }
    float Alto() { return m_hint->SpriteTexto()->GetAlcada(); }

    CGestorRatones m_ratones;
    std::unique_ptr<CCuadroHint> m_hint;
    const int m_iUno = CodigoFLI("HNT1");
    const int m_iDos = CodigoFLI("HNT2");
};

} // namespace

TEST_F(Hint, SingleRequestBuildsTheTextThenFadesInWhileHeldAndOut)
{
    EXPECT_EQ(m_hint->Fundido(), 0.0f);
    EXPECT_EQ(m_hint->CodigoMostrado(), -1);
    EXPECT_EQ(m_hint->X(), CCuadroHint::kSinColocar);
    m_hint->PideTexto(m_iUno, 0);
    // Update by update: the text is built first (the fade is already 0),
    // then it fades in while the request holds, and out after.
    const float esperado[] = {0.0f, 0.15f, 0.30f, 0.45f, 0.30f, 0.15f, 0.0f, 0.0f};
    for (size_t i = 0; i < std::size(esperado); ++i) {
        Paso(-1);
        EXPECT_NEAR(m_hint->Fundido(), esperado[i], 1e-5f) << i;
        EXPECT_EQ(m_hint->CodigoMostrado(), m_iUno) << i;
        ASSERT_NE(m_hint->SpriteTexto(), nullptr) << i;
    }
    // The width of the text area; a short text is one line high plus 10.
    EXPECT_EQ(Ancho(), 256.0f);
    CFont* f = g_pSistema2D->GetFont(0);
    EXPECT_FLOAT_EQ(Alto(), f->CalculaAlto("Start the story") + 10.0f);

    // Asked at every step it stays fully shown.
    for (int i = 0; i < 12; ++i) Paso(m_iUno);
    EXPECT_FLOAT_EQ(m_hint->Fundido(), 1.0f);
}

TEST_F(Hint, NewCodeWaitsForTheOldTextToFadeOut)
{
    for (int i = 0; i < 10; ++i) Paso(m_iUno);
    ASSERT_FLOAT_EQ(m_hint->Fundido(), 1.0f);
    Sprite* pUno = m_hint->SpriteTexto();
    int n = 0;
    while (m_hint->CodigoMostrado() == m_iUno && n < 20) {
        float antes = m_hint->Fundido();
        Paso(m_iDos);
        ++n;
        if (m_hint->CodigoMostrado() == m_iUno) {
            EXPECT_LT(m_hint->Fundido(), antes);
            EXPECT_EQ(m_hint->SpriteTexto(), pUno);
        }
    }
    // 1.0 down by 0.15: the new text is built in the update that reaches 0.
    EXPECT_GE(n, 7);
    EXPECT_LE(n, 8);
    EXPECT_EQ(m_hint->CodigoMostrado(), m_iDos);
    EXPECT_EQ(m_hint->Fundido(), 0.0f);
    Paso(m_iDos);
    EXPECT_NEAR(m_hint->Fundido(), 0.15f, 1e-5f);
}

TEST_F(Hint, FollowsThePointerAndFlipsAtTheEdges)
{
    Paso(m_iUno);
    const float w = Ancho(), h = Alto();
    struct Caso {
        const char* donde;
        float px, py;
        float x, y;
    };
    const Caso casos[] = {
        {"middle", 300, 300, 350, 325},
        {"right edge", 900, 300, 900 - w, 325},
        {"bottom edge", 300, 700, 350, 700 - h},
        {"both", 900, 700, 900 - w, 700 - h},
        {"top left corner", 1, 1, 51, 26},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.donde);
        CCuadroHint hint;
        ASSERT_TRUE(hint.Inicia(0, &kBorde, &kFondo));
        Raton(c.px, c.py);
        hint.PideTexto(m_iUno, 0);
        // The first placement jumps to the target.
        hint.Actualiza();
        EXPECT_FLOAT_EQ(hint.X(), c.x);
        EXPECT_FLOAT_EQ(hint.Y(), c.y);
    }
    // Later moves close half the distance per step.
    Raton(300, 300);
    Paso(m_iUno);
    ASSERT_FLOAT_EQ(m_hint->X(), 350);
    Raton(400, 340);
    Paso(m_iUno);
    EXPECT_FLOAT_EQ(m_hint->X(), 400);
    EXPECT_FLOAT_EQ(m_hint->Y(), 345);
    Paso(m_iUno);
    EXPECT_FLOAT_EQ(m_hint->X(), 425);
    EXPECT_FLOAT_EQ(m_hint->Y(), 355);
}

TEST_F(Hint, TextIsScaledDownToFitItsAreaOrShownAtScaleOneInTheDefaultBox)
{
    CFont* f = g_pSistema2D->GetFont(0);
    ASSERT_TRUE(f && f->EstaCargada());
    std::string medio;
    for (int i = 0; i < 40; ++i) medio += "word ";
    struct Caso {
        const char* nombre;
        std::string texto;
    };
    std::string interminable;
    for (int i = 0; i < 2000; ++i) interminable += "a\n";
    const Caso casos[] = {{"short", "Options"}, {"long", medio}, {"endless", interminable}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        float s = 0, alto = 0;
        CCuadroHint::CalculaCaja(f, c.texto.c_str(), &s, &alto);
        if (c.texto == interminable) {
            // Not even scale 0.1 fits 128 points: scale 1 in a 256 x 64 box.
            EXPECT_FLOAT_EQ(s, 1.0f);
            EXPECT_FLOAT_EQ(alto, 64.0f);
            continue;
        }
        std::string ajustado;
        f->AjustaTexto(ajustado, c.texto.c_str(), 256.0f / s);
        float h = f->CalculaAlto(ajustado.c_str()) * s;
        EXPECT_FLOAT_EQ(alto, h + 10.0f);
        EXPECT_LE(h * s, 128.0f);
        if (c.texto.size() < 20) {
            EXPECT_FLOAT_EQ(s, 1.0f);
        }
    }
    float s = 0, alto = 0;
    CCuadroHint::CalculaCaja(f, medio.c_str(), &s, &alto);
    EXPECT_LT(s, 1.0f);
    // Without a font or a text the box keeps its defaults.
    CCuadroHint::CalculaCaja(nullptr, "x", &s, &alto);
    EXPECT_FLOAT_EQ(s, 1.0f);
    EXPECT_FLOAT_EQ(alto, 64.0f);
}

TEST_F(Hint, DrawsABodyWithAnOutlineAndNothingWhileFadedOut)
{
    Raton(300, 300);
    for (int i = 0; i < 10; ++i) Paso(m_iUno);
    ASSERT_FLOAT_EQ(m_hint->Fundido(), 1.0f);
    const int x = static_cast<int>(m_hint->X()), y = static_cast<int>(m_hint->Y());
    const int h = static_cast<int>(Alto());
    Fondo(255, 255, 255);
    m_hint->Dibuja(nullptr, nullptr);
    // The outline in its colour; the body darkens the background (alpha 200 black).
    uitest::Pixel borde = En(x, y + h / 2 + 5);
    EXPECT_EQ(borde.r, 150);
    EXPECT_EQ(borde.g, 12);
    uitest::Pixel cuerpo = En(x + 3, y + 12);
    EXPECT_LT(cuerpo.r, 70);
    // Above the body (the top 10 points) nothing but the text is drawn.
    EXPECT_EQ(En(x + 3, y + 2).r, 255);
    // Outside the box nothing changes.
    EXPECT_EQ(En(x - 3, y + 20).g, 255);

    // Faded out: nothing at all.
    for (int i = 0; i < 10; ++i) Paso(-1);
    ASSERT_EQ(m_hint->Fundido(), 0.0f);
    Fondo(255, 255, 255);
    m_hint->Dibuja(nullptr, nullptr);
    EXPECT_EQ(En(x + 3, y + 12).r, 255);
}

TEST_F(Hint, ReleaseFreesTheTextAndResourcesFollowIt)
{
    Paso(m_iUno);
    Sprite* s = m_hint->SpriteTexto();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->m_bEnUs);
    m_hint->DescargaRecursos();
    EXPECT_FALSE(s->m_bEnUs);
    m_hint->CargaRecursos();
    EXPECT_TRUE(s->m_bEnUs);
    m_hint->LiberaSiCreado();
    EXPECT_FALSE(m_hint->EstaCreado());
    EXPECT_EQ(m_hint->SpriteTexto(), nullptr);
    // It never was part of a tree.
    EXPECT_FALSE(m_hint->EstaIniciado());
}

TEST_F(Hint, CoreUpdatesAndDrawsTheBoxEachStep)
{
    kit::CArbolPrueba& arbol = *m_arbol;
    arbol.App().AsignaCuadroHint(m_hint.get());
    for (int i = 0; i < 4; ++i) {
        arbol.App().MuestraHint(m_iUno);
        arbol.Pasos(1);
    }
    EXPECT_EQ(m_hint->CodigoMostrado(), m_iUno);
    EXPECT_NEAR(m_hint->Fundido(), 0.45f, 1e-5f);
    arbol.Pasos(10);
    EXPECT_EQ(m_hint->Fundido(), 0.0f);
    arbol.App().AsignaCuadroHint(nullptr);
    // Without a box a request goes nowhere.
    arbol.App().MuestraHint(m_iDos);
}
