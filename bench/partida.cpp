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
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaResumen.h"
// (curses, bonuses, coins and waves)
#include "engine/core/GestorComandes.h"
#include "game/play/Bonus.h"
#include "game/play/GeneradorOleadas.h"
#include "game/play/Maldicion.h"
#include "game/play/Moneda.h"
#include "game/play/TablaNiveles.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaMonedas.h"
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
constexpr int kDificultadDesafio = 2;

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


// The measuring every case shares: one step timed as update, draw
// submission, and the device finishing the frame; then the frame and the
// manual clock move on.
struct Medida {
    double segundosActualiza = 0.0;   // update only
    double segundosEnvio = 0.0;       // update and draw submission
    double segundos = 0.0;            // the whole step, finished on the device
    double peor = 0.0;
    uint64_t dibujos = 0;
    int pasos = 0;

    template <class Actualiza, class Dibuja>
    double Paso(Actualiza&& actualiza, Dibuja&& dibuja)
    {
        const uint64_t antes = plat::DrawCallCount();
        const auto t0 = std::chrono::steady_clock::now();
        actualiza();
        const auto t1 = std::chrono::steady_clock::now();
        dibuja();
        const auto t2 = std::chrono::steady_clock::now();
        plat::FlushQuads();
        plat::FinishRendering();
        const auto t3 = std::chrono::steady_clock::now();
        AvanzaFrame();
        AvanzaRelojManual(33);
        const double s = std::chrono::duration<double>(t3 - t0).count();
        segundosActualiza += std::chrono::duration<double>(t1 - t0).count();
        segundosEnvio += std::chrono::duration<double>(t2 - t0).count();
        segundos += s;
        peor = std::max(peor, s);
        dibujos += plat::DrawCallCount() - antes;
        ++pasos;
        return s;
    }
    // Time spent outside a step that belongs to it (a launch).
    void Suma(double s) { segundos += s; }
    void Publica(benchmark::State& state, double segundosJuego) const
    {
        const double n = std::max(1, pasos);
        if (segundosJuego >= 0.0) state.counters["game_ms"] = segundosJuego * 1e3 / n;
        state.counters["frame_ms"] = segundos * 1e3 / n;
        state.counters["step_fraction"] = segundos * 1e3 / n / kPasoMs;
        state.counters["draw_calls"] = double(dibujos) / n;
    }
};

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
    Medida m;
    int k = 0;
    for (auto _ : state) {
        // The pointer wanders over the board, so the hover search and the
        // markers follow it.
        const float a = 0.05f * static_cast<float>(k++);
        Entorno::PonPuntero(512.0f + 300.0f * std::cos(a), 384.0f + 250.0f * std::sin(a));
        m.Paso([&] { e.juego.Actualiza(); }, [&] { e.juego.Dibuja(nullptr, nullptr); });
    }
    m.Publica(state, m.segundosActualiza);
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
    Medida m;
    for (auto _ : state) {
        const float a = 0.05f * static_cast<float>(k);
        Entorno::PonPuntero(512.0f + 300.0f * std::cos(a), 384.0f + 250.0f * std::sin(a));
        EfectosDeHistoria(e, k);
        e.juego.m_iPuntuacion = 500 + 4 * (k % 100);
        ++k;
        m.Paso([&] { e.juego.Actualiza(); }, [&] { e.juego.Dibuja(nullptr, nullptr); });
    }
    m.Publica(state, m.segundosEnvio);
    state.counters["pieces"] = e.iPiezas;
}
BENCHMARK(PartidaHistoria)->Iterations(600)->Unit(benchmark::kMillisecond);


// ---- Curses, bonuses, coins and generated waves over the same board ----
// The play screen above, its line released, with the attacks mode's load
// on top:
//   Maldiciones/N:     N live curses of every kind in the attacks mode (their
//                      damage dots shown), 5 sparks a step and 100 coins; the
//                      curses that end or leave are replaced between steps
//   Bonus/N:           N live bonuses of every kind, the pointer away
//   Lanzamiento:       the step that launches 500 curses at once
//   OleadaGenerada/n:  generated wave n (of the endless level, its duration
//                      and launch offsets) played through: peak_curses is the
//                      most curses alive at once, step_fraction the mean and
//                      peak_fraction the worst step
// step_fraction and draw_calls as above (update and draw of the screen and
// the coins, finished on the device).
//
// ---- The attacks mode's own screen ----
//   ModoAtaques/OleadaDensa:    the challenge difficulty's stored wave with
//                               the most attacks, played through its
//                               duration by the attacks screen (waves,
//                               coins on their paths, sparks, HUD)
//   ModoAtaques/Generada100:    generated wave 100 of the endless level
//                               (at most the generator's cap of attacks)
//   step_fraction the mean step over the 33.3 ms of a logic step,
//   peak_fraction the worst, peak_curses the most curses alive at once.

