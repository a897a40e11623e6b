#pragma once

namespace vantor {

// Numpad + and - change the frame delay within 5..80; draws the gauge while
// a key is held and for 59 frames after.
void updateSpeedControl();

}  // namespace vantor
