// The video, audio and language screens over the real game: the filtering
// choice is saved at once and read back after a restart; the mode label
// follows the switch once it has happened; the volumes step in tenths
// within 0..1 and show rounded percentages; the audio grid's keyboard links;
// a language choice changes the texts and closes the screen (or goes on to
// the title screen on a first run), and back without any language shows the
// message; every settings screen is built, released and built again.
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuAudio.h"
#include "game/screens/MenuControles.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuIdiomas.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/MenuSeleccionAvatar.h"
#include "game/screens/MenuVideo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/AuditoriaPantallas.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void HastaQuieto(kit::CJuegoPrueba& juego)
{
    for (int n = 0; n < 200; ++n) {
        CMenuObj* p = g_pMenuMaestro->m_pMenuActual;
        if (g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA && p && !p->EnTransicion()) return;
        juego.Pasos(1);
    }
}

void Abre(kit::CJuegoPrueba& juego, CMenuObj* p)
{
    juego.Pasos(1);
    HastaQuieto(juego);
    g_pMenuMaestro->CambiaMenu(p);
    HastaQuieto(juego);
    ASSERT_EQ(juego.Pantalla(), p);
}

// A plain button's press comes at once; a game button's after its press.
void Pulsa(kit::CJuegoPrueba& juego, const char* szNombre, int iPasos = 2)
{
    ASSERT_TRUE(juego.Pulsa(szNombre)) << szNombre << "\n" << juego.Widgets();
    juego.Pasos(iPasos);
}

} // namespace

TEST(Video, TheFilteringChoiceIsSavedAtOnceAndSurvivesARestart)
{
    EXPECT_STREQ(CMenuVideo::CodigoFiltrado(PREF_FILTRADO_BILINEAL), "MV33");
    EXPECT_STREQ(CMenuVideo::CodigoFiltrado(PREF_PANTALLA_COMPLETA), "MV34");
    EXPECT_STREQ(CMenuVideo::CodigoModo(PREF_PANTALLA_COMPLETA), "MV31");
    EXPECT_STREQ(CMenuVideo::CodigoModo(PREF_FILTRADO_BILINEAL), "MV32");

    kit::CJuegoPrueba juego("video_filtrado");
    ASSERT_TRUE(juego.Iniciado());
    CMenuVideo* v = g_pMenuMaestro->m_pMenuVideo;
    Abre(juego, v);
    EXPECT_EQ(juego.MusicaCanal("CANAL_MUSICA_ODL"), "data\\Musica\\MenuMusic.ogg");
    const bool bAntes = (g_pPreferencias->m_iFlags & PREF_FILTRADO_BILINEAL) != 0;
    Pulsa(juego, "MENUVIDEO_BUT_Blending");
    const bool bAhora = (g_pPreferencias->m_iFlags & PREF_FILTRADO_BILINEAL) != 0;
    EXPECT_NE(bAhora, bAntes);
    EXPECT_EQ(g_pSistema2D->FiltratLineal(), bAhora);
    EXPECT_EQ(v->m_pTextoFiltrado->IdTexto(), CodigoFLI(bAhora ? "MV33" : "MV34"));
    EXPECT_NE(juego.LeeFicheroUsuario("Preferencias.PRF").find(bAhora ? "FLAGS = 3" : "FLAGS = 2"),
              std::string::npos)
        << juego.LeeFicheroUsuario("Preferencias.PRF");

    ASSERT_TRUE(juego.Reinicia());
    EXPECT_EQ((g_pPreferencias->m_iFlags & PREF_FILTRADO_BILINEAL) != 0, bAhora);
    EXPECT_EQ(g_pMenuMaestro->m_pMenuVideo->m_pTextoFiltrado->IdTexto(), CodigoFLI(bAhora ? "MV33" : "MV34"));
}

TEST(Video, TheModeLabelFollowsTheSwitchOnceItHasHappened)
{
    kit::CJuegoPrueba juego("video_modo");
    ASSERT_TRUE(juego.Iniciado());
    CMenuVideo* v = g_pMenuMaestro->m_pMenuVideo;
    Abre(juego, v);
    const bool bVentana = g_pSistema2D->EsVentana();
    EXPECT_EQ(v->m_pTextoModo->IdTexto(), CodigoFLI(bVentana ? "MV32" : "MV31"));
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        const bool bEra = g_pSistema2D->EsVentana();
        Pulsa(juego, "MENUVIDEO_BUT_FullScreen", 6);
        EXPECT_EQ(g_pSistema2D->EsVentana(), !bEra);
        EXPECT_EQ(v->m_pTextoModo->IdTexto(), CodigoFLI(bEra ? "MV31" : "MV32")) << vuelta;
    }
    // Back closes the screen.
    Pulsa(juego, "MENUVIDEO_BUT_Volver");
    juego.Pasos(30);
    EXPECT_EQ(v->Padre(), nullptr);
}

