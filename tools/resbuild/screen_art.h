#pragma once
#include <vector>

#include "image_encoders.h"
#include "picture.h"

namespace resbuild {

// The curtain between screens and the title picture with its own palette.
std::vector<Picture> curtainPictures();
Picture titlePicture();
std::vector<Rgb> titlePalette();

}  // namespace resbuild
