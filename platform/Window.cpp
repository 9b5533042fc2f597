#include "platform/Window.h"

#include "platform/EventHooks.h"
#include "platform/NativeWindow.h"
#include "platform/Platform.h"

#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <epoxy/gl.h>
#include <mutex>
#include <vector>

namespace plat {
namespace {

struct Hook {
    EventHook fn;
    void* user;
};

// One GL context and what belongs to it alone: its view of the back buffer
// (framebuffer objects are not shared between contexts) and, once a second
// context exists, a hidden window it stays bound to between frames. A window
// surface may be current in only one context at a time (EGL), so each context
// binds the main window only while it presents.
struct GLContextRecord {
    SDL_GLContext context = nullptr;
    SDL_Window* park = nullptr;
    GLuint fbo = 0;
};

struct WindowState {
    SDL_Window* window = nullptr;
    // Every context may keep the window bound at once (GLX): no context needs
    // a hidden window to rest on, and none rebinds the window per frame.
    bool windowShared = false;
    SDL_GLContext context = nullptr;
    bool fullscreen = false;
    // Full screen without a window manager: the window was made to cover the
    // display here and goes back to its windowed place here too.
    bool coveringDisplay = false;
    // Under X11, what the window really measures (0x0 while minimised), kept
    // by the main thread and read by whichever thread presents: in the units
    // of mouse events and in drawable pixels. Elsewhere SDL is asked each time.
    std::atomic<bool> measured{false};
    std::atomic<int> areaWidth{0}, areaHeight{0}, pixelWidth{0}, pixelHeight{0};
    GLuint fbo = 0, colour = 0, depth = 0;
    GLContextRecord main;
    int sharedContexts = 0;
    bool closePosted = false;
    // Windowed and placed before the window manager said how wide its frame
    // is: placed again once it has.
    bool placePending = false;
    WindowMessageHandler handler = nullptr;
    void* handlerUser = nullptr;
    std::vector<Hook> hooks;
};

WindowState g_win;
std::recursive_mutex g_hookMutex;
// The context record current on this thread (null: the main one, or none).
thread_local GLContextRecord* t_context = nullptr;

GLContextRecord* CurrentRecord() { return t_context ? t_context : &g_win.main; }

// Under GLX a window may be current in several contexts at once; under EGL
// (and so with the offscreen driver) only in one.
bool ContextsShareWindow()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "x11") == 0 && !SDL_GetHintBoolean(SDL_HINT_VIDEO_X11_FORCE_EGL, SDL_FALSE);
}

SDL_Window* CreateParkWindow()
{
    return SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1, 1,
                            SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
}

// The surface a context is bound to between frames.
SDL_Window* RestingSurface(const GLContextRecord* r) { return r->park ? r->park : g_win.window; }

// A framebuffer object of this context on the shared back-buffer storage.
GLuint MakeContextFramebuffer()
{
    GLuint fbo = 0;
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, g_win.colour, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, g_win.depth);
    glViewport(0, 0, kFieldWidth, kFieldHeight);
    return fbo;
}