TEST(Audio, VolumesStepInTenthsWithinFullAndSilenceShownRounded)
{
    const struct {
        float v;
        const char* texto;
    } casos[] = {{1.0f, "100%"}, {0.9f, "90%"}, {0.0f, "0%"}, {0.7f, "70%"}, {0.89999f, "90%"}, {0.004f, "0%"}};
    for (const auto& c : casos) EXPECT_EQ(CMenuAudio::TextoVolumen(c.v), c.texto) << c.v;

    kit::CJuegoPrueba juego("audio_pasos");
    ASSERT_TRUE(juego.Iniciado());
    CMenuAudio* a = g_pMenuMaestro->m_pMenuAudio;
    g_pPreferencias->m_fVolSonido = 1.0f;
    g_pPreferencias->m_fVolMusica = 1.0f;
    Abre(juego, a);
    EXPECT_EQ(juego.MusicaCanal("CANAL_MUSICA_ODL"), "data\\Audio\\Musica\\MusicaMenus.ogg");
    Pulsa(juego, "MENUAUDIO_BUT_VolUp");
    EXPECT_FLOAT_EQ(g_pPreferencias->m_fVolSonido, 1.0f);
    EXPECT_STREQ(a->m_pValorSonido->Literal(), "100%");
    Pulsa(juego, "MENUAUDIO_BUT_VolDown");
    EXPECT_STREQ(a->m_pValorSonido->Literal(), "90%");
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenMuestras(), 0.9f, 1e-6f);
    Pulsa(juego, "MENUAUDIO_BUT_MusDown");
    Pulsa(juego, "MENUAUDIO_BUT_MusDown");
    EXPECT_STREQ(a->m_pValorMusica->Literal(), "80%");
    EXPECT_NEAR(g_pSistemaSonido->GetVolumenFlujos(), 0.8f, 1e-6f);
    EXPECT_STREQ(a->m_pValorSonido->Literal(), "90%");
    for (int i = 0; i < 12; ++i) Pulsa(juego, "MENUAUDIO_BUT_MusDown", 1);
    EXPECT_FLOAT_EQ(g_pPreferencias->m_fVolMusica, 0.0f);
    EXPECT_STREQ(a->m_pValorMusica->Literal(), "0%");

    // Back saves the preferences.
    Pulsa(juego, "MENUAUDIO_BUT_Volver");
    EXPECT_NE(juego.LeeFicheroUsuario("Preferencias.PRF").find("VOLMUSICA = 0"), std::string::npos)
        << juego.LeeFicheroUsuario("Preferencias.PRF");
}

