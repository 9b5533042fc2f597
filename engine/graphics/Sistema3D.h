// The small perspective layer over the graphics system: a camera and a
// projection, sprite quads placed in space facing the camera (sprite
// packages and piece-animated sprites), textured triangle meshes drawn in
// one batch per image (the rotating-model viewer), a debug cube, and the
// screen-space quad strip of the line drawing (Lineas.h), which it calls.
//
// Made on the first CSistema2D::Get3D and deleted by the graphics system's
// shutdown; it runs on the main thread. Colours are the graphics system's:
// a placed quad shows its texture times its corner colours times the
// material colour; a mesh its texture times the material colour.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/Color.h"
#include "engine/graphics/Matriz3D.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {
struct MeshBuffer;
}
class Bitmap;
class CSistema2D;
class Sprite;

// A whole image file to lay on mesh faces.
struct EntradaTextura {
    Sprite* m_pSprite = nullptr; // hotspot 0, 0; the bitmap's whole size
    int m_iId = 0;
};

struct VertexMalla {
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    uint8_t a = 255, r = 255, g = 255, b = 255;
};

struct CoordMalla {
    float u = 0, v = 0;
};

struct CaraMalla {
    Bitmap* m_pBitmap = nullptr; // a reference held; null without a texture entry
    int32_t m_aiVertexs[3] = {0, 0, 0};
    int32_t m_aiCoords[3] = {-1, -1, -1}; // -1: (0, 0)
};

// The faces of one image, as drawn: indices [m_iPrimerIndex, + m_iNumIndexs)
// of the mesh's buffer.
struct GrupMalla {
    Bitmap* m_pBitmap = nullptr;
    int m_iPrimerIndex = 0;
    int m_iNumIndexs = 0;
};

// A growable array with the capacity it grows to by a fixed step.
template <class T>
struct ArrayCreixent {
    std::vector<T> m_a;
    int m_iPas = 1;
    // Adds an item, growing the room by the step when it is full; its index.
    int Afegeix(const T& t)
    {
        if (m_a.size() == m_a.capacity()) m_a.reserve(m_a.capacity() + std::size_t(m_iPas > 0 ? m_iPas : 1));
        m_a.push_back(t);
        return int(m_a.size()) - 1;
    }
    int Mida() const { return int(m_a.size()); }
};

struct Malla3D {
    ArrayCreixent<VertexMalla> m_vertexs;
    ArrayCreixent<CoordMalla> m_coords;
    ArrayCreixent<CaraMalla> m_cares;
    std::vector<GrupMalla> m_grups;
    plat::MeshBuffer* m_pBuffer = nullptr;
    int m_iNumVertexsTotal = 0; // vertices of the buffer
    bool m_bBrut = true;        // the buffer must be built again
    bool m_bReutilitzaVertexs = true; // equal (vertex, coordinate) corners share a vertex
    bool m_bEnUs = false;
    int m_iId = 0;
};

class CSistema3D {
public:
    static constexpr float kFovPerDefecte = 0.785398f;
    static constexpr float kPlaProper = 0.1f;
    static constexpr float kPlaLlunya = 5000.0f;

    CSistema3D() = default;
    virtual ~CSistema3D();
    CSistema3D(const CSistema3D&) = delete;
    CSistema3D& operator=(const CSistema3D&) = delete;

    bool Inicia(CSistema2D* pSistema);
    void Reinicia();
    void Libera();
    bool EstaIniciat() const { return m_bIniciat; }

    // ---- camera and projection ----
    // Left-handed look-at with up = (sin roll, cos roll, 0).
    void PosaCamera(const Vector3D& ull, const Vector3D& objectiu, float fRoll);
    // Shifts in points of the field (the picture of the origin moves by
    // them on the screen), zoom, field of view along y.
    void PosaProjeccio(float fDesplX, float fDesplY, float fZoom, float fFov);
    void ProjeccioPerDefecte() { PosaProjeccio(0.0f, 0.0f, 1.0f, kFovPerDefecte); }
    // The projection for a target of that size (the field: 1024 by 768).
    void AplicaProjeccio(float w, float h);
    // The point's depth after the view.
    float ProjectaPunt(float x, float y, float z) const;
    // The horizontal angle from the eye to the point: atan2(dx, dz).
    float AngleCamera(float x, float y, float z) const;
    const Matriz3D& Vista() const { return m_vista; }
    const Matriz3D& Projeccio() const { return m_projeccio; }
    Vector3D Ull() const { return {m_vistaInversa(3, 0), m_vistaInversa(3, 1), m_vistaInversa(3, 2)}; }

