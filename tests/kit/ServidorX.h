// A real X server for the tests that must see what X11 itself does (warps
// of the system pointer, the pointer's real place): an Xvfb of the test's
// own, a child process of the test that runs under it with SDL on X11, and
// the player's hand on the real pointer.
#pragma once
#include <string>

namespace kit {

// Xvfb on a display number of its own choosing, stopped on destruction.
class ServidorX {
public:
    ServidorX() = default;
    ~ServidorX();
    ServidorX(const ServidorX&) = delete;
    ServidorX& operator=(const ServidorX&) = delete;

    // Starts it with one screen ("1024x768x24"); the display's name (":N"),
    // or empty when Xvfb could not be started.
    std::string Inicia(const char* pantalla);

private:
    int m_pid = -1;
};

// Runs `sonda` in a child process with DISPLAY set and SDL on X11; its exit
// status (0 when the child recorded no test failure, -1 when it crashed).
int EjecutaBajoX(const std::string& display, void (*sonda)());

// The player's hand, through a connection of its own to $DISPLAY: moves the
// real pointer by (dx, dy) pixels, and reads where it is (root pixels).
bool MuevePunteroReal(int dx, int dy);
bool PunteroReal(int* x, int* y);

} // namespace kit