TEST(Audio, TheGridsKeyboardLinks)
{
    using A = CMenuAudio;
    const struct {
        int id;
        A::Vecinos v;
    } casos[] = {
        {A::ID_SONIDO_MAS, {A::ID_VOLVER, A::ID_MUSICA_MAS, A::ID_SONIDO_MENOS, A::ID_SONIDO_MENOS}},
        {A::ID_SONIDO_MENOS, {A::ID_VOLVER, A::ID_MUSICA_MENOS, A::ID_SONIDO_MAS, A::ID_SONIDO_MAS}},
        {A::ID_MUSICA_MAS, {A::ID_SONIDO_MAS, A::ID_VOLVER, A::ID_MUSICA_MENOS, A::ID_MUSICA_MENOS}},
        {A::ID_MUSICA_MENOS, {A::ID_SONIDO_MENOS, A::ID_VOLVER, A::ID_MUSICA_MAS, A::ID_MUSICA_MAS}},
        {A::ID_VOLVER, {A::ID_MUSICA_MAS, A::ID_SONIDO_MAS, -1, -1}},
    };
    kit::CJuegoPrueba juego("audio_enlaces");
    ASSERT_TRUE(juego.Iniciado());
    CMenuAudio* a = g_pMenuMaestro->m_pMenuAudio;
    auto Boton = [&](int id) -> CMenuObj* { return id < 0 ? nullptr : a->m_apBotones[id]; };
    for (const auto& c : casos) {
        const A::Vecinos v = A::VecinosDe(c.id);
        EXPECT_EQ(v.iArriba, c.v.iArriba) << c.id;
        EXPECT_EQ(v.iAbajo, c.v.iAbajo) << c.id;
        EXPECT_EQ(v.iIzquierda, c.v.iIzquierda) << c.id;
        EXPECT_EQ(v.iDerecha, c.v.iDerecha) << c.id;
        CMenuObj* b = a->m_apBotones[c.id];
        EXPECT_EQ(b->Arriba(), Boton(c.v.iArriba)) << c.id;
        EXPECT_EQ(b->Abajo(), Boton(c.v.iAbajo)) << c.id;
        EXPECT_EQ(b->Izquierda(), Boton(c.v.iIzquierda)) << c.id;
        EXPECT_EQ(b->Derecha(), Boton(c.v.iDerecha)) << c.id;
    }
    // By keyboard: the focus starts on sound up; down, down reaches back,
    // Enter there closes the screen.
    Abre(juego, a);
    EXPECT_EQ(a->HijoEnfocado(), a->m_apBotones[A::ID_SONIDO_MAS]);
    juego.Tecla(208);
    juego.Tecla(205);
    EXPECT_EQ(a->HijoEnfocado(), a->m_apBotones[A::ID_MUSICA_MENOS]);
    juego.Tecla(208);
    EXPECT_EQ(a->HijoEnfocado(), a->m_apBotones[A::ID_VOLVER]);
    juego.Tecla(28);
    juego.Pasos(30);
    EXPECT_EQ(a->Padre(), nullptr);
}

TEST(Idiomas, AChoiceChangesTheTextsAndClosesOrGoesOnToTheTitleScreen)
{
    EXPECT_EQ(CMenuIdiomas::DecideSalida(CMenuIdiomas::MODO_NORMAL), CMenuIdiomas::SALIDA_CIERRA);
    EXPECT_EQ(CMenuIdiomas::DecideSalida(CMenuIdiomas::MODO_PRIMERA_VEZ), CMenuIdiomas::SALIDA_PRESENTACION);

    kit::CJuegoPrueba juego("idiomas_eleccion");
    ASSERT_TRUE(juego.Iniciado());
    // Opened over the options screen, as its language icon does.
    CMenuOpcionesTazmo* o = g_pMenuMaestro->m_pMenuOpciones;
    o->m_pMenuRetorno = g_pMenuMaestro->m_pMenuPrincipal;
    Abre(juego, o);
    CMenuIdiomas* id = g_pMenuMaestro->m_pMenuIdiomas;
    id->m_iModo = CMenuIdiomas::MODO_NORMAL;
    o->AnadeHijo(true, id, true, false);
    juego.Pasos(50);
    ASSERT_EQ(id->Padre(), o);
    Pulsa(juego, "MENUIDIOMAS_BUT_Castellano", 35);
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 1);
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 1);
    EXPECT_STREQ(g_GestorFLIs.GetTexto(CodigoFLI("MP05")), "Volver");
    EXPECT_NE(juego.LeeFicheroUsuario("Preferencias.PRF").find("IDIOMA = 1"), std::string::npos);
    juego.Pasos(50);
    EXPECT_EQ(id->Padre(), nullptr);
    EXPECT_EQ(juego.Pantalla(), o);
    EXPECT_FALSE(o->EnTransicion());

    // The very first screen of a run goes on to the title screen.
    id->m_iModo = CMenuIdiomas::MODO_PRIMERA_VEZ;
    Abre(juego, id);
    Pulsa(juego, "MENUIDIOMAS_BUT_Ingles", 35);
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 2);
    HastaQuieto(juego);
    EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPresentacion);
}

