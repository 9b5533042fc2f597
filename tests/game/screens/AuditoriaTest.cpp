// The content audit of every built screen and dialog: opened in each
// language over the real data, none shows a placeholder, misses a text code
// or asks for a sound or music slot that falls back to the default one.
#include "engine/core/GestorFLIs.h"
#include "engine/ui/MenuObj.h"
#include "game/screens/BaseMenu.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/MenuControles.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/CartelCargando.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string UnaPorLinea(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& l : v) s += "  " + l + "\n";
    return s;
}

} // namespace

TEST(Auditoria, EveryBuiltScreenAndDialogFindsAllItsContentInEveryLanguage)
{
    kit::CJuegoPrueba juego("auditoria");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    std::vector<kit::PantallaAuditada> pantallas;
    // Every screen the manager builds at start-up; those it only constructs
    // are built, and audited, by the screens that use them.
    for (int i = 0; i < CMenuMaestro::kNumPantallas; ++i) {
        CMenuObj* p = g_pMenuMaestro->Pantalla(i);
        if (p && p->EstaIniciado()) pantallas.push_back({CMenuMaestro::MiembroPantalla(i), [i] {
                                                             return g_pMenuMaestro->Pantalla(i);
                                                         }});
    }
    EXPECT_GE(pantallas.size(), 20u);
    // ---- The first road's dialogs: the main menu's explanation and
    // difficulty box, and every box of the profile screen's dialogue (the
    // name box with its input line among them).
    pantallas.push_back({"CMenuPrincipal explanation", [] {
                             CMenuPrincipal* p = g_pMenuMaestro->m_pMenuPrincipal;
                             return p->PreparaExplicacion() ? static_cast<CMenuObj*>(p->Mensaje()) : nullptr;
                         }});
    pantallas.push_back({"CMsgBoxDificultad", [] { return g_pMenuMaestro->m_pMenuPrincipal->Dificultad(); }});
    for (const int iTipo : {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 20, 21, 23, 24, 25, 26})
        pantallas.push_back({"CMenuPerfil box " + std::to_string(iTipo), [iTipo] {
                                 CMenuPerfil* p = g_pMenuMaestro->m_pMenuPerfil;
                                 p->m_iModo = CMenuPerfil::MODO_ELECCION;
                                 p->AbreMensaje(iTipo);
                                 p->m_bSiguienteListo = 0;
                                 return static_cast<CMenuObj*>(p->m_pMensajeSiguiente);
                             }});
    // The pause menu is built at start-up: the screens' loop above has it.
    // The language screen's message, and the controls screen while it
    // captures (its panel and prompt).
    pantallas.push_back({"CMenuIdiomas message", [] {
                             CMenuIdiomas* p = g_pMenuMaestro->m_pMenuIdiomas;
                             return p->PreparaAviso() ? static_cast<CMenuObj*>(p->m_pMsgBox) : nullptr;
                         }});
    pantallas.push_back({"CMenuControles capturing", [] {
                             g_pMenuMaestro->m_pMenuControles->m_iCaptura = 0;
                             return g_pMenuMaestro->m_pMenuControles;
                         }});
    pantallas.push_back({"CCartelCargando", [] {
                             g_pMenuMaestro->m_pCartelCargando->Activa();
                             return g_pMenuMaestro->m_pCartelCargando;
                         }});

    const std::vector<std::string> faltas = kit::AuditaPantallas(pantallas, {});
    g_pMenuMaestro->m_pCartelCargando->Desactiva();
    g_pMenuMaestro->m_pMenuControles->m_iCaptura = CMenuControles::kNingunaCaptura;
    EXPECT_TRUE(faltas.empty()) << UnaPorLinea(faltas);
}

// The audit tells what is missing: a text code, a sound slot, a package.
TEST(Auditoria, TellsWhatAScreenMisses)
{
    kit::CJuegoPrueba juego("auditoria_faltas");
    ASSERT_TRUE(juego.Iniciado());
    CBaseMenu pantalla;
    ASSERT_TRUE(pantalla.Crea("Incompleta", nullptr, nullptr, "RAN_NINGUNA", "Data\\Graficos\\NoHay.SPM", true, true,
                              true));
    CBotonTazmo boton;
    ASSERT_TRUE(boton.Inicia("SONIDO_QUE_NO_EXISTE", "PULSAR_BOTON_POSITIVO", 512, 400, CodigoFLI("ZZZZ"), -1, -1,
                             -1, 0, 1, "INCOMPLETA_BUT_Nada"));
    pantalla.AnadeHijo(false, &boton, false, false);
    const std::vector<std::string> faltas = kit::AuditaPantallas({{"Incompleta", [&] { return &pantalla; }}}, {});
    const std::string informe = UnaPorLinea(faltas);
    for (const char* esperado : {"package Data\\Graficos\\NoHay.SPM", "sound slot SONIDO_QUE_NO_EXISTE",
                                 "music slot RAN_NINGUNA (Incompleta)", "text code ZZZZ@0 (Incompleta)",
                                 "text code ZZZZ@1 (Incompleta)", "text code ZZZZ@2 (Incompleta)"})
        EXPECT_NE(informe.find(esperado), std::string::npos) << esperado << " in\n" << informe;
    pantalla.QuitaHijo(false, &boton);
}
