// The push button: presses by mouse, Enter and controller reach the parent
// as EVENTO_PULSADO before the press sound plays; a hidden button takes the
// focus but ignores presses; the caption follows PonTexto and PonIdTexto and
// keeps the box it was made with; a captioned button drawn on the screen
// shows its frame and its caption inside its rectangle.
#include "audio/EntornoSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/ui/Buto.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using kit::CArbolPrueba;

namespace {

constexpr int kEstilo = 5;

// Buttons without a graphics system (no captions), with the press and
// focus sounds of their style on the manual sound device.
class ButoSonido : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_sonido = std::make_unique<audiotest::EntornoSonido>("ui-buto");
        ASSERT_TRUE(m_sonido->Correcto());
        // A blip, over within one step of mixing.
        m_sonido->Escribe("Pulsar.wav", audiotest::WavConstante(1, 0.005f));
        g_pGestorSPMs = &m_cache;
        ASSERT_TRUE(m_cache.Inicia());
        m_arbol = std::make_unique<CArbolPrueba>(kit::OBJ_EXCLUSIVO);
        EstiloObjeto e;
        e.Limpia();
        std::snprintf(e.m_szSonidoPulsar, sizeof e.m_szSonidoPulsar, "%s", "Pulsar.wav");
        g_pAplicacion->CambiaEstilo(kEstilo, e);
        ASSERT_TRUE(m_a.Inicia(100, 100, 200, 50, kEstilo, 7, "a"));
        ASSERT_TRUE(m_b.Inicia(100, 300, 200, 50, kEstilo, 8, "b"));
        m_arbol->Raiz()->AnadeHijo(false, &m_a, false, false);
        m_arbol->Raiz()->AnadeHijo(false, &m_b, false, false);
        m_arbol->Raiz()->m_bReenviaEventos = false;
        m_arbol->Pasos(1);
    }
    void TearDown() override
    {
        m_arbol->Raiz()->QuitaHijo(false, &m_a);
        m_arbol->Raiz()->QuitaHijo(false, &m_b);
        m_arbol->Pasos(1);
        m_arbol.reset();
        m_a.LiberaSiCreado();
        m_b.LiberaSiCreado();
        m_cache.Vacia();
        g_pGestorSPMs = nullptr;
        m_sonido.reset();
    }

    int Sonando() const { return g_pSistemaSonido->NumInstancias(); }

    CGestorSPMs m_cache;
    std::unique_ptr<audiotest::EntornoSonido> m_sonido;
    std::unique_ptr<CArbolPrueba> m_arbol;
    CButo m_a, m_b;
};

} // namespace

TEST_F(ButoSonido, EveryWayOfPressingSendsTheEventBeforeTheSound)
{
    struct Caso {
        const char* como;
        int origen;
        std::function<void(CArbolPrueba&)> pulsa;
    };
    const Caso casos[] = {
        {"left click", 0, [](CArbolPrueba& t) { t.Clic(150, 120); }},
        {"second mouse", 1,
         [](CArbolPrueba& t) {
             t.MueveRaton(150, 120, 1);
             t.BotonRaton(BOTON_IZQUIERDO_ABAJO, 150, 120, 1);
         }},
        {"Enter", 0, [](CArbolPrueba& t) { t.Tecla(TECLA_ENTER); }},
        {"controller button 0", 0, [](CArbolPrueba& t) { t.BotonMando(BOTON_MANDO_PULSAR); }},
    };
    for (const Caso& c : casos) {
        m_arbol->Raiz()->EnfocaHijo(&m_a);
        m_arbol->Pasos(6);
        m_sonido->Paso();
        m_sonido->Paso();
        m_arbol->Raiz()->m_eventos.clear();
        int iAntes = m_a.m_pSonidoPulsar->m_iInstancias;
        c.pulsa(*m_arbol);
        ASSERT_EQ(m_arbol->Raiz()->m_eventos.size(), 1u) << c.como;
        const kit::EventoRecibido& e = m_arbol->Raiz()->m_eventos[0];
        EXPECT_EQ(e.tipo, EVENTO_PULSADO) << c.como;
        EXPECT_EQ(e.valor, c.origen) << c.como;
        EXPECT_EQ(e.emisor, 7) << c.como;
        // The sound waits for the next update.
        EXPECT_EQ(m_a.m_pSonidoPulsar->m_iInstancias, iAntes) << c.como;
        m_arbol->Pasos(1);
        EXPECT_EQ(m_a.m_pSonidoPulsar->m_iInstancias, iAntes + 1) << c.como;
        EXPECT_EQ(m_a.m_iTiempoPulsado, CMenuObj::kPasosPulsado - 1) << c.como;
    }
}

