#include "platform/picture_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/platform.h"

namespace vantor::platform {
namespace {

// The page's numbers may be anything; a viewport is at least a pixel and
// less than a wall of screens.
int devicePixels(double css, double ratio) {
    double pixels = std::round(css * ratio);
    return std::isfinite(pixels) ? static_cast<int>(std::clamp(pixels, 1.0, 65536.0)) : kPictureWidth;
}

}  // namespace

Scaling scalingOption() { return option("VANTOR_SCALING") == "whole" ? Scaling::Whole : Scaling::Fill; }

PictureRect fitPicture(int outputWidth, int outputHeight, Scaling scaling) {
    int factor = std::min(outputWidth / kPictureWidth, outputHeight / kPictureHeight);
    int w = kPictureWidth * factor, h = kPictureHeight * factor;
    if (scaling == Scaling::Fill || factor < 1) {
        bool wide = int64_t{outputWidth} * kPictureHeight > int64_t{outputHeight} * kPictureWidth;
        w = wide ? outputHeight * kPictureWidth / kPictureHeight : outputWidth;
        h = wide ? outputHeight : outputWidth * kPictureHeight / kPictureWidth;
    }
    return PictureRect{(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
}

int prescaleFactor(int shown, int picture) { return std::max(1, (shown + picture - 1) / picture); }

PageLayout pageLayout(double cssWidth, double cssHeight, double pixelRatio, Scaling scaling) {
    int width = devicePixels(cssWidth, pixelRatio), height = devicePixels(cssHeight, pixelRatio);
    PageLayout layout;
    // With a whole number of device pixels to a CSS pixel, a filled picture
    // keeps to whole CSS pixels, which every browser's layout puts on the
    // same device pixels.
    int step = pixelRatio >= 2 && pixelRatio <= 8 && pixelRatio == std::floor(pixelRatio) ? int(pixelRatio) : 1;
    if (scaling == Scaling::Whole) step = 1;
    PictureRect css = fitPicture(width / step, height / step, scaling);
    layout.picture = PictureRect{css.x * step, css.y * step, css.w * step, css.h * step};
    layout.portrait = height > width;
    if (layout.portrait) layout.picture.y = 0;
    int factor = prescaleFactor(layout.picture.w, kPictureWidth);
    layout.smooth = layout.picture.w != kPictureWidth * factor || layout.picture.h != kPictureHeight * factor;
    layout.canvasWidth = layout.smooth ? kPictureWidth * factor : kPictureWidth;
    layout.canvasHeight = layout.smooth ? kPictureHeight * factor : kPictureHeight;
    return layout;
}

int fittingScale(int usableWidth, int usableHeight, int asked) {
    int largest = std::max(1, std::min(usableWidth / kPictureWidth, usableHeight / kPictureHeight));
    return asked < 1 ? largest : std::min(asked, largest);
}

int windowScale(int usableWidth, int usableHeight) {
    int asked = optionInt("VANTOR_SCALE", 0);
    int scale = fittingScale(usableWidth, usableHeight, asked);
    if (asked > scale)
        std::fprintf(stderr, "vantor: a window at scale %d does not fit the desktop; using scale %d\n",
                     asked, scale);
    return scale;
}

}  // namespace vantor::platform
