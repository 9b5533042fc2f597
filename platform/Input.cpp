#include "platform/Input.h"

#include "platform/EventHooks.h"
#include "platform/NativeWindow.h"
#include "platform/Platform.h"
#include "platform/Window.h"

#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace plat {
namespace {

// ---- Key code table ----------------------------------------------------------

struct KeyPair {
    SDL_Scancode sdl;
    uint8_t key;
};

constexpr KeyPair kKeyTable[] = {
    {SDL_SCANCODE_ESCAPE, 1},
    {SDL_SCANCODE_1, 2}, {SDL_SCANCODE_2, 3}, {SDL_SCANCODE_3, 4}, {SDL_SCANCODE_4, 5},
    {SDL_SCANCODE_5, 6}, {SDL_SCANCODE_6, 7}, {SDL_SCANCODE_7, 8}, {SDL_SCANCODE_8, 9},
    {SDL_SCANCODE_9, 10}, {SDL_SCANCODE_0, 11},
    {SDL_SCANCODE_MINUS, 12}, {SDL_SCANCODE_EQUALS, 13}, {SDL_SCANCODE_BACKSPACE, 14},
    {SDL_SCANCODE_TAB, 15},
    {SDL_SCANCODE_Q, 16}, {SDL_SCANCODE_W, 17}, {SDL_SCANCODE_E, 18}, {SDL_SCANCODE_R, 19},
    {SDL_SCANCODE_T, 20}, {SDL_SCANCODE_Y, 21}, {SDL_SCANCODE_U, 22}, {SDL_SCANCODE_I, 23},
    {SDL_SCANCODE_O, 24}, {SDL_SCANCODE_P, 25},
    {SDL_SCANCODE_LEFTBRACKET, 26}, {SDL_SCANCODE_RIGHTBRACKET, 27}, {SDL_SCANCODE_RETURN, 28},
    {SDL_SCANCODE_LCTRL, 29},
    {SDL_SCANCODE_A, 30}, {SDL_SCANCODE_S, 31}, {SDL_SCANCODE_D, 32}, {SDL_SCANCODE_F, 33},
    {SDL_SCANCODE_G, 34}, {SDL_SCANCODE_H, 35}, {SDL_SCANCODE_J, 36}, {SDL_SCANCODE_K, 37},
    {SDL_SCANCODE_L, 38},
    {SDL_SCANCODE_SEMICOLON, 39}, {SDL_SCANCODE_APOSTROPHE, 40}, {SDL_SCANCODE_GRAVE, 41},
    {SDL_SCANCODE_LSHIFT, 42}, {SDL_SCANCODE_BACKSLASH, 43}, {SDL_SCANCODE_NONUSHASH, 43},
    {SDL_SCANCODE_Z, 44}, {SDL_SCANCODE_X, 45}, {SDL_SCANCODE_C, 46}, {SDL_SCANCODE_V, 47},
    {SDL_SCANCODE_B, 48}, {SDL_SCANCODE_N, 49}, {SDL_SCANCODE_M, 50},
    {SDL_SCANCODE_COMMA, 51}, {SDL_SCANCODE_PERIOD, 52}, {SDL_SCANCODE_SLASH, 53},
    {SDL_SCANCODE_RSHIFT, 54}, {SDL_SCANCODE_KP_MULTIPLY, 55}, {SDL_SCANCODE_LALT, 56},
    {SDL_SCANCODE_SPACE, 57}, {SDL_SCANCODE_CAPSLOCK, 58},
    {SDL_SCANCODE_F1, 59}, {SDL_SCANCODE_F2, 60}, {SDL_SCANCODE_F3, 61}, {SDL_SCANCODE_F4, 62},
    {SDL_SCANCODE_F5, 63}, {SDL_SCANCODE_F6, 64}, {SDL_SCANCODE_F7, 65}, {SDL_SCANCODE_F8, 66},
    {SDL_SCANCODE_F9, 67}, {SDL_SCANCODE_F10, 68},
    {SDL_SCANCODE_NUMLOCKCLEAR, 69}, {SDL_SCANCODE_SCROLLLOCK, 70},
    {SDL_SCANCODE_KP_7, 71}, {SDL_SCANCODE_KP_8, 72}, {SDL_SCANCODE_KP_9, 73},
    {SDL_SCANCODE_KP_MINUS, 74},
    {SDL_SCANCODE_KP_4, 75}, {SDL_SCANCODE_KP_5, 76}, {SDL_SCANCODE_KP_6, 77},
    {SDL_SCANCODE_KP_PLUS, 78},
    {SDL_SCANCODE_KP_1, 79}, {SDL_SCANCODE_KP_2, 80}, {SDL_SCANCODE_KP_3, 81},
    {SDL_SCANCODE_KP_0, 82}, {SDL_SCANCODE_KP_PERIOD, 83},
    {SDL_SCANCODE_NONUSBACKSLASH, 86}, {SDL_SCANCODE_F11, 87}, {SDL_SCANCODE_F12, 88},
    {SDL_SCANCODE_F13, 100}, {SDL_SCANCODE_F14, 101}, {SDL_SCANCODE_F15, 102},
    {SDL_SCANCODE_INTERNATIONAL2, 112}, {SDL_SCANCODE_INTERNATIONAL1, 115},
    {SDL_SCANCODE_INTERNATIONAL4, 121}, {SDL_SCANCODE_INTERNATIONAL5, 123},
    {SDL_SCANCODE_INTERNATIONAL3, 125}, {SDL_SCANCODE_KP_EQUALS, 141},
    {SDL_SCANCODE_AUDIOPREV, 144}, {SDL_SCANCODE_AUDIONEXT, 153},
    {SDL_SCANCODE_KP_ENTER, 156}, {SDL_SCANCODE_RCTRL, 157},
    {SDL_SCANCODE_MUTE, 160}, {SDL_SCANCODE_CALCULATOR, 161}, {SDL_SCANCODE_AUDIOPLAY, 162},
    {SDL_SCANCODE_AUDIOSTOP, 164}, {SDL_SCANCODE_VOLUMEDOWN, 174}, {SDL_SCANCODE_VOLUMEUP, 176},
    {SDL_SCANCODE_AC_HOME, 178}, {SDL_SCANCODE_KP_COMMA, 179},
    {SDL_SCANCODE_KP_DIVIDE, 181}, {SDL_SCANCODE_PRINTSCREEN, 183}, {SDL_SCANCODE_RALT, 184},
    {SDL_SCANCODE_PAUSE, 197},
    {SDL_SCANCODE_HOME, 199}, {SDL_SCANCODE_UP, 200}, {SDL_SCANCODE_PAGEUP, 201},
    {SDL_SCANCODE_LEFT, 203}, {SDL_SCANCODE_RIGHT, 205},
    {SDL_SCANCODE_END, 207}, {SDL_SCANCODE_DOWN, 208}, {SDL_SCANCODE_PAGEDOWN, 209},
    {SDL_SCANCODE_INSERT, 210}, {SDL_SCANCODE_DELETE, 211},
    {SDL_SCANCODE_LGUI, 219}, {SDL_SCANCODE_RGUI, 220}, {SDL_SCANCODE_APPLICATION, 221},
    {SDL_SCANCODE_POWER, 222}, {SDL_SCANCODE_SLEEP, 223},
    {SDL_SCANCODE_AC_SEARCH, 229}, {SDL_SCANCODE_AC_BOOKMARKS, 230},
    {SDL_SCANCODE_AC_REFRESH, 231}, {SDL_SCANCODE_AC_STOP, 232},
    {SDL_SCANCODE_AC_FORWARD, 233}, {SDL_SCANCODE_AC_BACK, 234},
    {SDL_SCANCODE_COMPUTER, 235}, {SDL_SCANCODE_MAIL, 236}, {SDL_SCANCODE_MEDIASELECT, 237},
};

struct KeyTables {
    uint8_t toKey[SDL_NUM_SCANCODES] = {};
    int toScancode[256] = {};
    KeyTables()
    {
        for (const KeyPair& p : kKeyTable) {
            if (!toKey[p.sdl]) toKey[p.sdl] = p.key;
            if (!toScancode[p.key]) toScancode[p.key] = p.sdl;
        }
    }
};

const KeyTables& Tables()
{
    static const KeyTables t;
    return t;
}

// Windows-1252 bytes 0x80..0x9F and the code points they stand for (0 where
// the code page leaves the byte unassigned).
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int CodePointToWindows1252(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] && kCp1252High[i] == cp) return 0x80 + i;
    return -1;
}

