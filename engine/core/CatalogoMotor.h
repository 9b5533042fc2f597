// The engine's content names (rows of engine/core/CatalogoMotor.def): each
// row is a constant, motor::<kind>::<ID>, and an entry of motor::kCatalogo.
#pragma once
#include "engine/core/Catalogo.h"

namespace motor {

#define MG_CATALOGO_DEF "engine/core/CatalogoMotor.def"
#include "engine/core/CatalogoFilas.inc"
#undef MG_CATALOGO_DEF

} // namespace motor
