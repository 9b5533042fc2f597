// The preview: a sequence played in the game window through the real
// player, with the game's services started over a data root.
#pragma once
#include <string>

namespace sec {

// Plays the file (a data name, or a path on disk) until the window closes or
// Esc is pressed, or for `pasos` logic steps when that is 0 or more. The
// exit status: 0, or 1 when the game's services or the sequence do not load.
int MuestraSecuencia(const std::string& raiz, const std::string& fichero, int pasos);

} // namespace sec
