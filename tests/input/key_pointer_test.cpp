// Keys and game controllers as the game's input devices read them: presses
// through the game's own pointer, controllers as keys, held keys repeating.
#include "input/key_pointer.h"

#include <gtest/gtest.h>

#include "input/input_fixture.h"

namespace vantor {
namespace {

using platform::headless::setFault;

class KeyPointerTest : public testing::InputFixture {
protected:
    // One frame as the game's screens run it: the input, then the frame wait.
    void paced() {
        frame();
        backend->headless.system().idle(35);
    }
    KeyPointer& keys() { return inputDevices.keyPointer; }
};

TEST_F(KeyPointerTest, KeysPressThroughTheGamesPointerUntilTheMouseStirs) {
    start("0 mouse 100 100\n"
          "3 mouse 100 100\n"  // the system pointer where it was: no motion
          "5 mouse 101 100\n"
          "7 move 0 1\n"
          "9 press left\n10 release left\n");
    frame();
    keys().press(326, 174, 0);
    frame();  // 1: pressed at the spot for one poll
    EXPECT_EQ(mouse().x, 326);
    EXPECT_EQ(mouse().y, 174);
    EXPECT_EQ(mouse().left, 0x80);
    keys().press(355, 182, 1);
    frame();  // 2: the right button, at the next spot
    EXPECT_EQ(mouse().x, 355);
    EXPECT_EQ(mouse().left, 0);
    EXPECT_EQ(mouse().right, 0x80);
    for (int f = 3; f <= 4; ++f) {
        frame();  // let go; the pointer stays for the keys
        EXPECT_EQ(mouse().x, 355) << f;
        EXPECT_EQ(mouse().right, 0) << f;
        EXPECT_TRUE(keys().leads()) << f;
    }
    keys().press(326, 174, 0);
    frame();  // 5: the mouse moved: it has the pointer again, the press is dropped
    EXPECT_FALSE(keys().leads());
    EXPECT_EQ(mouse().x, 101);
    EXPECT_EQ(mouse().left, 0);

    frame();  // 6
    keys().lead();
    frame();  // 7: relative motion ends the lead too
    EXPECT_FALSE(keys().leads());
    EXPECT_EQ(mouse().y, 101);
    frame();  // 8
    keys().lead();
    frame();  // 9: and so does a button, pressed where the mouse is
    EXPECT_FALSE(keys().leads());
    EXPECT_EQ(mouse().x, 101);
    EXPECT_EQ(mouse().left, 0x80);
}

TEST_F(KeyPointerTest, AControllerIsKeysWhileTheKeyboardCountsAndATypesEnter) {
    start("0 pad a right\n1 pad a\n2 pad\n3 stick -20000 0\n4 stick 0 0\n4 pad a\n7 pad\n8 pad a\n");
    inputDevices.setCapture(true);
    frame();
    EXPECT_NE(inputDevices.keyState[DIK_RETURN], 0);
    EXPECT_NE(inputDevices.keyState[DIK_RIGHT], 0);
    frame();
    EXPECT_NE(inputDevices.keyState[DIK_RETURN], 0);
    EXPECT_EQ(inputDevices.keyState[DIK_RIGHT], 0);
    EXPECT_EQ(inputDevices.takeChar(), 13);  // A went down once: one Enter
    EXPECT_EQ(inputDevices.takeChar(), 0);
    frame();
    EXPECT_TRUE(inputDevices.NoKeyDown());
    frame();
    EXPECT_NE(inputDevices.keyState[DIK_LEFT], 0);

    frame();
    ASSERT_TRUE(inputDevices.keyPressed(DIK_RETURN));
    EXPECT_EQ(inputDevices.takeChar(), 13);
    setFault("keyboard-unacquired", true);  // in the background, A held
    setFault("keyboard-acquire", true);
    frame();
    EXPECT_TRUE(inputDevices.NoKeyDown());
    EXPECT_FALSE(inputDevices.keyPressed(DIK_RETURN));
    platform::headless::clearFaults();
    frame();  // back with A still held: no new press, no second Enter
    EXPECT_NE(inputDevices.keyState[DIK_RETURN], 0);
    EXPECT_FALSE(inputDevices.keyPressed(DIK_RETURN));
    EXPECT_EQ(inputDevices.takeChar(), 0);
    frame();
    frame();  // let go, then down again
    EXPECT_TRUE(inputDevices.keyPressed(DIK_RETURN));
    EXPECT_EQ(inputDevices.takeChar(), 13);
}

// At 35 ms a frame, a key pressed at 1000 ms repeats at 1400, 1520, 1640,
// 1760, 1880 and 2000 ms: the frames whose polls first reach those times.
TEST_F(KeyPointerTest, HeldKeysRepeatAfterAPauseThenSteadily) {
    start("0 keydown right\n30 keyup right\n31 keydown right\n");
    std::vector<int> pressed, repeats;
    for (int f = 0; f < 33; ++f) {
        paced();
        if (inputDevices.keyPressed(DIK_RIGHT)) pressed.push_back(f);
        if (inputDevices.keyRepeats(DIK_RIGHT)) repeats.push_back(f);
        EXPECT_FALSE(inputDevices.keyRepeats(DIK_LEFT));
    }
    EXPECT_EQ(pressed, (std::vector<int>{0, 31}));
    EXPECT_EQ(repeats, (std::vector<int>{0, 12, 15, 19, 22, 26, 29, 31}));
}

}  // namespace
}  // namespace vantor
