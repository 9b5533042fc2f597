// Curses and the attacks tool: each kind's entry, motion, reach and what a
// touch does; the rings and the column; the scheduler over the level's
// three slots, its interval factor and the gauge; touches told to the play
// screen. Update and draw run on every step (kind 3 trembles with random
// numbers while it is drawn).
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "engine/graphics/GestorSPMs.h"
#include "game/CatalogoJuego.h"
#include "game/play/Maldicion.h"
#include "game/play/MenuJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/screens/MenuMaestro.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// One started game for the whole suite: its package cache and sounds.
class Maldiciones : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pJuego = new kit::CJuegoPrueba("maldiciones"); }
    static void TearDownTestSuite()
    {
        delete s_pJuego;
        s_pJuego = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_pJuego && s_pJuego->Iniciado());
        ReiniciaAleatorio(11);
    }
    static CSPM* Paquete() { return g_pGestorSPMs->GetSPM(juego::paquete::MINI_ATAQUES); }
    // Steps a curse (and draws it) until it leaves its appearing state.
    static void Aparece(CMaldicion& m, float px, float py)
    {
        for (int i = 0; i < 37; ++i) {
            m.Actualiza(px, py);
            m.Dibuja(nullptr);
        }
    }
    static kit::CJuegoPrueba* s_pJuego;
};
kit::CJuegoPrueba* Maldiciones::s_pJuego = nullptr;

constexpr float kMedioPi = kPi / 2.0f;

bool Cerca(float a, float b) { return std::fabs(DiferenciaAngles(a, b)) < 1e-3f; }

