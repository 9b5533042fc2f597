// The options screen over the real game: the volume icons step the volumes
// (full goes to silence) and the store follows each press; the knobs sit
// where the volumes are and dragging one sets its volume, the store taking
// it rounded when it is let go; high contrast switches the store, the
// board's flags and the ring's colours; each display icon works only in the
// other mode and the store keeps the mode asked for; back from the main
// menu writes the store's file and returns, back from the pause menu only
// closes; a restart reads back what was chosen.
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/MultiPreferencias.h"
#include "engine/core/Preferencias.h"
#include "engine/graphics/Sistema2D.h"
#include "game/play/AltoContraste.h"
#include "game/play/BolaTablero.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuInGame.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/ArrastrableTazmo.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Steps until the manager has no change under way and the screen stands
// still (at most 200).
void HastaQuieto(kit::CJuegoPrueba& juego)
{
    for (int n = 0; n < 200; ++n) {
        CMenuObj* p = g_pMenuMaestro->m_pMenuActual;
        if (g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA && p && !p->EnTransicion()) return;
        juego.Pasos(1);
    }
}

// The options screen opened from the main menu, as the main menu opens it.
CMenuOpcionesTazmo* AbreDesdeMenu(kit::CJuegoPrueba& juego)
{
    juego.Pasos(1);
    HastaQuieto(juego);
    CMenuOpcionesTazmo* o = g_pMenuMaestro->m_pMenuOpciones;
    o->m_pMenuRetorno = g_pMenuMaestro->m_pMenuPrincipal;
    o->m_bDesdeJuego = false;
    g_pMenuMaestro->CambiaMenu(o);
    HastaQuieto(juego);
    return o;
}

// A press of a widget by name, and the steps its press animation takes
// (the icons' short one, the back button's long one).
void Pulsa(kit::CJuegoPrueba& juego, const char* szNombre)
{
    ASSERT_TRUE(juego.Pulsa(szNombre)) << szNombre << "\n" << juego.Widgets();
    juego.Pasos(std::string(szNombre).ends_with("Volver") ? 32 : 8);
}

std::string Almacen(const char* szClave) { return g_pMenuMaestro->m_pMultiPreferencias->LeeTexto(szClave); }

} // namespace

TEST(Opciones, VolumeIconsStepByTenthsFromFullToSilenceAndTheStoreFollows)
{
    const struct {
        float v, siguiente;
    } casos[] = {{1.0f, 0.0f}, {0.99995f, 0.0f}, {0.0f, 0.1f}, {0.5f, 0.6f}, {0.95f, 1.0f}, {0.9f, 1.0f}};
    for (const auto& c : casos)
        EXPECT_NEAR(CMenuOpcionesTazmo::SiguienteVolumen(c.v), c.siguiente, 1e-5f) << c.v;

    kit::CJuegoPrueba juego("opciones_iconos");
    ASSERT_TRUE(juego.Iniciado());
    CMenuOpcionesTazmo* o = AbreDesdeMenu(juego);
    ASSERT_EQ(juego.Pantalla(), o);
    g_pSistemaSonido->CambiaVolumenFlujos(1.0f);

    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Musica");
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenFlujos(), 0.0f);
    EXPECT_EQ(Almacen("VOLMUSICA"), "0");
    EXPECT_FLOAT_EQ(o->m_pDeslizadorMusica->PosicionX(), 220.0f);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Musica");
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenFlujos(), 0.1f, 1e-6f);
    EXPECT_EQ(Almacen("VOLMUSICA"), "10");
    EXPECT_NEAR(o->m_pDeslizadorMusica->PosicionX(), 240.0f, 1e-3f);

    // The sound icon moves the sound volume alone; 0.6 + 0.1 is stored 70,
    // not 69.
    g_pSistemaSonido->CambiaVolumenMuestras(0.6f);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Sonido");
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenMuestras(), 0.7f, 1e-6f);
    EXPECT_EQ(Almacen("VOLSONIDO"), "70");
    EXPECT_EQ(Almacen("VOLMUSICA"), "10");
}

