// The story scenes' sounds and music: the demo scene's bell and evening
// crickets and its garden tune, and the bouncy tune of the how-to-play pages.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

#include <cmath>

namespace sintesis {
namespace {

// A soft bell chord, as a lamp is lit.
RegistroMuestra g_campanilla(juego::muestra::ESCENA_CAMPANILLA, 2, [] {
    Pista p;
    Campana(p, 0.0, 79, 1.4f, 0.3f, -0.2f);
    Campana(p, 0.05, 83, 1.4f, 0.25f, 0.2f);
    Campana(p, 0.1, 86, 1.6f, 0.22f, 0.0f);
    Campana(p, 0.35, 91, 1.2f, 0.1f, 0.3f);
    p.Asegura(size_t(2.4 * kTasa));
    Reverbera(p, 0.35f, 0.8f);
    Recorta(p, size_t(2.0 * kTasa));
    Normaliza(p, 0.6f);
    return p;
});

// Crickets on a summer evening: trains of short high chirps, two of them
// answering each other, over a faint hum of night air; a seamless loop.
RegistroMuestra g_grillos(juego::muestra::ESCENA_GRILLOS, 2, [] {
    Pista p;
    const double segundos = 4.0;
    const size_t n = size_t(segundos * kTasa);
    p.Asegura(n + kTasa);
    struct Grillo {
        double inicio, periodo, hz, pan, vol;
    };
    const Grillo grillos[] = {{0.05, 0.9, 4700, -0.5, 0.16}, {0.5, 1.15, 5200, 0.55, 0.12}, {0.8, 1.7, 4300, 0.1, 0.08}};
    for (const Grillo& g : grillos) {
        for (double t = g.inicio; t < segundos; t += g.periodo) {
            // A chirp: four pulses of 25 ms.
            for (int k = 0; k < 4; ++k) {
                const size_t i0 = size_t((t + k * 0.04) * kTasa), m = size_t(0.025 * kTasa);
                for (size_t j = 0; j < m; ++j) {
                    const double s = double(j) / kTasa;
                    const double env = std::sin(M_PI * double(j) / double(m));
                    const float v = float(g.vol * env * std::sin(2 * M_PI * g.hz * s));
                    const size_t i = i0 + j;
                    p.m[2 * i] += v * float(1.0 - g.pan) * 0.5f;
                    p.m[2 * i + 1] += v * float(1.0 + g.pan) * 0.5f;
                }
            }
        }
    }
    Colchon(p, 0.0, 38, float(segundos) + 0.5f, 0.03f, 0.0f);
    Reverbera(p, 0.3f, 0.7f);
    CierraBucle(p, n);
    Normaliza(p, 0.45f);
    return p;
});

// The garden tune: a music box over a pad in F major, gentle, eight bars.
RegistroPieza g_jardin(juego::pieza::ESCENA_JARDIN, 0.4f, [] {
    const std::vector<int> F{53, 57, 60, 65}, Dm{50, 57, 62, 65}, Bb{50, 53, 58, 62}, C{48, 55, 60, 64}, Am{52, 57, 60, 64},
        Gm{50, 55, 58, 62};
    const std::vector<Compas> c = {
        {F, 41, {{0, 77, 1}, {1, 76, 1}, {2, 72, 2}}},
        {Dm, 38, {{0, 74, 1.5f}, {1.5f, 72, 0.5f}, {2, 69, 2}}},
        {Bb, 46, {{0, 70, 1}, {1, 72, 1}, {2, 74, 1}, {3, 77, 1}}},
        {C, 48, {{0, 76, 3}, {3, 72, 1}}},
        {Am, 45, {{0, 76, 1}, {1, 77, 1}, {2, 79, 2}}},
        {Dm, 38, {{0, 81, 1.5f}, {1.5f, 79, 0.5f}, {2, 77, 2}}},
        {Gm, 43, {{0, 74, 1}, {1, 76, 1}, {2, 77, 1}, {3, 79, 1}}},
        {C, 48, {{0, 76, 2}, {2, 72, 2}}},
    };
    return Compone(c, 76.0f, CAJA | COLCHON, 0.4f);
});

// ---- the how-to-play tune: a quick, cheerful little march of square waves ----

// A square wave made of its first odd harmonics (soft at the top, no
// aliasing), with a short pluck and a slight vibrato.
void Cuadrada(Pista& p, double t, float midi, float dur, float vol, float pan)
{
    const double f = 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
    const size_t i0 = size_t(t * kTasa), n = size_t(dur * kTasa);
    p.Asegura(i0 + n + 1);
    double fase = 0.0;
    for (size_t j = 0; j < n; ++j) {
        const double s = double(j) / kTasa;
        const double vib = 1.0 + 0.004 * std::sin(2 * M_PI * 5.5 * s) * std::min(1.0, s * 4);
        fase += 2 * M_PI * f * vib / kTasa;
        double v = 0;
        for (int k = 1; k <= 9; k += 2) v += std::sin(fase * k) / k;
        const double ataque = std::min(1.0, s / 0.006);
        const double caida = std::exp(-s * 3.0) * 0.6 + 0.4;
        const double fin = std::min(1.0, double(n - j) / (0.02 * kTasa));
        const float x = float(vol * v * ataque * caida * fin);
        const size_t i = i0 + j;
        p.m[2 * i] += x * (1.0f - pan) * 0.5f;
        p.m[2 * i + 1] += x * (1.0f + pan) * 0.5f;
    }
}

RegistroPieza g_comoSeJuega(juego::pieza::COMO_SE_JUEGA, 0.4f, [] {
    const double bpm = 132.0, pulso = 60.0 / bpm;
    // Bars of (melody as (beat, midi, beats)), over a chord and a bass.
    struct Barra {
        std::vector<int> acorde;
        int bajo;
        std::vector<Nota> melodia;
    };
    const std::vector<int> C{60, 64, 67}, Am{57, 60, 64}, F{53, 57, 60}, G{55, 59, 62};
    const std::vector<Barra> barras = {
        {C, 36, {{0, 72, 0.5f}, {0.5f, 76, 0.5f}, {1, 79, 1}, {2, 76, 0.5f}, {2.5f, 79, 0.5f}, {3, 84, 1}}},
        {Am, 33, {{0, 81, 1}, {1, 79, 0.5f}, {1.5f, 76, 0.5f}, {2, 72, 1}, {3, 76, 1}}},
        {F, 29, {{0, 77, 0.5f}, {0.5f, 76, 0.5f}, {1, 74, 1}, {2, 72, 0.5f}, {2.5f, 74, 0.5f}, {3, 77, 1}}},
        {G, 31, {{0, 79, 1.5f}, {1.5f, 74, 0.5f}, {2, 71, 1}, {3, 74, 1}}},
        {C, 36, {{0, 72, 0.5f}, {0.5f, 76, 0.5f}, {1, 79, 1}, {2, 84, 0.5f}, {2.5f, 83, 0.5f}, {3, 81, 1}}},
        {Am, 33, {{0, 79, 1}, {1, 76, 1}, {2, 81, 0.5f}, {2.5f, 79, 0.5f}, {3, 76, 1}}},
        {F, 29, {{0, 74, 0.5f}, {0.5f, 77, 0.5f}, {1, 81, 1}, {2, 79, 1}, {3, 74, 1}}},
        {G, 31, {{0, 72, 2}, {2, 74, 0.5f}, {2.5f, 71, 0.5f}, {3, 67, 1}}},
    };
    Pista p;
    for (size_t b = 0; b < barras.size() * 2; ++b) {
        const Barra& x = barras[b % barras.size()];
        const double t0 = double(b) * 4.0 * pulso;
        // The bass on every beat, octave-jumping.
        for (int g = 0; g < 4; ++g) Bajo(p, t0 + g * pulso, float(x.bajo + (g % 2) * 12), float(pulso * 0.9), 0.2f);
        // A quick arpeggio of the chord, quiet, an octave up.
        for (int g = 0; g < 8; ++g)
            Cuadrada(p, t0 + g * pulso / 2, float(x.acorde[size_t(g) % x.acorde.size()] + 12), float(pulso * 0.3), 0.035f,
                     g % 2 ? 0.4f : -0.4f);
        // The tune; the second time through an octave up, brighter.
        for (const Nota& n : x.melodia)
            Cuadrada(p, t0 + n.tiempo * pulso, float(n.tono + (b >= barras.size() ? 12 : 0)),
                     float(n.dur * pulso * 0.92), 0.12f, 0.0f);
        // A tick of percussion on the off-beats.
        for (int g = 0; g < 4; ++g) Chasquido(p, t0 + (g + 0.5) * pulso, 0.25f, 0.8f);
    }
    const size_t largo = size_t(double(barras.size() * 2) * 4.0 * pulso * kTasa + 0.5);
    const size_t cuartos = (largo + kCuarto / 2) / kCuarto;
    p.Asegura(cuartos * kCuarto + kTasa * 2);
    Reverbera(p, 0.18f, 0.6f);
    CierraBucle(p, cuartos * kCuarto);
    Normaliza(p, 0.72f);
    return p;
});

} // namespace
} // namespace sintesis

