#include "engine/graphics/LectorPNG.h"

#include "engine/core/SistemaFitxers.h"

#include <algorithm>
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

// How the rows are converted: 8-bit samples, 1 (with a palette) to 4
// channels. False for any other form, which is not converted.
struct Forma {
    int canals = 0;
    png_colorp paleta = nullptr;
    int nPaleta = 0;
};

bool FormaConvertible(png_structp png, png_infop info, Forma* pForma)
{
    if (png_get_bit_depth(png, info) != 8) return false;
    pForma->canals = png_get_channels(png, info);
    if (pForma->canals == 1)
        return png_get_valid(png, info, PNG_INFO_PLTE) &&
               png_get_PLTE(png, info, &pForma->paleta, &pForma->nPaleta) && pForma->paleta;
    return pForma->canals >= 1 && pForma->canals <= 4;
}

void ConverteixFila(const png_byte* p, png_uint_32 w, const Forma& f, bool bOpac, uint32_t* pDesti)
{
    const int canals = f.canals;
    const png_colorp paleta = f.paleta;
    const int nPaleta = f.nPaleta;
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

// Texels converted at a time: the rows of one band.
constexpr size_t kTexelsFranja = 16384;

// What one read keeps outside the frame that calls setjmp.
struct Lectura {
    bool bOpac = false;
    FranjaPNG pfnFranja = nullptr;
    void* pUsuari = nullptr;
    bool bConvertida = false;
    std::vector<png_byte, SenseInicialitzar<png_byte>> aBytes; // a band of rows, or the whole interlaced image
    std::vector<png_bytep> aFiles; // the interlaced image's rows
    std::vector<uint32_t, SenseInicialitzar<uint32_t>> aFranja;
};

// Reads the rows and hands them on band by band, converted. False when the
// receiver refuses a band; libpng's errors jump back to Llegeix (whatever
// this frame holds must not need destroying).
bool LlegeixFiles(png_structp png, png_infop info, Lectura* pLectura)
{
    Forma forma;
    if (!FormaConvertible(png, info, &forma)) return true;
    const bool bEntrellacada = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (bEntrellacada) png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    const size_t iBytesFila = png_get_rowbytes(png, info);
    if (w == 0 || h == 0 || iBytesFila < w * static_cast<size_t>(forma.canals)) return false;
    const png_uint_32 iFilesFranja = static_cast<png_uint_32>(std::max<size_t>(1, kTexelsFranja / w));
    // An interlaced image comes whole in several passes; any other, row by
    // row into one band.
    const png_uint_32 iFilesLlegides = bEntrellacada ? h : std::min(h, iFilesFranja);
    pLectura->aBytes.resize(iBytesFila * iFilesLlegides);
    pLectura->aFranja.resize(static_cast<size_t>(w) * std::min(h, iFilesFranja));
    if (bEntrellacada) {
        pLectura->aFiles.resize(h);
        for (png_uint_32 y = 0; y < h; ++y) pLectura->aFiles[y] = pLectura->aBytes.data() + iBytesFila * y;
        png_read_image(png, pLectura->aFiles.data());
    }
    for (png_uint_32 y0 = 0; y0 < h; y0 += iFilesFranja) {
        const png_uint_32 n = std::min(iFilesFranja, h - y0);
        for (png_uint_32 i = 0; i < n; ++i) {
            png_bytep fila = bEntrellacada ? pLectura->aBytes.data() + iBytesFila * (y0 + i)
                                           : pLectura->aBytes.data() + iBytesFila * i;
            if (!bEntrellacada) png_read_row(png, fila, nullptr);
            ConverteixFila(fila, w, forma, pLectura->bOpac, pLectura->aFranja.data() + static_cast<size_t>(w) * i);
        }
        if (!pLectura->pfnFranja(pLectura->pUsuari, static_cast<int>(w), static_cast<int>(h), static_cast<int>(y0),
                                 static_cast<int>(n), pLectura->aFranja.data()))
            return false;
        pLectura->bConvertida = true;
    }
    png_read_end(png, nullptr);
    return true;
}

// One read: the header alone (no receiver), or the whole image. Locals that
// change after setjmp are kept out of this frame.
bool Llegeix(LlegeixBytesPNG pfnLlegeix, void* pUsuari, int* piAmplada, int* piAlcada, Lectura* pLectura)
{
    if (!pfnLlegeix) return false;
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
    png_read_info(png, info);
    *piAmplada = static_cast<int>(png_get_image_width(png, info));
    *piAlcada = static_cast<int>(png_get_image_height(png, info));
    const bool bFet = !pLectura || LlegeixFiles(png, info, pLectura);
    png_destroy_read_struct(&png, &info, nullptr);
    return bFet;
}

// A receiver that gathers the bands into one image.
bool AfegeixFranja(void* pUsuari, int iAmplada, int iAlcada, int y, int h, const uint32_t* pArgb)
{
    auto* pImatge = static_cast<ImatgePNG*>(pUsuari);
    const size_t iFila = static_cast<size_t>(iAmplada);
    if (pImatge->aTexels.empty()) pImatge->aTexels.resize(iFila * static_cast<size_t>(iAlcada));
    std::copy_n(pArgb, iFila * static_cast<size_t>(h), pImatge->aTexels.data() + iFila * static_cast<size_t>(y));
    return true;
}

bool LlegeixImatge(LlegeixBytesPNG pfnLlegeix, void* pUsuari, bool bNomesCapcalera, bool bOpac, ImatgePNG* pImatge)
{
    if (!pImatge) return false;
    pImatge->aTexels.clear();
    Lectura lectura;
    lectura.bOpac = bOpac;
    lectura.pfnFranja = AfegeixFranja;
    lectura.pUsuari = pImatge;
    const bool bFet =
        Llegeix(pfnLlegeix, pUsuari, &pImatge->iAmplada, &pImatge->iAlcada, bNomesCapcalera ? nullptr : &lectura);
    if (!bFet) pImatge->aTexels.clear();
    return bFet;
}

} // namespace

