#include "platform/web/web_input.h"

#include <algorithm>
#include <cmath>
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

void WebInput::pointer(const PointerEvent& event) {
    if (!state_.focused()) return;
    if (event.kind == PointerEvent::Kind::Mouse) {
        place(event);
        mouseButtons(event.buttons);
    } else {
        touch(event);
    }
}

void WebInput::place(const PointerEvent& event) {
    double reach = kFingerReachCss * event.pixelRatio * kPictureWidth / std::max(picture_.w, 1);
    state_.pointer(picture_.pictureX(devicePixel(event.x, event.pixelRatio)),
                   picture_.pictureY(devicePixel(event.y, event.pixelRatio)),
                   event.kind == PointerEvent::Kind::Touch,
                   std::isfinite(reach) ? static_cast<int32_t>(std::clamp(reach, 0.0, 640.0)) : 0);
}

// Chorded presses arrive as moves, so the held buttons come from the bits.
void WebInput::mouseButtons(int buttons) {
    state_.button(kLeft, (buttons & 1) != 0);
    state_.button(kRight, (buttons & 2) != 0);
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
    if (click == TouchGestures::Click::Left) state_.click(kLeft);
    if (click == TouchGestures::Click::Right) state_.click(kRight);
}

void WebInput::setFocused(bool focused) {
    state_.setFocused(focused);
    if (!focused) gestures_ = TouchGestures{};
}

DeviceResult WebInput::keyboardState(uint8_t keys[256]) {
    // Read again with no mouse reading between: the game waits for keys to
    // be let go, which only the page can tell.
    if (keyboardOnly_) yieldToPage_();
    keyboardOnly_ = true;
    return state_.keyboardState(keys);
}

DeviceResult WebInput::mouseState(MouseReading& reading) {
    keyboardOnly_ = false;
    if (state_.focused()) click(gestures_.take(now_()));
    return state_.mouseState(reading);
}

}  // namespace vantor::platform::web
