// Input for tests: each call puts the events a real device would produce into
// SDL's event queue (or drives a virtual SDL controller), so the input takes
// the same path as the player's. Nothing happens until the next
// PumpMessages. All calls are for the main thread and need the platform
// started; they return false when the event could not be queued.
#pragma once
#include <cstdint>

namespace plat::inject {

// A key by its engine key code. A repeat is the key-down a held key sends
// again after the keyboard's repeat delay.
bool Key(uint8_t key, bool down, bool repeat = false);
// Text as the system's text input sends it (UTF-8).
bool Text(const char* utf8);

// Mouse, in window pixels. Buttons: 0 left, 1 right, 2 middle.
bool MouseMove(int x, int y);
bool MouseButton(int button, bool down, int x, int y);
// Wheel notches: positive away from the user.
bool MouseWheel(int notches);

// The main window losing the focus (the keyboard is lost with it).
bool FocusLost();
// Resizes the main window's client area.
bool ResizeWindow(int width, int height);

// Controllers: a virtual device with 3 axes and 32 buttons, read as a plain
// joystick, or with gameController a device SDL knows the buttons of (its
// axes and buttons then follow SDL's standard layout: buttons A, B, X, Y,
// back, guide, start, ...; axes left x, left y, right x, right y, triggers).
// Returns a handle for the calls below, or -1.
int AttachController(bool gameController = false);
// Unplugs it: the handle is no longer valid.
bool DetachController(int handle);
// Axis value in -512..512; a button held or not.
bool SetControllerAxis(int handle, int axis, int value);
bool SetControllerButton(int handle, int button, bool down);
// Unplugs every virtual controller still attached.
void DetachAllControllers();

} // namespace plat::inject
