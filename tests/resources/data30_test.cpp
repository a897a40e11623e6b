#include "resources/data30.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "common/little_endian.h"
#include "resources/picture_checks.h"
#include "support/headless_fixture.h"
#include "video/vdp.h"

namespace vantor {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes builtData30() {
    std::ifstream in(std::string(VANTOR_BUILD_DIR) + "/DATA30.RES", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Offsets are into the file: the image starts 4 bytes in.
int32_t slotValue(const Bytes& file, int slot) { return readI32(file.data() + 4 + 4 * slot); }
uint8_t* at(Bytes& file, int32_t imageOffset) { return file.data() + 4 + imageOffset; }

bool accepts(const Bytes& file) { return setUpData30(resourceImageFromBytes(file.data(), file.size())); }

class Data30Test : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::installFresh();
        file = builtData30();
        ASSERT_GT(file.size(), 640u * 480u);
    }
    void TearDown() override { releaseData30(); }
    Bytes file;
};

TEST_F(Data30Test, TheBuiltImageIsAcceptedAndReachable) {
    ASSERT_TRUE(accepts(file));
    EXPECT_EQ(res.background, res.image->data() + slotValue(file, 12));
    EXPECT_NE(res.font, nullptr);
    EXPECT_NE(res.pieces[4], nullptr);
    EXPECT_GT(res.soundRegions[14], res.soundRegions[0]);
}

TEST_F(Data30Test, RefusesTooFewSlots) {
    writeI32(file.data(), 35);
    EXPECT_FALSE(accepts(file));
}

TEST_F(Data30Test, RefusesABackgroundRunningPastTheEnd) {
    writeI32(file.data() + 4 + 4 * 12, static_cast<int32_t>(file.size() - 4 - 1000));
    EXPECT_FALSE(accepts(file));
}

TEST_F(Data30Test, RefusesTablesShorterThanTheGameIndexes) {
    for (int slot : {1, 20, 21, 22, 28, 30, 31, 33}) {
        Bytes damaged = file;
        uint8_t* count = at(damaged, slotValue(damaged, slot));
        writeI32(count, readI32(count) - 1);
        EXPECT_FALSE(accepts(damaged)) << "slot " << slot;
    }
}

TEST_F(Data30Test, RefusesPicturesThatRunPastTheEndOrOffTheScreen) {
    Bytes tallCarrier = file;
    writeI32(at(tallCarrier, slotValue(file, 11)) + 4, 0x7FFF7FFF);  // width, height
    EXPECT_FALSE(accepts(tallCarrier));

    Bytes shiftedTitle = file;
    uint8_t* title = at(shiftedTitle, slotValue(file, 34));
    title[0] = 0x10;  // x offset 16 + full width leaves the screen
    EXPECT_FALSE(accepts(shiftedTitle));
}

TEST_F(Data30Test, RefusesSoundBoundariesRunningBackwards) {
    uint8_t* table = at(file, slotValue(file, 22));
    writeI32(table + 4 + 4 * 3, readI32(table + 4 + 4 * 3) + 100000);
    EXPECT_FALSE(accepts(file));
}

// Run-coded pictures: 8-byte header, then per row a run count and runs.
Bytes runImage(int x, int y, int width, std::initializer_list<uint8_t> row, int rows = 1) {
    Bytes b(8);
    b[0] = uint8_t(x); b[1] = uint8_t(x >> 8); b[2] = uint8_t(y); b[3] = uint8_t(y >> 8);
    b[4] = uint8_t(width); b[5] = uint8_t(width >> 8); b[6] = uint8_t(rows); b[7] = 0;
    for (int r = 0; r < rows; ++r) b.insert(b.end(), row);
    return b;
}

TEST(PictureChecksTest, RunImagesMustCoverTheirWidthWithinTheirData) {
    // One skip of 4, one copy of 2 (skip-run) / fill of 2 and copy of 2 (fill-run).
    Bytes skipRun = runImage(10, 10, 6, {2, 0x03, 0x81, 7, 8});
    EXPECT_TRUE(runImageFits(skipRun.data(), skipRun.size(), false));
    EXPECT_FALSE(runImageFits(skipRun.data(), skipRun.size() - 1, false));
    Bytes fillRun = runImage(0, 0, 4, {2, 0xC1, 9, 0x81, 1, 2});
    EXPECT_TRUE(runImageFits(fillRun.data(), fillRun.size(), true));
    // The same bytes read as a skip-run image copy 2 and then 2 more: the width is wrong.
    Bytes narrow = runImage(0, 0, 3, {1, 0x03});
    EXPECT_FALSE(runImageFits(narrow.data(), narrow.size(), true));
}

TEST(PictureChecksTest, ACountOfZeroMeans256Runs) {
    Bytes row{0};
    row.insert(row.end(), 256, 0x00);  // 256 skips of one pixel
    Bytes image(8);
    image[4] = 0; image[5] = 1; image[6] = 1;  // width 256, height 1
    image.insert(image.end(), row.begin(), row.end());
    EXPECT_TRUE(runImageFits(image.data(), image.size(), false));
    image[4] = 255; image[5] = 0;
    EXPECT_FALSE(runImageFits(image.data(), image.size(), false));
}

TEST(PictureChecksTest, RunImagesMustLieOnTheScreen) {
    Bytes right = runImage(637, 0, 4, {1, 0x03});
    EXPECT_FALSE(runImageFits(right.data(), right.size(), true));
    Bytes edge = runImage(636, 479, 4, {1, 0x03});
    EXPECT_TRUE(runImageFits(edge.data(), edge.size(), true));
    Bytes below = runImage(0, 479, 4, {1, 0x03}, 2);
    EXPECT_FALSE(runImageFits(below.data(), below.size(), true));
    Bytes left = runImage(-1, 0, 4, {1, 0x03});
    EXPECT_FALSE(runImageFits(left.data(), left.size(), true));
}

TEST(PictureChecksTest, PlainImagesNeedEveryPixel) {
    Bytes image{0, 0, 0, 0, 3, 0, 2, 0, 1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(plainImageFits(image.data(), image.size()));
    EXPECT_FALSE(plainImageFits(image.data(), image.size() - 1));
    EXPECT_FALSE(plainImageFits(image.data(), 7));
}

}  // namespace
}  // namespace vantor
