// The dialogue player on the real graphics system and text tables: typing
// frame by frame with its inline commands, waits, sequences shown under the
// text, labels and jumps, the result, scrolling, and scripts that would hold
// their host for ever. Every step updates, draws and moves the frame count on,
// as a host does.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Bitmap.h"
#include "engine/graphics/Font.h"
#include "engine/sequences/JapSecuenciador.h"
#include "engine/sequences/Secuencia.h"
#include "kit/ServeisFitxers.h"
#include "kit/TextosPrueba.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kIngles = 2;

class JapSecuenciador : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        m_carpeta = mgtest::CarpetaNova("jap-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        m_config.m_sFicheroCaja = AtlasDePaquete(motor::paquete::CUADRO_BLANCO);
        m_config.m_fTextoX = 150;
        m_config.m_fTextoY = 542;
        m_config.m_fCajaX = 0;
        m_config.m_fCajaY = 512;
        m_config.m_fAnchoAjuste = 724;
        m_config.m_fAltoVisible = 195;
        m_config.m_fEscala = 1.0f;
        m_config.m_iFontMedida = uitest::kFuenteTexto;
    }

    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_carpeta / nombre, contenido);
        return (m_carpeta / nombre).string();
    }
    // A text of the current language under a test code.
    static void Texto(const char* codigo, const char* texto) { mgtest::PonTexto(kIngles, codigo, texto); }
    bool Carga(const std::string& guion)
    {
        const bool b = m_s.Carga(Escribe("guion.txt", guion).c_str(), &m_config, uitest::kFuenteTexto);
        if (b) {
            m_s.CargaRecursos();
            g_pSistema2D->CarregaBitmapsEnUs();
        }
        return b;
    }
    // A script of one line with that text and wait flag.
    bool CargaLinea(const char* texto, bool espera = true)
    {
        Texto("QL01", texto);
        return Carga(std::string("JAPTXTLINE = \"QL01\", \"QL01\", ") + (espera ? "1" : "0") + "; FIN = 5;");
    }
    void Pasos(int n)
    {
        for (int i = 0; i < n; ++i) {
            m_s.Actualiza();
            m_s.Dibuja(nullptr);
            AvanzaFrame();
        }
    }
    void Clic() { m_s.TrataBotonRaton(0, 0, 500, 600); }

    std::filesystem::path m_carpeta;
    ConfigSecuenciador m_config;
    CJapSecuenciador m_s;
};

// What a typing case does and sees: clicks, then frames, then the text typed
// so far and the state.
struct PasoEscritura {
    int clics;
    int frames;
    const char* escrito;
    int estado;
};

struct CasoEscritura {
    const char* nombre;
    const char* linea;
    std::vector<PasoEscritura> pasos;
};

} // namespace

