// Larger shapes built out of sprites: nine-slice panels from a package, a
// sprite stretched along a segment, a sprite tiled along a segment with an
// alpha ramp (chains, links, beams), a textured quad strip in screen space,
// and rectangles in a flat colour. The target is a render-target sprite, or
// null for the screen.
#pragma once
#include "engine/graphics/Color.h"
#include "engine/graphics/Geometria.h"

class CSPM;
class Sprite;

// A panel of any size from slots 0-8 of the package (corners, edges, centre;
// see CalculaPanel). The package's scale is left at the centre's.
void DibujaPanelSPM(Sprite* pDestino, CSPM* pSPM, float x, float y, float w, float h);

// The sprite stretched from the first point to the second: its width runs
// along the segment and its height, times the thickness, across it; alpha
// ramps from the start to the end.
void DibuixaLinia(Sprite* pDestino, Sprite* pSprite, float x1, float y1, float x2, float y2, float fGruix,
                  int iAlfaInici, int iAlfaFi);

// The sprite tiled along the segment (see PlanificaBanda): tiles W × escala
// long, the pattern shifted by the offset (in tiles), each tile's ends with
// the alpha of their distance along the band.
void DibuixaLiniaSprites(Sprite* pDestino, Sprite* pSprite, float x1, float y1, float x2, float y2, float fEscala,
                         float fGruix, float fOffset, int iAlfaInici, int iAlfaFi, int iFlags, const ColorRGB* pColor);

// A screen-space textured strip: `pfPunts` holds iNum points of four floats
// (u, v, x, y); `piAlfas` their alphas (255 each when null). Draws the iNum − 2
// triangles of the strip; nothing below three points.
void DibuixaPoligonSprite(Sprite* pDestino, Sprite* pSprite, int iNum, const float* pfPunts, const int* piAlfas,
                          int iFlags, const ColorRGB* pColor);

// A filled rectangle, or its outline.
void DibuixaRectangle(Sprite* pDestino, float x, float y, float w, float h, bool bPle, ColorARGB color);
