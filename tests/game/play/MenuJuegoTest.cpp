// The play screen as a player meets it: a story stage started from the map,
// its start summary, lines traced with the pointer, the seal, victory and
// the final summary back to the map; the time-out, the attacks' defeat,
// pause, restart and abandon.
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/BolaTablero.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/MenuJuego.h"
#include "game/play/Solucionador.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "kit/game/MapaPrueba.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using kit::CPartidaPrueba;

bool TieneCodigo(const DatosResumen& d, const char* szCodigo)
{
    const int c = CodigoFLI(szCodigo);
    for (const LineaResumen& l : d.m_aLineas)
        if (l.m_iTipo != LINEA_FIN && (l.m_iEtiqueta == c || l.m_iTexto == c)) return true;
    return false;
}

// Plays lines with the bot until the diamonds are done (or the lines run out).
int JuegaDiamantes(CPartidaPrueba& p, int iMaxLineas)
{
    int n = 0;
    while (p.Juego()->Fase() == FASE_DIAMANTES && n < iMaxLineas) {
        if (p.JuegaLinea() < 0) break;
        ++n;
    }
    return n;
}

// The free pieces of the board's most common colour.
std::vector<CBolaTablero*> PiezasDeUnColor(CPartidaPrueba& p, int* pColor)
{
    std::vector<CBolaTablero*> mejor;
    for (int c = 0; c < 8; ++c) {
        std::vector<CBolaTablero*> v;
        for (CBolaTablero* b : p.Piezas())
            if (b->PuedeCogerse() && b->Color() == c) v.push_back(b);
        if (v.size() > mejor.size()) {
            mejor = v;
            *pColor = c;
        }
    }
    return mejor;
}

} // namespace

// Stage 1-1 from the map: the start summary, lines of one colour scoring
// crossings, the target reached, the diamonds vanishing, victory, the final
// summary, and the map keeps the progress in the saved profile.
TEST(MenuJuego, AStageIsWonFromTheMapAndTheProgressIsSaved)
{
    CPartidaPrueba p("victoria");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1)) << p.JuegoPrueba().Widgets();
    CMenuJuego* j = p.Juego();
    const RegistroNivel& n = j->Nivel();
    EXPECT_EQ(n.m_iGrupo, 0);
    EXPECT_EQ(n.m_iParte, 1);
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
    EXPECT_EQ(p.JuegoPrueba().MusicaCanal("CANAL_MUSICA_ODL"), n.RANURAMUSICA);

    // The start summary: the stage's name and presentation, target, time
    // and colours, and one of its tips.
    const DatosResumen& inicio = j->UltimoResumen();
    EXPECT_TRUE(inicio.m_bInicial);
    EXPECT_EQ(inicio.m_sTitulo.substr(inicio.m_sTitulo.size() - 4), " 1-1");
    EXPECT_TRUE(TieneCodigo(inicio, "RE45"));
    EXPECT_TRUE(TieneCodigo(inicio, "RE46"));
    EXPECT_TRUE(TieneCodigo(inicio, "RE47"));
    ASSERT_TRUE(p.Continua()) << p.JuegoPrueba().Widgets();
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));

    // Lines traced by the pointer raise the score by their crossings (a
    // nearer target keeps the scenario short).
    j->m_iObjetivo = 1;
    int iPuntos = j->Puntuacion();
    const int iLineas = JuegaDiamantes(p, 40);
    EXPECT_GT(iLineas, 0);
    EXPECT_GE(j->Puntuacion(), j->Objetivo());
    EXPECT_GT(j->Puntuacion(), iPuntos);
    EXPECT_GT(j->TiempoUsado(), 0);

    // No seal in this stage: the diamonds vanish into the victory.
    ASSERT_TRUE(p.EsperaFase(FASE_VICTORIA, 300)) << "phase " << j->Fase();
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 20));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
    const DatosResumen& fin = j->UltimoResumen();
    EXPECT_FALSE(fin.m_bInicial);
    EXPECT_TRUE(TieneCodigo(fin, "RE05"));
    EXPECT_TRUE(TieneCodigo(fin, "RE09"));
    if (j->LineasUsadas() <= n.PAR)
        EXPECT_EQ(p.Perfil().MejorJugada(0, 1), j->LineasUsadas());
    else
        EXPECT_EQ(p.Perfil().MejorJugada(0, 1), SIN_JUGADA);

    const int iProgreso = p.Perfil().ProgresoHistoria(0);
    ASSERT_TRUE(p.Continua());
    p.JuegoPrueba().Pasos(2);
    EXPECT_FALSE(p.JuegoAbierto());
    EXPECT_EQ(p.Perfil().ProgresoHistoria(0), iProgreso + 1);
    EXPECT_TRUE(p.JuegoPrueba().ExisteFicheroUsuario("Perfil0.SVG"));
    // After the closing scene the chapter's next stage starts at once.
    ASSERT_TRUE(kit::SigueCadena(p.JuegoPrueba(), true, 900));
    EXPECT_TRUE(p.JuegoAbierto());
    EXPECT_EQ(kit::Mapa()->Etapa(), EtapaHistoria(0, 2));
}

