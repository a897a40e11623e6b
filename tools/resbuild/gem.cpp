#include "gem.h"

namespace resbuild {

float bevelLight(float hLeft, float hRight, float hUp, float hDown, float steepness) {
    float nx = -(hRight - hLeft) * steepness, ny = -(hDown - hUp) * steepness, nz = 1.0f;
    float len = std::sqrt(nx * nx + ny * ny + nz * nz);
    const float lx = -0.48f, ly = -0.60f, lz = 0.64f;  // from the top left, toward the viewer
    return std::max(0.0f, (nx * lx + ny * ly + nz * lz) / len);
}

Picture renderGem(const Shape& shape, int size, float angle, const GemStyle& style) {
    Picture out(size, size, -size / 2, -size / 2);
    float centre = float(size) / 2.0f;
    auto sdf = [&](float x, float y) { return shape(rotated(Vec2{x - centre, y - centre}, -angle)); };
    auto height = [&](float x, float y) { return smoothstep(0.0f, style.bevel, -sdf(x, y)); };
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (sdf(float(c) + (float(sx) + 0.5f) / 4, float(r) + (float(sy) + 0.5f) / 4) < 0) ++inside;
            if (inside < 8) continue;
            float x = float(c) + 0.5f, y = float(r) + 0.5f;
            float depth = -sdf(x, y);
            float light = bevelLight(height(x - 0.7f, y), height(x + 0.7f, y), height(x, y - 0.7f),
                                     height(x, y + 0.7f), 4.0f);
            float specular = std::pow(light, 14.0f);
            float level = 0.12f + 0.62f * light + 0.4f * specular - 0.12f * (x + y - float(size)) / float(size);
            if (style.groove > 0 && std::fabs(depth - style.groove) < 0.7f) level *= 0.55f;
            Vec2 local = rotated(Vec2{x - centre, y - centre}, -angle);
            if (style.mark && style.mark(local) < 0) level = 0.25f + 0.4f * (local.y - local.x) / float(size);
            if (style.outline && depth < 1.0f) level = 0.02f;
            out.at(c, r) = shade(style.ramp, level);
        }
    return out;
}

}  // namespace resbuild
