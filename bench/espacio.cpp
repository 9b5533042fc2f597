// Drawing in space: a mesh of 20 000 faces on one picture (its buffers built
// once, then drawn frame after frame; and built again as after a reset), and
// a puppet of 64 lone-sprite pieces. Counters: `draw_calls` per frame (one
// per picture of a mesh, one per placed quad), `vertices` of the mesh's
// buffer.
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite.h"
#include "engine/graphics/Sprite3D.h"
#include "platform/RawQuads.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCares = 20000;
constexpr int kImagenes = 4;
constexpr int kPiezas = 64;

struct Entorn {
    CSistema2D sistema;
    CSistema3D* p3D = nullptr;
    Malla3D* malla = nullptr;
    EntradaTextura* textures[kImagenes] = {};
    Sprite* sprite = nullptr;
    CSprite3D marioneta;
    bool bFet = false;

    Entorn()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (!plat::CreateMainWindow("bench", false) || !sistema.Inicia(true, true)) return;
        g_pSistema2D = &sistema;
        p3D = sistema.Get3D();
        if (!p3D) return;
        // A sphere-ish cloud of small triangles, in four texture entries of
        // one picture (the stand-in of a missing file): one batch.
        for (auto& t : textures) t = p3D->CreaTextura("no-hi-es.png", true, false);
        malla = p3D->CreaMalla(kCares * 3, 1000, 3, 3, kCares, 1000);
        for (int c = 0; c < 3; ++c) p3D->AfegeixCoordTextura(malla, float(c & 1), float(c >> 1));
        for (int i = 0; i < kCares; ++i) {
            const float a = float(i) * 0.61803f, b = float(i % 97) * 0.0648f;
            const float x = std::cos(a) * std::cos(b), y = std::sin(b), z = std::sin(a) * std::cos(b);
            int v[3];
            for (int k = 0; k < 3; ++k)
                v[k] = p3D->AfegeixVertex(malla, x + 0.01f * float(k == 1), y + 0.01f * float(k == 2), z, x, y, z, 255,
                                          255, 255, 255);
            p3D->AfegeixCara(malla, v[0], v[1], v[2], textures[i % kImagenes], 0, 1, 2);
        }
        p3D->MarcaMallaEnUs(malla);
        sprite = sistema.CreaSpriteDestino(false, 32, 48, 16, 40, true);
        sistema.OmpleTextura(sprite->m_pBitmap, CSistema2D::FesColorARGB(200, 160, 90, 255));
        sistema.PassaAPantalla();
        marioneta.Carga("", true);
        marioneta.PonDepuracion(false);
        for (int i = 0; i < kPiezas; ++i) {
            marioneta.PonSprite(i, sprite);
            AtributosPieza at;
            at.x = std::cos(float(i)) * 200.0f;
            at.z = std::sin(float(i)) * 200.0f;
            marioneta.PonAtributosPieza(i, at);
        }
        marioneta.MarcaEnUso();
        p3D->PosaCamera(Vector3D{0, 60, -600}, Vector3D{}, 0.0f);
        p3D->ProjeccioPerDefecte();
        bFet = true;
    }
    ~Entorn()
    {
        marioneta.Libera();
        sistema.Allibera();
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
    }
};

Entorn& Env()
{
    static Entorn e;
    return e;
}

void Frame()
{
    plat::ClearTarget(true, 0xFF000000u, true, 1.0f);
}

void MallaDibuixada(benchmark::State& state)
{
    Entorn& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics");
        return;
    }
    const uint64_t abans = plat::DrawCallCount();
    for (auto _ : state) {
        Frame();
        e.p3D->DibuixaMalla(nullptr, e.malla, Vector3D{}, Vector3D{0.3f, 0.2f, 0}, Vector3D{200, 200, 200},
                            ColorARGB(255, 255, 255, 255), true, true, false);
        plat::FinishRendering();
    }
    state.counters["draw_calls"] = double(plat::DrawCallCount() - abans) / double(state.iterations());
    state.counters["vertices"] = e.malla->m_iNumVertexsTotal;
}

void MallaReconstruida(benchmark::State& state)
{
    Entorn& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics");
        return;
    }
    for (auto _ : state) {
        // As after a device reset: the buffers are made again at the draw.
        e.p3D->AlliberaBuffers();
        e.p3D->DibuixaMalla(nullptr, e.malla, Vector3D{}, Vector3D{}, Vector3D{200, 200, 200},
                            ColorARGB(255, 255, 255, 255), true, true, false);
        plat::FinishRendering();
    }
    state.counters["vertices"] = e.malla->m_iNumVertexsTotal;
}

void Marioneta(benchmark::State& state)
{
    Entorn& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics");
        return;
    }
    const uint64_t abans = plat::DrawCallCount();
    for (auto _ : state) {
        Frame();
        e.marioneta.Dibuja(nullptr, Vector3D{}, 0.0f, 1.0f, true, true);
        plat::FinishRendering();
    }
    state.counters["draw_calls"] = double(plat::DrawCallCount() - abans) / double(state.iterations());
}

} // namespace

BENCHMARK(MallaDibuixada)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MallaReconstruida)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Marioneta)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
