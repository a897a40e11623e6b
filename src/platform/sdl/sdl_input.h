#pragma once
#include "platform/input.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_gamepad.h"
#include "platform/tap_latch.h"

namespace vantor::platform::sdl {

// Keyboard by DirectInput scan code and the mouse, from SDL's state, with
// presses let go between two readings kept for one reading. The pointer is
// the system pointer's position over the picture in a window and in full
// screen alike, so absolute devices (touch screens, tablets, remote
// desktops) move it; the system pointer is hidden over the picture. Game
// controllers come and go as they are plugged in and pulled out.
class SdlInput final : public Input {
public:
    explicit SdlInput(Context& context);

    bool create() override;
    bool openKeyboard() override { return true; }
    bool openMouse() override { return true; }
    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override;
    DeviceResult acquireMouse() override;
    GamepadState gamepadState() override { return gamepad_.read(); }
    void close() override { gamepad_.close(); }

private:
    bool focused() const;
    void onEvent(const SDL_Event& event);
    void readPosition(MouseReading& reading);
    void showSystemPointer(bool show);

    Context& context_;
    bool pointerShown_ = true;
    TapLatch<2> buttons_;
    TapLatch<256> keys_;
    SdlGamepad gamepad_;
};

}  // namespace vantor::platform::sdl
