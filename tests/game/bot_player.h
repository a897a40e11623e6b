#pragma once
#include <deque>

#include "game/board.h"
#include "game/cell_positions.h"
#include "input/input_devices.h"

namespace vantor::test {

// Decides the mouse from what it sees on the board, like a player would.
// Away from a game (title, tables, game over) it clicks now and then to get on.
class BotPlayer {
public:
    MouseState step() {
        if (!atPlay()) {
            plan_.clear();
            now_.right = 0;
            now_.left = ++waitingPolls_ % 10 == 0 ? 0x80 : 0;
            return now_;
        }
        if (plan_.empty() && board.phase == Idle) makePlan();
        if (plan_.empty()) {
            now_.left = now_.right = 0;
        } else {
            now_ = plan_.front();
            plan_.pop_front();
        }
        return now_;
    }

private:
    static bool atPlay() {
        if (board.phase == StartDelay) return board.busyCount > 0;
        if (board.phase == Idle) return board.pieceCount > 0 && board.pieceCount <= kCells;
        return true;
    }
    int below(int n) {
        seed_ = seed_ * 1103515245u + 12345u;
        return static_cast<int>((seed_ >> 16) % static_cast<uint32_t>(n));
    }
    void at(int index, int left, int right) {
        plan_.push_back(MouseState{CellPositions[index].x, CellPositions[index].y, left, right});
    }
    int restingCell(int notColour) {
        int start = below(kCells);
        for (int k = 0; k < kCells; ++k) {
            int i = (start + k) % kCells;
            if (board.cells[i].state == Resting && board.cells[i].colour != notColour) return i;
        }
        return -1;
    }
    int removableCell() {
        int start = below(kCells);
        for (int k = 0; k < kCells; ++k) {
            int i = (start + k) % kCells;
            Board copy = board;
            if (copy.cells[i].state == Resting && copy.isRemovable(i % kRows, i / kRows)) return i;
        }
        return -1;
    }
    void makePlan() {
        int choice = below(8);
        int group = removableCell();
        if (group >= 0 && choice < 4) {
            at(group, 0, 0);
            at(group, 0, 0x80);
            at(group, 0, 0);
            return;
        }
        int a = restingCell(-1);
        if (a < 0) return;
        if (choice == 7) {  // a change of mind: select, then deselect
            at(a, 0, 0);
            at(a, 0x80, 0);
            at(a, 0, 0);
            at(a, 0x80, 0);
            at(a, 0, 0);
            return;
        }
        int b = restingCell(board.cells[a].colour);
        if (b < 0) return;
        at(a, 0, 0);
        at(a, 0x80, 0);
        at(a, 0, 0);
        at(b, 0x80, 0);
        at(b, 0x80, 0);
        at(b, 0, 0);
        if (choice == 6) at(b, 0, 0x80);  // a right press while the swap starts
    }

    uint32_t seed_ = 7;
    int waitingPolls_ = 0;
    MouseState now_{320, 240, 0, 0};
    std::deque<MouseState> plan_;
};

}  // namespace vantor::test
