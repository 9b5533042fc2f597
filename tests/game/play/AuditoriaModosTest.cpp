// The content audit over the extra modes: the extra-modes menu of each mode
// with its instructions box, and the three play screens on their levels
// with both summaries, opened in each
// language over the real data, show no placeholder, miss no text code and
// ask for no sound or music slot that falls back to the default one.
#include "game/play/MenuJuego.h"
#include "game/play/MenuJuegoSoloAtaques.h"
#include "game/play/MenuJuegoSoloConcentrar.h"
#include "game/play/MenuJuegoSoloSellos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>
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
