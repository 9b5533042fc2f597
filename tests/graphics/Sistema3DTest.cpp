// The three-dimensional system on the off-screen device: placed quads against
// 2D sprites, the depth test, the debug cube's faces and colour, large
// meshes, copies, images that did not load and a lost device.
#include "Ajudes.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite.h"
#include "platform/RenderDevice.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// At this distance, with the default projection, one unit of the plane z = 0
// is one point of the field.
const float kDistanciaPixel = 384.0f / std::tan(CSistema3D::kFovPerDefecte / 2.0f);

struct Caixa {
    int x0 = 100000, y0 = 100000, x1 = -1, y1 = -1; // inclusive
    int n = 0;
};

} // namespace

class Prova3D : public ProvaGrafics {
protected:
    void SetUp() override
    {
        ProvaGrafics::SetUp();
        if (HasFatalFailure()) return;
        // The debug cube's picture, in this test's own data folder.
        std::string cubo = motor::imagen::TEXTURA_CUBO;
        std::replace(cubo.begin(), cubo.end(), '\\', '/');
        EscriuPNGPla(cubo, 8, 8, 255, 255, 255, 255);
        m_p3D = m_pSis->Get3D();
        ASSERT_NE(m_p3D, nullptr);
    }

    // The camera on the z axis looking at the origin from the front, the
    // plane z = 0 at one unit per point.
    void CameraDeFront()
    {
        m_p3D->PosaCamera(Vector3D{0, 0, -kDistanciaPixel}, Vector3D{}, 0.0f);
        m_p3D->ProjeccioPerDefecte();
    }

    // The pixels of the screen that are not black.
    Caixa Pintat()
    {
        LlegeixPantalla();
        Caixa c;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) {
                Pixel p = At(x, y);
                if (p.r + p.g + p.b < 30) continue;
                c.x0 = std::min(c.x0, x);
                c.y0 = std::min(c.y0, y);
                c.x1 = std::max(c.x1, x);
                c.y1 = std::max(c.y1, y);
                ++c.n;
            }
        return c;
    }

    // A white mesh texture entry.
    EntradaTextura* Blanc()
    {
        EscriuPNGPla("blanc.png", 4, 4, 255, 255, 255, 255);
        return m_p3D->CreaTextura("blanc.png", true, false);
    }

    CSistema3D* m_p3D = nullptr;
};

TEST_F(Prova3D, MadeOnceAndFreedWithTheGraphicsSystem)
{
    EXPECT_EQ(m_pSis->Get3D(), m_p3D);
    EXPECT_TRUE(m_p3D->EstaIniciat());
    ASSERT_NE(m_p3D->CubDepuracio(), nullptr);
    EXPECT_EQ(m_p3D->CubDepuracio()->m_cares.Mida(), 10);
    EXPECT_EQ(m_p3D->CubDepuracio()->m_vertexs.Mida(), 8);
    EXPECT_EQ(m_p3D->NumTextures(), 0); // the cube's entry went once the faces held the picture
    m_pSis->Allibera();
    EXPECT_FALSE(m_pSis->Te3D());
    EXPECT_EQ(m_pSis->Get3D(), nullptr); // not without the graphics system
    Reinicia(true, true);
}

TEST_F(Prova3D, CameraDepthAndAngle)
{
    m_p3D->PosaCamera(Vector3D{0, 0, -10}, Vector3D{}, 0.0f);
    EXPECT_NEAR(m_p3D->ProjectaPunt(0, 0, 0), 10.0f, 1e-4);
    EXPECT_NEAR(m_p3D->ProjectaPunt(3, 7, 5), 15.0f, 1e-4);
    EXPECT_NEAR(m_p3D->AngleCamera(0, 0, 0), 0.0f, 1e-6);
    EXPECT_NEAR(m_p3D->AngleCamera(10, 5, -10), std::atan2(10.0f, 0.0f), 1e-5);
    // Seen from the side, depth runs along x.
    m_p3D->PosaCamera(Vector3D{-4, 0, 0}, Vector3D{}, 0.0f);
    EXPECT_NEAR(m_p3D->ProjectaPunt(2, 0, 0), 6.0f, 1e-4);
    // Looking straight along the up vector, the view is still defined.
    m_p3D->PosaCamera(Vector3D{0, -5, 0}, Vector3D{}, 0.0f);
    EXPECT_NEAR(m_p3D->ProjectaPunt(0, 0, 0), 5.0f, 1e-4);
}

