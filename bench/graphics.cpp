// One frame of many sprites drawn through the graphics system, next to the
// same quads drawn from one vertex buffer with raw GL in the same run.
// Each engine case reports `ratio`: its frame time over the baseline's,
// measured frame by frame in turn.
//   Sprites64: 2000 alpha-blended 64x64 sprites;  Sprites16: 10000 16x16.
#include "engine/graphics/Sistema2D.h"
#include "platform/RawQuads.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct Cas {
    int iSprites;
    int iMida;
};

struct Entorn {
    CSistema2D sistema;
    plat::RawQuads cru;
    std::map<int, Sprite*> sprites; // by size
    bool bFet = false;

    Entorn()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (!plat::CreateMainWindow("bench", false) || !sistema.Inicia(true, true) || !cru.Create()) return;
        bFet = true;
    }
    ~Entorn()
    {
        sistema.Allibera();
        plat::DestroyMainWindow();
    }
    // A sprite of that size whose texture is half transparent.
    Sprite* SpriteDeMida(int n)
    {
        Sprite*& s = sprites[n];
        if (!s) {
            s = sistema.CreaSpriteDestino(false, float(n), float(n), n / 2.0f, n / 2.0f, true);
            sistema.OmpleTextura(s->m_pBitmap, CSistema2D::FesColorARGB(200, 120, 40, 160));
            sistema.PassaAPantalla();
        }
        return s;
    }
};

Entorn& Env()
{
    static Entorn e;
    return e;
}

// Positions spread over the field, the same for both ways of drawing.
float PosX(int i) { return float((i * 7919) % 1024); }
float PosY(int i) { return float((i * 104729) % 768); }

// The baseline's vertices: the corners and texture coordinates the engine
// computes for the same sprites.
std::vector<plat::QuadVertex> VertexsCru(Sprite* s, const Cas& c)
{
    std::vector<plat::QuadVertex> v;
    float W = float(s->m_pBitmap->m_iAmpladaTextura), H = float(s->m_pBitmap->m_iAlcadaTextura);
    float m = float(c.iMida), h = m / 2;
    for (int i = 0; i < c.iSprites; ++i) {
        float x = PosX(i) - h, y = PosY(i) - h;
        uint32_t col = 0xFFFFFFFFu;
        v.push_back({x, y + m, 0, 1, col, 0.5f / W, (m + 0.5f) / H});
        v.push_back({x, y, 0, 1, col, 0.5f / W, 0.5f / H});
        v.push_back({x + m, y + m, 0, 1, col, (m + 0.5f) / W, (m + 0.5f) / H});
        v.push_back({x + m, y, 0, 1, col, (m + 0.5f) / W, 0.5f / H});
    }
    return v;
}

double FrameCru(Entorn& e, Sprite* s, const std::vector<plat::QuadVertex>& v)
{
    auto t0 = std::chrono::steady_clock::now();
    e.cru.Draw(s->m_pBitmap->m_pTextura, v);
    plat::FinishRendering();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double FrameMotor(Entorn& e, Sprite* s, const Cas& c)
{
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < c.iSprites; ++i) e.sistema.DibuixaSpriteEX(nullptr, s, PosX(i), PosY(i), false, 255, 0, 1, 1);
    plat::FlushQuads();
    plat::FinishRendering();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void Baseline(benchmark::State& state, Cas c)
{
    Entorn& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics device");
        return;
    }
    Sprite* s = e.SpriteDeMida(c.iMida);
    std::vector<plat::QuadVertex> v = VertexsCru(s, c);
    plat::FinishRendering();
    for (auto _ : state) FrameCru(e, s, v);
    state.counters["quads"] = c.iSprites;
}

// The engine's frames are timed; between them, untimed, the baseline's frame
// of the same case, so that both see the same machine load.
void Motor(benchmark::State& state, Cas c)
{
    Entorn& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics device");
        return;
    }
    Sprite* s = e.SpriteDeMida(c.iMida);
    std::vector<plat::QuadVertex> v = VertexsCru(s, c);
    plat::FinishRendering();
    uint64_t crides = plat::DrawCallCount();
    double motor = 0, cru = 0;
    for (auto _ : state) {
        motor += FrameMotor(e, s, c);
        state.PauseTiming();
        cru += FrameCru(e, s, v);
        state.ResumeTiming();
    }
    state.counters["quads"] = c.iSprites;
    state.counters["draw_calls"] = double(plat::DrawCallCount() - crides) / double(state.iterations());
    if (cru > 0) state.counters["ratio"] = motor / cru;
}

} // namespace

BENCHMARK_CAPTURE(Baseline, Sprites64, Cas{2000, 64})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Motor, Sprites64, Cas{2000, 64})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Baseline, Sprites16, Cas{10000, 16})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Motor, Sprites16, Cas{10000, 16})->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
