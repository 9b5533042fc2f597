// The least an SDL2 + OpenGL 3.3 program does to show its first frame: a
// window with a core context, one cleared frame presented, then everything
// closed again. It is the reference the game's start-up is measured against
// (bench/arranque.cpp); nothing of the game uses it.
#pragma once

namespace plat {

// False when the window or the context cannot be made.
bool PresentBareFirstFrame();

} // namespace plat
