// Playing sequences frame by frame: the end and loop frames, clock jumps,
// movements, interpolations, nested sequences, pause points, seeking, lines
// and sounds. No graphics: objects have empty packages and their state is
// read directly.
#include "EntornoSecuencia.h"
#include "audio/EntornoSonido.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/graphics/SPM.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using sectest::Carpeta;
using sectest::Pasos;

namespace {

// A sequence loaded from the given records, in a folder of the test's own.
class Reproduccion : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_carpeta.Correcta()); }
    bool Carga(const std::string& contenido, const std::string& nombre = "s.sec")
    {
        return m_s.Carga(m_carpeta.Escribe(nombre, contenido).c_str());
    }
    Carpeta m_carpeta;
    CSecuencia m_s;
};

} // namespace

TEST_F(Reproduccion, EndAndLoopFrames)
{
    ASSERT_TRUE(Carga("FIN = 100;"));
    Pasos(m_s, 99);
    EXPECT_FALSE(m_s.HaTerminado());
    EXPECT_FALSE(m_s.HaCambiado());
    m_s.Actualiza();
    EXPECT_TRUE(m_s.HaTerminado());
    EXPECT_TRUE(m_s.HaCambiado());
    Pasos(m_s, 5); // it goes on, and stays finished
    EXPECT_EQ(m_s.Crono(), 105);
    EXPECT_TRUE(m_s.HaTerminado());

    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0;"));
    Pasos(m_s, 500);
    EXPECT_FALSE(m_s.HaTerminado());

    // Objects start again from nothing; layers keep what they were given.
    ASSERT_TRUE(Carga("LOOP = 50; OBJETOEXTREMO = 0; SETPOS = 0, 10, 300, 200;"
                      "INTERPOLAALFA = 0, 10, 12, 0, 255; SCROLL = 0, \"capa.spm\"; SCROLLSETPOS = 0, 5, 40, 30;"
                      "SCROLLMOSTRAR = 0, 5; SCROLLMOV = 0, 6, 0, 0;"));
    Pasos(m_s, 49);
    EXPECT_EQ(m_s.Objeto(0).x, 300.0f);
    EXPECT_EQ(m_s.Objeto(0).ucAlfa, 255);
    EXPECT_FALSE(m_s.HaCambiado());
    m_s.Actualiza();
    EXPECT_EQ(m_s.Crono(), 0);
    EXPECT_TRUE(m_s.HaCambiado());
    EXPECT_EQ(m_s.Objeto(0).x, 5000.0f);
    EXPECT_EQ(m_s.Objeto(0).y, 5000.0f);
    EXPECT_EQ(m_s.Objeto(0).ucAlfa, 0);
    EXPECT_TRUE(m_s.Capa(0).bVisible);
    EXPECT_EQ(m_s.Capa(0).x, 40.0f);
    Pasos(m_s, 11);
    EXPECT_EQ(m_s.Objeto(0).x, 300.0f);
}

TEST_F(Reproduccion, AClockJumpSkipsTheEventsOfItsFrame)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; SETPOS = 0, 10, 7, 7; SETPOS = 0, 11, 8, 8; SETPOS = 0, 30, 1, 1;"
                      "CAMBIACRONO = 30, 10;"));
    Pasos(m_s, 30);
    EXPECT_EQ(m_s.Crono(), 10);
    EXPECT_TRUE(m_s.HaCambiado());
    EXPECT_EQ(m_s.Objeto(0).x, 8.0f);
    m_s.Actualiza(); // frame 10 runs again
    EXPECT_EQ(m_s.Objeto(0).x, 7.0f);
    for (int i = 0; i < 100; ++i) {
        m_s.Actualiza();
        ASSERT_NE(m_s.Objeto(0).x, 1.0f);
    }
}

