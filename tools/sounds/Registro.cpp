// The sound tool's registry, the silence that stands in for a missing
// recipe, and the composer of looping tunes.
#include "Sonidos.h"

#include "tools/CatalogoDatos.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <span>

namespace sintesis {

namespace fs = std::filesystem;

namespace {

struct Receta {
    bool pieza = false;
    int canales = 2;
    float calidad = 0.3f;
    std::function<Pista()> hace;
};

// Recipes by catalogue name, '/' form.
std::map<std::string, Receta>& Recetas()
{
    static std::map<std::string, Receta> r;
    return r;
}

TipoContenido TipoDe(const Receta& r) { return r.pieza ? TipoContenido::Pieza : TipoContenido::Muestra; }

bool EsSonido(const FilaCatalogo* f)
{
    return f && (f->tipo == TipoContenido::Muestra || f->tipo == TipoContenido::Pieza);
}

bool Escribe(const fs::path& ruta, const Receta& r, const Pista& p)
{
    std::error_code ec;
    fs::create_directories(ruta.parent_path(), ec);
    const bool ok = r.pieza ? EscribeOgg(ruta.string(), p, 2, kTasa, r.calidad) : EscribeWav(ruta.string(), p, r.canales);
    if (!ok) std::fprintf(stderr, "mg_sounds: cannot write %s\n", ruta.string().c_str());
    return ok;
}

} // namespace

RegistroMuestra::RegistroMuestra(const char* nombre, int canales, std::function<Pista()> sintetiza)
{
    Recetas()[datos::FormaBarra(nombre)] = {false, canales, 0.0f, std::move(sintetiza)};
}

RegistroPieza::RegistroPieza(const char* nombre, float calidad, std::function<Pista()> compone)
{
    Recetas()[datos::FormaBarra(nombre)] = {true, 2, calidad, std::move(compone)};
}

bool CompruebaRegistro()
{
    bool ok = true;
    for (const auto& [nombre, r] : Recetas()) {
        const FilaCatalogo* f = datos::BuscaFila(nombre);
        if (!f || f->tipo != TipoDe(r)) {
            std::fprintf(stderr, "mg_sounds: a recipe is registered for %s, which is no %s row of the catalogues\n",
                         nombre.c_str(), NombreTipoContenido(TipoDe(r)));
            ok = false;
        }
    }
    return ok;
}

bool Hace(const std::string& etapa, const std::string& nombre)
{
    const FilaCatalogo* f = datos::BuscaFila(nombre);
    if (!EsSonido(f)) {
        std::fprintf(stderr, "mg_sounds: %s is no sample or piece row of the catalogues\n", nombre.c_str());
        return false;
    }
    const std::string clave = datos::FormaBarra(f->nombre);
    const fs::path ruta = fs::path(etapa) / clave;
    auto it = Recetas().find(clave);
    if (it == Recetas().end()) {
        std::fprintf(stderr, "mg_sounds: warning: no recipe for %s (%s): silence is written\n", f->nombre, f->id);
        Receta silencio;
        silencio.pieza = f->tipo == TipoContenido::Pieza;
        Pista p;
        p.Asegura(silencio.pieza ? 4 * kCuarto : kCuarto);
        return Escribe(ruta, silencio, p);
    }
    return Escribe(ruta, it->second, it->second.hace());
}

std::vector<std::pair<std::string, bool>> Filas()
{
    std::vector<std::pair<std::string, bool>> v;
    for (std::span<const FilaCatalogo> c : {std::span<const FilaCatalogo>(motor::kCatalogo),
                                            std::span<const FilaCatalogo>(juego::kCatalogo)})
        for (const FilaCatalogo& f : c)
            if (EsSonido(&f)) v.emplace_back(f.nombre, Recetas().count(datos::FormaBarra(f.nombre)) > 0);
    return v;
}

Pista Compone(const std::vector<Compas>& compases, float bpm, int inst, float reverb)
{
    const float pulso = 60.0f / bpm;
    Pista p;
    for (size_t b = 0; b < compases.size(); ++b) {
        const Compas& c = compases[b];
        const double t0 = double(b) * 4.0 * pulso;
        if (inst & COLCHON)
            for (size_t k = 0; k < c.acorde.size(); ++k)
                Colchon(p, t0, float(c.acorde[k]), 4.0f * pulso + 0.6f, 0.055f, k % 2 ? 0.35f : -0.35f);
        Bajo(p, t0, float(c.bajo), 2.0f * pulso, 0.22f);
        Bajo(p, t0 + 2.0 * pulso, float(c.bajo), 2.0f * pulso, 0.16f);
        // Arpeggio over the chord, an octave up.
        static const int figura[8] = {0, 1, 2, 3, 2, 1, 2, 3};
        const bool corcheas = (inst & ARPEGIO_CORCHEAS) != 0;
        const int golpes = corcheas ? 8 : 4;
        for (int g = 0; g < golpes; ++g) {
            int tono = c.acorde[size_t(figura[g % 8]) % c.acorde.size()] + 12;
            double t = t0 + double(g) * (corcheas ? 0.5 : 1.0) * pulso;
            float pan = g % 2 ? 0.3f : -0.3f;
            if (inst & PULSADA) Pulsada(p, t, float(tono), 1.6f * pulso, 0.16f, pan);
            if (inst & CAJA) Caja(p, t, float(tono + 12), 1.5f * pulso, 0.07f, -pan);
        }
        for (const Nota& n : c.melodia) {
            double t = t0 + double(n.tiempo) * pulso;
            float d = std::max(n.dur * pulso, 0.6f) + 1.0f;
            if (inst & CAMPANA) Campana(p, t, float(n.tono), d, 0.2f, 0.1f);
            if ((inst & CAJA) && !(inst & CAMPANA)) Caja(p, t, float(n.tono), d, 0.2f, 0.1f);
        }
    }
    const size_t largo = size_t(double(compases.size()) * 4.0 * pulso * kTasa + 0.5);
    const size_t cuartos = (largo + kCuarto / 2) / kCuarto;
    p.Asegura(cuartos * kCuarto + kTasa * 4); // room for the reverb's tail
    Reverbera(p, reverb, 0.84f);
    CierraBucle(p, cuartos * kCuarto);
    Normaliza(p, 0.72f);
    return p;
}

} // namespace sintesis
