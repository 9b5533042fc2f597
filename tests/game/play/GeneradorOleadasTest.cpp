// The endless mode's wave generator: how many groups of which family a wave
// holds, how many attacks a kind's weight gives, the mirrored copies, the
// spacing in time, and that no wave from 0 to 400 breaks its bounds or
// outgrows the cap.
#include "engine/core/Lista.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "game/play/GeneradorOleadas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A wave list that frees its records.
struct Oleada {
    CLista lista;
    Oleada() { lista.Inicia(); }
    ~Oleada() { VaciaOleada(&lista); }
    std::vector<AtaqueOleada*> Ataques() const
    {
        std::vector<AtaqueOleada*> v;
        for (NodoLista* p = lista.m_pCabeza; p; p = p->m_pSiguiente) v.push_back(static_cast<AtaqueOleada*>(p->m_pItem));
        return v;
    }
};

bool PrimeraFamilia(int t) { return t >= 1 && t <= 7; }
bool SegundaFamilia(int t) { return t == 8 || t == 10 || t == 11; }

TEST(GeneradorOleadas, GroupsOfEachFamily)
{
    CGeneradorOleadas g;
    ASSERT_TRUE(g.Crea());
    for (uint32_t semilla = 1; semilla <= 20; ++semilla) {
        ReiniciaAleatorio(semilla);
        Oleada o;
        g.CreaOleada(0, &o.lista);
        EXPECT_EQ(g.m_iGruposA + g.m_iGruposB, 3);
        EXPECT_GE(g.m_iGruposB, 0);
        g.CreaOleada(35, &o.lista);
        EXPECT_EQ(g.m_iGruposA, 2);
        EXPECT_EQ(g.m_iGruposB, 8);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(PrimeraFamilia(g.m_aiTipo[i]), i < 2) << i;
            EXPECT_EQ(SegundaFamilia(g.m_aiTipo[i]), i >= 2) << i;
        }
        // A negative wave is wave 0.
        g.CreaOleada(-7, &o.lista);
        EXPECT_EQ(g.m_iGruposA + g.m_iGruposB, 3);
    }
    // The first family's share never gives more groups than the wave has.
    struct Caso {
        int b;
        float c;
        int a;
    };
    for (const Caso& k : {Caso{3, 1.4f, 3}, Caso{9, 1.4f, 9}, Caso{10, 0.2f, 2}, Caso{3, 0.2f, 0}, Caso{8, 0.9f, 7}})
        EXPECT_EQ(CGeneradorOleadas::GruposPrimeraFamilia(k.b, k.c), k.a) << k.b << " " << k.c;
    EXPECT_EQ(CGeneradorOleadas::NumGrupos(0), 3);
    EXPECT_EQ(CGeneradorOleadas::NumGrupos(34), 9);
    EXPECT_EQ(CGeneradorOleadas::NumGrupos(35), 10);
    EXPECT_EQ(CGeneradorOleadas::NumGrupos(-1), 3);
}

// At wave 0 a group draws 5..10 attacks times its kind's weight.
TEST(GeneradorOleadas, TheKindsWeightScalesItsAttacks)
{
    CGeneradorOleadas g;
    g.Crea();
    bool bTipo1 = false, bTipo3 = false;
    ReiniciaAleatorio(7);
    for (int ola = 0; ola < 300 && !(bTipo1 && bTipo3); ++ola) {
        Oleada o;
        g.CreaOleada(0, &o.lista);
        for (int i = 0; i < g.m_iGruposA + g.m_iGruposB; ++i) {
            if (g.m_aiTipo[i] == 1) {
                bTipo1 = true;
                EXPECT_GE(g.m_aiNumero[i], 20);
                EXPECT_LE(g.m_aiNumero[i], 40);
            } else if (g.m_aiTipo[i] == 3) {
                bTipo3 = true;
                EXPECT_GE(g.m_aiNumero[i], 1);
                EXPECT_LE(g.m_aiNumero[i], 2);
            }
        }
    }
    EXPECT_TRUE(bTipo1 && bTipo3);
}

TEST(GeneradorOleadas, MirroredCopiesCountAgainstTheGroup)
{
    ReiniciaAleatorio(3);
    CGeneradorOleadas g;
    g.Crea();
    struct Caso {
        int iSimetria;
        int iNumero;
        int iRegistros;
    };
    for (const Caso& k : {Caso{3, 5, 8}, Caso{1, 5, 6}, Caso{2, 4, 4}, Caso{0, 5, 5}, Caso{4, 3, 3}, Caso{5, 3, 3}}) {
        Oleada o;
        g.m_aiTipo[0] = 4;
        g.m_aiNumero[0] = k.iNumero;
        g.m_aiSimetria[0] = k.iSimetria;
        g.m_aiDisposicion[0] = 0;
        g.m_aiEspaciado[0] = 5;
        g.m_aiPaso[0] = 0;
        g.ColocaGrupo(0, &o.lista);
        const std::vector<AtaqueOleada*> a = o.Ataques();
        ASSERT_EQ(static_cast<int>(a.size()), k.iRegistros) << "symmetry " << k.iSimetria;
        if (k.iSimetria == 3) {
            // Inserted at the head: the last record asked for comes first,
            // after its copies (-x, -y), (x, -y), (-x, y).
            const float x = a[3]->m_fX - 512.0f, y = a[3]->m_fY - 384.0f;
            EXPECT_FLOAT_EQ(a[2]->m_fX - 512.0f, -x);
            EXPECT_FLOAT_EQ(a[2]->m_fY - 384.0f, y);
            EXPECT_FLOAT_EQ(a[1]->m_fX - 512.0f, x);
            EXPECT_FLOAT_EQ(a[1]->m_fY - 384.0f, -y);
            EXPECT_FLOAT_EQ(a[0]->m_fX - 512.0f, -x);
            EXPECT_FLOAT_EQ(a[0]->m_fY - 384.0f, -y);
        }
    }
}

