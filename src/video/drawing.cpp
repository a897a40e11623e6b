// The picture kinds and the rectangle fill.
#include <cstring>

#include "common/little_endian.h"
#include "video/vdp.h"

namespace vantor {
namespace {

// The part of a W x H picture placed at (L, T) that lies on the screen, and
// how many of its rows and leading columns fall off it.
struct Visible {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int skipRows = 0;
    int skipColumns = 0;
};

// Cuts one axis: a start before 0 drops leading pixels, an end past the
// limit drops trailing ones; false when nothing is left. A size of 0 or less
// (a negative fillRect) draws nothing.
bool clipAxis(int64_t start, int64_t size, int limit, int& outStart, int& outSize, int& skipped) {
    skipped = 0;
    if (size <= 0) return false;
    if (start < 0) {
        size += start;
        if (size <= 0) return false;
        skipped = static_cast<int>(-start);
        start = 0;
    }
    if (start >= limit) return false;
    if (start + size > limit) size = limit - start;
    outStart = static_cast<int>(start);
    outSize = static_cast<int>(size);
    return true;
}

bool clipToScreen(int64_t left, int64_t top, int64_t width, int64_t height, Visible& v) {
    return clipAxis(top, height, kScreenHeight, v.top, v.height, v.skipRows) &&
           clipAxis(left, width, kScreenWidth, v.left, v.width, v.skipColumns);
}

DrawnArea drawn(int x, int y, int width, int height) { return DrawnArea{x, y, width, height, 0}; }

// Where an image's top-left pixel lands when drawn at (x, y), and its size.
struct Placement {
    int64_t left;
    int64_t top;
    int width;
    int height;
};

Placement place(int x, int y, const uint8_t* image) {
    return Placement{int64_t{x} + readI16(image), int64_t{y} + readI16(image + 2), readU16(image + 4),
                     readU16(image + 6)};
}

// Decodes run-coded rows straight into the frame buffer. A fill-run image
// splits the copy range in two: 64-pixel copies and 64-pixel fills.
template <bool FillRuns>
DrawnArea drawRunImage(uint8_t* frame, int pitch, int x, int y, const uint8_t* image) {
    Placement p = place(x, y, image);
    const uint8_t* src = image + 8;
    uint8_t* rowStart = frame + p.top * pitch + p.left;
    for (int row = 0; row < p.height; ++row, rowStart += pitch) {
        uint8_t* dst = rowStart;
        int runs = *src++;
        if (runs == 0) runs = 256;
        for (; runs > 0; --runs) {
            uint8_t c = *src++;
            if (c < 0x80) {
                dst += c + 1;
            } else if (FillRuns && c >= 0xC0) {
                size_t n = (c & 0x3F) + 1u;
                std::memset(dst, *src++, n);
                dst += n;
            } else {
                size_t n = FillRuns ? (c & 0x3F) + 1u : (c - 0x80) + 1u;
                std::memcpy(dst, src, n);
                dst += n;
                src += n;
            }
        }
    }
    return drawn(static_cast<int>(p.left), static_cast<int>(p.top), p.width, p.height);
}

}  // namespace

DrawnArea Vdp::drawImage(int x, int y, const uint8_t* image) {
    return drawImageShifted(x, y, image, 0);
}

DrawnArea Vdp::drawImageShifted(int x, int y, const uint8_t* image, uint8_t colourOffset) {
    Placement p = place(x, y, image);
    Visible v;
    if (!clipToScreen(p.left, p.top, p.width, p.height, v)) return DrawnArea{};
    const uint8_t* src = image + 8 + static_cast<size_t>(v.skipRows) * p.width + v.skipColumns;
    uint8_t* dst = frame_.data() + static_cast<size_t>(v.top) * pitch_ + v.left;
    for (int r = 0; r < v.height; ++r, src += p.width, dst += pitch_) {
        for (int c = 0; c < v.width; ++c) {
            uint8_t s = src[c];
            if (s != 0) dst[c] = static_cast<uint8_t>(s + colourOffset);
        }
    }
    return drawn(v.left, v.top, v.width, v.height);
}

DrawnArea Vdp::drawSkipRunImage(int x, int y, const uint8_t* image) {
    return drawRunImage<false>(frame_.data(), pitch_, x, y, image);
}

DrawnArea Vdp::drawFillRunImage(int x, int y, const uint8_t* image) {
    return drawRunImage<true>(frame_.data(), pitch_, x, y, image);
}

DrawnArea Vdp::fillRect(int x, int y, int width, int height, uint8_t colour) {
    Visible v;
    if (!clipToScreen(x, y, width, height, v)) return DrawnArea{};
    uint8_t* dst = frame_.data() + static_cast<size_t>(v.top) * pitch_ + v.left;
    for (int r = 0; r < v.height; ++r, dst += pitch_) std::memset(dst, colour, v.width);
    return drawn(v.left, v.top, v.width, v.height);
}

}  // namespace vantor
