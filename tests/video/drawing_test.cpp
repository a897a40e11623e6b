#include "common/little_endian.h"
#include "resources/picture_checks.h"
#include "video_fixture.h"

namespace vantor::test {
namespace {

constexpr uint8_t kBackground = 0x5A;

// Checks every pixel of the frame buffer (padding too) against what placing
// the image pixel by pixel gives, and returns the area such a placement covers.
class Drawing : public VdpFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        openVdp(GetParam());
        fillFrame(kBackground);
    }

    void expectPlaced(const std::vector<uint8_t>& image, int x, int y, uint8_t offset,
                      const DrawnArea& area) {
        int left = x + readI16(image.data()), top = y + readI16(image.data() + 2);
        int width = readU16(image.data() + 4), height = readU16(image.data() + 6);
        std::vector<uint8_t> expected(size_t(vdp.pitch()) * 480, kBackground);
        int minX = 1 << 20, minY = 1 << 20, maxX = -1, maxY = -1;
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c) {
                int sx = left + c, sy = top + r;
                if (sx < 0 || sx >= 640 || sy < 0 || sy >= 480) continue;
                minX = std::min(minX, sx), maxX = std::max(maxX, sx);
                minY = std::min(minY, sy), maxY = std::max(maxY, sy);
                uint8_t s = image[8 + size_t(r) * width + c];
                if (s) expected[size_t(sy) * vdp.pitch() + sx] = uint8_t(s + offset);
            }
        ASSERT_TRUE(std::equal(expected.begin(), expected.end(), vdp.frameBuffer()));
        if (maxX < 0) {
            EXPECT_EQ(area.empty, 1);
            return;
        }
        EXPECT_EQ(area.empty, 0);
        EXPECT_EQ(area.x, minX);
        EXPECT_EQ(area.y, minY);
        EXPECT_EQ(area.width, maxX - minX + 1);
        EXPECT_EQ(area.height, maxY - minY + 1);
    }
};

// Distinct non-zero pixels with a transparent hole in the middle of every row.
std::vector<uint8_t> patterned(int xOffset, int yOffset, int width, int height) {
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            pixels[size_t(r) * width + c] = c == width / 2 ? 0 : uint8_t(1 + (r * 7 + c) % 250);
    return plainImage(xOffset, yOffset, width, height, pixels);
}

TEST_P(Drawing, PlainImageClipsAtEveryEdge) {
    auto image = patterned(-3, -2, 20, 10);
    struct Case {
        int x, y;
    };
    // Reference points put the 20 x 10 picture at left = x - 3, top = y - 2.
    const Case cases[] = {
        {100, 100},   // wholly inside
        {-5, 50},     // partly off the left
        {50, -4},     // partly off the top
        {630, 50},    // partly off the right
        {50, 478},    // partly off the bottom
        {-10, -6},    // off the top-left corner
        {633, 474},   // off the bottom-right corner
        {-14, 50},    // one column left on the left
        {-15, 50},    // wholly left (L + W == 0)
        {50, -6},     // one row left at the top
        {50, -7},     // wholly above (T + H == 0)
        {643, 50},    // wholly right (L == 640)
        {50, 482},    // wholly below (T == 480)
        {-40000, 50}, // far away
        {50, 40000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.x << "," << c.y);
        fillFrame(kBackground);
        expectPlaced(image, c.x, c.y, 0, vdp.drawImage(c.x, c.y, image.data()));
    }
}

TEST_P(Drawing, PictureLargerThanTheScreenIsCutOnBothSides) {
    auto image = patterned(0, 0, 700, 500);
    expectPlaced(image, -20, -7, 0, vdp.drawImage(-20, -7, image.data()));
}

