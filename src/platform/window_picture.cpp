#include "platform/window_picture.h"

#include <cstring>

namespace vantor::platform {

WindowPicture::WindowPicture() : surface_(kPictureWidth * kPictureHeight, 0), scaling_(scalingOption()) {}

void WindowPicture::setColours(const uint8_t rgb[768]) {
    if (std::memcmp(rgb_, rgb, sizeof rgb_) == 0) return;
    std::memcpy(rgb_, rgb, sizeof rgb_);
    coloursMapped_ = false;
}

bool WindowPicture::fit(int width, int height) {
    PictureRect view = fitPicture(width, height, scaling_);
    if (view == viewport_) return false;
    viewport_ = view;
    return true;
}

bool WindowPicture::changed() { return lastShown_.isNew(surface_.data(), rgb_, sizeof rgb_); }

void WindowPicture::draw(void* pixels, int pitch, PixelLayout layout) {
    if (viewport_.w < 1 || viewport_.h < 1) return;
    mapColours(layout);
    scaler_.resize(viewport_.w, viewport_.h);
    scaler_.scale(surface_.data(), kPictureWidth, colours_, pixels, pitch);
}

void WindowPicture::mapColours(PixelLayout layout) {
    if (coloursMapped_ && layout == mapped_) return;
    uint32_t rest = ~(0xFFu << layout.redShift | 0xFFu << layout.greenShift | 0xFFu << layout.blueShift);
    for (int i = 0; i < 256; ++i)
        colours_[i] = uint32_t(rgb_[i * 3]) << layout.redShift | uint32_t(rgb_[i * 3 + 1]) << layout.greenShift |
                      uint32_t(rgb_[i * 3 + 2]) << layout.blueShift | rest;
    coloursMapped_ = true;
    mapped_ = layout;
}

}  // namespace vantor::platform
