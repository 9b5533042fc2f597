// The play screen's decisions, without a screen: the end comment, the best
// line count's paragraph and when it is kept, the start's hints, the time
// out, the background by chance, and the texts of the HUD and summaries.
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "game/play/herramientas/HerramientaResumen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

int Co(const char* sz) { return CodigoFLI(sz); }

// A story victory with every ratio comfortably in range: only chance picks.
DatosComentario Victoria()
{
    DatosComentario d;
    d.iResultado = RESULTADO_VICTORIA;
    d.iLimite = 3000;
    d.iTiempoUsado = 1000;
    d.iPasosTrazado = 100;
    d.iPuntuacion = 100;
    d.iObjetivo = 100;
    d.iMovimientos = 40;
    d.iLineas = 8;
    d.iMaximo = 6;  // E = 0.5 * 6 / 5 = 0.6; G = 2.5
    return d;
}

DatosComentario Derrota()
{
    DatosComentario d = Victoria();
    d.iResultado = RESULTADO_DERROTA;
    d.iPuntuacion = 30;   // G = 0.75 > E
    d.iLineas = 200;      // L = 200 / (100 / 0.6) = 1.2: neither test on L holds
    return d;
}

} // namespace

TEST(DecisionesJuego, EndComment)
{
    const auto azar = [](float r) { return [r] { return r; }; };
    DatosComentario poco = Victoria();
    poco.iTiempoUsado = 2900;  // under 5 % left
    DatosComentario pocoRush = poco;
    pocoRush.bRush = true;
    DatosComentario sinLimite = poco;
    sinLimite.iLimite = -1;
    DatosComentario flojo = Victoria();
    flojo.iPuntuacion = 10;  // G = 0.25 < E
    DatosComentario sinMovimientos = Victoria();
    sinMovimientos.iMovimientos = 0;
    DatosComentario regalos = Victoria();
    regalos.iBonusCreados = 10;
    regalos.iBonusCogidos = 5;
    DatosComentario trazado = Victoria();
    trazado.iPasosTrazado = 1200;
    DatosComentario cerca = Derrota();
    cerca.iPuntuacion = 96;
    cerca.iLineas = 5000;  // L > 1.2 but E < G: no L test
    DatosComentario maldito = Victoria();
    maldito.bRush = true;
    maldito.iResultado = RESULTADO_DERROTA;
    maldito.iMaldiciones = 5;
    DatosComentario espera = maldito;
    espera.iMaldiciones = 0;
    espera.iEsperaMaxima = 151;
    DatosComentario abandono = Victoria();
    abandono.iResultado = RESULTADO_ABANDONO;
    DatosComentario lineaUno = Derrota();
    lineaUno.iMaximo = 1;  // E divides by M - 1 = 0: no test on E

    const struct {
        const char* caso;
        DatosComentario d;
        float r;
        const char* comentario;
    } casos[] = {
        {"under 5 % of the time left", poco, 0.9f, "CO00"},
        {"under 5 % left, a rush", pocoRush, 0.9f, "CO20"},
        {"no limit: the time tests do not hold", sinLimite, 0.1f, "CO04"},
        {"few crossings per diamond", flojo, 0.9f, "CO01"},
        {"no move: the ratio does not hold", sinMovimientos, 0.9f, "CO09"},
        {"gifts left on the board", regalos, 0.9f, "CO02"},
        {"a slow seal", trazado, 0.9f, "CO03"},
        {"chance 0.1", Victoria(), 0.1f, "CO04"},
        {"chance 0.3", Victoria(), 0.3f, "CO06"},
        {"chance 0.5", Victoria(), 0.5f, "CO07"},
        {"chance 0.7", Victoria(), 0.7f, "CO08"},
        {"chance 0.9", Victoria(), 0.9f, "CO09"},
        {"a defeat with good lines, on chance", Derrota(), 0.9f, "CO17"},
        {"a defeat within a breath", cerca, 0.2f, "CO18"},
        {"a defeat within a breath, other chance", cerca, 0.7f, "CO19"},
        {"a rush lost to curses", maldito, 0.1f, "CO27"},
        {"a rush lost to waiting", espera, 0.1f, "CO28"},
        {"a rush lost on chance", [&] { DatosComentario e = espera; e.iEsperaMaxima = 0; return e; }(), 0.5f, "CO26"},
        {"a line maximum of 1", lineaUno, 0.1f, "CO15"},
    };
    for (const auto& c : casos) EXPECT_EQ(CMenuJuego::EligeComentarioFinal(c.d, azar(c.r)), Co(c.comentario)) << c.caso;
    EXPECT_EQ(CMenuJuego::EligeComentarioFinal(abandono, azar(0.5f)), -1);
}

