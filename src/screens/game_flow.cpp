#include "screens/game_flow.h"

#include "audio/sound_device.h"
#include "game/board.h"
#include "game/play_screen.h"
#include "resources/data30.h"
#include "screens/curtain.h"
#include "screens/high_score_screen.h"
#include "screens/input_hint.h"
#include "screens/intro.h"
#include "screens/saved_game.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kCurtainImages = 12;
constexpr int kClosedCurtain = kCurtainImages - 1;
constexpr int kStartDelayFrames = 24;
constexpr int kFullBoard = 65;
constexpr uint8_t kLeavingColour = 1;
constexpr int kGameOverHintY = 450;

// A screen that ends with the program leaves its saved screen behind; it
// goes when the flow does.
struct SavedScreenRelease {
    ~SavedScreenRelease() { freeSavedScreen(); }
};

// The play screen beneath the closed curtain with the table over it, then
// the curtain opens. Once per run. A resumed game is shown as it stands and
// put back in place before it goes on, so the opening's frames take nothing
// from it.
void opening(bool resumed) {
    if (resumed) {
        board.phase = StartDelay;
        board.busyCount = kStartDelayFrames;
    }
    playFrame(false);
    holdSavedScreen();
    vdp.drawFillRunImage(0, 0, res.curtain[kClosedCurtain]);
    showTable();
    playFrame(false);
    vdp.saveScreen(savedScreen);
    playCurtain(kClosedCurtain, -1, -1, false);
    freeSavedScreen();
    if (resumed) savedGame.resume();
}

enum class GameEnd { Over, Left, Closed };

// A resumed game goes on at its rest, without the start delay.
GameEnd playGame(bool resumed) {
    if (!resumed) {
        board.phase = StartDelay;
        board.busyCount = kStartDelayFrames;
    }
    for (;;) {
        if (!runFrame()) return GameEnd::Closed;
        if (!playFrame(true)) return GameEnd::Left;
        if (board.phase == Idle && board.pieceCount > kFullBoard) {
            savedGame.finish(play.score);
            return GameEnd::Over;
        }
        savedGame.noteFrame();
    }
}

// The last play screen with the game-over picture, until a typed character
// or a mouse button.
bool gameOverWait() {
    for (;;) {
        if (!runFrame()) return false;
        vdp.restoreScreen(savedScreen);
        vdp.drawImage(320, 240, res.gameOver);
        drawHint(HintPlace::GameOver, kGameOverHintY);
        vdp.present();
        if (inputDevices.peekChar() != 0) {
            inputDevices.takeChar();
            return true;
        }
        if (inputDevices.mouse.left || inputDevices.mouse.right) return true;
    }
}

}  // namespace

void RunGameFlow() {
    SavedScreenRelease release;
    vdp.setPalette(res.gamePalette);
    inputDevices.mouse.x = 320;
    inputDevices.mouse.y = 240;
    // The board's motions play these two for the whole run.
    soundDevice.loadRegion(2, 3);
    soundDevice.loadRegion(3, 2);
    play.keepScore = 0;
    savedGame.enterWaitingScore();
    runIntro();
    resetForNewGame();
    bool resumed = savedGame.resume();
    opening(resumed);
    for (;; resumed = false) {
        GameEnd end = playGame(resumed);
        if (end == GameEnd::Closed) return;
        inputDevices.setCapture(false);
        inputDevices.emptyRing();
        if (end == GameEnd::Left) {
            vdp.clear(kLeavingColour);
            vdp.present();
            return;
        }
        inputDevices.setCapture(true);
        inputDevices.emptyRing();
        if (!gameOverWait()) return;
        freeSavedScreen();
        inputDevices.emptyRing();
        inputDevices.setCapture(false);
        inputDevices.WaitAllKeysUp();
        playCurtain(0, 1, kCurtainImages, true);
        soundDevice.playRegion(0, 1);
        showTableAfterGame();
        resetForNewGame();
        playFrame(false);
        playCurtain(kClosedCurtain, -1, -1, true);
    }
}

}  // namespace vantor
