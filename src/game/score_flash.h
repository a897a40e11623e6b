#pragma once
#include <cstdint>

namespace vantor {

// Eight images played twice when a removal is scored, then resting on the first.
struct ScoreFlash {
    int32_t on = 0;
    int32_t frame = 0;
    int32_t rounds = 0;

    void start();
    void switchOff() { on = 0; }
    // Draws the current image and moves the animation on.
    void step();
};

inline ScoreFlash scoreFlash;

}  // namespace vantor
