#pragma once
#include <cstdint>

namespace vantor::platform {

// Where the 640 x 480 picture lies in an output's pixels.
struct PictureRect {
    int x = 0, y = 0, w = 640, h = 480;

    bool contains(int64_t px, int64_t py) const {
        return px >= x && px < x + w && py >= y && py < y + h;
    }
    // The picture's point under output pixel (px, py); off the picture it
    // lies outside 640 x 480, for the game to clamp.
    int32_t pictureX(int64_t px) const { return w > 0 ? static_cast<int32_t>((px - x) * 640 / w) : 0; }
    int32_t pictureY(int64_t py) const { return h > 0 ? static_cast<int32_t>((py - y) * 480 / h) : 0; }
};

// Where the 640 x 480 picture goes in an output of the given size: scaled by
// the largest whole factor that fits and centred; an output smaller than the
// picture gets it shrunk to fit, keeping its shape.
PictureRect fitPicture(int outputWidth, int outputHeight);

// The whole-number window scale for a desktop of this usable size: the one
// asked for (below 1: none), lowered to the largest that fits.
int fittingScale(int usableWidth, int usableHeight, int asked);

// The window scale VANTOR_SCALE asks for on this desktop; says on stderr
// when it had to be lowered.
int windowScale(int usableWidth, int usableHeight);

}  // namespace vantor::platform