TEST(Opciones, KnobsSitAtTheVolumesAndADraggedKnobSetsItsVolume)
{
    const struct {
        float v, x;
    } casos[] = {{0.0f, 220.0f}, {1.0f, 420.0f}, {0.5f, 320.0f}, {0.25f, 270.0f}, {-1.0f, 220.0f}, {2.0f, 420.0f}};
    for (const auto& c : casos) {
        EXPECT_FLOAT_EQ(CMenuOpcionesTazmo::XDeVolumen(c.v), c.x) << c.v;
        if (c.v >= 0.0f && c.v <= 1.0f) {
            EXPECT_FLOAT_EQ(CMenuOpcionesTazmo::VolumenDeX(c.x), c.v) << c.x;
        }
    }
    EXPECT_FLOAT_EQ(CMenuOpcionesTazmo::VolumenDeX(100.0f), 0.0f);
    EXPECT_FLOAT_EQ(CMenuOpcionesTazmo::VolumenDeX(500.0f), 1.0f);

    kit::CJuegoPrueba juego("opciones_deslizadores");
    ASSERT_TRUE(juego.Iniciado());
    // Placed from the sound system at every opening.
    g_pSistemaSonido->CambiaVolumenFlujos(0.25f);
    g_pSistemaSonido->CambiaVolumenMuestras(0.75f);
    CMenuOpcionesTazmo* o = AbreDesdeMenu(juego);
    EXPECT_FLOAT_EQ(o->m_pDeslizadorMusica->PosicionX(), 270.0f);
    EXPECT_FLOAT_EQ(o->m_pDeslizadorSonido->PosicionX(), 370.0f);

    // Dragged 60 points right: the music plays louder while it moves, the
    // store takes it when it is let go.
    const Rectangulo r = o->m_pDeslizadorMusica->Rect();
    juego.MueveRaton(r.x + 32.0f, r.y + 64.0f);
    juego.BotonRaton(true);
    juego.MueveRaton(r.x + 62.0f, r.y + 64.0f);
    juego.MueveRaton(r.x + 92.0f, r.y + 64.0f);
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenFlujos(), 0.55f, 1e-4f);
    EXPECT_EQ(Almacen("VOLMUSICA"), "25");
    juego.BotonRaton(false);
    EXPECT_EQ(Almacen("VOLMUSICA"), "55");
    EXPECT_EQ(Almacen("VOLSONIDO"), "75");
    // Far past the end it stays at full.
    juego.MueveRaton(r.x + 92.0f, r.y + 64.0f);
    juego.BotonRaton(true);
    juego.MueveRaton(1000.0f, r.y + 64.0f);
    juego.BotonRaton(false);
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenFlujos(), 1.0f);
    EXPECT_EQ(Almacen("VOLMUSICA"), "100");
}

TEST(Opciones, HighContrastSwitchesTheStoreTheBoardAndTheRing)
{
    EXPECT_EQ(CMenuOpcionesTazmo::SpriteColor(0, false), 0);
    EXPECT_EQ(CMenuOpcionesTazmo::SpriteColor(7, false), 7);
    EXPECT_EQ(CMenuOpcionesTazmo::SpriteColor(0, true), 10);
    EXPECT_EQ(CMenuOpcionesTazmo::SpriteColor(7, true), 17);
    // The ring turns once in 500 steps and opens from its centre.
    float x0, y0, x1, y1;
    CMenuOpcionesTazmo::PosicionColor(0, 0, 1.0f, &x0, &y0);
    EXPECT_FLOAT_EQ(x0, 800.0f);
    EXPECT_FLOAT_EQ(y0, 346.0f + 32.0f);
    CMenuOpcionesTazmo::PosicionColor(0, 500, 1.0f, &x1, &y1);
    EXPECT_NEAR(x1, x0, 1e-2f);
    EXPECT_NEAR(y1, y0, 1e-2f);
    CMenuOpcionesTazmo::PosicionColor(3, 77, 0.0f, &x1, &y1);
    EXPECT_FLOAT_EQ(x1, 800.0f);
    EXPECT_FLOAT_EQ(y1, 346.0f);

    kit::CJuegoPrueba juego("opciones_contraste");
    ASSERT_TRUE(juego.Iniciado());
    AbreDesdeMenu(juego);
    PonAltoContraste(false);
    EXPECT_FALSE(CMenuOpcionesTazmo::AltoContraste());
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Daltonismo");
    EXPECT_EQ(Almacen("ALTOCONTRASTE"), "1");
    EXPECT_TRUE(CMenuOpcionesTazmo::AltoContraste());
    EXPECT_TRUE(CBolaTablero::s_bAltoContraste);
    EXPECT_TRUE(g_bAltoContrasteMaldiciones);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Daltonismo");
    EXPECT_EQ(Almacen("ALTOCONTRASTE"), "0");
    EXPECT_FALSE(CBolaTablero::s_bAltoContraste);
    EXPECT_FALSE(g_bAltoContrasteMaldiciones);
}

