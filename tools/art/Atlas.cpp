// Packing sprites into one atlas picture and writing the .SPM description.
#include "Arte.h"

#include "tools/CatalogoDatos.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

namespace art {

namespace {

// Pixels of padding around each sprite in the atlas. The padding repeats the
// sprite's border pixels so that filtered sampling at a sprite's edge never
// picks up a neighbour.
constexpr int kPad = 2;

int SiguientePotencia(int v)
{
    int p = 1;
    while (p < v) p <<= 1;
    return p;
}

struct Colocado {
    const Sprite* s;
    int x = 0, y = 0; // the sprite's own top-left pixel in the atlas
};

// Shelf packing: tallest first, left to right, rows top to bottom, within a
// power-of-two width. Returns the atlas height used.
int Empaqueta(std::vector<Colocado>& items, int width)
{
    std::sort(items.begin(), items.end(), [](const Colocado& a, const Colocado& b) {
        if (a.s->h != b.s->h) return a.s->h > b.s->h;
        return a.s->slot < b.s->slot;
    });
    int x = 0, y = 0, row = 0;
    for (auto& it : items) {
        int w = it.s->w + 2 * kPad, h = it.s->h + 2 * kPad;
        if (x > 0 && x + w > width) {
            x = 0;
            y += row;
            row = 0;
        }
        it.x = x + kPad;
        it.y = y + kPad;
        x += w;
        row = std::max(row, h);
    }
    return y + row;
}

// Copies a w by h ARGB surface into the atlas at (x, y) and extends its
// border pixels kPad pixels outwards.
void Copia(cairo_surface_t* atlas, cairo_surface_t* src, int x, int y, int w, int h)
{
    cairo_surface_flush(atlas);
    cairo_surface_flush(src);
    unsigned char* dst = cairo_image_surface_get_data(atlas);
    int dstride = cairo_image_surface_get_stride(atlas);
    int aw = cairo_image_surface_get_width(atlas), ah = cairo_image_surface_get_height(atlas);
    const unsigned char* s = cairo_image_surface_get_data(src);
    int sstride = cairo_image_surface_get_stride(src);
    for (int dy = -kPad; dy < h + kPad; ++dy) {
        int ty = y + dy;
        if (ty < 0 || ty >= ah) continue;
        int sy = std::clamp(dy, 0, h - 1);
        for (int dx = -kPad; dx < w + kPad; ++dx) {
            int tx = x + dx;
            if (tx < 0 || tx >= aw) continue;
            int sx = std::clamp(dx, 0, w - 1);
            std::memcpy(dst + ty * dstride + tx * 4, s + sy * sstride + sx * 4, 4);
        }
    }
    cairo_surface_mark_dirty(atlas);
}

bool CreaCarpeta(const std::string& file)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    return !ec;
}

bool GuardaPNG(cairo_surface_t* s, const std::string& path)
{
    if (!CreaCarpeta(path)) return false;
    if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "mg_art: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

struct PintorImagen {
    int w = 0, h = 0;
    Painter paint;
};

// Painters by catalogue name, '/' form.
std::map<std::string, std::function<Paquete()>>& Paquetes()
{
    static std::map<std::string, std::function<Paquete()>> r;
    return r;
}
std::map<std::string, PintorImagen>& Imagenes()
{
    static std::map<std::string, PintorImagen> r;
    return r;
}

bool EsPaquete(const FilaCatalogo* f) { return f && f->tipo == TipoContenido::Paquete; }
bool EsImagen(const FilaCatalogo* f)
{
    return f && (f->tipo == TipoContenido::Imagen || f->tipo == TipoContenido::Marcador);
}

// A placeholder in place of a picture without a painter: the engine's own
// "not found" picture, byte for byte, so that the content audit knows it.
bool EscribeMarcador(const std::string& stage, const std::string& name, const char* marcador)
{
    auto it = Imagenes().find(datos::FormaBarra(marcador));
    if (it == Imagenes().end()) {
        std::fprintf(stderr, "mg_art: no painter for the placeholder %s\n", marcador);
        return false;
    }
    return EscribeImagen(stage, {name, it->second.w, it->second.h, it->second.paint});
}

// A package without a painter: one sprite, the placeholder picture as its
// atlas.
bool EscribePaqueteMarcador(const std::string& stage, const std::string& spm)
{
    const std::string atlas = AtlasDePaquete(spm);
    if (!EscribeMarcador(stage, atlas, motor::marcador::SPM_NO_ENCONTRADO)) return false;
    const PintorImagen& m = Imagenes()[datos::FormaBarra(motor::marcador::SPM_NO_ENCONTRADO)];
    const std::string path = RutaEnStage(stage, spm);
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "mg_art: cannot write %s\n", path.c_str());
        return false;
    }
    std::fprintf(f, "// Placeholder: tools/art has no painter for this package yet.\n\nSPMVER = 1;\n\n");
    std::fprintf(f, "SPRITE = 0, \"%s\", 0, 0, %d, %d, %.1f, %.1f, 0;\n\n", atlas.c_str(), m.w, m.h, m.w / 2.0,
                 m.h / 2.0);
    std::fprintf(f, "ANIMACIO = 0, 0, 10000;\n");
    bool ok = std::fclose(f) == 0;
    if (!ok) std::fprintf(stderr, "mg_art: cannot write %s\n", path.c_str());
    return ok;
}

} // namespace