bool CreateBackBuffer()
{
    glGenFramebuffers(1, &g_win.fbo);
    glGenTextures(1, &g_win.colour);
    glBindTexture(GL_TEXTURE_2D, g_win.colour);
    // Stored in the order of the window's own pixels where the driver can choose:
    // a copy of the same size into the window is then a plain copy of memory.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kFieldWidth, kFieldHeight, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glGenRenderbuffers(1, &g_win.depth);
    glBindRenderbuffer(GL_RENDERBUFFER, g_win.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, kFieldWidth, kFieldHeight);
    glBindFramebuffer(GL_FRAMEBUFFER, g_win.fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, g_win.colour, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, g_win.depth);
    bool ok = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glViewport(0, 0, kFieldWidth, kFieldHeight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return ok;
}

void DeleteBackBuffer()
{
    if (g_win.fbo) glDeleteFramebuffers(1, &g_win.fbo);
    if (g_win.colour) glDeleteTextures(1, &g_win.colour);
    if (g_win.depth) glDeleteRenderbuffers(1, &g_win.depth);
    g_win.fbo = g_win.colour = g_win.depth = 0;
}

// The GL driver's libraries are loaded by SDL and unloaded again when the
// window goes. Keeping them mapped until exit costs nothing and lets leak
// reports from inside them name their library.
int PinDriverLibrary(struct dl_phdr_info* info, size_t, void*)
{
    const char* name = info->dlpi_name;
    if (!name || !*name) return 0;
    static const char* const kDriverParts[] = {"dri", "mesa", "EGL", "GLX", "libGL", "LLVM", "gallium", "glapi"};
    for (const char* part : kDriverParts) {
        if (std::strstr(name, part)) {
            dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            break;
        }
    }
    return 0;
}

bool Minimised() { return (SDL_GetWindowFlags(g_win.window) & SDL_WINDOW_MINIMIZED) != 0; }

void StoreWindowSize(int width, int height)
{
    g_win.areaWidth = g_win.pixelWidth = width;
    g_win.areaHeight = g_win.pixelHeight = height;
}

// Measures the window where the window system can be asked. SDL's record of
// the size holds what was requested (under X11 a full-screen window covers the
// display) even when nobody carried it out.
void RefreshWindowSize()
{
    int w = 0, h = 0;
    g_win.measured = g_win.window && NativeWindowSize(g_win.window, &w, &h);
    if (g_win.measured && Minimised()) w = h = 0;
    StoreWindowSize(w, h);
}

// The window's size in the units of its mouse events and in drawable pixels
// (0x0 while minimised or when there is none).
void WindowSizes(int* areaWidth, int* areaHeight, int* pixelWidth, int* pixelHeight)
{
    if (g_win.measured) {
        *areaWidth = g_win.areaWidth;
        *areaHeight = g_win.areaHeight;
        *pixelWidth = g_win.pixelWidth;
        *pixelHeight = g_win.pixelHeight;
        return;
    }
    *areaWidth = *areaHeight = *pixelWidth = *pixelHeight = 0;
    if (!g_win.window || Minimised()) return;
    SDL_GetWindowSize(g_win.window, areaWidth, areaHeight);
    SDL_GL_GetDrawableSize(g_win.window, pixelWidth, pixelHeight);
}

SDL_Rect DisplayBounds()
{
    SDL_Rect bounds{0, 0, kFieldWidth, kFieldHeight};
    const int display = SDL_GetWindowDisplayIndex(g_win.window);
    if (display >= 0) SDL_GetDisplayBounds(display, &bounds);
    return bounds;
}

// Full screen is the window manager's job; with none running nothing would
// change but SDL's record. The window then covers the display itself.
void CoverDisplayIfUnmanaged()
{
    if (NativeWindowManaged(g_win.window)) return;
    const SDL_Rect b = DisplayBounds();
    NativeMoveResize(g_win.window, b.x, b.y, b.w, b.h);
    g_win.coveringDisplay = true;
}

// Where the windowed client area goes on the window's display now.
Viewport WindowedPlaceNow()
{
    SDL_Rect u{0, 0, kFieldWidth, kFieldHeight};
    const int display = g_win.window ? SDL_GetWindowDisplayIndex(g_win.window) : 0;
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &u) != 0) SDL_GetDisplayBounds(0, &u);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (g_win.window && !(SDL_GetWindowFlags(g_win.window) & SDL_WINDOW_FULLSCREEN) &&
        SDL_GetWindowBordersSize(g_win.window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    return WindowedPlace(u.x, u.y, u.w, u.h, top, left, bottom, right);
}

// Whether the frame the window manager puts around the window is known
// (none without a manager).
bool FrameKnown()
{
    if (!NativeWindowManaged(g_win.window)) return true;
    int top = 0, left = 0, bottom = 0, right = 0;
    return SDL_GetWindowBordersSize(g_win.window, &top, &left, &bottom, &right) == 0 &&
           (top > 0 || left > 0 || bottom > 0 || right > 0);
}

void PlaceWindowed()
{
    g_win.placePending = !FrameKnown();
    const Viewport p = WindowedPlaceNow();
    int w = 0, h = 0, x = 0, y = 0;
    SDL_GetWindowSize(g_win.window, &w, &h);
    SDL_GetWindowPosition(g_win.window, &x, &y);
    if (w != p.w || h != p.h) SDL_SetWindowSize(g_win.window, p.w, p.h);
    if (x != p.x || y != p.y) SDL_SetWindowPosition(g_win.window, p.x, p.y);
}

void UncoverDisplay()
{
    if (!g_win.coveringDisplay) return;
    const Viewport p = WindowedPlaceNow();
    NativeMoveResize(g_win.window, p.x, p.y, p.w, p.h);
    g_win.coveringDisplay = false;
}

void Post(WindowMessage m)
{
    // One close request per pump: a click on the close box arrives both as a
    // window event and as the application's quit request.
    if (m == WindowMessage::Close) {
        if (g_win.closePosted) return;
        g_win.closePosted = true;
    }
    if (g_win.handler) g_win.handler(m, g_win.handlerUser);
}

} // namespace

