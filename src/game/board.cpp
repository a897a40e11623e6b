#include "game/board.h"

#include <cstring>

#include "audio/sound_device.h"
#include "common/random.h"
#include "game/play_screen.h"
#include "game/wave_sizes.h"

namespace vantor {
namespace {

constexpr int kSwapSound = 10;
constexpr int kScatterSound = 9;

int wrapColumn(int column) { return (column + kColumns) % kColumns; }

}  // namespace

void Board::clearBoard() {
    for (Cell& c : cells) c.state = Empty;
    pieceCount = 0;
    select(-1);
    carrierX = kCarrierHomeX;
    carrierY = kCarrierHomeY;
}

void Board::addPiece() {
    if (++pieceCount > kCells) return;  // refused, but counted: that ends the game
    int column = rng.below(kColumns);
    int row = 0;
    for (;;) {
        for (row = 0; row < kRows; ++row)
            if (cell(row, column).state == Empty) break;
        if (row < kRows) break;
        column = wrapColumn(column + 1);
    }
    Cell& c = cell(row, column);
    c.colour = static_cast<int8_t>(rng.below(kColours));
    c.state = Queued;
    c.counter = waveStagger * kArrivalStagger;
    ++waveStagger;
    ++busyCount;
}

void Board::startWave(int count) {
    waveStagger = 1;
    busyCount = 0;
    for (int i = 0; i < count; ++i) addPiece();
    phase = WaveArriving;
}

// Depth first: the cell, its inner and outer neighbours, and on the hub ring
// the neighbour before it; the neighbour after it is walked in a loop, which
// keeps the ring from deepening the recursion.
template <typename Take>
void Board::visitGroup(int row, int column, int colour, Take& take) {
    Cell* c = &cell(row, column);
    if (c->visited) return;
    for (;;) {
        if (c->state != Resting || c->colour != colour) return;
        c->visited = 1;
        take(row, column);
        if (row > 0) visitGroup(row - 1, column, colour, take);
        if (row < kRows - 1) visitGroup(row + 1, column, colour, take);
        if (row != 0) return;
        visitGroup(0, wrapColumn(column - 1), colour, take);
        column = wrapColumn(column + 1);
        c = &cell(0, column);
        if (c->visited) return;
    }
}

void Board::clearVisited() {
    for (Cell& c : cells) c.visited = 0;
}

void Board::countGroup(int row, int column, int colour) {
    auto count = [this](int, int) { ++groupSize; };
    visitGroup(row, column, colour, count);
}

bool Board::isRemovable(int row, int column) {
    groupSize = 0;
    clearVisited();
    countGroup(row, column, cell(row, column).colour);
    return groupSize >= kSmallestRemovableGroup;
}

void Board::markGroup(int row, int column, int colour) {
    auto mark = [this](int r, int c) {
        cell(r, c).state = Marked;
        --pieceCount;
        ++busyCount;
        ++removedPerColumn[c];
        removalList[removalCount++] = RowColumn{r, c};
    };
    visitGroup(row, column, colour, mark);
}

void Board::startRemoval(int row, int column) {
    clearVisited();
    std::memset(removedPerColumn, 0, sizeof removedPerColumn);
    busyCount = 0;
    removalCount = 0;
    markGroup(row, column, cell(row, column).colour);
    carrierFrames = 1;
    firstLegPending = 1;
    ++busyCount;  // the carrier's way home
}

void Board::select(int index) {
    selected = index;
    if (index < 0) return;
    cells[index].counter = 0;
    cells[index].shakeCountdown = 1;
}

void Board::click(int row, int column, bool isSelectClick) {
    int i = cellIndex(row, column);
    if (cells[i].state == Empty) return;
    if (isSelectClick) {
        // A release can come after the phase has left Idle; a piece in motion
        // must not be selected or swapped.
        if (cells[i].state != Resting) return;
        if (selected < 0) {
            select(i);
        } else if (selected == i) {
            select(-1);
        } else if (cells[selected].colour != cells[i].colour) {
            requestSwap(selected, i);
            select(-1);
        }
        return;
    }
    if (!isRemovable(row, column)) return;
    select(-1);
    phase = Removing;
    play.removalScore = 0;
    startRemoval(row, column);
}

void Board::requestSwap(int a, int b) {
    swapA = a;
    swapB = b;
    cells[a].state = SwapAim;
    cells[a].counter = b;
    cells[a].shakeCountdown = 1;
    cells[b].state = SwapAim;
    cells[b].counter = a;
    cells[b].shakeCountdown = 1;
    phase = Swapping;
    busyCount = 2;
    soundDevice.playRegion(0, kSwapSound);
}

void Board::finishSwap() {
    Cell held = cells[swapA];
    cells[swapA] = cells[swapB];
    cells[swapB] = held;
    cells[swapA].state = Resting;
    cells[swapB].state = Resting;
    startWave(waveSizes.afterSwap);
}

void Board::scatterAll() {
    waveStagger = 1;
    busyCount = 0;
    phase = Clearing;
    for (Cell& c : cells) {
        if (c.state != Resting) continue;
        c.state = Departing;
        c.counter = 1;
        ++busyCount;
    }
    soundDevice.playRegion(0, kScatterSound);
    select(-1);
}

bool Board::settleStep() {
    bool moved = false;
    for (int column = 0; column < kColumns; ++column) {
        bool holdsPiece = false;
        for (int row = 0; row < kRows; ++row) holdsPiece |= cell(row, column).state != Empty;
        if (!holdsPiece || cell(0, column).state != Empty) continue;
        for (int row = 0; row < kRows - 1; ++row) cell(row, column) = cell(row + 1, column);
        cell(kRows - 1, column).state = Empty;
        moved = true;
    }
    return moved;
}

}  // namespace vantor
