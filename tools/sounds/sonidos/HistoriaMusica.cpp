// The story tunes, played by the scenes on their own channel: calm,
// unease, danger, grief and triumph. Each is a seamless loop of over a
// minute in sections (a tune, its answer, a turn, the tune again in other
// voices) over a pad, a bass and a plucked or chimed accompaniment, as the
// level tunes are; the loop's length is a whole number of quarters of a
// second, its seam falls on a bar line, and every tail folds back onto the
// start.
//
// Melodies are written as "NOTE:beats" words ("F#5:1.5", "r:1" a rest) and
// chords as "SYMBOL:beats" words ("Am7:4", "D/F#:2", "F#m7b5:4").
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

namespace sintesis {
namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- notation ----

int Clase(char letra)
{
    switch (letra) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return 0;
    }
}

// "F#5" -> 78; also reads the accidental of a chord's root ("Bb" -> 10).
int Tono(const std::string& s, size_t* usados = nullptr)
{
    size_t i = 0;
    int pc = Clase(s[i++]);
    if (i < s.size() && s[i] == '#') ++pc, ++i;
    else if (i < s.size() && s[i] == 'b') --pc, ++i;
    int octava = -1;
    if (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) octava = s[i++] - '0';
    if (usados) *usados = i;
    return octava < 0 ? (pc + 12) % 12 : 12 * (octava + 1) + pc;
}

struct Sonada {
    double tiempo, dur; // beats from the start of the piece
    int tono;           // MIDI
};

// A melody from `desde` beats on.
std::vector<Sonada> Melodia(const std::string& texto, double desde = 0.0)
{
    std::vector<Sonada> v;
    std::istringstream in(texto);
    std::string w;
    double t = desde;
    while (in >> w) {
        if (w == "|") continue;
        const size_t dos = w.find(':');
        const double dur = std::stod(w.substr(dos + 1));
        if (w[0] != 'r') v.push_back({t, dur, Tono(w.substr(0, dos))});
        t += dur;
    }
    return v;
}

struct Acorde {
    double tiempo, dur;
    std::vector<int> notas; // the pad's voicing, around middle C
    int bajo;               // the bass note, in the second octave
};

std::vector<Acorde> Acordes(const std::string& texto)
{
    std::vector<Acorde> v;
    std::istringstream in(texto);
    std::string w;
    double t = 0;
    while (in >> w) {
        if (w == "|") continue;
        const size_t dos = w.find(':');
        const double dur = std::stod(w.substr(dos + 1));
        std::string simbolo = w.substr(0, dos), barra;
        if (const size_t b = simbolo.find('/'); b != std::string::npos) {
            barra = simbolo.substr(b + 1);
            simbolo.resize(b);
        }
        size_t usados = 0;
        const int raiz = Tono(simbolo, &usados);
        const std::string q = simbolo.substr(usados);
        std::vector<int> iv{0, 4, 7};
        if (q == "m") iv = {0, 3, 7};
        else if (q == "7") iv = {0, 4, 7, 10};
        else if (q == "m7") iv = {0, 3, 7, 10};
        else if (q == "maj7") iv = {0, 4, 7, 11};
        else if (q == "m7b5") iv = {0, 3, 6, 10};
        else if (q == "dim") iv = {0, 3, 6, 9};
        else if (q == "sus4") iv = {0, 5, 7};
        else if (q == "add9") iv = {0, 4, 7, 14};
        else if (q == "mmaj7") iv = {0, 3, 7, 11};
        // The root placed from G3 up to F#4; the pad a closed voicing on it.
        const int r = 55 + (raiz - 7 + 12) % 12;
        Acorde a{t, dur, {}, 0};
        for (int i : iv) a.notas.push_back(r + i);
        if (iv.size() == 3) a.notas.push_back(r + 12);
        const int b = barra.empty() ? raiz : Tono(barra);
        a.bajo = 36 + (b % 12 + 12) % 12; // C2..B2
        if (a.bajo > 43) a.bajo -= 12;    // nothing above G2
        v.push_back(a);
        t += dur;
    }
    return v;
}

