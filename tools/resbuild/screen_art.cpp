#include "screen_art.h"

#include "game_palette.h"
#include "label.h"
#include "layout.h"

namespace resbuild {
namespace {

// Entries of the title palette.
constexpr Ramp kSky{1, 64};
constexpr Ramp kWater{65, 64};
constexpr Ramp kMoon{129, 32};
constexpr Ramp kTitleGold{161, 32};
constexpr Ramp kRock{193, 32};
constexpr Ramp kSpray{225, 31};

Picture curtain(int k) {
    Picture p(640, 480);
    float reach = 320.0f * float(k + 1) / 12.0f;
    float sway = 16.0f * (1.0f - float(k) / 11.0f);
    for (int y = 0; y < 480; ++y) {
        float edge = reach - sway * (0.5f + 0.5f * std::sin(float(y) * 0.025f + float(k)));
        for (int x = 0; x < 640; ++x) {
            float fromSide = x < 320 ? float(x) + 0.5f : 640.0f - float(x) - 0.5f;
            float inward = edge - fromSide;  // distance inside the drape from its edge
            if (inward < 0) continue;
            float fold = std::cos((fromSide - edge) * 2.0f * kPi / 38.0f);
            float level = 0.24f + 0.09f * fold * fold - 0.06f * float(y) / 480.0f;
            bool trim = k < 11 && inward < 5.0f;
            p.at(x, y) = trim ? shade(gp::kGold, 0.55f + 0.08f * inward) : shadeDithered(gp::kPanel, level, x, y);
        }
    }
    if (k == 11) {
        Mask heading = textMask(U"HIGH SCORES", Face::SerifBold, 40, 3);
        stampCentred(p, heading, 0, 64, 640, 50, gp::kGold, 1.0f, 0.45f, gp::kOutline);
        for (int x = 110; x < 530; ++x) p.at(x, 128) = shade(gp::kGold, 0.6f);
    }
    return p;
}

float starAt(int x, int y) {
    uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h % 1000u) < 3 ? float(h % 7u) / 7.0f : -1.0f;
}

}  // namespace

std::vector<Picture> curtainPictures() {
    std::vector<Picture> out;
    for (int k = 0; k < 12; ++k) out.push_back(curtain(k));
    return out;
}

std::vector<Rgb> titlePalette() {
    std::vector<Rgb> p(256);
    fillRamp(p, kSky, {0, 1, 6}, {6, 8, 24}, {22, 18, 40});
    fillRamp(p, kWater, {0, 3, 8}, {4, 16, 26}, {36, 48, 50});
    fillRamp(p, kMoon, {30, 30, 22}, {56, 56, 44}, {63, 63, 60});
    fillRamp(p, kTitleGold, {14, 7, 1}, {52, 36, 8}, {63, 62, 40});
    fillRamp(p, kRock, {2, 2, 4}, {8, 9, 14}, {20, 22, 28});
    fillRamp(p, kSpray, {20, 30, 40}, {44, 54, 60}, {63, 63, 63});
    return p;
}

Picture titlePicture() {
    Picture p(640, 480);
    const Vec2 moon{548.0f, 78.0f};
    const float horizon = 300.0f;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            Vec2 s{float(x) + 0.5f, float(y) + 0.5f};
            if (s.y < horizon) {
                float glow = std::exp(-length(s - moon) / 120.0f);
                float level = 0.15f + 0.55f * s.y / horizon + 0.5f * glow;
                p.at(x, y) = shadeDithered(kSky, level, x, y);
                float star = starAt(x, y);
                if (star >= 0 && glow < 0.3f) p.at(x, y) = shade(kSpray, 0.4f + 0.6f * star);
                if (length(s - moon) < 30.0f) {
                    float crater = length(s - moon - Vec2{-8, 6}) < 7.0f || length(s - moon - Vec2{9, -9}) < 5.0f ? 0.12f : 0.0f;
                    p.at(x, y) = shade(kMoon, 0.9f - (s.x - moon.x + s.y - moon.y + 60.0f) / 200.0f - crater);
                }
            } else {
                float depth = (s.y - horizon) / (480.0f - horizon);
                float swell = std::sin(s.x * 0.05f + depth * 30.0f + std::sin(s.x * 0.013f) * 3.0f);
                float streak = std::exp(-std::pow((s.x - moon.x) / (18.0f + depth * 60.0f), 2.0f));
                float level = 0.45f - 0.3f * depth + 0.06f * swell + 0.5f * streak * (0.5f + 0.5f * swell);
                p.at(x, y) = shadeDithered(kWater, level, x, y);
            }
        }
    // A dark rock on the horizon holding the wheel of the game.
    for (int y = 200; y < 330; ++y)
        for (int x = 0; x < 640; ++x) {
            float hill = 300.0f - 70.0f * std::exp(-std::pow((float(x) - 110.0f) / 90.0f, 2.0f)) - 4.0f * std::sin(float(x) * 0.2f);
            if (float(y) > hill && y < 306) p.at(x, y) = shade(kRock, 0.2f + 0.4f * (float(y) - hill) / 80.0f);
        }
    Mask name = textMask(U"VANTOR", Face::SerifBold, 104, 6);
    stampCentred(p, name, 0, 110, 640, 120, kTitleGold, 1.0f, 0.35f, kRock.base);
    Mask line = textMask(U"a Tidewell puzzle of the tides", Face::Sans, 22, 1);
    stampCentred(p, line, 0, 232, 640, 30, kSpray, 0.95f, 0.7f);
    // The line below, how to begin, the game writes for the input in use in
    // the font's colours moved onto the spray's light half (kTitleTextShift).
    return p;
}

}  // namespace resbuild
