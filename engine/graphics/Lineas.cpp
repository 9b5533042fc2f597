// Panels, stretched and tiled line sprites, quad strips and rectangles.
#include "engine/graphics/Lineas.h"

#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "platform/RenderDevice.h"

#include <algorithm>
#include <cmath>

namespace {

bool GraficosActivos()
{
    return g_pSistema2D && g_pSistema2D->EstaIniciat();
}

} // namespace

void DibujaPanelSPM(Sprite* pDestino, CSPM* pSPM, float x, float y, float w, float h)
{
    if (!pSPM) return;
    pSPM->PonEscala(1.0f, 1.0f);
    float anchos[9], altos[9];
    for (int i = 0; i < 9; ++i) {
        const Sprite* s = pSPM->m_apSprites[i];
        anchos[i] = s ? s->GetAmplada() : 0.0f;
        altos[i] = s ? s->GetAlcada() : 0.0f;
    }
    PiezaPanel piezas[9];
    CalculaPanel(x, y, w, h, anchos, altos, piezas);
    for (int i = 0; i < 9; ++i) {
        if (!piezas[i].dibuja) continue;
        pSPM->PonEscala(piezas[i].escalaX, piezas[i].escalaY);
        pSPM->DibujaSpriteEnDestino(pDestino, i, piezas[i].x, piezas[i].y);
    }
}

void DibuixaLinia(Sprite* pDestino, Sprite* pSprite, float x1, float y1, float x2, float y2, float fGruix,
                  int iAlfaInici, int iAlfaFi)
{
    if (!pSprite || !GraficosActivos()) return;
    const float L = Distancia(x1, y1, x2, y2);
    if (!(L > 0.0f)) return; // no direction to lay the sprite along
    const float k = fGruix * pSprite->GetAlcada() / 2.0f / L;
    const float nx = k * (y2 - y1), ny = k * (x1 - x2);
    const float cantonades[8] = {
        x1 + nx, y1 + ny, // left-bottom
        x1 - nx, y1 - ny, // left-top
        x2 + nx, y2 + ny, // right-bottom
        x2 - nx, y2 - ny, // right-top
    };
    ColorARGB guardats[4];
    for (int i = 0; i < 4; ++i) guardats[i] = pSprite->m_aColors[i];
    const uint8_t a0 = uint8_t(std::clamp(iAlfaInici, 0, 255)), a1 = uint8_t(std::clamp(iAlfaFi, 0, 255));
    pSprite->m_aColors[CANTONADA_ESQUERRA_BAIX].a = a0;
    pSprite->m_aColors[CANTONADA_ESQUERRA_DALT].a = a0;
    pSprite->m_aColors[CANTONADA_DRETA_BAIX].a = a1;
    pSprite->m_aColors[CANTONADA_DRETA_DALT].a = a1;
    g_pSistema2D->DibuixaSpriteEX3(pDestino, pSprite, 0, nullptr, cantonades, false, 255);
    for (int i = 0; i < 4; ++i) pSprite->m_aColors[i] = guardats[i];
}

void DibuixaLiniaSprites(Sprite* pDestino, Sprite* pSprite, float x1, float y1, float x2, float y2, float fEscala,
                         float fGruix, float fOffset, int iAlfaInici, int iAlfaFi, int iFlags, const ColorRGB* pColor)
{
    if (!pSprite || !pSprite->m_pBitmap) return;
    const Bitmap* b = pSprite->m_pBitmap;
    const float TW = float(b->m_iAmpladaTextura), TH = float(b->m_iAlcadaTextura);
    if (!(TW > 0.0f) || !(TH > 0.0f)) return; // no texture yet
    const float L = Distancia(x1, y1, x2, y2);
    const float W = pSprite->GetAmplada(), H = pSprite->GetAlcada();
    const PlanBanda plan = PlanificaBanda(L, W, fEscala, fOffset);
    if (plan.trossos == 0) return;
    const float dx = (x2 - x1) / L, dy = (y2 - y1) / L;
    const float nx = fGruix * H / 2.0f * dy, ny = fGruix * H / 2.0f * -dx;
    const float sx = pSprite->m_fX, sy = pSprite->m_fY;
    const float v0 = sy / TH, v1 = (sy + H) / TH;
    for (int i = 0; i < plan.trossos; ++i) {
        const TrosBanda t = TrosDeBanda(plan, i, W);
        const float ax = x1 + dx * t.inici, ay = y1 + dy * t.inici;
        const float bx = x1 + dx * t.fi, by = y1 + dy * t.fi;
        const float u0 = (sx + t.u0) / TW, u1 = (sx + t.u1) / TW;
        const float punts[16] = {
            u0, v0, ax + nx, ay + ny, // start, n side
            u1, v0, bx + nx, by + ny, // end, n side
            u0, v1, ax - nx, ay - ny, // start, other side
            u1, v1, bx - nx, by - ny, // end, other side
        };
        const int alfaA = AlfaBanda(t.inici, L, iAlfaInici, iAlfaFi);
        const int alfaB = AlfaBanda(t.fi, L, iAlfaInici, iAlfaFi);
        const int alfas[4] = {alfaA, alfaB, alfaA, alfaB};
        DibuixaPoligonSprite(pDestino, pSprite, 4, punts, alfas, iFlags, pColor);
    }
}

