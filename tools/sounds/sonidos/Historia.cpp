// The story scenes' sounds: the places' ambiences (seamless loops: every
// bed of noise is filtered round its own loop, every slow swell completes
// whole cycles in it, every event's tail folds back onto the start) and the
// events' one-shot sounds.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sintesis {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A repeatable source of noise, one per sound, so that each recipe makes
// the same file every time whatever the order of the others.
struct Azar {
    uint32_t s;
    explicit Azar(uint32_t semilla) : s(semilla * 2654435761u + 1u) {}
    float operator()() // -1..1
    {
        s = s * 1664525u + 1013904223u;
        return float(s >> 8) / float(1u << 24) * 2.0f - 1.0f;
    }
    float Entre(float a, float b) { return a + (b - a) * 0.5f * ((*this)() + 1.0f); }
};

// A two-pole filter (the usual cookbook forms).
struct Filtro {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    enum Tipo { BAJO, ALTO, BANDA };
    Filtro() = default;
    Filtro(Tipo t, double hz, double q) { Ajusta(t, hz, q); }
    void Ajusta(Tipo t, double hz, double q)
    {
        const double w = 2 * kPi * std::clamp(hz, 10.0, 20000.0) / kTasa, c = std::cos(w), a = std::sin(w) / (2 * q);
        const double a0 = 1 + a;
        switch (t) {
        case BAJO: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
        case ALTO: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
        case BANDA: b0 = a; b1 = 0; b2 = -a; break;
        }
        b0 /= a0; b1 /= a0; b2 /= a0;
        a1 = -2 * c / a0;
        a2 = (1 - a) / a0;
    }
    float operator()(float x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return float(y);
    }
};

// Equal-power pan.
void Pon(Pista& p, size_t i, float v, float pan)
{
    const double a = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
    p.m[2 * i] += v * float(std::cos(a));
    p.m[2 * i + 1] += v * float(std::sin(a));
}

size_t Cuadros(double s) { return size_t(std::max(0.0, s) * kTasa + 0.5); }

// A bed of noise `segundos` long that loops: white noise through `filtros`
// (made afresh for each channel by `hazFiltros`), run twice round the loop
// so that the filters' state at its end is the state at its start; its
// level follows `nivel(t)`, which must itself be periodic in the loop.
template <class HazFiltros, class Nivel>
void Lecho(Pista& p, double segundos, uint32_t semilla, float vol, HazFiltros hazFiltros, Nivel nivel)
{
    const size_t n = Cuadros(segundos);
    p.Asegura(n);
    for (int c = 0; c < 2; ++c) {
        Azar azar(semilla + uint32_t(c) * 7919u);
        std::vector<float> blanco(n);
        for (float& x : blanco) x = azar();
        auto filtros = hazFiltros();
        for (int vuelta = 0; vuelta < 2; ++vuelta)
            for (size_t i = 0; i < n; ++i) {
                float x = blanco[i];
                for (auto& f : filtros) x = f(x);
                if (vuelta == 1) p.m[2 * i + size_t(c)] += vol * x * float(nivel(double(i) / kTasa));
            }
    }
}

// A frequency rounded to whole cycles in a loop of `segundos`.
double Redondea(double hz, double segundos) { return std::max(1.0, std::round(hz * segundos)) / segundos; }

// A steady sine that completes whole cycles in the loop, its level
// swelling `lfo` times a loop (whole too).
void Tono(Pista& p, double segundos, double hz, float vol, float pan, int lfo, float hondo, double fase = 0)
{
    const size_t n = Cuadros(segundos);
    p.Asegura(n);
    const double f = Redondea(hz, segundos);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kTasa;
        const double nivel = 1.0 - hondo * 0.5 * (1.0 + std::sin(2 * kPi * lfo * t / segundos + fase));
        Pon(p, i, float(vol * nivel * std::sin(2 * kPi * f * t + fase)), pan);
    }
}

// A short pitched blip whose pitch glides from `hz0` to `hz1`: bubbles,
// drips, chirps.
void Gota(Pista& p, double t, double hz0, double hz1, double dur, float vol, float pan, double ataque = 0.002)
{
    const size_t i0 = Cuadros(t), n = Cuadros(dur);
    p.Asegura(i0 + n + 1);
    double fase = 0;
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n), s = double(j) / kTasa;
        const double hz = hz0 * std::pow(hz1 / hz0, x);
        fase += 2 * kPi * hz / kTasa;
        const double env = std::min(1.0, s / ataque) * std::pow(1.0 - x, 2.0);
        Pon(p, i0 + j, float(vol * env * std::sin(fase)), pan);
    }
}

