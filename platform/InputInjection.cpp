#include "platform/InputInjection.h"

#include "platform/EventHooks.h"
#include "platform/Input.h"
#include "platform/Platform.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <map>

namespace plat::inject {
namespace {

Uint32 WindowId()
{
    SDL_Window* w = MainSdlWindow();
    return w ? SDL_GetWindowID(w) : 0;
}

bool Push(SDL_Event& e)
{
    if (!IsInitialised()) return false;
    e.common.timestamp = SDL_GetTicks();
    return SDL_PushEvent(&e) == 1;
}

// Virtual controllers by handle (the SDL instance id), opened here so their
// values can be set.
std::map<int, SDL_Joystick*>& Virtuals()
{
    static std::map<int, SDL_Joystick*> v;
    return v;
}

int DeviceIndexOf(int instance)
{
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == instance) return i;
    return -1;
}

} // namespace

bool Key(uint8_t key, bool down, bool repeat)
{
    const int sc = ScancodeFromKeyCode(key);
    if (!sc) return false;
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = WindowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.scancode = static_cast<SDL_Scancode>(sc);
    e.key.keysym.sym = SDL_GetKeyFromScancode(e.key.keysym.scancode);
    return Push(e);
}

bool Text(const char* utf8)
{
    if (!utf8) return false;
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = WindowId();
    const size_t n = std::min(std::strlen(utf8), sizeof e.text.text - 1);
    std::memcpy(e.text.text, utf8, n);
    return Push(e);
}

bool MouseMove(int x, int y)
{
    int ox, oy;
    CursorPosition(&ox, &oy);
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = WindowId();
    e.motion.x = x;
    e.motion.y = y;
    e.motion.xrel = x - ox;
    e.motion.yrel = y - oy;
    return Push(e);
}

bool MouseButton(int button, bool down, int x, int y)
{
    static const Uint8 kButtons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
    if (button < 0 || button > 2) return false;
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = WindowId();
    e.button.button = kButtons[button];
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    return Push(e);
}

bool MouseWheel(int notches)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = WindowId();
    e.wheel.y = notches;
    e.wheel.preciseY = static_cast<float>(notches);
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    return Push(e);
}

bool FocusLost()
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = WindowId();
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    return Push(e);
}

bool ResizeWindow(int width, int height)
{
    SDL_Window* w = MainSdlWindow();
    if (!w || width <= 0 || height <= 0) return false;
    SDL_SetWindowSize(w, width, height);
    int cw = 0, ch = 0;
    SDL_GetWindowSize(w, &cw, &ch);
    return cw == width && ch == height;
}

int AttachController(bool gameController)
{
    if (!IsInitialised()) return -1;
    // Tests run without the window having the focus; controller input must
    // not be held back for that.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return -1;
    const int index = gameController
        ? SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, SDL_CONTROLLER_BUTTON_MAX, 0)
        : SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 3, kControllerButtons, 0);
    if (index < 0) return -1;
    SDL_Joystick* j = SDL_JoystickOpen(index);
    if (!j) {
        SDL_JoystickDetachVirtual(index);
        return -1;
    }
    const int handle = SDL_JoystickInstanceID(j);
    Virtuals()[handle] = j;
    return handle;
}

bool DetachController(int handle)
{
    auto it = Virtuals().find(handle);
    if (it == Virtuals().end()) return false;
    SDL_JoystickClose(it->second);
    Virtuals().erase(it);
    const int index = DeviceIndexOf(handle);
    return index >= 0 && SDL_JoystickDetachVirtual(index) == 0;
}

bool SetControllerAxis(int handle, int axis, int value)
{
    auto it = Virtuals().find(handle);
    if (it == Virtuals().end()) return false;
    value = std::clamp(value, -kControllerAxisRange, kControllerAxisRange);
    const int raw = value >= 0 ? value * 32767 / kControllerAxisRange : value * 32768 / kControllerAxisRange;
    return SDL_JoystickSetVirtualAxis(it->second, axis, static_cast<Sint16>(raw)) == 0;
}

bool SetControllerButton(int handle, int button, bool down)
{
    auto it = Virtuals().find(handle);
    if (it == Virtuals().end()) return false;
    return SDL_JoystickSetVirtualButton(it->second, button, down ? SDL_PRESSED : SDL_RELEASED) == 0;
}

void DetachAllControllers()
{
    while (!Virtuals().empty()) DetachController(Virtuals().begin()->first);
}

} // namespace plat::inject
