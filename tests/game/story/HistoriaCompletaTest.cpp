// The whole story played through the real screens, at Pasatiempos, with
// every step updated and drawn: the title screen, a new profile, the main
// menu, the story and its difficulty, then each chapter from the map's play
// button: the chapter's card answered with play, every scene clicked
// through, each tutorial played by the kit's scripted player and every
// other level won by the play screen's rules seam (the level's own target,
// seal and markers; the result is never set by the test). After the last
// stage the credits run until their trophy, a click closes them and the map
// tells the story's end. The profile is then read back from disk.
//
// The story is long, so it is played in segments, one test each, that ctest
// runs one after another: each starts the game over the files the one
// before left (a player starting the game again) and plays on from the map;
// a segment may end in the middle of a chapter, and the next one starts its
// stage from the map, through the stage's opening scene. The messages the
// map told are handed on with the files.
#include "engine/sequences/JapSecuenciador.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/Entrada.h"
#include "kit/game/MapaPrueba.h"
#include "kit/game/PartidaPrueba.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kit::CPartidaPrueba;
using M = CMenuModoHistoria;

// Where a segment leaves the player's files and the messages told for the
// next one.
fs::path Traspaso() { return fs::path(MG_TEST_TMP) / "historia_completa"; }
constexpr const char* kContados = "contados.txt";

// The progress each segment plays to, about three ordinary stages' worth
// each (a tutorial counts as two): a segment must stay well within its
// timeout under the sanitizers on a loaded machine. The last one also runs
// the credits.
constexpr std::array<int, 23> kFinTramo = {2,  4,  7,  9,  12, 14, 16, 19, 21, 24, 26, 28,
                                           30, 33, 36, 38, 40, 43, 45, 48, 50, 52, 53};

// Steps a tutorial may take (the attack lessons wait for their attacks), and
// any other level.
constexpr int kPasosTutorial = 12000;
constexpr int kPasosNivel = 4000;

// The play screen's rules seam and the scenes' fast mode (every line is
// still clicked through), on for one segment.
struct Costura {
    Costura()
    {
        CMenuJuego::s_bGanaPorReglas = true;
        CJapSecuenciador::s_bSiempreRapido = true;
    }
    ~Costura()
    {
        CMenuJuego::s_bGanaPorReglas = false;
        CJapSecuenciador::s_bSiempreRapido = false;
    }
};

// The files the segment before left (none for the first).
std::vector<std::pair<std::string, std::string>> FicherosTraspaso(size_t iTramo)
{
    std::vector<std::pair<std::string, std::string>> r;
    if (iTramo == 0 || !fs::is_directory(Traspaso())) return r;
    for (const fs::directory_entry& e : fs::directory_iterator(Traspaso()))
        if (e.is_regular_file() && e.path().filename() != kContados)
            r.emplace_back(e.path().filename().string(), mgtest::LlegeixFitxer(e.path()));
    return r;
}

std::vector<std::string> LeeContados(size_t iTramo = 1)
{
    std::vector<std::string> r;
    if (iTramo == 0) return r;
    std::ifstream f(Traspaso() / kContados);
    for (std::string s; std::getline(f, s);)
        if (!s.empty()) r.push_back(s);
    return r;
}

