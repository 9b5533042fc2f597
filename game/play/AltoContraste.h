// The high-contrast (colour-blind) look of the board. While it is on, the
// board pieces draw their second set of sprites (each colour's own shape and
// cut, slot + 10; CBolaTablero::s_bAltoContraste) and the curses their
// second colours (g_bAltoContrasteMaldiciones). The options screen switches
// it and keeps the choice in the game's store; the play screen reads the
// store into it again at every level start.
#pragma once

// Read by the curses.
extern bool g_bAltoContrasteMaldiciones;

// Both flags at once: the pieces' and the curses'.
void PonAltoContraste(bool bActivo);

// The game's store keeps the choice under this key: an integer, 0 off and
// anything else on.
constexpr const char* kClaveAltoContraste = "ALTOCONTRASTE";