TEST_F(JapSecuenciador, TypesOneCharacterAFrameWithItsCommands)
{
    const std::string k26 = "abcdefghijklmnopqrstuvwxyz";
    const std::vector<CasoEscritura> casos = {
        {"a pause between two words",
         "Hola<PAUSA>adios",
         {{0, 4, "Hola", 0}, {0, 1, "Hola", 1}, {0, 5, "Hola", 1}, {1, 5, "Holaadios", 0}, {0, 1, "Holaadios", 1}}},
        {"26 letters in 3 frames, fast",
         "abcdefghijklmnopqrstuvwxyz",
         {{1, 2, "abcdefghijklmnopqrst", 0}, {0, 1, "abcdefghijklmnopqrstuvwxyz", 1}}},
        {"a wait of 30 frames", "<ESPERA=30>ab", {{0, 1, "", 2}, {0, 29, "", 2}, {0, 1, "", 0}, {0, 1, "a", 0}}},
        {"a wait of 30 frames, fast", "<ESPERA=30>ab", {{1, 1, "", 2}, {0, 2, "", 2}, {0, 1, "", 0}, {0, 1, "ab", 1}}},
        {"a wait that comes to nothing", "<ESPERA=0>ab", {{0, 1, "a", 0}}},
        {"a wait under 10 frames, fast", "<ESPERA=9>ab", {{1, 1, "ab", 1}}},
        {"a colour tag typed as written", "<R255>red", {{0, 1, "<R255>", 0}, {0, 3, "<R255>red", 0}, {0, 1, "<R255>red", 1}}},
        {"commands cost no time", "<TERREMOTO><MULTIOPCION=1>a", {{0, 1, "a", 0}, {0, 1, "a", 1}}},
        {"blanks inside a command", "< PAUSA >b", {{0, 1, "", 1}, {1, 1, "b", 0}}},
        {"an unclosed bracket is text", "a<PAUSA", {{0, 1, "a", 0}, {0, 1, "a<PAUSA", 1}}},
        {"an escaped bracket and line feed", "a\\<b\\\nc", {{0, 6, "abc", 1}}},
        {"a final backslash", "ab\\", {{0, 2, "ab", 0}, {0, 1, "ab", 0}, {0, 1, "ab", 1}}},
        {"a final backslash and carriage return", "a\\\r", {{0, 1, "a", 0}, {0, 1, "a", 0}, {0, 1, "a", 1}}},
    };
    for (const CasoEscritura& c : casos) {
        SCOPED_TRACE(c.nombre);
        ASSERT_TRUE(CargaLinea(c.linea));
        for (const PasoEscritura& p : c.pasos) {
            for (int i = 0; i < p.clics; ++i) Clic();
            Pasos(p.frames);
            EXPECT_EQ(m_s.TextoEscrito(), p.escrito);
            EXPECT_EQ(m_s.Estado(), p.estado);
            EXPECT_GE(m_s.Posicion(), 0);
            EXPECT_LE(m_s.Posicion(), int(m_s.Linea().size()) + 1);
        }
    }
    // What is typed is what the text sprite shows, tags included.
    ASSERT_TRUE(CargaLinea("<R255>red"));
    Pasos(5);
    EXPECT_EQ(uitest::Muestra(m_s.SpriteTexto()), "<R255>red");
}

// The fast mode kept on: every line types ten letters a frame and waits a
// tenth from its first frame, without a click, and still stops for the
// player at its end and at a pause.
TEST_F(JapSecuenciador, AlwaysFastStillStopsForThePlayerAtEveryLine)
{
    struct Restaura {
        ~Restaura() { CJapSecuenciador::s_bSiempreRapido = false; }
    } restaura;
    CJapSecuenciador::s_bSiempreRapido = true;
    Texto("QR01", "<ESPERA=30>abcdefghijklmnopqrstuvwxyz");
    Texto("QR02", "uno<PAUSA>dos");
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QR01\", 1; JAPTXTLINE = \"NONE\", \"QR02\", 1; FIN = 4;"));
    EXPECT_TRUE(m_s.ModoRapido());
    Pasos(3);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_FRAMES);
    Pasos(4);
    EXPECT_EQ(m_s.TextoEscrito(), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    Pasos(20);
    EXPECT_EQ(m_s.Linea(), "<ESPERA=30>abcdefghijklmnopqrstuvwxyz") << "a line is never skipped";
    Clic();
    Pasos(2);
    EXPECT_EQ(m_s.TextoEscrito(), "uno");
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    Clic();
    Pasos(2);
    EXPECT_EQ(m_s.TextoEscrito(), "unodos");
    EXPECT_TRUE(m_s.ModoRapido()) << "a pause keeps the mode";
    EXPECT_EQ(m_s.GetResultado(), -1);
    Clic();
    Pasos(2);
    EXPECT_EQ(m_s.GetResultado(), 4);
}

