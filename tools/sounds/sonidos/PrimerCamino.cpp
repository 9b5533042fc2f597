// The first road's tunes: the title screen's slow, mysterious theme and the
// pause menu's hushed loop.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

namespace sintesis {
namespace {

// The title: A minor, slow bells over pads, rising to the major at the end
// of each phrase; sixteen bars at 66 beats a minute.
std::vector<Compas> TemaPresentacion()
{
    const std::vector<int> Am{57, 60, 64, 69}, F{53, 57, 60, 65}, C{55, 60, 64, 67}, G{55, 59, 62, 67},
        Dm{53, 57, 62, 65}, E{56, 59, 64, 68}, A{57, 61, 64, 69};
    return {
        {Am, 45, {{0, 76, 3}, {3, 72, 1}}},
        {F, 41, {{0, 77, 2}, {2, 76, 2}}},
        {C, 48, {{0, 79, 1.5f}, {1.5f, 76, 0.5f}, {2, 72, 2}}},
        {G, 43, {{0, 74, 4}}},
        {Am, 45, {{0, 72, 1}, {1, 76, 1}, {2, 81, 2}}},
        {F, 41, {{0, 79, 2}, {2, 77, 1}, {3, 76, 1}}},
        {Dm, 38, {{0, 74, 2}, {2, 77, 2}}},
        {E, 40, {{0, 76, 3}, {3, 80, 1}}},
        {Am, 45, {{0, 81, 3}, {3, 79, 1}}},
        {F, 41, {{0, 77, 1.5f}, {1.5f, 76, 0.5f}, {2, 72, 2}}},
        {C, 48, {{0, 76, 2}, {2, 79, 2}}},
        {G, 43, {{0, 83, 2}, {2, 79, 2}}},
        {Dm, 38, {{0, 81, 1}, {1, 77, 1}, {2, 74, 2}}},
        {F, 41, {{0, 72, 2}, {2, 77, 2}}},
        {E, 40, {{0, 76, 2}, {2, 80, 2}}},
        {A, 45, {{0, 81, 4}}},
    };
}

// The pause: E minor, a soft plucked figure over pads, eight bars at 72.
std::vector<Compas> TemaPausa()
{
    const std::vector<int> Em{52, 55, 59, 64}, C{52, 55, 60, 64}, G{55, 59, 62, 67}, D{54, 57, 62, 66};
    return {
        {Em, 40, {{0, 71, 1}, {1, 74, 1}, {2, 76, 2}}},
        {C, 36, {{0, 72, 2}, {2, 71, 2}}},
        {G, 43, {{0, 74, 1}, {1, 71, 1}, {2, 67, 2}}},
        {D, 38, {{0, 69, 4}}},
        {Em, 40, {{0, 76, 1}, {1, 74, 1}, {2, 71, 2}}},
        {C, 36, {{0, 72, 1}, {1, 76, 1}, {2, 79, 2}}},
        {G, 43, {{0, 78, 2}, {2, 74, 2}}},
        {D, 38, {{0, 71, 4}}},
    };
}

RegistroPieza g_presentacion(juego::pieza::PRESENTACION, 0.4f,
                             [] { return Compone(TemaPresentacion(), 66.0f, CAMPANA | COLCHON, 0.4f); });
RegistroPieza g_pausa(juego::pieza::PAUSA, 0.4f,
                      [] { return Compone(TemaPausa(), 72.0f, PULSADA | COLCHON, 0.3f); });

} // namespace
} // namespace sintesis
