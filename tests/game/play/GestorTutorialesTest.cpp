// The tutorial manager: its tables (every chain from its first step to its
// final one, the page sets, the goals), its texts laid out in their boxes in
// the three languages, and the tutorials as a player meets them: pages
// turned with the button, a level without a tutorial left alone, and the
// guide of the best-line lesson.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/BolaTablero.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/play/Solucionador.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "kit/game/PartidaPrueba.h"
#include "kit/TextosPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using kit::CPartidaPrueba;
using T = CGestorTutoriales;

// Every text code the tables name.
std::set<std::string> CodigosTablas()
{
    std::set<std::string> r = {juego::texto::TUX0, juego::texto::TUX1};
    for (const ConjuntoPaginas& c : T::TablaConjuntos)
        for (const PaginaTutorial& p : c.a)
            if (p.szCodigo) r.insert(p.szCodigo);
    for (const PasoTutorial& p : T::TablaPasos)
        if (p.szTexto) r.insert(p.szTexto);
    return r;
}

// The pieces of a list sorted by their order in the figure.
std::vector<CBolaTablero*> EnOrden(const CLista& l)
{
    std::vector<CBolaTablero*> v;
    for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente) v.push_back(static_cast<CBolaTablero*>(n->m_pItem));
    std::sort(v.begin(), v.end(), [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
    return v;
}

CBotonTazmo* Boton(CPartidaPrueba& p)
{
    return dynamic_cast<CBotonTazmo*>(p.JuegoPrueba().Busca("GESTORTUTORIALES_BUT_Tutorial"));
}

// Presses the tutorial's button once it takes presses; false without one.
bool PulsaBoton(CPartidaPrueba& p)
{
    CBotonTazmo* b = Boton(p);
    for (int i = 0; i < 60 && b && (b->EnTransicion() || !b->Abierto()); ++i) p.JuegoPrueba().Paso();
    if (!b) return false;
    if (!p.JuegoPrueba().Pulsa("GESTORTUTORIALES_BUT_Tutorial")) return false;
    // The button's press plays out before it answers.
    const CGestorTutoriales* t = p.Juego()->m_pTutoriales;
    const int iPaso = t->m_iPaso, iPagina = t->m_iPagina;
    for (int i = 0; i < 60 && t->m_iPaso == iPaso && t->m_iPagina == iPagina; ++i) p.JuegoPrueba().Paso();
    p.JuegoPrueba().Paso();
    return true;
}

// Starts a chapter's tutorial from the map and answers the hint that the
// start may show once the play screen has opened.
bool EmpiezaTutorial(CPartidaPrueba& p, int iCapitulo)
{
    if (!p.EmpiezaEtapaDirecta(iCapitulo, 0, FASE_DIAMANTES)) return false;
    // The hint's box is attached once the play screen has opened.
    for (int i = 0; i < 200 && p.Juego()->m_bHintMostrado; ++i)
        if (!p.CierraAviso()) p.JuegoPrueba().Paso();
    for (int i = 0; i < 120 && p.Juego()->EnTransicion(); ++i) p.JuegoPrueba().Paso();
    return true;
}

// Clicks the pieces in that order once the board is still, and lets the
// ended line settle.
void JuegaPiezas(CPartidaPrueba& p, const std::vector<CBolaTablero*>& piezas)
{
    p.EsperaTableroQuieto(300);
    for (CBolaTablero* b : piezas) p.PulsaPieza(b);
    // The goal is checked once the ended line has dissolved.
    CMenuJuego* j = p.Juego();
    for (int i = 0; i < 300 && (j->m_bObjetivoTutorialPendiente || j->NumJugadas() > 0); ++i) p.JuegoPrueba().Paso();
    p.JuegoPrueba().Pasos(3);
}

} // namespace

// ---- The tables ----