TEST_F(JapSecuenciador, LinesLabelsJumpsAndTheResult)
{
    Texto("QA01", "uno");
    Texto("QA02", "dos");
    Texto("QA03", "tres");
    // A line without the wait flag goes on by itself; the jump goes to the
    // first of two labels of that name.
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QA01\", 0; ETIQUETA = \"x\"; JAPTXTLINE = \"NONE\", \"QA02\", 1;"
                      "ETIQUETA = \"X\"; JAPTXTLINE = \"NONE\", \"QA03\", 1; GOTOETIQUETA = \"x\"; FIN = 7;"));
    EXPECT_EQ(m_s.Linea(), "uno");
    Pasos(4);
    EXPECT_EQ(m_s.Linea(), "uno");
    Pasos(1);
    EXPECT_EQ(m_s.Linea(), "dos");
    Pasos(3);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    EXPECT_EQ(m_s.GetResultado(), -1);
    Clic();
    Pasos(1);
    EXPECT_EQ(m_s.Linea(), "tres");
    Pasos(4);
    Clic();
    Pasos(1);
    EXPECT_EQ(m_s.Linea(), "dos");
    EXPECT_EQ(m_s.RegistroActual(), 2);

    // Keys, characters and controller buttons go on as a click does; a
    // right button does not.
    Pasos(3);
    ASSERT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    m_s.TrataBotonRaton(0, 2, 0, 0);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_JUGADOR);
    m_s.TrataTecla(57);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESCRIBIENDO);

    // The end of the records without FIN finishes with 0; FIN with its own.
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QA01\", 0;"));
    Pasos(5);
    EXPECT_EQ(m_s.GetResultado(), 0);
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QA01\", 0; FIN = 3; JAPTXTLINE = \"NONE\", \"QA02\", 0;"));
    Pasos(5);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_TERMINADO);
    EXPECT_EQ(m_s.GetResultado(), 3);
    Pasos(3);
    EXPECT_EQ(m_s.GetResultado(), 3);
    // A script that is only its end gives its result too.
    ASSERT_TRUE(Carga("FIN = 9;"));
    Pasos(2);
    EXPECT_EQ(m_s.GetResultado(), 9);
}

TEST_F(JapSecuenciador, ScriptsThatWouldHoldTheirHostForEver)
{
    Texto("QB01", "ab");
    // A jump cycle without a line ends the script.
    ASSERT_TRUE(Carga("ETIQUETA = \"A\"; GOTOETIQUETA = \"A\";"));
    Pasos(2);
    EXPECT_EQ(m_s.GetResultado(), 0);
    ASSERT_TRUE(Carga("ETIQUETA = \"A\"; ETIQUETA = \"B\"; GOTOETIQUETA = \"B\"; GOTOETIQUETA = \"A\"; FIN = 4;"));
    Pasos(2);
    EXPECT_EQ(m_s.GetResultado(), 0);

    // A jump to a missing label is passed over, also after a restart.
    ASSERT_TRUE(Carga("GOTOETIQUETA = \"nada\"; JAPTXTLINE = \"NONE\", \"QB01\", 0; FIN = 2;"));
    EXPECT_EQ(m_s.Linea(), "ab");
    Pasos(1);
    m_s.Reinicia();
    EXPECT_EQ(m_s.Posicion(), 0);
    Pasos(1);
    EXPECT_EQ(m_s.TextoEscrito(), "a");
    Pasos(3);
    EXPECT_EQ(m_s.GetResultado(), 2);
    // A restart of a finished script plays it again and finishes again.
    m_s.Reinicia();
    EXPECT_EQ(m_s.GetResultado(), -1);
    Pasos(4);
    EXPECT_EQ(m_s.GetResultado(), 2);

    // A script that does not load leaves a sequencer its opener need not wait for.
    CJapSecuenciador vacio;
    EXPECT_EQ(vacio.GetResultado(), 0);
    EXPECT_FALSE(vacio.Carga((m_carpeta / "no-existe.txt").string().c_str(), &m_config, 0));
    EXPECT_EQ(vacio.GetResultado(), 0);
    EXPECT_FALSE(vacio.Carga(Escribe("g.txt", "FIN = 1;").c_str(), nullptr, 0));
    EXPECT_FALSE(vacio.EstaCargado());
}