Viewport LetterboxViewport(int windowWidth, int windowHeight)
{
    Viewport v;
    if (windowWidth <= 0 || windowHeight <= 0) return v;
    // Compare aspect ratios in integers: w/h against 1024/768.
    if (static_cast<long long>(windowWidth) * kFieldHeight >= static_cast<long long>(windowHeight) * kFieldWidth) {
        v.h = windowHeight;
        v.w = static_cast<int>(static_cast<long long>(windowHeight) * kFieldWidth / kFieldHeight);
    } else {
        v.w = windowWidth;
        v.h = static_cast<int>(static_cast<long long>(windowWidth) * kFieldHeight / kFieldWidth);
    }
    v.x = (windowWidth - v.w) / 2;
    v.y = (windowHeight - v.h) / 2;
    return v;
}

Viewport WindowedPlace(int usableX, int usableY, int usableW, int usableH, int borderTop, int borderLeft,
                       int borderBottom, int borderRight)
{
    const int availW = usableW - std::max(0, borderLeft) - std::max(0, borderRight);
    const int availH = usableH - std::max(0, borderTop) - std::max(0, borderBottom);
    Viewport p;
    if (availW >= kFieldWidth && availH >= kFieldHeight) {
        p.w = kFieldWidth;
        p.h = kFieldHeight;
    } else {
        // Never less than a quarter of the field, however small the screen.
        const Viewport v = LetterboxViewport(std::max(availW, kFieldWidth / 4), std::max(availH, kFieldHeight / 4));
        p.w = v.w;
        p.h = v.h;
    }
    p.x = usableX + std::max(0, borderLeft) + std::max(0, (availW - p.w) / 2);
    p.y = usableY + std::max(0, borderTop) + std::max(0, (availH - p.h) / 2);
    return p;
}

