#pragma once
#include "platform/input.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// Keyboard by DirectInput scan code and the mouse, from SDL's state. Full
// screen: relative motion, so the game's own pointer moves as the mouse
// does. In a window: the system pointer's position over the picture, so the
// game's pointer follows it exactly (the system one is hidden there).
class SdlInput final : public Input {
public:
    explicit SdlInput(Context& context);

    bool create() override { return true; }
    bool openKeyboard() override { return true; }
    bool openMouse() override { return true; }
    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override;
    DeviceResult acquireMouse() override;
    void close() override {}

private:
    bool focused() const;
    bool fullScreen() const;
    void useRelativeMotion(bool on);
    void readPosition(MouseReading& reading);
    void showSystemPointer(bool show);

    Context& context_;
    bool relative_ = false;
    bool pointerShown_ = true;
};

}  // namespace vantor::platform::sdl
