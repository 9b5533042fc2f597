// The program's work: start-up of the engine services with the game's data
// files, the language, the base styles, the main loop around the top-level
// object, and shutdown.
#pragma once

// The main loop: registers the top-level object, runs the loop until the
// core asks to quit, unregisters and deletes the object.
void BuclePrincipal();

// Everything from start-up to shutdown. The exit status: 0, or 1 when
// start-up failed (one line on standard error names the failed service).
int EjecutaPrograma();
