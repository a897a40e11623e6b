#include "game/touch_aim.h"

#include <algorithm>

#include "game/board.h"
#include "game/cell_positions.h"
#include "game/menu_button_animation.h"
#include "game/speed_control.h"

namespace vantor {
namespace {

constexpr int kPickRadius = 17;

}  // namespace

void aimTouchAtCell(int32_t& x, int32_t& y, int reach) {
    if (insideMenuButton(x, y) || onSpeedGauge(x, y)) return;
    int64_t r = std::max(reach, kPickRadius);
    int64_t best = r * r;
    int nearest = -1;
    for (int i = 0; i < kCells; ++i) {
        int64_t dx = CellPositions[i].x - x, dy = CellPositions[i].y - y;
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = i;
        }
    }
    if (nearest < 0) return;
    x = CellPositions[nearest].x;
    y = CellPositions[nearest].y;
}

}  // namespace vantor
