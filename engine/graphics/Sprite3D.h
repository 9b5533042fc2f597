// A piece-animated sprite: a puppet of up to 256 pieces placed in space,
// each with its own copy of a sprite package (or a lone sprite) and its
// position, rotation, scales, colour and alpha; timed orders move and turn
// the pieces and start their package animations. Packages of pieces carry
// eight direction frames (slots s to s + 7 for a frame at slot s, direction
// 0 seen from the front, then turning round), and a piece shows the frame of
// its angle to the camera. Read from a file (RegistroSprite3D.h) or built in
// code.
//
// Order lists: list n holds the orders of piece n, and every list with
// orders plays on its own timeline, which runs on the game clock from the
// first draw until it passes the list's duration; a piece moves and turns
// only while its timeline runs.
#pragma once
#include "engine/graphics/Matriz3D.h"
#include "engine/graphics/RegistroSprite3D.h"

#include <cstdint>
#include <vector>

class CSPM;
class Sprite;

struct PiezaSprite3D {
    CSPM* m_pSPM = nullptr;       // own copy, or null
    Sprite* m_pSprite = nullptr;  // own copy, or null
    AtributosPieza m_actual;
    AtributosPieza m_inicial;
    bool m_bEspejo = false;
    bool m_bVisible = true;
    OrdenSprite3D m_movimiento;   // the running move
    bool m_bMoviendo = false;
    OrdenSprite3D m_giro;         // the running turn (at a speed or to an angle)
    bool m_bGirando = false;
};

struct ListaOrdenes {
    std::vector<OrdenSprite3D> m_ordenes; // sorted by start, at most 256
    int m_iSiguiente = 0;                 // the next order to apply
    int32_t m_iDuracion = 0;              // ms
    int64_t m_iTiempo = 0;                // the timeline, ms
};

class CSprite3D {
public:
    CSprite3D();
    ~CSprite3D();
    CSprite3D(const CSprite3D&) = delete;
    CSprite3D& operator=(const CSprite3D&) = delete;

    // From a file; with an empty name and bEditable, an empty puppet to be
    // filled by code. False (everything released) when the file is missing
    // or does not start with a known SPRITE3D version.
    bool Carga(const char* szFichero, bool bEditable);
    bool Copia(const CSprite3D* pOtro, bool bEditable);
    void Libera();
    void Reinicia();
    bool EstaIniciado() const { return m_bIniciado; }
    bool EsVersionB() const { return m_bVersionB; }

    // Building by code; pieces and lists outside 0..255 are refused.
    bool PonSPM(int iPieza, const CSPM* pSPM);
    bool PonSPMPorNombre(int iPieza, const char* szFichero);
    bool PonSprite(int iPieza, const Sprite* pSprite);
    bool PonAtributosPieza(int iPieza, const AtributosPieza& a);
    bool PonVisible(int iPieza, bool bVisible);
    bool PonEspejo(int iPieza, bool bEspejo);
    // False when the list already holds 256 orders.
    bool AnadeOrden(int iLista, const OrdenSprite3D& orden);
    bool PonDuracion(int iLista, int iMs);
    // The piece, only when the puppet is editable.
    PiezaSprite3D* GetPieza(int iPieza);
    const ListaOrdenes* GetLista(int iLista) const;
    float TamCuadro() const { return m_fTamCuadro; }
    void PonTamCuadro(float f) { m_fTamCuadro = f; }
    bool Depuracion() const { return m_bDepuracion; }
    void PonDepuracion(bool b) { m_bDepuracion = b; }

    void MarcaEnUso();
    void DesmarcaEnUso();
    bool EstaEnUso() const { return m_bEnUso; }

    // Moves the timelines on by the game clock since the last call (the
    // first call only starts them) and carries the pieces along.
    void Avanza();
    // Advances, then draws the pieces, the farthest first, at origin +
    // position x scale, the whole puppet turned by fRotacion about the
    // vertical axis.
    void Dibuja(Sprite* pDestino, const Vector3D& origen, float fRotacion, float fEscala, bool bZMenor,
                bool bZEscribe);

    // The direction frame (0..7) of a piece seen at that angle from the
    // camera (its own rotation included).
    static int Direccion(float fAngulo, bool bEspejo);
    // What the draw works on, in the order they are drawn.
    std::vector<int> OrdenDeDibujo(float fEscala) const;

private:
    bool PiezaValida(int i) const { return i >= 0 && i < kNumPiezasSprite3D; }
    void LiberaPieza(PiezaSprite3D& p);
    void AplicaOrden(const OrdenSprite3D& o, int64_t iTiempo);
    void AvanzaPieza(PiezaSprite3D& p, int64_t iTiempo, int e);
    void AplicaColor(PiezaSprite3D& p);

    bool m_bIniciado = false;
    bool m_bVersionB = false;
    PiezaSprite3D m_aPiezas[kNumPiezasSprite3D];
    ListaOrdenes m_aListas[kNumListasSprite3D];
    float m_fTamCuadro = 1.0f;
    bool m_bDepuracion = true;
    int m_iUltimoReloj = -2; // -2: never advanced
    bool m_bEditable = false;
    bool m_bEnUso = false;
};
