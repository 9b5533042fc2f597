// The window under a real X server with no window manager (Xvfb, started by
// the test when it is installed): full screen must then cover the display by
// itself, and the picture and the pointer must follow the window's real size,
// not what was asked for. The X11 part runs in a child process of this same
// program, so that SDL and the GL driver start there under X11.
#include "kit/ServidorX.h"
#include "platform/Input.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

void ProbeUnderOwnServer();
void ProbeSmallScreen();

namespace {

constexpr const char* kCaption = "x11 window probe";

// The top-level X window with the given name (0 when there is none).
::Window FindWindow(Display* display, const char* name)
{
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    ::Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) && title) {
            if (std::strcmp(title, name) == 0) found = children[i];
            XFree(title);
        }
    }
    if (children) XFree(children);
    return found;
}

struct Geometry {
    int x = 0, y = 0, w = 0, h = 0;
};

Geometry WindowGeometry(Display* display, ::Window window)
{
    Geometry g;
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a)) return g;
    ::Window child = 0;
    XTranslateCoordinates(display, window, a.root, 0, 0, &g.x, &g.y, &child);
    g.w = a.width;
    g.h = a.height;
    return g;
}

// Whether what the window shows is the red field in the letterboxed
// viewport of its size with black bars around it; a description otherwise.
std::string CheckPicture(Display* display, ::Window window, int w, int h)
{
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes,
                              ZPixmap);
    if (!image) return "the window cannot be read";
    const plat::Viewport v = plat::LetterboxViewport(w, h);
    const auto isRed = [&](int x, int y) {
        const unsigned long p = XGetPixel(image, x, y);
        return (p & image->red_mask) == image->red_mask && (p & (image->green_mask | image->blue_mask)) == 0;
    };
    const auto isBlack = [&](int x, int y) { return (XGetPixel(image, x, y) & 0xffffffu) == 0; };
    struct Sample {
        int x, y;
        bool red;
    };
    const int cx = v.x + v.w / 2, cy = v.y + v.h / 2;
    const Sample samples[] = {
        {cx, v.y, true},
        {cx, v.y + v.h - 1, true},
        {v.x, cy, true},
        {v.x + v.w - 1, cy, true},
        {cx, v.y - 1, false},
        {cx, v.y + v.h, false},
        {v.x - 1, cy, false},
        {v.x + v.w, cy, false},
    };
    std::string wrong;
    for (const Sample& s : samples) {
        if (s.x < 0 || s.y < 0 || s.x >= w || s.y >= h) continue;
        if (s.red ? isRed(s.x, s.y) : isBlack(s.x, s.y)) continue;
        wrong += "(" + std::to_string(s.x) + "," + std::to_string(s.y) + ") is not " + (s.red ? "red" : "black") + "; ";
    }
    XDestroyImage(image);
    return wrong;
}

// Presents red frames until the window shows them (CheckPicture finds
// nothing wrong) or about 20 seconds have passed; what was last wrong.
std::string PresentRedUntilShown(Display* display, ::Window window, const Geometry& g)
{
    std::string wrong = "nothing presented";
    for (int attempt = 0; attempt < 400 && !wrong.empty(); ++attempt) {
        plat::PumpMessages();
        plat::ClearBackBuffer(1.0f, 0.0f, 0.0f, 1.0f);
        if (!plat::PresentBackBuffer()) return "the frame could not be presented";
        XSync(display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        wrong = CheckPicture(display, window, g.w, g.h);
    }
    return wrong;
}

// The pointer put at a point of the screen: the window reads it there at
// once, with no move event, in its own pixels and on the field.
void CheckPointer(Display* display, const Geometry& g, int screenX, int screenY)
{
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, screenX, screenY);
    XSync(display, False);
    int x = -1, y = -1;
    ASSERT_TRUE(plat::ReadPointerPosition(&x, &y));
    EXPECT_EQ(x, screenX - g.x);
    EXPECT_EQ(y, screenY - g.y);
    int cx = -1, cy = -1;
    plat::CursorPosition(&cx, &cy);
    EXPECT_EQ(cx, x);
    EXPECT_EQ(cy, y);
    const plat::Viewport v = plat::LetterboxViewport(g.w, g.h);
    float fx = -1, fy = -1;
    ASSERT_TRUE(plat::MainWindowToField(x, y, &fx, &fy));
    EXPECT_NEAR(fx, (x - v.x) * float(plat::kFieldWidth) / float(v.w), 1.0f);
    EXPECT_NEAR(fy, (y - v.y) * float(plat::kFieldHeight) / float(v.h), 1.0f);
}

} // namespace

TEST(X11Window, FullScreenWithoutWindowManagerCoversTheDisplay)
{
    kit::ServidorX server;
    const std::string display = server.Inicia("1280x1024x24");
    if (display.empty()) GTEST_SKIP() << "no Xvfb to run an X server";
    EXPECT_EQ(kit::EjecutaBajoX(display, ProbeUnderOwnServer), 0);
}

