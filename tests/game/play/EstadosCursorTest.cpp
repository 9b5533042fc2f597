// The in-game pointer's states: the filter each state puts on the player's
// movement, the chase scene run through a story stage, what each state
// allows, and the curses' kinds.
#include "engine/core/GestorRatones.h"
#include "engine/graphics/Sprite.h"
#include "game/play/Maldicion.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "kit/ServidorX.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

using kit::CPartidaPrueba;

// A tool with no package, driven by hand through its filter.
struct Filtro {
    CHerramientaEstadosCursor t;

    Filtro(int iEstado, float fIntensidad, float x0, float y0)
    {
        if (iEstado >= 0) {
            t.m_afIntensidad[static_cast<size_t>(iEstado)] = fIntensidad;
            t.m_aiPasos[static_cast<size_t>(iEstado)] = 100;
        }
        t.m_fUltimoX = x0;
        t.m_fUltimoY = y0;
    }
    // Where the pointer goes when the player moves it by (dx, dy).
    std::pair<float, float> Mueve(float dx, float dy)
    {
        float x = 0, y = 0;
        const float x0 = t.m_fUltimoX, y0 = t.m_fUltimoY;
        t.FiltraPuntero(x0 + dx, y0 + dy, &x, &y);
        return {x - x0, y - y0};
    }
};

} // namespace

TEST(EstadosCursor, FilterOfEachState)
{
    struct Caso {
        const char* nombre;
        int estado;
        float intensidad;
        float dx, dy;
        float ex, ey;
    } casos[] = {
        {"no state", -1, 0.0f, 30, 40, 30, 40},
        {"slowed", CURSOR_LENTO, 1.0f, 30, 40, 3, 4},
        {"slowed, a small move", CURSOR_LENTO, 0.3f, 3, 0, 3, 0},
        {"frozen", CURSOR_CONGELADO, 1.0f, 30, 40, 0, 0},
        {"thawing", CURSOR_CONGELADO, 0.5f, 30, 40, 15, 20},
        {"inverted halfway holds", CURSOR_INVERTIDO, 0.5f, 30, 40, 0, 0},
        {"inverted", CURSOR_INVERTIDO, 1.0f, 30, 40, -30, -40},
        {"paralysed", CURSOR_PARALIZADO, 0.2f, 30, 40, 0, 0},
        {"blocked moves freely", CURSOR_BLOQUEADO, 1.0f, 30, 40, 30, 40},
    };
    for (const Caso& c : casos) {
        Filtro f(c.estado, c.intensidad, 500, 400);
        const auto [x, y] = f.Mueve(c.dx, c.dy);
        EXPECT_NEAR(x, c.ex, 1e-3) << c.nombre;
        EXPECT_NEAR(y, c.ey, 1e-3) << c.nombre;
    }

    // Shaking adds a whole-point wobble that follows the frame count.
    Filtro temblor(CURSOR_TEMBLOROSO, 1.0f, 500, 400);
    temblor.t.m_iFrames = 5;
    const auto [tx, ty] = temblor.Mueve(0, 0);
    EXPECT_FLOAT_EQ(tx, std::trunc(10.0f * std::sin(1.5f)));
    EXPECT_FLOAT_EQ(ty, std::trunc(10.0f * std::cos(1.0f)));

    // Held within the field's margins, also with no state.
    for (int e : {-1, static_cast<int>(CURSOR_LENTO)}) {
        Filtro borde(e, 1.0f, 1019, 4);
        float x = 0, y = 0;
        borde.t.FiltraPuntero(1023, 0, &x, &y);
        EXPECT_LE(x, 1021.0f);
        EXPECT_GE(y, 2.0f);
        Filtro esquina(e, 1.0f, 2, 765);
        esquina.t.FiltraPuntero(-50, 900, &x, &y);
        EXPECT_FLOAT_EQ(x, 2.0f);
        EXPECT_FLOAT_EQ(y, 765.0f);
    }
}

TEST(EstadosCursor, ChaseCapsTheSpeedByTheDistanceToTheMark)
{
    struct Caso {
        float x0, y0, dx, dy, tope;
    } casos[] = {
        {900, 700, -300, 0, 132.25f},  // 550 points or more away: the widest cap
        {500, 400, 30, 40, 2.25f},     // on the mark: the narrowest
    };
    for (const Caso& c : casos) {
        Filtro f(CURSOR_PERSECUCION, 1.0f, c.x0, c.y0);
        f.t.m_iSubPersecucion = CHerramientaEstadosCursor::PERSECUCION_CAZA;
        f.t.m_fMarcaX = 500;
        f.t.m_fMarcaY = 400;
        if (c.x0 == 900) f.t.m_fMarcaX = 200, f.t.m_fMarcaY = 100;
        const auto [x, y] = f.Mueve(c.dx, c.dy);
        EXPECT_NEAR(std::hypot(x, y), c.tope, 1e-3);
        EXPECT_FALSE(f.t.m_bPermiteMaldiciones);
        EXPECT_FLOAT_EQ(f.t.m_fFundidoPersecucion, 1.0f);
    }
}