// A quad facing the camera at one unit per point covers the pixels the 2D
// sprite does at the matching point, mirrored or rotated alike.
TEST_F(Prova3D, PlacedQuadCoversWhatTheSpriteDoes)
{
    EscriuPNGPla("groc.png", 40, 24, 255, 220, 0, 255);
    Sprite* s = SpriteEnUs("groc.png");
    m_pSis->PosaHotspot(s, 10, 6);
    struct Cas {
        const char* nom;
        bool mirall;
        float rotacio, escalaX, escalaY;
    } casos[] = {
        {"plain", false, 0.0f, 1.0f, 1.0f},
        {"mirrored", true, 0.0f, 1.0f, 1.0f},
        {"scaled", false, 0.0f, 2.0f, 0.5f},
        {"quarter turn", false, 1.5707964f, 1.0f, 1.0f},
        {"a little turn, mirrored", true, 0.3f, 1.0f, 1.0f},
    };
    CameraDeFront();
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        Fons(0, 0, 0);
        m_pSis->DibuixaSpriteEX(nullptr, s, 300, 200, c.mirall, 255, c.rotacio, c.escalaX, c.escalaY);
        Caixa dos = Pintat();
        Fons(0, 0, 0);
        m_p3D->DibuixaSprite3D(nullptr, s, 0, nullptr, Vector3D{300 - 512.0f, 384 - 200.0f, 0}, c.mirall, 255,
                               c.rotacio, c.escalaX, c.escalaY, false, false);
        Caixa tres = Pintat();
        ASSERT_GT(dos.n, 0);
        EXPECT_NEAR(tres.x0, dos.x0, 1);
        EXPECT_NEAR(tres.x1, dos.x1, 1);
        EXPECT_NEAR(tres.y0, dos.y0, 1);
        EXPECT_NEAR(tres.y1, dos.y1, 1);
        EXPECT_NEAR(tres.n, dos.n, (dos.x1 - dos.x0 + dos.y1 - dos.y0) * 2);
    }
}

// With the z test on, the nearer quad hides the farther one whatever the
// order; without it the later one lies on top.
TEST_F(Prova3D, DepthTestHidesTheFartherQuad)
{
    EscriuPNGPla("vermell.png", 32, 32, 255, 0, 0, 255);
    EscriuPNGPla("blau.png", 32, 32, 0, 0, 255, 255);
    Sprite* roig = SpriteEnUs("vermell.png");
    Sprite* blau = SpriteEnUs("blau.png");
    m_pSis->PosaHotspot(roig, 16, 16);
    m_pSis->PosaHotspot(blau, 16, 16);
    CameraDeFront();
    auto dibuixa = [&](Sprite* s, float z, bool bZ) {
        m_p3D->DibuixaSprite3D(nullptr, s, 0, nullptr, Vector3D{0, 0, z}, false, 255, 0.0f, 1.0f, 1.0f, bZ, bZ);
    };
    for (bool bPrimerProper : {true, false}) {
        SCOPED_TRACE(bPrimerProper ? "near first" : "far first");
        Fons(0, 0, 0);
        plat::ClearTarget(false, 0, true, 1.0f);
        if (bPrimerProper) {
            dibuixa(roig, 0, true);
            dibuixa(blau, 50, true);
        } else {
            dibuixa(blau, 50, true);
            dibuixa(roig, 0, true);
        }
        LlegeixPantalla();
        EXPECT_RGB(At(512, 384), 255, 0, 0);
    }
    Fons(0, 0, 0);
    plat::ClearTarget(false, 0, true, 1.0f);
    dibuixa(roig, 0, false);
    dibuixa(blau, 50, false);
    LlegeixPantalla();
    EXPECT_RGB(At(512, 384), 0, 0, 255);
}

