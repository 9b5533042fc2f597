// The story map: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is. It shows one button per story stage, open
// up to the current difficulty's progress. A stage's button (a tutorial's
// too) starts it on the play screen, attached as this
// screen's child, and the result is read back each step: a first win raises
// the pieces-per-line maximum where the stage does, advances the progress
// and saves; a restart plays the stage again; a loss saves quietly.
#pragma once
#include "game/screens/MenuProvisional.h"

#include <array>
#include <string>

class CMenuModoHistoria : public CMenuProvisional {
public:
    static constexpr int kNumEtapas = 53;
    static constexpr int kIdPrimeraEtapa = ID_PRIMERO_PROPIO;

    ~CMenuModoHistoria() override;
    bool Crea();
    void Libera();
    void Actualiza() override;
    void DibujaContenido(Sprite*) override {}

    // The stages open to the player: the progress's stage and every one
    // before it.
    static bool EtapaAbierta(int iEtapa, int iProgreso) { return iEtapa >= 0 && iEtapa <= iProgreso; }
    // What a finished stage does to the progress: a first win (the stage
    // of the progress) advances it.
    static bool PrimeraVictoria(int iEtapa, int iProgreso) { return iEtapa == iProgreso; }
    // The widget name of a stage's button.
    static std::string NombreBoton(int iEtapa);

    std::array<CBotonTazmo*, kNumEtapas> m_apEtapas{};

protected:
    CMenuObj* PreparaVolver() override;
    bool TrataPulsado(int iId) override;

private:
    int Progreso() const;
    void EmpiezaEtapa(int iEtapa);
    void LeeResultado();
    void LiberaPropios();

    int m_iEtapaJugada = -1;
    bool m_bJugando = false;
    bool m_bReinicioPendiente = false;
};
