#include "input/input_devices.h"

#include <gtest/gtest.h>

#include "input/input_fixture.h"

namespace vantor {
namespace {

using platform::headless::setFault;

using InputDevicesTest = testing::InputFixture;

TEST_F(InputDevicesTest, InitTellsWhichDevicesCameUpAndAMissingOneReadsIdle) {
    const std::string busy = "0 move 50 60\n0 press left\n0 keydown esc\n";
    EXPECT_EQ(start(busy), 3);
    frame();
    EXPECT_EQ(mouse().x, 50);
    EXPECT_NE(mouse().left, 0);
    EXPECT_NE(inputDevices.keyState[DIK_ESCAPE], 0);

    setFault("mouse", true);
    EXPECT_EQ(start(busy), 2);
    frame();
    EXPECT_EQ(mouse().x, 0);
    EXPECT_EQ(mouse().left, 0);
    EXPECT_NE(inputDevices.keyState[DIK_ESCAPE], 0);
    EXPECT_EQ(backend->counted.mouseReads, 0);

    setFault("keyboard", true);
    EXPECT_EQ(start(busy), 1);  // the mouse is not even tried
    frame();
    EXPECT_EQ(mouse().x, 0);
    EXPECT_TRUE(inputDevices.NoKeyDown());
    EXPECT_EQ(backend->counted.keyboardReads + backend->counted.mouseReads, 0);

    setFault("input", true);
    EXPECT_EQ(start(busy), 0);
}

TEST_F(InputDevicesTest, PointerIsClampedAndForgetsTheOvershoot) {
    start("0 move -100 -100\n1 move 5 7\n2 move 2000 2000\n3 move -1 -1\n");
    frame();
    EXPECT_EQ(mouse().x, 0);
    EXPECT_EQ(mouse().y, 0);
    frame();
    EXPECT_EQ(mouse().x, 5);
    EXPECT_EQ(mouse().y, 7);
    frame();
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 479);
    frame();
    EXPECT_EQ(mouse().x, 638);
    EXPECT_EQ(mouse().y, 478);
}

TEST_F(InputDevicesTest, AbsoluteReadingsPlaceThePointerOnceAndClamped) {
    start("0 mouse 700 -5\n1 mouse 100 200\n2 move 3 4\n");
    frame();
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 0);
    frame();
    EXPECT_EQ(mouse().x, 100);
    EXPECT_EQ(mouse().y, 200);
    inputDevices.mouse.x = 320;  // the game may put its pointer elsewhere
    frame();
    EXPECT_EQ(mouse().x, 323);
    EXPECT_EQ(mouse().y, 204);
}

TEST_F(InputDevicesTest, ButtonsAreTheDevicesBytes) {
    start("0 press left\n1 press right\n2 release left\n3 release right\n");
    frame();
    EXPECT_EQ(mouse().left, 0x80);
    EXPECT_EQ(mouse().right, 0);
    frame();
    EXPECT_EQ(mouse().left, 0x80);
    EXPECT_EQ(mouse().right, 0x80);
    frame();
    EXPECT_EQ(mouse().left, 0);
    EXPECT_EQ(mouse().right, 0x80);
    frame();
    EXPECT_EQ(mouse().right, 0);
}

TEST_F(InputDevicesTest, LostOrUnacquiredDevicesAreAcquiredAgainAndReadOnce) {
    start("0 move 10 20\n0 press right\n0 keydown space\n");
    setFault("mouse-lost", true);
    setFault("keyboard-unacquired", true);
    frame();
    EXPECT_EQ(mouse().x, 10);
    EXPECT_EQ(mouse().y, 20);
    EXPECT_NE(mouse().right, 0);
    EXPECT_NE(inputDevices.keyState[DIK_SPACE], 0);
    EXPECT_EQ(backend->counted.mouseReads, 2);
    EXPECT_EQ(backend->counted.mouseAcquires, 2);  // one at init, one now
    EXPECT_EQ(backend->counted.keyboardReads, 2);
}

