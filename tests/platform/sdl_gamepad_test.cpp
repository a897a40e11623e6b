// SDL's controller events, through the one mapping to the game's keys.
#include "platform/sdl/sdl_gamepad.h"

#include <gtest/gtest.h>

#include "platform/gamepad_cases.h"

namespace vantor::platform::sdl {
namespace {

SDL_Event event(uint32_t type, SDL_JoystickID id, int what = 0, int value = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_CONTROLLERAXISMOTION) {
        e.caxis.which = id;
        e.caxis.axis = static_cast<uint8_t>(what);
        e.caxis.value = static_cast<int16_t>(value);
    } else if (type == SDL_CONTROLLERDEVICEREMOVED) {
        e.cdevice.which = id;
    } else {
        e.cbutton.which = id;
        e.cbutton.button = static_cast<uint8_t>(what);
    }
    return e;
}

TEST(SdlGamepadTest, ControllerEventsHoldTheKeysOfTheOneMappingUntilLetGoOrPulled) {
    for (const testing::PadCase& c : testing::kPadCases) {
        SdlGamepad pad;
        if (c.sdlButton >= 0) pad.onEvent(event(SDL_CONTROLLERBUTTONDOWN, 3, c.sdlButton));
        pad.onEvent(event(SDL_CONTROLLERAXISMOTION, 3, SDL_CONTROLLER_AXIS_LEFTX, c.stickX));
        pad.onEvent(event(SDL_CONTROLLERAXISMOTION, 3, SDL_CONTROLLER_AXIS_LEFTY, c.stickY));
        pad.onEvent(event(SDL_CONTROLLERAXISMOTION, 3, SDL_CONTROLLER_AXIS_RIGHTX, 30000));  // moves nothing
        EXPECT_EQ(testing::keysHeldWith(pad.read()), testing::expectedKeys(c)) << &c - testing::kPadCases;
    }

    SdlGamepad pad;
    pad.onEvent(event(SDL_CONTROLLERBUTTONDOWN, 1, SDL_CONTROLLER_BUTTON_A));
    pad.onEvent(event(SDL_CONTROLLERBUTTONUP, 1, SDL_CONTROLLER_BUTTON_A));  // within one frame: read once
    pad.onEvent(event(SDL_CONTROLLERBUTTONDOWN, 1, SDL_CONTROLLER_BUTTON_START));
    pad.onEvent(event(SDL_CONTROLLERAXISMOTION, 2, SDL_CONTROLLER_AXIS_LEFTX, -20000));
    EXPECT_EQ(testing::keysHeldWith(pad.read()), (std::vector<int>{DIK_RETURN, DIK_F10, DIK_LEFT}));
    EXPECT_EQ(testing::keysHeldWith(pad.read()), (std::vector<int>{DIK_F10, DIK_LEFT}));
    pad.onEvent(event(SDL_CONTROLLERDEVICEREMOVED, 1));  // unplugged with Start held
    pad.onEvent(event(SDL_CONTROLLERDEVICEREMOVED, 9));  // never seen
    EXPECT_EQ(testing::keysHeldWith(pad.read()), (std::vector<int>{DIK_LEFT}));
}

}  // namespace
}  // namespace vantor::platform::sdl
