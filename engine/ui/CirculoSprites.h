// The sprite ring: the pieces of a piece-animated sprite set on a horizontal
// circle, seen by a camera that goes round it, either turning to bring a
// chosen piece to the front (accelerating, then landing exactly on it) or
// spinning freely. The ring's centre lands on a given point of the field. It
// never takes the pointer. Kind name "CIRCULO_SPRITES".
#pragma once
#include "engine/ui/MenuObj.h"

class CSprite3D;

class CCirculoSprites : public CMenuObj {
public:
    static constexpr const char* kTipo = "CIRCULO_SPRITES";
    static constexpr const char* kNombre = "GEN_CirculoSprites";
    // Turning to a piece.
    static constexpr float kZonaMuerta = 0.09817475f;  // closer than this: no turn
    static constexpr float kAceleracion = 0.012271844f; // radians per step, per step
    static constexpr float kVelocidadMaxima = 0.06283184f;

    enum Estado { QUIETO = 0, GIRANDO_A = 1, GIRANDO = 2 };

    CCirculoSprites() = default;
    ~CCirculoSprites() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    bool Contiene(float, float) override { return false; }
    void CargaRecursos() override;
    void DescargaRecursos() override;

    bool Inicia(int xCentro, int yCentro, float radio, float distancia);
    // The next piece shows a copy; the new piece count, 0 when nothing was
    // added (no argument, or the ring is full).
    int AnadeSprite(const Sprite* pSprite);
    int AnadeSPM(const CSPM* pSPM);
    // The next piece shows the package of that file and starts hidden.
    int AnadeSPMPorNombre(const char* szRuta);
    // Turns to bring piece i to the front (nothing without pieces).
    void GiraA(int i);
    // Spins at that many radians per step.
    void Gira(float fVelocidad);
    CSprite3D* Piezas() const { return m_pSprite; }
    int NumPiezas() const { return m_iNumPiezas; }
    float Angulo() const { return m_fAngulo; }
    float Velocidad() const { return m_fVelocidad; }
    int EstadoGiro() const { return m_iEstado; }

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    int32_t m_iEstado = QUIETO;
    float m_fCentroX = 0.0f;
    float m_fCentroY = 0.0f;
    float m_fDireccion = 1.0f;
    CSprite3D* m_pSprite = nullptr;
    float m_fObjetivo = 0.0f;
    float m_fAngulo = 0.0f;
    float m_fVelocidad = 0.0f;
    float m_fDistancia = 1.0f;
    float m_fRadio = 0.0f;
    int32_t m_iNumPiezas = 0;
    bool m_bCambiado = true;

private:
    void InicializaCampos();
    void Libera();
    int Anadida(bool bHecho);
    void ColocaPiezas();
};
