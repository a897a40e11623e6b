#include <vector>

#include "common/little_endian.h"
#include "game/menu_button_animation.h"
#include "game/score_display.h"
#include "game/score_flash.h"
#include "game/speed_control.h"
#include "game_fixture.h"

namespace vantor {
namespace {

class IndicatorsTest : public test::GameTest {
protected:
    static std::vector<uint8_t> frame() {
        std::vector<uint8_t> copy(kScreenCopyBytes);
        vdp.saveScreen(copy.data());
        return copy;
    }
    static int digitWidth(int d) { return readU16(res.digits[d] + 4); }
};

TEST_F(IndicatorsTest, TheScoreIsCentredOnItsDigitWidthsAndRises) {
    vdp.clear(0);
    play.score = 0;
    drawScore();
    std::vector<uint8_t> drawn = frame();
    int w = digitWidth(0);
    vdp.clear(0);
    vdp.drawImage(513 - w / 2, 70 + (w / 2) / 10, res.digits[0]);
    EXPECT_EQ(drawn, frame());

    vdp.clear(0);
    play.score = 917;
    drawScore();
    drawn = frame();
    int total = digitWidth(9) + digitWidth(1) + digitWidth(7);
    int x = 513 - total / 2;
    int y = 70 + total / 20;
    vdp.clear(0);
    vdp.drawImage(x, y, res.digits[9]);
    vdp.drawImage(x + digitWidth(9) + 2, y - 1, res.digits[1]);
    vdp.drawImage(x + digitWidth(9) + digitWidth(1) + 4, y - 2, res.digits[7]);
    EXPECT_EQ(drawn, frame());
}

TEST_F(IndicatorsTest, TheGaugeMarkerRunsFrom523To579) {
    EXPECT_EQ(gaugeMarkerX(80), 523);
    EXPECT_EQ(gaugeMarkerX(35), 556);
    EXPECT_EQ(gaugeMarkerX(6), 578);
    EXPECT_EQ(gaugeMarkerX(5), 579);
}

TEST_F(IndicatorsTest, TheSpeedKeysMoveTheDelayWithinItsLimitsAndShowTheGauge) {
    vdp.restoreScreen(res.background);
    std::vector<uint8_t> background = frame();
    updateSpeedControl();
    EXPECT_EQ(frame(), background);  // nothing before the first key

    frameDelay = 5;
    inputDevices.keyState[DIK_ADD] = 0x80;
    updateSpeedControl();
    EXPECT_EQ(frameDelay, 5);
    EXPECT_EQ(speedGauge.markerX, 579);
    EXPECT_EQ(speedGauge.timer, 59);
    EXPECT_NE(frame(), background);

    inputDevices.keyState[DIK_SUBTRACT] = 0x80;
    updateSpeedControl();
    EXPECT_EQ(frameDelay, 6);
    inputDevices.keyState[DIK_ADD] = 0;
    frameDelay = 80;
    updateSpeedControl();
    EXPECT_EQ(frameDelay, 80);
    EXPECT_EQ(speedGauge.markerX, 523);

    inputDevices.keyState[DIK_SUBTRACT] = 0;
    int shown = 0;
    for (int i = 0; i < 100; ++i) {
        vdp.restoreScreen(res.background);
        updateSpeedControl();
        if (frame() != background) ++shown;
    }
    EXPECT_EQ(shown, 59);
}

// A press on the gauge asks for the delay under it, reached a step a frame
// as the keys make, also after the release; dragged, it follows the
// pointer. A finger moving along it asks with no button; a mouse passing
// over asks nothing, and the keys have the last word.
TEST_F(IndicatorsTest, APressADragOrAFingerOnTheGaugeSetTheSpeedInTheKeysSteps) {
    auto frames = [](int n) {
        for (int i = 0; i < n; ++i) updateSpeedControl();
    };
    MouseState& mouse = inputDevices.mouse;
    mouse = MouseState{gaugeMarkerX(5), 30, 0x80, 0};
    updateSpeedControl();
    EXPECT_EQ(frameDelay, 34);
    EXPECT_EQ(speedGauge.timer, 59);
    mouse.left = 0;
    frames(28);
    EXPECT_EQ(frameDelay, 6);
    frames(5);
    EXPECT_EQ(frameDelay, 5);

    mouse.left = 0x80;
    updateSpeedControl();
    mouse.x = 440;  // dragged on past the slow end
    frames(80);
    EXPECT_EQ(frameDelay, 80);
    mouse.left = 0;
    mouse.x = gaugeMarkerX(40);
    frames(3);
    EXPECT_EQ(frameDelay, 80);
    mouse = MouseState{gaugeMarkerX(5), 0, 0, 0};  // above it
    frames(3);
    EXPECT_EQ(frameDelay, 80);

    inputDevices.pointerShown = false;  // a finger
    mouse.y = 30;
    frames(10);
    EXPECT_EQ(frameDelay, 70);
    inputDevices.keyState[DIK_SUBTRACT] = 0x80;
    frames(2);
    EXPECT_EQ(frameDelay, 72);
    inputDevices.keyState[DIK_SUBTRACT] = 0;
    frames(3);
    EXPECT_EQ(frameDelay, 72);
    inputDevices.pointerShown = true;
}

TEST_F(IndicatorsTest, TheScoreFlashRunsTwiceThenRestsOnItsFirstImage) {
    scoreFlash.start();
    std::vector<int> frames;
    for (int i = 0; i < 16; ++i) {
        frames.push_back(scoreFlash.frame);
        scoreFlash.step();
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(scoreFlash.on);
    EXPECT_EQ(scoreFlash.frame, 0);
}

TEST_F(IndicatorsTest, TheMenuButtonCyclesWhileHoveredAndFinishesWhenLeft) {
    MenuButtonAnimation& a = menuButtonAnimation;
    a.updateHover(133, 131);
    EXPECT_TRUE(a.on);
    EXPECT_EQ(a.frame, 0);
    std::vector<int> frames;
    for (int i = 0; i < 24; ++i) {
        a.updateHover(10, 39);
        frames.push_back(a.frame);
    }
    EXPECT_EQ(frames.front(), 0);
    EXPECT_EQ(frames[2], 1);
    EXPECT_EQ(frames[20], 0);  // 7 wraps to 0 and the cycle goes on
    EXPECT_TRUE(a.on);
    std::vector<int> afterLeaving;
    while (a.on && afterLeaving.size() < 100) {
        a.updateHover(134, 80);
        afterLeaving.push_back(a.frame);
    }
    ASSERT_GE(afterLeaving.size(), 2u);
    EXPECT_EQ(afterLeaving[afterLeaving.size() - 2], 6);
    EXPECT_EQ(afterLeaving.back(), 0);
    EXPECT_TRUE(std::is_sorted(afterLeaving.begin(), afterLeaving.end() - 1));
    a.updateHover(9, 80);
    EXPECT_FALSE(a.on);
    EXPECT_FALSE(insideMenuButton(10, 132));
}

}  // namespace
}  // namespace vantor
