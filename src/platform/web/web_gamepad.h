#pragma once
#include "platform/gamepad.h"

namespace vantor::platform::web {

// One gamepad as the browser's Gamepad API shows it. Only the standard
// mapping says which button is which: buttons 0..3 are A, B, X, Y, 4 and 5
// the shoulders, 8 Back, 9 Start, 12..15 the D-pad up, down, left, right;
// axes 0 and 1 the left stick (-1..1, y downward).
struct GamepadSnapshot {
    static constexpr int kButtons = 17;
    static constexpr int kAxes = 4;
    // The page's layout of one snapshot in a row of numbers: the standard
    // flag, then the buttons' values (0..1), then the axes.
    static constexpr int kNumbers = 1 + kButtons + kAxes;

    bool standard = false;
    double buttons[kButtons] = {};
    double axes[kAxes] = {};

    static GamepadSnapshot fromNumbers(const double* numbers);
};

// What the game reads of it: nothing unless its mapping is the standard one.
GamepadState gamepadStateOf(const GamepadSnapshot& snapshot);

}  // namespace vantor::platform::web
