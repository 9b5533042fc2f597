// The seals-only play screen as a player meets it from the extra-modes
// menu: a list of seals traced one after another to victory, the clock and
// the counter, the time kept and told, and the decisions of its summary.
#include "game/play/BolaTablero.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "kit/game/ModosPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using M = CMenuParametrosModosExtra;

// The menu manager's count of screen changes asked for.
extern int g_iCambiosMenu;

TEST(SoloSellos, SummaryDecisions)
{
    // Strokes per second over whole seconds; under one second none.
    EXPECT_FLOAT_EQ(CMenuJuegoSoloSellos::TrazosPorSegundo(10, 0), 0.0f);
    EXPECT_FLOAT_EQ(CMenuJuegoSoloSellos::TrazosPorSegundo(10, 29), 0.0f);
    EXPECT_FLOAT_EQ(CMenuJuegoSoloSellos::TrazosPorSegundo(10, 30), 10.0f);
    EXPECT_FLOAT_EQ(CMenuJuegoSoloSellos::TrazosPorSegundo(10, 150), 2.0f);
    // The tables of the kinds.
    for (int k = 0; k < 9; ++k) EXPECT_EQ(CMenuJuegoSoloSellos::TablaTiempos(k), k);
    EXPECT_EQ(CMenuJuegoSoloSellos::TablaTiempos(CMenuJuegoSoloSellos::NIVEL_MULTISELLOS), 9);
    EXPECT_EQ(CMenuJuegoSoloSellos::TablaTiempos(CMenuJuegoSoloSellos::NIVEL_AZAR), 10);
    EXPECT_EQ(CMenuJuegoSoloSellos::TablaTiempos(9), -1);
    // The record paragraph at its thresholds, for times and for scores.
    const struct {
        int valor, propio, ranking;
        bool tiempo;
        const char* codigo;
    } casos[] = {
        {900, 900, 600, true, "RE80"},  {901, 900, 600, true, "RE80"}, {899, 900, 600, true, "RE81"},
        {600, 900, 600, true, "RE81"},  {599, 900, 600, true, "RE82"}, {100, 100, 500, false, "RE80"},
        {101, 100, 500, false, "RE81"}, {500, 100, 500, false, "RE81"}, {501, 100, 500, false, "RE82"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CMenuJuego::ParrafoRecord(c.valor, c.propio, c.ranking, c.tiempo), CodigoFLI(c.codigo))
            << c.valor << " " << c.propio << " " << c.ranking;
}

// The first fixed list: its seals one after another, the counter at each,
// the clock stopped by the summaries and the pause, victory after the last;
// back on the menu with one screen change, the time in the profile's table
// and the next level unlocked at this difficulty only.
TEST(SoloSellos, AListIsTracedToVictoryAndTheTimeKept)
{
    kit::CModosPrueba m("lista", 1);
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(2);
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    ASSERT_TRUE(m.EmpiezaNivel(2)) << m.JuegoPrueba().Widgets() << " state " << m.Menu()->Estado() << " juego " << (m.Juego() ? m.Juego()->Fase() : -9);
    auto* j = dynamic_cast<CMenuJuegoSoloSellos*>(m.Juego());
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(m.Menu()->Estado(), M::ESTADO_JUGANDO);
    const int n = j->NumFiguras();
    ASSERT_GE(n, 2);
    EXPECT_EQ(j->Hud().Texto(3), "0/" + std::to_string(n));
    // Not while the start summary shows.
    m.JuegoPrueba().Pasos(20);
    EXPECT_EQ(j->Tiempo(), 0);
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_TRAZADO, 60));
    const int iCambios = g_iCambiosMenu;
    for (int i = 1; i <= n; ++i) {
        ASSERT_TRUE(m.EsperaFase(FASE_TRAZADO, 400)) << "seal " << i << " phase " << j->Fase();
        ASSERT_TRUE(m.TrazaSello()) << "seal " << i;
        m.JuegoPrueba().Pasos(2);
        EXPECT_EQ(j->Hud().Texto(3), std::to_string(i) + "/" + std::to_string(n));
        if (i == 1) {
            // Paused, the clock stands.
            const int t = j->Tiempo();
            EXPECT_GT(t, 0);
            ASSERT_TRUE(m.JuegoPrueba().Pulsa("MENUJUEGOFINAL_BUT_Pausa"));
            m.JuegoPrueba().Pasos(30);
            EXPECT_TRUE(j->Pausado());
            const int tPausa = j->Tiempo();
            m.JuegoPrueba().Pasos(10);
            EXPECT_EQ(j->Tiempo(), tPausa);
            for (int k = 0; k < 90 && g_pMenuMaestro->m_pMenuInGame->EnTransicion(); ++k) m.JuegoPrueba().Paso();
            g_pMenuMaestro->m_pMenuInGame->Cierra(false);
            for (int k = 0; k < 90 && j->Pausado(); ++k) m.JuegoPrueba().Paso();
            EXPECT_FALSE(j->Pausado());
        }
    }
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 600)) << "phase " << j->Fase();
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
    const int t = j->Tiempo();
    m.JuegoPrueba().Pasos(20);
    EXPECT_EQ(j->Tiempo(), t);
    EXPECT_EQ(j->FigurasHechas(), n);
    EXPECT_EQ(m.Perfil().Tiempo(1, 0, 0), t);
    EXPECT_TRUE(m.Perfil().EstaDesbloqueado(M::NombreBoton(3, 1).c_str()));
    EXPECT_FALSE(m.Perfil().EstaDesbloqueado(M::NombreBoton(3, 0).c_str()));
    EXPECT_FALSE(m.Perfil().EstaDesbloqueado(M::NombreBoton(3, 2).c_str()));

    ASSERT_TRUE(m.Continua());
    for (int k = 0; k < 120 && m.JuegoAbierto(); ++k) m.JuegoPrueba().Paso();
    m.JuegoPrueba().Pasos(5);
    EXPECT_EQ(g_iCambiosMenu, iCambios + 1);
    EXPECT_FALSE(m.JuegoAbierto());
    // The menu tells what was won, then is idle again with the time shown.
    for (int k = 0; k < 600 && m.Menu()->Estado() != M::ESTADO_INACTIVO; ++k)
        if (!m.CierraCaja()) m.JuegoPrueba().Paso();
    EXPECT_EQ(m.Menu()->Estado(), M::ESTADO_INACTIVO);
    EXPECT_EQ(g_pMenuMaestro->m_pMenuActual, m.Menu());
    EXPECT_EQ(g_iCambiosMenu, iCambios + 1);
    EXPECT_TRUE(m.JuegoPrueba().ExisteFicheroUsuario("Perfil0.SVG"));
    for (int k = 0; k < 60 && (m.Menu()->PanelSaliendo() || m.Menu()->AlfaPanel() < 1.0f); ++k) m.JuegoPrueba().Paso();
    EXPECT_NE(m.Menu()->TextosRecords()[1].find(M::FormatoTiempo(t)), std::string::npos)
        << m.Menu()->TextosRecords()[1];
}