TEST_F(ButoSonido, HiddenButtonTakesTheFocusButIgnoresPresses)
{
    m_a.PonVisible(false);
    m_arbol->Raiz()->EnfocaHijo(&m_b);
    m_arbol->Pasos(1);
    int iSonando = Sonando();
    m_arbol->MueveRaton(150, 120);
    EXPECT_EQ(kit::CadenaFoco(m_arbol->Raiz()), "raiz>a");
    m_arbol->Clic(150, 120);
    m_arbol->Tecla(TECLA_ENTER);
    m_arbol->BotonMando(BOTON_MANDO_PULSAR);
    m_arbol->Pasos(2);
    EXPECT_TRUE(m_arbol->Raiz()->m_eventos.empty());
    EXPECT_EQ(Sonando(), iSonando);
    EXPECT_EQ(m_a.m_iTiempoPulsado, -1);
    // A button hidden through its parent is not visible either.
    m_a.PonVisible(true);
    m_arbol->Raiz()->PonVisible(false);
    m_arbol->Clic(150, 120);
    EXPECT_TRUE(m_arbol->Raiz()->m_eventos.empty());
    m_arbol->Raiz()->PonVisible(true);
    m_arbol->Clic(150, 120);
    EXPECT_EQ(m_arbol->Raiz()->m_eventos.size(), 1u);
}

TEST_F(ButoSonido, WithoutAGraphicsSystemCaptionsAreStoredOnly)
{
    CButo c;
    ASSERT_TRUE(c.IniciaConTexto(0, 0, 100, 40, -1, 0, "Play", 1.0f, 73, 3, "c"));
    EXPECT_TRUE(c.EstaCreado());
    EXPECT_EQ(c.m_pTexto, nullptr);
    EXPECT_STREQ(c.m_szTexto, "Play");
    c.Dibuja(nullptr, nullptr);
    // A bad style fails the button and leaves nothing behind.
    EXPECT_FALSE(c.IniciaConTexto(0, 0, 100, 40, 12, 0, "Play", 1.0f, 73, 3, "c"));
    EXPECT_FALSE(c.EstaCreado());
    EXPECT_EQ(c.m_szTexto, nullptr);
}

// ---------------------------------------------------------------------------
// Captions on the real graphics system

namespace {
class ButoTexto : public uitest::EntornoTexto {};
const int32_t kJugar = CodigoFLI(motor::texto::ACEPTAR); // "OK"
} // namespace

TEST_F(ButoTexto, CaptionFollowsLiteralAndCode)
{
    CButo b;
    ASSERT_TRUE(b.Inicia(100, 100, 200, 60, 0, 1, "b"));
    EXPECT_EQ(b.m_pTexto, nullptr);
    EXPECT_EQ(b.m_iIdTexto, -1);
    Anade(&b);

    // A code given later creates the caption, in use at once since the
    // button is shown, and rendered.
    b.PonIdTexto(kJugar);
    ASSERT_NE(b.m_pTexto, nullptr);
    EXPECT_EQ(uitest::Muestra(b.m_pTexto), std::string("#") + motor::texto::ACEPTAR);
    EXPECT_TRUE(b.m_pTexto->m_bEnUs);
    EXPECT_NE(b.m_pTexto->m_pBitmap->m_pTextura, nullptr);
    Sprite* pCaption = b.m_pTexto;

    // A literal wins from then on; the code comes back with PonIdTexto; the
    // sprite stays the same one.
    b.PonTexto("Again");
    EXPECT_EQ(uitest::Muestra(b.m_pTexto), "Again");
    EXPECT_EQ(b.m_pTexto, pCaption);
    b.PonIdTexto(kJugar);
    EXPECT_EQ(b.m_szTexto, nullptr);
    EXPECT_EQ(uitest::Muestra(b.m_pTexto), std::string("#") + motor::texto::ACEPTAR);
    // No code and no literal: the caption goes.
    b.PonIdTexto(-1);
    EXPECT_EQ(b.m_pTexto, nullptr);

    Raiz()->QuitaHijo(false, &b);
    m_arbol->Pasos(1);
}

