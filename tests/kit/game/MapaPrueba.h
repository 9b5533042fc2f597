// The story map driven as a player drives it: waits for the map to settle,
// answering every message it tells (and noting which), and takes a chosen
// stage through its chain (the chapter's card, answered with play or skip;
// story scenes, clicked through) until play starts or the map is back.
#pragma once
#include "kit/game/JuegoPrueba.h"

#include <string>
#include <vector>

class CMenuModoHistoria;

namespace kit {

// The menu manager's story map (null without one).
CMenuModoHistoria* Mapa();

// Steps until the map is idle with no box open (true) or the steps run out;
// each box it opens is answered once it has come in, and its text code
// (as four characters) is added to `contados` when given. The pointer is
// left in a corner where no hint covers the next press.
bool EsperaMapaQuieto(CJuegoPrueba& juego, int iPasosMaximos, std::vector<std::string>* contados = nullptr);

// Steps through what the map attaches after a stage was chosen: the card is
// answered with play (or skip) once its buttons have come, scenes are
// clicked through. Stops when the play screen is attached and open (true),
// or when the map is idle again, tells a message or the credits run (true
// as well), or the
// steps run out (false).
bool SigueCadena(CJuegoPrueba& juego, bool bJugarEnCarta, int iPasosMaximos);

// The text code as four characters.
std::string Codigo(int iCodigo);

} // namespace kit
