#include "engine/graphics/Sistema2D.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/CopiaTexto.h"
#include "engine/core/FaltasContenido.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/LectorPNG.h"
#include "engine/graphics/Sistema3D.h"
#include "platform/Platform.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <vector>

CSistema2D* g_pSistema2D = nullptr;

namespace {

// A failed device creation or reset is tried again this many times, this
// many milliseconds apart; after that the mode stays lost until the next
// failed present tries again.
constexpr int kIntentsMode = 50;
constexpr uint32_t kEsperaIntentMs = 20;

// Side of the placeholder image built in code when its file is missing too.
constexpr int kMidaSubstituta = 64;

int NumeroDeFil()
{
    static std::atomic<int> s_iSeguent{1};
    thread_local int t_iNumero = s_iSeguent.fetch_add(1);
    return t_iNumero;
}

// Everything a text bitmap is drawn with but the literal itself.
void PosaFormatText(Bitmap* b, int iCodi, int iFlags, float fEscalaX, float fEscalaY, float fOffsetX, float fOffsetY,
                    float fCaixaW, float fCaixaH)
{
    b->m_iCodiFLI = iCodi;
    b->m_iFlagsText = iFlags;
    b->m_fEscalaX = fEscalaX;
    b->m_fEscalaY = fEscalaY;
    b->m_fOffsetX = fOffsetX;
    b->m_fOffsetY = fOffsetY;
    b->m_fCaixaAmplada = fCaixaW;
    b->m_fCaixaAlcada = fCaixaH;
}

} // namespace

CSistema2D::CSistema2D() { m_lBitmaps.Inicia(); }

CSistema2D::~CSistema2D() { Allibera(); }

void CSistema2D::Neteja()
{
    m_iSeguentSprite = 0;
    m_iSeguentBitmap = 0;
    m_iFlagsActuals = -1;
    m_pSprites = nullptr;
    m_pBitmapDesti = nullptr;
    m_pPlaceholder = nullptr;
}

bool CSistema2D::Inicia(bool bVentana, bool bTextures32)
{
    if (m_bIniciat) Allibera();
    Neteja();
    m_bVentana = bVentana;
    m_bBilineal = true;
    m_bTextures32 = bTextures32;
    m_lBitmaps.Inicia();
    for (Bloqueig& b : m_aBloqueigs) {
        b = Bloqueig();
        b.pMutex = new std::recursive_mutex;
    }
    if (!PreparaMode(!bVentana)) {
        plat::DestroyRenderDevice();
        for (Bloqueig& b : m_aBloqueigs) {
            delete b.pMutex;
            b = Bloqueig();
        }
        return false;
    }
    m_bIniciat = true;
    return true;
}

void CSistema2D::Allibera()
{
    if (!m_bIniciat) return;
    // The fonts free their glyph sprites while everything else still exists.
    AlliberaFonts();
    delete m_p3D;
    m_p3D = nullptr;
    if (m_pPlaceholder) {
        --m_pPlaceholder->m_iReferencies;
        --m_pPlaceholder->m_iEnUs;
        DescarregaBitmapsSenseUs();
    }
    Bloqueja(BLOQUEIG_DISPOSITIU, "Allibera");
    plat::SetTexture(nullptr);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    DescarregaBitmapsSenseUs();
    AlliberaSprites();
    AlliberaBitmaps();
    Bloqueja(BLOQUEIG_DISPOSITIU, "Allibera");
    PassaAPantalla();
    plat::DestroyRenderDevice();
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    for (Bloqueig& b : m_aBloqueigs) {
        delete b.pMutex;
        b = Bloqueig();
    }
    m_lBitmaps.Vacia();
    Neteja();
    m_bIniciat = false;
}

CSistema3D* CSistema2D::Get3D()
{
    if (!m_bIniciat) return nullptr;
    if (m_p3D) return m_p3D;
    Bloqueja(BLOQUEIG_DISPOSITIU, "Get3D");
    auto* p = new CSistema3D;
    // Set before it starts: its debug cube already draws through it.
    m_p3D = p;
    if (!p->Inicia(this)) {
        m_p3D = nullptr;
        delete p;
    }
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    return m_p3D;
}

// ---------------------------------------------------------------------------
// Locks

void CSistema2D::Bloqueja(int i, const char* szNom)
{
    if (i < 0 || i >= NUM_BLOQUEIGS) return;
    Bloqueig& b = m_aBloqueigs[i];
    if (!b.pMutex) return;
    b.pMutex->lock();
    // The outermost operation is the one holding the lock.
    if (b.iProfunditat++ == 0) {
        b.szNom = szNom;
        b.iFil = NumeroDeFil();
    }
}

void CSistema2D::Desbloqueja(int i)
{
    if (i < 0 || i >= NUM_BLOQUEIGS) return;
    Bloqueig& b = m_aBloqueigs[i];
    if (!b.pMutex) return;
    if (b.iProfunditat > 0 && --b.iProfunditat == 0) b.iFil = 0;
    b.pMutex->unlock();
}

// ---------------------------------------------------------------------------
// Display modes and frames

bool CSistema2D::PreparaMode(bool bFullScreen)
{
    m_bCanviantMode = true;
    Bloqueja(BLOQUEIG_DISPOSITIU, "PreparaMode");
    bool bReset = plat::RenderDeviceExists();
    bool bFet = false;
    for (int intent = 0; intent < kIntentsMode && !bFet; ++intent) {
        if (intent > 0) plat::Sleep(kEsperaIntentMs);
        if (plat::RenderDeviceExists()) {
            AplicaEstats(0, true);
            // Render-target textures and mesh buffers do not survive a reset.
            LiberaBitmapsNoManageados();
            if (m_p3D) m_p3D->AlliberaBuffers();
            bFet = plat::ResetRenderDevice(bFullScreen);
        } else {
            bFet = plat::CreateRenderDevice(bFullScreen);
            if (!bFet && !plat::MainWindowExists()) break; // nothing to wait for
        }
    }
    if (bFet) {
        m_pBitmapDesti = nullptr;
        m_iFlagsActuals = -1;
        AplicaEstats(0, true);
        if (bReset) RecargaBitmapsNoManageados();
    }
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    m_bCanviantMode = false;
    if (bFet) m_bVentana = !bFullScreen;
    return bFet;
}

