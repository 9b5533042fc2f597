#include "Ajudes.h"

#include "platform/Window.h"

#include <cstdio>
#include <filesystem>
#include <png.h>

namespace fs = std::filesystem;

std::string CarpetaDades() { return (fs::path(MG_TEST_TMP) / "grafics" / std::to_string(::getpid())).string(); }

void EscriuPNG(const std::string& nom, int w, int h, int iTipusColor, int iBits, const std::vector<uint8_t>& bytes,
               const std::vector<ColorPalet>& paleta)
{
    fs::path ruta = fs::path(CarpetaDades()) / nom;
    fs::create_directories(ruta.parent_path());
    FILE* f = std::fopen(ruta.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        FAIL() << "cannot write " << nom;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, iBits, iTipusColor, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!paleta.empty()) {
        std::vector<png_color> p;
        for (const ColorPalet& c : paleta) p.push_back({c.r, c.g, c.b});
        png_set_PLTE(png, info, p.data(), static_cast<int>(p.size()));
    }
    png_write_info(png, info);
    size_t fila = bytes.size() / static_cast<size_t>(h);
    for (int y = 0; y < h; ++y) png_write_row(png, const_cast<uint8_t*>(bytes.data() + fila * y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

void EscriuPNGPla(const std::string& nom, int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < w * h; ++i) bytes.insert(bytes.end(), {r, g, b, a});
    EscriuPNG(nom, w, h, PNG_COLOR_TYPE_RGBA, 8, bytes);
}

void ProvaGrafics::SetUp()
{
    fs::remove_all(CarpetaDades());
    fs::create_directories(CarpetaDades());
    IniciaVentana(CarpetaDades());
}

void ProvaGrafics::TearDown()
{
    kit::EntornoVentana::TearDown();
    fs::remove_all(CarpetaDades());
}

Pixel ProvaGrafics::At(int x, int y) const { return kit::PixelDe(m_aPantalla, x, y); }

Sprite* ProvaGrafics::SpriteEnUs(const char* szFitxer, bool bOpac)
{
    Sprite* s = m_pSis->CreaSpriteFitxer(szFitxer, -1, -1, -1, -1, 0, 0, true, bOpac);
    m_pSis->MarcaSpriteEnUs(s);
    return s;
}
