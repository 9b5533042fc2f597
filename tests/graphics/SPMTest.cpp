// Sprite packages and their cache on the real graphics system and the demo
// data: loading, placeholders, copies sharing bitmaps, animation timing on
// an injected game clock, and drawing read back from the screen.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "kit/Pixel.h"
#include "kit/ServeisFitxers.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kCursor = motor::paquete::CURSOR_INGAME;
const char* const kCuadro = motor::paquete::CUADRO_BLANCO;
const char* const kPaneles = motor::paquete::PANELES;
const char* const kLineas = motor::paquete::LINEAS;
const std::string kAtlasCursor = AtlasDePaquete(kCursor);

using kit::Pixel;

class ProvaSPM : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_fitxers = std::make_unique<mgtest::ServeisFitxers>(MG_TEST_DATA_ROOT);
        ASSERT_TRUE(m_fitxers->Correcte());
        ASSERT_TRUE(m_fitxers->AmbArxiu());
        m_sTmp = std::string(MG_TEST_TMP) + "/spm/" + std::to_string(::getpid());
        fs::remove_all(m_sTmp);
        fs::create_directories(m_sTmp);
        ASSERT_TRUE(plat::CreateMainWindow("test", false));
        g_pSistema2D = new CSistema2D;
        ASSERT_TRUE(g_pSistema2D->Inicia(true, true));
        FijaRelojManual(true, 0);
    }

    void TearDown() override
    {
        FijaRelojManual(false);
        delete g_pSistema2D;
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
        m_fitxers.reset();
        fs::remove_all(m_sTmp);
        EXPECT_EQ(CSPM::UsuariosPlaceholders(), 0);
    }

    // Writes an .SPM file into the temporary folder; its absolute path.
    std::string Escribe(const char* nombre, const std::string& texto)
    {
        std::string ruta = m_sTmp + "/" + nombre;
        std::ofstream(ruta) << texto;
        return ruta;
    }

    void Fondo(uint8_t r, uint8_t g, uint8_t b)
    {
        g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(r, g, b, 255), true);
    }

    void LeePantalla() { ASSERT_TRUE(plat::ReadFrame(&m_aPantalla)); }

    Pixel En(int x, int y) const { return kit::PixelDe(m_aPantalla, x, y); }

    static std::string FicheroDe(Sprite* s)
    {
        return (s && s->m_pBitmap && s->m_pBitmap->m_szFitxer) ? s->m_pBitmap->m_szFitxer : "";
    }

    std::unique_ptr<mgtest::ServeisFitxers> m_fitxers;
    std::string m_sTmp;
    std::vector<uint8_t> m_aPantalla;
};

// Slots 3 and 4 on the cursor's atlas; animation 0 is (3, 100 ms), (4, 50 ms).
std::string PaqueteAnimado()
{
    return std::string("SPMVER = 1;\n") + "SPRITE = 3, \"" + kAtlasCursor + "\", 2, 2, 26, 38, 3, 3, 0;\n" +
           "SPRITE = 4, \"" + kAtlasCursor + "\", 32, 2, 26, 38, 3, 3, 0;\n" +
           "SPRITE = 5, \"" + kAtlasCursor + "\", 62, 2, 26, 38, 3, 3, 0;\n" +
           "SPRITE = 7, \"" + kAtlasCursor + "\", 92, 2, 26, 38, 3, 3, 1;\n" + "ANIMACIO = 0, 3, 100, 4, 50;\n" +
           "ANIMACIO = 1, 5, 100;\n";
}

} // namespace

