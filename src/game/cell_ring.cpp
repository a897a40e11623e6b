#include "game/cell_ring.h"

#include <algorithm>
#include <cstdlib>

#include "game/cell_positions.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr uint8_t kEdgeColour = 3;  // the game palette's near black
constexpr int kInnerEdge = 11;
// Tangents of 11.25 and 33.75 degrees, in thousandths.
constexpr int kNearAxis = 199;
constexpr int kNearDiagonal = 668;

// Eight dashes, one across the top, each an eighth of the way round: within
// 11.25 degrees of an axis or a diagonal. In whole numbers, so that every
// build draws the same pixels.
bool onDash(int dx, int dy) {
    int longer = std::max(std::abs(dx), std::abs(dy)), shorter = std::min(std::abs(dx), std::abs(dy));
    return shorter * 1000 < longer * kNearAxis || shorter * 1000 > longer * kNearDiagonal;
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
