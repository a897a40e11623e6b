#pragma once
#include <cstdint>

namespace vantor {

enum CellState : int32_t {
    Empty = 0,
    Resting = 1,
    Queued = 2,
    Arriving = 3,
    Departing = 4,
    FlyingOff = 5,
    Marked = 6,
    // 7 is never given to a cell.
    SwapAim = 8,
    SwapShake = 9,
    SwapFlight = 10,
};

// One cell of the wheel and the piece in it. Swaps and settling copy the whole
// record, so a piece takes its motion and shake state along.
struct Cell {
    int8_t colour = 0;
    int32_t visited = 0;
    int32_t state = Empty;
    int32_t counter = 0;  // wait frames, rotation frame or swap partner, by state
    int32_t spin = 0;
    float swapY = 0;
    float x = 0;
    float y = 0;
    float cosine = 0;
    float sine = 0;
    float vx = 0;
    float vy = 0;
    float pathLength = 0;
    int32_t framesLeft = 0;
    int32_t shakeX = 0;
    int32_t shakeY = 0;
    int32_t shakeFrame = 0;
    int32_t shakeCountdown = 0;

    // One frame of motion and drawing; 1 when a flight has just ended.
    int advance(int row, int column, bool isSelected);
    void reshuffleShake();

private:
    void planArrival(int column, float ax, float ay);
    void planFlyOff(float ax, float ay);
    void planSwapFlight(float ax, float ay);
    void drawShaking(int column, int ax, int ay) const;
};

static_assert(sizeof(Cell) == 72, "a cell is 18 words");

}  // namespace vantor