// Stage 1-2 adds a seal: once the diamonds are done its shards are traced
// in order, and the victory unlocks the seal's gallery picture.
TEST(MenuJuego, ASealIsTracedInOrderAfterTheDiamonds)
{
    CPartidaPrueba p("sello");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 2));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    // The diamonds are another scenario's: a target already reached sends
    // the board straight on to the seal.
    j->m_iObjetivo = 0;
    ASSERT_TRUE(p.EsperaFase(FASE_TRAZADO, 300)) << "phase " << j->Fase();
    EXPECT_EQ(j->NumJugadas(), 0);

    // A shard out of order is refused.
    p.EsperaTableroQuieto(300);
    std::vector<CBolaTablero*> esquirlas = p.Piezas();
    ASSERT_GE(esquirlas.size(), 4u);
    std::sort(esquirlas.begin(), esquirlas.end(),
              [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
    for (const CBolaTablero* b : esquirlas) EXPECT_TRUE(b->EsEsquirla());
    p.PulsaPieza(esquirlas[0]);
    EXPECT_EQ(j->NumJugadas(), 1);
    p.PulsaPieza(esquirlas[2]);
    EXPECT_EQ(j->NumJugadas(), 1);
    for (size_t i = 1; i < esquirlas.size() && j->Fase() == FASE_TRAZADO; ++i) p.PulsaPieza(esquirlas[i]);
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_VICTORIA, 200)) << "phase " << j->Fase();
    // Won while it is the next stage, a stage that lengthens the lines first
    // tells so in a message.
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_MENSAJE_FINAL, 20));
    ASSERT_TRUE(p.CierraAviso());
    ASSERT_TRUE(p.EsperaFase(FASE_RESUMEN_FINAL, 60));
    ASSERT_TRUE(p.Continua());
    p.JuegoPrueba().Pasos(5);
    EXPECT_EQ(j->Resultado(), RESULTADO_VICTORIA);

    // The chapter's last stage unlocks the chapter; the lines are kept
    // when within par.
    EXPECT_TRUE(p.Perfil().EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_CAPITULO + 0)));
    if (j->LineasUsadas() <= j->Nivel().PAR) {
        EXPECT_EQ(p.Perfil().MejorJugada(0, 2), j->LineasUsadas());
    }
    std::string sFigura = j->Nivel().FIGURA;
    sFigura = sFigura.substr(sFigura.find('\\') + 1);
    for (const FilaFiguraGaleria& f : TablaFigurasGaleria)
        if (sFigura == f.m_pszFigura) {
            EXPECT_TRUE(p.Perfil().EstaDesbloqueado(("MGalSello_" + std::to_string(f.m_iSello)).c_str())) << sFigura;
        }
}