// ---- Device state --------------------------------------------------------------

struct MessageHandler {
    InputMessageHandler fn;
    void* user;
};

struct InputState {
    bool hooked = false;
    // Keyboard.
    int keyboardUsers = 0;
    bool acquired = true;
    uint8_t keys[256] = {};
    KeyChange queue[kKeyQueueSize];
    int queueHead = 0, queueCount = 0;
    bool overflow = false;
    // Mouse.
    int cursorX = 0, cursorY = 0;
    std::vector<MessageHandler> handlers;
    // Controllers.
    int controllerUsers = 0;
};

InputState g_in;

void Send(InputMessageType type, int value, uint32_t device = 0, int dx = 0, int dy = 0)
{
    InputMessage m;
    m.type = type;
    m.value = value;
    m.device = device;
    m.dx = dx;
    m.dy = dy;
    m.cursorX = g_in.cursorX;
    m.cursorY = g_in.cursorY;
    // A handler may add or remove handlers: walk a copy.
    std::vector<MessageHandler> handlers = g_in.handlers;
    for (const MessageHandler& h : handlers) h.fn(m, h.user);
}

void QueueKeyChange(uint8_t key, bool down)
{
    if (g_in.queueCount == kKeyQueueSize) {
        g_in.overflow = true;
        return;
    }
    const bool leftAlt = (g_in.keys[kKeyLeftAlt] & 0x80) != 0;
    g_in.queue[(g_in.queueHead + g_in.queueCount) % kKeyQueueSize] = {key, down, leftAlt};
    ++g_in.queueCount;
}

