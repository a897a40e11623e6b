#include <string>

#include "video_fixture.h"

namespace vantor::test {
namespace {

// Every glyph is a solid block in the colour of its own code, as wide as
// (code % 4) + 2 and 6 rows tall, hanging 5 rows above the text's y, so a
// drawn row reads back as text.
class Text : public VdpFixture {
protected:
    void SetUp() override {
        openVdp();
        for (int c = 0; c < 256; ++c) {
            int width = c % 4 + 2;
            images[c] = plainImage(0, -5, width, 6, std::vector<uint8_t>(size_t(width) * 6, uint8_t(c)));
            glyphs[c] = images[c].data();
        }
        vdp.selectFont(makeFont(glyphs, 0, &Vdp::drawImageShifted, 1));
    }
    static int width(char c) { return uint8_t(c) % 4 + 2; }

    // The characters drawn along row y, glyphs being told apart by the gaps.
    std::string readBack(int y) {
        std::string text;
        uint8_t last = 0;
        for (int x = 0; x < 640; ++x) {
            uint8_t p = vdp.pixel(x, y);
            if (p && p != last) text += char(p);
            last = p;
        }
        return text;
    }
    int firstDrawnColumn(int y) {
        for (int x = 0; x < 640; ++x)
            if (vdp.pixel(x, y)) return x;
        return -1;
    }

    std::vector<uint8_t> images[256];
    const uint8_t* glyphs[256] = {};
};

TEST_F(Text, MetricsAddOneSpacingBetweenGlyphs) {
    EXPECT_EQ(vdp.glyphWidth('A'), width('A'));
    EXPECT_EQ(vdp.textWidth("AB"), width('A') + width('B') + 1);
    EXPECT_EQ(vdp.textWidth(""), -1);
    DrawnArea area;
    EXPECT_EQ(vdp.drawText(50, 100, "AB", AlignLeft, area), 50 + width('A') + width('B') + 2);
    EXPECT_EQ(readBack(100), "AB");
    EXPECT_EQ(vdp.pixel(50 + width('A'), 100), 0);  // the spacing gap
    EXPECT_EQ(area.x, 50);
    EXPECT_EQ(area.y, 95);
    EXPECT_EQ(area.width, width('A') + 1 + width('B'));
    EXPECT_EQ(area.height, 6);
    EXPECT_EQ(area.empty, 0);
}

TEST_F(Text, AlignmentPlacesTheString) {
    DrawnArea area;
    int w = vdp.textWidth("AC");  // 3 + 1 + 5: odd
    ASSERT_EQ(w % 2, 1);
    vdp.drawText(300, 100, "AC", AlignCentre, area);
    EXPECT_EQ(firstDrawnColumn(100), 300 - (w - 1) / 2);
    vdp.drawText(300, 200, "AC", AlignRight, area);
    EXPECT_EQ(firstDrawnColumn(200), 300 - w);
    EXPECT_EQ(area.x + area.width, 300);
    vdp.drawText(300, 300, "AC", 7, area);  // unknown alignment reads as left
    EXPECT_EQ(firstDrawnColumn(300), 300);
}

TEST_F(Text, EmptyStringDrawsNothingAndReturnsTheAlignedX) {
    DrawnArea area;
    EXPECT_EQ(vdp.drawText(77, 100, "", AlignLeft, area), 77);
    EXPECT_EQ(area.x, 1000);
    EXPECT_EQ(area.y, 1000);
    EXPECT_EQ(area.width, -1000);
    EXPECT_EQ(area.height, -1000);
    EXPECT_EQ(area.empty, 1);
    // The empty string measures minus one spacing.
    EXPECT_EQ(vdp.drawText(77, 100, "", AlignCentre, area), 77);
    EXPECT_EQ(vdp.drawText(77, 100, "", AlignRight, area), 78);
    EXPECT_EQ(firstDrawnColumn(100), -1);
}

TEST_F(Text, NumbersAreDrawnInDecimal) {
    struct Case {
        int32_t value;
        std::string text;
    };
    const Case cases[] = {{0, "0"}, {-5, "-5"}, {2147483647, "2147483647"},
                          {INT32_MIN, "-2147483648"}, {1002, "1002"}};
    int y = 20;
    for (const Case& c : cases) {
        DrawnArea area;
        int expectedEnd = 10;
        for (char ch : c.text) expectedEnd += width(ch) + 1;
        EXPECT_EQ(vdp.drawNumber(10, y, c.value, AlignLeft, area), expectedEnd) << c.text;
        EXPECT_EQ(readBack(y), c.text);
        y += 20;
    }
    DrawnArea area;
    vdp.drawNumber(137, 400, 12345, AlignRight, area);
    EXPECT_EQ(area.x + area.width, 137);
}

TEST_F(Text, DrawCharIsAOneCharacterString) {
    DrawnArea area;
    EXPECT_EQ(vdp.drawChar(40, 60, 1, AlignLeft, area), 40 + width(1) + 1);
    EXPECT_EQ(vdp.pixel(40, 60), 1);
    EXPECT_EQ(area.width, width(1));
}

TEST_F(Text, TextPartlyOffTheScreenReportsOnlyTheVisiblePart) {
    DrawnArea area;
    vdp.drawText(-4, 2, "AB", AlignLeft, area);  // 'A' is 3 wide: wholly off; top rows cut
    EXPECT_EQ(readBack(2), "B");
    EXPECT_EQ(area.x, 0);
    EXPECT_EQ(area.y, 0);
    EXPECT_EQ(area.width, width('B'));  // the pen reaches 0 just as B starts
    EXPECT_EQ(area.height, 3);
}

TEST_F(Text, FontColourOffsetAndSelectFontHandBack) {
    Font shifted = makeFont(glyphs, 3, &Vdp::drawImageShifted, 2);
    Font previous = vdp.selectFont(shifted);
    EXPECT_EQ(previous.spacing, 1);
    EXPECT_EQ(previous.colourOffset, 0);
    DrawnArea area;
    EXPECT_EQ(vdp.drawText(10, 10, "AA", AlignLeft, area), 10 + 2 * (width('A') + 2));
    EXPECT_EQ(vdp.pixel(10, 10), 'A' + 3);
    Font back = vdp.selectFont(previous);
    EXPECT_EQ(back.colourOffset, 3);
    EXPECT_EQ(vdp.textWidth("AA"), 2 * width('A') + 1);
}

}  // namespace
}  // namespace vantor::test