TEST_F(Maldiciones, EachKindEntersMovesAndReachesByItsRow)
{
    struct Fila {
        int iTipo;
        float fVelocidad;    // once it moves
        float fRadio;        // the touch reach
        float fRadioEscudo;  // the reach of the shield
        int iEstadoCursor, iFrames, iDanyo;
    };
    const Fila filas[] = {
        {1, 5, 11, 61, 0, 150, 2},   {2, 10, 20, 70, 3, 150, 3}, {4, 5, 22, 72, 1, 60, 1},
        {5, 10, 22, 72, 3, 150, 4},  {6, 5, 22, 72, 2, 150, 3},  {8, 10, 22, 72, 5, 150, 10},
        {9, 15, 11, 61, 0, 150, 1},  {10, 7, 22, 72, 6, 90, 5},  {11, 5, 22, 72, 5, 150, 15},
    };
    const float px = 512.0f, py = 700.0f;
    for (const Fila& f : filas) {
        for (int prueba = 0; prueba < 30; ++prueba) {
            CMaldicion m;
            ASSERT_TRUE(m.Inicia(f.iTipo, false, 600.0f, 300.0f, 1.0f, px, py, Paquete())) << f.iTipo;
            SCOPED_TRACE(testing::Message() << "kind " << f.iTipo << " at " << m.m_fX << "," << m.m_fY);
            EXPECT_EQ(m.Estado(), MALDICION_APARECIENDO);
            // Where it enters.
            switch (f.iTipo) {
            case 1:
            case 5:
                EXPECT_EQ(m.m_fY, 32.0f);
                EXPECT_GE(m.m_fX, 150.0f);
                EXPECT_LE(m.m_fX, 874.0f);
                break;
            case 9:
                EXPECT_EQ(m.m_fX, 600.0f);
                EXPECT_EQ(m.m_fY, 300.0f);
                EXPECT_FLOAT_EQ(m.m_fRumbo, 1.0f);
                break;
            case 2:
            case 4:
            case 6:
            case 10: {
                // On an edge, heading into the field for kind 2.
                const bool bBorde = m.m_fY == 32.0f || m.m_fY == 736.0f || m.m_fX == 32.0f || m.m_fX == 992.0f;
                EXPECT_TRUE(bBorde);
                if (f.iTipo == 2) {
                    if (m.m_fY == 32.0f) {
                        EXPECT_TRUE(Cerca(m.m_fRumbo, kMedioPi));
                    }
                    if (m.m_fY == 736.0f) {
                        EXPECT_TRUE(Cerca(m.m_fRumbo, -kMedioPi));
                    }
                    if (m.m_fX == 32.0f) {
                        EXPECT_TRUE(Cerca(m.m_fRumbo, 0.0f));
                    }
                    if (m.m_fX == 992.0f) {
                        EXPECT_TRUE(Cerca(m.m_fRumbo, kPi));
                    }
                }
                break;
            }
            default:
                EXPECT_GE(m.m_fX, 150.0f);
                EXPECT_LE(m.m_fX, 874.0f);
                EXPECT_GE(m.m_fY, 32.0f);
                EXPECT_LE(m.m_fY, 736.0f);
                break;
            }
            if (f.iTipo == 5) {
                EXPECT_TRUE(Cerca(m.m_fRumbo, kMedioPi));
            }
            EXPECT_EQ(m.m_iVida, (f.iTipo == 8 || f.iTipo == 10) ? 150 : -1);

            // It cannot touch while it appears; after 37 steps it moves.
            EXPECT_FALSE(m.Toca(m.m_fX, m.m_fY));
            Aparece(m, px, py);
            ASSERT_EQ(m.Estado(), MALDICION_MOVIENDO);
            EXPECT_EQ(m.m_iAlfa, 255);
            EXPECT_FLOAT_EQ(m.m_fVelocidad, f.fVelocidad);
            if (f.iTipo == 4 || f.iTipo == 11) {
                EXPECT_TRUE(Cerca(m.m_fRumbo, std::atan2(py - m.m_fY, px - m.m_fX)));
            }
            const float x0 = m.m_fX, y0 = m.m_fY;
            m.Actualiza(px, py);
            EXPECT_NEAR(std::hypot(m.m_fX - x0, m.m_fY - y0), f.fVelocidad, 1e-3f);
            // The reach, just inside and just outside, with and without the shield.
            const float x = m.m_fX, y = m.m_fY;
            EXPECT_TRUE(m.Toca(x + f.fRadio - 0.5f, y));
            EXPECT_FALSE(m.Toca(x + f.fRadio + 0.5f, y));
            EXPECT_TRUE(m.TocaConEscudo(x, y + f.fRadioEscudo - 0.5f));
            EXPECT_FALSE(m.TocaConEscudo(x, y + f.fRadioEscudo + 0.5f));
            m.Dibuja(nullptr);
        }
        const FichaMaldicion& ficha = FichaDeMaldicion(f.iTipo);
        EXPECT_EQ(ficha.iEstadoCursor, f.iEstadoCursor) << f.iTipo;
        EXPECT_EQ(ficha.iFrames, f.iFrames) << f.iTipo;
        EXPECT_EQ(DanyoMaldicion(f.iTipo), f.iDanyo) << f.iTipo;
    }
    // The two that stay, and the kinds that are no curse.
    EXPECT_EQ(FichaDeMaldicion(3).iFrames, 5);
    EXPECT_EQ(FichaDeMaldicion(7).iEstadoCursor, 4);
    EXPECT_EQ(DanyoMaldicion(0), 0);
    EXPECT_EQ(DanyoMaldicion(12), 0);
    EXPECT_EQ(DanyoMaldicion(-1), 0);
    for (int t : {0, 12, -3}) {
        CMaldicion m;
        EXPECT_FALSE(m.Inicia(t, false, 0, 0, 0, 0, 0, Paquete())) << t;
    }
    CMaldicion sinPaquete;
    EXPECT_FALSE(sinPaquete.Inicia(1, false, 0, 0, 0, 0, 0, nullptr));
}

TEST_F(Maldiciones, TheChasersHomeAndLiveTheirLife)
{
    for (int t : {8, 10}) {
        CMaldicion m;
        ASSERT_TRUE(m.Inicia(t, false, 0, 0, 0, 512, 384, Paquete()));
        m.m_fX = 100.0f;
        m.m_fY = 100.0f;
        m.m_fRumbo = kPi;   // away from the pointer
        Aparece(m, 900.0f, 700.0f);
        m.m_fX = 100.0f;
        m.m_fY = 100.0f;
        m.m_fRumbo = kPi;
        int n = 0;
        while (m.Estado() == MALDICION_MOVIENDO && n < 400) {
            const float r0 = m.m_fRumbo;
            m.Actualiza(900.0f, 700.0f);
            m.Dibuja(nullptr);
            EXPECT_LE(std::fabs(DiferenciaAngles(m.m_fRumbo, r0)), m.m_fGiro + 1e-4f);
            ++n;
        }
        EXPECT_EQ(n, 150) << t;
        EXPECT_EQ(m.Estado(), MALDICION_DESVANECIENDO);
        // Fades out over 37 steps from full alpha.
        for (int i = 0; i < 36; ++i) m.Actualiza(0, 0);
        EXPECT_NE(m.Estado(), MALDICION_MUERTA);
        m.Actualiza(0, 0);
        EXPECT_EQ(m.Estado(), MALDICION_MUERTA);
        EXPECT_TRUE(m.EstaFuera());
    }
}

