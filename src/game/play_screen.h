#pragma once
#include <cstdint>

namespace vantor {

// The play screen's own state beside the board.
struct PlayState {
    int32_t clickState = 0;  // 1 while a left press made in Idle waits for its release
    int32_t stepDivider = 0;  // paces the scoring and refill phases
    int32_t score = 0;
    int32_t removalScore = 0;
    int32_t keepScore = 0;
};

inline PlayState play;

// One frame of the game: composes it (and presents it when show is true) and
// advances the game one step. 0 when the player left through the menu.
// In the frame the game ends it leaves the last screen in savedScreen.
int playFrame(bool show);

// Empties the board for a new game, the cell cursor back on the first cell;
// the score goes unless keepScore is set.
void resetForNewGame();

// The cell whose anchor lies within 17 pixels of (x, y), first by index; -1 for none.
int hitCell(int x, int y);

// All eleven keys that scatter the board but keep the score.
bool reDealChordHeld();

}  // namespace vantor
