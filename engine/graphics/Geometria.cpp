// Plane geometry used around sprites, and the layout of panels and bands.
#include "engine/graphics/Geometria.h"

#include <algorithm>
#include <cmath>

Punt2D RotaPunt(float x, float y, float angulo)
{
    const float c = std::cos(angulo), s = std::sin(angulo);
    return {x * c - y * s, x * s + y * c};
}

float DistanciaQuadrat(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1, dy = y2 - y1;
    return dx * dx + dy * dy;
}

float Distancia(float x1, float y1, float x2, float y2)
{
    return std::sqrt(DistanciaQuadrat(x1, y1, x2, y2));
}

float DistanciaPunts(const float* p, const float* q)
{
    if (!p || !q) return 0.0f;
    return Distancia(p[0], p[1], q[0], q[1]);
}

float NormalitzaAngle(float a)
{
    if (!std::isfinite(a)) return 0.0f;
    // One remainder instead of a loop of whole turns, so that a large angle
    // costs nothing; the result is the same turn.
    if (a >= kDosPi || a < 0.0f) {
        a = std::fmod(a, kDosPi);
        if (a < 0.0f) a += kDosPi;
        if (a >= kDosPi) a = 0.0f; // a tiny negative rounded up to a whole turn
    }
    return a;
}

float DiferenciaAngles(float a, float b)
{
    float d = NormalitzaAngle(a) - NormalitzaAngle(b);
    if (d > kPi) d -= kDosPi;
    else if (d < -kPi) d += kDosPi;
    return d;
}

namespace {

bool Entre(float v, float a, float b)
{
    return v >= std::min(a, b) && v <= std::max(a, b);
}

bool MateixPunt(const Punt2D& a, const Punt2D& b)
{
    return a.x == b.x && a.y == b.y;
}

} // namespace

int InterseccioSegments(Interseccio* resultat, const Punt2D& p1, const Punt2D& p2, const Punt2D& p3,
                        const Punt2D& p4)
{
    Interseccio r;
    const float den = (p3.y - p4.y) * (p1.x - p2.x) - (p3.x - p4.x) * (p1.y - p2.y);
    if (den != 0.0f) {
        const float a = p1.x * p2.y - p2.x * p1.y;
        const float b = p4.y * p3.x - p3.y * p4.x;
        const float x = ((p3.x - p4.x) * a - (p1.x - p2.x) * b) / den;
        const float y = ((p3.y - p4.y) * a - b * (p1.y - p2.y)) / den;
        if (Entre(x, p1.x, p2.x) && Entre(y, p1.y, p2.y) && Entre(x, p3.x, p4.x) && Entre(y, p3.y, p4.y)) {
            r.codi = INTERSECCIO_CREUEN;
            r.punt = {x, y};
        }
    } else {
        const bool iguals = (MateixPunt(p1, p3) && MateixPunt(p2, p4)) || (MateixPunt(p1, p4) && MateixPunt(p2, p3));
        r.codi = iguals ? INTERSECCIO_IGUALS : INTERSECCIO_PARALLELS;
    }
    if (resultat) *resultat = r;
    return r.codi;
}

void CalculaPanel(float x, float y, float w, float h, const float anchos[9], const float altos[9],
                  PiezaPanel piezas[9])
{
    const float wL = anchos[6], wR = anchos[7], hT = altos[4], hB = altos[5];
    const float iw = w - wL - wR, ih = h - hT - hB;
    const struct {
        float x, y;
        bool estiraX, estiraY;
    } sitio[9] = {
        {x, y, false, false},
        {x + w - wR, y, false, false},
        {x, y + h - hB, false, false},
        {x + w - wR, y + h - hB, false, false},
        {x + wL, y, true, false},
        {x + wL, y + h - hB, true, false},
        {x, y + hT, false, true},
        {x + wL + iw, y + hT, false, true},
        {x + wL, y + hT, true, true},
    };
    for (int i = 0; i < 9; ++i) {
        PiezaPanel& p = piezas[i];
        // An edge or centre slot without size would be stretched by x / 0: it
        // is skipped. Corners are drawn at scale 1 whatever they hold.
        p.dibuja = i < 4 || (anchos[i] > 0.0f && altos[i] > 0.0f);
        p.x = sitio[i].x;
        p.y = sitio[i].y;
        p.escalaX = (p.dibuja && sitio[i].estiraX) ? iw / anchos[i] : 1.0f;
        p.escalaY = (p.dibuja && sitio[i].estiraY) ? ih / altos[i] : 1.0f;
    }
}

PlanBanda PlanificaBanda(float longitud, float ampladaSprite, float escala, float offset)
{
    PlanBanda p;
    const float T = ampladaSprite * escala;
    if (!(longitud > 0.0f) || !(T > 0.0f) || !std::isfinite(longitud) || !std::isfinite(T) ||
        !std::isfinite(offset))
        return p;
    p.longitud = longitud;
    p.tessela = T;
    p.fraccio = offset - std::floor(offset);
    if (p.fraccio >= 1.0f) p.fraccio = 0.0f;
    p.primer = (1.0f - p.fraccio) * T;
    if (longitud <= p.primer) {
        p.primer = longitud;
        p.trossos = 1;
        return p;
    }
    const float resta = (longitud - p.primer) / T;
    if (resta + 2.0f > float(kMaxTrossosBanda)) return p;
    p.trossos = int(resta) + 2;
    // A last tile of no length (the band ends on a tile boundary) is dropped.
    if (longitud - (p.primer + float(p.trossos - 2) * T) <= 0.0f) p.trossos -= 1;
    return p;
}

TrosBanda TrosDeBanda(const PlanBanda& plan, int i, float ampladaSprite)
{
    TrosBanda t;
    if (i < 0 || i >= plan.trossos) return t;
    const float W = ampladaSprite, T = plan.tessela;
    if (i == 0) {
        t.inici = 0.0f;
        t.fi = plan.primer;
        t.u0 = plan.fraccio * W;
        t.u1 = t.u0 + plan.primer / T * W;
        return t;
    }
    t.inici = plan.primer + float(i - 1) * T;
    t.fi = std::min(t.inici + T, plan.longitud);
    t.u0 = 0.0f;
    t.u1 = (t.fi - t.inici) / T * W;
    return t;
}

int AlfaBanda(float s, float longitud, int alfaInici, int alfaFi)
{
    if (!(longitud > 0.0f)) return std::clamp(alfaInici, 0, 255);
    const float canvi = s / longitud * float(alfaFi - alfaInici);
    return std::clamp(alfaInici + int(canvi), 0, 255);
}
