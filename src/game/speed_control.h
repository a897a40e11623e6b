#pragma once
#include <cstdint>

namespace vantor {

// The gauge of the frame-delay keys.
struct SpeedGauge {
    int32_t timer = 0;    // frames it stays visible
    int32_t markerX = 0;  // screen x of the marker
    bool wasPressed = false;  // the left button at the last update
    bool dragging = false;    // a press that began on the gauge is held
    int32_t lastX = -1;       // the pointer at the last update
    int32_t lastY = -1;
    int32_t wanted = 0;       // the delay the pointer asked for; 0: none
};

inline SpeedGauge speedGauge;

// Numpad + and - change the frame delay within 5..80. A press on the gauge,
// held or dragged, or a finger moving along it, asks for the delay under
// it, reached in the keys' steps. Draws the gauge while a key is held or
// the delay moves, and for 59 frames after.
void updateSpeedControl();

// The gauge with the marker at the frame delay, as the speed keys show it.
void drawSpeedGauge();

// Whether (x, y) lies on the gauge, as far up and down as its marker reaches.
bool onSpeedGauge(int x, int y);

// Where the marker stands for a frame delay: 523 at 80 ms, 579 at 5 ms.
int gaugeMarkerX(int32_t delay);

}  // namespace vantor
