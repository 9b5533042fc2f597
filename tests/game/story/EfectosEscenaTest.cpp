// The story scenes' effects: which names make what, how often each kind
// emits and into which layers, the kinds that stop by themselves, the seal
// kinds' restart and clearing, the veils' fades, and the layers a new scene
// leaves empty.
#include "EntornoEscena.h"
#include "game/story/EfectoDibujable.h"
#include "game/story/EfectoMultiParticula.h"
#include "game/story/EfectoSecTazmo.h"

#include <string>
#include <vector>

using escenatest::EntornoEscena;

namespace {

class Efectos : public EntornoEscena {
protected:
    // A scene that declares one effect and starts it on its first line.
    CEfectoSecTazmo* Lanza(const char* nombre)
    {
        escenatest::Texto("QE01", (std::string("<VQ_LANZA_EFECTO=") + nombre + ">").c_str());
        EXPECT_TRUE(Carga(std::string("TAZMO_PREDECLARAEFECTO = \"") + nombre +
                          "\"; JAPTXTLINE = \"NONE\", \"QE01\", 1;"));
        EXPECT_EQ(m_escena->Efectos().size(), 1u);
        return m_escena->Efectos().empty() ? nullptr : m_escena->Efectos()[0].get();
    }
    static int Todos() { return Activos(49) + Activos(50) + Activos(51); }
};

} // namespace

TEST_F(Efectos, NamesMakeTheirKinds)
{
    struct Caso {
        const char* nombre;
        int tipo; // -1: nothing made
        bool dibujado;
    };
    const std::vector<Caso> casos = {
        {"RayosSolArriba", 0, false},   {"hojasverdes", 1, false},         {"EsperitosLimbo", 13, false},
        {"StokinnenLanza", -1, false},  {"SelloSeInstalaEnLimbo", -1, false}, {"MaidaAtaca", -1, false},
        {"NeblinaManyana", 38, true},   {"LuzTarde", 40, true},            {"EfectoPuertaReventada", 41, false},
        {"Tormenta", -1, false},        {"", -1, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto e = CreaEfectoSecuencia(c.nombre);
        if (c.tipo < 0) {
            EXPECT_EQ(e, nullptr);
            continue;
        }
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Tipo(), c.tipo);
        EXPECT_EQ(dynamic_cast<CEfectoDibujable*>(e.get()) != nullptr, c.dibujado);
    }
    EXPECT_EQ(CreaEfectoSecuencia(nullptr), nullptr);
}

TEST_F(Efectos, EmitOnePerPeriodIntoTheirLayers)
{
    // Crumbs: one a frame in front of the illustrations (the command that
    // starts them is read in the first frame; they emit from the next).
    Lanza("FuenteMigas");
    Pasos(1);
    for (int i = 1; i <= 20; ++i) {
        Pasos(1);
        ASSERT_EQ(Activos(49), i);
    }
    EXPECT_EQ(Activos(50) + Activos(51), 0);

    // Leaves: one every 15 frames, some in front of the characters.
    Lanza("HojasVerdes");
    Pasos(1 + 45);
    EXPECT_EQ(Activos(50) + Activos(51), 3);
    EXPECT_EQ(Activos(49), 0);
    // Stopped, nothing new comes; what was emitted lives on.
    escenatest::Texto("QE02", "<ESPERA=20><VQ_PARA_EFECTO=HojasVerdes>");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAEFECTO = \"HojasVerdes\"; JAPTXTLINE = \"NONE\", \"QE01\", 0;"
                      "JAPTXTLINE = \"NONE\", \"QE02\", 1;"));
    Pasos(30);
    EXPECT_EQ(Todos(), 1);
    Pasos(40);
    EXPECT_EQ(Todos(), 1);

    // The spirits: one particle per wanderer, each turning at its own rate.
    Lanza("EsperitosLimbo");
    Pasos(2);
    EXPECT_EQ(Activos(51), CEfectoMultiParticula::kNumCaminos);
    const auto* e = static_cast<CEfectoMultiParticula*>(m_escena->Efectos()[0].get());
    bool distintos = false;
    for (const CCaminoMoneda& c : e->m_aCaminos) {
        EXPECT_GE(c.m_fGiroMaximo, 0.034906577f);
        EXPECT_LE(c.m_fGiroMaximo, 0.052359868f);
        distintos = distintos || c.m_fGiroMaximo != e->m_aCaminos[0].m_fGiroMaximo;
    }
    EXPECT_TRUE(distintos);
}