TEST(Opciones, EachDisplayIconWorksOnlyInTheOtherModeAndTheStoreKeepsTheModeAskedFor)
{
    const struct {
        int id;
        bool ventana, pide;
    } casos[] = {
        {CMenuOpcionesTazmo::ID_PANTALLA_COMPLETA, true, true},
        {CMenuOpcionesTazmo::ID_PANTALLA_COMPLETA, false, false},
        {CMenuOpcionesTazmo::ID_VENTANA, false, true},
        {CMenuOpcionesTazmo::ID_VENTANA, true, false},
        {CMenuOpcionesTazmo::ID_MUSICA, true, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CMenuOpcionesTazmo::PidePantalla(c.id, c.ventana), c.pide) << c.id << " " << c.ventana;
    EXPECT_EQ(CMenuOpcionesTazmo::ValorPantallaCompleta(CMenuOpcionesTazmo::ID_PANTALLA_COMPLETA), 1);
    EXPECT_EQ(CMenuOpcionesTazmo::ValorPantallaCompleta(CMenuOpcionesTazmo::ID_VENTANA), 0);

    kit::CJuegoPrueba juego("opciones_pantalla");
    ASSERT_TRUE(juego.Iniciado());
    AbreDesdeMenu(juego);
    const bool bVentanaAntes = g_pSistema2D->EsVentana();
    // The icon of the mode the game is in does nothing.
    Pulsa(juego, bVentanaAntes ? "MENUOPCIONESTAZMO_BUT_Ventana" : "MENUOPCIONESTAZMO_BUT_FullScreen");
    juego.Pasos(5);
    EXPECT_EQ(g_pSistema2D->EsVentana(), bVentanaAntes);
    EXPECT_EQ(Almacen("FULLSCREEN"), "");

    // The other one switches, and the store keeps the mode asked for.
    Pulsa(juego, bVentanaAntes ? "MENUOPCIONESTAZMO_BUT_FullScreen" : "MENUOPCIONESTAZMO_BUT_Ventana");
    juego.Pasos(5);
    EXPECT_EQ(g_pSistema2D->EsVentana(), !bVentanaAntes);
    EXPECT_EQ(Almacen("FULLSCREEN"), bVentanaAntes ? "1" : "0");
    Pulsa(juego, bVentanaAntes ? "MENUOPCIONESTAZMO_BUT_Ventana" : "MENUOPCIONESTAZMO_BUT_FullScreen");
    juego.Pasos(5);
    EXPECT_EQ(g_pSistema2D->EsVentana(), bVentanaAntes);
    EXPECT_EQ(Almacen("FULLSCREEN"), bVentanaAntes ? "0" : "1");
}

TEST(Opciones, BackFromTheMainMenuWritesTheStoreFromPlayItOnlyCloses)
{
    kit::CJuegoPrueba juego("opciones_volver");
    ASSERT_TRUE(juego.Iniciado());
    CMenuOpcionesTazmo* o = AbreDesdeMenu(juego);
    g_pSistemaSonido->CambiaVolumenFlujos(1.0f);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Musica");
    EXPECT_EQ(juego.LeeFicheroUsuario("MultiPrefs.PRF").find("VOLMUSICA = \"0\";"), std::string::npos);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Volver");
    HastaQuieto(juego);
    EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPrincipal);
    EXPECT_NE(juego.LeeFicheroUsuario("MultiPrefs.PRF").find("VOLMUSICA = \"0\";"), std::string::npos);

    // From the pause menu: attached as its child, back closes it and the
    // pause menu is there again; the file is left as it was.
    CMenuObj* pPausa = g_pMenuMaestro->m_pMenuInGame;
    g_pMenuMaestro->CambiaMenu(pPausa);
    HastaQuieto(juego);
    o->m_bDesdeJuego = true;
    pPausa->AnadeHijo(true, o, true, false);
    juego.Pasos(60);
    ASSERT_EQ(o->Padre(), pPausa);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Musica");
    EXPECT_EQ(Almacen("VOLMUSICA"), "10");
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Volver");
    juego.Pasos(50);
    EXPECT_EQ(o->Padre(), nullptr);
    EXPECT_EQ(juego.Pantalla(), pPausa);
    EXPECT_FALSE(pPausa->EnTransicion());
    EXPECT_NE(juego.LeeFicheroUsuario("MultiPrefs.PRF").find("VOLMUSICA = \"0\";"), std::string::npos);
}

