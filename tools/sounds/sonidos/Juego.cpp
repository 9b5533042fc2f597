// The sounds of play: a bell note per colour (one scale from the lowest
// colour up), the crossing chimes that rise with the crossings of a move
// (a brighter set when a line has every crossing it can have), taking and
// releasing pieces, a line's end, undo, the seal's moments, the time-out;
// and the level tunes.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

#include <array>

namespace sintesis {
namespace {

// One struck note with a touch of room.
Pista Toque(float midi, float vol, float dur, float pan)
{
    Pista p;
    Chasquido(p, 0.0, 0.2f * vol, 0.5f);
    Campana(p, 0.0, midi, dur, vol, pan);
    p.Asegura(size_t((dur + 0.4) * kTasa));
    Reverbera(p, 0.2f, 0.6f);
    Recorta(p, size_t((dur + 0.2) * kTasa));
    Normaliza(p, 0.6f);
    return p;
}

// A rising run of n bell notes from `base`, brighter with `brillo`.
Pista Carrillon(int n, float base, bool brillo)
{
    Pista p;
    const int pasos[] = {0, 4, 7, 12, 16, 19, 24, 28, 31, 36, 40};
    for (int i = 0; i < n && i < 11; ++i) {
        const float t = 0.045f * float(i);
        Campana(p, t, base + float(pasos[i]), 0.5f, 0.45f, -0.3f + 0.06f * float(i));
        if (brillo) Campana(p, t + 0.02, base + float(pasos[i]) + 12.0f, 0.4f, 0.18f, 0.3f);
    }
    p.Asegura(size_t(1.2 * kTasa));
    Reverbera(p, brillo ? 0.35f : 0.25f, 0.7f);
    Recorta(p, size_t(1.0 * kTasa));
    Normaliza(p, brillo ? 0.75f : 0.6f);
    return p;
}

// A swell of a chord: the energy rising out of the board.
Pista Oleada(const std::vector<int>& acorde, float dur, bool campanas)
{
    Pista p;
    for (size_t i = 0; i < acorde.size(); ++i) Colchon(p, 0.0, float(acorde[i]), dur, 0.12f, -0.3f + 0.2f * float(i));
    if (campanas)
        for (size_t i = 0; i < acorde.size(); ++i)
            Campana(p, 0.08 * double(i), float(acorde[i] + 12), 0.8f, 0.35f, 0.3f - 0.2f * float(i));
    p.Asegura(size_t((dur + 0.6) * kTasa));
    Reverbera(p, 0.4f, 0.8f);
    Recorta(p, size_t((dur + 0.4) * kTasa));
    Normaliza(p, 0.7f);
    return p;
}

// Colours 0..7 on a major pentatonic scale.
constexpr std::array<const char*, 8> kColores = {
    juego::muestra::TOCA_COLOR_0, juego::muestra::TOCA_COLOR_1, juego::muestra::TOCA_COLOR_2,
    juego::muestra::TOCA_COLOR_3, juego::muestra::TOCA_COLOR_4, juego::muestra::TOCA_COLOR_5,
    juego::muestra::TOCA_COLOR_6, juego::muestra::TOCA_COLOR_7};
constexpr std::array<int, 8> kEscala = {72, 74, 76, 79, 81, 84, 86, 88};

constexpr std::array<const char*, 11> kCruces = {
    juego::muestra::ESQUIRLAS_POR_LINEA_01, juego::muestra::ESQUIRLAS_POR_LINEA_02,
    juego::muestra::ESQUIRLAS_POR_LINEA_03, juego::muestra::ESQUIRLAS_POR_LINEA_04,
    juego::muestra::ESQUIRLAS_POR_LINEA_05, juego::muestra::ESQUIRLAS_POR_LINEA_06,
    juego::muestra::ESQUIRLAS_POR_LINEA_07, juego::muestra::ESQUIRLAS_POR_LINEA_08,
    juego::muestra::ESQUIRLAS_POR_LINEA_09, juego::muestra::ESQUIRLAS_POR_LINEA_10,
    juego::muestra::MAS_ESQUIRLAS_POR_LINEA};
constexpr std::array<const char*, 9> kCrucesMax = {
    juego::muestra::ESQUIRLAS_MAX_POR_LINEA_03, juego::muestra::ESQUIRLAS_MAX_POR_LINEA_04,
    juego::muestra::ESQUIRLAS_MAX_POR_LINEA_05, juego::muestra::ESQUIRLAS_MAX_POR_LINEA_06,
    juego::muestra::ESQUIRLAS_MAX_POR_LINEA_07, juego::muestra::ESQUIRLAS_MAX_POR_LINEA_08,
    juego::muestra::ESQUIRLAS_MAX_POR_LINEA_09, juego::muestra::ESQUIRLAS_MAX_POR_LINEA_10,
    juego::muestra::MAS_ESQUIRLAS_MAX_POR_LINEA};

[[maybe_unused]] const bool g_notas = [] {
    for (size_t i = 0; i < kColores.size(); ++i)
        RegistroMuestra(kColores[i], 2, [m = kEscala[i]] { return Toque(float(m), 0.6f, 0.5f, 0.0f); });
    // One more note for each crossing, from a low bell up.
    for (size_t i = 0; i < kCruces.size(); ++i)
        RegistroMuestra(kCruces[i], 2, [n = int(i) + 1] { return Carrillon(n, 67.0f, false); });
    for (size_t i = 0; i < kCrucesMax.size(); ++i)
        RegistroMuestra(kCrucesMax[i], 2, [n = int(i) + 3] { return Carrillon(n, 72.0f, true); });
    return true;
}();

RegistroMuestra g_cogerDiamante(juego::muestra::COGER_DIAMANTE, 2, [] { return Toque(79.0f, 0.5f, 0.3f, 0.0f); });
RegistroMuestra g_cogerEsquirla(juego::muestra::COGER_ESQUIRLA, 2, [] {
    Pista p;
    Campana(p, 0.0, 88, 0.5f, 0.5f, -0.2f);
    Campana(p, 0.03, 95, 0.4f, 0.25f, 0.2f);
    p.Asegura(size_t(0.9 * kTasa));
    Reverbera(p, 0.3f, 0.7f);
    Recorta(p, size_t(0.7 * kTasa));
    Normaliza(p, 0.6f);
    return p;
});
RegistroMuestra g_soltar(juego::muestra::SOLTAR_DIAMANTE, 2, [] {
    Pista p;
    Campana(p, 0.0, 76, 0.25f, 0.4f, 0.1f);
    Campana(p, 0.06, 71, 0.3f, 0.35f, -0.1f);
    p.Asegura(size_t(0.6 * kTasa));
    Reverbera(p, 0.2f, 0.5f);
    Recorta(p, size_t(0.5 * kTasa));
    Normaliza(p, 0.5f);
    return p;
});
RegistroMuestra g_finalizar(juego::muestra::FINALIZAR_JUGADA, 2, [] {
    Pista p;
    Campana(p, 0.0, 72, 0.6f, 0.4f, -0.2f);
    Campana(p, 0.05, 76, 0.6f, 0.4f, 0.0f);
    Campana(p, 0.1, 79, 0.7f, 0.45f, 0.2f);
    p.Asegura(size_t(1.1 * kTasa));
    Reverbera(p, 0.3f, 0.7f);
    Recorta(p, size_t(0.9 * kTasa));
    Normaliza(p, 0.65f);
    return p;
});
RegistroMuestra g_deshacer(juego::muestra::DESHADECER_JUGADA, 2, [] {
    Pista p;
    Pulsada(p, 0.0, 67, 0.2f, 0.4f, 0.0f);
    Pulsada(p, 0.08, 62, 0.2f, 0.35f, 0.0f);
    Pulsada(p, 0.16, 55, 0.3f, 0.3f, 0.0f);
    p.Asegura(size_t(0.7 * kTasa));
    Reverbera(p, 0.2f, 0.5f);
    Recorta(p, size_t(0.6 * kTasa));
    Normaliza(p, 0.55f);
    return p;
});
RegistroMuestra g_diamantesTrascienden(juego::muestra::DIAMANTES_TRASCIENDEN, 2,
                                       [] { return Oleada({60, 64, 67, 72}, 1.6f, true); });
RegistroMuestra g_esquirlasTrascienden(juego::muestra::ESQUIRLAS_TRASCIENDEN, 2,
                                       [] { return Oleada({62, 66, 69, 74, 78}, 2.0f, true); });
RegistroMuestra g_esquirlaCorrecta(juego::muestra::ESQUIRLA_CORRECTA, 2, [] { return Toque(93.0f, 0.3f, 0.25f, 0.0f); });
RegistroMuestra g_tiempoAgotado(juego::muestra::TIEMPO_AGOTADO, 2, [] {
    Pista p;
    Bajo(p, 0.0, 43, 1.2f, 0.5f);
    Colchon(p, 0.0, 55, 1.2f, 0.12f, -0.2f);
    Colchon(p, 0.0, 58, 1.2f, 0.12f, 0.2f);
    Campana(p, 0.0, 70, 0.8f, 0.3f, 0.0f);
    Campana(p, 0.3, 67, 0.9f, 0.3f, 0.0f);
    p.Asegura(size_t(1.8 * kTasa));
    Reverbera(p, 0.35f, 0.8f);
    Recorta(p, size_t(1.5 * kTasa));
    Normaliza(p, 0.7f);
    return p;
});

// ---- The level tunes: eight bars each over a progression, the melody
// walking the chord's tones in a pattern of its own. ----

struct Tema {
    std::vector<std::vector<int>> acordes;  // pad notes per bar
    std::vector<int> bajos;
    std::array<int, 8> figura;              // chord-tone indices of the melody's eighths (-1 rest)
    int octava;
};

std::vector<Compas> Compases(const Tema& t)
{
    std::vector<Compas> c;
    for (size_t b = 0; b < t.acordes.size(); ++b) {
        Compas k{t.acordes[b], t.bajos[b], {}};
        for (size_t i = 0; i < t.figura.size(); ++i) {
            const int f = t.figura[(i + b) % t.figura.size()];
            if (f < 0) continue;
            const auto& a = t.acordes[b];
            k.melodia.push_back({0.5f * float(i), a[size_t(f) % a.size()] + t.octava, 0.5f});
        }
        c.push_back(k);
    }
    return c;
}

const std::vector<int> C{48, 52, 55, 59}, Am{45, 48, 52, 55}, F{41, 45, 48, 52}, G{43, 47, 50, 55},
    Dm{50, 53, 57, 60}, Em{40, 43, 47, 50}, Bb{46, 50, 53, 57}, Gm{43, 46, 50, 53}, Eb{39, 43, 46, 50},
    Cm{48, 51, 55, 58}, D{50, 54, 57, 62}, Bm{47, 50, 54, 57}, A{45, 49, 52, 57};

RegistroPieza g_calma(juego::pieza::JUEGO_CALMA, 0.35f, [] {
    const Tema t{{C, Am, F, G, C, Em, F, G}, {36, 33, 41, 43, 36, 40, 41, 43}, {0, 2, 1, 3, 2, -1, 1, 0}, 24};
    return Compone(Compases(t), 76.0f, CAMPANA | COLCHON, 0.3f);
});
RegistroPieza g_misterio(juego::pieza::JUEGO_MISTERIO, 0.35f, [] {
    const Tema t{{Am, F, Dm, Em, Am, F, Dm, Em}, {33, 41, 38, 40, 33, 41, 38, 40}, {0, -1, 2, 1, 3, -1, 2, 1}, 24};
    return Compone(Compases(t), 70.0f, CAJA | COLCHON, 0.35f);
});
RegistroPieza g_oscuro(juego::pieza::JUEGO_OSCURO, 0.35f, [] {
    const Tema t{{Cm, Gm, Eb, Bb, Cm, Gm, Eb, Gm}, {36, 31, 39, 34, 36, 31, 39, 31}, {0, 1, -1, 2, 0, 3, -1, 1}, 24};
    return Compone(Compases(t), 66.0f, PULSADA | COLCHON, 0.35f);
});
RegistroPieza g_final(juego::pieza::JUEGO_FINAL, 0.35f, [] {
    const Tema t{{Dm, Bb, F, C, Dm, Bb, G, A}, {38, 34, 41, 36, 38, 34, 43, 45}, {0, 2, 3, 2, 1, 2, 3, 0}, 24};
    return Compone(Compases(t), 92.0f, CAMPANA | PULSADA | COLCHON | ARPEGIO_CORCHEAS, 0.3f);
});
RegistroPieza g_sellos(juego::pieza::JUEGO_SELLOS, 0.35f, [] {
    const Tema t{{D, Bm, G, A, D, Bm, G, A}, {38, 35, 43, 45, 38, 35, 43, 45}, {0, 1, 2, 3, 2, 1, 0, -1}, 24};
    return Compone(Compases(t), 84.0f, CAMPANA | CAJA | COLCHON, 0.3f);
});
RegistroPieza g_ataques(juego::pieza::JUEGO_ATAQUES, 0.35f, [] {
    const Tema t{{Em, C, D, Bm, Em, C, D, Em}, {40, 36, 38, 35, 40, 36, 38, 40}, {0, 0, 2, 0, 3, 0, 2, 1}, 24};
    return Compone(Compases(t), 108.0f, PULSADA | COLCHON | ARPEGIO_CORCHEAS, 0.25f);
});
RegistroPieza g_concentrar(juego::pieza::JUEGO_CONCENTRAR, 0.35f, [] {
    const Tema t{{F, C, Dm, Bb, F, C, Bb, C}, {41, 36, 38, 34, 41, 36, 34, 36}, {2, -1, 1, 0, -1, 3, 2, -1}, 24};
    return Compone(Compases(t), 72.0f, CAJA | COLCHON, 0.3f);
});

} // namespace
} // namespace sintesis
