#include "platform/sharp_scaler.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/picture_fit.h"

namespace vantor::platform {
namespace {

// (256 - w) parts of a and w parts of b, each byte on its own.
uint32_t blend(uint32_t a, uint32_t b, uint32_t w) {
    uint32_t oddBytes = ((a & 0x00FF00FFu) * (256 - w) + (b & 0x00FF00FFu) * w) >> 8 & 0x00FF00FFu;
    uint32_t evenBytes = ((a >> 8 & 0x00FF00FFu) * (256 - w) + (b >> 8 & 0x00FF00FFu) * w) & 0xFF00FF00u;
    return oddBytes | evenBytes;
}

// Pixels of two lines blended four at a time, the same sum as blend().
void blendLines(uint32_t* out, const uint32_t* a, const uint32_t* b, size_t count, uint32_t w) {
    using Bytes = uint8_t __attribute__((vector_size(16)));
    using Words = uint16_t __attribute__((vector_size(32)));
    size_t x = 0;
    for (; x + 4 <= count; x += 4) {
        Bytes upper, lower;
        std::memcpy(&upper, a + x, sizeof upper);
        std::memcpy(&lower, b + x, sizeof lower);
        Words sum = __builtin_convertvector(upper, Words) * uint16_t(256 - w) +
                    __builtin_convertvector(lower, Words) * uint16_t(w);
        Bytes mixed = __builtin_convertvector(sum >> 8, Bytes);
        std::memcpy(out + x, &mixed, sizeof mixed);
    }
    for (; x < count; ++x) out[x] = blend(a[x], b[x], w);
}

// A frame larger than the caches hold is only read again by the display, so
// it is written past them, sparing a read of every line before it is written
// over; a smaller one stays where the display finds it quickly.
constexpr size_t kCachedBytes = 8u << 20;

void copyLine(uint32_t* out, const uint32_t* line, size_t count, [[maybe_unused]] bool pastCaches) {
#ifdef __SSE2__
    if (pastCaches) {
        size_t x = 0;
        for (; x < count && reinterpret_cast<uintptr_t>(out + x) % 16; ++x) out[x] = line[x];
        for (; x + 4 <= count; x += 4)
            _mm_stream_si128(reinterpret_cast<__m128i*>(out + x), _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + x)));
        for (; x < count; ++x) out[x] = line[x];
        return;
    }
#endif
    std::memcpy(out, line, count * sizeof(uint32_t));
}

}  // namespace

void SharpScaler::resize(int width, int height) {
    if (width == this->width() && height == this->height()) return;
    columns_ = steps(width, kPictureWidth);
    rows_ = steps(height, kPictureHeight);
    shadeOf_.clear();
    edges_.clear();
    for (const Step& column : columns_) {
        if (column.weight) edges_.push_back(column);
        shadeOf_.push_back(uint16_t(column.weight ? kPictureWidth + edges_.size() - 1 : column.source));
    }
    shades_.assign(kPictureWidth + edges_.size(), 0);
    for (auto& line : lines_) line.assign(columns_.size(), 0);
    blended_.assign(columns_.size(), 0);
}

// Bilinear filtering samples the prescaled picture half a pixel before the
// output pixel's centre; only where that falls on the last prescaled pixel
// of a picture pixel does the next one blend in.
std::vector<SharpScaler::Step> SharpScaler::steps(int shown, int picture) {
    std::vector<Step> steps(static_cast<size_t>(std::max(shown, 0)));
    const int64_t factor = prescaleFactor(shown, picture);
    const int64_t scale = 2 * int64_t{shown};  // sample positions are in 1/scale prescaled pixels
    for (int i = 0; i < shown; ++i) {
        int64_t at = std::max<int64_t>(0, (2 * int64_t{i} + 1) * picture * factor - shown);
        int64_t prescaled = at / scale, part = at % scale;
        int64_t source = prescaled / factor;
        bool edge = (prescaled + 1) % factor == 0 && source + 1 < picture;
        int64_t weight = edge ? (part * 256 + scale / 2) / scale : 0;
        if (weight == 256) {
            ++source;
            weight = 0;
        }
        steps[size_t(i)] = Step{uint16_t(std::min<int64_t>(source, picture - 1)), uint16_t(weight)};
    }
    return steps;
}

// The picture row enlarged across: its shades first, then a lookup per
// column, so that no output pixel waits on a branch.
const uint32_t* SharpScaler::line(const uint8_t* indices, int pitch, const uint32_t colours[256], int row) {
    uint32_t* out = lines_[row & 1].data();
    if (lineRows_[row & 1] == row) return out;
    lineRows_[row & 1] = row;
    const uint8_t* source = indices + size_t(row) * size_t(pitch);
    for (int x = 0; x < kPictureWidth; ++x) shades_[size_t(x)] = colours[source[x]];
    for (size_t e = 0; e < edges_.size(); ++e)
        shades_[kPictureWidth + e] = blend(shades_[edges_[e].source], shades_[edges_[e].source + 1u], edges_[e].weight);
    const uint32_t* shades = shades_.data();
    const uint16_t* shadeOf = shadeOf_.data();
    for (size_t x = 0; x < columns_.size(); ++x) out[x] = shades[shadeOf[x]];
    return out;
}

void SharpScaler::scale(const uint8_t* indices, int pitch, const uint32_t colours[256], void* out, int outPitch) {
    lineRows_[0] = lineRows_[1] = -1;  // a new frame
    auto* to = static_cast<uint8_t*>(out);
    const size_t width = columns_.size();
    const bool pastCaches = width * rows_.size() * sizeof(uint32_t) > kCachedBytes;
    for (const Step& row : rows_) {
        const uint32_t* line = this->line(indices, pitch, colours, row.source);
        if (row.weight) {
            blendLines(blended_.data(), line, this->line(indices, pitch, colours, row.source + 1), width, row.weight);
            line = blended_.data();
        }
        copyLine(reinterpret_cast<uint32_t*>(to), line, width, pastCaches);
        to += outPitch;
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
}

}  // namespace vantor::platform
