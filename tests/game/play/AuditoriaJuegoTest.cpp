// The content audit over play: a story stage with a seal, its start and
// final summaries and its hint, opened in each language over the real data,
// shows no placeholder, misses no text code and asks for no sound or music
// slot that falls back to the default one. Every level tune that a level
// file names resolves to a slot of its own.
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/MenuJuego.h"
#include "game/Personajes.h"
#include "game/play/herramientas/HerramientaAsistenciaVisual.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaMonedas.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/JuegoPrueba.h"
#include "kit/TextosPrueba.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

TEST(AuditoriaJuego, AStoryStageFindsAllItsContentInEveryLanguage)
{
    kit::CJuegoPrueba juego("auditoria_juego");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    const auto abre = [] {
        CMenuMaestro* m = g_pMenuMaestro;
        m->EligeNivel(0, 2, 0);
        if (!m->m_pMenuJuego->IniciaNivel(m->m_NivelActual, true, false)) return static_cast<CMenuObj*>(nullptr);
        CMenuJuego* j = m->m_pMenuJuego;
        // Both summaries make their texts now, in the language in force.
        j->PreparaResumenInicial();
        j->PreparaResumenFinal();
        // Every tool shows all it can in the frame the audit draws: each
        // state of the pointer with its shield, a banner, the visual help;
        // every fanfare and every character's portrait and voices are asked
        // for.
        CHerramientaEstadosCursor* c = j->m_pEstadosCursor;
        c->m_aiPasos.fill(10);
        c->m_afIntensidad.fill(0.5f);
        c->Escudo();
        j->m_pCarteles->Muestra(4, 180);
        j->m_pAsistencia->m_bMostrando = true;
        j->m_pAsistencia->m_fNivel = 1.0f;
        for (int i = 0; i < CHerramientaEventoSonido::kNumFanfarrias; ++i) j->m_pEventoSonido->TocaFanfarria(i);
        for (int n = 0; n < NUM_PERSONAJES; ++n) {
            RegistroNivel r = j->Nivel();
            r.m_Personaje.m_iPersonaje = n;
            r.IDPERSOVS = n;
            CHerramientaMarcadores hud;
            hud.Carga(j, &r);
        }
        return static_cast<CMenuObj*>(j);
    };
    const std::vector<std::string> faltas = kit::AuditaPantallas({{"CMenuJuego", abre}}, {});
    std::string informe;
    for (const auto& l : faltas) informe += "  " + l + "\n";
    EXPECT_TRUE(faltas.empty()) << informe;
    g_pMenuMaestro->m_pMenuJuego->LiberaNivel();
}

// A stage of curses and bonuses in the attacks mode's look: a curse of every
// kind with its damage dots, the gauges in turn, a bonus of every kind, the
// characters' generators, the multiplier's badge and the coins.
TEST(AuditoriaJuego, CursesBonusesAndCoinsFindAllTheirContentInEveryLanguage)
{
    kit::CJuegoPrueba juego("auditoria_maldiciones");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    CHerramientaMonedas monedas;
    const auto abre = [&monedas] {
        CMenuMaestro* m = g_pMenuMaestro;
        m->EligeNivel(7, 6, 0);
        if (!m->m_pMenuJuego->IniciaNivel(m->m_NivelActual, true, false)) return static_cast<CMenuObj*>(nullptr);
        CMenuJuego* j = m->m_pMenuJuego;
        for (int t = 1; t <= 11; ++t) {
            j->m_pAtaques->LanzaMaldicionEn(t, true, 60.0f + 80.0f * static_cast<float>(t), 300.0f, 0.0f);
            j->m_pAtaques->CargaIndicador((t - 1) % 3, t);
            j->m_pAtaques->DibujaIndicadorEnergia(nullptr, 0.5f, 0.0f);
        }
        for (int k = 0; k < 9; ++k) j->m_pBonuses->CreaBonus(k, 100.0f + 90.0f * static_cast<float>(k), 500.0f);
        for (int i = 1; i < 5; ++i) j->m_pBonuses->ActivaGenerador(i, &j->m_Nivel.PORCENTAJEBONUSES[0]);
        j->m_pBonuses->m_iNivelMultiplicador = 3;
        j->m_pBonuses->m_iPasosMultiplicador = 100;
        j->m_pBonuses->PulsaInsignia();
        if (monedas.Carga(j))
            for (int k = 0; k < 3; ++k) monedas.CreaMoneda(k, 400.0f + 50.0f * static_cast<float>(k), 600.0f);
        monedas.CargaRecursos();
        monedas.Dibuja(nullptr);
        return static_cast<CMenuObj*>(j);
    };
    const std::vector<std::string> faltas = kit::AuditaPantallas({{"CMenuJuego cursed", abre}}, {});
    std::string informe;
    for (const auto& l : faltas) informe += "  " + l + "\n";
    EXPECT_TRUE(faltas.empty()) << informe;
    EXPECT_TRUE(monedas.m_bCreado);
    monedas.Libera();
    g_pMenuMaestro->m_pMenuJuego->LiberaNivel();
}