// ---- instruments of their own (the shared ones are in Sintesis.h) ----

struct Azar {
    uint32_t s;
    explicit Azar(uint32_t semilla) : s(semilla * 2654435761u + 7u) {}
    float operator()()
    {
        s = s * 1664525u + 1013904223u;
        return float(s >> 8) / float(1u << 24) * 2.0f - 1.0f;
    }
};

void Pon(Pista& p, size_t i, float v, float pan)
{
    const double a = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
    p.m[2 * i] += v * float(std::cos(a));
    p.m[2 * i + 1] += v * float(std::sin(a));
}

// A wooden flute: a soft, nearly pure tone that swells in, with a breath
// of air and a vibrato that arrives late.
void Flauta(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    const double f = Frecuencia(midi);
    const size_t i0 = size_t(t * kTasa), n = size_t((dur + 0.12) * kTasa);
    p.Asegura(i0 + n + 1);
    Azar azar(uint32_t(midi * 131 + t * 977));
    double fase = 0;
    float aire = 0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        const double vib = 1.0 + 0.005 * std::sin(2 * kPi * 5.2 * s) * std::clamp((s - 0.25) * 3.0, 0.0, 1.0);
        fase += 2 * kPi * f * vib / kTasa;
        aire += (azar() - aire) * 0.04f;
        const double ataque = std::min(1.0, s / 0.07), fin = std::clamp((dur + 0.12 - s) / 0.15, 0.0, 1.0);
        const double cuerpo = 0.85 + 0.15 * std::exp(-s * 2.0);
        // The breath is strongest as the note speaks, then a whisper under it.
        const double soplo = 0.5 * std::exp(-s / 0.05) + 0.12;
        const double v = std::sin(fase) + 0.18 * std::sin(2 * fase) + 0.06 * std::sin(3 * fase) + soplo * aire;
        Pon(p, i0 + j, float(vol * ataque * fin * cuerpo * v), pan);
    }
}

// Bowed strings: three slightly detuned bright voices that swell in and
// fade away, with a gentle vibrato.
void Cuerdas(Pista& p, double t, float midi, float dur, float vol, float pan, float ataque = 0.18f)
{
    const double f = Frecuencia(midi);
    const float liberar = 0.35f;
    const size_t i0 = size_t(t * kTasa), n = size_t((dur + liberar) * kTasa);
    p.Asegura(i0 + n + 1);
    const double desafinado[] = {-0.0035, 0.0, 0.004};
    int armonicos = 1;
    while (armonicos < 9 && f * (armonicos + 1) < 9000) ++armonicos;
    for (int v = 0; v < 3; ++v) {
        std::vector<double> fases(size_t(armonicos), double(v) * 1.3);
        const float pv = pan + 0.3f * float(v - 1);
        for (size_t j = 0; j < n; ++j) {
            const double s = double(j) / kTasa;
            const double vib = 1.0 + desafinado[v] + 0.003 * std::sin(2 * kPi * (4.8 + v * 0.4) * s);
            const double e = std::min(1.0, s / ataque) * std::clamp((dur + liberar - s) / liberar, 0.0, 1.0);
            double x = 0;
            for (int k = 1; k <= armonicos; ++k) {
                double& fa = fases[size_t(k - 1)];
                fa += 2 * kPi * f * k * vib / kTasa;
                x += std::sin(fa) / (k * (1.0 + 0.15 * k));
            }
            Pon(p, i0 + j, float(vol * e * x / 3.0), pv);
        }
    }
}

