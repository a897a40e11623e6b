#include "hud_art.h"

#include "game_palette.h"
#include "gem.h"
#include "label.h"
#include "layout.h"

namespace resbuild {
namespace {

float roundRectDistance(Rect r, float radius, Vec2 p) {
    Vec2 half{float(r.w) / 2, float(r.h) / 2};
    return sdRoundBox(p - Vec2{float(r.x) + half.x, float(r.y) + half.y}, half, radius);
}

// A rounded panel with a gold rim; transparent outside.
Picture panel(int w, int h, float radius) {
    Picture p(w, h);
    Rect r{0, 0, w, h};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float d = roundRectDistance(r, radius, Vec2{float(x) + 0.5f, float(y) + 0.5f});
            if (d > -0.3f) continue;
            bool rim = d > -3.5f;
            float level = rim ? 0.75f - 0.4f * float(y) / float(h) : 0.42f - 0.25f * float(y) / float(h);
            p.at(x, y) = rim ? shade(gp::kGold, level) : shade(gp::kPanel, level);
        }
    return p;
}

}  // namespace

uint8_t brighter(uint8_t index, int steps) {
    if (index < 16) return index;
    int base = index & ~15, level = std::clamp((index & 15) + steps, 0, 15);
    return static_cast<uint8_t>(base + level);
}

std::vector<Picture> digitPictures() {
    std::vector<Mask> masks;
    int top = 1000, bottom = 0;
    for (char32_t d = U'0'; d <= U'9'; ++d) {
        masks.push_back(glyphMask(d, Face::SansBold, 26));
        top = std::min(top, masks.back().top);
        bottom = std::max(bottom, masks.back().top + masks.back().h);
    }
    std::vector<Picture> out;
    for (const Mask& m : masks) {
        Picture p(m.w + 2, bottom - top + 2);
        stampText(p, m, 1, 1 + m.top - top, gp::kGold, 1.0f, 0.45f, gp::kOutline);
        out.push_back(p);
    }
    return out;
}

std::vector<Picture> speedGaugePictures() {
    Picture scale(70, 12, -35, -6);
    for (int y = 0; y < scale.h; ++y)
        for (int x = 0; x < scale.w; ++x) {
            float d = sdRoundBox(Vec2{float(x) + 0.5f - 35.0f, float(y) + 0.5f - 6.0f}, {34.5f, 5.5f}, 5.0f);
            if (d > 0) continue;
            bool tick = (x - 8) % 9 == 0 && y >= 3 && y <= 8;
            float level = 0.25f + 0.65f * float(x) / 70.0f;
            scale.at(x, y) = d > -1.2f ? gp::kOutline : tick ? shade(gp::kFoam, 0.9f) : shade(gp::kGlow, level);
        }
    Picture marker(9, 20, -4, -10);
    for (int y = 0; y < marker.h; ++y)
        for (int x = 0; x < marker.w; ++x) {
            Vec2 p{float(x) + 0.5f - 4.5f, float(y) + 0.5f - 10.0f};
            float d = std::fabs(p.x) * 2.2f + std::fabs(p.y) - 10.0f;
            if (d > 0) continue;
            marker.at(x, y) = d > -2.0f ? gp::kOutline : shade(gp::kGold, 0.9f - 0.05f * std::fabs(p.y));
        }
    return {scale, marker};
}

std::vector<Picture> scoreFlash(const Picture& background) {
    Rect ring{kScorePlate.x - 4, kScorePlate.y - 4, kScorePlate.w + 8, kScorePlate.h + 8};
    std::vector<Picture> out;
    for (int k = 0; k < 8; ++k) {
        Picture p(ring.w, ring.h, ring.x, ring.y);
        float pulse = std::sin(kPi * float(k) / 8.0f);
        float spark = float(k) / 8.0f * 2.0f * kPi;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                Vec2 s{float(ring.x + x) + 0.5f, float(ring.y + y) + 0.5f};
                float d = roundRectDistance(kScorePlate, 12.0f, s);
                if (d < -4.0f || d > 4.0f) continue;
                uint8_t under = background.at(ring.x + x, ring.y + y);
                Vec2 fromCentre = s - Vec2{float(kScorePlate.x + kScorePlate.w / 2), float(kScorePlate.y + kScorePlate.h / 2)};
                float angle = std::atan2(fromCentre.y, fromCentre.x * 0.5f);
                float near = std::cos(angle - spark);
                float glow = pulse * (1.0f - std::fabs(d) / 4.0f) + 0.6f * std::pow(std::max(near, 0.0f), 12.0f) * (k > 0);
                p.at(x, y) = glow < 0.12f ? under : shade(gp::kGlow, 0.4f + 0.6f * glow);
            }
        out.push_back(p);
    }
    return out;
}

