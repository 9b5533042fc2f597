// The content audit of every built screen and dialog: opened in each
// language over the real data, none shows a placeholder, misses a text code
// or asks for a sound or music slot that falls back to the default one.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/CuadroHint.h"
#include "engine/ui/MenuObj.h"
#include "game/screens/BaseMenu.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/MenuControles.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/CartelCargando.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/Personajes.h"
#include "game/screens/cofre/VisorPersonaje.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/JuegoPrueba.h"
#include "kit/TextosPrueba.h"

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

    // ---- chest: the character viewer, built for each of its characters,
    // and its story box ----
    for (int v = 0; v < CVisorPersonaje::kNumPersonajes; ++v)
        pantallas.push_back({"CVisorPersonaje " + std::to_string(v), [v]() -> CMenuObj* {
                                 CVisorPersonaje* p = g_pMenuMaestro->m_pVisorPersonaje;
                                 return p->Crea(v) ? p : nullptr;
                             }});
    pantallas.push_back({"CVisorPersonaje story", []() -> CMenuObj* {
                             CVisorPersonaje* p = g_pMenuMaestro->m_pVisorPersonaje;
                             return p->Crea(5) ? p->m_pCaja : nullptr;
                         }});

    // The characters' voices are made with the HUD's moods; until the
    // catalogue names one, the viewer's drum plays the bank's default.
    std::vector<std::string> ignorados;
    for (int v = 0; v < CVisorPersonaje::kNumPersonajes; ++v)
        for (int i = 0; i < CVisorPersonaje::kNumVoces; ++i) {
            const std::string sVoz =
                CVisorPersonaje::NombreVoz(CVisorPersonaje::PersonajeDeVisor(v)->m_pszPrefijoVoz, i);
            bool bEnCatalogo = false;
            for (const FilaCatalogo& f : juego::kCatalogo)
                bEnCatalogo = bEnCatalogo || (f.tipo == TipoContenido::RanuraSonido && sVoz == f.nombre);
            if (!bEnCatalogo) ignorados.push_back(sVoz);
        }

    const std::vector<std::string> faltas = kit::AuditaPantallas(pantallas, ignorados);
    g_pMenuMaestro->m_pCartelCargando->Desactiva();
    g_pMenuMaestro->m_pMenuControles->m_iCaptura = CMenuControles::kNingunaCaptura;
    EXPECT_TRUE(faltas.empty()) << UnaPorLinea(faltas);
}

// The language screen and the options screen's layout with its language
// button, in every language: each button's caption fits inside its frame at
// full size, the message that asks for a language fits its box at full size,
// and every hint of the options fits the hint box, at 0.7 of its size or
// more.
TEST(Auditoria, TheLanguageAndOptionsScreensTextsFitInEveryLanguage)
{
    kit::CJuegoPrueba juego("auditoria_idiomas");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    CMenuIdiomas* id = g_pMenuMaestro->m_pMenuIdiomas;
    CMenuOpcionesTazmo* o = g_pMenuMaestro->m_pMenuOpciones;
    ASSERT_NE(o->m_pBotonIdioma, nullptr);
    EXPECT_EQ(o->m_pBotonIdioma->Padre(), o);
    const struct {
        const CBotonTazmo* boton;
        const char* texto;
    } botones[] = {
        {id->m_apBotones[0], "ID03"}, {id->m_apBotones[1], "ID02"}, {id->m_apBotones[2], "ID01"},
        {id->m_apBotones[3], "VOLV"}, {o->m_pBotonVolver, "MP05"},
    };
    const char* const ayudas[] = {"MO10", "MO11", "MO15", "MO02", "MO01", "MO16"};
    const CFont* fBoton = g_pSistema2D->GetFont(0);
    const CFont* fCaja = g_pSistema2D->GetFont(CMsgBoxTazmo::kFuente);
    const CFont* fAyuda = g_pSistema2D->GetFont(g_pMenuMaestro->m_pCuadroHint->m_iFuente);
    ASSERT_TRUE(fBoton && fCaja && fAyuda);
    for (const kit::IdiomaAuditado& idioma : kit::kIdiomasAuditados) {
        SCOPED_TRACE(idioma.clave);
        for (const auto& b : botones) {
            ASSERT_NE(b.boton, nullptr) << b.texto;
            const char* sz = g_GestorFLIs.GetTexto(CodigoFLI(b.texto), idioma.clave);
            ASSERT_NE(sz, nullptr) << b.texto;
            EXPECT_LE(fBoton->CalculaAncho(sz), CBotonTazmo::AnchoUtil(b.boton->Rect().ancho)) << sz;
        }
        const char* szAviso = g_GestorFLIs.GetTexto(CodigoFLI("XX01"), idioma.clave);
        ASSERT_NE(szAviso, nullptr);
        const std::string sAviso = mgtest::AjustaComoCaja(*fCaja, szAviso, CMsgBoxTazmo::kAnchoTextoGrande, 1.0f);
        EXPECT_LE(fCaja->CalculaAlto(sAviso.c_str()) + CMsgBoxTazmo::kAltoBoton, CMsgBoxTazmo::kAltoMarco) << szAviso;
        for (const char* szCodigo : ayudas) {
            const char* sz = g_GestorFLIs.GetTexto(CodigoFLI(szCodigo), idioma.clave);
            ASSERT_NE(sz, nullptr) << szCodigo;
            float fEscala = 0.0f, fAlto = 0.0f;
            CCuadroHint::CalculaCaja(fAyuda, sz, &fEscala, &fAlto);
            // The box finds a scale at which the wrapped hint fits its
            // height, and it stays readable.
            std::string sAjustado;
            fAyuda->AjustaTexto(sAjustado, sz, CCuadroHint::kAnchoTexto / fEscala);
            EXPECT_LE(fAyuda->CalculaAlto(sAjustado.c_str()) * fEscala * fEscala, CCuadroHint::kAltoMaximo) << sz;
            EXPECT_GE(fEscala, 0.7f) << sz;
        }
    }
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