// A kettle drum: the modes of a stretched skin, the strike's thud.
void Timbal(Pista& p, double t, float midi, float vol)
{
    const double f = Frecuencia(midi);
    const size_t i0 = size_t(t * kTasa), n = size_t(1.6 * kTasa);
    p.Asegura(i0 + n + 1);
    const double modos[][2] = {{1.0, 1.0}, {1.5, 0.5}, {1.98, 0.3}, {2.44, 0.15}};
    Azar azar(uint32_t(midi * 7 + t * 31));
    float ruido = 0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        double x = 0;
        for (const auto& m : modos) x += m[1] * std::sin(2 * kPi * f * m[0] * s) * std::exp(-s * (1.8 + 2.0 * m[0]));
        ruido += (azar() - ruido) * 0.2f;
        x += 0.5 * ruido * std::exp(-s / 0.012);
        Pon(p, i0 + j, float(vol * std::min(1.0, s / 0.002) * x), 0.0f);
    }
}

// A low drum, short and dry; and a snare's rattle.
void Tambor(Pista& p, double t, float vol, float pan)
{
    const size_t i0 = size_t(t * kTasa), n = size_t(0.35 * kTasa);
    p.Asegura(i0 + n + 1);
    Azar azar(uint32_t(t * 1013));
    double fase = 0;
    float ruido = 0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        fase += 2 * kPi * (62 + 50 * std::exp(-s / 0.03)) / kTasa;
        ruido += (azar() - ruido) * 0.3f;
        const double x = std::sin(fase) * std::exp(-s / 0.12) + 0.4 * ruido * std::exp(-s / 0.015);
        Pon(p, i0 + j, float(vol * std::min(1.0, s / 0.001) * x), pan);
    }
}

void Redoble(Pista& p, double t, float vol, float pan)
{
    const size_t i0 = size_t(t * kTasa), n = size_t(0.2 * kTasa);
    p.Asegura(i0 + n + 1);
    Azar azar(uint32_t(t * 733 + 5));
    float lento = 0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        const float r = azar();
        lento += (r - lento) * 0.1f;
        const double x = (r - lento) * std::exp(-s / 0.06) + 0.5 * std::sin(2 * kPi * 190 * s) * std::exp(-s / 0.03);
        Pon(p, i0 + j, float(vol * x), pan);
    }
}

// A closed hi-hat: a hiss of high noise, gone in a few tens of milliseconds.
void Platillo(Pista& p, double t, float vol, float pan, double caida = 0.035)
{
    const size_t i0 = size_t(t * kTasa), n = size_t(caida * 6 * kTasa);
    p.Asegura(i0 + n + 1);
    Azar azar(uint32_t(t * 4099 + 11));
    float previo = 0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        const float r = azar();
        const float alto = r - previo; // the top of the noise only
        previo = r;
        Pon(p, i0 + j, float(vol * 0.5 * alto * std::exp(-s / caida)), pan);
    }
}

// ---- the arranger ----

enum Voz { V_CAJA, V_CAMPANA, V_PULSADA, V_FLAUTA, V_CUERDAS };

class Arreglo {
public:
    Arreglo(float bpm, int compases) : m_pulso(60.0 / bpm), m_compases(compases) {}

    double Segundos(double pulsos) const { return pulsos * m_pulso; }

    // A melody in one voice, `transporta` semitones away.
    void Linea(const std::vector<Sonada>& notas, Voz voz, float volumen, float pan, int transporta = 0, double retraso = 0)
    {
        for (const Sonada& n : notas) {
            const double t = Segundos(n.tiempo + retraso);
            const float tono = float(n.tono + transporta);
            const float d = float(Segundos(n.dur));
            // The bar's first beat leans, its off-beats are lighter.
            const double enCompas = std::fmod(n.tiempo, 4.0), enPulso = std::fmod(n.tiempo, 1.0);
            const float vol = volumen * (enCompas < 1e-6 ? 1.1f : enPulso > 1e-6 ? 0.85f : 0.95f);
            switch (voz) {
            case V_CAJA: Caja(m_p, t, tono, std::max(d, 0.6f) + 1.0f, vol, pan); break;
            case V_CAMPANA: Campana(m_p, t, tono, std::max(d, 0.6f) + 1.0f, vol, pan); break;
            case V_PULSADA: Pulsada(m_p, t, tono, d * 1.6f + 0.2f, vol, pan); break;
            case V_FLAUTA: Flauta(m_p, t, tono, d * 0.97f, vol, pan); break;
            case V_CUERDAS: Cuerdas(m_p, t, tono, d, vol, pan); break;
            }
        }
    }

