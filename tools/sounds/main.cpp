// Makes the demo sounds and music.
//   mg_sounds STAGE            the game's sounds and music under STAGE
//   mg_sounds --pruebas DIR    short Ogg tones of exact lengths for the tests
#include "Sintesis.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace sintesis;
namespace fs = std::filesystem;

namespace {

// A quarter of a second: the music files last whole quarters so that the
// streamer's halves end exactly where the music does.
constexpr size_t kCuarto = kTasa / 4;

struct Nota {
    float tiempo; // beats from the start of the bar
    int tono;     // MIDI
    float dur;    // beats
};

struct Compas {
    std::vector<int> acorde; // pad notes
    int bajo;
    std::vector<Nota> melodia;
};

enum Instrumentos { CAMPANA = 1, PULSADA = 2, CAJA = 4, COLCHON = 8, ARPEGIO_CORCHEAS = 16 };

// Renders bars at `bpm` (4 beats a bar) into a seamless loop of whole
// quarters of a second.
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

// The menu tune: D major, calm, sixteen bars at 80 beats a minute.
std::vector<Compas> TemaMenus()
{
    const std::vector<int> Dmaj7{57, 61, 62, 66}, Bm7{57, 59, 62, 66}, Gmaj7{54, 59, 62, 67}, A{57, 61, 64, 69},
        Asus{57, 62, 64, 69}, Em7{55, 59, 62, 64}, A7{55, 57, 61, 64};
    std::vector<Compas> c = {
        {Dmaj7, 38, {{0, 78, 2}, {2, 81, 1}, {3, 76, 1}}},
        {Bm7, 47, {{0, 74, 3}, {3, 71, 1}}},
        {Gmaj7, 43, {{0, 74, 1.5f}, {1.5f, 76, 0.5f}, {2, 78, 2}}},
        {Asus, 45, {{0, 76, 3}}},
        {Dmaj7, 42, {{0, 81, 2}, {2, 78, 1}, {3, 81, 1}}},
        {Em7, 40, {{0, 83, 2}, {2, 79, 1}, {3, 76, 1}}},
        {Gmaj7, 43, {{0, 78, 1.5f}, {1.5f, 76, 0.5f}, {2, 74, 2}}},
        {A7, 45, {{0, 76, 2}, {2, 73, 2}}},
        {Dmaj7, 38, {{0, 78, 1}, {1, 81, 1}, {2, 86, 2}}},
        {Bm7, 47, {{0, 83, 1.5f}, {1.5f, 81, 0.5f}, {2, 78, 2}}},
        {Gmaj7, 43, {{0, 79, 1}, {1, 78, 1}, {2, 76, 1}, {3, 74, 1}}},
        {A, 45, {{0, 76, 2}, {2, 69, 2}}},
        {Dmaj7, 42, {{0, 78, 2}, {2, 74, 2}}},
        {Em7, 40, {{0, 79, 1.5f}, {1.5f, 78, 0.5f}, {2, 76, 2}}},
        {Gmaj7, 43, {{0, 74, 1}, {1, 76, 1}, {2, 78, 1}, {3, 81, 1}}},
        {A7, 45, {{0, 76, 3}, {3, 73, 1}}},
    };
    return c;
}

// The engine's default music: three short loops built from a progression and
// a melody drawn from its chord tones.
std::vector<Compas> TemaGenerado(const std::vector<std::vector<int>>& acordes, const std::vector<int>& bajos,
                                 uint32_t semilla)
{
    std::vector<Compas> c;
    for (size_t b = 0; b < acordes.size(); ++b) {
        Compas k{acordes[b], bajos[b], {}};
        float t = 0.0f;
        while (t < 4.0f) {
            semilla = semilla * 1103515245u + 12345u;
            uint32_t r = semilla >> 16;
            float d = (r % 4 == 0) ? 2.0f : 1.0f;
            if (t + d > 4.0f) d = 4.0f - t;
            if (r % 5 != 0) k.melodia.push_back({t, acordes[b][(r >> 3) % acordes[b].size()] + 24, d});
            t += d;
        }
        c.push_back(k);
    }
    return c;
}

bool Guarda(bool ok, const fs::path& ruta)
{
    if (!ok) std::fprintf(stderr, "mg_sounds: cannot write %s\n", ruta.string().c_str());
    return ok;
}

bool Sonidos(const fs::path& etapa)
{
    const fs::path quarn = etapa / "QuarnData" / "Audio";
    const fs::path datos = etapa / "Data" / "Audio";
    fs::create_directories(quarn / "Sonido");
    fs::create_directories(quarn / "Musica");
    fs::create_directories(datos / "Sonido");
    fs::create_directories(datos / "Musica");
    bool ok = true;

    { // The default sound of unknown slots: a soft two-note "boop".
        Pista p;
        Campana(p, 0.0, 79, 0.22f, 0.5f, 0.0f);
        Campana(p, 0.09, 74, 0.25f, 0.45f, 0.0f);
        Recorta(p, size_t(0.34 * kTasa));
        Normaliza(p, 0.6f);
        fs::path r = quarn / "Sonido" / "RanuraSonidoNoExiste.wav";
        ok &= Guarda(EscribeWav(r.string(), p, 1), r);
    }
    { // Focus moving to a button: a short, bright tick.
        Pista p;
        Chasquido(p, 0.0, 0.6f, 0.6f);
        Campana(p, 0.004, 93, 0.11f, 0.12f, 0.0f);
        Recorta(p, size_t(0.12 * kTasa));
        Normaliza(p, 0.55f);
        fs::path r = datos / "Sonido" / "SeleccionarBoton.wav";
        ok &= Guarda(EscribeWav(r.string(), p, 1), r);
    }
    { // A button pressed: a rising two-note chime.
        Pista p;
        Chasquido(p, 0.0, 0.35f, 0.3f);
        Campana(p, 0.0, 84, 0.4f, 0.4f, -0.15f);
        Campana(p, 0.075, 91, 0.45f, 0.35f, 0.15f);
        p.Asegura(size_t(0.8 * kTasa));
        Reverbera(p, 0.25f, 0.7f);
        Recorta(p, size_t(0.6 * kTasa));
        Normaliza(p, 0.7f);
        fs::path r = datos / "Sonido" / "PulsarBotonPositivo.wav";
        ok &= Guarda(EscribeWav(r.string(), p, 2), r);
    }
    { // Press start: a sparkling arpeggio over a soft swell.
        Pista p;
        const int arpegio[] = {74, 78, 81, 86, 90};
        for (int i = 0; i < 5; ++i)
            Campana(p, 0.07 * i, float(arpegio[i]), 0.9f, 0.3f, -0.4f + 0.2f * float(i));
        Campana(p, 0.38, 93, 0.8f, 0.12f, 0.5f);
        Campana(p, 0.42, 98, 0.7f, 0.08f, -0.5f);
        Colchon(p, 0.0, 62, 1.2f, 0.05f, -0.2f);
        Colchon(p, 0.0, 66, 1.2f, 0.05f, 0.2f);
        Colchon(p, 0.0, 69, 1.2f, 0.05f, 0.0f);
        p.Asegura(size_t(1.8 * kTasa));
        Reverbera(p, 0.35f, 0.8f);
        Recorta(p, size_t(1.5 * kTasa));
        Normaliza(p, 0.75f);
        fs::path r = datos / "Sonido" / "PressStart.wav";
        ok &= Guarda(EscribeWav(r.string(), p, 2), r);
    }
    {
        Pista p = Compone(TemaMenus(), 80.0f, CAMPANA | PULSADA | COLCHON, 0.3f);
        fs::path r = datos / "Musica" / "Menus.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.4f), r);
    }
    { // The example sequence's chime: three glassy notes falling.
        Pista p;
        Campana(p, 0.0, 88, 0.6f, 0.35f, 0.2f);
        Campana(p, 0.09, 84, 0.6f, 0.3f, -0.2f);
        Campana(p, 0.18, 79, 0.8f, 0.3f, 0.0f);
        p.Asegura(size_t(1.2 * kTasa));
        Reverbera(p, 0.3f, 0.75f);
        Recorta(p, size_t(1.0 * kTasa));
        Normaliza(p, 0.65f);
        fs::path r = datos / "Sonido" / "SecuenciaCampanilla.wav";
        ok &= Guarda(EscribeWav(r.string(), p, 2), r);
    }
    { // Its long sound: a low swell of night air, four seconds.
        Pista p;
        Colchon(p, 0.0, 43, 4.0f, 0.12f, -0.3f);
        Colchon(p, 0.4, 50, 3.4f, 0.08f, 0.3f);
        Colchon(p, 1.2, 55, 2.6f, 0.05f, 0.0f);
        p.Asegura(size_t(4.5 * kTasa));
        Reverbera(p, 0.4f, 0.85f);
        Recorta(p, size_t(4.0 * kTasa));
        Normaliza(p, 0.5f);
        fs::path r = datos / "Musica" / "SecuenciaViento.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.3f), r);
    }
    { // Its music: a short music-box loop in E minor.
        Pista p = Compone(TemaGenerado({{52, 55, 59, 64}, {48, 52, 55, 60}, {50, 54, 57, 62}, {47, 51, 54, 59}},
                                       {40, 36, 38, 35}, 31),
                          72.0f, CAJA | COLCHON, 0.35f);
        fs::path r = datos / "Musica" / "SecuenciaEjemplo.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.3f), r);
    }
    { // Default music A: F major, bells over a pad.
        Pista p = Compone(TemaGenerado({{53, 57, 60, 64}, {55, 60, 64, 67}, {53, 57, 62, 65}, {53, 58, 62, 65}},
                                       {41, 48, 38, 46}, 7),
                          60.0f, CAMPANA | COLCHON, 0.35f);
        fs::path r = quarn / "Musica" / "A.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.3f), r);
    }
    { // B: A minor, plucked strings and music box.
        Pista p = Compone(TemaGenerado({{57, 60, 64, 69}, {57, 60, 65, 69}, {55, 60, 64, 67}, {55, 59, 62, 67}},
                                       {45, 41, 48, 43}, 11),
                          80.0f, PULSADA | CAJA | ARPEGIO_CORCHEAS, 0.3f);
        fs::path r = quarn / "Musica" / "B.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.3f), r);
    }
    { // D: C major, music box over a pad.
        Pista p = Compone(TemaGenerado({{55, 60, 64, 67}, {57, 60, 64, 69}, {57, 60, 65, 69}, {55, 59, 62, 67}},
                                       {36, 45, 41, 43}, 23),
                          60.0f, CAJA | COLCHON, 0.35f);
        fs::path r = quarn / "Musica" / "D.ogg";
        ok &= Guarda(EscribeOgg(r.string(), p, 2, kTasa, 0.3f), r);
    }
    return ok;
}

// Tones of exact lengths for the streamer's tests: one half of the stream
// buffer, three halves, and a mono file at an odd rate.
bool Pruebas(const fs::path& dir)
{
    fs::create_directories(dir);
    bool ok = true;
    ok &= EscribeOggTono((dir / "UnaMitad.ogg").string(), 2, kTasa, kCuarto, 440.0f);
    ok &= EscribeOggTono((dir / "TresMitades.ogg").string(), 2, kTasa, 3 * kCuarto, 440.0f);
    ok &= EscribeOggTono((dir / "MonoImpar.ogg").string(), 1, 22051, 22051, 330.0f);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--pruebas") == 0) return Pruebas(argv[2]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: mg_sounds STAGE | mg_sounds --pruebas DIR\n");
        return 2;
    }
    return Sonidos(argv[1]) ? 0 : 1;
}
