// The DATA30.RES and kelvo.res of the build folder, read the way the game
// reads them, against what the screens expect of their pictures and sounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "common/little_endian.h"
#include "common/png_writer.h"
#include "game_palette.h"
#include "game/cell_positions.h"
#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "resources/resource_image.h"
#include "video/vdp.h"

namespace vantor {
namespace {

using Bytes = std::vector<uint8_t>;

struct Header {
    int x, y, w, h;
};
Header header(const uint8_t* image) { return {readI16(image), readI16(image + 2), readU16(image + 4), readU16(image + 6)}; }

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class BuiltFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::headless::installFresh();
        ASSERT_TRUE(vdp.init(true));
        ASSERT_TRUE(loadData30()) << "run from the build folder";
    }
    static void TearDownTestSuite() { releaseData30(); }

    void fill(uint8_t v) { std::fill(vdp.frameBuffer(), vdp.frameBuffer() + size_t(vdp.pitch()) * 480, v); }
    int countPixels(uint8_t v) const {
        int n = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) n += vdp.pixel(x, y) == v;
        return n;
    }
    // The rectangle of pixels that are no longer v.
    Header changedArea(uint8_t v) const {
        int left = 640, top = 480, right = -1, bottom = -1;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (vdp.pixel(x, y) != v) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return {left, top, right - left + 1, bottom - top + 1};
    }
    void writeFrame(const std::string& name, const uint8_t* palette) {
        std::filesystem::create_directories(std::string(VANTOR_BUILD_DIR) + "/art");
        uint8_t rgb[768];
        for (int i = 0; i < 768; ++i) rgb[i] = uint8_t(palette[i] * 4 + palette[i] / 16);
        EXPECT_TRUE(writeIndexedPng(std::string(VANTOR_BUILD_DIR) + "/art/" + name, 640, 480, vdp.pitch(),
                                    vdp.frameBuffer(), rgb));
    }
};

TEST_F(BuiltFilesTest, EveryPieceFrameIsCentredOnItsCell) {
    for (int colour = 0; colour < 5; ++colour)
        for (int frame = 0; frame < 13; ++frame) {
            Header h = header(res.pieces[colour][frame]);
            EXPECT_GE(h.w, 26);
            EXPECT_LE(h.w, 30);
            EXPECT_LE(std::abs(2 * h.x + h.w), 4) << colour << "/" << frame;
            EXPECT_LE(std::abs(2 * h.y + h.h), 4) << colour << "/" << frame;
            // What is seen of it, too: its pixels balance on the cell.
            fill(0);
            vdp.drawImage(320, 240, res.pieces[colour][frame]);
            EXPECT_GE(changedArea(0).w, 20);
            double sx = 0, sy = 0;
            int n = 0;
            for (int y = 200; y < 280; ++y)
                for (int x = 280; x < 360; ++x)
                    if (vdp.pixel(x, y)) sx += x + 0.5, sy += y + 0.5, ++n;
            EXPECT_NEAR(sx / n, 320.0, 2.0) << colour << "/" << frame;
            EXPECT_NEAR(sy / n, 240.0, 2.0) << colour << "/" << frame;
        }
    Header carrier = header(res.carrier);
    EXPECT_LE(std::abs(2 * carrier.x + carrier.w), 4);
    EXPECT_LE(std::abs(2 * carrier.y + carrier.h), 4);
}

// Also leaves pictures of the board and the menu in <build>/art for people to look at.
TEST_F(BuiltFilesTest, TheWheelHasASocketUnderEveryCell) {
    vdp.restoreScreen(res.background);
    for (int cell = 0; cell < 65; ++cell) {
        int x = CellPositions[cell].x, y = CellPositions[cell].y;
        for (auto [dx, dy] : {std::pair{0, 0}, {6, 0}, {-6, 0}, {0, 6}, {0, -6}}) {
            uint8_t under = vdp.pixel(x + dx, y + dy);
            EXPECT_TRUE(under >= resbuild::gp::kStone.base && under < resbuild::gp::kStone.base + 16)
                << "cell " << cell << " at (" << x + dx << ", " << y + dy << ")";
        }
        vdp.drawImage(x, y, res.pieces[cell % 5][cell / 5]);
    }
    vdp.drawImage(324, 238, res.carrier);
    vdp.drawImage(395, 250, res.pointer);
    writeFrame("board-all-anchors.png", res.gamePalette);

    vdp.drawFillRunImage(0, 0, res.menuBackdrop);
    for (int b = 0; b < 4; ++b) vdp.drawFillRunImage(0, 0, res.menuButtons[b][b == 0 ? 6 : 0]);
    vdp.drawImage(213, 176, res.soundIndicator[1]);
    vdp.drawImage(330, 90, res.pointer);
    writeFrame("menu.png", res.gamePalette);
}

