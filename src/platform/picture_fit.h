#pragma once
#include <cstdint>

namespace vantor::platform {

// How the picture is enlarged: to the largest 4:3 rectangle the output
// holds (sharp, see SharpScaler), or by whole factors only.
enum class Scaling { Fill, Whole };

// VANTOR_SCALING: "whole" asks for whole factors; anything else fills.
Scaling scalingOption();

// The game's picture, in its own pixels.
inline constexpr int kPictureWidth = 640, kPictureHeight = 480;

// Where the picture lies in an output's pixels.
struct PictureRect {
    int x = 0, y = 0, w = kPictureWidth, h = kPictureHeight;

    bool operator==(const PictureRect&) const = default;

    bool contains(int64_t px, int64_t py) const {
        return px >= x && px < x + w && py >= y && py < y + h;
    }
    // The picture's pixel under the centre of output pixel (px, py); off the
    // picture it lies outside 640 x 480, for the game to clamp.
    int32_t pictureX(int64_t px) const { return w > 0 ? static_cast<int32_t>((2 * (px - x) + 1) * kPictureWidth / (2 * w)) : 0; }
    int32_t pictureY(int64_t py) const { return h > 0 ? static_cast<int32_t>((2 * (py - y) + 1) * kPictureHeight / (2 * h)) : 0; }
};

// Where the picture goes in an output of the given size, centred: the
// largest 4:3 rectangle (fill), or the largest whole factor; an output
// smaller than the picture gets it shrunk to fit, keeping its shape.
PictureRect fitPicture(int outputWidth, int outputHeight, Scaling scaling);

// The whole factor a picture side of `picture` pixels is first enlarged by,
// with nearest-neighbour pixels, before a smooth step brings it to `shown`:
// the smallest that is not below the final size, so the smooth step only
// ever shrinks, by less than one pixel in a factor's worth.
int prescaleFactor(int shown, int picture);

// The page's canvas in a browser viewport of cssWidth x cssHeight CSS
// pixels at pixelRatio device pixels each: the picture as fitPicture has it,
// in whole CSS pixels where a CSS pixel is a whole number of device pixels.
struct PageLayout {
    PictureRect picture;  // in the viewport's device pixels
    // The canvas's own pixels: the picture prescaled, shown with the
    // browser's smooth filter; at a whole factor the picture itself, shown
    // pixelated.
    int canvasWidth = kPictureWidth, canvasHeight = kPictureHeight;
    bool smooth = false;
    // Taller than wide: the picture sits at the top, with room below for
    // a line suggesting to turn the screen.
    bool portrait = false;
};
PageLayout pageLayout(double cssWidth, double cssHeight, double pixelRatio, Scaling scaling);

// The whole-number window scale for a desktop of this usable size: the one
// asked for (below 1: none), lowered to the largest that fits.
int fittingScale(int usableWidth, int usableHeight, int asked);

// The window scale VANTOR_SCALE asks for on this desktop; says on stderr
// when it had to be lowered.
int windowScale(int usableWidth, int usableHeight);

}  // namespace vantor::platform
