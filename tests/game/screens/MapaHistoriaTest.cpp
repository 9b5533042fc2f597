// The story map over a stand-in play screen that publishes whatever result a
// case asks for: the reveal and the messages of each opening, the chain of
// card, scenes and play of a stage, what a first win records and what a
// replay does not, skips, the extra modes' three points, the story's end,
// defeats and restarts, and the faults of old (a card that cannot be made,
// a stored progress beyond the story, a story end told again on a later
// visit, two tunes at once). Then the chapter card's buttons and the pure
// decisions of the map.
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/Personajes.h"
#include "kit/game/JuegoPrueba.h"
#include "kit/game/MapaPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using M = CMenuModoHistoria;

// A play screen that plays nothing: it takes a level, remembers how it was
// asked, and publishes the result the test sets.
class CJuegoFalso : public CMenuJuego {
public:
    ~CJuegoFalso() override { m_bCreado = false; }
    bool IniciaNivel(const RegistroNivel&, bool bUltima, bool bMensaje) override
    {
        // A stage whose files cannot be read.
        if (m_bFalla) return false;
        if (!EstaIniciado() && !CMenuObj::Inicia(-1, "MenuJuegoFalso", Rectangulo{0, 0, 1024, 768}, -1)) return false;
        m_bCreado = true;
        PonResultado(RESULTADO_EN_JUEGO);
        m_aInicios.push_back({bUltima, bMensaje});
        return true;
    }
    void ReiniciaNivel() override
    {
        ++m_iReinicios;
        PonResultado(RESULTADO_EN_JUEGO);
    }
    void Actualiza() override { CMenuObj::Actualiza(); }
    void Dibuja(CMenuObj* p, Sprite* d) override { CMenuObj::Dibuja(p, d); }
    void CargaRecursos() override { CMenuObj::CargaRecursos(); }
    void DescargaRecursos() override { CMenuObj::DescargaRecursos(); }
    bool TrataBotonRaton(int r, int e, float x, float y) override { return CMenuObj::TrataBotonRaton(r, e, x, y); }
    void QuitaHijo(bool b, CMenuObj* p) override { CMenuObj::QuitaHijo(b, p); }
    void EnviaEvento(int t, int v, const char* s, int i) override { CMenuObj::EnviaEvento(t, v, s, i); }
    void IniciaTransicion(bool b) override { CMenuObj::IniciaTransicion(b); }
    void PonEnfocado(bool b) override { CMenuObj::PonEnfocado(b); }

    struct Inicio {
        bool bUltima, bMensaje;
    };
    std::vector<Inicio> m_aInicios;
    int m_iReinicios = 0;
    bool m_bFalla = false;
};

// A stage's scene (its opening or closing one) named as a file that is not
// there, for as long as it lives.
class EscenaIlegible {
public:
    EscenaIlegible(int iEtapa, bool bInicial)
    {
        int c = 0, p = 0;
        EXPECT_TRUE(CapituloYParte(iEtapa, c, p));
        EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(0, c, p);
        EXPECT_NE(e, nullptr);
        if (!e) return;
        m_psEscena = bInicial ? &e->JAPSECINTRO : &e->JAPSECOUTRO;
        m_sAntes = *m_psEscena;
        EXPECT_FALSE(m_sAntes.empty());
        *m_psEscena = "Data\\Escenas\\NoExiste.JSC";
    }
    ~EscenaIlegible()
    {
        if (m_psEscena) *m_psEscena = m_sAntes;
    }

private:
    std::string* m_psEscena = nullptr;
    std::string m_sAntes;
};