// A restart from the pause replays the level in the menu without telling
// anything.
TEST(SoloSellos, ARestartReplaysWithoutLeavingTheMenu)
{
    kit::CModosPrueba m("reinicio");
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(2);
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    ASSERT_TRUE(m.EmpiezaNivel(2));
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_TRAZADO, 60));
    const int iCambios = g_iCambiosMenu;
    // The pause menu's restart.
    m.Juego()->EnviaEvento(18, 0, nullptr, -1);
    ASSERT_TRUE(m.EsperaFase(FASE_RESUMEN_INICIAL, 300)) << m.Menu()->Estado();
    EXPECT_EQ(m.Menu()->Estado(), M::ESTADO_JUGANDO);
    EXPECT_EQ(g_iCambiosMenu, iCambios);
    EXPECT_EQ(m.Menu()->Mensaje()->Padre(), nullptr);
}

// The random level draws four seals of its pool, a seal may come twice,
// and one multi seal.
TEST(SoloSellos, TheRandomLevelDrawsFromItsPool)
{
    std::set<std::string> pool;
    for (const FilaSelloAzar& f : TablaSellosAzar) pool.insert(std::string(f.szFigura).substr(13));
    ReiniciaAleatorio();
    bool bRepetido = false;
    std::set<std::string> multis;
    for (int vez = 0; vez < 60; ++vez) {
        RegistroNivel n;
        n.m_iNivelModoExtra = CMenuJuegoSoloSellos::NIVEL_AZAR;
        CMenuJuegoSoloSellos::SorteaAzar(n);
        ASSERT_EQ(n.m_iNumFigurasSoloSellos, 4);
        ASSERT_EQ(n.m_iNumMultiFigurasSoloSellos, 1);
        std::set<std::string> vistas;
        for (int i = 0; i < 4; ++i) {
            const std::string& s = n.FIGURA_SOLO_SELLOS[static_cast<size_t>(i)];
            EXPECT_TRUE(pool.count(s)) << s;
            EXPECT_EQ(n.IMAGENFINAL_SOLO_SELLOS[static_cast<size_t>(i)].substr(0, 24), "Data\\Graficos\\Sellos\\SPM");
            if (!vistas.insert(s).second) bRepetido = true;
        }
        multis.insert(n.MULTIFIGURA_SOLO_SELLOS[0]);
        EXPECT_FALSE(n.MULTIIMAGENFINAL_SOLO_SELLOS[0][2].empty());
    }
    EXPECT_TRUE(bRepetido);
    EXPECT_EQ(multis.size(), 4u);
}

