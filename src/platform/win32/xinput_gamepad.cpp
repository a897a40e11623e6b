#include "platform/win32/xinput_gamepad.h"

#include <algorithm>
#include <utility>

namespace vantor::platform::win32 {
namespace {

constexpr std::pair<uint16_t, uint16_t> kButtons[] = {
    {XInputDpadUp, PadUp},     {XInputDpadDown, PadDown},   {XInputDpadLeft, PadLeft},
    {XInputDpadRight, PadRight}, {XInputStart, PadStart},   {XInputBack, PadBack},
    {XInputLeftShoulder, PadLeftShoulder}, {XInputRightShoulder, PadRightShoulder},
    {XInputA, PadA},           {XInputB, PadB},             {XInputX, PadX},
    {XInputY, PadY},
};

}  // namespace

GamepadState gamepadStateOf(const XInputGamepad& pad) {
    GamepadState state;
    for (auto [xinput, button] : kButtons)
        if (pad.buttons & xinput) state.buttons |= button;
    state.stickX = pad.thumbLX;
    // XInput's up is the game's down; the full downward lean has no opposite.
    state.stickY = static_cast<int16_t>(std::min(-int{pad.thumbLY}, 32767));
    return state;
}

}  // namespace vantor::platform::win32
