// The extra-modes menu: its record formatters and decisions, and as a
// player meets it: the instructions once per mode, the panel fading as the
// focus moves, a level won and told, a restart, and a level that cannot
// start.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/play/MenuJuego.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/ModosPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using M = CMenuParametrosModosExtra;

// The menu manager's count of screen changes asked for.
extern int g_iCambiosMenu;

TEST(ModosExtra, RecordFormattersShowATildeForEmptyEntries)
{
    EXPECT_EQ(M::FormatoPuntuacion(0), "~");
    EXPECT_EQ(M::FormatoPuntuacion(1234), "1234");
    EXPECT_EQ(M::FormatoTiempo(1798200), "~");
    const struct {
        int pasos;
        const char* texto;
    } tiempos[] = {{0, "0:00"}, {29, "0:00"}, {30, "0:01"}, {1799, "0:59"}, {1800, "1:00"}, {1830, "1:01"},
                   {1798199, "998:59"}};
    for (const auto& t : tiempos) EXPECT_EQ(M::FormatoTiempo(t.pasos), t.texto) << t.pasos;
    EXPECT_EQ(M::FormatoNombre("Irina", true), "Irina");
    EXPECT_EQ(M::FormatoNombre("Irina", false), "~");
    EXPECT_EQ(M::FormatoNombre(nullptr, true), "~");
}

TEST(ModosExtra, TheResultOfPlayDecidesTheState)
{
    const struct {
        int resultado, estado;
        bool quita, nulo;
    } casos[] = {
        {RESULTADO_EN_JUEGO, M::ESTADO_JUGANDO, false, false},   {RESULTADO_VICTORIA, M::ESTADO_FIN_PARTIDA, true, false},
        {RESULTADO_DERROTA, M::ESTADO_FIN_PARTIDA, true, false}, {RESULTADO_ABANDONO, M::ESTADO_FIN_PARTIDA, true, false},
        {RESULTADO_REINICIO, M::ESTADO_REINICIO, true, false},   {RESULTADO_NINGUNO, M::ESTADO_LOGROS, false, false},
        {6, M::ESTADO_INACTIVO, false, true},                    {-1, M::ESTADO_INACTIVO, false, true},
    };
    for (const auto& c : casos) {
        const M::PasoResultado p = M::SiguienteEstado(M::ESTADO_LOGROS, c.resultado);
        EXPECT_EQ(p.iEstado, c.estado) << c.resultado;
        EXPECT_EQ(p.bQuita, c.quita) << c.resultado;
        EXPECT_EQ(p.bResultadoNulo, c.nulo) << c.resultado;
    }
    // Winning a seals level unlocks the next one at the same difficulty;
    // the last levels of a mode unlock nothing.
    EXPECT_EQ(M::MarcadorAlGanar(2, 2), BuscaMarcador("m_pBoton_Sellos_Peque2_Dif2"));
    EXPECT_EQ(M::MarcadorAlGanar(10, 1), BuscaMarcador("m_pBoton_Sellos_MultiSellos_Dif1"));
    EXPECT_EQ(M::MarcadorAlGanar(0, 3), BuscaMarcador("m_pBoton_Concentrar_JugarSinFin_Dif3"));
    EXPECT_EQ(M::MarcadorAlGanar(13, 0), BuscaMarcador("m_pBoton_Ataques_SinFin_Dif0"));
    for (int b : {1, 12, 14}) EXPECT_EQ(M::MarcadorAlGanar(b, 0), MARCADOR_NINGUNO) << b;
    // Every button's name is a marker.
    for (int d = 0; d < 4; ++d)
        for (int b = 0; b < M::NUM_BOTONES_NIVEL; ++b)
            EXPECT_NE(BuscaMarcador(M::NombreBoton(b, d).c_str()), MARCADOR_NINGUNO) << M::NombreBoton(b, d);
}

