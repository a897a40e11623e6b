#include "game/cell_ring.h"

#include <cmath>

#include "game/cell_positions.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr uint8_t kEdgeColour = 3;  // the game palette's near black
// Radii squared, in pixels from the anchor: the band lies between the
// inner and outer edges; neighbouring anchors are 29 pixels apart or more.
constexpr int kInnerEdge = 11 * 11;
constexpr int kBandFrom = 12 * 12;
constexpr int kBandTo = 14 * 14;
constexpr int kOuterEdge = 15 * 15;
constexpr float kDashTurn = 3.14159265f / 8;

// Every other eighth of the way round, starting across the top.
bool onDash(int dx, int dy) {
    float turn = std::atan2(float(dy), float(dx)) + kDashTurn / 2;
    return static_cast<int>(std::floor(turn / kDashTurn)) % 2 == 0;
}

}  // namespace

void drawCellRing(const CellPosition& at, uint8_t band, bool dashed) {
    for (int dy = -15; dy <= 15; ++dy) {
        for (int dx = -15; dx <= 15; ++dx) {
            int d = dx * dx + dy * dy;
            if (d < kInnerEdge || d >= kOuterEdge || (dashed && !onDash(dx, dy))) continue;
            bool inBand = d >= kBandFrom && d < kBandTo;
            vdp.fillRect(at.x + dx, at.y + dy, 1, 1, inBand ? band : kEdgeColour);
        }
    }
}

}  // namespace vantor
