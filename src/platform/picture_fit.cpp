#include "platform/picture_fit.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"

namespace vantor::platform {
namespace {
constexpr int kWidth = 640, kHeight = 480;
}  // namespace

PictureRect fitPicture(int outputWidth, int outputHeight) {
    int factor = std::min(outputWidth / kWidth, outputHeight / kHeight);
    int w = kWidth * factor, h = kHeight * factor;
    if (factor < 1) {
        w = std::min(outputWidth, outputHeight * kWidth / kHeight);
        h = w * kHeight / kWidth;
    }
    return PictureRect{(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
}

int fittingScale(int usableWidth, int usableHeight, int asked) {
    int largest = std::max(1, std::min(usableWidth / kWidth, usableHeight / kHeight));
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
