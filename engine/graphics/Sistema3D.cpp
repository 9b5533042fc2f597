#include "engine/graphics/Sistema3D.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/Bitmap.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "platform/RenderDevice.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

constexpr float kAmpladaCamp = 1024.0f;
constexpr float kAlcadaCamp = 768.0f;

plat::SpaceVertex Vertex(const Vector3D& p, uint32_t color, float u, float v)
{
    return plat::SpaceVertex{p.x, p.y, p.z, 0.0f, 1.0f, 0.0f, color, u, v};
}

void CopiaMatriu(const Matriz3D& m, float* desti)
{
    for (int i = 0; i < 16; ++i) desti[i] = m.m[i];
}

int FlagsEspai(bool bZMenor, bool bZEscriu, bool bAdditiu)
{
    return ESTAT_3D | (bZMenor ? ESTAT_Z_MENOR : 0) | (bZEscriu ? ESTAT_Z_ESCRIU : 0) | (bAdditiu ? ESTAT_ADDITIU : 0);
}

} // namespace

CSistema3D::~CSistema3D()
{
    if (m_bIniciat) Libera();
}

void CSistema3D::Reinicia()
{
    m_fZoom = 1.0f;
    m_fFov = kFovPerDefecte;
    m_fDesplX = m_fDesplY = 0.0f;
    m_pCub = nullptr;
}

bool CSistema3D::Inicia(CSistema2D* pSistema)
{
    if (m_bIniciat) Libera();
    Reinicia();
    m_pSistema = pSistema;
    m_lMalles.Inicia();
    m_lTextures.Inicia();
    m_iSeguentMalla = m_iSeguentTextura = 0;
    m_bIniciat = true;
    AplicaProjeccio(kAmpladaCamp, kAlcadaCamp);
    MaterialBlanc();
    CreaCubDepuracio();
    return true;
}

void CSistema3D::Libera()
{
    if (!m_bIniciat) return;
    m_pCub = nullptr;
    while (m_lMalles.m_pCabeza) AlliberaMalla(static_cast<Malla3D*>(m_lMalles.m_pCabeza->m_pItem));
    while (m_lTextures.m_pCabeza) AlliberaTextura(static_cast<EntradaTextura*>(m_lTextures.m_pCabeza->m_pItem));
    m_lMalles.Vacia();
    m_lTextures.Vacia();
    m_bIniciat = false;
}

// ---------------------------------------------------------------------------
// Camera and projection

void CSistema3D::PosaCamera(const Vector3D& ull, const Vector3D& objectiu, float fRoll)
{
    m_vista = Matriz3D::Mirada(ull, objectiu, Vector3D{std::sin(fRoll), std::cos(fRoll), 0.0f});
    m_vistaInversa = m_vista.InversaRigida();
}

void CSistema3D::PosaProjeccio(float fDesplX, float fDesplY, float fZoom, float fFov)
{
    // Points of the field to projection units: half the field's width
    // across, half its height down (up in projection units).
    m_fDesplX = fDesplX / (kAmpladaCamp / 2.0f);
    m_fDesplY = -fDesplY / (kAlcadaCamp / 2.0f);
    m_fZoom = fZoom;
    m_fFov = fFov;
}

void CSistema3D::AplicaProjeccio(float w, float h)
{
    float fAspecte = (w > 0.0f && h > 0.0f) ? w / h : kAmpladaCamp / kAlcadaCamp;
    float fFov = (m_fFov > 0.0f && m_fFov < 3.14f) ? m_fFov : kFovPerDefecte;
    m_projeccio = Matriz3D::Perspectiva(fFov, fAspecte, kPlaProper, kPlaLlunya);
    m_projeccio(0, 0) *= m_fZoom;
    m_projeccio(1, 1) *= m_fZoom;
    m_projeccio(2, 0) = m_fDesplX;
    m_projeccio(2, 1) = m_fDesplY;
}

float CSistema3D::ProjectaPunt(float x, float y, float z) const { return m_vista.Transforma({x, y, z}).z; }

float CSistema3D::AngleCamera(float x, float, float z) const
{
    Vector3D ull = Ull();
    return std::atan2(x - ull.x, z - ull.z);
}

