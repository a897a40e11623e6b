#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/headless/headless_world.h"

namespace vantor::platform::headless {

// A primary surface in memory that keeps what was last shown.
class HeadlessDisplay final : public Display {
public:
    explicit HeadlessDisplay(World& world);

    bool open(bool fullScreen) override;
    int pitch() override { return pitch_; }
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override;
    SurfaceResult attachPalette() override;
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

    // The shown surface (pitch bytes a row) and palette (8-bit components).
    const std::vector<uint8_t>& surface() const { return surface_; }
    const uint8_t* palette() const { return palette_; }
    uint32_t presents() const { return presents_; }

private:
    World& world_;
    std::vector<uint8_t> surface_;
    uint8_t palette_[768] = {};
    int pitch_ = 640;
    uint32_t presents_ = 0;
};

}  // namespace vantor::platform::headless
