// The graphics system: the one object that owns the render device for the
// fixed 1024x768 field, switches between a window and full screen, survives a
// lost device, keeps the render states every draw selects by a flag word, and
// makes, draws and frees every bitmap and sprite. Its bitmap list, device and
// sprite list are guarded by named locks.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/Bitmap.h"
#include "engine/graphics/Color.h"
#include "engine/graphics/Sprite.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace plat {
struct Texture;
}
class CFont;
class CGestorFonts;
class CSistema3D;

// Sprite blend flags: the flag word of every sprite draw.
enum {
    SPRITE_COLOR_PLA = 0x01,    // the quad takes the given colour with the draw alpha
    SPRITE_ADDITIU = 0x02,      // added onto what is below
    SPRITE_COMPLEMENT = 0x04,   // complemented texture colour
    SPRITE_GRIS = 0x08,         // grey of the texture colour
    SPRITE_MINIM = 0x10,        // the smaller of source and destination
    SPRITE_MAXIM = 0x20,        // the larger of source and destination
};

// Render flags: the device states a draw selects.
enum {
    ESTAT_3D = 0x01,
    ESTAT_Z_MENOR = 0x02,
    ESTAT_Z_ESCRIU = 0x04,
    ESTAT_ADDITIU = 0x08,
    ESTAT_COMPLEMENT = 0x10,
    ESTAT_GRIS = 0x20,
    ESTAT_COLOR_PLA = 0x40,
    ESTAT_MAXIM = 0x80,
    ESTAT_MINIM = 0x100,
};

// The four named locks.
enum {
    BLOQUEIG_BITMAPS = 0,  // bitmap list and display-mode switches
    BLOQUEIG_DISPOSITIU = 1, // drawing, clearing, presenting, mode preparation, capture
    BLOQUEIG_LLIURE = 2,   // never taken
    BLOQUEIG_SPRITES = 3,  // sprite-list insertion
    NUM_BLOQUEIGS = 4,
};

// One named lock: a recursive mutex that records its depth, owner thread and
// the name of the operation holding it.
struct Bloqueig {
    std::recursive_mutex* pMutex = nullptr;
    int iProfunditat = 0;
    int iFil = 0; // owner thread number, 0 when free
    const char* szNom = "Ninguno";
};

class CSistema2D {
public:
    CSistema2D();
    ~CSistema2D();
    CSistema2D(const CSistema2D&) = delete;
    CSistema2D& operator=(const CSistema2D&) = delete;

    // Life cycle. Needs the main window with its context current.
    bool Inicia(bool bVentana, bool bTextures32);
    bool CarregaFonts(const char* const* ppszFonts);
    void Allibera();
    bool EstaIniciat() const { return m_bIniciat; }
    bool EsVentana() const { return m_bVentana.load(); }
    bool CambiandoModo() const { return m_bCanviantMode.load(); }
    bool RestaurandoBitmaps() const { return m_bRecarregant.load(); }
    CFont* GetFont(int i);
    // The three-dimensional system, made on the first call (null when it
    // cannot be) and deleted by Allibera.
    CSistema3D* Get3D();
    bool Te3D() const { return m_p3D != nullptr; }

    // Display modes and frames.
    bool PreparaMode(bool bFullScreen);
    bool PassaAFullScreen();
    bool PassaAFinestra();
    void Flipa(bool bPermetReset);
    bool PotCapturarPantalla() const;
    void CapturaPantallaActual(Sprite* pSprite);

    // Render states.
    void AplicaEstats(int iFlags, bool bForca);
    void PosaEstats(bool b3D, bool bZMenor, bool bZEscriu, bool bAdditiu, bool bComplement, bool bGris, bool bForca);
    void PosaFiltratLineal(bool bLineal);
    bool FiltratLineal() const { return m_bBilineal; }
    static int FlagsDeDibuix(int iFlagsSprite);
    bool PotDibuixar(const Sprite* pSprite, int iFlagsSprite, const ColorRGB* pColor) const;
    int FlagsActuals() const { return m_iFlagsActuals; }
    // How many times a flag word reached the device.
    int NumEstatsAplicats() const { return m_iEstatsAplicats; }