bool CSistema2D::PassaAMode(bool bFullScreen, const char* szNom)
{
    Bloqueja(BLOQUEIG_BITMAPS, szNom);
    bool bFet = PreparaMode(bFullScreen);
    Desbloqueja(BLOQUEIG_BITMAPS);
    return bFet;
}

bool CSistema2D::PassaAFullScreen() { return PassaAMode(true, "PassaAFullScreen"); }

bool CSistema2D::PassaAFinestra() { return PassaAMode(false, "PassaAFinestra"); }

void CSistema2D::Flipa(bool bPermetReset)
{
    if (!m_bIniciat) return;
    Bloqueja(BLOQUEIG_DISPOSITIU, "Flipa(1)");
    PassaAPantalla();
    bool bPresentat = plat::PresentFrame();
    // The colour buffer is kept: each frame covers the field. Depth starts over.
    plat::ClearTarget(false, 0, true, 1.0f);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    // A lost device is reset in the current mode, with the bitmap lock taken
    // before the device lock, never inside it.
    if (!bPresentat && bPermetReset) {
        if (m_bVentana)
            PassaAFinestra();
        else
            PassaAFullScreen();
    }
}

bool CSistema2D::PotCapturarPantalla() const { return m_bIniciat && plat::RenderDeviceUsable(); }