// The debug cube shows its sides to a camera outside them and nothing
// through its open bottom; its colour takes each byte by its name.
TEST_F(Prova3D, DebugCubeFacesAndColour)
{
    struct Cas {
        const char* nom;
        Vector3D ull;
        bool bVisible;
    } casos[] = {
        {"front", {0, 0, -300}, true},
        {"side", {300, 0, 0}, true},
        {"above", {0, 300, 0}, true},
        {"below, through the open side", {0, -300, 0}, false},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        m_p3D->PosaCamera(c.ull, Vector3D{}, 0.0f);
        m_p3D->ProjeccioPerDefecte();
        Fons(0, 0, 0);
        plat::ClearTarget(false, 0, true, 1.0f);
        m_p3D->DibuixaCub(nullptr, Vector3D{}, Vector3D{}, 100.0f, ColorARGB(255, 0, 255, 0), true, true);
        LlegeixPantalla();
        if (c.bVisible)
            EXPECT_RGB(At(512, 384), 0, 255, 0);
        else
            EXPECT_RGB(At(512, 384), 0, 0, 0);
    }
    // Half-transparent red over black: half its red.
    m_p3D->PosaCamera(Vector3D{0, 0, -300}, Vector3D{}, 0.0f);
    Fons(0, 0, 0);
    plat::ClearTarget(false, 0, true, 1.0f);
    m_p3D->DibuixaCub(nullptr, Vector3D{}, Vector3D{}, 100.0f, ColorARGB(128, 200, 0, 0), true, true);
    LlegeixPantalla();
    Pixel p = At(512, 384);
    EXPECT_NEAR(p.r, 100, 2);
    EXPECT_EQ(p.g, 0);
    EXPECT_EQ(p.b, 0);
    // A size of 0 draws nothing.
    Fons(0, 0, 0);
    m_p3D->DibuixaCub(nullptr, Vector3D{}, Vector3D{}, 0.0f, ColorARGB(255, 0, 255, 0), false, false);
    LlegeixPantalla();
    EXPECT_RGB(At(512, 384), 0, 0, 0);
}