std::vector<Picture> menuButtonAnimation(const Picture& background) {
    std::vector<Picture> out;
    Rect r = kMenuButton;
    for (int k = 0; k < 7; ++k) {
        Picture p = crop(background, r.x, r.y, r.w, r.h);
        float band = -40.0f + float(k) * 36.0f;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                float d = roundRectDistance(Rect{0, 0, r.w, r.h}, 12.0f, Vec2{float(x) + 0.5f, float(y) + 0.5f});
                if (d > -0.5f || k == 0) continue;
                float across = std::fabs(float(x) + float(y) * 0.6f - band);
                uint8_t& v = p.at(x, y);
                bool gold = v >= gp::kGold.base && v < gp::kGold.base + 16;
                if (d > -4.0f || (gold && across < 14.0f))
                    v = brighter(v, 4);
                else if (across < 9.0f)
                    v = shade(gp::kGlow, 0.3f + 0.5f * (1.0f - across / 9.0f));
            }
        out.push_back(differenceFrom(p, background));
    }
    return out;
}

std::vector<Picture> ambientAnimation(const Picture& background) {
    // Bubbles rise from a crack in the sea floor and burst before the menu plate.
    const Rect area{20, 140, 90, 334};
    std::vector<Picture> out;
    for (int f = 0; f < 30; ++f) {
        Picture p = crop(background, area.x, area.y, area.w, area.h);
        for (int i = 0; i < 7; ++i) {
            int life = std::min(16 + i % 3, 29 - 2 * i);
            float age = float(f - 2 * i);
            if (age < 0 || age > float(life)) continue;
            float y = kBubbleVent.y - age * (8.0f + float(i % 3)) - age * age * 0.25f;
            float x = kBubbleVent.x + 9.0f * std::sin(age * 0.45f + float(i)) * std::min(age / 6.0f, 1.0f);
            float radius = 2.0f + float(i % 3) + age * 0.12f;
            for (int py = 0; py < p.h; ++py)
                for (int px = 0; px < p.w; ++px) {
                    Vec2 s{float(area.x + px) + 0.5f, float(area.y + py) + 0.5f};
                    float d = length(s - Vec2{x, y});
                    Vec2 shine = s - Vec2{x - radius * 0.4f, y - radius * 0.4f};
                    bool burst = age == float(life);
                    if (burst && std::fabs(d - radius - 2.0f) < 0.6f && (px + py) % 3 == 0)
                        p.at(px, py) = shade(gp::kFoam, 1.0f);
                    else if (burst)
                        continue;
                    else if (std::fabs(d - radius) < 0.75f)
                        p.at(px, py) = shade(gp::kFoam, 0.75f);
                    else if (length(shine) < radius * 0.3f)
                        p.at(px, py) = gp::kWhite;
                }
        }
        out.push_back(differenceFrom(p, background));
    }
    return out;
}

std::vector<Picture> scoreMarkerPictures() {
    // A small starfish turning in the gap between score and name.
    std::vector<Picture> out;
    GemStyle style{gp::kGold, 3.0f, -1.0f, true, nullptr};
    for (int k = 0; k < 12; ++k) {
        Picture p = renderGem([](Vec2 v) { return sdStar5(v, 8.0f, 3.6f) - 0.5f; }, 18,
                              float(k) * (2.0f * kPi / 5.0f) / 12.0f, style);
        p.x = -28;
        p.y = -1;
        out.push_back(p);
    }
    return out;
}

Picture gameOverPicture() {
    Picture p = panel(380, 110, 20.0f);
    Mask m = textMask(U"GAME OVER", Face::SerifBold, 44, 2);
    stampCentred(p, m, 0, 0, p.w, p.h, gp::kGold, 1.0f, 0.5f, gp::kOutline);
    p.x = -p.w / 2;
    p.y = -p.h / 2;
    return p;
}

}  // namespace resbuild