void CSistema3D::PosaMaterial(ColorARGB color)
{
    m_afMaterial[0] = color.r / 255.0f;
    m_afMaterial[1] = color.g / 255.0f;
    m_afMaterial[2] = color.b / 255.0f;
    m_afMaterial[3] = color.a / 255.0f;
}

bool CSistema3D::PreparaDibuix(Sprite* pDesti, int iFlagsEstat)
{
    float w = kAmpladaCamp, h = kAlcadaCamp;
    if (pDesti) {
        if (!pDesti->m_pBitmap || !pDesti->m_pBitmap->m_pTextura) return false;
        w = pDesti->GetAmplada() > 0.0f ? pDesti->GetAmplada() : float(pDesti->m_pBitmap->m_iAmpladaTextura);
        h = pDesti->GetAlcada() > 0.0f ? pDesti->GetAlcada() : float(pDesti->m_pBitmap->m_iAlcadaTextura);
        if (!m_pSistema->PassaABitmap(pDesti->m_pBitmap, int(std::ceil(w)), int(std::ceil(h)))) return false;
    } else {
        m_pSistema->PassaAPantalla();
    }
    AplicaProjeccio(w, h);
    m_pSistema->AplicaEstats(iFlagsEstat, false);
    return true;
}

// ---------------------------------------------------------------------------
// Placed sprites