TEST_F(Reproduccion, MovementsEndExactlyOnTheirTargets)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; SETPOS = 0, 0, 0, 0; VEPOS = 0, 10, 20, 100, 50;"
                      "OBJETOEXTREMO = 1; VELINEA = 1, 0, 7, 3, -5, 336, -82;"
                      "OBJETOEXTREMO = 2; VESALTO = 2, 0, 10, 0, 400, 90, 400, 60;"));
    Pasos(m_s, 6);
    // Frames 1..10 of the arc take phases 0..pi: frame 5 is near its top.
    EXPECT_FLOAT_EQ(m_s.Objeto(2).x, 45.0f);
    EXPECT_NEAR(m_s.Objeto(2).y, 400.0f - 60.0f * std::sin(3.141592f * 4.0f / 9.0f), 1e-3f);
    Pasos(m_s, 2);
    EXPECT_EQ(m_s.Objeto(1).x, 336.0f);
    EXPECT_EQ(m_s.Objeto(1).y, -82.0f);
    Pasos(m_s, 3);
    EXPECT_EQ(m_s.Objeto(2).x, 90.0f);
    EXPECT_EQ(m_s.Objeto(2).y, 400.0f);
    Pasos(m_s, 9);
    EXPECT_NEAR(m_s.Objeto(0).x, 90.0f, 1e-3f);
    m_s.Actualiza(); // clock 20
    EXPECT_EQ(m_s.Objeto(0).x, 100.0f);
    EXPECT_EQ(m_s.Objeto(0).y, 50.0f);
    EXPECT_EQ(m_s.Objeto(0).iModo, MOVIMIENTO_NINGUNO);
}

TEST_F(Reproduccion, AlphaInterpolationsRiseAndFallEvenly)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; INTERPOLAALFA = 0, 0, 9, 0, 255;"
                      "OBJETOEXTREMO = 1; INTERPOLAALFA = 1, 0, 9, 255, 0;"
                      "OBJETOEXTREMO = 2; INTERPOLAESCALA = 2, 0, 4, 1, 1, 2, 0;"));
    const int sube[] = {0, 51, 76, 102, 127, 153, 178, 204, 229, 255, 255};
    const int baja[] = {0, 204, 178, 153, 127, 102, 76, 51, 25, 0, 0};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        m_s.Actualiza();
        EXPECT_EQ(m_s.Objeto(0).ucAlfa, sube[i]);
        if (i > 0) {
            EXPECT_EQ(m_s.Objeto(1).ucAlfa, baja[i]);
        }
    }
    EXPECT_FLOAT_EQ(m_s.Objeto(2).fEscalaX, 2.0f);
    EXPECT_FLOAT_EQ(m_s.Objeto(2).fEscalaY, 0.0f);
}

TEST_F(Reproduccion, SettingAlphaScaleAndAngleShowsAndEndsTheirChanges)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; INTERPOLAALFA = 0, 0, 20, 0, 255; SETALFA = 0, 5, 77;"
                      "INTERPOLAESCALA = 0, 0, 20, 1, 1, 3, 3; SETESCALA = 0, 5, 0.5, 2;"
                      "SETVELANG = 0, 0, 0.25; SETANGULO = 0, 5, 1.5;"));
    Pasos(m_s, 10);
    EXPECT_EQ(m_s.Objeto(0).ucAlfa, 77);
    EXPECT_FLOAT_EQ(m_s.Objeto(0).fEscalaX, 0.5f);
    EXPECT_FLOAT_EQ(m_s.Objeto(0).fEscalaY, 2.0f);
    EXPECT_FLOAT_EQ(m_s.Objeto(0).fAngulo, 1.5f);
}

TEST_F(Reproduccion, AnAngularSpeedTurnsTheAngleLastDrawn)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; SETALFA = 0, 0, 255; SETVELANG = 0, 0, 0.1;"
                      "OBJETOEXTREMO = 1; SETALFA = 1, 0, 255; SETVELANG = 1, 0, 0.1;"));
    for (int i = 0; i < 10; ++i) {
        m_s.Actualiza();
        m_s.Dibuja(nullptr);
    }
    // Nine frames turned it (the speed starts the frame after its event).
    EXPECT_NEAR(m_s.Objeto(0).fAngulo, 0.9f, 1e-4f);
    Pasos(m_s, 5); // not drawn: it holds
    EXPECT_NEAR(m_s.Objeto(0).fAngulo, 1.0f, 1e-4f);
}

