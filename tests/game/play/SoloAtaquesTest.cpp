// The attacks play screen: its energy, coin and wave rules, and as a player
// meets it from the extra-modes menu: the countdown and the waves, the
// fiftieth wave's victory (kept when the energy runs out during its
// banner), the endless level's generated waves and its defeat with the
// score kept, and the wave editor behind its developer switch.
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/Maldicion.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaMonedas.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "kit/Entrada.h"
#include "kit/game/ModosPrueba.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using A = CMenuJuegoSoloAtaques;
using M = CMenuParametrosModosExtra;

// The menu manager's count of screen changes asked for.
extern int g_iCambiosMenu;

TEST(SoloAtaques, EnergyCoinAndScheduleRules)
{
    const struct {
        int energia;
        float x, y;
        bool persecucion;
        int esperada;
    } casos[] = {
        {2500, 512.0f, 384.0f, false, 2501},   // at the centre, one a step
        {4999, 512.0f, 384.0f, false, 5000},
        {5000, 512.0f, 384.0f, false, 5000},   // never above the top
        {0, 512.0f, 384.0f, false, 0},         // nothing left grows nothing
        {2500, 887.0f, 384.0f, false, 2501},   // 375 points is still near
        {2500, 912.0f, 384.0f, false, 2490},   // 400 points away, 10 a step
        {2500, 912.0f, 384.0f, true, 2490},    // far counts before the chase
        {2500, 512.0f, 384.0f, true, 2497},    // chased, 3 a step
        {5, 912.0f, 384.0f, false, 0},         // never below 0
    };
    for (const auto& c : casos)
        EXPECT_EQ(A::PasoEnergia(c.energia, c.x, c.y, c.persecucion), c.esperada)
            << c.energia << " at " << c.x << "," << c.y << (c.persecucion ? " chased" : "");

    EXPECT_EQ(A::PuntosMoneda(0, 3), 30);
    EXPECT_EQ(A::PuntosMoneda(1, 3), 15);
    EXPECT_EQ(A::PuntosMoneda(2, 3), 3);
    EXPECT_EQ(A::PuntosMoneda(7, 3), 0);
    EXPECT_EQ(A::TipoMonedaPorBrillo(0.0f), 2);
    EXPECT_EQ(A::TipoMonedaPorBrillo(0.4f), 1);
    EXPECT_EQ(A::TipoMonedaPorBrillo(0.8f), 0);
    // Coins every sixteenth of the wave.
    EXPECT_TRUE(A::TocaMoneda(0, 330));
    EXPECT_TRUE(A::TocaMoneda(20, 330));
    EXPECT_FALSE(A::TocaMoneda(21, 330));
    EXPECT_TRUE(A::TocaMoneda(1, 16));
    for (int d = 0; d < 4; ++d) EXPECT_EQ(A::CaminosActivos(d), d + 1) << d;
}

namespace {

constexpr int kBotonJugar = 13, kBotonSinFin = 14;

// The level table's attacks entry of a difficulty, with short waves.
EntradaNivel* Entrada(int d, int parte, int iFinal = 32, int iInicial = 48)
{
    EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(d, 14, parte);
    if (!e) return nullptr;
    e->m_Registro.TIEMPOFINALENTREOLEADAS_SOLOATAQUES = iFinal;
    e->m_Registro.TIEMPOINICIALENTREOLEADAS_SOLOATAQUES = iInicial;
    return e;
}

// Starts a level of the attacks menu and closes its start summary.
A* Empieza(kit::CModosPrueba& m, int iBoton)
{
    m.DesbloqueaNivel(iBoton);
    if (!m.AbreMenu(M::MODO_ATAQUES)) return nullptr;
    if (!m.EmpiezaNivel(iBoton)) return nullptr;
    auto* j = dynamic_cast<A*>(m.Juego());
    if (!j || !m.Continua() || !m.EsperaFase(FASE_DIAMANTES, 60)) return nullptr;
    return j;
}

// The steps until the first wave starts, the pointer at the centre.
bool EsperaPrimeraOleada(kit::CModosPrueba& m, A* j)
{
    m.JuegoPrueba().MueveRaton(512.0f, 384.0f);
    for (int i = 0; i < 200 && j->EstadoOleadas() != A::OLEADAS_EN_CURSO; ++i) m.JuegoPrueba().Paso();
    return j->EstadoOleadas() == A::OLEADAS_EN_CURSO;
}

// The coins one drop of the schedule makes.
int MonedasDeUnaTirada(kit::CModosPrueba& m, A* j)
{
    for (int i = 0; i < 40; ++i) {
        const int n = j->Monedas()->NumMonedas();
        m.JuegoPrueba().Paso();
        if (j->Monedas()->NumMonedas() != n) return j->Monedas()->NumMonedas() - n;
    }
    return 0;
}

void CoinAt(A* j, int iTipo) { j->EnviaEvento(EVENTO_MONEDA_RECOGIDA, iTipo, nullptr, -1); }

} // namespace