TEST(GestorTutoriales, EveryChainRunsFromItsFirstStepToItsFinalOne)
{
    for (size_t i = 0; i < T::TablaPasos.size(); ++i) EXPECT_EQ(T::TablaPasos[i].iPaso, T::kPrimerPaso + int(i));
    int iSiguiente = T::kPrimerPaso;
    for (int t = 0; t < T::kNumTutoriales; ++t) {
        SCOPED_TRACE(t);
        const CadenaTutorial& c = T::TablaCadenas[size_t(t)];
        EXPECT_EQ(T::PrimerPaso(t), c.iPrimero);
        EXPECT_EQ(c.iPrimero, iSiguiente);  // the chains follow one another with no gap
        for (int s = c.iPrimero; s <= c.iFinal; ++s) {
            ASSERT_NE(T::Paso(s), nullptr) << s;
            EXPECT_EQ(T::EsPasoFinal(s), s == c.iFinal) << s;
        }
        // A tutorial starts and ends on pages.
        EXPECT_EQ(T::Paso(c.iPrimero)->tipo, PasoTutorial::PAGINAS);
        EXPECT_EQ(T::Paso(c.iFinal)->tipo, PasoTutorial::PAGINAS);
        iSiguiente = c.iFinal + 1;
    }
    EXPECT_EQ(iSiguiente, T::kUltimoPaso + 1);
    for (int t : {-1, 12, 13}) EXPECT_EQ(T::PrimerPaso(t), 0) << t;
    EXPECT_EQ(T::Paso(0), nullptr);
    EXPECT_EQ(T::Paso(68), nullptr);
}

TEST(GestorTutoriales, StepsNameSetsOfOneToThreePagesAndListsThatExist)
{
    for (const ConjuntoPaginas& c : T::TablaConjuntos) {
        const int n = T::NumPaginas(c);
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 3);
        for (int i = n; i < ConjuntoPaginas::kRegistros; ++i) EXPECT_EQ(c.a[size_t(i)].iTipo, PaginaTutorial::FIN);
    }
    EXPECT_EQ(T::Conjunto(7), nullptr);
    EXPECT_EQ(T::Conjunto(42), nullptr);
    std::set<int> listasLlenas;
    for (const PiezasTutorial& f : T::TablaPiezas) {
        listasLlenas.insert(f.iLista);
        EXPECT_NE(T::Paso(f.iPrimerPaso), nullptr);
        EXPECT_NE(f.iFigura >= 0, f.szFichero != nullptr);
    }
    for (const PasoTutorial& p : T::TablaPasos) {
        SCOPED_TRACE(p.iPaso);
        if (p.tipo == PasoTutorial::PAGINAS) {
            EXPECT_NE(T::Conjunto(p.iConjunto), nullptr);
            EXPECT_EQ(p.meta, META_BOTON);
            continue;
        }
        ASSERT_NE(p.szTexto, nullptr);
        EXPECT_GE(p.iLista, -1);
        EXPECT_LT(p.iLista, T::kNumListas);
        // Only the attack lessons play without pieces.
        const bool bAtaque = p.meta == META_LANZADAS_MAS_DE || p.meta == META_FACTOR_BAJO;
        if (!bAtaque) {
            EXPECT_TRUE(listasLlenas.count(p.iLista)) << "list " << p.iLista;
        }
        if (p.tipo == PasoTutorial::SELLO) {
            EXPECT_NE(p.apszSellos[0], nullptr);
        }
        if (p.meta == META_LINEA_MINIMO) {
            EXPECT_EQ(p.iListaGuia, p.iLista);
        }
    }
    // Closing the animated help counts as the goal of exactly these steps.
    std::vector<int> conAyuda;
    for (const PasoTutorial& p : T::TablaPasos)
        if (p.uAcciones & ACCION_AYUDA_ANIMADA) conAyuda.push_back(p.iPaso);
    EXPECT_EQ(conAyuda, (std::vector<int>{23, 25, 27, 29, 31, 32}));
}