namespace sintesis {
namespace {

// The chapter card's fanfare: two bright bars of rising arpeggios that end
// on a held chord; it plays once.
RegistroPieza g_fanfarriaCapitulo(juego::pieza::FANFARRIA_PRESENTACION_CAPITULO, 0.4f, [] {
    const std::vector<int> D{50, 57, 62, 66}, G{55, 59, 62, 67}, A{57, 61, 64, 69}, Dalta{62, 66, 69, 74};
    const std::vector<Compas> c = {
        {D, 38, {{0, 74, 0.5f}, {0.5f, 78, 0.5f}, {1, 81, 0.5f}, {1.5f, 86, 0.5f}, {2, 85, 1}, {3, 81, 1}}},
        {G, 43, {{0, 79, 0.5f}, {0.5f, 83, 0.5f}, {1, 86, 1}, {2, 85, 0.5f}, {2.5f, 81, 0.5f}, {3, 83, 1}}},
        {A, 45, {{0, 81, 0.5f}, {0.5f, 85, 0.5f}, {1, 88, 1}, {2, 86, 2}}},
        {Dalta, 38, {{0, 86, 4}}},
    };
    return Compone(c, 112.0f, CAMPANA | PULSADA | COLCHON | ARPEGIO_CORCHEAS, 0.4f);
});

} // namespace
} // namespace sintesis