namespace {

// Names registered more than once: one painter would silently win.
std::vector<std::string>& Repetidos()
{
    static std::vector<std::string> v;
    return v;
}

} // namespace

RegistroPaquete::RegistroPaquete(const char* name, std::function<Paquete()> describe)
{
    const std::string clave = datos::FormaBarra(name);
    if (Paquetes().count(clave)) Repetidos().push_back(clave);
    Paquetes()[clave] = std::move(describe);
}

RegistroImagen::RegistroImagen(const char* name, int w, int h, Painter paint)
{
    const std::string clave = datos::FormaBarra(name);
    if (Imagenes().count(clave)) Repetidos().push_back(clave);
    Imagenes()[clave] = {w, h, std::move(paint)};
}

bool CompruebaRegistro()
{
    bool ok = true;
    for (const std::string& name : Repetidos()) {
        std::fprintf(stderr, "mg_art: two painters are registered for %s: keep one\n", name.c_str());
        ok = false;
    }
    for (const auto& [name, f] : Paquetes())
        if (!EsPaquete(datos::BuscaFila(name))) {
            std::fprintf(stderr, "mg_art: a painter is registered for %s, which is no package row of the catalogues\n",
                         name.c_str());
            ok = false;
        }
    for (const auto& [name, p] : Imagenes())
        if (!EsImagen(datos::BuscaFila(name))) {
            std::fprintf(stderr, "mg_art: a painter is registered for %s, which is no picture row of the catalogues\n",
                         name.c_str());
            ok = false;
        }
    return ok;
}

bool Dibuja(const std::string& stage, const std::string& name)
{
    const FilaCatalogo* fila = datos::BuscaFila(name);
    if (!EsPaquete(fila) && !EsImagen(fila)) {
        std::fprintf(stderr, "mg_art: %s is no package or picture row of the catalogues\n", name.c_str());
        return false;
    }
    const std::string clave = datos::FormaBarra(fila->nombre);
    if (EsPaquete(fila)) {
        auto it = Paquetes().find(clave);
        if (it == Paquetes().end()) {
            std::fprintf(stderr, "mg_art: warning: no painter for %s (%s): a placeholder is drawn\n", fila->nombre,
                         fila->id);
            return EscribePaqueteMarcador(stage, fila->nombre);
        }
        Paquete p = it->second();
        p.spm = fila->nombre;
        p.atlas = AtlasDePaquete(fila->nombre);
        return EscribePaquete(stage, p);
    }
    auto it = Imagenes().find(clave);
    if (it == Imagenes().end()) {
        std::fprintf(stderr, "mg_art: warning: no painter for %s (%s): a placeholder is drawn\n", fila->nombre,
                     fila->id);
        return EscribeMarcador(stage, fila->nombre, motor::marcador::PNG_NO_ENCONTRADO);
    }
    return EscribeImagen(stage, {fila->nombre, it->second.w, it->second.h, it->second.paint});
}

std::vector<std::pair<std::string, bool>> Filas()
{
    std::vector<std::pair<std::string, bool>> v;
    for (std::span<const FilaCatalogo> c : {std::span<const FilaCatalogo>(motor::kCatalogo),
                                            std::span<const FilaCatalogo>(juego::kCatalogo)})
        for (const FilaCatalogo& f : c) {
            const std::string clave = datos::FormaBarra(f.nombre);
            if (EsPaquete(&f)) v.emplace_back(f.nombre, Paquetes().count(clave) > 0);
            else if (EsImagen(&f)) v.emplace_back(f.nombre, Imagenes().count(clave) > 0);
        }
    return v;
}

std::shared_ptr<cairo_surface_t> Pinta(int w, int h, const Painter& paint)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1));
    cairo_t* cr = cairo_create(s);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (paint) paint(cr, w, h);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    return std::shared_ptr<cairo_surface_t>(s, cairo_surface_destroy);
}

void AnadeFrames(Paquete& p, int first, int count, int w, int h, double hx, double hy,
                 const PainterFrame& paint)
{
    for (int i = 0; i < count; ++i) {
        Sprite s;
        s.slot = first + i;
        s.w = w;
        s.h = h;
        s.hx = hx;
        s.hy = hy;
        s.paint = [paint, i, count](cairo_t* cr, double pw, double ph) { paint(cr, pw, ph, i, count); };
        p.sprites.push_back(std::move(s));
    }
}

