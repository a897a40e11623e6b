#pragma once
#include <cstdint>

namespace vantor::platform {

// A game controller's buttons, in the layout SDL's game controllers, the
// browser's standard gamepad and XInput share.
enum GamepadButton : uint16_t {
    PadUp = 1 << 0,
    PadDown = 1 << 1,
    PadLeft = 1 << 2,
    PadRight = 1 << 3,
    PadA = 1 << 4,
    PadB = 1 << 5,
    PadX = 1 << 6,
    PadY = 1 << 7,
    PadStart = 1 << 8,
    PadBack = 1 << 9,
    PadLeftShoulder = 1 << 10,
    PadRightShoulder = 1 << 11,
};

// The controllers as a backend last saw them, all of them together: the
// buttons held on any, and the left stick that leans furthest (each axis
// -32768..32767, x to the right, y downward).
struct GamepadState {
    uint16_t buttons = 0;
    int16_t stickX = 0;
    int16_t stickY = 0;

    // Takes in one more controller.
    void add(const GamepadState& other);
};

// The buttons held, with the stick's lean as the D-pad's.
uint16_t heldButtons(const GamepadState& pad);

// Holds the keys a controller stands for in the game's key bytes: the D-pad
// and the stick are the arrows, A is Enter, B and X are Delete (the right
// button at the cell cursor), Start is F10, Back is Escape and the
// shoulders are the keypad's - and +. Keys the keyboard holds stay held.
void addGamepadKeys(const GamepadState& pad, uint8_t keys[256]);

// The character a controller types when it goes from before to now: Enter
// (13) when A went down, so name entries and score tables end on it; else 0.
uint8_t gamepadTyped(const GamepadState& before, const GamepadState& now);

}  // namespace vantor::platform
