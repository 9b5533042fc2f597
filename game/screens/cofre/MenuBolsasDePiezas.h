// The piece bags of the chest: seven bags on an ellipse, each named after
// its marker (locked bags show locked), and the piece set of each loaded and
// kept. Choosing a bag changes nothing yet; back returns to the chest.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonIconoTazmo;
class CBotonTazmo;
class CSPM;

class CMenuBolsasDePiezas : public CBaseMenu {
public:
    enum { ID_VOLVER = 0, ID_PRIMERA_BOLSA = 1 };
    static constexpr int kNumBolsas = 7;

    CMenuBolsasDePiezas() = default;
    ~CMenuBolsasDePiezas() override;

    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();

    // Where bag i sits: on an ellipse round (512, 420), half a step past
    // each seventh of a turn.
    static void PosicionBolsa(int i, float* px, float* py);
    // The piece set of bag i (null outside 0..6).
    static const char* SetDeBolsa(int i);

    CBotonIconoTazmo* m_apBolsas[kNumBolsas] = {};
    CSPM* m_apSets[kNumBolsas] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;

private:
    void LiberaPropios();
    bool Construye();
};
