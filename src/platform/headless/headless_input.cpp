#include "platform/headless/headless_input.h"

#include <algorithm>
#include <cstring>

#include "platform/headless/faults.h"

namespace vantor::platform::headless {

using Kind = ScriptEvent::Kind;

namespace {
// The controller is read with the keyboard, so its changes count as key changes.
bool isKey(Kind kind) {
    return kind == Kind::KeyDown || kind == Kind::KeyUp || kind == Kind::Pad || kind == Kind::Stick;
}
}  // namespace

HeadlessInput::HeadlessInput(World& world) : world_(world) {}

bool HeadlessInput::create() { return !fault("input"); }
bool HeadlessInput::openKeyboard() { return !fault("keyboard"); }
bool HeadlessInput::openMouse() { return !fault("mouse"); }

DeviceResult HeadlessInput::check(Device& device) {
    if (device.acquired && !device.justAcquired) {
        if (fault(device.name + "-lost")) {
            device.acquired = false;
            device.why = DeviceResult::InputLost;
        } else if (fault(device.name + "-unacquired")) {
            device.acquired = false;
            device.why = DeviceResult::NotAcquired;
        }
    }
    device.justAcquired = false;
    return device.acquired ? DeviceResult::Ok : device.why;
}

DeviceResult HeadlessInput::acquire(Device& device) {
    if (fault(device.name + "-acquire")) return DeviceResult::NotAcquired;
    device.justAcquired = !device.acquired;
    device.acquired = true;
    return DeviceResult::Ok;
}

DeviceResult HeadlessInput::acquireKeyboard() { return acquire(keyboard_); }
DeviceResult HeadlessInput::acquireMouse() { return acquire(mouse_); }

void HeadlessInput::catchUpPointer() {
    const auto& events = world_.script.events();
    for (; pointerCursor_ < events.size() && events[pointerCursor_].frame <= world_.frame;
         ++pointerCursor_) {
        const ScriptEvent& ev = events[pointerCursor_];
        switch (ev.kind) {
        case Kind::Mouse:
            placed_ = true;
            x_ = ev.a;
            y_ = ev.b;
            dx_ = dy_ = 0;
            break;
        case Kind::Move:
            (placed_ ? x_ : dx_) += ev.a;
            (placed_ ? y_ : dy_) += ev.b;
            break;
        case Kind::Press: buttons_[ev.a] = 0x80; break;
        case Kind::Release: buttons_[ev.a] = 0; break;
        default: break;
        }
    }
}

DeviceResult HeadlessInput::mouseState(MouseReading& reading) {
    keyboardOnly_ = false;
    DeviceResult result = check(mouse_);
    if (result != DeviceResult::Ok) return result;
    catchUpPointer();
    reading = MouseReading{};
    reading.absolute = placed_;
    reading.x = x_;
    reading.y = y_;
    reading.dx = dx_;
    reading.dy = dy_;
    std::memcpy(reading.buttons, buttons_, 4);
    placed_ = false;
    dx_ = dy_ = 0;
    return DeviceResult::Ok;
}

void HeadlessInput::applyKey(const ScriptEvent& ev) {
    switch (ev.kind) {
    case Kind::KeyDown: keys_[ev.a] = 0x80; break;
    case Kind::KeyUp: keys_[ev.a] = 0; break;
    case Kind::Pad: pad_.buttons = static_cast<uint16_t>(ev.a); break;
    case Kind::Stick:
        pad_.stickX = static_cast<int16_t>(ev.a);
        pad_.stickY = static_cast<int16_t>(ev.b);
        break;
    default: break;
    }
}

void HeadlessInput::catchUpKeys() {
    const auto& events = world_.script.events();
    for (; keyCursor_ < events.size() && events[keyCursor_].frame <= world_.frame; ++keyCursor_)
        applyKey(events[keyCursor_]);
}

// The game spins on the keyboard alone within one frame (waiting for keys
// to be let go): time passes for the player, so the next scripted key
// change comes early; with none left, every key is let go.
void HeadlessInput::takeNextKeyChange() {
    const auto& events = world_.script.events();
    auto next = std::find_if(events.begin() + static_cast<std::ptrdiff_t>(keyCursor_), events.end(),
                             [](const ScriptEvent& ev) { return isKey(ev.kind); });
    if (next == events.end()) {
        std::memset(keys_, 0, sizeof keys_);
        pad_ = GamepadState{};
        keyCursor_ = events.size();
        return;
    }
    uint32_t frame = next->frame;
    for (; keyCursor_ < events.size() && events[keyCursor_].frame <= frame; ++keyCursor_)
        applyKey(events[keyCursor_]);
}

bool HeadlessInput::anyKeyHeld() const {
    bool padHeld = pad_.buttons || pad_.stickX || pad_.stickY;
    return padHeld || std::any_of(std::begin(keys_), std::end(keys_), [](uint8_t k) { return k != 0; });
}

DeviceResult HeadlessInput::keyboardState(uint8_t keys[256]) {
    DeviceResult result = check(keyboard_);
    if (result != DeviceResult::Ok) return result;
    catchUpKeys();
    if (keyboardOnly_ && lastKeyFrame_ == world_.frame && anyKeyHeld()) takeNextKeyChange();
    lastKeyFrame_ = world_.frame;
    keyboardOnly_ = true;
    std::memcpy(keys, keys_, 256);
    return DeviceResult::Ok;
}

}  // namespace vantor::platform::headless
