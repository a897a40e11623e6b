#include "game/cell_ring.h"

#include <cmath>

#include "game/cell_positions.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr uint8_t kEdgeColour = 3;  // the game palette's near black
constexpr int kInnerEdge = 11;
constexpr float kDashTurn = 3.14159265f / 8;

// Every other eighth of the way round, starting across the top.
bool onDash(int dx, int dy) {
    float turn = std::atan2(float(dy), float(dx)) + kDashTurn / 2;
    return static_cast<int>(std::floor(turn / kDashTurn)) % 2 == 0;
}

}  // namespace

void drawCellRing(const CellPosition& at, uint8_t band, int width, bool dashed) {
    // Radii squared: the band lies between the inner and outer edges.
    const int outer = kInnerEdge + width + 1;
    const int bandFrom = (kInnerEdge + 1) * (kInnerEdge + 1), bandTo = outer * outer;
    for (int dy = -outer; dy <= outer; ++dy) {
        for (int dx = -outer; dx <= outer; ++dx) {
            int d = dx * dx + dy * dy;
            if (d < kInnerEdge * kInnerEdge || d >= (outer + 1) * (outer + 1) || (dashed && !onDash(dx, dy))) continue;
            bool inBand = d >= bandFrom && d < bandTo;
            vdp.fillRect(at.x + dx, at.y + dy, 1, 1, inBand ? band : kEdgeColour);
        }
    }
}

}  // namespace vantor
