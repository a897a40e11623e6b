#pragma once
#include "platform/input.h"
#include "platform/input_state.h"
#include "platform/win32/win32_context.h"
#include "platform/win32/win32_gamepad.h"

namespace vantor::platform::win32 {

// The DirectInput key code of a key message: its scan code, with the high
// bit for the extended keys (Pause and Num Lock come the other way round).
uint8_t keyCodeOf(WPARAM virtualKey, LPARAM lParam);

// Keyboard and mouse from the window's messages: keys by scan code, the
// pointer's absolute place over the picture (the window captures the mouse
// while a button is down), presses let go within one frame still read once.
// Both belong to the game only while it is the active program. Game
// controllers through XInput, where the system has it.
class Win32Input final : public Input {
public:
    explicit Win32Input(Context& context);

    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override { return state_.acquire(); }
    DeviceResult acquireMouse() override { return state_.acquire(); }
    GamepadState gamepadState() override { return gamepad_.read(GetTickCount()); }

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void button(int which, bool down, LPARAM at);
    bool overPicture() const;

    Context& context_;
    InputState state_;
    int x_ = 0, y_ = 0;  // client coordinates of the pointer
    Win32Gamepad gamepad_;
};

}  // namespace vantor::platform::win32
