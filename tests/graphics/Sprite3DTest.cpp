// Piece-animated sprites: their files, their order lists and timelines, the
// direction frames, and drawing on the off-screen device.
#include "Ajudes.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite3D.h"
#include "kit/ServeisFitxers.h"

#include <cmath>
#include <string>

namespace {

constexpr float kDosPi = 6.283184f;

// The file services over a scratch folder, a package cache and the manual
// clock, for the puppet's logic (no graphics).
class Sprite3DLogica : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_carpeta = mgtest::CarpetaNova("sprite3d");
        m_serveis = std::make_unique<mgtest::ServeisFitxers>(m_carpeta.string());
        ASSERT_TRUE(m_serveis->Correcte());
        ASSERT_TRUE(m_cache.Inicia());
        g_pGestorSPMs = &m_cache;
        FijaRelojManual(true, 5000);
    }
    void TearDown() override
    {
        FijaRelojManual(false);
        g_pGestorSPMs = nullptr;
        m_cache.Vacia();
        m_serveis.reset();
    }
    std::string Fitxer(const std::string& nom, const std::string& text)
    {
        mgtest::EscriuFitxer(m_carpeta / nom, text);
        return nom;
    }
    // Moves the clock on and the puppet with it.
    static void Passa(CSprite3D& s, int ms)
    {
        AvanzaRelojManual(ms);
        s.Avanza();
    }

    std::filesystem::path m_carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> m_serveis;
    CGestorSPMs m_cache;
};

OrdenSprite3D Orden(int tipo, int inicio, int fin)
{
    OrdenSprite3D o;
    o.iTipo = tipo;
    o.iInicio = inicio;
    o.iFin = fin;
    return o;
}

} // namespace

TEST_F(Sprite3DLogica, ReadsBothVersionsAndRefusesWhatItCannotUse)
{
    const std::string pieza = ", \"p.SPM\", 1, 2, 3, 0.5, 2, 3, 1, 0.5, 0, 0.25, 4, 1";
    struct Cas {
        const char* nom;
        std::string text;
        bool bCarrega;
        bool bVisible1; // piece 1's visibility when it loads
    } casos[] = {
        {"version A: no visible column", "SPRITE3D = \"0.001A\";\nPIEZA = 1" + pieza + ";\n", true, true},
        {"version B: the visible column", "SPRITE3D = \"0.001B\";\nPIEZA = 1" + pieza + ", 0;\n", true, false},
        {"names without regard to case", "sprite3d = \"0.001B\";\npieza = 1" + pieza + ", 1;\n", true, true},
        {"unknown version", "SPRITE3D = \"0.002A\";\nPIEZA = 1" + pieza + ";\n", false, true},
        {"not first", "PIEZA = 1" + pieza + ";\nSPRITE3D = \"0.001A\";\n", false, true},
        {"empty", "", false, true},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        CSprite3D s;
        EXPECT_EQ(s.Carga(Fitxer("c.S3D", c.text).c_str(), true), c.bCarrega);
        EXPECT_EQ(s.EstaIniciado(), c.bCarrega);
        if (!c.bCarrega) continue;
        const PiezaSprite3D* p = s.GetPieza(1);
        ASSERT_NE(p, nullptr);
        ASSERT_NE(p->m_pSPM, nullptr);
        EXPECT_EQ(p->m_bVisible, c.bVisible1);
        EXPECT_TRUE(p->m_bEspejo);
        EXPECT_FLOAT_EQ(p->m_actual.y, 2.0f);
        EXPECT_FLOAT_EQ(p->m_inicial.fEscalaY, 3.0f);
        EXPECT_FLOAT_EQ(p->m_actual.fTamCubo, 4.0f);
        // The package takes the piece's colour and alpha.
        EXPECT_EQ(p->m_pSPM->m_ucVerde, 127);
        EXPECT_EQ(p->m_pSPM->m_ucAzul, 0);
        EXPECT_EQ(p->m_pSPM->m_ucAlfa, 63);
    }
    CSprite3D s;
    EXPECT_FALSE(s.Carga("no-hi-es.S3D", false));
    EXPECT_FALSE(s.Carga("", false));
    EXPECT_TRUE(s.Carga("", true)); // an empty puppet for code to fill
    EXPECT_EQ(s.GetPieza(0)->m_pSPM, nullptr);
    // Pieces are reached only in an editable puppet.
    ASSERT_TRUE(s.Carga(Fitxer("c.S3D", casos[0].text).c_str(), false));
    EXPECT_EQ(s.GetPieza(1), nullptr);
}