    // The chords held by the pad (Colchon) or by the strings.
    void Colchones(const std::vector<Acorde>& a, float vol, bool cuerdas = false)
    {
        for (const Acorde& c : a)
            for (size_t k = 0; k < c.notas.size(); ++k) {
                const float pan = k % 2 ? 0.35f : -0.35f;
                if (cuerdas)
                    Cuerdas(m_p, Segundos(c.tiempo), float(c.notas[k]), float(Segundos(c.dur)), vol, pan, 0.4f);
                else
                    Colchon(m_p, Segundos(c.tiempo), float(c.notas[k]), float(Segundos(c.dur)) + 0.6f, vol, pan);
            }
    }

    // The bass: `golpes` (beats within each chord) on the root, every other
    // one on the fifth when `quinta`.
    void Bajos(const std::vector<Acorde>& a, const std::vector<double>& golpes, float vol, bool quinta = false)
    {
        for (const Acorde& c : a)
            for (size_t g = 0; g < golpes.size(); ++g) {
                if (golpes[g] >= c.dur) continue;
                const double fin = g + 1 < golpes.size() ? std::min(golpes[g + 1], c.dur) : c.dur;
                const int tono = c.bajo + (quinta && g % 2 ? 7 : 0);
                Bajo(m_p, Segundos(c.tiempo + golpes[g]), float(tono), float(Segundos(fin - golpes[g])),
                     vol * (g == 0 ? 1.0f : 0.75f));
            }
    }

    // The chord's tones broken in a figure (indices into the chord, -1 a
    // rest) every `paso` beats, `octava` semitones up.
    void Arpegio(const std::vector<Acorde>& a, const std::vector<int>& figura, double paso, Voz voz, float vol, int octava)
    {
        for (const Acorde& c : a) {
            int k = 0;
            for (double b = 0; b < c.dur - 1e-6; b += paso, ++k) {
                const int f = figura[size_t(k) % figura.size()];
                if (f < 0) continue;
                const float tono = float(c.notas[size_t(f) % c.notas.size()] + octava);
                const double t = Segundos(c.tiempo + b);
                const float pan = k % 2 ? 0.4f : -0.4f;
                const float d = float(Segundos(paso));
                if (voz == V_PULSADA) Pulsada(m_p, t, tono, d * 2.0f + 0.3f, vol, pan);
                else if (voz == V_CAJA) Caja(m_p, t, tono, d * 2.0f + 0.4f, vol, pan);
                else if (voz == V_CAMPANA) Campana(m_p, t, tono, d * 2.0f + 0.4f, vol, pan);
            }
        }
    }

    Pista& P() { return m_p; }

    // The loop: the room, every tail folded onto the start, the level.
    Pista Cierra(float reverb)
    {
        const size_t largo = size_t(Segundos(4.0 * m_compases) * kTasa + 0.5);
        const size_t cuartos = (largo + kCuarto / 2) / kCuarto;
        m_p.Asegura(cuartos * kCuarto + kTasa * 4);
        Reverbera(m_p, reverb, 0.84f);
        CierraBucle(m_p, cuartos * kCuarto);
        Normaliza(m_p, 0.72f);
        return std::move(m_p);
    }

private:
    double m_pulso;
    int m_compases;
    Pista m_p;
};

// The chords from a bar on (each piece's chords are written a section at
// a time).
std::vector<Acorde> Desde(std::vector<Acorde> a, double compas)
{
    for (Acorde& c : a) c.tiempo += 4.0 * compas;
    return a;
}

