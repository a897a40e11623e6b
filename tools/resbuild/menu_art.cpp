#include "menu_art.h"

#include "game_palette.h"
#include "label.h"
#include "layout.h"

namespace resbuild {
namespace {

float boxDistance(int w, int h, float radius, float x, float y) {
    Vec2 half{float(w) / 2, float(h) / 2};
    return sdRoundBox(Vec2{x - half.x, y - half.y}, half, radius);
}

const char32_t* const kLabels[4] = {U"NEW GAME", U"SOUND", U"QUIT", U"RESUME"};

Picture button(int b, float glow) {
    Rect r = kMenuButtons[b];
    Picture p(r.w, r.h, r.x, r.y);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            float d = boxDistance(r.w, r.h, 14.0f, float(x) + 0.5f, float(y) + 0.5f);
            if (d > -0.3f) continue;
            float v = float(y) / float(r.h);
            if (d > -4.0f)
                p.at(x, y) = glow > 0 ? shade(gp::kGlow, 0.5f + 0.5f * glow) : shade(gp::kGold, 0.8f - 0.45f * v);
            else if (d > -6.0f)
                p.at(x, y) = gp::kOutline;
            else
                p.at(x, y) = shade(gp::kPanel, 0.55f - 0.3f * v + 0.35f * glow * (1.0f + d / 40.0f));
        }
    Mask m = textMask(kLabels[b], Face::SansBold, 20, 1);
    stampCentred(p, m, 0, 0, r.w, r.h, glow > 0 ? gp::kFoam : gp::kGold, 1.0f, 0.55f + 0.3f * glow, gp::kOutline);
    return p;
}

// A speaker, with sound waves when on and a cross when off.
Picture speaker(bool on) {
    Picture p(26, 26);
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 26; ++x) {
            Vec2 s{float(x) + 0.5f, float(y) + 0.5f};
            float disc = length(s - Vec2{13, 13});
            if (disc > 12.8f) continue;
            p.at(x, y) = disc > 11.0f ? shade(gp::kGold, 0.7f) : shade(gp::kPanel, 0.15f);
            bool body = s.x > 5 && s.x < 9 && s.y > 10 && s.y < 16;
            bool cone = s.x >= 9 && s.x < 14 && std::fabs(s.y - 13) < 3.0f + (s.x - 9) * 0.9f;
            if (body || cone) p.at(x, y) = shade(gp::kFoam, 0.95f);
            Vec2 w = s - Vec2{13, 13};
            float reach = length(w);
            bool wave = on && w.x > 1 && std::fabs(w.y) < w.x * 1.1f &&
                        (std::fabs(reach - 4.5f) < 0.9f || std::fabs(reach - 8.0f) < 0.9f);
            if (wave) p.at(x, y) = shade(gp::kGlow, 1.0f);
            Vec2 c = s - Vec2{19, 13};
            bool cross = !on && std::fabs(c.x) < 4.0f && std::fabs(c.y) < 4.0f && std::fabs(std::fabs(c.x) - std::fabs(c.y)) < 1.2f;
            if (cross) p.at(x, y) = shade(gp::kPiece[0], 0.7f);
        }
    return p;
}

}  // namespace

Picture menuBackdrop() {
    Rect r = kMenuPanel;
    Picture p(r.w, r.h, r.x, r.y);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            float d = boxDistance(r.w, r.h, 22.0f, float(x) + 0.5f, float(y) + 0.5f);
            if (d > -0.3f) continue;
            float wave = 0.05f * std::sin(float(y) * 0.08f + std::sin(float(x) * 0.05f) * 2.0f);
            if (d > -5.0f)
                p.at(x, y) = shade(gp::kGold, 0.85f - 0.5f * float(y) / float(r.h) + (d > -2.5f ? 0.0f : -0.25f));
            else if (d > -7.0f)
                p.at(x, y) = gp::kOutline;
            else
                p.at(x, y) = shade(gp::kPanel, 0.3f - 0.15f * float(y) / float(r.h) + wave);
        }
    return p;
}

std::vector<Picture> menuButtonFrames(int b) {
    std::vector<Picture> out{button(b, 0.0f)};
    for (int j = 1; j < 12; ++j) out.push_back(button(b, 0.35f + 0.65f * std::sin(kPi * float(j) / 12.0f)));
    return out;
}

std::vector<Picture> soundIndicatorPictures() { return {speaker(false), speaker(true)}; }

std::vector<Picture> menuSlide(const Picture& backdrop, const std::array<std::vector<Picture>, 4>& buttons) {
    Picture menu = backdrop;
    for (const auto& frames : buttons) menu = overlay(menu, frames[0]);
    auto placed = [&](float drop) {
        // The menu hangs `drop` pixels above its place; rows above the screen are cut.
        int top = menu.y - int(std::lround(drop));
        int firstRow = std::clamp(-top, 0, menu.h - 1);
        Picture visible(menu.w, menu.h - firstRow, menu.x, top + firstRow);
        for (int y = 0; y < visible.h; ++y)
            for (int x = 0; x < visible.w; ++x) visible.at(x, y) = menu.at(x, firstRow + y);
        return visible;
    };
    std::vector<Picture> out;
    float travel = float(menu.y + menu.h - 1);  // the last picture keeps one row on the screen
    // The menu lands in the fifth picture and stands from there on, so a
    // finger reaching for a button as soon as the menu shows finds it still.
    constexpr int kLanded = 4;
    for (int i = 0; i <= 35; ++i) {
        float t = std::min(float(i + 1) / float(kLanded + 1), 1.0f);
        float ease = 1.0f - std::pow(1.0f - t, 3.0f);
        out.push_back(placed(travel * (1.0f - ease)));
    }
    for (int i = 36; i < 50; ++i) {
        float t = float(i - 35) / 14.0f;
        out.push_back(placed(travel * t * t));
    }
    return out;
}

}  // namespace resbuild
