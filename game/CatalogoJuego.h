// The game's content names (rows of game/CatalogoJuego.def): each row is a
// constant, juego::<kind>::<ID>, and an entry of juego::kCatalogo. The
// engine's names are motor::<kind>::<ID> (engine/core/CatalogoMotor.h).
#pragma once
#include "engine/core/Catalogo.h"
#include "engine/core/CatalogoMotor.h"

namespace juego {

#define MG_CATALOGO_DEF "game/CatalogoJuego.def"
#include "engine/core/CatalogoFilas.inc"
#undef MG_CATALOGO_DEF

} // namespace juego