TEST(DecisionesJuego, BestLineParagraphAndWhenItIsKept)
{
    // Won stages; a stage is within par with at most PAR lines (the lost
    // ones are weighed in ResultadosTest.cpp).
    const struct {
        int par, mejor, usadas;
        const char* parrafo;
    } casos[] = {
        {10, 12, 9, "RE12"},
        {10, 12, 10, "RE12"},
        {10, 12, 11, "RE11"},
        {10, 8, 9, "RE14"},
        {10, 8, 11, "RE13"},
        {10, 999, 9, "RE12"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CMenuJuego::ParrafoMejorJugada(c.par, c.mejor, c.usadas, true), Co(c.parrafo))
            << c.mejor << " " << c.usadas;

    EXPECT_TRUE(CMenuJuego::GuardaMejorJugadaPermitida(0, 10, 10));
    EXPECT_TRUE(CMenuJuego::GuardaMejorJugadaPermitida(12, 10, 3));
    EXPECT_FALSE(CMenuJuego::GuardaMejorJugadaPermitida(0, 10, 11));
    EXPECT_FALSE(CMenuJuego::GuardaMejorJugadaPermitida(0, -1, 0));   // no par, nothing kept
    EXPECT_FALSE(CMenuJuego::GuardaMejorJugadaPermitida(13, 10, 3));  // the extra modes keep none
    EXPECT_FALSE(CMenuJuego::GuardaMejorJugadaPermitida(-1, 10, 3));
}

TEST(DecisionesJuego, StartHints)
{
    const int rec0 = Co("REC0"), rec1 = Co("REC1");
    const int H = MODO_HISTORIA;
    const struct {
        int modo, grupo, parte;
        bool rec0Visto;
        int progreso;
        bool usado;
        int hint;
    } casos[] = {
        {H, 1, 0, false, 3, false, rec0},
        {H, 1, 1, false, 4, true, rec0},
        {H, 1, 1, true, 4, false, rec1},   // once a run
        {H, 1, 2, false, 3, false, rec1},
        {H, 1, 0, false, 5, true, -1},
        {H, 0, 0, false, 0, false, -1},    // the very first stage shows none
        {H, 0, 1, false, 1, false, rec1},
        {H, 0, 1, false, 1, true, -1},     // the first undo stops it
        // The hint speaks of diamonds and of the Undo button: concentration
        // has both; the seals have no diamonds, the attacks no Undo button.
        {MODO_SOLO_CONCENTRAR, 13, 1, false, 3, false, rec1},
        {MODO_SOLO_CONCENTRAR, 13, 1, false, 3, true, -1},
        {MODO_SOLO_SELLOS, 13, 1, false, 3, false, -1},
        {MODO_SOLO_ATAQUES, 13, 1, false, 3, false, -1},
        {MODO_SOLO_ATAQUES, 1, 0, false, 3, false, -1},  // REC0 is the story's
    };
    for (const auto& c : casos)
        EXPECT_EQ(CMenuJuego::HintInicio(c.modo, c.grupo, c.parte, c.rec0Visto, c.progreso, c.usado), c.hint)
            << "mode " << c.modo << " " << c.grupo << "-" << c.parte << " progress " << c.progreso;
}

TEST(DecisionesJuego, TimeOutOnlyWhileTheClockRunsAndWithALimit)
{
    const struct {
        int fase, limite, usado;
        bool tieneLimite, agotado;
    } casos[] = {
        {FASE_DIAMANTES, 900, 899, true, false},
        {FASE_DIAMANTES, 900, 900, true, true},
        {FASE_TRAZADO, 900, 901, true, true},
        {FASE_VICTORIA, 900, 900, true, false},
        {FASE_RESUMEN_INICIAL, 900, 900, true, false},
        {FASE_DIAMANTES, -1, 0, true, false},
        {FASE_DIAMANTES, 0, 0, true, false},
        {FASE_DIAMANTES, 900, 900, false, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CMenuJuego::TiempoAgotado(c.fase, c.limite, c.usado, c.tieneLimite), c.agotado)
            << "phase " << c.fase << " limit " << c.limite << " used " << c.usado;
}

TEST(DecisionesJuego, BackgroundByChance)
{
    ReiniciaAleatorio();
    std::set<std::string> vistos;
    for (const char* fondo : {"AlAzar", "alazar", "ALAZAR", "aLaZaR"})
        for (int i = 0; i < 50; ++i) {
            const std::string r = CMenuJuego::RutaFondo(fondo);
            EXPECT_NE(std::find(TablaFondosAzar.begin(), TablaFondosAzar.end(), r), TablaFondosAzar.end()) << r;
            vistos.insert(r);
        }
    EXPECT_GT(vistos.size(), 8u);
    EXPECT_EQ(CMenuJuego::RutaFondo(juego::imagen::FONDO_PRISION), juego::imagen::FONDO_PRISION);
}

TEST(DecisionesJuego, TextsOfTheHudAndSummaries)
{
    EXPECT_EQ(CHerramientaMarcadores::TextoPuntos(12, 40), "12/40");
    EXPECT_EQ(CHerramientaMarcadores::TextoTiempo(3725), "02:04");
    // The HUD's clock never shows a negative time; the summaries' time line
    // shows none.
    EXPECT_EQ(CHerramientaMarcadores::TextoTiempo(-1), "00:00");
    EXPECT_EQ(CHerramientaMarcadores::TextoTiempo(0), "00:00");
    EXPECT_EQ(CHerramientaMarcadores::TextoTiempo(1799), "00:59");
    EXPECT_EQ(CHerramientaMarcadores::TextoTiempo(1800), "01:00");
    EXPECT_EQ(CHerramientaResumen::TextoTiempo(3725), "2:04");
    EXPECT_EQ(CHerramientaResumen::TextoTiempo(0), "0:00");
    EXPECT_EQ(CHerramientaResumen::TextoTiempo(-1), "--:--");

    // A record holds twenty lines, no more.
    DatosResumen d;
    d.Inicializa();
    for (int i = 0; i < DatosResumen::kNumLineas; ++i) EXPECT_TRUE(d.AnadeEntero(-1, i));
    EXPECT_FALSE(d.AnadeSeparador());
    EXPECT_EQ(d.NumLineas(), DatosResumen::kNumLineas);
}
