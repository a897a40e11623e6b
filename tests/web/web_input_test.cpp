#include "platform/web/web_input.h"

#include <gtest/gtest.h>

namespace vantor::platform::web {
namespace {

using Kind = PointerEvent::Kind;
using Phase = PointerEvent::Phase;

class WebInputTest : public ::testing::Test {
protected:
    WebInputTest() {
        input.setFocused(true);
        input.setPicture({0, 0, 1280, 960});
    }

    // A pointer event on a picture shown twice its size at the viewport's corner.
    static PointerEvent at(Phase phase, Kind kind, double x, double y, int buttons = 0, int id = 1) {
        return PointerEvent{phase, kind, id, buttons, x, y, 1, 0};
    }
    MouseReading mouse() {
        MouseReading r;
        EXPECT_EQ(input.mouseState(r), DeviceResult::Ok);
        return r;
    }
    bool keyHeld(uint8_t code) {
        uint8_t keys[256];
        EXPECT_EQ(input.keyboardState(keys), DeviceResult::Ok);
        return keys[code] != 0;
    }

    double now = 0;
    int yields = 0;
    WebInput input{[this] { return now; }, [this] { ++yields; }, [](bool) {}};
};

TEST_F(WebInputTest, KeysHoldAndATapWithinOneFrameCountsOnce) {
    input.key(DIK_SPACE, true);
    EXPECT_TRUE(keyHeld(DIK_SPACE));
    EXPECT_TRUE(keyHeld(DIK_SPACE));
    input.key(DIK_SPACE, false);
    EXPECT_FALSE(keyHeld(DIK_SPACE));
    input.key(DIK_F10, true);
    input.key(DIK_F10, false);
    mouse();
    EXPECT_TRUE(keyHeld(DIK_F10));
    EXPECT_FALSE(keyHeld(DIK_F10));
    input.key(0, true);  // a key the game never sees
    EXPECT_FALSE(keyHeld(0));
    // Read again and again with no frame between: the page gets its turn.
    EXPECT_EQ(yields, 4);

    // Laptops: the main row's = and - change the speed as the keypad's + and - do.
    input.key(DIK_EQUALS, true);
    EXPECT_TRUE(keyHeld(DIK_ADD));
    input.key(DIK_EQUALS, false);
    input.key(DIK_MINUS, true);
    EXPECT_TRUE(keyHeld(DIK_SUBTRACT));
    EXPECT_FALSE(keyHeld(DIK_ADD));

    // Alt+Enter asks once a press to switch full screen; the game holds no Enter for it.
    EXPECT_TRUE(input.key(DIK_RETURN, true, true));
    EXPECT_FALSE(input.key(DIK_RETURN, true, true, true));
    EXPECT_TRUE(input.key(DIK_NUMPADENTER, true, true));
    EXPECT_FALSE(keyHeld(DIK_RETURN) || keyHeld(DIK_NUMPADENTER));
    EXPECT_FALSE(input.key(DIK_RETURN, true));
    EXPECT_TRUE(keyHeld(DIK_RETURN));
    // The system's repeats of a key pressed while another program had the focus hold nothing.
    input.setFocused(false);
    input.setFocused(true);
    input.key(DIK_SPACE, true, false, true);
    EXPECT_FALSE(keyHeld(DIK_SPACE));
}

TEST_F(WebInputTest, TheMouseIsWhereThePointerIsOnThePictureWithItsButtons) {
    MouseReading r = mouse();
    EXPECT_FALSE(r.absolute);  // never over the page yet: the game keeps its own place
    input.pointer(at(Phase::Move, Kind::Mouse, 640.9, 479.2));
    r = mouse();
    EXPECT_TRUE(r.absolute);
    EXPECT_EQ(r.x, 320);
    EXPECT_EQ(r.y, 239);
    input.pointer(at(Phase::Down, Kind::Mouse, 10, 10, 1));
    input.pointer(at(Phase::Move, Kind::Mouse, 12, 10, 3));  // the right button joins: a move
    r = mouse();
    EXPECT_EQ(r.x, 6);
    EXPECT_EQ(r.buttons[0], 0x80);
    EXPECT_EQ(r.buttons[1], 0x80);
    input.pointer(at(Phase::Up, Kind::Mouse, 1e300, -1.0 / 0.0, 0));  // far off: held at the edge by the game
    r = mouse();
    EXPECT_GE(r.x, 640);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.buttons[0] | r.buttons[1], 0);
    input.pointer(at(Phase::Down, Kind::Mouse, 12, 10, 2));
    input.pointer(at(Phase::Up, Kind::Mouse, 12, 10, 0));
    EXPECT_EQ(mouse().buttons[1], 0x80);  // pressed and let go before the game looked
    EXPECT_EQ(mouse().buttons[1], 0);
}

// A page point over a picture pixel's centre reads as that pixel, wherever
// the page puts the picture and however many device pixels a page pixel holds.
TEST_F(WebInputTest, PagePointsMapThroughThePagesPictureRectangle) {
    struct Viewport {
        double width, height, ratio;
    };
    for (Viewport v : {Viewport{1920, 947, 1}, {844, 390, 3}, {390, 844, 3}, {1536, 730, 1.25}}) {
        PictureRect picture = pageLayout(v.width, v.height, v.ratio, Scaling::Fill).picture;
        input.setPicture(picture);
        for (auto [px, py] : {std::pair{0, 0}, {320, 240}, {639, 479}, {417, 229}, {128, 207}}) {
            double x = (picture.x + (px + 0.5) * picture.w / 640) / v.ratio;
            double y = (picture.y + (py + 0.5) * picture.h / 480) / v.ratio;
            input.pointer(PointerEvent{Phase::Move, Kind::Mouse, 1, 0, x, y, v.ratio, 0});
            MouseReading r = mouse();
            EXPECT_EQ(r.x, px) << v.width << "x" << v.height << "@" << v.ratio;
            EXPECT_EQ(r.y, py) << v.width << "x" << v.height << "@" << v.ratio;
        }
    }
}

TEST_F(WebInputTest, TouchesClickByGestureAndThePenSideButtonIsTheRightButton) {
    input.pointer(at(Phase::Down, Kind::Touch, 200, 100, 1));
    input.pointer(at(Phase::Up, Kind::Touch, 200, 100, 0));
    MouseReading r = mouse();
    EXPECT_EQ(r.x, 100);
    EXPECT_EQ(r.y, 50);
    EXPECT_EQ(r.buttons[0], 0x80);
    EXPECT_EQ(r.reach, 12);  // a fingertip's 24 page pixels, on a picture shown twice its size
    EXPECT_EQ(mouse().buttons[0], 0);

    input.pointer(at(Phase::Down, Kind::Touch, 300, 100, 1, 2));
    now = 500;  // held still: the next reading finds the long press
    r = mouse();
    EXPECT_EQ(r.buttons[0], 0);
    EXPECT_EQ(r.buttons[1], 0x80);
    input.pointer(at(Phase::Up, Kind::Touch, 300, 100, 0, 2));
    EXPECT_EQ(mouse().buttons[1], 0);

    input.pointer(at(Phase::Move, Kind::Pen, 400, 200));  // hovering
    input.pointer(at(Phase::Down, Kind::Pen, 400, 200, 2));
    r = mouse();
    EXPECT_EQ(r.x, 200);
    EXPECT_EQ(r.buttons[1], 0x80);
    input.pointer(at(Phase::Up, Kind::Pen, 400, 200));
    input.pointer(at(Phase::Move, Kind::Mouse, 300, 300));
    EXPECT_EQ(mouse().reach, 0);

    // A phone held upright: the picture 390 page pixels wide, 3 device pixels each.
    input.setPicture(pageLayout(390, 844, 3, Scaling::Fill).picture);
    input.pointer(PointerEvent{Phase::Down, Kind::Touch, 3, 1, 100, 100, 3, 0});
    EXPECT_EQ(mouse().reach, 39);
}

// Fingers 40 page pixels (20 picture pixels) apart, lifted in either order:
// the right click lands where the first finger went down. After any touch
// the arrow is not drawn, until the mouse or a pen moves the pointer.
TEST_F(WebInputTest, TwoFingersClickRightUnderTheFirstAndFingersHideTheArrow) {
    for (bool firstLiftedFirst : {false, true}) {
        SCOPED_TRACE(firstLiftedFirst);
        input.pointer(at(Phase::Down, Kind::Touch, 200, 100, 1, 1));
        input.pointer(at(Phase::Down, Kind::Touch, 240, 100, 1, 2));
        input.pointer(at(Phase::Up, Kind::Touch, firstLiftedFirst ? 200 : 240, 100, 0, firstLiftedFirst ? 1 : 2));
        input.pointer(at(Phase::Up, Kind::Touch, firstLiftedFirst ? 240 : 200, 100, 0, firstLiftedFirst ? 2 : 1));
        MouseReading r = mouse();
        EXPECT_EQ(r.x, 100);
        EXPECT_EQ(r.y, 50);
        EXPECT_EQ(r.buttons[0], 0);
        EXPECT_EQ(r.buttons[1], 0x80);
        EXPECT_TRUE(r.byTouch);
        input.pointer(at(Phase::Move, Kind::Mouse, 300, 300));
        EXPECT_FALSE(mouse().byTouch);
    }
    input.pointer(at(Phase::Down, Kind::Touch, 10, 10, 1));
    input.pointer(at(Phase::Move, Kind::Pen, 20, 20));
    EXPECT_FALSE(mouse().byTouch);
}

TEST_F(WebInputTest, InTheBackgroundNothingIsReadAndEverythingIsLetGo) {
    input.key(DIK_A, true);
    input.pointer(at(Phase::Down, Kind::Mouse, 10, 10, 1));
    input.setFocused(false);
    uint8_t keys[256];
    MouseReading r;
    EXPECT_EQ(input.keyboardState(keys), DeviceResult::NotAcquired);
    EXPECT_EQ(input.mouseState(r), DeviceResult::NotAcquired);
    EXPECT_EQ(input.acquireKeyboard(), DeviceResult::NotAcquired);
    EXPECT_EQ(input.acquireMouse(), DeviceResult::NotAcquired);
    input.key(DIK_Z, true);  // what happens meanwhile is not the game's
    input.setFocused(true);
    EXPECT_EQ(input.acquireKeyboard(), DeviceResult::Ok);
    EXPECT_FALSE(keyHeld(DIK_A));
    EXPECT_FALSE(keyHeld(DIK_Z));
    EXPECT_EQ(mouse().buttons[0], 0);
}

}  // namespace
}  // namespace vantor::platform::web
