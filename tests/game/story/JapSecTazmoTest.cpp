// The story-scene player: declarations make the scene's elements (or nothing
// for names they do not know), VQ_ commands drive them and are never typed,
// input reaches the sequencer, and sounds and music are played, stopped and
// let go with the scene.
#include "EntornoEscena.h"
#include "engine/audio/GestorSonido.h"
#include "game/story/EfectoSecTazmo.h"
#include "game/story/ImagenSecTazmo.h"
#include "game/story/PersoSecTazmo.h"
#include "game/story/SonidoSecTazmo.h"

#include <string>

using escenatest::EntornoEscena;
using escenatest::Texto;

namespace {
using Escena = EntornoEscena;
} // namespace

TEST_F(Escena, DeclarationsMakeOnlyWhatTheyKnow)
{
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAPERSONAJE = \"Maida\"; TAZMO_PREDECLARAPERSONAJE = \"MAIDA\";"
                      "TAZMO_PREDECLARAPERSONAJE = \"Nadie\"; TAZMO_PREDECLARAFONDO = \"FondoNada\";"
                      "TAZMO_PREDECLARAIMAGEN = \"FondoJardin\"; TAZMO_PREDECLARAFONDO = \"FondoJardin\";"
                      "TAZMO_PREDECLARAEFECTO = \"StokinnenLanza\"; TAZMO_PREDECLARAEFECTO = \"MaidaAtaca\";"
                      "TAZMO_PREDECLARAEFECTO = \"SelloSeInstalaEnLimbo\"; TAZMO_PREDECLARAEFECTO = \"Lluvia\";"
                      "TAZMO_PREDECLARAEFECTO = \"LuzTarde\"; TAZMO_PREDECLARASONIDO = \"PRESS_START\";"
                      "TAZMO_PREDECLARASONIDO = \"NO_HAY_TAL\"; TAZMO_PREDECLARACANAL = \"CANAL_ESCENA\";"
                      "TAZMO_PREDECLARASONIDO = \"" + std::string(300, 'S') + "\";"
                      "TAZMO_PREDECLARACANAL = \"" + std::string(256, 'C') + "\"; FIN = 0;"));
    EXPECT_EQ(m_escena->Personajes().size(), 2u);
    EXPECT_EQ(m_escena->Personajes()[0]->m_iFila, m_escena->Personajes()[1]->m_iFila);
    EXPECT_EQ(m_escena->BuscaPersonaje("maida"), m_escena->Personajes()[0].get());
    EXPECT_EQ(m_escena->Fondos().size(), 1u);
    EXPECT_EQ(m_escena->Imagenes().size(), 1u);
    ASSERT_EQ(m_escena->Efectos().size(), 1u);
    EXPECT_EQ(m_escena->Efectos()[0]->Tipo(), 40);
    // Slot names are kept even when the bank lacks them (the bank then gives
    // its stand-in slot); over-long names are refused.
    ASSERT_EQ(m_escena->Sonidos().size(), 2u);
    EXPECT_GT(m_escena->Sonidos()[0]->Indice(), 0);
    EXPECT_EQ(m_escena->Sonidos()[1]->Indice(), 0);
    EXPECT_EQ(m_escena->BuscaSonido("press_start"), nullptr); // sounds by their exact name
    EXPECT_EQ(m_escena->Canales().size(), 1u);
    EXPECT_EQ(m_escena->BuscaCanal("CANAL_ESCENA"), m_escena->Canales()[0].get());

    // A script that cannot load leaves nothing declared and answers 0.
    const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
    EXPECT_FALSE(m_escena->Carga((m_carpeta / "falta.txt").string().c_str(), &c, 1));
    EXPECT_TRUE(m_escena->Personajes().empty());
    EXPECT_EQ(m_escena->GetResultado(), 0);
}