TEST(EstadosCursor, WhatEachStateAllowsAndWhichCursesSetThem)
{
    struct Caso {
        int estado;
        bool trazar, contacto, persecucion;
    } casos[] = {
        {CURSOR_LENTO, true, true, false},      {CURSOR_CONGELADO, true, true, false},
        {CURSOR_TEMBLOROSO, true, true, false}, {CURSOR_INVERTIDO, true, true, false},
        {CURSOR_PARALIZADO, false, false, false}, {CURSOR_PERSECUCION, false, false, true},
        {CURSOR_BLOQUEADO, false, true, false},
    };
    for (const Caso& c : casos) {
        CHerramientaEstadosCursor t;
        t.m_bCreado = true;
        EXPECT_TRUE(t.PuedeTrazar() && t.PermiteContacto() && !t.EnPersecucion());
        t.m_aiPasos[static_cast<size_t>(c.estado)] = 10;
        EXPECT_EQ(t.PuedeTrazar(), c.trazar) << c.estado;
        EXPECT_EQ(t.PermiteContacto(), c.contacto) << c.estado;
        EXPECT_EQ(t.EnPersecucion(), c.persecucion) << c.estado;
        t.LimpiaEstados();
        EXPECT_TRUE(t.PuedeTrazar() && t.PermiteContacto() && !t.EnPersecucion()) << c.estado;
        t.m_bCreado = false;
    }

    // Every kind 1..11 sets one state for its frames; other kinds nothing.
    // The pointer's table and the curses' own row say the same.
    const int estados[12] = {-1, 0, 3, 0, 1, 3, 2, 4, 5, 0, 6, 5};
    const int pasos[12] = {0, 150, 150, 5, 60, 150, 150, 150, 150, 150, 90, 150};
    for (int k = -2; k < 14; ++k) {
        const bool bTipo = k >= 0 && k < 12;
        const int estado = bTipo ? estados[k] : -1;
        const CHerramientaEstadosCursor::EfectoMaldicion e = CHerramientaEstadosCursor::TablaMaldiciones(k);
        EXPECT_EQ(e.iEstado, estado) << k;
        EXPECT_EQ(FichaDeMaldicion(k).iEstadoCursor, estado) << k;
        if (estado >= 0) {
            EXPECT_EQ(e.iPasos, pasos[k]) << k;
            EXPECT_EQ(FichaDeMaldicion(k).iFrames, pasos[k]) << k;
        }
    }
    CHerramientaEstadosCursor t;
    t.m_bCreado = true;
    for (int k : {-1, 0, 12, 255}) t.AplicaMaldicion(k);
    for (int p : t.m_aiPasos) EXPECT_EQ(p, 0);
    t.AplicaMaldicion(9);
    EXPECT_EQ(t.m_aiPasos[CURSOR_LENTO], 150);
    EXPECT_EQ(t.m_iTipoLento, 9);
    t.m_bCreado = false;

    // A tool that never loaded answers as a pointer with no state.
    CHerramientaEstadosCursor vacia;
    vacia.AplicaMaldicion(7);
    vacia.m_aiPasos[CURSOR_PARALIZADO] = 50;
    EXPECT_TRUE(vacia.PuedeTrazar());
    EXPECT_TRUE(vacia.PermiteContacto());
    EXPECT_TRUE(vacia.PermiteMaldiciones());
    EXPECT_FALSE(vacia.EnPersecucion());
    EXPECT_EQ(vacia.Oscurecimiento(), 0.0f);
}

