#include "board_art.h"

#include "game_palette.h"
#include "gem.h"
#include "layout.h"
#include "text_mask.h"

namespace resbuild {
namespace {

// Each colour has its own outline too, so colours are told apart without hue.
float pieceShape(int colour, Vec2 p) {
    switch (colour) {
    case 0: return sdCircle(p, 12.5f);
    case 1: return sdStar5(p, 13.2f, 6.6f) - 0.8f;
    case 2: return sdTriangle(p, 15.0f, 2.5f);
    case 3: return sdRoundBox(p, {9.8f, 9.8f}, 3.0f);
    default: return std::min(sdRoundBox(p, {12.5f, 4.8f}, 2.4f), sdRoundBox(p, {4.8f, 12.5f}, 2.4f));
    }
}


// What the screen shows at a point, before light.
struct Ground {
    float height = 0;
    float base = 0;  // brightness before light
    Ramp ramp = gp::kSea;
};

struct Plate {
    Rect rect;
    float radius;
};
constexpr Plate kPlates[] = {{kMenuButton, 12}, {kScorePlate, 12}, {kGaugePlace, 9}};

float plateDistance(const Plate& plate, Vec2 p) {
    Vec2 half{float(plate.rect.w) / 2, float(plate.rect.h) / 2};
    Vec2 centre{float(plate.rect.x) + half.x, float(plate.rect.y) + half.y};
    return sdRoundBox(p - centre, half, plate.radius);
}

float wheelDistance(Vec2 p) {
    float d = std::fabs(length(p - kHub) - 64.0f) - 9.0f;  // the inner ring joins the spokes
    for (int c = 0; c < 13; ++c) d = std::min(d, sdSegment(p, anchor(c * 5), anchor(c * 5 + 4), 17.0f));
    return std::min(d, sdCircle(p - kHub, 31.0f));
}

float socketDistance(Vec2 p) {
    float d = 1e9f;
    for (int i = 0; i < 65; ++i) d = std::min(d, sdCircle(p - anchor(i), kSocketRadius));
    return std::min(d, sdCircle(p - kHub, 21.0f));
}

float caustic(Vec2 p) {
    float a = std::sin(p.x * 0.045f + std::sin(p.y * 0.03f) * 2.0f);
    float b = std::sin(p.y * 0.052f + std::sin(p.x * 0.027f) * 2.2f);
    return std::pow(std::fabs(a * b), 3.0f);
}

// Weed swaying up from the sea floor in the corners the wheel leaves free.
float kelpDistance(Vec2 p) {
    const float roots[] = {548.0f, 572.0f, 601.0f, 626.0f, 14.0f, 112.0f};
    const float tops[] = {350.0f, 390.0f, 335.0f, 372.0f, 380.0f, 420.0f};
    float d = 1e9f;
    for (int i = 0; i < 6; ++i) {
        if (p.y < tops[i]) continue;
        float rise = 480.0f - p.y;
        float centre = roots[i] + 7.0f * std::sin(rise * 0.045f + float(i) * 1.7f) * rise / 120.0f;
        float half = 1.5f + 4.0f * std::sqrt((p.y - tops[i]) / (480.0f - tops[i]));
        d = std::min(d, std::fabs(p.x - centre) - half);
    }
    return d;
}

Ground groundAt(Vec2 p) {
    Ground g;
    g.base = 0.22f + 0.18f * p.y / 480.0f + 0.22f * caustic(p);
    float wheel = wheelDistance(p);
    float inGroove = 1.0f - smoothstep(-1.5f, 1.5f, wheel);
    g.height = -3.0f * inGroove;
    if (wheel < 0) {
        g.ramp = gp::kStone;
        g.base = 0.36f;
    }
    float socket = socketDistance(p);
    if (socket < 0) {
        float bowl = -socket / kSocketRadius;
        g.height -= 2.5f + 4.0f * std::sqrt(std::min(bowl * 2.0f, 1.0f));
        g.base = 0.22f;
    }
    float weed = kelpDistance(p);
    if (weed < 0) {
        g.height = 2.0f * smoothstep(0.0f, 2.0f, -weed);
        g.ramp = gp::kKelp;
        g.base = 0.5f - 0.25f * (p.y - 330.0f) / 150.0f;
    }
    // Stones around the crack the ambient bubbles rise from.
    Vec2 v = p - kBubbleVent;
    float rock = std::min({length(Vec2{v.x + 13.0f, (v.y - 4.0f) * 1.5f}) - 13.0f,
                           length(Vec2{v.x - 12.0f, (v.y - 3.0f) * 1.6f}) - 12.0f,
                           length(Vec2{v.x, (v.y - 9.0f) * 2.0f}) - 14.0f});
    if (rock < 0) {
        g.height = 5.0f * smoothstep(0.0f, 8.0f, -rock);
        g.ramp = gp::kStone;
        g.base = 0.34f;
    }
    for (const Plate& plate : kPlates) {
        float d = plateDistance(plate, p);
        if (d < 2.0f) {
            g.height = 3.0f * (1.0f - smoothstep(-4.0f, 1.5f, d));
            g.ramp = d > -2.0f ? gp::kGold : gp::kPanel;
            g.base = d > -2.0f ? 0.4f : 0.35f;
        }
    }
    return g;
}

// Engraves a label into the height field, centred in a rectangle.
void engrave(std::vector<float>& height, std::vector<float>& glow, const std::u32string& text, int size, Rect box) {
    Mask m = textMask(text, Face::SansBold, size, 1);
    int x0 = box.x + (box.w - m.w) / 2, y0 = box.y + (box.h - m.h) / 2;
    for (int r = 0; r < m.h; ++r)
        for (int c = 0; c < m.w; ++c) {
            size_t at = static_cast<size_t>(y0 + r) * 640 + static_cast<size_t>(x0 + c);
            height[at] -= 1.6f * float(m.at(c, r)) / 255.0f;
            glow[at] = std::max(glow[at], float(m.at(c, r)) / 255.0f);
        }
}

}  // namespace

Picture playBackground() {
    std::vector<Ground> ground(640 * 480);
    std::vector<float> height(640 * 480), label(640 * 480, 0.0f);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            size_t at = static_cast<size_t>(y) * 640 + static_cast<size_t>(x);
            ground[at] = groundAt(Vec2{float(x) + 0.5f, float(y) + 0.5f});
            height[at] = ground[at].height;
        }
    engrave(height, label, U"MENU", 24, kMenuButton);
    engrave(height, label, U"SCORE", 11, Rect{kScorePlate.x, kScorePlate.y + 4, kScorePlate.w, 12});
    Picture out(640, 480);
    auto h = [&](int x, int y) {
        return height[static_cast<size_t>(std::clamp(y, 0, 479)) * 640 + static_cast<size_t>(std::clamp(x, 0, 639))];
    };
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            size_t at = static_cast<size_t>(y) * 640 + static_cast<size_t>(x);
            const Ground& g = ground[at];
            float light = bevelLight(h(x - 1, y), h(x + 1, y), h(x, y - 1), h(x, y + 1), 0.6f);
            float level = g.base + 0.55f * (light - 0.64f);
            Ramp ramp = g.ramp;
            if (label[at] > 0.5f) {
                ramp = gp::kGold;
                level = 0.35f + 0.5f * label[at] * light;
            }
            out.at(x, y) = shadeDithered(ramp, level, x, y);
        }
    return out;
}

