// Renders a bitmap font for the engine from a TrueType font with FreeType.
//
//   mg_fontgen --ttf FILE --size PX --cell PX --out DIR --name NAME
//              --data-dir "Data\Letras" [--outline PX] [--spacing S]
//              [--shadow R,G,B,A]
//
// Writes, into DIR:
//   NAME.png        16 x 16 cells, character code = row * 16 + column, white
//                   glyphs (optionally with a dark outline) on transparency;
//                   each glyph is centred on its advance inside its cell
//   NAME.ANC        256 little-endian signed 16-bit advance widths
//   NAME.Set        the grid-form font description naming both
//   NAMESombra.png  (with --shadow) the soft blob drawn behind each glyph
// The character set is Windows-1252; control codes and unassigned bytes get
// an empty cell and advance 0.
#include "Cp1252.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Opciones {
    std::string ttf, out, name, dataDir;
    int size = 0, cell = 0, outline = 0;
    float spacing = 0.0f;
    bool shadow = false;
    int shadowColor[4] = {0, 0, 0, 128};
};

[[noreturn]] void Falla(const std::string& msg)
{
    std::fprintf(stderr, "mg_fontgen: %s\n", msg.c_str());
    std::exit(1);
}

Opciones LeeOpciones(int argc, char** argv)
{
    Opciones o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (i + 1 >= argc) Falla("missing value after " + a);
        std::string v = argv[++i];
        if (a == "--ttf") o.ttf = v;
        else if (a == "--size") o.size = std::atoi(v.c_str());
        else if (a == "--cell") o.cell = std::atoi(v.c_str());
        else if (a == "--out") o.out = v;
        else if (a == "--name") o.name = v;
        else if (a == "--data-dir") o.dataDir = v;
        else if (a == "--outline") o.outline = std::atoi(v.c_str());
        else if (a == "--spacing") o.spacing = static_cast<float>(std::atof(v.c_str()));
        else if (a == "--shadow") {
            o.shadow = true;
            if (std::sscanf(v.c_str(), "%d,%d,%d,%d", &o.shadowColor[0], &o.shadowColor[1],
                            &o.shadowColor[2], &o.shadowColor[3]) != 4)
                Falla("--shadow wants R,G,B,A");
        } else {
            Falla("unknown option " + a);
        }
    }
    if (o.ttf.empty() || o.out.empty() || o.name.empty() || o.dataDir.empty())
        Falla("--ttf, --out, --name and --data-dir are needed");
    if (o.size <= 0 || o.cell <= 0 || o.cell * 16 > 4096)
        Falla("--size must be positive and --cell between 1 and 256");
    return o;
}

struct Imagen {
    int w = 0, h = 0;
    std::vector<unsigned char> rgba; // w * h * 4

    Imagen(int ww, int hh) : w(ww), h(hh), rgba(static_cast<size_t>(ww) * hh * 4, 0) {}
    unsigned char* Pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
};

void EscribePNG(const std::string& path, const Imagen& img)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) Falla("cannot create " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) Falla("libpng could not start");
    if (setjmp(png_jmpbuf(png))) Falla("libpng failed writing " + path);
    png_init_io(png, f);
    png_set_IHDR(png, info, img.w, img.h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.h; ++y)
        png_write_row(png, const_cast<png_bytep>(&img.rgba[static_cast<size_t>(y) * img.w * 4]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f) != 0) Falla("cannot write " + path);
}

// The glyphs' coverage (0..255) over the whole grid image.
struct Cobertura {
    int w, h;
    std::vector<unsigned char> a;
    Cobertura(int ww, int hh) : w(ww), h(hh), a(static_cast<size_t>(ww) * hh, 0) {}
    unsigned char& At(int x, int y) { return a[static_cast<size_t>(y) * w + x]; }
};

// Soft dark blob covering the ink area of a glyph cell (ellipse with a smooth
// edge), coloured later through the font's shadow colour.
Imagen Sombra()
{
    const int n = 64;
    Imagen img(n, n);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            double dx = ((x + 0.5) / n - 0.5) / 0.34;
            double dy = ((y + 0.5) / n - 0.47) / 0.42;
            double d = std::sqrt(dx * dx + dy * dy);
            double v = d >= 1.0 ? 0.0 : 0.5 * (1.0 + std::cos(d * M_PI));
            unsigned char* p = img.Pixel(x, y);
            p[0] = p[1] = p[2] = 255;
            p[3] = static_cast<unsigned char>(std::lround(v * 255.0));
        }
    }
    return img;
}

std::string Une(const std::string& dir, const std::string& file, char sep)
{
    if (dir.empty()) return file;
    return dir + sep + file;
}

} // namespace