// Through a story stage: the chase darkens the field over 90 steps with the
// pointer held, lets it chase the mark, and brightens over 90 more once the
// mark is reached; then everything is as before. A chase cut short by the
// level's end leaves nothing dimmed. A frozen pointer holds, then thaws.
TEST(EstadosCursor, ChaseAndFrozenPointerInAStage)
{
    CPartidaPrueba p("persecucion");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    CMenuJuego* j = p.Juego();
    CHerramientaEstadosCursor* c = j->m_pEstadosCursor;
    ASSERT_NE(c, nullptr);
    ASSERT_TRUE(c->m_bCreado);
    kit::CJuegoPrueba& juego = p.JuegoPrueba();

    juego.MueveRaton(300, 300);
    c->AplicaMaldicion(8);
    EXPECT_TRUE(c->EnPersecucion());
    EXPECT_FALSE(c->PuedeTrazar());
    EXPECT_FALSE(c->PermiteContacto());
    const float mx = c->m_fMarcaX, my = c->m_fMarcaY;
    EXPECT_TRUE(mx >= 200 && mx <= 824 && my >= 100 && my <= 668);

    // Darkening in, the pointer held where it was.
    juego.Pasos(44);
    EXPECT_NEAR(c->Oscurecimiento(), 0.5f, 0.03f);
    EXPECT_FALSE(c->PermiteMaldiciones());
    juego.MueveRaton(600, 500);
    float x = 0, y = 0;
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_NEAR(x, 300, 1.0f);
    EXPECT_NEAR(y, 300, 1.0f);
    juego.Pasos(50);
    EXPECT_EQ(c->m_iSubPersecucion, CHerramientaEstadosCursor::PERSECUCION_CAZA);
    EXPECT_FLOAT_EQ(c->Oscurecimiento(), 1.0f);

    // The chase: the pointer creeps towards the mark, slower as it nears.
    for (int i = 0; i < 600 && c->m_iSubPersecucion == CHerramientaEstadosCursor::PERSECUCION_CAZA; ++i)
        juego.MueveRaton(mx, my);
    ASSERT_EQ(c->m_iSubPersecucion, CHerramientaEstadosCursor::PERSECUCION_SALIDA);
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_LT(std::hypot(x - mx, y - my), 25.0f);
    EXPECT_LT(c->m_fVelocidadPersecucion, 0.5f);

    // Brightening out, then the state clears itself.
    juego.Pasos(89);
    EXPECT_TRUE(c->EnPersecucion());
    juego.Pasos(2);
    EXPECT_FALSE(c->EnPersecucion());
    EXPECT_FLOAT_EQ(c->m_fVelocidadPersecucion, 1.0f);
    EXPECT_EQ(c->Oscurecimiento(), 0.0f);
    EXPECT_TRUE(c->PuedeTrazar());
    EXPECT_TRUE(c->PermiteMaldiciones());
    juego.Pasos(20);
    EXPECT_NEAR(c->m_fEscala, 1.0f, 0.01f);
    EXPECT_EQ(c->m_afIntensidad[CURSOR_PERSECUCION], 0.0f);

    // A chase cut short by the end of the level.
    c->AplicaMaldicion(11);
    juego.Pasos(95);
    ASSERT_GT(c->Oscurecimiento(), 0.9f);
    c->LimpiaEstados();
    juego.Pasos(20);
    EXPECT_EQ(c->Oscurecimiento(), 0.0f);
    EXPECT_NEAR(c->m_fEscala, 1.0f, 0.01f);
    EXPECT_TRUE(c->PermiteMaldiciones());
    EXPECT_TRUE(c->PuedeTrazar());
    juego.MueveRaton(400, 420);
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_NEAR(x, 400, 1.0f);
    EXPECT_NEAR(y, 420, 1.0f);

    // The chase's flash shows the background the play screen shows, also
    // for a level whose background is drawn by chance.
    ASSERT_NE(c->m_pFondo, nullptr);
    ASSERT_NE(j->m_pFondo, nullptr);
    EXPECT_EQ(c->m_pFondo->m_pBitmap, j->m_pFondo->m_pBitmap);
    RegistroNivel alAzar = j->Nivel();
    alAzar.FONDO = "alazar";
    for (int i = 0; i < 5; ++i) {
        CHerramientaEstadosCursor otra;
        ASSERT_TRUE(otra.Carga(j, &alAzar));
        ASSERT_NE(otra.m_pFondo, nullptr);
        EXPECT_EQ(otra.m_pFondo->m_pBitmap, j->m_pFondo->m_pBitmap);
    }

    // Frozen: the pointer stays put whatever the mouse does, and thaws after
    // its 60 steps.
    juego.MueveRaton(400, 300);
    c->AplicaMaldicion(4);
    juego.Pasos(10);
    ASSERT_TRUE(juego.Puntero(&x, &y));
    const float x0 = x, y0 = y;
    for (int i = 0; i < 10; ++i) {
        juego.MueveRaton(400 + 20.0f * static_cast<float>(i), 300 - 10.0f * static_cast<float>(i));
        ASSERT_TRUE(juego.Puntero(&x, &y));
        EXPECT_NEAR(x, x0, 0.5f) << i;
        EXPECT_NEAR(y, y0, 0.5f) << i;
    }
    juego.Pasos(60);
    EXPECT_EQ(c->m_afIntensidad[CURSOR_CONGELADO], 0.0f);
    juego.MueveRaton(700, 600);
    ASSERT_TRUE(juego.Puntero(&x, &y));
    EXPECT_NEAR(x, 700, 1.0f);
    EXPECT_NEAR(y, 600, 1.0f);
}

