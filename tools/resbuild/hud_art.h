#pragma once
#include <vector>

#include "picture.h"

namespace resbuild {

// The play screen's indicators and small animations, and the game-over picture.
std::vector<Picture> digitPictures();
std::vector<Picture> speedGaugePictures();
std::vector<Picture> scoreFlash(const Picture& background);
std::vector<Picture> menuButtonAnimation(const Picture& background);
std::vector<Picture> ambientAnimation(const Picture& background);
std::vector<Picture> scoreMarkerPictures();
Picture gameOverPicture();

// An entry of the game palette moved along its ramp (all ramps are 16 long).
uint8_t brighter(uint8_t index, int steps);

}  // namespace resbuild