TEST_F(Sprite3DLogica, RecordsOutOfRangeAreSkipped)
{
    std::string t = "SPRITE3D = \"0.001B\";\n"
                    "DURACION = 3, 900;\n" // before any order of list 3
                    "PIEZA = 256, \"p.SPM\", 0,0,0,0,1,1,1,1,1,1,1,0,1;\n"
                    "PIEZA = -1, \"p.SPM\", 0,0,0,0,1,1,1,1,1,1,1,0,1;\n"
                    "PIEZA = 2, \"p.SPM\", inf,0,0,0,1,1,1,1,1,1,1,0,1;\n"
                    "ORDEN = 256, 0, 0, 100, 1, 1, 1, 0, 0, 0;\n"
                    "ORDEN = 3, 7, 0, 100;\n"
                    "ORDEN = 3, 2, 0, 100, 0.5;\n"
                    "TAMCUADRO = 0.25;\n"
                    "FANTASMA = 1;\n";
    for (int i = 0; i < 300; ++i) t += "ORDEN = 4, 1, " + std::to_string(i) + ", 5000, 0, 1;\n";
    CSprite3D s;
    ASSERT_TRUE(s.Carga(Fitxer("r.S3D", t).c_str(), true));
    for (int i = 0; i < kNumPiezasSprite3D; ++i) EXPECT_EQ(s.GetPieza(i)->m_pSPM, nullptr) << i;
    EXPECT_EQ(s.GetLista(3)->m_ordenes.size(), 1u);
    EXPECT_EQ(s.GetLista(3)->m_iDuracion, 0);
    EXPECT_EQ(s.GetLista(4)->m_ordenes.size(), size_t(kMaxOrdenesLista)); // the 257th is refused
    EXPECT_FLOAT_EQ(s.TamCuadro(), 0.25f);
    EXPECT_EQ(s.GetLista(256), nullptr);
    EXPECT_FALSE(s.AnadeOrden(-1, Orden(0, 0, 1)));
    EXPECT_FALSE(s.PonVisible(256, true));
    EXPECT_FALSE(s.PonSPMPorNombre(-3, "p.SPM"));
}

TEST_F(Sprite3DLogica, OrdersKeepTheirStartOrder)
{
    CSprite3D s;
    ASSERT_TRUE(s.Carga("", true));
    const int inicios[] = {300, 100, 300, 0, 100};
    for (int i = 0; i < 5; ++i) {
        OrdenSprite3D o = Orden(ORDEN_ANIMACION, inicios[i], 1000);
        o.iAnimacion = i;
        o.iPieza = 99; // the list decides
        ASSERT_TRUE(s.AnadeOrden(7, o));
    }
    const ListaOrdenes* l = s.GetLista(7);
    const int esperat[] = {3, 1, 4, 0, 2}; // by start, in insertion order among equals
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(l->m_ordenes[size_t(i)].iAnimacion, esperat[i]);
        EXPECT_EQ(l->m_ordenes[size_t(i)].iPieza, 7);
    }
}

// A move from 0 to 1000 ms towards (10, 0, 0) goes 0.01 a millisecond and
// snaps to its target once the timeline passes its end.
TEST_F(Sprite3DLogica, MoveStepsAndSnaps)
{
    CSprite3D s;
    ASSERT_TRUE(s.Carga("", true));
    OrdenSprite3D o = Orden(ORDEN_MOVER, 0, 1000);
    o.x = 10;
    ASSERT_TRUE(s.AnadeOrden(0, o));
    s.PonDuracion(0, 5000);
    s.Avanza(); // starts the timeline: applied at 0
    const PiezaSprite3D* p = s.GetPieza(0);
    EXPECT_TRUE(p->m_bMoviendo);
    EXPECT_FLOAT_EQ(p->m_movimiento.fPasoX, 0.01f);
    Passa(s, 250);
    EXPECT_NEAR(p->m_actual.x, 2.5f, 1e-4);
    Passa(s, 740);
    EXPECT_NEAR(p->m_actual.x, 9.9f, 1e-4);
    Passa(s, 20); // 1010: past the end
    EXPECT_FLOAT_EQ(p->m_actual.x, 10.0f);
    EXPECT_FALSE(p->m_bMoviendo);
    // A timeline that has passed its duration no longer carries the piece.
    CSprite3D corta;
    ASSERT_TRUE(corta.Carga("", true));
    ASSERT_TRUE(corta.AnadeOrden(0, o));
    corta.PonDuracion(0, 400);
    corta.Avanza();
    for (int i = 0; i < 40; ++i) Passa(corta, 50);
    EXPECT_NEAR(corta.GetPieza(0)->m_actual.x, 4.5f, 1e-3);
}