namespace {

// The player's hand moves the real pointer; then steps run until the real
// pointer settles where `dondeX, dondeY` say (the X server answers in its own
// time), at most two seconds.
bool ManoYPasos(kit::CJuegoPrueba& juego, int dx, int dy, int dondeX, int dondeY)
{
    if ((dx || dy) && !kit::MuevePunteroReal(dx, dy)) return false;
    for (int i = 0; i < 200; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        juego.Paso();
        int x = 0, y = 0;
        if (kit::PunteroReal(&x, &y) && x == dondeX && y == dondeY) {
            // The game takes in the last report.
            for (int k = 0; k < 3; ++k) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                juego.Paso();
            }
            return true;
        }
    }
    return false;
}

void SondaPunteroReal()
{
    CPartidaPrueba p("x11");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    kit::CJuegoPrueba& juego = p.JuegoPrueba();
    CHerramientaEstadosCursor* c = p.Juego()->m_pEstadosCursor;
    ASSERT_TRUE(c && c->m_bCreado);
    int rx = 0, ry = 0;
    ASSERT_TRUE(kit::PunteroReal(&rx, &ry));
    // Somewhere in the middle, away from the edges.
    ASSERT_TRUE(ManoYPasos(juego, 400 - rx, 300 - ry, 400, 300));

    // With no state the pointer is the player's own.
    float fx = 0, fy = 0, gx = 0, gy = 0;
    ASSERT_TRUE(juego.Puntero(&gx, &gy));
    ASSERT_TRUE(ManoYPasos(juego, 25, -15, 425, 285));
    ASSERT_TRUE(juego.Puntero(&fx, &fy));
    EXPECT_NEAR(fx - gx, 25, 1.0f);
    EXPECT_NEAR(fy - gy, -15, 1.0f);

    // Frozen: every move of the hand is undone by one warp back, and the
    // pointer rests without jitter.
    c->AplicaMaldicion(4);
    juego.Pasos(12);
    ASSERT_TRUE(juego.Puntero(&fx, &fy));
    int x0 = 0, y0 = 0;
    ASSERT_TRUE(kit::PunteroReal(&x0, &y0));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(ManoYPasos(juego, 12, 7, x0, y0)) << i;
        float x = 0, y = 0;
        ASSERT_TRUE(juego.Puntero(&x, &y));
        EXPECT_EQ(x, fx) << i;
        EXPECT_EQ(y, fy) << i;
    }
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        juego.Paso();
        float x = 0, y = 0;
        int rx2 = 0, ry2 = 0;
        ASSERT_TRUE(juego.Puntero(&x, &y));
        ASSERT_TRUE(kit::PunteroReal(&rx2, &ry2));
        EXPECT_EQ(x, fx) << "idle " << i;
        EXPECT_EQ(y, fy) << "idle " << i;
        EXPECT_EQ(rx2, x0) << "idle " << i;
        EXPECT_EQ(ry2, y0) << "idle " << i;
    }
    juego.Pasos(70);

    // Inverted at full strength: the pointer goes the other way.
    c->AplicaMaldicion(2);
    juego.Pasos(12);
    ASSERT_TRUE(kit::PunteroReal(&x0, &y0));
    EXPECT_TRUE(ManoYPasos(juego, 30, 20, x0 - 30, y0 - 20));
    int x1 = 0, y1 = 0;
    ASSERT_TRUE(kit::PunteroReal(&x1, &y1));
    for (int i = 0; i < 10; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        juego.Paso();
    }
    int x2 = 0, y2 = 0;
    ASSERT_TRUE(kit::PunteroReal(&x2, &y2));
    EXPECT_EQ(x2, x1);
    EXPECT_EQ(y2, y1);
}

} // namespace

// Under a real X server the warps of the system pointer are X11's own: the
// frozen pointer is held by one warp per move and rests still, and the
// inverted one runs against the hand.
TEST(EstadosCursor, RealX11WarpsHoldAndInvertThePointer)
{
    kit::ServidorX servidor;
    const std::string display = servidor.Inicia("1024x768x24");
    if (display.empty()) GTEST_SKIP() << "Xvfb could not be started";
    EXPECT_EQ(kit::EjecutaBajoX(display, SondaPunteroReal), 0);
}