class MapaHistoriaBase : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_juego.Iniciado());
        m_perfiles.m_iPerfilActual = 0;
        RegistraPerfilesJuego(&m_perfiles);
        m_pOriginal = g_pMenuMaestro->m_pMenuJuego;
        g_pMenuMaestro->m_pMenuJuego = &m_falso;
        m_juego.Pasos(5);
    }
    void TearDown() override
    {
        if (g_pMenuMaestro) g_pMenuMaestro->m_pMenuJuego = m_pOriginal;
        RegistraPerfilesJuego(nullptr);
    }

    RegistroPerfil& Perfil() { return m_perfiles.m_aPerfiles[0]; }
    M* Mapa() { return kit::Mapa(); }
    int& Dato(int i) { return Perfil().Bloque().m_aiDatos[i]; }

    // A fresh profile at difficulty 0 with the given progress and picture
    // counter, then the map opened from the main menu and left to settle;
    // the messages it told.
    std::vector<std::string> Abre(int iProgreso, int iContador, bool bDesdeCero = true)
    {
        Sal(true);
        if (bDesdeCero) {
            Perfil().Carga(CPerfiles::RutaRanura(0).c_str(), true);
            Perfil().FijaDificultad(0);
        }
        Dato(BloqueDificultad::PROGRESO_HISTORIA) = iProgreso;
        Dato(BloqueDificultad::CONTADOR_MAPA) = iContador;
        return Vuelve();
    }
    // The map again, without touching the profile.
    std::vector<std::string> Vuelve()
    {
        g_pMenuMaestro->CambiaMenu(Mapa());
        for (int i = 0; i < 200 && g_pMenuMaestro->m_pMenuActual != Mapa(); ++i) m_juego.Paso();
        std::vector<std::string> contados;
        EXPECT_TRUE(kit::EsperaMapaQuieto(m_juego, 1500, &contados)) << "state " << Mapa()->Estado();
        return contados;
    }
    // Leaves the map for the main menu: by its back button (which forgets
    // the pictures seen) or by a change of screen.
    void Sal(bool bVolver)
    {
        if (g_pMenuMaestro->m_pMenuActual != Mapa()) return;
        kit::EsperaMapaQuieto(m_juego, 1500);
        if (bVolver)
            ASSERT_TRUE(m_juego.Pulsa("MENUMODOHISTORIA_BUT_Volver"));
        else
            g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPrincipal);
        for (int i = 0; i < 200 && g_pMenuMaestro->m_pMenuActual == Mapa(); ++i) m_juego.Paso();
        m_juego.Pasos(20);
    }
    // Presses a stage and follows its chain until play starts (or the map
    // settles).
    void Elige(int iEtapa, bool bJugar = true)
    {
        ASSERT_TRUE(m_juego.Pulsa(M::NombreBoton(iEtapa))) << m_juego.Widgets();
        ASSERT_TRUE(kit::SigueCadena(m_juego, bJugar, 1500));
    }
    // Steps until the map reopens into its reveal (a profile screen that
    // stays after a loss is taken away, as the real one leaves by itself).
    bool EsperaRevela()
    {
        for (int i = 0; i < 400; ++i) {
            CMenuObj* perfil = g_pMenuMaestro->m_pMenuPerfil;
            if (perfil->Padre() == Mapa() && !perfil->EnTransicion()) Mapa()->QuitaHijo(true, perfil);
            if (Mapa()->Estado() == M::ESTADO_REVELA && Mapa()->Alfa() > 0) return true;
            m_juego.Paso();
        }
        return false;
    }
    bool Jugando() { return m_falso.Padre() == Mapa() && Mapa()->Estado() == M::ESTADO_JUGANDO; }
    // The stand-in publishes a result; the map takes it and goes on until
    // the next play, the idle map or the credits.
    void Termina(int iResultado)
    {
        m_falso.PonResultado(iResultado);
        m_juego.Pasos(2);
        kit::SigueCadena(m_juego, true, 1500);
    }

    kit::CJuegoPrueba m_juego{"mapa_historia"};
    CPerfiles m_perfiles;
    CJuegoFalso m_falso;
    CMenuJuego* m_pOriginal = nullptr;
};

class MapaHistoria : public MapaHistoriaBase, public ::testing::WithParamInterface<int> {};
using MapaCarta = MapaHistoriaBase;

bool Contiene(const std::vector<std::string>& v, const std::string& s)
{
    return std::find(v.begin(), v.end(), s) != v.end();
}

// Each case on a game of its own.
struct Caso {
    const char* nombre;
    std::function<void(MapaHistoria&)> prueba;
};
std::vector<Caso> Casos();

TEST_P(MapaHistoria, TheStoryMovesOnlyAsThePartSays)
{
    const std::vector<Caso> casos = Casos();
    const Caso& c = casos[static_cast<size_t>(GetParam())];
    SCOPED_TRACE(c.nombre);
    c.prueba(*this);
}

INSTANTIATE_TEST_SUITE_P(Casos, MapaHistoria, ::testing::Range(0, static_cast<int>(Casos().size())));

