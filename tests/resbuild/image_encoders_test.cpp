#include "image_encoders.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless_backend.h"
#include "video/vdp.h"

namespace resbuild {
namespace {

constexpr uint8_t kUntouched = 0xEE;

class EncoderTest : public ::testing::Test {
protected:
    void SetUp() override {
        vantor::platform::headless::installFresh();
        ASSERT_TRUE(vdp.init(true));
    }

    void clearFrame() { std::fill(vdp.frameBuffer(), vdp.frameBuffer() + size_t(vdp.pitch()) * 480, kUntouched); }

    // Every pixel of the screen is the picture's where it is opaque and
    // untouched elsewhere; (x, y) is where the picture was drawn.
    void expectDrawn(const Picture& p, int x, int y) {
        int left = x + p.x, top = y + p.y, mismatches = 0;
        for (int row = 0; row < 480; ++row)
            for (int col = 0; col < 640; ++col) {
                int c = col - left, r = row - top;
                uint8_t want = p.contains(c, r) && p.at(c, r) ? p.at(c, r) : kUntouched;
                if (vdp.pixel(col, row) != want && ++mismatches <= 5)
                    ADD_FAILURE() << "pixel (" << col << ", " << row << ") is " << int(vdp.pixel(col, row))
                                  << ", wanted " << int(want);
            }
        EXPECT_EQ(mismatches, 0);
    }

    void expectRunCodedRoundTrip(const Picture& p) {
        auto skip = encodeSkipRun(p);
        ASSERT_TRUE(skip);
        clearFrame();
        vdp.drawSkipRunImage(0, 0, skip->data());
        expectDrawn(p, 0, 0);
        auto fill = encodeFillRun(p);
        ASSERT_TRUE(fill);
        clearFrame();
        vdp.drawFillRunImage(0, 0, fill->data());
        expectDrawn(p, 0, 0);
    }

    vantor::Vdp vdp;
};

// A deterministic picture: stretches of transparency, repeats of every length
// (past the 64- and 128-pixel run limits) and noise.
Picture mixedPicture(int w, int h, int x, int y, uint32_t seed) {
    Picture p(w, h, x, y);
    for (int r = 0; r < h; ++r) {
        int c = 0;
        while (c < w) {
            seed = seed * 1664525u + 1013904223u;
            int len = 1 + int((seed >> 8) % 150u);
            int kind = int((seed >> 24) % 3u);
            uint8_t value = uint8_t(1 + (seed >> 4) % 255u);
            for (int i = 0; i < len && c < w; ++i, ++c) {
                if (kind == 2) value = uint8_t(1 + ((seed >> 3) + uint32_t(i) * 37u) % 255u);
                p.at(c, r) = kind == 0 ? 0 : value;
            }
        }
    }
    return p;
}

TEST_F(EncoderTest, RunCodedPicturesDrawBackExactly) {
    expectRunCodedRoundTrip(mixedPicture(640, 480, 0, 0, 1));
    expectRunCodedRoundTrip(mixedPicture(200, 90, 37, 300, 2));
    expectRunCodedRoundTrip(mixedPicture(1, 3, 639, 477, 3));
}

TEST_F(EncoderTest, LongRepeatsAndLongLiteralsAreSplitAtTheRunLimits) {
    Picture p(640, 3, 0, 10);
    for (int c = 0; c < 640; ++c) {
        p.at(c, 0) = 7;                         // one long repeat
        p.at(c, 1) = uint8_t(1 + c % 200);      // no repeats at all
        p.at(c, 2) = c < 129 || c > 400 ? 0 : 9;  // skips of 129 and 239
    }
    expectRunCodedRoundTrip(p);
    auto fill = encodeFillRun(p);
    // 640 repeated pixels are ten fills of 64: a count and ten two-byte runs.
    EXPECT_EQ((*fill)[8], 10);
    EXPECT_EQ((*fill)[9], 0xFF);
}

TEST_F(EncoderTest, ARowOf256RunsIsWrittenWithACountOfZero) {
    Picture p(256, 2, 100, 100);
    for (int c = 0; c < 256; c += 2) p.at(c, 0) = p.at(c, 1) = uint8_t(10 + c / 2);
    auto skip = encodeSkipRun(p);
    ASSERT_TRUE(skip);
    EXPECT_EQ((*skip)[8], 0);
    expectRunCodedRoundTrip(p);
}

TEST_F(EncoderTest, FillRunGivesUpFillsWhenARowWouldNeedTooManyRuns) {
    // Three alike and one other, 160 times: fills would need 320 runs.
    Picture p(640, 1);
    for (int c = 0; c < 640; ++c) p.at(c, 0) = c % 4 == 3 ? 5 : 6;
    auto fill = encodeFillRun(p);
    ASSERT_TRUE(fill);
    EXPECT_EQ((*fill)[8], 10);  // ten copies of 64
    expectRunCodedRoundTrip(p);
}

TEST_F(EncoderTest, ARowThatCannotBeCodedIsRefused) {
    Picture p(600, 1);
    for (int c = 0; c < 600; c += 2) p.at(c, 0) = 3;
    EXPECT_FALSE(encodeSkipRun(p));
    EXPECT_FALSE(encodeFillRun(p));
}

TEST_F(EncoderTest, PlainPicturesDrawBackWithTheirOffsets) {
    Picture p = mixedPicture(30, 20, -15, -10, 9);
    Bytes plain = encodePlain(p);
    ASSERT_EQ(plain.size(), 8u + 600u);
    clearFrame();
    vdp.drawImage(200, 150, plain.data());
    expectDrawn(p, 200, 150);
}

TEST(PaletteEncodingTest, WritesSixBitTriplesAndPadsTo256Entries) {
    Bytes b = encodePalette({{1, 2, 3}, {63, 70, 0}});
    ASSERT_EQ(b.size(), 768u);
    EXPECT_EQ((std::vector<uint8_t>{b[0], b[1], b[2], b[3], b[4], b[5]}), (std::vector<uint8_t>{1, 2, 3, 63, 63, 0}));
    EXPECT_TRUE(std::all_of(b.begin() + 6, b.end(), [](uint8_t v) { return v == 0; }));
}

}  // namespace
}  // namespace resbuild
