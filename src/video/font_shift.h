#pragma once
#include <cstdint>

#include "video/vdp.h"

namespace vantor {

// While it lives, the current font draws in colours moved by `by` palette
// entries: the text's ramp onto another of the same length.
class FontShift {
public:
    explicit FontShift(uint8_t by) : previous_(vdp.selectFont(Font{})) {
        Font moved = previous_;
        moved.colourOffset = static_cast<uint8_t>(moved.colourOffset + by);
        vdp.selectFont(moved);
    }
    ~FontShift() { vdp.selectFont(previous_); }
    FontShift(const FontShift&) = delete;
    FontShift& operator=(const FontShift&) = delete;

private:
    Font previous_;
};

}  // namespace vantor