// The countdown, the energy at the centre and far from it, the multiplier's
// combo, a kind 11 curse, the coin path of difficulty 0; then the fiftieth
// wave's victory, kept though the energy runs out during the banner, and
// one way back to the menu with the score kept.
TEST(SoloAtaques, TheStoredWavesPlayToVictory)
{
    kit::CModosPrueba m("ataques");
    ASSERT_TRUE(m.Iniciado());
    ASSERT_NE(Entrada(0, 0), nullptr);
    A* j = Empieza(m, kBotonJugar);
    ASSERT_NE(j, nullptr) << m.JuegoPrueba().Widgets();
    EXPECT_EQ(j->NivelModo().m_iNivelModoExtra, A::NIVEL_JUGAR);
    EXPECT_EQ(j->EstadoOleadas(), A::OLEADAS_CUENTA_ATRAS);
    EXPECT_EQ(j->Energia(), A::kEnergiaInicial);
    ASSERT_TRUE(EsperaPrimeraOleada(m, j));
    EXPECT_EQ(j->NumeroOleada(), 1);
    EXPECT_EQ(j->DuracionOleadaActual(), 32);
    EXPECT_EQ(j->Hud().Texto(7), "1");
    EXPECT_GT(j->Energia(), A::kEnergiaInicial);

    // Far from the centre the energy falls by 10 a step.
    m.JuegoPrueba().MueveRaton(912.0f, 384.0f);
    m.JuegoPrueba().Paso();
    int e = j->Energia();
    m.JuegoPrueba().Pasos(3);
    EXPECT_EQ(j->Energia(), e - 30);
    m.JuegoPrueba().MueveRaton(512.0f, 384.0f);
    m.JuegoPrueba().Paso();
    e = j->Energia();
    m.JuegoPrueba().Pasos(3);
    EXPECT_EQ(j->Energia(), e + 3);

    // One coin path drops coins at difficulty 0.
    EXPECT_EQ(MonedasDeUnaTirada(m, j), 1);

    // Two coins 30 steps apart make the multiplier 2; 61 apart keep it.
    CoinAt(j, 2);
    m.JuegoPrueba().Pasos(30);
    CoinAt(j, 2);
    EXPECT_EQ(j->Multiplicador(), 2);
    EXPECT_EQ(j->MultiplicadorMaximo(), 2);
    for (int i = 0; i < 120 && j->Multiplicador() > 1; ++i) m.JuegoPrueba().Paso();
    EXPECT_EQ(j->Multiplicador(), 1);
    CoinAt(j, 0);
    m.JuegoPrueba().Pasos(61);
    CoinAt(j, 1);
    EXPECT_EQ(j->Multiplicador(), 1);
    EXPECT_EQ(j->MonedasCogidas(), 4);
    // Points at the multiplier before the coin raises it.
    EXPECT_EQ(j->PuntuacionModo(), 1 + 1 + 10 + 5);

    // A curse of kind 11 takes 1500.
    j->PonEnergia(4000);
    CMaldicion maldicion;
    maldicion.m_iTipo = 11;
    j->EnviaEvento(EVENTO_MALDICION_TOCADA, 0, reinterpret_cast<const char*>(&maldicion), -1);
    EXPECT_EQ(j->Energia(), 2500);
    EXPECT_EQ(j->MaldicionesTocadas(), 1);
    // It starts the chase: 3 a step at the centre, and no wave runs on.
    const int iReloj = j->RelojOleada();
    m.JuegoPrueba().Pasos(3);
    EXPECT_EQ(j->Energia(), 2500 - 9);
    EXPECT_EQ(j->RelojOleada(), iReloj);
    j->m_pEstadosCursor->LimpiaEstados();

    // The fiftieth wave run out wins; the energy drained during the banner
    // keeps the victory.
    j->PonNumeroOleada(49);
    j->IniciaOleada(49);
    EXPECT_EQ(j->NumeroOleada(), 50);
    for (int i = 0; i < 40 && j->Fase() == FASE_DIAMANTES; ++i) m.JuegoPrueba().Paso();
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);
    j->PonEnergia(0);
    m.JuegoPrueba().Pasos(3);
    EXPECT_EQ(j->Fase(), FASE_VICTORIA);
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400));
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_VICTORIA);
    const int iPuntos = j->PuntuacionModo();
    EXPECT_EQ(m.Perfil().Puntuacion(0, TABLA_ATAQUES, 0), iPuntos);
    const int iCambios = g_iCambiosMenu;
    ASSERT_TRUE(m.Continua());
    for (int k = 0; k < 120 && m.JuegoAbierto(); ++k) m.JuegoPrueba().Paso();
    m.JuegoPrueba().Pasos(5);
    EXPECT_FALSE(m.JuegoAbierto());
    EXPECT_EQ(g_iCambiosMenu, iCambios + 1);
}

