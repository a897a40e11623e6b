#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gamepad.h"
#include "platform/input.h"

namespace vantor::platform::testing {

// One thing done on a controller, in each backend's own numbering, and the
// keys the game must then see held.
struct PadCase {
    const char* what;
    int sdlButton;  // SDL_GameControllerButton (A 0, B 1, X 2, Y 3, BACK 4, START 6, shoulders 9 and 10, D-pad 11..14), -1: none
    int webButton;  // the standard mapping's button index, -1: none
    uint16_t xinputButtons;  // XINPUT_GAMEPAD_* bits
    int stickX;  // the left stick, -32768..32767, y downward
    int stickY;
    std::vector<uint8_t> keys;
};

inline const std::vector<PadCase> kPadCases = {
    {"D-pad up", 11, 12, 0x0001, 0, 0, {DIK_UP}},
    {"D-pad down", 12, 13, 0x0002, 0, 0, {DIK_DOWN}},
    {"D-pad left", 13, 14, 0x0004, 0, 0, {DIK_LEFT}},
    {"D-pad right", 14, 15, 0x0008, 0, 0, {DIK_RIGHT}},
    {"A", 0, 0, 0x1000, 0, 0, {DIK_RETURN}},
    {"B", 1, 1, 0x2000, 0, 0, {DIK_DELETE}},
    {"X", 2, 2, 0x4000, 0, 0, {DIK_DELETE}},
    {"Y", 3, 3, 0x8000, 0, 0, {}},
    {"Back", 4, 8, 0x0020, 0, 0, {DIK_ESCAPE}},
    {"Start", 6, 9, 0x0010, 0, 0, {DIK_F10}},
    {"left shoulder", 9, 4, 0x0100, 0, 0, {DIK_SUBTRACT}},
    {"right shoulder", 10, 5, 0x0200, 0, 0, {DIK_ADD}},
    {"stick right", -1, -1, 0, 20000, 0, {DIK_RIGHT}},
    {"stick left all the way", -1, -1, 0, -32768, 0, {DIK_LEFT}},
    {"stick down", -1, -1, 0, 0, 20000, {DIK_DOWN}},
    {"stick up all the way", -1, -1, 0, 0, -32767, {DIK_UP}},
    {"stick inside the dead zone", -1, -1, 0, 16000, -16000, {}},
    {"stick on a diagonal: the stronger axis", -1, -1, 0, 18000, -25000, {DIK_UP}},
    {"A with the stick right", 0, 0, 0x1000, 20000, 0, {DIK_RETURN, DIK_RIGHT}},
};

// The keys held once a controller's state joins a keyboard that holds Space.
inline std::vector<uint8_t> keysHeldWith(const GamepadState& pad) {
    uint8_t keys[256] = {};
    keys[DIK_SPACE] = 0x80;
    addGamepadKeys(pad, keys);
    std::vector<uint8_t> held;
    for (int k = 0; k < 256; ++k)
        if (keys[k]) held.push_back(static_cast<uint8_t>(k));
    return held;
}

inline std::vector<uint8_t> expectedKeys(const PadCase& c) {
    std::vector<uint8_t> keys = c.keys;
    keys.push_back(DIK_SPACE);
    std::sort(keys.begin(), keys.end());
    return keys;
}

}  // namespace vantor::platform::testing
