#include "platform/sharp_scaler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vantor::platform {
namespace {

// The picture pixels an output pixel's extent covers along one side: one,
// or two when a picture pixel's edge lies strictly inside it.
struct Cover {
    int first, last;
};
Cover cover(int at, int shown, int picture) {
    int first = int(int64_t{at} * picture / shown);
    bool straddles = int64_t{first + 1} * shown < int64_t{at + 1} * picture;
    return {first, straddles ? first + 1 : first};
}

// One-pixel checkers (dark and light shades through every colour of the
// table), padded rows, enlarged by factors whole and not: every output
// pixel inside one picture pixel has exactly its colour; only those across
// an edge blend, between the colours they cover, edges between columns and
// between rows alike; at whole factors the result is plain nearest-neighbour
// enlargement and the padding stays untouched.
// The last output is past the caches, its rows an odd number of pixels
// apart from a start that is not 16-byte aligned, as in a resized window
// whose picture starts at an odd x.
TEST(SharpScaler, CheckersStaySharpAtEveryFactor) {
    const int pitch = 672;
    std::vector<uint8_t> indices(size_t(pitch) * 480, 0xFF);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            indices[size_t(y) * pitch + x] = uint8_t((x + y) % 2 * 128 + (x / 5 + y / 4) % 128);
    uint32_t colours[256];
    for (uint32_t i = 0; i < 256; ++i) colours[i] = 0xFF000000u | i * 2 % 256 << 16 | (255 - i) << 8 | i * 37 % 256;
    auto colourAt = [&](int x, int y) { return colours[indices[size_t(y) * pitch + x]]; };

    SharpScaler scaler;
    struct Output {
        int w, h, padding, start;
    };
    for (Output o : {Output{640, 480, 8, 0}, {960, 720, 8, 0}, {1280, 960, 8, 0}, {1536, 1152, 8, 0},
                     {2304, 1728, 8, 0}, {2561, 1921, 2, 1}}) {
        const int w = o.w, h = o.h, outPitch = w + o.padding;
        scaler.resize(w, h);
        ASSERT_EQ(scaler.width(), w);
        ASSERT_EQ(scaler.height(), h);
        std::vector<uint32_t> buffer(size_t(outPitch) * h + o.start, 0xABABABABu);
        uint32_t* out = buffer.data() + o.start;
        scaler.scale(indices.data(), pitch, colours, out, outPitch * 4);
        // Pixels of none of the colours they cover, between two columns or two rows.
        int mixedAcross = 0, mixedDown = 0;
        for (int oy = 0; oy < h; ++oy) {
            Cover cy = cover(oy, h, 480);
            ASSERT_EQ(out[size_t(oy) * outPitch + w], 0xABABABABu) << "padding, " << w << "x" << h;
            for (int ox = 0; ox < w; ++ox) {
                Cover cx = cover(ox, w, 640);
                uint32_t got = out[size_t(oy) * outPitch + ox];
                if (cx.first == cx.last && cy.first == cy.last) {
                    ASSERT_EQ(got, colourAt(cx.first, cy.first))
                        << "inside picture pixel " << cx.first << "," << cy.first << ", " << w << "x" << h;
                    continue;
                }
                bool pure = false;
                for (int sy = cy.first; sy <= cy.last; ++sy)
                    for (int sx = cx.first; sx <= cx.last; ++sx) pure = pure || got == colourAt(sx, sy);
                mixedAcross += !pure && cy.first == cy.last;
                mixedDown += !pure && cx.first == cx.last;
                for (int shift = 0; shift < 32; shift += 8) {
                    int channel = got >> shift & 0xFF, low = 255, high = 0;
                    for (int sy = cy.first; sy <= cy.last; ++sy)
                        for (int sx = cx.first; sx <= cx.last; ++sx) {
                            low = std::min<int>(low, colourAt(sx, sy) >> shift & 0xFF);
                            high = std::max<int>(high, colourAt(sx, sy) >> shift & 0xFF);
                        }
                    ASSERT_TRUE(channel >= low && channel <= high)
                        << "across an edge at " << ox << "," << oy << ", " << w << "x" << h;
                }
            }
        }
        EXPECT_EQ(mixedAcross == 0, w % 640 == 0) << w << "x" << h;
        EXPECT_EQ(mixedDown == 0, h % 480 == 0) << w << "x" << h;
    }
}

}  // namespace
}  // namespace vantor::platform
