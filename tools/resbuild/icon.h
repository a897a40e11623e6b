#pragma once
#include <string>

#include "data30_art.h"

namespace resbuild {

// Writes the page's icon: the gold star piece, square, on a transparent
// ground, magnified to 64 x 64. False when the file cannot be written.
bool writeIcon(const Data30Art& art, const std::string& path);

}  // namespace resbuild
