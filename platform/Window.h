// The main window, its OpenGL 3.3 core context and the 1024x768 off-screen
// back buffer that every frame is drawn into and then shown scaled (and
// letterboxed in full screen) in the window.
#pragma once
#include <cstdint>
#include <vector>

namespace plat {

constexpr int kFieldWidth = 1024;
constexpr int kFieldHeight = 768;

// What the window tells the core.
enum class WindowMessage { Close, Activate, Deactivate };
using WindowMessageHandler = void (*)(WindowMessage message, void* user);

struct Viewport {
    int x = 0, y = 0, w = 0, h = 0;
};

// The largest rectangle of the field's aspect ratio centred in a window of
// the given size (bars left/right or top/bottom). Window coordinates, y down.
Viewport LetterboxViewport(int windowWidth, int windowHeight);

// Where the windowed client area goes on a screen whose usable part (less
// panels and docks) is the given rectangle, for a frame with the given
// borders: 1024x768 when it fits, else the largest 4:3 size that does,
// centred in the usable part (screen coordinates).
Viewport WindowedPlace(int usableX, int usableY, int usableW, int usableH, int borderTop, int borderLeft,
                       int borderBottom, int borderRight);

// Creates the window (a client area placed by WindowedPlace, or a
// desktop-sized full-screen window) with its GL context and back buffer,
// black until the first frame is presented.
bool CreateMainWindow(const char* caption, bool fullscreen);
void DestroyMainWindow();
bool MainWindowExists();
// An opaque handle of the main window (null when there is none).
void* MainWindowHandle();

// Switches between windowed and full screen keeping the window and context.
bool SetFullscreen(bool fullscreen);
bool IsFullscreen();

// Size of the window's drawable area in pixels (0x0 while minimised).
void GetWindowSize(int* width, int* height);

// Handler for close and activation messages; null to remove.
void SetWindowMessageHandler(WindowMessageHandler handler, void* user);

// Takes every pending event: window messages go to the handler, input events
// to the platform's input devices. A close request reaches the handler at most
// once per call.
void PumpMessages();

// Queues the events the system sends for a window message, to be taken by
// the next PumpMessages: a click on the close box (a window close and the
// application's quit request), focus gained or lost (tests).
void PushWindowEvent(WindowMessage message);

// Hides or shows the system pointer over the window.
void ShowSystemCursor(bool show);

// Makes the main context current on the calling thread (or releases whatever
// context the calling thread has current).
bool MakeMainContextCurrent();
void ReleaseCurrentContext();

// An extra context sharing objects with the main one, for a second drawing
// thread; made on the main thread, which keeps its own context current.
// Returns an opaque handle or null. Once one exists, every context binds the
// window only inside PresentBackBuffer, so the threads must take turns on
// whole frames (draw + present) under one lock of their own; presenting then
// also waits until the frame's commands are complete, so the next context
// sees finished shared objects.
void* CreateSharedContext();
// Makes the context current on the calling thread, with its own view of the
// back buffer bound.
bool MakeContextCurrent(void* context);
// Deletes the context (released by its thread first); the calling thread
// keeps what it had current.
void DeleteSharedContext(void* context);

// The back buffer: 1024x768 RGBA with depth, seen through a framebuffer
// object of the context current on the calling thread. Field row 0 (the top)
// is stored at GL row 767, so drawing maps y down.
unsigned BackBufferFramebuffer();
void BindBackBuffer();
void ClearBackBuffer(float r, float g, float b, float a);

// Copies the back buffer into the window (scaled through the letterboxed
// viewport, black bars) and swaps. False when there is no window.
bool PresentBackBuffer();

// Reads the back buffer as 1024x768 RGBA, row 0 at the top of the field.
bool ReadBackBuffer(std::vector<uint8_t>* rgba);

// The first pending GL error of the current context (0 when none); clears
// them all.
unsigned TakeGLError();

// Creates a texture of the given size filled with one shade, then deletes
// it: what loading does to the current context (tests of the drawing
// threads). False when no texture could be made.
bool UploadScratchTexture(int width, int height, uint8_t shade);

} // namespace plat
