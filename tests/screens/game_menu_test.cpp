#include "screens/game_menu.h"

#include <map>

#include "app/startup.h"
#include "audio/sound_device.h"
#include "input/input_devices.h"
#include "platform/headless/faults.h"
#include "resources/data30.h"
#include "screens/screen_fixture.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

// Menu pass p (from 1) polls the input when the world has counted 35 + p
// frames: 36 slide-in frames come first.
std::string at(int pass, const std::string& command) {
    return std::to_string(35 + pass) + " " + command + "\n";
}

constexpr const char* kOnButton0 = "mouse 317 85";
constexpr const char* kOnButton1 = "mouse 317 194";
constexpr const char* kOnButton2 = "mouse 317 294";
constexpr const char* kOnButton3 = "mouse 317 386";

class GameMenuTest : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        inputDevices.mousePolled = [this](const MouseState&) {
            int pass = static_cast<int>(frame()) - 35;
            if (pass >= 2) seen[pass - 1] = shown();
            soundAtPass[pass] = soundDevice.soundOn;
        };
    }

    // Opens the menu over a play screen on a fresh machine with this script.
    int open(const std::string& lines) {
        freshMachine();
        vdp.restoreScreen(res.background);
        vdp.drawImage(100, 100, res.gameOver);
        original = composed();
        seen.clear();
        soundAtPass.clear();
        script(lines);
        updateInput();  // the play screen's poll that opened the menu
        return runGameMenu();
    }

    // The open menu as it should look with this highlight, the pointer at (x,
    // y); x below 0: no pointer (keys lead).
    std::vector<uint8_t> menuPicture(int highlighted, int image, int x, int y, int soundOn) {
        std::vector<uint8_t> keep = composed();
        vdp.restoreScreen(original.data());
        vdp.drawFillRunImage(0, 0, res.menuBackdrop);
        for (int k = 0; k < 4; ++k)
            vdp.drawFillRunImage(0, 0, res.menuButtons[k][k == highlighted ? image : 0]);
        vdp.drawImage(213, 176, res.soundIndicator[soundOn]);
        if (x >= 0) vdp.drawImage(x, y, res.pointer);
        std::vector<uint8_t> picture = composed();
        vdp.restoreScreen(keep.data());
        return picture;
    }

    std::vector<uint8_t> original;
    std::map<int, std::vector<uint8_t>> seen;  // what menu pass p presented
    std::map<int, int> soundAtPass;
};

TEST_F(GameMenuTest, HoldingEscapeResumesInTheFirstPassAndRestoresTheScreen) {
    EXPECT_EQ(open(at(1, "keydown esc")), 3);
    EXPECT_EQ(frame(), 36u + 1 + 15);
    EXPECT_EQ(presents(), 36u + 1 + 15);
    EXPECT_EQ(composed(), original);
    EXPECT_EQ(savedScreen, nullptr);
}

TEST_F(GameMenuTest, TheFirstHighlightComesInTheEleventhPassWithImageOne) {
    EXPECT_EQ(open(std::string("0 ") + kOnButton0 + "\n" + at(14, "keydown esc")), 3);
    int sound = soundDevice.soundOn;
    for (int pass = 1; pass <= 10; ++pass)
        EXPECT_EQ(seen.at(pass), menuPicture(-1, 0, 317, 85, sound)) << "pass " << pass;
    EXPECT_EQ(seen.at(11), menuPicture(0, 1, 317, 85, sound));
    EXPECT_EQ(seen.at(12), menuPicture(0, 2, 317, 85, sound));
    EXPECT_EQ(composed(), original);
}

TEST_F(GameMenuTest, TheButtonsEdgePixelsCountAsInside) {
    std::string click = at(12, "press left") + at(13, "release left") + at(20, "keydown esc");
    EXPECT_EQ(open("0 mouse 390 123\n" + click), 0);
    EXPECT_EQ(composed(), original);
    EXPECT_EQ(open("0 mouse 391 123\n" + click), 3);
    EXPECT_EQ(open("0 mouse 244 124\n" + click), 3);
}

