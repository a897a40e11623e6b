#pragma once
#include <cstdint>

namespace vantor {

// Sets the display palette to the entries first..last of palette scaled by
// numerator / denominator (the rest unchanged): 0 / 1 turns them black,
// n / n shows their true colours.
void setFadedPalette(const uint8_t* palette, int numerator, int denominator, int first, int last);

}  // namespace vantor
