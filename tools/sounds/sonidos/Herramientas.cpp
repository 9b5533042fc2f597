// The characters' voices: wordless babble from one table, a timbre per
// character (pitch, the size of its voice, breath, pace, tremble) and a
// contour per mood (syllables, the pitch they run through, strength); and
// the fanfares of play, short bright flourishes played once.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sintesis {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Timbre {
    float f0;        // speaking pitch, Hz
    float formantes; // vowel formants scaled by the voice's size
    float aire;      // breath mixed into the voice
    float silabas;   // syllables a second
    float temblor;   // vibrato depth, semitones
};

struct Contorno {
    int silabas;
    float tono0, tono1; // pitch ratio at the start and the end
    float arco;         // a bow over the middle (ratio added at the middle)
    float fuerza;       // loudness
    float lento;        // syllables last this much longer
    bool rebote;        // every other syllable leaps
};

// Moods: greeting, sadness, neutral, joy, victory, defeat, euphoria.
constexpr std::array<Contorno, 7> kContornos = {{
    {3, 1.00f, 1.05f, 0.25f, 0.8f, 1.0f, false},
    {3, 1.00f, 0.74f, 0.02f, 0.5f, 1.7f, false},
    {2, 1.00f, 0.95f, 0.04f, 0.6f, 1.0f, false},
    {3, 1.05f, 1.30f, 0.10f, 0.8f, 0.85f, false},
    {4, 1.00f, 1.50f, 0.20f, 1.0f, 1.0f, false},
    {2, 0.96f, 0.64f, 0.00f, 0.6f, 1.9f, false},
    {5, 1.20f, 1.45f, 0.10f, 1.0f, 0.7f, true},
}};

struct FilaVoz {
    std::array<const char*, 7> muestras;
    Timbre timbre;
};

// In character-number order.
const std::array<FilaVoz, 11> kVoces = {{
    {{juego::muestra::MAIDA_SALUDO, juego::muestra::MAIDA_TRISTEZA, juego::muestra::MAIDA_NEUTRO, juego::muestra::MAIDA_ALEGRIA, juego::muestra::MAIDA_VICTORIA, juego::muestra::MAIDA_DERROTA, juego::muestra::MAIDA_EUFORIA}, {290.0f, 1.15f, 0.05f, 6.5f, 0.00f}},
    {{juego::muestra::ADELETIA_SALUDO, juego::muestra::ADELETIA_TRISTEZA, juego::muestra::ADELETIA_NEUTRO, juego::muestra::ADELETIA_ALEGRIA, juego::muestra::ADELETIA_VICTORIA, juego::muestra::ADELETIA_DERROTA, juego::muestra::ADELETIA_EUFORIA}, {220.0f, 1.05f, 0.04f, 5.0f, 0.00f}},
    {{juego::muestra::FRANZ_SALUDO, juego::muestra::FRANZ_TRISTEZA, juego::muestra::FRANZ_NEUTRO, juego::muestra::FRANZ_ALEGRIA, juego::muestra::FRANZ_VICTORIA, juego::muestra::FRANZ_DERROTA, juego::muestra::FRANZ_EUFORIA}, {245.0f, 1.10f, 0.05f, 6.0f, 0.00f}},
    {{juego::muestra::ALDUNIA_SALUDO, juego::muestra::ALDUNIA_TRISTEZA, juego::muestra::ALDUNIA_NEUTRO, juego::muestra::ALDUNIA_ALEGRIA, juego::muestra::ALDUNIA_VICTORIA, juego::muestra::ALDUNIA_DERROTA, juego::muestra::ALDUNIA_EUFORIA}, {195.0f, 1.00f, 0.14f, 4.2f, 0.35f}},
    {{juego::muestra::ASESINO_SALUDO, juego::muestra::ASESINO_TRISTEZA, juego::muestra::ASESINO_NEUTRO, juego::muestra::ASESINO_ALEGRIA, juego::muestra::ASESINO_VICTORIA, juego::muestra::ASESINO_DERROTA, juego::muestra::ASESINO_EUFORIA}, {100.0f, 0.82f, 0.22f, 5.2f, 0.00f}},
    {{juego::muestra::ALFATIMA_SALUDO, juego::muestra::ALFATIMA_TRISTEZA, juego::muestra::ALFATIMA_NEUTRO, juego::muestra::ALFATIMA_ALEGRIA, juego::muestra::ALFATIMA_VICTORIA, juego::muestra::ALFATIMA_DERROTA, juego::muestra::ALFATIMA_EUFORIA}, {205.0f, 1.00f, 0.06f, 6.8f, 0.10f}},
    {{juego::muestra::IRINA_SALUDO, juego::muestra::IRINA_TRISTEZA, juego::muestra::IRINA_NEUTRO, juego::muestra::IRINA_ALEGRIA, juego::muestra::IRINA_VICTORIA, juego::muestra::IRINA_DERROTA, juego::muestra::IRINA_EUFORIA}, {230.0f, 1.06f, 0.05f, 5.4f, 0.00f}},
    {{juego::muestra::STOKINNEN_SALUDO, juego::muestra::STOKINNEN_TRISTEZA, juego::muestra::STOKINNEN_NEUTRO, juego::muestra::STOKINNEN_ALEGRIA, juego::muestra::STOKINNEN_VICTORIA, juego::muestra::STOKINNEN_DERROTA, juego::muestra::STOKINNEN_EUFORIA}, {112.0f, 0.90f, 0.10f, 4.6f, 0.30f}},
    {{juego::muestra::TERESIA_SALUDO, juego::muestra::TERESIA_TRISTEZA, juego::muestra::TERESIA_NEUTRO, juego::muestra::TERESIA_ALEGRIA, juego::muestra::TERESIA_VICTORIA, juego::muestra::TERESIA_DERROTA, juego::muestra::TERESIA_EUFORIA}, {250.0f, 1.04f, 0.08f, 5.2f, 0.00f}},
    {{juego::muestra::SOLDADO_SALUDO, juego::muestra::SOLDADO_TRISTEZA, juego::muestra::SOLDADO_NEUTRO, juego::muestra::SOLDADO_ALEGRIA, juego::muestra::SOLDADO_VICTORIA, juego::muestra::SOLDADO_DERROTA, juego::muestra::SOLDADO_EUFORIA}, {125.0f, 0.88f, 0.08f, 5.8f, 0.00f}},
    {{juego::muestra::TERESIAVIVA_SALUDO, juego::muestra::TERESIAVIVA_TRISTEZA, juego::muestra::TERESIAVIVA_NEUTRO, juego::muestra::TERESIAVIVA_ALEGRIA, juego::muestra::TERESIAVIVA_VICTORIA, juego::muestra::TERESIAVIVA_DERROTA, juego::muestra::TERESIAVIVA_EUFORIA}, {265.0f, 1.10f, 0.04f, 6.0f, 0.00f}},
}};