// ---- calm: G major, 80 bpm, 24 bars of 3 s (72 s) ----
// A music-box tune over a plucked accompaniment; the flute takes it up with
// bells answering; a turn to E minor brings it home.
RegistroPieza g_calma(juego::pieza::HISTORIA_CALMA, 0.35f, [] {
    Arreglo a(80.0f, 24);
    const auto A = Acordes("G:4 D/F#:4 Em:4 C:4 G:4 Em:4 Am7:4 D7:4");
    const auto A2 = Acordes("G:4 D/F#:4 Em:4 C:4 G:4 Em:4 Am7:2 D7:2 G:4");
    const auto B = Acordes("Em:4 Bm:4 C:4 G:4 Am:4 Em/G:4 C:4 D7:4");
    const std::string tema = "B4:1.5 C5:.5 D5:1 G5:1 | F#5:1.5 E5:.5 D5:2 | E5:1 G5:1 B5:1 A5:1 | G5:1.5 E5:.5 C5:2 |"
                             " B4:1 D5:1 G5:1 A5:1 | B5:1.5 A5:.5 G5:1 E5:1 |";
    const auto m1 = Melodia(tema + " C5:1 E5:1 A5:1 G5:1 | F#5:2 A5:1 F#5:1", 0);
    const auto m2 = Melodia(tema + " C5:1 E5:1 D5:1 C5:1 | B4:2 A4:1 G4:1", 32);
    const auto m3 = Melodia("G5:2 F#5:1 E5:1 | D5:2 F#5:2 | E5:1.5 D5:.5 C5:1 E5:1 | D5:3 B4:1 |"
                            " C5:1 E5:1 A5:1.5 G5:.5 | G5:1 E5:1 B4:2 | C5:1 D5:1 E5:1 G5:1 | F#5:1.5 E5:.5 D5:2",
                            64);
    const auto respuestas = Melodia("r:12 G5:2 E5:2 r:12 D5:2 B4:2", 32);
    std::vector<Acorde> todos = A;
    for (const auto& c : Desde(A2, 8)) todos.push_back(c);
    for (const auto& c : Desde(B, 16)) todos.push_back(c);
    a.Colchones(todos, 0.045f);
    a.Bajos(todos, {0, 2}, 0.2f, true);
    a.Arpegio(A, {0, 2, 1, 2}, 1.0, V_PULSADA, 0.11f, 12);
    a.Arpegio(Desde(A2, 8), {0, 1, 2, 3, 2, 1, 2, 3}, 0.5, V_PULSADA, 0.08f, 12);
    a.Arpegio(Desde(B, 16), {0, 2, 1, 3}, 1.0, V_CAJA, 0.05f, 24);
    a.Linea(m1, V_CAJA, 0.22f, 0.1f);
    a.Linea(m2, V_FLAUTA, 0.16f, -0.1f, -12);
    a.Linea(respuestas, V_CAMPANA, 0.12f, 0.4f, 12);
    a.Linea(m3, V_FLAUTA, 0.15f, 0.0f);
    a.Linea(m3, V_CAJA, 0.06f, 0.3f, 12);
    return a.Cierra(0.35f);
});