// A burst of filtered noise: a footfall, a crackle, a flap.
void Rafaga(Pista& p, double t, double dur, float vol, float pan, Filtro::Tipo tipo, double hz, double q, uint32_t semilla,
            double ataque = 0.002, double curva = 1.0)
{
    const size_t i0 = Cuadros(t), n = Cuadros(dur);
    p.Asegura(i0 + n + 1);
    Azar azar(semilla);
    Filtro f(tipo, hz, q), g(tipo, hz, q);
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n), s = double(j) / kTasa;
        const double env = std::min(1.0, s / ataque) * std::pow(1.0 - x, curva);
        Pon(p, i0 + j, float(vol * env * g(f(azar()))), pan);
    }
}

// A struck thing with inharmonic partials (ratios and levels), each dying
// away at its own rate: metal, glass, china, a great bell.
void Golpe(Pista& p, double t, double hz, const std::vector<std::pair<double, double>>& parciales, double caida, float vol,
           float pan, double brillo = 1.0)
{
    const size_t i0 = Cuadros(t), n = Cuadros(caida * 6.0);
    p.Asegura(i0 + n + 1);
    for (size_t k = 0; k < parciales.size(); ++k) {
        const double fk = hz * parciales[k].first;
        if (fk > 18000) continue;
        const double tau = caida / (1.0 + brillo * double(k) * 0.35);
        for (size_t j = 0; j < n; ++j) {
            const double s = double(j) / kTasa;
            const double env = std::min(1.0, s / 0.0015) * std::exp(-s / tau);
            Pon(p, i0 + j, float(vol * parciales[k].second * env * std::sin(2 * kPi * fk * s + double(k))), pan);
        }
    }
}

// A low thump whose pitch sinks: a heartbeat, a door meeting its frame.
void GolpeSordo(Pista& p, double t, double hz0, double hz1, double dur, float vol)
{
    const size_t i0 = Cuadros(t), n = Cuadros(dur);
    p.Asegura(i0 + n + 1);
    double fase = 0;
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n), s = double(j) / kTasa;
        fase += 2 * kPi * (hz1 + (hz0 - hz1) * std::exp(-x * 5)) / kTasa;
        const double env = std::min(1.0, s / 0.004) * std::exp(-x * 5.0) * (1.0 - x);
        Pon(p, i0 + j, float(vol * env * std::sin(fase)), 0.0f);
    }
}

// Closes an ambience: room, the fold of every tail onto the start, level.
Pista Cierra(Pista p, double segundos, float mezcla, float sala, float pico)
{
    const size_t n = Cuadros(segundos);
    p.Asegura(n + 3 * kTasa);
    Reverbera(p, mezcla, sala);
    CierraBucle(p, n);
    Normaliza(p, pico);
    return p;
}

// Ends a one-shot sound: room, its length, level.
Pista Acaba(Pista p, double segundos, float mezcla, float sala, float pico)
{
    p.Asegura(Cuadros(segundos + 0.5));
    Reverbera(p, mezcla, sala);
    Recorta(p, Cuadros(segundos));
    Normaliza(p, pico);
    return p;
}

// A bird's phrase: a few quick whistled notes.
void Pajaro(Pista& p, double t, Azar& azar, float vol, float pan)
{
    const int notas = 3 + int(azar.Entre(0, 4));
    const double base = azar.Entre(2600, 3800);
    for (int k = 0; k < notas; ++k) {
        const double hz = base * azar.Entre(0.85f, 1.3f);
        Gota(p, t, hz * 0.8, hz * 1.15, azar.Entre(0.05f, 0.11f), vol * azar.Entre(0.6f, 1.0f), pan, 0.008);
        t += azar.Entre(0.07f, 0.14f);
    }
}

// ---- the ambiences ----