// Goals are met at their threshold or beyond: a line doubled by a bonus
// jumps over an exact value (2 to 4 over 3, 0 to 2 over 1).
TEST(GestorTutoriales, GoalsAreMetAtTheirThresholdOrBeyond)
{
    const struct {
        int paso, S, L;
        bool alcanzada;
    } casos[] = {
        {15, 0, 0, true},  {17, 0, 0, true},   {26, 0, 0, true},   {66, 0, 0, true},
        {19, 2, 0, false}, {19, 3, 1, true},   {19, 4, 2, true},   // x2: 2 then 4
        {21, 5, 0, false}, {21, 6, 0, true},   {21, 8, 4, true},
        {24, 9, 0, false}, {24, 10, 0, true},  {24, 12, 0, true},
        {34, 29, 0, false}, {34, 30, 0, true}, {34, 34, 0, true},
        {37, 9, 0, false}, {37, 0, 1, true},   {37, 0, 2, true},   // x2: 1 becomes 2
        {39, 9, 2, false}, {39, 0, 3, true},   {39, 0, 6, true},
        {41, 9, 5, false}, {41, 0, 6, true},   {41, 0, 12, true},
        {14, 99, 99, false}, {45, 99, 99, false}, {57, 99, 99, false}, {67, 99, 99, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << "step " << c.paso << " S " << c.S << " L " << c.L);
        EXPECT_EQ(T::MetaDeLinea(*T::Paso(c.paso), c.S, c.L), c.alcanzada);
    }
    const struct {
        int paso, lanzadas;
        float factor;
        bool alcanzada;
    } fotogramas[] = {
        {45, 24, 1.0f, false}, {45, 25, 1.0f, true},  {57, 0, 0.9f, false}, {57, 0, 0.8f, true},
        {63, 0, 0.8f, false},  {63, 0, 0.7f, true},   {34, 99, 0.6f, false}, {37, 99, 0.6f, false},
    };
    for (const auto& c : fotogramas) {
        SCOPED_TRACE(testing::Message() << "step " << c.paso);
        EXPECT_EQ(T::MetaDeFotograma(*T::Paso(c.paso), c.lanzadas, c.factor), c.alcanzada);
    }
}

// A text's level climbs to 512 on a new text and falls to 255: the white
// flash above 255 never passes 255, which a byte would wrap.
TEST(GestorTutoriales, TextLevelsFadeAndTheFlashStaysWithinAByte)
{
    const int niveles[][3] = {{0, 0, 0}, {128, 128, 0}, {255, 255, 0}, {256, 255, 1}, {400, 255, 145},
                              {510, 255, 255}, {512, 255, 255}};
    for (const auto& n : niveles) {
        EXPECT_EQ(T::AlfaTexto(n[0]), n[1]) << n[0];
        EXPECT_EQ(T::AlfaDestello(n[0]), n[2]) << n[0];
    }
    EXPECT_EQ(T::AcercaNivel(512, 255), 507);
    EXPECT_EQ(T::AcercaNivel(258, 255), 255);
    EXPECT_EQ(T::AcercaNivel(3, 0), 0);
    EXPECT_EQ(T::AcercaNivel(252, 256), 256);
    EXPECT_EQ(T::AcercaNivel(255, 255), 255);
}

// ---- The texts ----

// Each page and instruction, in each of the three tables, laid out as the
// manager renders it: wrapped to its box's width at its scale, the block no
// taller than the box and no line wider.
TEST(GestorTutoriales, EveryTextFitsItsBoxInEveryLanguage)
{
    kit::CJuegoPrueba juego("textos_tutoriales");
    ASSERT_TRUE(juego.Iniciado());
    CFont* f = g_pSistema2D->GetFont(T::kFuenteTexto);
    ASSERT_TRUE(f && f->EstaCargada());
    const float s = T::kEscalaTexto;
    const std::set<std::string> codigos = CodigosTablas();
    EXPECT_GE(codigos.size(), 74u);
    for (int idioma = 0; idioma < 3; ++idioma)
        for (const std::string& c : codigos) {
            SCOPED_TRACE(testing::Message() << "language " << idioma << " code " << c);
            const char* szTexto = g_GestorFLIs.GetTexto(CodigoFLI(c.c_str()), idioma);
            ASSERT_NE(szTexto, nullptr);
            EXPECT_NE(std::string(szTexto), "");
            const std::string ajustado = mgtest::AjustaComoCaja(*f, szTexto, T::kAnchoTexto, s);
            EXPECT_LE(f->CalculaAlto(ajustado.c_str()) * s, T::kAltoTexto) << ajustado;
            EXPECT_LE(f->CalculaAncho(ajustado.c_str()) * s, T::kAnchoTexto) << ajustado;
        }
}