TEST_F(ProvaSPM, PaquetesDeLaDemo)
{
    struct {
        const char* ruta;
        int slots;
        bool animacion0;
    } casos[] = {{kCursor, 22, true}, {kCuadro, 1, true}, {kPaneles, 9, false}, {kLineas, 9, false}};
    for (const auto& c : casos) {
        CSPM p;
        ASSERT_TRUE(p.Carga(c.ruta)) << c.ruta;
        EXPECT_TRUE(p.m_bFicheroEncontrado) << c.ruta;
        EXPECT_EQ(p.GetVersion(), 1) << c.ruta;
        int n = 0;
        for (Sprite* s : p.m_apSprites) {
            if (!s) continue;
            ++n;
            EXPECT_EQ(s->m_pBitmap->m_iMarcaPlaceholder, 3) << c.ruta << ": the atlas must exist";
        }
        EXPECT_EQ(n, c.slots) << c.ruta;
        EXPECT_EQ(p.m_apAnimaciones[0] != nullptr, c.animacion0) << c.ruta;
        // Loaded again from the path it keeps: the same package.
        ASSERT_TRUE(p.Carga(p.GetRuta())) << c.ruta;
        EXPECT_STREQ(p.GetRuta(), c.ruta);
        EXPECT_TRUE(p.m_bFicheroEncontrado) << c.ruta;
        EXPECT_EQ(c.slots, int(std::count_if(std::begin(p.m_apSprites), std::end(p.m_apSprites),
                                             [](const Sprite* s) { return s != nullptr; })))
            << c.ruta;
    }
}

TEST_F(ProvaSPM, PlaceholdersDePaqueteYSprite)
{
    CSPM falta;
    ASSERT_TRUE(falta.Carga("Data\\NoExiste\\Nada.SPM"));
    EXPECT_TRUE(falta.EstaCargado());
    EXPECT_FALSE(falta.m_bFicheroEncontrado);
    EXPECT_EQ(FicheroDe(falta.GetSprite(0)), motor::marcador::SPM_NO_ENCONTRADO);
    EXPECT_EQ(FicheroDe(falta.GetSprite(200)), motor::marcador::SPM_NO_ENCONTRADO);

    CSPM cursor;
    ASSERT_TRUE(cursor.Carga(kCursor));
    EXPECT_EQ(FicheroDe(cursor.GetSprite(100)), motor::marcador::SPRITE_NO_EXISTE);
    EXPECT_NE(FicheroDe(cursor.GetSprite(0)), motor::marcador::SPRITE_NO_EXISTE);
    // Only the low 8 bits of a slot count.
    EXPECT_EQ(cursor.GetSprite(256), cursor.GetSprite(0));
    // The placeholder images come from the demo data, not the image placeholder.
    EXPECT_EQ(cursor.GetSprite(100)->m_pBitmap->m_iMarcaPlaceholder, 3);
    EXPECT_EQ(CSPM::UsuariosPlaceholders(), 2);
    // They are drawn at once, even though made after the last loading pass.
    Fondo(0, 0, 0);
    falta.DibujaSprite(0, 100, 500);
    cursor.DibujaSprite(100, 300, 500);
    LeePantalla();
    const Pixel amarillo = En(69, 500), cian = En(269, 500);
    EXPECT_GT(amarillo.r, 200);
    EXPECT_GT(amarillo.g, 200);
    EXPECT_LT(amarillo.b, 60);
    EXPECT_LT(cian.r, 60);
    EXPECT_GT(cian.b, 200);
    cursor.Libera();
    falta.Libera();
    EXPECT_EQ(CSPM::UsuariosPlaceholders(), 0);
    EXPECT_FALSE(falta.EstaCargado());
    EXPECT_FALSE(CSPM().Carga(nullptr));
}