// Seconds since t0.
double Desde(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

class Tramo {
public:
    explicit Tramo(size_t iTramo)
        : m_iTramo(iTramo), m_p("historia_completa", FicherosTraspaso(iTramo)), m_contados(LeeContados(iTramo))
    {
    }

    CPartidaPrueba& Partida() { return m_p; }
    kit::CJuegoPrueba& Juego() { return m_p.JuegoPrueba(); }
    const std::vector<std::string>& Contados() const { return m_contados; }
    int Progreso() { return PerfilActualJuego() ? PerfilActualJuego()->ProgresoHistoria(0) : -1; }

    // From the title screen to the story map: a new profile the first time,
    // the one in slot 0 afterwards.
    void HastaMapa()
    {
        CMenuMaestro* m = g_pMenuMaestro;
        ASSERT_TRUE(HastaPantalla(m->m_pMenuPresentacion));
        Juego().MueveRaton(512.0f, 384.0f);
        Juego().BotonRaton(true);
        Juego().BotonRaton(false);
        ASSERT_TRUE(HastaPantalla(m->m_pMenuPerfil));
        CMenuPrincipal* pPrincipal = m->m_pMenuPrincipal;
        if (m_iTramo == 0) {
            ASSERT_TRUE(Juego().Pulsa("MENUPERFIL_BUT_Nuevo0")) << Juego().Widgets();
            ASSERT_TRUE(HastaCajaPerfil());
            ASSERT_TRUE(Juego().Escribe("MENUPERFIL_MsgBox3_Input", "Lioba"));
            Juego().Tecla(TECLA_ENTER);
            ASSERT_TRUE(HastaCajaPerfil());
            Juego().Tecla(TECLA_ENTER);
            ASSERT_TRUE(HastaPantalla(pPrincipal)) << Juego().Widgets();
            // The main menu's explanation, the first time only.
            ASSERT_TRUE(HastaAbierta(pPrincipal->Mensaje(), pPrincipal));
            Juego().Pasos(5);
            ASSERT_TRUE(Juego().Pulsa("MSGBOXTAZMO_Boton0")) << Juego().Widgets();
            for (int i = 0; i < 90 && pPrincipal->Mensaje()->Padre(); ++i) Juego().Paso();
        } else {
            ASSERT_TRUE(Juego().Pulsa("MENUPERFIL_BUT_Nombre0")) << Juego().Widgets();
            ASSERT_TRUE(HastaPantalla(pPrincipal));
        }
        Juego().Pasos(30);
        ASSERT_TRUE(Juego().Pulsa("MPrin_ModoHistoria")) << Juego().Widgets();
        ASSERT_TRUE(HastaAbierta(pPrincipal->Dificultad(), pPrincipal));
        Juego().Pasos(5);
        ASSERT_TRUE(Juego().Pulsa("BoxDif_0")) << Juego().Widgets();
        ASSERT_TRUE(HastaPantalla(kit::Mapa()));
        ASSERT_NE(PerfilActualJuego(), nullptr);
        ASSERT_EQ(PerfilActualJuego()->m_iDificultad, 0);
    }

    // Plays on from the idle map until the progress reaches iFin: at a
    // chapter's end the map is idle again; in the middle of one, the segment
    // ends when the next stage's play has opened.
    void JuegaHasta(int iFin)
    {
        M* m = kit::Mapa();
        Costura costura;
        for (int iVuelta = 0; iVuelta < 200; ++iVuelta) {
            auto t0 = std::chrono::steady_clock::now();
            ASSERT_TRUE(kit::EsperaMapaQuieto(Juego(), 4000, &m_contados)) << "state " << m->Estado();
            m_fMapa += Desde(t0);
            if (Progreso() >= iFin) return;
            const int iEtapa = Progreso();
            ASSERT_TRUE(Juego().Pulsa("MENUMODOHISTORIA_BUT_Jugar")) << Juego().Widgets();
            // The chain: card or opening scene, play, closing scene, and on
            // to the next stage while the chapter lasts.
            for (int iEnCadena = 0;; ++iEnCadena) {
                t0 = std::chrono::steady_clock::now();
                ASSERT_TRUE(kit::SigueCadena(Juego(), true, 4000)) << "stage " << iEtapa + iEnCadena;
                m_fCadena += Desde(t0);
                if (m->Estado() == M::ESTADO_CREDITOS) {
                    Creditos();
                    if (testing::Test::HasFatalFailure()) return;
                    break;
                }
                if (!m_p.JuegoAbierto() || m->Estado() != M::ESTADO_JUGANDO) break;
                const int e = m->Etapa();
                ASSERT_EQ(e, iEtapa + iEnCadena);
                if (Progreso() >= iFin) return;  // the player stops here
                t0 = std::chrono::steady_clock::now();
                JuegaEtapa(e);
                if (testing::Test::HasFatalFailure()) return;
                std::printf("  stage %d played in %.1f s\n", e, Desde(t0));
                std::fflush(stdout);
                // The map takes the result at its next update.
                Juego().Pasos(2);
                ASSERT_EQ(Progreso(), e + 1) << "stage " << e;
            }
        }
        FAIL() << "the map never reached " << iFin;
    }

    // Ends the program as quitting does and hands its files on.
    void Entrega()
    {
        ASSERT_TRUE(Juego().Reinicia());
        std::error_code e;
        fs::create_directories(Traspaso(), e);
        for (const std::string& s : Juego().FicherosUsuario())
            mgtest::EscriuFitxer(Traspaso() / s, Juego().LeeFicheroUsuario(s));
        std::ofstream f(Traspaso() / kContados, std::ios::trunc);
        for (const std::string& s : m_contados) f << s << '\n';
    }

private:
    bool HastaPantalla(CMenuObj* p, int n = 400)
    {
        for (int i = 0; i < n; ++i) {
            if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
                p->Padre() == g_pMenuMaestro && !p->EnTransicion())
                return true;
            if (Juego().Paso()) return false;
        }
        return false;
    }
    bool HastaAbierta(CMenuObj* pCaja, CMenuObj* pDueno, int n = 120)
    {
        for (int i = 0; i < n; ++i) {
            if (pCaja->Padre() == pDueno && !pCaja->EnTransicion()) return true;
            Juego().Paso();
        }
        return false;
    }
    bool HastaCajaPerfil(int n = 120)
    {
        CMenuPerfil* p = g_pMenuMaestro->m_pMenuPerfil;
        for (int i = 0; i < n; ++i) {
            if (!p->m_bSiguienteListo && p->Mensaje()->Padre() == p && !p->Mensaje()->EnTransicion()) return true;
            Juego().Paso();
        }
        return false;
    }

    // One stage, from its opened play screen to its victory.
    void JuegaEtapa(int iEtapa)
    {
        CMenuJuego* j = m_p.Juego();
        if (M::EmpiezaCapitulo(iEtapa)) {
            // The chapter's tutorial.
            for (int i = 0; i < 200 && j->m_bHintMostrado; ++i)
                if (!m_p.CierraAviso()) Juego().Paso();
            for (int i = 0; i < 120 && j->EnTransicion(); ++i) Juego().Paso();
            ASSERT_TRUE(j->m_pTutoriales && j->m_pTutoriales->Activo()) << "stage " << iEtapa;
            while (j->Resultado() == RESULTADO_EN_JUEGO && j->m_iPasosJugados < kPasosTutorial) m_p.JuegaTutorial();
            ASSERT_EQ(j->Resultado(), RESULTADO_VICTORIA) << "tutorial of stage " << iEtapa << " phase " << j->Fase();
            return;
        }
        for (int i = 0; i < kPasosNivel && j->Resultado() == RESULTADO_EN_JUEGO; ++i) {
            const int iFase = j->Fase();
            if (iFase == FASE_RESUMEN_INICIAL || iFase == FASE_RESUMEN_FINAL) {
                if (!m_p.Continua()) Juego().Paso();
                continue;
            }
            if (m_p.CierraAviso()) continue;
            // The fixed waits of a sealed figure and of the victory run their
            // last few steps only.
            const int iUmbral = iFase == FASE_ESPERA_FIN ? 120 : iFase == FASE_VICTORIA ? CMenuJuego::kPasosFinal : 0;
            if (iUmbral > 0 && j->m_iPasosFase < iUmbral - 3) j->m_iPasosFase = iUmbral - 3;
            Juego().Paso();
        }
        ASSERT_EQ(j->Resultado(), RESULTADO_VICTORIA) << "stage " << iEtapa << " phase " << j->Fase();
    }

    // The credits run until their trophy, then a click closes them.
    void Creditos()
    {
        CMenuCreditos* c = g_pMenuMaestro->m_pMenuCreditos;
        M* m = kit::Mapa();
        for (int i = 0; i < 200 && c->Padre() != m; ++i) Juego().Paso();
        ASSERT_EQ(c->Padre(), m);
        RegistroPerfil* p = PerfilActualJuego();
        int iPasos = 0;
        for (; iPasos < 20000 && !p->EstaDesbloqueado(CMenuCreditos::kTrofeoFinal); ++iPasos) Juego().Paso();
        ASSERT_TRUE(p->EstaDesbloqueado(CMenuCreditos::kTrofeoFinal)) << iPasos << " steps";
        Juego().MueveRaton(512.0f, 384.0f);
        Juego().BotonRaton(true);
        Juego().BotonRaton(false);
    }

public:
    double m_fMapa = 0.0, m_fCadena = 0.0;

private:
    size_t m_iTramo;
    CPartidaPrueba m_p;
    std::vector<std::string> m_contados;
};