// A garden by day: leaves stirring in a light breeze that comes and goes,
// birds answering each other from the trees.
RegistroMuestra g_ambJardin(juego::muestra::ESCENA_AMB_JARDIN, 2, [] {
    const double T = 8.0;
    Pista p;
    Lecho(p, T, 11, 0.9f, [] { return std::vector<Filtro>{{Filtro::ALTO, 500, 0.7}, {Filtro::BAJO, 3200, 0.7}}; },
          [T](double t) { return 0.45 + 0.3 * std::sin(2 * kPi * t / T) + 0.15 * std::sin(2 * kPi * 3 * t / T + 1.0); });
    Azar azar(12);
    const double cantos[][2] = {{0.3, -0.6}, {1.6, 0.5}, {2.2, 0.55}, {3.9, -0.3}, {5.1, 0.7}, {6.4, -0.65}, {7.2, 0.2}};
    for (const auto& c : cantos) Pajaro(p, c[0], azar, 0.22f, float(c[1]));
    return Cierra(p, T, 0.25f, 0.75f, 0.45f);
});

// The kitchens: the hearth's low roar and its crackle, a pot bubbling, now
// and then a ladle against a copper pan.
RegistroMuestra g_ambCocinas(juego::muestra::ESCENA_AMB_COCINAS, 2, [] {
    const double T = 8.0;
    Pista p;
    Lecho(p, T, 21, 2.5f, [] { return std::vector<Filtro>{{Filtro::BAJO, 220, 0.8}, {Filtro::BAJO, 400, 0.7}}; },
          [T](double t) { return 0.8 + 0.2 * std::sin(2 * kPi * 2 * t / T); });
    Azar azar(22);
    for (int k = 0; k < 110; ++k) {
        const double t = azar.Entre(0, float(T));
        Rafaga(p, t, azar.Entre(0.004f, 0.015f), 0.5f * azar.Entre(0.2f, 1.0f), azar.Entre(-0.6f, 0.0f), Filtro::BANDA,
               azar.Entre(1500, 5000), 1.5, uint32_t(100 + k));
    }
    for (int k = 0; k < 48; ++k) {
        const double t = azar.Entre(0, float(T)), hz = azar.Entre(180, 420);
        Gota(p, t, hz, hz * 2.2, azar.Entre(0.03f, 0.07f), 0.18f * azar.Entre(0.4f, 1.0f), azar.Entre(0.3f, 0.7f), 0.003);
    }
    const std::vector<std::pair<double, double>> cobre = {{1, 1}, {2.41, 0.6}, {3.9, 0.4}, {5.3, 0.25}, {7.1, 0.12}};
    Golpe(p, 2.7, 620, cobre, 0.35, 0.12f, 0.5f);
    Golpe(p, 2.85, 640, cobre, 0.3, 0.08f, 0.5f);
    Golpe(p, 6.1, 910, cobre, 0.25, 0.07f, -0.4f);
    return Cierra(p, T, 0.22f, 0.6f, 0.45f);
});

// The laboratory: the hum of something kept alive in a jar, flasks
// bubbling, a thin glassy whine, a tap on glass.
RegistroMuestra g_ambLaboratorio(juego::muestra::ESCENA_AMB_LABORATORIO, 2, [] {
    const double T = 8.0;
    Pista p;
    Tono(p, T, 55, 0.14f, 0.0f, 1, 0.3f);
    Tono(p, T, 110, 0.07f, -0.2f, 2, 0.4f);
    Tono(p, T, 165, 0.035f, 0.2f, 1, 0.5f, 1.0);
    Tono(p, T, 1318.5, 0.012f, -0.5f, 1, 0.9f);
    Tono(p, T, 1975.5, 0.008f, 0.5f, 2, 0.9f, 2.0);
    Lecho(p, T, 31, 0.25f, [] { return std::vector<Filtro>{{Filtro::BANDA, 900, 0.8}}; },
          [T](double t) { return 0.6 + 0.4 * std::sin(2 * kPi * t / T); });
    Azar azar(32);
    for (int k = 0; k < 70; ++k) {
        const double t = azar.Entre(0, float(T)), hz = azar.Entre(500, 1300);
        Gota(p, t, hz, hz * 1.9, azar.Entre(0.02f, 0.05f), 0.12f * azar.Entre(0.3f, 1.0f), azar.Entre(-0.7f, -0.2f), 0.002);
    }
    const std::vector<std::pair<double, double>> vidrio = {{1, 1}, {2.32, 0.5}, {4.25, 0.3}, {6.63, 0.15}};
    Golpe(p, 3.3, 2100, vidrio, 0.25, 0.1f, 0.6f);
    Golpe(p, 5.7, 2640, vidrio, 0.2, 0.06f, 0.4f);
    return Cierra(p, T, 0.3f, 0.75f, 0.45f);
});

