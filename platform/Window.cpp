#include "platform/Window.h"

#include "platform/EventHooks.h"
#include "platform/Platform.h"

#include <SDL.h>
#include <algorithm>
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

struct WindowState {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool fullscreen = false;
    GLuint fbo = 0, colour = 0, depth = 0;
    WindowMessageHandler handler = nullptr;
    void* handlerUser = nullptr;
    std::vector<Hook> hooks;
};

WindowState g_win;
std::recursive_mutex g_hookMutex;

bool CreateBackBuffer()
{
    glGenFramebuffers(1, &g_win.fbo);
    glGenTextures(1, &g_win.colour);
    glBindTexture(GL_TEXTURE_2D, g_win.colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kFieldWidth, kFieldHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
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

void Post(WindowMessage m)
{
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

bool CreateMainWindow(const char* caption, bool fullscreen)
{
    if (g_win.window) return true;
    if (!Init()) return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    g_win.window = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    kFieldWidth, kFieldHeight, flags);
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
    SDL_DestroyWindow(g_win.window);
    g_win.window = nullptr;
    SDL_EnableScreenSaver();
    Shutdown();
}

bool MainWindowExists() { return g_win.window != nullptr; }

SDL_Window* MainSdlWindow() { return g_win.window; }

bool SetFullscreen(bool fullscreen)
{
    if (!g_win.window) return false;
    if (SDL_SetWindowFullscreen(g_win.window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
    if (!fullscreen) SDL_SetWindowSize(g_win.window, kFieldWidth, kFieldHeight);
    g_win.fullscreen = fullscreen;
    return true;
}

bool IsFullscreen() { return g_win.fullscreen; }

void GetWindowSize(int* width, int* height)
{
    int w = 0, h = 0;
    if (g_win.window) {
        SDL_GL_GetDrawableSize(g_win.window, &w, &h);
        if (SDL_GetWindowFlags(g_win.window) & SDL_WINDOW_MINIMIZED) w = h = 0;
    }
    if (width) *width = w;
    if (height) *height = h;
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
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT) {
            Post(WindowMessage::Close);
        } else if (e.type == SDL_WINDOWEVENT && g_win.window && e.window.windowID == SDL_GetWindowID(g_win.window)) {
            switch (e.window.event) {
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

void ShowSystemCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

bool MakeMainContextCurrent()
{
    if (!g_win.window || !g_win.context) return false;
    return SDL_GL_MakeCurrent(g_win.window, g_win.context) == 0;
}

void ReleaseCurrentContext()
{
    if (g_win.window) SDL_GL_MakeCurrent(g_win.window, nullptr);
}

void* CreateSharedContext()
{
    if (!g_win.window) return nullptr;
    // The new context shares with the one current on this thread.
    if (!MakeMainContextCurrent()) return nullptr;
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    SDL_GLContext c = SDL_GL_CreateContext(g_win.window);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    // SDL_GL_CreateContext makes the new context current: give the main one back.
    MakeMainContextCurrent();
    return c;
}

bool MakeContextCurrent(void* context)
{
    if (!g_win.window) return false;
    return SDL_GL_MakeCurrent(g_win.window, static_cast<SDL_GLContext>(context)) == 0;
}

void DeleteSharedContext(void* context)
{
    if (context) SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
}

unsigned BackBufferFramebuffer() { return g_win.fbo; }

void BindBackBuffer()
{
    glBindFramebuffer(GL_FRAMEBUFFER, g_win.fbo);
    glViewport(0, 0, kFieldWidth, kFieldHeight);
}

void ClearBackBuffer(float r, float g, float b, float a)
{
    BindBackBuffer();
    glClearColor(r, g, b, a);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

bool PresentBackBuffer()
{
    if (!g_win.window || !g_win.fbo) return false;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(g_win.window, &w, &h);
    Viewport v = LetterboxViewport(w, h);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, w, h);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (v.w > 0 && v.h > 0) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, g_win.fbo);
        // Field row 0 is GL row 767 in both framebuffers: a straight copy keeps
        // it at the top. The window's y runs up, the viewport's down.
        int y0 = h - (v.y + v.h);
        glBlitFramebuffer(0, 0, kFieldWidth, kFieldHeight, v.x, y0, v.x + v.w, y0 + v.h,
                          GL_COLOR_BUFFER_BIT, GL_LINEAR);
    }
    SDL_GL_SwapWindow(g_win.window);
    BindBackBuffer();
    return true;
}

bool ReadBackBuffer(std::vector<uint8_t>* rgba)
{
    if (!g_win.fbo || !rgba) return false;
    std::vector<uint8_t> raw(static_cast<size_t>(kFieldWidth) * kFieldHeight * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, g_win.fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kFieldWidth, kFieldHeight, GL_RGBA, GL_UNSIGNED_BYTE, raw.data());
    rgba->resize(raw.size());
    const size_t row = static_cast<size_t>(kFieldWidth) * 4;
    for (int y = 0; y < kFieldHeight; ++y)
        std::copy_n(raw.data() + (kFieldHeight - 1 - y) * row, row, rgba->data() + y * row);
    return glGetError() == GL_NO_ERROR;
}

} // namespace plat
