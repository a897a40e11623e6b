#include "platform/web/web_display.h"

#include <algorithm>
#include <iterator>

#include "platform/web/web_page.h"

namespace vantor::platform::web {

WebDisplay::WebDisplay() : surface_(kPictureWidth * kPictureHeight, 0), shown_(kPictureWidth * kPictureHeight) {
    std::fill(std::begin(colours_), std::end(colours_), 0xFF000000u);  // opaque black
}

bool WebDisplay::open(bool) { return vantor_canvas_open() != 0; }

SurfaceResult WebDisplay::lock(uint8_t*& pixels) {
    pixels = surface_.data();
    return SurfaceResult::Ok;
}

// The painter draws its last frame again when the canvas changes size.
void WebDisplay::unlock() {
    if (!lastShown_.isNew(surface_.data(), colours_, sizeof colours_)) return;
    std::transform(surface_.begin(), surface_.end(), shown_.begin(),
                   [this](uint8_t index) { return colours_[index]; });
    vantor_canvas_show(shown_.data());
}

// Canvas pixels are bytes red, green, blue, alpha: one little-endian word.
void WebDisplay::setEntries(const uint8_t rgb[768]) {
    for (int i = 0; i < 256; ++i)
        colours_[i] = 0xFF000000u | uint32_t(rgb[i * 3 + 2]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 |
                      rgb[i * 3];
}

void WebDisplay::waitVerticalBlank() { vantor_canvas_wait_frame(); }

}  // namespace vantor::platform::web