bool AltHeld() { return (g_in.keys[kKeyLeftAlt] | g_in.keys[kKeyRightAlt]) & 0x80; }

void OnKey(const SDL_KeyboardEvent& e)
{
    const bool down = e.type == SDL_KEYDOWN;
    const uint8_t key = KeyCodeFromScancode(e.keysym.scancode);
    if (g_in.keyboardUsers > 0 && g_in.acquired && key && !e.repeat) {
        const bool held = g_in.keys[key] & 0x80;
        if (held != down) {
            g_in.keys[key] = down ? 0x80 : 0;
            QueueKeyChange(key, down);
        }
    }
    // Backspace and Enter also arrive as characters, repeating while held,
    // except with Alt (a system key combination gives no character).
    if (down && !AltHeld()) {
        const SDL_Scancode s = e.keysym.scancode;
        if (s == SDL_SCANCODE_BACKSPACE) Send(InputMessageType::Character, 8);
        else if (s == SDL_SCANCODE_RETURN || s == SDL_SCANCODE_KP_ENTER) Send(InputMessageType::Character, 13);
    }
}

void OnText(const SDL_TextInputEvent& e)
{
    unsigned char out[sizeof e.text];
    const size_t n = Utf8ToWindows1252(e.text, out, sizeof out);
    for (size_t i = 0; i < n; ++i) Send(InputMessageType::Character, out[i]);
}

void EventHook(const SDL_Event& e, void*)
{
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(e.key); break;
    case SDL_TEXTINPUT: OnText(e.text); break;
    case SDL_MOUSEMOTION:
        if (e.motion.which == SDL_TOUCH_MOUSEID) break;
        g_in.cursorX = e.motion.x;
        g_in.cursorY = e.motion.y;
        Send(InputMessageType::MouseMove, 0, e.motion.which, e.motion.xrel, e.motion.yrel);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (e.button.which == SDL_TOUCH_MOUSEID) break;
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        g_in.cursorX = e.button.x;
        g_in.cursorY = e.button.y;
        InputMessageType t;
        switch (e.button.button) {
        case SDL_BUTTON_LEFT: t = down ? InputMessageType::LeftDown : InputMessageType::LeftUp; break;
        case SDL_BUTTON_RIGHT: t = down ? InputMessageType::RightDown : InputMessageType::RightUp; break;
        case SDL_BUTTON_MIDDLE: t = down ? InputMessageType::MiddleDown : InputMessageType::MiddleUp; break;
        default: return;
        }
        Send(t, 0, e.button.which);
        break;
    }
    case SDL_MOUSEWHEEL: {
        if (e.wheel.which == SDL_TOUCH_MOUSEID || e.wheel.y == 0) break;
        int steps = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
        Send(InputMessageType::MouseWheel, steps * 120, e.wheel.which);
        break;
    }
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) g_in.acquired = false;
        break;
    default: break;
    }
}