TEST_F(Maldiciones, KindThreeSendsRingsAndKindSevenLowersAColumn)
{
    CMaldicion m3;
    ASSERT_TRUE(m3.Inicia(3, true, 0, 0, 0, 0, 0, Paquete()));
    m3.m_fX = 500.0f;
    m3.m_fY = 400.0f;
    Aparece(m3, 0, 0);
    ASSERT_EQ(m3.Estado(), MALDICION_TEMBLANDO);
    bool bTocoLejos = false;
    for (int i = 0; i < 150; ++i) {
        EXPECT_FALSE(m3.Toca(500.0f, 400.0f));   // no touch while it trembles
        m3.Actualiza(0, 0);
        m3.Dibuja(nullptr);
    }
    ASSERT_EQ(m3.Estado(), MALDICION_ANILLOS);
    for (int i = 0; i < 150; ++i) {
        m3.Actualiza(0, 0);
        m3.Dibuja(nullptr);
        EXPECT_EQ(m3.m_fX, 500.0f);
        if (m3.Toca(500.0f + 120.0f, 400.0f)) bTocoLejos = true;
        // The biggest ring reaches 150 points, never more.
        EXPECT_FALSE(m3.Toca(500.0f + 151.0f, 400.0f));
    }
    EXPECT_TRUE(bTocoLejos);
    EXPECT_EQ(m3.Estado(), MALDICION_DESVANECIENDO);
    // A touch does not remove it.
    m3.Atrapa();
    EXPECT_EQ(m3.Estado(), MALDICION_DESVANECIENDO);

    CMaldicion m7;
    ASSERT_TRUE(m7.Inicia(7, false, 0, 0, 0, 0, 0, Paquete()));
    m7.m_fX = 300.0f;
    m7.m_fY = 600.0f;
    Aparece(m7, 0, 0);
    ASSERT_EQ(m7.Estado(), MALDICION_HAZ);
    for (int i = 0; i < 150; ++i) {
        EXPECT_FALSE(m7.Toca(300.0f, 100.0f));   // the thin beam does not touch
        m7.Actualiza(0, 0);
        m7.Dibuja(nullptr);
    }
    ASSERT_EQ(m7.Estado(), MALDICION_COLUMNA);
    for (int i = 0; i < 11; ++i) {
        m7.Actualiza(0, 0);
        m7.Dibuja(nullptr);
    }
    // The column stands from the top of the field down to the curse.
    EXPECT_EQ(m7.m_fHaz2, 0.0f);
    struct Punto {
        float x, y;
        bool bToca;
    };
    for (const Punto& p : {Punto{300, 0, true}, Punto{349, 300, true}, Punto{251, 599, true}, Punto{300, 640, true},
                           Punto{351, 300, false}, Punto{300, 660, false}, Punto{249, 100, false}}) {
        EXPECT_EQ(m7.Toca(p.x, p.y), p.bToca) << p.x << "," << p.y;
        // The shield never catches the standing kinds.
        EXPECT_FALSE(m7.TocaConEscudo(p.x, p.y));
    }
    m7.Atrapa();
    EXPECT_EQ(m7.Estado(), MALDICION_COLUMNA);
    for (int i = 0; i < 60; ++i) m7.Actualiza(0, 0);
    EXPECT_EQ(m7.Estado(), MALDICION_DESVANECIENDO);
}

// A play screen that only listens.
class CJuegoEscucha : public CMenuJuego {
public:
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override
    {
        if (iTipo == EVENTO_MALDICION_TOCADA) {
            tocadas.push_back(reinterpret_cast<const CMaldicion*>(szTexto));
            valores.push_back(iValor);
            emisores.push_back(iIdEmisor);
        }
    }
    std::vector<const CMaldicion*> tocadas;
    std::vector<int> valores, emisores;
};

