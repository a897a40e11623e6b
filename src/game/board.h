#pragma once
#include <cstdint>

#include "game/cell.h"

namespace vantor {

enum Phase : int32_t {
    StartDelay = 0,
    Idle = 1,
    // 2 is never entered.
    Removing = 3,
    PreScore = 4,
    PostScore = 5,
    Settling = 6,
    PreRefill = 7,
    WaveArriving = 8,
    Clearing = 9,
    Swapping = 10,
};

constexpr int kColumns = 13;
constexpr int kRows = 5;
constexpr int kCells = kColumns * kRows;
constexpr int kColours = 5;
constexpr int kSmallestRemovableGroup = 5;
constexpr int kArrivalStagger = 5;
constexpr int kFullSpokeBonus = 10;
constexpr float kCarrierHomeX = 324.0f;
constexpr float kCarrierHomeY = 238.0f;

constexpr int32_t kSettledCells = -1;

inline int cellIndex(int row, int column) { return column * kRows + row; }
inline int pieceValue(int colour) { return colour + 2; }

struct RowColumn {
    int32_t row = 0;
    int32_t column = 0;
};

// The wheel: 13 spokes of 5 cells, the rules that change it, and the carrier
// that eats removed groups.
struct Board {
    int32_t groupSize = 0;
    RowColumn removalList[kCells] = {};
    int32_t removalCount = 0;
    float carrierX = kCarrierHomeX;
    float carrierY = kCarrierHomeY;
    float carrierVx = 0;
    float carrierVy = 0;
    int32_t carrierFrames = 0;
    Cell cells[kCells] = {};
    int32_t pieceCount = 0;
    int32_t selected = -1;
    int32_t swapA = 0;
    int32_t swapB = 0;
    int32_t busyCount = 0;
    int32_t phase = StartDelay;
    uint8_t removedPerColumn[kColumns] = {};
    // The first carrier arrival of a removal only aims; nothing is eaten yet.
    int32_t firstLegPending = 0;
    // Numbers the pieces of the wave being placed, so they fly in one by one.
    int32_t waveStagger = 0;

    Cell& cell(int row, int column) { return cells[cellIndex(row, column)]; }

    // Rules.
    void clearBoard();
    void addPiece();
    void startWave(int count);
    void countGroup(int row, int column, int colour);
    bool isRemovable(int row, int column);
    void markGroup(int row, int column, int colour);
    void startRemoval(int row, int column);
    void select(int index);
    void click(int row, int column, bool isSelectClick);
    void requestSwap(int a, int b);
    void finishSwap();
    void scatterAll();
    bool settleStep();

    // Motion.
    void updateAll();
    // One frame of the carrier during a removal; true once it is home.
    bool carrierStep();
    void planCarrierLeg();
    void eatNextPiece();

private:
    template <typename Take>
    void visitGroup(int row, int column, int colour, Take& take);
    void clearVisited();
    // Advances, in drawing order, the cells in state onlyState, or with
    // kSettledCells every cell that is not in flight.
    void advanceCells(int32_t onlyState);
};

inline Board board;

}  // namespace vantor
