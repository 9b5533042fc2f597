// Test seam for the in-game tools: while set, a tool's Carga builds what it
// can, then fails as if a package copy had failed (releasing everything).
// Tests use it to show that a level plays on with tools that failed.
#pragma once

inline bool g_bFallaCargaHerramientas = false;
