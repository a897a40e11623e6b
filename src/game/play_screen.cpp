#include "game/play_screen.h"

#include "audio/sound_device.h"
#include "game/board.h"
#include "game/cell_cursor.h"
#include "game/cell_positions.h"
#include "game/menu_button_animation.h"
#include "game/play_trace.h"
#include "game/score_display.h"
#include "game/score_flash.h"
#include "game/selection_mark.h"
#include "game/speed_control.h"
#include "game/touch_aim.h"
#include "game/wave_sizes.h"
#include "input/input_devices.h"
#include "resources/data30.h"
#include "screens/ambient_animation.h"
#include "screens/game_menu.h"
#include "screens/input_hint.h"
#include "screens/saved_game.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int kPickRadiusSquared = 289;
constexpr int kScoreSound = 11;
constexpr int kSettleSound = 12;
constexpr int kRefillSound = 13;
constexpr int kMenuNewGame = 0;
constexpr int kMenuQuit = 2;

constexpr uint8_t kReDealChord[] = {DIK_TAB, DIK_Q,  DIK_W,  DIK_E,   DIK_R,   DIK_F6,
                                    DIK_F7,  DIK_F9, DIK_F11, DIK_F12, DIK_BACK};

bool keyHeld(uint8_t key) { return inputDevices.keyState[key] != 0; }

// The scoring and refill phases move one step every stepDivider frames.
bool tick() {
    if (--play.stepDivider > 0) return false;
    play.stepDivider = 3;
    return true;
}

void pick(bool isSelectClick) {
    play.clickState = 0;
    int i = hitCell(inputDevices.mouse.x, inputDevices.mouse.y);
    if (i >= 0) board.click(i % kRows, i / kRows, isSelectClick);
}

void scoreRemoval() {
    board.busyCount = 5;
    board.phase = PostScore;
    soundDevice.playRegion(0, kScoreSound);
    play.score += play.removalScore;
    scoreFlash.start();
    for (uint8_t removed : board.removedPerColumn)
        if (removed == kRows) play.score += kFullSpokeBonus;
    play.stepDivider = 8;
}

void startSettling() {
    board.busyCount = 3;
    play.stepDivider = 3;
    if (board.settleStep()) {
        board.phase = Settling;
        soundDevice.playRegion(0, kSettleSound);
    } else {
        board.phase = PreRefill;
        soundDevice.playRegion(0, kRefillSound);
    }
}

void runPhaseMachine() {
    const MouseState& mouse = inputDevices.mouse;
    switch (board.phase) {
    case StartDelay:
        if (--board.busyCount == 0) {
            board.phase = Idle;
            board.startWave(waveSizes.firstOfGame);
        }
        break;
    case Idle:
        if (mouse.left)
            play.clickState = 1;
        else if (mouse.right)
            pick(false);
        break;
    case Removing:
        if (board.carrierStep()) {
            board.phase = PreScore;
            board.busyCount = 3;
            play.stepDivider = 3;
            board.carrierX = kCarrierHomeX;
            board.carrierY = kCarrierHomeY;
        }
        break;
    case PreScore:
        if (tick() && --board.busyCount == 0) scoreRemoval();
        break;
    case PostScore:
        if (tick() && --board.busyCount == 0) startSettling();
        break;
    case Settling:
        if (tick() && !board.settleStep()) {
            board.busyCount = 2;
            board.phase = PreRefill;
            play.stepDivider = 3;
        }
        break;
    case PreRefill:
        if (tick() && --board.busyCount == 0) {
            board.startWave(waveSizes.afterRemoval);
            play.stepDivider = 0;
        }
        break;
    case WaveArriving:
        if (board.busyCount == 0) board.phase = Idle;
        break;
    case Clearing:
        if (board.busyCount == 0) {
            board.phase = Idle;
            resetForNewGame();
            board.startWave(waveSizes.firstOfGame);
        }
        break;
    case Swapping:
        if (board.busyCount == 0) board.finishSwap();
        break;
    default:
        break;
    }
}

bool menuRequested() {
    const MouseState& mouse = inputDevices.mouse;
    return (mouse.left && insideMenuButton(mouse.x, mouse.y)) || keyHeld(DIK_ESCAPE) || keyHeld(DIK_F10);
}

// The player's own commands, read only in Idle. False when the menu said quit.
bool runIdleCommands(int& menuResult) {
    if (menuRequested()) {
        inputDevices.aimTouch = nullptr;
        inputDevices.WaitAllKeysUp();
        menuResult = runGameMenu();
        if (menuResult == kMenuNewGame) {
            savedGame.discard();
            board.scatterAll();
        }
        if (menuResult == kMenuQuit) return false;
        inputDevices.WaitAllKeysUp();
        play.clickState = 0;
        if (board.phase != Idle) return true;
    }
    menuButtonAnimation.updateHover(inputDevices.mouse.x, inputDevices.mouse.y);
    if (reDealChordHeld()) {
        play.keepScore = 1;
        board.scatterAll();
    }
    return true;
}

int composeFrame(bool show, int& menuResult) {
    vdp.restoreScreen(res.background);
    runPhaseMachine();
    if (play.clickState == 1 && !inputDevices.mouse.left) pick(true);
    ambientAnimationList.tickAll();
    drawScore();
    menuButtonAnimation.drawOverlay();
    board.updateAll();
    if (board.phase == Idle && !runIdleCommands(menuResult)) return 0;
    cellCursor.steer();
    updateSpeedControl();
    scoreFlash.step();
    if (board.phase == Idle) {
        if (board.pieceCount > kCells) {
            holdSavedScreen();
            vdp.saveScreen(savedScreen);
            return 1;
        }
        drawPointer();
    }
    cellCursor.draw();
    drawSelectionMark();
    drawTouchPlayHint();
    savedGame.drawNotice();
    if (show) vdp.present();
    return 1;
}

}  // namespace

int hitCell(int x, int y) {
    for (int i = 0; i < kCells; ++i) {
        int dx = CellPositions[i].x - x;
        int dy = CellPositions[i].y - y;
        if (dx * dx + dy * dy < kPickRadiusSquared) return i;
    }
    return -1;
}

bool reDealChordHeld() {
    for (uint8_t key : kReDealChord)
        if (!keyHeld(key)) return false;
    return true;
}

int playFrame(bool show) {
    playTrace.beginFrame();
    int menuResult = PlayTrace::kNoMenu;
    int result = composeFrame(show, menuResult);
    playTrace.endFrame(menuResult);
    // Until the game ends, touches at the next poll are aimed at the pieces.
    bool goesOn = result == 1 && !(board.phase == Idle && board.pieceCount > kCells);
    inputDevices.aimTouch = goesOn ? aimTouchAtCell : nullptr;
    return result;
}

void resetForNewGame() {
    if (play.keepScore == 0) play.score = 0;
    play.keepScore = 0;
    play.clickState = 0;
    scoreFlash.switchOff();
    cellCursor = CellCursor{};
    board.clearBoard();
}

}  // namespace vantor
