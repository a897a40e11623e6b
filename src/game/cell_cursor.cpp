#include "game/cell_cursor.h"

#include <algorithm>

#include "game/board.h"
#include "game/cell_positions.h"
#include "input/input_devices.h"
#include "video/vdp.h"

namespace vantor {
namespace {

// The game palette's white and near black: a light band with a dark edge
// shows on the sea, the stone and every piece colour.
constexpr uint8_t kRingColour = 2;
constexpr uint8_t kEdgeColour = 3;
// Radii squared, in pixels from the anchor: the band lies between the
// inner and outer edges; neighbouring anchors are 29 pixels apart or more.
constexpr int kInnerEdge = 11 * 11;
constexpr int kBandFrom = 12 * 12;
constexpr int kBandTo = 14 * 14;
constexpr int kOuterEdge = 15 * 15;

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
    if (!inputDevices.keyPointer.leads()) return;
    const CellPosition& at = anchor();
    for (int dy = -15; dy <= 15; ++dy) {
        for (int dx = -15; dx <= 15; ++dx) {
            int d = dx * dx + dy * dy;
            if (d < kInnerEdge || d >= kOuterEdge) continue;
            bool band = d >= kBandFrom && d < kBandTo;
            vdp.fillRect(at.x + dx, at.y + dy, 1, 1, band ? kRingColour : kEdgeColour);
        }
    }
}

}  // namespace vantor