// The corridors: a cold draught moaning through long stone halls, water
// dripping somewhere far off, all of it echoing.
RegistroMuestra g_ambPasillos(juego::muestra::ESCENA_AMB_PASILLOS, 2, [] {
    const double T = 8.0;
    Pista p;
    // The draught: a band of noise whose pitch wanders with the loop.
    const size_t n = Cuadros(T);
    for (int c = 0; c < 2; ++c) {
        Azar azar(41 + uint32_t(c));
        std::vector<float> blanco(n);
        for (float& x : blanco) x = azar();
        Filtro f, g;
        for (int vuelta = 0; vuelta < 2; ++vuelta)
            for (size_t i = 0; i < n; ++i) {
                const double t = double(i) / kTasa;
                if (i % 32 == 0) {
                    const double hz = 380 + 140 * std::sin(2 * kPi * t / T + c) + 60 * std::sin(2 * kPi * 3 * t / T);
                    f.Ajusta(Filtro::BANDA, hz, 6.0);
                    g.Ajusta(Filtro::BANDA, hz * 1.5, 4.0);
                }
                const float x = blanco[i];
                const double nivel = 0.6 + 0.4 * std::sin(2 * kPi * 2 * t / T + 0.5 * c);
                p.Asegura(n);
                if (vuelta == 1) p.m[2 * i + size_t(c)] += float(nivel) * (1.6f * f(x) + 0.6f * g(x));
                else { f(x); g(x); }
            }
    }
    Tono(p, T, 73.4, 0.05f, 0.0f, 1, 0.6f);
    const double gotas[] = {0.9, 3.4, 5.2, 7.1};
    for (double t : gotas) Gota(p, t, 1900, 900, 0.04, 0.22f, t < 4 ? -0.5f : 0.6f, 0.001);
    return Cierra(p, T, 0.5f, 0.9f, 0.45f);
});

// A bedroom at night: a clock ticking on the mantel, the wind outside the
// window, an owl once in the garden.
RegistroMuestra g_ambNoche(juego::muestra::ESCENA_AMB_NOCHE, 2, [] {
    const double T = 8.0;
    Pista p;
    Lecho(p, T, 51, 1.2f, [] { return std::vector<Filtro>{{Filtro::BAJO, 500, 0.7}, {Filtro::ALTO, 120, 0.7}}; },
          [T](double t) { return 0.35 + 0.25 * std::sin(2 * kPi * t / T + 2.0) + 0.1 * std::sin(2 * kPi * 2 * t / T); });
    for (int k = 0; k < 8; ++k) {
        Chasquido(p, k + 0.1, 0.22f, k % 2 ? 0.25f : 0.6f);
        Golpe(p, k + 0.1, k % 2 ? 1650 : 2200, {{1, 1}, {2.7, 0.4}}, 0.02, 0.05f, -0.3f);
    }
    // The owl: two soft hoots, the second longer.
    for (int h = 0; h < 2; ++h) {
        const double t0 = 3.5 + 0.45 * h, dur = h ? 0.7 : 0.3;
        const size_t i0 = Cuadros(t0), m = Cuadros(dur);
        p.Asegura(i0 + m);
        double fase = 0;
        for (size_t j = 0; j < m; ++j) {
            const double x = double(j) / double(m);
            fase += 2 * kPi * (390 - 40 * x) / kTasa;
            const double env = std::sin(kPi * std::pow(x, 0.6));
            Pon(p, i0 + j, float(0.1 * env * (std::sin(fase) + 0.15 * std::sin(2 * fase))), 0.6f);
        }
    }
    return Cierra(p, T, 0.2f, 0.6f, 0.4f);
});