// The endless level goes on past the fiftieth wave with generated waves of
// the next duration, drops coins on all four paths at difficulty 3, and
// ends at energy 0 with the curses fading and the score kept.
TEST(SoloAtaques, TheEndlessLevelGoesOnUntilTheEnergyRunsOut)
{
    kit::CModosPrueba m("ataquessinfin", 3);
    ASSERT_TRUE(m.Iniciado());
    ASSERT_NE(Entrada(3, 1), nullptr);
    A* j = Empieza(m, kBotonSinFin);
    ASSERT_NE(j, nullptr) << m.JuegoPrueba().Widgets();
    EXPECT_EQ(j->NivelModo().MAXNIVEL_SOLOATAQUES, -1);
    ASSERT_TRUE(EsperaPrimeraOleada(m, j));
    EXPECT_EQ(MonedasDeUnaTirada(m, j), 4);

    j->PonNumeroOleada(49);
    j->IniciaOleada(49);
    for (int i = 0; i < 40 && j->NumeroOleada() == 50; ++i) m.JuegoPrueba().Paso();
    EXPECT_EQ(j->NumeroOleada(), 51);
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_EQ(j->DuracionOleadaActual(), 48);
    ASSERT_NE(j->OleadaActual(), nullptr);
    EXPECT_FALSE(j->OleadaActual()->empty());
    m.JuegoPrueba().Pasos(20);
    EXPECT_GT(j->AtaquesLanzados(), 0);
    CoinAt(j, 0);
    EXPECT_EQ(j->PuntuacionModo(), 10);

    // Out of energy: the level is lost and the waves end.
    j->PonEnergia(20);
    m.JuegoPrueba().MueveRaton(1000.0f, 384.0f);
    m.JuegoPrueba().Pasos(2);
    EXPECT_EQ(j->Energia(), 0);
    EXPECT_EQ(j->Fase(), FASE_DERROTA);
    EXPECT_EQ(j->EstadoOleadas(), A::OLEADAS_TERMINADAS);
    const int n = j->NumeroOleada();
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400));
    EXPECT_EQ(j->NumeroOleada(), n);
    EXPECT_EQ(j->ResultadoGuardado(), RESULTADO_DERROTA);
    EXPECT_EQ(m.Perfil().Puntuacion(3, TABLA_ATAQUES_SIN_FIN, 0), j->PuntuacionModo());
}