// A widget built early and kept aside (a dialog a screen opens later) loses
// its textures at the next reload, since nothing of it is in use then.
// Attaching it without a reload of its own must still give its pictures
// their textures back: otherwise the dialog opens as an empty frame.
TEST_F(ButoTexto, AWidgetKeptAsideThroughAReloadIsDrawnWhenAttached)
{
    CButo aparte;
    ASSERT_TRUE(aparte.Inicia(100, 100, 200, 60, 0, 1, "aparte"));
    aparte.PonIdTexto(kJugar);
    ASSERT_NE(aparte.m_pTexto, nullptr);
    EXPECT_FALSE(aparte.m_pTexto->m_bEnUs);

    CButo otro;
    ASSERT_TRUE(otro.Inicia(100, 300, 200, 60, 0, 1, "otro"));
    Anade(&otro); // a reload: the aside caption is held but not in use
    EXPECT_EQ(aparte.m_pTexto->m_pBitmap->m_pTextura, nullptr);

    Raiz()->AnadeHijo(false, &aparte, false, false);
    EXPECT_TRUE(aparte.m_pTexto->m_bEnUs);
    EXPECT_NE(aparte.m_pTexto->m_pBitmap->m_pTextura, nullptr);

    Raiz()->QuitaHijo(false, &aparte);
    Raiz()->QuitaHijo(false, &otro);
    m_arbol->Pasos(1);
}

TEST_F(ButoTexto, CaptionKeepsTheBoxItWasMadeWith)
{
    CButo b;
    ASSERT_TRUE(b.IniciaConTexto(100, 100, 200, 60, 0, uitest::kFuenteTexto, "Start", 0.8f, 73, 1, "b"));
    ASSERT_NE(b.m_pTexto, nullptr);
    EXPECT_FALSE(b.m_pTexto->m_bEnUs); // not shown yet
    EXPECT_FLOAT_EQ(b.m_pTexto->m_pBitmap->m_fEscalaX, 0.8f);
    EXPECT_EQ(b.m_pTexto->m_pBitmap->m_iFlagsText, 73);
    b.PonRect(100, 100, 400, 120);
    b.PonTexto("Longer caption");
    EXPECT_FLOAT_EQ(b.m_pTexto->GetAmplada(), 200.0f);
    EXPECT_FLOAT_EQ(b.m_pTexto->GetAlcada(), 60.0f);
    // Marked in use with the resources, and no longer when they go.
    Anade(&b);
    EXPECT_TRUE(b.m_pTexto->m_bEnUs);
    Raiz()->QuitaHijo(false, &b);
    m_arbol->Pasos(1);
    EXPECT_FALSE(b.m_pTexto->m_bEnUs);
}

TEST_F(ButoTexto, DrawsItsFrameAndItsCaptionInsideItsRectangle)
{
    CButo b;
    ASSERT_TRUE(b.IniciaConTexto(300, 300, 300, 80, 2, uitest::kFuenteTitulo, "Play", 1.0f, 73, 1, "b"));
    Anade(&b);
    m_arbol->Pasos(1);
    Fondo(0, 0, 0);
    b.Dibuja(nullptr, nullptr);
    const uitest::Pixel negro{0, 0, 0};
    // Nothing outside the rectangle; the panel fills it; the caption makes
    // bright pixels in its middle that the plain panel has not.
    EXPECT_EQ(Distintos(280, 280, 300, 400, negro), 0);
    EXPECT_EQ(Distintos(601, 280, 620, 400, negro), 0);
    EXPECT_GT(Distintos(310, 310, 590, 370, negro), 280 * 60 * 9 / 10);
    auto claros = [&] {
        int n = 0;
        for (int y = 322; y < 358; ++y)
            for (int x = 330; x < 570; ++x) {
                uitest::Pixel p = En(x, y);
                if (p.r > 200 && p.g > 200 && p.b > 200) ++n;
            }
        return n;
    };
    int iConTexto = claros();
    // The plain panel, without the caption.
    b.PonIdTexto(-1);
    Fondo(0, 0, 0);
    b.Dibuja(nullptr, nullptr);
    EXPECT_GT(iConTexto, claros() + 100);
    Raiz()->QuitaHijo(false, &b);
    m_arbol->Pasos(1);
}

// ---------------------------------------------------------------------------
// Object files