// The game offers its three languages: a first run (no preferences at all)
// opens on the language screen in its first-run mode, which asks for a
// language; the one chosen carries the game on to the title screen in it,
// and the next run starts in it on the title screen.
TEST(Idiomas, AFirstRunAsksForALanguageAndTheGameGoesOnInIt)
{
    const struct {
        const char* boton;
        int clave;
        const char* codigo;
    } casos[] = {{"MENUIDIOMAS_BUT_Ingles", 2, "EN"},
                 {"MENUIDIOMAS_BUT_Castellano", 1, "ES"},
                 {"MENUIDIOMAS_BUT_Catala", 0, "CA"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.boton);
        kit::CJuegoPrueba juego(std::string("idiomas_primera_") + c.codigo, {}, kit::CJuegoPrueba::PRIMERA_VEZ);
        ASSERT_TRUE(juego.Iniciado());
        EXPECT_EQ(g_pPreferencias->m_iIdioma, -1);
        juego.Pasos(1);
        HastaQuieto(juego);
        CMenuIdiomas* id = g_pMenuMaestro->m_pMenuIdiomas;
        ASSERT_EQ(juego.Pantalla(), id);
        EXPECT_EQ(id->m_iModo, CMenuIdiomas::MODO_PRIMERA_VEZ);
        ASSERT_TRUE(id->m_bMsgBoxMostrado);
        juego.Pasos(20);
        Pulsa(juego, "MSGBOXTAZMO_Boton0", 35);
        juego.Pasos(20);
        Pulsa(juego, c.boton, 35);
        EXPECT_EQ(g_GestorFLIs.IdiomaActual(), c.clave);
        EXPECT_STREQ(g_pSistemaFitxers->Idioma(), c.codigo);
        HastaQuieto(juego);
        EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPresentacion);

        ASSERT_TRUE(juego.Reinicia());
        EXPECT_EQ(g_pPreferencias->m_iIdioma, c.clave);
        EXPECT_EQ(g_GestorFLIs.IdiomaActual(), c.clave);
        EXPECT_STREQ(g_pSistemaFitxers->Idioma(), c.codigo);
        juego.Pasos(1);
        HastaQuieto(juego);
        EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPresentacion);
    }
}

TEST(Idiomas, WithoutAnyLanguageBackShowsTheMessageInsteadOfLeaving)
{
    kit::CJuegoPrueba juego("idiomas_aviso");
    ASSERT_TRUE(juego.Iniciado());
    CMenuIdiomas* id = g_pMenuMaestro->m_pMenuIdiomas;
    g_pPreferencias->m_iIdioma = -1;
    id->m_iModo = CMenuIdiomas::MODO_PRIMERA_VEZ;
    Abre(juego, id);
    // The first update already asks for a language.
    ASSERT_TRUE(id->m_bMsgBoxMostrado);
    ASSERT_NE(juego.Busca("MENUIDIOMAS_MsgBox1"), nullptr) << juego.Widgets();
    juego.Pasos(20);
    Pulsa(juego, "MSGBOXTAZMO_Boton0", 35);
    EXPECT_FALSE(id->m_bMsgBoxMostrado);
    juego.Pasos(20);
    EXPECT_EQ(juego.Busca("MENUIDIOMAS_MsgBox1"), nullptr);

    // Back without a language: the message again, the screen stays.
    Pulsa(juego, "MENUIDIOMAS_BUT_Volver", 35);
    EXPECT_TRUE(id->m_bMsgBoxMostrado);
    EXPECT_EQ(juego.Pantalla(), id);
    juego.Pasos(20);
    Pulsa(juego, "MSGBOXTAZMO_Boton0", 35);
    juego.Pasos(20);
    Pulsa(juego, "MENUIDIOMAS_BUT_Catala", 35);
    EXPECT_EQ(g_pPreferencias->m_iIdioma, 0);
    HastaQuieto(juego);
    EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPresentacion);
}

TEST(Ajustes, EverySettingsScreenIsBuiltReleasedAndBuiltAgain)
{
    kit::CJuegoPrueba juego("ajustes_reconstruye");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(2);
    CMenuMaestro* m = g_pMenuMaestro;
    auto Reconstruye = [](auto* p) {
        ASSERT_TRUE(p->EstaCreado());
        p->Libera();
        EXPECT_FALSE(p->EstaCreado());
        ASSERT_TRUE(p->Crea());
        ASSERT_TRUE(p->Crea());
        EXPECT_TRUE(p->EstaCreado());
        kit::AbreYCierraParaAuditar(p);
    };
    Reconstruye(m->m_pMenuOpciones);
    Reconstruye(m->m_pMenuIdiomas);
    Reconstruye(m->m_pMenuAudio);
    Reconstruye(m->m_pMenuVideo);
    Reconstruye(m->m_pMenuControles);
    Reconstruye(m->m_pMenuCreditos);
    Reconstruye(m->m_pMenuSeleccionAvatar);
    // The rebuilt screens work as before.
    Abre(juego, m->m_pMenuOpciones);
    juego.Pasos(5);
}
