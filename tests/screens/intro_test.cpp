#include "screens/intro.h"

#include <filesystem>
#include <vector>

#include "app/startup.h"
#include "input/input_devices.h"
#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/curtain.h"
#include "screens/logo_image.h"
#include "screens/palette_fade.h"
#include "screens/screen_fixture.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

// Frames of the logo: the first picture, the fade in, 41 animation images,
// the fade in of the lettering, a 2000 ms hold at 35 ms a frame, the fade
// out, then the second picture faded in, held 500 ms and faded out.
constexpr uint32_t kLogoFrames = 1 + 11 + 41 + 11 + 58 + 11 + 11 + 15 + 11;

class IntroTest : public testing::ScreenTest {
protected:
    // Runs the intro over a known screen on a fresh machine.
    void intro(const std::string& lines, bool qMode) {
        freshMachine();
        startup.qStartMode = qMode;
        logoImage = LogoImage{};
        vdp.restoreScreen(res.background);
        original = composed();
        script(lines);
        startTicks = platform::system().ticks();
        runIntro();
    }

    bool showsGamePalette() const {
        const uint8_t* shown = backend->display().palette();
        for (int i = 0; i < 768; ++i)
            if (shown[i] != uint8_t(res.gamePalette[i] << 2)) return false;
        return true;
    }

    std::vector<uint8_t> original;
    uint32_t startTicks = 0;
};

TEST_F(IntroTest, InTheQModeTheTitleComesFirstYetTheLogoFileIsLoaded) {
    intro("0 keydown esc\n", true);
    EXPECT_NE(logoImage.pictures, nullptr);
    // Only the title's wait runs the pump; its fades are not paced.
    EXPECT_EQ(frame(), 1u);
    EXPECT_EQ(presents(), 11u + 1 + 11 + 11);
    EXPECT_EQ(composed(), original);
    EXPECT_TRUE(showsGamePalette());
    EXPECT_EQ(savedScreen, nullptr);
}

TEST_F(IntroTest, TheLogoRunsBeforeTheTitleAndNothingSkipsIt) {
    intro("0 keydown esc\n0 press left\n3 release left\n", false);
    EXPECT_EQ(frame(), kLogoFrames + 1);
    EXPECT_EQ(presents(), kLogoFrames - 1 + 11 + 1 + 11 + 11);
    EXPECT_EQ(composed(), original);
    EXPECT_TRUE(showsGamePalette());
}

TEST_F(IntroTest, AnUnusableLogoFileIsPassedOver) {
    auto size = std::filesystem::file_size("kelvo.res");
    std::filesystem::resize_file("kelvo.res", size - 100);
    intro("0 keydown space\n", false);
    EXPECT_EQ(logoImage.pictures, nullptr);
    EXPECT_EQ(frame(), 1u);

    std::filesystem::remove("kelvo.res");
    intro("0 keydown space\n", false);
    EXPECT_EQ(frame(), 1u);
    EXPECT_EQ(composed(), original);
}

TEST_F(IntroTest, AClickOnTheTitleCountsWhenTheButtonIsLetGo) {
    intro("0 press left\n50 release left\n", true);
    EXPECT_EQ(frame(), 51u);
}

TEST_F(IntroTest, EnterLeavesTheTitleAsSpaceAndEscapeDo) {
    for (const char* lines : {"7 keydown space\n", "7 keydown esc\n", "7 keydown enter\n"}) {
        intro(lines, true);
        EXPECT_EQ(frame(), 8u) << lines;
    }
}

TEST_F(IntroTest, AHeldButtonOrAnotherKeyKeepsTheTitleUpForFiveSeconds) {
    for (const char* lines : {"0 press left\n", "0 keydown a\n0 keydown tab\n"}) {
        intro(lines, true);
        // Only the wait's frames move the clock: it ended with the first frame
        // past the deadline.
        uint32_t elapsed = backend->system().ticks() - startTicks;
        EXPECT_GT(elapsed, 5000u) << lines;
        EXPECT_LE(elapsed, 5000u + 35) << lines;
    }
}

TEST_F(IntroTest, AFadeScalesOnlyItsRangeAndAnEmptyRangeResendsThePalette) {
    std::vector<uint8_t> palette(768);
    for (int i = 0; i < 768; ++i) palette[i] = uint8_t(i % 64);
    auto shown = [this](int entry, int component) {
        return backend->display().palette()[entry * 3 + component];
    };
    setFadedPalette(palette.data(), 0, 1, 224, 255);
    EXPECT_EQ(shown(223, 0), palette[223 * 3] << 2);
    EXPECT_EQ(shown(224, 0), 0);
    EXPECT_EQ(shown(255, 2), 0);

    setFadedPalette(palette.data(), 7, 10, 0, 255);
    EXPECT_EQ(shown(21, 1), (palette[21 * 3 + 1] * 7 / 10) << 2);

    setFadedPalette(palette.data(), 0, 1, 10, 9);
    for (int i = 0; i < 768; ++i) ASSERT_EQ(backend->display().palette()[i], palette[i] << 2) << i;
}

class CurtainTest : public testing::ScreenTest {
protected:
    std::vector<uint8_t> over(const std::vector<uint8_t>& screen, int image) {
        std::vector<uint8_t> keep = composed();
        vdp.restoreScreen(screen.data());
        vdp.drawFillRunImage(0, 0, res.curtain[image]);
        std::vector<uint8_t> picture = composed();
        vdp.restoreScreen(keep.data());
        return picture;
    }
};

TEST_F(CurtainTest, ClosingShowsTheTwelveImagesInTurnOverTheScreen) {
    vdp.restoreScreen(res.background);
    std::vector<uint8_t> screen = composed();
    std::vector<std::vector<uint8_t>> seen;
    inputDevices.mousePolled = [&](const MouseState&) { seen.push_back(shown()); };
    playCurtain(0, 1, 12, true);
    seen.push_back(shown());
    EXPECT_EQ(presents(), 12u);
    EXPECT_EQ(frame(), 12u);
    ASSERT_EQ(seen.size(), 13u);
    for (int image = 0; image < 12; ++image)
        EXPECT_EQ(seen[image + 1], over(screen, image)) << "image " << image;
    EXPECT_EQ(savedScreen, nullptr);
}

TEST_F(CurtainTest, OpeningOverTheCallersScreenEndsOnTheLeastImage) {
    vdp.restoreScreen(res.background);
    std::vector<uint8_t> screen = composed();
    savedScreen = newScreenCopy();
    vdp.saveScreen(savedScreen);
    vdp.clear(0);
    playCurtain(11, -1, -1, false);
    EXPECT_EQ(presents(), 12u);
    EXPECT_EQ(shown(), over(screen, 0));
    EXPECT_NE(savedScreen, nullptr);
}

}  // namespace
}  // namespace vantor
