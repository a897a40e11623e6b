// Minimal input; the full devices arrive with the input work.
#include "input/input_devices.h"

#include <cstring>

#include "platform/platform.h"

namespace vantor {

int InputDevices::init() {
    platform::Input& input = platform::input();
    if (!input.create()) return 0;
    haveKeyboard_ = input.openKeyboard();
    haveMouse_ = input.openMouse();
    return 3;
}

void InputDevices::shutdown() {
    platform::input().close();
    recorder.file.close();
    recorder.active = 0;
}

void InputDevices::PollMouse() {
    platform::MouseReading reading;
    if (platform::input().mouseState(reading) != platform::DeviceResult::Ok) return;
    mouse.x = std::min(639, std::max(0, mouse.x + reading.dx));
    mouse.y = std::min(479, std::max(0, mouse.y + reading.dy));
    mouse.left = reading.buttons[0];
    mouse.right = reading.buttons[1];
}

void InputDevices::PollKeyboard() {
    if (platform::input().keyboardState(keyState) != platform::DeviceResult::Ok)
        std::memset(keyState, 0, sizeof keyState);
}

bool InputDevices::NoKeyDown() const {
    for (uint8_t k : keyState)
        if (k) return false;
    return true;
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
    uint8_t c = peekChar();
    if (c || (ring.capture && ring.readIndex != ring.writeIndex)) ring.readIndex = (ring.readIndex + 1) & 31;
    return c;
}

void InputDevices::setCapture(bool on) { ring.capture = on ? 1 : 0; }
void InputDevices::emptyRing() { ring.readIndex = ring.writeIndex; }

}  // namespace vantor