TEST_F(Sprite3DLogica, TurnsToAnAngleTheWayAsked)
{
    struct Cas {
        const char* nom;
        float desde, angulo;
        bool negativo;
        float recorrido; // the turn the order makes
    } casos[] = {
        {"positive", 0.0f, 1.0f, false, 1.0f},
        {"negative way round", 0.0f, 1.0f, true, 1.0f - kDosPi},
        {"positive, from above the target", 2.0f, 1.0f, false, kDosPi - 1.0f},
        {"several turns away", 0.0f, 1.0f + 3 * kDosPi, false, 1.0f},
        {"a huge angle still ends", 0.0f, 1e30f, true, std::fmod(1e30f, kDosPi) - (std::fmod(1e30f, kDosPi) > 0 ? kDosPi : 0)},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        CSprite3D s;
        ASSERT_TRUE(s.Carga("", true));
        AtributosPieza a;
        a.fRotacion = c.desde;
        s.PonAtributosPieza(0, a);
        OrdenSprite3D o = Orden(ORDEN_GIRAR_A, 0, 1000);
        o.fAngulo = c.angulo;
        o.bNegativo = c.negativo;
        s.AnadeOrden(0, o);
        s.PonDuracion(0, 2000);
        s.Avanza();
        const PiezaSprite3D* p = s.GetPieza(0);
        EXPECT_NEAR(p->m_giro.fPaso * 1000.0f, c.recorrido, 1e-3);
        Passa(s, 500);
        EXPECT_NEAR(p->m_actual.fRotacion, c.desde + c.recorrido / 2, 1e-3);
        Passa(s, 600);
        EXPECT_FLOAT_EQ(p->m_actual.fRotacion, c.angulo);
    }
    // A turn at a speed stops at its end.
    CSprite3D s;
    ASSERT_TRUE(s.Carga("", true));
    OrdenSprite3D o = Orden(ORDEN_GIRAR, 0, 300);
    o.fVelocidad = 0.01f;
    s.AnadeOrden(0, o);
    s.PonDuracion(0, 2000);
    s.Avanza();
    for (int i = 0; i < 10; ++i) Passa(s, 100);
    // Turned at 100 and 200; at 300 the order has ended.
    EXPECT_NEAR(s.GetPieza(0)->m_actual.fRotacion, 2.0f, 1e-4);
}

TEST(Sprite3DDireccion, FrameOfTheAngle)
{
    struct Cas {
        float angulo;
        bool espejo;
        int d;
    } casos[] = {
        {0.0f, false, 0},      {0.4f, false, 1},       {0.4f, true, 7},        {0.39f, false, 0},
        {-0.4f, false, 7},     {-0.4f, true, 1},       {3.14159f, false, 4},   {-3.14159f, false, 4},
        {6.3f, false, 0},      {-6.0f, false, 0},      {-2.0f, false, 5},      {100.0f, false, 7},
        {1e30f, false, -1},    {INFINITY, false, 0},   {NAN, true, 0},
    };
    for (const auto& c : casos) {
        int d = CSprite3D::Direccion(c.angulo, c.espejo);
        if (c.d < 0) {
            EXPECT_GE(d, 0);
            EXPECT_LT(d, 8);
        } else {
            EXPECT_EQ(d, c.d) << c.angulo << (c.espejo ? " mirrored" : "");
        }
    }
}

// The example file of the demo data: three lantern bearers, their orders and
// timelines.
TEST(Sprite3DEjemplo, DemoFileLoads)
{
    mgtest::ServeisFitxers serveis(MG_TEST_DATA_ROOT);
    ASSERT_TRUE(serveis.Correcte());
    CGestorSPMs cache;
    ASSERT_TRUE(cache.Inicia());
    g_pGestorSPMs = &cache;
    {
        CSprite3D s;
        ASSERT_TRUE(s.Carga(motor::fichero::FAROLILLOS, true));
        EXPECT_TRUE(s.EsVersionB());
        EXPECT_FLOAT_EQ(s.TamCuadro(), 0.0f);
        for (int i = 0; i < 3; ++i) {
            ASSERT_NE(s.GetPieza(i)->m_pSPM, nullptr) << i;
            EXPECT_TRUE(s.GetPieza(i)->m_pSPM->m_bFicheroEncontrado) << i;
            EXPECT_GT(s.GetLista(i)->m_ordenes.size(), 0u) << i;
            EXPECT_GT(s.GetLista(i)->m_iDuracion, 0) << i;
        }
        EXPECT_EQ(s.GetPieza(3)->m_pSPM, nullptr);
        // Every type of order is there.
        int tipos = 0;
        for (int i = 0; i < 3; ++i)
            for (const OrdenSprite3D& o : s.GetLista(i)->m_ordenes) tipos |= 1 << o.iTipo;
        EXPECT_EQ(tipos, 0xF);
    }
    g_pGestorSPMs = nullptr;
}

