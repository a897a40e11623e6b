#include <cmath>

#include "audio/sound_device.h"
#include "common/random.h"
#include "game/board.h"
#include "game/cell_positions.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int kFrames = 13;
constexpr int kFlightFrame = 12;
constexpr float kArrivalTargetX = 325.0f;
constexpr float kArrivalTargetY = 238.0f;
constexpr float kArrivalSpeed = 15.0f;
constexpr int kArrivalFrames = 20;
constexpr float kFlyOffPath = 600.0f;
constexpr float kFlyOffSpeed = 24.0f;
constexpr float kPerFlyOffPixel = 0.041666668f;
constexpr double kRadiansPerDegree = 0.01745277777777778;
constexpr float kSwapSpeed = 29.0f;
constexpr float kPerSwapPixel = 0.03448276f;
constexpr int kSwapShakeFrames = 12;
constexpr int kLandingChannel = 3;

void drawPiece(int colour, int frame, int x, int y) { vdp.drawImage(x, y, res.pieces[colour][frame]); }

int wrapFrame(int frame) {
    if (frame < 0) return frame + kFrames;
    if (frame >= kFrames) return frame - kFrames;
    return frame;
}

}  // namespace

void Cell::planArrival(int column, float ax, float ay) {
    counter = (column + 20) % kFrames;
    spin = rng.below(2) * 2 - 1;
    state = Arriving;
    framesLeft = kArrivalFrames;
    x = ax;
    y = ay;
    float dx = kArrivalTargetX - x;
    float dy = kArrivalTargetY - y;
    pathLength = std::sqrt(dx * dx + dy * dy);
    vx = dx / pathLength * kArrivalSpeed;
    vy = dy / pathLength * kArrivalSpeed;
    x = x - vx * static_cast<float>(kArrivalFrames);
    y = y - vy * static_cast<float>(kArrivalFrames);
}

void Cell::planFlyOff(float ax, float ay) {
    x = ax;
    y = ay;
    pathLength = kFlyOffPath;
    double angle = rng.below(360) * kRadiansPerDegree;
    cosine = static_cast<float>(std::cos(angle));
    sine = static_cast<float>(std::sin(angle));
    vx = cosine * kFlyOffSpeed;
    vy = sine * kFlyOffSpeed;
    framesLeft = static_cast<int32_t>(pathLength * kPerFlyOffPixel);
    state = FlyingOff;
}

void Cell::planSwapFlight(float ax, float ay) {
    x = ax;
    y = ay;
    swapY = y;
    float dx = static_cast<float>(CellPositions[counter].x) - x;
    float dy = static_cast<float>(CellPositions[counter].y) - y;
    pathLength = std::sqrt(dx * dx + dy * dy);
    vx = dx / pathLength * kSwapSpeed;
    vy = dy / pathLength * kSwapSpeed;
    framesLeft = static_cast<int32_t>(pathLength * kPerSwapPixel);
    state = SwapShake;
    counter = kSwapShakeFrames;
}

void Cell::drawShaking(int column, int ax, int ay) const {
    drawPiece(colour, wrapFrame(column + shakeFrame), ax + shakeX, ay + shakeY);
}

void Cell::reshuffleShake() {
    if (--shakeCountdown != 0) return;
    shakeFrame = rng.below(3) - 1;
    shakeX = rng.below(5) - 2;
    shakeCountdown = 2;
    shakeY = rng.below(5) - 2;
}

int Cell::advance(int row, int column, bool isSelected) {
    const CellPosition anchor = CellPositions[cellIndex(row, column)];
    if (isSelected) {
        drawShaking(column, anchor.x, anchor.y);
        reshuffleShake();
        return 0;
    }
    switch (state) {
    case Resting:
    case Marked:
        drawPiece(colour, column, anchor.x, anchor.y);
        return 0;
    case Queued:
        if (--counter == 0) planArrival(column, static_cast<float>(anchor.x), static_cast<float>(anchor.y));
        return 0;
    case Arriving:
        drawPiece(colour, counter, static_cast<int>(x), static_cast<int>(y));
        x += vx;
        y += vy;
        counter = wrapFrame(counter + spin);
        if (--framesLeft != 0) return 0;
        state = Resting;
        soundDevice.play(kLandingChannel, 0);
        return 1;
    case Departing:
        if (--counter == 0) planFlyOff(static_cast<float>(anchor.x), static_cast<float>(anchor.y));
        drawPiece(colour, column, anchor.x, anchor.y);
        return 0;
    case FlyingOff:
        x += vx;
        y += vy;
        --framesLeft;
        drawPiece(colour, kFlightFrame, static_cast<int>(x), static_cast<int>(y));
        if (framesLeft != 0) return 0;
        state = Empty;
        return 1;
    case SwapAim:
        planSwapFlight(static_cast<float>(anchor.x), static_cast<float>(anchor.y));
        drawPiece(colour, column, anchor.x, anchor.y);
        return 0;
    case SwapShake:
        if (--counter == 0) state = SwapFlight;
        drawShaking(column, anchor.x, anchor.y);
        reshuffleShake();
        return 0;
    case SwapFlight:
        x += vx;
        swapY += vy;
        y = swapY;
        --framesLeft;
        drawPiece(colour, kFlightFrame, static_cast<int>(x), static_cast<int>(y));
        return framesLeft == 0 ? 1 : 0;
    default:
        return 0;
    }
}

void Board::advanceCells(int32_t onlyState) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            int i = cellIndex(row, column);
            int32_t state = cells[i].state;
            bool inFlight = state == Arriving || state == SwapFlight || state == 7;
            if (onlyState == kSettledCells ? inFlight : state != onlyState) continue;
            busyCount -= cells[i].advance(row, column, selected == i);
        }
    }
}

// Later drawing lies on top: the inner ring first, then the carrier on the
// hub, then whatever is flying.
void Board::updateAll() {
    advanceCells(kSettledCells);
    vdp.drawImage(static_cast<int>(carrierX), static_cast<int>(carrierY), res.carrier);
    if (phase == WaveArriving) advanceCells(Arriving);
    if (phase == Swapping) advanceCells(SwapFlight);
}

}  // namespace vantor
