// The program's work: start-up of the engine services with the game's data
// files, the language, the base styles, the main loop around the top-level
// object, and shutdown.
#pragma once

class CMenuObj;

// The main loop in three parts, so that a test can run the real program one
// step at a time: CreaBuclePrincipal makes the top-level object, the menu
// manager, registers it with the core and sets the master volumes from the
// game's store (false when it could not be made or built: nothing is
// registered and everything it built is released); EjecutaBuclePrincipal runs the loop until the core asks to
// quit; LiberaBuclePrincipal unregisters and deletes the object (nothing
// when there is none).
bool CreaBuclePrincipal();
void EjecutaBuclePrincipal();
void LiberaBuclePrincipal();
// The top-level object between CreaBuclePrincipal and LiberaBuclePrincipal,
// else null.
CMenuObj* ObjetoPrincipal();

// The three in turn. False when the manager could not be made or built
// (the loop did not run).
bool BuclePrincipal();

// Start-up with the game's data files, the build switches, the language
// (English whatever the preferences held) and the base styles. False when a
// needed service or file failed (one line on standard error names it) or
// the window was closed meanwhile (CerradoDuranteInicio): whatever had
// started has been shut down again.
bool IniciaPrograma();

// Everything from start-up to shutdown. The exit status: 0 (also when the
// window was closed while the program started), or 1 when start-up failed
// (one line on standard error names the failed service or file).
int EjecutaPrograma();