void Hook()
{
    if (!g_in.hooked) {
        AddEventHook(EventHook, nullptr);
        g_in.hooked = true;
    }
}

void Unhook()
{
    if (g_in.hooked && g_in.keyboardUsers == 0 && g_in.handlers.empty() && g_in.controllerUsers == 0) {
        RemoveEventHook(EventHook, nullptr);
        g_in.hooked = false;
    }
}

} // namespace

uint8_t KeyCodeFromScancode(int sdlScancode)
{
    if (sdlScancode <= 0 || sdlScancode >= SDL_NUM_SCANCODES) return 0;
    return Tables().toKey[sdlScancode];
}

int ScancodeFromKeyCode(uint8_t key) { return Tables().toScancode[key]; }

size_t Utf8ToWindows1252(const char* utf8, unsigned char* out, size_t capacity)
{
    if (!utf8 || !out) return 0;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    size_t n = 0;
    while (*s && n < capacity) {
        uint32_t cp;
        int extra;
        if (*s < 0x80) { cp = *s; extra = 0; }
        else if ((*s & 0xE0) == 0xC0) { cp = *s & 0x1F; extra = 1; }
        else if ((*s & 0xF0) == 0xE0) { cp = *s & 0x0F; extra = 2; }
        else if ((*s & 0xF8) == 0xF0) { cp = *s & 0x07; extra = 3; }
        else { ++s; continue; } // a stray continuation or invalid lead byte
        ++s;
        bool broken = false;
        for (int i = 0; i < extra; ++i) {
            if ((*s & 0xC0) != 0x80) { broken = true; break; }
            cp = (cp << 6) | (*s & 0x3F);
            ++s;
        }
        if (broken) continue;
        const int c = CodePointToWindows1252(cp);
        if (c > 0) out[n++] = static_cast<unsigned char>(c);
    }
    return n;
}

bool OpenKeyboard()
{
    // SDL stays up while the keyboard is open.
    if (!Init()) return false;
    if (g_in.keyboardUsers++ == 0) {
        g_in.acquired = true;
        std::memset(g_in.keys, 0, sizeof g_in.keys);
        FlushKeyboard();
        SDL_StartTextInput();
    }
    Hook();
    return true;
}

void CloseKeyboard()
{
    if (g_in.keyboardUsers == 0) return;
    if (--g_in.keyboardUsers == 0) {
        std::memset(g_in.keys, 0, sizeof g_in.keys);
        FlushKeyboard();
    }
    Unhook();
    Shutdown();
}

bool AcquireKeyboard()
{
    if (g_in.keyboardUsers == 0) return false;
    if (!g_in.acquired) {
        g_in.acquired = true;
        std::memset(g_in.keys, 0, sizeof g_in.keys);
        FlushKeyboard();
    }
    return true;
}

bool KeyboardAcquired() { return g_in.keyboardUsers > 0 && g_in.acquired; }

bool ReadKeyboardState(uint8_t state[256])
{
    if (!KeyboardAcquired()) return false;
    std::memcpy(state, g_in.keys, sizeof g_in.keys);
    return true;
}

KeyRead ReadKeyChange(KeyChange* change)
{
    if (!KeyboardAcquired()) return KeyRead::Lost;
    if (g_in.queueCount == 0) return KeyRead::Empty;
    *change = g_in.queue[g_in.queueHead];
    g_in.queueHead = (g_in.queueHead + 1) % kKeyQueueSize;
    --g_in.queueCount;
    if (g_in.overflow) {
        g_in.overflow = false;
        return KeyRead::Overflow;
    }
    return KeyRead::Ok;
}

void FlushKeyboard()
{
    g_in.queueHead = g_in.queueCount = 0;
    g_in.overflow = false;
}

void AddInputMessageHandler(InputMessageHandler handler, void* user)
{
    if (!handler) return;
    g_in.handlers.push_back({handler, user});
    Hook();
}

void RemoveInputMessageHandler(InputMessageHandler handler, void* user)
{
    auto& h = g_in.handlers;
    h.erase(std::remove_if(h.begin(), h.end(), [&](const MessageHandler& x) { return x.fn == handler && x.user == user; }),
            h.end());
    Unhook();
}

