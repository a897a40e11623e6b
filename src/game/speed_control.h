#pragma once
#include <cstdint>

namespace vantor {

// The gauge of the frame-delay keys.
struct SpeedGauge {
    int32_t timer = 0;    // frames it stays visible
    int32_t markerX = 0;  // screen x of the marker
};

inline SpeedGauge speedGauge;

// Numpad + and - change the frame delay within 5..80; draws the gauge while
// a key is held and for 59 frames after.
void updateSpeedControl();

// Where the marker stands for a frame delay: 523 at 80 ms, 579 at 5 ms.
int gaugeMarkerX(int32_t delay);

}  // namespace vantor
