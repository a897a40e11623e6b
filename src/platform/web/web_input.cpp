#include "platform/web/web_input.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace vantor::platform::web {
namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
// A fingertip's tap lands this many CSS pixels off the spot meant, as a rule.
constexpr double kFingerReachCss = 24;

// The page's numbers may be anything; the game clamps what lies off the picture.
int64_t devicePixel(double at, double ratio) {
    double pixel = std::floor(at * ratio);
    return std::isfinite(pixel) ? static_cast<int64_t>(std::clamp(pixel, -1e7, 1e7)) : 0;
}

}  // namespace

WebInput::WebInput(std::function<double()> now, std::function<void()> yieldToPage,
                   std::function<void(bool)> offerKeyboard, std::function<GamepadState()> gamepads)
    : now_(std::move(now)),
      yieldToPage_(std::move(yieldToPage)),
      offerKeyboard_(std::move(offerKeyboard)),
      gamepads_(std::move(gamepads)) {}

void WebInput::key(uint8_t code, bool down) {
    if (code == 0 || !focused_) return;
    if (down) keyTaps_.press(code);
    held_[code] = down ? 0x80 : 0;
}

void WebInput::pointer(const PointerEvent& event) {
    if (!focused_) return;
    byTouch_ = event.kind == PointerEvent::Kind::Touch;
    if (event.kind == PointerEvent::Kind::Mouse) {
        place(event);
        mouseButtons(event.buttons);
    } else {
        touch(event);
    }
}

void WebInput::place(const PointerEvent& event) {
    placed_ = true;
    x_ = picture_.pictureX(devicePixel(event.x, event.pixelRatio));
    y_ = picture_.pictureY(devicePixel(event.y, event.pixelRatio));
    double reach = kFingerReachCss * event.pixelRatio * kPictureWidth / std::max(picture_.w, 1);
    reach_ = std::isfinite(reach) ? static_cast<int32_t>(std::clamp(reach, 0.0, 640.0)) : 0;
}

// Chorded presses arrive as moves, so the held buttons come from the bits.
void WebInput::mouseButtons(int buttons) {
    int now = (buttons & 1 ? 1 << kLeft : 0) | (buttons & 2 ? 1 << kRight : 0);
    for (int b : {kLeft, kRight})
        if ((now & ~buttons_) & (1 << b)) buttonTaps_.press(static_cast<size_t>(b));
    buttons_ = now;
}

// A pen's side button is the right button, as a mouse's; its tip and
// fingers make clicks by gesture.
void WebInput::touch(const PointerEvent& event) {
    using Phase = PointerEvent::Phase;
    if (event.kind == PointerEvent::Kind::Pen) mouseButtons(event.buttons & 2);
    // Only the first contact moves the pointer, to its very end: a second
    // finger lifted last must not carry the click away from the first.
    bool led = gestures_.leads(event.id);
    switch (event.phase) {
    case Phase::Down: gestures_.down(event.id, event.x, event.y, event.time); break;
    case Phase::Move: gestures_.move(event.id, event.x, event.y); break;
    case Phase::Up: gestures_.up(event.id, event.time); break;
    case Phase::Cancel: gestures_.cancel(event.id); break;
    }
    bool hovering = event.kind == PointerEvent::Kind::Pen && event.phase == Phase::Move;
    if (led || gestures_.leads(event.id) || hovering) place(event);
    click(gestures_.take(event.time));
}

void WebInput::click(TouchGestures::Click click) {
    if (click == TouchGestures::Click::Left) buttonTaps_.press(kLeft);
    if (click == TouchGestures::Click::Right) buttonTaps_.press(kRight);
}

void WebInput::setFocused(bool focused) {
    focused_ = focused;
    if (!focused) letGo();
}

void WebInput::letGo() {
    std::memset(held_, 0, sizeof held_);
    keyTaps_.clear();
    buttons_ = 0;
    buttonTaps_.clear();
    gestures_ = TouchGestures{};
}

DeviceResult WebInput::keyboardState(uint8_t keys[256]) {
    // Read again with no mouse reading between: the game waits for keys to
    // be let go, which only the page can tell.
    if (keyboardOnly_) yieldToPage_();
    keyboardOnly_ = true;
    if (!focused_) return DeviceResult::NotAcquired;
    for (size_t i = 0; i < 256; ++i) keys[i] = keyTaps_.read(i, held_[i] != 0) ? 0x80 : 0;
    foldMainRowSpeedKeys(keys);
    return DeviceResult::Ok;
}

DeviceResult WebInput::mouseState(MouseReading& reading) {
    keyboardOnly_ = false;
    reading = MouseReading{};
    if (!focused_) return DeviceResult::NotAcquired;
    click(gestures_.take(now_()));
    reading.absolute = placed_;
    reading.x = x_;
    reading.y = y_;
    reading.byTouch = byTouch_;
    reading.reach = byTouch_ ? reach_ : 0;
    reading.buttons[0] = buttonTaps_.read(kLeft, buttons_ & (1 << kLeft)) ? 0x80 : 0;
    reading.buttons[1] = buttonTaps_.read(kRight, buttons_ & (1 << kRight)) ? 0x80 : 0;
    return DeviceResult::Ok;
}

DeviceResult WebInput::acquireKeyboard() { return focused_ ? DeviceResult::Ok : DeviceResult::NotAcquired; }

DeviceResult WebInput::acquireMouse() { return focused_ ? DeviceResult::Ok : DeviceResult::NotAcquired; }

}  // namespace vantor::platform::web
