#pragma once
#include <cstdint>

#include "platform/gamepad.h"

namespace vantor::platform::win32 {

// XInput's XINPUT_GAMEPAD and XINPUT_STATE, field for field, so that the
// game can take XInputGetState's answer without the SDK's header (and this
// reading can be tried anywhere).
struct XInputGamepad {
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0;
    int16_t thumbLY = 0;  // upward
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;
};

struct XInputState {
    uint32_t packetNumber = 0;
    XInputGamepad gamepad;
};
static_assert(sizeof(XInputState) == 16, "XINPUT_STATE's size");

// XInput's button bits.
enum XInputButton : uint16_t {
    XInputDpadUp = 0x0001,
    XInputDpadDown = 0x0002,
    XInputDpadLeft = 0x0004,
    XInputDpadRight = 0x0008,
    XInputStart = 0x0010,
    XInputBack = 0x0020,
    XInputLeftShoulder = 0x0100,
    XInputRightShoulder = 0x0200,
    XInputA = 0x1000,
    XInputB = 0x2000,
    XInputX = 0x4000,
    XInputY = 0x8000,
};

GamepadState gamepadStateOf(const XInputGamepad& pad);

}  // namespace vantor::platform::win32
