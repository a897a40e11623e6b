#pragma once
#include "platform/input.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_gamepad.h"
#include "platform/input_state.h"

namespace vantor::platform::sdl {

// The DirectInput code of an SDL scan code; 0 for keys the game never sees.
uint8_t keyCodeOf(SDL_Scancode scancode);

// Keyboard by DirectInput scan code and the mouse, from SDL's events. The pointer is
// the system pointer's position over the picture in a window and in full
// screen alike, so absolute devices (touch screens, tablets, remote
// desktops) move it; the system pointer is hidden over the picture. Game
// controllers come and go as they are plugged in and pulled out.
class SdlInput final : public Input {
public:
    explicit SdlInput(Context& context);

    bool create() override;
    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override;
    DeviceResult acquireMouse() override;
    GamepadState gamepadState() override { return gamepad_.read(); }
    void close() override { gamepad_.close(); }

private:
    void takeEvents();
    void syncFocus();
    void onEvent(const SDL_Event& event);
    void readPosition();
    void showSystemPointer(bool show);

    Context& context_;
    bool pointerShown_ = true;
    InputState state_;
    SdlGamepad gamepad_;
};

}  // namespace vantor::platform::sdl