// A player who keeps near the centre and away from the curses lives through
// the first five stored waves of the fifty-wave level at the first
// difficulty, with the level's own times between waves.
TEST(SoloAtaques, ADodgingPlayerSurvivesTheFirstFiveWaves)
{
    kit::CModosPrueba m("esquiva", 0);
    ASSERT_TRUE(m.Iniciado());
    A* j = Empieza(m, kBotonJugar);
    ASSERT_NE(j, nullptr) << m.JuegoPrueba().Widgets();
    ASSERT_NE(j->m_pAtaques, nullptr);
    // Places within the safe ring: the centre and rings of 16.
    std::vector<std::pair<float, float>> sitios = {{512.0f, 384.0f}};
    for (float r : {90.0f, 180.0f, 270.0f, 340.0f})
        for (int k = 0; k < 16; ++k) {
            const float a = static_cast<float>(k) * 3.14159265f / 8.0f;
            sitios.emplace_back(512.0f + r * std::cos(a), 384.0f + r * std::sin(a));
        }
    // The nearest curse's distance from a place (squared).
    auto holgura = [&](float x, float y) {
        float d2 = 1e12f;
        for (NodoLista* p = j->m_pAtaques->Maldiciones().m_pCabeza; p; p = p->m_pSiguiente) {
            const auto* c = static_cast<const CMaldicion*>(p->m_pItem);
            if (c->m_iEstado == MALDICION_MUERTA) continue;
            d2 = std::min(d2, (c->m_fX - x) * (c->m_fX - x) + (c->m_fY - y) * (c->m_fY - y));
        }
        return d2;
    };
    std::pair<float, float> aqui = sitios[0];
    m.JuegoPrueba().MueveRaton(aqui.first, aqui.second);
    int iPasos = 0;
    for (; iPasos < 6000 && j->NumeroOleada() <= 5 && j->Fase() == FASE_DIAMANTES; ++iPasos) {
        // Stay while the curses keep well away; else go to the clearest place.
        if (holgura(aqui.first, aqui.second) < 160.0f * 160.0f) {
            aqui = *std::max_element(sitios.begin(), sitios.end(), [&](const auto& a, const auto& b) {
                return holgura(a.first, a.second) < holgura(b.first, b.second);
            });
            m.JuegoPrueba().MueveRaton(aqui.first, aqui.second);
        }
        m.JuegoPrueba().Paso();
    }
    EXPECT_EQ(j->NumeroOleada(), 6) << "after " << iPasos << " steps";
    EXPECT_EQ(j->Fase(), FASE_DIAMANTES);
    EXPECT_GT(j->Energia(), 0);
    EXPECT_GT(j->AtaquesLanzados(), 0);
    std::printf("dodging: %d steps, energy %d, curses touched %d of %d\n", iPasos, j->Energia(),
                j->MaldicionesTocadas(), j->AtaquesLanzados());
}

// ---------------------------------------------------------------------------
// The wave editor

