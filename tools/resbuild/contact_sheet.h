#pragma once
#include <string>

#include "data30_art.h"

namespace resbuild {

// Writes a PNG per slot of both files (every image, transparent parts on a
// checkerboard) and a WAV per sound region into dir. False when a file
// cannot be written.
bool writeContactSheet(const Data30Art& art, const LogoArt& logo, const std::string& dir);

}  // namespace resbuild
