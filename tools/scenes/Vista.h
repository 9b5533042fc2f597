// The scene tool's preview: a compiled scene played in the game window
// through the real start-up and the real scene player.
#pragma once
#include <string>

namespace escena {

// Plays `guion` over the data root `raiz` in language `idioma` (0..2). With
// pasos >= 0 the preview clicks by itself and quits after that many steps
// (or soon after the scene has finished); otherwise the player clicks and
// Esc quits. The status is 1 when the scene does not load.
int MuestraEscena(const std::string& raiz, const std::string& guion, int pasos, int idioma);

} // namespace escena