struct CargaAtaques {
    CHerramientaMonedas monedas;
    CGeneradorOleadas generador;
    CTablaNiveles tabla;
    bool bListo = false;
    float fAnguloChispas = 0.0f, fRadioChispas = 439.0f;

    CargaAtaques()
    {
        Entorno& e = Env();
        if (!e.bFet) return;
        e.juego.LimpiaJugadas(false);
        e.juego.m_Nivel.MODOJUEGO = MODO_SOLO_ATAQUES;
        if (!monedas.Carga(nullptr)) return;
        monedas.CargaRecursos();
        generador.Crea();
        tabla.CargaNiveles(*g_pGestorComandes);
        bListo = e.juego.m_pAtaques && e.juego.m_pBonuses;
    }
    // Everything of the last case gone.
    void Vacia()
    {
        Entorno& e = Env();
        e.juego.m_pAtaques->EliminaTodas();
        for (NodoLista* p = e.juego.m_pBonuses->Bonus().m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CBonus*>(p->m_pItem)->m_iEstado = BONUS_MUERTO;
        for (NodoLista* p = monedas.m_Monedas.m_pCabeza; p; p = p->m_pSiguiente)
            static_cast<CMoneda*>(p->m_pItem)->m_iDesvanecer = CMoneda::kPasosDesvanecer;
        Paso(false);
        Paso(false);
    }
    void LanzaChispas()
    {
        for (int i = 0; i < 5; ++i) {
            fAnguloChispas += 0.028002866f;
            fRadioChispas += 40.0f;
            if (fRadioChispas > 600.0f) fRadioChispas = 439.0f;
            if (CHerramientaEfectos* e = Env().juego.Efectos())
                e->Chispa(512.0f + fRadioChispas * std::sin(fAnguloChispas),
                          384.0f + fRadioChispas * std::cos(fAnguloChispas), false, true);
        }
    }
    // One step of the screen and the coins, measured into m.
    double Paso(bool bMonedas, Medida& m)
    {
        Entorno& e = Env();
        return m.Paso(
            [&] {
                e.juego.Actualiza();
                if (bMonedas) {
                    LanzaChispas();
                    monedas.Actualiza();
                }
            },
            [&] {
                e.juego.Dibuja(nullptr, nullptr);
                if (bMonedas) monedas.Dibuja(nullptr);
            });
    }
    void Paso(bool bMonedas)
    {
        Medida m;
        Paso(bMonedas, m);
    }
};

CargaAtaques& Ataques()
{
    static CargaAtaques c;
    return c;
}

void Maldiciones(benchmark::State& state)
{
    CargaAtaques& c = Ataques();
    if (!c.bListo) {
        state.SkipWithError("no graphics device, data or tools");
        return;
    }
    CHerramientaAtaques& a = *Env().juego.m_pAtaques;
    const int n = static_cast<int>(state.range(0));
    c.Vacia();
    Medida m;
    int k = 0, iVivas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const float ang = 0.05f * static_cast<float>(k++);
        Entorno::PonPuntero(512.0f + 300.0f * std::cos(ang), 384.0f + 250.0f * std::sin(ang));
        for (int i = a.NumMaldiciones(); i < n; ++i)
            a.LanzaMaldicion(1 + (i % 11), true, RealAleatorio(300.0f, 724.0f), RealAleatorio(200.0f, 568.0f),
                             RealAleatorio(0.0f, 6.28f));
        while (c.monedas.NumMonedas() < 100)
            c.monedas.CreaMoneda(c.monedas.NumMonedas() % 3, RealAleatorio(200.0f, 824.0f),
                                 RealAleatorio(150.0f, 618.0f));
        iVivas += a.NumMaldiciones();
        state.ResumeTiming();
        c.Paso(true, m);
    }
    m.Publica(state, -1.0);
    state.counters["curses"] = double(iVivas) / double(state.iterations());
    c.Vacia();
}
BENCHMARK(Maldiciones)->Arg(50)->Arg(200)->Arg(800)->Iterations(300)->Unit(benchmark::kMillisecond);

