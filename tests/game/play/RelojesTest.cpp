// One clock a player can trust in each mode, and start hints that fit the
// mode: the story's summary tells the time left the board showed when its
// clock stopped, concentration counts one time down, the seals' clock waits
// for the opening banner, and only the modes with diamonds and an Undo
// button speak of them.
#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/play/BolaTablero.h"
#include "game/play/HudModo.h"
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/ModosPrueba.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <string>

using M = CMenuParametrosModosExtra;

namespace {

// The steps of the summary's time line with that label (-1 without one).
int PasosDeLinea(const DatosResumen& d, const char* szEtiqueta)
{
    for (const LineaResumen& l : d.m_aLineas)
        if (l.m_iTipo == LINEA_TIEMPO && l.m_iEtiqueta == CodigoFLI(szEtiqueta)) return l.m_iPasos;
    return -1;
}

bool AvisoAbierto(CMenuJuego* j)
{
    return j && j->Mensaje() && static_cast<CMenuObj*>(j->Mensaje())->Padre() == j;
}

} // namespace

// A time-back bonus caught once the stage is won (the clock stopped at its
// victory) gives nothing: the summary's time left is what the board showed.
TEST(Relojes, TheStorySummaryTellsTheTimeTheBoardShowedWhenItStopped)
{
    kit::CPartidaPrueba p("reloj_historia");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    p.JuegoPrueba().Pasos(60);
    ASSERT_TRUE(j->m_pBonuses);
    // While the clock runs a bonus gives time back.
    const int iAntes = j->TiempoUsado();
    j->m_pBonuses->AplicaBonus(2, 512.0f, 384.0f);
    EXPECT_LT(j->TiempoUsado(), iAntes);
    j->m_iObjetivo = 0;
    ASSERT_TRUE(p.EsperaFase(FASE_VICTORIA, 400)) << "phase " << j->Fase();
    const int iParado = j->TiempoUsado();
    j->m_pBonuses->AplicaBonus(2, 512.0f, 384.0f);
    EXPECT_EQ(j->TiempoUsado(), iParado);
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 40));
    j->m_pBonuses->AplicaBonus(2, 512.0f, 384.0f);
    EXPECT_EQ(PasosDeLinea(j->UltimoResumen(), "RE08"), j->Nivel().TIEMPOLIMITE - iParado);
}

// Concentration: the mode's clock shows the time left, the same count the
// board's counter shows, going down; the summary tells the time played.
TEST(Relojes, ConcentrationCountsOneTimeDown)
{
    kit::CModosPrueba m("reloj_concentrar");
    ASSERT_TRUE(m.Iniciado());
    m.DesbloqueaNivel(1);
    ASSERT_TRUE(m.AbreMenu(M::MODO_CONCENTRAR));
    ASSERT_TRUE(m.EmpiezaNivel(1));
    auto* j = dynamic_cast<CMenuJuegoSoloConcentrar*>(m.Juego());
    ASSERT_NE(j, nullptr);
    ASSERT_TRUE(m.Continua());
    ASSERT_TRUE(m.EsperaFase(FASE_DIAMANTES, 60));
    const int iLimite = j->Nivel().TIEMPOLIMITE;
    ASSERT_GT(iLimite, 0);
    std::string sAnterior;
    for (int i = 0; i < 4; ++i) {
        m.JuegoPrueba().Pasos(31);
        EXPECT_EQ(j->Hud().Texto(3), CHudModo::Reloj(iLimite - j->TiempoUsado())) << "second " << i;
        if (!sAnterior.empty()) {
            EXPECT_LT(j->Hud().Texto(3), sAnterior);
        }
        sAnterior = j->Hud().Texto(3);
    }
    j->m_iTiempoUsado = iLimite;
    ASSERT_TRUE(m.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400));
    EXPECT_EQ(PasosDeLinea(j->UltimoResumen(), "RE51"), j->Reloj());
    EXPECT_GT(j->Reloj(), 0);
}

// The seals: the time is the result, so the clock waits while the opening
// banner covers the board, and starts at once with a stroke made under it.
TEST(Relojes, TheSealsClockWaitsForTheOpeningBanner)
{
    for (const bool bTrazaPronto : {false, true}) {
        kit::CModosPrueba m(bTrazaPronto ? "reloj_sellos_pronto" : "reloj_sellos");
        ASSERT_TRUE(m.Iniciado());
        m.DesbloqueaNivel(2);
        ASSERT_TRUE(m.AbreMenu(M::MODO_SOLO_SELLOS));
        ASSERT_TRUE(m.EmpiezaNivel(2));
        auto* j = dynamic_cast<CMenuJuegoSoloSellos*>(m.Juego());
        ASSERT_NE(j, nullptr);
        ASSERT_TRUE(m.Continua());
        ASSERT_TRUE(m.EsperaFase(FASE_TRAZADO, 60));
        ASSERT_TRUE(j->m_pCarteles);
        ASSERT_NE(j->m_pCarteles->Tipo(), CHerramientaCarteles::kNinguno);
        if (bTrazaPronto) {
            // Pressed as soon as the first shard takes a press.
            for (int i = 0; i < 60 && j->Trazos() == 0; ++i) {
                for (CBolaTablero* b : m.Piezas())
                    if (b->Orden() == 0 && b->PuedeCogerse()) m.PulsaPieza(b);
                if (j->Trazos() == 0) m.JuegoPrueba().Paso();
            }
            ASSERT_GT(j->Trazos(), 0);
            ASSERT_NE(j->m_pCarteles->Tipo(), CHerramientaCarteles::kNinguno);
            m.JuegoPrueba().Pasos(3);
            EXPECT_GT(j->Tiempo(), 0);
            continue;
        }
        int iPasosCartel = 0;
        while (j->m_pCarteles->Tipo() != CHerramientaCarteles::kNinguno && iPasosCartel < 400) {
            EXPECT_EQ(j->Tiempo(), 0) << "step " << iPasosCartel << " of the banner";
            m.JuegoPrueba().Paso();
            ++iPasosCartel;
        }
        EXPECT_GT(iPasosCartel, 30);
        m.JuegoPrueba().Pasos(30);
        EXPECT_GE(j->Tiempo(), 29);
        EXPECT_LE(j->Tiempo(), 31);
    }
}

// The hint about Undo and the diamond of the line: the seals have no
// diamonds, the attacks no Undo button; concentration has both.
TEST(Relojes, TheStartHintFitsTheMode)
{
    const struct {
        int modo, boton;
        bool aviso;
    } casos[] = {
        {M::MODO_SOLO_SELLOS, 2, false},
        {M::MODO_ATAQUES, 13, false},
        {M::MODO_CONCENTRAR, 1, true},
    };
    for (const auto& c : casos) {
        kit::CModosPrueba m("aviso_" + std::to_string(c.modo), 0, true);
        ASSERT_TRUE(m.Iniciado());
        m.DesbloqueaNivel(c.boton);
        ASSERT_TRUE(m.AbreMenu(c.modo));
        ASSERT_TRUE(m.EmpiezaNivel(c.boton)) << "mode " << c.modo;
        bool bAbierto = false;
        for (int i = 0; i < 60 && !bAbierto; ++i) {
            bAbierto = AvisoAbierto(m.Juego());
            m.JuegoPrueba().Paso();
        }
        EXPECT_EQ(bAbierto, c.aviso) << "mode " << c.modo << " modojuego " << m.Juego()->Nivel().MODOJUEGO << " "
                                     << m.Juego()->Nivel().m_iGrupo << "-" << m.Juego()->Nivel().m_iParte;
    }
}
