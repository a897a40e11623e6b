#pragma once
#include <cstdint>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/sharp_scaler.h"
#include "platform/shown_frame.h"

namespace vantor::platform {

// Where the bytes of a 32-bit output pixel's colours sit: red, green and
// blue shifted this far; the fourth byte is left full.
struct PixelLayout {
    int redShift = 16, greenShift = 8, blueShift = 0;
    bool operator==(const PixelLayout&) const = default;
};

// What a desktop window shows of the game: the 640 x 480 primary surface
// through its colours, in the largest 4:3 part of the window's pixels (or
// at whole factors), enlarged sharp. The windows only hand it their size
// and pixels, show what it drew and draw their black bars; it tells them
// when a present brings nothing new to show.
class WindowPicture {
public:
    WindowPicture();

    uint8_t* surface() { return surface_.data(); }
    // All 256 colours, 8-bit red, green, blue each.
    void setColours(const uint8_t rgb[768]);
    // Places the picture in an output of this many pixels; true when it
    // moved, and the bars need drawing again.
    bool fit(int width, int height);
    const PictureRect& viewport() const { return viewport_; }
    // Whether the surface or its colours changed since the last draw.
    bool changed();
    // Draws the picture, viewport-sized, into 32-bit pixels rows pitch bytes apart.
    void draw(void* pixels, int pitch, PixelLayout layout);

private:
    void mapColours(PixelLayout layout);

    std::vector<uint8_t> surface_;
    uint8_t rgb_[768] = {};
    uint32_t colours_[256] = {};
    PixelLayout mapped_;
    bool coloursMapped_ = false;
    Scaling scaling_;
    PictureRect viewport_;
    ShownFrame lastShown_;
    SharpScaler scaler_;
};

}  // namespace vantor::platform
