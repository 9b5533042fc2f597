// Plane geometry used around sprites: rotation, distances, angles, segment
// crossings, and the layout arithmetic of nine-slice panels and tiled bands.
#pragma once
#include <cstdint>

struct Punt2D {
    float x = 0.0f;
    float y = 0.0f;
};

// (x·cos a − y·sin a, x·sin a + y·cos a).
Punt2D RotaPunt(float x, float y, float angulo);
float Distancia(float x1, float y1, float x2, float y2);
float DistanciaQuadrat(float x1, float y1, float x2, float y2);
// Distance between two float pairs; 0 when either is missing.
float DistanciaPunts(const float* p, const float* q);

constexpr float kDosPi = 6.283184f;
constexpr float kPi = 3.141592f;
// The angle brought into [0, kDosPi). A value that is not finite gives 0.
float NormalitzaAngle(float a);
// NormalitzaAngle(a) − NormalitzaAngle(b), brought into [−kPi, kPi].
float DiferenciaAngles(float a, float b);

enum {
    INTERSECCIO_CAP = 0,       // the lines cross outside the segments
    INTERSECCIO_PARALLELS = 1, // parallel (or collinear) segments
    INTERSECCIO_IGUALS = 2,    // the same two end points, in either order
    INTERSECCIO_CREUEN = 3,    // the segments cross at the point
};
struct Interseccio {
    int codi = INTERSECCIO_CAP;
    Punt2D punt;
};
// The crossing of segments p1-p2 and p3-p4 into `resultat` (also returned
// as the code). The point is set only for INTERSECCIO_CREUEN.
int InterseccioSegments(Interseccio* resultat, const Punt2D& p1, const Punt2D& p2, const Punt2D& p3,
                        const Punt2D& p4);

// ---- nine-slice panels ----

// Where each of the nine slots of a panel goes. Slots 0-3 are the corners
// (top-left, top-right, bottom-left, bottom-right), 4-7 the edges (top,
// bottom, left, right), 8 the centre.
struct PiezaPanel {
    bool dibuja = false; // false for an edge or centre slot without a sprite (or of no size)
    float x = 0.0f, y = 0.0f;
    float escalaX = 1.0f, escalaY = 1.0f;
};
// `anchos` and `altos` are the nine slots' sizes, 0 for an empty slot.
void CalculaPanel(float x, float y, float w, float h, const float anchos[9], const float altos[9],
                  PiezaPanel piezas[9]);

// ---- tiled bands ----

// A band of length L tiled with a sprite W texels wide drawn at `escala`
// (tile length T = W × escala). The offset counts tiles: its fractional
// part f (offset − floor(offset), so also for negative offsets) shifts the
// pattern. The first tile shows texels f·W..W and is (1 − f)·T long; the
// middle tiles are whole; the last shows the start of the sprite.
struct PlanBanda {
    int trossos = 0; // 0: nothing to draw
    float longitud = 0.0f, tessela = 0.0f, primer = 0.0f, fraccio = 0.0f;
};
struct TrosBanda {
    float inici = 0.0f, fi = 0.0f; // distances along the band
    float u0 = 0.0f, u1 = 0.0f;    // texels from the sprite's left edge
};
// At most this many tiles are laid; a band needing more draws nothing.
constexpr int kMaxTrossosBanda = 65536;
PlanBanda PlanificaBanda(float longitud, float ampladaSprite, float escala, float offset);
TrosBanda TrosDeBanda(const PlanBanda& plan, int i, float ampladaSprite);
// alphaStart + trunc(s / L × (alphaEnd − alphaStart)), limited to 0..255.
int AlfaBanda(float s, float longitud, int alfaInici, int alfaFi);
