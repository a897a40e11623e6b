#include "platform/sdl/sdl_input.h"

#include <cstring>

namespace vantor::platform::sdl {

SdlInput::SdlInput(Context& context) : context_(context) {}

bool SdlInput::create() { return true; }

bool SdlInput::focused() const {
    return context_.window && (SDL_GetWindowFlags(context_.window) & SDL_WINDOW_INPUT_FOCUS);
}

DeviceResult SdlInput::keyboardState(uint8_t keys[256]) {
    std::memset(keys, 0, 256);
    return focused() ? DeviceResult::Ok : DeviceResult::NotAcquired;
}

DeviceResult SdlInput::mouseState(MouseReading& reading) {
    reading = MouseReading{};
    if (!focused()) return DeviceResult::NotAcquired;
    int x = 0, y = 0;
    uint32_t buttons = SDL_GetMouseState(&x, &y);
    reading.absolute = true;
    reading.x = x;
    reading.y = y;
    reading.buttons[0] = (buttons & SDL_BUTTON_LMASK) ? 0x80 : 0;
    reading.buttons[1] = (buttons & SDL_BUTTON_RMASK) ? 0x80 : 0;
    return DeviceResult::Ok;
}

DeviceResult SdlInput::acquireKeyboard() {
    return focused() ? DeviceResult::Ok : DeviceResult::NotAcquired;
}

DeviceResult SdlInput::acquireMouse() {
    return focused() ? DeviceResult::Ok : DeviceResult::NotAcquired;
}

}  // namespace vantor::platform::sdl
