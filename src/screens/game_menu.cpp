#include "screens/game_menu.h"

#include "audio/sound_device.h"
#include "game/speed_control.h"
#include "resources/data30.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kSlideInLast = 35;
constexpr int kSlideOutLast = 49;
constexpr int kHighlightImages = 12;
constexpr int kSoundButton = 1;
constexpr int kResumeButton = 3;
constexpr int kEnded = 2;

constexpr int kOpeningSound = 4;
constexpr int kChosenSound = 8;

struct Rect {
    int x, y, width, height;
    // Both edges count as inside.
    bool contains(int px, int py) const {
        return x <= px && px <= x + width && y <= py && py <= y + height;
    }
};

constexpr Rect kButtons[4] = {
    {244, 47, 146, 76}, {244, 156, 146, 76}, {244, 256, 146, 76}, {244, 348, 146, 76}};

int buttonAt(int x, int y) {
    for (int k = 0; k < 4; ++k)
        if (kButtons[k].contains(x, y)) return k;
    return -1;
}

struct MenuState {
    int highlighted = -1;
    int frame = 1;  // of the highlight animation
    bool pressed = false;
    bool chosen = false;

    // A choice is a press and a release while a button is highlighted. The
    // release picks the button under the pointer, even before the highlight
    // has caught up with it; released over no button it picks nothing.
    void watchClick() {
        if (inputDevices.mouse.left) {
            pressed = true;
            return;
        }
        if (pressed && highlighted != -1) {
            int hovered = buttonAt(inputDevices.mouse.x, inputDevices.mouse.y);
            if (hovered != highlighted && hovered != -1) {
                highlighted = hovered;
                frame = 1;
            }
            chosen = hovered != -1;
        }
        if (!chosen) pressed = false;
    }

    // The highlight follows the pointer only when an animation cycle ends.
    void followPointer() {
        int hovered = buttonAt(inputDevices.mouse.x, inputDevices.mouse.y);
        if (++frame < kHighlightImages) return;
        frame = 0;
        if (hovered != highlighted) {
            highlighted = hovered;
            frame = 1;
        }
    }

    void draw() const {
        vdp.restoreScreen(savedScreen);
        updateSpeedControl();
        vdp.drawFillRunImage(0, 0, res.menuBackdrop);
        for (int k = 0; k < 4; ++k)
            vdp.drawFillRunImage(0, 0, res.menuButtons[k][k == highlighted ? frame : 0]);
        vdp.drawImage(213, 176, res.soundIndicator[soundDevice.soundOn ? 1 : 0]);
        if (inputDevices.pointerShown) vdp.drawImage(inputDevices.mouse.x, inputDevices.mouse.y, res.pointer);
        vdp.present();
    }
};

// The confirmation sounds come out either way: on is heard after the
// switch, off before it.
void toggleSound() {
    if (!soundDevice.soundOn)
        soundDevice.switchOn();
    else
        soundDevice.switchOff();
}

bool slide(int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (!runFrame()) return false;
        vdp.restoreScreen(savedScreen);
        vdp.drawFillRunImage(0, 0, res.menuSlide[i]);
        vdp.present();
    }
    return true;
}

// The open menu until a button other than the sound switch is chosen.
bool choose(MenuState& menu) {
    for (;;) {
        if (!runFrame()) return false;
        menu.watchClick();
        menu.followPointer();
        if (inputDevices.keyState[DIK_ESCAPE]) {
            menu.highlighted = kResumeButton;
            menu.chosen = true;
        }
        menu.draw();
        if (!menu.chosen) continue;
        soundDevice.playRegion(0, kChosenSound);
        if (menu.highlighted != kSoundButton) return true;
        toggleSound();
        menu.pressed = inputDevices.mouse.left != 0;
        menu.chosen = false;
    }
}

}  // namespace

int runGameMenu() {
    holdSavedScreen();
    vdp.saveScreen(savedScreen);
    soundDevice.playRegion(0, kOpeningSound);
    if (!slide(0, kSlideInLast)) return kEnded;
    MenuState menu;
    menu.pressed = inputDevices.mouse.left != 0;
    if (!choose(menu)) return kEnded;
    inputDevices.WaitAllKeysUp();
    if (!slide(kSlideInLast, kSlideOutLast)) return kEnded;
    vdp.restoreScreen(savedScreen);
    freeSavedScreen();
    return menu.highlighted;
}

}  // namespace vantor
