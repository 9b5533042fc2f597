// A texture-backed image shared by the sprites on it: read from a PNG file,
// rendered from a text, or a render target that others draw into. The
// texture exists only while the bitmap is in use (or loaded at once).
#pragma once

namespace plat {
struct Texture;
}
class Sprite;

enum TipusBitmap {
    BITMAP_FITXER = 0,
    BITMAP_TEXT = 1,
    BITMAP_DESTI = 3,
    BITMAP_CAP = 4,
};

class Bitmap {
public:
    Bitmap() = default;
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // File bitmaps.
    char* m_szFitxer = nullptr;
    bool m_bOpac = false; // every pixel loaded opaque

    // Text bitmaps.
    int m_iFont = 0;
    char* m_szText = nullptr; // null when a text code is used
    float m_fEscalaX = 1.0f, m_fEscalaY = 1.0f;
    int m_iFlagsText = 0;
    int m_iCodiFLI = -1;
    float m_fOffsetX = 0.0f, m_fOffsetY = 0.0f;
    float m_fCaixaAmplada = -1.0f, m_fCaixaAlcada = -1.0f; // negative: the own sprite's size
    Sprite* m_pSpritePropi = nullptr; // its handle as a render target

    // Render targets.
    bool m_bVolProfunditat = false;

    plat::Texture* m_pTextura = nullptr;
    int m_iTipus = BITMAP_CAP;
    int m_iId = 0;
    // The image's size (-1 until known); the texture's power-of-two size is
    // kept apart so that whole-image sprites never cover the padding.
    float m_fAmplada = -1.0f, m_fAlcada = -1.0f;
    int m_iAmpladaTextura = 0, m_iAlcadaTextura = 0;
    // The part of a file image's texture written since it was made (its
    // margins are zeroed after the upload, not the whole texture before).
    int m_iAmpladaCarregada = 0, m_iAlcadaCarregada = 0;
    int m_iReferencies = 0; // sprites on the bitmap
    int m_iEnUs = 0;        // sprites on it marked in use
    bool m_bIdioma = false; // the file name holds the language marker
    int m_iMarcaPlaceholder = 3; // 0 for the shared placeholder image

    // Frees the kind's own data (name; text and own sprite). Not the texture.
    void AlliberaDades();
};
