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

// A termination signal (SIGTERM, SIGINT: a logout, a shutdown, Ctrl+C in a
// terminal) closes the program as its window's close button does, so it
// ends through its normal release and saves what it saves at the end. Off
// by default (tests are killed as any process is); the program turns it on
// before Init.
void CloseOnTerminationSignals(bool on);

// Monotonic millisecond clock (wraps after ~49 days like a 32-bit tick count).
uint32_t Milliseconds();
void Sleep(uint32_t ms);

// One line on standard error: the program's only diagnostics.
void ReportError(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace plat