// Taking, refusing and undoing on the real board.
TEST(MenuJuego, PressesTakeUndoAndRefuseByTheRules)
{
    CPartidaPrueba p("reglas");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    ASSERT_TRUE(p.EsperaTableroQuieto(300));
    const std::string sUsado = NombreMarcador(MARCADOR_PRIMER_AVISO + 3);
    EXPECT_FALSE(p.Perfil().EstaDesbloqueado(sUsado.c_str()));

    int c = -1;
    const std::vector<CBolaTablero*> uno = PiezasDeUnColor(p, &c);
    ASSERT_GE(uno.size(), 3u);
    CBolaTablero* pOtra = nullptr;
    for (CBolaTablero* b : p.Piezas())
        if (b->Color() != c) pOtra = b;
    ASSERT_NE(pOtra, nullptr);

    p.PulsaPieza(uno[0]);
    EXPECT_EQ(j->NumJugadas(), 1);
    EXPECT_EQ(j->ColorSeleccionado(), c);
    p.PulsaPieza(pOtra);  // another colour mid-line
    EXPECT_EQ(j->NumJugadas(), 1);
    p.PulsaPieza(uno[1]);
    EXPECT_EQ(j->NumJugadas(), 2);
    p.PulsaPieza(uno[0]);  // an older move: nothing
    EXPECT_EQ(j->NumJugadas(), 2);
    p.PulsaPieza(uno[1]);  // the newest move: undone
    EXPECT_EQ(j->NumJugadas(), 1);
    EXPECT_TRUE(p.Perfil().EstaDesbloqueado(sUsado.c_str()));
    // The undo button takes the last one back and ends the line.
    ASSERT_TRUE(p.Pulsa("MENUJUEGOFINAL_BUT_Ayuda"));
    p.JuegoPrueba().Pasos(40);
    EXPECT_EQ(j->NumJugadas(), 0);
    EXPECT_EQ(j->ColorSeleccionado(), -1);
    // Undo with no move leaves the line's counters alone.
    j->DeshaceLinea();
    EXPECT_EQ(j->m_iDiamantesCogidos, -1);
    EXPECT_EQ(j->m_iMovimientosTotal, 0);
    // With no line under way, another colour starts one.
    ASSERT_TRUE(p.EsperaTableroQuieto(300));
    p.PulsaPieza(pOtra);
    EXPECT_EQ(j->NumJugadas(), 1);
    EXPECT_EQ(j->ColorSeleccionado(), pOtra->Color());

    // The colour event: a colour of the board or none; anything else is
    // ignored.
    for (int v : {8, -2, 100}) {
        j->EnviaEvento(EVENTO_COLOR_ELEGIDO, v, nullptr, -1);
        EXPECT_EQ(j->ColorSeleccionado(), pOtra->Color()) << v;
    }
    j->EnviaEvento(EVENTO_COLOR_ELEGIDO, 3, nullptr, -1);
    EXPECT_EQ(j->ColorSeleccionado(), 3);
}

// An idle stage runs out of time on the exact step of its limit, shows the
// final summary as a defeat, and the map saves quietly.
TEST(MenuJuego, AnIdleStageTimesOutOnTheStepOfItsLimit)
{
    CPartidaPrueba p("tiempo");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    const int iLimite = j->Nivel().TIEMPOLIMITE;
    ASSERT_GT(iLimite, 0);
    // Skip most of the wait: the clock is the play screen's own count.
    j->m_iTiempoUsado = iLimite - 20;
    while (j->TiempoUsado() < iLimite - 1) p.JuegoPrueba().Paso();
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    p.JuegoPrueba().Paso();
    EXPECT_EQ(j->TiempoUsado(), iLimite);
    EXPECT_EQ(j->Fase(), FASE_TIEMPO_AGOTADO);
    // The clock stops with the play.
    p.JuegoPrueba().Pasos(10);
    EXPECT_EQ(j->TiempoUsado(), iLimite);
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 20));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
    EXPECT_TRUE(TieneCodigo(j->UltimoResumen(), "RE01"));
    ASSERT_TRUE(p.Continua());
    p.JuegoPrueba().Pasos(30);
    EXPECT_EQ(j->Resultado(), RESULTADO_DERROTA);
    EXPECT_FALSE(p.JuegoAbierto());
    EXPECT_EQ(p.Perfil().ProgresoHistoria(0), EtapaHistoria(0, 1));
    EXPECT_TRUE(p.JuegoPrueba().ExisteFicheroUsuario("Perfil0.SVG"));
}

