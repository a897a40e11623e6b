#pragma once
#include "platform/input.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// Keyboard by DirectInput scan code and the mouse, from SDL's state.
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
    void close() override {}

private:
    bool focused() const;
    Context& context_;
};

}  // namespace vantor::platform::sdl