RegistroNivel NivelConAtaques(std::array<int, 3> tipos, std::array<int, 3> esperas, std::array<int, 3> duraciones,
                              std::array<int, 3> intervalos)
{
    RegistroNivel n;
    n.ATAQUEENEMIGO.m_aiTipo = tipos;
    n.ATAQUEENEMIGO.m_aiEspera = esperas;
    n.ATAQUEENEMIGO.m_aiDuracion = duraciones;
    n.ATAQUEENEMIGO.m_aiIntervalo = intervalos;
    return n;
}

// The kinds the scheduler launches over the steps, in order of attack.
std::vector<int> Ataques(CHerramientaAtaques& h, int iPasos, bool bLanza = true)
{
    std::vector<int> tipos;
    int iRanura = -2;
    for (int i = 0; i < iPasos; ++i) {
        h.Actualiza(-500.0f, -500.0f, bLanza);
        h.Dibuja(nullptr, 0.0f);
        if (!h.Esperando() && h.RanuraActual() != iRanura) {
            iRanura = h.RanuraActual();
            tipos.push_back(h.m_pNivel->ATAQUEENEMIGO.m_aiTipo[static_cast<size_t>(iRanura)]);
        }
        if (h.Esperando()) iRanura = -2;
    }
    return tipos;
}

TEST_F(Maldiciones, TheSchedulerTakesTheSlotsInTurn)
{
    {
        // Slot 0 decides: no attack ever, and a purge finds nothing to end.
        RegistroNivel n = NivelConAtaques({0, 5, 0}, {10, 10, 10}, {20, 20, 20}, {5, 5, 5});
        CHerramientaAtaques h;
        ASSERT_TRUE(h.Carga(nullptr, &n));
        EXPECT_TRUE(Ataques(h, 300).empty());
        EXPECT_EQ(h.RanuraActual(), -1);
        h.SiguienteAtaque();
        EXPECT_EQ(h.RanuraActual(), -1);
        EXPECT_EQ(h.MaldicionesLanzadas(), 0);
    }
    {
        RegistroNivel n = NivelConAtaques({5, 0, 7}, {10, 10, 10}, {20, 20, 20}, {5, 5, 5});
        CHerramientaAtaques h;
        ASSERT_TRUE(h.Carga(nullptr, &n));
        EXPECT_EQ(Ataques(h, 4 * 30), (std::vector<int>{5, 7, 5, 7}));
        // Four launches an attack: on steps 5, 10, 15 and 20 of it.
        EXPECT_EQ(h.MaldicionesLanzadas(), 16);
        // Both gauges were loaded; the empty slot has none.
        EXPECT_NE(h.m_apIndicadores[0], nullptr);
        EXPECT_EQ(h.m_apIndicadores[1], nullptr);
        EXPECT_NE(h.m_apIndicadores[2], nullptr);
    }
    {
        // Kinds outside 1..11 count as none; a wait of 0 never ends.
        RegistroNivel n = NivelConAtaques({12, 4, -2}, {10, 10, 10}, {20, 20, 20}, {5, 5, 5});
        CHerramientaAtaques h;
        ASSERT_TRUE(h.Carga(nullptr, &n));
        EXPECT_TRUE(Ataques(h, 100).empty());
        EXPECT_EQ(h.m_apIndicadores[0], nullptr);
        RegistroNivel n0 = NivelConAtaques({4, 0, 0}, {0, 0, 0}, {20, 0, 0}, {5, 0, 0});
        CHerramientaAtaques h0;
        ASSERT_TRUE(h0.Carga(nullptr, &n0));
        EXPECT_TRUE(Ataques(h0, 300).empty());
        EXPECT_EQ(h0.RanuraActual(), 0);
        EXPECT_TRUE(h0.Esperando());
    }
    {
        // Outside the diamond phase the clock runs but nothing is launched.
        RegistroNivel n = NivelConAtaques({1, 0, 0}, {10, 0, 0}, {20, 0, 0}, {1, 0, 0});
        CHerramientaAtaques h;
        ASSERT_TRUE(h.Carga(nullptr, &n));
        EXPECT_EQ(Ataques(h, 60, false), (std::vector<int>{1, 1}));
        EXPECT_EQ(h.MaldicionesLanzadas(), 0);
        EXPECT_EQ(h.NumMaldiciones(), 0);
        // An interval of 0 launches on every step of the attack.
        n.ATAQUEENEMIGO.m_aiIntervalo[0] = 0;
        ASSERT_TRUE(h.Carga(nullptr, &n));
        Ataques(h, 30);
        EXPECT_EQ(h.MaldicionesLanzadas(), 20);
    }
}

