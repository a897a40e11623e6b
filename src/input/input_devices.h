#pragma once
#include <cstdint>

#include "resources/resource_file.h"

namespace vantor {

// DirectInput key codes the game reads.
enum KeyCode : uint8_t {
    DIK_ESCAPE = 0x01,
    DIK_BACK = 0x0E,
    DIK_TAB = 0x0F,
    DIK_Q = 0x10,
    DIK_W = 0x11,
    DIK_E = 0x12,
    DIK_R = 0x13,
    DIK_RETURN = 0x1C,
    DIK_SPACE = 0x39,
    DIK_F6 = 0x40,
    DIK_F7 = 0x41,
    DIK_F8 = 0x42,
    DIK_F9 = 0x43,
    DIK_F10 = 0x44,
    DIK_SUBTRACT = 0x4A,
    DIK_ADD = 0x4E,
    DIK_F11 = 0x57,
    DIK_F12 = 0x58,
};

struct MouseState {
    int32_t x = 0;
    int32_t y = 0;
    int32_t left = 0;
    int32_t right = 0;
};

// Typed characters, kept while capture is on; 31 wait at most.
struct CharRing {
    int32_t capture = 0;
    uint8_t buffer[32] = {};
    int32_t writeIndex = 0;
    int32_t readIndex = 0;
};

// Demo recording or playback of the mouse.
struct Recorder {
    int32_t active = 0;
    int32_t mode = 0;  // 1 recording, 0 playback
    ResourceFile file;
};

// The keyboard and the mouse, read once a frame into plain shared state.
class InputDevices {
public:
    // 0: no input system; 3: both devices; 1: no keyboard; 2: no mouse.
    int init();
    void shutdown();
    void PollMouse();
    void PollKeyboard();
    bool NoKeyDown() const;
    void WaitAllKeysUp();

    void putChar(uint8_t c);
    uint8_t peekChar() const;
    uint8_t takeChar();
    void setCapture(bool on);
    void emptyRing();

    uint8_t keyState[256] = {};
    MouseState mouse;
    CharRing ring;
    Recorder recorder;

private:
    bool haveKeyboard_ = false;
    bool haveMouse_ = false;
};

inline InputDevices inputDevices;

}  // namespace vantor