bool WindowToField(int x, int y, int windowWidth, int windowHeight, float* fieldX, float* fieldY)
{
    const Viewport v = LetterboxViewport(windowWidth, windowHeight);
    if (v.w <= 0 || v.h <= 0) return false;
    float fx = static_cast<float>(x - v.x) * kFieldWidth / static_cast<float>(v.w);
    float fy = static_cast<float>(y - v.y) * kFieldHeight / static_cast<float>(v.h);
    fx = std::clamp(fx, 0.0f, static_cast<float>(kFieldWidth - 1));
    fy = std::clamp(fy, 0.0f, static_cast<float>(kFieldHeight - 1));
    if (fieldX) *fieldX = fx;
    if (fieldY) *fieldY = fy;
    return true;
}

namespace {
// The window's size in the units of its mouse events (0x0 while minimised).
bool MouseAreaSize(int* w, int* h)
{
    GetWindowArea(w, h);
    return *w > 0 && *h > 0;
}
} // namespace

bool MainWindowToField(int x, int y, float* fieldX, float* fieldY)
{
    int w, h;
    if (!MouseAreaSize(&w, &h)) return false;
    return WindowToField(x, y, w, h, fieldX, fieldY);
}

void CursorPosition(int* x, int* y)
{
    if (x) *x = g_in.cursorX;
    if (y) *y = g_in.cursorY;
}

bool MainFieldToWindow(float fieldX, float fieldY, int* x, int* y)
{
    int w, h;
    if (!MouseAreaSize(&w, &h)) return false;
    const Viewport v = LetterboxViewport(w, h);
    if (x) *x = v.x + static_cast<int>(fieldX * static_cast<float>(v.w) / kFieldWidth);
    if (y) *y = v.y + static_cast<int>(fieldY * static_cast<float>(v.h) / kFieldHeight);
    return true;
}

bool ReadPointerPosition(int* x, int* y)
{
    SDL_Window* window = MainSdlWindow();
    if (!window) return false;
    int px = 0, py = 0;
    if (!NativePointer(window, &px, &py)) {
        int wx = 0, wy = 0;
        SDL_GetGlobalMouseState(&px, &py);
        SDL_GetWindowPosition(window, &wx, &wy);
        px -= wx;
        py -= wy;
    }
    g_in.cursorX = px;
    g_in.cursorY = py;
    if (x) *x = px;
    if (y) *y = py;
    return true;
}

void WarpCursorToField(float fieldX, float fieldY)
{
    int x, y;
    if (!MainFieldToWindow(fieldX, fieldY, &x, &y)) return;
    SDL_WarpMouseInWindow(MainSdlWindow(), x, y);
    // The messages that follow carry the pointer where it now is, not where
    // it was before the move (the system may report the move late, or never).
    g_in.cursorX = x;
    g_in.cursorY = y;
}

void CaptureMouse(bool capture)
{
    if (IsInitialised()) SDL_SetRelativeMouseMode(capture ? SDL_TRUE : SDL_FALSE);
}

// ---- Controllers ------------------------------------------------------------------

namespace {

struct ControllerHandle {
    SDL_Joystick* joystick = nullptr;
    SDL_GameController* controller = nullptr; // null: read as a plain joystick
};

// Game-controller buttons in the order the engine numbers them: the four face
// buttons (south, west, east, north: the east one is the usual "back"
// button and comes third), shoulders, back/start, sticks, guide, the pad.
constexpr SDL_GameControllerButton kButtonOrder[] = {
    SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSTICK, SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    SDL_CONTROLLER_BUTTON_MISC1, SDL_CONTROLLER_BUTTON_PADDLE1, SDL_CONTROLLER_BUTTON_PADDLE2,
    SDL_CONTROLLER_BUTTON_PADDLE3, SDL_CONTROLLER_BUTTON_PADDLE4, SDL_CONTROLLER_BUTTON_TOUCHPAD,
};

int ScaleAxis(int v)
{
    // -32768..32767 to -512..512, rounding to the nearest.
    const int r = (v * 2 * kControllerAxisRange + (v >= 0 ? 32767 : -32767)) / (2 * 32767);
    return std::clamp(r, -kControllerAxisRange, kControllerAxisRange);
}

// SDL's GUID names the model (bus, vendor, product, version, name), which
// stays the same when the device is plugged in again, on any port, and in the
// next run, so bindings saved with it keep working. Several devices of one
// model are told apart by their rank among the connected ones.
ControllerId MakeId(int index)
{
    ControllerId id;
    const SDL_JoystickGUID g = SDL_JoystickGetDeviceGUID(index);
    static_assert(sizeof g.data == sizeof id.bytes);
    std::memcpy(id.bytes, g.data, sizeof id.bytes);
    uint32_t rank = 0;
    for (int i = 0; i < index; ++i)
        if (std::memcmp(SDL_JoystickGetDeviceGUID(i).data, g.data, sizeof g.data) == 0) ++rank;
    if (rank) {
        const uint32_t h = (2166136261u ^ rank) * 16777619u;
        for (int i = 0; i < 4; ++i) id.bytes[12 + i] ^= static_cast<uint8_t>(h >> (8 * i));
    }
    return id;
}

} // namespace

