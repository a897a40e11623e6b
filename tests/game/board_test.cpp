#include "game/board.h"

#include "game/cell_positions.h"
#include "game_fixture.h"

namespace vantor {
namespace {

using BoardTest = test::GameTest;

std::vector<std::pair<int, int>> removalOrder() {
    std::vector<std::pair<int, int>> order;
    for (int i = 0; i < board.removalCount; ++i)
        order.emplace_back(board.removalList[i].row, board.removalList[i].column);
    return order;
}

TEST_F(BoardTest, GeneratorFromSeedTenGivesTheKnownSequence) {
    rng.seed(10);
    EXPECT_EQ(rng.next(), 71);
    EXPECT_EQ(rng.next(), 16899);
    EXPECT_EQ(rng.next(), 3272);
    EXPECT_EQ(rng.below(13), 13694 * 13 / 32768);
    EXPECT_EQ(rng.below(5), 13697 * 5 / 32768);
    EXPECT_EQ(rng.state, 0x35810af9u);
}

TEST_F(BoardTest, GroupsJoinAcrossTheRingSeamInTheFixedVisitingOrder) {
    put(0, 11, 2);
    put(0, 12, 2);
    put(0, 0, 2);
    put(1, 0, 2);
    put(0, 1, 2);
    put(0, 2, 2);
    put(0, 3, 4);
    put(2, 0, 3);
    EXPECT_TRUE(board.isRemovable(0, 12));
    EXPECT_EQ(board.groupSize, 6);

    board.startRemoval(0, 0);
    std::vector<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {0, 12}, {0, 11}, {0, 1}, {0, 2}};
    EXPECT_EQ(removalOrder(), expected);
    EXPECT_EQ(board.busyCount, 7);
    EXPECT_EQ(board.pieceCount, 2);
    EXPECT_EQ(board.removedPerColumn[0], 2);
    EXPECT_EQ(board.removedPerColumn[12], 1);
    EXPECT_EQ(board.carrierFrames, 1);
    EXPECT_EQ(board.firstLegPending, 1);
    EXPECT_EQ(board.cell(0, 3).state, Resting);
    EXPECT_EQ(board.cell(2, 0).state, Resting);
}

TEST_F(BoardTest, OuterRowsOfNeighbouringSpokesAreNotConnected) {
    fillColumn(3, {0, 1, 1, 1, 1});
    fillColumn(4, {0, 1, 1, 1, 1});
    EXPECT_FALSE(board.isRemovable(2, 3));
    EXPECT_EQ(board.groupSize, 4);
    // Through the hub the two spokes do join.
    board.cell(0, 3).colour = 1;
    board.cell(0, 4).colour = 1;
    EXPECT_TRUE(board.isRemovable(2, 4));
    EXPECT_EQ(board.groupSize, 10);
}

TEST_F(BoardTest, FiveInOneSpokeAreRemovableAndFourAreNot) {
    fillColumn(6, {3, 3, 3, 3});
    EXPECT_FALSE(board.isRemovable(0, 6));
    put(4, 6, 3);
    EXPECT_TRUE(board.isRemovable(4, 6));
    EXPECT_EQ(board.groupSize, 5);
    // Only resting pieces count.
    board.cell(2, 6).state = Marked;
    EXPECT_FALSE(board.isRemovable(0, 6));
}

TEST_F(BoardTest, AWholeBoardOfOneColourIsOneGroup) {
    for (int column = 0; column < kColumns; ++column) fillColumn(column, {1, 1, 1, 1, 1});
    EXPECT_TRUE(board.isRemovable(4, 7));
    EXPECT_EQ(board.groupSize, 65);
    board.startRemoval(3, 5);
    EXPECT_EQ(board.removalCount, 65);
    EXPECT_EQ(board.pieceCount, 0);
    EXPECT_EQ(board.busyCount, 66);
}

TEST_F(BoardTest, AddPieceTakesTheLowestFreeRowAndSkipsFullColumns) {
    Random predict = rng;
    int column = predict.below(13);
    int colour = predict.below(5);
    fillColumn(column, {0, 0, 0, 0, 0});
    put(0, (column + 1) % 13, 4);
    board.pieceCount = 6;
    board.waveStagger = 3;
    board.addPiece();
    Cell& placed = board.cell(1, (column + 1) % 13);
    EXPECT_EQ(placed.state, Queued);
    EXPECT_EQ(placed.colour, colour);
    EXPECT_EQ(placed.counter, 15);
    EXPECT_EQ(board.waveStagger, 4);
    EXPECT_EQ(board.busyCount, 1);
    EXPECT_EQ(board.pieceCount, 7);
    EXPECT_EQ(rng.state, predict.state);
}

TEST_F(BoardTest, AWaveOnAFullBoardIsCountedButPlacesNothing) {
    for (int column = 0; column < kColumns; ++column) fillColumn(column, {0, 1, 2, 3, 4});
    uint32_t before = rng.state;
    board.startWave(3);
    EXPECT_EQ(board.pieceCount, 68);
    EXPECT_EQ(board.busyCount, 0);
    EXPECT_EQ(board.phase, WaveArriving);
    EXPECT_EQ(rng.state, before);
}

TEST_F(BoardTest, AWaveStaggersItsPiecesFiveFramesApart) {
    board.startWave(4);
    std::vector<int> counters;
    for (const Cell& c : board.cells)
        if (c.state == Queued) counters.push_back(c.counter);
    std::sort(counters.begin(), counters.end());
    EXPECT_EQ(counters, (std::vector<int>{5, 10, 15, 20}));
    EXPECT_EQ(board.busyCount, 4);
    EXPECT_EQ(board.pieceCount, 4);
}

TEST_F(BoardTest, SelectionRules) {
    put(0, 0, 1);
    put(0, 5, 1);
    put(0, 9, 2);
    board.phase = Idle;
    board.click(1, 0, true);  // empty cell
    EXPECT_EQ(board.selected, -1);
    board.click(0, 0, true);
    EXPECT_EQ(board.selected, 0);
    EXPECT_EQ(board.cells[0].shakeCountdown, 1);
    board.click(0, 5, true);  // same colour: the selection stays
    EXPECT_EQ(board.selected, 0);
    EXPECT_EQ(board.phase, Idle);
    board.click(0, 0, true);  // again: deselects
    EXPECT_EQ(board.selected, -1);
    board.click(0, 5, true);
    board.click(0, 9, true);  // different colour anywhere: swap
    EXPECT_EQ(board.selected, -1);
    EXPECT_EQ(board.phase, Swapping);
    EXPECT_EQ(board.busyCount, 2);
    EXPECT_EQ(board.cell(0, 5).state, SwapAim);
    EXPECT_EQ(board.cell(0, 5).counter, cellIndex(0, 9));
    EXPECT_EQ(board.cell(0, 9).counter, cellIndex(0, 5));
}

TEST_F(BoardTest, ASelectClickOnAPieceInMotionIsIgnored) {
    put(0, 0, 1);
    put(0, 1, 2);
    put(0, 2, 3, FlyingOff);
    put(0, 3, 3, Arriving);
    board.click(0, 2, true);
    EXPECT_EQ(board.selected, -1);
    board.click(0, 0, true);
    board.click(0, 3, true);
    EXPECT_EQ(board.selected, 0);
    EXPECT_EQ(board.cell(0, 3).state, Arriving);
    board.click(0, 1, true);
    EXPECT_EQ(board.phase, Swapping);
}

TEST_F(BoardTest, ARightClickRemovesOnlyAGroupOfFive) {
    fillColumn(2, {1, 1, 1, 1});
    put(0, 3, 2);
    board.phase = Idle;
    play.removalScore = 99;
    board.click(0, 2, false);
    EXPECT_EQ(board.phase, Idle);
    EXPECT_EQ(play.removalScore, 99);
    put(4, 2, 1);
    board.select(15);
    board.click(4, 2, false);
    EXPECT_EQ(board.phase, Removing);
    EXPECT_EQ(board.selected, -1);
    EXPECT_EQ(play.removalScore, 0);
    EXPECT_EQ(board.busyCount, 6);
    EXPECT_EQ(board.removedPerColumn[2], 5);
}

TEST_F(BoardTest, FinishSwapExchangesWholeRecordsAndStartsAWaveOfFour) {
    put(0, 0, 1);
    put(2, 6, 4);
    board.cell(0, 0).shakeX = 2;
    board.cell(2, 6).shakeY = -2;
    board.requestSwap(cellIndex(0, 0), cellIndex(2, 6));
    board.finishSwap();
    EXPECT_EQ(board.cell(0, 0).colour, 4);
    EXPECT_EQ(board.cell(0, 0).shakeY, -2);
    EXPECT_EQ(board.cell(2, 6).colour, 1);
    EXPECT_EQ(board.cell(2, 6).shakeX, 2);
    EXPECT_EQ(board.cell(0, 0).state, Resting);
    EXPECT_EQ(board.cell(2, 6).state, Resting);
    EXPECT_EQ(board.phase, WaveArriving);
    EXPECT_EQ(board.busyCount, 4);
    EXPECT_EQ(board.pieceCount, 6);
}

TEST_F(BoardTest, ScatterSendsOffOnlyRestingPieces) {
    put(0, 0, 1);
    put(1, 0, 1);
    put(0, 4, 2, Queued);
    board.select(0);
    board.scatterAll();
    EXPECT_EQ(board.phase, Clearing);
    EXPECT_EQ(board.busyCount, 2);
    EXPECT_EQ(board.cell(0, 0).state, Departing);
    EXPECT_EQ(board.cell(1, 0).counter, 1);
    EXPECT_EQ(board.cell(0, 4).state, Queued);
    EXPECT_EQ(board.selected, -1);
    EXPECT_EQ(board.pieceCount, 3);
}

TEST_F(BoardTest, SettlingAColumnThatLostItsTwoInnerRowsTakesTwoSteps) {
    fillColumn(8, {0, 0, 2, 3, 4});
    fillColumn(9, {1, 1});
    board.cell(0, 8).state = Empty;
    board.cell(1, 8).state = Empty;
    board.cell(2, 8).shakeFrame = 1;
    EXPECT_TRUE(board.settleStep());
    EXPECT_EQ(board.cell(0, 8).state, Empty);
    EXPECT_EQ(board.cell(1, 8).colour, 2);
    EXPECT_EQ(board.cell(1, 8).shakeFrame, 1);
    EXPECT_TRUE(board.settleStep());
    EXPECT_FALSE(board.settleStep());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(board.cell(row, 8).state, Resting);
        EXPECT_EQ(board.cell(row, 8).colour, row + 2);
    }
    EXPECT_EQ(board.cell(3, 8).state, Empty);
    EXPECT_EQ(board.cell(4, 8).state, Empty);
    EXPECT_EQ(board.cell(0, 9).colour, 1);
}

TEST_F(BoardTest, ClearBoardEmptiesAndBringsTheCarrierHome) {
    put(0, 0, 1);
    board.select(0);
    board.carrierX = 10;
    board.busyCount = 7;
    board.phase = Swapping;
    board.clearBoard();
    EXPECT_EQ(board.cells[0].state, Empty);
    EXPECT_EQ(board.pieceCount, 0);
    EXPECT_EQ(board.selected, -1);
    EXPECT_EQ(board.carrierX, 324.0f);
    EXPECT_EQ(board.busyCount, 7);
    EXPECT_EQ(board.phase, Swapping);
}

}  // namespace
}  // namespace vantor
