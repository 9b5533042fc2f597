// Board pieces: their state machine, their glow, and what they draw (the
// passes worked out for the sprite packages).
#include "game/play/BolaTablero.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

class PiezaTablero : public ::testing::Test {
protected:
    void SetUp() override
    {
        CBolaTablero::s_Transformacion = TransformacionFigura{};
        CBolaTablero::s_bAltoContraste = false;
    }
    void TearDown() override
    {
        CBolaTablero::s_Transformacion = TransformacionFigura{};
        CBolaTablero::s_bAltoContraste = false;
    }

    // A piece without packages (no graphics here): its logic works alike.
    static std::unique_ptr<CBolaTablero> Pieza(int orden, int desvanecer = -1, int brillo = -1)
    {
        auto p = std::make_unique<CBolaTablero>();
        EXPECT_FALSE(p->Inicia(orden, 0.0f, 0.0f, desvanecer, brillo));
        p->PonColor(2);
        return p;
    }
    static void Pasos(CBolaTablero& p, int n, float px = -5000.0f, float py = -5000.0f)
    {
        for (int i = 0; i < n; ++i) p.Actualiza(px, py);
    }
    static PasadasBola Pasadas(const CBolaTablero& p, float oscurecer = 0.0f)
    {
        PasadasBola r;
        p.CalculaPasadas(oscurecer, r);
        return r;
    }
};

TEST_F(PiezaTablero, PiecesAppearOneStepApart)
{
    std::vector<std::unique_ptr<CBolaTablero>> piezas;
    for (int i = 0; i < 10; ++i) {
        piezas.push_back(Pieza(i));
        piezas.back()->Aparece();
    }
    for (int paso = 1; paso <= 25; ++paso) {
        for (auto& p : piezas) p->Actualiza(-5000.0f, -5000.0f);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(piezas[static_cast<size_t>(i)]->Estado(), paso >= 15 + i ? BOLA_LIBRE : BOLA_APARECIENDO)
                << "step " << paso << " piece " << i;
    }
}

TEST_F(PiezaTablero, ReleasedPiecesReturnAfterWhatTheyCounted)
{
    // Settled, then released: 30 steps.
    auto p = Pieza(0);
    p->Aparece();
    Pasos(*p, 15);
    p->Coge();
    Pasos(*p, 30);
    EXPECT_EQ(p->Estado(), BOLA_COGIDA);
    p->Suelta();
    Pasos(*p, 29);
    EXPECT_EQ(p->Estado(), BOLA_SOLTANDO);
    Pasos(*p, 1);
    EXPECT_EQ(p->Estado(), BOLA_LIBRE);

    // Released 12 steps into being taken: 12 steps back.
    p->Coge();
    Pasos(*p, 12);
    p->Suelta();
    Pasos(*p, 11);
    EXPECT_EQ(p->Estado(), BOLA_SOLTANDO);
    Pasos(*p, 1);
    EXPECT_EQ(p->Estado(), BOLA_LIBRE);

    // Taken again while released, it goes on counting from where it was.
    p->Coge();
    Pasos(*p, 20);
    p->Suelta();
    Pasos(*p, 5);
    p->Coge();
    EXPECT_EQ(p->Estado(), BOLA_COGIENDO);
    Pasos(*p, 14);
    EXPECT_EQ(p->Estado(), BOLA_COGIENDO);
    Pasos(*p, 1);
    EXPECT_EQ(p->Estado(), BOLA_COGIDA);
}

TEST_F(PiezaTablero, LeavingAndStayingGone)
{
    auto p = Pieza(3);
    p->Aparece();
    Pasos(*p, 18);
    p->Coge();
    p->Disuelve();
    Pasos(*p, 14);
    EXPECT_TRUE(p->EstaSaliendo());
    Pasos(*p, 1);
    EXPECT_TRUE(p->HaDesaparecido());

    // Vanishing takes 30 steps from any visible state; a gone piece ignores it.
    p->Desvanece();
    EXPECT_TRUE(p->HaDesaparecido());
    p->Aparece();
    p->Desvanece();
    Pasos(*p, 29);
    EXPECT_EQ(p->Estado(), BOLA_DESVANECIENDO);
    Pasos(*p, 1);
    EXPECT_TRUE(p->HaDesaparecido());

    // Withdrawn, it never comes back.
    p->Aparece();
    p->Retira();
    Pasos(*p, 30);
    p->Aparece();
    EXPECT_TRUE(p->HaDesaparecido());
}

