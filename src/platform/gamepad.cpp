#include "platform/gamepad.h"

#include <cstdlib>
#include <utility>

#include "platform/input.h"

namespace vantor::platform {
namespace {

// Half way over: a stick resting a little off centre, or brushed while
// reaching for a button, moves nothing.
constexpr int kDeadZone = 16384;

constexpr std::pair<uint16_t, uint8_t> kButtonKeys[] = {
    {PadUp, DIK_UP},       {PadDown, DIK_DOWN},         {PadLeft, DIK_LEFT},
    {PadRight, DIK_RIGHT}, {PadA, DIK_RETURN},          {PadB, DIK_DELETE},
    {PadX, DIK_DELETE},    {PadStart, DIK_F10},         {PadBack, DIK_ESCAPE},
    {PadLeftShoulder, DIK_SUBTRACT}, {PadRightShoulder, DIK_ADD},
};

// The direction the stick leans along its stronger axis, as D-pad buttons,
// so a diagonal moves one way at a time.
uint16_t stickButtons(int x, int y) {
    if (std::abs(x) >= std::abs(y)) {
        if (x >= kDeadZone) return PadRight;
        if (x <= -kDeadZone) return PadLeft;
    } else {
        if (y >= kDeadZone) return PadDown;
        if (y <= -kDeadZone) return PadUp;
    }
    return 0;
}

int16_t furthest(int16_t a, int16_t b) { return std::abs(int{b}) > std::abs(int{a}) ? b : a; }

}  // namespace

void GamepadState::add(const GamepadState& other) {
    buttons |= other.buttons;
    stickX = furthest(stickX, other.stickX);
    stickY = furthest(stickY, other.stickY);
}

uint16_t heldButtons(const GamepadState& pad) { return pad.buttons | stickButtons(pad.stickX, pad.stickY); }

void addGamepadKeys(const GamepadState& pad, uint8_t keys[256]) {
    uint16_t held = heldButtons(pad);
    for (auto [button, key] : kButtonKeys)
        if (held & button) keys[key] = 0x80;
}

uint8_t gamepadTyped(const GamepadState& before, const GamepadState& now) {
    return (now.buttons & PadA) && !(before.buttons & PadA) ? 13 : 0;
}

}  // namespace vantor::platform