void DibuixaPoligonSprite(Sprite* pDestino, Sprite* pSprite, int iNum, const float* pfPunts, const int* piAlfas,
                          int iFlags, const ColorRGB* pColor)
{
    if (iNum < 3 || !pfPunts || !pSprite || !GraficosActivos()) return;
    if (!pSprite->m_pBitmap || !pSprite->m_pBitmap->m_pTextura) return;
    if (pDestino && (!pDestino->m_pBitmap || !pDestino->m_pBitmap->m_pTextura)) return;
    if (!g_pSistema2D->PotDibuixar(pSprite, iFlags, pColor)) return;
    // Target, states, texture and quads under the device lock, as every
    // other draw: another thread (the loading sign) draws and uploads too.
    g_pSistema2D->Bloqueja(BLOQUEIG_DISPOSITIU, "DibuixaPoligonSprite");
    if (pDestino) {
        if (!g_pSistema2D->PassaABitmap(pDestino->m_pBitmap, -1, -1)) {
            g_pSistema2D->Desbloqueja(BLOQUEIG_DISPOSITIU);
            return;
        }
    } else {
        g_pSistema2D->PassaAPantalla();
    }
    g_pSistema2D->AplicaEstats(CSistema2D::FlagsDeDibuix(iFlags), false);
    plat::SetTexture(pSprite->m_pBitmap->m_pTextura);
    auto vertex = [&](int i) {
        const float* p = pfPunts + 4 * i;
        const int a = piAlfas ? std::clamp(piAlfas[i], 0, 255) : 255;
        const bool pla = (iFlags & SPRITE_COLOR_PLA) && pColor;
        const uint32_t c = pla ? CSistema2D::FesColorARGB(pColor->r, pColor->g, pColor->b, uint8_t(a))
                               : CSistema2D::FesColorARGB(255, 255, 255, uint8_t(a));
        return plat::QuadVertex{p[2], p[3], 0.0f, 1.0f, c, p[0], p[1]};
    };
    // The strip's triangles (i, i+1, i+2) two at a time: a quad of points
    // i..i+3 draws triangles i and i+1; an odd last triangle repeats its
    // final point, which adds nothing.
    for (int i = 0; i + 2 < iNum; i += 2) {
        const plat::QuadVertex v[4] = {vertex(i), vertex(i + 1), vertex(i + 2), vertex(std::min(i + 3, iNum - 1))};
        plat::DrawQuad(v);
    }
    g_pSistema2D->Desbloqueja(BLOQUEIG_DISPOSITIU);
}

void DibuixaRectangle(Sprite* pDestino, float x, float y, float w, float h, bool bPle, ColorARGB color)
{
    if (!GraficosActivos()) return;
    const uint32_t c = CSistema2D::FesColorARGB(color.r, color.g, color.b, color.a);
    if (bPle) {
        g_pSistema2D->DibuixaQuadre(pDestino, x, y, w, h, c, true);
        return;
    }
    g_pSistema2D->DibuixaQuadre(pDestino, x, y, w, 1, c, false);
    g_pSistema2D->DibuixaQuadre(pDestino, x, y, 1, h, c, false);
    g_pSistema2D->DibuixaQuadre(pDestino, x, y + h, w, 1, c, false);
    g_pSistema2D->DibuixaQuadre(pDestino, x + w, y, 1, h, c, false);
}