TEST(ButoParametros, WrittenAndReadBackWithTheCaption)
{
    auto carpeta = mgtest::CarpetaNova("ui-buto-parametros");
    mgtest::ServeisFitxers servicios(carpeta.string());
    ASSERT_TRUE(servicios.Correcte());
    CArbolPrueba t;
    CButo b;
    ASSERT_TRUE(b.IniciaConTexto(10, 20, 300, 40, -1, 1, "Go on", 0.75f, 73, 42, "Seguir"));
    const std::string ruta = (carpeta / "Boton.txt").string();
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura(ruta.c_str());
    ASSERT_NE(f, nullptr);
    b.EscribeClase(f, CButo::kTipo);
    ASSERT_TRUE(g_pGestorComandes->Tanca(f));
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta),
              "CLASE = \"BUTO\";\n"
              "PARAMS = \"CMENUOBJPAR_V001\",42,\"Seguir\",10.000,20.000,300.000,40.000,-1,-1,1,0,"
              "\"\",\"\",\"\",\"\",\"CBUTO_PAR_V0001\",-1,1,\"Go on\",0.750,73;\n"
              "FINCLASE = 1;\n");

    struct Caso {
        const char* registro;
        bool creado;
        const char* literal; // null: none
        int codigo;
    };
    const Caso casos[] = {
        {"\"CBUTO_PAR_V0001\",-1,1,\"Go on\",0.750,73", true, "Go on", -1},
        {"\"CBUTO_PAR_V0001\",1347309617,2,\"\",1.000,1", true, nullptr, 1347309617},
        {"\"CBUTO_PAR_V0002\",-1,1,\"Go on\",0.750,73", false, nullptr, -1},
    };
    for (const Caso& c : casos) {
        mgtest::EscriuFitxer(ruta, std::string("PARAMS = \"CMENUOBJPAR_V001\",42,\"Seguir\",10.000,20.000,300.000,"
                                               "40.000,-1,-1,1,0,\"\",\"\",\"\",\"\",") +
                                       c.registro + ";\n");
        f = g_pGestorComandes->ObreLectura(ruta.c_str());
        ASSERT_NE(f, nullptr);
        CButo leido;
        EXPECT_EQ(leido.LeeParametros(f), c.creado) << c.registro;
        g_pGestorComandes->Tanca(f);
        EXPECT_EQ(leido.EstaCreado(), c.creado);
        EXPECT_TRUE(leido.EstaIniciado()); // the base part is read in every case
        EXPECT_EQ(leido.m_iId, 42);
        if (c.literal)
            EXPECT_STREQ(leido.m_szTexto, c.literal);
        else
            EXPECT_EQ(leido.m_szTexto, nullptr);
        EXPECT_EQ(leido.m_iIdTexto, c.codigo);
    }
}

// Read with the graphics system up, so that a caption is made and loaded
// with whatever size the record gave.
TEST_F(ButoTexto, CutAndOutOfRangeRecordsReadCleanly)
{
    auto carpeta = mgtest::CarpetaNova("ui-buto-cortes");
    const std::string ruta = (carpeta / "Boton.txt").string();
    auto lee = [&](CButo& b, const std::vector<std::string>& params) {
        std::string registro = "PARAMS = ";
        for (size_t i = 0; i < params.size(); ++i) registro += (i ? "," : "") + params[i];
        mgtest::EscriuFitxer(ruta, registro + ";\n");
        FitxerComandes* f = g_pGestorComandes->ObreLectura(ruta.c_str());
        EXPECT_NE(f, nullptr);
        bool bLeido = f && b.LeeParametros(f);
        if (f) g_pGestorComandes->Tanca(f);
        return bLeido;
    };
    const std::vector<std::string> completo = {
        "\"CMENUOBJPAR_V001\"", "42", "\"Seguir\"", "10.000", "20.000", "300.000", "40.000", "-1", "-1", "1", "0",
        "\"\"", "\"\"", "\"\"", "\"\"", "\"CBUTO_PAR_V0001\"", "-1", "1", "\"Go on\"", "0.750", "73"};
    const size_t kVersionPropia = 15;

    // Cut after every parameter: the button's own part is there from its
    // version text on, missing values read as -1.
    for (size_t n = 0; n <= completo.size(); ++n) {
        CButo b;
        const bool bLeido = lee(b, std::vector<std::string>(completo.begin(), completo.begin() + n));
        EXPECT_EQ(bLeido, n > kVersionPropia) << n;
        EXPECT_EQ(b.EstaCreado(), n > kVersionPropia) << n;
        EXPECT_EQ(b.EstaIniciado(), n > 0) << n;
    }

    // Values no editor writes.
    struct Caso {
        size_t indice;
        std::string valor;
        bool leido;
    };
    const Caso casos[] = {
        {2, "\"" + std::string(300, 'n') + "\"", true}, // name longer than the field
        {1, "99999999999999999999", true},              // identifier past the int range
        {7, "10", false},                               // style outside 0..9
        {7, "-2147483648", false},
        {8, "100000", true},                            // icon frame past the package
        {5, "nan", true},                               // a width that is no number
        {6, "1e39", true},                              // beyond the float range
        {17, "99999", true},                            // font past the table
        {19, "-inf", true},                             // caption scale
    };
    for (const Caso& c : casos) {
        auto params = completo;
        params[c.indice] = c.valor;
        CButo b;
        EXPECT_EQ(lee(b, params), c.leido) << c.indice << " " << c.valor;
        EXPECT_LT(std::strlen(b.Nombre()), size_t(CMenuObj::kLongitudNombre)) << c.valor;
        if (!c.leido) continue;
        Anade(&b);
        m_arbol->Pasos(2);
        Raiz()->QuitaHijo(false, &b);
        m_arbol->Pasos(1);
    }
}