TEST_P(Drawing, ShiftedDrawingWrapsValuesAndKeepsZeroTransparent) {
    auto image = plainImage(0, 0, 4, 1, {0, 1, 200, 255});
    DrawnArea area = vdp.drawImageShifted(10, 20, image.data(), 100);
    EXPECT_EQ(vdp.pixel(10, 20), kBackground);
    EXPECT_EQ(vdp.pixel(11, 20), 101);
    EXPECT_EQ(vdp.pixel(12, 20), 44);
    EXPECT_EQ(vdp.pixel(13, 20), 99);
    EXPECT_EQ(area.x, 10);
    EXPECT_EQ(area.width, 4);

    auto big = patterned(5, 5, 30, 12);
    fillFrame(kBackground);
    expectPlaced(big, 620, -8, 77, vdp.drawImageShifted(620, -8, big.data(), 77));
    fillFrame(kBackground);
    expectPlaced(big, -6, 470, 0, vdp.drawImageShifted(-6, 470, big.data(), 0));
}

TEST_P(Drawing, FillRectClipsLikeAPicture) {
    DrawnArea area = vdp.fillRect(0, 479, 640, 1, 9);
    EXPECT_EQ(area.width, 640);
    EXPECT_EQ(area.height, 1);
    for (int x = 0; x < 640; ++x) ASSERT_EQ(vdp.pixel(x, 479), 9);
    EXPECT_EQ(vdp.pixel(0, 478), kBackground);

    fillFrame(kBackground);
    EXPECT_EQ(vdp.fillRect(0, 480, 640, 1, 9).empty, 1);
    EXPECT_EQ(vdp.fillRect(-5, 10, -3, 4, 9).empty, 1);
    auto solid = plainImage(0, 0, 30, 8, std::vector<uint8_t>(240, 9));
    const int spots[][2] = {{-10, -3}, {625, 476}, {-30, 5}, {5, 480}};
    for (const auto& s : spots) {
        fillFrame(kBackground);
        expectPlaced(solid, s[0], s[1], 0, vdp.fillRect(s[0], s[1], 30, 8, 9));
    }
}

INSTANTIATE_TEST_SUITE_P(Pitch, Drawing, ::testing::Values(640, 704));

// Run-coded pictures: bytes are written by hand so each control byte is seen.
class RunDrawing : public VdpFixture {
protected:
    void SetUp() override {
        openVdp(704);
        fillFrame(kBackground);
    }
    std::vector<uint8_t> runImage(int left, int top, int width, int height,
                                  const std::vector<uint8_t>& body) {
        auto image = plainImage(left, top, width, height, body);
        EXPECT_TRUE(runImageFits(image.data(), image.size(), isFillRun));
        return image;
    }
    bool isFillRun = false;
};

TEST_F(RunDrawing, SkipRunCopiesAndSkipsAtItsStoredPosition) {
    // Row 0: skip 2, copy 3 (one of them 0). Row 1: copy 1, skip 4.
    auto image = runImage(100, 50, 5, 2, {2, 0x01, 0x82, 7, 0, 9, 2, 0x80, 4, 0x03});
    DrawnArea area = vdp.drawSkipRunImage(0, 0, image.data());
    EXPECT_EQ(area.x, 100);
    EXPECT_EQ(area.y, 50);
    EXPECT_EQ(area.width, 5);
    EXPECT_EQ(area.height, 2);
    EXPECT_EQ(area.empty, 0);
    const uint8_t row0[] = {kBackground, kBackground, 7, 0, 9, kBackground};
    const uint8_t row1[] = {4, kBackground, kBackground, kBackground, kBackground, kBackground};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(vdp.pixel(100 + i, 50), row0[i]) << i;
        EXPECT_EQ(vdp.pixel(100 + i, 51), row1[i]) << i;
    }
    EXPECT_EQ(vdp.pixel(99, 50), kBackground);
}

TEST_F(RunDrawing, ReferencePointMovesARunPicture) {
    auto image = runImage(10, 10, 1, 1, {1, 0x80, 3});
    DrawnArea area = vdp.drawSkipRunImage(5, 7, image.data());
    EXPECT_EQ(vdp.pixel(15, 17), 3);
    EXPECT_EQ(area.x, 15);
    EXPECT_EQ(area.y, 17);
}

