#include "screens/ambient_animation.h"

#include <vector>

#include "common/random.h"
#include "screens/screen_fixture.h"
#include "video/vdp.h"

namespace vantor {
namespace {

// Thirty one-pixel fill-run pictures: picture i paints pixel (i, 0) with colour i + 1.
class MarkedPictures {
public:
    MarkedPictures() {
        for (int i = 0; i < 30; ++i) {
            bytes_[i] = {uint8_t(i), 0, 0, 0, 1, 0, 1, 0, 1, 0xC0, uint8_t(i + 1)};
            pointers_[i] = bytes_[i].data();
        }
    }
    const uint8_t* const* table() const { return pointers_; }

private:
    std::vector<uint8_t> bytes_[30];
    const uint8_t* pointers_[30] = {};
};

// The picture a tick drew, or -1 for none.
int drawnBy(AmbientAnimation& animation) {
    for (int x = 0; x < 30; ++x) vdp.frameBuffer()[x] = 0;
    animation.tick();
    for (int x = 0; x < 30; ++x)
        if (vdp.pixel(x, 0) != 0) return vdp.pixel(x, 0) - 1;
    return -1;
}

// A seed whose first draw starts the animation (r >= 80), or pauses it.
uint32_t seedWhoseFirstDraw(bool starts) {
    for (uint32_t seed = 1;; ++seed) {
        Random probe{seed};
        if ((probe.next() * 100 / 32768 >= 80) == starts) return seed;
    }
}

class AmbientAnimationTest : public testing::ScreenTest {
protected:
    AmbientAnimation fresh() {
        AmbientAnimation animation;
        animation.frames = pictures.table();
        animation.frameCount = 30;
        return animation;
    }
    MarkedPictures pictures;
};

TEST_F(AmbientAnimationTest, EachPictureShowsForTwoCallsFromTheSecondCallOn) {
    rng.seed(seedWhoseFirstDraw(true));
    AmbientAnimation animation = fresh();
    std::vector<int> drawn{-2};  // calls count from 1
    std::vector<uint32_t> stateBefore;
    for (int call = 1; call <= 63; ++call) {
        stateBefore.push_back(rng.state);
        drawn.push_back(drawnBy(animation));
    }
    EXPECT_EQ(drawn[1], -1);
    EXPECT_EQ(drawn[2], 0);
    EXPECT_EQ(drawn[3], 0);
    EXPECT_EQ(drawn[4], 1);
    EXPECT_EQ(drawn[60], 29);
    EXPECT_EQ(drawn[61], 29);
    EXPECT_EQ(drawn[62], -1);
    EXPECT_EQ(drawn[63], -1);
    // The starting decision takes one number; nothing more is drawn until
    // the 63rd call decides again.
    Random expected{stateBefore[0]};
    expected.next();
    EXPECT_EQ(stateBefore[1], expected.state);
    EXPECT_EQ(stateBefore[62], expected.state);
    EXPECT_NE(rng.state, expected.state);
}

TEST_F(AmbientAnimationTest, APauseTakesTwoNumbersAndLastsFiftyToNinetyNineCalls) {
    uint32_t seed = seedWhoseFirstDraw(false);
    Random expected{seed};
    expected.next();
    int pause = 50 + expected.next() * 50 / 32768;
    rng.seed(seed);
    AmbientAnimation animation = fresh();
    EXPECT_EQ(drawnBy(animation), -1);
    EXPECT_EQ(rng.state, expected.state);
    for (int call = 1; call < pause; ++call) {
        ASSERT_EQ(drawnBy(animation), -1);
        ASSERT_EQ(rng.state, expected.state) << call;
    }
    drawnBy(animation);
    EXPECT_NE(rng.state, expected.state);
}

TEST_F(AmbientAnimationTest, TheListSkipsADisabledAnimationWithoutDrawingNumbers) {
    rng.seed(seedWhoseFirstDraw(true));
    AmbientAnimation off = fresh();
    off.enabled = 0;
    AmbientAnimation on = fresh();
    AmbientAnimationList list;
    list.add(&off);
    list.add(&on);
    uint32_t before = rng.state;
    list.tickAll();
    EXPECT_EQ(off.countdown, 1);
    EXPECT_EQ(on.state, 1);
    Random expected{before};
    expected.next();
    EXPECT_EQ(rng.state, expected.state);
}

}  // namespace
}  // namespace vantor
