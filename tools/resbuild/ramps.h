#pragma once
#include <cstdint>
#include <vector>

#include "image_encoders.h"

namespace resbuild {

// A run of palette entries from dark to light.
struct Ramp {
    int base = 0;
    int count = 16;
};

// The entry of a ramp for a brightness 0..1 (clamped).
uint8_t shade(Ramp ramp, float level);
// The same with ordered dithering by screen position, for smooth gradients.
uint8_t shadeDithered(Ramp ramp, float level, int x, int y);

// Fills a ramp through three colours: dark, middle and light.
void fillRamp(std::vector<Rgb>& palette, Ramp ramp, Rgb dark, Rgb mid, Rgb light);

}  // namespace resbuild