TEST_F(ProvaSPM, RegistrosRepetidosYMalos)
{
    const std::string ruta = Escribe("malos.spm", std::string("SPMVER = 1;\n") +
                                                    "SPRITE = 2, \"" + kAtlasCursor + "\", 2, 2, 26, 38, 3, 3, 0;\n" +
                                                    "SPRITE = 2, \"" + kAtlasCursor + "\", 32, 2, 10, 10, 0, 0, 1;\n" +
                                                    "SPRITE = -1, \"" + kAtlasCursor + "\", 0, 0, 8, 8, 0, 0;\n" +
                                                    "SPRITE = 256, \"" + kAtlasCursor + "\", 0, 0, 8, 8, 0, 0;\n" +
                                                    "SPRITE = 3, \"ab\", 0, 0, 8, 8, 0, 0;\n" +
                                                    "RARO = 1, 2, 3;\n" + "ANIMACIO = 1, 2, 10;\n" +
                                                    "ANIMACIO = 1, 2, 20, 2, 30;\n" + "ANIMACIO = -1, 2, 10;\n" +
                                                    "TXTFLI = 9, 200, 40, 0, 0, 0, \"ACEP\", 0, 0, 1, 1;\n");
    CSPM p;
    ASSERT_TRUE(p.Carga(ruta.c_str()));
    EXPECT_TRUE(p.m_bFicheroEncontrado);
    ASSERT_NE(p.m_apSprites[2], nullptr);
    EXPECT_EQ(p.m_apSprites[2]->m_fX, 32.0f); // the later record replaced the first
    EXPECT_EQ(p.m_apSprites[2]->GetAmplada(), 10.0f);
    EXPECT_EQ(p.m_abEspejo[2], 1);
    EXPECT_EQ(p.m_apSprites[3], nullptr);
    ASSERT_NE(p.m_apAnimaciones[1], nullptr);
    EXPECT_EQ(p.m_apAnimaciones[1]->m_ucNumFrames, 2);
    EXPECT_EQ(p.m_apAnimaciones[1]->m_iDuracionTotal, 50);
    // A TXTFLI slot keeps its code, so its text can be rebuilt in another language.
    ASSERT_NE(p.m_apSprites[9], nullptr);
    EXPECT_EQ(p.m_aiCodigoFLI[9], 0x41434550);
    EXPECT_EQ(p.m_aiFlagsTexto[9], 0x40 | 0x04 | 0x20);
    EXPECT_EQ(p.m_apSprites[9]->m_pBitmap->m_iCodiFLI, 0x41434550);
    CSPM copia;
    ASSERT_TRUE(copia.Copia(&p));
    EXPECT_EQ(copia.m_aiCodigoFLI[9], 0x41434550);
}

TEST_F(ProvaSPM, PaqueteDeUnTexto)
{
    CSPM p;
    ASSERT_TRUE(p.CreaTexto(0, 0x41434550, 0x41, 1.0f, 1.0f, 120, 24, 60, 12));
    EXPECT_TRUE(p.EstaCargado());
    ASSERT_NE(p.m_apSprites[0], nullptr);
    EXPECT_EQ(p.m_apSprites[0]->m_pBitmap->m_iTipus, BITMAP_TEXT);
    EXPECT_EQ(p.m_apSprites[0]->m_pBitmap->m_iCodiFLI, 0x41434550);
    EXPECT_EQ(p.m_apSprites[0]->m_fHotspotX, 60.0f);
    EXPECT_EQ(p.m_aiCodigoFLI[0], 0x41434550);
    EXPECT_EQ(p.m_aiFlagsTexto[0], 0x41);
    ASSERT_NE(p.m_apAnimaciones[0], nullptr);
    EXPECT_EQ(p.m_apAnimaciones[0]->m_ucNumFrames, 1);
    EXPECT_EQ(p.m_apAnimaciones[0]->m_ausDuraciones[0], 10000);
    EXPECT_EQ(p.SlotActual(), 0);
    EXPECT_EQ(p.GetAnchoMaximo(), 120.0f);
    EXPECT_EQ(p.GetAltoMaximo(), 24.0f);
    CSPM vacio;
    ASSERT_TRUE(vacio.CreaVacio(nullptr));
    EXPECT_EQ(vacio.GetAnchoMaximo(), -1.0f);
}