TEST_F(RunDrawing, CountByteZeroMeans256Runs) {
    std::vector<uint8_t> body = {0};
    for (int i = 0; i < 128; ++i) body.insert(body.end(), {0x00, 0x80, uint8_t(i + 1)});
    auto image = runImage(0, 0, 256, 1, body);
    vdp.drawSkipRunImage(0, 0, image.data());
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(vdp.pixel(2 * i, 0), kBackground);
        ASSERT_EQ(vdp.pixel(2 * i + 1, 0), i + 1);
    }
    EXPECT_EQ(vdp.pixel(256, 0), kBackground);
    EXPECT_EQ(vdp.pixel(0, 1), kBackground);
}

TEST_F(RunDrawing, LongestSkipRunKindRuns) {
    // One row: copy 128 at the right edge after skip 128 + skip 128 + skip 128 + skip 128.
    std::vector<uint8_t> body = {5, 0x7F, 0x7F, 0x7F, 0x7F, 0xFF};
    for (int i = 0; i < 128; ++i) body.push_back(uint8_t(i));
    auto image = runImage(0, 479, 640, 1, body);
    vdp.drawSkipRunImage(0, 0, image.data());
    EXPECT_EQ(vdp.pixel(511, 479), kBackground);
    for (int i = 0; i < 128; ++i) ASSERT_EQ(vdp.pixel(512 + i, 479), i);
    EXPECT_EQ(vdp.pixel(640, 479), kBackground);  // padding never drawn
}

TEST_F(RunDrawing, FillRunCopiesFillsAndSkips) {
    isFillRun = true;
    // Row 0: copy 64, fill 64 with 0, skip 128, fill 1 with 6.
    std::vector<uint8_t> row0 = {4, 0xBF};
    for (int i = 0; i < 64; ++i) row0.push_back(uint8_t(200 + i % 50));
    row0.insert(row0.end(), {0xFF, 0, 0x7F, 0xC0, 6});
    // Row 1: fill 257 as 64 + 64 + 64 + 64 + 1 of 3.
    std::vector<uint8_t> row1 = {5, 0xFF, 3, 0xFF, 3, 0xFF, 3, 0xFF, 3, 0xC0, 3};
    std::vector<uint8_t> body = row0;
    body.insert(body.end(), row1.begin(), row1.end());
    auto image = runImage(300, 200, 257, 2, body);
    DrawnArea area = vdp.drawFillRunImage(0, 0, image.data());
    EXPECT_EQ(area.x, 300);
    EXPECT_EQ(area.width, 257);
    for (int i = 0; i < 64; ++i) ASSERT_EQ(vdp.pixel(300 + i, 200), 200 + i % 50);
    for (int i = 64; i < 128; ++i) ASSERT_EQ(vdp.pixel(300 + i, 200), 0);
    for (int i = 128; i < 256; ++i) ASSERT_EQ(vdp.pixel(300 + i, 200), kBackground);
    EXPECT_EQ(vdp.pixel(556, 200), 6);
    for (int i = 0; i < 257; ++i) ASSERT_EQ(vdp.pixel(300 + i, 201), 3);
    EXPECT_EQ(vdp.pixel(299, 201), kBackground);
    EXPECT_EQ(vdp.pixel(557, 201), kBackground);
}

TEST_F(RunDrawing, FillRunImageCoveringTheScreenStaysInsideTheVisibleColumns) {
    isFillRun = true;
    std::vector<uint8_t> body;
    for (int r = 0; r < 480; ++r) {
        body.push_back(10);
        for (int k = 0; k < 10; ++k) body.insert(body.end(), {0xFF, uint8_t(r % 200 + k)});
    }
    auto image = runImage(0, 0, 640, 480, body);
    vdp.drawFillRunImage(0, 0, image.data());
    for (int r = 0; r < 480; ++r) {
        for (int x = 0; x < 640; ++x) ASSERT_EQ(vdp.pixel(x, r), r % 200 + x / 64);
        for (int x = 640; x < 704; ++x) ASSERT_EQ(vdp.pixel(x, r), kBackground);
    }
}

}  // namespace
}  // namespace vantor::test
