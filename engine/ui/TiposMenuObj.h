// The kind names of the interface objects in object files.
#pragma once

class CMenuObj;

// The kind an object is written as: its own class's, else the nearest
// engine class it derives from; null for an object of no known kind.
const char* TipoMenuObj(const CMenuObj* pObj);
