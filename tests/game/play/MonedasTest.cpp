// The attacks mode's coins: the bounce of a new coin, its life and its
// vanishing, and the coin tool's collection as the attacks screen sees it.
#include "engine/ui/MenuObj.h"
#include "game/play/MenuJuego.h"
#include "game/play/Moneda.h"
#include "game/play/herramientas/HerramientaMonedas.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A new coin rises to 15 and falls back; it bounces on its 12th and 21st
// steps with half its speed and lands on its 28th.
TEST(Moneda, BouncesTwiceAndLands)
{
    CMoneda m;
    ASSERT_TRUE(m.Inicia(1, 300.0f, 200.0f, 0));
    EXPECT_FLOAT_EQ(m.m_fEscala, 0.35f);
    struct Bote {
        int iPaso;
        float fVZ;
    };
    std::vector<Bote> botes;
    float fMaxima = 0.0f;
    int iPosada = -1;
    for (int paso = 1; paso <= 40; ++paso) {
        const float vz = m.m_fVZ;
        m.Actualiza();
        fMaxima = std::max(fMaxima, m.m_fAltura);
        if (m.m_fVZ > 0.0f && vz <= 0.0f && !m.m_bPosada) botes.push_back({paso, m.m_fVZ});
        if (m.m_bPosada && iPosada < 0) iPosada = paso;
        EXPECT_GE(m.m_fAltura, 0.0f);
        EXPECT_FLOAT_EQ(m.m_fX, 300.0f);
    }
    EXPECT_FLOAT_EQ(fMaxima, 15.0f);
    ASSERT_EQ(botes.size(), 2u);
    EXPECT_EQ(botes[0].iPaso, 12);
    EXPECT_FLOAT_EQ(botes[0].fVZ, 3.5f);
    EXPECT_EQ(botes[1].iPaso, 21);
    EXPECT_FLOAT_EQ(botes[1].fVZ, 2.75f);
    EXPECT_EQ(iPosada, 28);
    EXPECT_FLOAT_EQ(m.YDibujo(), 200.0f);
}

TEST(Moneda, VanishesAfterItsLife)
{
    CMoneda m;
    m.Inicia(7, 0.0f, 0.0f, 0);
    EXPECT_EQ(m.m_iTipo, 2);   // kinds are 0..2
    m.Inicia(-3, 0.0f, 0.0f, 0);
    EXPECT_EQ(m.m_iTipo, 0);
    for (int i = 0; i < 300; ++i) m.Actualiza();
    EXPECT_TRUE(m.Recogible());
    m.Actualiza();
    EXPECT_FALSE(m.Recogible());
    for (int i = 0; i < 14; ++i) m.Actualiza();
    EXPECT_FALSE(m.Desaparecida());
    m.Actualiza();
    EXPECT_TRUE(m.Desaparecida());
}

TEST(HerramientaMonedas, SpinFrames)
{
    struct Caso {
        int iTipo, iEdad, iSprite;
    };
    for (const Caso& k : {Caso{0, 0, 0}, Caso{0, 1, 1}, Caso{0, 6, 9}, Caso{0, 7, 0}, Caso{1, 3, 14}, Caso{2, 13, 29},
                          Caso{5, 0, 20}})
        EXPECT_EQ(CHerramientaMonedas::SpriteMoneda(k.iTipo, k.iEdad), k.iSprite) << k.iTipo << " " << k.iEdad;
}

// What the attacks screen hears of the coin tool.
class CPantallaMonedas : public CMenuObj {
public:
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override
    {
        eventos.push_back({iTipo, iValor, szTexto, iIdEmisor});
    }
    struct Evento {
        int iTipo, iValor;
        const char* szTexto;
        int iEmisor;
    };
    std::vector<Evento> eventos;
};

TEST(HerramientaMonedas, CollectsAtThePointerOnceAndForgetsVanishedCoins)
{
    kit::CJuegoPrueba juego("monedas");
    ASSERT_TRUE(juego.Iniciado());
    CPantallaMonedas pantalla;
    CHerramientaMonedas h;
    ASSERT_TRUE(h.Carga(&pantalla));
    h.CargaRecursos();
    h.CreaMoneda(0, 400.0f, 300.0f);
    h.CreaMoneda(2, 420.0f, 300.0f);
    h.CreaMoneda(1, 700.0f, 500.0f);
    EXPECT_EQ(h.NumMonedas(), 3);
    for (int i = 0; i < 30; ++i) {
        h.Actualiza();
        h.Dibuja(nullptr);
    }
    // Both coins within 30 points of (410, 300); the far one stays.
    h.Recoge(410.0f, 300.0f);
    ASSERT_EQ(pantalla.eventos.size(), 2u);
    for (const auto& e : pantalla.eventos) {
        EXPECT_EQ(e.iTipo, EVENTO_MONEDA_RECOGIDA);
        EXPECT_EQ(e.szTexto, nullptr);
        EXPECT_EQ(e.iEmisor, -1);
    }
    EXPECT_EQ(pantalla.eventos[0].iValor, 0);
    EXPECT_EQ(pantalla.eventos[1].iValor, 2);
    // A vanishing coin cannot be collected again.
    h.Actualiza();
    h.Recoge(410.0f, 300.0f);
    EXPECT_EQ(pantalla.eventos.size(), 2u);
    for (int i = 0; i < 15; ++i) {
        h.Actualiza();
        h.Dibuja(nullptr);
    }
    EXPECT_EQ(h.NumMonedas(), 1);
    // The last one vanishes by itself 300 + 15 steps after it appeared.
    for (int i = 0; i < 316 - 46 - 1; ++i) h.Actualiza();
    EXPECT_EQ(h.NumMonedas(), 1);
    h.Actualiza();
    EXPECT_EQ(h.NumMonedas(), 0);
    h.Recoge(700.0f, 500.0f);
    EXPECT_EQ(pantalla.eventos.size(), 2u);
    h.DescargaRecursos();
}

} // namespace