std::vector<Caso> Casos()
{
    return {
        {"a new profile is welcomed and starts with chapter 0's card",
         [](MapaHistoria& t) {
             const auto contados = t.Abre(0, 0);
             ASSERT_FALSE(contados.empty());
             EXPECT_EQ(contados.front(), "MH20");
             ASSERT_TRUE(t.m_juego.Pulsa("MENUMODOHISTORIA_BUT_Jugar"));
             t.m_juego.Pasos(30);
             EXPECT_EQ(t.Mapa()->Estado(), M::ESTADO_PRESENTACION);
             EXPECT_EQ(g_pMenuMaestro->m_pMenuPresentacionCapitulo->Capitulo(), 0);
             ASSERT_TRUE(kit::SigueCadena(t.m_juego, true, 600));
             EXPECT_TRUE(t.Jugando());
             t.Termina(RESULTADO_ABANDONO);
         }},
        {"the first win of (0, 0) reveals pictures 6 and 7, and the next stage follows at once",
         [](MapaHistoria& t) {
             t.Abre(0, 0);
             t.Elige(0);
             ASSERT_TRUE(t.Jugando());
             t.Termina(RESULTADO_VICTORIA);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 1);
             EXPECT_EQ(t.Dato(BloqueDificultad::CONTADOR_MAPA), 2);
             // The closing scene, then stage 1's play with no opening scene.
             EXPECT_TRUE(t.Jugando());
             EXPECT_EQ(t.Mapa()->Etapa(), 1);
             EXPECT_EQ(t.m_falso.m_aInicios.size(), 2u);
             t.Termina(RESULTADO_ABANDONO);
             // The map reopens, flashing the two new pictures.
             ASSERT_TRUE(t.EsperaRevela());
             EXPECT_GT(t.Mapa()->Destello(6), 1.0f);
             EXPECT_GT(t.Mapa()->Destello(7), 1.0f);
             EXPECT_LT(t.Mapa()->Destello(0), 0.2f);
         }},
        {"a replay of (0, 0) changes nothing",
         [](MapaHistoria& t) {
             t.Abre(1, 2);
             t.Elige(0);
             t.Termina(RESULTADO_VICTORIA);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 1);
             EXPECT_EQ(t.Dato(BloqueDificultad::CONTADOR_MAPA), 2);
             t.Termina(RESULTADO_ABANDONO);
         }},
        {"(0, 2) raises the line maximum only while it is the next stage",
         [](MapaHistoria& t) {
             t.Abre(2, 2);
             const int iLinea = t.Dato(BloqueDificultad::LINEA_MAXIMA);
             t.m_falso.m_aInicios.clear();
             t.Elige(2);
             ASSERT_FALSE(t.m_falso.m_aInicios.empty());
             EXPECT_TRUE(t.m_falso.m_aInicios.back().bMensaje);
             EXPECT_TRUE(t.m_falso.m_aInicios.back().bUltima);
             t.Termina(RESULTADO_VICTORIA);
             EXPECT_EQ(t.Dato(BloqueDificultad::LINEA_MAXIMA), iLinea + 1);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 3);
             // The chapter's end: back to the map, which tells it.
             std::vector<std::string> contados;
             kit::EsperaMapaQuieto(t.m_juego, 1500, &contados);
             EXPECT_TRUE(Contiene(contados, "MH11"));
             t.m_falso.m_aInicios.clear();
             t.Elige(2);
             ASSERT_FALSE(t.m_falso.m_aInicios.empty());
             EXPECT_FALSE(t.m_falso.m_aInicios.back().bMensaje);
             t.Termina(RESULTADO_VICTORIA);
             EXPECT_EQ(t.Dato(BloqueDificultad::LINEA_MAXIMA), iLinea + 1);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 3);
             kit::EsperaMapaQuieto(t.m_juego, 1500);
         }},
        {"skipping a chapter's first stage advances only when it is the next, never the counter or the lines",
         [](MapaHistoria& t) {
             t.Abre(3, 4);
             t.Perfil().MarcaDesbloqueado("Tuto02");
             const int iLinea = t.Dato(BloqueDificultad::LINEA_MAXIMA);
             t.Elige(3, false);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 4);
             EXPECT_EQ(t.Dato(BloqueDificultad::CONTADOR_MAPA), 4);
             EXPECT_EQ(t.Dato(BloqueDificultad::LINEA_MAXIMA), iLinea);
             // Stage 4's opening scene, then its play.
             EXPECT_TRUE(t.Jugando());
             EXPECT_EQ(t.Mapa()->Etapa(), 4);
             t.Termina(RESULTADO_ABANDONO);
             kit::EsperaMapaQuieto(t.m_juego, 1500);
             t.Dato(BloqueDificultad::PROGRESO_HISTORIA) = 10;
             t.Elige(3, false);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 10);
             t.Termina(RESULTADO_ABANDONO);
         }},
        {"a stage beyond the progress only tells MH10",
         [](MapaHistoria& t) {
             t.Abre(5, 4);
             ASSERT_TRUE(t.m_juego.Pulsa(M::NombreBoton(9)));
             ASSERT_TRUE(kit::SigueCadena(t.m_juego, true, 200));
             std::vector<std::string> contados;
             kit::EsperaMapaQuieto(t.m_juego, 600, &contados);
             EXPECT_EQ(contados, std::vector<std::string>{"MH10"});
             EXPECT_TRUE(t.m_falso.Padre() != t.Mapa());
         }},
        {"progress 27, 40 and 48 open the extra modes, each told once",
         [](MapaHistoria& t) {
             auto c = t.Abre(27, 6);
             EXPECT_TRUE(Contiene(c, "MH13"));
             EXPECT_FALSE(Contiene(c, "MH14"));
             for (int d = 0; d < 4; ++d)
                 EXPECT_TRUE(t.Perfil().EstaDesbloqueado(("m_pBoton_Concentrar_JugarA20_Dif" + std::to_string(d)).c_str()));
             t.Sal(true);
             t.Dato(BloqueDificultad::PROGRESO_HISTORIA) = 40;
             c = t.Vuelve();
             EXPECT_FALSE(Contiene(c, "MH13"));
             EXPECT_TRUE(Contiene(c, "MH14"));
             EXPECT_TRUE(t.Perfil().EstaDesbloqueado("m_pBoton_Sellos_Peque1_Dif3"));
             t.Sal(true);
             t.Dato(BloqueDificultad::PROGRESO_HISTORIA) = 48;
             c = t.Vuelve();
             EXPECT_TRUE(Contiene(c, "MH15"));
             EXPECT_TRUE(t.Perfil().EstaDesbloqueado("m_pBoton_Ataques_Jugar_Dif2"));
             t.Sal(true);
             c = t.Vuelve();
             EXPECT_FALSE(Contiene(c, "MH15"));
         }},
        {"the last stage's win runs the credits, then MH12 is told once",
         [](MapaHistoria& t) {
             t.Abre(52, 9);
             t.Elige(52);
             ASSERT_TRUE(t.Jugando());
             t.Termina(RESULTADO_VICTORIA);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 53);
             ASSERT_EQ(t.Mapa()->Estado(), M::ESTADO_CREDITOS);
             for (int i = 0; i < 120 && g_pMenuMaestro->m_pMenuCreditos->Padre() != t.Mapa(); ++i) t.m_juego.Paso();
             ASSERT_EQ(g_pMenuMaestro->m_pMenuCreditos->Padre(), t.Mapa());
             t.m_juego.Pasos(20);
             t.m_juego.BotonRaton(true);
             t.m_juego.BotonRaton(false);
             std::vector<std::string> contados;
             kit::EsperaMapaQuieto(t.m_juego, 1500, &contados);
             EXPECT_EQ(std::count(contados.begin(), contados.end(), "MH12"), 1);
             t.Sal(false);
             contados = t.Vuelve();
             EXPECT_FALSE(Contiene(contados, "MH12"));
         }},
        {"play at 53 shows the credits again; a stored progress beyond 53 reads as 53; no MH12 without a win",
         [](MapaHistoria& t) {
             const auto contados = t.Abre(69, 9);
             EXPECT_FALSE(Contiene(contados, "MH12"));
             CBotonTazmo* b = static_cast<CBotonTazmo*>(t.m_juego.Busca("MENUMODOHISTORIA_BUT_Jugar"));
             ASSERT_NE(b, nullptr);
             EXPECT_EQ(b->CodigoMostrado(), CodigoFLI("MH03"));
             ASSERT_TRUE(t.m_juego.Pulsa("MENUMODOHISTORIA_BUT_Jugar"));
             for (int i = 0; i < 120 && g_pMenuMaestro->m_pMenuCreditos->Padre() != t.Mapa(); ++i) t.m_juego.Paso();
             ASSERT_EQ(g_pMenuMaestro->m_pMenuCreditos->Padre(), t.Mapa());
             t.m_juego.Pasos(20);
             EXPECT_EQ(t.Mapa()->Estado(), M::ESTADO_INACTIVO);
             t.m_juego.BotonRaton(true);
             t.m_juego.BotonRaton(false);
             kit::EsperaMapaQuieto(t.m_juego, 1500);
         }},
        {"a rise of the counter past 4 reveals picture 0 with a faint flash only; coming back by the menu flashes nothing",
         [](MapaHistoria& t) {
             t.Abre(20, 4);
             t.Sal(false);
             t.Dato(BloqueDificultad::CONTADOR_MAPA) = 6;
             g_pMenuMaestro->CambiaMenu(t.Mapa());
             for (int i = 0; i < 200 && t.Mapa()->Estado() != M::ESTADO_REVELA; ++i) t.m_juego.Paso();
             EXPECT_GT(t.Mapa()->Destello(1), 1.0f);
             EXPECT_LT(t.Mapa()->Destello(0), 0.2f);
             kit::EsperaMapaQuieto(t.m_juego, 1500);
             t.Sal(true);
             t.Vuelve();
             g_pMenuMaestro->CambiaMenu(t.Mapa());
             for (int k = 0; k < M::kNumRetratos; ++k) EXPECT_LE(t.Mapa()->Destello(k), 0.1f) << k;
         }},
        {"a card that cannot be made starts play as if play were pressed",
         [](MapaHistoria& t) {
             t.Abre(7, 5);
             CMenuPresentacionCapitulo* pCarta = g_pMenuMaestro->m_pMenuPresentacionCapitulo;
             g_pMenuMaestro->m_pMenuPresentacionCapitulo = nullptr;
             t.m_falso.m_aInicios.clear();
             t.Elige(7);
             g_pMenuMaestro->m_pMenuPresentacionCapitulo = pCarta;
             EXPECT_TRUE(t.Jugando());
             EXPECT_EQ(t.m_falso.m_aInicios.size(), 1u);
             t.Termina(RESULTADO_ABANDONO);
         }},
        {"the map's own tune replaces the menus' channel",
         [](MapaHistoria& t) {
             t.Sal(true);
             g_pGestorSonido->TocaRanuraMusica(juego::musica::RAN_MENUS, "CANAL_MUSICA_ODL", -1);
             t.m_juego.Pasos(5);
             ASSERT_EQ(t.m_juego.MusicaCanal("CANAL_MUSICA_ODL"), juego::musica::RAN_MENUS);
             t.Vuelve();
             t.m_juego.Pasos(40);
             EXPECT_EQ(t.m_juego.MusicaCanal("CANAL_MUSICA_ODL"), "");
             EXPECT_EQ(t.m_juego.Musica(), juego::musica::MUSICA_MENUS);
         }},
        {"a stage that cannot be read tells MH30 and leaves the map and the progress as they were",
         [](MapaHistoria& t) {
             t.Abre(5, 4);
             t.m_falso.m_bFalla = true;
             testing::internal::CaptureStderr();
             t.Elige(5);
             std::vector<std::string> contados;
             EXPECT_TRUE(kit::EsperaMapaQuieto(t.m_juego, 1500, &contados));
             const std::string err = testing::internal::GetCapturedStderr();
             t.m_falso.m_bFalla = false;
             EXPECT_TRUE(Contiene(contados, "MH30"));
             EXPECT_NE(err.find("could not be started"), std::string::npos) << err;
             EXPECT_FALSE(t.Jugando());
             EXPECT_EQ(t.Mapa()->Estado(), M::ESTADO_INACTIVO);
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 5);
             // The map answers again.
             t.Elige(5);
             EXPECT_TRUE(t.Jugando());
             t.Termina(RESULTADO_ABANDONO);
         }},
        {"an opening scene that cannot be read tells MH31 and plays nothing",
         [](MapaHistoria& t) {
             t.Abre(2, 2);
             t.m_falso.m_aInicios.clear();
             std::vector<std::string> contados;
             {
                 EscenaIlegible escena(1, true);
                 testing::internal::CaptureStderr();
                 t.Elige(1);
                 EXPECT_TRUE(kit::EsperaMapaQuieto(t.m_juego, 1500, &contados));
                 const std::string err = testing::internal::GetCapturedStderr();
                 EXPECT_NE(err.find("NoExiste.JSC cannot be read"), std::string::npos) << err;
             }
             EXPECT_EQ(contados, std::vector<std::string>{"MH31"});
             EXPECT_TRUE(t.m_falso.m_aInicios.empty());
             EXPECT_NE(g_pMenuMaestro->m_pMenuJapSecuencia->Padre(), t.Mapa());
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 2);
         }},
        {"a closing scene that cannot be read keeps the win, tells MH31 and goes back to the map",
         [](MapaHistoria& t) {
             t.Abre(1, 2);
             t.m_falso.m_aInicios.clear();
             std::vector<std::string> contados;
             {
                 EscenaIlegible escena(1, false);
                 t.Elige(1);
                 ASSERT_TRUE(t.Jugando());
                 testing::internal::CaptureStderr();
                 t.m_falso.PonResultado(RESULTADO_VICTORIA);
                 EXPECT_TRUE(kit::EsperaMapaQuieto(t.m_juego, 1500, &contados));
                 testing::internal::GetCapturedStderr();
             }
             EXPECT_TRUE(Contiene(contados, "MH31"));
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 2);
             EXPECT_EQ(t.m_falso.m_aInicios.size(), 1u) << "the next stage is not started";
             EXPECT_FALSE(t.Jugando());
         }},
        {"a defeat saves quietly and returns to the idle map; a restart plays the same level again",
         [](MapaHistoria& t) {
             t.Abre(5, 4);
             std::filesystem::remove(CPerfiles::RutaRanura(0));
             t.Elige(5);
             ASSERT_TRUE(t.Jugando());
             const int iReinicios = t.m_falso.m_iReinicios;
             t.m_falso.PonResultado(RESULTADO_REINICIO);
             t.m_juego.Pasos(40);
             EXPECT_EQ(t.m_falso.m_iReinicios, iReinicios + 1);
             EXPECT_TRUE(t.Jugando());
             t.m_falso.PonResultado(RESULTADO_DERROTA);
             // The quiet save may already have come and gone: the map is
             // idle again once it has.
             EXPECT_TRUE(kit::EsperaMapaQuieto(t.m_juego, 1500));
             // The quiet save wrote the slot (the profile screen has ended
             // its visit by now, so its mode says nothing any more).
             EXPECT_TRUE(std::filesystem::exists(CPerfiles::RutaRanura(0)));
             EXPECT_EQ(t.Perfil().ProgresoHistoria(0), 5);
         }},
    };
}

