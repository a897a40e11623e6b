#pragma once
#include <cstdint>
#include <vector>

#include "platform/gamepad.h"
#include "platform/input.h"

namespace vantor::platform::testing {

// One thing done on a controller in each backend's own numbering (-1: no
// button), with the left stick (y downward), and the key the game must see.
struct PadCase {
    int sdlButton;  // SDL_GameControllerButton: A 0, B 1, X 2, Y 3, BACK 4, START 6, shoulders 9 10, D-pad 11..14
    int webButton;  // the standard mapping's index
    uint16_t xinputButtons;  // XINPUT_GAMEPAD_* bits
    int stickX, stickY;
    int key;  // the one key held besides the keyboard's Space; 0: none
};

inline const PadCase kPadCases[] = {
    {11, 12, 0x0001, 0, 0, DIK_UP},      {12, 13, 0x0002, 0, 0, DIK_DOWN},    {13, 14, 0x0004, 0, 0, DIK_LEFT},
    {14, 15, 0x0008, 0, 0, DIK_RIGHT},   {0, 0, 0x1000, 0, 0, DIK_RETURN},    {1, 1, 0x2000, 0, 0, DIK_DELETE},
    {2, 2, 0x4000, 0, 0, DIK_DELETE},    {3, 3, 0x8000, 0, 0, 0},             {4, 8, 0x0020, 0, 0, DIK_ESCAPE},
    {6, 9, 0x0010, 0, 0, DIK_F10},       {9, 4, 0x0100, 0, 0, DIK_SUBTRACT},  {10, 5, 0x0200, 0, 0, DIK_ADD},
    {-1, -1, 0, 20000, 0, DIK_RIGHT},    {-1, -1, 0, -32768, 0, DIK_LEFT},    {-1, -1, 0, 0, 20000, DIK_DOWN},
    {-1, -1, 0, 0, -32767, DIK_UP},      {-1, -1, 0, 16000, -16000, 0},       // inside the dead zone
    {-1, -1, 0, 18000, -25000, DIK_UP},  // a diagonal goes the stronger way
};

// The keys held once a controller joins a keyboard that holds Space.
inline std::vector<int> keysHeldWith(const GamepadState& pad) {
    uint8_t keys[256] = {};
    keys[DIK_SPACE] = 0x80;
    addGamepadKeys(pad, keys);
    std::vector<int> held;
    for (int k = 0; k < 256; ++k)
        if (keys[k] && k != DIK_SPACE) held.push_back(k);
    return keys[DIK_SPACE] ? held : std::vector<int>{-1};
}

inline std::vector<int> expectedKeys(const PadCase& c) { return c.key ? std::vector<int>{c.key} : std::vector<int>{}; }

}  // namespace vantor::platform::testing