int main(int argc, char** argv)
{
    Opciones o = LeeOpciones(argc, argv);

    FT_Library lib;
    if (FT_Init_FreeType(&lib)) Falla("FreeType could not start");
    FT_Face face;
    if (FT_New_Face(lib, o.ttf.c_str(), 0, &face)) Falla("cannot open " + o.ttf);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(o.size))) Falla("cannot size " + o.ttf);

    const int ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descender = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    const int pad = o.outline;
    const int lineHeight = ascender + descender + 2 * pad;
    if (lineHeight > o.cell) Falla("the cell is lower than the line height " + std::to_string(lineHeight));
    const int baseline = pad + ascender;

    const int side = o.cell * 16;
    Cobertura glyphs(side, side);
    int16_t advances[256] = {};

    for (int code = 0; code < 256; ++code) {
        uint32_t uc = Cp1252AUnicode(static_cast<unsigned char>(code));
        if (uc < 0x20 || uc == 0x7F) continue; // control codes: empty, advance 0
        FT_UInt index = FT_Get_Char_Index(face, uc);
        if (index == 0 && uc != 0x20) index = FT_Get_Char_Index(face, '?');
        // A glyph wider than its cell (such as the per-mille sign in a large
        // font) is rendered at a smaller size so that it fits.
        int adv = 0;
        for (int size = o.size;; --size) {
            if (size <= 0) Falla("glyph " + std::to_string(code) + " cannot fit its cell");
            FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
            if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT)) Falla("cannot load glyph " + std::to_string(code));
            adv = static_cast<int>((face->glyph->advance.x + 32) >> 6) + 2 * pad;
            if (adv <= o.cell) break;
        }
        advances[code] = static_cast<int16_t>(adv);
        // Centre the advance box in the cell: the engine places the cell's
        // left edge at (cell - advance) / 2 before the pen position.
        FT_Vector shift{0, 0};
        if ((o.cell - adv) % 2 != 0) shift.x = 32; // half a pixel
        FT_Set_Transform(face, nullptr, &shift);
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER)) Falla("cannot render glyph " + std::to_string(code));
        FT_Set_Transform(face, nullptr, nullptr);
        const FT_Bitmap& bm = face->glyph->bitmap;
        const int cellX = (code % 16) * o.cell, cellY = (code / 16) * o.cell;
        const int penX = (o.cell - adv) / 2 + pad;
        const int x0 = cellX + penX + face->glyph->bitmap_left;
        const int y0 = cellY + baseline - face->glyph->bitmap_top;
        for (unsigned r = 0; r < bm.rows; ++r) {
            for (unsigned c = 0; c < bm.width; ++c) {
                int x = x0 + static_cast<int>(c), y = y0 + static_cast<int>(r);
                if (x < cellX || x >= cellX + o.cell || y < cellY || y >= cellY + o.cell) continue;
                unsigned char v = bm.buffer[static_cast<int>(r) * bm.pitch + static_cast<int>(c)];
                glyphs.At(x, y) = std::max(glyphs.At(x, y), v);
            }
        }
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(o.size));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);

    // White glyphs over an optional dark outline (a disc dilation of the
    // coverage, kept inside each cell).
    Imagen grid(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int g = glyphs.At(x, y);
            int ring = 0;
            if (o.outline > 0) {
                const int cx0 = (x / o.cell) * o.cell, cy0 = (y / o.cell) * o.cell;
                for (int dy = -o.outline; dy <= o.outline && ring < 255; ++dy) {
                    for (int dx = -o.outline; dx <= o.outline; ++dx) {
                        if (dx * dx + dy * dy > o.outline * o.outline) continue;
                        int xx = x + dx, yy = y + dy;
                        if (xx < cx0 || xx >= cx0 + o.cell || yy < cy0 || yy >= cy0 + o.cell) continue;
                        ring = std::max(ring, static_cast<int>(glyphs.At(xx, yy)));
                    }
                }
            }
            int a = std::max(g, ring);
            unsigned char* p = grid.Pixel(x, y);
            if (a == 0) continue;
            // Colour: glyph coverage over the outline colour (30, 22, 16).
            double t = static_cast<double>(g) / a;
            p[0] = static_cast<unsigned char>(std::lround(30 + t * (255 - 30)));
            p[1] = static_cast<unsigned char>(std::lround(22 + t * (255 - 22)));
            p[2] = static_cast<unsigned char>(std::lround(16 + t * (255 - 16)));
            p[3] = static_cast<unsigned char>(a);
        }
    }

    const std::string png = o.name + ".png", anc = o.name + ".ANC", sombra = o.name + "Sombra.png";
    EscribePNG(Une(o.out, png, '/'), grid);

    {
        std::string path = Une(o.out, anc, '/');
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) Falla("cannot create " + path);
        for (int16_t a : advances) {
            unsigned char b[2] = {static_cast<unsigned char>(a & 0xFF),
                                  static_cast<unsigned char>((a >> 8) & 0xFF)};
            std::fwrite(b, 1, 2, f);
        }
        if (std::fclose(f) != 0) Falla("cannot write " + path);
    }

    if (o.shadow) EscribePNG(Une(o.out, sombra, '/'), Sombra());

    std::string path = Une(o.out, o.name + ".Set", '/');
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) Falla("cannot create " + path);
    std::fprintf(f, "// Bitmap font %s, rendered from %s at %d pixels.\r\n", o.name.c_str(),
                 o.ttf.substr(o.ttf.find_last_of('/') + 1).c_str(), o.size);
    std::fprintf(f, "FONTSETTYPE = 1;\r\n");
    std::fprintf(f, "IMAGEN = \"%s\";\r\n", Une(o.dataDir, png, '\\').c_str());
    std::fprintf(f, "ANCHOS = \"%s\";\r\n", Une(o.dataDir, anc, '\\').c_str());
    std::fprintf(f, "ALTO = %d;\r\n", lineHeight);
    std::fprintf(f, "SEPARACION = %.3f;\r\n", o.spacing);
    std::fprintf(f, "DESPLAZAMIENTO = 0, 0;\r\n");
    if (o.shadow)
        std::fprintf(f, "SOMBRA = \"%s\", %d, %d, %d, %d;\r\n", Une(o.dataDir, sombra, '\\').c_str(),
                     o.shadowColor[0], o.shadowColor[1], o.shadowColor[2], o.shadowColor[3]);
    if (std::fclose(f) != 0) Falla("cannot write " + path);
    return 0;
}
