#include "platform/input_state.h"

#include "platform/control_keys.h"

namespace vantor::platform {

void InputState::setFocused(bool focused) {
    focused_ = focused;
    if (focused) return;
    keys_.reset();
    keyTaps_.clear();
    buttons_.reset();
    buttonTaps_.clear();
}

bool InputState::key(uint8_t code, bool down, bool altHeld, bool repeat) {
    if (down && isFullScreenSwitch(code, altHeld)) return !repeat;
    if (code == 0 || !focused_ || (down && repeat)) return false;
    if (down) keyTaps_.press(code);
    keys_.set(code, down);
    return false;
}

void InputState::button(int which, bool down) {
    if (!focused_ || which < 0 || which > 1) return;
    // Moves repeat the held buttons: only a new press is a tap.
    if (down && !buttons_.test(size_t(which))) buttonTaps_.press(size_t(which));
    buttons_.set(size_t(which), down);
}

void InputState::click(int which) {
    if (focused_ && which >= 0 && which <= 1) buttonTaps_.press(size_t(which));
}

void InputState::pointer(int32_t x, int32_t y, bool byTouch, int32_t reach) {
    placed_ = true;
    x_ = x;
    y_ = y;
    byTouch_ = byTouch;
    reach_ = byTouch ? reach : 0;
}

DeviceResult InputState::keyboardState(uint8_t keys[256]) {
    if (!focused_) return DeviceResult::NotAcquired;
    for (size_t i = 0; i < 256; ++i) keys[i] = keyTaps_.read(i, keys_.test(i)) ? 0x80 : 0;
    foldMainRowSpeedKeys(keys);
    return DeviceResult::Ok;
}

DeviceResult InputState::mouseState(MouseReading& reading) {
    reading = MouseReading{};
    if (!focused_) return DeviceResult::NotAcquired;
    reading.absolute = placed_;
    reading.x = x_;
    reading.y = y_;
    reading.byTouch = byTouch_;
    reading.reach = reach_;
    for (size_t i = 0; i < 2; ++i) reading.buttons[i] = buttonTaps_.read(i, buttons_.test(i)) ? 0x80 : 0;
    return DeviceResult::Ok;
}

}  // namespace vantor::platform
