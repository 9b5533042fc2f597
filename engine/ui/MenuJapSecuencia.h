// The host of the story scenes: not built yet. The menu manager holds one
// from start-up; nothing shows it until the story scenes exist.
#pragma once
#include "engine/ui/MenuObj.h"

class CMenuJapSecuencia : public CMenuObj {
public:
    CMenuJapSecuencia() = default;
};