class Sprite3DDibujo : public ProvaGrafics {
protected:
    void SetUp() override
    {
        ProvaGrafics::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(m_cache.Inicia());
        g_pGestorSPMs = &m_cache;
        FijaRelojManual(true, 5000);
        // A package of eight direction frames: frame d a d + 1 pixels wide
        // column of red, so that the frame shown can be read from the screen.
        std::string spm = "SPMVER = 1;\n";
        for (int d = 0; d < 8; ++d) {
            EscriuPNGPla("d" + std::to_string(d) + ".png", d + 1, 20, 255, 0, 0, 255);
            spm += "SPRITE = " + std::to_string(d) + ", \"d" + std::to_string(d) + ".png\", 0, 0, " +
                   std::to_string(d + 1) + ", 20, 0, 10, 0;\n";
        }
        spm += "ANIMACIO = 0, 0, 1000;\n";
        mgtest::EscriuFitxer(CarpetaDades() + "/dir.SPM", spm);
    }
    void TearDown() override
    {
        FijaRelojManual(false);
        g_pGestorSPMs = nullptr;
        m_cache.Vacia();
        ProvaGrafics::TearDown();
    }
    CGestorSPMs m_cache;
};

// A piece turned 0.4 from the camera shows direction frame 1, mirrored 7;
// a piece whose package is missing shows the missing-package picture.
TEST_F(Sprite3DDibujo, PiecesShowTheirDirectionOrThePlaceholder)
{
    CSistema3D* p3D = m_pSis->Get3D();
    ASSERT_NE(p3D, nullptr);
    const float d = 384.0f / std::tan(CSistema3D::kFovPerDefecte / 2.0f);
    p3D->PosaCamera(Vector3D{0, 0, -d}, Vector3D{}, 0.0f);
    p3D->ProjeccioPerDefecte();
    CSprite3D s;
    ASSERT_TRUE(s.Carga("", true));
    s.PonDepuracion(false);
    // Two pieces straight ahead of the camera, one above the other.
    AtributosPieza a;
    a.y = 100;
    a.fRotacion = 0.4f;
    ASSERT_TRUE(s.PonSPMPorNombre(0, "dir.SPM"));
    s.PonAtributosPieza(0, a);
    a.y = -100;
    ASSERT_TRUE(s.PonSPMPorNombre(1, "dir.SPM"));
    s.PonAtributosPieza(1, a);
    s.PonEspejo(1, true);
    a.x = 200;
    a.y = 0;
    a.fRotacion = 0;
    ASSERT_TRUE(s.PonSPMPorNombre(2, "no-hi-es.SPM"));
    s.PonAtributosPieza(2, a);
    s.MarcaEnUso();
    m_pSis->CarregaBitmapsEnUs();
    Fons(0, 0, 0);
    s.Dibuja(nullptr, Vector3D{}, 0.0f, 1.0f, false, false);
    EXPECT_EQ(s.GetPieza(0)->m_pSPM->m_iDesplazamientoFrame, 1);
    EXPECT_EQ(s.GetPieza(1)->m_pSPM->m_iDesplazamientoFrame, 7);
    LlegeixPantalla();
    auto ample = [&](int y) {
        int n = 0;
        for (int x = 492; x < 532; ++x)
            if (At(x, y).r > 128 && At(x, y).g < 60) ++n;
        return n;
    };
    EXPECT_EQ(ample(384 - 100), 2); // frame 1: two pixels wide
    EXPECT_EQ(ample(384 + 100), 8); // frame 7
    // The placeholder is square and bright around the third piece.
    int vius = 0;
    for (int y = 370; y < 400; ++y)
        for (int x = 700; x < 724; ++x)
            if (At(x, y).r + At(x, y).g + At(x, y).b > 200) ++vius;
    EXPECT_GT(vius, 100);
    s.Libera();
}
