// The demo fonts built from DejaVu: the default font and the game's three
// fonts load from the data archive and draw readable text.
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GestorFonts.h"
#include "engine/graphics/Sistema2D.h"
#include "kit/ServeisFitxers.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class FontDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_fitxers = std::make_unique<mgtest::ServeisFitxers>(MG_TEST_DATA_ROOT);
        ASSERT_TRUE(m_fitxers->Correcte());
        ASSERT_TRUE(m_fitxers->AmbArxiu());
        ASSERT_TRUE(plat::CreateMainWindow("test", false));
        g_pSistema2D = new CSistema2D;
        ASSERT_TRUE(g_pSistema2D->Inicia(true, true));
    }
    void TearDown() override
    {
        delete g_pSistema2D;
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
        m_fitxers.reset();
    }

    std::unique_ptr<mgtest::ServeisFitxers> m_fitxers;
};

TEST_F(FontDemo, GameFontsLoadAndDraw)
{
    const char* lista[NUM_FONTS] = {motor::fuente::LA_BRIT, motor::fuente::VILLAGE_FONT,
                                    motor::fuente::LA_BRIT_NUMEROS_GRANDES};
    ASSERT_TRUE(g_pSistema2D->CarregaFonts(lista));
    CFont* defecto = g_pSistema2D->GetFont(FONT_DEFECTO);
    ASSERT_TRUE(defecto->EstaCargada());
    EXPECT_NE(defecto->m_pSombra, nullptr); // it reads on any ground too
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        CFont* font = g_pSistema2D->GetFont(i);
        ASSERT_NE(font, defecto);
        ASSERT_TRUE(font->EstaCargada());
        EXPECT_NE(font->m_pSombra, nullptr);
        EXPECT_GT(font->AltoLinea(), 0.0f);
        EXPECT_GT(font->AnchoLetra('W'), font->AnchoLetra('i'));
        EXPECT_EQ(font->AnchoLetra('\n'), 0.0f);
        EXPECT_GT(font->AnchoLetra(0xE9), 0.0f); // e acute of Windows-1252
    }
    EXPECT_GT(g_pSistema2D->GetFont(2)->AltoLinea(), g_pSistema2D->GetFont(0)->AltoLinea());

    for (int i : {FONT_DEFECTO, 0, 1, 2}) {
        SCOPED_TRACE(i);
        Sprite* s = g_pSistema2D->CreaSpriteText(i, "Marrowgate 1234", -1, TEXTO_IZQUIERDA | TEXTO_ARRIBA, 1, 1, -1,
                                                 -1, 0, 0, 0, 0, -1, -1, true);
        ASSERT_NE(s, nullptr);
        g_pSistema2D->MarcaSpriteEnUs(s);
        g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(90, 120, 150, 255), true);
        g_pSistema2D->DibuixaSprite(s, 10, 10);
        std::vector<uint8_t> pantalla;
        ASSERT_TRUE(plat::ReadFrame(&pantalla));
        int claros = 0, oscuros = 0;
        for (int y = 10; y < 10 + static_cast<int>(s->GetAlcada()); ++y) {
            for (int x = 10; x < 10 + static_cast<int>(s->GetAmplada()); ++x) {
                const uint8_t* p = &pantalla[(static_cast<size_t>(y) * plat::kFieldWidth + x) * 4];
                if (p[0] > 230 && p[1] > 230 && p[2] > 230) ++claros;
                if (p[0] < 70 && p[1] < 100 && p[2] < 120) ++oscuros;
            }
        }
        EXPECT_GT(claros, 100);
        if (i != FONT_DEFECTO) {
            EXPECT_GT(oscuros, 50); // outline and shadow
        }
        g_pSistema2D->AlliberaSprite(s, true);
    }
}

} // namespace