TEST_F(Maldiciones, AnAttackWithoutATouchQuickensTheNext)
{
    RegistroNivel n = NivelConAtaques({1, 0, 0}, {5, 0, 0}, {30, 0, 0}, {10, 0, 0});
    n.ATAQUEINCREMENTAL = true;
    CJuegoEscucha juego;
    CHerramientaAtaques h;
    ASSERT_TRUE(h.Carga(&juego, &n));
    std::vector<float> factores;
    for (int i = 0; i < 6; ++i) {
        for (int k = 0; k < 35; ++k) h.Actualiza(-500.0f, -500.0f, true);
        factores.push_back(h.FactorIntervalo());
    }
    const std::vector<float> esperado = {0.9f, 0.8f, 0.7f, 0.6f, 0.6f, 0.6f};
    for (size_t i = 0; i < esperado.size(); ++i) EXPECT_NEAR(factores[i], esperado[i], 1e-5f) << i;
    EXPECT_EQ(CHerramientaAtaques::PasoLanzamiento(10, 0.6f), 6);
    EXPECT_EQ(CHerramientaAtaques::PasoLanzamiento(1, 0.6f), 1);
    // A touch puts it back at once.
    h.EliminaTodas();
    h.Actualiza(-500.0f, -500.0f, true);
    CMaldicion* m = h.LanzaMaldicionEn(5, false, 700.0f, 100.0f, kMedioPi);
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 37; ++i) h.Actualiza(-500.0f, -500.0f, false);
    ASSERT_EQ(m->Estado(), MALDICION_MOVIENDO);
    h.Actualiza(m->m_fX, m->m_fY + m->m_fVelocidad, false);
    EXPECT_FLOAT_EQ(h.FactorIntervalo(), 1.0f);
    ASSERT_EQ(juego.tocadas.size(), 1u);
    EXPECT_EQ(juego.tocadas[0], m);
    EXPECT_EQ(juego.valores[0], -1);
    EXPECT_EQ(juego.emisores[0], -1);
    EXPECT_EQ(m->Estado(), MALDICION_ATRAPADA);
    EXPECT_EQ(h.MaldicionesTocadas(), 1);
}

