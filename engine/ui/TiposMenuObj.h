// The kind names of the interface objects in object files, and the makers of
// the kinds that live above this library.
#pragma once

class CMenuObj;

// The kind an object is written as: its own class's, else the nearest
// engine class it derives from; null for an object of no known kind.
const char* TipoMenuObj(const CMenuObj* pObj);

// The sequence hosts are made by a library above this one: it gives the
// factory their makers (true when the kind has a row waiting for one).
using CreadorMenuObj = CMenuObj* (*)();
bool PonCreadorMenuObj(const char* szTipo, CreadorMenuObj pCreador);