bool OpenControllers()
{
    // SDL stays up while controllers are open.
    if (!Init()) return false;
    if (g_in.controllerUsers == 0 && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        ReportError("cannot start the game controllers: %s", SDL_GetError());
        Shutdown();
        return false;
    }
    ++g_in.controllerUsers;
    Hook();
    return true;
}

void CloseControllers()
{
    if (g_in.controllerUsers == 0) return;
    if (--g_in.controllerUsers == 0) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    Unhook();
    Shutdown();
}

int ControllerCount() { return g_in.controllerUsers > 0 ? std::max(0, SDL_NumJoysticks()) : 0; }

bool ControllerInfo(int index, ControllerId* id, char* name, size_t nameSize)
{
    if (index < 0 || index >= ControllerCount()) return false;
    if (id) *id = MakeId(index);
    if (name && nameSize) {
        const char* n = SDL_IsGameController(index) ? SDL_GameControllerNameForIndex(index) : SDL_JoystickNameForIndex(index);
        if (!n) n = "";
        std::snprintf(name, nameSize, "%s", n);
    }
    return true;
}

void* OpenController(int index)
{
    if (index < 0 || index >= ControllerCount()) return nullptr;
    auto* h = new ControllerHandle;
    if (SDL_IsGameController(index)) {
        h->controller = SDL_GameControllerOpen(index);
        if (h->controller) h->joystick = SDL_GameControllerGetJoystick(h->controller);
    }
    if (!h->joystick) h->joystick = SDL_JoystickOpen(index);
    if (!h->joystick) {
        delete h;
        return nullptr;
    }
    return h;
}

void CloseController(void* handle)
{
    auto* h = static_cast<ControllerHandle*>(handle);
    if (!h) return;
    if (g_in.controllerUsers > 0) {
        if (h->controller) SDL_GameControllerClose(h->controller);
        else if (h->joystick) SDL_JoystickClose(h->joystick);
    }
    delete h;
}

bool ControllerAttached(void* handle)
{
    auto* h = static_cast<ControllerHandle*>(handle);
    return h && g_in.controllerUsers > 0 && SDL_JoystickGetAttached(h->joystick);
}

bool ReadController(void* handle, ControllerState* state)
{
    auto* h = static_cast<ControllerHandle*>(handle);
    if (!state || !ControllerAttached(handle)) return false;
    *state = ControllerState{};
    if (h->controller) {
        SDL_GameController* c = h->controller;
        state->axes[0] = ScaleAxis(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX));
        state->axes[1] = ScaleAxis(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
        // Both triggers share Z: the left one pushes it up, the right one down.
        const int z = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT) -
                      SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
        state->axes[2] = ScaleAxis(std::clamp(z, -32768, 32767));
        int i = 0;
        for (SDL_GameControllerButton b : kButtonOrder)
            state->buttons[i++] = SDL_GameControllerGetButton(c, b) ? 0x80 : 0;
    } else {
        SDL_Joystick* j = h->joystick;
        const int axes = std::min(3, SDL_JoystickNumAxes(j));
        for (int a = 0; a < axes; ++a) state->axes[a] = ScaleAxis(SDL_JoystickGetAxis(j, a));
        const int buttons = std::min(kControllerButtons, SDL_JoystickNumButtons(j));
        for (int b = 0; b < buttons; ++b) state->buttons[b] = SDL_JoystickGetButton(j, b) ? 0x80 : 0;
    }
    return true;
}

} // namespace plat