TEST_F(Reproduccion, ASubSequenceShownAndLaunchedRunsInThatUpdate)
{
    m_carpeta.Escribe("hija.sec", "FIN = 3; OBJETOEXTREMO = 0; SETPOS = 0, 0, 11, 12;");
    ASSERT_TRUE(Carga("LOOP = 20; SUBSECUENCIA = 4, \"hija.sec\"; SUBSEC_SETVISIBLE = 4, 5, 1;"
                      "SUBSEC_LANZA = 4, 5; SUBSEC_PARA = 4, 8, 1; SUBSEC_PARA = 4, 10, 0;"
                      "SUBSEC_SETVISIBLE = 4, 15, 0; SUBSECCAMBIACRONO = 12, 0, 4;"));
    const CSecuencia& hija = *m_s.Sub(4).pSecuencia;
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        SCOPED_TRACE(vuelta);
        Pasos(m_s, 5);
        EXPECT_FALSE(m_s.Sub(4).bVisible);
        m_s.Actualiza(); // frame 5
        EXPECT_TRUE(m_s.Sub(4).bVisible);
        EXPECT_FALSE(m_s.Sub(4).bParada);
        EXPECT_EQ(hija.Crono(), 1);
        EXPECT_EQ(hija.Objeto(0).x, 11.0f);
        Pasos(m_s, 3); // stopped at frame 8
        EXPECT_EQ(hija.Crono(), 3);
        Pasos(m_s, 2); // runs on from frame 10
        EXPECT_EQ(hija.Crono(), 4);
        m_s.Actualiza(); // the parent reaches 12: the child's clock is set to 0 and it runs a frame
        EXPECT_EQ(hija.Crono(), 1);
        Pasos(m_s, 4);
        EXPECT_FALSE(m_s.Sub(4).bVisible);
        Pasos(m_s, 4); // the loop
        EXPECT_EQ(m_s.Crono(), 0);
    }
    // A rewind stops and hides it and rewinds it.
    Pasos(m_s, 7);
    m_s.Rebobina();
    EXPECT_TRUE(m_s.Sub(4).bParada);
    EXPECT_FALSE(m_s.Sub(4).bVisible);
    EXPECT_EQ(hija.Crono(), 0);
    EXPECT_EQ(hija.Objeto(0).x, 5000.0f);
    Pasos(m_s, 6);
    EXPECT_TRUE(m_s.Sub(4).bVisible);
}

TEST_F(Reproduccion, PausePointsHoldUntilAResumeIsAsked)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; SETPOS = 0, 5, 1, 1; BOTONPAUSA = 0, 30; BOTONPAUSA = 0, 10;"));
    m_s.PideReanudar(); // not paused: nothing to resume
    Pasos(m_s, 10);
    EXPECT_TRUE(m_s.EstaPausada());
    EXPECT_TRUE(m_s.ConsumeLlegadaPausa());
    EXPECT_FALSE(m_s.ConsumeLlegadaPausa());
    Pasos(m_s, 50);
    EXPECT_EQ(m_s.Crono(), 10);
    m_s.PideReanudar();
    m_s.Actualiza(); // the resume takes this update
    EXPECT_EQ(m_s.Crono(), 10);
    EXPECT_FALSE(m_s.EstaPausada());
    Pasos(m_s, 20);
    EXPECT_EQ(m_s.Crono(), 30);
    EXPECT_TRUE(m_s.ConsumeLlegadaPausa());
    // A rewind starts from the first pause point again.
    m_s.Rebobina();
    m_s.PideReanudar();
    Pasos(m_s, 11);
    EXPECT_EQ(m_s.Crono(), 10);
    EXPECT_TRUE(m_s.EstaPausada());
}