TEST_F(Maldiciones, StandingCursesTouchOnEveryStepAndTheFieldsEdgeDeletes)
{
    RegistroNivel n = NivelConAtaques({0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    CJuegoEscucha juego;
    CHerramientaAtaques h;
    ASSERT_TRUE(h.Carga(&juego, &n));
    CMaldicion* m = h.LanzaMaldicionEn(7, false, 400.0f, 500.0f, 0.0f);
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 37 + 150 + 11; ++i) {
        h.Actualiza(0.0f, 0.0f, true);
        h.Dibuja(nullptr, 0.0f);
    }
    ASSERT_EQ(m->Estado(), MALDICION_COLUMNA);
    juego.tocadas.clear();
    for (int i = 0; i < 10; ++i) h.Actualiza(400.0f, 200.0f, true);
    EXPECT_EQ(juego.tocadas.size(), 10u);
    EXPECT_EQ(h.NumMaldiciones(), 1);

    // A curse that flies off the field is gone on the next step.
    CMaldicion* f = h.LanzaMaldicionEn(5, false, 500.0f, 700.0f, kMedioPi);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(h.NumMaldiciones(), 2);
    int iPasos = 0;
    while (h.NumMaldiciones() == 2 && iPasos < 100) {
        h.Actualiza(0.0f, 0.0f, false);
        h.Dibuja(nullptr, 0.0f);
        ++iPasos;
    }
    EXPECT_EQ(h.NumMaldiciones(), 1);
    EXPECT_LT(iPasos, 60);
    // Every curse ends at once.
    h.EliminaTodas();
    h.Actualiza(0.0f, 0.0f, false);
    EXPECT_EQ(h.NumMaldiciones(), 0);
}

TEST_F(Maldiciones, TheGaugeNeverDividesByNothing)
{
    struct Caso {
        bool bEsperando;
        int iCuentaEspera, iEspera, iCuentaAtaque, iDuracion;
        float f;
    };
    for (const Caso& c : {Caso{true, 5, 10, 0, 0, 0.5f}, Caso{true, 3, 0, 0, 0, 0.0f}, Caso{true, 3, -4, 0, 0, 0.0f},
                          Caso{false, 0, 0, 5, 20, 0.75f}, Caso{false, 0, 0, 5, 0, 0.0f},
                          Caso{false, 0, 0, 30, 20, 0.0f}, Caso{true, 12, 10, 0, 0, 1.0f}}) {
        const float f = CHerramientaAtaques::FraccionIndicador(c.bEsperando, c.iCuentaEspera, c.iEspera,
                                                               c.iCuentaAtaque, c.iDuracion);
        EXPECT_FLOAT_EQ(f, c.f) << c.bEsperando << " " << c.iEspera << " " << c.iDuracion;
    }
    RegistroNivel n = NivelConAtaques({3, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    CHerramientaAtaques h;
    ASSERT_TRUE(h.Carga(nullptr, &n));
    // The gauge of a kind into a slot; anything else fails.
    EXPECT_TRUE(h.CargaIndicador(0, 1));
    EXPECT_TRUE(h.CargaIndicador(2, 11));
    for (auto [r, t] : {std::pair{-1, 1}, std::pair{3, 1}, std::pair{0, 0}, std::pair{0, 12}})
        EXPECT_FALSE(h.CargaIndicador(r, t)) << r << " " << t;
    // Waiting for ever with a wait of 0, and drawing every step.
    for (int i = 0; i < 20; ++i) {
        h.Actualiza(0.0f, 0.0f, true);
        h.Dibuja(nullptr, 0.3f);
        h.DibujaIndicadorEnergia(nullptr, i * 0.1f, 0.0f);
    }
    h.DibujaIndicadorEnergia(nullptr, std::nanf(""), 0.0f);
    h.DibujaIndicadorEnergia(nullptr, -3.0f, 2.0f);
}

TEST_F(Maldiciones, AttacksModeCursesShowTheirDamage)
{
    RegistroNivel n = NivelConAtaques({0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    n.MODOJUEGO = MODO_SOLO_ATAQUES;
    CHerramientaAtaques h;
    ASSERT_TRUE(h.Carga(nullptr, &n));
    for (int t = 1; t <= 11; ++t) {
        CMaldicion* m = h.LanzaMaldicionEn(t, true, 100.0f + 70.0f * t, 300.0f, 0.0f);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->m_bModoAtaques, 1);
    }
    for (int i = 0; i < 60; ++i) {
        h.Actualiza(-100.0f, -100.0f, false);
        h.Dibuja(nullptr, 0.0f);
    }
    EXPECT_GT(h.NumMaldiciones(), 0);
}

// The play screen takes a touch's curse out of the text and keeps the
// event: neither it nor a collected coin reaches the core's event list.
TEST_F(Maldiciones, TouchesAndCoinsStopAtThePlayScreen)
{
    CMenuJuego* j = g_pMenuMaestro->m_pMenuJuego;
    ASSERT_NE(j, nullptr);
    RegistroNivel n;
    n.FONDO = juego::imagen::FONDO_PRISION;
    ASSERT_TRUE(j->IniciaNivel(n, false, false));
    CMaldicion m;
    ASSERT_TRUE(m.Inicia(11, false, 0, 0, 0, 0, 0, Paquete()));
    const int antes = g_pAplicacion->NumEventos();
    j->EnviaEvento(EVENTO_MALDICION_TOCADA, -1, reinterpret_cast<const char*>(&m), -1);
    j->EnviaEvento(EVENTO_MONEDA_RECOGIDA, 1, nullptr, -1);
    EXPECT_EQ(g_pAplicacion->NumEventos(), antes);
    j->LiberaNivel();
}

} // namespace