TEST_F(BuiltFilesTest, MenuPicturesStayInsideTheirPlaces) {
    const int buttonTops[4] = {47, 156, 256, 348};
    for (int b = 0; b < 4; ++b)
        for (int i = 0; i < 12; ++i) {
            Header h = header(res.menuButtons[b][i]);
            EXPECT_GE(h.x, 244);
            EXPECT_LE(h.x + h.w, 244 + 147);
            EXPECT_GE(h.y, buttonTops[b]);
            EXPECT_LE(h.y + h.h, buttonTops[b] + 77);
        }
    // The play screen's menu-button animation covers only the button.
    for (int i = 0; i < 7; ++i) {
        Header h = header(res.menuButtonAnimation[i]);
        EXPECT_GE(h.x, 10);
        EXPECT_LE(h.x + h.w, 134);
        EXPECT_GE(h.y, 39);
        EXPECT_LE(h.y + h.h, 132);
    }
    // The sound indicator sits on the backdrop, clear of the buttons.
    Header backdrop = header(res.menuBackdrop);
    for (int i = 0; i < 2; ++i) {
        Header s = header(res.soundIndicator[i]);
        EXPECT_GE(213 + s.x, backdrop.x);
        EXPECT_LE(213 + s.x + s.w, 244);
        EXPECT_GE(176 + s.y, backdrop.y);
    }
    // The slide ends where the menu stands and leaves the screen at the end.
    EXPECT_EQ(header(res.menuSlide[35]).y, backdrop.y);
    EXPECT_LT(header(res.menuSlide[49]).h, 10);
    EXPECT_LT(header(res.menuSlide[0]).h, header(res.menuSlide[20]).h);
}

TEST_F(BuiltFilesTest, FullScreenPicturesCoverTheScreen) {
    fill(0xEE);
    vdp.drawFillRunImage(0, 0, res.curtain[11]);
    EXPECT_EQ(countPixels(0xEE), 0);
    fill(0xEE);
    vdp.drawFillRunImage(0, 0, res.title);
    EXPECT_EQ(countPixels(0xEE), 0);
    // The curtain closes step by step.
    int uncovered = 640 * 480 + 1;
    for (int i = 0; i < 12; ++i) {
        fill(0xEE);
        vdp.drawFillRunImage(0, 0, res.curtain[i]);
        EXPECT_LT(countPixels(0xEE), uncovered) << i;
        uncovered = countPixels(0xEE);
    }
}

TEST_F(BuiltFilesTest, IndicatorsLieAroundTheirDrawingPoints) {
    Header go = header(res.gameOver);
    EXPECT_LE(std::abs(2 * go.x + go.w), 1);
    EXPECT_LE(std::abs(2 * go.y + go.h), 1);
    Header scale = header(res.speedGauge[0]), marker = header(res.speedGauge[1]);
    EXPECT_LE(550 + scale.x, 523 + marker.x);
    EXPECT_GE(550 + scale.x + scale.w, 579 + marker.x + marker.w);
    for (int d = 0; d < 10; ++d) {
        Header h = header(res.digits[d]);
        EXPECT_GE(h.h, 16);
        EXPECT_LE(h.h, 30);
    }
    // The score marker lies in the gap between score (ending at 137) and name (from 162).
    for (int i = 0; i < 12; ++i) {
        Header h = header(res.scoreMarker[i]);
        EXPECT_GE(172 + h.x, 138);
        EXPECT_LE(172 + h.x + h.w, 162);
        EXPECT_LE(h.h, 18);
    }
}

