#pragma once
#include <cstdint>

namespace vantor {

// The one generator of the whole program. Board, motion and ambient life
// share it, so the order of draws is part of what a recording replays.
struct Random {
    uint32_t state = 0;

    void seed(uint32_t value) { state = value; }
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 32767u);
    }
    // A value 0..n-1 from one draw.
    int below(int n) { return next() * n / 32768; }
};

inline Random rng;

}  // namespace vantor