// The card: no button for its first 120 steps; then play alone the first
// time a chapter is introduced (its marker is unlocked then), play and skip
// every time after.
TEST_F(MapaCarta, TheCardShowsItsButtonsAfterFourSeconds)
{
    Abre(3, 4);
    ASSERT_FALSE(Perfil().EstaDesbloqueado("Tuto02"));
    CMenuPresentacionCapitulo* carta = g_pMenuMaestro->m_pMenuPresentacionCapitulo;
    for (int vez = 0; vez < 2; ++vez) {
        ASSERT_TRUE(m_juego.Pulsa(M::NombreBoton(3)));

        for (int i = 0; i < 100 && carta->Padre() != Mapa(); ++i) m_juego.Paso();
        ASSERT_EQ(carta->Padre(), Mapa()) << "state " << Mapa()->Estado() << " stage " << Mapa()->Etapa()
                                          << " progress " << Perfil().ProgresoHistoria(0);
        while (carta->PasosDesdeApertura() < CMenuPresentacionCapitulo::kPasosBotones - 1) {
            EXPECT_NE(carta->BotonJugar()->Padre(), carta) << carta->PasosDesdeApertura();
            m_juego.Paso();
        }
        m_juego.Paso();
        EXPECT_EQ(carta->BotonJugar()->Padre(), carta);
        EXPECT_EQ(carta->BotonSaltar()->Padre() == carta, vez == 1);
        EXPECT_TRUE(Perfil().EstaDesbloqueado("Tuto02"));
        ASSERT_TRUE(kit::SigueCadena(m_juego, true, 600));
        EXPECT_TRUE(Jugando());
        Termina(RESULTADO_ABANDONO);
        kit::EsperaMapaQuieto(m_juego, 1500);
    }
    // A chapter outside the story makes no card.
    EXPECT_FALSE(carta->Crea(12));
    EXPECT_FALSE(carta->Crea(-1));
}

