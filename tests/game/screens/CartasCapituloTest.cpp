// The chapter cards: every chapter's title, in every language, stands
// between the two characters, clear of both, and inside the field.
#include "engine/app/Aplicacion.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

TEST(CartasCapitulo, EveryTitleStandsBetweenTheCharactersNotAcrossThem)
{
    using C = CMenuPresentacionCapitulo;
    kit::CJuegoPrueba juego("cartas_capitulo");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    C* c = g_pMenuMaestro->m_pMenuPresentacionCapitulo;
    const struct {
        int clave;
        char a, b;
    } idiomas[] = {{0, 'C', 'A'}, {1, 'E', 'S'}, {2, 'E', 'N'}};
    for (const auto& idioma : idiomas) {
        g_pAplicacion->CambiaIdioma(idioma.clave, idioma.a, idioma.b);
        for (int k = 0; k < C::kNumCapitulos; ++k) {
            SCOPED_TRACE(testing::Message() << "language " << idioma.clave << " chapter " << k);
            ASSERT_TRUE(c->Crea(k));
            float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
            ASSERT_TRUE(c->CajaTitulo(&x0, &y0, &x1, &y1));
            EXPECT_GE(x0, C::kPersonajeIzqX + C::kMitadPersonaje);
            EXPECT_LE(x1, C::kPersonajeDerX - C::kMitadPersonaje);
            EXPECT_GT(x1 - x0, 100.0f);
            EXPECT_GE(y0, 0.0f);
            EXPECT_LE(y1, C::kPersonajeY);
        }
    }
    c->Libera();
    g_pAplicacion->CambiaIdioma(2, 'E', 'N');
}
