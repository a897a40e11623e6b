#include "platform/web/touch_gestures.h"

#include <gtest/gtest.h>

namespace vantor::platform::web {
namespace {

using Click = TouchGestures::Click;

TEST(TouchGestures, ATapIsALeftClickAndAStillPressARightClick) {
    TouchGestures g;
    g.down(1, 100, 100, 0);
    EXPECT_TRUE(g.leads(1));
    g.move(1, 108, 106);  // 10 pixels away is still still
    EXPECT_EQ(g.take(449), Click::None);
    g.up(1, 449);
    EXPECT_EQ(g.take(449), Click::Left);
    EXPECT_EQ(g.take(2000), Click::None);

    g.down(2, 50, 50, 1000);
    EXPECT_EQ(g.take(1449), Click::None);
    EXPECT_EQ(g.take(1450), Click::Right);
    g.up(2, 1600);
    EXPECT_EQ(g.take(1600), Click::None);  // the press has clicked already

    g.down(3, 50, 50, 2000);  // held long, but nobody looked before the lift
    g.up(3, 2500);
    EXPECT_EQ(g.take(2500), Click::Right);
}

TEST(TouchGestures, TwoFingersTogetherAreARightClickAndMovingIsNoClick) {
    TouchGestures g;
    g.down(1, 100, 100, 0);
    g.down(2, 200, 100, 30);
    EXPECT_FALSE(g.leads(2));
    g.up(2, 90);
    EXPECT_EQ(g.take(90), Click::None);  // a finger is still down
    g.up(1, 100);
    EXPECT_EQ(g.take(100), Click::Right);

    g.down(1, 100, 100, 1000);
    g.move(1, 111, 100);
    g.up(1, 1100);
    EXPECT_EQ(g.take(1100), Click::None);

    g.down(1, 100, 100, 2000);
    g.down(2, 110, 100, 2010);
    g.move(2, 110, 120);
    g.up(1, 2050);
    g.up(2, 2060);
    EXPECT_EQ(g.take(2060), Click::None);

    g.down(1, 0, 0, 3000);
    g.down(2, 0, 0, 3000);
    g.down(3, 0, 0, 3000);
    for (int id : {1, 2, 3}) g.up(id, 3050);
    EXPECT_EQ(g.take(3050), Click::None);

    g.down(1, 0, 0, 4000);
    g.cancel(1);
    EXPECT_FALSE(g.leads(1));
    EXPECT_EQ(g.take(5000), Click::None);
    g.up(7, 5000);  // a contact it never saw
    EXPECT_EQ(g.take(5000), Click::None);
}

}  // namespace
}  // namespace vantor::platform::web
