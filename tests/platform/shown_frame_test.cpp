#include "platform/shown_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor::platform {
namespace {

// A present is shown again only when something on it changed: any pixel
// (the last one included) or any colour, and the first frame always.
TEST(ShownFrameTest, OnlyAChangedPixelOrColourIsShownAgain) {
    std::vector<uint8_t> pixels(640 * 480, 3);
    uint32_t colours[256] = {};
    ShownFrame shown;
    EXPECT_TRUE(shown.isNew(pixels.data(), colours, sizeof colours));
    EXPECT_FALSE(shown.isNew(pixels.data(), colours, sizeof colours));
    pixels.back() = 4;
    EXPECT_TRUE(shown.isNew(pixels.data(), colours, sizeof colours));
    EXPECT_FALSE(shown.isNew(pixels.data(), colours, sizeof colours));
    colours[255] = 1;
    EXPECT_TRUE(shown.isNew(pixels.data(), colours, sizeof colours));
    EXPECT_FALSE(shown.isNew(pixels.data(), colours, sizeof colours));
    pixels.front() = 9;
    colours[255] = 0;
    EXPECT_TRUE(shown.isNew(pixels.data(), colours, sizeof colours));
}

}  // namespace
}  // namespace vantor::platform
