// What the in-game tools share: each holds its own copies of the cached
// sprite packages it draws with, taken through CopiaPaqueteHerramienta, so
// that a failed copy is seen in one place (and the test seams reach every
// tool that copies through it). A tool whose Carga failed keeps nothing and
// does nothing; the play screen goes on with the level.
#pragma once

class CSPM;

// Makes `destino` a copy of the cached package of the path; false (the
// destination left empty) when the copy cannot be made, or while a seam
// says so (g_bFallaCargaHerramientas of FalloHerramientas.h, or the count
// below run out).
bool CopiaPaqueteHerramienta(CSPM& destino, const char* szRuta);
// The same from a package already held (a curse's or a bonus's own copy of
// its tool's package); false when pOrigen is null.
bool CopiaPaqueteHerramienta(CSPM& destino, CSPM* pOrigen);

// Test seam: how many more copies succeed before every further one fails
// (-1: no limit). Shows what a tool keeps of a load that fails half-way.
inline int g_iCopiasHerramientasHastaFallo = -1;