TEST_F(ProvaSPM, AnimacionDibujadaCadaPaso)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(Escribe("anim.spm", PaqueteAnimado()).c_str()));
    for (bool unaVez : {false, true}) {
        FijaRelojManual(true, 0);
        if (unaVez) p.IniciaAnimacionUnaVez(0);
        else p.IniciaAnimacion(0);
        EXPECT_FALSE(p.m_bTerminada);
        int t = 0;
        auto en = [&](int ms) {
            AvanzaRelojManual(ms - t);
            t = ms;
            p.ActualizaAnimacion();
            return p.SlotActual();
        };
        for (int ms = 0; ms <= 100; ms += 10) EXPECT_EQ(en(ms), 3) << ms;
        EXPECT_EQ(en(101), 4);
        EXPECT_EQ(en(150), 4);
        EXPECT_FALSE(p.m_bTerminada);
        if (!unaVez) {
            EXPECT_EQ(en(151), 3);
            EXPECT_TRUE(p.m_bTerminada);
        } else {
            EXPECT_EQ(en(151), 4);
            EXPECT_TRUE(p.m_bTerminada);
            EXPECT_EQ(en(1000), 4); // held on the last frame
        }
    }
}

TEST_F(ProvaSPM, AnimacionDibujadaTarde)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(Escribe("anim.spm", PaqueteAnimado()).c_str()));
    p.IniciaAnimacion(0);
    AvanzaRelojManual(1000);
    p.ActualizaAnimacion();
    EXPECT_TRUE(p.m_bTerminada);  // six whole loops dropped
    EXPECT_EQ(p.SlotActual(), 4); // then 100 ms from frame 0
    EXPECT_EQ(p.m_iInicioFrame, 1000);

    // Missing animations are finished at once and show slot 0.
    for (int n : {2, -1, 256}) {
        p.IniciaAnimacion(n);
        EXPECT_TRUE(p.m_bTerminada) << n;
        p.ActualizaAnimacion();
        EXPECT_EQ(p.SlotActual(), 0) << n;
    }
}

TEST_F(ProvaSPM, DesplazamientoDeFrame)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(Escribe("anim.spm", PaqueteAnimado()).c_str()));
    p.IniciaAnimacion(1); // one frame: slot 5
    EXPECT_EQ(p.SlotActual(), 5);
    p.m_iDesplazamientoFrame = 2;
    EXPECT_EQ(p.SlotActual(), 7);
    p.m_iDesplazamientoFrame = 300;
    EXPECT_EQ(p.SlotActual(), -1); // draws nothing
    CSPM vacio;
    ASSERT_TRUE(vacio.CreaVacio(nullptr));
    EXPECT_EQ(vacio.SlotActual(), 0); // no animation: slot 0
}

TEST_F(ProvaSPM, CacheUnaCargaPorRuta)
{
    CGestorSPMs cache;
    ASSERT_TRUE(cache.Inicia());
    CSPM* a = cache.GetSPM(kCursor);
    ASSERT_NE(a, nullptr);
    std::string minusculas = kCursor;
    for (char& c : minusculas) c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(cache.GetSPM(minusculas.c_str()), a);
    EXPECT_EQ(cache.NumPaquetes(), 1);
    EXPECT_TRUE(cache.BuscaNodo(kCursor));
    EXPECT_FALSE(cache.BuscaNodo(kCuadro));
    EXPECT_TRUE(cache.Carga(kCuadro, true));
    EXPECT_TRUE(cache.GetSPM(kCuadro)->EstaEnUso());
    EXPECT_TRUE(cache.Carga(kCuadro, false)); // cached: true at once
    EXPECT_EQ(cache.NumPaquetes(), 2);
    // A missing file is cached too, showing the placeholder.
    CSPM* falta = cache.GetSPM("Data\\Falta.SPM");
    ASSERT_NE(falta, nullptr);
    EXPECT_FALSE(falta->m_bFicheroEncontrado);
    EXPECT_EQ(cache.GetSPM("Data\\Falta.SPM"), falta);
    EXPECT_EQ(cache.NumPaquetes(), 3);
    EXPECT_EQ(cache.GetSPM(nullptr), nullptr);
    EXPECT_FALSE(cache.Carga(nullptr, false));
    // A path longer than the file system opens would not fit the node.
    const std::string largo(1024, 'a');
    EXPECT_EQ(cache.GetSPM(largo.c_str()), nullptr);
    EXPECT_EQ(cache.GetSPM(std::string(1023, 'b').c_str())->GetRuta(), std::string(1023, 'b'));
    cache.Vacia();
    EXPECT_EQ(cache.NumPaquetes(), 0);
    EXPECT_FALSE(cache.BuscaNodo(kCursor));
}