void CSistema3D::DibuixaSprite3D(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB*,
                                 const Vector3D& posicio, bool bMirall, int iAlfa, float fRotacio, float fEscalaX,
                                 float fEscalaY, bool bZMenor, bool bZEscriu)
{
    if (!m_bIniciat || !m_pSistema->PotDibuixar(pSprite, 0, nullptr)) return;
    if (pDesti && (!pDesti->m_pBitmap || !pDesti->m_pBitmap->m_pTextura)) return;
    // The corners as a 2D sprite lays them out (y down), placed along the
    // camera's right and up axes.
    float c[8];
    CSistema2D::CantonadesSprite(pSprite, bMirall, fRotacio, fEscalaX, fEscalaY, c);
    const Vector3D dreta = Normalitza({m_vista(0, 0), m_vista(1, 0), m_vista(2, 0)});
    const Vector3D amunt = Normalitza({m_vista(0, 1), m_vista(1, 1), m_vista(2, 1)});
    // Texture coordinates and corner colours as a 2D quad's.
    const Bitmap* b = pSprite->m_pBitmap;
    float uv[4];
    uint32_t colors[4];
    CSistema2D::AparencaSprite(pSprite, 0, nullptr, bMirall, iAlfa, uv, colors);
    const float us[4] = {uv[0], uv[0], uv[1], uv[1]}, vs[4] = {uv[3], uv[2], uv[3], uv[2]};
    plat::SpaceVertex v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = Vertex(posicio + dreta * c[2 * i] - amunt * c[2 * i + 1], colors[i], us[i], vs[i]);

    m_pSistema->Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaSprite3D");
    const int iFlagsEstat = FlagsEspai(bZMenor, bZEscriu, (iFlags & SPRITE_ADDITIU) != 0);
    if (PreparaDibuix(pDesti, iFlagsEstat) && plat::RenderDeviceUsable()) {
        // Seen from either side: no culling for this draw.
        plat::RenderState s = plat::CurrentRenderState();
        s.cullCcw = false;
        plat::SetRenderState(s);
        plat::SetTexture(b->m_pTextura);
        plat::SpaceDraw d;
        CopiaMatriu(m_vista * m_projeccio, d.matrix);
        std::copy(m_afMaterial, m_afMaterial + 4, d.material);
        d.vertexColour = true;
        plat::DrawSpaceStrip(v, 4, d);
        m_pSistema->AplicaEstats(iFlagsEstat, true);
    }
    m_pSistema->Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void CSistema3D::DibuixaPoligonSprite(Sprite* pDesti, Sprite* pSprite, int iNum, const float* pfPunts,
                                      const int* piAlfas, int iFlags, const ColorRGB* pColor)
{
    ::DibuixaPoligonSprite(pDesti, pSprite, iNum, pfPunts, piAlfas, iFlags, pColor);
}

// ---------------------------------------------------------------------------
// Texture entries

EntradaTextura* CSistema3D::CreaTextura(const char* szFitxer, bool bCarregaAra, bool bOpac)
{
    if (!m_bIniciat || !szFitxer) return nullptr;
    Sprite* s = m_pSistema->CreaSpriteFitxer(szFitxer, -1, -1, -1, -1, 0, 0, bCarregaAra, bOpac);
    if (!s) return nullptr;
    // The whole image, whatever the placeholder's own rectangle.
    s->m_fX = s->m_fY = 0.0f;
    s->m_fHotspotX = s->m_fHotspotY = 0.0f;
    m_pSistema->AjustaSpriteABitmap(s);
    auto* e = new EntradaTextura;
    e->m_pSprite = s;
    e->m_iId = m_iSeguentTextura++;
    m_lTextures.InsertaAlFinal(e);
    return e;
}

void CSistema3D::AlliberaTextura(EntradaTextura* pEntrada)
{
    if (!pEntrada || !m_lTextures.BuscaYBorra(pEntrada)) return;
    m_pSistema->AlliberaSprite(pEntrada->m_pSprite, true);
    delete pEntrada;
}

// ---------------------------------------------------------------------------
// Meshes

Malla3D* CSistema3D::CreaMalla(int nVertexs, int iPasVertexs, int nCoords, int iPasCoords, int nCares,
                               int iPasCares)
{
    if (!m_bIniciat) return nullptr;
    auto* m = new Malla3D;
    m->m_vertexs.m_a.reserve(size_t(std::max(nVertexs, 0)));
    m->m_coords.m_a.reserve(size_t(std::max(nCoords, 0)));
    m->m_cares.m_a.reserve(size_t(std::max(nCares, 0)));
    m->m_vertexs.m_iPas = std::max(iPasVertexs, 1);
    m->m_coords.m_iPas = std::max(iPasCoords, 1);
    m->m_cares.m_iPas = std::max(iPasCares, 1);
    m->m_iId = m_iSeguentMalla++;
    m_lMalles.InsertaAlFinal(m);
    return m;
}

int CSistema3D::AfegeixVertex(Malla3D* pMalla, float x, float y, float z, float nx, float ny, float nz, uint8_t a,
                              uint8_t r, uint8_t g, uint8_t b)
{
    if (!pMalla) return -1;
    pMalla->m_bBrut = true;
    VertexMalla v;
    v.x = x;
    v.y = y;
    v.z = z;
    v.nx = nx;
    v.ny = ny;
    v.nz = nz;
    v.a = a;
    v.r = r;
    v.g = g;
    v.b = b;
    return pMalla->m_vertexs.Afegeix(v);
}

int CSistema3D::AfegeixCoordTextura(Malla3D* pMalla, float u, float v)
{
    if (!pMalla) return -1;
    pMalla->m_bBrut = true;
    return pMalla->m_coords.Afegeix(CoordMalla{u, v});
}

int CSistema3D::AfegeixCara(Malla3D* pMalla, int v0, int v1, int v2, EntradaTextura* pTextura, int c0, int c1,
                            int c2)
{
    if (!pMalla) return -1;
    pMalla->m_bBrut = true;
    CaraMalla c;
    c.m_aiVertexs[0] = v0;
    c.m_aiVertexs[1] = v1;
    c.m_aiVertexs[2] = v2;
    if (pTextura && pTextura->m_pSprite && pTextura->m_pSprite->m_pBitmap) {
        c.m_pBitmap = pTextura->m_pSprite->m_pBitmap;
        ++c.m_pBitmap->m_iReferencies;
        if (pMalla->m_bEnUs) ++c.m_pBitmap->m_iEnUs;
        c.m_aiCoords[0] = c0;
        c.m_aiCoords[1] = c1;
        c.m_aiCoords[2] = c2;
    }
    return pMalla->m_cares.Afegeix(c);
}

void CSistema3D::MarcaMallaEnUs(Malla3D* pMalla)
{
    if (!pMalla || pMalla->m_bEnUs) return;
    pMalla->m_bEnUs = true;
    for (const CaraMalla& c : pMalla->m_cares.m_a)
        if (c.m_pBitmap) ++c.m_pBitmap->m_iEnUs;
}

void CSistema3D::DesmarcaMallaEnUs(Malla3D* pMalla)
{
    if (!pMalla || !pMalla->m_bEnUs) return;
    pMalla->m_bEnUs = false;
    for (const CaraMalla& c : pMalla->m_cares.m_a)
        if (c.m_pBitmap) --c.m_pBitmap->m_iEnUs;
}

Malla3D* CSistema3D::CopiaMalla(const Malla3D* pMalla)
{
    if (!m_bIniciat || !pMalla) return nullptr;
    auto* m = new Malla3D;
    m->m_vertexs = pMalla->m_vertexs;
    m->m_coords = pMalla->m_coords;
    m->m_cares = pMalla->m_cares;
    m->m_bReutilitzaVertexs = pMalla->m_bReutilitzaVertexs;
    for (const CaraMalla& c : m->m_cares.m_a)
        if (c.m_pBitmap) ++c.m_pBitmap->m_iReferencies;
    m->m_iId = m_iSeguentMalla++;
    m_lMalles.InsertaAlFinal(m);
    return m;
}

void CSistema3D::TreuBuffer(Malla3D* pMalla)
{
    if (pMalla->m_pBuffer) {
        m_pSistema->Bloqueja(BLOQUEIG_DISPOSITIU, "AlliberaBuffers");
        plat::DeleteMeshBuffer(pMalla->m_pBuffer);
        m_pSistema->Desbloqueja(BLOQUEIG_DISPOSITIU);
    }
    pMalla->m_pBuffer = nullptr;
    pMalla->m_bBrut = true;
}

void CSistema3D::AlliberaMalla(Malla3D* pMalla)
{
    if (!pMalla || !m_lMalles.BuscaYBorra(pMalla)) return;
    if (pMalla == m_pCub) m_pCub = nullptr;
    DesmarcaMallaEnUs(pMalla);
    TreuBuffer(pMalla);
    std::vector<Bitmap*> bitmaps;
    for (CaraMalla& c : pMalla->m_cares.m_a) {
        if (!c.m_pBitmap) continue;
        --c.m_pBitmap->m_iReferencies;
        if (std::find(bitmaps.begin(), bitmaps.end(), c.m_pBitmap) == bitmaps.end()) bitmaps.push_back(c.m_pBitmap);
    }
    delete pMalla;
    for (Bitmap* b : bitmaps) m_pSistema->DescarregaBitmapSiCalAlMoment(b, true);
}

void CSistema3D::CreaBuffersMalla(Malla3D* pMalla)
{
    TreuBuffer(pMalla);
    pMalla->m_grups.clear();
    pMalla->m_iNumVertexsTotal = 0;
    const int nVertexs = pMalla->m_vertexs.Mida(), nCoords = pMalla->m_coords.Mida();
    // Faces by image, in the order each image first appears.
    std::vector<Bitmap*> ordre;
    std::map<Bitmap*, std::vector<const CaraMalla*>> perImatge;
    for (const CaraMalla& c : pMalla->m_cares.m_a) {
        bool bValida = true;
        for (int v : c.m_aiVertexs) bValida = bValida && v >= 0 && v < nVertexs;
        if (!bValida) continue;
        auto it = perImatge.find(c.m_pBitmap);
        if (it == perImatge.end()) {
            ordre.push_back(c.m_pBitmap);
            it = perImatge.emplace(c.m_pBitmap, std::vector<const CaraMalla*>()).first;
        }
        it->second.push_back(&c);
    }
    std::vector<plat::SpaceVertex> vertexs;
    std::vector<uint32_t> indexs;
    for (Bitmap* b : ordre) {
        GrupMalla g;
        g.m_pBitmap = b;
        g.m_iPrimerIndex = int(indexs.size());
        std::map<std::pair<int, int>, uint32_t> parells;
        for (const CaraMalla* c : perImatge[b]) {
            for (int k = 0; k < 3; ++k) {
                const int iv = c->m_aiVertexs[k];
                const int ic = (c->m_aiCoords[k] >= 0 && c->m_aiCoords[k] < nCoords) ? c->m_aiCoords[k] : -1;
                const std::pair<int, int> clau{iv, ic};
                if (pMalla->m_bReutilitzaVertexs) {
                    auto it = parells.find(clau);
                    if (it != parells.end()) {
                        indexs.push_back(it->second);
                        continue;
                    }
                }
                const VertexMalla& v = pMalla->m_vertexs.m_a[size_t(iv)];
                const CoordMalla uv = ic >= 0 ? pMalla->m_coords.m_a[size_t(ic)] : CoordMalla();
                const uint32_t color = CSistema2D::FesColorARGB(v.r / 2, v.g / 2, v.b / 2, v.a);
                // Indices are 32-bit: a group of any size keeps its vertices.
                const uint32_t index = uint32_t(vertexs.size());
                vertexs.push_back(plat::SpaceVertex{v.x, v.y, v.z, v.nx, v.ny, v.nz, color, uv.u, uv.v});
                if (pMalla->m_bReutilitzaVertexs) parells.emplace(clau, index);
                indexs.push_back(index);
            }
        }
        g.m_iNumIndexs = int(indexs.size()) - g.m_iPrimerIndex;
        pMalla->m_grups.push_back(g);
    }
    pMalla->m_iNumVertexsTotal = int(vertexs.size());
    pMalla->m_bBrut = false;
    if (vertexs.empty()) return;
    m_pSistema->Bloqueja(BLOQUEIG_DISPOSITIU, "CreaBuffersMalla");
    pMalla->m_pBuffer = plat::CreateMeshBuffer(vertexs.data(), vertexs.size(), indexs.data(), indexs.size());
    m_pSistema->Desbloqueja(BLOQUEIG_DISPOSITIU);
    if (!pMalla->m_pBuffer) pMalla->m_bBrut = true;
}

void CSistema3D::DibuixaMallaAmbMatriu(Sprite* pDesti, Malla3D* pMalla, const Matriz3D& mon, bool bZMenor,
                                       bool bZEscriu, bool bAdditiu)
{
    if (!m_bIniciat || !pMalla) return;
    if (pDesti && (!pDesti->m_pBitmap || !pDesti->m_pBitmap->m_pTextura)) return;
    if (pMalla->m_bBrut || !pMalla->m_pBuffer) CreaBuffersMalla(pMalla);
    if (!pMalla->m_pBuffer) return;
    m_pSistema->Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaMalla");
    if (PreparaDibuix(pDesti, FlagsEspai(bZMenor, bZEscriu, bAdditiu)) && plat::RenderDeviceUsable()) {
        plat::SpaceDraw d;
        CopiaMatriu(mon * m_vista * m_projeccio, d.matrix);
        std::copy(m_afMaterial, m_afMaterial + 4, d.material);
        d.vertexColour = false;
        for (const GrupMalla& g : pMalla->m_grups) {
            // An image that failed to load draws nothing.
            if (!g.m_pBitmap || !g.m_pBitmap->m_pTextura) continue;
            plat::SetTexture(g.m_pBitmap->m_pTextura);
            plat::DrawMeshBuffer(pMalla->m_pBuffer, size_t(g.m_iPrimerIndex), size_t(g.m_iNumIndexs), d);
        }
    }
    m_pSistema->Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void CSistema3D::DibuixaMalla(Sprite* pDesti, Malla3D* pMalla, const Vector3D& posicio, const Vector3D& ypr,
                              const Vector3D& escala, ColorARGB color, bool bZMenor, bool bZEscriu, bool bAdditiu)
{
    const Matriz3D mon = Matriz3D::Escala(escala.x, escala.y, escala.z) *
                         Matriz3D::RotacioYawPitchRoll(ypr.x, ypr.y, ypr.z) *
                         Matriz3D::Translacio(posicio.x, posicio.y, posicio.z);
    PosaMaterial(color);
    DibuixaMallaAmbMatriu(pDesti, pMalla, mon, bZMenor, bZEscriu, bAdditiu);
    MaterialBlanc();
}

// ---------------------------------------------------------------------------
// Debug cube

bool CSistema3D::CreaCubDepuracio()
{
    if (!m_bIniciat) return false;
    if (m_pCub) AlliberaMalla(m_pCub);
    Malla3D* m = CreaMalla(8, 8, 4, 4, 10, 10);
    if (!m) return false;
    // Corner i: x from bit 0, y from bit 1, z from bit 2.
    const float k = 0.57735026f;
    for (int i = 0; i < 8; ++i) {
        const float sx = (i & 1) ? 1.0f : -1.0f, sy = (i & 2) ? 1.0f : -1.0f, sz = (i & 4) ? 1.0f : -1.0f;
        AfegeixVertex(m, sx * 0.5f, sy * 0.5f, sz * 0.5f, sx * k, sy * k, sz * k, 128, 255, 255, 255);
    }
    const float uv[4][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    for (const auto& c : uv) AfegeixCoordTextura(m, c[0], c[1]);
    EntradaTextura* t = CreaTextura(motor::imagen::TEXTURA_CUBO, true, false);
    // Each side as four corners and its outward direction; the y = -0.5
    // side stays open.
    struct Costat {
        int v[4]; // going round the side
        Vector3D fora;
    };
    const Costat costats[5] = {
        {{0, 2, 3, 1}, {0, 0, -1}}, // z = -0.5
        {{4, 5, 7, 6}, {0, 0, 1}},  // z = +0.5
        {{0, 4, 6, 2}, {-1, 0, 0}}, // x = -0.5
        {{1, 3, 7, 5}, {1, 0, 0}},  // x = +0.5
        {{2, 6, 7, 3}, {0, 1, 0}},  // y = +0.5
    };
    auto pos = [&](int i) {
        const VertexMalla& v = m->m_vertexs.m_a[size_t(i)];
        return Vector3D{v.x, v.y, v.z};
    };
    // The picture's corners going round a side: (0, 1), (0, 0), (1, 0), (1, 1).
    const int coordCantonada[4] = {0, 1, 3, 2};
    for (const Costat& c : costats) {
        // Two triangles; each turns clockwise seen from outside (the side a
        // culled draw keeps).
        const int tris[2][3] = {{0, 1, 2}, {0, 2, 3}};
        for (const auto& t3 : tris) {
            int a = c.v[t3[0]], b = c.v[t3[1]], d = c.v[t3[2]];
            int ca = coordCantonada[t3[0]], cb = coordCantonada[t3[1]], cd = coordCantonada[t3[2]];
            if (Punt(Creu(pos(b) - pos(a), pos(d) - pos(a)), c.fora) < 0.0f) {
                std::swap(b, d);
                std::swap(cb, cd);
            }
            AfegeixCara(m, a, b, d, t, ca, cb, cd);
        }
    }
    // The faces hold their own references on the picture.
    AlliberaTextura(t);
    MarcaMallaEnUs(m);
    if (m_pSistema) m_pSistema->CarregaBitmapsEnUs();
    m_pCub = m;
    return true;
}

void CSistema3D::DibuixaCub(Sprite* pDesti, const Vector3D& posicio, const Vector3D& ypr, float fMida,
                            ColorARGB color, bool bZMenor, bool bZEscriu)
{
    if (!m_pCub || fMida == 0.0f) return;
    DibuixaMalla(pDesti, m_pCub, posicio, ypr, Vector3D{fMida, fMida, fMida}, color, bZMenor, bZEscriu, false);
}

// ---------------------------------------------------------------------------
// Device reset

void CSistema3D::AlliberaBuffers()
{
    if (!m_bIniciat) return;
    for (NodoLista* n = m_lMalles.m_pCabeza; n; n = n->m_pSiguiente) TreuBuffer(static_cast<Malla3D*>(n->m_pItem));
    m_pSistema->Bloqueja(BLOQUEIG_DISPOSITIU, "AlliberaBuffers");
    plat::SetTexture(nullptr);
    m_pSistema->AplicaEstats(m_pSistema->FlagsActuals() < 0 ? 0 : m_pSistema->FlagsActuals(), true);
    m_pSistema->Desbloqueja(BLOQUEIG_DISPOSITIU);
}
