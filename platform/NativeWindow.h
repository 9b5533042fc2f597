// Inside the platform layer only: what the window system itself says about
// the main window, where SDL's own record may be wrong. Under X11 a full-screen
// request is carried out by the window manager; with none running the window
// keeps its old size and place while SDL records it as covering the screen.
#pragma once
#include <SDL.h>

namespace plat {

// The window's size as the window system has it, in the units of its mouse
// events and in drawable pixels. False when the window system cannot be asked
// (not X11): SDL's sizes are then the truth.
bool NativeWindowSize(SDL_Window* window, int* width, int* height);

// Whether a window manager looks after the window (so full-screen and
// position requests go through it). True when the window system cannot tell.
bool NativeWindowManaged(SDL_Window* window);

// Turns on the delivery of the window system's own events (as
// SDL_SYSWMEVENT) that NativeResizeEvent reads.
void ListenToNativeEvents();

// True when the event is the window system telling that the window now has
// the given size (whoever changed it).
bool NativeResizeEvent(const SDL_Event& event, SDL_Window* window, int* width, int* height);

// Where the pointer is, in the window's pixels (it may lie outside). False
// when the window system cannot be asked.
bool NativePointer(SDL_Window* window, int* x, int* y);

// Makes the window system paint the window black where nothing was drawn
// (before the first frame, while it is resized).
void SetNativeBackgroundBlack(SDL_Window* window);

// Moves and resizes the window directly (no window manager to ask) and waits
// until the window system has done it.
void NativeMoveResize(SDL_Window* window, int x, int y, int width, int height);

} // namespace plat