TEST_F(ProvaSPM, CopiasIndependientesQueCompartenBitmaps)
{
    auto* cache = new CGestorSPMs;
    ASSERT_TRUE(cache->Inicia());
    CSPM* origen = cache->GetSPM(kCursor);
    Bitmap* atlas = origen->m_apSprites[0]->m_pBitmap;
    const int refs = atlas->m_iReferencies;
    // Each copy holds one reference per sprite of the package.
    const int n = int(std::count_if(std::begin(origen->m_apSprites), std::end(origen->m_apSprites),
                                    [](const Sprite* s) { return s != nullptr; }));
    CSPM a, b;
    ASSERT_TRUE(a.Copia(origen));
    ASSERT_TRUE(b.Copia(origen));
    EXPECT_EQ(atlas->m_iReferencies, refs + 2 * n);
    EXPECT_NE(a.m_apSprites[0], origen->m_apSprites[0]);
    EXPECT_EQ(a.m_apSprites[0]->m_pBitmap, atlas);
    EXPECT_EQ(a.m_apSprites[0]->m_fX, origen->m_apSprites[0]->m_fX);
    EXPECT_EQ(a.m_apSprites[0]->m_fHotspotX, origen->m_apSprites[0]->m_fHotspotX);
    EXPECT_STREQ(a.GetRuta(), kCursor);
    ASSERT_NE(a.m_apAnimaciones[0], nullptr);
    EXPECT_NE(a.m_apAnimaciones[0], origen->m_apAnimaciones[0]);
    EXPECT_EQ(a.m_apAnimaciones[0]->m_iDuracionTotal, origen->m_apAnimaciones[0]->m_iDuracionTotal);
    // Draw state is each copy's own; the version is not copied.
    a.PonAlfa(10);
    a.PonEscala(2, 3);
    a.IniciaAnimacion(5);
    EXPECT_EQ(b.m_ucAlfa, 255);
    EXPECT_EQ(b.m_fEscalaX, 1.0f);
    EXPECT_EQ(b.m_iAnimacion, 0);
    EXPECT_EQ(a.GetVersion(), 0);
    // Copies keep working when the cache is emptied.
    delete cache;
    EXPECT_EQ(atlas->m_iReferencies, 2 * n);
    a.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    EXPECT_NE(atlas->m_pTextura, nullptr);
    a.DesmarcaEnUso();
    EXPECT_FALSE(a.EstaEnUso());
    // A package asked to copy itself refuses and keeps what it holds.
    Sprite* primero = a.m_apSprites[0];
    EXPECT_FALSE(a.Copia(&a));
    EXPECT_TRUE(a.EstaCargado());
    EXPECT_EQ(a.m_apSprites[0], primero);
    EXPECT_EQ(atlas->m_iReferencies, 2 * n);
    EXPECT_FALSE(a.Copia(nullptr));
    EXPECT_FALSE(a.EstaCargado());
}