// ---- unease: A minor, 72 bpm, 24 bars (80 s) ----
// A bass sinking by semitones under a music box that leaves gaps; a low
// flute over a Neapolitan turn; the first tune again in bells over a
// heartbeat of soft drums.
RegistroPieza g_inquietud(juego::pieza::HISTORIA_INQUIETUD, 0.35f, [] {
    Arreglo a(72.0f, 24);
    const auto A = Acordes("Am:4 Am/G#:4 Am7/G:4 F#m7b5:4 F:4 E7:4 Am:4 E7:4");
    const auto B = Acordes("Dm:4 Dm/C:4 Bb:4 E7:4 Am:4 F:4 Bb:4 E7:4");
    const std::string tema = "r:1 E5:1 A5:1 B5:1 | C6:2 B5:1 G#5:1 | A5:2 r:1 E5:1 | F#5:1.5 A5:.5 C6:1 D#5:1 |"
                             " C6:1 A5:1 F5:1 E5:1 | D5:2 G#4:2 | A4:1 C5:1 E5:1 D#5:1 | E5:3 r:1";
    const auto m1 = Melodia(tema, 0);
    const auto m2 = Melodia("F4:2 E4:1 D4:1 | A4:2 G#4:1 A4:1 | Bb4:2 A4:1 F4:1 | G#4:3 r:1 |"
                            " C5:2 B4:1 A4:1 | A4:2 C5:1 F5:1 | E5:1 D5:1 Bb4:2 | B4:2 G#4:2",
                            32);
    const auto m3 = Melodia(tema, 64);
    std::vector<Acorde> todos = A;
    for (const auto& c : Desde(B, 8)) todos.push_back(c);
    for (const auto& c : Desde(A, 16)) todos.push_back(c);
    a.Colchones(todos, 0.05f);
    a.Bajos(todos, {0}, 0.22f);
    a.Arpegio(A, {0, -1, 2, -1, 1, -1, 3, -1}, 0.5, V_PULSADA, 0.07f, 12);
    a.Arpegio(Desde(B, 8), {0, 2, 1, 2, 0, 3, 1, 2}, 0.5, V_PULSADA, 0.06f, 0);
    a.Arpegio(Desde(A, 16), {0, 2, 1, 3}, 0.5, V_PULSADA, 0.06f, 12);
    a.Linea(m1, V_CAJA, 0.2f, 0.2f);
    a.Linea(m2, V_FLAUTA, 0.18f, -0.15f);
    a.Linea(m3, V_CAMPANA, 0.13f, 0.15f);
    a.Linea(m3, V_CAJA, 0.05f, -0.3f, 12, 0.5);
    // A heartbeat under the last section.
    for (int c = 16; c < 24; ++c) {
        Tambor(a.P(), a.Segundos(4.0 * c), 0.16f, 0.0f);
        Tambor(a.P(), a.Segundos(4.0 * c + 0.6), 0.1f, 0.0f);
    }
    return a.Cierra(0.4f);
});

// ---- danger: D minor, 120 bpm, 32 bars of 2 s (64 s) ----
// A driving ostinato of plucked eighths and drums; bells and flute over it,
// then the strings in long notes, then the tune broken and urgent.
RegistroPieza g_peligro(juego::pieza::HISTORIA_PELIGRO, 0.35f, [] {
    Arreglo a(120.0f, 32);
    const auto A = Acordes("Dm:4 Dm:4 Bb:4 A:4 Dm:4 Dm:4 Gm:4 A7:4");
    const auto B = Acordes("Gm:4 Gm:4 Dm:4 Dm:4 Eb:4 Eb:4 A:4 A7:4");
    const auto B2 = Acordes("Gm:4 Gm:4 Dm:4 Bb:4 Gm:4 A:4 A:4 A7:4");
    std::vector<Acorde> todos = A;
    for (const auto& c : Desde(A, 8)) todos.push_back(c);
    for (const auto& c : Desde(B, 16)) todos.push_back(c);
    for (const auto& c : Desde(B2, 24)) todos.push_back(c);
    a.Colchones(todos, 0.035f);
    // The ostinato: the bass's root in eighths, an octave jump on the off-beats.
    for (const Acorde& c : todos)
        for (int k = 0; k < 8; ++k) {
            const int tono = c.bajo + (k % 4 == 2 ? 12 : 0) + 12;
            Pulsada(a.P(), a.Segundos(c.tiempo + 0.5 * k), float(tono), float(a.Segundos(0.45)), k % 2 ? 0.11f : 0.15f,
                    k % 2 ? 0.2f : -0.2f);
        }
    a.Bajos(todos, {0, 1.5, 2.5}, 0.2f);
    for (const Acorde& c : todos) {
        Tambor(a.P(), a.Segundos(c.tiempo), 0.35f, 0.0f);
        Tambor(a.P(), a.Segundos(c.tiempo + 1.5), 0.22f, 0.0f);
        Tambor(a.P(), a.Segundos(c.tiempo + 2.5), 0.28f, 0.0f);
        for (int k = 0; k < 8; ++k) Platillo(a.P(), a.Segundos(c.tiempo + 0.5 * k), k % 2 ? 0.1f : 0.16f, 0.35f);
        if (c.tiempo >= 64) Redoble(a.P(), a.Segundos(c.tiempo + 3), 0.16f, 0.2f);
    }
    const auto m1 = Melodia("D5:1.5 E5:.5 F5:1 A5:1 | G5:1 F5:1 E5:2 | D5:1.5 E5:.5 F5:1 Bb5:1 | A5:3 r:1 |"
                            " D6:1.5 C6:.5 A5:1 F5:1 | G5:1 A5:1 F5:1 D5:1 | Bb5:1 A5:1 G5:1 Bb5:1 | A5:2 C#6:2",
                            32);
    const auto m2 = Melodia("D5:4 | Bb4:2 D5:2 | A5:4 | F5:2 D5:2 | G5:4 | Bb5:2 G5:2 | A5:4 | C#6:2 E5:2", 64);
    const auto m3 = Melodia("G5:.5 A5:.5 Bb5:1 A5:1 G5:1 | D6:2 Bb5:2 | A5:.5 G5:.5 F5:1 E5:1 D5:1 | F5:2 D5:2 |"
                            " G5:.5 A5:.5 Bb5:1 C6:1 D6:1 | C#6:2 A5:2 | E5:1 F5:1 G5:1 A5:1 | C#6:1 A5:1 G5:1 E5:1",
                            96);
    a.Linea(m1, V_CAMPANA, 0.14f, 0.2f);
    a.Linea(m1, V_FLAUTA, 0.1f, -0.2f, -12);
    a.Linea(m2, V_CUERDAS, 0.09f, 0.0f);
    a.Linea(m2, V_CUERDAS, 0.06f, 0.0f, -12);
    a.Linea(m3, V_FLAUTA, 0.14f, 0.1f);
    a.Linea(m3, V_CAMPANA, 0.08f, -0.3f, 12);
    return a.Cierra(0.25f);
});