// ---- In play ----

// The first tutorial: no start summary, three pages turned by the button
// (its last caption TUX1), the line maximum of 4 and one colour, a step's
// goal reached by its first line, and the next set back on TUX0. The
// button's press never reaches the play screen as its undo.
TEST(GestorTutoriales, PagesTurnWithTheButtonAndTheFirstLineEndsTheStep)
{
    CPartidaPrueba p("tutorial_paginas");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(EmpiezaTutorial(p, 0)) << p.JuegoPrueba().Widgets();
    CMenuJuego* j = p.Juego();
    CGestorTutoriales* g = j->m_pTutoriales;
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->m_iPaso, 14);
    EXPECT_EQ(j->m_iMaximoLinea, 4);
    EXPECT_EQ(j->ListaActual(), nullptr);
    EXPECT_FALSE(g->m_bPermiteJugar);
    ASSERT_NE(Boton(p), nullptr) << p.JuegoPrueba().Widgets();
    EXPECT_EQ(g->m_iNumPaginas, 3);
    const std::string sDeshacer = NombreMarcador(MARCADOR_PRIMER_AVISO + 3);

    const int tux0 = CodigoFLI(juego::texto::TUX0), tux1 = CodigoFLI(juego::texto::TUX1);
    EXPECT_EQ(Boton(p)->m_iCodigoTexto, tux0);
    ASSERT_TRUE(PulsaBoton(p));
    EXPECT_EQ(g->m_iPagina, 1);
    EXPECT_EQ(Boton(p)->m_iCodigoTexto, tux0);
    ASSERT_TRUE(PulsaBoton(p));
    EXPECT_EQ(g->m_iPagina, 2);
    EXPECT_EQ(Boton(p)->m_iCodigoTexto, tux1);  // before the third page
    ASSERT_TRUE(PulsaBoton(p));
    EXPECT_EQ(g->m_iPaso, 15);
    EXPECT_TRUE(g->m_bPermiteJugar);
    EXPECT_EQ(j->ListaActual(), &g->m_aListas[0]);
    EXPECT_EQ(g->NumeroColores(), 1);
    EXPECT_FALSE(p.Perfil().EstaDesbloqueado(sDeshacer.c_str()));
    EXPECT_GT(g->m_iNivelAbajo, 255);  // the instruction flashes in

    // The figure's one diamond is a line of its own: the step's first line
    // ends it.
    const std::vector<CBolaTablero*> v = EnOrden(g->m_aListas[0]);
    ASSERT_EQ(v.size(), 1u);
    JuegaPiezas(p, v);
    EXPECT_EQ(g->m_iPaso, 16);
    EXPECT_EQ(j->ListaActual(), nullptr);
    EXPECT_EQ(g->m_iNumPaginas, 3);
    EXPECT_EQ(Boton(p)->m_iCodigoTexto, tux0);  // a new set starts on TUX0
    EXPECT_EQ(g->m_iObjetivoAbajo, 0);
    p.JuegoPrueba().Pasos(60);
    EXPECT_EQ(g->m_iNivelAbajo, 0);
    EXPECT_EQ(g->m_iNivelArriba, 256);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
}

// The second tutorial starts on a set of one page: it shows TUX1 and one
// press completes it; its lines hold five diamonds.
TEST(GestorTutoriales, AOnePageSetIsDoneWithOnePress)
{
    CPartidaPrueba p("tutorial_una_pagina");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(EmpiezaTutorial(p, 1));
    CMenuJuego* j = p.Juego();
    CGestorTutoriales* g = j->m_pTutoriales;
    EXPECT_EQ(g->m_iPaso, 23);
    EXPECT_EQ(j->m_iMaximoLinea, 5);
    EXPECT_EQ(g->m_iNumPaginas, 1);
    ASSERT_NE(Boton(p), nullptr);
    EXPECT_EQ(Boton(p)->m_iCodigoTexto, CodigoFLI(juego::texto::TUX1));
    ASSERT_TRUE(PulsaBoton(p));
    EXPECT_EQ(g->m_iPaso, 24);
    EXPECT_EQ(j->ListaActual(), &g->m_aListas[4]);
}

