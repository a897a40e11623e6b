#pragma once
#include <cstdint>
#include <functional>

#include "platform/input.h"
#include "platform/picture_fit.h"
#include "platform/input_state.h"
#include "platform/web/touch_gestures.h"

namespace vantor::platform::web {

// One Pointer Events event, as the page hands it on: where it happened, in
// page (CSS) pixels from the viewport's top left corner, and how many device
// pixels a page pixel holds.
struct PointerEvent {
    enum class Phase { Down, Move, Up, Cancel };
    enum class Kind { Mouse, Pen, Touch };
    Phase phase = Phase::Move;
    Kind kind = Kind::Mouse;
    int id = 0;
    int buttons = 0;  // the PointerEvent.buttons bits: 1 primary, 2 secondary
    double x = 0;
    double y = 0;
    double pixelRatio = 1;
    double time = 0;
};

// Keyboard and mouse from the page's events. The mouse reports the pointer's
// place on the picture (the game's pointer sits under the system one, or
// under the first finger of a gesture); its buttons are the mouse's own, or
// what touches mean (TouchGestures). Presses let go before the game looked
// still count once. Both devices belong to the game only while the page is
// in view and has the focus.
class WebInput final : public Input {
public:
    // now: the page's clock in milliseconds. yieldToPage: lets the page
    // deliver waiting events (the game may wait for keys without a frame).
    // offerKeyboard: tells the page whether to offer its on-screen keyboard.
    // gamepads: the page's gamepads as they are now.
    WebInput(std::function<double()> now, std::function<void()> yieldToPage,
             std::function<void(bool)> offerKeyboard, std::function<GamepadState()> gamepads = nullptr);

    // True when the press asks the page to switch full screen.
    bool key(uint8_t code, bool down, bool altHeld = false, bool repeat = false) {
        return state_.key(code, down, altHeld, repeat);
    }
    void pointer(const PointerEvent& event);
    // Where the page shows the picture, in the viewport's device pixels.
    void setPicture(const PictureRect& picture) { picture_ = picture; }
    // Losing the focus lets go of every key and button.
    void setFocused(bool focused);

    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override { return state_.acquire(); }
    DeviceResult acquireMouse() override { return state_.acquire(); }
    void typingName(bool on) override { offerKeyboard_(on); }
    GamepadState gamepadState() override { return gamepads_ ? gamepads_() : GamepadState{}; }
    InputKind startedBy() override { return startedBy_; }
    void setStartedBy(InputKind kind) { startedBy_ = kind; }

private:
    void place(const PointerEvent& event);
    void mouseButtons(int buttons);
    void touch(const PointerEvent& event);
    void click(TouchGestures::Click click);

    std::function<double()> now_;
    std::function<void()> yieldToPage_;
    std::function<void(bool)> offerKeyboard_;
    std::function<GamepadState()> gamepads_;
    InputKind startedBy_ = InputKind::Mouse;
    InputState state_;
    bool keyboardOnly_ = false;  // no mouse reading since the last keyboard reading
    PictureRect picture_;
    TouchGestures gestures_;
};

}  // namespace vantor::platform::web
