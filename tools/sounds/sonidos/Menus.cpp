// The menus' sounds: the buttons, the title screen's start and the menu
// tune.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

namespace sintesis {
namespace {

// Focus moving to a button: a short, bright tick.
RegistroMuestra g_seleccionar(juego::muestra::SELECCIONAR_BOTON, 1, [] {
    Pista p;
    Chasquido(p, 0.0, 0.6f, 0.6f);
    Campana(p, 0.004, 93, 0.11f, 0.12f, 0.0f);
    Recorta(p, size_t(0.12 * kTasa));
    Normaliza(p, 0.55f);
    return p;
});

// A button pressed: a rising two-note chime.
RegistroMuestra g_pulsar(juego::muestra::PULSAR_BOTON_POSITIVO, 2, [] {
    Pista p;
    Chasquido(p, 0.0, 0.35f, 0.3f);
    Campana(p, 0.0, 84, 0.4f, 0.4f, -0.15f);
    Campana(p, 0.075, 91, 0.45f, 0.35f, 0.15f);
    p.Asegura(size_t(0.8 * kTasa));
    Reverbera(p, 0.25f, 0.7f);
    Recorta(p, size_t(0.6 * kTasa));
    Normaliza(p, 0.7f);
    return p;
});

// Press start: a sparkling arpeggio over a soft swell.
RegistroMuestra g_pressStart(juego::muestra::PRESS_START, 2, [] {
    Pista p;
    const int arpegio[] = {74, 78, 81, 86, 90};
    for (int i = 0; i < 5; ++i) Campana(p, 0.07 * i, float(arpegio[i]), 0.9f, 0.3f, -0.4f + 0.2f * float(i));
    Campana(p, 0.38, 93, 0.8f, 0.12f, 0.5f);
    Campana(p, 0.42, 98, 0.7f, 0.08f, -0.5f);
    Colchon(p, 0.0, 62, 1.2f, 0.05f, -0.2f);
    Colchon(p, 0.0, 66, 1.2f, 0.05f, 0.2f);
    Colchon(p, 0.0, 69, 1.2f, 0.05f, 0.0f);
    p.Asegura(size_t(1.8 * kTasa));
    Reverbera(p, 0.35f, 0.8f);
    Recorta(p, size_t(1.5 * kTasa));
    Normaliza(p, 0.75f);
    return p;
});

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
RegistroPieza g_menus(juego::pieza::MENUS, 0.4f,
                      [] { return Compone(TemaMenus(), 80.0f, CAMPANA | PULSADA | COLCHON, 0.3f); });

} // namespace
} // namespace sintesis