// A group of more than 65 535 vertices keeps them all: its last face, whose
// corners lie past that count, is drawn where it belongs.
TEST_F(Prova3D, LargeMeshKeepsItsLastFaces)
{
    EntradaTextura* t = Blanc();
    const int nCares = 22000; // 66 000 corners, none shared
    Malla3D* m = m_p3D->CreaMalla(10, 1000, 4, 4, 10, 1000);
    m_p3D->AfegeixCoordTextura(m, 0.5f, 0.5f);
    for (int i = 0; i < nCares - 1; ++i) {
        // Degenerate faces: three corners at one point, far to the left.
        int v0 = m_p3D->AfegeixVertex(m, -400, 0, 0, 0, 0, -1, 255, 255, 255, 255);
        int v1 = m_p3D->AfegeixVertex(m, -400, 0, 0, 0, 0, -1, 255, 255, 255, 255);
        int v2 = m_p3D->AfegeixVertex(m, -400, 0, 0, 0, 0, -1, 255, 255, 255, 255);
        m_p3D->AfegeixCara(m, v0, v1, v2, t, 0, 0, 0);
    }
    // The last face: a large triangle over the centre, clockwise as seen.
    int a = m_p3D->AfegeixVertex(m, -100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    int b = m_p3D->AfegeixVertex(m, 0, 150, 0, 0, 0, -1, 255, 255, 255, 255);
    int c = m_p3D->AfegeixVertex(m, 100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    ASSERT_GT(c, 65535);
    m_p3D->AfegeixCara(m, a, b, c, t, 0, 0, 0);
    m_p3D->MarcaMallaEnUs(m);
    CameraDeFront();
    Fons(0, 0, 0);
    m_p3D->DibuixaMalla(nullptr, m, Vector3D{}, Vector3D{}, Vector3D{1, 1, 1}, ColorARGB(255, 255, 255, 255), false,
                        false, false);
    EXPECT_EQ(m->m_iNumVertexsTotal, nCares * 3);
    LlegeixPantalla();
    EXPECT_RGB(At(512, 384), 255, 255, 255);
    m_p3D->AlliberaMalla(m);
    m_p3D->AlliberaTextura(t);
}

// A copy has its own arrays and holds its own references: it draws after
// the original is freed. Equal corners share a vertex.
TEST_F(Prova3D, CopiedMeshOutlivesItsOriginal)
{
    EntradaTextura* t = Blanc();
    Malla3D* m = m_p3D->CreaMalla(4, 4, 4, 4, 2, 2);
    int v[4];
    const float p[4][2] = {{-50, -50}, {-50, 50}, {50, 50}, {50, -50}};
    for (int i = 0; i < 4; ++i) v[i] = m_p3D->AfegeixVertex(m, p[i][0], p[i][1], 0, 0, 0, -1, 255, 255, 255, 255);
    int c = m_p3D->AfegeixCoordTextura(m, 0.5f, 0.5f);
    m_p3D->AfegeixCara(m, v[0], v[1], v[2], t, c, c, c);
    m_p3D->AfegeixCara(m, v[0], v[2], v[3], t, c, c, c);
    Malla3D* copia = m_p3D->CopiaMalla(m);
    ASSERT_NE(copia, nullptr);
    m_p3D->AlliberaMalla(m);
    m_p3D->AlliberaTextura(t);
    m_p3D->MarcaMallaEnUs(copia);
    m_pSis->CarregaBitmapsEnUs();
    CameraDeFront();
    Fons(0, 0, 0);
    m_p3D->DibuixaMalla(nullptr, copia, Vector3D{}, Vector3D{}, Vector3D{1, 1, 1}, ColorARGB(255, 0, 0, 255), false,
                        false, false);
    EXPECT_EQ(copia->m_iNumVertexsTotal, 4); // six corners, four vertices
    LlegeixPantalla();
    EXPECT_RGB(At(512, 384), 0, 0, 255);
    EXPECT_RGB(At(560, 384), 0, 0, 255);
    EXPECT_RGB(At(600, 384), 0, 0, 0);
    m_p3D->AlliberaMalla(copia);
}

// Faces without a picture, or whose picture has no texture, draw nothing;
// faces naming vertices that do not exist are left out.
TEST_F(Prova3D, FacesWithoutAPictureDrawNothing)
{
    EscriuPNGPla("tard.png", 4, 4, 255, 255, 255, 255);
    EntradaTextura* tard = m_p3D->CreaTextura("tard.png", false, false); // never loaded
    Malla3D* m = m_p3D->CreaMalla(3, 3, 0, 1, 3, 3);
    int a = m_p3D->AfegeixVertex(m, -100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    int b = m_p3D->AfegeixVertex(m, 0, 150, 0, 0, 0, -1, 255, 255, 255, 255);
    int c = m_p3D->AfegeixVertex(m, 100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    m_p3D->AfegeixCara(m, a, b, c, nullptr, -1, -1, -1);
    m_p3D->AfegeixCara(m, a, b, c, tard, 0, 0, 0);
    m_p3D->AfegeixCara(m, a, b, 7, tard, 0, 0, 0);
    CameraDeFront();
    Fons(0, 0, 0);
    m_p3D->DibuixaMalla(nullptr, m, Vector3D{}, Vector3D{}, Vector3D{1, 1, 1}, ColorARGB(255, 255, 255, 255), false,
                        false, false);
    EXPECT_EQ(m->m_grups.size(), 2u);
    LlegeixPantalla();
    EXPECT_RGB(At(512, 384), 0, 0, 0);
    m_p3D->AlliberaMalla(m);
    m_p3D->AlliberaTextura(tard);
}

// A mesh drawn before a lost device gives its buffers up for the reset and
// draws again after it.
TEST_F(Prova3D, MeshSurvivesALostDevice)
{
    EntradaTextura* t = Blanc();
    Malla3D* m = m_p3D->CreaMalla(3, 3, 1, 1, 1, 1);
    int a = m_p3D->AfegeixVertex(m, -100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    int b = m_p3D->AfegeixVertex(m, 0, 150, 0, 0, 0, -1, 255, 255, 255, 255);
    int c = m_p3D->AfegeixVertex(m, 100, -100, 0, 0, 0, -1, 255, 255, 255, 255);
    m_p3D->AfegeixCara(m, a, b, c, t, -1, -1, -1);
    m_p3D->MarcaMallaEnUs(m);
    CameraDeFront();
    auto dibuixa = [&] {
        Fons(0, 0, 0);
        m_p3D->DibuixaMalla(nullptr, m, Vector3D{}, Vector3D{}, Vector3D{1, 1, 1}, ColorARGB(255, 255, 0, 255),
                            false, false, false);
        LlegeixPantalla();
        EXPECT_RGB(At(512, 384), 255, 0, 255);
    };
    dibuixa();
    ASSERT_NE(m->m_pBuffer, nullptr);
    EXPECT_GE(plat::LiveMeshBufferCount(), 1);
    plat::SimulateLostDevice();
    m_pSis->Flipa(true);
    EXPECT_TRUE(plat::RenderDeviceUsable());
    EXPECT_EQ(m->m_pBuffer, nullptr);
    EXPECT_EQ(plat::LiveMeshBufferCount(), 0);
    dibuixa();
    m_p3D->AlliberaMalla(m);
    m_p3D->AlliberaTextura(t);
}

// A package's current frame placed in space keeps every part of its draw
// state: colour, alpha, mirror, scale, rotation and the second pass.
TEST_F(Prova3D, PackageFrameInSpaceMatchesItsFlatDraw)
{
    // A picture white on its left half and grey on its right.
    std::vector<uint8_t> bytes;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            uint8_t v = x < 15 ? 255 : 128;
            bytes.insert(bytes.end(), {v, v, v, 255});
        }
    EscriuPNG("paquet.png", 30, 20, 6 /* RGBA */, 8, bytes);
    mgtest::EscriuFitxer(CarpetaDades() + "/paquet.SPM",
                         "SPMVER = 1;\nSPRITE = 0, \"paquet.png\", 0, 0, 30, 20, 15, 10, 0;\nANIMACIO = 0, 0, 1000;\n");
    CSPM spm;
    ASSERT_TRUE(spm.Carga("paquet.SPM"));
    spm.MarcaEnUso();
    m_pSis->CarregaBitmapsEnUs();
    spm.PonColor(255, 128, 0);
    spm.PonRotacion(0.4f);
    spm.PonAlfa(200);
    spm.ActivaEspejo();
    spm.PonEscala(2.0f, 1.5f);
    spm.PonFusion2(SPRITE_ADDITIU, ColorRGB(0, 0, 90));
    spm.PonAlfaFusion2(128);
    CameraDeFront();
    Fons(20, 20, 20);
    spm.Dibuja(200, 300);
    LlegeixPantalla();
    std::vector<uint8_t> pla = m_aPantalla;
    Fons(20, 20, 20);
    spm.Dibuja3D(nullptr, 200 - 512.0f, 384 - 300.0f, 0, false, false);
    LlegeixPantalla();
    int diferents = 0;
    for (size_t i = 0; i < pla.size(); i += 4)
        if (std::abs(pla[i] - m_aPantalla[i]) > 3 || std::abs(pla[i + 1] - m_aPantalla[i + 1]) > 3 ||
            std::abs(pla[i + 2] - m_aPantalla[i + 2]) > 3)
            ++diferents;
    // Only the edges may land a pixel apart.
    EXPECT_LT(diferents, 200);
}