TEST(AuditoriaJuego, EveryLevelTuneResolves)
{
    kit::CJuegoPrueba juego("auditoria_musica");
    ASSERT_TRUE(juego.Iniciado());
    std::set<std::string> ranuras;
    for (const FilaCatalogoNiveles& f : CatalogoNiveles()) {
        const EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(f.m_iDificultad, f.m_iGrupo, f.m_iParte);
        ASSERT_NE(e, nullptr);
        if (!e->m_Registro.RANURAMUSICA.empty()) ranuras.insert(e->m_Registro.RANURAMUSICA);
    }
    EXPECT_GE(ranuras.size(), 5u);
    for (const std::string& r : ranuras) {
        bool bDeclarada = false;
        for (const FilaCatalogo& f : juego::kCatalogo)
            if (f.tipo == TipoContenido::RanuraMusica && r == f.nombre) bDeclarada = true;
        EXPECT_TRUE(bDeclarada) << r << " is not a music slot of the catalogue";
    }
}

// The summaries' paragraphs are wrapped into a box two lines high: a stage's
// presentation and closing words, the tips, the final comments and the
// verdicts on the best line and the records. Each, in each of the three
// tables, must fit that box, or its end is cut off on the screen.
TEST(AuditoriaJuego, EverySummaryParagraphFitsItsBoxInEveryLanguage)
{
    kit::CJuegoPrueba juego("parrafos_resumen");
    ASSERT_TRUE(juego.Iniciado());
    using R = CHerramientaResumen;
    CFont* f = g_pSistema2D->GetFont(R::kFuenteParrafo);
    ASSERT_TRUE(f && f->EstaCargada());
    const std::regex parrafo("[IVK][0-9]{3}|CO[0-9]{2}|RE1[1-4]|RE7[013-6]|RE8[0-2]");
    const float s = R::kEscalaParrafo;
    int n = 0;
    for (const TablaFLI& t : g_GestorFLIs.m_aTablas) {
        if (t.m_iClave == -1) continue;
        for (int i = 0; i < t.m_iNumTextos; ++i) {
            const EntradaFLI& e = t.m_aEntradas[i];
            const std::string codigo = mgtest::LetrasCodigo(static_cast<uint32_t>(e.m_iCodigo));
            if (!std::regex_match(codigo, parrafo)) continue;
            ++n;
            const std::string ajustado = mgtest::AjustaComoCaja(*f, e.m_sTexto, R::kAnchoTexto, s);
            EXPECT_LE(f->CalculaAlto(ajustado.c_str()) * s, R::kAltoTexto)
                << "language " << t.m_iClave << " code " << codigo << ": " << ajustado;
        }
    }
    EXPECT_GE(n, 3 * 150);
}

// Each mode's instructions, in each of the three tables, fill the big
// message box at full size (the box would shrink a longer text) in at most
// seven lines of its wrapping width: with the Accept button under them, an
// eighth line would push the button onto the frame's border.
TEST(AuditoriaJuego, EveryModesInstructionsFitTheBoxAtFullSizeInEveryLanguage)
{
    kit::CJuegoPrueba juego("textos_modos");
    ASSERT_TRUE(juego.Iniciado());
    using M = CMsgBoxTazmo;
    CFont* fMensaje = g_pSistema2D->GetFont(M::kFuente);
    ASSERT_TRUE(fMensaje && fMensaje->EstaCargada());
    const char* const aszInstrucciones[] = {juego::texto::INS0, juego::texto::INS1, juego::texto::INS2};
    int n = 0;
    for (int idioma = 0; idioma < 3; ++idioma)
        for (const char* sz : aszInstrucciones) {
            const char* szTexto = g_GestorFLIs.GetTexto(CodigoFLI(sz), idioma);
            ASSERT_NE(szTexto, nullptr) << "language " << idioma << " code " << sz;
            const M::Ajuste a = M::CalculaAjuste(
                [&](float fAncho) {
                    std::string sEnvuelto;
                    fMensaje->AjustaTexto(sEnvuelto, szTexto, fAncho);
                    return fMensaje->CalculaAlto(sEnvuelto.c_str());
                },
                M::kAnchoTextoGrande);
            EXPECT_TRUE(a.bCabe && a.fEscala == 1.0f)
                << "language " << idioma << " code " << sz << " shrinks to " << a.fEscala << ": " << szTexto;
            EXPECT_LE(a.fAlto, 7.0f * fMensaje->AltoLinea())
                << "language " << idioma << " code " << sz << " takes " << a.fAlto / fMensaje->AltoLinea()
                << " lines: " << szTexto;
            ++n;
        }
    EXPECT_EQ(n, 3 * 3);
}