TEST_F(JapSecuenciador, SequencesShownUnderTheText)
{
    Escribe("fin.sec", "FIN = 10; OBJETOEXTREMO = 0;");
    Escribe("sinfin.sec", "OBJETOEXTREMO = 0;");
    const std::string sec = "JAPTXTSECUENCIA = 1, \"" + (m_carpeta / "fin.sec").string() + "\", 0, 5;" +
                            "JAPTXTSECUENCIA = 2, \"" + (m_carpeta / "sinfin.sec").string() + "\", 0;" +
                            "JAPTXTSECUENCIA = 3, \"" + (m_carpeta / "falta.sec").string() + "\", 0;" +
                            "JAPTXTSECUENCIA = 1, \"" + (m_carpeta / "sinfin.sec").string() + "\", 0;";

    // Shown at height 2, jumped to its first listed frame, the text held
    // until the sequence reaches its end frame.
    Texto("QS01", "<SECUENCIA=1,2,0,1>x");
    ASSERT_TRUE(Carga(sec + "JAPTXTLINE = \"NONE\", \"QS01\", 1;"));
    ASSERT_EQ(m_s.Secuencias().size(), 4u);
    Pasos(1);
    ASSERT_EQ(m_s.Mostradas().size(), 1u);
    EXPECT_EQ(m_s.Mostradas()[0]->m_iId, 1);
    EXPECT_EQ(m_s.Mostradas()[0]->m_iAltura, 2);
    EXPECT_EQ(m_s.Mostradas()[0], m_s.Secuencias()[0].get()); // the first of that id
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_SECUENCIA);
    Pasos(8);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESPERA_SECUENCIA);
    EXPECT_EQ(m_s.TextoEscrito(), "");
    Pasos(1);
    EXPECT_EQ(m_s.Estado(), SECUENCIADOR_ESCRIBIENDO);
    Pasos(1);
    EXPECT_EQ(m_s.TextoEscrito(), "x");

    // Waits that could never end are not waited; an index outside the list
    // shows the sequence where it is; unknown ids do nothing.
    const std::vector<std::pair<const char*, int>> sinEspera = {
        {"<SECUENCIA=2,0,0,1>x", 2},   // no end, loop or jump
        {"<SECUENCIA=3,0,0,1>x", 3},   // its file did not load
        {"<SECUENCIA=1,0,7,0>x", 1},   // frame index 7 of a list of 2
        {"<SECUENCIA=9,0,0,1>x", -1},  // no such id
        {"<QUITASECUENCIA=9><ALTURASECUENCIA=9,4>x", -1},
    };
    for (const auto& [linea, id] : sinEspera) {
        SCOPED_TRACE(linea);
        Texto("QS02", linea);
        ASSERT_TRUE(Carga(sec + "JAPTXTLINE = \"NONE\", \"QS02\", 1;"));
        Pasos(1);
        EXPECT_EQ(m_s.TextoEscrito(), "x");
        EXPECT_EQ(m_s.Mostradas().size(), id < 0 ? 0u : 1u);
        if (id == 1) {
            EXPECT_EQ(m_s.Mostradas()[0]->m_pSecuencia->Crono(), 1);
        }
    }

    // Drawn lowest first, equal heights in the order shown; hidden again.
    Texto("QS03", "<SECUENCIA=2,5,0,0><SECUENCIA=1,1,0,0><SECUENCIA=3,5,0,0>a<ALTURASECUENCIA=1,9>b<QUITASECUENCIA=2>c");
    ASSERT_TRUE(Carga(sec + "JAPTXTLINE = \"NONE\", \"QS03\", 1;"));
    Pasos(1);
    ASSERT_EQ(m_s.Mostradas().size(), 3u);
    EXPECT_EQ(m_s.Mostradas()[0]->m_iId, 1);
    EXPECT_EQ(m_s.Mostradas()[1]->m_iId, 2);
    EXPECT_EQ(m_s.Mostradas()[2]->m_iId, 3);
    Pasos(1);
    EXPECT_EQ(m_s.Mostradas().back()->m_iId, 1);
    Pasos(1);
    ASSERT_EQ(m_s.Mostradas().size(), 2u);
    EXPECT_EQ(m_s.Mostradas()[0]->m_iId, 3);
    EXPECT_EQ(m_s.Secuencias()[1]->m_pSecuencia->Crono(), 0); // rewound
}

