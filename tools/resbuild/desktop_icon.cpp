#include "desktop_icon.h"

#include <cmath>

#include "layout.h"

namespace resbuild {
namespace {

// Just round the inner ring, so the pieces still read at 32 pixels.
constexpr float kRadius = 84.0f;
// The part of a maskable icon every launcher's mask keeps: the middle circle
// of 80% of the side.
constexpr float kSafeZone = 0.8f;
// The colour of the piece on each spoke's inner cell: all five, mixed.
constexpr int kRing[13] = {0, 3, 1, 4, 2, 0, 3, 2, 1, 4, 0, 2, 3};

Picture boardWithPieces(const Data30Art& art) {
    Picture board = art.background;
    for (int column = 0; column < 13; ++column) {
        Picture piece = art.pieces[static_cast<size_t>(kRing[column])][static_cast<size_t>(column)];
        Vec2 at = anchor(column * 5);
        piece.x += int(at.x);
        piece.y += int(at.y);
        board = overlay(board, piece);
    }
    return board;
}

// 8-bit from the palette's 6-bit components.
uint8_t widen(uint8_t six) { return uint8_t(six * 4 + six / 16); }

}  // namespace

std::vector<uint8_t> desktopIcon(const Data30Art& art, int size, IconShape shape) {
    Picture board = boardWithPieces(art);
    std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4, 0);
    constexpr int kSamples = 8;  // per side of each icon pixel
    bool disc = shape == IconShape::Disc;
    float halfSide = disc ? kRadius : kRadius / kSafeZone;
    float step = 2 * halfSide / float(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float sum[3] = {}, inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    Vec2 offset{(float(x) + (float(sx) + 0.5f) / kSamples) * step - halfSide,
                                (float(y) + (float(sy) + 0.5f) / kSamples) * step - halfSide};
                    if (length(offset) > kRadius) continue;
                    Vec2 p = kHub + offset;
                    const Rgb& c = art.palette[board.at(int(p.x), int(p.y))];
                    sum[0] += widen(c.r);
                    sum[1] += widen(c.g);
                    sum[2] += widen(c.b);
                    inside += 1;
                }
            // Beyond the disc: transparent, or black on a maskable icon.
            float weight = disc ? inside : kSamples * kSamples;
            uint8_t* out = &rgba[(static_cast<size_t>(y) * size + x) * 4];
            for (int k = 0; k < 3 && inside > 0; ++k) out[k] = uint8_t(std::lround(sum[k] / weight));
            out[3] = disc ? uint8_t(std::lround(255.0f * inside / (kSamples * kSamples))) : 255;
        }
    return rgba;
}

}  // namespace resbuild