// The attacks' defeat acts only while the diamonds are played; the victory's
// steps launch fireworks every ten; pause stops the clocks; restart and
// abandon publish their results at once.
TEST(MenuJuego, DefeatVictoryStepsPauseRestartAndAbandon)
{
    CPartidaPrueba p("fases");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();

    // In the start summary a defeat changes nothing.
    j->Derrota(0.0f);
    EXPECT_EQ(j->Fase(), FASE_RESUMEN_INICIAL);
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));

    // Pause: the clocks and phases stop; closing the pause menu brings the
    // level's music back.
    ASSERT_TRUE(p.Pulsa("MENUJUEGOFINAL_BUT_Pausa"));
    p.JuegoPrueba().Pasos(32);
    ASSERT_TRUE(j->Pausado());
    const int iTiempo = j->TiempoUsado();
    p.JuegoPrueba().Pasos(10);
    EXPECT_EQ(j->TiempoUsado(), iTiempo);
    for (int i = 0; i < 90 && g_pMenuMaestro->m_pMenuInGame->EnTransicion(); ++i) p.JuegoPrueba().Paso();
    g_pMenuMaestro->m_pMenuInGame->Cierra(false);
    for (int i = 0; i < 90 && j->Pausado(); ++i) p.JuegoPrueba().Paso();
    p.JuegoPrueba().Pasos(5);
    EXPECT_FALSE(j->Pausado());
    EXPECT_GT(j->TiempoUsado(), iTiempo);
    EXPECT_EQ(p.JuegoPrueba().MusicaCanal("CANAL_MUSICA_ODL"), j->Nivel().RANURAMUSICA);

    // Restart from the pause menu's event: published at once; the map
    // starts the stage again from its start summary, and a background by
    // chance is drawn anew.
    j->m_NivelArgumento.FONDO = "alAZAR";
    j->EnviaEvento(18, 0, nullptr, -1);
    EXPECT_EQ(j->Resultado(), RESULTADO_REINICIO);
    ASSERT_TRUE(p.EsperaFase(FASE_RESUMEN_INICIAL, 200));
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
    EXPECT_EQ(j->TiempoUsado(), 0);
    EXPECT_NE(std::find(TablaFondosAzar.begin(), TablaFondosAzar.end(), j->FondoElegido()), TablaFondosAzar.end())
        << j->FondoElegido();
    EXPECT_EQ(j->Nivel().FONDO, j->FondoElegido());
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));

    // Victory: a defeat in its steps changes nothing, and fireworks go up
    // every ten steps.
    j->TerminaNivel();
    const int iFuegos = j->Efectos()->m_iFuegos;
    p.JuegoPrueba().Pasos(30);
    j->Derrota(0.0f);
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);
    EXPECT_EQ(j->Efectos()->m_iFuegos - iFuegos, 3);

    // Abandon from the pause menu's event.
    j->EnviaEvento(17, 0, nullptr, -1);
    EXPECT_EQ(j->Resultado(), RESULTADO_ABANDONO);
    p.JuegoPrueba().Pasos(30);
    EXPECT_FALSE(p.JuegoAbierto());
}

// In the diamonds, the attacks' defeat ends the level: phase 14, then the
// final summary and a lost result.
TEST(MenuJuego, DefeatInTheDiamondsLosesTheLevel)
{
    CPartidaPrueba p("derrota");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    j->Derrota(0.5f);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    j->Derrota(0.0f);
    EXPECT_EQ(j->Fase(), FASE_DERROTA);
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 20));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
    ASSERT_TRUE(p.Continua());
    EXPECT_EQ(j->Resultado(), RESULTADO_DERROTA);
}

// A rush of seals: the summaries leave out target, colours, moves, score,
// par and lines.
TEST(MenuJuego, ARushSummaryHasNoTargetColourScoreOrParLines)
{
    CPartidaPrueba p("rush");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(11, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(j->Nivel().RUSHDESELLOS);
    const DatosResumen& inicio = j->UltimoResumen();
    EXPECT_TRUE(TieneCodigo(inicio, "RE46"));
    for (const char* c : {"RE45", "RE47"}) EXPECT_FALSE(TieneCodigo(inicio, c)) << c;
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_TRAZADO, 60));
    j->m_iTiempoUsado = j->Nivel().TIEMPOLIMITE - 1;
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 30));
    const DatosResumen& fin = j->UltimoResumen();
    EXPECT_TRUE(TieneCodigo(fin, "RE08"));
    for (const char* c : {"RE05", "RE06", "RE07", "RE09", "RE10"}) EXPECT_FALSE(TieneCodigo(fin, c)) << c;
}