// Run by the test above in a child process under its X server; failures are
// reported by the child's own gtest output and its exit status.
void ProbeUnderOwnServer()
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int screenW = DisplayWidth(display, DefaultScreen(display));
    const int screenH = DisplayHeight(display, DefaultScreen(display));
    ASSERT_TRUE(plat::CreateMainWindow(kCaption, true));
    const ::Window window = FindWindow(display, kCaption);
    ASSERT_NE(window, 0u);
    // A second context makes the main one rest on a hidden window of its own
    // and bind the window only to present.
    void* shared = plat::CreateSharedContext();
    ASSERT_NE(shared, nullptr);

    struct Step {
        bool fullscreen;
        Geometry expected;
    } steps[] = {
        {true, {0, 0, screenW, screenH}},
        {false, {(screenW - plat::kFieldWidth) / 2, (screenH - plat::kFieldHeight) / 2, plat::kFieldWidth, plat::kFieldHeight}},
        {true, {0, 0, screenW, screenH}},
    };
    bool first = true;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.fullscreen ? "full screen" : "windowed");
        if (!first) {
            ASSERT_TRUE(plat::SetFullscreen(s.fullscreen));
        }
        first = false;
        const Geometry g = WindowGeometry(display, window);
        EXPECT_EQ(g.x, s.expected.x);
        EXPECT_EQ(g.y, s.expected.y);
        EXPECT_EQ(g.w, s.expected.w);
        EXPECT_EQ(g.h, s.expected.h);
        int w = 0, h = 0;
        plat::GetWindowSize(&w, &h);
        EXPECT_EQ(w, g.w);
        EXPECT_EQ(h, g.h);

        // The real pointer, read after each switch.
        CheckPointer(display, g, g.x + g.w / 3, g.y + g.h / 4);

        // The pointer at the viewport's corners and centre.
        const plat::Viewport v = plat::LetterboxViewport(g.w, g.h);
        float fx = -1, fy = -1;
        ASSERT_TRUE(plat::MainWindowToField(v.x, v.y, &fx, &fy));
        EXPECT_NEAR(fx, 0.0f, 0.01f);
        EXPECT_NEAR(fy, 0.0f, 0.01f);
        ASSERT_TRUE(plat::MainWindowToField(v.x + v.w / 2, v.y + v.h / 2, &fx, &fy));
        EXPECT_NEAR(fx, plat::kFieldWidth / 2.0f, 1.0f);
        EXPECT_NEAR(fy, plat::kFieldHeight / 2.0f, 1.0f);

        // The picture: presented frames reach the X server in their own time
        // (on a loaded machine, a good while).
        EXPECT_EQ(PresentRedUntilShown(display, window, g), "");
    }
    plat::DeleteSharedContext(shared);
    plat::DestroyMainWindow();
    XCloseDisplay(display);
}

// Where the place for each screen comes from: 1024x768 where it fits, else
// the largest 4:3 size that does, centred in the usable part, borders
// included.
TEST(WindowPlace, FitsTheUsableScreenKeepingTheShape)
{
    struct Case {
        int ux, uy, uw, uh, top, left, bottom, right;
        plat::Viewport expected;
    } cases[] = {
        {0, 0, 1280, 1024, 0, 0, 0, 0, {128, 128, 1024, 768}},
        {0, 0, 1024, 768, 0, 0, 0, 0, {0, 0, 1024, 768}},
        {0, 0, 800, 600, 0, 0, 0, 0, {0, 0, 800, 600}},
        {0, 0, 800, 600, 24, 2, 2, 2, {17, 24, 765, 574}},
        {0, 28, 1024, 740, 30, 0, 0, 0, {39, 58, 946, 710}},
        {100, 0, 1366, 768, 0, 0, 0, 0, {100 + 171, 0, 1024, 768}},
        {0, 0, 100, 50, 0, 0, 0, 0, {0, 0, 256, 192}},
    };
    for (const Case& c : cases) {
        const plat::Viewport p = plat::WindowedPlace(c.ux, c.uy, c.uw, c.uh, c.top, c.left, c.bottom, c.right);
        SCOPED_TRACE(std::to_string(c.uw) + "x" + std::to_string(c.uh));
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
        EXPECT_EQ(p.w, c.expected.w);
        EXPECT_EQ(p.h, c.expected.h);
    }
}

TEST(X11Window, OnASmallScreenTheWindowFitsAndKeepsItsShape)
{
    kit::ServidorX server;
    const std::string display = server.Inicia("800x600x24");
    if (display.empty()) GTEST_SKIP() << "no Xvfb to run an X server";
    EXPECT_EQ(kit::EjecutaBajoX(display, ProbeSmallScreen), 0);
}

// On an 800x600 screen the windowed window is scaled down to the screen,
// keeps 4:3 and lies on it, from the start and after switches; its picture
// is the whole field in that size; the pointer is read where it is.
void ProbeSmallScreen()
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int screenW = DisplayWidth(display, DefaultScreen(display));
    const int screenH = DisplayHeight(display, DefaultScreen(display));
    ASSERT_TRUE(plat::CreateMainWindow(kCaption, false));
    const ::Window window = FindWindow(display, kCaption);
    ASSERT_NE(window, 0u);
    for (bool fullscreen : {false, true, false}) {
        SCOPED_TRACE(fullscreen ? "full screen" : "windowed");
        if (fullscreen != plat::IsFullscreen()) {
            ASSERT_TRUE(plat::SetFullscreen(fullscreen));
        }
        const Geometry g = WindowGeometry(display, window);
        EXPECT_GE(g.x, 0);
        EXPECT_GE(g.y, 0);
        EXPECT_LE(g.x + g.w, screenW);
        EXPECT_LE(g.y + g.h, screenH);
        if (fullscreen) {
            EXPECT_EQ(g.w, screenW);
            EXPECT_EQ(g.h, screenH);
        } else {
            EXPECT_EQ(g.w * 3, g.h * 4) << g.w << "x" << g.h;
            EXPECT_GE(g.w, screenW - 4);
        }
        CheckPointer(display, g, g.x + g.w / 2, g.y + g.h / 2);
        EXPECT_EQ(PresentRedUntilShown(display, window, g), "");
    }
    plat::DestroyMainWindow();
    XCloseDisplay(display);
}
