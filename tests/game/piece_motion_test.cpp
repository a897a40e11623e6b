#include <cmath>

#include "game/cell_positions.h"
#include "game_fixture.h"

namespace vantor {
namespace {

using PieceMotionTest = test::GameTest;

TEST_F(PieceMotionTest, AQueuedPieceWaitsThenArrivesInTwentyFramesSpinningToItsColumn) {
    const int row = 2, column = 4;
    put(row, column, 3, Queued);
    Cell& c = board.cell(row, column);
    c.counter = 2;
    EXPECT_EQ(c.advance(row, column, false), 0);
    EXPECT_EQ(c.state, Queued);

    Random predict = rng;
    int spin = predict.below(2) * 2 - 1;
    EXPECT_EQ(c.advance(row, column, false), 0);
    ASSERT_EQ(c.state, Arriving);
    EXPECT_EQ(c.spin, spin);
    EXPECT_EQ(rng.state, predict.state);

    const CellPosition anchor = CellPositions[cellIndex(row, column)];
    float startDistance = std::hypot(c.x - 325.0f, c.y - 238.0f);
    float cellDistance = std::hypot(anchor.x - 325.0f, anchor.y - 238.0f);
    EXPECT_NEAR(startDistance - cellDistance, 300.0f, 0.01f);

    std::vector<int> shown;
    int landed = 0;
    for (int frame = 0; frame < 20; ++frame) {
        shown.push_back(c.counter);
        landed += c.advance(row, column, false);
        EXPECT_EQ(c.state, frame < 19 ? Arriving : Resting);
    }
    EXPECT_EQ(landed, 1);
    EXPECT_EQ(shown.front(), (column + 7) % 13);
    EXPECT_EQ(shown.back(), spin > 0 ? column : (column + 14) % 13);
    for (size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i], (shown[i - 1] + spin + 13) % 13);
    EXPECT_NEAR(c.x, anchor.x, 0.01f);
    EXPECT_NEAR(c.y, anchor.y, 0.01f);
}

TEST_F(PieceMotionTest, AScatteredPieceFliesOffForTwentyFiveFrames) {
    put(0, 7, 2, Departing);
    Cell& c = board.cell(0, 7);
    c.counter = 1;
    Random predict = rng;
    double angle = predict.below(360) * 0.01745277777777778;
    EXPECT_EQ(c.advance(0, 7, false), 0);
    ASSERT_EQ(c.state, FlyingOff);
    EXPECT_EQ(c.framesLeft, 25);
    EXPECT_FLOAT_EQ(c.vx, static_cast<float>(std::cos(angle)) * 24.0f);
    EXPECT_FLOAT_EQ(c.vy, static_cast<float>(std::sin(angle)) * 24.0f);
    int ended = 0;
    for (int frame = 0; frame < 25; ++frame) ended += c.advance(0, 7, false);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(c.state, Empty);
    EXPECT_NEAR(std::hypot(c.x - 305.0f, c.y - 301.0f), 600.0f, 0.05f);
}

// Frames from the request until both flights have ended.
int swapFrames(int a, int b, int& flightFrames) {
    board.requestSwap(a, b);
    board.updateAll();
    flightFrames = board.cells[a].framesLeft;
    EXPECT_EQ(board.cells[b].framesLeft, flightFrames);
    return 1 + test::GameTest::framesUntilIdle();
}

TEST_F(PieceMotionTest, SwapFlightsLastTheirTruncatedDistance) {
    put(0, 0, 1);
    put(1, 0, 2);
    put(1, 7, 3);
    put(2, 8, 4);
    int flight = 0;
    EXPECT_EQ(swapFrames(cellIndex(0, 0), cellIndex(1, 0), flight), 13);
    EXPECT_EQ(flight, 1);
    // Cells 36 and 42 lie exactly 58 pixels apart.
    EXPECT_EQ(swapFrames(36, 42, flight), 14);
    EXPECT_EQ(flight, 2);
    EXPECT_EQ(board.cells[36].state, SwapFlight);
    EXPECT_NEAR(board.cells[36].x, 238.0f, 0.01f);
}

TEST_F(PieceMotionTest, ASelectedPieceShakesWithFreshOffsetsEveryTwoFrames) {
    put(3, 5, 0);
    board.select(cellIndex(3, 5));
    Cell& c = board.cell(3, 5);
    Random predict = rng;
    int frame = predict.below(3) - 1;
    int x = predict.below(5) - 2;
    int y = predict.below(5) - 2;
    board.updateAll();
    EXPECT_EQ(rng.state, predict.state);
    EXPECT_EQ(c.shakeFrame, frame);
    EXPECT_EQ(c.shakeX, x);
    EXPECT_EQ(c.shakeY, y);
    board.updateAll();
    EXPECT_EQ(rng.state, predict.state);
    board.updateAll();
    EXPECT_NE(rng.state, predict.state);
    EXPECT_EQ(c.state, Resting);
}

TEST_F(PieceMotionTest, AGroupOfFiveIsEatenInSevenCarrierArrivals) {
    fillColumn(10, {0, 1, 2, 3, 4});
    fillColumn(11, {2, 2, 2, 2});
    put(0, 12, 2);
    board.phase = Idle;
    board.click(0, 11, false);
    ASSERT_EQ(board.phase, Removing);
    int arrivals = 0;
    std::vector<int> eatenOrder;
    bool home = false;
    for (int frame = 0; frame < 500 && !home; ++frame) {
        int before = board.busyCount;
        home = board.carrierStep();
        if (board.busyCount == before) continue;
        ++arrivals;
        for (int i = 0; i < kCells; ++i)
            if (board.cells[i].state == Empty && board.cells[i].colour == 2 &&
                std::find(eatenOrder.begin(), eatenOrder.end(), i) == eatenOrder.end())
                eatenOrder.push_back(i);
    }
    EXPECT_TRUE(home);
    EXPECT_EQ(arrivals, 7);
    EXPECT_EQ(board.busyCount, -1);
    EXPECT_EQ(play.removalScore, 5 * 4);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(board.cell(row, 11).state, Empty);
    EXPECT_EQ(board.cell(0, 12).state, Empty);
    // Eaten in the reverse of the marking order: the ring neighbour went last.
    std::vector<int> expected = {cellIndex(0, 12), cellIndex(3, 11), cellIndex(2, 11),
                                 cellIndex(1, 11), cellIndex(0, 11)};
    EXPECT_EQ(eatenOrder, expected);
    EXPECT_NEAR(board.carrierX, 324.0f, 13.0f);
    EXPECT_NEAR(board.carrierY, 238.0f, 13.0f);
}

}  // namespace
}  // namespace vantor