// With the generator reset before the start, two runs trace the same game.
TEST(MenuJuego, TwoRunsGiveTheSameTrace)
{
    auto traza = [](const char* nombre) {
        std::vector<int> t;
        CPartidaPrueba p(nombre);
        p.SinAvisos();
        if (!p.EmpiezaEtapa(0, 1) || !p.Continua() || !p.EsperaFase(FASE_DIAMANTES, 60)) return t;
        for (int i = 0; i < 1; ++i) {
            p.JuegaLinea();
            t.push_back(p.Juego()->Puntuacion());
            t.push_back(p.Juego()->TiempoUsado());
            t.push_back(p.Juego()->LineasUsadas());
        }
        for (CBolaTablero* b : p.Piezas()) t.push_back(b->Color());
        return t;
    };
    const std::vector<int> a = traza("traza_a");
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, traza("traza_b"));
}

// A small board of six diamonds of one colour on a ring, pressed in zigzag
// order: every move from the fourth crosses what it can, a multiplier of 2
// doubles the points and undo takes them back with the line's crossings,
// and a line with every crossing of six moves earns the first crossing
// trophy, once per profile.
TEST(MenuJuego, ChainsOnASmallRing)
{
    CPartidaPrueba p("anillo");
    ASSERT_TRUE(p.Iniciado());
    CMenuJuego& j = *p.Juego();
    RegistroNivel n;
    n.m_iGrupo = 0;
    n.m_iParte = 1;
    n.NUMCOLORES = 1;
    n.FONDO = juego::imagen::FONDO_PRISION;
    ASSERT_TRUE(j.IniciaNivel(n, false, false));
    constexpr float kRadio = 200.0f;
    for (int k = 0; k < 6; ++k) {
        const float a = static_cast<float>(k) * static_cast<float>(M_PI) / 3.0f;
        CreaPieza(k, j.m_ListaDiamantes, kRadio * std::cos(a), kRadio * std::sin(a), 1);
    }
    j.m_pListaActual = &j.m_ListaDiamantes;
    const auto paso = [&] {
        j.Actualiza();
        p.JuegoPrueba().Paso();
    };
    paso();
    ASSERT_EQ(j.Fase(), FASE_RESUMEN_INICIAL);
    j.EnviaEvento(EVENTO_PULSADO, 0, nullptr, CHerramientaResumen::kIdContinuar);
    ASSERT_EQ(j.Fase(), FASE_DIAMANTES);
    for (int i = 0; i < 40; ++i) paso();
    j.m_iMaximoLinea = 6;
    // A x2 multiplier that outlasts the scenario.
    j.m_pBonuses->m_iNivelMultiplicador = 1;
    j.m_pBonuses->m_iPasosMultiplicador = 100000;

    const std::vector<CBolaTablero*> piezas = p.Piezas();
    ASSERT_EQ(piezas.size(), 6u);
    for (const CBolaTablero* b : piezas) ASSERT_TRUE(b->PuedeCogerse());
    const auto pulsa = [&](int k) {
        const CBolaTablero* b = piezas[static_cast<size_t>(OrdenZigzag(6)[static_cast<size_t>(k)])];
        CRaton* r = g_pRatones->Raton(0);
        r->CambiaX(b->PosicionX());
        r->CambiaY(b->PosicionY());
        j.TrataBotonRaton(0, BOTON_IZQUIERDO_ABAJO, b->PosicionX(), b->PosicionY());
    };
    const char* szTrofeo = NombreMarcador(MARCADOR_PRIMER_TROFEO);
    const struct {
        int puntos, cruces;
    } tras[] = {{0, 0}, {0, 0}, {0, 0}, {2, 1}, {6, 3}};
    for (int k = 0; k < 5; ++k) {
        pulsa(k);
        EXPECT_EQ(j.NumJugadas(), k + 1);
        EXPECT_EQ(j.Puntuacion(), tras[k].puntos) << "move " << k + 1;
        EXPECT_EQ(j.m_iCrucesLinea, tras[k].cruces) << "move " << k + 1;
    }
    // Undo takes back the newest move's 4 points and 2 crossings.
    j.DeshaceLinea();
    EXPECT_EQ(j.Puntuacion(), 2);
    EXPECT_EQ(j.m_iCrucesLinea, 1);
    for (int i = 0; i < 35; ++i) paso();
    pulsa(4);
    EXPECT_FALSE(p.Perfil().EstaDesbloqueado(szTrofeo));
    pulsa(5);
    EXPECT_EQ(j.m_iCrucesLinea, TablaMaximoCruces(6));
    EXPECT_EQ(j.Puntuacion(), 2 * TablaMaximoCruces(6));
    EXPECT_TRUE(p.Perfil().EstaDesbloqueado(szTrofeo));
    EXPECT_TRUE(p.Perfil().EsRecienDesbloqueado(szTrofeo));
    p.Perfil().QuitaRecienDesbloqueado(szTrofeo);

    // The line settles, finishes and goes; the ring comes back, and the
    // same line again leaves the trophy as it was.
    for (int i = 0; i < 120 && j.NumJugadas() > 0; ++i) paso();
    EXPECT_EQ(j.NumJugadas(), 0);
    EXPECT_EQ(j.LineasUsadas(), 1);
    for (int i = 0; i < 60; ++i) paso();
    for (const CBolaTablero* b : piezas) ASSERT_TRUE(b->PuedeCogerse());
    for (int k = 0; k < 6; ++k) pulsa(k);
    EXPECT_EQ(j.m_iCrucesLinea, TablaMaximoCruces(6));
    EXPECT_FALSE(p.Perfil().EsRecienDesbloqueado(szTrofeo));
    j.LiberaNivel();
}

