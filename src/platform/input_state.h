#pragma once
#include <bitset>
#include <cstdint>

#include "platform/input.h"
#include "platform/tap_latch.h"

namespace vantor::platform {

// What a window's keyboard and mouse hold, in the game's terms; window
// backends only turn their events into these calls. Nothing is the game's
// while the window lacks the focus, and losing it lets go of every key and
// button: what was pressed meanwhile belongs to another program. Presses let
// go before the game looked still count once.
class InputState {
public:
    void setFocused(bool focused);
    bool focused() const { return focused_; }

    // Holds or lets go of a key; the system's repeats change nothing, as the
    // game repeats held keys itself. True when the press asks to switch full
    // screen (isFullScreenSwitch), which the backend carries out.
    bool key(uint8_t code, bool down, bool altHeld = false, bool repeat = false);
    // Button 0 is the left one, 1 the right one.
    void button(int which, bool down);
    // A press and release too quick to be held (a tap).
    void click(int which);
    // The pointer's place on the 640 x 480 picture; byTouch when a finger put
    // it there, with the finger's reach in picture pixels.
    void pointer(int32_t x, int32_t y, bool byTouch = false, int32_t reach = 0);
    bool buttonHeld(int which) const { return buttons_.test(size_t(which)); }

    DeviceResult acquire() const { return focused_ ? DeviceResult::Ok : DeviceResult::NotAcquired; }
    DeviceResult keyboardState(uint8_t keys[256]);
    // The pointer is absolute once it has been placed.
    DeviceResult mouseState(MouseReading& reading);

private:
    bool focused_ = false;
    std::bitset<256> keys_;
    TapLatch<256> keyTaps_;
    std::bitset<2> buttons_;
    TapLatch<2> buttonTaps_;
    bool placed_ = false;
    int32_t x_ = 0, y_ = 0;
    bool byTouch_ = false;
    int32_t reach_ = 0;
};

}  // namespace vantor::platform
