#pragma once
#include <vector>

#include "picture.h"

namespace resbuild {

// The play screen: background with the wheel, the pieces, the carrier, the pointer.
Picture playBackground();
// 13 rotation frames of one colour; frame c fits spoke c.
std::vector<Picture> pieceFrames(int colour);
Picture carrierPicture();
Picture pointerPicture();

}  // namespace resbuild
