// The attacks mode's coins: they pop out where the screen drops them,
// bounce, can be collected at the pointer and vanish. Each collected coin
// is told to the attacks screen as EVENTO_MONEDA_RECOGIDA with its kind.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/SPM.h"

#include <cstdint>

class CMenuObj;
class Sprite;

class CHerramientaMonedas {
public:
    static constexpr float kRadioRecogida2 = 900.0f;   // 30 points, squared

    CHerramientaMonedas() = default;
    virtual ~CHerramientaMonedas();
    CHerramientaMonedas(const CHerramientaMonedas&) = delete;
    CHerramientaMonedas& operator=(const CHerramientaMonedas&) = delete;

    // The screen that is told of collected coins (may be null).
    bool Carga(CMenuObj* pPantalla);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void CreaMoneda(int iTipo, float x, float y);
    void Actualiza();
    // Collects every collectable coin within reach of the pointer.
    void Recoge(float px, float py);
    void Dibuja(Sprite* pDestino);

    // The sprite a coin shows at its age (ten spin frames per kind).
    static int SpriteMoneda(int iTipo, int iEdad);

    int NumMonedas() const { return m_Monedas.m_iNumElementos; }

    uint8_t m_bCreado = 0;
    CMenuObj* m_pPantalla = nullptr;
    CLista m_Monedas;   // CMoneda*, owned
    CSPM m_SPM;
    int m_iFrame = 0;
    int m_iSonido = -1;
    bool m_bRecursos = false;
};