// Limbo: a hollow chord that never resolves, slowly beating against
// itself, a high shimmer and a breath of whispers.
RegistroMuestra g_ambLimbo(juego::muestra::ESCENA_AMB_LIMBO, 2, [] {
    const double T = 8.0;
    Pista p;
    // D, A, E flat and a high G: each with a twin a fraction apart that beats.
    const double notas[] = {73.4, 110.0, 155.6, 196.0, 293.7, 311.1};
    for (size_t k = 0; k < 6; ++k) {
        const double hz = notas[k];
        const float vol = 0.09f / float(1 + k / 2);
        Tono(p, T, hz, vol, -0.5f + 0.2f * float(k), 1 + int(k % 2), 0.5f, double(k));
        Tono(p, T, hz + 0.25 * double(k + 1), vol, 0.5f - 0.2f * float(k), 1, 0.5f, double(k) + 2.0);
    }
    const double brillo[] = {1760, 2349, 2637, 3520};
    for (size_t k = 0; k < 4; ++k) Tono(p, T, brillo[k], 0.01f, k % 2 ? 0.7f : -0.7f, 2 + int(k), 1.0f, double(k));
    Lecho(p, T, 61, 0.5f, [] { return std::vector<Filtro>{{Filtro::BANDA, 1200, 1.5}, {Filtro::BANDA, 1500, 1.0}}; },
          [T](double t) { return 0.5 + 0.5 * std::sin(2 * kPi * 3 * t / T) * std::sin(2 * kPi * t / T); });
    return Cierra(p, T, 0.5f, 0.9f, 0.4f);
});

// ---- the events ----

// A heavy door: its hinges creak, it swings to and meets the frame, the
// latch drops.
RegistroMuestra g_puerta(juego::muestra::ESCENA_PUERTA, 2, [] {
    Pista p;
    // The creak: a stick-slip of the hinge, a train of pulses whose rate wavers.
    Azar azar(71);
    const size_t n = Cuadros(0.9);
    p.Asegura(n);
    Filtro f(Filtro::BANDA, 900, 3), g(Filtro::BANDA, 1900, 4);
    double fase = 0;
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n);
        const double hz = 60 + 90 * x + 25 * std::sin(2 * kPi * 7 * x) + 10 * azar();
        fase += hz / kTasa;
        float pulso = 0;
        if (fase >= 1) {
            fase -= 1;
            pulso = 1.0f;
        }
        const double env = std::sin(kPi * std::min(1.0, x * 1.1)) * (0.6 + 0.4 * std::sin(2 * kPi * 3 * x));
        const float v = (f(pulso) * 2.5f + g(pulso) * 1.5f) * 20.0f;
        Pon(p, j, float(0.8 * env * v), -0.2f);
    }
    GolpeSordo(p, 0.95, 120, 55, 0.5, 0.8f);
    Rafaga(p, 0.95, 0.12, 0.4f, 0.0f, Filtro::BAJO, 900, 0.7, 72);
    Golpe(p, 1.12, 1800, {{1, 1}, {2.3, 0.5}, {3.7, 0.3}}, 0.04, 0.25f, 0.3f);
    return Acaba(p, 1.8, 0.3f, 0.75f, 0.75f);
});

// Footsteps on stone: four steps, heel then sole, walking off to the right.
RegistroMuestra g_pasos(juego::muestra::ESCENA_PASOS, 2, [] {
    Pista p;
    for (int k = 0; k < 4; ++k) {
        const double t = 0.05 + 0.52 * k;
        const float vol = 0.9f - 0.12f * float(k), pan = -0.3f + 0.2f * float(k);
        Rafaga(p, t, 0.05, vol, pan, Filtro::BANDA, 1100 + 80 * (k % 2), 1.2, uint32_t(80 + k), 0.001, 3.0);
        Rafaga(p, t + 0.06, 0.08, vol * 0.6f, pan, Filtro::BANDA, 700, 1.0, uint32_t(90 + k), 0.002, 2.0);
        GolpeSordo(p, t, 140, 80, 0.08, vol * 0.5f);
    }
    return Acaba(p, 2.4, 0.3f, 0.8f, 0.7f);
});

// A china cup set down on its saucer: a light touch, then it settles.
RegistroMuestra g_taza(juego::muestra::ESCENA_TAZA, 2, [] {
    Pista p;
    const std::vector<std::pair<double, double>> loza = {{1, 1}, {1.58, 0.7}, {2.33, 0.5}, {3.41, 0.3}, {4.6, 0.15}};
    Golpe(p, 0.02, 2350, loza, 0.06, 0.35f, 0.1f);
    Rafaga(p, 0.02, 0.02, 0.3f, 0.1f, Filtro::ALTO, 3000, 0.7, 91);
    Golpe(p, 0.11, 2380, loza, 0.1, 0.25f, 0.1f);
    Golpe(p, 0.16, 3150, loza, 0.05, 0.08f, 0.15f);
    GolpeSordo(p, 0.11, 220, 160, 0.06, 0.2f);
    return Acaba(p, 0.8, 0.15f, 0.5f, 0.6f);
});

