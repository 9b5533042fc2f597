// The extra modes' harness: the real game with four profiles of its own
// (as kit::CPartidaPrueba), the extra-modes menu opened for a mode, its
// levels started by their buttons, and the seals traced or the boards
// played by the play harness's bot.
//
//     kit::CModosPrueba m("sellos");
//     m.DesbloqueaNivel(2);          // Peque1 at the profile's difficulty
//     ASSERT_TRUE(m.AbreMenu(1));     // the seals-only menu, its instructions answered
//     ASSERT_TRUE(m.EmpiezaNivel(2)); // start summary shown
#pragma once
#include "kit/game/PartidaPrueba.h"

#include <string>
#include <vector>

class CBolaTablero;
class CMenuJuego;
class CMenuParametrosModosExtra;

namespace kit {

class CModosPrueba {
public:
    // The profile has made its first undo, so that no start shows the Undo
    // hint; bConAvisos keeps it a new player's, hint and all.
    explicit CModosPrueba(const std::string& nombre, int iDificultad = 0, bool bConAvisos = false);

    CJuegoPrueba& JuegoPrueba() { return m_partida.JuegoPrueba(); }
    bool Iniciado() const { return m_partida.Iniciado(); }
    RegistroPerfil& Perfil() { return m_partida.Perfil(); }
    int Dificultad() const { return m_iDificultad; }

    // The level button's marker unlocked in the profile.
    void DesbloqueaNivel(int iBoton);
    // Builds the menu for the mode, opens it through the manager and steps
    // until it is the current screen and open; answers the instructions box
    // when bCierraCaja.
    bool AbreMenu(int iModo, bool bCierraCaja = true);
    CMenuParametrosModosExtra* Menu() const;
    // The play screen the menu runs (null when none).
    CMenuJuego* Juego() const;
    bool JuegoAbierto() const;
    // The menu's box is open: answers it (true when it was).
    bool CierraCaja();
    // Presses the level's button and steps until the start summary shows.
    bool EmpiezaNivel(int iBoton);
    bool Continua();
    bool EsperaFase(int iFase, int iPasosMaximos);
    // The victory and the defeat run their last few steps only.
    bool EsperaFaseAbreviada(int iFase, int iPasosMaximos);
    bool EsperaEstado(int iEstado, int iPasosMaximos);
    // Presses the shards of the figure in order until it is traced (also a
    // multi seal, colour by colour); false when it could not.
    bool TrazaSello(int iPasosMaximos = 2000);
    std::vector<CBolaTablero*> Piezas() const;
    void PulsaPieza(const CBolaTablero* p);

private:
    CPartidaPrueba m_partida;
    int m_iDificultad;
};

} // namespace kit