TEST_F(BuiltFilesTest, TextFitsItsRowsAndEveryCodeHasAWidth) {
    for (int c = 0; c < 256; ++c) EXPECT_GT(vdp.glyphWidth(uint8_t(c)), 0) << c;
    fill(0);
    DrawnArea area{};
    vdp.drawText(162, 147, "Fjord \xC9\xF6\xF3 gypsy (1234567890)", AlignLeft, area);
    EXPECT_GE(area.y, 147);
    EXPECT_LE(area.y + area.height, 147 + 18);
    EXPECT_GE(area.height, 12);
    // A table as the score screens draw it, for people to read.
    vdp.drawFillRunImage(0, 0, res.curtain[11]);
    const char* names[] = {"Marina", "\xC0\xED\xED\xE0 \xCF\xE5\xF2\xF0\xEE\xE2\xE0", "Quentin Wavejumper", "jolly gypsy", message(0)};
    for (int i = 0; i < 5; ++i) {
        int y = 147 + 18 * i;
        if (i == 1) vdp.drawImage(172, y, res.scoreMarker[3]);
        vdp.drawText(162, y, names[i], AlignLeft, area);
        vdp.drawNumber(137, y, 98765 / (i + 1), AlignRight, area);
    }
    vdp.drawText(162, 147 + 18 * 5, "Ab", AlignLeft, area);
    vdp.drawChar(162 + vdp.textWidth("Ab"), 147 + 18 * 5, 1, AlignLeft, area);
    vdp.drawText(320, 400, message(2), AlignCentre, area);
    vdp.drawText(320, 420, message(3), AlignCentre, area);
    writeFrame("scores.png", res.gamePalette);
    // The cursor glyph shows.
    fill(0);
    vdp.drawChar(300, 300, 1, AlignLeft, area);
    EXPECT_GT(640 * 480 - countPixels(0), 0);
    // Messages: the ones the screens use exist and fit the screen.
    for (int i : {0, 2, 3, 7}) {
        EXPECT_GT(std::strlen(message(i)), 0u) << i;
        EXPECT_LT(vdp.textWidth(message(i)), 600) << i;
    }
    EXPECT_GE(readI32(res.image->slot(31) - 4), 8);  // the slot points past the count
}

TEST_F(BuiltFilesTest, SoundsAreShortAndStartAndEndInSilence) {
    int underHalfASecond = 0;
    for (int k = 0; k < 14; ++k) {
        const uint8_t* start = res.soundRegions[k];
        size_t length = size_t(res.soundRegions[k + 1] - start);
        if (k == 5) continue;
        ASSERT_GT(length, 200u) << k;
        EXPECT_LT(length, 22050u) << k;
        underHalfASecond += length < 11025;
        EXPECT_EQ(start[0], 128) << k;
        EXPECT_EQ(start[length - 1], 128) << k;
        // Sounds swell in and die away rather than click on or off.
        for (size_t i = 0; i < 20; ++i) {
            EXPECT_LT(std::abs(start[i] - 128), 40) << k << " begins with a jump";
            EXPECT_LT(std::abs(start[length - 1 - i] - 128), 40) << k << " ends with a jump";
        }
    }
    EXPECT_GE(underHalfASecond, 10);
}

TEST(LogoFileTest, FortyThreeFullScreenPicturesAndTheReservedEntries) {
    platform::headless::installFresh();
    Vdp local;
    ASSERT_TRUE(local.init(true));
    auto image = LoadResourceImage("kelvo.res");
    ASSERT_TRUE(image);
    ASSERT_GE(image->slotCount(), 2);
    int count = 0;
    auto pictures = image->RelocateTable(1, count);
    ASSERT_GE(count, 43);
    std::vector<Bytes> screens;
    for (int i = 0; i < 43; ++i) {
        std::fill(local.frameBuffer(), local.frameBuffer() + size_t(local.pitch()) * 480, 0xEE);
        Header h = header(pictures[i]);
        ASSERT_EQ(h.x, 0);
        ASSERT_EQ(h.y, 0);
        ASSERT_EQ(h.w, 640);
        ASSERT_EQ(h.h, 480);
        local.drawFillRunImage(0, 0, pictures[i]);
        Bytes s(640 * 480);
        local.saveScreen(s.data());
        screens.push_back(s);
    }
    int added = 0;
    for (int i = 0; i < 43; ++i)
        for (size_t p = 0; p < screens[i].size(); ++p) {
            bool reserved = screens[i][p] >= 224;
            if (i != 41) {
                ASSERT_FALSE(reserved) << "picture " << i;
            } else if (reserved) {
                ASSERT_NE(screens[41][p], screens[40][p]);
                ++added;
            } else {
                ASSERT_EQ(screens[41][p], screens[40][p]);
            }
        }
    EXPECT_GT(added, 200);
}

// Two runs of the tool write the same bytes as the build did.
TEST(ReproducibleBuildTest, TwoBuildsGiveIdenticalFiles) {
    namespace fs = std::filesystem;
    fs::path base = fs::temp_directory_path() / ("resbuild_" + std::to_string(::getpid()));
    for (const char* run : {"a", "b"}) {
        fs::create_directories(base / run);
        std::string command = std::string(VANTOR_BUILD_DIR) + "/bin/resbuild " + (base / run).string();
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    for (const char* name : {"DATA30.RES", "kelvo.res"}) {
        Bytes a = readFile((base / "a" / name).string()), b = readFile((base / "b" / name).string());
        EXPECT_FALSE(a.empty());
        EXPECT_EQ(a, b) << name;
        EXPECT_EQ(a, readFile(std::string(VANTOR_BUILD_DIR) + "/" + name)) << name;
    }
    fs::remove_all(base);
}

}  // namespace
}  // namespace vantor
