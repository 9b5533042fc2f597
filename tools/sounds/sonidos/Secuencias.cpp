// The example sequence's sounds: a chime, a long swell of night air and a
// short music-box loop for its music slot.
#include "Sonidos.h"

#include "engine/core/CatalogoMotor.h"

namespace sintesis {
namespace {

// Three glassy notes falling.
RegistroMuestra g_campanilla(motor::muestra::EJEMPLO_CAMPANILLA, 2, [] {
    Pista p;
    Campana(p, 0.0, 88, 0.6f, 0.35f, 0.2f);
    Campana(p, 0.09, 84, 0.6f, 0.3f, -0.2f);
    Campana(p, 0.18, 79, 0.8f, 0.3f, 0.0f);
    p.Asegura(size_t(1.2 * kTasa));
    Reverbera(p, 0.3f, 0.75f);
    Recorta(p, size_t(1.0 * kTasa));
    Normaliza(p, 0.65f);
    return p;
});

// A low swell of night air, four seconds.
RegistroPieza g_viento(motor::pieza::EJEMPLO_VIENTO, 0.3f, [] {
    Pista p;
    Colchon(p, 0.0, 43, 4.0f, 0.12f, -0.3f);
    Colchon(p, 0.4, 50, 3.4f, 0.08f, 0.3f);
    Colchon(p, 1.2, 55, 2.6f, 0.05f, 0.0f);
    p.Asegura(size_t(4.5 * kTasa));
    Reverbera(p, 0.4f, 0.85f);
    Recorta(p, size_t(4.0 * kTasa));
    Normaliza(p, 0.5f);
    return p;
});

// A music box over a pad in E minor, four bars.
RegistroPieza g_musica(motor::pieza::EJEMPLO_MUSICA, 0.3f, [] {
    const std::vector<Compas> c = {
        {{52, 55, 59, 64}, 40, {{0, 76, 1.5f}, {1.5f, 74, 0.5f}, {2, 71, 2}}},
        {{48, 52, 55, 60}, 36, {{0, 72, 1}, {1, 71, 1}, {2, 67, 2}}},
        {{50, 54, 57, 62}, 38, {{0, 69, 1.5f}, {1.5f, 71, 0.5f}, {2, 74, 2}}},
        {{47, 51, 54, 59}, 35, {{0, 75, 3}, {3, 71, 1}}},
    };
    return Compone(c, 72.0f, CAJA | COLCHON, 0.35f);
});

} // namespace
} // namespace sintesis