// Number 12: the manager is there with step 0, no button and no texts, and
// the level's own line maximum, target and colours apply.
TEST(GestorTutoriales, AStageWithoutATutorialKeepsItsOwnSettings)
{
    CPartidaPrueba p("sin_tutorial");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapaDirecta(2, 1));
    CMenuJuego* j = p.Juego();
    CGestorTutoriales* g = j->m_pTutoriales;
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->m_iPaso, 0);
    EXPECT_FALSE(g->Activo());
    EXPECT_EQ(g->m_pBoton, nullptr);
    EXPECT_EQ(g->m_pTextoAbajo, nullptr);
    EXPECT_EQ(g->m_pTextoArriba, nullptr);
    EXPECT_EQ(Boton(p), nullptr);
    EXPECT_EQ(j->Objetivo(), j->Nivel().PUNTUACIONOBJETIVO);
    EXPECT_EQ(j->m_iMaximoLinea, p.Perfil().Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA]);
    EXPECT_FALSE(g->CompruebaObjetivo());
    EXPECT_EQ(j->Fase(), FASE_RESUMEN_INICIAL);
}

// The best-line lesson: a line that misses leaves no guide the first time;
// after the second miss the guide fades in over the pieces; the line that
// makes it freezes the guide where it is, and the next step fades it out
// over 90 frames. The guide goes with the manager.
TEST(GestorTutoriales, TheGuideShowsAfterTheSecondMissAndFadesAfterTheGoal)
{
    CPartidaPrueba p("tutorial_guia");
    ASSERT_TRUE(p.Iniciado());
    ASSERT_TRUE(EmpiezaTutorial(p, 3));
    CMenuJuego* j = p.Juego();
    CGestorTutoriales* g = j->m_pTutoriales;
    EXPECT_EQ(g->m_iPaso, 36);
    ASSERT_TRUE(PulsaBoton(p));
    ASSERT_TRUE(PulsaBoton(p));
    ASSERT_EQ(g->m_iPaso, 37);
    ASSERT_GE(j->m_iMaximoLinea, 4);

    // The four diamonds: their figure's order crosses once; some other
    // order crosses nothing.
    const std::vector<CBolaTablero*> mejor = EnOrden(g->m_aListas[8]);
    ASSERT_EQ(mejor.size(), 4u);
    std::vector<CBolaTablero*> falla = mejor;
    auto cruces = [](const std::vector<CBolaTablero*>& v) {
        std::vector<Punt2D> c;
        for (const CBolaTablero* b : v) c.push_back({b->PosicionX(), b->PosicionY()});
        return CrucesCamino(c, HOLGURA_TOQUE);
    };
    EXPECT_EQ(cruces(mejor), 1);
    while (cruces(falla) != 0 && std::next_permutation(falla.begin(), falla.end())) {}
    ASSERT_EQ(cruces(falla), 0);

    JuegaPiezas(p, falla);
    EXPECT_EQ(g->m_iPaso, 37);
    EXPECT_EQ(g->m_iReintentos, 1);
    EXPECT_EQ(j->m_pListaGuia, nullptr);
    JuegaPiezas(p, falla);
    EXPECT_EQ(j->m_pListaGuia, &g->m_aListas[8]);
    EXPECT_NEAR(j->m_fPasoGuia, 1.0f / 90.0f, 1e-6f);
    const float fAntes = j->m_fNivelGuia;
    EXPECT_GT(fAntes, 0.0f);
    EXPECT_LT(fAntes, 1.0f);

    JuegaPiezas(p, mejor);
    EXPECT_EQ(j->m_iPuntosUltimaLinea, 1);
    EXPECT_EQ(g->m_iPaso, 38);
    EXPECT_NEAR(j->m_fPasoGuia, -1.0f / 90.0f, 1e-6f);
    p.JuegoPrueba().Pasos(95);
    EXPECT_EQ(j->m_fNivelGuia, 0.0f);

    // The guide points into the manager's lists: deleting the manager
    // clears it.
    j->m_fNivelGuia = 0.5f;
    j->LiberaNivel();
    EXPECT_EQ(j->m_pListaGuia, nullptr);
    EXPECT_EQ(j->m_fNivelGuia, 0.0f);
}