    // ---- material ----
    void PosaMaterial(ColorARGB color);
    void MaterialBlanc() { PosaMaterial(ColorARGB(255, 255, 255, 255)); }

    // ---- placed sprites and the screen-space strip ----
    // A quad facing the camera: the sprite's hotspot at `posicio`, one point
    // of the sprite one unit along the camera's right and up axes times the
    // scales, turned about the hotspot as a 2D sprite turns (clockwise as
    // seen). Only the additive blend flag counts.
    void DibuixaSprite3D(Sprite* pDesti, Sprite* pSprite, int iFlags, const ColorRGB* pColor,
                         const Vector3D& posicio, bool bMirall, int iAlfa, float fRotacio, float fEscalaX,
                         float fEscalaY, bool bZMenor, bool bZEscriu);
    void DibuixaPoligonSprite(Sprite* pDesti, Sprite* pSprite, int iNum, const float* pfPunts, const int* piAlfas,
                              int iFlags, const ColorRGB* pColor);

    // ---- texture entries ----
    EntradaTextura* CreaTextura(const char* szFitxer, bool bCarregaAra, bool bOpac);
    void AlliberaTextura(EntradaTextura* pEntrada);

    // ---- meshes ----
    Malla3D* CreaMalla(int nVertexs, int iPasVertexs, int nCoords, int iPasCoords, int nCares, int iPasCares);
    int AfegeixVertex(Malla3D* pMalla, float x, float y, float z, float nx, float ny, float nz, uint8_t a, uint8_t r,
                      uint8_t g, uint8_t b);
    int AfegeixCoordTextura(Malla3D* pMalla, float u, float v);
    // Faces whose vertices do not exist when the mesh is drawn are left out.
    int AfegeixCara(Malla3D* pMalla, int v0, int v1, int v2, EntradaTextura* pTextura, int c0, int c1, int c2);
    void MarcaMallaEnUs(Malla3D* pMalla);
    void DesmarcaMallaEnUs(Malla3D* pMalla);
    Malla3D* CopiaMalla(const Malla3D* pMalla);
    void AlliberaMalla(Malla3D* pMalla);
    int NumMalles() const { return m_lMalles.m_iNumElementos; }
    int NumTextures() const { return m_lTextures.m_iNumElementos; }

    void DibuixaMallaAmbMatriu(Sprite* pDesti, Malla3D* pMalla, const Matriz3D& mon, bool bZMenor, bool bZEscriu,
                               bool bAdditiu);
    // World = scale, then the yaw-pitch-roll rotation, then the translation;
    // the material takes the colour for this draw only.
    void DibuixaMalla(Sprite* pDesti, Malla3D* pMalla, const Vector3D& posicio, const Vector3D& yawPitchRoll,
                      const Vector3D& escala, ColorARGB color, bool bZMenor, bool bZEscriu, bool bAdditiu);

    // ---- debug cube ----
    bool CreaCubDepuracio();
    void DibuixaCub(Sprite* pDesti, const Vector3D& posicio, const Vector3D& yawPitchRoll, float fMida,
                    ColorARGB color, bool bZMenor, bool bZEscriu);
    Malla3D* CubDepuracio() const { return m_pCub; }

    // Before a device reset: every mesh buffer goes (each mesh is built
    // again at its next draw), the texture is unbound, the states forced.
    void AlliberaBuffers();

private:
    // The groups and the device buffer of a mesh whose faces changed.
    void CreaBuffersMalla(Malla3D* pMalla);
    void TreuBuffer(Malla3D* pMalla);
    // Selects the target (its sprite's area) or the screen and applies the
    // projection for its size and the state flags; false when the target
    // cannot be drawn into. Called under the device lock.
    bool PreparaDibuix(Sprite* pDesti, int iFlagsEstat);

    bool m_bIniciat = false;
    CSistema2D* m_pSistema = nullptr;
    CLista m_lMalles;   // Malla3D*
    CLista m_lTextures; // EntradaTextura*
    int m_iSeguentMalla = 0;
    int m_iSeguentTextura = 0;
    Matriz3D m_vista;
    Matriz3D m_vistaInversa;
    Matriz3D m_projeccio;
    float m_fDesplX = 0.0f, m_fDesplY = 0.0f; // projection units
    float m_fZoom = 1.0f;
    float m_fFov = kFovPerDefecte;
    float m_afMaterial[4] = {1, 1, 1, 1};
    Malla3D* m_pCub = nullptr;
};
