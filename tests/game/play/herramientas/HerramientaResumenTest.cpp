// The level summaries: the values their lines show, where the lines go on
// the plate, the reveal and the fade, what a record leaves behind when it is
// replaced and released, and both summaries' buttons on a real stage.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "kit/TextosPrueba.h"
#include "kit/game/PartidaPrueba.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

int NumSprites()
{
    int n = 0;
    for (const Sprite* s = g_pSistema2D ? g_pSistema2D->PrimerSprite() : nullptr; s; s = s->m_pSeguent) ++n;
    return n;
}

DatosResumen Registro(bool bInicial, const std::vector<int>& tipos)
{
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = bInicial;
    d.m_iCodigoTitulo = CodigoFLI(juego::texto::RE45);
    for (int t : tipos) {
        LineaResumen l;
        l.m_iTipo = t;
        l.m_iEtiqueta = CodigoFLI(juego::texto::RE45);
        l.m_iTexto = CodigoFLI(juego::texto::RE46);
        l.m_iEntero = 1234;
        l.m_fReal = 2.5f;
        l.m_iPasos = 3725;
        EXPECT_TRUE(d.Anade(l));
    }
    return d;
}

} // namespace

TEST(HerramientaResumen, LinesShowTheirValuesAsThePlayerReadsThem)
{
    const struct {
        int iPasos;
        const char* szTexto;
    } tiempos[] = {{3725, "2:04"}, {0, "0:00"}, {1799, "0:59"}, {1800, "1:00"}, {-1, "--:--"}, {-3725, "--:--"}};
    for (const auto& c : tiempos) EXPECT_EQ(CHerramientaResumen::TextoTiempo(c.iPasos), c.szTexto) << c.iPasos;

    LineaResumen l;
    l.m_iTipo = LINEA_ENTERO;
    l.m_iEntero = -42;
    EXPECT_EQ(CHerramientaResumen::TextoValor(l), "-42");
    l.m_iTipo = LINEA_REAL;
    l.m_fReal = 2.5f;
    EXPECT_EQ(CHerramientaResumen::TextoValor(l), "2.50");
    l.m_iTipo = LINEA_TIEMPO;
    l.m_iPasos = -30;   // a limit already passed
    EXPECT_EQ(CHerramientaResumen::TextoValor(l), "--:--");
    l.m_iTipo = LINEA_SEPARADOR;
    EXPECT_EQ(CHerramientaResumen::TextoValor(l), "");
}

class HerramientaResumenJuego : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pJuego = new kit::CJuegoPrueba("herramienta_resumen"); }
    static void TearDownTestSuite()
    {
        delete s_pJuego;
        s_pJuego = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_pJuego->Iniciado()); }
    static kit::CJuegoPrueba* s_pJuego;
};
kit::CJuegoPrueba* HerramientaResumenJuego::s_pJuego = nullptr;

// Lines go down from the title: 40 points after a separator, 50 after a
// one-line paragraph, 32 after any other; the first line of kind -1 ends
// them.
TEST_F(HerramientaResumenJuego, LinesGoDownThePlateByTheirKinds)
{
    const struct {
        bool bInicial;
        std::vector<int> tipos;
        std::vector<float> ys;
    } casos[] = {
        {false, std::vector<int>(20, LINEA_ENTERO), {}},
        {true,
         {LINEA_SEPARADOR, LINEA_CABECERA, LINEA_PARRAFO, LINEA_SEPARADOR, LINEA_ENTERO, LINEA_TIEMPO, LINEA_TEXTO},
         {230, 270, 302, 352, 392, 424, 456}},
        {false, {LINEA_CABECERA, LINEA_PARRAFO, LINEA_SEPARADOR, LINEA_REAL}, {128, 160, 210, 250}},
        {true, {}, {}},
    };
    for (const auto& c : casos) {
        CHerramientaResumen r;
        ASSERT_TRUE(r.Carga(nullptr, nullptr, nullptr, nullptr));
        r.Prepara(Registro(c.bInicial, c.tipos));
        const std::vector<float> ys = r.PosicionesLineas();
        ASSERT_EQ(ys.size(), c.tipos.size());
        if (c.tipos.size() == 20) {
            EXPECT_EQ(ys.front(), 128.0f);
            EXPECT_EQ(ys.back(), 736.0f);
        } else {
            EXPECT_EQ(ys, c.ys);
        }
        // Each line has the sprites of its kind: one for a separator, heading
        // or paragraph, label and value for the others.
        for (size_t i = 0; i < c.tipos.size(); ++i) {
            const auto& s = r.Datos().m_aLineas[i].m_apSprites;
            const bool bDoble = c.tipos[i] >= LINEA_ENTERO;
            EXPECT_NE(s[0], nullptr) << i;
            EXPECT_EQ(s[1] != nullptr, bDoble) << i;
            EXPECT_EQ(s[2], nullptr) << i;
        }
        // A record without lines shows its plate and title alone.
        r.Muestra();
        r.Actualiza();
        r.Dibuja(nullptr);
    }
}

