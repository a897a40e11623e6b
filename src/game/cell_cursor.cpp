#include "game/cell_cursor.h"

#include <algorithm>
#include <initializer_list>

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

int moveBy(uint8_t forward, uint8_t back) {
    return (inputDevices.keyRepeats(forward) ? 1 : 0) - (inputDevices.keyRepeats(back) ? 1 : 0);
}

bool pressed(std::initializer_list<uint8_t> keys) {
    return std::any_of(keys.begin(), keys.end(), [](uint8_t k) { return inputDevices.keyPressed(k); });
}

}  // namespace

void CellCursor::steer() {
    int across = moveBy(DIK_RIGHT, DIK_LEFT);
    int outward = moveBy(DIK_UP, DIK_DOWN);
    bool left = pressed({DIK_SPACE, DIK_RETURN, DIK_NUMPADENTER});
    bool right = pressed({DIK_DELETE, DIK_X});
    if (!across && !outward && !left && !right) return;
    KeyPointer& pointer = inputDevices.keyPointer;
    if (!pointer.leads()) {
        pointer.lead();
        return;
    }
    column = (column + across + kColumns) % kColumns;
    row = std::clamp(row + outward, 0, kRows - 1);
    if (!left && !right) return;
    const CellPosition& at = CellPositions[column * kRows + row];
    pointer.press(at.x, at.y, left ? 0 : 1);
}

void CellCursor::draw() const {
    if (!inputDevices.keyPointer.leads()) return;
    const CellPosition& at = CellPositions[column * kRows + row];
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