void Bonus(benchmark::State& state)
{
    CargaAtaques& c = Ataques();
    if (!c.bListo) {
        state.SkipWithError("no graphics device, data or tools");
        return;
    }
    CHerramientaBonuses& b = *Env().juego.m_pBonuses;
    const int n = static_cast<int>(state.range(0));
    c.Vacia();
    Entorno::PonPuntero(2.0f, 2.0f);
    Medida m;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = b.NumBonus(); i < n; ++i)
            b.CreaBonus(i % 9, RealAleatorio(300.0f, 724.0f), RealAleatorio(200.0f, 568.0f));
        state.ResumeTiming();
        c.Paso(false, m);
    }
    m.Publica(state, -1.0);
    c.Vacia();
}
BENCHMARK(Bonus)->Arg(20)->Arg(100)->Iterations(300)->Unit(benchmark::kMillisecond);

void Lanzamiento(benchmark::State& state)
{
    CargaAtaques& c = Ataques();
    if (!c.bListo) {
        state.SkipWithError("no graphics device, data or tools");
        return;
    }
    CHerramientaAtaques& a = *Env().juego.m_pAtaques;
    c.Vacia();
    Medida m;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 500; ++i)
            a.LanzaMaldicionEn(1 + (i % 11), true, 212.0f + static_cast<float>(i % 25) * 25.0f,
                               134.0f + static_cast<float>(i / 25) * 25.0f, 0.0f);
        m.Suma(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        c.Paso(true, m);
        state.PauseTiming();
        c.Vacia();
        state.ResumeTiming();
    }
    m.Publica(state, -1.0);
}
BENCHMARK(Lanzamiento)->Iterations(10)->Unit(benchmark::kMillisecond);

void OleadaGenerada(benchmark::State& state)
{
    CargaAtaques& c = Ataques();
    if (!c.bListo) {
        state.SkipWithError("no graphics device, data or tools");
        return;
    }
    CHerramientaAtaques& a = *Env().juego.m_pAtaques;
    const int n = static_cast<int>(state.range(0));
    // The endless level's wave times: wave n + 50 lasts this long.
    const EntradaNivel* pSinFin = c.tabla.Entrada(0, GRUPO_SOLO_ATAQUES, 1);
    const int iFinal = pSinFin ? pSinFin->m_Registro.TIEMPOFINALENTREOLEADAS_SOLOATAQUES : 300;
    const int iInicial = pSinFin ? pSinFin->m_Registro.TIEMPOINICIALENTREOLEADAS_SOLOATAQUES : 300;
    const int iDuracion = std::max(16, iFinal + (n + 50) / 50 * (iInicial - iFinal));
    c.Vacia();
    CLista oleada;
    oleada.Inicia();
    Medida m;
    int iPico = 0, iAtaques = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ReiniciaAleatorio(1234);
        c.generador.CreaOleada(n, &oleada);
        iAtaques = oleada.m_iNumElementos;
        state.ResumeTiming();
        for (int reloj = 0; reloj < iDuracion; ++reloj) {
            const auto t0 = std::chrono::steady_clock::now();
            for (NodoLista* p = oleada.m_pCabeza; p; p = p->m_pSiguiente) {
                const auto* at = static_cast<AtaqueOleada*>(p->m_pItem);
                if (at->m_iDesfase == reloj) a.LanzaMaldicionEn(at->m_iTipo, true, at->m_fX, at->m_fY, at->m_fAngulo);
            }
            const double lanza = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            m.Suma(lanza);
            m.peor = std::max(m.peor, lanza + c.Paso(true, m));
            iPico = std::max(iPico, a.NumMaldiciones());
        }
        state.PauseTiming();
        c.Vacia();
        state.ResumeTiming();
    }
    VaciaOleada(&oleada);
    m.Publica(state, -1.0);
    state.counters["peak_fraction"] = m.peor * 1e3 / kPasoMs;
    state.counters["peak_curses"] = iPico;
    state.counters["wave_attacks"] = iAtaques;
    state.counters["wave_steps"] = iDuracion;
}
BENCHMARK(OleadaGenerada)->Arg(0)->Arg(50)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// The attacks mode's own screen, on the level of a difficulty and part.
struct ModoAtaques {
    CMenuJuegoSoloAtaques juego;
    bool bListo = false;