TEST_F(ProvaSPM, DibujaConSuEstado)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(kCuadro)); // a white 16x16 square centred on its hotspot
    p.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    Fondo(0, 0, 0);
    p.PonColor(255, 0, 0);
    p.Dibuja(100, 100);
    p.PonColor(255, 255, 255);
    p.PonAlfa(128);
    p.DibujaSprite(0, 200, 100);
    p.PonAlfa(255);
    p.PonEscala(2, 1);
    p.DibujaSprite(0, 300, 100);
    // Second pass: a flat green at half alpha over the white square.
    p.PonEscala(1, 1);
    p.PonFusion2(0x01, ColorRGB(0, 255, 0));
    p.PonAlfaFusion2(128);
    p.DibujaSprite(0, 400, 100);
    p.PonAlfaFusion2(0); // no second pass
    p.DibujaSprite(0, 500, 100);
    LeePantalla();
    auto cerca = [](Pixel p, int r, int g, int b) {
        return std::abs(p.r - r) <= 2 && std::abs(p.g - g) <= 2 && std::abs(p.b - b) <= 2;
    };
    EXPECT_TRUE(cerca(En(100, 100), 255, 0, 0));
    EXPECT_TRUE(cerca(En(93, 93), 255, 0, 0));
    EXPECT_TRUE(cerca(En(110, 100), 0, 0, 0)); // 16 wide about its centre
    EXPECT_TRUE(cerca(En(200, 100), 128, 128, 128));
    EXPECT_TRUE(cerca(En(314, 100), 255, 255, 255)); // twice as wide
    EXPECT_TRUE(cerca(En(300, 109), 0, 0, 0));
    EXPECT_TRUE(cerca(En(400, 100), 127, 255, 127));
    EXPECT_TRUE(cerca(En(500, 100), 255, 255, 255));
}

TEST_F(ProvaSPM, PanelDeNueveTrozos)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(kPaneles));
    p.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    Fondo(0, 255, 0);
    DibujaPanelSPM(nullptr, &p, 100, 100, 300, 200);
    LeePantalla();
    const Pixel centro = En(250, 200);
    EXPECT_LT(centro.r, 80); // the deep blue body
    EXPECT_GT(centro.b, centro.r + 20);
    EXPECT_EQ(En(99, 200).g, 255); // nothing outside
    EXPECT_EQ(En(401, 200).g, 255);
    EXPECT_EQ(En(250, 99).g, 255);
    EXPECT_EQ(En(250, 301).g, 255);
    EXPECT_NE(En(101, 200).g, 255); // the rim reaches the edges
    EXPECT_NE(En(398, 200).g, 255);
    EXPECT_NE(En(250, 101).g, 255);
    EXPECT_NE(En(250, 298).g, 255);
    // The package keeps the centre's scale.
    const Sprite* c = p.m_apSprites[8];
    EXPECT_FLOAT_EQ(p.m_fEscalaX, (300 - p.m_apSprites[6]->GetAmplada() - p.m_apSprites[7]->GetAmplada()) / c->GetAmplada());
}

TEST_F(ProvaSPM, BandaConRampaDeAlfa)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(kCuadro));
    p.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    Sprite* s = p.m_apSprites[0];
    Fondo(0, 0, 0);
    DibuixaLiniaSprites(nullptr, s, 100, 300, 300, 300, 1, 1, 0, 255, 0, 0, nullptr);
    DibuixaLiniaSprites(nullptr, s, 100, 400, 100, 400, 1, 1, 0, 255, 255, 0, nullptr); // length 0
    DibuixaLiniaSprites(nullptr, s, 100, 500, 300, 500, 1, 1, 0, 255, 255, 0x01, nullptr); // flat colour without colour
    DibuixaLinia(nullptr, s, 500, 300, 700, 300, 1, 0, 255);
    LeePantalla();
    EXPECT_GT(En(102, 300).r, 240);
    EXPECT_NEAR(En(200, 300).r, 128, 4);
    EXPECT_LT(En(298, 300).r, 12);
    EXPECT_EQ(En(200, 310).r, 0); // 16 thick
    EXPECT_EQ(En(100, 400).r, 0);
    EXPECT_EQ(En(200, 500).r, 0);
    EXPECT_LT(En(502, 300).r, 12);
    EXPECT_NEAR(En(600, 300).r, 128, 4);
    EXPECT_GT(En(698, 300).r, 240);
}

