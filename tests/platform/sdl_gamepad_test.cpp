// SDL's controller events, through the one mapping to the game's keys.
#include "platform/sdl/sdl_gamepad.h"

#include <gtest/gtest.h>

#include "platform/gamepad_cases.h"

namespace vantor::platform::sdl {
namespace {

using testing::expectedKeys;
using testing::keysHeldWith;

SDL_Event buttonEvent(SDL_JoystickID id, int button, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.which = id;
    event.cbutton.button = static_cast<uint8_t>(button);
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

SDL_Event axisEvent(SDL_JoystickID id, SDL_GameControllerAxis axis, int value) {
    SDL_Event event{};
    event.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.which = id;
    event.caxis.axis = static_cast<uint8_t>(axis);
    event.caxis.value = static_cast<int16_t>(value);
    return event;
}

SDL_Event pulledEvent(SDL_JoystickID id) {
    SDL_Event event{};
    event.type = SDL_CONTROLLERDEVICEREMOVED;
    event.cdevice.which = id;
    return event;
}

TEST(SdlGamepadTest, ControllerEventsHoldTheKeysOfTheOneMapping) {
    for (const testing::PadCase& c : testing::kPadCases) {
        SdlGamepad pad;
        if (c.sdlButton >= 0) pad.onEvent(buttonEvent(3, c.sdlButton, true));
        pad.onEvent(axisEvent(3, SDL_CONTROLLER_AXIS_LEFTX, c.stickX));
        pad.onEvent(axisEvent(3, SDL_CONTROLLER_AXIS_LEFTY, c.stickY));
        pad.onEvent(axisEvent(3, SDL_CONTROLLER_AXIS_RIGHTX, 30000));  // the right stick moves nothing
        EXPECT_EQ(keysHeldWith(pad.read()), expectedKeys(c)) << c.what;
    }
}

TEST(SdlGamepadTest, QuickPressesReadOnceAndAPulledControllerLetsGo) {
    SdlGamepad pad;
    pad.onEvent(buttonEvent(1, SDL_CONTROLLER_BUTTON_A, true));
    pad.onEvent(buttonEvent(1, SDL_CONTROLLER_BUTTON_A, false));  // within one frame
    EXPECT_EQ(pad.read().buttons, PadA);
    EXPECT_EQ(pad.read().buttons, 0);

    pad.onEvent(buttonEvent(1, SDL_CONTROLLER_BUTTON_START, true));
    pad.onEvent(axisEvent(2, SDL_CONTROLLER_AXIS_LEFTX, -20000));
    EXPECT_EQ(keysHeldWith(pad.read()), (std::vector<uint8_t>{DIK_SPACE, DIK_F10, DIK_LEFT}));
    pad.onEvent(pulledEvent(1));  // unplugged with Start held
    EXPECT_EQ(keysHeldWith(pad.read()), (std::vector<uint8_t>{DIK_SPACE, DIK_LEFT}));
    pad.onEvent(pulledEvent(2));
    pad.onEvent(pulledEvent(9));  // never seen
    EXPECT_EQ(keysHeldWith(pad.read()), (std::vector<uint8_t>{DIK_SPACE}));
}

}  // namespace
}  // namespace vantor::platform::sdl