// The multi seals' level with one multi seal: it is traced colour by
// colour, each colour but the last closing on its own, and the seal counts
// (and wins) only with its last colour.
TEST(SoloSellos, AMultiSealIsTracedColourByColour)
{
    kit::CModosPrueba m("multi");
    ASSERT_TRUE(m.Iniciado());
    constexpr int kBotonMulti = 11;
    m.DesbloqueaNivel(kBotonMulti);
    EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(0, 13, 9);
    ASSERT_NE(e, nullptr);
    ASSERT_GE(e->m_Registro.m_iNumMultiFigurasSoloSellos, 1);
    e->m_Registro.m_iNumMultiFigurasSoloSellos = 1;
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    ASSERT_TRUE(m.EmpiezaNivel(kBotonMulti));
    auto* j = dynamic_cast<CMenuJuegoSoloSellos*>(m.Juego());
    ASSERT_NE(j, nullptr);
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_TRAZADO, 200));
    EXPECT_TRUE(j->Nivel().RUSHDESELLOS);
    int iColores = 0;
    for (int c : j->m_Rush.m_aiCuenta) iColores += c > 0 ? 1 : 0;
    ASSERT_GE(iColores, 2);

    int iCerrados = 0, iFaseAntes = j->Fase(), iPasos = 0;
    for (int i = 0; i < 4000 && j->Fase() != FASE_VICTORIA; ++i) {
        const int f = j->Fase();
        if (f == FASE_SELLO_RUSH_COMPLETADO && iFaseAntes != f) {
            ++iCerrados;
            // A colour closed: the seal is not done before the last one.
            if (iCerrados < iColores) {
                EXPECT_EQ(j->FigurasHechas(), 0) << iCerrados;
            }
        }
        iFaseAntes = f;
        ++iPasos;
        if (f != FASE_TRAZADO) {
            m.JuegoPrueba().Paso();
            continue;
        }
        std::vector<CBolaTablero*> libres;
        bool bQuieto = true;
        for (CBolaTablero* b : m.Piezas()) {
            const int s = b->Estado();
            if (s == BOLA_APARECIENDO) bQuieto = false;
            if (b->PuedeCogerse()) libres.push_back(b);
        }
        if (!bQuieto || libres.empty()) {
            m.JuegoPrueba().Paso();
            continue;
        }
        std::sort(libres.begin(), libres.end(),
                  [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
        m.PulsaPieza(libres.front());
        iFaseAntes = j->Fase();
        if (iFaseAntes == FASE_SELLO_RUSH_COMPLETADO) {
            ++iCerrados;
            if (iCerrados < iColores) {
                EXPECT_EQ(j->FigurasHechas(), 0) << iCerrados;
            }
        }
    }
    // The last colour closes the whole seal.
    EXPECT_EQ(iCerrados, iColores - 1) << iPasos;
    EXPECT_EQ(j->FigurasHechas(), 1);
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);
    EXPECT_EQ(j->Hud().Texto(3), CMenuJuegoSoloSellos::Contador(1, 1));
}
