#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace resbuild {

// Coverage 0..255 of rendered text. (left, top) is where the mask's first
// pixel lies relative to the pen start and the top of the text line.
struct Mask {
    int w = 0;
    int h = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<uint8_t> a;
    uint8_t at(int c, int r) const {
        return c < 0 || r < 0 || c >= w || r >= h ? 0 : a[static_cast<size_t>(r) * w + c];
    }
};

enum class Face { Sans, SansBold, SerifBold };

// One character. top is measured from the top of a line of the given pixel size.
Mask glyphMask(char32_t codePoint, Face face, int pixelSize);
// A whole line of text; left is 0 and top 0 (the line's top).
Mask textMask(const std::u32string& text, Face face, int pixelSize, int letterSpacing = 0);

}  // namespace resbuild