// The pure decisions over every stage.
TEST(MapaHistoriaDecisiones, LastOfChapterAndLineRiseForEveryStage)
{
    const std::vector<int> ultimas = {2, 6, 11, 13, 19, 25, 28, 35, 38, 43, 48, 52, 53};
    const std::vector<int> lineas = {2, 8, 15, 22, 28, 37, 40, 46};
    for (int e = 0; e <= M::kNumEtapas; ++e) {
        const bool bUltima = std::find(ultimas.begin(), ultimas.end(), e) != ultimas.end();
        EXPECT_EQ(M::EsUltimaDeCapitulo(e), bUltima) << e;
        const bool bLinea = std::find(lineas.begin(), lineas.end(), e) != lineas.end();
        EXPECT_EQ(M::SubeLineaMaximaEn(e, e), bLinea) << e;
        EXPECT_FALSE(M::SubeLineaMaximaEn(e, e + 1)) << e;
    }
    // The counter rises by 9 over the story, revealing each picture once.
    int iTotal = 0;
    for (int e = 0; e < M::kNumEtapas; ++e) iTotal += M::SubidaContadorEtapa(e);
    EXPECT_EQ(iTotal, 9);
    std::vector<int> orden;
    for (int k = 0; k < 9; ++k) orden.push_back(M::RetratoRevelado(k));
    EXPECT_EQ(orden, (std::vector<int>{6, 7, 2, 5, 0, 1, 4, 3, 8}));
    EXPECT_EQ(M::AcotaProgreso(69), 53);
    EXPECT_EQ(M::AcotaProgreso(-3), 0);
    // Each picture names the character the registry gives that picture.
    for (int k = 0; k < M::kNumRetratos; ++k) {
        const Personaje* p = BuscaPersonaje(M::RetratosMapa[static_cast<size_t>(k)].szPersonaje);
        ASSERT_NE(p, nullptr) << k;
        EXPECT_EQ(p->m_iRetratoMapa, k) << k;
        // Its whole figure, drawn with the registry's anchor and cut.
        EXPECT_STREQ(p->m_pszFigura, M::RetratosMapa[static_cast<size_t>(k)].szPaquete) << k;
    }
}

} // namespace