TEST_F(JapSecuenciador, BoxFadesWithTheWaitFlagAndTextScrollsByWholeLines)
{
    // The box comes in while a waiting line shows and goes while a line
    // without the flag runs.
    Texto("QC01", "abc");
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QC01\", 1; JAPTXTLINE = \"NONE\", \"QC01\", 0; FIN = 1;"));
    Pasos(1);
    EXPECT_EQ(m_s.AlfaCaja(), 55);
    Pasos(5);
    EXPECT_EQ(m_s.AlfaCaja(), 255);
    Clic();
    Pasos(2);
    EXPECT_EQ(m_s.AlfaCaja(), 145);

    // A text taller than the box: the target is a whole number of lines
    // above, reached 5 points a frame, each scrolling frame rendering the
    // text again at the offset.
    CFont* pFont = g_pSistema2D->GetFont(uitest::kFuenteTexto);
    const float linea = pFont->AltoLinea();
    ASSERT_GT(linea, 0.0f);
    m_config.m_fAltoVisible = 2 * linea;
    m_config.m_fAnchoAjuste = 200;
    std::string largo;
    for (int i = 0; i < 40; ++i) largo += "palabra ";
    Texto("QC02", largo.c_str());
    ASSERT_TRUE(Carga("JAPTXTLINE = \"NONE\", \"QC02\", 1;"));
    Clic(); // fast
    float anterior = 0.0f;
    bool vioObjetivo = false;
    for (int i = 0; i < 200 && m_s.Estado() == SECUENCIADOR_ESCRIBIENDO; ++i) {
        Pasos(1);
        const float s = m_s.Scroll();
        EXPECT_LE(anterior - s, 5.0f + 1e-3f);
        EXPECT_GE(s, m_s.ScrollObjetivo());
        EXPECT_EQ(m_s.SpriteTexto()->m_pBitmap->m_fOffsetY, s);
        anterior = s;
        vioObjetivo = vioObjetivo || m_s.ScrollObjetivo() < 0.0f;
    }
    EXPECT_TRUE(vioObjetivo);
    Pasos(400);
    const float objetivo = m_s.ScrollObjetivo();
    EXPECT_EQ(m_s.Scroll(), objetivo);
    const float lineas = -objetivo / linea;
    EXPECT_FLOAT_EQ(lineas, std::round(lineas));
    std::string ajustado;
    pFont->AjustaTexto(ajustado, m_s.TextoEscrito().c_str(), m_config.m_fAnchoAjuste);
    const float alto = std::floor(pFont->CalculaAlto(ajustado.c_str()));
    EXPECT_LE(objetivo, m_config.m_fAltoVisible - alto);
    EXPECT_GT(objetivo, m_config.m_fAltoVisible - alto - linea);
    // The next line starts at the top again.
    Clic();
    Pasos(1);
    EXPECT_EQ(m_s.Scroll(), 0.0f);
}

TEST_F(JapSecuenciador, SplitsCommandsIntoNameAndParameters)
{
    struct Caso {
        const char* contenido;
        const char* nombre;
        std::vector<std::string> parametros;
    };
    const std::vector<Caso> casos = {
        {"PAUSA", "PAUSA", {}},
        {" VQ_PERSO_FADE_TO = Maida , 0.5,\t10\r\n", "VQ_PERSO_FADE_TO", {"Maida", "0.5", "10"}},
        {"A=", "A", {""}},
        {"A=,,x", "A", {"", "", "x"}},
        {"A=1,2,3,4,5,6,7,8,9,10,11,12", "A", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"=x", "", {"x"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.contenido);
        std::string nombre;
        CJapSecuenciador::Parametros p;
        CJapSecuenciador::PartirComando(c.contenido, nombre, p);
        EXPECT_EQ(nombre, c.nombre);
        for (size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i], i < c.parametros.size() ? c.parametros[i] : "");
    }
}
