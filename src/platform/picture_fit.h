#pragma once

namespace vantor::platform {

struct PictureRect {
    int x = 0, y = 0, w = 640, h = 480;
};

// Where the 640 x 480 picture goes in an output of the given size: scaled by
// the largest whole factor that fits and centred; an output smaller than the
// picture gets it shrunk to fit, keeping its shape.
PictureRect fitPicture(int outputWidth, int outputHeight);

}  // namespace vantor::platform
