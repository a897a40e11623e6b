#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace resbuild {

// An indexed picture before encoding: x, y are the header offsets, pixel value
// 0 is transparent.
struct Picture {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    std::vector<uint8_t> px;

    Picture() = default;
    Picture(int width, int height, int xOffset = 0, int yOffset = 0)
        : x(xOffset), y(yOffset), w(width), h(height), px(static_cast<size_t>(width) * height, 0) {}

    uint8_t& at(int col, int row) { return px[static_cast<size_t>(row) * w + col]; }
    uint8_t at(int col, int row) const { return px[static_cast<size_t>(row) * w + col]; }
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < w && row < h; }
};

// The smallest picture holding every opaque pixel of p, offsets adjusted so it
// lands where p would. An all-transparent p becomes a 1 x 1 transparent picture.
Picture trimmed(const Picture& p);

// Pixels of `top` over `bottom`, both placed by their offsets; the result has
// bottom's frame.
Picture overlay(const Picture& bottom, const Picture& top);

// Pixels of p that differ from the full-screen picture `screen` under them; the
// rest become transparent. Trimmed.
Picture differenceFrom(const Picture& p, const Picture& screen);

// The part of a full-screen picture inside a rectangle.
Picture crop(const Picture& screen, int x, int y, int w, int h);

}  // namespace resbuild