// A paragraph that wraps makes room for its lines: the next line goes down
// one more paragraph line height for each line after the first, up to what
// the paragraph's box shows (the box cuts a longer text short). The wrap
// follows the language in force.
TEST_F(HerramientaResumenJuego, AWrappedParagraphPushesTheNextLinesDownByItsLines)
{
    using R = CHerramientaResumen;
    const CFont* f = g_pSistema2D->GetFont(R::kFuenteParrafo);
    ASSERT_TRUE(f && f->EstaCargada());
    const float h = f->AltoLinea() * R::kEscalaParrafo;
    ASSERT_GT(3.0f * h, R::kAltoTexto);
    const int idioma = g_GestorFLIs.IdiomaActual();
    // Two lines, and four that the box shows two and a bit of.
    const std::string sPalabras = " seal shard";
    std::string sDos = "Trace";
    auto lineas = [&](const std::string& s) {
        return f->CalculaAlto(mgtest::AjustaComoCaja(*f, s, R::kAnchoTexto, R::kEscalaParrafo).c_str()) /
               f->AltoLinea();
    };
    while (lineas(sDos + sPalabras) < 2.5f) sDos += sPalabras;
    ASSERT_EQ(lineas(sDos), 2.0f);
    mgtest::PonTexto(idioma, "ZRP2", sDos.c_str());
    mgtest::PonTexto(idioma, "ZRP4", (sDos + sPalabras + " " + sDos).c_str());
    ASSERT_GE(lineas(g_GestorFLIs.GetTexto(CodigoFLI("ZRP4"), idioma)), 4.0f);

    const struct {
        std::vector<const char*> parrafos;   // the texts of the record's paragraphs, in order
        std::vector<float> ys;
    } casos[] = {
        {{"ZRP2", "RE46"}, {230, 270, 302, 352 + h, 384 + h, 434 + h}},
        {{"RE46", "ZRP2"}, {230, 270, 302, 352, 384, 434 + h}},
        {{"ZRP2", "ZRP2"}, {230, 270, 302, 352 + h, 384 + h, 434 + 2 * h}},
        {{"ZRP4", "RE46"}, {230, 270, 302, 352 + 64 - h, 384 + 64 - h, 434 + 64 - h}},
    };
    for (const auto& c : casos) {
        DatosResumen d = Registro(true, {LINEA_SEPARADOR, LINEA_CABECERA, LINEA_PARRAFO, LINEA_ENTERO, LINEA_PARRAFO,
                                         LINEA_SEPARADOR});
        d.m_aLineas[2].m_iTexto = CodigoFLI(c.parrafos[0]);
        d.m_aLineas[4].m_iTexto = CodigoFLI(c.parrafos[1]);
        CHerramientaResumen r;
        ASSERT_TRUE(r.Carga(nullptr, nullptr, nullptr, nullptr));
        r.Prepara(d);
        const std::vector<float> ys = r.PosicionesLineas();
        ASSERT_EQ(ys.size(), c.ys.size());
        for (size_t i = 0; i < ys.size(); ++i)
            EXPECT_NEAR(ys[i], c.ys[i], 0.01f) << c.parrafos[0] << " " << c.parrafos[1] << " line " << i;
    }
}

// Lines appear one every ten steps from each showing; hidden, the record
// fades out over ten steps.
TEST_F(HerramientaResumenJuego, EachShowingRevealsTheLinesAgainFromTheFirst)
{
    CHerramientaResumen r;
    ASSERT_TRUE(r.Carga(nullptr, nullptr, nullptr, nullptr));
    r.Prepara(Registro(false, std::vector<int>(6, LINEA_ENTERO)));
    EXPECT_EQ(r.Fundido(), 0.0f);
    r.Muestra();
    for (int i = 0; i < 25; ++i) r.Actualiza();
    EXPECT_FLOAT_EQ(r.Fundido(), 1.0f);
    EXPECT_NEAR(r.Revelado(), 2.5f, 1e-4f);
    r.Oculta();
    for (int i = 0; i < 5; ++i) r.Actualiza();
    EXPECT_NEAR(r.Fundido(), 0.5f, 1e-4f);
    EXPECT_NEAR(r.Revelado(), 2.5f, 1e-4f);
    for (int i = 0; i < 5; ++i) r.Actualiza();
    EXPECT_EQ(r.Fundido(), 0.0f);

    r.Prepara(Registro(true, std::vector<int>(3, LINEA_PARRAFO)));
    r.Muestra();
    EXPECT_EQ(r.Revelado(), 0.0f);
    r.Actualiza();
    EXPECT_NEAR(r.Revelado(), 0.1f, 1e-4f);
}

