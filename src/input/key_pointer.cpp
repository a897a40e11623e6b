#include "input/key_pointer.h"

#include "input/input_devices.h"

namespace vantor {

void KeyPointer::press(int32_t x, int32_t y, int button) {
    leads_ = true;
    pending_ = button;
    x_ = x;
    y_ = y;
}

// Backends in a window report the system pointer's place every poll, so
// only a change of it is motion.
bool KeyPointer::stirs(const platform::MouseReading& reading) {
    bool moved = reading.dx != 0 || reading.dy != 0;
    if (reading.absolute) {
        moved = moved || !placed_ || reading.x != lastX_ || reading.y != lastY_;
        placed_ = true;
        lastX_ = reading.x;
        lastY_ = reading.y;
    }
    return moved || reading.buttons[0] || reading.buttons[1];
}

bool KeyPointer::keeps(const platform::MouseReading& reading) {
    stirred_ = stirs(reading);
    if (stirred_) {
        leads_ = false;
        pending_ = -1;
    }
    return leads_;
}

void KeyPointer::pressInto(MouseState& mouse) {
    if (pending_ < 0) return;
    mouse.x = x_;
    mouse.y = y_;
    (pending_ == 0 ? mouse.left : mouse.right) = 0x80;
    pending_ = -1;
}

}  // namespace vantor
