// Inside the platform layer only: the devices that listen to SDL events.
#pragma once
#include <SDL.h>

namespace plat {

// A hook sees every SDL event taken by PumpMessages, in registration order.
using EventHook = void (*)(const SDL_Event& event, void* user);
void AddEventHook(EventHook hook, void* user);
void RemoveEventHook(EventHook hook, void* user);

// The SDL window, or null.
SDL_Window* MainSdlWindow();

// The main window's size as it really is on the screen, in the units of its
// mouse events (0x0 while minimised or when there is no window).
void GetWindowArea(int* width, int* height);

} // namespace plat