    // Render targets and plain drawing.
    bool PassaABitmap(Bitmap* pBitmap, int iAmplada, int iAlcada);
    void PassaAPantalla();
    void OmpleTextura(Bitmap* pBitmap, uint32_t uColor);
    void Omple(Sprite* pSprite, uint8_t a, uint8_t r, uint8_t g, uint8_t b);
    void DibuixaQuadre(Sprite* pDesti, float x, float y, float w, float h, uint32_t uColor, bool bSolid);
    static uint32_t FesColorARGB(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    static uint16_t FesColor16(uint8_t r, uint8_t g, uint8_t b, uint8_t a);

    // Named locks.
    void Bloqueja(int i, const char* szNom);
    void Desbloqueja(int i);
    const Bloqueig& GetBloqueig(int i) const { return m_aBloqueigs[i & 3]; }

    // Bitmaps.
    Bitmap* CreaBitmapFitxerBMP(const char* szFitxer, bool bOpac);
    Bitmap* CreaBitmapText(int iFont, const char* szText, int iCodi, int iFlags, float fEscalaX, float fEscalaY,
                           float w, float h, float fOffsetX, float fOffsetY, float fCaixaW, float fCaixaH);
    Bitmap* CreaBitmapDestino(float w, float h, bool bProfunditat);
    Bitmap* BuscaBitmapAmbNom(const char* szFitxer, bool bOpac);
    void DescarregaBitmapSiCalAlMoment(Bitmap* pBitmap, bool bAlMoment);
    void DescarregaBitmapsSenseUs();
    void CarregaBitmapsEnUs();
    void RecargaBitmapsTexto();
    void RecargaBitmapsIdiomaticos();
    void LiberaBitmapsNoManageados();
    void RecargaBitmapsNoManageados();
    void AlliberaBitmaps();
    void CalculaMidaBitmap(Bitmap* pBitmap);
    bool CarregaBitmap(Bitmap* pBitmap);
    // *pbDanada (when given) tells a file that did not decode (missing,
    // damaged) from one of a form that is not converted.
    bool CarregaPNG(Bitmap* pBitmap, bool bNomesCapcalera, bool* pbDanada = nullptr);
    bool EsFitxerPNG(const char* szFitxer);
    void DibuixaBitmapText(Bitmap* pBitmap);
    // A text bitmap's unknown width and height measured with its font.
    void MideBitmapText(Bitmap* pBitmap);
    static int PotenciaDeDos(int n);
    int NumBitmaps() const { return m_lBitmaps.m_iNumElementos; }
    Bitmap* GetPlaceholder() const { return m_pPlaceholder; }

    // Sprites.
    Sprite* CreaSpriteFitxer(const char* szFitxer, float x, float y, float w, float h, float fHotspotX,
                             float fHotspotY, bool bCarregaAra, bool bOpac);
    Sprite* CreaSpriteText(int iFont, const char* szText, int iCodi, int iFlags, float fEscalaX, float fEscalaY,
                           float w, float h, float fHotspotX, float fHotspotY, float fOffsetX, float fOffsetY,
                           float fCaixaW, float fCaixaH, bool bCarregaAra);
    Sprite* CreaSpriteDestino(bool bProfunditat, float w, float h, float fHotspotX, float fHotspotY,
                              bool bCarregaAra);
    Sprite* CopiaSprite(const Sprite* pSprite);
    void CanviaTextSprite(Sprite* pSprite, const char* szText, int iCodi, int iFlags, float fEscalaX,
                          float fEscalaY, float fOffsetX, float fOffsetY, float fCaixaW, float fCaixaH);
    void MarcaSpriteEnUs(Sprite* pSprite);
    void DesmarcaSpriteEnUs(Sprite* pSprite);
    void AlliberaSprite(Sprite* pSprite, bool bAlMoment);
    void AlliberaSprites();
    void PosaColorCantonada(Sprite* pSprite, int i, ColorARGB color);
    void PosaColorSprite(Sprite* pSprite, ColorARGB color);
    void LlegeixColorCantonada(const Sprite* pSprite, int i, ColorARGB* pColor) const;
    void PosaHotspot(Sprite* pSprite, float x, float y);
    void AjustaSpriteABitmap(Sprite* pSprite);
    Sprite* PrimerSprite() const { return m_pSprites; }

    // Drawing. The target is a sprite on a text or render-target bitmap, or
    // null for the screen.
    void DibuixaSprite(Sprite* pSprite, float x, float y);
    void DibuixaSpriteEX(Sprite* pDesti, Sprite* pSprite, float x, float y, bool bMirall, int iAlfa, float fRotacio,
                         float fEscalaX, float fEscalaY);
    void DibuixaSpriteEX2(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB* pColor, float x, float y,
                          bool bMirall, int iAlfa, float fRotacio, float fEscalaX, float fEscalaY);
    // A sprite's corners about its hotspot (y down), mirrored and scaled,
    // then turned (clockwise as seen): left-bottom, left-top, right-bottom,
    // right-top, as x, y pairs. Flat and placed drawing both lay them out.
    static void CantonadesSprite(const Sprite* pSprite, bool bMirall, float fRotacio, float fEscalaX,
                                 float fEscalaY, float* pfCantonades);
    // A sprite's texture coordinates (u left, u right, v top, v bottom, half
    // a texel in) and its four corner colours for a draw with these flags and
    // alpha.
    static void AparencaSprite(const Sprite* pSprite, int iFlags, const ColorRGB* pColor, bool bMirall, int iAlfa,
                               float* pfUV, uint32_t* puColors);
    // Corners: left-bottom, left-top, right-bottom, right-top, as x, y pairs.
    void DibuixaSpriteEX3(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB* pColor,
                          const float* pfCantonades, bool bMirall, int iAlfa);

private:
    void Neteja();
    void AlliberaFonts();
    void FesSpriteInicial(Sprite* pSprite);
    void TreuSpriteDeLlista(Sprite* pSprite);
    Sprite* NouSprite(Bitmap* pBitmap);
    Bitmap* NouBitmap(int iTipus);
    void AfegeixBitmap(Bitmap* pBitmap);
    void AlliberaTextura(Bitmap* pBitmap);
    void EsborraBitmap(Bitmap* pBitmap);
    Bitmap* Placeholder();
    void OmpleImatgeSubstituta(Bitmap* pBitmap);
    // A picture that is missing or does not decode: noted as missing
    // content, and said on standard error when the file is there.
    void AnotaImatgeIllegible(const char* szFitxer);
    // Writes ARGB texels from row y on, at the texture's left edge, in its
    // format.
    bool PujaTexels(Bitmap* pBitmap, const uint32_t* pArgb, int y, int w, int h, int iPas);
    void ZeroFora(Bitmap* pBitmap);
    bool PassaAMode(bool bFullScreen, const char* szNom);
    bool PassaABitmapSenseBloqueig(Bitmap* pBitmap, int iAmplada, int iAlcada);

    CLista m_lBitmaps;
    Sprite* m_pSprites = nullptr;
    Bitmap* m_pBitmapDesti = nullptr; // current render target, null for the screen
    bool m_bTextures32 = true;
    std::atomic<bool> m_bVentana{true};
    bool m_bBilineal = true;
    int m_iSeguentSprite = 0;
    int m_iSeguentBitmap = 0;
    int m_iFlagsActuals = -1;
    int m_iEstatsAplicats = 0;
    Bitmap* m_pPlaceholder = nullptr;
    CGestorFonts* m_pGestorFonts = nullptr;
    CSistema3D* m_p3D = nullptr;
    std::atomic<bool> m_bCanviantMode{false};
    std::atomic<bool> m_bRecarregant{false};
    Bloqueig m_aBloqueigs[NUM_BLOQUEIGS];
    bool m_bIniciat = false;
};

// The one graphics system, created and deleted by start-up.
extern CSistema2D* g_pSistema2D;