// A spell: a rush of air rising into a shower of bright bells over a swelling chord.
RegistroMuestra g_hechizo(juego::muestra::ESCENA_HECHIZO, 2, [] {
    Pista p;
    const double dur = 1.6;
    const size_t n = Cuadros(dur);
    p.Asegura(n);
    for (int c = 0; c < 2; ++c) {
        Azar azar(101 + uint32_t(c));
        Filtro f;
        for (size_t j = 0; j < n; ++j) {
            const double x = double(j) / double(n);
            if (j % 32 == 0) f.Ajusta(Filtro::BANDA, 400 * std::pow(14.0, x), 3.0);
            const double env = std::sin(kPi * std::pow(x, 0.7));
            p.m[2 * j + size_t(c)] += float(0.9 * env * f(azar()));
        }
    }
    const int chispas[] = {79, 83, 86, 91, 95, 98, 103, 91, 98, 107};
    for (int k = 0; k < 10; ++k) Campana(p, 0.35 + 0.08 * k, float(chispas[k]), 1.0f, 0.14f, k % 2 ? 0.5f : -0.5f);
    const int acorde[] = {62, 69, 74, 78};
    for (int k = 0; k < 4; ++k) Colchon(p, 0.1, float(acorde[k]), 1.8f, 0.06f, -0.4f + 0.25f * float(k));
    return Acaba(p, 2.4, 0.4f, 0.85f, 0.75f);
});

// A scream: a voice forced high on an open "a", rising, cracking and falling.
RegistroMuestra g_grito(juego::muestra::ESCENA_GRITO, 2, [] {
    Pista p;
    const double dur = 1.3;
    const size_t n = Cuadros(dur);
    p.Asegura(n);
    Azar azar(111);
    // The vowel's formants.
    Filtro f1(Filtro::BANDA, 850, 5), f2(Filtro::BANDA, 1250, 6), f3(Filtro::BANDA, 2900, 8), f4(Filtro::BANDA, 3600, 9);
    double fase = 0;
    float aire = 0;
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n), s = double(j) / kTasa;
        const double tono = 520 + 380 * std::sin(kPi * std::min(1.0, x * 1.6)) - 150 * x;
        const double hz = tono * (1 + 0.03 * std::sin(2 * kPi * 6.5 * s) + 0.01 * azar());
        fase += hz / kTasa;
        if (fase >= 1) fase -= 1;
        // A glottal pulse: a sawtooth softened.
        const float fuente = float(2 * fase - 1) * 0.7f + 0.3f * azar();
        aire += (azar() - aire) * 0.3f;
        const double env = std::min(1.0, s / 0.06) * std::pow(1.0 - x, 0.8);
        const float v = f1(fuente) * 1.0f + f2(fuente) * 0.8f + f3(fuente) * 0.5f + f4(fuente) * 0.3f + 0.05f * aire;
        Pon(p, j, float(env) * v, 0.1f);
    }
    return Acaba(p, 1.9, 0.35f, 0.8f, 0.8f);
});

// The castle's bell, tolled once: the hum, the strike and the long ring.
RegistroMuestra g_campana(juego::muestra::ESCENA_CAMPANA, 2, [] {
    Pista p;
    const std::vector<std::pair<double, double>> bronce = {{0.5, 0.6}, {1.0, 1.0}, {1.19, 0.5}, {1.5, 0.35},
                                                           {2.0, 0.45}, {2.51, 0.2}, {2.66, 0.15}, {3.01, 0.12}, {4.1, 0.06}};
    Golpe(p, 0.0, 196, bronce, 1.3, 0.4f, -0.1f, 0.6);
    Golpe(p, 0.0, 196.6, {{0.5, 0.4}, {1.0, 0.5}}, 1.6, 0.3f, 0.3f, 0.3);
    Rafaga(p, 0.0, 0.03, 0.3f, 0.0f, Filtro::BANDA, 2500, 1.0, 121);
    return Acaba(p, 4.5, 0.35f, 0.85f, 0.75f);
});