TEST_F(Reproduccion, SeekingMovesTheCursorsWithoutReplaying)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; SETPOS = 0, 2, 2, 2; SETPOS = 0, 6, 6, 6; SETPOS = 0, 9, 9, 9;"
                      "CAMBIACRONO = 3, 1;"));
    m_s.SituaCrono(6);
    EXPECT_EQ(m_s.Objeto(0).x, 5000.0f);
    m_s.Actualiza();
    EXPECT_EQ(m_s.Objeto(0).x, 6.0f);
    Pasos(m_s, 3);
    EXPECT_EQ(m_s.Objeto(0).x, 9.0f);
    m_s.SituaCrono(0);
    Pasos(m_s, 3); // the jump at 3
    EXPECT_TRUE(m_s.HaCambiado());
    m_s.SituaYActualiza(5);
    EXPECT_FALSE(m_s.HaCambiado());
    EXPECT_EQ(m_s.Crono(), 6);
    EXPECT_EQ(m_s.Objeto(0).x, 2.0f);
    m_s.Actualiza();
    EXPECT_EQ(m_s.Objeto(0).x, 6.0f);
}

TEST_F(Reproduccion, LinesFollowTheirFirstObject)
{
    ASSERT_TRUE(Carga("OBJETOEXTREMO = 0; OBJETOEXTREMO = 1; OBJETOEXTREMO = 2;"
                      "PONLINEA = 0, 1, 0, 1, 2, 0; PONLINEA = 1, 1, 0, 2, 2, 0; PONLINEA = 2, 1, 5, 1, 2, 0;"
                      "PONLINEA = 0, 3, 1, 2, 2, 0; QUITALINEA = 1, 4; QUITALINEA = 9, 4;"));
    Pasos(m_s, 2);
    EXPECT_EQ(m_s.NumLineasEnLista(0), 2);
    EXPECT_TRUE(m_s.Linea(0).bEnUso);
    EXPECT_FALSE(m_s.Linea(2).bEnUso); // its first object is not loaded
    Pasos(m_s, 2); // line 0 moves to object 1
    EXPECT_EQ(m_s.NumLineasEnLista(0), 1);
    EXPECT_EQ(m_s.NumLineasEnLista(1), 1);
    m_s.Actualiza(); // line 1 removed; removing an unused slot changes nothing
    EXPECT_EQ(m_s.NumLineasEnLista(0), 0);
    EXPECT_FALSE(m_s.Linea(1).bEnUso);
    EXPECT_EQ(m_s.Linea(0).iObjetoA, 1);
}

namespace {

// The sound system on the manual device, a slot bank of two music slots and
// a sequence folder in the sound environment's own.
class SonidoSecuencia : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_entorno = std::make_unique<audiotest::EntornoSonido>("sec-" + sectest::NombreTest());
        ASSERT_TRUE(m_entorno->Correcto());
        const std::string tono = audiotest::Tono("TresMitades.ogg");
        m_entorno->Escribe("M.crm", "RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"TEMA\";\n"
                                    "RANURAMUSICA_PIEZA = \"" + tono + "\";\nRANURAMUSICA_FIN = ;\n");
        m_entorno->Escribe("S.crs", "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"X\";\n"
                                    "RANURASONIDO_MUESTRA_ENTRADA = \"c.wav\";\nRANURASONIDO_FIN = ;\n");
        m_entorno->Escribe("c.wav", audiotest::WavConstante(1, 0.5f));
        ASSERT_TRUE(m_banco.Carga("M.crm", "S.crs"));
        CSecuencia::PonBancoRanuras(&m_banco);
        m_tono = tono;
    }
    void TearDown() override { CSecuencia::PonBancoRanuras(nullptr); }
    bool Carga(CSecuencia& s, const std::string& contenido, const std::string& nombre = "s.sec")
    {
        m_entorno->Escribe(nombre, contenido);
        return s.Carga(nombre.c_str());
    }

    std::unique_ptr<audiotest::EntornoSonido> m_entorno;
    CBancoRanuras m_banco;
    std::string m_tono;
};

} // namespace

TEST_F(SonidoSecuencia, LongSoundsReplaceAndStopOnTheirChannel)
{
    CSecuencia s;
    ASSERT_TRUE(Carga(s, "PARASONIDOLARGO = 2, 0; TOCASONIDOLARGO = 2, \"" + m_tono + "\", 1; TOCASONIDOLARGO = 2, \"" +
                             m_tono + "\", 3; PARASONIDOLARGO = 2, 5; PARASONIDOLARGO = 2, 6;"));
    s.Actualiza(); // stopping an empty channel does nothing
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
    s.Actualiza();
    CFlujoOgg* primero = s.Sonidos().apCanales[2];
    ASSERT_NE(primero, nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1);
    Pasos(s, 2);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 1); // the second replaced the first
    EXPECT_NE(s.Sonidos().apCanales[2], nullptr);
    Pasos(s, 3);
    EXPECT_EQ(s.Sonidos().apCanales[2], nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}