// Vowel formants (Hz): a, e, i, o, u.
constexpr float kVocales[5][2] = {{800, 1250}, {500, 1900}, {320, 2300}, {520, 950}, {360, 820}};

// A two-pole resonator.
struct Resonador {
    float b1 = 0, b2 = 0, a0 = 0, y1 = 0, y2 = 0;
    void Pon(float f, float ancho)
    {
        const float r = std::exp(-float(kPi) * ancho / kTasa);
        b1 = -2.0f * r * std::cos(2.0f * float(kPi) * f / kTasa);
        b2 = r * r;
        a0 = 1.0f - r;
    }
    float Paso(float x)
    {
        const float y = a0 * x - b1 * y1 - b2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

uint32_t g_azar = 1;
float Azar()
{
    g_azar = g_azar * 1664525u + 1013904223u;
    return float(g_azar >> 8) / float(1u << 24);
}

Pista Voz(int personaje, int animo)
{
    const Timbre& t = kVoces[size_t(personaje)].timbre;
    const Contorno& c = kContornos[size_t(animo)];
    g_azar = 977u * uint32_t(personaje + 1) + 131u * uint32_t(animo + 1);
    const float silaba = c.lento / t.silabas;
    const float hueco = 0.05f * c.lento;
    Pista p;
    p.Asegura(size_t((float(c.silabas) * (silaba + hueco) + 0.35f) * kTasa));
    Resonador f1, f2, f3;
    double fase = 0.0;
    float prev = 0.0f;
    size_t i0 = size_t(0.02f * kTasa);
    for (int s = 0; s < c.silabas; ++s) {
        const float largo = silaba * (s == c.silabas - 1 ? 1.35f : 0.8f + 0.4f * Azar());
        const int v = int(Azar() * 5.0f) % 5;
        f1.Pon(kVocales[v][0] * t.formantes, 90.0f);
        f2.Pon(kVocales[v][1] * t.formantes, 140.0f);
        f3.Pon(2800.0f * t.formantes, 220.0f);
        const size_t n = size_t(largo * kTasa);
        for (size_t k = 0; k < n && i0 + k < p.Cuadros(); ++k) {
            const float x = (float(s) + float(k) / float(n)) / float(c.silabas); // 0..1 over the utterance
            float r = c.tono0 + (c.tono1 - c.tono0) * x + c.arco * std::sin(float(kPi) * x);
            if (c.rebote && s % 2) r *= 1.12f;
            const float vib = t.temblor * std::sin(2.0f * float(kPi) * 5.5f * float(k) / kTasa);
            const double hz = double(t.f0 * r) * std::pow(2.0, double(vib) / 12.0);
            fase += hz / kTasa;
            fase -= std::floor(fase);
            // a soft glottal pulse: a sawtooth rounded by a one-pole filter
            const float saw = float(2.0 * fase - 1.0);
            prev += 0.35f * (saw - prev);
            const float fuente = prev * (1.0f - t.aire) + (Azar() * 2.0f - 1.0f) * t.aire;
            const float y = f1.Paso(fuente) + 0.6f * f2.Paso(fuente) + 0.25f * f3.Paso(fuente);
            const float ta = float(k) / kTasa, tr = float(n - k) / kTasa;
            const float env = std::min({1.0f, ta / 0.018f, tr / 0.045f});
            const float v2 = y * env * c.fuerza;
            p.m[2 * (i0 + k)] += v2;
            p.m[2 * (i0 + k) + 1] += v2;
        }
        i0 += n + size_t(hueco * kTasa * (0.6f + 0.8f * Azar()));
    }
    Recorta(p, std::min(p.Cuadros(), i0 + size_t(0.1f * kTasa)));
    Normaliza(p, 0.35f + 0.3f * c.fuerza);
    return p;
}

// ---- fanfares ----

struct Fanfarria {
    const char* pieza;
    std::vector<std::vector<int>> acordes; // one chord per beat of the flourish
    float pulso;                           // seconds a beat
    bool menor;                            // a falling, darker close
};

Pista Toca(const Fanfarria& f)
{
    Pista p;
    double t = 0.0;
    for (size_t b = 0; b < f.acordes.size(); ++b) {
        const std::vector<int>& a = f.acordes[b];
        const bool ultimo = b + 1 == f.acordes.size();
        // a quick arpeggio up the chord, then the chord rings
        for (size_t k = 0; k < a.size(); ++k)
            Campana(p, t + 0.055 * double(k), float(a[k] + 12), ultimo ? 1.8f : 0.7f, 0.32f,
                    -0.4f + 0.8f * float(k) / float(std::max<size_t>(1, a.size() - 1)));
        for (size_t k = 0; k < a.size(); ++k)
            Colchon(p, t, float(a[k]), f.pulso * (ultimo ? 3.0f : 1.1f), ultimo ? 0.09f : 0.06f, k % 2 ? 0.3f : -0.3f);
        Bajo(p, t, float(a[0] - 12), f.pulso * (ultimo ? 2.5f : 1.0f), 0.2f);
        if (ultimo && !f.menor) Campana(p, t + 0.25, float(a.back() + 24), 1.4f, 0.18f, 0.0f);
        t += f.pulso;
    }
    const double largo = t + f.pulso * 2.2;
    const size_t cuartos = size_t(std::ceil(largo * kTasa / double(kCuarto)));
    p.Asegura(cuartos * kCuarto + kTasa);
    Reverbera(p, 0.3f, 0.75f);
    Recorta(p, cuartos * kCuarto);
    // a short fade at the very end, so that no click closes it
    const size_t n = p.Cuadros(), cola = kTasa / 20;
    for (size_t i = 0; i < cola && i < n; ++i) {
        const float g = float(i) / float(cola);
        p.m[2 * (n - 1 - i)] *= g;
        p.m[2 * (n - 1 - i) + 1] *= g;
    }
    Normaliza(p, 0.8f);
    return p;
}

const std::array<Fanfarria, 7> kFanfarrias = {{
    {juego::pieza::FANFARRIA_COMPLETA_SELLO, {{60, 64, 67}, {65, 69, 72}, {67, 71, 74}, {72, 76, 79}}, 0.22f, false},
    {juego::pieza::FANFARRIA_SELLO_COMPLETADO, {{60, 64, 67}, {67, 71, 74}, {72, 76, 79, 84}}, 0.3f, false},
    {juego::pieza::FANFARRIA_CONCENTRA_ENERGIA, {{57, 60, 64}, {62, 65, 69}, {64, 67, 71}, {69, 72, 76}}, 0.24f, false},
    {juego::pieza::FANFARRIA_ENERGIA_CONCENTRADA, {{62, 66, 69}, {64, 67, 71}, {69, 73, 76, 81}}, 0.26f, false},
    {juego::pieza::FANFARRIA_DERROTA, {{64, 67, 71}, {62, 65, 69}, {57, 60, 64}, {52, 55, 59}}, 0.4f, true},
    {juego::pieza::FANFARRIA_VICTORIA_CAPITULO,
     {{60, 64, 67}, {65, 69, 72}, {62, 65, 69}, {67, 71, 74}, {64, 67, 72}, {72, 76, 79, 84}},
     0.3f,
     false},
    {juego::pieza::FANFARRIA_VICTORIA_EPISODIO, {{60, 64, 67}, {65, 69, 72}, {67, 71, 74}, {72, 76, 79, 84}}, 0.28f,
     false},
}};

struct Registros {
    Registros()
    {
        for (size_t c = 0; c < kVoces.size(); ++c)
            for (size_t a = 0; a < 7; ++a)
                RegistroMuestra(kVoces[c].muestras[a], 1, [c, a] { return Voz(int(c), int(a)); });
        for (const Fanfarria& f : kFanfarrias) RegistroPieza(f.pieza, 0.4f, [&f] { return Toca(f); });
    }
};
Registros g_registros;

} // namespace
} // namespace sintesis
