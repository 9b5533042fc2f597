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

} // namespace plat
