// The play screen's effect launcher: sparkles on the pieces, trails along
// lines, bursts, fireworks, crosses flying to the HUD, the pointer's sparks,
// ice and chase mark, and the line-length bonus flying to the gauge. Each
// launch starts effects of the effects cache in one of three layers that
// this tool owns, updates and draws; the effects draw with this tool's own
// package copies, so the layers are emptied before the copies go.
#pragma once
#include "engine/graphics/SPM.h"

#include <array>

class CMenuJuego;
class Sprite;
struct DescripcionEfecto;
struct RegistroNivel;

class CHerramientaEfectos {
public:
    // The three layers: under the circle, over the board and HUD, over the
    // bonuses.
    static constexpr int kCapa1 = 53;
    static constexpr int kCapa2 = 54;
    static constexpr int kCapa3 = 62;
    static constexpr std::array<int, 3> kCapas = {kCapa1, kCapa2, kCapa3};

    // The packages, in the order they are copied.
    enum Paquete { BRILLOS, FUEGOS, CURSOR, BONUSES, LINEAS, CRUZ, NUM_PAQUETES };

    CHerramientaEfectos() = default;
    virtual ~CHerramientaEfectos();
    CHerramientaEfectos(const CHerramientaEfectos&) = delete;
    CHerramientaEfectos& operator=(const CHerramientaEfectos&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza();
    void DibujaCapa1(Sprite* pDestino);
    void DibujaCapa2(Sprite* pDestino);
    void DibujaCapa3(Sprite* pDestino);
    // Layer 1, 2 or 3 by number.
    void Dibuja(int iCapa, Sprite* pDestino);

    // ---- Launchers, at points of the field ----
    void ChispasPieza(float x, float y);
    void DestelloPieza(float x, float y);
    void Estallido(float x, float y);
    void Rastro(float x0, float y0, float x1, float y1);
    void RastroDeshacer(float x0, float y0, float x1, float y1, int iAlfa0 = 255, int iAlfa1 = 96);
    void Fuegos(float x, float y);
    void Chispa(float x, float y, bool bQuemada, bool bBrillante);
    void Hielo(float x, float y);
    void Marca(float x, float y);
    void LineaMaxima(float x, float y, int iMaximoNivel, int iExtra);
    void CruzAlMarcador(float x, float y);
    void Golpe(float x, float y);

    bool EstaCreado() const { return m_bCreado; }
    int Frames() const { return m_iFrames; }
    // The line-gauge slot that the line-length bonus flies to.
    static int HuecoLineaMaxima(int iMaximoNivel, int iExtra);

    bool m_bCreado = false;
    int m_iFrames = 0;
    std::array<CSPM, NUM_PAQUETES> m_aPaquetes;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    int m_iFuegos = 0;   // fireworks launched, for those who watch

private:
    // Starts one effect in the layer; its sprite is the slot of one of this
    // tool's packages.
    void Lanza(int iCapa, DescripcionEfecto& d, Paquete paquete, int iSlot);
    // The piece sparkle's timing: starting at 0..5, arriving at c + 10 and
    // fading out from c + 5 (c in 0..10).
    static void TiempoChispa(DescripcionEfecto& d);
};