// The instructions show on the first opening of a mode only (the seals-only
// mode keeps that in "InstConcentrar"), and through the icon any time.
TEST(ModosExtra, InstructionsShowOncePerModeAndThroughTheIcon)
{
    kit::CModosPrueba m("instrucciones");
    ASSERT_TRUE(m.Iniciado());
    EXPECT_FALSE(m.Perfil().EstaDesbloqueado("InstConcentrar"));
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS, false));
    EXPECT_TRUE(m.CierraCaja()) << m.JuegoPrueba().Widgets();
    EXPECT_TRUE(m.Perfil().EstaDesbloqueado("InstConcentrar"));
    EXPECT_FALSE(m.Perfil().EstaDesbloqueado("InstSellos"));
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS, false));
    EXPECT_FALSE(m.CierraCaja());
    ASSERT_TRUE(m.JuegoPrueba().Pulsa("m_pBotonInstrucciones"));
    // The icon's press plays out before it answers.
    for (int i = 0; i < 60 && static_cast<CMenuObj*>(m.Menu()->Mensaje())->Padre() != m.Menu(); ++i)
        m.JuegoPrueba().Paso();
    EXPECT_TRUE(m.CierraCaja());
    // Another mode has its own first visit.
    ASSERT_TRUE(m.AbreMenu(M::MODO_CONCENTRAR, false));
    EXPECT_TRUE(m.CierraCaja());
    EXPECT_TRUE(m.Perfil().EstaDesbloqueado("InstSellos"));
}

// On a fresh profile the levels are locked; the panel fades out and back
// in as the focus moves between levels, keeps the level's records on the
// back button and empties them on the chest.
TEST(ModosExtra, ThePanelFollowsTheFocus)
{
    kit::CModosPrueba m("panel");
    ASSERT_TRUE(m.Iniciado());
    // A record of the profile's own for the first level.
    m.Perfil().InsertaTiempoSellos(m.Dificultad(), 0, 1830);
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    M* menu = m.Menu();
    auto* peque1 = dynamic_cast<CBotonTazmo*>(m.JuegoPrueba().Busca(M::NombreBoton(2, 0)));
    ASSERT_NE(peque1, nullptr);
    EXPECT_TRUE(peque1->Bloqueado());
    EXPECT_EQ(menu->Seleccion(), 2);
    m.JuegoPrueba().Pasos(15);
    EXPECT_FLOAT_EQ(menu->AlfaPanel(), 1.0f);
    EXPECT_EQ(menu->TextosRecords()[1].substr(0, 4), "1:01");

    // To the second level: out, rebuilt, in.
    CMenuObj* peque2 = m.JuegoPrueba().Busca(M::NombreBoton(3, 0));
    ASSERT_NE(peque2, nullptr);
    m.JuegoPrueba().MueveRaton(peque2->Rect().x + 20, peque2->Rect().y + 20);
    EXPECT_EQ(menu->Seleccion(), 3);
    EXPECT_TRUE(menu->PanelSaliendo());
    EXPECT_LT(menu->AlfaPanel(), 1.0f);
    m.JuegoPrueba().Pasos(25);
    EXPECT_FALSE(menu->PanelSaliendo());
    EXPECT_FLOAT_EQ(menu->AlfaPanel(), 1.0f);
    EXPECT_EQ(menu->TextosRecords()[1], "~\n~\n~\n~");

    // Back keeps the level; the chest empties the records.
    CMenuObj* volver = m.JuegoPrueba().Busca("m_pBotonVolver");
    ASSERT_NE(volver, nullptr);
    m.JuegoPrueba().MueveRaton(volver->Rect().x + 20, volver->Rect().y + 20);
    m.JuegoPrueba().Pasos(12);
    EXPECT_EQ(menu->Seleccion(), 3);
    EXPECT_FALSE(menu->TextosRecords()[0].empty());
    m.JuegoPrueba().MueveRaton(567, 660);
    m.JuegoPrueba().Pasos(12);
    EXPECT_EQ(menu->Seleccion(), M::ID_COFRE);
    EXPECT_TRUE(menu->TextosRecords()[0].empty());

    // Each mode opens with the caption of the level whose records it shows.
    for (int iModo : {M::MODO_SOLO_SELLOS, M::MODO_ATAQUES, M::MODO_CONCENTRAR}) {
        ASSERT_TRUE(m.AbreMenu(iModo));
        EXPECT_EQ(m.Menu()->m_iCodigoDescripcion, M::CodigoDescripcion(m.Menu()->Seleccion())) << "mode " << iModo;
    }
}