// ---- grief: E minor, 60 bpm, 16 bars of 4 s (64 s) ----
// A slow flute lament over a bass that falls step by step; a music box
// echoes each phrase a beat later, an octave up, like a memory.
RegistroPieza g_duelo(juego::pieza::HISTORIA_DUELO, 0.35f, [] {
    Arreglo a(60.0f, 16);
    const auto acordes = Acordes("Em:4 Em/D:4 C:4 B7:4 Am:4 Em/G:4 F#m7b5:2 B7:2 Em:4 C:4 G/B:4 Am:4 Em:4 C:4 Am:4 B7:4 B7:4");
    const auto m1 = Melodia("B4:2 G4:1 A4:1 | B4:3 E5:1 | E5:1.5 D5:.5 C5:1 B4:1 | A4:1 B4:1 F#4:2 |"
                            " C5:2 B4:1 A4:1 | B4:2 G4:2 | A4:1 G4:1 F#4:2 | E4:4 |"
                            " E5:2 G5:2 | D5:2 B4:2 | C5:1 D5:1 E5:1 A5:1 | G5:3 F#5:1 |"
                            " E5:2 D5:1 C5:1 | A4:2 C5:1 E5:1 | F#5:2 D#5:2 | B4:4",
                            0);
    a.Colchones(acordes, 0.05f);
    a.Bajos(acordes, {0}, 0.22f);
    a.Arpegio(Desde(Acordes("C:4 G/B:4 Am:4 Em:4 C:4 Am:4 B7:4 B7:4"), 8), {0, 1, 2, 3}, 1.0, V_PULSADA, 0.06f, 0);
    a.Linea(m1, V_FLAUTA, 0.2f, -0.1f);
    a.Linea(m1, V_CAJA, 0.07f, 0.4f, 12, 1.0);
    return a.Cierra(0.45f);
});

