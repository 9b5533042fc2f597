// One step of play on the largest board: the play screen with the last
// chapter's 38-piece board, a line of 12 moves held open with its path and
// crossing markers, and the pointer's hover search over every piece each
// step.
//   game_ms:       the play screen's update (pieces, hover search, phases,
//                  line check)
//   frame_ms:      update + draw, finished on the device
//   step_fraction: frame_ms over the 33.3 ms of a logic step (the target for
//                  the board alone is under 0.25 on llvmpipe)
//   draw_calls:    the device draws one frame makes
//
// PartidaHistoria: the same board as a story stage shows it, with the HUD
// and its character, the cabalistic circle in the middle of a seal's burst
// and the effects of play in their steady state (a sparkle, a trail and two
// crosses each step, fireworks every ten).
//   game_ms:       update + draw submission (the goal is 3 ms)
//   frame_ms:      update + draw, finished on the device
//   step_fraction: frame_ms over the 33.3 ms of a logic step (target under
//                  0.5 on two cores)
//   draw_calls:    the device draws one frame makes
#include "engine/app/Sistemas.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/Programa.h"
#include "game/play/BolaTablero.h"
#include "game/play/Figuras.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "platform/Paths.h"
#include "platform/RawQuads.h"
#include "platform/RenderDevice.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double kPasoMs = 1000.0 / 30.0;
constexpr int kPiezasTablero = 38;
constexpr int kMovimientos = 12;

// The built-in figure with the most pieces up to 38: the last chapter's
// board.
int FiguraMayor()
{
    int mejor = 0, piezas = 0;
    for (int n = 0; n < NUM_FIGURAS_TRAZADO; ++n) {
        std::vector<PuntoFigura> p;
        float escala = 1.0f;
        if (!GeometriaFiguraTrazado(n, p, escala)) continue;
        const int k = static_cast<int>(p.size());
        if (k <= kPiezasTablero && k > piezas) {
            piezas = k;
            mejor = n;
        }
    }
    return mejor;
}

struct Entorno {
    CMenuJuego juego;
    fs::path carpeta;
    bool bSistemas = false;
    bool bFet = false;
    int iPiezas = 0;

    Entorno()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        plat::SetDataRoot(MG_BENCH_DATA_ROOT);
        carpeta = fs::temp_directory_path() / ("mg_bench_partida_" + std::to_string(getpid()));
        fs::create_directories(carpeta);
        setenv("XDG_DATA_HOME", carpeta.string().c_str(), 1);
        FijaRelojManual(true, 1000);
        ReiniciaAleatorio();
        bSistemas = IniciaPrograma();
        if (!bSistemas) return;
        RegistroNivel n;
        n.m_iGrupo = 11;
        n.m_iParte = 4;
        n.NUMCOLORES = 1;  // one colour, so that one line can take twelve
        n.TAPIZ = static_cast<uint8_t>(FiguraMayor());
        n.FONDO = juego::imagen::FONDO_LABORATORIO;
        n.TIEMPOLIMITE = 30 * 60 * 30;
        n.PUNTUACIONOBJETIVO = 100000;
        // The story's dress: the heroine on the HUD, the seals the circle
        // bursts.
        n.m_Personaje.m_iPersonaje = 0;
        n.IMAGENFINAL = {juego::paquete::SELLO_01_ELVENENO, juego::paquete::SELLO_02_LASOSPECHA,
                         juego::paquete::SELLO_03_ELPAN, juego::paquete::SELLO_04_LAENFERMEDAD};
        if (!juego.IniciaNivel(n, true, false)) return;
        juego.CargaRecursos();
        g_pSistema2D->CarregaBitmapsEnUs();
        // Past the start summary, and the board settled in.
        juego.Actualiza();
        juego.EnviaEvento(0, 0, nullptr, CHerramientaResumen::kIdContinuar);
        for (int i = 0; i < 90; ++i) Paso();
        juego.m_iMaximoLinea = 14;
        iPiezas = juego.ListaActual() ? juego.ListaActual()->m_iNumElementos : 0;
        // Twelve moves across the board, alternating sides so the path
        // crosses itself.
        std::vector<CBolaTablero*> piezas;
        for (NodoLista* p = juego.ListaActual()->m_pCabeza; p; p = p->m_pSiguiente)
            piezas.push_back(static_cast<CBolaTablero*>(p->m_pItem));
        for (int k = 0; k < kMovimientos && !piezas.empty(); ++k) {
            const size_t i = (k % 2 == 0) ? static_cast<size_t>(k / 2) : piezas.size() - 1 - static_cast<size_t>(k / 2);
            PonPuntero(piezas[i]->PosicionX(), piezas[i]->PosicionY());
            juego.TrataBotonRaton(0, 0, piezas[i]->PosicionX(), piezas[i]->PosicionY());
            Paso();
        }
        bFet = juego.NumJugadas() == kMovimientos;
    }
    ~Entorno()
    {
        juego.LiberaNivel();
        if (bSistemas) LiberaSistemas();
        FijaRelojManual(false);
        std::error_code ec;
        fs::remove_all(carpeta, ec);
    }
    static void PonPuntero(float x, float y)
    {
        if (CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr) {
            r->CambiaX(x);
            r->CambiaY(y);
        }
    }
    void Paso()
    {
        juego.Actualiza();
        juego.Dibuja(nullptr, nullptr);
        AvanzaFrame();
        AvanzaRelojManual(33);
    }
};