bool CreateMainWindow(const char* caption, bool fullscreen)
{
    if (g_win.window) return true;
    if (!Init()) return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The window only receives the back buffer's copy: it needs no depth,
    // stencil or samples of its own (the back buffer has its own depth).
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    // Made hidden, in its final mode and place, and shown once: no frame of
    // another size or mode shows first.
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    const Viewport place = WindowedPlaceNow();
    g_win.window = SDL_CreateWindow(caption, place.x, place.y, place.w, place.h, flags);
    if (!g_win.window) {
        ReportError("cannot create the window: %s", SDL_GetError());
        Shutdown();
        return false;
    }
    g_win.context = SDL_GL_CreateContext(g_win.window);
    if (!g_win.context || epoxy_gl_version() < 33) {
        ReportError("cannot create an OpenGL 3.3 context: %s", SDL_GetError());
        DestroyMainWindow();
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    dl_iterate_phdr(PinDriverLibrary, nullptr);
    if (!CreateBackBuffer()) {
        ReportError("cannot create the back buffer");
        DestroyMainWindow();
        return false;
    }
    g_win.fullscreen = fullscreen;
    g_win.windowShared = ContextsShareWindow();
    ListenToNativeEvents();
    // Black wherever nothing was presented yet.
    SetNativeBackgroundBlack(g_win.window);
    if (fullscreen) CoverDisplayIfUnmanaged();
    SDL_ShowWindow(g_win.window);
    // Shown, the window's frame is known: placed again with it, so that the
    // title bar and its close box are on the screen too.
    if (!fullscreen) PlaceWindowed();
    RefreshWindowSize();
    g_win.main = GLContextRecord{g_win.context, nullptr, g_win.fbo};
    t_context = &g_win.main;
    SDL_DisableScreenSaver();
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void DestroyMainWindow()
{
    if (!g_win.window) return;
    if (g_win.context) {
        SDL_GL_MakeCurrent(g_win.window, g_win.context);
        DeleteBackBuffer();
        SDL_GL_MakeCurrent(g_win.window, nullptr);
        SDL_GL_DeleteContext(g_win.context);
        g_win.context = nullptr;
    }
    if (g_win.main.park) SDL_DestroyWindow(g_win.main.park);
    g_win.main = GLContextRecord{};
    t_context = nullptr;
    SDL_DestroyWindow(g_win.window);
    g_win.window = nullptr;
    g_win.coveringDisplay = false;
    g_win.placePending = false;
    g_win.measured = false;
    StoreWindowSize(0, 0);
    SDL_EnableScreenSaver();
    Shutdown();
}

bool MainWindowExists() { return g_win.window != nullptr; }

void* MainWindowHandle() { return g_win.window; }

SDL_Window* MainSdlWindow() { return g_win.window; }

bool SetFullscreen(bool fullscreen)
{
    if (!g_win.window) return false;
    if (SDL_SetWindowFullscreen(g_win.window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
    g_win.placePending = false;
    if (fullscreen) {
        CoverDisplayIfUnmanaged();
    } else if (g_win.coveringDisplay) {
        UncoverDisplay();
    } else {
        PlaceWindowed();
    }
    g_win.fullscreen = fullscreen;
    RefreshWindowSize();
    return true;
}

bool IsFullscreen() { return g_win.fullscreen; }

void GetWindowSize(int* width, int* height)
{
    int aw, ah, pw, ph;
    WindowSizes(&aw, &ah, &pw, &ph);
    if (width) *width = pw;
    if (height) *height = ph;
}

void GetWindowArea(int* width, int* height)
{
    int aw, ah, pw, ph;
    WindowSizes(&aw, &ah, &pw, &ph);
    if (width) *width = aw;
    if (height) *height = ah;
}

void SetWindowMessageHandler(WindowMessageHandler handler, void* user)
{
    g_win.handler = handler;
    g_win.handlerUser = user;
}

void AddEventHook(EventHook hook, void* user)
{
    std::lock_guard<std::recursive_mutex> lock(g_hookMutex);
    g_win.hooks.push_back({hook, user});
}

void RemoveEventHook(EventHook hook, void* user)
{
    std::lock_guard<std::recursive_mutex> lock(g_hookMutex);
    auto& h = g_win.hooks;
    h.erase(std::remove_if(h.begin(), h.end(), [&](const Hook& x) { return x.fn == hook && x.user == user; }), h.end());
}

void PumpMessages()
{
    if (!IsInitialised()) return;
    SDL_Event e;
    g_win.closePosted = false;
    while (SDL_PollEvent(&e)) {
        if (g_win.placePending && !g_win.fullscreen && g_win.window && FrameKnown()) PlaceWindowed();
        int w = 0, h = 0;
        if (NativeResizeEvent(e, g_win.window, &w, &h)) {
            if (!Minimised()) StoreWindowSize(w, h);
        } else if (e.type == SDL_QUIT) {
            Post(WindowMessage::Close);
        } else if (e.type == SDL_WINDOWEVENT && g_win.window && e.window.windowID == SDL_GetWindowID(g_win.window)) {
            switch (e.window.event) {
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_MINIMIZED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_SHOWN: RefreshWindowSize(); break;
            case SDL_WINDOWEVENT_CLOSE: Post(WindowMessage::Close); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED: Post(WindowMessage::Activate); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: Post(WindowMessage::Deactivate); break;
            default: break;
            }
        }
        std::vector<Hook> hooks;
        {
            std::lock_guard<std::recursive_mutex> lock(g_hookMutex);
            hooks = g_win.hooks;
        }
        for (const Hook& h : hooks) h.fn(e, h.user);
    }
}

void PushWindowEvent(WindowMessage message)
{
    if (!g_win.window) return;
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(g_win.window);
    switch (message) {
    case WindowMessage::Close: e.window.event = SDL_WINDOWEVENT_CLOSE; break;
    case WindowMessage::Activate: e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED; break;
    case WindowMessage::Deactivate: e.window.event = SDL_WINDOWEVENT_FOCUS_LOST; break;
    }
    SDL_PushEvent(&e);
    if (message == WindowMessage::Close) {
        SDL_Event q{};
        q.type = SDL_QUIT;
        SDL_PushEvent(&q);
    }
}

void ShowSystemCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

bool MakeMainContextCurrent()
{
    if (!g_win.window || !g_win.context) return false;
    if (SDL_GL_MakeCurrent(RestingSurface(&g_win.main), g_win.context) != 0) return false;
    t_context = &g_win.main;
    return true;
}

void ReleaseCurrentContext()
{
    if (g_win.window) SDL_GL_MakeCurrent(g_win.window, nullptr);
    t_context = nullptr;
}

namespace {

// A shared context that keeps the window bound like the main one.
void* CreateContextOnWindow()
{
    if (!MakeMainContextCurrent()) return nullptr;
    auto* r = new GLContextRecord;
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    r->context = SDL_GL_CreateContext(g_win.window);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    if (r->context) {
        r->fbo = MakeContextFramebuffer();
        glFinish();
    }
    MakeMainContextCurrent();
    if (!r->context) {
        delete r;
        return nullptr;
    }
    ++g_win.sharedContexts;
    return r;
}

} // namespace

void* CreateSharedContext()
{
    if (!g_win.window || !g_win.context) return nullptr;
    if (g_win.windowShared) return CreateContextOnWindow();
    // From now on no context keeps the main window bound between frames.
    if (!g_win.main.park) {
        g_win.main.park = CreateParkWindow();
        if (!g_win.main.park) return nullptr;
    }
    auto* r = new GLContextRecord;
    r->park = CreateParkWindow();
    // The new context shares with the one current on this thread.
    if (!r->park || !MakeMainContextCurrent()) {
        if (r->park) SDL_DestroyWindow(r->park);
        delete r;
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    r->context = SDL_GL_CreateContext(r->park);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    if (r->context) {
        // Made current by its creation: build its view of the back buffer.
        r->fbo = MakeContextFramebuffer();
        glFinish();
    }
    // Give the main context back to this thread.
    MakeMainContextCurrent();
    if (!r->context) {
        SDL_DestroyWindow(r->park);
        delete r;
        return nullptr;
    }
    ++g_win.sharedContexts;
    return r;
}

bool MakeContextCurrent(void* context)
{
    auto* r = static_cast<GLContextRecord*>(context);
    if (!g_win.window || !r || !r->context) return false;
    if (SDL_GL_MakeCurrent(RestingSurface(r), r->context) != 0) return false;
    t_context = r;
    glBindFramebuffer(GL_FRAMEBUFFER, r->fbo);
    glViewport(0, 0, kFieldWidth, kFieldHeight);
    return true;
}

void DeleteSharedContext(void* context)
{
    auto* r = static_cast<GLContextRecord*>(context);
    if (!r) return;
    GLContextRecord* previous = t_context;
    if (r->context && SDL_GL_MakeCurrent(RestingSurface(r), r->context) == 0) {
        if (r->fbo) glDeleteFramebuffers(1, &r->fbo);
        SDL_GL_MakeCurrent(RestingSurface(r), nullptr);
    }
    if (r->context) SDL_GL_DeleteContext(r->context);
    if (r->park) SDL_DestroyWindow(r->park);
    --g_win.sharedContexts;
    delete r;
    // Restore what this thread had current.
    if (previous && previous != r && previous->context) {
        SDL_GL_MakeCurrent(RestingSurface(previous), previous->context);
        t_context = previous;
    } else {
        t_context = nullptr;
    }
}

unsigned BackBufferFramebuffer() { return CurrentRecord()->fbo; }

void BindBackBuffer()
{
    glBindFramebuffer(GL_FRAMEBUFFER, CurrentRecord()->fbo);
    glViewport(0, 0, kFieldWidth, kFieldHeight);
}

void ClearBackBuffer(float r, float g, float b, float a)
{
    BindBackBuffer();
    glClearColor(r, g, b, a);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

namespace {

// Clears the parts of the window outside the viewport to black.
void ClearBars(int w, int h, const Viewport& v)
{
    if (v.x <= 0 && v.y <= 0 && v.w >= w && v.h >= h) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    glClearColor(0, 0, 0, 1);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    if (v.w <= 0 || v.h <= 0) {
        glDisable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    glEnable(GL_SCISSOR_TEST);
    // Window rectangles, y up: below and above the viewport, then left and
    // right of it.
    const int top = h - v.y, bottom = h - (v.y + v.h);
    const int rects[4][4] = {
        {0, 0, w, bottom}, {0, top, w, h - top}, {0, bottom, v.x, v.h}, {v.x + v.w, bottom, w - (v.x + v.w), v.h}};
    for (const auto& r : rects) {
        if (r[2] <= 0 || r[3] <= 0) continue;
        glScissor(r[0], r[1], r[2], r[3]);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

} // namespace

bool PresentBackBuffer()
{
    GLContextRecord* r = CurrentRecord();
    if (!g_win.window || !r->fbo || !r->context) return false;
    // Bind the window only for this frame when contexts take turns on it.
    if (r->park && SDL_GL_MakeCurrent(g_win.window, r->context) != 0) return false;
    // The window's real size, not SDL's record of it (see RefreshWindowSize).
    int w = 0, h = 0;
    GetWindowSize(&w, &h);
    Viewport v = LetterboxViewport(w, h);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, w, h);
    // Only the bars are cleared: the copy covers the rest.
    ClearBars(w, h, v);
    if (v.w > 0 && v.h > 0) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, r->fbo);
        // Field row 0 is GL row 767 in both framebuffers: a straight copy keeps
        // it at the top. The window's y runs up, the viewport's down.
        int y0 = h - (v.y + v.h);
        const bool same = v.w == kFieldWidth && v.h == kFieldHeight;
        glBlitFramebuffer(0, 0, kFieldWidth, kFieldHeight, v.x, y0, v.x + v.w, y0 + v.h, GL_COLOR_BUFFER_BIT,
                          same ? GL_NEAREST : GL_LINEAR);
    }
    SDL_GL_SwapWindow(g_win.window);
    // Another context may draw next: the frame's commands must be complete
    // before the caller lets it (shared objects are only coherent across
    // contexts once finished).
    if (g_win.sharedContexts > 0) glFinish();
    if (r->park) SDL_GL_MakeCurrent(r->park, r->context);
    BindBackBuffer();
    return true;
}

bool ReadBackBuffer(std::vector<uint8_t>* rgba)
{
    GLuint fbo = CurrentRecord()->fbo;
    if (!fbo || !rgba) return false;
    std::vector<uint8_t> raw(static_cast<size_t>(kFieldWidth) * kFieldHeight * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kFieldWidth, kFieldHeight, GL_RGBA, GL_UNSIGNED_BYTE, raw.data());
    rgba->resize(raw.size());
    const size_t row = static_cast<size_t>(kFieldWidth) * 4;
    for (int y = 0; y < kFieldHeight; ++y)
        std::copy_n(raw.data() + (kFieldHeight - 1 - y) * row, row, rgba->data() + y * row);
    return glGetError() == GL_NO_ERROR;
}

} // namespace plat

namespace plat {

unsigned TakeGLError()
{
    unsigned first = GL_NO_ERROR;
    for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError())
        if (first == GL_NO_ERROR) first = e;
    return first;
}

bool UploadScratchTexture(int width, int height, uint8_t shade)
{
    if (width <= 0 || height <= 0) return false;
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4, shade);
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &tex);
    return tex != 0;
}

} // namespace plat
