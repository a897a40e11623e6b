#pragma once
#include <array>
#include <vector>

#include "picture.h"

namespace resbuild {

// The in-game menu: backdrop, four buttons (rest and highlight cycle), the
// sound indicator and the slide in and out.
Picture menuBackdrop();
std::vector<Picture> menuButtonFrames(int button);
std::vector<Picture> soundIndicatorPictures();
std::vector<Picture> menuSlide(const Picture& backdrop, const std::array<std::vector<Picture>, 4>& buttons);

}  // namespace resbuild