bool EsSignaturaPNG(const uint8_t* pBytes, size_t n)
{
    return pBytes && n >= 4 && pBytes[0] == 0x89 && pBytes[1] == 'P' && pBytes[2] == 'N' && pBytes[3] == 'G';
}

bool LlegeixMidaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, int* piAmplada, int* piAlcada)
{
    int w = 0, h = 0;
    if (!Llegeix(pfnLlegeix, pUsuari, &w, &h, nullptr)) return false;
    if (piAmplada) *piAmplada = w;
    if (piAlcada) *piAlcada = h;
    return true;
}

bool DescodificaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, bool bOpac, ImatgePNG* pImatge)
{
    return LlegeixImatge(pfnLlegeix, pUsuari, false, bOpac, pImatge);
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
    bool bFet = LlegeixImatge(LlegeixPNG, pFitxer, bNomesCapcalera, bOpac, pImatge);
    g_pSistemaFitxers->Tanca(pFitxer);
    return bFet;
}

bool LlegeixFitxerPNGPerFranges(const char* szNom, bool bOpac, FranjaPNG pfnFranja, void* pUsuari,
                                bool* pbConvertida)
{
    if (pbConvertida) *pbConvertida = false;
    if (!pfnFranja) return false;
    EntradaFitxer* pFitxer = ObreAmbFirma(szNom);
    if (!pFitxer) return false;
    Lectura lectura;
    lectura.bOpac = bOpac;
    lectura.pfnFranja = pfnFranja;
    lectura.pUsuari = pUsuari;
    int w = 0, h = 0;
    bool bFet = Llegeix(LlegeixPNG, pFitxer, &w, &h, &lectura);
    g_pSistemaFitxers->Tanca(pFitxer);
    if (pbConvertida) *pbConvertida = lectura.bConvertida;
    return bFet;
}

bool ComencaAmbFirmaPNG(const char* szNom)
{
    EntradaFitxer* pFitxer = ObreAmbFirma(szNom);
    if (pFitxer) g_pSistemaFitxers->Tanca(pFitxer);
    return pFitxer != nullptr;
}
