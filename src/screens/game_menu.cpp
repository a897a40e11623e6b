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
    bool heldSinceOpening = false;  // the left button, down since before the menu opened
    bool pressed = false;  // a press that began while the menu was open
    bool chosen = false;

    // Presses made while the menu slides in count; one released before it
    // is open chooses nothing.
    void watchSlide() {
        if (!watchPress()) pressed = false;
    }

    // A choice is a press that began while the menu was open, released over
    // a button: that button, whatever the highlight still shows. A button
    // held since before the menu opened chooses nothing.
    void watchClick() {
        if (watchPress()) return;
        int hovered = buttonAt(inputDevices.mouse.x, inputDevices.mouse.y);
        if (pressed && hovered != -1) {
            if (hovered != highlighted) {
                highlighted = hovered;
                frame = 1;
            }
            chosen = true;
        }
        pressed = false;
    }

    // True while the left button is down.
    bool watchPress() {
        if (!inputDevices.mouse.left) {
            heldSinceOpening = false;
            return false;
        }
        if (!heldSinceOpening) pressed = true;
        return true;
    }

    // The highlight follows the pointer only when an animation cycle ends,
    // and not while keys lead.
    void followPointer() {
        int hovered = buttonAt(inputDevices.mouse.x, inputDevices.mouse.y);
        if (++frame < kHighlightImages) return;
        frame = 0;
        if (hovered != highlighted && !inputDevices.keyPointer.leads()) {
            highlighted = hovered;
            frame = 1;
        }
    }

    // Up and Down move the highlight at once, round the four buttons; Enter
    // or Space chooses the highlighted one.
    void followKeys() {
        int step = inputDevices.keyStep(DIK_DOWN, DIK_UP);
        if (step != 0) {
            inputDevices.keyPointer.lead();
            highlighted = highlighted < 0 ? (step > 0 ? 0 : 3) : (highlighted + step + 4) % 4;
            frame = 1;
        }
        if (inputDevices.anyKeyPressed({DIK_RETURN, DIK_NUMPADENTER, DIK_SPACE}) && highlighted != -1) chosen = true;
    }

    void draw() const {
        vdp.restoreScreen(savedScreen);
        updateSpeedControl();
        vdp.drawFillRunImage(0, 0, res.menuBackdrop);
        for (int k = 0; k < 4; ++k)
            vdp.drawFillRunImage(0, 0, res.menuButtons[k][k == highlighted ? frame : 0]);
        vdp.drawImage(213, 176, res.soundIndicator[soundDevice.soundOn ? 1 : 0]);
        drawPointer();
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

// One frame of a slide; false when the program is to end.
bool slideFrame(int image) {
    if (!runFrame()) return false;
    vdp.restoreScreen(savedScreen);
    vdp.drawFillRunImage(0, 0, res.menuSlide[image]);
    vdp.present();
    return true;
}

bool slideIn(MenuState& menu) {
    for (int i = 0; i <= kSlideInLast; ++i) {
        if (!slideFrame(i)) return false;
        menu.watchSlide();
    }
    return true;
}

bool slideOut() {
    for (int i = kSlideInLast; i <= kSlideOutLast; ++i)
        if (!slideFrame(i)) return false;
    return true;
}

// The open menu until a button other than the sound switch is chosen.
bool choose(MenuState& menu) {
    for (;;) {
        if (!runFrame()) return false;
        menu.watchClick();
        menu.followPointer();
        menu.followKeys();
        if (inputDevices.keyState[DIK_ESCAPE]) {
            menu.highlighted = kResumeButton;
            menu.chosen = true;
        }
        menu.draw();
        if (!menu.chosen) continue;
        soundDevice.playRegion(0, kChosenSound);
        if (menu.highlighted != kSoundButton) return true;
        toggleSound();
        menu.chosen = false;
    }
}

}  // namespace

int runGameMenu() {
    holdSavedScreen();
    vdp.saveScreen(savedScreen);
    soundDevice.playRegion(0, kOpeningSound);
    MenuState menu;
    menu.heldSinceOpening = inputDevices.mouse.left != 0;
    if (!slideIn(menu) || !choose(menu)) return kEnded;
    inputDevices.WaitAllKeysUp();
    if (!slideOut()) return kEnded;
    vdp.restoreScreen(savedScreen);
    freeSavedScreen();
    return menu.highlighted;
}

}  // namespace vantor
