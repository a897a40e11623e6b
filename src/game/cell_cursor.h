#pragma once
#include <cstdint>

namespace vantor {

struct CellPosition;

// The keyboard's and the game controller's hand on the board: a ring on
// one cell. Left and Right go round the wheel, Up goes outward and Down
// inward; Space or Enter clicks the left button on the cell and Delete or X
// the right one, through the game's own pointer, as a mouse would.
struct CellCursor {
    int32_t column = 0;
    int32_t row = 0;

    // Reads this frame's keys; the play screen calls it once a frame. The
    // first key after the mouse had the pointer only shows the ring.
    void steer();
    // The ring, while keys lead.
    void draw() const;

private:
    const CellPosition& anchor() const;
};

inline CellCursor cellCursor;

}  // namespace vantor
