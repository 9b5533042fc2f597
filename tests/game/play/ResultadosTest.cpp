// What the end of a story stage keeps: a lost stage keeps nothing the player
// did not achieve, a won stage stays won whatever follows, and the par
// paragraph agrees with what is kept.
#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Perfiles.h"
#include "kit/game/MapaPrueba.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using kit::CPartidaPrueba;

int Co(const char* sz) { return CodigoFLI(sz); }

// The paragraph codes the final summary holds among RE11 .. RE14.
int ParrafoPar(const DatosResumen& d)
{
    for (const char* sz : {"RE11", "RE12", "RE13", "RE14"})
        for (const LineaResumen& l : d.m_aLineas)
            if (l.m_iTipo != LINEA_FIN && (l.m_iEtiqueta == Co(sz) || l.m_iTexto == Co(sz))) return Co(sz);
    return -1;
}

// What the profile of slot 0 holds as a later start reads it from its file.
struct Guardado {
    int iMejor11, iJugados, iProgreso;
};
Guardado PerfilGuardado()
{
    CPerfiles perfiles;
    perfiles.CargaRanura(0);
    const RegistroPerfil& r = perfiles.m_aPerfiles[0];
    return {r.MejorJugada(0, 1), r.CuentaNivelesJugados(0), r.ProgresoHistoria(0)};
}

// Stage 1-1 started and its diamonds on: the start hint answered.
bool EnDiamantes(CPartidaPrueba& p)
{
    p.SinAvisos();
    return p.EmpiezaEtapa(0, 1) && p.Continua() && p.EsperaFase(FASE_DIAMANTES, 60);
}

// Runs the clock out and steps to the final summary.
bool AgotaTiempo(CPartidaPrueba& p)
{
    CMenuJuego* j = p.Juego();
    j->m_iTiempoUsado = j->Nivel().TIEMPOLIMITE - 1;
    return p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 40);
}

} // namespace

// A stage that timed out keeps no best line count, whatever the lines
// used (none, or exactly the par), neither in the game nor in its file: the
// map shows no star, no trophy counts it, and its summary claims no par.
TEST(Resultados, ATimedOutStageKeepsNoLineCount)
{
    for (const int iLineasSobrePar : {-1, 0}) {
        CPartidaPrueba p("perdida" + std::to_string(iLineasSobrePar));
        ASSERT_TRUE(p.Iniciado());
        ASSERT_TRUE(EnDiamantes(p));
        CMenuJuego* j = p.Juego();
        const int iPar = j->Nivel().PAR;
        ASSERT_GT(iPar, 0);
        // -1: no line at all; 0: as many lines as the par.
        j->m_iLineasUsadas = iLineasSobrePar < 0 ? 0 : iPar;
        ASSERT_TRUE(AgotaTiempo(p)) << "phase " << j->Fase();
        EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
        EXPECT_EQ(ParrafoPar(j->UltimoResumen()), Co("RE11")) << j->LineasUsadas();
        EXPECT_EQ(p.Perfil().MejorJugada(0, 1), SIN_JUGADA);
        EXPECT_EQ(p.Perfil().CuentaNivelesJugados(0), 0);
        ASSERT_TRUE(p.Continua());
        p.JuegoPrueba().Pasos(30);
        EXPECT_EQ(j->Resultado(), RESULTADO_DERROTA);
        EXPECT_EQ(PerfilGuardado().iMejor11, SIN_JUGADA);
        EXPECT_EQ(PerfilGuardado().iJugados, 0);
    }
}

// A won stage replayed from its summary's "Try again" and then lost stays
// won: the progress moved and was saved before the replay, and the seal's
// picture and the best count within par are kept.
TEST(Resultados, AWinStaysWonThroughTryAgainAndALostReplay)
{
    CPartidaPrueba p("otra_vez");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(EnDiamantes(p));
    CMenuJuego* j = p.Juego();
    const int iProgreso = p.Perfil().ProgresoHistoria(0);
    ASSERT_EQ(iProgreso, EtapaHistoria(0, 1));
    j->m_iObjetivo = 0;
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400)) << "phase " << j->Fase();
    ASSERT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
    // The line that reached the target is the only one: within par.
    ASSERT_LE(j->LineasUsadas(), j->Nivel().PAR);
    EXPECT_EQ(ParrafoPar(j->UltimoResumen()), Co("RE12"));

    ASSERT_TRUE(p.Pulsa("m_pBotonReiniciar")) << p.JuegoPrueba().Widgets();
    ASSERT_TRUE(p.EsperaFase(FASE_RESUMEN_INICIAL, 300)) << "phase " << j->Fase();
    EXPECT_EQ(p.Perfil().ProgresoHistoria(0), iProgreso + 1);
    EXPECT_EQ(PerfilGuardado().iProgreso, iProgreso + 1);

    // The replay is lost.
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    ASSERT_TRUE(AgotaTiempo(p));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
    ASSERT_TRUE(p.Continua());
    p.JuegoPrueba().Pasos(30);
    EXPECT_FALSE(p.JuegoAbierto());
    EXPECT_EQ(p.Perfil().ProgresoHistoria(0), iProgreso + 1);
    EXPECT_EQ(PerfilGuardado().iProgreso, iProgreso + 1);
}

// The par paragraph over sequences of won and lost plays of one stage: what
// it says agrees with the count kept before the play (kept by wins within
// par only) and with "at most PAR", and the count kept is the best win's.
TEST(Resultados, TheParParagraphAgreesWithTheCountKept)
{
    struct Jugada {
        int usadas;
        bool ganada;
        const char* parrafo;
    };
    const struct {
        const char* caso;
        int par;
        std::vector<Jugada> jugadas;
        int guardada;
    } casos[] = {
        {"a 0-line time-out, then a win at par", 7, {{0, false, "RE11"}, {7, true, "RE12"}}, 7},
        {"a loss at par, then a win at par", 7, {{7, false, "RE11"}, {7, true, "RE12"}}, 7},
        {"a loss under par, then a win over it", 7, {{3, false, "RE11"}, {9, true, "RE11"}}, SIN_JUGADA},
        {"a win at par, a loss, a win under", 7, {{7, true, "RE12"}, {2, false, "RE13"}, {5, true, "RE14"}}, 5},
        {"a win under par, then a win over it", 7, {{4, true, "RE12"}, {8, true, "RE13"}}, 4},
        {"par 1: one line is within", 1, {{1, true, "RE12"}, {1, true, "RE14"}}, 1},
    };
    for (const auto& c : casos) {
        int iGuardada = SIN_JUGADA;
        for (const Jugada& jug : c.jugadas) {
            EXPECT_EQ(CMenuJuego::ParrafoMejorJugada(c.par, iGuardada, jug.usadas, jug.ganada), Co(jug.parrafo))
                << c.caso << ": " << jug.usadas << (jug.ganada ? " won" : " lost");
            if (jug.ganada && CMenuJuego::GuardaMejorJugadaPermitida(0, c.par, jug.usadas))
                iGuardada = std::min(iGuardada, jug.usadas);
        }
        EXPECT_EQ(iGuardada, c.guardada) << c.caso;
    }
}
