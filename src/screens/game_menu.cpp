#include "screens/game_menu.h"

#include <cstring>

#include "audio/sound_device.h"
#include "game/speed_control.h"
#include "input/input_devices.h"
#include "platform/gamepad.h"
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
constexpr size_t kImageHeaderBytes = 8;

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

// The slide image shows the menu where it stays, as the slide-in's last does.
bool standsInPlace(int image) {
    return std::memcmp(res.menuSlide[image], res.menuSlide[kSlideInLast], kImageHeaderBytes) == 0;
}

struct MenuState {
    int highlighted = -1;
    int frame = 1;  // of the highlight animation
    bool heldSinceOpening = false;  // the left button, down since before the menu opened
    bool pressed = false;  // a press that began while the menu was open
    bool chosen = false;

    // Opened by a key or a controller button, the menu is theirs: RESUME is
    // highlighted at once, and the pointer leaves the highlight alone.
    void openedBy(InputKind kind) {
        if (kind != InputKind::Keys && kind != InputKind::Controller) return;
        highlighted = kResumeButton;
        inputDevices.keyPointer.lead();
    }

    // Before the buttons stand, presses made count later; one released
    // meanwhile chooses nothing.
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

    // Up and Down move the highlight at once, round the four buttons; Enter,
    // Space or A chooses the highlighted one. Escape, Back or B resume.
    void followKeys() {
        int step = inputDevices.keyStep(DIK_DOWN, DIK_UP);
        if (step != 0) {
            inputDevices.keyPointer.lead();
            highlighted = highlighted < 0 ? (step > 0 ? 0 : 3) : (highlighted + step + 4) % 4;
            frame = 1;
        }
        if (inputDevices.anyKeyPressed({DIK_RETURN, DIK_NUMPADENTER, DIK_SPACE}) && highlighted != -1) chosen = true;
        if (inputDevices.keyState[DIK_ESCAPE] || inputDevices.padPressed(platform::PadB)) {
            highlighted = kResumeButton;
            chosen = true;
        }
    }

    // Once its buttons stand, the menu takes presses and keys; the speed
    // keys wait until it is open.
    void draw(bool open) const {
        vdp.restoreScreen(savedScreen);
        if (open) updateSpeedControl();
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

void drawSlide(int image) {
    vdp.restoreScreen(savedScreen);
    vdp.drawFillRunImage(0, 0, res.menuSlide[image]);
    vdp.present();
}

// A choice made: true when it closes the menu, false for the sound switch.
bool takeChoice(MenuState& menu) {
    soundDevice.playRegion(0, kChosenSound);
    if (menu.highlighted != kSoundButton) return true;
    toggleSound();
    menu.chosen = false;
    return false;
}

// The slide-in; from the image where the menu stands, a choice may end it.
// False when the program is to end.
bool slideIn(MenuState& menu) {
    for (int i = 0; i <= kSlideInLast; ++i) {
        if (!runFrame()) return false;
        if (!standsInPlace(i)) {
            drawSlide(i);
            menu.watchSlide();
            continue;
        }
        menu.watchClick();
        menu.followKeys();
        menu.draw(false);
        if (menu.chosen && takeChoice(menu)) return true;
    }
    return true;
}

bool slideOut() {
    for (int i = kSlideInLast; i <= kSlideOutLast; ++i) {
        if (!runFrame()) return false;
        drawSlide(i);
    }
    return true;
}

// The open menu until a button other than the sound switch is chosen.
bool choose(MenuState& menu) {
    while (!menu.chosen) {
        if (!runFrame()) return false;
        menu.watchClick();
        menu.followPointer();
        menu.followKeys();
        menu.draw(true);
        if (menu.chosen) takeChoice(menu);
    }
    return true;
}

}  // namespace

int runGameMenu() {
    holdSavedScreen();
    vdp.saveScreen(savedScreen);
    soundDevice.playRegion(0, kOpeningSound);
    MenuState menu;
    menu.heldSinceOpening = inputDevices.mouse.left != 0;
    menu.openedBy(inputDevices.inUse);
    if (!slideIn(menu) || !choose(menu)) return kEnded;
    inputDevices.WaitAllKeysUp();
    if (!slideOut()) return kEnded;
    vdp.restoreScreen(savedScreen);
    freeSavedScreen();
    return menu.highlighted;
}

}  // namespace vantor