void JuegaTramo(size_t iTramo)
{
    const auto t0 = std::chrono::steady_clock::now();
    if (iTramo == 0) {
        std::error_code e;
        fs::remove_all(Traspaso(), e);
    } else {
        ASSERT_TRUE(fs::exists(Traspaso() / "Perfil0.SVG")) << "the segment before left no profile";
    }
    Tramo t(iTramo);
    ASSERT_TRUE(t.Partida().Iniciado());
    t.HastaMapa();
    if (testing::Test::HasFatalFailure()) return;
    const double fInicio = Desde(t0);
    const int iInicio = t.Progreso();
    if (iTramo > 0) {
        EXPECT_EQ(iInicio, kFinTramo[iTramo - 1]);
    }
    t.JuegaHasta(kFinTramo[iTramo]);
    if (testing::Test::HasFatalFailure()) return;
    const auto t1 = std::chrono::steady_clock::now();
    t.Entrega();
    std::printf("segment %zu: stages %d..%d in %.1f s (start %.1f, map %.1f, chains %.1f, hand-over %.1f)\n",
                iTramo + 1, iInicio, kFinTramo[iTramo] - 1, Desde(t0), fInicio, t.m_fMapa, t.m_fCadena, Desde(t1));
}

} // namespace

TEST(HistoriaCompleta, Tramo01) { JuegaTramo(0); }
TEST(HistoriaCompleta, Tramo02) { JuegaTramo(1); }
TEST(HistoriaCompleta, Tramo03) { JuegaTramo(2); }
TEST(HistoriaCompleta, Tramo04) { JuegaTramo(3); }
TEST(HistoriaCompleta, Tramo05) { JuegaTramo(4); }
TEST(HistoriaCompleta, Tramo06) { JuegaTramo(5); }
TEST(HistoriaCompleta, Tramo07) { JuegaTramo(6); }
TEST(HistoriaCompleta, Tramo08) { JuegaTramo(7); }
TEST(HistoriaCompleta, Tramo09) { JuegaTramo(8); }
TEST(HistoriaCompleta, Tramo10) { JuegaTramo(9); }
TEST(HistoriaCompleta, Tramo11) { JuegaTramo(10); }
TEST(HistoriaCompleta, Tramo12) { JuegaTramo(11); }
TEST(HistoriaCompleta, Tramo13) { JuegaTramo(12); }
TEST(HistoriaCompleta, Tramo14) { JuegaTramo(13); }
TEST(HistoriaCompleta, Tramo15) { JuegaTramo(14); }
TEST(HistoriaCompleta, Tramo16) { JuegaTramo(15); }
TEST(HistoriaCompleta, Tramo17) { JuegaTramo(16); }
TEST(HistoriaCompleta, Tramo18) { JuegaTramo(17); }
TEST(HistoriaCompleta, Tramo19) { JuegaTramo(18); }
TEST(HistoriaCompleta, Tramo20) { JuegaTramo(19); }
TEST(HistoriaCompleta, Tramo21) { JuegaTramo(20); }
TEST(HistoriaCompleta, Tramo22) { JuegaTramo(21); }

