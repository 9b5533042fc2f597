// Where the eyes and the mouth of each story-scene character sit on its body
// picture, for each of its three moods (happy, normal, sad): offsets in
// points from the body's hotspot. The character painter (tools/art) paints
// the faces at these points and the scenes draw the eye and mouth sprites at
// them, so the two always agree. Header-only: the art tool reads it without
// linking the game.
#pragma once
#include <strings.h>

// A face part's offset.
struct PuntoCara {
    float x, y;
};

// Face parts, in the order of a character's offsets.
enum { CARA_OJO_DERECHO = 0, CARA_OJO_IZQUIERDO = 1, CARA_BOCA = 2, NUM_PARTES_CARA = 3 };
constexpr int NUM_HUMORES_ESCENA = 3; // 0 happy, 1 normal, 2 sad

struct CaraEscena {
    const char* nombre; // the scene character's name
    PuntoCara partes[NUM_PARTES_CARA][NUM_HUMORES_ESCENA];
};

// The painter's model: a head of this size centred this far above the
// hotspot of a body picture of this size (all in points at scale 1).
namespace modelo_personaje {
inline constexpr int kAnchoCuerpo = 360;
inline constexpr int kAltoCuerpo = 600;
inline constexpr float kHotspotX = 180.0f;
inline constexpr float kHotspotY = 300.0f;
} // namespace modelo_personaje

// The eleven characters in the scenes' own order; a row's faces are the
// same in each mood unless its art tilts the head.
inline constexpr CaraEscena kCarasEscena[] = {
    {"Adeletia", {{{-23, -170}, {-23, -170}, {-23, -168}}, {{23, -170}, {23, -170}, {23, -168}}, {{0, -131}, {0, -131}, {0, -130}}}},
    {"Aldunia", {{{-23, -172}, {-23, -172}, {-23, -170}}, {{23, -172}, {23, -172}, {23, -170}}, {{0, -133}, {0, -133}, {0, -132}}}},
    {"Maida", {{{-22, -150}, {-22, -150}, {-22, -148}}, {{22, -150}, {22, -150}, {22, -148}}, {{0, -113}, {0, -113}, {0, -112}}}},
    {"Franz", {{{-24, -178}, {-24, -178}, {-24, -176}}, {{24, -178}, {24, -178}, {24, -176}}, {{0, -138}, {0, -138}, {0, -137}}}},
    {"Soldado", {{{-24, -176}, {-24, -176}, {-24, -176}}, {{24, -176}, {24, -176}, {24, -176}}, {{0, -136}, {0, -136}, {0, -136}}}},
    {"Stokinnen", {{{-24, -164}, {-24, -164}, {-24, -162}}, {{24, -164}, {24, -164}, {24, -162}}, {{0, -122}, {0, -122}, {0, -121}}}},
    {"Alfatima", {{{-23, -166}, {-23, -166}, {-23, -164}}, {{23, -166}, {23, -166}, {23, -164}}, {{0, -127}, {0, -127}, {0, -126}}}},
    {"Irina", {{{-23, -168}, {-23, -168}, {-23, -166}}, {{23, -168}, {23, -168}, {23, -166}}, {{0, -129}, {0, -129}, {0, -128}}}},
    {"Asesino", {{{-24, -180}, {-24, -180}, {-24, -178}}, {{24, -180}, {24, -180}, {24, -178}}, {{0, -140}, {0, -140}, {0, -139}}}},
    {"Teresia", {{{-23, -174}, {-23, -174}, {-23, -172}}, {{23, -174}, {23, -174}, {23, -172}}, {{0, -134}, {0, -134}, {0, -133}}}},
    {"TeresiaViva", {{{-23, -174}, {-23, -174}, {-23, -174}}, {{23, -174}, {23, -174}, {23, -174}}, {{0, -134}, {0, -134}, {0, -134}}}},
};
inline constexpr int NUM_CARAS_ESCENA = sizeof(kCarasEscena) / sizeof(kCarasEscena[0]);

// The faces of a character by name (without regard to case), null for none.
inline const CaraEscena* BuscaCaraEscena(const char* nombre)
{
    if (!nombre) return nullptr;
    for (const CaraEscena& c : kCarasEscena)
        if (strcasecmp(c.nombre, nombre) == 0) return &c;
    return nullptr;
}
