// The platform's input devices: the keyboard (immediate state and a buffered
// queue of key changes, in the engine's key codes), the input messages the
// window would receive (characters, mouse moves, buttons and the wheel) and
// the game controllers. Everything is built from the events PumpMessages
// takes, so input pushed into the event queue is treated like real input.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

// ---- Key codes -------------------------------------------------------------
// The engine names keys by the classic PC keyboard scan codes (set 1, with
// 0x80 added for the extended keys), 1..255. 0 is no key.
enum KeyCode : uint8_t {
    kKeyEscape = 1, kKey1 = 2, kKey0 = 11, kKeyMinus = 12, kKeyEquals = 13, kKeyBackspace = 14,
    kKeyTab = 15, kKeyQ = 16, kKeyW = 17, kKeyE = 18, kKeyP = 25, kKeyEnter = 28,
    kKeyLeftCtrl = 29, kKeyA = 30, kKeyS = 31, kKeyD = 32, kKeyLeftShift = 42, kKeyZ = 44,
    kKeyRightShift = 54, kKeyLeftAlt = 56, kKeySpace = 57, kKeyF1 = 59, kKeyNumpad7 = 71,
    kKeyNumpad0 = 82, kKeyNumpadEnter = 156, kKeyRightCtrl = 157, kKeyRightAlt = 184,
    kKeyHome = 199, kKeyUp = 200, kKeyLeft = 203, kKeyRight = 205, kKeyDown = 208,
    kKeyDelete = 211,
};

// The key code of an SDL scan code (0 when the key has none) and back.
uint8_t KeyCodeFromScancode(int sdlScancode);
int ScancodeFromKeyCode(uint8_t key);

// UTF-8 text to the single-byte code page of the fonts (Windows-1252).
// Characters the code page lacks and broken sequences are dropped. Writes at
// most `capacity` bytes (no terminator); returns the number written.
size_t Utf8ToWindows1252(const char* utf8, unsigned char* out, size_t capacity);

// ---- Keyboard --------------------------------------------------------------
constexpr int kKeyQueueSize = 30;

struct KeyChange {
    uint8_t key = 0;
    bool down = false;
    // Left Alt was held when the change came (read from the events as they
    // arrived: a quick chord released before the next read still counts).
    bool leftAlt = false;
};

enum class KeyRead {
    Empty,    // nothing queued
    Ok,       // one change read
    Overflow, // one change read; changes were lost because the queue was full
    Lost,     // the keyboard is not acquired: nothing read
};

// Starts and stops listening to the keyboard. Counted: each Open is matched
// by a Close. SDL stays started while the keyboard is open.
bool OpenKeyboard();
void CloseKeyboard();

// The keyboard is lost when the window loses the focus; acquiring it again
// starts afresh, with no key held and nothing queued.
bool AcquireKeyboard();
bool KeyboardAcquired();

// Copies the 256 key states (bit 7 set = held). False while lost.
bool ReadKeyboardState(uint8_t state[256]);
// Takes the oldest queued change.
KeyRead ReadKeyChange(KeyChange* change);
// Empties the queue (held keys stay held).
void FlushKeyboard();

// ---- Input messages --------------------------------------------------------
enum class InputMessageType {
    Character,   // value: a Windows-1252 character (8 Backspace, 13 Enter)
    MouseMove,
    LeftDown, LeftUp, RightDown, RightUp, MiddleDown, MiddleUp,
    MouseWheel,  // value: 120 per notch away from the user, -120 towards
};

struct InputMessage {
    InputMessageType type = InputMessageType::MouseMove;
    int value = 0;
    // The pointer in window pixels when the message was sent.
    int cursorX = 0, cursorY = 0;
    // The mouse that sent it and, for a move, the distance it moved in its own
    // units (for reading several mice apart).
    uint32_t device = 0;
    int dx = 0, dy = 0;
};

// Handlers see every input message in the order the events came, each handler
// in registration order.
using InputMessageHandler = void (*)(const InputMessage& message, void* user);
void AddInputMessageHandler(InputMessageHandler handler, void* user);
void RemoveInputMessageHandler(InputMessageHandler handler, void* user);

// ---- Mouse -----------------------------------------------------------------
// Maps a window pixel to the 1024x768 field through the letterboxed viewport
// of a window of the given size; points on the bars are held to the field's
// edge. False (outputs untouched) when the window has no area (minimised).
bool WindowToField(int x, int y, int windowWidth, int windowHeight, float* fieldX, float* fieldY);
// The same for the main window as it is now.
bool MainWindowToField(int x, int y, float* fieldX, float* fieldY);
// The other way: the main window's pixel over a point of the field. False
// (outputs untouched) without a window or while it has no area.
bool MainFieldToWindow(float fieldX, float fieldY, int* x, int* y);
// The last pointer position seen in the events, in window pixels.
void CursorPosition(int* x, int* y);
// Asks where the system pointer really is over the main window (window
// pixels) and takes that as the last position seen: before any move has
// come, and after the window changed mode, the events say nothing of it.
// False (nothing changed) without a window.
bool ReadPointerPosition(int* x, int* y);
// Moves the system pointer to a point of the field (no effect without a
// window or while it has no area).
void WarpCursorToField(float fieldX, float fieldY);
// While captured the system pointer stays put and mouse moves report only the
// motion (dx, dy) of the device.
void CaptureMouse(bool capture);

// ---- Game controllers -------------------------------------------------------
constexpr int kControllerAxisRange = 512;
constexpr int kControllerButtons = 32;

// A stable identity of one device: the same device keeps it when it is
// unplugged and plugged in again.
struct ControllerId {
    uint8_t bytes[16] = {};
};

struct ControllerState {
    int axes[3] = {};                    // X, Y, Z in -512..512
    uint8_t buttons[kControllerButtons] = {}; // bit 7 set = held
};

// Counted like the keyboard.
bool OpenControllers();
void CloseControllers();
// The controllers connected now.
int ControllerCount();
// Identity and display name of connected controller i.
bool ControllerInfo(int index, ControllerId* id, char* name, size_t nameSize);
// Opens connected controller i; returns a handle or null.
void* OpenController(int index);
void CloseController(void* handle);
// Reads an open controller's state. False when it is no longer connected.
bool ReadController(void* handle, ControllerState* state);
bool ControllerAttached(void* handle);

} // namespace plat