// A record's plate copy and every sprite it made are freed when the next
// record replaces it and when the tool is released (the sanitizers see any
// that is freed twice or lost).
TEST_F(HerramientaResumenJuego, ARecordReplacedAndReleasedLeavesNoSprite)
{
    {
        // The package cache keeps both plates once loaded: loaded first.
        CHerramientaResumen r;
        ASSERT_TRUE(r.Carga(nullptr, nullptr, nullptr, nullptr));
        r.Prepara(Registro(true, {}));
        r.Prepara(Registro(false, {}));
    }
    const int iAntes = NumSprites();
    {
        auto r = std::make_unique<CHerramientaResumen>();
        ASSERT_TRUE(r->Carga(nullptr, nullptr, nullptr, nullptr));
        std::vector<int> tipos;
        for (int i = 0; i < 20; ++i) tipos.push_back(1 + i % 7);
        r->Prepara(Registro(false, tipos));
        const int iPrimero = NumSprites();
        EXPECT_GT(iPrimero, iAntes + 20);
        r->Prepara(Registro(true, {LINEA_SEPARADOR, LINEA_CABECERA}));
        EXPECT_LT(NumSprites(), iPrimero);
        r->Muestra();
        r->Actualiza();
        r->Dibuja(nullptr);
        r->Libera();
        EXPECT_EQ(NumSprites(), iAntes);
        // Released and then deleted: nothing freed twice.
        r->Prepara(Registro(false, {LINEA_ENTERO}));
        EXPECT_EQ(NumSprites(), iAntes);
    }
    EXPECT_EQ(NumSprites(), iAntes);
}

// On a real stage: the start summary shows its continue button alone, which
// starts play (id 4); the final summary shows continue and restart, and
// restart (id 5) asks the map for the stage again.
TEST(HerramientaResumen, BothSummariesButtonsReachThePlayScreen)
{
    kit::CPartidaPrueba p("resumen_botones");
    ASSERT_TRUE(p.Iniciado());
    p.SinAvisos();
    ASSERT_TRUE(p.EmpiezaEtapa(0, 1));
    CMenuJuego* j = p.Juego();
    p.JuegoPrueba().Pasos(12);
    ASSERT_NE(j->Resumen(), nullptr);
    EXPECT_TRUE(j->Resumen()->Visible());
    EXPECT_NE(p.JuegoPrueba().Busca("m_pBotonContinuar"), nullptr);
    EXPECT_EQ(p.JuegoPrueba().Busca("m_pBotonReiniciar"), nullptr);
    EXPECT_GT(j->Resumen()->Revelado(), 1.0f);
    ASSERT_TRUE(p.Continua());
    ASSERT_TRUE(p.EsperaFase(FASE_DIAMANTES, 60));
    EXPECT_FALSE(j->Resumen()->Visible());
    p.JuegoPrueba().Pasos(30);   // the button's closing slide
    EXPECT_EQ(p.JuegoPrueba().Busca("m_pBotonContinuar"), nullptr);

    // A target already reached: the board leaves and the stage is won.
    j->m_iObjetivo = 0;
    ASSERT_TRUE(p.EsperaFaseAbreviada(FASE_RESUMEN_FINAL, 400)) << "phase " << j->Fase();
    p.JuegoPrueba().Pasos(12);
    EXPECT_TRUE(j->Resumen()->Visible());
    EXPECT_FALSE(j->Resumen()->Datos().m_bInicial);
    EXPECT_NE(p.JuegoPrueba().Busca("m_pBotonContinuar"), nullptr);
    ASSERT_NE(p.JuegoPrueba().Busca("m_pBotonReiniciar"), nullptr);
    ASSERT_TRUE(p.Pulsa("m_pBotonReiniciar"));
    ASSERT_TRUE(p.EsperaFase(FASE_RESUMEN_INICIAL, 200)) << "phase " << j->Fase();
    EXPECT_EQ(j->Resultado(), RESULTADO_EN_JUEGO);
    EXPECT_EQ(j->TiempoUsado(), 0);
    p.JuegoPrueba().Pasos(12);
    EXPECT_NE(p.JuegoPrueba().Busca("m_pBotonContinuar"), nullptr);
    EXPECT_EQ(p.JuegoPrueba().Busca("m_pBotonReiniciar"), nullptr);
}
