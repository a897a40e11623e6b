#pragma once
#include <cstdint>
#include <utility>

#include "platform/gamepad.h"

namespace vantor::platform {

// DirectInput key codes (keyboard scan codes): the index of a key's byte in
// the 256-byte key state every backend fills.
enum KeyCode : uint8_t {
    DIK_ESCAPE = 0x01,
    DIK_1 = 0x02,  // the digits run 1..9, then 0
    DIK_0 = 0x0B,
    DIK_MINUS = 0x0C,
    DIK_EQUALS = 0x0D,
    DIK_BACK = 0x0E,
    DIK_TAB = 0x0F,
    DIK_Q = 0x10,  // Q W E R T Y U I O P run 0x10..0x19
    DIK_W = 0x11,
    DIK_E = 0x12,
    DIK_R = 0x13,
    DIK_LBRACKET = 0x1A,
    DIK_RBRACKET = 0x1B,
    DIK_RETURN = 0x1C,
    DIK_LCONTROL = 0x1D,
    DIK_A = 0x1E,  // A S D F G H J K L run 0x1E..0x26
    DIK_SEMICOLON = 0x27,
    DIK_APOSTROPHE = 0x28,
    DIK_GRAVE = 0x29,
    DIK_LSHIFT = 0x2A,
    DIK_BACKSLASH = 0x2B,
    DIK_Z = 0x2C,  // Z X C V B N M run 0x2C..0x32
    DIK_X = 0x2D,
    DIK_COMMA = 0x33,
    DIK_PERIOD = 0x34,
    DIK_SLASH = 0x35,
    DIK_RSHIFT = 0x36,
    DIK_MULTIPLY = 0x37,
    DIK_LMENU = 0x38,
    DIK_SPACE = 0x39,
    DIK_CAPITAL = 0x3A,
    DIK_F1 = 0x3B,  // F1..F10 run 0x3B..0x44
    DIK_F6 = 0x40,
    DIK_F7 = 0x41,
    DIK_F8 = 0x42,
    DIK_F9 = 0x43,
    DIK_F10 = 0x44,
    DIK_NUMLOCK = 0x45,
    DIK_SCROLL = 0x46,
    DIK_NUMPAD7 = 0x47,
    DIK_NUMPAD8 = 0x48,
    DIK_NUMPAD9 = 0x49,
    DIK_SUBTRACT = 0x4A,
    DIK_NUMPAD4 = 0x4B,
    DIK_NUMPAD5 = 0x4C,
    DIK_NUMPAD6 = 0x4D,
    DIK_ADD = 0x4E,
    DIK_NUMPAD1 = 0x4F,
    DIK_NUMPAD2 = 0x50,
    DIK_NUMPAD3 = 0x51,
    DIK_NUMPAD0 = 0x52,
    DIK_DECIMAL = 0x53,
    DIK_F11 = 0x57,
    DIK_F12 = 0x58,
    DIK_NUMPADENTER = 0x9C,
    DIK_RCONTROL = 0x9D,
    DIK_DIVIDE = 0xB5,
    DIK_SYSRQ = 0xB7,
    DIK_RMENU = 0xB8,
    DIK_PAUSE = 0xC5,
    DIK_HOME = 0xC7,
    DIK_UP = 0xC8,
    DIK_PRIOR = 0xC9,
    DIK_LEFT = 0xCB,
    DIK_RIGHT = 0xCD,
    DIK_END = 0xCF,
    DIK_DOWN = 0xD0,
    DIK_NEXT = 0xD1,
    DIK_INSERT = 0xD2,
    DIK_DELETE = 0xD3,
    DIK_LWIN = 0xDB,
    DIK_RWIN = 0xDC,
    DIK_APPS = 0xDD,
};

// The letter rows, lower case, each with the code of its first key; the
// codes of a row run on by one.
inline constexpr std::pair<const char*, KeyCode> kLetterRows[] = {
    {"qwertyuiop", DIK_Q}, {"asdfghjkl", DIK_A}, {"zxcvbnm", DIK_Z}};

// Laptops have no keypad: the main row's - and = (+ with shift) also count
// as the keypad's - and +, which change the game's speed.
inline void foldMainRowSpeedKeys(uint8_t keys[256]) {
    if (keys[DIK_MINUS]) keys[DIK_SUBTRACT] = keys[DIK_MINUS];
    if (keys[DIK_EQUALS]) keys[DIK_ADD] = keys[DIK_EQUALS];
}

// Why a device could not be read. InputLost and NotAcquired ask the game to
// acquire the device again; Failed is final for this reading.
enum class DeviceResult { Ok, InputLost, NotAcquired, Failed };

// One reading of the mouse: relative motion and four button bytes (0x80 = down).
// In a window the backend may report the pointer's absolute position instead,
// already in 640 x 480 terms, so the game's pointer sits under the system one.
struct MouseReading {
    int32_t dx = 0;
    int32_t dy = 0;
    uint8_t buttons[4] = {0, 0, 0, 0};
    bool absolute = false;
    int32_t x = 0;
    int32_t y = 0;
    // The pointer last went where a finger touched, and no arrow belongs
    // under a finger: the game draws none until the mouse moves it again.
    bool byTouch = false;
    // How far, in picture pixels, that finger's touch may fall from the
    // spot meant (0 when unknown).
    int32_t reach = 0;
};

// Keyboard and mouse in immediate mode, keys by DirectInput scan code, and
// the game controllers, which the game reads as keys (addGamepadKeys).
// Both devices belong to the game only while it has the input focus: in the
// background a reading answers NotAcquired and so does acquiring.
// What a player last used, as the screens word their hints by it.
enum class InputKind { Mouse, Touch, Keys, Controller };

class Input {
public:
    virtual ~Input() = default;
    // What the player used to start the program, where the backend can tell.
    virtual InputKind startedBy() { return InputKind::Mouse; }
    // Creates the input system; false is fatal for the game.
    virtual bool create() { return true; }
    // Sets up the keyboard; false when it cannot.
    virtual bool openKeyboard() { return true; }
    // Sets up the mouse; false when it cannot.
    virtual bool openMouse() { return true; }
    // Reads the 256 key bytes (non-zero = held) as they are right now.
    virtual DeviceResult keyboardState(uint8_t keys[256]) = 0;
    // Reads the mouse motion since the last reading (or its position) and its buttons.
    virtual DeviceResult mouseState(MouseReading& reading) = 0;
    // Acquires the keyboard again after a lost or not-acquired reading; Ok when usable.
    virtual DeviceResult acquireKeyboard() = 0;
    // Acquires the mouse again after a lost or not-acquired reading; Ok when usable.
    virtual DeviceResult acquireMouse() = 0;
    // A name is being typed, or no longer: a keyboard drawn on the screen is
    // offered only meanwhile.
    virtual void typingName(bool) {}
    // The game controllers as they are now (read with the keyboard); none: all up.
    virtual GamepadState gamepadState() { return {}; }
    // Releases both devices and the input system.
    virtual void close() {}
};

}  // namespace vantor::platform