// Glass breaking: the crack, then shards falling and tinkling.
RegistroMuestra g_cristal(juego::muestra::ESCENA_CRISTAL, 2, [] {
    Pista p;
    Rafaga(p, 0.0, 0.12, 1.0f, 0.0f, Filtro::ALTO, 2500, 0.7, 131, 0.0005, 2.0);
    Rafaga(p, 0.0, 0.05, 0.6f, 0.0f, Filtro::BANDA, 600, 1.0, 132, 0.0005, 2.0);
    Azar azar(133);
    const std::vector<std::pair<double, double>> vidrio = {{1, 1}, {2.32, 0.6}, {4.25, 0.4}, {6.63, 0.2}};
    for (int k = 0; k < 26; ++k) {
        const double t = 0.02 + std::pow(azar.Entre(0, 1), 1.6f) * 0.9;
        Golpe(p, t, azar.Entre(2200, 6200), vidrio, azar.Entre(0.03f, 0.12f), 0.2f * azar.Entre(0.3f, 1.0f),
              azar.Entre(-0.7f, 0.7f));
        if (k % 3 == 0) Rafaga(p, t, 0.02, 0.2f, azar.Entre(-0.6f, 0.6f), Filtro::ALTO, 4000, 0.7, uint32_t(140 + k));
    }
    return Acaba(p, 1.6, 0.25f, 0.7f, 0.8f);
});

// A blade drawn from its sheath: the scrape of steel on leather and metal
// rising, then the ring of the blade.
RegistroMuestra g_daga(juego::muestra::ESCENA_DAGA, 2, [] {
    Pista p;
    const double dur = 0.45;
    const size_t n = Cuadros(dur);
    p.Asegura(n);
    Azar azar(151);
    Filtro f, g;
    for (size_t j = 0; j < n; ++j) {
        const double x = double(j) / double(n);
        if (j % 32 == 0) {
            f.Ajusta(Filtro::BANDA, 2500 + 4500 * x, 12);
            g.Ajusta(Filtro::BANDA, 5200 + 3000 * x, 15);
        }
        const double env = std::sin(kPi * x) * (0.7 + 0.3 * std::sin(2 * kPi * 23 * x));
        const float r = azar();
        Pon(p, j, float(env) * (f(r) * 2.5f + g(r) * 1.5f), 0.2f);
    }
    const std::vector<std::pair<double, double>> acero = {{1, 1}, {2.76, 0.6}, {5.4, 0.4}, {8.93, 0.2}};
    Golpe(p, dur - 0.02, 1480, acero, 0.5, 0.22f, 0.3f, 0.5);
    Golpe(p, dur - 0.02, 1493, {{1, 1}}, 0.6, 0.12f, -0.3f);
    return Acaba(p, 1.8, 0.3f, 0.75f, 0.75f);
});

// A heartbeat, twice: lub-dub, lub-dub, deep and close.
RegistroMuestra g_latido(juego::muestra::ESCENA_LATIDO, 2, [] {
    Pista p;
    for (int k = 0; k < 2; ++k) {
        const double t = 0.02 + 0.85 * k;
        GolpeSordo(p, t, 75, 42, 0.22, 1.0f);
        GolpeSordo(p, t + 0.24, 90, 50, 0.16, 0.7f);
        Rafaga(p, t, 0.05, 0.12f, 0.0f, Filtro::BAJO, 300, 0.7, uint32_t(161 + k));
    }
    return Acaba(p, 1.8, 0.1f, 0.5f, 0.85f);
});

// Wings: a large bird (or something else) beating its wings and flying off.
RegistroMuestra g_aleteo(juego::muestra::ESCENA_ALETEO, 2, [] {
    Pista p;
    double t = 0.0;
    for (int k = 0; k < 9; ++k) {
        const float vol = 0.9f * std::pow(0.85f, float(k)), pan = -0.5f + 0.13f * float(k);
        const double periodo = 0.13 + 0.015 * k;
        Rafaga(p, t, periodo * 0.8, vol, pan, Filtro::BAJO, 900 - 40 * k, 0.8, uint32_t(171 + k), periodo * 0.3, 1.5);
        Rafaga(p, t, periodo * 0.5, vol * 0.4f, pan, Filtro::BANDA, 2400, 1.0, uint32_t(191 + k), periodo * 0.25, 1.5);
        t += periodo;
    }
    return Acaba(p, 1.8, 0.25f, 0.7f, 0.7f);
});

} // namespace
} // namespace sintesis
