#pragma once
#include <vector>

#include "picture.h"

namespace resbuild {

// The game's font: one plain glyph per Windows-1251 code, pixel values are
// game palette entries (the font draws with colour offset 0). The width is the
// advance; y offsets count from the top of the text line. Code 1 is the
// name-entry cursor.
std::vector<Picture> fontGlyphs();

}  // namespace resbuild
