// The pause menu of the play screens: four stacked buttons (continue,
// restart, abandon, options) over the paused game, on the shared look
// without a background, with its own music. The play screen attaches it as
// a child when the player pauses and reacts to the two events it sends up;
// the options screen opens as its child and comes back to it.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonTazmo;

// The events the pause menu sends its parent (value 0, no text).
enum {
    EVENTO_ABANDONAR_PARTIDA = 17,
    EVENTO_REINICIAR_PARTIDA = 18,
};

class CMenuInGame : public CBaseMenu {
public:
    enum { ID_CONTINUAR = 0, ID_REINICIAR = 1, ID_ABANDONAR = 2, ID_OPCIONES = 3 };
    static constexpr int kNumBotones = 4;

    CMenuInGame() = default;
    ~CMenuInGame() override;

    void PonEnfocado(bool bEnfocado) override;
    bool EsExclusivo() override { return false; }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreadoPausa; }

    // The buttons in screen order (continue, restart, abandon, options).
    CBotonTazmo* Boton(int i) const { return i >= 0 && i < kNumBotones ? m_apBotones[i] : nullptr; }

    bool m_bCreadoPausa = false;
    CBotonTazmo* m_apBotones[kNumBotones] = {};

private:
    void LiberaPropios();
};