TEST_F(InputDevicesTest, DevicesThatCannotBeAcquiredReadIdleUntilTheyCanBe) {
    start("0 mouse 200 100\n0 press left\n0 keydown esc\n1 move 1 1\n");
    setFault("mouse-unacquired", true);
    setFault("mouse-acquire", true);
    setFault("keyboard-lost", true);
    setFault("keyboard-acquire", true);
    inputDevices.mouse = MouseState{320, 240, 0x80, 0x80};
    inputDevices.keyState[DIK_F10] = 0x80;
    frame();
    EXPECT_EQ(mouse().x, 320);
    EXPECT_EQ(mouse().y, 240);
    EXPECT_EQ(mouse().left, 0);
    EXPECT_EQ(mouse().right, 0);
    EXPECT_TRUE(inputDevices.NoKeyDown());

    platform::headless::clearFaults();  // back in the foreground
    frame();
    EXPECT_EQ(mouse().x, 201);
    EXPECT_EQ(mouse().y, 101);
    EXPECT_NE(mouse().left, 0);
    EXPECT_NE(inputDevices.keyState[DIK_ESCAPE], 0);
}

TEST_F(InputDevicesTest, WaitAllKeysUpReadsOnlyWhileAKeyIsHeld) {
    start("0 keydown esc\n0 keydown f10\n4 keyup esc\n9 keyup f10\n");
    inputDevices.WaitAllKeysUp();
    EXPECT_EQ(backend->counted.keyboardReads, 0);

    inputDevices.PollKeyboard();
    ASSERT_NE(inputDevices.keyState[DIK_ESCAPE], 0);
    inputDevices.WaitAllKeysUp();  // the player lets go of one key, then the other
    EXPECT_TRUE(inputDevices.NoKeyDown());
    EXPECT_EQ(backend->counted.keyboardReads, 3);
}

TEST_F(InputDevicesTest, UnpacedInputUpdatesKeepAKeyHeldUntilItsFrame) {
    start("0 keydown space\n3 keyup space\n");
    for (int i = 0; i < 11; ++i) {  // a fade polls without the pump
        inputDevices.PollMouse();
        inputDevices.PollKeyboard();
    }
    EXPECT_NE(inputDevices.keyState[DIK_SPACE], 0);
    for (int i = 0; i < 4; ++i) frame();
    EXPECT_TRUE(inputDevices.NoKeyDown());
}

TEST_F(InputDevicesTest, WaitAllKeysUpEndsWhenTheKeyboardIsLost) {
    start("0 keydown esc\n");
    inputDevices.PollKeyboard();
    setFault("keyboard-lost", true);
    setFault("keyboard-acquire", true);
    inputDevices.WaitAllKeysUp();
    EXPECT_TRUE(inputDevices.NoKeyDown());
}

TEST_F(InputDevicesTest, RingKeepsThirtyOneAndDropsTheOldest) {
    start("");
    inputDevices.setCapture(true);
    for (int i = 0; i < 32; ++i) inputDevices.putChar(static_cast<uint8_t>('A' + i));
    EXPECT_EQ(inputDevices.peekChar(), 'B');
    std::string got;
    while (uint8_t c = inputDevices.takeChar()) got += static_cast<char>(c);
    EXPECT_EQ(got.size(), 31u);
    EXPECT_EQ(got.front(), 'B');
    EXPECT_EQ(got.back(), static_cast<char>('A' + 31));
    EXPECT_EQ(inputDevices.peekChar(), 0);
}

TEST_F(InputDevicesTest, RingWithCaptureOffDiscardsAndAnswersNothing) {
    start("");
    inputDevices.putChar('x');
    inputDevices.setCapture(true);
    EXPECT_EQ(inputDevices.peekChar(), 0);
    inputDevices.putChar('a');
    inputDevices.putChar('b');
    inputDevices.setCapture(false);
    inputDevices.putChar('c');
    EXPECT_EQ(inputDevices.peekChar(), 0);
    EXPECT_EQ(inputDevices.takeChar(), 0);
    inputDevices.setCapture(true);
    EXPECT_EQ(inputDevices.takeChar(), 'a');  // the waiting ones were kept, not taken
    inputDevices.emptyRing();
    EXPECT_EQ(inputDevices.takeChar(), 0);
    inputDevices.putChar('d');
    EXPECT_EQ(inputDevices.takeChar(), 'd');
}

}  // namespace
}  // namespace vantor