std::vector<Picture> pieceFrames(int colour) {
    std::vector<Picture> frames;
    GemStyle style{gp::kPiece[colour], 4.5f, 5.0f, true, nullptr};
    if (colour == 0) style.mark = [](Vec2 p) { return sdCircle(p - Vec2{0, -6.5f}, 2.6f); };  // shows the turning
    for (int f = 0; f < 13; ++f)
        frames.push_back(renderGem([colour](Vec2 p) { return pieceShape(colour, p); }, 28, spokeAngle(f), style));
    return frames;
}

Picture carrierPicture() {
    GemStyle style{gp::kPearl, 6.0f, 4.0f, true, nullptr};
    auto shell = [](Vec2 p) {
        float ridges = 0.9f * std::cos(std::atan2(p.y, p.x) * 12.0f);
        return sdCircle(p, 15.5f + ridges);
    };
    Picture body = renderGem(shell, 36, 0.0f, style);
    // A dark mouth and two bright eyes.
    for (int r = 0; r < body.h; ++r)
        for (int c = 0; c < body.w; ++c) {
            Vec2 p{float(c) + 0.5f - 18.0f, float(r) + 0.5f - 18.0f};
            if (sdRoundBox(p - Vec2{0, 4.5f}, {6.0f, 2.6f}, 2.5f) < 0) body.at(c, r) = shade(gp::kPiece[0], 0.15f);
            for (float ex : {-5.5f, 5.5f}) {
                float d = length(p - Vec2{ex, -4.5f});
                if (d < 3.2f) body.at(c, r) = gp::kOutline;
                if (length(p - Vec2{ex - 0.8f, -5.3f}) < 1.2f) body.at(c, r) = gp::kWhite;
            }
        }
    return body;
}

Picture pointerPicture() {
    // An arrow with its tip at the hot spot (0, 0).
    const Vec2 outline[] = {{0, 0}, {0, 17}, {4.5f, 13}, {7.5f, 19.5f}, {10.5f, 18}, {7.5f, 11.5f}, {13, 11.5f}};
    const int n = sizeof outline / sizeof outline[0];
    Picture out(15, 21);
    auto inside = [&](Vec2 p) {
        bool in = false;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            Vec2 a = outline[i], b = outline[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    };
    for (int r = 0; r < out.h; ++r)
        for (int c = 0; c < out.w; ++c)
            if (inside(Vec2{float(c) + 0.5f, float(r) + 0.5f})) out.at(c, r) = shade(gp::kFoam, 1.0f - float(r) / 40.0f);
    Picture edged = out;
    for (int r = 0; r < out.h; ++r)
        for (int c = 0; c < out.w; ++c) {
            if (out.at(c, r)) continue;
            for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (out.contains(c + dc, r + dr) && out.at(c + dc, r + dr)) edged.at(c, r) = gp::kOutline;
        }
    return edged;
}

}  // namespace resbuild
