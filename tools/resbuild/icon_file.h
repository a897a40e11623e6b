#pragma once
#include <vector>

#include "bytes.h"
#include "data30_art.h"

namespace resbuild {

// One square picture of an icon: 8-bit red, green, blue, alpha, rows top down.
struct IconImage {
    int size = 0;
    std::vector<uint8_t> rgba;
};

// The program's icon, the desktop icon at 16, 32, 48 and 256 pixels.
std::vector<IconImage> makeIconImages(const Data30Art& art);

// An .ico file holding the images as 32-bit bitmaps with their masks.
Bytes encodeIcon(const std::vector<IconImage>& images);

}  // namespace resbuild
