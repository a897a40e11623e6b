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

TEST(GamepadTest, TheBrowsersAndXInputsReadingsHoldTheKeysOfTheOneMapping) {
    for (const testing::PadCase& c : testing::kPadCases) {
        int at = static_cast<int>(&c - testing::kPadCases);
        double numbers[web::GamepadSnapshot::kNumbers] = {1};  // as the page lays a standard pad out
        if (c.webButton >= 0) numbers[1 + c.webButton] = 1.0;
        numbers[1 + web::GamepadSnapshot::kButtons] = c.stickX / 32767.0;
        numbers[2 + web::GamepadSnapshot::kButtons] = c.stickY / 32767.0;
        GamepadState browser = web::gamepadStateOf(web::GamepadSnapshot::fromNumbers(numbers));
        EXPECT_EQ(testing::keysHeldWith(browser), testing::expectedKeys(c)) << "browser, case " << at;

        win32::XInputGamepad pad{c.xinputButtons, 0, 0, static_cast<int16_t>(c.stickX),
                                 static_cast<int16_t>(std::min(-c.stickY, 32767))};  // XInput's y grows upward
        EXPECT_EQ(testing::keysHeldWith(win32::gamepadStateOf(pad)), testing::expectedKeys(c)) << "XInput, case " << at;
    }
}

// Half-pressed buttons, broken axes and unknown layouts press nothing; the
// furthest lean of XInput's stick still has its opposite.
TEST(GamepadTest, OddReadingsPressNothing) {
    web::GamepadSnapshot snapshot;
    snapshot.standard = true;
    snapshot.buttons[0] = 0.4;
    snapshot.axes[0] = std::nan("");
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons + web::gamepadStateOf(snapshot).stickX, 0);
    snapshot.buttons[0] = 0.6;
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons, PadA);
    snapshot.standard = false;
    EXPECT_EQ(web::gamepadStateOf(snapshot).buttons, 0);
    EXPECT_EQ(win32::gamepadStateOf(win32::XInputGamepad{0, 0, 0, 0, -32768}).stickY, 32767);
}

}  // namespace
}  // namespace vantor::platform
