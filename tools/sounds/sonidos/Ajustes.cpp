// The settings screens' tunes and the credits' epic theme.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

namespace sintesis {
namespace {

// The video and controls screens: a quiet music-box loop in A minor and C,
// sixteen bars at 84 beats a minute.
std::vector<Compas> TemaAjustes()
{
    const std::vector<int> Am{57, 60, 64, 67}, F{53, 57, 60, 64}, C{55, 60, 64, 67}, G{55, 59, 62, 67},
        Dm{53, 57, 62, 65}, E{56, 59, 64, 68};
    return {
        {Am, 45, {{0, 76, 1.5f}, {1.5f, 74, 0.5f}, {2, 72, 2}}},
        {F, 41, {{0, 69, 2}, {2, 72, 1}, {3, 74, 1}}},
        {C, 36, {{0, 76, 1}, {1, 79, 1}, {2, 77, 1}, {3, 76, 1}}},
        {G, 43, {{0, 74, 3}}},
        {Am, 45, {{0, 72, 1}, {1, 76, 1}, {2, 81, 2}}},
        {Dm, 38, {{0, 77, 1.5f}, {1.5f, 76, 0.5f}, {2, 74, 2}}},
        {E, 40, {{0, 71, 2}, {2, 74, 1}, {3, 76, 1}}},
        {E, 40, {{0, 68, 3}}},
        {F, 41, {{0, 69, 1}, {1, 72, 1}, {2, 77, 2}}},
        {C, 36, {{0, 76, 1.5f}, {1.5f, 74, 0.5f}, {2, 72, 2}}},
        {Dm, 38, {{0, 74, 1}, {1, 77, 1}, {2, 81, 1}, {3, 79, 1}}},
        {G, 43, {{0, 79, 2}, {2, 74, 2}}},
        {Am, 45, {{0, 76, 2}, {2, 72, 1}, {3, 71, 1}}},
        {F, 41, {{0, 69, 2}, {2, 72, 2}}},
        {E, 40, {{0, 71, 1.5f}, {1.5f, 72, 0.5f}, {2, 74, 1}, {3, 71, 1}}},
        {Am, 45, {{0, 69, 3}}},
    };
}

// The audio screen: a brighter loop in F major with a walking line, twelve
// bars at 92 beats a minute.
std::vector<Compas> TemaAudio()
{
    const std::vector<int> F{53, 57, 60, 65}, Bb{53, 58, 62, 65}, C7{52, 55, 58, 64}, Dm{50, 57, 62, 65},
        Gm{50, 55, 58, 62}, Am{52, 57, 60, 64};
    return {
        {F, 41, {{0, 72, 1}, {1, 77, 1}, {2, 76, 1}, {3, 74, 1}}},
        {Bb, 46, {{0, 72, 2}, {2, 70, 1}, {3, 69, 1}}},
        {C7, 36, {{0, 67, 1}, {1, 70, 1}, {2, 72, 2}}},
        {F, 41, {{0, 69, 3}}},
        {Dm, 38, {{0, 74, 1}, {1, 77, 1}, {2, 81, 1.5f}, {3.5f, 79, 0.5f}}},
        {Gm, 43, {{0, 77, 2}, {2, 74, 2}}},
        {C7, 36, {{0, 76, 1}, {1, 74, 1}, {2, 72, 1}, {3, 70, 1}}},
        {F, 41, {{0, 72, 3}}},
        {Bb, 46, {{0, 74, 1.5f}, {1.5f, 72, 0.5f}, {2, 70, 2}}},
        {Am, 45, {{0, 72, 1.5f}, {1.5f, 69, 0.5f}, {2, 67, 2}}},
        {Gm, 43, {{0, 70, 1}, {1, 69, 1}, {2, 67, 1}, {3, 64, 1}}},
        {C7, 36, {{0, 65, 2}, {2, 67, 2}}},
    };
}

// The credits: an epic theme in D minor rising to F and ending on the
// dominant, so that it rolls round; twenty bars at 72 beats a minute with
// the harp's quavers under the bells.
std::vector<Compas> TemaEpico()
{
    const std::vector<int> Dm{50, 57, 62, 65}, Bb{46, 58, 62, 65}, F{48, 57, 60, 65}, C{48, 55, 60, 64},
        Gm{46, 55, 58, 62}, A{49, 57, 61, 64}, Asus{50, 57, 62, 64};
    return {
        {Dm, 38, {{0, 74, 2}, {2, 77, 1}, {3, 76, 1}}},
        {Bb, 34, {{0, 74, 3}, {3, 72, 1}}},
        {F, 41, {{0, 72, 2}, {2, 69, 1}, {3, 72, 1}}},
        {C, 36, {{0, 76, 4}}},
        {Dm, 38, {{0, 74, 1}, {1, 77, 1}, {2, 81, 2}}},
        {Bb, 34, {{0, 82, 2}, {2, 81, 1}, {3, 79, 1}}},
        {Gm, 43, {{0, 77, 1.5f}, {1.5f, 79, 0.5f}, {2, 77, 1}, {3, 74, 1}}},
        {A, 45, {{0, 76, 4}}},
        {F, 41, {{0, 81, 2}, {2, 84, 2}}},
        {C, 36, {{0, 84, 1.5f}, {1.5f, 83, 0.5f}, {2, 79, 2}}},
        {Dm, 38, {{0, 81, 2}, {2, 77, 1}, {3, 81, 1}}},
        {Bb, 34, {{0, 82, 3}, {3, 81, 1}}},
        {Gm, 43, {{0, 79, 1}, {1, 77, 1}, {2, 74, 1}, {3, 77, 1}}},
        {C, 36, {{0, 76, 2}, {2, 72, 2}}},
        {F, 41, {{0, 77, 1}, {1, 76, 1}, {2, 77, 1}, {3, 81, 1}}},
        {A, 45, {{0, 81, 4}}},
        {Dm, 38, {{0, 86, 2}, {2, 84, 1}, {3, 81, 1}}},
        {Bb, 34, {{0, 82, 2}, {2, 77, 2}}},
        {Asus, 45, {{0, 76, 2}, {2, 74, 1}, {3, 76, 1}}},
        {A, 45, {{0, 73, 4}}},
    };
}

RegistroPieza g_ajustes(juego::pieza::MENU_MUSIC, 0.4f,
                        [] { return Compone(TemaAjustes(), 84.0f, CAJA | COLCHON, 0.35f); });
RegistroPieza g_audio(juego::pieza::MUSICA_MENUS, 0.4f,
                      [] { return Compone(TemaAudio(), 92.0f, CAMPANA | PULSADA | COLCHON, 0.3f); });
RegistroPieza g_epico(juego::pieza::EPICO, 0.45f, [] {
    return Compone(TemaEpico(), 72.0f, CAMPANA | PULSADA | COLCHON | ARPEGIO_CORCHEAS, 0.45f);
});

} // namespace
} // namespace sintesis