TEST_F(Escena, CommandsDriveTheElementsAndAreNeverTyped)
{
    Texto("QC10", "<VQ_PERSO_FADE_IN=Maida><VQ_PERSO_VE_A_POS_X=Maida,300,10><VQ_PERSO_HABLA=Maida>Hola"
                  "<VQ_PERSO_HUMOR=Maida,Alegre><VQ_PERSO_GESTOOJOS=Maida,CasiAbierto>"
                  "<VQ_PERSO_GESTOOJODERECHO=Maida,Cerrado><VQ_PERSO_GESTOBOCA=Maida,Grita>"
                  "<VQ_PERSO_PARPADEO=Maida,MasBienAbiertos><VQ_PERSO_SALTA=Maida><VQ_PERSO_TRANS_ESCALA=Maida,1.5,0>"
                  "<VQ_PERSO_CALLA=Maida><VQ_PERSO_FADE_TO=Stokinnen,0.5,0>"
                  "<VQ_PERSO_SILUETA_FADE_TO=Stokinnen,1,0,0,1,0><VQ_FONDO_FADETO=FondoJardin,1,0>"
                  "<VQ_PERSO_HABLA=Nadie>.");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAPERSONAJE = \"Maida\"; TAZMO_PREDECLARAPERSONAJE = \"Maida\";"
                      "TAZMO_PREDECLARAPERSONAJE = \"Stokinnen\"; TAZMO_PREDECLARAFONDO = \"FondoJardin\";"
                      "TAZMO_PREDECLARAIMAGEN = \"FondoJardin\"; JAPTXTLINE = \"NONE\", \"QC10\", 1;"));
    CPersoSecTazmo& maida = *m_escena->Personajes()[0];
    CPersoSecTazmo& otra = *m_escena->Personajes()[1];
    CPersoSecTazmo& stokinnen = *m_escena->Personajes()[2];
    Pasos(1);
    EXPECT_TRUE(maida.m_bHablando);
    EXPECT_EQ(maida.m_fAlfa, 0.0f); // ramps take their first step next frame
    Pasos(3);
    EXPECT_EQ(m_escena->TextoEscrito(), "Hola");
    EXPECT_NEAR(maida.m_fAlfa, 0.3f, 1e-5f);
    Pasos(1);
    EXPECT_EQ(maida.m_iHumor, HUMOR_ALEGRE);
    EXPECT_EQ(maida.m_iOjoIzquierdo, OJO_CASI_ABIERTO);
    EXPECT_EQ(maida.m_iOjoDerecho, OJO_CERRADO);
    EXPECT_EQ(maida.m_iBoca, BOCA_GRITA);
    EXPECT_EQ(maida.m_iParpadeo, PARPADEO_MAS_BIEN_ABIERTOS);
    EXPECT_EQ(maida.m_fSalto, 0.0f);
    EXPECT_EQ(maida.m_fEscala, 1.5f);
    EXPECT_FALSE(maida.m_bHablando);
    EXPECT_EQ(stokinnen.m_fAlfa, 0.5f);
    EXPECT_EQ(stokinnen.m_Silueta.a, 255);
    EXPECT_EQ(m_escena->Fondos()[0]->m_fAlfa, 1.0f);   // the background, not the illustration
    EXPECT_EQ(m_escena->Imagenes()[0]->m_fAlfa, 0.0f);
    EXPECT_EQ(m_escena->TextoEscrito(), "Hola.");       // no command was typed
    // The second Maida is never reached.
    EXPECT_EQ(otra.m_fAlfa, 0.0f);
    EXPECT_EQ(otra.m_iHumor, HUMOR_NORMAL);
    Pasos(15);
    EXPECT_EQ(maida.m_fX, 300.0f);
    EXPECT_EQ(maida.m_fAlfa, 1.0f);
    EXPECT_EQ(maida.m_fSalto, 1.0f);
}

TEST_F(Escena, InputReachesTheSequencer)
{
    Texto("QC20", "ab");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAPERSONAJE = \"Asesino\"; JAPTXTLINE = \"NONE\", \"QC20\", 1;"
                      "JAPTXTLINE = \"NONE\", \"QC20\", 1; JAPTXTLINE = \"NONE\", \"QC20\", 1;"));
    EXPECT_TRUE(m_escena->TrataMovimientoRaton(0, 10, 10, false));
    Pasos(3);
    ASSERT_EQ(m_escena->Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    // No character is being tuned: keys and characters go on.
    EXPECT_FALSE(m_escena->TrataCaracter('2'));
    EXPECT_EQ(m_escena->Estado(), SECUENCIADOR_ESCRIBIENDO);
    Pasos(3);
    ASSERT_EQ(m_escena->Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    EXPECT_FALSE(m_escena->TrataTecla(200));
    EXPECT_EQ(m_escena->Estado(), SECUENCIADOR_ESCRIBIENDO);
    Pasos(3);
    // With the developer's face tuning on, the tuned character takes them.
    CPersoSecTazmo::ActivaAjusteCaras(true);
    EXPECT_TRUE(m_escena->TrataCaracter('1'));
    EXPECT_TRUE(m_escena->TrataTecla(200));
    EXPECT_EQ(m_escena->Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    CPersoSecTazmo::ActivaAjusteCaras(false);
}

TEST_F(Escena, SoundsAndMusicPlayStopAndGoWithTheScene)
{
    ASSERT_NE(g_pGestorSonido, nullptr);
    Texto("QC30", "<VQ_LANZA_SONIDO=PRESS_START><VQ_LANZA_MUSICA=CANAL_ESCENA,RAN_MENUS>a"
                  "<VQ_PARA_SONIDO=PRESS_START><VQ_PARA_MUSICA=CANAL_ESCENA>b<VQ_LANZA_MUSICA=CANAL_ESCENA,RAN_MENUS>");
    ASSERT_TRUE(Carga("TAZMO_PREDECLARASONIDO = \"PRESS_START\"; TAZMO_PREDECLARACANAL = \"CANAL_ESCENA\";"
                      "JAPTXTLINE = \"NONE\", \"QC30\", 1;"));
    CSonidoSecTazmo& s = *m_escena->Sonidos()[0];
    Pasos(1);
    EXPECT_NE(s.Instancia(), nullptr);
    EXPECT_STREQ(g_pGestorSonido->MusicaDeCanal("CANAL_ESCENA"), "RAN_MENUS");
    Pasos(1);
    EXPECT_STREQ(g_pGestorSonido->MusicaDeCanal("CANAL_ESCENA"), "");
    Pasos(1);
    EXPECT_STREQ(g_pGestorSonido->MusicaDeCanal("CANAL_ESCENA"), "RAN_MENUS");
    // Once only (the second value starting with 0) the sound is played afresh.
    CRanuraSonido* antes = s.Instancia();
    s.Lanza(false);
    EXPECT_NE(s.Instancia(), nullptr);
    EXPECT_NE(s.Instancia(), antes);
    // The next scene lets the channel go: it fades out.
    ASSERT_TRUE(Carga("FIN = 0;"));
    EXPECT_STREQ(g_pGestorSonido->MusicaDeCanal("CANAL_ESCENA"), "");
    Pasos(40);
}