// Offsets of the records asked for, in order, for each spacing mode and step.
TEST(GeneradorOleadas, SpacingModesShareOffsetsInRuns)
{
    struct Caso {
        int iModo;
        int iPaso;
        std::vector<int> frames;
    };
    const std::vector<Caso> casos = {
        {0, 0, {1, 2, 3, 4, 5, 6}},
        {0, 2, {4, 8, 12, 16, 20, 24}},
        {1, 1, {0, 0, 2, 2, 4, 4}},
        {2, 0, {0, 0, 0, 0, 1, 1, 1, 1, 2}},
        {3, 4, {0, 0, 0, 0, 0, 0, 0, 0, 16, 16}},
        {5, 4, {0, 0, 0, 0, 0}},
    };
    ReiniciaAleatorio(5);
    CGeneradorOleadas g;
    g.Crea();
    for (const Caso& k : casos) {
        Oleada o;
        g.m_aiTipo[0] = 6;
        g.m_aiNumero[0] = static_cast<int>(k.frames.size());
        g.m_aiSimetria[0] = 0;
        g.m_aiDisposicion[0] = 2;
        g.m_aiEspaciado[0] = k.iModo;
        g.m_aiPaso[0] = k.iPaso;
        g.ColocaGrupo(0, &o.lista);
        std::vector<AtaqueOleada*> a = o.Ataques();
        std::vector<int> frames;
        for (auto it = a.rbegin(); it != a.rend(); ++it) frames.push_back((*it)->m_iDesfase);
        EXPECT_EQ(frames, k.frames) << "mode " << k.iModo << " step " << k.iPaso;
    }
    // Mode 16 runs: a 17th record is the first to move on.
    EXPECT_FALSE(CGeneradorOleadas::CreceDesplazamiento(4, 0));
    EXPECT_FALSE(CGeneradorOleadas::CreceDesplazamiento(4, 15));
    EXPECT_TRUE(CGeneradorOleadas::CreceDesplazamiento(4, 16));
}

TEST(GeneradorOleadas, HeadingsByKind)
{
    EXPECT_FLOAT_EQ(CGeneradorOleadas::RumboAtaque(1, 100.0f, -50.0f), kPi / 2.0f);
    EXPECT_FLOAT_EQ(CGeneradorOleadas::RumboAtaque(5, -10.0f, 0.0f), kPi / 2.0f);
    // Kind 2 heads for the centre.
    EXPECT_NEAR(DiferenciaAngles(CGeneradorOleadas::RumboAtaque(2, 100.0f, 0.0f), kPi), 0.0f, 1e-5f);
    EXPECT_NEAR(DiferenciaAngles(CGeneradorOleadas::RumboAtaque(2, 0.0f, -100.0f), kPi / 2.0f), 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(CGeneradorOleadas::RumboAtaque(10, 3.0f, 4.0f), 0.0f);
}

// Every wave the endless mode can reach stays within its bounds; later
// waves fill up to the cap and never past it.
TEST(GeneradorOleadas, EveryWaveKeepsItsBounds)
{
    CGeneradorOleadas g;
    ASSERT_TRUE(g.Crea());
    int iOleadasLlenas = 0;
    for (uint32_t semilla : {1u, 17u, 4242u, 99991u}) {
        ReiniciaAleatorio(semilla);
        Oleada o;
        for (int n = 0; n <= 400; ++n) {
            g.CreaOleada(n, &o.lista);
            ASSERT_LE(g.m_iGruposA + g.m_iGruposB, 10) << n;
            ASSERT_GE(g.m_iGruposA, 0);
            ASSERT_GE(g.m_iGruposB, 0);
            ASSERT_LE(o.lista.m_iNumElementos, CGeneradorOleadas::kMaxAtaquesOleada) << n;
            if (o.lista.m_iNumElementos == CGeneradorOleadas::kMaxAtaquesOleada) ++iOleadasLlenas;
            for (const AtaqueOleada* a : o.Ataques()) {
                ASSERT_GE(a->m_iTipo, 1) << n;
                ASSERT_LE(a->m_iTipo, 11) << n;
                ASSERT_NE(a->m_iTipo, 9) << n;
                ASSERT_GE(a->m_iDesfase, 0) << n;
                ASSERT_TRUE(std::isfinite(a->m_fX) && std::isfinite(a->m_fY) && std::isfinite(a->m_fAngulo)) << n;
                // Within 350 points of the centre, or of a path that keeps near it.
                ASSERT_LT(std::hypot(a->m_fX - 512.0f, a->m_fY - 384.0f), 700.0f) << n;
            }
        }
    }
    EXPECT_GT(iOleadasLlenas, 0);
}

} // namespace