// The highlight lags the pointer by up to a cycle; a quick click must still
// act on the button the player sees the pointer on.
TEST_F(GameMenuTest, AReleaseChoosesTheButtonUnderThePointerNotTheLaggingHighlight) {
    std::string moving = std::string("0 ") + kOnButton0 + "\n" + at(12, "press left") +
                         at(14, kOnButton2);
    EXPECT_EQ(open(moving + at(16, "release left")), 2);
    EXPECT_EQ(seen.at(16), menuPicture(2, 2, 317, 294, soundDevice.soundOn));
    EXPECT_EQ(composed(), original);
    EXPECT_EQ(open(moving + at(22, "release left")), 2);

    // Released over no button: nothing is chosen and the menu stays open.
    std::string leaving = std::string("0 ") + kOnButton0 + "\n" + at(12, "press left") +
                          at(14, "mouse 30 30");
    EXPECT_EQ(open(leaving + at(16, "release left") + at(30, "keydown esc")), 3);
    EXPECT_EQ(open(leaving + at(22, "release left") + at(30, "keydown esc")), 3);
    EXPECT_EQ(frame(), 36u + 30 + 15);
}

TEST_F(GameMenuTest, AButtonHeldSinceBeforeTheMenuChoosesNothing) {
    for (int releasedAt : {5, 14}) {  // before the highlight comes, and after
        std::string lines = std::string("0 ") + kOnButton0 + "\n0 press left\n" +
                            at(releasedAt, "release left") + at(30, "keydown esc");
        EXPECT_EQ(open(lines), 3) << releasedAt;
    }
}

// Opened by a press on the MENU button, let go while it slides in; then,
// right after it is open, a click (pointer moved, then pressed) or a tap
// (pointer jumps and presses in one poll) on any button chooses it at once.
TEST_F(GameMenuTest, AQuickClickOrTapChoosesItsButtonTheMomentTheMenuIsOpen) {
    const char* buttons[] = {kOnButton0, kOnButton1, kOnButton2, kOnButton3};
    for (int button = 0; button < 4; ++button) {
        for (bool tap : {false, true}) {
            std::string lines = std::string("0 mouse 70 80\n0 press left\n20 release left\n") +
                                at(1, buttons[button]) + at(tap ? 1 : 2, "press left") +
                                at(tap ? 2 : 3, "release left") + at(20, "keydown esc");
            int result = open(lines);
            int chosenAt = tap ? 2 : 3;
            std::string what = (tap ? "tap on " : "click on ") + std::to_string(button);
            EXPECT_EQ(result, button == 1 ? 3 : button) << what;
            EXPECT_EQ(frame(), 36u + (button == 1 ? 20 : chosenAt) + 15) << what;
            if (button == 1) {
                EXPECT_NE(soundAtPass.at(chosenAt + 1), soundAtPass.at(1)) << what;
            }
        }
    }

    // A press made and let go while the menu still moves chooses nothing;
    // one begun then and let go once it stands chooses, and so does a tap
    // once it stands, however long before the slide ends.
    EXPECT_EQ(open(std::string("0 ") + kOnButton2 + "\n1 press left\n3 release left\n" + at(5, "keydown esc")), 3);
    EXPECT_EQ(open(std::string("0 ") + kOnButton2 + "\n2 press left\n" + at(1, "release left")), 2);
    for (int tapAt : {4, 8, 30}) {
        EXPECT_EQ(open(std::string("0 mouse 70 80\n") + std::to_string(tapAt) + " " + kOnButton3 + "\n" +
                       std::to_string(tapAt) + " press left\n" + std::to_string(tapAt + 1) + " release left\n"),
                  3)
            << tapAt;
        EXPECT_EQ(frame(), static_cast<uint32_t>(tapAt + 2 + 15)) << tapAt;
        EXPECT_EQ(composed(), original);
    }
    // A choice of the sound switch keeps the menu sliding in, then open.
    EXPECT_EQ(open(std::string("0 ") + kOnButton1 + "\n8 press left\n9 release left\n" + at(5, "keydown esc")), 3);
    EXPECT_NE(soundAtPass.at(1), soundAtPass.at(-26));
}

