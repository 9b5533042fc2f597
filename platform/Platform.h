// The platform layer: the only code that talks to SDL and OpenGL directly.
// Everything above it uses these names.
#pragma once
#include <cstdint>

namespace plat {

// Starts SDL (video, events, timers). Safe to call more than once; each call
// must be matched by Shutdown().
bool Init();
void Shutdown();
bool IsInitialised();

// Monotonic millisecond clock (wraps after ~49 days like a 32-bit tick count).
uint32_t Milliseconds();
void Sleep(uint32_t ms);

// One line on standard error: the program's only diagnostics.
void ReportError(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace plat