// The last stage, the credits and the story's end, then the profile as the
// disk holds it.
TEST(HistoriaCompleta, Tramo23)
{
    static_assert(kFinTramo.size() == 23);
    JuegaTramo(22);
    if (HasFatalFailure()) return;
    // The game is gone: the file services are started for the read alone.
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    RegistroPerfil r;
    ASSERT_TRUE(r.Carga((Traspaso() / "Perfil0.SVG").string().c_str(), false));
    r.FijaDificultad(0);
    EXPECT_EQ(r.ProgresoHistoria(0), 53);
    EXPECT_EQ(r.Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA], 9);
    EXPECT_EQ(r.Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA], LINEA_MAXIMA_PRIMERA_ETAPA + 8);
    std::vector<std::string> marcadores;
    auto Serie = [&](const std::string& prefijo, int desde, int hasta, size_t ancho) {
        for (int i = desde; i <= hasta; ++i) {
            std::string n = std::to_string(i);
            if (n.size() < ancho) n.insert(0, ancho - n.size(), '0');
            marcadores.push_back(prefijo + n);
        }
    };
    Serie("Tuto", 1, 12, 2);
    Serie("MCapitulos_", 0, 11, 1);
    Serie("MPerso_", 0, 10, 1);
    Serie("MGaleria_", 0, 44, 1);
    // The first level of each extra mode, at every difficulty.
    for (const char* s : {"m_pBoton_Concentrar_JugarA20_Dif", "m_pBoton_Sellos_Peque1_Dif", "m_pBoton_Ataques_Jugar_Dif"})
        Serie(s, 0, 3, 1);
    Serie("MTrofeo_", 10, 10, 1);
    Serie("MTrofeo_", 33, 38, 1);
    for (const std::string& s : marcadores) EXPECT_TRUE(r.EstaDesbloqueado(s.c_str())) << s;

    // What the map told along the whole story.
    std::map<std::string, int> veces;
    for (const std::string& s : LeeContados()) ++veces[s];
    EXPECT_EQ(veces["MH11"], 11);
    for (const char* s : {"MH12", "MH13", "MH14", "MH15", "MH17"}) EXPECT_EQ(veces[s], 1) << s;
}