TEST_F(ProvaSPM, TirasDeTriangulosYRectangulos)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(kCuadro));
    p.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    Sprite* s = p.m_apSprites[0];
    const float u = (s->m_fX + 8) / float(s->m_pBitmap->m_iAmpladaTextura);
    const float v = (s->m_fY + 8) / float(s->m_pBitmap->m_iAlcadaTextura);
    Fondo(0, 0, 0);
    // Three points draw one triangle, not a quad with a made-up fourth corner.
    const float tri[12] = {u, v, 100, 100, u, v, 200, 100, u, v, 100, 200};
    DibuixaPoligonSprite(nullptr, s, 3, tri, nullptr, 0, nullptr);
    // Five points: the strip's three triangles.
    const float tira[20] = {u, v, 300, 100, u, v, 300, 200, u, v, 400, 100, u, v, 400, 200, u, v, 500, 100};
    const int alfas[5] = {255, 255, 255, 255, 255};
    DibuixaPoligonSprite(nullptr, s, 5, tira, alfas, 0, nullptr);
    DibuixaPoligonSprite(nullptr, s, 2, tira, alfas, 0, nullptr); // too few: nothing
    DibuixaRectangle(nullptr, 600, 100, 50, 40, true, ColorARGB(255, 0, 255, 0));
    LeePantalla();
    EXPECT_GT(En(120, 120).r, 240);
    EXPECT_EQ(En(190, 190).r, 0);
    EXPECT_GT(En(320, 150).r, 240);
    EXPECT_GT(En(380, 150).r, 240);
    EXPECT_GT(En(420, 110).r, 240);
    EXPECT_EQ(En(480, 190).r, 0); // beyond the last triangle
    EXPECT_EQ(En(625, 120).g, 255);
    EXPECT_EQ(En(625, 145).g, 0);
}

TEST_F(ProvaSPM, EfectoConPaqueteYConSprite)
{
    CSPM p;
    ASSERT_TRUE(p.Carga(kCuadro));
    p.MarcaEnUso();
    g_pSistema2D->CarregaBitmapsEnUs();
    CSistemaCacheEfectos efectos;
    ASSERT_TRUE(efectos.Inicia());
    DescripcionEfecto d;
    d.m_pSPM = &p;
    d.m_fDesdeX = d.m_fHastaX = 100;
    d.m_fDesdeY = d.m_fHastaY = 100;
    d.m_iFinFadeOut = 1000;
    d.m_fRotacion = 0.5f;
    d.m_fPasoRotacion = 0.1f;
    d.m_iFusion = 0x01;
    d.m_ColorFusion = ColorRGB(0, 0, 255);
    efectos.CreaEfecto(10)->Inicia(d);
    d.m_pSPM = nullptr;
    d.m_pSprite = p.m_apSprites[0];
    d.m_fDesdeX = d.m_fHastaX = 200;
    efectos.CreaEfecto(10)->Inicia(d);
    Fondo(0, 0, 0);
    efectos.DibujaCapa(10, nullptr); // not stepped yet: nothing
    LeePantalla();
    EXPECT_EQ(En(100, 100).b, 0);
    efectos.ActualizaCapa(10);
    efectos.ActualizaCapa(10);
    efectos.DibujaCapa(10, nullptr);
    LeePantalla();
    EXPECT_GT(En(100, 100).b, 240);
    EXPECT_LT(En(100, 100).r, 10);
    EXPECT_GT(En(200, 100).b, 240);
    // The package turns only by its initial rotation.
    EXPECT_FLOAT_EQ(p.m_fRotacion, 0.5f);
    efectos.Libera();
}
