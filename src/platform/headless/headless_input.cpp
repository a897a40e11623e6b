#include "platform/headless/headless_input.h"

#include <cstring>

#include "platform/headless/faults.h"

namespace vantor::platform::headless {

HeadlessInput::HeadlessInput(World& world) : world_(world) {}

bool HeadlessInput::create() { return !fault("input"); }
bool HeadlessInput::openKeyboard() { return !fault("keyboard"); }
bool HeadlessInput::openMouse() { return !fault("mouse"); }

void HeadlessInput::catchUp() {
    const auto& events = world_.script.events();
    for (; nextEvent_ < events.size() && events[nextEvent_].frame <= world_.frame; ++nextEvent_) {
        const ScriptEvent& ev = events[nextEvent_];
        switch (ev.kind) {
        case ScriptEvent::Kind::Mouse:
            targetX_ = ev.a;
            targetY_ = ev.b;
            break;
        case ScriptEvent::Kind::Move:
            pendingDx_ += ev.a;
            pendingDy_ += ev.b;
            break;
        case ScriptEvent::Kind::Press: buttons_[ev.a] = 0x80; break;
        case ScriptEvent::Kind::Release: buttons_[ev.a] = 0; break;
        case ScriptEvent::Kind::KeyDown: keys_[ev.a] = 0x80; break;
        case ScriptEvent::Kind::KeyUp: keys_[ev.a] = 0; break;
        case ScriptEvent::Kind::Message: break;
        }
    }
}

DeviceResult HeadlessInput::keyboardState(uint8_t keys[256]) {
    catchUp();
    std::memcpy(keys, keys_, 256);
    return DeviceResult::Ok;
}

DeviceResult HeadlessInput::mouseState(MouseReading& reading) {
    catchUp();
    reading = MouseReading{};
    reading.dx = targetX_ - reportedX_ + pendingDx_;
    reading.dy = targetY_ - reportedY_ + pendingDy_;
    reportedX_ = targetX_;
    reportedY_ = targetY_;
    pendingDx_ = pendingDy_ = 0;
    std::memcpy(reading.buttons, buttons_, 4);
    return DeviceResult::Ok;
}

DeviceResult HeadlessInput::acquireKeyboard() { return DeviceResult::Ok; }
DeviceResult HeadlessInput::acquireMouse() { return DeviceResult::Ok; }
void HeadlessInput::close() {}

}  // namespace vantor::platform::headless
