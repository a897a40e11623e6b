// Keys and game controllers as the input devices read them: presses through
// the game's own pointer, controllers as keys, held keys repeating.
#include "input/key_pointer.h"

#include <gtest/gtest.h>

#include "input/input_fixture.h"

namespace vantor {
namespace {

using KeyPointerTest = testing::InputFixture;

TEST_F(KeyPointerTest, KeysPressThroughTheGamesPointerUntilTheMouseStirs) {
    // Frames 3 and 12: the system pointer where it was is no motion; 5, 7, 9
    // and 12: motion or either button is.
    start("0 mouse 100 100\n3 mouse 100 100\n5 mouse 101 100\n7 move 0 1\n9 press left\n10 release left\n"
          "12 mouse 101 100\n12 press right\n");
    KeyPointer& keys = inputDevices.keyPointer;
    struct Step {
        int press;  // the button the keys press before this frame, -1: none
        int x, y, left, right;
        bool leads;
    };
    const Step steps[] = {
        {-1, 100, 100, 0, 0, false}, {0, 326, 174, 0x80, 0, true}, {1, 355, 182, 0, 0x80, true},
        {-1, 355, 182, 0, 0, true},  {-1, 355, 182, 0, 0, true},   {0, 101, 100, 0, 0, false},
        {-1, 101, 100, 0, 0, false}, {2, 101, 101, 0, 0, false},   {-1, 101, 101, 0, 0, false},
        {2, 101, 101, 0x80, 0, false}, {2, 101, 101, 0, 0, true},  {0, 326, 174, 0x80, 0, true},
        {-1, 101, 100, 0, 0x80, false},  // the right button too: it clicks where the mouse is
    };
    for (const Step& s : steps) {
        if (s.press >= 0 && s.press < 2) keys.press(s.press ? 355 : 326, s.press ? 182 : 174, s.press);
        if (s.press == 2) keys.lead();
        frame();
        int f = static_cast<int>(&s - steps);
        EXPECT_EQ(mouse().x * 1000 + mouse().y, s.x * 1000 + s.y) << f;
        EXPECT_EQ(mouse().left, s.left) << f;
        EXPECT_EQ(mouse().right, s.right) << f;
        EXPECT_EQ(keys.leads(), s.leads) << f;
    }
}

TEST_F(KeyPointerTest, AControllerIsKeysWhileTheGameHasTheFocusAndATypesEnter) {
    start("0 pad a right\n1 pad a\n2 pad\n2 stick -20000 0\n3 stick 0 0\n3 pad a\n6 pad\n7 pad a\n");
    inputDevices.setCapture(true);
    auto held = [] { return std::vector<bool>{inputDevices.keyState[DIK_RETURN] != 0, inputDevices.keyState[DIK_RIGHT] != 0,
                                              inputDevices.keyState[DIK_LEFT] != 0, inputDevices.keyPressed(DIK_RETURN)}; };
    const std::vector<bool> seen[] = {
        {true, true, false, true}, {true, false, false, false}, {false, false, true, false},
        {true, false, false, true},
        {false, false, false, false},  // 4: in the background
        {true, false, false, false},   // 5: back with A still held: no new press
        {false, false, false, false}, {true, false, false, true},
    };
    const uint8_t typed[] = {13, 0, 0, 13, 0, 0, 0, 13};  // Enter once for each new press of A
    for (int f = 0; f < 8; ++f) {
        platform::headless::setFault("keyboard-unacquired", f == 4);
        platform::headless::setFault("keyboard-acquire", f == 4);
        frame();
        EXPECT_EQ(held(), seen[f]) << f;
        EXPECT_EQ(inputDevices.takeChar(), typed[f]) << f;
    }
}

// At 35 ms a frame, a key pressed at 1000 ms repeats at 1400, 1520, 1640,
// 1760, 1880 and 2000 ms: the frames whose polls first reach those times.
TEST_F(KeyPointerTest, HeldKeysRepeatAfterAPauseThenSteadily) {
    start("0 keydown right\n30 keyup right\n31 keydown right\n");
    std::vector<int> pressed, repeats;
    for (int f = 0; f < 33; ++f) {
        frame();
        backend->headless.system().idle(35);
        if (inputDevices.keyPressed(DIK_RIGHT)) pressed.push_back(f);
        if (inputDevices.keyRepeats(DIK_RIGHT)) repeats.push_back(f);
    }
    EXPECT_EQ(pressed, (std::vector<int>{0, 31}));
    EXPECT_EQ(repeats, (std::vector<int>{0, 12, 15, 19, 22, 26, 29, 31}));
}

}  // namespace
}  // namespace vantor
