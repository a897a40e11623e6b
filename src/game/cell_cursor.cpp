#include "game/cell_cursor.h"

#include <algorithm>

#include "game/board.h"
#include "game/cell_positions.h"
#include "game/cell_ring.h"
#include "input/input_devices.h"

namespace vantor {
namespace {

// The game palette's white: a light band with a dark edge shows on the
// sea, the stone and every piece colour.
constexpr uint8_t kRingColour = 2;

}  // namespace

void CellCursor::steer() {
    int across = inputDevices.keyStep(DIK_RIGHT, DIK_LEFT);
    int outward = inputDevices.keyStep(DIK_UP, DIK_DOWN);
    bool left = inputDevices.anyKeyPressed({DIK_SPACE, DIK_RETURN, DIK_NUMPADENTER});
    bool right = inputDevices.anyKeyPressed({DIK_DELETE, DIK_X});
    if (!across && !outward && !left && !right) return;
    KeyPointer& pointer = inputDevices.keyPointer;
    if (!pointer.leads()) {
        pointer.lead();
        return;
    }
    column = (column + across + kColumns) % kColumns;
    row = std::clamp(row + outward, 0, kRows - 1);
    if (!left && !right) return;
    const CellPosition& at = anchor();
    pointer.press(at.x, at.y, left ? 0 : 1);
}

const CellPosition& CellCursor::anchor() const { return CellPositions[cellIndex(row, column)]; }

void CellCursor::draw() const {
    if (inputDevices.keyPointer.leads()) drawCellRing(anchor(), kRingColour, 2, false);
}

}  // namespace vantor