// ---- triumph: D major, 96 bpm, 32 bars of 2.5 s (80 s) ----
// A fanfare in bells and strings with kettle drums; the tune again over
// running arpeggios; a bright turn through B flat and C; the tune in every
// voice to close.
RegistroPieza g_triunfo(juego::pieza::HISTORIA_TRIUNFO, 0.35f, [] {
    Arreglo a(96.0f, 32);
    const auto A = Acordes("D:4 D:4 G:4 A:4 Bm:4 G:4 A:4 D:4");
    const auto B = Acordes("Bb:4 C:4 D:4 D:4 Bb:4 C:4 E7:4 A7:4");
    const std::string tema = "D5:1 F#5:1 A5:1.5 F#5:.5 | D6:2 A5:2 | B5:1 A5:1 G5:1 B5:1 | A5:3 r:1 |"
                             " F#5:1 B5:1 D6:1.5 C#6:.5 | B5:1 A5:1 G5:1 B5:1 | A5:1 G5:1 F#5:1 E5:1 | D5:3 r:1";
    std::vector<Acorde> todos = A;
    for (const auto& c : Desde(A, 8)) todos.push_back(c);
    for (const auto& c : Desde(B, 16)) todos.push_back(c);
    for (const auto& c : Desde(A, 24)) todos.push_back(c);
    a.Colchones(todos, 0.035f);
    a.Colchones(Desde(B, 16), 0.025f, true);
    a.Bajos(todos, {0, 1, 2, 3}, 0.18f, true);
    a.Arpegio(Desde(A, 8), {0, 1, 2, 3, 2, 1, 2, 3}, 0.5, V_PULSADA, 0.08f, 12);
    a.Arpegio(Desde(B, 16), {0, 1, 2, 3, 2, 1, 2, 3}, 0.5, V_PULSADA, 0.07f, 12);
    a.Arpegio(Desde(A, 24), {0, 1, 2, 3, 2, 1, 2, 3}, 0.5, V_CAJA, 0.05f, 24);
    a.Linea(Melodia(tema, 0), V_CAMPANA, 0.17f, 0.1f);
    a.Linea(Melodia(tema, 0), V_CUERDAS, 0.07f, -0.1f, -12);
    a.Linea(Melodia(tema, 32), V_FLAUTA, 0.15f, -0.1f);
    a.Linea(Melodia(tema, 32), V_CAMPANA, 0.07f, 0.3f, 12);
    a.Linea(Melodia("D5:1 F5:1 Bb5:1.5 A5:.5 | G5:1 E5:1 C6:2 | A5:1 F#5:1 D6:2 | C#6:1 D6:1 E6:2 |"
                    " F6:1.5 D6:.5 Bb5:2 | E6:1.5 C6:.5 G5:2 | G#5:1 B5:1 D6:1 E6:1 | C#6:2 A5:2",
                    64),
            V_CUERDAS, 0.09f, 0.0f, -12);
    a.Linea(Melodia("r:4 r:4 r:4 C#6:1 D6:1 E6:2 | r:4 r:4 G#5:1 B5:1 D6:1 E6:1 | C#6:2 A5:2", 64), V_CAMPANA, 0.1f,
            0.3f);
    a.Linea(Melodia(tema, 96), V_CAMPANA, 0.15f, 0.15f);
    a.Linea(Melodia(tema, 96), V_FLAUTA, 0.11f, -0.15f);
    a.Linea(Melodia(tema, 96), V_CUERDAS, 0.06f, 0.0f, -12);
    // Kettle drums on the bars' first beats, a roll into the last section.
    for (const Acorde& c : todos) {
        Timbal(a.P(), a.Segundos(c.tiempo), float(c.bajo + 12), 0.22f);
        if (int(c.tiempo) % 16 == 12) Timbal(a.P(), a.Segundos(c.tiempo + 3), float(c.bajo + 12), 0.14f);
    }
    for (int k = 0; k < 8; ++k) Redoble(a.P(), a.Segundos(92.0 + 0.5 * k), 0.06f + 0.015f * float(k), 0.0f);
    return a.Cierra(0.3f);
});

} // namespace
} // namespace sintesis