namespace {

// Every wave's attacks, for comparing wave sets.
std::string Firma(const OleadasGuardadas& o, bool bInvertida = false)
{
    std::ostringstream s;
    for (size_t n = 0; n < o.size(); ++n) {
        Oleada w = o[n];
        if (bInvertida) std::reverse(w.begin(), w.end());
        s << n << ":";
        for (const AtaqueOleada& a : w) s << a.m_iTipo << "/" << a.m_iDesfase << "/" << a.m_fX << "/" << a.m_fY << "/" << a.m_fAngulo << " ";
        s << "\n";
    }
    return s.str();
}

std::string Bytes(const std::filesystem::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The shipped data, the wave files among it: its packed files' sizes and
// times.
std::string Enviado()
{
    std::ostringstream s;
    for (const auto& e : std::filesystem::directory_iterator(MG_TEST_DATA_ROOT))
        if (e.is_regular_file())
            s << e.path().filename().string() << " " << e.file_size() << " "
              << e.last_write_time().time_since_epoch().count() << "\n";
    return s.str();
}

void CtrlMas(kit::CModosPrueba& m, uint8_t tecla)
{
    kit::PulsaTecla(A::TECLA_CTRL_IZQUIERDO);
    m.JuegoPrueba().Paso();
    m.JuegoPrueba().Tecla(tecla);
    kit::SueltaTecla(A::TECLA_CTRL_IZQUIERDO);
    m.JuegoPrueba().Paso();
}

struct SinInterruptor {
    SinInterruptor() { unsetenv("MG_EDITOR_OLEADAS"); }
    ~SinInterruptor() { unsetenv("MG_EDITOR_OLEADAS"); }
};

} // namespace

// Without the developer switch none of the editor's keys or its pointer
// handling acts, the level reads the shipped file though a saved copy
// exists, and neither file changes.
TEST(SoloAtaques, WithoutTheSwitchTheEditorIsInert)
{
    SinInterruptor sin;
    kit::CModosPrueba m("editoroff");
    ASSERT_TRUE(m.Iniciado());
    EntradaNivel* e = Entrada(0, 0, 600, 600);
    ASSERT_NE(e, nullptr);
    // A saved copy in the per-user folder, which normal play never reads.
    OleadasGuardadas copia;
    AtaqueOleada marca;
    marca.m_iTipo = 5;
    marca.m_iDesfase = 7;
    marca.m_fX = 123.0f;
    copia[0].push_back(marca);
    const std::string sCopia = RutaOleadasUsuario(e->m_Registro.ATAQUES_SOLOATAQUES.c_str());
    ASSERT_FALSE(sCopia.empty());
    ASSERT_TRUE(EscribeOleadas(sCopia.c_str(), copia));
    const std::string sBytesCopia = Bytes(sCopia);
    const std::string sEnviado = Enviado();
    ASSERT_FALSE(sEnviado.empty());

    A* j = Empieza(m, kBotonJugar);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->RutaLectura(), e->m_Registro.ATAQUES_SOLOATAQUES);
    ASSERT_TRUE(EsperaPrimeraOleada(m, j));
    const std::string sOleadas = Firma(j->Guardadas());
    EXPECT_EQ(sOleadas.find("5/7/123/"), std::string::npos);

    const struct {
        const char* nombre;
        uint8_t tecla;
        bool ctrl;
    } teclas[] = {
        {"W", A::TECLA_W, false},          {"E", A::TECLA_E, false},
        {"Q", A::TECLA_Q, false},          {"numpad +", A::TECLA_MAS_NUMERICO, false},
        {"numpad -", A::TECLA_MENOS_NUMERICO, false}, {"Delete", A::TECLA_SUPRIMIR, false},
        {"Page Up", A::TECLA_REPAG, false}, {"Page Down", A::TECLA_AVPAG, false},
        {"Ctrl+S", A::TECLA_S, true},      {"Ctrl+L", A::TECLA_L, true},
        {"Enter", A::TECLA_INTRO, false},
    };
    for (const auto& t : teclas) {
        const int iNumero = j->NumeroOleada(), iReloj = j->RelojOleada();
        if (t.ctrl)
            CtrlMas(m, t.tecla);
        else
            m.JuegoPrueba().Tecla(t.tecla);
        EXPECT_EQ(j->EstadoOleadas(), A::OLEADAS_EN_CURSO) << t.nombre;
        EXPECT_EQ(j->EstadoEditor(), A::EDITOR_CERRADO) << t.nombre;
        EXPECT_EQ(j->NumeroOleada(), iNumero) << t.nombre;
        EXPECT_GT(j->RelojOleada(), iReloj) << t.nombre;
        EXPECT_EQ(j->TipoEditor(), 1) << t.nombre;
        EXPECT_EQ(j->DesfaseEditor(), 0) << t.nombre;
        EXPECT_EQ(j->OleadaEditada(), 0) << t.nombre;
        EXPECT_EQ(Firma(j->Guardadas()), sOleadas) << t.nombre;
    }
    // Nor does a click place an attack.
    m.JuegoPrueba().MueveRaton(300.0f, 300.0f);
    m.JuegoPrueba().BotonRaton(true);
    m.JuegoPrueba().BotonRaton(false);
    EXPECT_EQ(Firma(j->Guardadas()), sOleadas);
    EXPECT_EQ(Bytes(sCopia), sBytesCopia);
    EXPECT_EQ(Enviado(), sEnviado);
}

