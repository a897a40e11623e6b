#include "game/play_screen.h"
#include "game/touch_aim.h"

#include "game/cell_positions.h"
#include "game/score_flash.h"
#include "game/wave_sizes.h"
#include "game_fixture.h"

namespace vantor {
namespace {

class PlayScreenTest : public test::GameTest {
protected:
    static void pointAt(int index) {
        inputDevices.mouse.x = CellPositions[index].x;
        inputDevices.mouse.y = CellPositions[index].y;
    }
    static void holdChord(bool down) {
        for (uint8_t key : {DIK_TAB, DIK_Q, DIK_W, DIK_E, DIK_R, DIK_F6, DIK_F7, DIK_F9, DIK_F11,
                            DIK_F12, DIK_BACK})
            inputDevices.keyState[key] = down ? 0x80 : 0;
    }
    // A right press and release on a cell in Idle that starts a removal.
    static void rightClick(int index) {
        board.phase = Idle;
        pointAt(index);
        inputDevices.mouse.right = 0x80;
        playFrame(false);
        inputDevices.mouse.right = 0;
        EXPECT_EQ(board.phase, Removing);
    }
    // Frames until the phase is no longer the one given, the frame that leaves it included.
    static int countLeaving(int32_t phase) {
        for (int frame = 1; frame <= 500; ++frame) {
            playFrame(false);
            if (board.phase != phase) return frame;
        }
        return -1;
    }
};

TEST_F(PlayScreenTest, PicksHitWithinSeventeenPixelsExclusive) {
    EXPECT_EQ(hitCell(326, 174), 0);
    EXPECT_EQ(hitCell(326, 174 + 16), 0);
    EXPECT_EQ(hitCell(326, 174 + 17), -1);
    EXPECT_EQ(hitCell(326 + 17, 174), 5);  // within reach of the next spoke
    EXPECT_EQ(hitCell(326 - 12, 174 - 12), 0);  // 288
    EXPECT_EQ(hitCell(362, 430 + 16), 34);
    EXPECT_EQ(hitCell(20, 20), -1);
}

// A touch goes to the nearest cell's anchor within its reach, never less
// than the pick radius; the menu button and the gauge keep their own.
TEST_F(PlayScreenTest, ATouchIsAimedAtTheNearestCellWithinReach) {
    struct Case {
        int x, y, reach, wantX, wantY;
    };
    const Case cases[] = {
        {326, 174 + 16, 0, 326, 174},   // the pick radius at the least
        {326 + 20, 174, 0, 355, 182},   // nearer the next spoke's piece
        {326 + 20, 160, 0, 326 + 20, 160},   // beyond the pick radius of every cell
        {326 + 20, 160, 39, 369, 156},  // within a finger's reach: the nearest
        {362, 430 + 38, 39, 362, 430},
        {20, 300, 39, 20, 300},
        {133, 119, 39, 133, 119},  // on the menu button, a cell 34 pixels off
        {560, 30, 200, 560, 30},   // on the gauge
    };
    for (const Case& c : cases) {
        int32_t x = c.x, y = c.y;
        aimTouchAtCell(x, y, c.reach);
        EXPECT_EQ(x, c.wantX) << c.x << "," << c.y << " reach " << c.reach;
        EXPECT_EQ(y, c.wantY) << c.x << "," << c.y << " reach " << c.reach;
    }
}

TEST_F(PlayScreenTest, TheStartDelayCountsDownToTheFirstWave) {
    board.phase = StartDelay;
    board.busyCount = 0;
    playFrame(false);
    playFrame(false);
    EXPECT_EQ(board.phase, StartDelay);
    EXPECT_EQ(board.busyCount, -2);
    EXPECT_EQ(board.pieceCount, 0);
    board.busyCount = 24;
    EXPECT_EQ(countLeaving(StartDelay), 24);
    EXPECT_EQ(board.phase, WaveArriving);
    EXPECT_EQ(board.pieceCount, 10);
    EXPECT_EQ(board.busyCount, 10);
    // The last of ten waits 50 frames and flies 20.
    EXPECT_EQ(countLeaving(WaveArriving), 69);
    EXPECT_EQ(board.phase, Idle);
}

TEST_F(PlayScreenTest, ALeftPressPicksTheCellUnderThePointerAtRelease) {
    put(0, 0, 1);
    put(0, 6, 2);
    board.phase = Idle;
    pointAt(0);
    inputDevices.mouse.left = 0x80;
    playFrame(false);
    EXPECT_EQ(play.clickState, 1);
    EXPECT_EQ(board.selected, -1);
    pointAt(30);
    playFrame(false);
    EXPECT_EQ(board.selected, -1);
    inputDevices.mouse.left = 0;
    playFrame(false);
    EXPECT_EQ(play.clickState, 0);
    EXPECT_EQ(board.selected, 30);
}

TEST_F(PlayScreenTest, AReleaseAfterTheChordScatteredTheBoardSelectsNothing) {
    for (int column = 0; column < 6; ++column) fillColumn(column, {column % 5, 1});
    board.phase = Idle;
    play.score = 40;
    pointAt(0);
    inputDevices.mouse.left = 0x80;
    playFrame(false);
    holdChord(true);
    playFrame(false);
    EXPECT_EQ(board.phase, Clearing);
    EXPECT_EQ(play.keepScore, 1);
    holdChord(false);
    inputDevices.mouse.left = 0;
    playFrame(false);
    EXPECT_EQ(board.cells[0].state, FlyingOff);
    EXPECT_EQ(board.selected, -1);
    EXPECT_EQ(play.clickState, 0);
    EXPECT_GT(playUntilPhase(Idle), 0);
    EXPECT_EQ(board.pieceCount, 10);
    EXPECT_EQ(play.score, 40);
}

TEST_F(PlayScreenTest, HoldingTheRightButtonOnFourDoesNothingAndOnFiveRemovesOnce) {
    fillColumn(4, {2, 2, 2, 2});
    board.phase = Idle;
    pointAt(cellIndex(1, 4));
    inputDevices.mouse.right = 0x80;
    for (int frame = 0; frame < 5; ++frame) playFrame(false);
    EXPECT_EQ(board.phase, Idle);
    EXPECT_EQ(board.pieceCount, 4);
    put(4, 4, 2);
    playFrame(false);
    EXPECT_EQ(board.phase, Removing);
    EXPECT_EQ(board.busyCount, 6);
}

TEST_F(PlayScreenTest, WholeSpokesEarnTheirBonusAndTheScoringPausesKeepTheirLength) {
    fillColumn(2, {1, 1, 1, 1, 1});
    fillColumn(3, {1, 1, 1, 1, 1});
    fillColumn(4, {0});
    rightClick(cellIndex(2, 2));
    EXPECT_GT(countLeaving(Removing), 0);
    ASSERT_EQ(board.phase, PreScore);
    EXPECT_EQ(board.carrierX, 324.0f);
    EXPECT_EQ(countLeaving(PreScore), 9);
    EXPECT_EQ(play.score, 10 * 3 + 2 * 10);
    EXPECT_TRUE(scoreFlash.on);
    EXPECT_EQ(countLeaving(PostScore), 20);
    EXPECT_EQ(board.phase, PreRefill);  // the emptied spokes have nothing to settle
    EXPECT_EQ(countLeaving(PreRefill), 9);
    EXPECT_EQ(board.phase, WaveArriving);
    EXPECT_EQ(board.pieceCount, 1 + 3);  // the piece left and the wave of three
}

TEST_F(PlayScreenTest, FourOfFiveEarnNoBonusAndTheSpokeSettles) {
    fillColumn(3, {1, 1, 1, 1, 0});
    fillColumn(4, {1});
    rightClick(cellIndex(0, 3));
    EXPECT_GT(countLeaving(Removing), 0);
    EXPECT_EQ(countLeaving(PreScore), 9);
    EXPECT_EQ(play.score, 5 * 3);
    EXPECT_EQ(countLeaving(PostScore), 20);
    ASSERT_EQ(board.phase, Settling);
    EXPECT_EQ(board.cell(3, 3).state, Resting);
    // Three more steps bring row 4 down to the hub, the fourth finds nothing to move.
    EXPECT_EQ(countLeaving(Settling), 12);
    EXPECT_EQ(board.cell(0, 3).colour, 0);
    EXPECT_EQ(board.cell(0, 3).state, Resting);
    EXPECT_EQ(countLeaving(PreRefill), 6);
}

TEST_F(PlayScreenTest, AFullBoardEndsTheGameOnlyAfterEveryPlacedPieceHasLanded) {
    for (int column = 0; column < 12; ++column) fillColumn(column, {0, 1, 2, 3, 4});
    fillColumn(12, {1, 2});
    board.phase = Idle;
    board.startWave(waveSizes.afterSwap);
    EXPECT_EQ(board.pieceCount, 66);
    EXPECT_EQ(board.busyCount, 3);
    int frames = 0;
    while (board.phase != Idle && frames < 200) {
        EXPECT_EQ(savedScreen, nullptr);
        EXPECT_EQ(playFrame(true), 1);
        ++frames;
    }
    EXPECT_EQ(frames, 35);  // 15 frames queued (the last in flight), 19 more flying, the phase step
    ASSERT_NE(savedScreen, nullptr);
    for (const Cell& c : board.cells) EXPECT_EQ(c.state, Resting);
    EXPECT_EQ(board.cell(4, 12).state, Resting);
}

TEST_F(PlayScreenTest, ResetKeepsTheScoreOnlyWhenAsked) {
    play.score = 120;
    play.keepScore = 1;
    play.clickState = 1;
    scoreFlash.start();
    put(0, 0, 1);
    resetForNewGame();
    EXPECT_EQ(play.score, 120);
    EXPECT_EQ(play.keepScore, 0);
    EXPECT_EQ(play.clickState, 0);
    EXPECT_FALSE(scoreFlash.on);
    EXPECT_EQ(board.pieceCount, 0);
    resetForNewGame();
    EXPECT_EQ(play.score, 0);
}

}  // namespace
}  // namespace vantor