TEST_F(PiezaTablero, ShardGlowFollowsItsCounter)
{
    auto p = Pieza(0, -1, 60);
    p->PonEsquirla(true);
    p->Aparece();
    // Under the pointer while it waits free: lit (its counter is set back to
    // 60 and runs down one step each step).
    Pasos(*p, 40, 512.0f, 384.0f);
    EXPECT_NEAR(p->Brillo(), 59.0f / 60.0f, 0.0001f);
    // Left alone, it follows its counter down to 0 within 60 steps.
    for (int paso = 1; paso <= 60; ++paso) {
        p->Actualiza(-5000.0f, -5000.0f);
        EXPECT_NEAR(p->Brillo(), std::max(0.0f, static_cast<float>(59 - paso) / 60.0f), 0.0001f) << paso;
    }

    auto siempre = Pieza(0, -1, -1);
    siempre->PonEsquirla(true);
    siempre->Aparece();
    Pasos(*siempre, 100);
    EXPECT_FLOAT_EQ(siempre->Brillo(), 1.0f);
}

TEST_F(PiezaTablero, PointerLightsAPieceAtItsFieldPosition)
{
    // A figure moved 300 points right: the piece at figure (0, 0) stands at
    // (812, 384) on the field.
    CBolaTablero::s_Transformacion = {300.0f, 0.0f, 1.0f, 1.0f};
    auto p = Pieza(0, -1, 60);
    p->PonEsquirla(true);
    p->Aparece();
    Pasos(*p, 80, 512.0f, 384.0f);  // the figure's own centre, far from the piece
    EXPECT_FLOAT_EQ(p->Brillo(), 0.0f);
    Pasos(*p, 11, 812.0f, 384.0f);
    EXPECT_NEAR(p->Brillo(), 1.0f, 0.02f);
}

TEST_F(PiezaTablero, FadingShardIsUnseenOnceOldUnlessLit)
{
    auto p = Pieza(0, 300, 60);
    p->PonEsquirla(true);
    p->Aparece();
    Pasos(*p, 300);
    auto r = Pasadas(*p);
    ASSERT_EQ(r.m_iNum, 1);
    EXPECT_EQ(r.m_a[0].m_ucAlfa, 0);
    // Lit by the pointer it shows again.
    Pasos(*p, 10, 512.0f, 384.0f);
    r = Pasadas(*p);
    EXPECT_GT(r.m_a[0].m_ucAlfa, 240);
}

TEST_F(PiezaTablero, SlotsAndTheHighContrastSet)
{
    auto d = Pieza(0);
    d->PonColor(3);
    d->Aparece();
    Pasos(*d, 15);
    auto s = Pieza(0);
    s->PonEsquirla(true);
    s->Aparece();
    Pasos(*s, 15);
    EXPECT_EQ(Pasadas(*d).m_a[0].m_iSlot, 3);
    EXPECT_EQ(Pasadas(*s).m_a[0].m_iSlot, 7);
    CBolaTablero::s_bAltoContraste = true;
    EXPECT_EQ(Pasadas(*d).m_a[0].m_iSlot, 13);
    EXPECT_EQ(Pasadas(*s).m_a[0].m_iSlot, 17);
}