// A level whose seal cannot be loaded (its file missing or damaged) does not
// start: the menu stays idle, with no play screen attached, and a box tells
// the player; once it is closed the menu answers again.
TEST(ModosExtra, ALevelThatCannotStartLeavesTheMenuIdle)
{
    kit::CModosPrueba m("fallo");
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(2);
    EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(0, 13, 0);
    ASSERT_NE(e, nullptr);
    e->m_Registro.FIGURA_SOLO_SELLOS[0] = "Figura\\NoExiste.TPZ";
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    const int iCambios = g_iCambiosMenu;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(m.JuegoPrueba().Pulsa(M::NombreBoton(2, 0)));
    m.JuegoPrueba().Pasos(40);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(m.Menu()->Estado(), M::ESTADO_INACTIVO);
    EXPECT_FALSE(m.JuegoAbierto());
    EXPECT_EQ(g_pMenuMaestro->m_pMenuActual, m.Menu());
    EXPECT_EQ(g_iCambiosMenu, iCambios);
    EXPECT_TRUE(m.CierraCaja()) << "the player is told";
    EXPECT_EQ(m.Menu()->Estado(), M::ESTADO_INACTIVO);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(m.JuegoPrueba().Pulsa(M::NombreBoton(2, 0)));
    m.JuegoPrueba().Pasos(40);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(m.JuegoAbierto());
    EXPECT_TRUE(m.CierraCaja()) << "and told again";
}

// What a player sees of the seals-only menu: no level button covers another,
// every caption fits inside its own button in every language, and the
// records' boxes hold the four ranks' lines.
TEST(ModosExtra, ButtonsCaptionsAndRecordsFitTheirPlaces)
{
    kit::CModosPrueba m("sitio");
    ASSERT_TRUE(m.Iniciado());
    ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
    std::vector<const CBotonTazmo*> botones;
    for (int i = 0; i < M::NUM_BOTONES_NIVEL; ++i)
        if (M::kNiveles[static_cast<size_t>(i)].iModo == M::MODO_SOLO_SELLOS) {
            auto* b = dynamic_cast<const CBotonTazmo*>(m.JuegoPrueba().Busca(M::NombreBoton(i, m.Dificultad())));
            ASSERT_NE(b, nullptr) << "button " << i;
            botones.push_back(b);
        }
    ASSERT_EQ(botones.size(), 11u);
    for (size_t a = 0; a < botones.size(); ++a)
        for (size_t b = a + 1; b < botones.size(); ++b) {
            const auto& ra = botones[a]->Rect();
            const auto& rb = botones[b]->Rect();
            // The frames are drawn lower than the rectangles are tall: rows
            // closer than a frame's height but apart count as apart.
            const bool bMismaFila = std::abs(ra.y - rb.y) < 40.0f;
            const bool bSeparados = ra.x + ra.ancho <= rb.x || rb.x + rb.ancho <= ra.x || !bMismaFila;
            EXPECT_TRUE(bSeparados) << botones[a]->Nombre() << " covers " << botones[b]->Nombre();
        }

    const CFont* fBoton = g_pSistema2D->GetFont(0);
    ASSERT_TRUE(fBoton && fBoton->EstaCargada());
    for (int idioma = 0; idioma < 3; ++idioma)
        for (int i = 0; i < M::NUM_BOTONES_NIVEL; ++i) {
            const M::FilaNivel& f = M::kNiveles[static_cast<size_t>(i)];
            const char* sz = g_GestorFLIs.GetTexto(CodigoFLI(f.szTexto), idioma);
            ASSERT_NE(sz, nullptr) << f.szTexto;
            // A frame's rounded ends take a little of its width.
            EXPECT_LE(fBoton->CalculaAncho(sz), CBotonTazmo::AnchoDeFlags(f.iFlags) - 16.0f)
                << "language " << idioma << ": " << sz;
        }

    const CFont* fRecords = g_pSistema2D->GetFont(M::kFuenteRecords);
    ASSERT_TRUE(fRecords && fRecords->EstaCargada());
    EXPECT_LE(fRecords->CalculaAlto("~\n~\n~\n~"), M::kRecordsAlto);
}