void CSistema2D::CapturaPantallaActual(Sprite* pSprite)
{
    if (!pSprite || !pSprite->m_pBitmap || !pSprite->m_pBitmap->m_pTextura) return;
    Bloqueja(BLOQUEIG_DISPOSITIU, "CapturaPantallaActual");
    plat::CopyBackBufferToTexture(pSprite->m_pBitmap->m_pTextura, 0, 0, plat::kFieldWidth, plat::kFieldHeight);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

// ---------------------------------------------------------------------------
// Render states

void CSistema2D::AplicaEstats(int iFlags, bool bForca)
{
    if (!plat::RenderDeviceUsable()) return;
    if (iFlags == m_iFlagsActuals && !bForca) return;
    plat::RenderState s;
    bool b3D = (iFlags & ESTAT_3D) != 0;
    s.depthTest = b3D;
    s.depthLess = b3D && (iFlags & ESTAT_Z_MENOR);
    s.depthWrite = b3D && (iFlags & ESTAT_Z_ESCRIU);
    s.cullCcw = b3D;
    if (iFlags & ESTAT_MAXIM)
        s.blendOp = plat::BlendOp::Max;
    else if (iFlags & ESTAT_MINIM)
        s.blendOp = plat::BlendOp::Min;
    s.additive = (iFlags & ESTAT_ADDITIU) && !(iFlags & (ESTAT_MAXIM | ESTAT_MINIM));
    if (iFlags & ESTAT_ADDITIU)
        s.colourOp = plat::ColourOp::Arg1;
    else if (iFlags & ESTAT_GRIS)
        s.colourOp = plat::ColourOp::Grey;
    else if (iFlags & ESTAT_COLOR_PLA)
        s.colourOp = plat::ColourOp::Arg1;
    if (iFlags & ESTAT_COLOR_PLA)
        s.arg1 = plat::ColourArg::Vertex;
    else if (iFlags & ESTAT_COMPLEMENT)
        s.arg1 = plat::ColourArg::Complement;
    s.linearFilter = m_bBilineal;
    plat::SetRenderState(s);
    m_iFlagsActuals = iFlags;
    ++m_iEstatsAplicats;
}

void CSistema2D::PosaEstats(bool b3D, bool bZMenor, bool bZEscriu, bool bAdditiu, bool bComplement, bool bGris,
                            bool bForca)
{
    int f = (b3D ? 0x01 : 0) | (bZMenor ? 0x02 : 0) | (bZEscriu ? 0x04 : 0) | (bAdditiu ? 0x08 : 0) |
            (bComplement ? 0x10 : 0) | (bGris ? 0x20 : 0);
    AplicaEstats(f, bForca);
}

void CSistema2D::PosaFiltratLineal(bool bLineal)
{
    m_bBilineal = bLineal;
    Bloqueja(BLOQUEIG_DISPOSITIU, "PosaFiltratLineal");
    AplicaEstats(m_iFlagsActuals < 0 ? 0 : m_iFlagsActuals, true);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

int CSistema2D::FlagsDeDibuix(int iFlagsSprite)
{
    int f = 0;
    if (iFlagsSprite & SPRITE_COLOR_PLA) f |= ESTAT_COLOR_PLA;
    if (iFlagsSprite & SPRITE_ADDITIU) f |= ESTAT_ADDITIU;
    if (iFlagsSprite & SPRITE_COMPLEMENT) f |= ESTAT_COMPLEMENT;
    if (iFlagsSprite & SPRITE_GRIS) f |= ESTAT_GRIS;
    if (iFlagsSprite & SPRITE_MINIM) f |= ESTAT_MINIM;
    if (iFlagsSprite & SPRITE_MAXIM) f |= ESTAT_MAXIM;
    return f;
}

bool CSistema2D::PotDibuixar(const Sprite* pSprite, int iFlagsSprite, const ColorRGB* pColor) const
{
    if (!pSprite || !pSprite->m_bEnUs || !pSprite->m_pBitmap || !pSprite->m_pBitmap->m_pTextura) return false;
    if ((iFlagsSprite & SPRITE_COLOR_PLA) && !pColor) return false;
    return true;
}

// ---------------------------------------------------------------------------
// Render targets and plain drawing

bool CSistema2D::PassaABitmapSenseBloqueig(Bitmap* pBitmap, int iAmplada, int iAlcada)
{
    if (!pBitmap || !pBitmap->m_pTextura) return false;
    if (plat::CurrentRenderTarget() != pBitmap->m_pTextura) {
        if (!plat::SetRenderTarget(pBitmap->m_pTextura)) return false;
    }
    m_pBitmapDesti = pBitmap;
    if (iAmplada < 0 || iAlcada < 0) {
        iAmplada = pBitmap->m_iAmpladaTextura;
        iAlcada = pBitmap->m_iAlcadaTextura;
    }
    plat::SetViewport(0, 0, iAmplada, iAlcada);
    return true;
}

bool CSistema2D::PassaABitmap(Bitmap* pBitmap, int iAmplada, int iAlcada)
{
    Bloqueja(BLOQUEIG_DISPOSITIU, "PassaABitmap");
    bool bFet = PassaABitmapSenseBloqueig(pBitmap, iAmplada, iAlcada);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    return bFet;
}

void CSistema2D::PassaAPantalla()
{
    Bloqueja(BLOQUEIG_DISPOSITIU, "PassaAPantalla");
    if (plat::CurrentRenderTarget()) plat::SetRenderTarget(nullptr);
    m_pBitmapDesti = nullptr;
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void CSistema2D::OmpleTextura(Bitmap* pBitmap, uint32_t uColor)
{
    if (!pBitmap || !pBitmap->m_pTextura) return;
    Bloqueja(BLOQUEIG_DISPOSITIU, "OmpleTextura");
    if (PassaABitmapSenseBloqueig(pBitmap, -1, -1))
        plat::ClearTarget(true, uColor, plat::TextureHasDepth(pBitmap->m_pTextura), 1.0f);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void CSistema2D::Omple(Sprite* pSprite, uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    Bloqueja(BLOQUEIG_DISPOSITIU, "Omple(pSprite)");
    PassaAPantalla();
    if (pSprite && pSprite->m_pBitmap && pSprite->m_pBitmap->m_iTipus == BITMAP_DESTI &&
        PassaABitmapSenseBloqueig(pSprite->m_pBitmap, -1, -1))
        plat::ClearTarget(true, FesColorARGB(r, g, b, a), false, 1.0f);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void CSistema2D::DibuixaQuadre(Sprite* pDesti, float x, float y, float w, float h, uint32_t uColor, bool bSolid)
{
    // A target without texture has nowhere to draw: never the screen instead.
    if (pDesti && (!pDesti->m_pBitmap || !pDesti->m_pBitmap->m_pTextura)) return;
    plat::QuadVertex v[4] = {
        {x, y, 0.0f, 1.0f, uColor, 0.0f, 0.0f},
        {x, y + h, 0.0f, 1.0f, uColor, 0.0f, 0.0f},
        {x + w, y, 0.0f, 1.0f, uColor, 0.0f, 0.0f},
        {x + w, y + h, 0.0f, 1.0f, uColor, 0.0f, 0.0f},
    };
    Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaQuadre");
    AplicaEstats(0, false);
    bool bFet = true;
    if (pDesti)
        bFet = PassaABitmapSenseBloqueig(pDesti->m_pBitmap, -1, -1);
    else
        PassaAPantalla();
    if (bFet && plat::RenderDeviceUsable()) {
        plat::RenderState s = plat::CurrentRenderState();
        s.untextured = true;
        s.wireframe = !bSolid;
        plat::SetRenderState(s);
        plat::DrawQuad(v);
        AplicaEstats(m_iFlagsActuals, true);
    }
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}

uint32_t CSistema2D::FesColorARGB(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

uint16_t CSistema2D::FesColor16(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    return static_cast<uint16_t>((a ? 0x8000 : 0) | ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}

// ---------------------------------------------------------------------------
// Bitmaps

int CSistema2D::PotenciaDeDos(int n)
{
    int p = 1;
    while (p < n && p < plat::kMaxTextureSide) p <<= 1;
    return p >= n ? p : -1;
}

Bitmap* CSistema2D::NouBitmap(int iTipus)
{
    Bitmap* b = new Bitmap;
    b->m_iTipus = iTipus;
    return b;
}

void CSistema2D::AfegeixBitmap(Bitmap* pBitmap)
{
    pBitmap->m_iId = m_iSeguentBitmap++;
    m_lBitmaps.InsertaAlFinal(pBitmap);
}

void CSistema2D::AlliberaTextura(Bitmap* pBitmap)
{
    if (!pBitmap->m_pTextura) return;
    Bloqueja(BLOQUEIG_DISPOSITIU, "AlliberaTextura");
    if (m_pBitmapDesti == pBitmap || plat::CurrentRenderTarget() == pBitmap->m_pTextura) PassaAPantalla();
    plat::DeleteTexture(pBitmap->m_pTextura);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    pBitmap->m_pTextura = nullptr;
    pBitmap->m_iAmpladaTextura = pBitmap->m_iAlcadaTextura = 0;
}

void CSistema2D::EsborraBitmap(Bitmap* pBitmap)
{
    m_lBitmaps.BuscaYBorra(pBitmap);
    AlliberaTextura(pBitmap);
    if (pBitmap == m_pPlaceholder) m_pPlaceholder = nullptr;
    delete pBitmap;
}

Bitmap* CSistema2D::Placeholder()
{
    if (m_pPlaceholder) return m_pPlaceholder;
    Bitmap* b = NouBitmap(BITMAP_FITXER);
    b->m_szFitxer = CopiaTexto(motor::marcador::PNG_NO_ENCONTRADO);
    b->m_bOpac = true;
    b->m_iMarcaPlaceholder = 0;
    // Its own reference and use: it never loses its texture.
    b->m_iReferencies = 1;
    b->m_iEnUs = 1;
    m_pPlaceholder = b;
    CalculaMidaBitmap(b);
    AfegeixBitmap(b);
    return b;
}

Bitmap* CSistema2D::CreaBitmapFitxerBMP(const char* szFitxer, bool bOpac)
{
    if (!szFitxer) return nullptr;
    Bloqueja(BLOQUEIG_BITMAPS, "CreaBitmapFitxerBMP");
    Bitmap* b = BuscaBitmapAmbNom(szFitxer, bOpac);
    if (!b) {
        // A file whose header does not read as a PNG is as good as
        // missing: the placeholder stands in for it.
        ImatgePNG capcalera;
        if (LlegeixFitxerPNG(szFitxer, true, false, &capcalera) && capcalera.iAmplada > 0 && capcalera.iAlcada > 0) {
            b = NouBitmap(BITMAP_FITXER);
            b->m_szFitxer = CopiaTexto(szFitxer);
            b->m_bOpac = bOpac;
            b->m_bIdioma = CSistemaFitxers::TeMarcaIdioma(szFitxer);
            b->m_fAmplada = static_cast<float>(capcalera.iAmplada);
            b->m_fAlcada = static_cast<float>(capcalera.iAlcada);
            AfegeixBitmap(b);
        } else {
            AnotaImatgeIllegible(szFitxer);
            b = Placeholder();
        }
    }
    ++b->m_iReferencies;
    Desbloqueja(BLOQUEIG_BITMAPS);
    return b;
}

Bitmap* CSistema2D::CreaBitmapText(int iFont, const char* szText, int iCodi, int iFlags, float fEscalaX,
                                   float fEscalaY, float w, float h, float fOffsetX, float fOffsetY, float fCaixaW,
                                   float fCaixaH)
{
    Bitmap* b = NouBitmap(BITMAP_TEXT);
    b->m_iFont = iFont;
    b->m_szText = CopiaTexto(szText);
    PosaFormatText(b, iCodi, iFlags, fEscalaX, fEscalaY, fOffsetX, fOffsetY, fCaixaW, fCaixaH);
    b->m_fAmplada = w;
    b->m_fAlcada = h;
    if (szText && (w < 0 || h < 0)) CalculaMidaBitmap(b);
    Sprite* s = new Sprite;
    s->m_pBitmap = b;
    s->m_fAmplada = b->m_fAmplada;
    s->m_fAlcada = b->m_fAlcada;
    s->m_bEnUs = true; // its handle as a target: not counted as a use
    b->m_pSpritePropi = s;
    b->m_iReferencies = 1;
    Bloqueja(BLOQUEIG_BITMAPS, "CreaBitmapText");
    AfegeixBitmap(b);
    Desbloqueja(BLOQUEIG_BITMAPS);
    return b;
}

Bitmap* CSistema2D::CreaBitmapDestino(float w, float h, bool bProfunditat)
{
    Bitmap* b = NouBitmap(BITMAP_DESTI);
    b->m_fAmplada = w;
    b->m_fAlcada = h;
    b->m_bVolProfunditat = bProfunditat;
    b->m_iReferencies = 1;
    b->m_iEnUs = 1;
    Bloqueja(BLOQUEIG_BITMAPS, "CreaBitmapDestino");
    AfegeixBitmap(b);
    Desbloqueja(BLOQUEIG_BITMAPS);
    return b;
}

Bitmap* CSistema2D::BuscaBitmapAmbNom(const char* szFitxer, bool bOpac)
{
    if (!szFitxer) return nullptr;
    Bitmap* pTrobat = nullptr;
    Bloqueja(BLOQUEIG_BITMAPS, "BuscaBitmapAmbNom");
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n && !pTrobat; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if (b->m_iTipus == BITMAP_FITXER && b->m_bOpac == bOpac && b->m_szFitxer &&
            strcasecmp(b->m_szFitxer, szFitxer) == 0)
            pTrobat = b;
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
    return pTrobat;
}

void CSistema2D::DescarregaBitmapSiCalAlMoment(Bitmap* pBitmap, bool bAlMoment)
{
    if (!pBitmap) return;
    Bloqueja(BLOQUEIG_BITMAPS, "DescarregaBitmapSiCalAlMoment");
    if (pBitmap->m_iReferencies <= 0 && (pBitmap->m_iTipus == BITMAP_FITXER || bAlMoment)) EsborraBitmap(pBitmap);
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::DescarregaBitmapsSenseUs()
{
    Bloqueja(BLOQUEIG_BITMAPS, "DescarregaBitmapsSenseUs");
    for (int iTipus : {BITMAP_TEXT, BITMAP_FITXER}) {
        NodoLista* n = m_lBitmaps.m_pCabeza;
        while (n) {
            Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
            n = n->m_pSiguiente;
            if (b->m_iTipus != iTipus) continue;
            if (b->m_iReferencies > 0) {
                if (b->m_iEnUs <= 0) AlliberaTextura(b);
            } else {
                EsborraBitmap(b);
            }
        }
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::CarregaBitmapsEnUs()
{
    Bloqueja(BLOQUEIG_BITMAPS, "CarregaBitmapsEnUs");
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if (b->m_iEnUs > 0 && !b->m_pTextura) CarregaBitmap(b);
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::RecargaBitmapsTexto()
{
    Bloqueja(BLOQUEIG_BITMAPS, "RecargaBitmapsTexto");
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if (b->m_iTipus == BITMAP_TEXT) AlliberaTextura(b);
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::RecargaBitmapsIdiomaticos()
{
    Bloqueja(BLOQUEIG_BITMAPS, "RecargaBitmapsIdiomaticos");
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if (b->m_iTipus == BITMAP_FITXER && b->m_bIdioma) AlliberaTextura(b);
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::LiberaBitmapsNoManageados()
{
    Bloqueja(BLOQUEIG_BITMAPS, "LiberaBitmapsNoManageados");
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if (b->m_iTipus == BITMAP_TEXT || b->m_iTipus == BITMAP_DESTI) AlliberaTextura(b);
    }
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::RecargaBitmapsNoManageados()
{
    m_bRecarregant = true;
    for (NodoLista* n = m_lBitmaps.m_pCabeza; n; n = n->m_pSiguiente) {
        Bitmap* b = static_cast<Bitmap*>(n->m_pItem);
        if ((b->m_iTipus == BITMAP_TEXT || b->m_iTipus == BITMAP_DESTI) && b->m_iEnUs > 0 && !b->m_pTextura)
            CarregaBitmap(b);
    }
    m_bRecarregant = false;
}

void CSistema2D::AlliberaBitmaps()
{
    Bloqueja(BLOQUEIG_BITMAPS, "AlliberaBitmaps");
    while (m_lBitmaps.m_pCabeza) EsborraBitmap(static_cast<Bitmap*>(m_lBitmaps.m_pCabeza->m_pItem));
    m_pPlaceholder = nullptr;
    Desbloqueja(BLOQUEIG_BITMAPS);
}

void CSistema2D::CalculaMidaBitmap(Bitmap* pBitmap)
{
    if (!pBitmap) return;
    switch (pBitmap->m_iTipus) {
    case BITMAP_FITXER:
        if (!CarregaPNG(pBitmap, true) && pBitmap == m_pPlaceholder)
            pBitmap->m_fAmplada = pBitmap->m_fAlcada = static_cast<float>(kMidaSubstituta);
        break;
    case BITMAP_TEXT:
        MideBitmapText(pBitmap);
        break;
    case BITMAP_DESTI:
        break;
    default:
        pBitmap->m_fAmplada = pBitmap->m_fAlcada = -1.0f;
        break;
    }
}

bool CSistema2D::CarregaBitmap(Bitmap* pBitmap)
{
    if (!pBitmap) return false;
    if (!pBitmap->m_pTextura) {
        CalculaMidaBitmap(pBitmap);
        if (!(pBitmap->m_fAmplada > 0.0f) || !(pBitmap->m_fAlcada > 0.0f)) return false;
        if (pBitmap->m_fAmplada > plat::kMaxTextureSide || pBitmap->m_fAlcada > plat::kMaxTextureSide) return false;
        int w = PotenciaDeDos(static_cast<int>(std::ceil(pBitmap->m_fAmplada)));
        int h = PotenciaDeDos(static_cast<int>(std::ceil(pBitmap->m_fAlcada)));
        if (w < 0 || h < 0) return false;
        bool bFitxer = pBitmap->m_iTipus == BITMAP_FITXER;
        plat::TextureFormat format =
            bFitxer && !m_bTextures32 ? plat::TextureFormat::ARGB1555 : plat::TextureFormat::ARGB8888;
        plat::TextureKind tipus = bFitxer ? plat::TextureKind::Kept : plat::TextureKind::Target;
        bool bProfunditat = pBitmap->m_iTipus == BITMAP_DESTI && pBitmap->m_bVolProfunditat;
        // A file image's texture is written by its upload: only what the
        // image does not cover is zeroed, after it.
        Bloqueja(BLOQUEIG_DISPOSITIU, "CarregaBitmap");
        pBitmap->m_pTextura = plat::CreateTexture(w, h, format, tipus, bProfunditat, !bFitxer);
        Desbloqueja(BLOQUEIG_DISPOSITIU);
        if (!pBitmap->m_pTextura) return false;
        pBitmap->m_iAmpladaTextura = w;
        pBitmap->m_iAlcadaTextura = h;
        pBitmap->m_iAmpladaCarregada = pBitmap->m_iAlcadaCarregada = 0;
    }
    if (pBitmap->m_iTipus == BITMAP_FITXER) {
        // An image whose body does not decode shows the placeholder's
        // pattern over its whole size, never a part of it over black (a form
        // that is not converted stays transparent).
        bool bDanada = false;
        if (!CarregaPNG(pBitmap, false, &bDanada) && (bDanada || pBitmap == m_pPlaceholder)) {
            if (pBitmap != m_pPlaceholder) AnotaImatgeIllegible(pBitmap->m_szFitxer);
            OmpleImatgeSubstituta(pBitmap);
        }
        ZeroFora(pBitmap);
    } else if (pBitmap->m_iTipus == BITMAP_TEXT) {
        DibuixaBitmapText(pBitmap);
    }
    return true;
}

bool CSistema2D::EsFitxerPNG(const char* szFitxer) { return ComencaAmbFirmaPNG(szFitxer); }

// Noted as missing content either way; a file that is there but does not
// decode is also said on standard error, once per file (the note keeps
// each fault once).
void CSistema2D::AnotaImatgeIllegible(const char* szFitxer)
{
    if (!szFitxer) return;
    EntradaFitxer* pFitxer = g_pSistemaFitxers ? g_pSistemaFitxers->Obre(szFitxer, FITXER_LECTURA | FITXER_BINARI) : nullptr;
    if (pFitxer) g_pSistemaFitxers->Tanca(pFitxer);
    if (AnotaFaltaContenido(TipoFalta::Imagen, szFitxer) && pFitxer)
        plat::ReportError("picture %s cannot be read whole; its placeholder is drawn", szFitxer);
}

bool CSistema2D::CarregaPNG(Bitmap* pBitmap, bool bNomesCapcalera, bool* pbDanada)
{
    if (pbDanada) *pbDanada = false;
    if (!pBitmap || pBitmap->m_iTipus != BITMAP_FITXER || !pBitmap->m_szFitxer) return false;
    if (bNomesCapcalera) {
        ImatgePNG capcalera;
        if (!LlegeixFitxerPNG(pBitmap->m_szFitxer, true, false, &capcalera)) return false;
        pBitmap->m_fAmplada = static_cast<float>(capcalera.iAmplada);
        pBitmap->m_fAlcada = static_cast<float>(capcalera.iAlcada);
        return true;
    }
    if (!pBitmap->m_pTextura) return false;
    // Decoded without the device lock (the loading sign keeps drawing) and
    // uploaded a band of rows at a time: the whole image is never held.
    struct Pujada {
        CSistema2D* pSistema;
        Bitmap* pBitmap;
    } pujada{this, pBitmap};
    auto puja = [](void* pUsuari, int w, int, int y, int h, const uint32_t* pArgb) {
        auto* p = static_cast<Pujada*>(pUsuari);
        return p->pSistema->PujaTexels(p->pBitmap, pArgb, y, w, h, w);
    };
    bool bConvertida = false;
    const bool bLlegida = LlegeixFitxerPNGPerFranges(pBitmap->m_szFitxer, pBitmap->m_bOpac, puja, &pujada, &bConvertida);
    if (pbDanada) *pbDanada = !bLlegida;
    return bLlegida && bConvertida;
}

// Zeroes what the last upload left unset: right of and below the image (all
// of it when nothing was uploaded).
void CSistema2D::ZeroFora(Bitmap* pBitmap)
{
    if (!pBitmap->m_pTextura) return;
    const int W = pBitmap->m_iAmpladaTextura, H = pBitmap->m_iAlcadaTextura;
    const int w = std::min(pBitmap->m_iAmpladaCarregada, W), h = std::min(pBitmap->m_iAlcadaCarregada, H);
    Bloqueja(BLOQUEIG_DISPOSITIU, "ZeroFora");
    if (w > 0 && h > 0) {
        plat::ZeroTexels(pBitmap->m_pTextura, w, 0, W - w, h);
        plat::ZeroTexels(pBitmap->m_pTextura, 0, h, W, H - h);
    } else {
        plat::ZeroTexels(pBitmap->m_pTextura, 0, 0, W, H);
    }
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    // Whatever comes next starts from a whole texture.
    pBitmap->m_iAmpladaCarregada = W;
    pBitmap->m_iAlcadaCarregada = H;
}

bool CSistema2D::PujaTexels(Bitmap* pBitmap, const uint32_t* pArgb, int y, int w, int h, int iPas)
{
    if (!pBitmap->m_pTextura || y < 0) return false;
    w = std::min(w, pBitmap->m_iAmpladaTextura);
    h = std::min(h, pBitmap->m_iAlcadaTextura - y);
    // Rows below the texture are left out.
    if (h <= 0) return true;
    pBitmap->m_iAmpladaCarregada = std::max(pBitmap->m_iAmpladaCarregada, w);
    pBitmap->m_iAlcadaCarregada = std::max(pBitmap->m_iAlcadaCarregada, y + h);
    bool bFet = false;
    Bloqueja(BLOQUEIG_DISPOSITIU, "CarregaPNG");
    if (m_bTextures32) {
        bFet = plat::UploadTexels(pBitmap->m_pTextura, pArgb, y, w, h, iPas);
    } else {
        std::vector<uint16_t> texels(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                uint32_t c = pArgb[static_cast<size_t>(y) * iPas + x];
                texels[static_cast<size_t>(y) * w + x] =
                    FesColor16(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), uint8_t(c >> 24));
            }
        }
        bFet = plat::UploadTexels(pBitmap->m_pTextura, texels.data(), y, w, h, w);
    }
    Desbloqueja(BLOQUEIG_DISPOSITIU);
    return bFet;
}

// The image shown for a missing picture when even the placeholder file is
// missing: magenta and black squares crossed by a white X, unmistakable.
// An image that does not decode has it repeated over its whole size.
void CSistema2D::OmpleImatgeSubstituta(Bitmap* pBitmap)
{
    if (!pBitmap || !pBitmap->m_pTextura) return;
    const int n = kMidaSubstituta;
    const int w = std::min(pBitmap->m_iAmpladaTextura, static_cast<int>(std::ceil(pBitmap->m_fAmplada)));
    const int h = std::min(pBitmap->m_iAlcadaTextura, static_cast<int>(std::ceil(pBitmap->m_fAlcada)));
    if (w <= 0 || h <= 0) return;
    std::vector<uint32_t> argb(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int u = x % n, v = y % n;
            bool bVora = u < 2 || v < 2 || u >= n - 2 || v >= n - 2;
            bool bCreu = std::abs(u - v) <= 1 || std::abs(u + v - (n - 1)) <= 1;
            bool bMagenta = ((u / 8) + (v / 8)) % 2 == 0;
            uint32_t c = bVora || bCreu ? FesColorARGB(255, 255, 255, 255)
                         : bMagenta     ? FesColorARGB(255, 0, 255, 255)
                                        : FesColorARGB(0, 0, 0, 255);
            argb[static_cast<size_t>(y) * w + x] = c;
        }
    }
    PujaTexels(pBitmap, argb.data(), 0, w, h, w);
}

// ---------------------------------------------------------------------------
// Sprites

void CSistema2D::FesSpriteInicial(Sprite* pSprite)
{
    Bloqueja(BLOQUEIG_SPRITES, "FesSpriteInicial");
    pSprite->m_iId = m_iSeguentSprite++;
    pSprite->m_pAnterior = nullptr;
    pSprite->m_pSeguent = m_pSprites;
    if (m_pSprites) m_pSprites->m_pAnterior = pSprite;
    m_pSprites = pSprite;
    Desbloqueja(BLOQUEIG_SPRITES);
}

void CSistema2D::TreuSpriteDeLlista(Sprite* pSprite)
{
    Bloqueja(BLOQUEIG_SPRITES, "AlliberaSprite");
    if (pSprite->m_pAnterior)
        pSprite->m_pAnterior->m_pSeguent = pSprite->m_pSeguent;
    else if (m_pSprites == pSprite)
        m_pSprites = pSprite->m_pSeguent;
    if (pSprite->m_pSeguent) pSprite->m_pSeguent->m_pAnterior = pSprite->m_pAnterior;
    pSprite->m_pAnterior = pSprite->m_pSeguent = nullptr;
    Desbloqueja(BLOQUEIG_SPRITES);
}

Sprite* CSistema2D::NouSprite(Bitmap* pBitmap)
{
    Sprite* s = new Sprite;
    s->m_pBitmap = pBitmap;
    FesSpriteInicial(s);
    return s;
}

Sprite* CSistema2D::CreaSpriteFitxer(const char* szFitxer, float x, float y, float w, float h, float fHotspotX,
                                     float fHotspotY, bool bCarregaAra, bool bOpac)
{
    Bitmap* b = CreaBitmapFitxerBMP(szFitxer, bOpac);
    if (!b) return nullptr;
    Sprite* s = NouSprite(b);
    if (b == m_pPlaceholder) {
        s->m_fX = s->m_fY = 0.0f;
        s->m_fAmplada = s->m_fAlcada = static_cast<float>(kMidaSubstituta);
        s->m_fHotspotX = s->m_fHotspotY = kMidaSubstituta / 2.0f;
    } else {
        if (x >= 0 && y >= 0 && w >= 0 && h >= 0) {
            s->m_fX = x;
            s->m_fY = y;
            s->m_fAmplada = w;
            s->m_fAlcada = h;
        } else {
            s->m_fAmplada = b->m_fAmplada;
            s->m_fAlcada = b->m_fAlcada;
        }
        s->m_fHotspotX = fHotspotX;
        s->m_fHotspotY = fHotspotY;
    }
    if (bCarregaAra && !b->m_pTextura) CarregaBitmap(b);
    return s;
}

Sprite* CSistema2D::CreaSpriteText(int iFont, const char* szText, int iCodi, int iFlags, float fEscalaX,
                                   float fEscalaY, float w, float h, float fHotspotX, float fHotspotY,
                                   float fOffsetX, float fOffsetY, float fCaixaW, float fCaixaH, bool bCarregaAra)
{
    Bitmap* b =
        CreaBitmapText(iFont, szText, iCodi, iFlags, fEscalaX, fEscalaY, w, h, fOffsetX, fOffsetY, fCaixaW, fCaixaH);
    if (!b) return nullptr;
    Sprite* s = NouSprite(b); // the reference the bitmap was counted for
    s->m_fAmplada = b->m_fAmplada;
    s->m_fAlcada = b->m_fAlcada;
    s->m_fHotspotX = fHotspotX;
    s->m_fHotspotY = fHotspotY;
    if (bCarregaAra) CarregaBitmap(b);
    return s;
}

Sprite* CSistema2D::CreaSpriteDestino(bool bProfunditat, float w, float h, float fHotspotX, float fHotspotY,
                                      bool bCarregaAra)
{
    Bitmap* b = CreaBitmapDestino(w, h, bProfunditat);
    if (!b) return nullptr;
    Sprite* s = NouSprite(b);
    s->m_fAmplada = w;
    s->m_fAlcada = h;
    s->m_fHotspotX = fHotspotX;
    s->m_fHotspotY = fHotspotY;
    s->m_bEnUs = true; // the bitmap's first use
    if (bCarregaAra) CarregaBitmap(b);
    return s;
}

Sprite* CSistema2D::CopiaSprite(const Sprite* pSprite)
{
    if (!pSprite || !pSprite->m_pBitmap) return nullptr;
    Sprite* s = new Sprite;
    s->m_pBitmap = pSprite->m_pBitmap;
    s->m_fX = pSprite->m_fX;
    s->m_fY = pSprite->m_fY;
    s->m_fAmplada = pSprite->m_fAmplada;
    s->m_fAlcada = pSprite->m_fAlcada;
    s->m_fHotspotX = pSprite->m_fHotspotX;
    s->m_fHotspotY = pSprite->m_fHotspotY;
    std::copy(pSprite->m_aColors, pSprite->m_aColors + 4, s->m_aColors);
    ++s->m_pBitmap->m_iReferencies;
    FesSpriteInicial(s);
    return s;
}

void CSistema2D::CanviaTextSprite(Sprite* pSprite, const char* szText, int iCodi, int iFlags, float fEscalaX,
                                  float fEscalaY, float fOffsetX, float fOffsetY, float fCaixaW, float fCaixaH)
{
    if (!pSprite || (!szText && iCodi == -1)) return;
    Bitmap* b = pSprite->m_pBitmap;
    if (!b || b->m_iTipus != BITMAP_TEXT) return;
    // Copied before the old text goes: the new one may be the old one.
    char* szNou = iCodi != -1 ? nullptr : CopiaTexto(szText);
    delete[] b->m_szText;
    b->m_szText = szNou;
    PosaFormatText(b, iCodi, iFlags, fEscalaX, fEscalaY, fOffsetX, fOffsetY, fCaixaW, fCaixaH);
    if (b->m_pTextura) DibuixaBitmapText(b);
}

void CSistema2D::MarcaSpriteEnUs(Sprite* pSprite)
{
    if (!pSprite || pSprite->m_bEnUs) return;
    pSprite->m_bEnUs = true;
    if (pSprite->m_pBitmap) ++pSprite->m_pBitmap->m_iEnUs;
}

void CSistema2D::DesmarcaSpriteEnUs(Sprite* pSprite)
{
    if (!pSprite || !pSprite->m_bEnUs) return;
    pSprite->m_bEnUs = false;
    if (pSprite->m_pBitmap) --pSprite->m_pBitmap->m_iEnUs;
}

void CSistema2D::AlliberaSprite(Sprite* pSprite, bool bAlMoment)
{
    if (!pSprite) return;
    TreuSpriteDeLlista(pSprite);
    Bitmap* b = pSprite->m_pBitmap;
    if (b) {
        --b->m_iReferencies;
        if (pSprite->m_bEnUs) --b->m_iEnUs;
    }
    delete pSprite;
    if (b) DescarregaBitmapSiCalAlMoment(b, bAlMoment);
}

void CSistema2D::AlliberaSprites()
{
    Bloqueja(BLOQUEIG_SPRITES, "AlliberaSprites");
    while (m_pSprites) {
        Sprite* s = m_pSprites;
        m_pSprites = s->m_pSeguent;
        if (s->m_pBitmap) {
            --s->m_pBitmap->m_iReferencies;
            if (s->m_bEnUs) --s->m_pBitmap->m_iEnUs;
        }
        delete s;
    }
    Desbloqueja(BLOQUEIG_SPRITES);
}

void CSistema2D::PosaColorCantonada(Sprite* pSprite, int i, ColorARGB color)
{
    if (pSprite && i >= 0 && i < 4) pSprite->m_aColors[i] = color;
}

void CSistema2D::PosaColorSprite(Sprite* pSprite, ColorARGB color)
{
    if (pSprite) std::fill(pSprite->m_aColors, pSprite->m_aColors + 4, color);
}

void CSistema2D::LlegeixColorCantonada(const Sprite* pSprite, int i, ColorARGB* pColor) const
{
    if (pSprite && pColor && i >= 0 && i < 4) *pColor = pSprite->m_aColors[i];
}

void CSistema2D::PosaHotspot(Sprite* pSprite, float x, float y)
{
    if (!pSprite) return;
    pSprite->m_fHotspotX = x;
    pSprite->m_fHotspotY = y;
}

void CSistema2D::AjustaSpriteABitmap(Sprite* pSprite)
{
    if (!pSprite || !pSprite->m_pBitmap) return;
    pSprite->m_fAmplada = pSprite->m_pBitmap->m_fAmplada;
    pSprite->m_fAlcada = pSprite->m_pBitmap->m_fAlcada;
}

// ---------------------------------------------------------------------------
// Drawing

void CSistema2D::DibuixaSprite(Sprite* pSprite, float x, float y)
{
    DibuixaSpriteEX2(nullptr, pSprite, 0, nullptr, x, y, false, 255, 0.0f, 1.0f, 1.0f);
}

void CSistema2D::DibuixaSpriteEX(Sprite* pDesti, Sprite* pSprite, float x, float y, bool bMirall, int iAlfa,
                                 float fRotacio, float fEscalaX, float fEscalaY)
{
    DibuixaSpriteEX2(pDesti, pSprite, 0, nullptr, x, y, bMirall, iAlfa, fRotacio, fEscalaX, fEscalaY);
}

void CSistema2D::CantonadesSprite(const Sprite* pSprite, bool bMirall, float fRotacio, float fEscalaX,
                                  float fEscalaY, float* pfCantonades)
{
    const float w = pSprite->m_fAmplada, h = pSprite->m_fAlcada;
    const float hx = pSprite->m_fHotspotX, hy = pSprite->m_fHotspotY;
    const float sx = bMirall ? -fEscalaX : fEscalaX;
    float* c = pfCantonades;
    const float k[8] = {
        -hx * sx,      (h - hy) * fEscalaY, // left-bottom
        -hx * sx,      -hy * fEscalaY,      // left-top
        (w - hx) * sx, (h - hy) * fEscalaY, // right-bottom
        (w - hx) * sx, -hy * fEscalaY,      // right-top
    };
    std::copy(k, k + 8, c);
    if (fRotacio != 0.0f) {
        float co = std::cos(fRotacio), si = std::sin(fRotacio);
        for (int i = 0; i < 8; i += 2) {
            float px = c[i], py = c[i + 1];
            c[i] = px * co - py * si;
            c[i + 1] = px * si + py * co;
        }
    }
}

void CSistema2D::AparencaSprite(const Sprite* pSprite, int iFlags, const ColorRGB* pColor, bool bMirall, int iAlfa,
                                float* pfUV, uint32_t* puColors)
{
    const Bitmap* b = pSprite->m_pBitmap;
    float W = static_cast<float>(b->m_iAmpladaTextura), H = static_cast<float>(b->m_iAlcadaTextura);
    float o = bMirall ? -0.5f : 0.5f;
    pfUV[0] = (pSprite->m_fX + o) / W;
    pfUV[1] = (pSprite->m_fX + pSprite->m_fAmplada + o) / W;
    pfUV[2] = (pSprite->m_fY + 0.5f) / H;
    pfUV[3] = (pSprite->m_fY + pSprite->m_fAlcada + 0.5f) / H;
    int a = std::clamp(iAlfa, 0, 255);
    for (int i = 0; i < 4; ++i) {
        const ColorARGB& k = pSprite->m_aColors[i];
        if ((iFlags & SPRITE_COLOR_PLA) && pColor)
            puColors[i] = FesColorARGB(pColor->r, pColor->g, pColor->b, static_cast<uint8_t>(a));
        else
            puColors[i] = FesColorARGB(k.r, k.g, k.b, static_cast<uint8_t>(k.a * a / 255));
    }
}

void CSistema2D::DibuixaSpriteEX2(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB* pColor, float x,
                                  float y, bool bMirall, int iAlfa, float fRotacio, float fEscalaX, float fEscalaY)
{
    if (!pSprite) return;
    float c[8];
    CantonadesSprite(pSprite, bMirall, fRotacio, fEscalaX, fEscalaY, c);
    for (int i = 0; i < 8; i += 2) {
        c[i] += x;
        c[i + 1] += y;
    }
    DibuixaSpriteEX3(pDesti, pSprite, iFlags, pColor, c, bMirall, iAlfa);
}

void CSistema2D::DibuixaSpriteEX3(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB* pColor,
                                  const float* pfCantonades, bool bMirall, int iAlfa)
{
    if (!pfCantonades || !PotDibuixar(pSprite, iFlags, pColor)) return;
    if (pDesti && pDesti->m_bEnUs && (!pDesti->m_pBitmap || !pDesti->m_pBitmap->m_pTextura)) return;
    const Bitmap* b = pSprite->m_pBitmap;
    float uv[4];
    uint32_t colors[4];
    AparencaSprite(pSprite, iFlags, pColor, bMirall, iAlfa, uv, colors);
    const float u0 = uv[0], u1 = uv[1], v0 = uv[2], v1 = uv[3];
    const float* p = pfCantonades;
    plat::QuadVertex v[4] = {
        {p[0], p[1], 0.0f, 1.0f, colors[0], u0, v1}, // left-bottom
        {p[2], p[3], 0.0f, 1.0f, colors[1], u0, v0}, // left-top
        {p[4], p[5], 0.0f, 1.0f, colors[2], u1, v1}, // right-bottom
        {p[6], p[7], 0.0f, 1.0f, colors[3], u1, v0}, // right-top
    };
    Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaSpriteEX3");
    AplicaEstats(FlagsDeDibuix(iFlags), false);
    plat::SetTexture(b->m_pTextura);
    bool bFet = true;
    if (pDesti)
        bFet = PassaABitmapSenseBloqueig(pDesti->m_pBitmap, -1, -1);
    else
        PassaAPantalla();
    if (bFet) plat::DrawQuad(v);
    Desbloqueja(BLOQUEIG_DISPOSITIU);
}
