#include "input/input_devices.h"

#include <algorithm>
#include <cstring>

#include "input/recording.h"
#include "platform/platform.h"

namespace vantor {

using platform::DeviceResult;

namespace {

// One reading with a single re-acquire: a device lost to another program,
// or not yet ours, gets one more try once it is acquired again. Bounded, so
// a device that keeps failing reads as idle instead of hanging the frame.
template <typename Read, typename Acquire>
bool readAcquired(Read read, Acquire acquire) {
    DeviceResult result = read();
    if (result == DeviceResult::InputLost || result == DeviceResult::NotAcquired) {
        if (acquire() != DeviceResult::Ok) return false;
        result = read();
    }
    return result == DeviceResult::Ok;
}

int32_t clampTo(int64_t value, int32_t high) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, high));
}

constexpr uint32_t kRepeatDelayMs = 400;
constexpr uint32_t kRepeatEveryMs = 120;

// How many repeats a key held since pressedAt has made by the time now.
uint32_t repeatsBy(uint32_t pressedAt, uint32_t now) {
    uint32_t held = now - pressedAt;
    return held < kRepeatDelayMs ? 0 : (held - kRepeatDelayMs) / kRepeatEveryMs + 1;
}

}  // namespace

int InputDevices::init() {
    platform::Input& input = platform::input();
    if (!input.create()) return 0;
    if (!input.openKeyboard()) return 1;
    haveKeyboard_ = true;
    input.acquireKeyboard();
    std::memset(keyState, 0, sizeof keyState);
    std::memset(heldPolls, 0, sizeof heldPolls);
    pads_ = platform::GamepadState{};
    padsHeld_ = padsHeldBefore_ = 0;
    padTypesEnter_ = true;
    keyPointer = KeyPointer{};
    inUse = input.startedBy();
    ring.capture = 0;
    if (!input.openMouse()) return 2;
    haveMouse_ = true;
    input.acquireMouse();
    mouse = MouseState{};
    return 3;
}

void InputDevices::shutdown() {
    platform::input().close();
    haveKeyboard_ = haveMouse_ = false;
    if (recorder.active) CloseRecording();
}

bool InputDevices::readMouse(platform::MouseReading& reading) {
    platform::Input& input = platform::input();
    return haveMouse_ && readAcquired([&] { return input.mouseState(reading); },
                                      [&] { return input.acquireMouse(); });
}

void InputDevices::PollMouse() {
    const MouseState before = mouse;
    platform::MouseReading reading;
    if (!readMouse(reading)) reading = platform::MouseReading{};
    if (!keyPointer.keeps(reading)) {
        int64_t x = reading.absolute ? reading.x : int64_t{mouse.x} + reading.dx;
        int64_t y = reading.absolute ? reading.y : int64_t{mouse.y} + reading.dy;
        mouse.x = clampTo(x, 639);
        mouse.y = clampTo(y, 479);
        if (reading.byTouch && aimTouch) aimTouch(mouse.x, mouse.y, reading.reach);
    }
    if (keyPointer.stirred()) inUse = reading.byTouch ? InputKind::Touch : InputKind::Mouse;
    mouse.left = reading.buttons[0];
    mouse.right = reading.buttons[1];
    pointerShown = !reading.byTouch;
    keyPointer.pressInto(mouse);
    recorderStep(before.x, before.y);
    if (mousePolled) mousePolled(mouse);
}

bool InputDevices::readKeyboard() {
    platform::Input& input = platform::input();
    return haveKeyboard_ && readAcquired([&] { return input.keyboardState(keyState); },
                                         [&] { return input.acquireKeyboard(); });
}

// A controller counts only while the keyboard does: both are the active
// game's alone.
void InputDevices::readGamepads() {
    platform::GamepadState now = platform::input().gamepadState();
    platform::addGamepadKeys(now, keyState);
    uint8_t typed = platform::gamepadTyped(pads_, now);
    if (typed && padTypesEnter_) putChar(typed);
    pads_ = now;
    padsHeldBefore_ = padsHeld_;
    padsHeld_ = platform::heldButtons(now);
    if (padsHeld_ & ~padsHeldBefore_) inUse = InputKind::Controller;
}

// A key of the keyboard's own, before the controllers add theirs, that went
// down since the last poll.
void InputDevices::noteKeyboardUse() {
    for (int k = 0; k < 256; ++k)
        if (keyState[k] && heldPolls[k] == 0) inUse = InputKind::Keys;
}

void InputDevices::countHeldPolls() {
    previousPollTick_ = pollTick_;
    pollTick_ = platform::system().ticks();
    for (int k = 0; k < 256; ++k) {
        if (!keyState[k]) {
            heldPolls[k] = 0;
        } else if (heldPolls[k] < 2 && ++heldPolls[k] == 1) {
            pressTick_[k] = pollTick_;
        }
    }
}

// Unread, every key is up; the counts stay, so that a key or button held
// while the game was away is no new press when it comes back.
void InputDevices::PollKeyboard() {
    if (!readKeyboard()) {
        std::memset(keyState, 0, sizeof keyState);
        return;
    }
    noteKeyboardUse();
    readGamepads();
    countHeldPolls();
}

bool InputDevices::keyPressed(uint8_t key) const { return keyState[key] && heldPolls[key] == 1; }

bool InputDevices::keyRepeats(uint8_t key) const {
    if (!keyState[key]) return false;
    if (heldPolls[key] == 1) return true;
    return repeatsBy(pressTick_[key], pollTick_) > repeatsBy(pressTick_[key], previousPollTick_);
}

int InputDevices::keyStep(uint8_t forward, uint8_t back) const {
    return (keyRepeats(forward) ? 1 : 0) - (keyRepeats(back) ? 1 : 0);
}

bool InputDevices::anyKeyPressed(std::initializer_list<uint8_t> keys) const {
    return std::any_of(keys.begin(), keys.end(), [this](uint8_t k) { return keyPressed(k); });
}

bool InputDevices::padPressed(uint16_t buttons) const { return (padsHeld_ & ~padsHeldBefore_ & buttons) != 0; }

bool InputDevices::NoKeyDown() const {
    return std::all_of(std::begin(keyState), std::end(keyState), [](uint8_t k) { return k == 0; });
}

void InputDevices::WaitAllKeysUp() {
    while (!NoKeyDown()) PollKeyboard();
}

void InputDevices::putChar(uint8_t c) {
    if (!ring.capture) return;
    ring.buffer[ring.writeIndex] = c;
    ring.writeIndex = (ring.writeIndex + 1) & 31;
    if (ring.writeIndex == ring.readIndex) ring.readIndex = (ring.readIndex + 1) & 31;
}

uint8_t InputDevices::peekChar() const {
    if (!ring.capture || ring.readIndex == ring.writeIndex) return 0;
    return ring.buffer[ring.readIndex];
}

uint8_t InputDevices::takeChar() {
    if (!ring.capture || ring.readIndex == ring.writeIndex) return 0;
    uint8_t c = ring.buffer[ring.readIndex];
    ring.readIndex = (ring.readIndex + 1) & 31;
    return c;
}

void InputDevices::setCapture(bool on) { ring.capture = on ? 1 : 0; }

void InputDevices::emptyRing() { ring.readIndex = ring.writeIndex; }

}  // namespace vantor
