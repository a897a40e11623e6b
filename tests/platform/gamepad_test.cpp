// The browser's and XInput's controller readings, tried on every build, each
// through the one mapping to the game's keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/gamepad_cases.h"
#include "platform/web/web_gamepad.h"
#include "platform/win32/xinput_gamepad.h"

namespace vantor::platform {
namespace {

using testing::expectedKeys;
using testing::keysHeldWith;

web::GamepadSnapshot standardSnapshot() {
    web::GamepadSnapshot snapshot;
    snapshot.standard = true;
    return snapshot;
}

TEST(GamepadTest, TheBrowsersAndXInputsReadingsHoldTheKeysOfTheOneMapping) {
    for (const testing::PadCase& c : testing::kPadCases) {
        web::GamepadSnapshot snapshot = standardSnapshot();
        if (c.webButton >= 0) snapshot.buttons[c.webButton] = 1.0;
        snapshot.axes[0] = c.stickX / 32767.0;
        snapshot.axes[1] = c.stickY / 32767.0;
        EXPECT_EQ(keysHeldWith(web::gamepadStateOf(snapshot)), expectedKeys(c)) << "browser: " << c.what;

        win32::XInputGamepad pad;
        pad.buttons = c.xinputButtons;
        pad.thumbLX = static_cast<int16_t>(c.stickX);
        pad.thumbLY = static_cast<int16_t>(std::min(-c.stickY, 32767));  // XInput's y grows upward
        EXPECT_EQ(keysHeldWith(win32::gamepadStateOf(pad)), expectedKeys(c)) << "XInput: " << c.what;
    }
}

TEST(GamepadTest, OddReadingsSeveralControllersAndTheEnterThatATypes) {
    web::GamepadSnapshot snapshot = standardSnapshot();
    snapshot.buttons[0] = 0.4;  // a worn button half way down
    snapshot.axes[0] = std::nan("");
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons, 0);
    EXPECT_EQ(web::gamepadStateOf(snapshot).stickX, 0);
    snapshot.buttons[0] = 0.6;
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons, PadA);
    snapshot.standard = false;  // buttons of unknown meaning
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons, 0);

    double numbers[web::GamepadSnapshot::kNumbers] = {1};
    numbers[1 + 9] = 1;                                    // Start
    numbers[1 + web::GamepadSnapshot::kButtons + 1] = -1;  // the stick up
    GamepadState fromPage = web::gamepadStateOf(web::GamepadSnapshot::fromNumbers(numbers));
    EXPECT_EQ(fromPage.buttons, PadStart);
    EXPECT_EQ(fromPage.stickY, -32767);

    win32::XInputGamepad down;
    down.thumbLY = -32768;
    EXPECT_EQ(win32::gamepadStateOf(down).stickY, 32767);

    GamepadState both{PadA, 0, 0};
    both.add(GamepadState{PadB, -20000, 3000});
    both.add(GamepadState{0, 5000, -9000});
    EXPECT_EQ(both.buttons, PadA | PadB);
    EXPECT_EQ(both.stickX, -20000);
    EXPECT_EQ(both.stickY, -9000);

    GamepadState none, a{PadA, 0, 0}, b{PadB, 0, 0};
    EXPECT_EQ(gamepadTyped(none, a), 13);
    EXPECT_EQ(gamepadTyped(a, a), 0);  // held: typed once
    EXPECT_EQ(gamepadTyped(a, none), 0);
    EXPECT_EQ(gamepadTyped(none, b), 0);
}

}  // namespace
}  // namespace vantor::platform
