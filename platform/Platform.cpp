#include "platform/Platform.h"

#include <SDL.h>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <thread>

namespace plat {
namespace {
std::mutex g_initMutex;
int g_initCount = 0;
bool g_closeOnSignals = false;
const auto g_clockBase = std::chrono::steady_clock::now();
} // namespace

bool Init()
{
    std::lock_guard<std::mutex> lock(g_initMutex);
    if (g_initCount == 0) {
        // SDL's handlers turn the signals into a quit event, which the
        // window's pump takes as a close.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, g_closeOnSignals ? "0" : "1");
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            ReportError("cannot start SDL: %s", SDL_GetError());
            return false;
        }
    }
    ++g_initCount;
    return true;
}

void CloseOnTerminationSignals(bool on)
{
    std::lock_guard<std::mutex> lock(g_initMutex);
    g_closeOnSignals = on;
}

void Shutdown()
{
    std::lock_guard<std::mutex> lock(g_initMutex);
    if (g_initCount == 0) return;
    if (--g_initCount == 0) SDL_Quit();
}

bool IsInitialised()
{
    std::lock_guard<std::mutex> lock(g_initMutex);
    return g_initCount > 0;
}

uint32_t Milliseconds()
{
    auto d = std::chrono::steady_clock::now() - g_clockBase;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

void Sleep(uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void ReportError(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    std::fputs("marrowgate: ", stderr);
    std::vfprintf(stderr, fmt, ap);
    std::fputc('\n', stderr);
    va_end(ap);
}

} // namespace plat
