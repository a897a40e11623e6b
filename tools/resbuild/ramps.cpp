#include "ramps.h"

#include <algorithm>
#include <cmath>

namespace resbuild {
namespace {

constexpr float kBayer4[4][4] = {
    {0.0f / 16, 8.0f / 16, 2.0f / 16, 10.0f / 16},
    {12.0f / 16, 4.0f / 16, 14.0f / 16, 6.0f / 16},
    {3.0f / 16, 11.0f / 16, 1.0f / 16, 9.0f / 16},
    {15.0f / 16, 7.0f / 16, 13.0f / 16, 5.0f / 16},
};

uint8_t mix(uint8_t a, uint8_t b, float t) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); }

}  // namespace

uint8_t shade(Ramp ramp, float level) {
    int step = static_cast<int>(std::lround(std::clamp(level, 0.0f, 1.0f) * float(ramp.count - 1)));
    return static_cast<uint8_t>(ramp.base + step);
}

uint8_t shadeDithered(Ramp ramp, float level, int x, int y) {
    float steps = std::clamp(level, 0.0f, 1.0f) * float(ramp.count - 1);
    int step = static_cast<int>(steps + kBayer4[y & 3][x & 3]);
    return static_cast<uint8_t>(ramp.base + std::min(step, ramp.count - 1));
}

void fillRamp(std::vector<Rgb>& palette, Ramp ramp, Rgb dark, Rgb mid, Rgb light) {
    if (palette.size() < 256) palette.resize(256);
    for (int i = 0; i < ramp.count; ++i) {
        float t = float(i) / float(ramp.count - 1) * 2.0f;
        Rgb a = t < 1.0f ? dark : mid, b = t < 1.0f ? mid : light;
        float u = t < 1.0f ? t : t - 1.0f;
        palette[static_cast<size_t>(ramp.base + i)] = Rgb{mix(a.r, b.r, u), mix(a.g, b.g, u), mix(a.b, b.b, u)};
    }
}

}  // namespace resbuild
