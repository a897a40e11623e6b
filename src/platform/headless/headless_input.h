#pragma once
#include <cstdint>

#include "platform/headless/headless_world.h"
#include "platform/input.h"

namespace vantor::platform::headless {

// Keyboard and mouse as the input script says, frame by frame.
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
    void close() override;

private:
    void catchUp();

    World& world_;
    size_t nextEvent_ = 0;
    uint8_t keys_[256] = {};
    uint8_t buttons_[4] = {};
    int targetX_ = 0, targetY_ = 0;  // where the script put the pointer
    int reportedX_ = 0, reportedY_ = 0;
    int pendingDx_ = 0, pendingDy_ = 0;
};

}  // namespace vantor::platform::headless
