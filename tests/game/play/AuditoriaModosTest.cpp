// The content audit over the extra modes: the extra-modes menu of each mode
// with its instructions box, and the three play screens on their levels
// with both summaries, opened in each
// language over the real data, show no placeholder, miss no text code and
// ask for no sound or music slot that falls back to the default one.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/play/MenuJuego.h"
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/TextosPrueba.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using M = CMenuParametrosModosExtra;

// The play screen of a level button, started as the menu starts it, with
// both summaries made in the language in force.
CMenuObj* AbreNivel(int iBoton)
{
    M* menu = g_pMenuMaestro->m_pMenuParametrosModosExtra;
    const M::FilaNivel& f = M::kNiveles[static_cast<size_t>(iBoton)];
    if (!menu->Crea(f.iModo)) return nullptr;
    CMenuJuego* j = f.iModo == M::MODO_SOLO_SELLOS ? static_cast<CMenuJuego*>(g_pMenuMaestro->m_pMenuJuegoSoloSellos)
                    : f.iModo == M::MODO_ATAQUES   ? static_cast<CMenuJuego*>(g_pMenuMaestro->m_pMenuJuegoSoloAtaques)
                                                   : static_cast<CMenuJuego*>(g_pMenuMaestro->m_pMenuJuegoSoloConcentrar);
    g_pMenuMaestro->EligeNivel(f.iGrupo, f.iParte, 0);
    RegistroNivel n = g_pMenuMaestro->m_NivelActual;
    n.m_iNivelModoExtra = f.iNivelModoExtra;
    if (!j || !j->IniciaNivel(n, false, false)) return nullptr;
    j->PreparaResumenInicial();
    j->PreparaResumenFinal();
    return j;
}

} // namespace

TEST(AuditoriaModos, TheExtraModesMenuAndPlayScreensFindAllTheirContentInEveryLanguage)
{
    kit::CJuegoPrueba juego("auditoria_modos");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    std::vector<kit::PantallaAuditada> pantallas;
    for (const int iModo : {M::MODO_SOLO_SELLOS, M::MODO_ATAQUES, M::MODO_CONCENTRAR}) {
        const std::string sModo = std::to_string(iModo);
        pantallas.push_back({"CMenuParametrosModosExtra " + sModo, [iModo]() -> CMenuObj* {
                                 M* p = g_pMenuMaestro->m_pMenuParametrosModosExtra;
                                 return p->Crea(iModo) ? p : nullptr;
                             }});
        pantallas.push_back({"CMenuParametrosModosExtra " + sModo + " instructions", [iModo]() -> CMenuObj* {
                                 M* p = g_pMenuMaestro->m_pMenuParametrosModosExtra;
                                 if (!p->Crea(iModo)) return nullptr;
                                 p->MuestraInstrucciones();
                                 return p->Mensaje();
                             }});
    }
    // Seals only: a fixed list, the multi seals and the random draw;
    // concentration and attacks: both their levels.
    for (const int iBoton : {2, 11, 12, 0, 1, 13, 14})
        pantallas.push_back({std::string("play ") + M::kNiveles[static_cast<size_t>(iBoton)].szMarcador,
                             [iBoton] { return AbreNivel(iBoton); }});

    const std::vector<std::string> faltas = kit::AuditaPantallas(pantallas, {});
    std::string informe;
    for (const auto& l : faltas) informe += "  " + l + "\n";
    EXPECT_TRUE(faltas.empty()) << informe;
    g_pMenuMaestro->m_pMenuJuegoSoloSellos->LiberaNivel();
    g_pMenuMaestro->m_pMenuJuegoSoloConcentrar->LiberaNivel();
    g_pMenuMaestro->m_pMenuJuegoSoloAtaques->LiberaNivel();
}