// Opened by a key or a controller button, the menu highlights RESUME at
// once, the pointer's place aside; A, Enter or Space take the highlight,
// Up from RESUME is QUIT, B and Back resume. Keys count once the menu
// stands, and not while it still moves.
TEST_F(GameMenuTest, OpenedByKeysOrAControllerRESUMEIsHighlightedAndTakenAtOnce) {
    struct Case {
        std::string lines;
        int result;
    };
    const std::string byPad = std::string("0 ") + kOnButton0 + "\n0 pad start\n1 pad\n";
    const std::string byKey = std::string("0 ") + kOnButton2 + "\n0 keydown f10\n1 keyup f10\n";
    const Case cases[] = {
        {byPad + at(1, "pad a") + at(2, "pad"), 3},
        {byKey + at(1, "keydown enter"), 3},
        {byKey + at(1, "keydown space"), 3},
        {byPad + at(1, "pad up") + at(2, "pad") + at(3, "pad a") + at(4, "pad"), 2},
        {byPad + at(1, "pad down") + at(2, "pad") + at(3, "pad b") + at(4, "pad"), 3},
        {byPad + at(1, "pad back"), 3},
        {byPad + "6 pad a\n7 pad\n", 3},
        {byPad + "2 pad up\n3 pad\n" + at(3, "pad a") + at(4, "pad"), 3},  // the Up came too soon
        {byPad + "6 pad up\n7 pad\n" + at(3, "pad a") + at(4, "pad"), 2},
    };
    for (const Case& c : cases) EXPECT_EQ(open(c.lines), c.result) << c.lines;
    EXPECT_EQ(open(byPad + at(3, "pad a")), 3);
    EXPECT_EQ(seen.at(2), menuPicture(3, 3, -1, 0, soundAtPass.at(1)));
    // Taken while it still slides in, once it stands: the slide is cut short.
    EXPECT_EQ(open(byPad + "6 pad a\n7 pad\n"), 3);
    EXPECT_EQ(frame(), 7u + 15);
}

TEST_F(GameMenuTest, UpAndDownMoveTheHighlightAtOnceAndEnterOrSpaceChooseIt) {
    auto keys = [](std::initializer_list<std::pair<int, const char*>> presses) {
        std::string lines = std::string("0 ") + kOnButton0 + "\n";
        for (auto [pass, key] : presses)
            lines += at(pass, std::string("keydown ") + key) + at(pass + 1, std::string("keyup ") + key);
        return lines;
    };
    // Down from nothing is the first button, Up from nothing the last, and
    // round; Enter or Space takes the highlighted one.
    EXPECT_EQ(open(keys({{1, "down"}, {3, "down"}, {5, "down"}, {7, "enter"}})), 2);
    int sound = soundAtPass.at(1);
    EXPECT_EQ(seen.at(1), menuPicture(0, 1, -1, 0, sound));  // the pointer gives way to the keys
    EXPECT_EQ(seen.at(3), menuPicture(1, 1, -1, 0, sound));
    EXPECT_EQ(open(keys({{1, "up"}, {3, "down"}, {5, "space"}})), 0);
    // Enter with nothing highlighted chooses nothing; with the pointer
    // resting on NEW GAME the highlight stays where the keys put it.
    EXPECT_EQ(open(keys({{1, "enter"}, {3, "down"}, {5, "down"}, {7, "down"}, {30, "enter"}})), 2);
    EXPECT_EQ(frame(), 36u + 30 + 15);
    // The mouse moved: its hover leads again when the cycle ends.
    EXPECT_EQ(open(keys({{1, "down"}, {3, "down"}}) + at(5, "mouse 317 90") + at(30, "keydown enter")), 0);
}

TEST_F(GameMenuTest, TheSoundButtonSwitchesInPlaceAndTwiceLeavesItAsItWas) {
    std::string twice = std::string("0 ") + kOnButton1 + "\n" + at(12, "press left") +
                        at(13, "release left") + at(15, "press left") + at(16, "release left") +
                        at(30, "keydown esc");
    EXPECT_EQ(open(twice), 3);
    EXPECT_EQ(soundAtPass.at(13), 1);
    EXPECT_EQ(soundAtPass.at(14), 0);
    EXPECT_EQ(soundAtPass.at(17), 1);
    EXPECT_EQ(soundDevice.soundOn, 1);
    EXPECT_EQ(seen.at(14), menuPicture(1, 4, 317, 194, 0));

    platform::headless::setFault("sound", true);
    EXPECT_EQ(open(twice), 3);
    EXPECT_EQ(soundAtPass.at(14), 0);
    EXPECT_EQ(soundDevice.soundOn, 0);
    EXPECT_EQ(seen.at(14), menuPicture(1, 4, 317, 194, 0));
}

TEST_F(GameMenuTest, EndingTheProgramWhileSlidingReturnsTwo) {
    EXPECT_EQ(open("10 close\n"), 2);
    EXPECT_EQ(open(at(1, "keydown esc") + "45 close\n"), 2);
}

TEST_F(GameMenuTest, TheSpeedKeysWorkWhileTheMenuIsOpen) {
    EXPECT_EQ(open(at(1, "keydown plus") + at(10, "keyup plus") + at(12, "keydown esc")), 3);
    // Faster by one for each of the nine passes the key was held.
    EXPECT_EQ(frameDelay, 35 - 9);
}

}  // namespace
}  // namespace vantor
