#include "platform/tap_latch.h"

#include <gtest/gtest.h>

namespace vantor::platform {
namespace {

// Readings as the game takes them once a frame, with the device's events
// arriving in between.
TEST(TapLatchTest, APressLetGoBetweenTwoReadingsIsSeenOnceThenTheRelease) {
    TapLatch<256> keys;
    keys.press(0x4E);  // down and up again before the game looked
    EXPECT_TRUE(keys.read(0x4E, false));
    EXPECT_FALSE(keys.read(0x4E, false));

    keys.press(0x4E);  // held across readings: down while held, no extra press after
    EXPECT_TRUE(keys.read(0x4E, true));
    EXPECT_TRUE(keys.read(0x4E, true));
    EXPECT_FALSE(keys.read(0x4E, false));

    keys.press(0x01);
    keys.press(0x01);  // two taps in one frame are one press
    keys.press(0x4A);
    keys.clear();  // the focus went elsewhere
    EXPECT_FALSE(keys.read(0x01, false));
    EXPECT_FALSE(keys.read(0x4A, false));
    EXPECT_TRUE(keys.read(300, true));  // outside the latch: the device's word stands
}

}  // namespace
}  // namespace vantor::platform