TEST(Opciones, ARestartKeepsTheVolumesAndHighContrast)
{
    kit::CJuegoPrueba juego("opciones_reinicio");
    ASSERT_TRUE(juego.Iniciado());
    AbreDesdeMenu(juego);
    g_pSistemaSonido->CambiaVolumenFlujos(0.6f);
    g_pSistemaSonido->CambiaVolumenMuestras(0.9f);
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Musica");
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Sonido");
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Daltonismo");
    Pulsa(juego, "MENUOPCIONESTAZMO_BUT_Volver");
    HastaQuieto(juego);

    ASSERT_TRUE(juego.Reinicia());
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenFlujos(), 0.7f, 1e-6f);
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenMuestras(), 1.0f, 1e-6f);
    CMenuOpcionesTazmo* o = AbreDesdeMenu(juego);
    EXPECT_TRUE(CMenuOpcionesTazmo::AltoContraste());
    EXPECT_NEAR(o->m_pDeslizadorMusica->PosicionX(), 360.0f, 1e-3f);
    EXPECT_FLOAT_EQ(o->m_pDeslizadorSonido->PosicionX(), 420.0f);
}

// The game offers its languages: the options screen carries the language
// button with the layout at its own height (no offset), every icon inside
// the field, clear of the bottom bar and of the other icons in its column,
// and the button opens the language screen over the options in its normal
// mode, which closes back to them.
TEST(Opciones, TheLanguageButtonOpensTheLanguageScreenOverTheOptions)
{
    kit::CJuegoPrueba juego("opciones_idioma");
    ASSERT_TRUE(juego.Iniciado());
    CMenuOpcionesTazmo* o = AbreDesdeMenu(juego);
    ASSERT_EQ(juego.Pantalla(), o);
    EXPECT_EQ(o->m_fDesplazamiento, 0.0f);
    CMenuObj* pIdioma = juego.Busca("MENUOPCIONESTAZMO_BUT_Idioma");
    ASSERT_NE(pIdioma, nullptr) << juego.Widgets();
    // Where the layout puts each icon's centre.
    const struct {
        const char* nombre;
        float x, y;
    } centros[] = {
        {"MENUOPCIONESTAZMO_BUT_Musica", 150, 240},     {"MENUOPCIONESTAZMO_BUT_Sonido", 150, 400},
        {"MENUOPCIONESTAZMO_BUT_Daltonismo", 610, 240}, {"MENUOPCIONESTAZMO_BUT_FullScreen", 650, 400},
        {"MENUOPCIONESTAZMO_BUT_Ventana", 850, 400},    {"MENUOPCIONESTAZMO_BUT_Idioma", 150, 560},
    };
    for (const auto& c : centros) {
        CMenuObj* p = juego.Busca(c.nombre);
        ASSERT_NE(p, nullptr) << c.nombre;
        const Rectangulo& r = p->Rect();
        EXPECT_NEAR(r.x + r.ancho / 2, c.x, 1.0f) << c.nombre;
        EXPECT_NEAR(r.y + r.alto / 2, c.y, 1.0f) << c.nombre;
        // Inside the field, above the bottom bar the back button sits in.
        EXPECT_GE(r.x, 0.0f) << c.nombre;
        EXPECT_LE(r.x + r.ancho, 1024.0f) << c.nombre;
        EXPECT_GE(r.y, 96.0f) << c.nombre;
        EXPECT_LE(r.y + r.alto, 700.0f) << c.nombre;
    }

    // The left column's icons never touch.
    const Rectangulo& rSonido = juego.Busca("MENUOPCIONESTAZMO_BUT_Sonido")->Rect();
    EXPECT_LE(rSonido.y + rSonido.alto, pIdioma->Rect().y);

    // The language screen opens over the options in its normal mode, even
    // after a first run left it in the other.
    CMenuIdiomas* id = g_pMenuMaestro->m_pMenuIdiomas;
    id->m_iModo = CMenuIdiomas::MODO_PRIMERA_VEZ;
    ASSERT_TRUE(juego.Pulsa("MENUOPCIONESTAZMO_BUT_Idioma"));
    for (int i = 0; i < 200 && (id->Padre() != o || id->EnTransicion()); ++i) juego.Paso();
    ASSERT_EQ(id->Padre(), o);
    EXPECT_EQ(id->m_iModo, CMenuIdiomas::MODO_NORMAL);
    EXPECT_EQ(g_pMenuMaestro->m_pMenuActual, o);
    ASSERT_TRUE(juego.Pulsa("MENUIDIOMAS_BUT_Catala")) << juego.Widgets();
    for (int i = 0; i < 200 && (id->Padre() != nullptr || o->EnTransicion()); ++i) juego.Paso();
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 0);
    EXPECT_EQ(id->Padre(), nullptr);
    EXPECT_EQ(juego.Pantalla(), o);
    EXPECT_EQ(g_pMenuMaestro->m_iEstadoTransicion, TRANSICION_NINGUNA);
}
