// The program's work: start-up of the engine services with the game's data
// files, the language, the base styles, the main loop around the top-level
// object, and shutdown.
#pragma once

// The main loop: makes the menu manager, registers it and sets the master
// volumes from the game's store, runs the loop until the core asks to quit,
// unregisters and deletes the manager. False when the manager could not be
// made or built (the loop did not run; everything it built is released).
bool BuclePrincipal();

// Start-up with the game's data files, the build switches, the language
// (English whatever the preferences held) and the base styles. False when a
// needed service failed: one line on standard error names it, and whatever
// had started has been shut down again.
bool IniciaPrograma();

// Everything from start-up to shutdown. The exit status: 0, or 1 when
// start-up failed (one line on standard error names the failed service).
int EjecutaPrograma();