// The map's small message box (its legend, the messages of the extra modes'
// unlocks and of the chest) draws a frame of one size, whatever the text: a
// text that wraps to more lines than the frame holds runs over its top and
// pushes the accept button onto its bottom edge. Six lines keep the text under
// the frame's top corners and the button above its bottom ones, in every
// language.
TEST(MapaHistoriaTextos, EveryTextOfTheSmallBoxFitsItsFrameInEveryLanguage)
{
    kit::CJuegoPrueba juego("mapa_textos");
    ASSERT_TRUE(juego.Iniciado());
    const CFont* f = g_pSistema2D ? g_pSistema2D->GetFont(CMsgBoxTazmo::kFuente) : nullptr;
    ASSERT_TRUE(f && f->EstaCargada());
    std::vector<const char*> codigos = {juego::texto::MH21, juego::texto::MH10};
    for (const char* c : M::MensajesLogrosHistoria) codigos.push_back(c);
    const int iIdiomaAntes = g_GestorFLIs.IdiomaActual();
    for (const int idioma : {0, 1, 2}) {
        g_GestorFLIs.SeleccionaIdioma(idioma);
        for (const char* c : codigos) {
            const std::string sTexto = g_GestorFLIs.GetTexto(CodigoFLI(c), -1);
            std::string sAjustado;
            f->AjustaTexto(sAjustado, sTexto.c_str(), CMsgBoxTazmo::kAnchoTextoPequeno);
            const float fLineas = f->CalculaAlto(sAjustado.c_str()) / f->AltoLinea();
            EXPECT_LE(fLineas, 6.01f) << "language " << idioma << ", " << c << ": " << sAjustado;
        }
    }
    g_GestorFLIs.SeleccionaIdioma(iIdiomaAntes);
}