namespace {

// Where a summary line's text stands on the plate: its top and bottom. A
// text stands at the top of its box (kAltoTexto high about the line's y),
// a paragraph as many lines down as its text wraps to; a separator is a
// 16-point rule about its y.
struct Tramo {
    float fArriba, fAbajo;
};

Tramo TramoLinea(const LineaResumen& l, float y)
{
    using R = CHerramientaResumen;
    if (l.m_iTipo == LINEA_SEPARADOR) return {y - 8.0f, y + 8.0f};
    const float fArriba = y - R::kAltoTexto / 2.0f;
    if (l.m_iTipo != LINEA_PARRAFO) return {fArriba, fArriba + g_pSistema2D->GetFont(R::kFuenteEtiqueta)->AltoLinea()};
    const CFont& f = *g_pSistema2D->GetFont(R::kFuenteParrafo);
    const std::string sTexto = l.m_iTexto != -1 ? g_GestorFLIs.GetTexto(l.m_iTexto, -1) : " ";
    const std::string sAjustado = mgtest::AjustaComoCaja(f, sTexto, R::kAnchoTexto, R::kEscalaParrafo);
    return {fArriba, fArriba + f.CalculaAlto(sAjustado.c_str()) * R::kEscalaParrafo};
}

// The faults of a summary laid out by `r`: a line that starts less than 16
// points under the paragraph above it, or a last line that reaches the top
// of the continue button (fTope).
std::string FaltasResumen(const CHerramientaResumen& r, float fTope)
{
    std::string sFaltas;
    const std::vector<float> ys = r.PosicionesLineas();
    const auto& lineas = r.Datos().m_aLineas;
    for (size_t i = 0; i < ys.size(); ++i) {
        const Tramo t = TramoLinea(lineas[i], ys[i]);
        if (i > 0 && lineas[i - 1].m_iTipo == LINEA_PARRAFO) {
            const Tramo p = TramoLinea(lineas[i - 1], ys[i - 1]);
            if (t.fArriba < p.fAbajo + 16.0f)
                sFaltas += " line " + std::to_string(i) + " starts at " + std::to_string(t.fArriba) +
                           ", the paragraph above ends at " + std::to_string(p.fAbajo) + ";";
        }
        if (i + 1 == ys.size() && t.fAbajo > fTope)
            sFaltas += " the last line ends at " + std::to_string(t.fAbajo) + ", the button starts at " +
                       std::to_string(fTope) + ";";
    }
    return sFaltas;
}

// Words enough to wrap to two lines of a summary paragraph, not three.
std::string ParrafoDeDosLineas()
{
    using R = CHerramientaResumen;
    const CFont& f = *g_pSistema2D->GetFont(R::kFuenteParrafo);
    auto lineas = [&](const std::string& s) {
        const std::string a = mgtest::AjustaComoCaja(f, s, R::kAnchoTexto, R::kEscalaParrafo);
        return f.CalculaAlto(a.c_str()) / f.AltoLinea();
    };
    std::string s = "Mmmmmm";
    while (lineas(s + " Mmmmmm") < 2.5f) s += " Mmmmmm";
    return s;
}

} // namespace

// Every summary of the extra modes' levels and of a story stage, start and
// final, won and lost, in each language: the line after a paragraph stands
// clear under its last wrapped line, and the last line ends above the
// continue button. Then the same records with every paragraph two lines
// long (the most the paragraph audit lets one wrap to), so that no text of
// the tables can crowd the plate.
TEST(AuditoriaModos, EverySummaryLineStandsClearOfTheParagraphAboveAndOnThePlate)
{
    kit::CJuegoPrueba juego("resumenes_modos");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    const int iIdiomaAntes = g_GestorFLIs.IdiomaActual();
    const char* const kCodigoLargo = "ZRL2";
    for (const int idioma : {0, 1, 2}) {
        g_GestorFLIs.SeleccionaIdioma(idioma);
        mgtest::PonTexto(idioma, kCodigoLargo, ParrafoDeDosLineas().c_str());
        // Each opener starts a play screen on its level (the modes' screens
        // serve several levels: each is looked at before the next opens).
        std::vector<std::pair<std::string, std::function<CMenuJuego*()>>> aperturas;
        for (const int iBoton : {2, 11, 12, 0, 1, 13, 14})
            aperturas.push_back({M::kNiveles[static_cast<size_t>(iBoton)].szMarcador,
                                 [iBoton] { return static_cast<CMenuJuego*>(AbreNivel(iBoton)); }});
        aperturas.push_back({"story 1-1", []() -> CMenuJuego* {
                                 CMenuJuego* j = g_pMenuMaestro->m_pMenuJuego;
                                 g_pMenuMaestro->EligeNivel(0, 1, 0);
                                 return j && j->IniciaNivel(g_pMenuMaestro->m_NivelActual, false, false) ? j : nullptr;
                             }});

        int n = 0;
        for (const auto& [sNombre, abre] : aperturas) {
            CMenuJuego* j = abre();
            ASSERT_NE(j, nullptr) << sNombre;
            for (const int iResumen : {0, 1, 2}) {
                if (iResumen == 0) {
                    j->PreparaResumenInicial();
                } else {
                    j->m_iResultadoGuardado = iResumen == 1 ? RESULTADO_VICTORIA : RESULTADO_DERROTA;
                    j->PreparaResumenFinal();
                }
                const CHerramientaResumen* r = j->Resumen();
                ASSERT_TRUE(r && r->m_pContinuar) << sNombre;
                const float fTope = r->m_pContinuar->Rect().y;
                const std::string sCaso = "language " + std::to_string(idioma) + ", " + sNombre + " summary " +
                                          std::to_string(iResumen) + ":";
                EXPECT_EQ(FaltasResumen(*r, fTope), "") << sCaso;

                DatosResumen d = r->Datos();
                for (LineaResumen& l : d.m_aLineas)
                    if (l.m_iTipo == LINEA_PARRAFO) l.m_iTexto = CodigoFLI(kCodigoLargo);
                CHerramientaResumen largo;
                ASSERT_TRUE(largo.Carga(nullptr, nullptr, nullptr, nullptr));
                largo.Prepara(d);
                EXPECT_EQ(FaltasResumen(largo, fTope), "") << sCaso << " two-line paragraphs";
                ++n;
            }
        }
        EXPECT_EQ(n, 8 * 3);
    }
    g_GestorFLIs.SeleccionaIdioma(iIdiomaAntes);
    g_pMenuMaestro->m_pMenuJuego->LiberaNivel();
    g_pMenuMaestro->m_pMenuJuegoSoloSellos->LiberaNivel();
    g_pMenuMaestro->m_pMenuJuegoSoloConcentrar->LiberaNivel();
    g_pMenuMaestro->m_pMenuJuegoSoloAtaques->LiberaNivel();
}
