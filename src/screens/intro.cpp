#include "screens/intro.h"

#include <cstring>

#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/input_hint.h"
#include "screens/logo_image.h"
#include "screens/palette_fade.h"
#include "screens/screen_frame.h"
#include "video/font_shift.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kFadeSteps = 10;
constexpr uint32_t kTitleWaitMs = 5000;
constexpr uint32_t kLogoHoldMs = 2000;
constexpr uint32_t kPictureHoldMs = 500;
constexpr int kLogoText = 41;
constexpr int kLogoPicture = 42;
constexpr int kTextEntries = 224;

enum class Pace { Pump, InputOnly };
enum class Direction { In, Out };

// Eleven steps between black and the palette's own colours. The logo's fades
// are paced by the pump; the title's run unpaced, only reading the input.
bool fade(const uint8_t* palette, Direction direction, Pace pace, int first = 0, int last = 255) {
    for (int step = 0; step <= kFadeSteps; ++step) {
        int n = direction == Direction::In ? step : kFadeSteps - step;
        if (pace == Pace::InputOnly) updateInput();
        setFadedPalette(palette, n, kFadeSteps, first, last);
        if (pace == Pace::Pump && !pumpOnly()) return false;
        vdp.present();
    }
    return true;
}

// Keeps the picture up for at least ms by the system's clock.
bool hold(uint32_t ms) {
    uint32_t start = platform::system().ticks();
    do {
        if (!pumpOnly()) return false;
        vdp.present();
    } while (platform::system().ticks() - start < ms);
    return true;
}

void drawLogo(int index) { vdp.drawFillRunImage(0, 0, logoImage.pictures[index]); }

// Nothing skips it and no input is read.
bool playLogo() {
    const uint8_t* palette = logoImage.palette;
    setFadedPalette(palette, 0, 1, 0, 255);
    drawLogo(0);
    if (!pumpOnly() || !fade(palette, Direction::In, Pace::Pump)) return false;
    for (int k = 0; k < LogoImage::kAnimationImages; ++k) {
        drawLogo(k);
        if (!pumpOnly()) return false;
        vdp.present();
    }
    setFadedPalette(palette, 0, 1, kTextEntries, 255);
    drawLogo(kLogoText);
    if (!fade(palette, Direction::In, Pace::Pump, kTextEntries, 255) || !hold(kLogoHoldMs) ||
        !fade(palette, Direction::Out, Pace::Pump))
        return false;
    drawLogo(kLogoPicture);
    return fade(palette, Direction::In, Pace::Pump) && hold(kPictureHoldMs) &&
           fade(palette, Direction::Out, Pace::Pump);
}

// In the title palette the font's colours would be the sea's; moved by this
// much they are the spray's light half.
constexpr uint8_t kTitleTextShift = 112;
constexpr int kTitleHintY = 436;

void drawTitleHint() {
    FontShift spray(kTitleTextShift);
    drawHint(HintPlace::Title, kTitleHintY);
}

void drawTitle() {
    for (int y = 0; y < kScreenHeight; ++y)
        vdp.fillRect(0, y, kScreenWidth, 1, static_cast<uint8_t>(y % 255));
    vdp.drawFillRunImage(0, 0, res.title);
    drawTitleHint();
}

// A click counts on release, so a button held since before keeps the title up.
bool waitOnTitle() {
    bool pressed = inputDevices.mouse.left != 0;
    uint32_t deadline = platform::system().ticks() + kTitleWaitMs;
    for (;;) {
        if (!runFrame()) return false;
        bool over = false;
        if (inputDevices.mouse.left)
            pressed = true;
        else if (pressed)
            over = true;
        const uint8_t* keys = inputDevices.keyState;
        if (keys[DIK_ESCAPE] || keys[DIK_SPACE] || keys[DIK_RETURN] || keys[DIK_NUMPADENTER]) over = true;
        if (static_cast<int32_t>(platform::system().ticks() - deadline) > 0) over = true;
        drawTitle();
        vdp.present();
        if (over) return true;
    }
}

}  // namespace

void runIntro() {
    bool logoUsable = logoImage.load();
    holdSavedScreen();
    vdp.saveScreen(savedScreen);
    if (!startup.qStartMode && logoUsable && !playLogo()) return;
    drawTitle();
    uint8_t titlePalette[768];
    std::memcpy(titlePalette, res.titlePalette, sizeof titlePalette);
    titlePalette[0] = titlePalette[1] = titlePalette[2] = 0;
    fade(titlePalette, Direction::In, Pace::InputOnly);
    if (!waitOnTitle()) return;
    inputDevices.WaitAllKeysUp();
    fade(titlePalette, Direction::Out, Pace::InputOnly);
    vdp.restoreScreen(savedScreen);
    fade(res.gamePalette, Direction::In, Pace::InputOnly);
    freeSavedScreen();
    vdp.setPalette(res.gamePalette);
}

}  // namespace vantor
