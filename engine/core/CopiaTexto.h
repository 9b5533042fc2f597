// An owned copy of a C text, for the records that keep their texts
// as plain pointers (bitmaps, widget captions, events, lists of names).
#pragma once

// A copy of szTexto in a new char array, freed with delete[]; null for null.
char* CopiaTexto(const char* szTexto);
