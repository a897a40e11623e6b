#pragma once
#include <vector>

#include "image_encoders.h"
#include "picture.h"

namespace resbuild {

// The maker's logo of kelvo.res: palette and 43 full-screen pictures. Entries
// 224..255 of the palette belong to what picture 41 adds to picture 40.
std::vector<Rgb> logoPalette();
std::vector<Picture> logoPictures();

}  // namespace resbuild
