// The built scene content: the demo scene's lines carry the same commands in
// the three languages, it plays to its end in each language with clicks and
// never shows a missing text, and the how-to-play pages load with their
// buttons.
#include "EntornoEscena.h"
#include "engine/core/GestorComandes.h"
#include "engine/sequences/Secuencia.h"
#include "engine/ui/MenuSecuenciable.h"

#include <cctype>
#include <set>
#include <string>
#include <vector>

using escenatest::EntornoEscena;

namespace {

// The commands of a line's text (its bracketed pieces the players know), in order.
std::vector<std::string> Comandos(const std::string& texto)
{
    std::vector<std::string> v;
    for (size_t i = texto.find('<'); i != std::string::npos; i = texto.find('<', i + 1)) {
        const size_t f = texto.find('>', i);
        if (f == std::string::npos) break;
        std::string nombre;
        CJapSecuenciador::Parametros p;
        CJapSecuenciador::PartirComando(texto.substr(i + 1, f - i - 1), nombre, p);
        // Colour tags of the font are not commands.
        if (nombre.size() > 1 && std::isupper(static_cast<unsigned char>(nombre[1])))
            v.push_back(texto.substr(i + 1, f - i - 1));
    }
    return v;
}

// The text codes of a scene script's lines, in file order.
std::vector<int> CodigosDeLineas(const char* guion)
{
    std::vector<int> v;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(guion);
    if (!f) return v;
    do {
        if (std::string(g_pGestorComandes->NomComanda(f)) == "JAPTXTLINE") {
            g_pGestorComandes->LlegeixCodi(f);
            v.push_back(g_pGestorComandes->LlegeixCodi(f));
        }
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return v;
}

using ContenidoEscenas = EntornoEscena;

} // namespace

TEST_F(ContenidoEscenas, TheDemoSceneSaysTheSameInEveryLanguage)
{
    const std::vector<int> codigos = CodigosDeLineas(juego::fichero::ESCENA_DEMO);
    ASSERT_GE(codigos.size(), 8u);
    std::set<std::string> usados;
    for (int c : codigos) {
        const std::string ca = g_GestorFLIs.GetTexto(c, 0), es = g_GestorFLIs.GetTexto(c, 1), en = g_GestorFLIs.GetTexto(c, 2);
        SCOPED_TRACE(en);
        for (const std::string* t : {&ca, &es, &en}) EXPECT_EQ(t->find("***"), std::string::npos) << *t;
        EXPECT_EQ(Comandos(ca), Comandos(en));
        EXPECT_EQ(Comandos(es), Comandos(en));
        for (const std::string& k : Comandos(en)) usados.insert(k.substr(0, k.find('=')));
    }
    // Every command of the scenes is shown by the demo.
    for (const char* k : {"VQ_FONDO_FADETO", "VQ_PERSO_HUMOR", "VQ_PERSO_PARPADEO", "VQ_PERSO_GESTOBOCA",
                          "VQ_PERSO_GESTOOJOS", "VQ_PERSO_GESTOOJOIZQUIERDO", "VQ_PERSO_GESTOOJODERECHO", "VQ_PERSO_HABLA",
                          "VQ_PERSO_CALLA", "VQ_PERSO_SALTA", "VQ_PERSO_TRANS_ESCALA", "VQ_PERSO_VE_A_POS_X",
                          "VQ_PERSO_FADE_IN", "VQ_PERSO_FADE_OUT", "VQ_PERSO_FADE_TO", "VQ_PERSO_SILUETA_FADE_TO",
                          "VQ_LANZA_EFECTO", "VQ_PARA_EFECTO", "VQ_LIMPIA_EFECTO", "VQ_LANZA_SONIDO", "VQ_PARA_SONIDO",
                          "VQ_LANZA_MUSICA", "VQ_PARA_MUSICA", "PAUSA", "ESPERA", "SECUENCIA"})
        EXPECT_TRUE(usados.count(k)) << k;
}

// One language a test, so the three long plays run side by side.
class DemoEnCadaIdioma : public EntornoEscena, public ::testing::WithParamInterface<int> {};

TEST_P(DemoEnCadaIdioma, TheDemoScenePlaysToItsEnd)
{
    const int idioma = GetParam();
    g_GestorFLIs.SeleccionaIdioma(idioma);
    ASSERT_TRUE(CargaFichero(juego::fichero::ESCENA_DEMO));
    EXPECT_EQ(m_escena->Personajes().size(), 2u);
    EXPECT_EQ(m_escena->Efectos().size(), 3u);
    int pasos = 0;
    std::set<std::string> lineas;
    while (m_escena->GetResultado() == -1 && pasos < 6000) {
        if (m_escena->Estado() == SECUENCIADOR_ESPERA_JUGADOR) Clic();
        Pasos(1);
        ++pasos;
        EXPECT_EQ(m_escena->TextoEscrito().find("***"), std::string::npos) << m_escena->TextoEscrito();
        lineas.insert(m_escena->Linea());
    }
    EXPECT_EQ(m_escena->GetResultado(), 1);
    // Nothing is left playing into the screen after it.
    EXPECT_STREQ(g_pGestorSonido->MusicaDeCanal("CANAL_ESCENA"), "");
    for (const std::string& l : lineas) EXPECT_EQ(l.find("(This line"), std::string::npos); // jumped over
    g_GestorFLIs.SeleccionaIdioma(2);
}

std::string NombreIdioma(const ::testing::TestParamInfo<int>& i)
{
    static const char* const nombres[] = {"Catala", "Castellano", "English"};
    return nombres[i.param];
}

INSTANTIATE_TEST_SUITE_P(ContenidoEscenas, DemoEnCadaIdioma, ::testing::Values(0, 1, 2), NombreIdioma);

TEST_F(ContenidoEscenas, TheHowToPlayPagesLoadWithTheirButtons)
{
    const char* const paginas[] = {juego::fichero::COMO_SE_JUEGA_1, juego::fichero::COMO_SE_JUEGA_2,
                                   juego::fichero::COMO_SE_JUEGA_3, juego::fichero::COMO_SE_JUEGA_4,
                                   juego::fichero::COMO_SE_JUEGA_5, juego::fichero::COMO_SE_JUEGA_6,
                                   juego::fichero::COMO_SE_JUEGA_7, juego::fichero::COMO_SE_JUEGA_8};
    CMenuSecuenciable libro;
    ASSERT_TRUE(libro.Crea(SECUENCIABLE_NAVEGACION, 0, CodigoFLI(juego::texto::COMO_SE_JUEGA_SIGUIENTE),
                           CodigoFLI(juego::texto::COMO_SE_JUEGA_ANTERIOR), CodigoFLI(juego::texto::COMO_SE_JUEGA_VOLVER),
                           juego::pieza::COMO_SE_JUEGA, nullptr, nullptr));
    for (const char* p : paginas) ASSERT_TRUE(libro.AgregaPagina(p));
    for (int i = 0; i < libro.NumPaginas(); ++i) {
        SCOPED_TRACE(paginas[i]);
        ASSERT_TRUE(libro.CargaPagina(i));
        EXPECT_EQ(libro.BotonPasar() != nullptr, i == 0 || i == 4);
        EXPECT_EQ(libro.BotonPausa() != nullptr, i == 2 || i == 6);
        EXPECT_GT(libro.Secuencia()->FrameFin(), 0);
    }
}
