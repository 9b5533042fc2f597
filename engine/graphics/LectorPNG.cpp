#include "engine/graphics/LectorPNG.h"

#include "engine/core/SistemaFitxers.h"

#include <climits>
#include <csetjmp>
#include <cstring>
#include <png.h>

namespace {

struct FontPNG {
    LlegeixBytesPNG pfnLlegeix;
    void* pUsuari;
};

void LlegeixDeFont(png_structp png, png_bytep pDesti, png_size_t n)
{
    FontPNG* pFont = static_cast<FontPNG*>(png_get_io_ptr(png));
    size_t llegits = pFont->pfnLlegeix(pFont->pUsuari, pDesti, n);
    if (llegits != n) png_error(png, "short read");
}

void ErrorPNG(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void AvisPNG(png_structp, png_const_charp) {}

uint32_t ARGB(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return (a << 24) | (r << 16) | (g << 8) | b; }

// Converts the rows libpng read; false when the form is not converted.
bool Converteix(png_structp png, png_infop info, bool bOpac, ImatgePNG* pImatge)
{
    png_uint_32 w = png_get_image_width(png, info);
    png_uint_32 h = png_get_image_height(png, info);
    if (png_get_bit_depth(png, info) != 8) return false;
    int canals = png_get_channels(png, info);
    png_bytepp files = png_get_rows(png, info);
    if (!files) return false;
    png_colorp paleta = nullptr;
    int nPaleta = 0;
    if (canals == 1) {
        if (!(png_get_valid(png, info, PNG_INFO_PLTE) && png_get_PLTE(png, info, &paleta, &nPaleta) && paleta))
            return false;
    } else if (canals < 1 || canals > 4) {
        return false;
    }
    pImatge->aTexels.resize(static_cast<size_t>(w) * h);
    uint32_t* pDesti = pImatge->aTexels.data();
    for (png_uint_32 y = 0; y < h; ++y) {
        const png_byte* p = files[y];
        for (png_uint_32 x = 0; x < w; ++x, ++pDesti) {
            uint32_t a = 255, r = 0, g = 0, b = 0;
            switch (canals) {
            case 1: {
                int i = p[x];
                if (i < nPaleta) {
                    r = paleta[i].red;
                    g = paleta[i].green;
                    b = paleta[i].blue;
                    // Black and pure blue entries are the transparent keys.
                    if (r == 0 && g == 0 && (b == 0 || b == 255)) a = 0;
                } else {
                    a = 0; // an index past the palette is transparent
                }
                break;
            }
            case 2: // grey with alpha is not supported: shown magenta
                r = 255;
                b = 255;
                break;
            case 3:
                r = p[x * 3];
                g = p[x * 3 + 1];
                b = p[x * 3 + 2];
                break;
            default:
                r = p[x * 4];
                g = p[x * 4 + 1];
                b = p[x * 4 + 2];
                a = p[x * 4 + 3];
                break;
            }
            if (bOpac)
                a = 255;
            else if (a == 0)
                r = g = b = 0;
            *pDesti = ARGB(a, r, g, b);
        }
    }
    return true;
}

// One read: the header alone, or the whole image. Locals that change after
// setjmp are kept out of this frame.
bool Llegeix(LlegeixBytesPNG pfnLlegeix, void* pUsuari, bool bNomesCapcalera, bool bOpac, ImatgePNG* pImatge)
{
    if (!pfnLlegeix || !pImatge) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorPNG, AvisPNG);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    FontPNG font{pfnLlegeix, pUsuari};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &font, LlegeixDeFont);
    png_set_sig_bytes(png, 4);
    png_set_user_limits(png, kMidaMaximaPNG, kMidaMaximaPNG);
    if (bNomesCapcalera) {
        png_read_info(png, info);
    } else {
        png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    }
    pImatge->iAmplada = static_cast<int>(png_get_image_width(png, info));
    pImatge->iAlcada = static_cast<int>(png_get_image_height(png, info));
    pImatge->aTexels.clear();
    if (!bNomesCapcalera && !Converteix(png, info, bOpac, pImatge)) pImatge->aTexels.clear();
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

bool EsSignaturaPNG(const uint8_t* pBytes, size_t n)
{
    return pBytes && n >= 4 && pBytes[0] == 0x89 && pBytes[1] == 'P' && pBytes[2] == 'N' && pBytes[3] == 'G';
}

bool LlegeixMidaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, int* piAmplada, int* piAlcada)
{
    ImatgePNG imatge;
    if (!Llegeix(pfnLlegeix, pUsuari, true, false, &imatge)) return false;
    if (piAmplada) *piAmplada = imatge.iAmplada;
    if (piAlcada) *piAlcada = imatge.iAlcada;
    return true;
}

bool DescodificaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, bool bOpac, ImatgePNG* pImatge)
{
    return Llegeix(pfnLlegeix, pUsuari, false, bOpac, pImatge);
}

namespace {

// The PNG read callback over an open data file.
size_t LlegeixPNG(void* pUsuari, uint8_t* pDesti, size_t n)
{
    EntradaFitxer* pFitxer = static_cast<EntradaFitxer*>(pUsuari);
    if (!pFitxer || !g_pSistemaFitxers || n > static_cast<size_t>(INT_MAX)) return 0;
    int llegits = g_pSistemaFitxers->Llegeix(pDesti, 1, static_cast<int>(n), pFitxer);
    return llegits > 0 ? static_cast<size_t>(llegits) : 0;
}

// Opens a data file and takes its first four bytes, which must be the
// signature. Null otherwise.
EntradaFitxer* ObreAmbFirma(const char* szNom)
{
    if (!szNom || !g_pSistemaFitxers) return nullptr;
    EntradaFitxer* pFitxer = g_pSistemaFitxers->Obre(szNom, FITXER_LECTURA | FITXER_BINARI);
    if (!pFitxer) return nullptr;
    uint8_t firma[4];
    if (LlegeixPNG(pFitxer, firma, 4) != 4 || !EsSignaturaPNG(firma, 4)) {
        g_pSistemaFitxers->Tanca(pFitxer);
        return nullptr;
    }
    return pFitxer;
}

} // namespace

bool LlegeixFitxerPNG(const char* szNom, bool bNomesCapcalera, bool bOpac, ImatgePNG* pImatge)
{
    if (!pImatge) return false;
    EntradaFitxer* pFitxer = ObreAmbFirma(szNom);
    if (!pFitxer) return false;
    bool bFet = Llegeix(LlegeixPNG, pFitxer, bNomesCapcalera, bOpac, pImatge);
    g_pSistemaFitxers->Tanca(pFitxer);
    return bFet;
}

bool ComencaAmbFirmaPNG(const char* szNom)
{
    EntradaFitxer* pFitxer = ObreAmbFirma(szNom);
    if (pFitxer) g_pSistemaFitxers->Tanca(pFitxer);
    return pFitxer != nullptr;
}
