#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/picture_fit.h"
#include "platform/shown_frame.h"

namespace vantor::platform::web {

// The 8-bit primary surface shown on the page's canvas: every unlock turns
// it into RGBA pixels through the 256-entry colour table. The page places
// and enlarges the canvas as pageLayout says; the vertical blank is its
// next animation frame.
class WebDisplay final : public Display {
public:
    WebDisplay();

    bool open(bool fullScreen) override;
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;

private:
    std::vector<uint8_t> surface_;
    std::vector<uint32_t> shown_;
    ShownFrame lastShown_;
    uint32_t colours_[256] = {};
};

}  // namespace vantor::platform::web
