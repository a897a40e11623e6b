#include <cmath>

#include "audio/sound_device.h"
#include "game/board.h"
#include "game/cell_positions.h"
#include "game/play_screen.h"

namespace vantor {
namespace {

constexpr float kCarrierSpeed = 13.0f;
constexpr float kPerCarrierPixel = 0.07692308f;
constexpr int kEatingChannel = 2;

}  // namespace

bool Board::carrierStep() {
    carrierX += carrierVx;
    --carrierFrames;
    carrierY += carrierVy;
    if (carrierFrames == 0 && --busyCount >= 0) {
        eatNextPiece();
        planCarrierLeg();
    }
    return busyCount == -1;
}

void Board::planCarrierLeg() {
    float tx = kCarrierHomeX;
    float ty = kCarrierHomeY;
    if (removalCount != 0) {
        const RowColumn& next = removalList[removalCount - 1];
        const CellPosition target = CellPositions[cellIndex(next.row, next.column)];
        tx = static_cast<float>(target.x);
        ty = static_cast<float>(target.y);
    }
    float dx = tx - carrierX;
    float dy = ty - carrierY;
    float d = static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    carrierVx = dx / d * kCarrierSpeed;
    carrierVy = dy / d * kCarrierSpeed;
    carrierFrames = static_cast<int32_t>(d * kPerCarrierPixel);
}

void Board::eatNextPiece() {
    if (firstLegPending) {
        firstLegPending = 0;
        return;
    }
    if (removalCount == 0) return;
    const RowColumn eaten = removalList[--removalCount];
    Cell& c = cell(eaten.row, eaten.column);
    play.removalScore += pieceValue(c.colour);
    c.state = Empty;
    soundDevice.play(kEatingChannel, 0);
}

}  // namespace vantor
