#include "screens/high_score_screen.h"

#include "game/play_screen.h"
#include "screens/high_score_table.h"
#include "screens/high_score_view.h"
#include "screens/score_insertion.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

// Frames between two readings of the file, so that entries made by another
// copy of the game show up.
constexpr int kRefreshFrames = 300;

// Until a typed character or a mouse button; keys without a character do not count.
void waitOnShownTable() {
    inputDevices.setCapture(true);
    inputDevices.emptyRing();
    int refresh = kRefreshFrames;
    if (!runFrame()) return;
    for (;;) {
        uint8_t typed = inputDevices.peekChar() ? inputDevices.takeChar() : 0;
        if (--refresh == 0) {
            refresh = kRefreshFrames;
            vdp.restoreScreen(savedScreen);
            openTable(false);
            drawTable();
            vdp.present();
        }
        if (typed != 0 || inputDevices.mouse.left || inputDevices.mouse.right) break;
        if (!runFrame()) return;
    }
    inputDevices.setCapture(false);
    inputDevices.emptyRing();
    inputDevices.WaitAllKeysUp();
}

}  // namespace

void showTableAfterGame() {
    holdSavedScreen();
    vdp.saveScreen(savedScreen);
    openTable(true);
    revealTable();
    insertScore(play.score);
    vdp.present();
    waitOnShownTable();
    freeSavedScreen();
}

void showTable() {
    vdp.saveScreen(savedScreen);
    openTable(false);
    revealTable();
    vdp.present();
    waitOnShownTable();
}

}  // namespace vantor
