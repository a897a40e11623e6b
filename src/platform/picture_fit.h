#pragma once

namespace vantor::platform {

struct PictureRect {
    int x = 0, y = 0, w = 640, h = 480;
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
