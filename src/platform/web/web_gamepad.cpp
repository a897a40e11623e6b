#include "platform/web/web_gamepad.h"

#include <algorithm>
#include <cmath>

namespace vantor::platform::web {
namespace {

constexpr uint16_t kStandardButtons[GamepadSnapshot::kButtons] = {
    PadA, PadB, PadX, PadY, PadLeftShoulder, PadRightShoulder, 0, 0, PadBack, PadStart,
    0,    0,    PadUp, PadDown, PadLeft, PadRight, 0};

// Analogue triggers and worn buttons report fractions; half way is a press.
bool down(double value) { return value >= 0.5; }

int16_t axis(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int16_t>(std::clamp(value * 32767.0, -32768.0, 32767.0));
}

}  // namespace

GamepadSnapshot GamepadSnapshot::fromNumbers(const double* numbers) {
    GamepadSnapshot snapshot;
    snapshot.standard = numbers[0] != 0;
    std::copy_n(numbers + 1, kButtons, snapshot.buttons);
    std::copy_n(numbers + 1 + kButtons, kAxes, snapshot.axes);
    return snapshot;
}

GamepadState gamepadStateOf(const GamepadSnapshot& snapshot) {
    GamepadState state;
    if (!snapshot.standard) return state;
    for (int i = 0; i < GamepadSnapshot::kButtons; ++i)
        if (down(snapshot.buttons[i])) state.buttons |= kStandardButtons[i];
    state.stickX = axis(snapshot.axes[0]);
    state.stickY = axis(snapshot.axes[1]);
    return state;
}

}  // namespace vantor::platform::web
