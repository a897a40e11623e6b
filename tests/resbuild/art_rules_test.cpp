// Rules the art keeps so the game stays readable and playable.
#include <gtest/gtest.h>

#include "board_art.h"
#include "data30_art.h"
#include "desktop_icon.h"
#include "font_art.h"
#include "game_palette.h"
#include "picture.h"

namespace resbuild {
namespace {

float luminance(const Rgb& c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

TEST(GamePaletteTest, RampsRunFromDarkToLight) {
    std::vector<Rgb> p = gamePalette();
    for (int base = 16; base < 256; base += 16)
        for (int i = 1; i < 16; ++i) EXPECT_GE(luminance(p[size_t(base + i)]), luminance(p[size_t(base + i - 1)])) << base + i;
    // Full text stands out on the darkest panels it is written on.
    EXPECT_GT(luminance(p[gp::kText.base + 15]), 4 * luminance(p[gp::kPanel.base + 6]));
}

TEST(PieceArtTest, ColoursAreAlsoToldApartByOutline) {
    std::vector<Picture> still;
    for (int c = 0; c < 5; ++c) still.push_back(pieceFrames(c)[0]);
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) {
            int differ = 0;
            for (size_t i = 0; i < still[a].px.size(); ++i) differ += (still[a].px[i] != 0) != (still[b].px[i] != 0);
            EXPECT_GT(differ, 40) << "colours " << a << " and " << b << " share an outline";
        }
}

TEST(PieceArtTest, EveryFrameShowsADifferentTurn) {
    // A triangle has no thirteen-fold symmetry, so every frame shows a new turn.
    std::vector<Picture> frames = pieceFrames(2);
    for (int f = 1; f < 13; ++f) EXPECT_NE(frames[size_t(f)].px, frames[0].px) << f;
}

TEST(FontArtTest, LettersOfBothAlphabetsAreDrawnAndControlsAreBoxes) {
    std::vector<Picture> glyphs = fontGlyphs();
    ASSERT_EQ(glyphs.size(), 256u);
    const Picture& box = glyphs[2];
    auto isBox = [&](int code) { return glyphs[size_t(code)].px == box.px && glyphs[size_t(code)].w == box.w; };
    for (int code = 3; code < 32; ++code) EXPECT_TRUE(isBox(code)) << code;
    EXPECT_TRUE(isBox(0x98));  // the one code without a character
    for (int code : {int('A'), int('z'), int('0'), int('?'), 0xC0, 0xDF, 0xE0, 0xFF, 0xA8, 0xB8}) {
        EXPECT_FALSE(isBox(code)) << code;
        int ink = 0;
        for (uint8_t v : glyphs[size_t(code)].px) ink += v != 0;
        EXPECT_GT(ink, 8) << code;
    }
    // Capital A of both alphabets looks alike; small and capital letters differ.
    EXPECT_EQ(glyphs['A'].px, glyphs[0xC0].px);
    EXPECT_NE(glyphs['a'].px, glyphs['A'].px);
    EXPECT_NE(glyphs[1].px, box.px);  // the cursor
}

TEST(PictureHelpersTest, TrimOverlayAndDifference) {
    Picture screen(8, 6);
    for (uint8_t& v : screen.px) v = 4;
    Picture spot(3, 3, 2, 1);
    spot.at(1, 1) = 9;
    Picture t = trimmed(spot);
    EXPECT_EQ(t.x, 3);
    EXPECT_EQ(t.y, 2);
    EXPECT_EQ(t.w, 1);
    EXPECT_EQ(t.h, 1);
    Picture over = overlay(screen, spot);
    EXPECT_EQ(over.at(3, 2), 9);
    EXPECT_EQ(over.at(2, 1), 4);  // transparent pixels leave what lies beneath
    // Only what differs from the screen is kept.
    Picture drawn = crop(over, 1, 1, 5, 4);
    Picture diff = differenceFrom(drawn, screen);
    EXPECT_EQ(diff.x, 3);
    EXPECT_EQ(diff.y, 2);
    EXPECT_EQ(diff.w * diff.h, 1);
    EXPECT_EQ(diff.at(0, 0), 9);
    // Nothing changed leaves a single transparent pixel where the picture was.
    Picture same = differenceFrom(crop(screen, 2, 2, 3, 3), screen);
    EXPECT_EQ(same.w * same.h, 1);
    EXPECT_EQ(same.at(0, 0), 0);
}

// A launcher's mask keeps the middle 80% circle of a maskable icon: there it
// must show the desktop icon's disc, pixel for pixel, and nothing may be
// transparent anywhere.
TEST(DesktopIconTest, TheMaskableIconHoldsTheDiscInItsSafeZoneOnBlack) {
    Data30Art art = makeData30Art();
    const int disc = 40, side = 50;  // the disc's 40 pixels are 80% of 50
    std::vector<uint8_t> plain = desktopIcon(art, disc);
    std::vector<uint8_t> maskable = desktopIcon(art, side, IconShape::Maskable);
    auto pixel = [](const std::vector<uint8_t>& rgba, int size, int x, int y) {
        return &rgba[(size_t(y) * size + x) * 4];
    };
    int compared = 0;
    for (int y = 0; y < disc; ++y)
        for (int x = 0; x < disc; ++x) {
            const uint8_t* p = pixel(plain, disc, x, y);
            if (p[3] != 255) continue;
            const uint8_t* m = pixel(maskable, side, x + 5, y + 5);
            EXPECT_EQ(std::vector<uint8_t>(p, p + 4), std::vector<uint8_t>(m, m + 4)) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(pixel(plain, disc, 0, 0)[3], 0);
    for (size_t i = 0; i < maskable.size(); i += 4) ASSERT_EQ(maskable[i + 3], 255) << i / 4;
    EXPECT_EQ(std::vector<uint8_t>(maskable.begin(), maskable.begin() + 3), std::vector<uint8_t>(3, 0));
}

}  // namespace
}  // namespace resbuild