// With the switch: W opens the editor and stops the waves, an attack placed
// is saved to the per-user copy (the shipped file untouched) and read back
// by Ctrl+L with every wave as it was.
TEST(SoloAtaques, WithTheSwitchTheEditorSavesToTheUserCopyAndReadsItBack)
{
    SinInterruptor sin;
    setenv("MG_EDITOR_OLEADAS", "1", 1);
    kit::CModosPrueba m("editoron");
    ASSERT_TRUE(m.Iniciado());
    EntradaNivel* e = Entrada(0, 0, 600, 600);
    ASSERT_NE(e, nullptr);
    const std::string sEnviado = Enviado();
    const std::string sCopia = RutaOleadasUsuario(e->m_Registro.ATAQUES_SOLOATAQUES.c_str());
    ASSERT_FALSE(sCopia.empty());
    EXPECT_FALSE(std::filesystem::exists(sCopia));

    A* j = Empieza(m, kBotonJugar);
    ASSERT_NE(j, nullptr);
    // No copy yet: the shipped file.
    EXPECT_EQ(j->RutaLectura(), e->m_Registro.ATAQUES_SOLOATAQUES);
    ASSERT_TRUE(EsperaPrimeraOleada(m, j));
    // Keys do nothing while the editor is closed.
    m.JuegoPrueba().Tecla(A::TECLA_E);
    EXPECT_EQ(j->TipoEditor(), 1);

    m.JuegoPrueba().Tecla(A::TECLA_W);
    EXPECT_EQ(j->EstadoEditor(), A::EDITOR_ABIERTO);
    EXPECT_EQ(j->EstadoOleadas(), A::OLEADAS_PARADAS);
    m.JuegoPrueba().Tecla(A::TECLA_AVPAG);
    EXPECT_EQ(j->OleadaEditada(), 1);
    m.JuegoPrueba().Tecla(A::TECLA_E);
    EXPECT_EQ(j->TipoEditor(), 2);
    m.JuegoPrueba().Tecla(A::TECLA_MAS_NUMERICO);
    EXPECT_EQ(j->DesfaseEditor(), 1);
    const size_t n1 = j->Guardadas()[1].size();
    m.JuegoPrueba().MueveRaton(300.0f, 250.0f);
    m.JuegoPrueba().BotonRaton(true);
    EXPECT_EQ(j->EstadoEditor(), A::EDITOR_GIRANDO);
    m.JuegoPrueba().BotonRaton(false);
    EXPECT_EQ(j->EstadoEditor(), A::EDITOR_ABIERTO);
    ASSERT_EQ(j->Guardadas()[1].size(), n1 + 1);
    const AtaqueOleada nuevo = j->Guardadas()[1].front();
    EXPECT_EQ(nuevo.m_iTipo, 2);
    EXPECT_EQ(nuevo.m_iDesfase, 1);
    EXPECT_NEAR(nuevo.m_fX, 300.0f, 1.0f);
    EXPECT_NEAR(nuevo.m_fY, 250.0f, 1.0f);
    m.JuegoPrueba().Pasos(2);   // the editor draws its markers and labels

    const std::string sAntes = Firma(j->Guardadas());
    CtrlMas(m, A::TECLA_S);
    ASSERT_TRUE(std::filesystem::exists(sCopia));
    EXPECT_NE(sCopia.find("Oleadas/Pasatiempos/"), std::string::npos) << sCopia;
    EXPECT_EQ(Enviado(), sEnviado);
    EXPECT_EQ(j->RutaLectura(), sCopia);

    // The new attack selected and deleted, then the copy read back.
    m.JuegoPrueba().MueveRaton(nuevo.m_fX, nuevo.m_fY);
    m.JuegoPrueba().Tecla(A::TECLA_SUPRIMIR);
    EXPECT_EQ(j->Guardadas()[1].size(), n1);
    CtrlMas(m, A::TECLA_L);
    EXPECT_EQ(Firma(j->Guardadas(), true), sAntes);

    // Enter starts the edited wave and closes the editor.
    m.JuegoPrueba().Tecla(A::TECLA_INTRO);
    EXPECT_EQ(j->EstadoOleadas(), A::OLEADAS_EN_CURSO);
    EXPECT_EQ(j->EstadoEditor(), A::EDITOR_CERRADO);
    EXPECT_EQ(j->NumeroOleada(), 2);
}