Entorno& Env()
{
    static Entorno e;
    return e;
}

void Partida(benchmark::State& state)
{
    Entorno& e = Env();
    if (!e.bFet) {
        state.SkipWithError("no graphics device, data or line");
        return;
    }
    plat::FlushQuads();
    plat::FinishRendering();
    double segundosJuego = 0.0, segundos = 0.0;
    uint64_t dibujos = 0;
    int k = 0;
    for (auto _ : state) {
        // The pointer wanders over the board, so the hover search and the
        // markers follow it.
        const float a = 0.05f * static_cast<float>(k++);
        Entorno::PonPuntero(512.0f + 300.0f * std::cos(a), 384.0f + 250.0f * std::sin(a));
        const uint64_t antes = plat::DrawCallCount();
        const auto t0 = std::chrono::steady_clock::now();
        e.juego.Actualiza();
        const auto t1 = std::chrono::steady_clock::now();
        e.juego.Dibuja(nullptr, nullptr);
        plat::FlushQuads();
        plat::FinishRendering();
        const auto t2 = std::chrono::steady_clock::now();
        AvanzaFrame();
        AvanzaRelojManual(33);
        segundosJuego += std::chrono::duration<double>(t1 - t0).count();
        segundos += std::chrono::duration<double>(t2 - t0).count();
        dibujos += plat::DrawCallCount() - antes;
    }
    const double n = double(state.iterations());
    state.counters["game_ms"] = segundosJuego * 1e3 / n;
    state.counters["frame_ms"] = segundos * 1e3 / n;
    state.counters["step_fraction"] = segundos * 1e3 / n / kPasoMs;
    state.counters["draw_calls"] = double(dibujos) / n;
    state.counters["pieces"] = e.iPiezas;
}
BENCHMARK(Partida)->Iterations(600)->Unit(benchmark::kMillisecond);

// One step of the story frame's effects: what a player tracing lines over
// the board sets off.
void EfectosDeHistoria(Entorno& e, int k)
{
    CHerramientaEfectos* f = e.juego.Efectos();
    CHerramientaCirculoCabalistico* c = e.juego.m_pCirculo;
    if (c && !c->DestelloEnCurso()) c->Destella(k % 4);
    if (!f) return;
    const float a = 0.37f * static_cast<float>(k);
    const float x = 512.0f + 260.0f * std::cos(a), y = 384.0f + 200.0f * std::sin(a);
    f->ChispasPieza(x, y);
    f->Rastro(x, y, x + 40.0f, y + 25.0f);
    f->CruzAlMarcador(x, y);
    f->CruzAlMarcador(y, x);
    if (k % 10 == 0) f->Fuegos(x, 300.0f);
}

void PartidaHistoria(benchmark::State& state)
{
    Entorno& e = Env();
    if (!e.bFet || !e.juego.Efectos() || !e.juego.m_pCirculo) {
        state.SkipWithError("no graphics device, data or line");
        return;
    }
    e.juego.m_pCirculo->PonObjetivo(1000);
    int k = 0;
    // Into the steady state: effects launched as fast as they end, the
    // circle glowing with a score that keeps rising.
    for (; k < 90; ++k) {
        EfectosDeHistoria(e, k);
        e.juego.m_iPuntuacion = 500 + 4 * k;
        e.Paso();
    }
    plat::FlushQuads();
    plat::FinishRendering();
    double segundosJuego = 0.0, segundos = 0.0;
    uint64_t dibujos = 0;
    for (auto _ : state) {
        const float a = 0.05f * static_cast<float>(k);
        Entorno::PonPuntero(512.0f + 300.0f * std::cos(a), 384.0f + 250.0f * std::sin(a));
        EfectosDeHistoria(e, k);
        e.juego.m_iPuntuacion = 500 + 4 * (k % 100);
        ++k;
        const uint64_t antes = plat::DrawCallCount();
        const auto t0 = std::chrono::steady_clock::now();
        e.juego.Actualiza();
        e.juego.Dibuja(nullptr, nullptr);
        const auto t1 = std::chrono::steady_clock::now();
        plat::FlushQuads();
        plat::FinishRendering();
        const auto t2 = std::chrono::steady_clock::now();
        AvanzaFrame();
        AvanzaRelojManual(33);
        segundosJuego += std::chrono::duration<double>(t1 - t0).count();
        segundos += std::chrono::duration<double>(t2 - t0).count();
        dibujos += plat::DrawCallCount() - antes;
    }
    const double n = double(state.iterations());
    state.counters["game_ms"] = segundosJuego * 1e3 / n;
    state.counters["frame_ms"] = segundos * 1e3 / n;
    state.counters["step_fraction"] = segundos * 1e3 / n / kPasoMs;
    state.counters["draw_calls"] = double(dibujos) / n;
    state.counters["pieces"] = e.iPiezas;
}
BENCHMARK(PartidaHistoria)->Iterations(600)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
