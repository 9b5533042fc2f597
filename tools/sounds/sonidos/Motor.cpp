// The engine's own sounds: the default sound of unknown slots and the three
// loops of the default music.
#include "Sonidos.h"

#include "engine/core/CatalogoMotor.h"

#include <cstdint>

namespace sintesis {
namespace {

// A soft two-note "boop".
Pista SonidoEstandar()
{
    Pista p;
    Campana(p, 0.0, 79, 0.22f, 0.5f, 0.0f);
    Campana(p, 0.09, 74, 0.25f, 0.45f, 0.0f);
    Recorta(p, size_t(0.34 * kTasa));
    Normaliza(p, 0.6f);
    return p;
}
RegistroMuestra g_estandar(motor::muestra::RANURA_SONIDO_NO_EXISTE, 1, SonidoEstandar);

// A short loop built from a progression and a melody drawn from its chord
// tones.
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

// A: F major, bells over a pad.
RegistroPieza g_a(motor::pieza::ESTANDAR_A, 0.3f, [] {
    return Compone(TemaGenerado({{53, 57, 60, 64}, {55, 60, 64, 67}, {53, 57, 62, 65}, {53, 58, 62, 65}},
                                {41, 48, 38, 46}, 7),
                   60.0f, CAMPANA | COLCHON, 0.35f);
});

// B: A minor, plucked strings and music box.
RegistroPieza g_b(motor::pieza::ESTANDAR_B, 0.3f, [] {
    return Compone(TemaGenerado({{57, 60, 64, 69}, {57, 60, 65, 69}, {55, 60, 64, 67}, {55, 59, 62, 67}},
                                {45, 41, 48, 43}, 11),
                   80.0f, PULSADA | CAJA | ARPEGIO_CORCHEAS, 0.3f);
});

// D: C major, music box over a pad.
RegistroPieza g_d(motor::pieza::ESTANDAR_D, 0.3f, [] {
    return Compone(TemaGenerado({{55, 60, 64, 67}, {57, 60, 64, 69}, {57, 60, 65, 69}, {55, 59, 62, 67}},
                                {36, 45, 41, 43}, 23),
                   60.0f, CAJA | COLCHON, 0.35f);
});

} // namespace
} // namespace sintesis