    ModoAtaques()
    {
        Entorno& e = Env();
        if (!e.bSistemas) return;
        CTablaNiveles tabla;
        if (!tabla.CargaNiveles(*g_pGestorComandes)) return;
        const EntradaNivel* pNivel = tabla.Entrada(kDificultadDesafio, GRUPO_SOLO_ATAQUES, 1);
        if (!pNivel || !juego.IniciaNivel(pNivel->m_Registro, false, false)) return;
        juego.CargaRecursos();
        g_pSistema2D->CarregaBitmapsEnUs();
        juego.Actualiza();
        juego.EnviaEvento(0, 0, nullptr, CHerramientaResumen::kIdContinuar);
        Entorno::PonPuntero(512.0f, 384.0f);
        for (int i = 0; i < 60; ++i) Paso();
        bListo = juego.Fase() == FASE_DIAMANTES;
    }
    ~ModoAtaques() { juego.LiberaNivel(); }
    void Paso()
    {
        juego.Actualiza();
        juego.Dibuja(nullptr, nullptr);
        AvanzaFrame();
        AvanzaRelojManual(33);
    }
    // The stored wave with the most attacks.
    int OleadaDensa() const
    {
        int w = 0;
        for (int i = 0; i < NUM_OLEADAS_GUARDADAS; ++i)
            if (juego.Guardadas()[static_cast<size_t>(i)].size() > juego.Guardadas()[static_cast<size_t>(w)].size()) w = i;
        return w;
    }
};

ModoAtaques& Modo()
{
    static ModoAtaques m;
    return m;
}

// Plays wave number N (stored waves below 50, generated ones from there)
// through its duration, the pointer wandering near the centre; the screen's
// curses, coins and sparks from the start of the wave.
void OleadaDelModo(benchmark::State& state, int N, int w)
{
    ModoAtaques& modo = Modo();
    if (!modo.bListo) {
        state.SkipWithError("no graphics device, data or level");
        return;
    }
    CMenuJuegoSoloAtaques& j = modo.juego;
    Medida m;
    int iPico = 0, iAtaques = 0, iDuracion = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (j.m_pAtaques) j.m_pAtaques->EliminaTodas();
        modo.Paso();
        ReiniciaAleatorio(1234);
        j.PonNumeroOleada(N);
        j.IniciaOleada(w);
        iAtaques = j.OleadaActual() ? static_cast<int>(j.OleadaActual()->size()) : 0;
        iDuracion = j.DuracionOleadaActual();
        state.ResumeTiming();
        for (int k = 0; k < iDuracion; ++k) {
            state.PauseTiming();
            // Kept playing: energy up and no curse's state holding the
            // waves back.
            j.PonEnergia(CMenuJuegoSoloAtaques::kEnergiaMaxima);
            if (j.m_pEstadosCursor) j.m_pEstadosCursor->LimpiaEstados();
            const float a = 0.05f * static_cast<float>(k);
            Entorno::PonPuntero(512.0f + 200.0f * std::cos(a), 384.0f + 150.0f * std::sin(a));
            state.ResumeTiming();
            m.Paso([&] { j.Actualiza(); }, [&] { j.Dibuja(nullptr, nullptr); });
            iPico = std::max(iPico, j.m_pAtaques ? j.m_pAtaques->NumMaldiciones() : 0);
        }
    }
    m.Publica(state, m.segundosActualiza);
    state.counters["peak_fraction"] = m.peor * 1e3 / kPasoMs;
    state.counters["peak_curses"] = iPico;
    state.counters["wave_attacks"] = iAtaques;
    state.counters["wave_steps"] = iDuracion;
}

void ModoAtaquesOleadaDensa(benchmark::State& state)
{
    const int w = Modo().bListo ? Modo().OleadaDensa() : 0;
    OleadaDelModo(state, w, w);
}
BENCHMARK(ModoAtaquesOleadaDensa)->Name("ModoAtaques/OleadaDensa")->Iterations(1)->Unit(benchmark::kMillisecond);

void ModoAtaquesGenerada100(benchmark::State& state)
{
    // Generated wave n is wave number 50 + n.
    OleadaDelModo(state, NUM_OLEADAS_GUARDADAS + 100, 0);
}
BENCHMARK(ModoAtaquesGenerada100)->Name("ModoAtaques/Generada100")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