// ---- The seam that wins a level by its own rules ----

// Off, the board waits for the player. On, stage 1-2 reaches its target in
// lines no richer than the line maximum can cross, traces its seal shard by
// shard, and the sealed figure, the victory, its message, the summary (still
// the player's to continue), the best line count and the seal's and the
// chapter's markers all come the normal way.
TEST(MenuJuego, TheRulesSeamWinsAStageThroughEveryPhase)
{
    CPartidaPrueba p("por_reglas");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 2));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    p.JuegoPrueba().Pasos(30);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_EQ(j->Puntuacion(), 0);
    EXPECT_EQ(j->LineasUsadas(), 0);

    struct Costura {
        Costura() { CMenuJuego::s_bGanaPorReglas = true; }
        ~Costura() { CMenuJuego::s_bGanaPorReglas = false; }
    } costura;
    const int iPorLinea = std::max(1, TablaMaximoCruces(j->MaximoLinea()));
    const int iObjetivo = j->Objetivo();
    ASSERT_GT(iObjetivo, iPorLinea);
    std::set<int> fases;
    for (int i = 0; i < 3000 && j->Fase() != FASE_RESUMEN_FINAL; ++i) {
        fases.insert(j->Fase());
        if (j->Fase() == FASE_MENSAJE_FINAL && p.CierraAviso()) continue;
        p.JuegoPrueba().Paso();
        EXPECT_LE(j->Puntuacion(), iObjetivo);
    }
    ASSERT_EQ(j->Fase(), FASE_RESUMEN_FINAL);
    // The seal was completed by tracing its shards, every one.
    for (int f : {FASE_DIAMANTES, FASE_TRAZADO, FASE_SELLO_COMPLETADO, FASE_ESPERA_FIN, FASE_VICTORIA,
                  FASE_MENSAJE_FINAL})
        EXPECT_TRUE(fases.count(f)) << "phase " << f;
    EXPECT_GT(j->m_iNumEsquirlas, 0);
    EXPECT_EQ(j->Puntuacion(), iObjetivo);
    EXPECT_EQ(j->LineasUsadas(), (iObjetivo + iPorLinea - 1) / iPorLinea);
    // The summary waits for the player.
    p.JuegoPrueba().Pasos(30);
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
    ASSERT_TRUE(p.Continua());
    EXPECT_EQ(j->Resultado(), RESULTADO_VICTORIA);

    EXPECT_TRUE(p.Perfil().EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_CAPITULO + 0)));
    if (j->LineasUsadas() <= j->Nivel().PAR)
        EXPECT_EQ(p.Perfil().MejorJugada(0, 2), j->LineasUsadas());
    else
        EXPECT_EQ(p.Perfil().MejorJugada(0, 2), SIN_JUGADA);
    std::string sFigura = j->Nivel().FIGURA;
    sFigura = sFigura.substr(sFigura.find('\\') + 1);
    int iSellos = 0;
    for (const FilaFiguraGaleria& f : TablaFigurasGaleria)
        if (sFigura == f.m_pszFigura) {
            ++iSellos;
            EXPECT_TRUE(p.Perfil().EstaDesbloqueado(("MGalSello_" + std::to_string(f.m_iSello)).c_str())) << sFigura;
        }
    EXPECT_EQ(iSellos, 1) << sFigura;
}
