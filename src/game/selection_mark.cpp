#include "game/selection_mark.h"

#include "game/board.h"
#include "game/cell_positions.h"
#include "game/cell_ring.h"

namespace vantor {
namespace {

constexpr uint8_t kMarkColour = 155;  // bright in the game palette's gold ramp

}  // namespace

void drawSelectionMark() {
    if (board.selected >= 0 && board.selected < kCells) drawCellRing(CellPositions[board.selected], kMarkColour, 3, true);
}

}  // namespace vantor