TEST_F(SonidoSecuencia, SamplesPlayAndReleasingSilencesEverything)
{
    CSecuencia s;
    ASSERT_TRUE(Carga(s, "SONIDO = 0, \"c.wav\"; TOCASONIDO = 0, 0; TOCASONIDO = 5, 0; TOCASONIDOLARGO = 0, \"" +
                             m_tono + "\", 1; TOCARANURAMUSICA = 0, 1, \"TEMA\";"));
    s.Actualiza();
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 1);
    s.Actualiza();
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 2);
    s.Libera();
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}

TEST_F(SonidoSecuencia, MusicPlacesPlayTheirOwnCopyOfTheBanksSlot)
{
    CSecuencia a, b;
    const std::string registros = "TOCARANURAMUSICA = 0, 0, \"TEMA\"; TOCARANURAMUSICA = 1, 0, \"NO_EXISTE\";"
                                  "PARARANURAMUSICA = 1, 4; PARARANURAMUSICA = 2, 4;";
    ASSERT_TRUE(Carga(a, registros, "a.sec"));
    ASSERT_TRUE(Carga(b, registros, "b.sec"));
    a.Actualiza();
    b.Actualiza();
    const CRanuraMusica* pa = a.Sonidos().apPlazas[0].get();
    const CRanuraMusica* pb = b.Sonidos().apPlazas[0].get();
    ASSERT_NE(pa, nullptr);
    ASSERT_NE(pb, nullptr);
    EXPECT_NE(pa, pb);
    EXPECT_NE(pa, m_banco.GetRanuraMusicaPorNombre("TEMA"));
    EXPECT_STREQ(pa->m_szNombre, "TEMA");
    EXPECT_TRUE(pa->EstaSonando());
    // An unknown name plays the bank's default slot.
    ASSERT_NE(a.Sonidos().apPlazas[1], nullptr);
    EXPECT_STREQ(a.Sonidos().apPlazas[1]->m_szNombre, m_banco.GetRanuraMusica(0)->m_szNombre);
    Pasos(a, 4);
    EXPECT_EQ(a.Sonidos().apPlazas[1], nullptr);
    EXPECT_NE(a.Sonidos().apPlazas[0], nullptr);
    // Without a bank nothing is played.
    CSecuencia::PonBancoRanuras(nullptr);
    CSecuencia c;
    ASSERT_TRUE(Carga(c, registros, "c.sec"));
    c.Actualiza();
    EXPECT_EQ(c.Sonidos().apPlazas[0], nullptr);
}

TEST_F(SonidoSecuencia, ResourcesTakeTheSamplesAgainAndGiveThemBack)
{
    CSecuencia s;
    ASSERT_TRUE(Carga(s, "SONIDO = 3, \"c.wav\"; TOCASONIDOLARGO = 1, \"" + m_tono + "\", 0; TOCASONIDO = 3, 2;"));
    CMuestraSonido* m = s.Sonidos().apMuestras[3];
    ASSERT_NE(m, nullptr);
    const int propietarios = m->m_iPropietarios; // the bank's slot holds it too
    s.CargaRecursos();
    s.CargaRecursos(); // once only
    EXPECT_EQ(m->m_iPropietarios, propietarios);
    EXPECT_EQ(m->m_iMaxInstancias, 3);
    s.Actualiza();
    EXPECT_NE(s.Sonidos().apCanales[1], nullptr);
    s.DescargaRecursos();
    EXPECT_EQ(m->m_iPropietarios, propietarios - 1);
    EXPECT_EQ(s.Sonidos().apMuestras[3], nullptr);
    EXPECT_EQ(s.Sonidos().apCanales[1], nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
    Pasos(s, 2); // a sample given back is not played
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 0);
}