// Driven alone, with the layers never stepped, every particle emitted stays
// counted.
TEST_F(Efectos, TeresiasAttacksStopAfterTheirCourse)
{
    struct Caso {
        const char* nombre;
        int ultimo; // the last frame counter that emits
    };
    for (const Caso c : {Caso{"TeresiaAtacaYDa", 25}, Caso{"TeresiaAtacaYRebota", 51}, Caso{"TeresiaCarga", 80}}) {
        SCOPED_TRACE(c.nombre);
        g_pSistemaCacheEfectos->LimpiaCapa(50);
        auto e = CreaEfectoSecuencia(c.nombre);
        ASSERT_NE(e, nullptr);
        auto* m = static_cast<CEfectoMultiParticula*>(e.get());
        m->Lanza();
        int ultimo = 0;
        for (int i = 0; i < 80; ++i) {
            const int antes = Activos(50);
            AvanzaFrame();
            m->Actualiza();
            if (Activos(50) > antes) ultimo = m->Contador();
        }
        EXPECT_EQ(ultimo, c.ultimo);
    }
}

TEST_F(Efectos, SealsRestartAndKeepTheirParticlesWhenCleared)
{
    auto e = CreaEfectoSecuencia("AdeletiaCargaSello");
    ASSERT_NE(e, nullptr);
    auto* m = static_cast<CEfectoMultiParticula*>(e.get());
    m->Lanza();
    int n = 0;
    for (int i = 0; i < 130; ++i) {
        AvanzaFrame();
        m->Actualiza();
    }
    EXPECT_EQ(m->Contador(), 130);
    n = Activos(50);
    EXPECT_EQ(n, 12); // every 10 frames up to 120
    for (int i = 0; i < 20; ++i) {
        AvanzaFrame();
        m->Actualiza();
    }
    EXPECT_EQ(Activos(50), n); // nothing from 121 on
    EXPECT_EQ(CEfectoMultiParticula::AlfaSello(130), 255);
    EXPECT_EQ(CEfectoMultiParticula::AlfaSello(185), 125);
    EXPECT_EQ(CEfectoMultiParticula::AlfaSello(200), 0);

    // Started again, the seal fades in and charges once more.
    m->Lanza();
    EXPECT_EQ(m->Contador(), 0);
    EXPECT_EQ(CEfectoMultiParticula::AlfaSello(m->Contador()), 0);
    for (int i = 0; i < 10; ++i) {
        AvanzaFrame();
        m->Actualiza();
    }
    EXPECT_EQ(Activos(50), n + 1);

    // Clearing a seal leaves its particles; clearing a kind of layer 50
    // empties it.
    m->Limpia();
    EXPECT_EQ(Activos(50), n + 1);
    auto concentra = CreaEfectoSecuencia("StokinnenConcentra");
    ASSERT_NE(concentra, nullptr);
    concentra->Limpia();
    EXPECT_EQ(Activos(50), 0);
}

TEST_F(Efectos, MistFadesInAndOutOverThirtyFrames)
{
    escenatest::Texto("QE04", "<VQ_LANZA_EFECTO=NeblinaManyana><ESPERA=40><VQ_PARA_EFECTO=NeblinaManyana>a");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAEFECTO = \"NeblinaManyana\"; JAPTXTLINE = \"NONE\", \"QE04\", 1;"));
    auto* e = static_cast<CEfectoDibujable*>(m_escena->Efectos()[0].get());
    Pasos(1);
    EXPECT_EQ(e->Velo(), 0.0f); // a command's first step comes the next frame
    Pasos(15);
    EXPECT_FLOAT_EQ(e->Velo(), 0.5f);
    Pasos(15);
    EXPECT_EQ(e->Velo(), 1.0f);
    Pasos(11); // the wait ends and the stop is read
    EXPECT_EQ(e->Velo(), 1.0f);
    Pasos(29);
    EXPECT_GT(e->Velo(), 0.0f);
    Pasos(1);
    EXPECT_EQ(e->Velo(), 0.0f);
    // Cleared, it is gone at once.
    e->Lanza();
    Pasos(10);
    e->Limpia();
    EXPECT_EQ(e->Velo(), 0.0f);
}

TEST_F(Efectos, ANewSceneLeavesTheSceneLayersEmpty)
{
    escenatest::Texto("QE05", "<VQ_LANZA_EFECTO=FuenteMigas><VQ_LANZA_EFECTO=RayosSolArriba>"
                              "<VQ_LANZA_EFECTO=StokinnenConcentra>");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAEFECTO = \"FuenteMigas\"; TAZMO_PREDECLARAEFECTO = \"RayosSolArriba\";"
                      "TAZMO_PREDECLARAEFECTO = \"StokinnenConcentra\"; JAPTXTLINE = \"NONE\", \"QE05\", 1;"));
    Pasos(7);
    EXPECT_GT(Activos(49), 0);
    EXPECT_GT(Activos(50), 0);
    EXPECT_GT(Activos(51), 0);
    // Another layer of the cache is not the scenes' and is left alone.
    ASSERT_NE(g_pSistemaCacheEfectos->CreaEfecto(53), nullptr);
    ASSERT_TRUE(Carga("FIN = 1;"));
    EXPECT_EQ(Todos(), 0);
    EXPECT_EQ(Activos(53), 1);
    g_pSistemaCacheEfectos->LimpiaCapa(53);
}