TEST_F(PiezaTablero, DrawPassesOfEachState)
{
    CBolaTablero::s_Transformacion = {10.0f, -20.0f, 2.0f, 0.5f};
    auto p = std::make_unique<CBolaTablero>();
    p->Inicia(2, 30.0f, 40.0f, -1, -1);
    p->PonColor(4);
    p->Aparece();
    Pasos(*p, 17);
    ASSERT_EQ(p->Estado(), BOLA_LIBRE);

    // Free: one pass, the alpha split by the darkening; placed by the
    // transform, at the sprite scale, unrotated.
    auto r = Pasadas(*p, 0.25f);
    ASSERT_EQ(r.m_iNum, 1);
    const PasadaBola& b = r.m_a[0];
    EXPECT_EQ(b.m_Paquete, PasadaBola::DIAMANTES);
    EXPECT_FLOAT_EQ(b.m_fX, 30.0f * 2.0f + 512.0f + 10.0f);
    EXPECT_FLOAT_EQ(b.m_fY, 40.0f * 2.0f + 384.0f - 20.0f);
    EXPECT_FLOAT_EQ(b.m_fEscalaX, 0.5f);
    EXPECT_FLOAT_EQ(b.m_fRotacion, 0.0f);
    EXPECT_EQ(b.m_ucAlfa, 191);
    EXPECT_EQ(b.m_ucAlfa2, 63);
    EXPECT_EQ(b.m_iFusion, 0);

    // Hovered: a second, additive drawing at the same alpha.
    p->MarcaSobrevolada();
    r = Pasadas(*p);
    ASSERT_EQ(r.m_iNum, 2);
    EXPECT_EQ(r.m_a[1].m_iFusion, 0x02);
    EXPECT_EQ(r.m_a[1].m_ucAlfa, 255);

    // Of the selected colour: a pulse from 1 to 199 over 32 steps.
    p->Actualiza(-5000.0f, -5000.0f);
    p->ColorSeleccionado(4);
    const struct {
        int pasos;
        int alfa;
    } pulso[] = {{0, 100}, {8, 199}, {16, 100}, {24, 1}, {32, 100}};
    int hechos = 0;
    for (const auto& e : pulso) {
        Pasos(*p, e.pasos - hechos);
        hechos = e.pasos;
        r = Pasadas(*p);
        ASSERT_EQ(r.m_iNum, 2);
        EXPECT_EQ(r.m_a[1].m_iFusion, 0x02);
        EXPECT_NEAR(r.m_a[1].m_ucAlfa, e.alfa, 1) << e.pasos;
    }

    // Taken and settled: the piece, then three rings at full.
    p->Coge();
    Pasos(*p, 30);
    r = Pasadas(*p);
    ASSERT_EQ(r.m_iNum, 4);
    const float edad = static_cast<float>(p->Edad());
    const float fase = 2 * 0.87f;
    const float esperado[3][3] = {{0.5f, 0.5f, edad * 0.01f + fase},
                                  {0.5f * std::sin(edad * 0.01f + fase), 0.5f, edad * 0.03f + fase},
                                  {0.5f * std::cos(edad * 0.02f + fase), 0.5f, edad * 0.04f + fase}};
    for (int i = 0; i < 3; ++i) {
        const PasadaBola& a = r.m_a[static_cast<size_t>(i + 1)];
        EXPECT_EQ(a.m_Paquete, PasadaBola::ARO);
        EXPECT_EQ(a.m_iSlot, 0);
        EXPECT_EQ(a.m_ucAlfa, 255);
        EXPECT_NEAR(a.m_fEscalaX, esperado[i][0], 1e-5f);
        EXPECT_NEAR(a.m_fEscalaY, esperado[i][1], 1e-5f);
        EXPECT_NEAR(a.m_fRotacion, esperado[i][2], 1e-5f);
    }

    // Vanishing narrows into a streak with a white silhouette, then rings.
    p->Desvanece();
    const struct {
        int pasos;
        float ex, ey;
        int blanco, aro;
    } desvanecer[] = {{0, 0.5f, 0.0f, 0, 255}, {15, 0.25f, 2.5f, 127, 127}, {29, 0.5f / 30, 0.5f * 29 * 10 / 30, 246, 8}};
    hechos = 0;
    for (const auto& e : desvanecer) {
        Pasos(*p, e.pasos - hechos);
        hechos = e.pasos;
        r = Pasadas(*p);
        ASSERT_EQ(r.m_iNum, 5);
        EXPECT_NEAR(r.m_a[0].m_fEscalaX, e.ex, 1e-5f);
        EXPECT_NEAR(r.m_a[0].m_fEscalaY, e.ey, 1e-5f);
        EXPECT_EQ(r.m_a[1].m_iFusion, 0x01);
        EXPECT_EQ(r.m_a[1].m_ColorFusion.r, 255);
        EXPECT_EQ(r.m_a[1].m_ucAlfa, e.blanco);
        EXPECT_NEAR(r.m_a[2].m_ucAlfa, e.aro, 1);
    }

    // A shard draws at a fifth of the scale and turns; its rings too.
    auto s = std::make_unique<CBolaTablero>();
    s->Inicia(1, 0.0f, 0.0f, -1, -1);
    s->PonEsquirla(true);
    s->Aparece();
    Pasos(*s, 16);
    s->Coge();
    r = Pasadas(*s);
    ASSERT_EQ(r.m_iNum, 1);  // the ring shows once the counter has moved
    Pasos(*s, 1);
    r = Pasadas(*s);
    ASSERT_EQ(r.m_iNum, 4);
    EXPECT_FLOAT_EQ(r.m_a[0].m_fEscalaX, 0.1f);
    EXPECT_NEAR(r.m_a[0].m_fRotacion, static_cast<float>(s->Edad()) * 0.01f + 0.87f, 1e-5f);
    EXPECT_NEAR(r.m_a[1].m_fEscalaX, (2.0f - 1.0f / 30.0f) * 0.5f * 0.2f, 1e-5f);
    EXPECT_EQ(r.m_a[1].m_ucAlfa, 8);
}

TEST_F(PiezaTablero, AppearingAndDissolvingAlphas)
{
    auto p = Pieza(4);
    p->Aparece();
    Pasos(*p, 3);
    EXPECT_EQ(Pasadas(*p).m_iNum, 0);  // still waiting its turn
    Pasos(*p, 6);                     // counter 5 of 15
    ASSERT_EQ(Pasadas(*p).m_iNum, 1);
    EXPECT_EQ(Pasadas(*p).m_a[0].m_ucAlfa, 85);
    Pasos(*p, 10);
    EXPECT_EQ(p->Estado(), BOLA_LIBRE);
    p->Coge();
    Pasos(*p, 30);
    p->Disuelve();
    Pasos(*p, 5);
    EXPECT_NEAR(Pasadas(*p).m_a[0].m_ucAlfa, 170, 1);
}

} // namespace
