#include "platform/NativeWindow.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plat {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

bool X11Handles(SDL_Window* window, Display** display, ::Window* handle)
{
    if (!window) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    *display = info.info.x11.display;
    *handle = info.info.x11.window;
    return *display != nullptr && *handle != 0;
}

} // namespace

bool NativeWindowSize(SDL_Window* window, int* width, int* height)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle)) return false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, handle, &attributes)) return false;
    *width = attributes.width;
    *height = attributes.height;
    return true;
}

bool NativeWindowManaged(SDL_Window* window)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle)) return true;
    // A running manager following the usual conventions names its check
    // window on the root window.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &items, &after, &data);
    const bool managed = status == Success && type == XA_WINDOW && items == 1;
    if (data) XFree(data);
    return managed;
}

void ListenToNativeEvents() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

bool NativeResizeEvent(const SDL_Event& event, SDL_Window* window, int* width, int* height)
{
    if (event.type != SDL_SYSWMEVENT || !event.syswm.msg || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type != ConfigureNotify) return false;
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle) || x.xconfigure.window != handle) return false;
    *width = x.xconfigure.width;
    *height = x.xconfigure.height;
    return true;
}

bool NativePointer(SDL_Window* window, int* x, int* y)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle)) return false;
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned mask = 0;
    if (!XQueryPointer(display, handle, &root, &child, &rootX, &rootY, &winX, &winY, &mask)) return false;
    *x = winX;
    *y = winY;
    return true;
}

void SetNativeBackgroundBlack(SDL_Window* window)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle)) return;
    XSetWindowBackground(display, handle, BlackPixel(display, DefaultScreen(display)));
    XFlush(display);
}

void NativeMoveResize(SDL_Window* window, int x, int y, int width, int height)
{
    Display* display = nullptr;
    ::Window handle = 0;
    if (!X11Handles(window, &display, &handle) || width <= 0 || height <= 0) return;
    XMoveResizeWindow(display, handle, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XRaiseWindow(display, handle);
    XSync(display, False);
}

#else

bool NativeWindowSize(SDL_Window*, int*, int*) { return false; }
bool NativeWindowManaged(SDL_Window*) { return true; }
void ListenToNativeEvents() {}
bool NativeResizeEvent(const SDL_Event&, SDL_Window*, int*, int*) { return false; }
bool NativePointer(SDL_Window*, int*, int*) { return false; }
void SetNativeBackgroundBlack(SDL_Window*) {}
void NativeMoveResize(SDL_Window*, int, int, int, int) {}

#endif

} // namespace plat
