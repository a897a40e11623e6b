#pragma once
#include <cstdint>
#include <string>

#include "platform/headless/headless_world.h"
#include "platform/input.h"

namespace vantor::platform::headless {

// Keyboard, mouse and game controller as the input script says, frame by frame.
//
// The devices can be made to misbehave with these faults (VANTOR_FAIL or
// setFault): "input", "keyboard", "mouse" fail creation; "keyboard-lost" and
// "mouse-lost" take the device away before each poll (the reading answers
// InputLost, acquiring brings it back), "keyboard-unacquired" and
// "mouse-unacquired" do the same answering NotAcquired, as a game in the
// background sees; "keyboard-acquire" and "mouse-acquire" make acquiring fail.
class HeadlessInput final : public Input {
public:
    explicit HeadlessInput(World& world);

    bool create() override;
    bool openKeyboard() override;
    bool openMouse() override;
    DeviceResult keyboardState(uint8_t keys[256]) override;
    DeviceResult mouseState(MouseReading& reading) override;
    DeviceResult acquireKeyboard() override;
    DeviceResult acquireMouse() override;
    GamepadState gamepadState() override { return pad_; }

private:
    struct Device {
        std::string name;
        bool acquired = true;
        bool justAcquired = false;  // the reading right after acquiring it again works
        DeviceResult why = DeviceResult::Ok;
    };
    static DeviceResult check(Device& device);
    static DeviceResult acquire(Device& device);

    void catchUpPointer();
    void catchUpKeys();
    void applyKey(const ScriptEvent& ev);
    void takeNextKeyChange();
    bool anyKeyHeld() const;

    World& world_;
    Device keyboard_{"keyboard"};
    Device mouse_{"mouse"};

    size_t pointerCursor_ = 0;
    uint8_t buttons_[4] = {};
    bool placed_ = false;  // a "mouse" command since the last reading
    int32_t x_ = 0, y_ = 0;
    int32_t dx_ = 0, dy_ = 0;

    size_t keyCursor_ = 0;
    uint8_t keys_[256] = {};
    GamepadState pad_;
    int64_t lastKeyFrame_ = -1;
    bool keyboardOnly_ = false;  // no mouse reading since the last keyboard reading
};

}  // namespace vantor::platform::headless