void AnadeNueveTrozos(Paquete& p, int first, const Bordes& b, const Painter& panel)
{
    const int W = b.left + b.mid + b.right, H = b.top + b.mid + b.bottom;
    auto whole = Pinta(W, H, panel);
    struct Trozo {
        int x, y, w, h;
    };
    const int xm = b.left, xr = b.left + b.mid, ym = b.top, yb = b.top + b.mid;
    const Trozo trozos[9] = {
        {0, 0, b.left, b.top},          // top-left
        {xr, 0, b.right, b.top},        // top-right
        {0, yb, b.left, b.bottom},      // bottom-left
        {xr, yb, b.right, b.bottom},    // bottom-right
        {xm, 0, b.mid, b.top},          // top edge
        {xm, yb, b.mid, b.bottom},      // bottom edge
        {0, ym, b.left, b.mid},         // left edge
        {xr, ym, b.right, b.mid},       // right edge
        {xm, ym, b.mid, b.mid},         // centre
    };
    for (int i = 0; i < 9; ++i) {
        const Trozo t = trozos[i];
        if (t.w <= 0 || t.h <= 0) continue; // an empty slot stays undefined
        Sprite s;
        s.slot = first + i;
        s.w = t.w;
        s.h = t.h;
        s.paint = [whole, t](cairo_t* cr, double, double) {
            cairo_set_source_surface(cr, whole.get(), -t.x, -t.y);
            cairo_paint(cr);
        };
        p.sprites.push_back(std::move(s));
    }
}

std::string RutaEnStage(const std::string& stage, const std::string& name)
{
    std::string rel = name;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    return stage + "/" + rel;
}

bool EscribeImagen(const std::string& stage, const Imagen& img)
{
    auto s = Pinta(img.w, img.h, img.paint);
    return GuardaPNG(s.get(), RutaEnStage(stage, img.name));
}

bool EscribePaquete(const std::string& stage, const Paquete& p)
{
    std::vector<Colocado> items;
    int widest = 1;
    for (const auto& s : p.sprites) {
        if (s.w <= 0 || s.h <= 0 || s.slot < 0 || s.slot > 255) {
            std::fprintf(stderr, "mg_art: %s: bad sprite in slot %d\n", p.spm.c_str(), s.slot);
            return false;
        }
        items.push_back({&s});
        widest = std::max(widest, s.w + 2 * kPad);
    }
    // The narrowest power-of-two width (from 64) that keeps the atlas no
    // taller than wide.
    int width = SiguientePotencia(std::max(widest, 64));
    int height = Empaqueta(items, width);
    while (height > width) {
        width *= 2;
        height = Empaqueta(items, width);
    }
    auto atlas = Pinta(width, std::max(height, 1), nullptr);
    for (const auto& it : items) {
        auto one = Pinta(it.s->w, it.s->h, it.s->paint);
        Copia(atlas.get(), one.get(), it.x, it.y, it.s->w, it.s->h);
    }
    if (!GuardaPNG(atlas.get(), RutaEnStage(stage, p.atlas))) return false;

    std::string path = RutaEnStage(stage, p.spm);
    if (!CreaCarpeta(path)) return false;
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "mg_art: cannot write %s\n", path.c_str());
        return false;
    }
    std::fprintf(f, "// %s\n", p.comment.empty() ? "Sprite package" : p.comment.c_str());
    std::fprintf(f, "// Drawn by tools/art; the picture is %s.\n\n", p.atlas.c_str());
    std::fprintf(f, "SPMVER = 1;\n\n");
    std::sort(items.begin(), items.end(), [](const Colocado& a, const Colocado& b) { return a.s->slot < b.s->slot; });
    for (const auto& it : items) {
        const Sprite& s = *it.s;
        std::fprintf(f, "SPRITE = %d, \"%s\", %d, %d, %d, %d, %.1f, %.1f, %d;\n", s.slot, p.atlas.c_str(), it.x,
                     it.y, s.w, s.h, s.hx, s.hy, s.mode);
    }
    for (const TextoFLI& t : p.textos)
        std::fprintf(f, "TXTFLI = %d, %.1f, %.1f, %d, %d, %d, \"%s\", %.1f, %.1f, %.2f, %.2f;\n", t.slot, t.w, t.h,
                     t.alineaH, t.alineaV, t.font, t.codigo.c_str(), t.hx, t.hy, t.escalaX, t.escalaY);
    if (!p.animations.empty()) std::fprintf(f, "\n");
    for (const auto& a : p.animations) {
        std::fprintf(f, "ANIMACIO = %d", a.index);
        for (const auto& [slot, ms] : a.frames) std::fprintf(f, ", %d, %d", slot, ms);
        std::fprintf(f, ";\n");
    }
    bool ok = std::fclose(f) == 0;
    if (!ok) std::fprintf(stderr, "mg_art: cannot write %s\n", path.c_str());
    return ok;
}

} // namespace art
