#pragma once
#include <cstdint>

namespace vantor::platform {

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
};

// Keyboard and mouse in immediate mode, keys by DirectInput scan code.
class Input {
public:
    virtual ~Input() = default;
    // Creates the input system; false is fatal for the game.
    virtual bool create() = 0;
    // Sets up the keyboard; false when it cannot.
    virtual bool openKeyboard() = 0;
    // Sets up the mouse; false when it cannot.
    virtual bool openMouse() = 0;
    // Reads the 256 key bytes (non-zero = held).
    virtual DeviceResult keyboardState(uint8_t keys[256]) = 0;
    // Reads the mouse motion and buttons since the last reading.
    virtual DeviceResult mouseState(MouseReading& reading) = 0;
    // Re-acquires a device after it was lost; Ok when it is usable again.
    virtual DeviceResult acquireKeyboard() = 0;
    virtual DeviceResult acquireMouse() = 0;
    // Releases both devices and the input system.
    virtual void close() = 0;
};

}  // namespace vantor::platform
