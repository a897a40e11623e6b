#include "platform/picture_fit.h"

#include <algorithm>

namespace vantor::platform {

PictureRect fitPicture(int outputWidth, int outputHeight) {
    constexpr int kWidth = 640, kHeight = 480;
    int factor = std::min(outputWidth / kWidth, outputHeight / kHeight);
    int w = kWidth * factor, h = kHeight * factor;
    if (factor < 1) {
        w = std::min(outputWidth, outputHeight * kWidth / kHeight);
        h = w * kHeight / kWidth;
    }
    return PictureRect{(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
}

}  // namespace vantor::platform
