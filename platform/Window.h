// The main window and its OpenGL 3.3 core context. Every frame is drawn
// straight into the window's own framebuffer: the 1024x768 field fills the
// largest 4:3 rectangle of the window (letterboxed, black bars), scaled when
// the window is not 1024x768.
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
// desktop-sized full-screen window) with its GL context and a depth buffer,
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
// Returns an opaque handle or null. The threads must take turns on whole
// frames (draw + present) under one lock of their own. Where a window may be
// current in only one context at a time (EGL), once a second context exists
// each context takes the window when it first draws or reads the field and
// gives it back when it presents; presenting then also waits until the
// frame's commands are complete, so the next context sees finished shared
// objects.
void* CreateSharedContext();
// Makes the context current on the calling thread.
bool MakeContextCurrent(void* context);
// Deletes the context (released by its thread first); the calling thread
// keeps what it had current.
void DeleteSharedContext(void* context);

// Where the field lies in the window now: the window's drawable size and the
// letterboxed rectangle (window pixels, y down; empty while minimised).
struct FieldPlacement {
    int windowWidth = 0, windowHeight = 0;
    Viewport field;
};
FieldPlacement CurrentFieldPlacement();

// Makes the window's framebuffer (with its depth buffer) the calling
// context's target, the viewport the field's rectangle. Field row 0 (the top)
// is the rectangle's highest GL row, so drawing maps y down. False when there
// is no window or the window cannot be taken.
bool BindBackBuffer();
// Fills the field (colour and depth; the bars are left to presenting).
void ClearBackBuffer(float r, float g, float b, float a);
// The window's framebuffer bound for reading on the calling context (taken
// for the moment where contexts take turns on it). EndWindowRead gives back
// what BeginWindowRead took.
bool BeginWindowRead(bool* taken);
void EndWindowRead(bool taken);

// Shows the frame, the bars around the field black. False when there is no
// window.
bool PresentBackBuffer();
// Something other than black was drawn over the bars (a clear of the whole
// window, the quickest way to fill the field): the next present clears them.
void MarkBarsDrawn();

// Reads the field as 1024x768 RGBA, row 0 at the top (brought to that size
// when the window shows it scaled): what is drawn since the last present, or
// the last frame presented.
bool ReadBackBuffer(std::vector<uint8_t>* rgba);

// The first pending GL error of the current context (0 when none); clears
// them all.
unsigned TakeGLError();

// Creates a texture of the given size filled with one shade, then deletes
// it: what loading does to the current context (tests of the drawing
// threads). False when no texture could be made.
bool UploadScratchTexture(int width, int height, uint8_t shade);

} // namespace plat
